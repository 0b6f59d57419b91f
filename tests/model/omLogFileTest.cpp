#include "model/omLogFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class LogFile : public ::testing::Test {
protected:
    void SetUp() override {
        omLogFile::Release();
        dir = std::filesystem::temp_directory_path() / ("omlog-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        omLogFile::Release();
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
};

TEST_F(LogFile, InstanceKeepsTheFirstNameAndStartsWithEverythingOff) {
    omLogFile* log = omLogFile::Instance((dir / "first.log").string());
    EXPECT_EQ(omLogFile::Instance((dir / "second.log").string()), log);
    EXPECT_EQ(log->fileName(), (dir / "first.log").string());
    for (int c = 0; c < omLogFile::kCategories; ++c) EXPECT_FALSE(log->isEnabled(static_cast<lfCategory>(c)));
}

TEST_F(LogFile, SwitchesAndOutOfRangeCategories) {
    omLogFile* log = omLogFile::Instance("x.log");
    log->enable(lfElements, false);
    log->enableAll(true);
    EXPECT_TRUE((*log)(lfElements));
    log->enable(lfIterations, false);
    EXPECT_FALSE(log->isEnabled(lfIterations));
    EXPECT_FALSE(log->isEnabled(static_cast<lfCategory>(29)));
    EXPECT_FALSE(log->isEnabled(static_cast<lfCategory>(-1)));
}

TEST_F(LogFile, HeadingAndDashLineTexts) {
    std::string path = (dir / "a.log").string();
    omLogFile* log = omLogFile::Instance(path);
    log->newFileName(path);
    log->heading("abc");
    log->dashLine();
    log->flush();
    EXPECT_EQ(readAll(path), "\nabc\n***\n" + std::string(74, '-') + "\n");
    // A new file each time.
    log->newFileName(path);
    *log << "x";
    log->flush();
    EXPECT_EQ(readAll(path), "x");
}

TEST_F(LogFile, UncreatableFileLeavesTheStreamFailed) {
    omLogFile* log = omLogFile::Instance("x.log");
    log->newFileName((dir / "no-such-dir" / "a.log").string());
    EXPECT_TRUE(log->fail());
    *log << "lost";
}

} // namespace
