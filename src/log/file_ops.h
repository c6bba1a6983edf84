// The few file-system calls the log makes, behind one interface, so tests
// can make any single step fail (open, read, write, sync, rename ...) and
// check that the log survives it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace pennant {

enum class OpenMode {
    Read,       // an existing file, reading only
    ReadWrite,  // an existing file, reading and writing
    Create,     // reading and writing, created empty when missing
    CreateNew,  // a new file for writing; fails when the name exists
    Directory,  // a directory, to sync its entries
};

// Every call returns false or -1 on failure and leaves errno set, as the
// system calls do; describe() puts that into words for a message.
class FileOps {
public:
    virtual ~FileOps() = default;

    virtual int open(const std::filesystem::path& path, OpenMode mode);
    virtual bool close(int fd);
    // File length in bytes, or -1.
    virtual std::int64_t size(int fd);
    // Bytes read at `offset` (short only at the end of the file), or -1.
    virtual std::int64_t readAt(int fd, char* buffer, std::size_t count, std::int64_t offset);
    // Writes all `count` bytes at `offset`; false when any could not be.
    virtual bool writeAt(int fd, const char* buffer, std::size_t count, std::int64_t offset);
    // Cuts or extends the file to `length` bytes.
    virtual bool truncate(int fd, std::int64_t length);
    // Flushes the file's data (or a directory's entries) to the disk.
    virtual bool sync(int fd);
    // Gives `to` the file `from` in one step, replacing what was there.
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual bool remove(const std::filesystem::path& path);
    // Gives the file at `fd` the permission bits of the file at `model`.
    virtual bool copyPermissions(int fd, int model);

    // A failure's errno in words ("No space left on device").
    static std::string describe(int error);
};

// The real file system.
FileOps& systemFileOps();

// Closes a descriptor when it goes out of scope (errors there are
// ignored: the paths that need a checked close call close() themselves).
class FileHandle {
public:
    FileHandle(FileOps& ops, int fd) : ops_(ops), fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (fd_ >= 0) ops_.close(fd_);
    }
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    // Closes now and reports whether that worked.
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return fd < 0 || ops_.close(fd);
    }

private:
    FileOps& ops_;
    int fd_;
};

}  // namespace pennant
