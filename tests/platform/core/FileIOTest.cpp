#include "platform/core/FileIO.h"

#include "platform/core/Exceptions.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
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
