#include "platform/core/FileIO.h"

#include "platform/core/Exceptions.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(FileIO, WritingThroughALinkReplacesTheLinkedFileAndKeepsTheLink) {
    TempFolder dir;
    const auto target = dir / "settings.reg";
    const auto link = dir / "link.reg";
    fileio::writeFileAtomically(target, std::string_view("old"));
    ::chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, link);

    fileio::writeFileAtomically(link, std::string_view("new"));

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(fileio::readFile(target), bytesOf("new"));
    EXPECT_EQ(std::filesystem::status(target).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0640));
    // Nothing but the two names is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(FileIO, AFailedWriteThrowsAndLeavesNoTemporaryFile) {
    TempFolder dir;
    EXPECT_THROW(fileio::writeFileAtomically(dir / "missing" / "file", std::string_view("x")),
                 CFileException);
    EXPECT_THROW(fileio::readFile(dir / "missing"), CFileException);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(FileIO, ReadAllReadsAFileFromItsStartWhateverItsPosition) {
    TempFolder dir;
    const auto path = dir / "data.bin";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(fileio::writeAllAndSync(fd, "written", 7), 0);
    std::vector<std::uint8_t> data;
    EXPECT_EQ(fileio::readAll(fd, data), 0);
    ::close(fd);
    EXPECT_EQ(data, bytesOf("written"));

    // A pipe has no start to go back to: it is read from where it stands.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ASSERT_EQ(::write(ends[1], "piped", 5), 5);
    ::close(ends[1]);
    EXPECT_EQ(fileio::readAll(ends[0], data), 0);
    ::close(ends[0]);
    EXPECT_EQ(data, bytesOf("piped"));
}

} // namespace

namespace {

std::vector<std::string> namesIn(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Switches unnamed temporaries on or off for one test.
class TemporariesMode {
public:
    explicit TemporariesMode(bool unnamed) { fileio::useUnnamedTemporaries(unnamed); }
    ~TemporariesMode() { fileio::useUnnamedTemporaries(true); }
};

} // namespace

TEST(FileIO, ASaveRemovesStaleTemporariesOfItsTargetAndKeepsWhatALiveWriterHolds) {
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed temporaries" : "named temporaries");
        TemporariesMode mode(unnamed);
        TempFolder dir;
        const auto target = dir / "frame.oxs";
        fileio::writeFileAtomically(target, std::string_view("old"));
        // Left by writers that were killed, and names that only look alike.
        for (const char* name :
             {".frame.oxs.Ab12Zx", ".frame.oxs.000000", ".frame.oxs.short", ".frame.oxs.ABCDEFG",
              ".frame.oxs.ab-12z", ".other.oxs.Ab12Zx", "frame.oxs.Ab12Zx"})
            fileio::writeFileAtomically(dir / name, std::string_view("stale"));
        // A writer that is still at work holds its temporary locked.
        const auto live = dir / ".frame.oxs.LiVe99";
        fileio::writeFileAtomically(live, std::string_view("live"));
        int held = ::open(live.c_str(), O_RDONLY);
        ASSERT_GE(held, 0);
        ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);

        fileio::writeFileAtomically(target, std::string_view("new"));

        EXPECT_EQ(fileio::readFile(target), bytesOf("new"));
        EXPECT_EQ(namesIn(dir.path()),
                  (std::vector<std::string>{".frame.oxs.ABCDEFG", ".frame.oxs.LiVe99", ".frame.oxs.ab-12z",
                                            ".frame.oxs.short", ".other.oxs.Ab12Zx", "frame.oxs",
                                            "frame.oxs.Ab12Zx"}));
        ::close(held);
        EXPECT_EQ(fileio::removeStaleTemporaries(target), 1) << "once its writer is gone, it is stale too";
    }
}

TEST(FileIO, TheNewFileIsLockedWhileItIsWritten) {
    // What tells a live writer's temporary from a stale one.
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed temporaries" : "named temporaries");
        TemporariesMode mode(unnamed);
        TempFolder dir;
        const auto target = dir / "settings.reg";
        std::string temp;
        int fd = -1;
        ASSERT_EQ(fileio::createTempBeside(target, temp, fd), 0);
        EXPECT_EQ(temp.empty(), unnamed) << "an unnamed file has no name before it takes the target's";
        if (!unnamed) {
            EXPECT_EQ(fileio::removeStaleTemporaries(target), 0);
            EXPECT_TRUE(std::filesystem::exists(temp));
        }
        ASSERT_EQ(fileio::writeAllAndSync(fd, "abc", 3), 0);
        ASSERT_EQ(fileio::renameOver(fd, temp, target), 0);
        ::close(fd);
        EXPECT_EQ(fileio::readFile(target), bytesOf("abc"));
        EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"settings.reg"}));
    }
}
