#pragma once
// Whole-file reading and atomic writing. Every file the program writes goes
// through writeFileAtomically: the data goes to a new file beside the target,
// which is flushed and then renamed over it, so a failed save leaves the old
// file as it was.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fileio {

// Throws CFileException when the file cannot be read.
std::vector<std::uint8_t> readFile(const std::filesystem::path& path);
// Reads an open file whole, from its start (a pipe from where it stands), into
// data. Returns 0 or the errno of the failure.
int readAll(int fd, std::vector<std::uint8_t>& data);

// Throws CFileException when the file cannot be written; the target is then
// untouched. Writing through a symbolic link replaces the linked file and keeps
// the link.
void writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size);

// The steps of an atomic write, for writers that do more between them (a
// compound file keeps the new file locked once it has the name). Each returns 0
// or the errno of the failure.
//
// The new file holds an advisory lock (flock) from the moment it is made until
// the writer closes it: that is how a later save tells a live writer's
// temporary from one that a crash left behind.
//
// The file a path finally names: the target of a symbolic link, else the path.
std::filesystem::path resolveLinks(const std::filesystem::path& path);
// Creates a new, locked file beside target with target's permissions (or 0666
// less the umask for a new target). Where the file system allows it, the file
// has no name until renameOver gives it one, so that a crash leaves nothing
// behind; tempPath is then empty. Otherwise it is a hidden ".<name>.XXXXXX"
// beside target, named in tempPath. Temporaries of target that no live process
// holds, left by an earlier crash, are removed first.
int createTempBeside(const std::filesystem::path& target, std::string& tempPath, int& fd);
// Writes every byte and flushes them to the disk.
int writeAllAndSync(int fd, const void* data, std::size_t size);
// Gives the new file target's name and flushes the folder, so that the new
// name reaches the disk as well. An unnamed file takes a temporary name first
// (tempPath receives it) and is then renamed over target.
int renameOver(int fd, std::string& tempPath, const std::filesystem::path& target);
// Removes what createTempBeside made when the write is given up.
void discardTemp(const std::string& tempPath);

// Removes the temporaries of target that no live process holds; returns how
// many it removed.
int removeStaleTemporaries(const std::filesystem::path& target);

// Unnamed temporaries are used where the file system offers them (the
// default). Tests switch them off to run the named way that other file systems take.
void useUnnamedTemporaries(bool on);

inline void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    writeFileAtomically(path, bytes.data(), bytes.size());
}

inline void writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    writeFileAtomically(path, text.data(), text.size());
}

} // namespace fileio
