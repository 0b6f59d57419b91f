#include "common/omAsciiDB.h"

#include "platform/core/FileIO.h"
#include "tests/support/TGrade.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <locale>
#include <sstream>

namespace {

class omAsciiDBTest : public ::testing::Test {
protected:
    std::filesystem::path file(std::string_view text, const char* name = "test.db") {
        const auto path = dir / name;
        fileio::writeFileAtomically(path, text);
        return path;
    }
    static std::vector<std::string> names(const std::vector<TGrade*>& records) {
        std::vector<std::string> out;
        for (const TGrade* r : records)
            out.push_back(r->name);
        return out;
    }

    TempFolder dir;
};

} // namespace

TEST_F(omAsciiDBTest, ReadsGroupsInFileOrderFromACrlfFileWithoutFinalLineEnd) {
    omAsciiDB<TGrade> db(file("# concrete grades\r\n"
                              "[EC2]\r\n"
                              "\"C20/25\", 2900, 20, 2500\r\n"
                              "\r\n"
                              "  # a comment between records\r\n"
                              "\"C25/30\",3050,25,2500.5\r\n"
                              "[ DIN 1045 ]\r\n"
                              "\"B25\", 3000, 25, 2400"));
    EXPECT_TRUE(db.isOpen());
    EXPECT_EQ(db.getBadRecordCount(), 0u);
    EXPECT_EQ(db.getGroupNames(), (std::vector<std::string>{"EC2", "DIN 1045"}));
    const auto ec2 = db.getRecords("EC2");
    EXPECT_EQ(names(ec2), (std::vector<std::string>{"C20/25", "C25/30"}));
    EXPECT_EQ(ec2[1]->values[2], 2500.5);
    const auto din = db.getRecords("DIN 1045");
    ASSERT_EQ(din.size(), 1u);
    EXPECT_EQ(din[0]->name, "B25");
    EXPECT_EQ(din[0]->values[2], 2400.0);
    EXPECT_EQ(din[0]->fieldName(3), "Density");
    EXPECT_EQ(din[0]->fieldName(4), "");
}

TEST_F(omAsciiDBTest, FindFirstRecordSearchesTheCurrentGroup) {
    omAsciiDB<TGrade> db(file("[A]\n\"x\", 1, 2, 3\n\"y\", 4, 5, 6\n[B]\n\"y\", 7, 8, 9\n"));
    // Before any group is chosen, all groups are searched in file order.
    ASSERT_NE(db.findFirstRecord("y", 0), nullptr);
    EXPECT_EQ(db.findFirstRecord("y", 0)->values[0], 4.0);
    EXPECT_EQ(db.getCurrentGroup(), "");

    db.getRecords("B");
    EXPECT_EQ(db.getCurrentGroup(), "B");
    EXPECT_EQ(db.findFirstRecord("y", 0)->values[0], 7.0);
    EXPECT_EQ(db.findFirstRecord("x", 0), nullptr);
    EXPECT_EQ(db.findFirstRecord("8", 2)->name, "y");

    EXPECT_TRUE(db.getRecords("C").empty());
    EXPECT_EQ(db.findFirstRecord("y", 0), nullptr);
}

TEST_F(omAsciiDBTest, BadLinesAreSkippedWithoutTakingFieldsFromTheNextLine) {
    const std::string text = "[G]\n"
                             "\"short\", 1, 2\n" // one number missing
                             "\"ok\", 1, 2, 3\n"
                             "\"unterminated, 1, 2, 3\n"
                             "\"text\", a, 2, 3\n"
                             "\"last\", 4, 5, 6\n";
    omAsciiDB<TGrade> lenient(file(text));
    EXPECT_EQ(names(lenient.getRecords("G")), (std::vector<std::string>{"ok", "last"}));
    EXPECT_EQ(lenient.getBadRecordCount(), 3u);

    omAsciiDB<TGrade> strict(file(text, "strict.db"), true);
    EXPECT_TRUE(strict.getRecords("G").empty());
    EXPECT_EQ(strict.getBadRecordCount(), 1u);
}

TEST_F(omAsciiDBTest, WrittenRecordsReadBack) {
    TGrade a;
    a.name = "He said \"C30\", then \\ left\tand\nreturned";
    a.values[0] = 3200.25;
    a.values[1] = -1e-5;
    a.values[2] = 7850;
    std::ostringstream out;
    out << "[Written, with comma]\n";
    a.write(out);
    omAsciiDB<TGrade> db(file(out.str()));
    const auto records = db.getRecords("Written, with comma");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->name, a.name);
    EXPECT_EQ(records[0]->values[0], 3200.25);
    EXPECT_EQ(records[0]->values[1], -1e-5);
}

TEST_F(omAsciiDBTest, OtherFileShapes) {
    // Records before a header, a header that comes again, bare names, Windows-1252 text.
    omAsciiDB<TGrade> db(file("bare name , 1, 2, 3\n"
                              "[A]\n\"a1\", 1, 2, 3\n"
                              "[B]\n\"b1\", 1, 2, 3\n"
                              "[A]\n\"a2\", 1, 2, 3\n"
                              "\"T\xb0\", 1, 2, 3\n"));
    EXPECT_EQ(db.getGroupNames(), (std::vector<std::string>{"", "A", "B"}));
    EXPECT_EQ(names(db.getRecords("")), (std::vector<std::string>{"bare name"}));
    EXPECT_EQ(names(db.getRecords("A")), (std::vector<std::string>{"a1", "a2", "T\u00b0"}));
}

TEST_F(omAsciiDBTest, NumbersAreReadInTheCLocale) {
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale old = std::locale::global(std::locale(std::locale::classic(), new Comma));
    omAsciiDB<TGrade> db(file("[G]\n\"a\", 1.5, 2000.25, 3\n"));
    const auto records = db.getRecords("G");
    std::locale::global(old);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->values[0], 1.5);
    EXPECT_EQ(records[0]->values[1], 2000.25);
}

TEST_F(omAsciiDBTest, AMissingFileGivesAnEmptyDatabase) {
    omAsciiDB<TGrade> db(dir / "none.db");
    EXPECT_TRUE(db.getGroupNames().empty());
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.getError().empty());
    EXPECT_TRUE(db.getRecords("EC2").empty());
    EXPECT_EQ(db.findFirstRecord("C20/25", 0), nullptr);

    // Reloading after the file appeared reads it.
    file("[EC2]\n\"C20/25\", 1, 2, 3\n", "none.db");
    db.reload();
    EXPECT_TRUE(db.isOpen());
    EXPECT_NE(db.findFirstRecord("C20/25", 0), nullptr);
}

TEST(omAsciiRecordHelpers, FieldReadersAndSeparators) {
    std::string text;
    std::istringstream quoted("  \"a, \\\"b\\\" C:\\dir\"  , next");
    EXPECT_EQ(omReadString(text, quoted), 13);
    EXPECT_EQ(text, "a, \"b\" C:\\dir");
    extws(quoted);
    EXPECT_TRUE(quoted.good());
    EXPECT_EQ(omReadString(text, quoted), 4);
    EXPECT_EQ(text, "next");

    std::istringstream empty("  , 1");
    EXPECT_EQ(omReadString(text, empty), -1);
    EXPECT_TRUE(empty.fail());

    // The separator skip fails at a line end: no field follows on the record's line.
    std::istringstream lineEnd("1 ,\r\n2");
    double v = 0;
    lineEnd >> v;
    extws(lineEnd);
    EXPECT_TRUE(lineEnd.fail());

    std::istringstream lines("rest of line\r\n\n  # comment\n[Next]\n");
    nextLine(lines);
    TGrade probe;
    EXPECT_TRUE(probe.isEnd(lines));
    EXPECT_EQ(lines.peek(), '[');
    std::istringstream record("\n\n\"x\", 1, 2, 3\n");
    EXPECT_FALSE(probe.isEnd(record));
    EXPECT_EQ(record.peek(), '"');
    EXPECT_TRUE(probe.isFieldUsed(3));
    EXPECT_FALSE(probe.isFieldUsed(4));
}

TEST_F(omAsciiDBTest, ManyGroupsKeepTheirOrderAndRepeatedHeadersContinueTheirGroup) {
    // A damaged copy may hold tens of thousands of headers; each is found by name.
    constexpr int groups = 20000;
    std::string text;
    for (int i = 0; i < groups; ++i)
        text += "[G" + std::to_string(i) + "]\n\"first\", " + std::to_string(i) + ", 0, 0\n";
    for (int i = groups - 1; i >= 0; i -= 997)
        text += "[G" + std::to_string(i) + "]\n\"again\", " + std::to_string(i) + ", 1, 0\n";
    omAsciiDB<TGrade> db(file(text));
    // With no current group the first in file order is found: G59 comes first.
    ASSERT_NE(db.findFirstRecord("again", 0), nullptr);
    EXPECT_EQ(db.findFirstRecord("again", 0)->values[0], 59.0);
    const auto& order = db.getGroupNames();
    ASSERT_EQ(order.size(), std::size_t(groups));
    EXPECT_EQ(order.front(), "G0");
    EXPECT_EQ(order[12345], "G12345");
    EXPECT_EQ(order.back(), "G19999");
    EXPECT_EQ(names(db.getRecords("G19999")), (std::vector<std::string>{"first", "again"}));
    EXPECT_EQ(names(db.getRecords("G19998")), (std::vector<std::string>{"first"}));
    EXPECT_EQ(db.findFirstRecord("again", 0), nullptr) << "G19998 is current and holds none";
    db.getRecords("G1056");
    EXPECT_EQ(db.findFirstRecord("again", 0)->values[0], 1056.0);
}
