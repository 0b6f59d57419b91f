#include "platform/core/FileIO.h"

#include "platform/core/Exceptions.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/random.h>
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

namespace {

std::atomic<bool> g_unnamedTemporaries{true};

constexpr std::size_t kSuffixLength = 6;
const char kSuffixChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::filesystem::path folderOf(const std::filesystem::path& target) {
    std::filesystem::path dir = target.parent_path();
    return dir.empty() ? std::filesystem::path(".") : dir;
}

// ".<name>." : what every temporary of target starts with.
std::string tempPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".";
}

bool isTempOf(std::string_view entry, std::string_view prefix) {
    if (entry.size() != prefix.size() + kSuffixLength || entry.substr(0, prefix.size()) != prefix)
        return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(), [](char c) {
        return std::string_view(kSuffixChars).find(c) != std::string_view::npos;
    });
}

std::string randomSuffix() {
    unsigned char bytes[kSuffixLength];
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        static std::atomic<unsigned> counter{0};
        const unsigned seed = static_cast<unsigned>(::getpid()) * 2654435761u + counter++;
        for (std::size_t i = 0; i < kSuffixLength; ++i)
            bytes[i] = static_cast<unsigned char>(seed >> (i * 5));
    }
    std::string suffix;
    for (unsigned char b : bytes)
        suffix += kSuffixChars[b % (sizeof kSuffixChars - 1)];
    return suffix;
}

void giveModeOf(const std::filesystem::path& target, int fd) {
    // Keep the permissions of the file being replaced; a new file gets 0666 less the umask.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
}

bool sameInode(int fd, int dirFd, const char* name) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::fstatat(dirFd, name, &b, AT_SYMLINK_NOFOLLOW) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// An unnamed file in the folder, or -1 where the file system (or a missing
// /proc, through which it is named later) does not allow one.
int createUnnamed(const std::filesystem::path& dir) {
    if (!g_unnamedTemporaries || ::access("/proc/self/fd", X_OK) != 0) return -1;
    return ::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
}

// A hidden ".<name>.XXXXXX" that this process has locked. Another save may
// take a fresh file for stale between its making and its lock and remove it:
// the name is then made again.
int createNamed(const std::filesystem::path& target, std::string& tempPath, int& fd) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = (folderOf(target) / (tempPrefix(target) + "XXXXXX")).string();
        fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
        if (fd < 0) return errno;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int err = errno;
            if (err == EWOULDBLOCK) {
                ::close(fd);
                fd = -1;
                continue;
            }
            // A file system without locks: nobody can take the file for stale either.
            return 0;
        }
        struct stat a {
        }, b{};
        if (::fstat(fd, &a) == 0 && ::lstat(tempPath.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
            a.st_ino == b.st_ino)
            return 0;
        ::close(fd);
        fd = -1;
    }
    return EEXIST;
}

} // namespace

void useUnnamedTemporaries(bool on) {
    g_unnamedTemporaries = on;
}

int removeStaleTemporaries(const std::filesystem::path& target) {
    const std::filesystem::path dir = folderOf(target);
    const std::string prefix = tempPrefix(target);
    int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return 0;
    DIR* listing = ::fdopendir(dirFd);
    if (!listing) {
        ::close(dirFd);
        return 0;
    }
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(listing))
        if (isTempOf(entry->d_name, prefix)) candidates.emplace_back(entry->d_name);
    int removed = 0;
    for (const std::string& name : candidates) {
        int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        // A lock that cannot be had means a live writer; one that the file
        // system does not offer means nothing can be told, and the file stays.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            sameInode(fd, dirFd, name.c_str()) && ::unlinkat(dirFd, name.c_str(), 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(listing); // closes dirFd too
    return removed;
}

int createTempBeside(const std::filesystem::path& target, std::string& tempPath, int& fd) {
    removeStaleTemporaries(target);
    tempPath.clear();
    fd = createUnnamed(folderOf(target));
    if (fd >= 0) {
        // Locked before it can ever have a name.
        ::flock(fd, LOCK_EX | LOCK_NB);
    } else if (int err = createNamed(target, tempPath, fd)) {
        return err;
    }
    giveModeOf(target, fd);
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

int renameOver(int fd, std::string& tempPath, const std::filesystem::path& target) {
    const std::filesystem::path dir = folderOf(target);
    if (tempPath.empty()) {
        // An unnamed file cannot take a name that exists: it is linked under a
        // temporary name first, which the rename then moves over the target.
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        int err = EEXIST;
        for (int attempt = 0; attempt < 16 && err == EEXIST; ++attempt) {
            std::string name = (dir / (tempPrefix(target) + randomSuffix())).string();
            err =
                ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
            if (!err) tempPath = std::move(name);
        }
        if (err) return err;
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) return errno;
    tempPath.clear();
    int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

void discardTemp(const std::string& tempPath) {
    if (!tempPath.empty()) ::unlink(tempPath.c_str());
}

void writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size) {
    const std::filesystem::path target = resolveLinks(path);
    std::string temp;
    int fd = -1;
    int err = createTempBeside(target, temp, fd);
    if (!err) err = writeAllAndSync(fd, data, size);
    if (!err) err = renameOver(fd, temp, target);
    // The lock on the new file ends here, once it has its name; its bytes are
    // on the disk already.
    if (fd >= 0) ::close(fd);
    if (err) {
        discardTemp(temp);
        throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
    }
}

} // namespace fileio
