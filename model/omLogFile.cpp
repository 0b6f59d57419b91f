#include "model/omLogFile.h"

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
