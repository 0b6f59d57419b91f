#pragma once
// The framework's string: UTF-8 text in a std::string with the operations the
// program's code uses. Lengths and positions are in bytes.
#include <cstdarg>
#include <string>
#include <string_view>

// Case is folded for the ASCII letters only, never by the user's locale: in a
// Turkish locale the C library would not fold 'I' and 'i', and names in files,
// settings and command lines must compare the same everywhere.
char ToLowerAscii(char c);
char ToUpperAscii(char c);
// Compares without regard to ASCII case; other bytes compare by their value.
// Negative, 0 or positive.
int CompareNoCase(std::string_view a, std::string_view b);
// Orders names as CompareNoCase does, for maps whose names ignore case.
struct NoCaseLess {
    bool operator()(std::string_view a, std::string_view b) const { return CompareNoCase(a, b) < 0; }
};

// Replaces the first occurrence of from in text (every one when all is set) by
// to, left to right, never rescanning replaced text. Returns the number of
// replacements; an empty from replaces nothing.
int ReplaceText(std::string& text, std::string_view from, std::string_view to, bool all = true);

class CString : public std::string {
public:
    CString() = default;
    CString(const std::string& s) : std::string(s) {}
    CString(std::string&& s) : std::string(std::move(s)) {}
    CString(std::string_view s) : std::string(s) {}
    CString(const char* s) : std::string(s ? s : "") {}
    CString(const char* s, int n) : std::string(s, static_cast<size_t>(n)) {}
    CString(char c, int n = 1) : std::string(static_cast<size_t>(n), c) {}

    int GetLength() const { return static_cast<int>(size()); }
    bool IsEmpty() const { return empty(); }
    void Empty() { clear(); }
    char GetAt(int i) const { return at(static_cast<size_t>(i)); }
    void SetAt(int i, char c) { at(static_cast<size_t>(i)) = c; }
    operator const char*() const { return c_str(); }

    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int first) const;
    CString Mid(int first, int n) const;

    // -1 when not found.
    int Find(char c, int start = 0) const;
    int Find(std::string_view s, int start = 0) const;
    int ReverseFind(char c) const;
    int FindOneOf(std::string_view chars) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim() { return TrimLeft().TrimRight(); }
    CString& TrimLeft(std::string_view chars);
    CString& TrimRight(std::string_view chars);
    int Replace(std::string_view from, std::string_view to) { return ReplaceText(*this, from, to); }
    int Remove(char c);
    int Insert(int index, std::string_view s);
    int Delete(int index, int count = 1);

    int Compare(std::string_view s) const { return std::string_view(*this).compare(s) < 0 ? -1 : (std::string_view(*this) == s ? 0 : 1); }
    int CompareNoCase(std::string_view s) const { return ::CompareNoCase(*this, s); }

    // printf-style formatting in the "C" locale.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    static CString Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
};
