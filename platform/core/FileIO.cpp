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
    int err = fd < 0 ? errno : 0;
    std::vector<std::uint8_t> data;
    if (fd >= 0) {
        err = readAll(fd, data);
        ::close(fd);
    }
    if (err) throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    return data;
}

int readAll(int fd, std::vector<std::uint8_t>& data) {
    data.clear();
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) data.reserve(static_cast<size_t>(st.st_size));
    std::uint8_t buffer[65536];
    // Reading by offset leaves the descriptor's position alone and starts at the
    // beginning whatever was read or written through it before.
    bool byOffset = true;
    off_t offset = 0;
    for (;;) {
        ssize_t n = byOffset ? ::pread(fd, buffer, sizeof buffer, offset) : ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == ESPIPE && byOffset) {
                byOffset = false;
                continue;
            }
            return errno;
        }
        if (n == 0) return 0;
        data.insert(data.end(), buffer, buffer + n);
        offset += n;
    }
}

std::filesystem::path resolveLinks(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto target = std::filesystem::weakly_canonical(path, ec);
        if (!ec) return target;
    }
    return path;
}

int createTempBeside(const std::filesystem::path& target, std::string& tempPath, int& fd) {
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    tempPath = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    fd = ::mkstemp(tempPath.data());
    if (fd < 0) return errno;
    // Keep the permissions of the file being replaced; a new file gets 0666 less the umask.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    return 0;
}

int writeAllAndSync(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    std::size_t left = size;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return ::fsync(fd) != 0 ? errno : 0;
}

int renameOver(const std::string& tempPath, const std::filesystem::path& target) {
    if (::rename(tempPath.c_str(), target.c_str()) != 0) return errno;
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

void writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size) {
    const std::filesystem::path target = resolveLinks(path);
    std::string temp;
    int fd = -1;
    int err = createTempBeside(target, temp, fd);
    if (!err) err = writeAllAndSync(fd, data, size);
    if (fd >= 0 && ::close(fd) != 0 && !err) err = errno;
    if (!err) err = renameOver(temp, target);
    if (err) {
        if (fd >= 0) ::unlink(temp.c_str());
        throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    }
}

} // namespace fileio
