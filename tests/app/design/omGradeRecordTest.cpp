#include "app/design/omGradeRecord.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <locale>
#include <sstream>
#include <string>

namespace {

const std::filesystem::path kShipped = std::filesystem::path(STRAKON_SOURCE_DIR) / "resources/data/Common/DB";

TEST(omGradeRecord, TheShippedConcreteDatabaseHoldsTheGradesOfItsCode) {
    omAsciiDB<omConcreteRecord> db(kShipped / "Concrete.db", true);
    ASSERT_TRUE(db.isOpen()) << db.getError();
    ASSERT_EQ(db.getGroupNames(), std::vector<std::string>{"EN 1992-1-1"});
    const auto grades = db.getRecords("EN 1992-1-1");
    ASSERT_EQ(grades.size(), 9u);
    EXPECT_EQ(grades.front()->name(), "C12/15");
    EXPECT_EQ(grades.back()->name(), "C50/60");
    const omConcreteRecord* c30 = db.findFirstRecord("C30/37", omGradeRecord::fName);
    ASSERT_NE(c30, nullptr);
    EXPECT_EQ(c30->number(omGradeRecord::fE), 3300.0);
    EXPECT_EQ(c30->number(omGradeRecord::fG), 1375.0);
    EXPECT_EQ(c30->number(omConcreteRecord::fFck), 30.0);
    EXPECT_EQ(c30->number(omConcreteRecord::fFctm), 2.9);
    EXPECT_EQ(c30->number(omGradeRecord::fPoisson), 0.2);
    EXPECT_EQ(c30->number(omGradeRecord::fDensity), 2500.0);
    EXPECT_EQ(c30->number(omGradeRecord::fTempExp), 1e-5);
    EXPECT_EQ(db.getBadRecordCount(), 0u);
}

TEST(omGradeRecord, TheShippedSteelDatabaseHoldsBothThicknessRangesOfEveryGrade) {
    omAsciiDB<omSteelRecord> db(kShipped / "Steel.db", true);
    ASSERT_TRUE(db.isOpen()) << db.getError();
    const auto grades = db.getRecords("EN 1993-1-1");
    ASSERT_EQ(grades.size(), 8u);
    struct Grade {
        const char* name;
        double fy;
        double fu;
    };
    const Grade expected[] = {{"S235 (t <= 40 mm)", 23.5, 36},
                              {"S235 (40 < t <= 80 mm)", 21.5, 36},
                              {"S355 (t <= 40 mm)", 35.5, 49},
                              {"S450 (40 < t <= 80 mm)", 41, 55}};
    for (const Grade& g : expected) {
        const omSteelRecord* r = db.findFirstRecord(g.name, omGradeRecord::fName);
        ASSERT_NE(r, nullptr) << g.name;
        EXPECT_EQ(r->number(omSteelRecord::fFy), g.fy) << g.name;
        EXPECT_EQ(r->number(omSteelRecord::fFu), g.fu) << g.name;
        EXPECT_EQ(r->number(omGradeRecord::fE), 21000.0);
        EXPECT_EQ(r->number(omGradeRecord::fG), 8100.0);
    }
}

TEST(omGradeRecord, ARecordRoundTripsThroughItsLine) {
    omConcreteRecord r;
    r.setName("C \"special\" 28/35");
    const double values[] = {3200.0, 1333.33, 28.0, 2.8, 0.2, 2450.0, 1e-5};
    for (unsigned i = 1; i < omGradeRecord::fieldCount; ++i)
        r.setNumber(i, values[i - 1]);
    std::stringstream line;
    // A user's locale with a decimal comma must not leak into the file.
    try {
        line.imbue(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
    }
    ASSERT_TRUE(r.write(line));
    EXPECT_EQ(line.str(), "\"C \\\"special\\\" 28/35\", 3200, 1333.33, 28, 2.8, 0.2, 2450, 1e-05\n");
    omConcreteRecord back;
    EXPECT_EQ(back.read(line), 1);
    EXPECT_EQ(back.name(), r.name());
    for (unsigned i = 1; i < omGradeRecord::fieldCount; ++i)
        EXPECT_EQ(back.number(i), values[i - 1]) << "field " << i;
    EXPECT_EQ(back.field(0), r.name());
    EXPECT_EQ(back.field(omGradeRecord::fG), "1333.33");
    EXPECT_EQ(back.field(omGradeRecord::fTempExp), "1e-05");
    EXPECT_EQ(back.field(8), "");
    EXPECT_EQ(back.numberOfFields(), 8u);
    EXPECT_EQ(back.fieldName(3), "fck");
    EXPECT_EQ(omSteelRecord().fieldName(3), "fy");
    EXPECT_EQ(omSteelRecord().fieldName(7), "Temp. Exp.");
}

TEST(omGradeRecord, LinesWithoutAllNumbersAreRefused) {
    const char* const bad[] = {
        "\"C20/25\", 3000, 1250, 20, 2.2, 0.2, 2500\n",
        "\"C20/25\", 3000, 1250, x, 2.2, 0.2, 2500, 1e-05\n",
        ", 3000\n",
    };
    for (const char* text : bad) {
        std::istringstream in(text);
        omConcreteRecord r;
        EXPECT_EQ(r.read(in), -1) << text;
    }
}

// Files edited by hand may end without a line break or carry CR LF ends.
TEST(omGradeRecord, EveryGradeIsKeptWhateverTheLineEnds) {
    const std::string lf = "[EN 1992-1-1]\n"
                           "\"C12/15\", 2700, 1125, 12, 1.6, 0.2, 2500, 1e-05\n"
                           "\"C16/20\", 2900, 1208.33, 16, 1.9, 0.2, 2500, 1e-05";
    std::string crlf;
    for (char c : lf + "\n") {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    TempFolder dir;
    for (const auto& [name, text] : {std::pair{"lf.db", lf}, std::pair{"crlf.db", crlf}}) {
        std::ofstream(dir / name, std::ios::binary) << text;
        omAsciiDB<omConcreteRecord> db(dir / name, true);
        const auto grades = db.getRecords("EN 1992-1-1");
        ASSERT_EQ(grades.size(), 2u) << name;
        EXPECT_EQ(grades[1]->name(), "C16/20") << name;
        EXPECT_EQ(grades[1]->number(omGradeRecord::fTempExp), 1e-5) << name;
        EXPECT_EQ(grades[0]->number(omGradeRecord::fTempExp), 1e-5) << name;
        EXPECT_EQ(db.getBadRecordCount(), 0u) << name;
    }
}

} // namespace
