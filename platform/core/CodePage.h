#pragma once
// Conversion between the program's UTF-8 text and the single-byte code page that
// stored files use. Files written by the original program hold Windows-1252 text.
#include <string>
#include <string_view>

namespace codepage {

// The code page every archive uses unless told otherwise.
inline constexpr const char* kDefault = "WINDOWS-1252";

// UTF-8 to the code page. Characters the code page cannot hold become '?'; a
// malformed UTF-8 sequence counts as one such character per byte.
std::string fromUtf8(std::string_view utf8, const std::string& codePage = kDefault);

// Code page to UTF-8. A byte the code page leaves undefined becomes the code
// point of the same number (as the original platform maps them), so that it
// survives a round trip.
std::string toUtf8(std::string_view bytes, const std::string& codePage = kDefault);

// True when the bytes are well-formed UTF-8 sequences: readers take text that is
// not for code-page text.
bool isValidUtf8(std::string_view text);

// The length of the longest start of text that is at most maxBytes long and
// does not end inside a UTF-8 sequence.
std::size_t utf8Prefix(std::string_view text, std::size_t maxBytes);

// True when iconv knows the code page.
bool isSupported(const std::string& codePage);

} // namespace codepage
