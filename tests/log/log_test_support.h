// Shared by the log tests: a temporary directory per test, file helpers,
// record builders and a file-system layer that fails on request.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "log/file_ops.h"
#include "log/log_file.h"
#include "log/log_record.h"

namespace pennant::testing {

namespace fs = std::filesystem;

inline std::string fixture(const std::string& name) {
    std::ifstream in(fs::path(PENNANT_TEST_DATA) / "log" / name, std::ios::binary);
    EXPECT_TRUE(in) << "missing fixture " << name;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

// A fresh directory for each test, removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pennant-log-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path dir;
};

// A distinct record whose first name tells it apart.
inline LogRecord sampleRecord(const std::string& name, const std::string& payout = "0",
                              const std::string& total = "1.00") {
    LogRecord r;
    r.setRowHeight("200");
    r.setBetDate("11/12/2026");
    r.setBetType("Single");
    r.setBetTerms("WIN");
    r.setStakePerBet("1.00");
    r.setTotalStake(total);
    for (std::size_t i = 0; i < 6; ++i) {
        r.setSelName(i, "Selection " + std::to_string(i + 1));
        r.setSelResult(i, "LOST");
        r.setSelOdds(i, "EVENS");
    }
    r.setSelName(0, name);
    r.setPayout(payout);
    r.setTaxPaid("1");
    r.setLogOpeningBalance("0");
    return r;
}

// A log of records named "Bet 1" .. "Bet n".
inline std::vector<std::string> writeLog(const fs::path& p, int n) {
    std::vector<std::string> records;
    std::string all;
    for (int k = 1; k <= n; ++k) {
        records.push_back(sampleRecord("Bet " + std::to_string(k)).toBytes());
        all += records.back();
    }
    writeFile(p, all);
    return records;
}

// The real file system, except for the one step told to fail. A failing
// write first writes half its bytes, as a full disk does.
class FaultyOps : public FileOps {
public:
    enum class Step { None, OpenLog, OpenScratch, Size, Read, Write, Sync, Close, Rename, Truncate };
    Step fail = Step::None;
    int error = EIO;
    int calls = 0;                  // how many times the failing step was reached
    std::vector<fs::path> created;  // paths opened with CreateNew

    int open(const fs::path& path, OpenMode mode) override {
        if (mode == OpenMode::CreateNew) created.push_back(path);
        bool scratch = mode == OpenMode::CreateNew && path.filename() == kScratchName;
        if ((scratch && hit(Step::OpenScratch)) || (!scratch && mode != OpenMode::Directory && hit(Step::OpenLog)))
            return failed(-1);
        return FileOps::open(path, mode);
    }
    std::int64_t size(int fd) override { return hit(Step::Size) ? failed(-1) : FileOps::size(fd); }
    std::int64_t readAt(int fd, char* b, std::size_t n, std::int64_t at) override {
        return hit(Step::Read) ? failed(-1) : FileOps::readAt(fd, b, n, at);
    }
    bool writeAt(int fd, const char* b, std::size_t n, std::int64_t at) override {
        if (!hit(Step::Write)) return FileOps::writeAt(fd, b, n, at);
        FileOps::writeAt(fd, b, n / 2, at);
        fail = Step::None;  // the undo that follows must be able to write
        return failed(false);
    }
    bool sync(int fd) override { return hit(Step::Sync) ? failed(false) : FileOps::sync(fd); }
    bool close(int fd) override {
        bool ok = FileOps::close(fd);
        return hit(Step::Close) ? failed(false) : ok;
    }
    bool rename(const fs::path& from, const fs::path& to) override {
        return hit(Step::Rename) ? failed(false) : FileOps::rename(from, to);
    }
    bool truncate(int fd, std::int64_t len) override {
        return hit(Step::Truncate) ? failed(false) : FileOps::truncate(fd, len);
    }

private:
    bool hit(Step s) {
        if (fail != s) return false;
        ++calls;
        return true;
    }
    template <class T>
    T failed(T value) {
        errno = error;
        return value;
    }
};

}  // namespace pennant::testing
