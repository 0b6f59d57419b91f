#pragma once
// Points the calculation log at a file of its own for one test, with only the
// given categories on, and reads back what was written.
#include "model/omLogFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unistd.h>

class CapturedLog {
public:
    explicit CapturedLog(std::initializer_list<lfCategory> on) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/strakon-log-XXXXXX";
        if (::mkdtemp(pattern.data())) m_dir = pattern;
        omLogFile::Release();
        m_log = omLogFile::Instance((m_dir / "calc.log").string());
        m_log->newFileName((m_dir / "calc.log").string());
        for (lfCategory c : on)
            m_log->enable(c, true);
    }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;
    ~CapturedLog() {
        omLogFile::Release();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    omLogFile& log() { return *m_log; }
    std::string text() {
        m_log->flush();
        std::ifstream in(m_dir / "calc.log", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::filesystem::path m_dir;
    omLogFile* m_log = nullptr;
};
