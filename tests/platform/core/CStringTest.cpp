#include "platform/core/CString.h"

#include <gtest/gtest.h>

#include <clocale>

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
    const char* old = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    CString s;
    s.Format("%.2f %d", 1.25, 7);
    EXPECT_EQ(s, "1.25 7");
    if (old) std::setlocale(LC_NUMERIC, "C");
}
