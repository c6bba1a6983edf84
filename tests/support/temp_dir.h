// A fresh directory per test, removed afterwards: the program directory of
// the settings and slip tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace pennant::testing {

class TempDir {
public:
    TempDir() {
        std::random_device seed;
        auto base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("pennant-test-" + std::to_string(seed()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const { return readFile(path_ / name); }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
    // How many entries it holds, to show that nothing was left behind.
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(path_), std::filesystem::directory_iterator()));
    }

    static std::string readFile(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

// A fixture file of tests/data.
inline std::string fixture(const std::string& relative) {
    return TempDir::readFile(std::filesystem::path(PENNANT_TEST_DATA) / relative);
}

}  // namespace pennant::testing
