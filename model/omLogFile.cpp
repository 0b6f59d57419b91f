#include "model/omLogFile.h"

#include <cmath>
#include <cstdio>
#include <locale>

omLogFile* omLogFile::m_LogFile = nullptr;

omLogFile* omLogFile::Instance(const std::string& name) {
    if (!m_LogFile) m_LogFile = new omLogFile(name);
    return m_LogFile;
}

void omLogFile::Release() {
    delete m_LogFile;
    m_LogFile = nullptr;
}

omLogFile::omLogFile(const std::string& name) : m_enabled(kCategories, false), m_fileName(name) {}

omLogFile::~omLogFile() = default;

void omLogFile::newFileName(const std::string& name) {
    if (is_open()) close();
    clear();
    open(name, std::ios::out | std::ios::trunc);
    m_fileName = name;
}

void omLogFile::enableAll(bool on) { m_enabled.assign(kCategories, on); }

void omLogFile::enable(lfCategory c, bool on) {
    if (c >= 0 && c < kCategories) m_enabled[static_cast<size_t>(c)] = on;
}

bool omLogFile::isEnabled(lfCategory c) const {
    return c >= 0 && c < kCategories && m_enabled[static_cast<size_t>(c)];
}

omLogFile& omLogFile::header() {
    *this << "Strakon calculation log, version 1.0"
          << "\nThis is a log file which tracks calculations and objects status"
          << "\nduring the program execution.";
    return *this;
}

omLogFile& omLogFile::dashLine() {
    *this << "\n" << std::string(74, '-') << "\n";
    return *this;
}

void omLogFile::heading(const std::string& text) { *this << "\n" << text << "\n" << std::string(text.size(), '*'); }

bool omLogFile::numbersAsText() const {
    // Flags that do not change how a number looks.
    constexpr std::ios_base::fmtflags plain = std::ios::floatfield | std::ios::adjustfield | std::ios::basefield |
                                              std::ios::skipws | std::ios::unitbuf | std::ios::boolalpha;
    if ((flags() & ~plain) != std::ios_base::fmtflags{}) return false;
    const std::ios_base::fmtflags base = flags() & std::ios::basefield;
    if (base != std::ios_base::fmtflags{} && base != std::ios::dec) return false;
    const std::ios_base::fmtflags field = flags() & std::ios::floatfield;
    if (field != std::ios_base::fmtflags{} && field != std::ios::fixed && field != std::ios::scientific) return false;
    return width() == 0 && getloc() == std::locale::classic();
}

std::string& omLogFile::textBuffer() {
    m_text.clear();
    return m_text;
}

void omLogFile::appendNumber(std::string& text, double v, std::streamsize precision) const {
    const std::ios_base::fmtflags field = flags() & std::ios::floatfield;
    const int digits = static_cast<int>(precision < 0 ? 6 : precision);
    // The stream prints through printf; so does to_chars with a precision, but
    // for the rare value it cannot place (a fixed number of 1e300) printf itself serves.
    char small[64];
    std::to_chars_result r{};
    if (std::isfinite(v) && digits <= 30) {
        const std::chars_format format = field == std::ios::fixed        ? std::chars_format::fixed
                                         : field == std::ios::scientific ? std::chars_format::scientific
                                                                         : std::chars_format::general;
        r = std::to_chars(small, small + sizeof small, v, format, digits);
        if (r.ec == std::errc()) {
            text.append(small, r.ptr);
            return;
        }
    }
    const char* pattern = field == std::ios::fixed ? "%.*f" : field == std::ios::scientific ? "%.*e" : "%.*g";
    const int n = std::snprintf(nullptr, 0, pattern, digits, v);
    if (n <= 0) return;
    std::string printed(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(printed.data(), printed.size(), pattern, digits, v);
    text.append(printed.data(), static_cast<size_t>(n));
}
