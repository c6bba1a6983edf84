#include "settings/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace pennant {
namespace {

std::string reason(int err) { return std::error_code(err, std::generic_category()).message(); }

// A scratch name beside the target that no other file has: created
// exclusively, so an existing file of that name is never overwritten.
std::FILE* createScratch(const std::filesystem::path& target, std::filesystem::path& scratch, int& err) {
    std::random_device seed;
    std::mt19937 gen(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        scratch = target;
        scratch += ".tmp" + std::to_string(gen() % 1000000);
        errno = 0;
        if (std::FILE* f = std::fopen(scratch.c_str(), "wbx")) return f;
        err = errno;
        if (err != EEXIST) return nullptr;
    }
    return nullptr;
}

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<std::string> replaceFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path scratch;
    int err = 0;
    std::FILE* f = createScratch(path, scratch, err);
    if (!f) return reason(err ? err : EEXIST);
    errno = 0;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
    err = errno;
    if (std::fclose(f) != 0 && written) {
        written = false;
        err = errno;
    }
    std::error_code ec;
    if (written) std::filesystem::rename(scratch, path, ec);
    if (!written || ec) {
        std::error_code ignored;
        std::filesystem::remove(scratch, ignored);
        return written ? ec.message() : reason(err ? err : EIO);
    }
    return std::nullopt;
}

}  // namespace pennant
