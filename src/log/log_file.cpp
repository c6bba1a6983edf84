#include "log/log_file.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace pennant {
namespace {

namespace fs = std::filesystem;
constexpr std::int64_t kLen = static_cast<std::int64_t>(kLogRecordLength);

std::string quoted(const fs::path& p) {
    return "\"" + p.string() + "\"";
}

// `what` is a plain literal so that nothing runs between the failing call
// and the read of errno.
[[noreturn]] void fail(const char* what, const fs::path& p, int error) {
    throw LogError(std::string(what) + " " + quoted(p) + " (" + FileOps::describe(error) + ").");
}

// Opens an existing log; a missing one is LogMissing.
int openExisting(const fs::path& log, OpenMode mode, FileOps& ops) {
    int fd = ops.open(log, mode);
    if (fd >= 0) return fd;
    int error = errno;
    if (error == ENOENT) throw LogMissing("The log " + quoted(log) + " does not exist.");
    fail("Could not open the log", log, error);
}

std::int64_t lengthOf(int fd, const fs::path& log, FileOps& ops) {
    std::int64_t len = ops.size(fd);
    if (len < 0) fail("Could not read the log", log, errno);
    return len;
}

void checkRecordNumber(std::int64_t n, std::int64_t count, const fs::path& log) {
    if (n < 1 || n > count)
        throw LogError("The log " + quoted(log) + " has no line " + std::to_string(n) + "; it holds " +
                       std::to_string(count) + ".");
}

// A record's bytes from the file's bytes, padded when the file ends early.
std::string recordAt(const std::string& all, std::int64_t n) {
    std::size_t offset = static_cast<std::size_t>((n - 1) * kLen);
    std::string bytes = offset < all.size() ? all.substr(offset, kLogRecordLength) : std::string();
    bytes.resize(kLogRecordLength, ' ');
    return bytes;
}

// Puts back what a failed in-place write may have changed.
void restore(FileOps& ops, int fd, const std::string& old, std::int64_t offset, std::int64_t len) {
    ops.writeAt(fd, old.data(), old.size(), offset);
    ops.truncate(fd, len);
    ops.sync(fd);
}

}  // namespace

std::int64_t recordsInLength(std::int64_t bytes) {
    std::int64_t whole = bytes / kLen, rest = bytes % kLen;
    // 223 is odd, so a rest is never exactly half a record.
    return 2 * rest > kLen ? whole + 1 : whole;
}

std::int64_t countRecords(const fs::path& log, FileOps& ops) {
    FileHandle file(ops, openExisting(log, OpenMode::Read, ops));
    return recordsInLength(lengthOf(file.get(), log, ops));
}

void ensureLogExists(const fs::path& log, FileOps& ops) {
    int fd = ops.open(log, OpenMode::Create);
    if (fd < 0) fail("Could not open the log", log, errno);
    FileHandle file(ops, fd);
}

std::string readRecordBytes(const fs::path& log, std::int64_t n, FileOps& ops) {
    FileHandle file(ops, openExisting(log, OpenMode::Read, ops));
    std::int64_t len = lengthOf(file.get(), log, ops);
    checkRecordNumber(n, recordsInLength(len), log);
    std::string bytes(kLogRecordLength, ' ');
    std::int64_t got = ops.readAt(file.get(), bytes.data(), bytes.size(), (n - 1) * kLen);
    if (got < 0) fail("Could not read the log", log, errno);
    std::fill(bytes.begin() + got, bytes.end(), ' ');
    return bytes;
}

LogRecord readRecord(const fs::path& log, std::int64_t n, FileOps& ops) {
    return LogRecord::fromBytes(readRecordBytes(log, n, ops));
}

std::string readLogBytes(const fs::path& log, FileOps& ops) {
    FileHandle file(ops, openExisting(log, OpenMode::Read, ops));
    std::string all(static_cast<std::size_t>(lengthOf(file.get(), log, ops)), '\0');
    std::int64_t got = ops.readAt(file.get(), all.data(), all.size(), 0);
    if (got < 0) fail("Could not read the log", log, errno);
    all.resize(static_cast<std::size_t>(got));
    return all;
}

std::vector<std::string> readAllRecordBytes(const fs::path& log, FileOps& ops) {
    std::string all = readLogBytes(log, ops);
    std::int64_t count = recordsInLength(static_cast<std::int64_t>(all.size()));
    std::vector<std::string> records;
    records.reserve(static_cast<std::size_t>(count));
    for (std::int64_t n = 1; n <= count; ++n) records.push_back(recordAt(all, n));
    return records;
}

std::vector<LogRecord> readAllRecords(const fs::path& log, FileOps& ops) {
    std::string all = readLogBytes(log, ops);
    std::string_view view(all);
    std::int64_t count = recordsInLength(static_cast<std::int64_t>(all.size()));
    std::vector<LogRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (std::int64_t n = 0; n < count; ++n)
        records.push_back(LogRecord::fromBytes(view.substr(static_cast<std::size_t>(n * kLen), kLogRecordLength)));
    return records;
}

std::int64_t appendRecord(const fs::path& log, const LogRecord& record, FileOps& ops) {
    bool created = false;
    int fd = ops.open(log, OpenMode::ReadWrite);
    if (fd < 0 && errno == ENOENT) {
        fd = ops.open(log, OpenMode::CreateNew);
        created = fd >= 0;
        if (fd < 0 && errno == EEXIST) fd = ops.open(log, OpenMode::ReadWrite);
    }
    if (fd < 0) fail("Could not open the log", log, errno);
    FileHandle file(ops, fd);

    std::int64_t len = lengthOf(fd, log, ops);
    std::int64_t whole = (len + kLen - 1) / kLen;
    if (whole >= kMaxLogRecords)
        throw LogFull("The log " + quoted(log) + " holds " + std::to_string(whole) + " bets, the most a log can hold.");

    // Blanks that complete a partial last record, then the new record.
    std::string tail(static_cast<std::size_t>(whole * kLen - len), ' ');
    tail += record.toBytes();
    auto undo = [&](const char* what) {
        int error = errno;
        ops.truncate(fd, len);
        if (created) {
            file.close();
            ops.remove(log);
        }
        fail(what, log, error);
    };
    if (!ops.writeAt(fd, tail.data(), tail.size(), len)) undo("Could not write to the log");
    if (!ops.sync(fd)) undo("Could not save the log");
    return whole + 1;
}

void replaceRecord(const fs::path& log, std::int64_t n, const LogRecord& record, FileOps& ops) {
    FileHandle file(ops, openExisting(log, OpenMode::ReadWrite, ops));
    int fd = file.get();
    std::int64_t len = lengthOf(fd, log, ops);
    checkRecordNumber(n, recordsInLength(len), log);

    std::int64_t offset = (n - 1) * kLen;
    std::string old(static_cast<std::size_t>(std::min(kLen, len - offset)), '\0');
    std::int64_t got = ops.readAt(fd, old.data(), old.size(), offset);
    if (got < 0) fail("Could not read the log", log, errno);
    old.resize(static_cast<std::size_t>(got));

    std::string bytes = record.toBytes();
    if (!ops.writeAt(fd, bytes.data(), bytes.size(), offset)) {
        int error = errno;
        restore(ops, fd, old, offset, len);
        fail("Could not write to the log", log, error);
    }
    if (!ops.sync(fd)) {
        int error = errno;
        restore(ops, fd, old, offset, len);
        fail("Could not save the log", log, error);
    }
}

fs::path scratchPathFor(const fs::path& log) {
    return log.parent_path() / kScratchName;
}

namespace {

const std::string kNotDeleted = "The line was not deleted: ";

[[noreturn]] void notDeleted(const char* what, const fs::path& p, int error) {
    throw LogError(kNotDeleted + what + " " + quoted(p) + " (" + FileOps::describe(error) + ").");
}

// The scratch copy while it is being written: removed again unless it has
// become the log.
class Scratch {
public:
    Scratch(FileOps& ops, fs::path path, int fd) : ops_(ops), path_(std::move(path)), file_(ops, fd) {}
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() {
        if (renamed_) return;
        file_.close();
        ops_.remove(path_);
    }
    int fd() const { return file_.get(); }
    const fs::path& path() const { return path_; }
    bool close() { return file_.close(); }
    void renamed() { renamed_ = true; }

private:
    FileOps& ops_;
    fs::path path_;
    FileHandle file_;
    bool renamed_ = false;
};

// Copies bytes [from, to) of the log to the scratch file at `at`, in large
// blocks: the cost of a delete is about one copy of the file.
void copyRange(FileOps& ops, int in, const fs::path& log, Scratch& out, std::int64_t from, std::int64_t to,
               std::int64_t at) {
    constexpr std::int64_t kBlock = 1 << 20;
    std::string buffer(static_cast<std::size_t>(std::min(kBlock, std::max<std::int64_t>(to - from, 0))), '\0');
    for (std::int64_t pos = from; pos < to;) {
        std::size_t n = static_cast<std::size_t>(std::min(kBlock, to - pos));
        std::int64_t got = ops.readAt(in, buffer.data(), n, pos);
        if (got < 0) notDeleted("could not read the log", log, errno);
        if (got != static_cast<std::int64_t>(n)) notDeleted("could not read the log", log, EIO);
        if (!ops.writeAt(out.fd(), buffer.data(), n, at + (pos - from)))
            notDeleted("could not write the scratch file", out.path(), errno);
        pos += static_cast<std::int64_t>(n);
    }
}

// The log itself, not a link to it, is what the rename must replace.
fs::path realPath(const fs::path& log) {
    std::error_code ec;
    if (!fs::is_symlink(log, ec)) return log;
    fs::path real = fs::canonical(log, ec);
    return ec ? log : real;
}

// After the rename the line is gone from the log whatever happens here;
// syncing the directory only makes the new entry survive a power cut.
void syncDirectory(FileOps& ops, const fs::path& file) {
    fs::path dir = file.parent_path();
    int fd = ops.open(dir.empty() ? fs::path(".") : dir, OpenMode::Directory);
    if (fd < 0) return;
    ops.sync(fd);
    ops.close(fd);
}

}  // namespace

void deleteRecord(const fs::path& log, std::int64_t n, FileOps& ops) {
    fs::path target = realPath(log);
    int logFd = ops.open(target, OpenMode::Read);
    if (logFd < 0) {
        int error = errno;
        if (error == ENOENT) throw LogMissing(kNotDeleted + "the log " + quoted(target) + " does not exist.");
        notDeleted("could not open the log", target, error);
    }
    FileHandle logFile(ops, logFd);
    std::int64_t len = ops.size(logFd);
    if (len < 0) notDeleted("could not read the log", target, errno);
    std::int64_t count = recordsInLength(len);
    if (n < 1 || n > count)
        throw LogError(kNotDeleted + "the log " + quoted(target) + " has no line " + std::to_string(n) + ".");

    fs::path scratchPath = scratchPathFor(target);
    int fd = ops.open(scratchPath, OpenMode::CreateNew);
    if (fd < 0) {
        int error = errno;
        // It may be the only copy of some log, left by an interrupted
        // delete: never overwrite it.
        if (error == EEXIST)
            throw LogError(kNotDeleted + "the file " + quoted(scratchPath) +
                           " already exists and may hold a log. Move or rename it, then try again.");
        notDeleted("could not create the scratch file", scratchPath, error);
    }
    Scratch scratch(ops, scratchPath, fd);
    ops.copyPermissions(fd, logFd);  // a copy that reads like the log; not worth failing for

    std::int64_t cut = (n - 1) * kLen, resume = std::min(n * kLen, len);
    copyRange(ops, logFd, target, scratch, 0, cut, 0);
    copyRange(ops, logFd, target, scratch, resume, len, cut);
    if (!ops.sync(fd)) notDeleted("could not save the scratch file", scratchPath, errno);
    if (!scratch.close()) notDeleted("could not save the scratch file", scratchPath, errno);
    logFile.close();

    if (!ops.rename(scratchPath, target)) notDeleted("could not replace the log", target, errno);
    scratch.renamed();
    syncDirectory(ops, target);
}

}  // namespace pennant
