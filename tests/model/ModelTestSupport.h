#pragma once
// Helpers of the model tests: the codes the error container holds, and a
// calculation log that writes into a temporary file the test can read back.
#include "common/omErrorContainer.h"
#include "model/omLogFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace modeltest {

inline std::vector<unsigned> errorCodes() {
    std::vector<unsigned> codes;
    for (const omErrorEntry& e : omErrorContainer::instance()->errors())
        codes.push_back(e.code);
    return codes;
}

inline std::vector<std::string> errorArguments(size_t k) {
    std::vector<std::string> texts;
    const auto errors = omErrorContainer::instance()->errors();
    if (k < errors.size())
        for (const omErrorArgument& a : errors[k].arguments)
            texts.push_back(omErrorArgumentText(a));
    return texts;
}

// Resets the error container around every test.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override { omErrorContainer::instance()->reset(); }
    void TearDown() override { omErrorContainer::instance()->reset(); }
};

// A log in a file of its own with the given categories on.
class LogCapture {
public:
    explicit LogCapture(std::initializer_list<lfCategory> categories) {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("model-log-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".log");
        omLogFile::Release();
        omLogFile* log = omLogFile::Instance(m_path.string());
        log->newFileName(m_path.string());
        for (lfCategory c : categories)
            log->enable(c, true);
    }
    ~LogCapture() {
        omLogFile::Release();
        std::filesystem::remove(m_path);
    }
    // Everything written so far.
    std::string text() const {
        omLogFile::m_LogFile->flush();
        std::ifstream in(m_path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::filesystem::path m_path;
};

} // namespace modeltest
