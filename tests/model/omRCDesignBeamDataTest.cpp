#include "model/omRCDesignBeamData.h"

#include "DesignRecords.h"
#include "ModelTestSupport.h"
#include "model/omCrossSectionRect.h"
#include "model/omDesignElement.h"
#include "model/omMaterial.h"
#include "model/omStrakon.h"
#include "model/omStringMatrix.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

omStringMatrix table(const std::vector<std::vector<std::string>>& rows) {
    omStringMatrix m;
    m.Resize(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (int r = 0; r < m.GetRows(); ++r)
        for (int c = 0; c < m.GetCols(); ++c)
            m.At(r, c) = rows[r][c];
    return m;
}

constexpr double kQuarterPi = 0.7853981633974483;

double area(int n, double dCm) {
    return n * kQuarterPi * dCm * dCm;
}

// A section with a stirrup of fixed length that notes the covers it was given.
class StirrupSection : public omCrossSectionRect {
public:
    StirrupSection() : omCrossSectionRect(1) {}
    double getStirrupLength(double top, double bottom) const override {
        covers = {top, bottom};
        return 150.0;
    }
    mutable std::pair<double, double> covers{-1.0, -1.0};
};

class RCDesignBeamData : public modeltest::ModelTest {
protected:
    // A bound beam with reinforcement, results and factors.
    static omRCDesignBeamData filled() {
        omRCDesignBeamData d;
        d.setElement(someElement());
        d.setUltFactor(0.9);
        d.setSerFactor(0.4);
        std::pair<std::vector<int>, std::vector<int>> lists{{1}, {2}};
        d.transferLC(omGenericDesignData::lctIn, lists);
        d.getBottomBand().getRow1().setStringMatrix(
            table({{"4", "16", "0", "0.5"}, {"2", "16", "0.5", "1"}}));
        d.getBottomBand().setCover(omUnitValue(3.0, omUK_cm));
        d.getTopBand().getRow1().setStringMatrix(table({{"2", "12", "0", "1"}}));
        d.getTopBand().setCover(omUnitValue(25.0, omUK_mm));
        d.getStirrups().setStringMatrix(table({{"2", "8", "15", "0", "1"}}));
        d.getNMResults() = {{1.0, 2.0}, {3.0, 4.0}};
        d.getCrackResults() = {{0.1, 0.2}};
        d.getShearResults() = {5.0, 6.0, 7.0};
        return d;
    }
};

TEST_F(RCDesignBeamData, NewObjectIsEmpty) {
    omRCDesignBeamData d;
    EXPECT_EQ(d.getElement(), nullptr);
    EXPECT_EQ(d.getBottomBand().getRowCount(), 0);
    EXPECT_EQ(d.getTopBand().getRowCount(), 0);
    EXPECT_EQ(d.getStirrups().size(), 0);
    EXPECT_FALSE(d.getStirrups().isNoStirrups());
    EXPECT_TRUE(d.getNMResults().empty());
    EXPECT_TRUE(d.getCrackResults().empty());
    EXPECT_TRUE(d.getShearResults().empty());
    EXPECT_TRUE(d.isUltDesign());
}

TEST_F(RCDesignBeamData, BarChangePositionsOfBothBandsSortedOnce) {
    omRCDesignBeamData d;
    d.getBottomBand().getRow1().setStringMatrix(table({{"2", "16", "0.5", "1"}, {"2", "16", "0", "0.5"}}));
    d.getTopBand().getRow2().setStringMatrix(table({{"2", "12", "0", "1"}}));
    // Stirrups take no part.
    d.getStirrups().setStringMatrix(table({{"2", "8", "15", "0.25", "0.75"}}));
    std::vector<double> positions{7.0};
    EXPECT_EQ(d.getBarChangePos(positions), 3);
    EXPECT_EQ(positions, (std::vector<double>{0.0, 0.5, 1.0}));

    EXPECT_EQ(omRCDesignBeamData().getBarChangePos(positions), 0);
    EXPECT_TRUE(positions.empty());
}

TEST_F(RCDesignBeamData, SteelVolumesOfBarsAndStirrups) {
    const omRCDesignBeamData d = filled();
    // Bottom: 4 x 16 mm over the first half, 2 x 16 mm over the second; top:
    // 2 x 12 mm over the whole member of 500 cm.
    EXPECT_DOUBLE_EQ(d.getBarVolume(500.0),
                     area(4, 1.6) * 250.0 + area(2, 1.6) * 250.0 + area(2, 1.2) * 500.0);

    // 2 legs of 8 mm every 15 cm: 500 / 15 stirrups (not rounded) of 150 cm,
    // the length the section gives for the top and the bottom cover in cm.
    const StirrupSection section;
    EXPECT_DOUBLE_EQ(d.getStirrupVolume(500.0, &section), 500.0 / 15.0 * area(2, 0.8) * 150.0);
    EXPECT_EQ(section.covers, std::make_pair(2.5, 3.0));

    EXPECT_EQ(d.getStirrupVolume(500.0, nullptr), 0.0);
    EXPECT_EQ(omRCDesignBeamData().getStirrupVolume(500.0, &section), 0.0);
    EXPECT_EQ(omRCDesignBeamData().getBarVolume(500.0), 0.0);
}

// The same volumes read the length and the section of the member the data belong to.
TEST_F(RCDesignBeamData, VolumesOnTheBoundMember) {
    omStrakon s;
    s.setupObjects();
    s.addMaterial(new omMaterial(1), 1);
    s.addCrossSection(new StirrupSection, 1);
    s.addNode(0.0, 0.0, "cm", 1);
    s.addNode(300.0, 400.0, "cm", 2);
    omDesignElement* member = s.addElement(1, 2, 1, 1, 1);
    ASSERT_NE(member, nullptr);
    s.bind();
    const omRCDesignBeamData data = filled();
    member->setDesignData(const_cast<omRCDesignBeamData*>(&data));
    const auto* bound = dynamic_cast<const omRCDesignBeamData*>(member->getDesignData());
    ASSERT_NE(bound, nullptr);
    EXPECT_DOUBLE_EQ(bound->getBarVolume(), data.getBarVolume(500.0));
    EXPECT_DOUBLE_EQ(bound->getStirrupVolume(), data.getStirrupVolume(500.0, member->getCrossSection()));
    EXPECT_GT(bound->getStirrupVolume(), 0.0);
    // Without a member both are 0.
    omRCDesignBeamData loose = filled();
    loose.setElement(nullptr);
    EXPECT_EQ(loose.getBarVolume(), 0.0);
    EXPECT_EQ(loose.getStirrupVolume(), 0.0);
}

TEST_F(RCDesignBeamData, ResetEmptiesTheResultsAndKeepsTheReinforcement) {
    omRCDesignBeamData d = filled();
    d.resetResults();
    EXPECT_EQ(d.getUltFactor(), 0.0);
    EXPECT_EQ(d.getSerFactor(), 0.0);
    EXPECT_TRUE(d.getNMResults().empty());
    EXPECT_TRUE(d.getCrackResults().empty());
    EXPECT_TRUE(d.getShearResults().empty());
    EXPECT_EQ(d.getBottomBand().getRow1().size(), 2);
    EXPECT_EQ(d.getTopBand().getCover().GetValue(), 25.0);
    EXPECT_EQ(d.getStirrups().size(), 1);
}

// A clone is what the member keeps when the data are handed to it, also
// after a design run and after reading the structure file, so it keeps the
// factors and the results as well as the input.
TEST_F(RCDesignBeamData, CloneKeepsEverything) {
    const omRCDesignBeamData d = filled();
    std::unique_ptr<omGenericDesignData> twin(d.clone());
    auto* rc = dynamic_cast<omRCDesignBeamData*>(twin.get());
    ASSERT_NE(rc, nullptr);
    EXPECT_EQ(rc->getElement(), someElement());
    EXPECT_EQ(rc->getUltFactor(), 0.9);
    EXPECT_EQ(rc->getSerFactor(), 0.4);
    EXPECT_EQ(rc->getNMResults(), d.getNMResults());
    EXPECT_EQ(rc->getShearResults(), d.getShearResults());
    EXPECT_EQ(rc->getBottomBand().getRow1().size(), 2);
    EXPECT_EQ(rc->getStirrups()[0].getE().GetValue(), 15.0);
    EXPECT_EQ(storedBytes(*rc), storedBytes(d));
}

TEST_F(RCDesignBeamData, CopyTakesInputAndResultsButNotTheBindingOrFactors) {
    const omRCDesignBeamData source = filled();
    omRCDesignBeamData target;
    target.setSerFactor(0.7);
    target.getShearResults() = {1.0};
    target.copy(source);
    EXPECT_EQ(target.getElement(), nullptr);
    EXPECT_EQ(target.getUltFactor(), 0.0);
    EXPECT_EQ(target.getSerFactor(), 0.7);
    EXPECT_EQ(target.getUltLC(), (std::vector<int>{1}));
    EXPECT_EQ(target.getShearResults(), source.getShearResults());
    EXPECT_EQ(target.getCrackResults(), source.getCrackResults());
    EXPECT_EQ(target.getTopBand().getCover().GetKey(), omUK_mm);
    EXPECT_EQ(target.getBottomBand().getRow1()[1].getXS(), 0.5);

    omRCDesignBeamData assigned;
    assigned = source;
    EXPECT_EQ(assigned.getElement(), someElement());
    EXPECT_EQ(assigned.getUltFactor(), 0.9);
}

RecordBytes barRecord(unsigned n, double fiMm, double xs, double xe) {
    RecordBytes b;
    b.integer(1).word(n).unitValue(fiMm, "mm").real(xs).real(xe);
    return b;
}

TEST_F(RCDesignBeamData, RecordFollowsTheBasePartWithResultsBandsAndStirrups) {
    omRCDesignBeamData d = filled();
    GenericPart base;
    base.ult = {1};
    base.ser = {2};
    base.ultFactor = 0.9;
    base.serFactor = 0.4;
    RecordBytes golden = base.bytes();
    golden.integer(1);
    golden.word(2).real(1.0).real(2.0).real(3.0).real(4.0);
    golden.word(1).real(0.1).real(0.2);
    golden.word(3).real(5.0).real(6.0).real(7.0);
    // Top band first, then the bottom band.
    golden.integer(1);
    golden.integer(1).word(1).append(barRecord(2, 12.0, 0.0, 1.0));
    golden.integer(1).word(0).integer(1).word(0);
    golden.unitValue(25.0, "mm");
    golden.integer(1);
    golden.integer(1).word(2).append(barRecord(4, 16.0, 0.0, 0.5)).append(barRecord(2, 16.0, 0.5, 1.0));
    golden.integer(1).word(0).integer(1).word(0);
    golden.unitValue(3.0, "cm");
    golden.integer(1)
        .word(1)
        .integer(1)
        .append(barRecord(2, 8.0, 0.0, 1.0))
        .unitValue(15.0, "cm")
        .flag(false);
    EXPECT_EQ(storedBytes(d), golden.bytes());

    omRCDesignBeamData read;
    read.getNMResults() = {{9.0, 9.0}, {9.0, 9.0}, {9.0, 9.0}};
    loadFrom(golden.bytes(), read);
    EXPECT_EQ(read.getNMResults(), d.getNMResults());
    EXPECT_EQ(read.getCrackResults(), d.getCrackResults());
    EXPECT_EQ(read.getShearResults(), d.getShearResults());
    EXPECT_EQ(read.getTopBand().getRow1()[0].getFi().GetValue(), 12.0);
    EXPECT_EQ(read.getBottomBand().getRow1().size(), 2);
    EXPECT_EQ(read.getStirrups()[0].getE().GetValue(), 15.0);
    EXPECT_EQ(read.getUltFactor(), 0.9);
    EXPECT_EQ(storedBytes(read), golden.bytes());
    expectEveryTruncationThrows<omRCDesignBeamData>(golden.bytes());
}

TEST_F(RCDesignBeamData, ResultCountBeyondTheDataIsAFormatError) {
    for (int which = 0; which < 3; ++which) {
        RecordBytes record = GenericPart().bytes();
        record.integer(1);
        for (int i = 0; i < 3; ++i)
            record.word(i == which ? 0x20000000u : 0u);
        omRCDesignBeamData read;
        CArchive ar(CArchive::load, record.bytes());
        try {
            read.Serialize(ar);
            ADD_FAILURE() << "no exception for count " << which;
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
        }
    }
}

} // namespace
