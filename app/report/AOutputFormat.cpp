#include "app/report/AOutputFormat.h"

#include "app/report/TranslateOutputString.h"
#include "platform/core/CString.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// The program's own texts of the formats it fills, for a table that has none that fits.
struct BuiltInFormat {
    const char* key;
    const char* text;
};
const BuiltInFormat builtInFormats[] = {
    {"EC3:SREP", "Class %i: stability %s (%s): %.3f %s 1.0 %s"},
    {"EC2:EL", "Element %i"},
    {"EC3:EL", "Element %i"},
    {"EC2:SNC", "%i Fi %i/%3.1lf"},
    {"EC3:LTRLP", "%.1lf (%s)"},
    {"EC3:DSS", "%s %s"},
};

const char* builtInFormat(const char* key) {
    for (const auto& f : builtInFormats)
        if (std::strcmp(f.key, key) == 0) return f.text;
    return nullptr;
}

} // namespace

std::optional<std::string> SafeFormat(std::string_view format, const std::vector<AFormatArg>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // One conversion: flags, width, precision, length, letter.
        std::size_t j = i + 1;
        while (j < format.size() && std::strchr("-+ #0", format[j]))
            ++j;
        while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
            ++j;
        if (j < format.size() && format[j] == '.') {
            ++j;
            while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
                ++j;
        }
        int longs = 0;
        while (j < format.size() && format[j] == 'l' && longs < 2) {
            ++longs;
            ++j;
        }
        if (j >= format.size()) return std::nullopt;
        const char letter = format[j];
        if (next >= args.size()) return std::nullopt;
        const AFormatArg& arg = args[next++];
        // The conversion without its length letters; the argument is passed in the matching type.
        std::string conversion(format.substr(i, j - i));
        conversion.erase(std::remove(conversion.begin(), conversion.end(), 'l'), conversion.end());
        switch (letter) {
        case 'd':
        case 'i':
            if (arg.kind() != AFormatArg::Integer) return std::nullopt;
            out += CString::Formatted((conversion + "lld").c_str(), arg.integer());
            break;
        case 's':
            if (arg.kind() != AFormatArg::Text || longs) return std::nullopt;
            out += CString::Formatted((conversion + "s").c_str(), arg.text().c_str());
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            if (arg.kind() != AFormatArg::Double || longs > 1) return std::nullopt;
            out += CString::Formatted((conversion + letter).c_str(), arg.number());
            break;
        default:
            return std::nullopt;
        }
        i = j;
    }
    if (next != args.size()) return std::nullopt;
    return out;
}

std::string FormatOutputString(const char* key, const std::vector<AFormatArg>& args) {
    return FormatOutputString(key, TranslateOutputString(key), TranslateOutputString(key, "English"), args);
}

std::string FormatOutputString(const char* key, std::string_view translated, std::string_view english,
                               const std::vector<AFormatArg>& args) {
    if (auto text = SafeFormat(translated, args)) return *text;
    if (auto text = SafeFormat(english, args)) return *text;
    if (const char* own = builtInFormat(key))
        if (auto text = SafeFormat(own, args)) return *text;
    return std::string("Error:") + key;
}
