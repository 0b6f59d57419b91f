#pragma once
// Points the calculation log at a file of its own for one test, with only the
// given categories on, and reads back what was written.
#include "model/omLogFile.h"
#include "tests/support/TempFolder.h"

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

class CapturedLog {
public:
    explicit CapturedLog(std::initializer_list<lfCategory> on) {
        omLogFile::Release();
        m_log = omLogFile::Instance(file());
        m_log->newFileName(file());
        for (lfCategory c : on)
            m_log->enable(c, true);
    }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;
    // The log goes before its folder does.
    ~CapturedLog() { omLogFile::Release(); }

    omLogFile& log() { return *m_log; }
    std::string text() {
        m_log->flush();
        std::ifstream in(file(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::string file() const { return (m_folder / "calc.log").string(); }

    TempFolder m_folder;
    omLogFile* m_log = nullptr;
};
