#include "model/omBar.h"

#include "RecordBytes.h"
#include "common/omErrorContainer.h"
#include "model/omStringMatrix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr double kQuarterPi = 0.7853981633974483;

omStringMatrix table(const std::vector<std::vector<std::string>>& rows) {
    omStringMatrix m;
    const int cols = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    m.Resize(static_cast<int>(rows.size()), cols);
    for (int r = 0; r < m.GetRows(); ++r)
        for (int c = 0; c < cols; ++c)
            m.At(r, c) = rows[r][c];
    return m;
}

std::vector<std::vector<std::string>> cells(const omStringMatrix& m) {
    std::vector<std::vector<std::string>> out(m.GetRows());
    for (int r = 0; r < m.GetRows(); ++r)
        for (int c = 0; c < m.GetCols(); ++c)
            out[r].push_back(m.At(r, c));
    return out;
}

// Rows of N, Fi [mm], XS, XE.
omBarVec row(const std::vector<std::vector<std::string>>& entries) {
    omBarVec v;
    v.setStringMatrix(table(entries));
    return v;
}

// Entries of N, Fi [mm], E [cm], XS, XE.
omStirrupVec stirrups(const std::vector<std::vector<std::string>>& entries) {
    omStirrupVec v;
    v.setStringMatrix(table(entries));
    return v;
}

omBar bar(unsigned n, const omUnitValue& fi, double xs, double xe) {
    omBar b;
    b.setN(n);
    b.setFi(fi);
    b.setXS(xs);
    b.setXE(xe);
    return b;
}

double area(int n, double dCm) {
    return n * kQuarterPi * dCm * dCm;
}

class Reinforcement : public ::testing::Test {
protected:
    void SetUp() override { omErrorContainer::instance()->reset(); }
    void TearDown() override {
        EXPECT_TRUE(omErrorContainer::instance()->errors().empty());
        omErrorContainer::instance()->reset();
    }
};

// ------------------------------------------------------------ areas and volumes

TEST_F(Reinforcement, BarAreaCountsBetweenStartAndEndInclusive) {
    const omBar b = bar(2, omUnitValue(0.02, omUK_cm), 0.0, 1.0);
    const double expected = 2 * 0.7853981633974483 * 0.0004;
    EXPECT_DOUBLE_EQ(b.A(0.5).Get(omUK_cm2), expected);
    EXPECT_EQ(b.A(0.5).GetKey(), omUK_cm2);
    EXPECT_DOUBLE_EQ(b.A(1.0).Get(omUK_cm2), expected);
    EXPECT_DOUBLE_EQ(b.A(0.0).Get(omUK_cm2), expected);
    EXPECT_EQ(b.A(1.01).Get(omUK_cm2), 0.0);
    EXPECT_EQ(b.A(1.01).GetKey(), omUK_cm2);
    EXPECT_NEAR(b.A(0.5).Get(omUK_cm2), 6.2832e-4, 1e-8);

    const omUnitValue v = b.V(5.0);
    EXPECT_EQ(v.GetKey(), omUK_cm3);
    EXPECT_DOUBLE_EQ(v.Get(omUK_cm3), expected * 5.0);
    EXPECT_NEAR(v.Get(omUK_cm3), 3.1416e-3, 1e-7);
}

TEST_F(Reinforcement, BarAreaReadsTheDiameterInCentimetres) {
    // 3 bars of 16 mm over the second half of the member.
    const omBar b = bar(3, omUnitValue(16.0, omUK_mm), 0.5, 1.0);
    EXPECT_DOUBLE_EQ(b.A(0.75).Get(omUK_cm2), area(3, 1.6));
    EXPECT_EQ(b.A(0.25).Get(omUK_cm2), 0.0);
    // Half the member of 400 cm: 200 cm of bars.
    EXPECT_DOUBLE_EQ(b.V(400.0).Get(omUK_cm3), area(3, 1.6) * 200.0);
}

TEST_F(Reinforcement, ReversedEntryHasNoAreaAnywhere) {
    const omBar b = bar(2, omUnitValue(12.0, omUK_mm), 0.7, 0.3);
    for (double x : {0.0, 0.3, 0.5, 0.7, 1.0})
        EXPECT_EQ(b.A(x).Get(omUK_cm2), 0.0) << x;
    EXPECT_EQ(b.V(100.0).Get(omUK_cm3), 0.0);
}

TEST_F(Reinforcement, RowSumsAreasAndVolumesOfItsEntries) {
    const omBarVec r = row({{"2", "16", "0", "1"}, {"2", "12", "0", "0.5"}});
    EXPECT_DOUBLE_EQ(r.A(0.25).Get(omUK_cm2), area(2, 1.6) + area(2, 1.2));
    EXPECT_DOUBLE_EQ(r.A(0.75).Get(omUK_cm2), area(2, 1.6));
    EXPECT_DOUBLE_EQ(r.V(600.0).Get(omUK_cm3), area(2, 1.6) * 600.0 + area(2, 1.2) * 300.0);
    EXPECT_EQ(omBarVec().A(0.5).Get(omUK_cm2), 0.0);
    EXPECT_EQ(omBarVec().V(600.0).Get(omUK_cm3), 0.0);
}

TEST_F(Reinforcement, RowDepthIsSetByItsThickestBarWhereverItLies) {
    const omBarVec r = row({{"2", "12", "0", "1"}, {"2", "20", "0.8", "1"}});
    EXPECT_DOUBLE_EQ(r.Zt(0.1).Get(omUK_cm), 1.0);
    EXPECT_EQ(r.Zt(0.1).GetKey(), omUK_cm);
    EXPECT_EQ(omBarVec().Zt(0.5).Get(omUK_cm), 0.0);

    // The largest diameter at a position takes only the bars present there.
    EXPECT_DOUBLE_EQ(r.getMaxFi(0.1).Get(omUK_mm), 12.0);
    EXPECT_DOUBLE_EQ(r.getMaxFi(0.9).Get(omUK_mm), 20.0);
    EXPECT_EQ(r.getMaxFi(0.9).GetKey(), omUK_mm);
    const omUnitValue none = row({{"2", "12", "0", "0.5"}}).getMaxFi(0.75);
    EXPECT_EQ(none.GetValue(), 0.0);
    EXPECT_EQ(none.GetKey(), omUK_mm);
}

TEST_F(Reinforcement, BandCentroidStacksTheRowsOnEachOther) {
    omBarBand band;
    band.setRow1(row({{"4", "16", "0", "1"}}));
    band.setRow2(row({{"2", "12", "0", "1"}}));
    // Row centres 8 mm and 2 x 8 + 6 = 22 mm below the edge of row 1.
    const double a1 = area(4, 1.6), a2 = area(2, 1.2);
    EXPECT_DOUBLE_EQ(band.A(0.5).Get(omUK_cm2), a1 + a2);
    EXPECT_DOUBLE_EQ(band.Zt(0.5).Get(omUK_cm), (a1 * 0.8 + a2 * 2.2) / (a1 + a2));
    EXPECT_EQ(band.Zt(0.5).GetKey(), omUK_cm);

    // A third row of 10 mm lies 2 x 8 + 2 x 6 + 5 = 33 mm deep.
    band.setRow3(row({{"2", "10", "0", "1"}}));
    const double a3 = area(2, 1.0);
    EXPECT_DOUBLE_EQ(band.Zt(0.5).Get(omUK_cm), (a1 * 0.8 + a2 * 2.2 + a3 * 3.3) / (a1 + a2 + a3));

    omBarBand single;
    single.setRow1(row({{"4", "16", "0", "1"}}));
    EXPECT_DOUBLE_EQ(single.Zt(0.5).Get(omUK_cm), 0.8);

    // Without bars at the position there is neither area nor centroid.
    omBarBand partial;
    partial.setRow1(row({{"4", "16", "0", "0.4"}}));
    EXPECT_EQ(partial.A(0.5).Get(omUK_cm2), 0.0);
    EXPECT_EQ(partial.Zt(0.5).Get(omUK_cm), 0.0);
    EXPECT_EQ(omBarBand().Zt(0.5).Get(omUK_cm), 0.0);
}

TEST_F(Reinforcement, BandSumsItsRowsAndKnowsItsLargestBar) {
    omBarBand band;
    band.setRow1(row({{"3", "16", "0", "1"}}));
    band.setRow3(row({{"2", "25", "0.2", "0.6"}}));
    EXPECT_EQ(band.getRowCount(), 2);
    EXPECT_EQ(omBarBand().getRowCount(), 0);
    EXPECT_DOUBLE_EQ(band.V(500.0).Get(omUK_cm3), area(3, 1.6) * 500.0 + area(2, 2.5) * 200.0);
    EXPECT_DOUBLE_EQ(band.getMaxFi(0.1).Get(omUK_mm), 16.0);
    EXPECT_DOUBLE_EQ(band.getMaxFi(0.4).Get(omUK_mm), 25.0);

    std::vector<double> positions{9.0};
    band.getBarChangePos(positions);
    EXPECT_EQ(positions, (std::vector<double>{9.0, 0.0, 1.0, 0.2, 0.6}));
}

TEST_F(Reinforcement, StirrupVolumeCountsStirrupsBySpacing) {
    // 2 legs of 10 mm every 20 cm over the whole member of 500 cm: 25
    // stirrups of 150 cm each.
    const omStirrupVec s = stirrups({{"2", "10", "20", "0", "1"}, {"2", "8", "10", "0", "0.2"}});
    const double one = area(2, 1.0) * 150.0;
    const double oneDense = area(2, 0.8) * 150.0;
    EXPECT_DOUBLE_EQ(s[0].V(150.0).Get(omUK_cm3), one);
    EXPECT_DOUBLE_EQ(s.V(500.0, 150.0).Get(omUK_cm3), 25.0 * one + 10.0 * oneDense);
    EXPECT_EQ(s.V(500.0, 150.0).GetKey(), omUK_cm3);
    EXPECT_EQ(omStirrupVec().V(500.0, 150.0).Get(omUK_cm3), 0.0);
}

// A spacing of 0 or less would mean infinitely many stirrups. Such entries can
// still arrive from a file or through direct access; they take no part.
TEST_F(Reinforcement, StirrupsWithoutUsableSpacingAreSkipped) {
    omStirrupVec s = stirrups({{"2", "10", "20", "0", "1"}, {"4", "12", "10", "0", "1"}});
    s[1].setE(omUnitValue(0.0, omUK_cm));
    EXPECT_DOUBLE_EQ(s.V(500.0, 150.0).Get(omUK_cm3), 25.0 * area(2, 1.0) * 150.0);
    EXPECT_EQ(s.getStirrup(0.5), &s[0]);
    s[0].setE(omUnitValue(-5.0, omUK_cm));
    EXPECT_EQ(s.V(500.0, 150.0).Get(omUK_cm3), 0.0);
    EXPECT_EQ(s.getStirrup(0.5), nullptr);
}

TEST_F(Reinforcement, StirrupsWithoutUsableSpacingCoverNothing) {
    omStirrupVec s = stirrups({{"2", "10", "20", "0", "0.5"}, {"2", "10", "20", "0.5", "1"}});
    EXPECT_TRUE(s.isCompletelyDefined(nullptr));
    s[1].setE(omUnitValue(0.0, omUK_cm));
    omUncoveredRanges left;
    EXPECT_FALSE(s.isCompletelyDefined(&left));
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left.front(), std::make_pair(0.5, 1.0));
}

TEST_F(Reinforcement, DensestStirrupAtAPositionIsChosen) {
    // Ratios (area / spacing): 2 x 10 mm every 20 cm = 0.0785; 2 x 8 mm every 10 cm = 0.1005.
    const omStirrupVec s = stirrups({{"2", "10", "20", "0", "1"}, {"2", "8", "10", "0.5", "1"}});
    EXPECT_EQ(s.getStirrup(0.25), &s[0]);
    EXPECT_EQ(s.getStirrup(0.75), &s[1]);

    // With equal ratios the first one stays.
    const omStirrupVec equal = stirrups({{"2", "10", "20", "0", "1"}, {"4", "10", "40", "0", "1"}});
    EXPECT_EQ(equal.getStirrup(0.5), &equal[0]);

    // Nothing at the position, no bars in the entry, or no entries at all.
    EXPECT_EQ(stirrups({{"2", "10", "20", "0", "0.5"}}).getStirrup(0.75), nullptr);
    EXPECT_EQ(stirrups({{"0", "10", "20", "0", "1"}}).getStirrup(0.5), nullptr);
    EXPECT_EQ(omStirrupVec().getStirrup(0.5), nullptr);
}

// ------------------------------------------------------------ coverage

struct CoverageCase {
    const char* name;
    std::vector<std::pair<double, double>> entries;
    omUncoveredRanges uncovered;
};

TEST_F(Reinforcement, CoverageFindsTheGapsLeftByTheEntries) {
    const std::vector<CoverageCase> cases = {
        {"overlapping entries", {{0.0, 0.6}, {0.4, 1.0}}, {}},
        {"gap in the middle", {{0.0, 0.5}, {0.6, 1.0}}, {{0.5, 0.6}}},
        {"no entry", {}, {{0.0, 1.0}}},
        {"inner entry", {{0.2, 0.3}}, {{0.0, 0.2}, {0.3, 1.0}}},
        {"two inner entries", {{0.2, 0.3}, {0.5, 0.7}}, {{0.0, 0.2}, {0.3, 0.5}, {0.7, 1.0}}},
        {"entries in reverse order", {{0.5, 1.0}, {0.0, 0.5}}, {}},
        {"start missing", {{0.1, 1.0}}, {{0.0, 0.1}}},
        {"one entry over all", {{0.0, 1.0}}, {}},
        {"reaching beyond the member", {{-0.5, 2.0}}, {}},
    };
    for (const CoverageCase& c : cases) {
        omStringMatrix m;
        m.Resize(static_cast<int>(c.entries.size()), 4);
        for (int i = 0; i < m.GetRows(); ++i) {
            m.At(i, 0) = "2";
            m.At(i, 1) = "12";
            m.At(i, 2) = std::to_string(c.entries[i].first);
            m.At(i, 3) = std::to_string(c.entries[i].second);
        }
        omBarBand band;
        band.getRow1().setStringMatrix(m);
        omUncoveredRanges left{{9.0, 9.0}};
        EXPECT_EQ(band.isCompletelyDefined(&left), c.uncovered.empty()) << c.name;
        EXPECT_EQ(left, c.uncovered) << c.name;
        EXPECT_EQ(band.isCompletelyDefined(nullptr), c.uncovered.empty()) << c.name;
    }
}

TEST_F(Reinforcement, BandCoverageTakesEveryRow) {
    omBarBand band;
    band.setRow1(row({{"2", "16", "0", "0.4"}}));
    band.setRow2(row({{"2", "12", "0.3", "0.8"}}));
    omUncoveredRanges left;
    EXPECT_FALSE(band.isCompletelyDefined(&left));
    EXPECT_EQ(left, (omUncoveredRanges{{0.8, 1.0}}));
    band.setRow3(row({{"2", "12", "0.8", "1"}}));
    EXPECT_TRUE(band.isCompletelyDefined(&left));
    EXPECT_TRUE(left.empty());
}

// An entry of no length, or one that runs backwards, covers nothing; cutting
// with it must neither change the answer nor run forever.
TEST_F(Reinforcement, EmptyAndReversedEntriesCoverNothing) {
    omBarBand band;
    band.setRow1(row({{"2", "12", "0.5", "0.5"}, {"2", "12", "0.7", "0.3"}, {"2", "12", "0", "0.2"}}));
    omUncoveredRanges left;
    EXPECT_FALSE(band.isCompletelyDefined(&left));
    EXPECT_EQ(left, (omUncoveredRanges{{0.2, 1.0}}));
}

TEST_F(Reinforcement, StirrupCoverageIgnoresTheNoStirrupsFlag) {
    omStirrupVec s = stirrups({{"2", "8", "15", "0", "0.5"}, {"2", "8", "15", "0.6", "1"}});
    s.setNoStirrups(true);
    omUncoveredRanges left;
    EXPECT_FALSE(s.isCompletelyDefined(&left));
    EXPECT_EQ(left, (omUncoveredRanges{{0.5, 0.6}}));
    omStirrupVec none;
    none.setNoStirrups(true);
    EXPECT_FALSE(none.isCompletelyDefined(&left));
    EXPECT_EQ(left, (omUncoveredRanges{{0.0, 1.0}}));
}

// ------------------------------------------------------------ text tables

TEST_F(Reinforcement, RowTableReadsTheNumberAtTheStartOfEachCell) {
    const omBarVec r = row({
        {"2", "16", "0", "1"},
        {" 2 bars", "12.7", " 0.25", "0.75m"},
        {"+3", "20", "1e-1", ".5"},
        {"x", "", "abc", "-"},
        {"-2", "10", "0", "1"},
        {"99999999999999999999", "10", "0", "1"},
    });
    ASSERT_EQ(r.size(), 6);
    EXPECT_EQ(r[0].getN(), 2u);
    EXPECT_EQ(r[0].getFi().GetKey(), omUK_mm);
    EXPECT_EQ(r[0].getFi().GetValue(), 16.0);
    EXPECT_EQ(r[1].getN(), 2u);
    EXPECT_EQ(r[1].getFi().GetValue(), 12.0);
    EXPECT_EQ(r[1].getXS(), 0.25);
    EXPECT_EQ(r[1].getXE(), 0.75);
    EXPECT_EQ(r[2].getN(), 3u);
    EXPECT_EQ(r[2].getXS(), 0.1);
    EXPECT_EQ(r[2].getXE(), 0.5);
    // Cells that do not begin with a number give 0.
    EXPECT_EQ(r[3].getN(), 0u);
    EXPECT_EQ(r[3].getFi().GetValue(), 0.0);
    EXPECT_EQ(r[3].getXS(), 0.0);
    EXPECT_EQ(r[3].getXE(), 0.0);
    // A count below zero or beyond any count is no count.
    EXPECT_EQ(r[4].getN(), 0u);
    EXPECT_EQ(r[5].getN(), 0u);
}

TEST_F(Reinforcement, RowTableIsWrittenInTheStreamsDefaultFormat) {
    omBarVec r = row({{"2", "16", "0", "1"}, {"12", "8", "0.5", "0.333333333"}});
    r[0].setXS(1e-7);
    r[0].setXE(1234567.0);
    r[1].setFi(omUnitValue(1.2, omUK_cm));
    omStringMatrix m = table({{"old"}});
    r.getStringMatrix(m);
    EXPECT_EQ(cells(m), (std::vector<std::vector<std::string>>{{"2", "16", "1e-07", "1.23457e+06"},
                                                               {"12", "12", "0.5", "0.333333"}}));
    omBarVec().getStringMatrix(m);
    EXPECT_TRUE(m.IsEmpty());
}

TEST_F(Reinforcement, StirrupTableRefusesEntriesWithoutUsableSpacing) {
    omStirrupVec s;
    s.setNoStirrups(true);
    s.setStringMatrix(table({{"2", "10", "20", "0", "0.5"},
                             {"2", "10", "0", "0.5", "1"},
                             {"2", "10", "-15", "0.5", "1"},
                             {"4", "8", "12.5", "0.5", "1"}}));
    ASSERT_EQ(s.size(), 2);
    EXPECT_TRUE(s.isNoStirrups());
    EXPECT_EQ(s[1].getN(), 4u);
    EXPECT_EQ(s[1].getE().GetKey(), omUK_cm);
    EXPECT_EQ(s[1].getE().GetValue(), 12.5);
    EXPECT_EQ(s[1].getXS(), 0.5);

    omStringMatrix m;
    s.getStringMatrix(m);
    EXPECT_EQ(cells(m), (std::vector<std::vector<std::string>>{{"2", "10", "20", "0", "0.5"},
                                                               {"4", "8", "12.5", "0.5", "1"}}));

    s.setStringMatrix(omStringMatrix());
    EXPECT_EQ(s.size(), 0);
    EXPECT_TRUE(s.isNoStirrups());
}

TEST_F(Reinforcement, IndexOutsideTheListThrows) {
    omBarVec r = row({{"2", "16", "0", "1"}});
    omStirrupVec s = stirrups({{"2", "10", "20", "0", "1"}});
    for (int i : {-1, 1}) {
        try {
            (void)r[i];
            ADD_FAILURE() << "no exception for " << i;
        } catch (const std::out_of_range& e) {
            EXPECT_STREQ(e.what(), "invalid vector<T> subscript");
        }
        EXPECT_THROW((void)std::as_const(r).at(i), std::out_of_range);
        EXPECT_THROW((void)s.at(i), std::out_of_range);
        EXPECT_THROW((void)std::as_const(s)[i], std::out_of_range);
    }
}

TEST_F(Reinforcement, CopiesAndClonesAreDeep) {
    omBarBand band;
    band.setRow1(row({{"2", "16", "0", "1"}}));
    band.setCover(omUnitValue(3.5, omUK_cm));
    std::unique_ptr<omBarBand> twin(band.clone());
    band.getRow1()[0].setN(7);
    EXPECT_EQ(twin->getRow1()[0].getN(), 2u);
    EXPECT_EQ(twin->getCover().Get(omUK_cm), 3.5);

    omStirrupVec s = stirrups({{"2", "10", "20", "0", "1"}});
    s.setNoStirrups(true);
    omStirrupVec t;
    t.copy(s);
    EXPECT_TRUE(t.isNoStirrups());
    EXPECT_EQ(t[0].getE().GetValue(), 20.0);

    std::unique_ptr<omBar> stirrupClone(s[0].clone());
    ASSERT_NE(dynamic_cast<omStirrup*>(stirrupClone.get()), nullptr);
    EXPECT_EQ(static_cast<omStirrup*>(stirrupClone.get())->getE().GetValue(), 20.0);

    // copy of a bar from a stirrup takes the bar's fields only.
    omBar plain;
    plain.copy(s[0]);
    EXPECT_EQ(plain.getN(), 2u);
    EXPECT_EQ(typeid(plain), typeid(omBar));
}

// ------------------------------------------------------------ records

RecordBytes barRecord(unsigned n, double fi, const char* unit, double xs, double xe) {
    RecordBytes b;
    b.integer(1).word(n).unitValue(fi, unit).real(xs).real(xe);
    return b;
}

RecordBytes stirrupRecord(unsigned n, double fi, double e, double xs, double xe) {
    RecordBytes b;
    b.integer(1).append(barRecord(n, fi, "mm", xs, xe)).unitValue(e, "cm");
    return b;
}

TEST_F(Reinforcement, BarAndStirrupRecordsMatchTheLayout) {
    const omBar b = bar(3, omUnitValue(16.0, omUK_mm), 0.25, 0.75);
    EXPECT_EQ(storedBytes(b), barRecord(3, 16.0, "mm", 0.25, 0.75).bytes());

    omStirrup s;
    s.copy(omStirrup());
    s.setN(2);
    s.setFi(omUnitValue(10.0, omUK_mm));
    s.setE(omUnitValue(15.0, omUK_cm));
    s.setXS(0.0);
    s.setXE(0.5);
    EXPECT_EQ(storedBytes(s), stirrupRecord(2, 10.0, 15.0, 0.0, 0.5).bytes());
}

RecordBytes bandRecord() {
    RecordBytes b;
    b.integer(1);
    b.integer(1)
        .word(2)
        .append(barRecord(4, 16.0, "mm", 0.0, 1.0))
        .append(barRecord(2, 20.0, "mm", 0.2, 0.8));
    b.integer(1).word(0);
    b.integer(1).word(1).append(barRecord(2, 1.2, "cm", 0.0, 0.5));
    b.unitValue(3.5, "cm");
    return b;
}

TEST_F(Reinforcement, BandRecordHoldsThreeRowsAndTheCover) {
    omBarBand band;
    band.setRow1(row({{"4", "16", "0", "1"}, {"2", "20", "0.2", "0.8"}}));
    band.setRow3(row({{"2", "12", "0", "0.5"}}));
    band.getRow3()[0].setFi(omUnitValue(1.2, omUK_cm));
    band.setCover(omUnitValue(3.5, omUK_cm));
    const RecordBytes golden = bandRecord();
    EXPECT_EQ(storedBytes(band), golden.bytes());

    // Reading replaces what the band held.
    omBarBand read;
    read.setRow2(row({{"9", "9", "0", "1"}}));
    loadFrom(golden.bytes(), read);
    EXPECT_EQ(read.getRow1().size(), 2);
    EXPECT_EQ(read.getRow2().size(), 0);
    EXPECT_EQ(read.getRow3()[0].getFi().GetKey(), omUK_cm);
    EXPECT_EQ(read.getRow1()[1].getXS(), 0.2);
    EXPECT_EQ(read.getCover().Get(omUK_cm), 3.5);
    EXPECT_EQ(storedBytes(read), golden.bytes());
    expectEveryTruncationThrows<omBarBand>(golden.bytes());
}

TEST_F(Reinforcement, StirrupListRecordEndsWithTheNoStirrupsFlag) {
    omStirrupVec s = stirrups({{"2", "10", "20", "0", "0.5"}, {"4", "8", "12.5", "0.5", "1"}});
    s.setNoStirrups(true);
    RecordBytes golden;
    golden.integer(1).word(2);
    golden.append(stirrupRecord(2, 10.0, 20.0, 0.0, 0.5)).append(stirrupRecord(4, 8.0, 12.5, 0.5, 1.0));
    golden.flag(true);
    EXPECT_EQ(storedBytes(s), golden.bytes());

    omStirrupVec read;
    loadFrom(golden.bytes(), read);
    EXPECT_TRUE(read.isNoStirrups());
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[1].getE().GetValue(), 12.5);
    EXPECT_EQ(storedBytes(read), golden.bytes());
    expectEveryTruncationThrows<omStirrupVec>(golden.bytes());

    // A stirrup with a spacing of 0 read from a file is kept as stored.
    RecordBytes zero;
    zero.integer(1).word(1).append(stirrupRecord(2, 10.0, 0.0, 0.0, 1.0)).flag(false);
    loadFrom(zero.bytes(), read);
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read.V(100.0, 50.0).Get(omUK_cm3), 0.0);
}

TEST_F(Reinforcement, CountBeyondTheDataIsAFormatError) {
    RecordBytes row;
    row.integer(1).word(0x7FFFFFFF).append(barRecord(2, 10.0, "mm", 0.0, 1.0));
    omBarVec v;
    CArchive ar(CArchive::load, row.bytes());
    try {
        v.Serialize(ar);
        ADD_FAILURE() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }

    RecordBytes list;
    list.integer(1).word(0xFFFFFFFF).append(stirrupRecord(2, 10.0, 20.0, 0.0, 1.0)).flag(false);
    omStirrupVec s;
    CArchive ar2(CArchive::load, list.bytes());
    EXPECT_THROW(s.Serialize(ar2), CArchiveException);
}

} // namespace
