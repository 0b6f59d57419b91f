#include "common/CStdString.h"

#include <gtest/gtest.h>

TEST(CStdString, FindReplaceReplacesInPlace) {
    CStdString s("a-b-c");
    EXPECT_EQ(s.find_replace("-", "+", false), 1);
    EXPECT_EQ(s, "a+b-c");
    EXPECT_EQ(s.find_replace("-", "+"), 1);
    EXPECT_EQ(s, "a+b+c");
    EXPECT_EQ(s.find_replace("+", ""), 2);
    EXPECT_EQ(s, "abc");
}

TEST(CStdString, ReplacedTextIsNotScannedAgain) {
    CStdString s("aa");
    EXPECT_EQ(s.find_replace("a", "aa"), 2);
    EXPECT_EQ(s, "aaaa");
    EXPECT_EQ(s.find_replace("", "x"), 0);
    EXPECT_EQ(s, "aaaa");
    CStdString crlf("one\r\ntwo\r\n");
    EXPECT_EQ(crlf.find_replace("\r\n", "@{N}"), 2);
    EXPECT_EQ(crlf, "one@{N}two@{N}");
}
