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
