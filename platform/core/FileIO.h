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
// compound file locks the new file before it takes the name). Each returns 0 or
// the errno of the failure.
//
// The file a path finally names: the target of a symbolic link, else the path.
std::filesystem::path resolveLinks(const std::filesystem::path& path);
// Creates a new file beside target, with target's permissions (or 0666 less the
// umask for a new target); tempPath receives its name.
int createTempBeside(const std::filesystem::path& target, std::string& tempPath, int& fd);
// Writes every byte and flushes them to the disk.
int writeAllAndSync(int fd, const void* data, std::size_t size);
// Renames the new file over target and flushes the folder, so that the new name
// reaches the disk as well.
int renameOver(const std::string& tempPath, const std::filesystem::path& target);

inline void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    writeFileAtomically(path, bytes.data(), bytes.size());
}

inline void writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    writeFileAtomically(path, text.data(), text.size());
}

} // namespace fileio
