#include "app/messages/DocumentItemParser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool parse(const std::string& text, DocumentItemParser::List& list) {
    return DocumentItemParser::ParseList(text.data(), text.size(), list);
}

const std::string kBlock = R"(DOCUMENT = 7
  TITLE = "News ""quoted"""
  URL = "http://example.invalid/doc/news.rtf"
  LANGUAGE = "English"
  REVISION = 3
  FORMAT = RTF
  LINKS = "Home", "http://example.invalid/", "Mail" "mailto:a@example.invalid"
  PROGRAM = 2:0, 0:5
  EXPIRATION = "30.02.2001"
END
)";

TEST(DocumentItemParserTest, ReadsEveryEntryOfABlock) {
    DocumentItemParser::List list;
    ASSERT_TRUE(parse("VERSION = 1\nOBSOLETE = 3, 4.9\n" + kBlock, list));
    EXPECT_EQ(list.version, 1);
    EXPECT_EQ(list.obsolete, (std::set<int>{3, 4}));
    ASSERT_EQ(list.items.size(), 1u);
    const DocumentItem& item = *list.items[0];
    EXPECT_EQ(item.m_nId, 7);
    EXPECT_EQ(item.m_title, "News \"quoted\"");
    EXPECT_EQ(item.m_address, "http://example.invalid/doc/news.rtf");
    EXPECT_EQ(item.m_language, "English");
    EXPECT_EQ(item.m_nRevision, 3);
    EXPECT_EQ(item.m_nFormat, documentformat::kRtf);
    ASSERT_EQ(item.m_links.size(), 2u);
    EXPECT_EQ(item.m_links[1], std::make_pair(std::string("Mail"), std::string("mailto:a@example.invalid")));
    EXPECT_EQ(item.m_programs, (std::vector<std::pair<int, int>>{{2, 0}, {0, 5}}));
    // The 30th of February is no date: the document never expires.
    EXPECT_EQ(item.m_expiration.GetDay(), 0);
}

TEST(DocumentItemParserTest, ListsAcceptedAndRejected) {
    struct Case {
        std::string text;
        bool accepted;
        std::size_t items;
    } cases[] = {
        {"VERSION 100 OBSOLETE", true, 0},
        {"VERSION = 101 OBSOLETE =", false, 0},
        {"VERSION = 1", false, 0},
        {"OBSOLETE = 1", false, 0},
        {"VERSION = 1 OBSOLETE = junk 5 " + kBlock + kBlock, true, 2},
        {"VERSION = 1 OBSOLETE = DOCUMENT = 1 TITLE = \"x\"", false, 0},
        {"VERSION = 1 OBSOLETE = DOCUMENT = 1 VERSION = 2 END", false, 0},
        {"VERSION = 1 OBSOLETE = DOCUMENT = 1 \"x\" END", false, 0},
        {"VERSION = 1 OBSOLETE = DOCUMENT = 1 FORMAT = PDF END", false, 0},
        {"VERSION = 1 OBSOLETE = DOCUMENT = 1 REVISION = \"2\" END", false, 0},
        {"VERSION = 1 OBSOLETE = DOCUMENT = 1 END DOCUMENT = 2 END", true, 2},
        {"VERSION = 1 OBSOLETE = DOCUMENT = 1 DOCUMENT = 9 EXPIRATION = NEVER END", true, 1},
        {"VERSION = 1 OBSOLETE = 1e20 DOCUMENT = 1 END", false, 0},
        {"VERSION = 1 OBSOLETE = -5 DOCUMENT = 1 END", true, 1},
        {"VERSION = 1 OBSOLETE = 1 DOCUMENT = 1 END #", false, 0},
        {"VERSION = 1 OBSOLETE = 99999999999 DOCUMENT = 1 END", false, 0},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        DocumentItemParser::List list;
        EXPECT_EQ(parse(c.text, list), c.accepted) << c.text;
        EXPECT_EQ(list.items.size(), c.items) << c.text;
        if (!c.accepted) {
            EXPECT_TRUE(list.obsolete.empty()) << c.text;
        }
    }
}

TEST(DocumentItemParserTest, DocumentKeywordSetsTheIdAgain) {
    DocumentItemParser::List list;
    ASSERT_TRUE(parse("VERSION = 1 OBSOLETE = DOCUMENT = 1 DOCUMENT = 9 END", list));
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0]->m_nId, 9);
}

TEST(DocumentItemParserTest, MegabyteListParsesLinearly) {
    // Quadratic growth would take minutes here; linear work takes milliseconds.
    std::string text = "VERSION = 1 OBSOLETE = 1";
    for (int i = 0; text.size() < (1u << 20); ++i)
        text += ", " + std::to_string(i);
    text += "\n";
    for (int i = 0; text.size() < (2u << 20); ++i)
        text += "DOCUMENT = " + std::to_string(i) + " TITLE = \"t\" PROGRAM = 2:0 END\n";
    DocumentItemParser::List list;
    ASSERT_TRUE(parse(text, list));
    EXPECT_GT(list.items.size(), 1000u);
}

} // namespace
