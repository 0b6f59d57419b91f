#include "platform/core/CString.h"

#include <algorithm>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {
size_t clampIndex(int i, size_t size) {
    if (i < 0) return 0;
    return std::min(static_cast<size_t>(i), size);
}
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
} // namespace

char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(ToLowerAscii(a[i]));
        const auto y = static_cast<unsigned char>(ToLowerAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int ReplaceText(std::string& text, std::string_view from, std::string_view to, bool all) {
    if (from.empty()) return 0;
    int count = 0;
    size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
        ++count;
        if (!all) break;
    }
    return count;
}

CString CString::Left(int n) const { return CString(substr(0, clampIndex(n, size()))); }

CString CString::Right(int n) const {
    size_t k = clampIndex(n, size());
    return CString(substr(size() - k));
}

CString CString::Mid(int first) const { return CString(substr(clampIndex(first, size()))); }

CString CString::Mid(int first, int n) const {
    size_t f = clampIndex(first, size());
    return CString(substr(f, clampIndex(n, size() - f)));
}

int CString::Find(char c, int start) const {
    size_t p = find(c, clampIndex(start, size()));
    return p == npos ? -1 : static_cast<int>(p);
}

int CString::Find(std::string_view s, int start) const {
    size_t p = find(s, clampIndex(start, size()));
    return p == npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char c) const {
    size_t p = rfind(c);
    return p == npos ? -1 : static_cast<int>(p);
}

int CString::FindOneOf(std::string_view chars) const {
    size_t p = find_first_of(chars);
    return p == npos ? -1 : static_cast<int>(p);
}

CString& CString::MakeUpper() {
    for (char& c : *this)
        c = ToUpperAscii(c);
    return *this;
}

CString& CString::MakeLower() {
    for (char& c : *this)
        c = ToLowerAscii(c);
    return *this;
}

CString& CString::TrimLeft() {
    size_t i = 0;
    while (i < size() && isSpace((*this)[i])) ++i;
    erase(0, i);
    return *this;
}

CString& CString::TrimRight() {
    size_t n = size();
    while (n > 0 && isSpace((*this)[n - 1])) --n;
    resize(n);
    return *this;
}

CString& CString::TrimLeft(std::string_view chars) {
    size_t p = find_first_not_of(chars);
    erase(0, p == npos ? size() : p);
    return *this;
}

CString& CString::TrimRight(std::string_view chars) {
    size_t p = find_last_not_of(chars);
    resize(p == npos ? 0 : p + 1);
    return *this;
}

int CString::Remove(char c) {
    size_t before = size();
    erase(std::remove(begin(), end(), c), end());
    return static_cast<int>(before - size());
}

int CString::Insert(int index, std::string_view s) {
    insert(clampIndex(index, size()), s);
    return GetLength();
}

int CString::Delete(int index, int count) {
    size_t i = clampIndex(index, size());
    erase(i, clampIndex(count, size() - i));
    return GetLength();
}

void CString::FormatV(const char* format, va_list args) {
    // Number texts never follow the user's locale.
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    struct LocaleScope {
        locale_t previous;
        explicit LocaleScope(locale_t l) : previous(uselocale(l)) {}
        ~LocaleScope() { uselocale(previous); }
    } scope(cLocale);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) {
        clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(n) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    assign(buffer.data(), static_cast<size_t>(n));
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

CString CString::Formatted(const char* format, ...) {
    CString s;
    va_list args;
    va_start(args, format);
    s.FormatV(format, args);
    va_end(args);
    return s;
}
