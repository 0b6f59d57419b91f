#include "platform/core/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, RoundTripsEveryByteOfWindows1252) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string utf8 = codepage::toUtf8(all);
    EXPECT_EQ(codepage::fromUtf8(utf8), all);
}

TEST(CodePage, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(codepage::fromUtf8("a\xE2\x88\x9A" "b"), "a?b"); // square root sign
    EXPECT_EQ(codepage::fromUtf8("a\xC3"), "a?");             // cut sequence
    EXPECT_EQ(codepage::fromUtf8("\xFF"), "?");
}

TEST(CodePage, OtherCodePagesAreSelectable) {
    EXPECT_TRUE(codepage::isSupported("WINDOWS-1250"));
    EXPECT_FALSE(codepage::isSupported("NO-SUCH-PAGE"));
    EXPECT_EQ(codepage::toUtf8("\x8A", "WINDOWS-1250"), "Š");
    EXPECT_EQ(codepage::fromUtf8("ř", "WINDOWS-1250"), "\xF8");
}

TEST(CodePage, TellsWellFormedUtf8FromCodePageText) {
    const std::pair<const char*, bool> cases[] = {
        {"plain", true},
        {"C20/25 \xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", true},
        {"Stra\xDF"
         "e",
         false}, // Windows-1252
        {"cut \xE2\x82", false},
        {"stray \x80", false},
        {"\xF8\x88\x80\x80\x80", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(codepage::isValidUtf8(text), valid) << text;
}

TEST(CodePage, Utf8PrefixNeverEndsInsideASequence) {
    const std::string text = "ab\xC3\xA4\xE2\x82\xAC"; // "abä€"
    const struct {
        std::size_t max;
        std::size_t length;
    } cases[] = {{0, 0}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {6, 4}, {7, 7}, {100, 7}};
    for (const auto& c : cases) EXPECT_EQ(codepage::utf8Prefix(text, c.max), c.length) << c.max;
}
