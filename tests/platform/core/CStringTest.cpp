#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

TEST(CString, SubstringsClampLikeTheFramework) {
    CString s("Strakon");
    EXPECT_EQ(s.Left(3), "Str");
    EXPECT_EQ(s.Right(3), "kon");
    EXPECT_EQ(s.Mid(2, 3), "rak");
    EXPECT_EQ(s.Mid(10), "");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Find('k'), 4);
    EXPECT_EQ(s.Find("xyz"), -1);
    EXPECT_EQ(s.ReverseFind('a'), 3);
}

TEST(CString, EditingOperations) {
    CString s("  a-b-c \t");
    s.Trim();
    EXPECT_EQ(s, "a-b-c");
    EXPECT_EQ(s.Replace("-", "--"), 2);
    EXPECT_EQ(s, "a--b--c");
    EXPECT_EQ(s.Remove('-'), 4);
    s.MakeUpper();
    EXPECT_EQ(s, "ABC");
    EXPECT_EQ(s.CompareNoCase("abc"), 0);
}

TEST(CString, FormatIgnoresTheUserLocale) {
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale here (scripts/setup generates de_DE.UTF-8)";
    CString s;
    s.Format("%.2f %d", 1.25, 7);
    std::setlocale(LC_NUMERIC, numeric.c_str());
    EXPECT_EQ(s, "1.25 7");
}

TEST(CString, CaseIsFoldedForAsciiLettersOnly) {
    EXPECT_EQ(CompareNoCase("Grid/Snap Page", "grid/snap page"), 0);
    EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
    EXPECT_GT(CompareNoCase("abc", "AB"), 0);
    // Bytes of other characters compare by value and are left alone.
    EXPECT_NE(CompareNoCase("\xC3\xA4", "\xC3\x84"), 0);
    CString s("\xC3\xA4x");
    EXPECT_EQ(s.MakeUpper(), "\xC3\xA4X");
    EXPECT_TRUE(NoCaseLess{}("Contents", "STRAKON"));
    EXPECT_FALSE(NoCaseLess{}("STRAKON", "strakon"));
}

TEST(CString, CaseFoldingIgnoresTheUserLocale) {
    // The Turkish locale's C library folds neither 'I' to 'i' nor 'i' to 'I'.
    if (!std::setlocale(LC_CTYPE, "tr_TR.UTF-8")) GTEST_SKIP() << "no Turkish locale here (scripts/setup generates tr_TR.UTF-8)";
    CString switchName("Embedding");
    const int compared = switchName.CompareNoCase("EMBEDDING");
    switchName.MakeUpper();
    std::setlocale(LC_CTYPE, "C");
    EXPECT_EQ(compared, 0);
    EXPECT_EQ(switchName, "EMBEDDING");
}
