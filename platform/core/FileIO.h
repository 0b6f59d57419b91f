#pragma once
// Whole-file reading and atomic writing. Every file the program writes goes
// through writeFileAtomically: the data goes to a new file beside the target,
// which is flushed and then renamed over it, so a failed save leaves the old
// file as it was.
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace fileio {

// Throws CFileException when the file cannot be read.
std::vector<std::uint8_t> readFile(const std::filesystem::path& path);

// Throws CFileException when the file cannot be written; the target is then untouched.
void writeFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size);

inline void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    writeFileAtomically(path, bytes.data(), bytes.size());
}

inline void writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    writeFileAtomically(path, text.data(), text.size());
}

} // namespace fileio
