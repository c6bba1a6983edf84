#!/usr/bin/env bash
# Installs the Debian packages Pennant95 needs to build and test, when some
# are missing. Needs root for apt-get; says what to install otherwise.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev fonts-dejavu-core poppler-utils)
if [ "${PENNANT_FUZZ:-0}" = 1 ]; then packages+=(clang libclang-rt-14-dev); fi
if [ "${PENNANT_TIDY:-0}" = 1 ]; then packages+=(clang-tidy); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
