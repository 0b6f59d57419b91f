#include "app/messages/ARtfReader.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <string>

namespace {

TEST(ARtfReaderTest, TextOfInputs) {
    struct Case {
        std::string rtf;
        QString text;
    } cases[] = {
        {R"({\rtf1\ansi Hello})", "Hello"},
        {R"({\rtf1 One\par Two\par})", "One\nTwo\n"},
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}\f0 Text})", "Text"},
        {R"({\rtf1{\*\generator Writer;}{\*\unknown x}shown})", "shown"},
        {R"({\rtf1 {\pict\pngblip 89504e47}after})", "after"},
        {R"({\rtf1 {\object{\objdata 0102}}after})", "after"},
        {R"({\rtf1\ansi\ansicpg1252 caf\'e9})", QString::fromUtf8("café")},
        {R"({\rtf1\ansi\ansicpg1250 \'9a})", QString::fromUtf8("š")},
        {R"({\rtf1\uc1 \u8364?uro})", QString::fromUtf8("€uro")},
        {R"({\rtf1\uc1 \u-10179?\u-8704?})", QString::fromUtf8("\xF0\x9F\x98\x80")},
        {R"({\rtf1 a\{b\}c\\d})", "a{b}c\\d"},
        {R"({\rtf1 a\tab b})", "a\tb"},
        {R"({\rtf1 x\bin4 \par\par y})", "x\ny"},
        {R"({\rtf1 cut \'4)", "cut "},
        {R"({\rtf1 cut\)", "cut"},
        {R"({\rtf1 {{{never closed)", "never closed"},
        {"no rtf at all", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ARtfReader::PlainText(c.rtf), c.text) << c.rtf;
}

TEST(ARtfReaderTest, FormatsOfTheText) {
    QTextDocument document;
    ASSERT_TRUE(ARtfReader::Read(R"({\rtf1 plain {\b bold} {\i italic} {\ul under}\fs40 big})", document));
    auto formatAt = [&](const QString& word) {
        QTextCursor cursor = document.find(word);
        return cursor.charFormat();
    };
    EXPECT_EQ(formatAt("bold").fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt("plain").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt("italic").fontItalic());
    EXPECT_TRUE(formatAt("under").fontUnderline());
    EXPECT_DOUBLE_EQ(formatAt("big").fontPointSize(), 20.0);
    EXPECT_DOUBLE_EQ(formatAt("plain").fontPointSize(), 12.0);
}

TEST(ARtfReaderTest, HostileInputsEndWithoutHarm) {
    const std::string deep = "{\\rtf1 " + std::string(10000, '{') + "deep" + std::string(10000, '}') + " end}";
    EXPECT_EQ(ARtfReader::PlainText(deep), " end");
    EXPECT_EQ(ARtfReader::PlainText("{\\rtf1 a\\bin999999999 hidden"), "a");
    EXPECT_EQ(ARtfReader::PlainText("{\\rtf1 \\u99999999999999999999 ?x}"), "x");
    EXPECT_EQ(ARtfReader::PlainText("{\\rtf1 \\fs99999999999 x}"), "x");
    const std::string sample = R"({\rtf1\ansi{\fonttbl{\f0 A;}}{\b b\'e9\u8364?}\par {\*\x y}z})";
    for (std::size_t cut = 0; cut <= sample.size(); ++cut) {
        const std::string part = sample.substr(0, cut);
        // A copy of exactly its length, so that a read past the end is caught.
        std::vector<char> bytes(part.begin(), part.end());
        QTextDocument document;
        ARtfReader::Read(std::string_view(bytes.data(), bytes.size()), document);
    }
}

TEST(ARtfReaderTest, PlainTextWrittenAsRtfReadsBack) {
    const QString text = QString::fromUtf8("Line {one} \\ café €\nSecond\tline");
    EXPECT_EQ(ARtfReader::PlainText(ARtfReader::FromPlainText(text).toStdString()), text);
}

} // namespace
