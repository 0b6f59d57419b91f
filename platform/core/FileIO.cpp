#include "platform/core/FileIO.h"

#include "platform/core/Exceptions.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    }
    std::vector<std::uint8_t> data;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) data.reserve(static_cast<size_t>(st.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
        }
        if (n == 0) break;
        data.insert(data.end(), buffer, buffer + n);
    }
    ::close(fd);
    return data;
}

void writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size) {
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    std::string pattern = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        int err = errno;
        throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    }
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(pattern.c_str());
        throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    };
    // Keep the permissions of the file being replaced; a new file gets the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    const auto* p = static_cast<const std::uint8_t*>(data);
    std::size_t left = size;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(pattern.c_str());
        throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    }
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(pattern.c_str());
        throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    }
}

} // namespace fileio
