#pragma once
// A std::string with the replacing helper that the program's text code uses.
#include "platform/core/CString.h"

#include <string>
#include <string_view>

class CStdString : public std::string {
public:
    CStdString() = default;
    CStdString(const std::string& s) : std::string(s) {}
    CStdString(std::string&& s) : std::string(std::move(s)) {}
    CStdString(std::string_view s) : std::string(s) {}
    CStdString(const char* s) : std::string(s ? s : "") {}

    // Replaces the first occurrence of from (every one when all is set) by to;
    // see ReplaceText.
    int find_replace(std::string_view from, std::string_view to, bool all = true) {
        return ReplaceText(*this, from, to, all);
    }
};
