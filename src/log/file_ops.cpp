// The one place the log touches the operating system's file calls: the
// standard library has no way to sync a file or a directory to the disk.
#include "log/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pennant {

int FileOps::open(const std::filesystem::path& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::Read:
            flags |= O_RDONLY;
            break;
        case OpenMode::ReadWrite:
            flags |= O_RDWR;
            break;
        case OpenMode::Create:
            flags |= O_RDWR | O_CREAT;
            break;
        case OpenMode::CreateNew:
            flags |= O_WRONLY | O_CREAT | O_EXCL;
            break;
        case OpenMode::Directory:
            flags |= O_RDONLY | O_DIRECTORY;
            break;
    }
    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0 && mode != OpenMode::Directory) {
        // A directory of that name is not a log.
        struct stat st;
        if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
            ::close(fd);
            errno = EISDIR;
            return -1;
        }
    }
    return fd;
}

bool FileOps::close(int fd) {
    return ::close(fd) == 0;
}

std::int64_t FileOps::size(int fd) {
    struct stat st;
    if (::fstat(fd, &st) != 0) return -1;
    return st.st_size;
}

std::int64_t FileOps::readAt(int fd, char* buffer, std::size_t count, std::int64_t offset) {
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

bool FileOps::writeAt(int fd, const char* buffer, std::size_t count, std::int64_t offset) {
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pwrite(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool FileOps::truncate(int fd, std::int64_t length) {
    return ::ftruncate(fd, static_cast<off_t>(length)) == 0;
}

bool FileOps::sync(int fd) {
    if (::fsync(fd) == 0) return true;
    // Some file systems cannot sync a directory; its entries are then as
    // safe as that file system makes them.
    return errno == EINVAL || errno == EROFS;
}

bool FileOps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool FileOps::remove(const std::filesystem::path& path) {
    return ::unlink(path.c_str()) == 0;
}

bool FileOps::copyPermissions(int fd, int model) {
    struct stat st;
    if (::fstat(model, &st) != 0) return false;
    return ::fchmod(fd, st.st_mode & 07777) == 0;
}

std::string FileOps::describe(int error) {
    return std::strerror(error);
}

FileOps& systemFileOps() {
    static FileOps ops;
    return ops;
}

}  // namespace pennant
