#include "common/omErrorContainer.h"

#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path kShippedFile =
    std::filesystem::path(STRAKON_SOURCE_DIR) / "resources" / "data" / "Misc" / "Strakon.err";

// Every code the program reports, with the number of its arguments.
struct CodeCase {
    unsigned code;
    int arguments;
};
const CodeCase kCodes[] = {
    {10, 1},   {11, 2},   {100, 0},  {101, 2},  {132, 4},  {145, 3},  {178, 2},  {184, 2},
    {1001, 2}, {1002, 1}, {1003, 2}, {1004, 3}, {1005, 3}, {1006, 3}, {1007, 2}, {1008, 2},
    {1009, 0}, {1010, 1}, {1011, 0}, {1012, 1}, {1013, 1}, {1014, 1}, {1015, 1}, {1016, 1},
    {1017, 2}, {1020, 1}, {1022, 2}, {1023, 0}, {1024, 0}, {1025, 1}, {1026, 3},
};

class omErrorContainerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ec = omErrorContainer::instance();
        ec->reset();
        ec->setTexts("");
    }
    void TearDown() override {
        ec->reset();
        ec->setTexts("");
    }
    std::string processed() const {
        std::ostringstream out;
        ec->process(out);
        return out.str();
    }
    omErrorContainer* ec = nullptr;
};

} // namespace

TEST_F(omErrorContainerTest, ShippedFileHasATextForEveryCodeWithItsArguments) {
    ASSERT_TRUE(ec->setFileName(kShippedFile));
    EXPECT_EQ(ec->badLineCount(), 0u);
    for (const CodeCase& c : kCodes) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(ec->hasText(c.code));
        const std::string text = ec->text(c.code);
        for (int i = 1; i <= c.arguments; ++i)
            EXPECT_NE(text.find("%" + std::to_string(i)), std::string::npos) << "missing %" << i;
        EXPECT_EQ(text.find("%" + std::to_string(c.arguments + 1)), std::string::npos);
    }
}

TEST_F(omErrorContainerTest, ProcessWritesEachErrorWithItsArguments) {
    ASSERT_TRUE(ec->setFileName(kShippedFile));
    ec->report(1026, "LC 1", 10u, 1e-5);
    ec->report(101, std::string("Node"), 7);
    ec->report(1023);
    EXPECT_EQ(processed(), "Error 1026: Load case \"LC 1\": no convergence within 10 iterations "
                           "(displacement precision 1e-05).\n"
                           "Error 101: Node number 7 is already taken.\n"
                           "Error 1023: The structure has no nodes.\n");
}

TEST_F(omErrorContainerTest, ArgumentsKeepTheirKinds) {
    ec->report(1, "text", CString("cstring"), std::string_view("view"), 42u, -3, 2.5, 0.1f, std::size_t(9),
               true);
    const auto e = ec->errors().at(0);
    ASSERT_EQ(e.arguments.size(), 9u);
    EXPECT_TRUE(std::holds_alternative<std::string>(e.arguments[1]));
    EXPECT_TRUE(std::holds_alternative<std::uint64_t>(e.arguments[3]));
    EXPECT_TRUE(std::holds_alternative<std::int64_t>(e.arguments[4]));
    EXPECT_TRUE(std::holds_alternative<double>(e.arguments[6]));
    std::vector<std::string> texts;
    for (const auto& a : e.arguments)
        texts.push_back(omErrorArgumentText(a));
    EXPECT_EQ(texts,
              (std::vector<std::string>{"text", "cstring", "view", "42", "-3", "2.5", "0.1", "9", "1"}));
}

TEST_F(omErrorContainerTest, CodesWithoutTextStillShowTheirArguments) {
    ec->report(7777, "a", 3u);
    ec->report(7778);
    EXPECT_EQ(processed(), "Error 7777: a, 3\nError 7778\n");
}

TEST_F(omErrorContainerTest, FileFormatRules) {
    ec->setTexts("\xEF\xBB\xBF# comment\r\n"
                 "\r\n"
                 "  # indented comment\n"
                 "5\tFirst %1, then %2; 100%% sure\r\n"
                 "6 Line one\\nline two \\\\ %3\n"
                 "5 Replaced %2 before %1\n"
                 "7\n"
                 "x8 no code\n"
                 "9no blank\n"
                 "10 last line without a line end");
    EXPECT_EQ(ec->badLineCount(), 3u);
    EXPECT_EQ(ec->text(5), "Replaced %2 before %1");
    EXPECT_EQ(ec->text(6), "Line one\nline two \\ %3");
    EXPECT_TRUE(ec->hasText(10));
    EXPECT_FALSE(ec->hasText(7));
    EXPECT_EQ(omErrorContainer::format("First %1, then %2; 100%% sure", {std::string("a"), std::uint64_t(2)}),
              "First a, then 2; 100% sure");
    // A placeholder without an argument stays visible.
    EXPECT_EQ(omErrorContainer::format("%1 and %2", {std::string("a")}), "a and %2");
}

TEST_F(omErrorContainerTest, ThrowIfErrorRaisesWhileErrorsAreHeld) {
    EXPECT_NO_THROW(ec->throwIfError());
    ec->report(1024);
    ec->report(1015, 12u);
    try {
        ec->throwIfError();
        FAIL() << "no exception";
    } catch (const omError& e) {
        EXPECT_EQ(e.m_count, 2u);
        EXPECT_FALSE(e.isEmpty());
    }
    // The errors stay for the report after the catch.
    EXPECT_EQ(ec->count(), 2u);
    ec->reset();
    EXPECT_FALSE(ec->hasErrors());
    EXPECT_NO_THROW(ec->throwIfError());
}

TEST_F(omErrorContainerTest, AMissingFileKeepsTheTextsThatWereRead) {
    ec->setTexts("5 kept");
    EXPECT_FALSE(ec->setFileName(kShippedFile.parent_path() / "NoSuchFile.err"));
    EXPECT_EQ(ec->text(5), "kept");
}

TEST_F(omErrorContainerTest, ReleaseEndsTheContainer) {
    ec->report(1023);
    omErrorContainer::release();
    ec = omErrorContainer::instance();
    EXPECT_FALSE(ec->hasErrors());
}
