#include "platform/storage/ProgramPaths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(ProgramPathsTest, ProgramFileIsTheRunningExecutable) {
    const auto file = programpaths::programFile();
    EXPECT_TRUE(file.is_absolute());
    EXPECT_EQ(file.filename(), "platform_storage_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(file));
}

TEST(ProgramPathsTest, BackslashesBecomeSeparators) {
    EXPECT_EQ(programpaths::fromBackslashes("Common\\DB\\Steel.db"), "Common/DB/Steel.db");
    EXPECT_EQ(programpaths::fromBackslashes(""), "");
    EXPECT_EQ(programpaths::fromBackslashes("Strakon.log"), "Strakon.log");
}

// The folder is this process's own: made private, and removed when the process
// that made it exits, while a forked child leaves it to its parent.
TEST(ProgramPathsTest, TempFolderBelongsToTheProcessThatMadeIt) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(fds[0]);
        const std::string path = programpaths::processTempFolder().string();
        struct stat st {};
        const bool privateFolder =
            ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0777) == 0700;
        const std::string message = (privateFolder ? "1" : "0") + path;
        [[maybe_unused]] auto written = ::write(fds[1], message.data(), message.size());
        ::close(fds[1]);
        std::exit(0); // runs the static destructors, as a normal exit does
    }
    ::close(fds[1]);
    std::string message;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(message[0], '1') << "the folder is private to its user";
    const std::string path = message.substr(1);
    const auto own = programpaths::processTempFolder();
    EXPECT_NE(own.filename().string().find("strakon-" + std::to_string(::getpid()) + "-"), std::string::npos);
    if (path.find("strakon-" + std::to_string(child) + "-") != std::string::npos) {
        EXPECT_FALSE(std::filesystem::exists(path)) << "removed when its process exits";
        EXPECT_NE(own.string(), path) << "two programs never share the folder";
    } else {
        // This process had made its folder before the fork; the child used it.
        EXPECT_EQ(path, own.string());
        EXPECT_TRUE(std::filesystem::exists(path)) << "a forked child leaves it to its parent";
    }
}

} // namespace
