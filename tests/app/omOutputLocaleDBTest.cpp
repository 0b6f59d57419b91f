#include "app/report/omOutputLocaleDB.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class omOutputLocaleDBTest : public ::testing::Test {
protected:
    std::filesystem::path table(const std::string& content) {
        const auto path = dir / "OutputStrings.db";
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    TempFolder dir;
};

const char* const kTable = "# test table\n"
                           "[English]\n"
                           "\"C-S\", \"Cross-section\"\n"
                           "\"EC2:EL\", \"Element\"\n"
                           "\"ONLY\", \"English only\"\n"
                           "[Deutsch]\n"
                           "\"C-S\", \"Querschnitt\"\n"
                           "\"EC2:EL\", \"Stab\", anything after the text is skipped\n"
                           "[Slovenščina]\n"
                           "\"C-S\", \"Prerez\"\r\n";

TEST_F(omOutputLocaleDBTest, LookupTakesTheLanguageThenEnglishThenReportsTheKey) {
    omOutputLocaleDB db(table(kTable));
    const struct {
        const char* key;
        const char* language;
        const char* expected;
    } cases[] = {
        {"C-S", "Deutsch", "Querschnitt"},   {"EC2:EL", "Deutsch", "Stab"},
        {"C-S", "Slovenščina", "Prerez"},    {"ONLY", "Deutsch", "English only"},
        {"ONLY", "Klingon", "English only"}, {"C-S", "English", "Cross-section"},
        {"NOPE", "Deutsch", "Error:NOPE"},   {"c-s", "English", "Error:c-s"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db.Lookup(c.key, c.language), c.expected) << c.key << " in " << c.language;
}

TEST_F(omOutputLocaleDBTest, TheLanguagesAreTheSectionsInFileOrder) {
    omOutputLocaleDB db(table(kTable));
    EXPECT_EQ(db.GetLanguages(), (std::vector<std::string>{"English", "Deutsch", "Slovenščina"}));
}

TEST_F(omOutputLocaleDBTest, WithoutAFileEveryLookupReportsTheKey) {
    omOutputLocaleDB db(dir / "missing.db");
    EXPECT_EQ(db.Lookup("C-S", "English"), "Error:C-S");
    EXPECT_TRUE(db.GetLanguages().empty());
}

TEST_F(omOutputLocaleDBTest, QuotesCommasAndLineBreaksSurviveWriteAndRead) {
    omOutputLocaleRecord record;
    record.m_key = "K, \"1\"";
    record.m_text = "a, b \"c\"\\d\nnext line";
    std::ostringstream out;
    EXPECT_TRUE(record.write(out));
    std::istringstream in(out.str() + "\n");
    omOutputLocaleRecord back;
    EXPECT_EQ(back.read(in), 1);
    EXPECT_EQ(back.m_key, record.m_key);
    EXPECT_EQ(back.m_text, record.m_text);
    EXPECT_EQ(back.field(0), record.m_key);
    EXPECT_EQ(back.field(1), record.m_text);
    EXPECT_EQ(back.numberOfFields(), 2u);
    EXPECT_EQ(back.fieldName(0), "Key");
    EXPECT_EQ(back.fieldName(1), "String");
}

TEST_F(omOutputLocaleDBTest, RecordsWithoutTwoTextsFailToRead) {
    for (const char* line : {"\"KEY\"\n", "\"KEY\", \"unterminated\n"}) {
        std::istringstream in(line);
        omOutputLocaleRecord record;
        EXPECT_EQ(record.read(in), -1) << line;
    }
    std::istringstream end("[Next]\n");
    omOutputLocaleRecord record;
    EXPECT_EQ(record.read(end), 0);
}

TEST_F(omOutputLocaleDBTest, TheShippedTableHasAnEnglishSectionAndReadsWithoutBadLines) {
    omOutputLocaleDB db(std::filesystem::path(STRAKON_SOURCE_DIR) /
                        "resources/data/Common/DB/OutputStrings.db");
    ASSERT_TRUE(db.isOpen());
    EXPECT_EQ(db.GetLanguages().front(), "English");
    EXPECT_EQ(db.getBadRecordCount(), 0u);
    EXPECT_EQ(db.Lookup("C-S", "English"), "Cross-section");
}

TEST_F(omOutputLocaleDBTest, TheInstanceReadsTheTableOfTheSharedDataFolder) {
    omOutputLocaleDB* db = omOutputLocaleDB::Instance();
    EXPECT_EQ(db, omOutputLocaleDB::Instance());
    EXPECT_EQ(db->getPath().filename(), "OutputStrings.db");
    EXPECT_EQ(db->getPath().parent_path().filename(), "DB");
    EXPECT_TRUE(db->isOpen()) << "the build tree holds the shared data folder beside the program folder";
    EXPECT_EQ(db->Lookup("ULS", "Deutsch"), "Ultimate limit state");
    omOutputLocaleDB::Release();
}

} // namespace
