#include "app/shell/APath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

TEST(APathTest, FoldersComeFromTheProgramFile) {
    struct Case {
        const char* programFile;
        const char* programFolder;
        const char* parentFolder;
    };
    const Case cases[] = {
        {"/opt/Apps/Strakon/strakon", "/opt/Apps/Strakon/", "/opt/Apps/"},
        {"/usr/bin/strakon", "/usr/bin/", "/usr/"},
        {"/bin/strakon", "/bin/", "/"},
        // Nothing lies above the root: the root is its own parent.
        {"/strakon", "/", "/"},
        {"build/strakon", "build/", "./"},
    };
    for (const auto& c : cases) {
        APath path(c.programFile);
        EXPECT_EQ(path.GetProgramFolder(), c.programFolder) << c.programFile;
        EXPECT_EQ(path.GetParentFolder(), c.parentFolder) << c.programFile;
    }
}

TEST(APathTest, RelativeNamesAreAppendedInThisSystemsForm) {
    APath path("/opt/Apps/Strakon/strakon");
    EXPECT_EQ(path.ParentPath("Common\\DB\\Steel.db"), "/opt/Apps/Common/DB/Steel.db");
    EXPECT_EQ(path.ProgramPath("Misc\\Strakon.err"), "/opt/Apps/Strakon/Misc/Strakon.err");
    EXPECT_EQ(path.ProgramPath(""), "/opt/Apps/Strakon/");
    EXPECT_EQ(path.ParentPath("My Projects"), "/opt/Apps/My Projects");
}

TEST(APathTest, InstanceFindsTheBuildTreeFromTheRunningProgram) {
    APath* path = APath::Instance();
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(APath::Instance(), path);
    EXPECT_EQ(path->GetProgramFolder(), std::string(STRAKON_BINARY_DIR) + "/bin/");
    EXPECT_EQ(path->GetParentFolder(), std::string(STRAKON_BINARY_DIR) + "/");
    APath::Release();
    APath::Release(); // harmless once cleared
}

TEST(APathTest, TempPathLiesInAFolderOfThisProcesssOwn) {
    const CString log = APath::TempPath("Strakon.log");
    const std::filesystem::path file(log.c_str());
    EXPECT_EQ(file.filename(), "Strakon.log");
    EXPECT_TRUE(std::filesystem::is_directory(file.parent_path()));
    EXPECT_NE(file.parent_path().filename().string().find("strakon-" + std::to_string(::getpid()) + "-"),
              std::string::npos);
    EXPECT_EQ(APath::TempPath("Reports\\Solve.txt"), file.parent_path().string() + "/Reports/Solve.txt");
    std::ofstream(file) << "written";
    EXPECT_TRUE(std::filesystem::exists(file));
}

} // namespace
