#include "model/omSteelDesignData.h"

#include "DesignRecords.h"
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

omSteelDesignData::CSRes result(double classValue, char mark, double shear) {
    omSteelDesignData::CSRes r;
    r.classValue = classValue;
    r.classMark = mark;
    r.shearRatio = shear;
    r.resistanceFactor = 0.8;
    r.serStress = 12.5;
    r.relDeflection = 0.002;
    return r;
}

class SteelDesignData : public modeltest::ModelTest {
protected:
    static omSteelDesignData filled() {
        omSteelDesignData d;
        d.setElement(someElement());
        d.setUltFactor(0.95);
        d.setShearStiffDistance(omUnitValue(1.5, omUK_m));
        d.setLoadPos(1.0);
        d.getYYSup().set({0.0, 0.5, 1.0}, {1.0, 0.7});
        d.getZZSup().set({0.0, 1.0}, {2.0});
        d.getLTSup().setFullSupport(true);
        d.getCSRes() = {result(1.0, 'F', 0.3), result(3.0, 'W', 0.6)};
        d.setElStab(0.76);
        d.setElStabType(203);
        d.setElClass(2);
        d.setStabilityDescription("Stabilität");
        return d;
    }
};

TEST_F(SteelDesignData, NewObjectHasTheDefaults) {
    omSteelDesignData d;
    EXPECT_EQ(d.getLoadPos(), -1.0);
    EXPECT_EQ(d.getShearStiffDistance().GetValue(), 0.0);
    EXPECT_EQ(d.getShearStiffDistance().GetKey(), omUK_cm);
    for (const omElementSupport* s : {&d.getYYSup(), &d.getZZSup(), &d.getLTSup()}) {
        EXPECT_EQ(s->fieldSize(), 1);
        EXPECT_EQ(s->fieldK(0), 1.0);
        EXPECT_FALSE(s->isFullSupport());
    }
    EXPECT_TRUE(d.getCSRes().empty());
    EXPECT_EQ(d.getElStab(), 0.0);
    EXPECT_EQ(d.getElStabType(), 0);
    EXPECT_EQ(d.getElClass(), 0);
    EXPECT_EQ(d.getStabilityDescription(), "");

    const omSteelDesignData::CSRes r;
    EXPECT_EQ(r.classValue, 0.1);
    EXPECT_EQ(r.classMark, ' ');
    EXPECT_EQ(r.shearRatio, 0.0);
    EXPECT_EQ(r.relDeflection, 0.0);
}

TEST_F(SteelDesignData, DefaultSectionResultRecordIs45Bytes) {
    RecordBytes golden;
    golden.integer(1).real(0.1).byte(0x20).real(0.0).real(0.0).real(0.0).real(0.0);
    ASSERT_EQ(golden.size(), 45u);
    EXPECT_EQ(storedBytes(omSteelDesignData::CSRes()), golden.bytes());
}

TEST_F(SteelDesignData, ResetKeepsInputAndTexts) {
    omSteelDesignData d = filled();
    d.resetResults();
    EXPECT_EQ(d.getUltFactor(), 0.0);
    EXPECT_TRUE(d.getCSRes().empty());
    EXPECT_EQ(d.getElStab(), 0.0);
    EXPECT_EQ(d.getElStabType(), 0);
    EXPECT_EQ(d.getElClass(), 0);
    EXPECT_EQ(d.getStabilityDescription(), "Stabilität");
    EXPECT_EQ(d.getLoadPos(), 1.0);
    EXPECT_EQ(d.getYYSup().getK(), (std::vector<double>{1.0, 0.7}));
    EXPECT_TRUE(d.getLTSup().isFullSupport());
    EXPECT_EQ(d.getShearStiffDistance().Get(omUK_cm), 150.0);
}

TEST_F(SteelDesignData, CloneKeepsEverythingAndCopyLeavesBindingAndFactors) {
    const omSteelDesignData d = filled();
    std::unique_ptr<omGenericDesignData> twin(d.clone());
    auto* steel = dynamic_cast<omSteelDesignData*>(twin.get());
    ASSERT_NE(steel, nullptr);
    EXPECT_EQ(steel->getElement(), someElement());
    EXPECT_EQ(steel->getUltFactor(), 0.95);
    EXPECT_EQ(steel->getCSRes().size(), 2u);
    EXPECT_EQ(steel->getStabilityDescription(), "Stabilität");
    EXPECT_EQ(storedBytes(*steel), storedBytes(d));

    omSteelDesignData target;
    target.setSerFactor(0.3);
    target.copy(d);
    EXPECT_EQ(target.getElement(), nullptr);
    EXPECT_EQ(target.getUltFactor(), 0.0);
    EXPECT_EQ(target.getSerFactor(), 0.3);
    EXPECT_EQ(target.getCSRes()[1].classMark, 'W');
    EXPECT_EQ(target.getZZSup().getK(), (std::vector<double>{2.0}));
    EXPECT_EQ(target.getElClass(), 2);
    target.setSerFactor(0.0);
    target.setUltFactor(0.95);
    EXPECT_EQ(storedBytes(target), storedBytes(d));
}

RecordBytes supportRecord(const std::vector<double>& pos, const std::vector<double>& K, bool full) {
    RecordBytes b;
    b.integer(1).word(static_cast<std::uint32_t>(pos.size()));
    for (double p : pos)
        b.real(p);
    b.word(static_cast<std::uint32_t>(K.size()));
    for (double k : K)
        b.real(k);
    b.flag(full);
    return b;
}

RecordBytes resultRecord(double classValue, char mark, double shear) {
    RecordBytes b;
    b.integer(1)
        .real(classValue)
        .byte(static_cast<std::uint8_t>(mark))
        .real(shear)
        .real(0.8)
        .real(12.5)
        .real(0.002);
    return b;
}

RecordBytes steelRecord(const char* text2, const char* text3) {
    GenericPart base;
    base.ultFactor = 0.95;
    RecordBytes b = base.bytes();
    b.integer(1).real(1.0).real(0.76).integer(203).integer(2);
    b.text("Stabilit\xE4t").text(text2).text(text3);
    b.word(2).append(resultRecord(1.0, 'F', 0.3)).append(resultRecord(3.0, 'W', 0.6));
    b.unitValue(1.5, "m");
    // Y-Y, then Z-Z, then lateral-torsional.
    b.append(supportRecord({0.0, 0.5, 1.0}, {1.0, 0.7}, false));
    b.append(supportRecord({0.0, 1.0}, {2.0}, false));
    b.append(supportRecord({0.0, 1.0}, {1.0}, true));
    return b;
}

TEST_F(SteelDesignData, RecordKeepsTheSupportsInTheirOwnOrder) {
    const RecordBytes golden = steelRecord("", "");
    EXPECT_EQ(storedBytes(filled()), golden.bytes());

    omSteelDesignData read;
    read.getCSRes().resize(5);
    loadFrom(golden.bytes(), read);
    EXPECT_EQ(read.getYYSup().getK(), (std::vector<double>{1.0, 0.7}));
    EXPECT_EQ(read.getZZSup().getK(), (std::vector<double>{2.0}));
    EXPECT_TRUE(read.getLTSup().isFullSupport());
    EXPECT_FALSE(read.getZZSup().isFullSupport());
    ASSERT_EQ(read.getCSRes().size(), 2u);
    EXPECT_EQ(read.getCSRes()[0].classMark, 'F');
    EXPECT_EQ(read.getCSRes()[1].shearRatio, 0.6);
    EXPECT_EQ(read.getStabilityDescription(), "Stabilität");
    EXPECT_EQ(read.getElStabType(), 203);
    EXPECT_EQ(read.getShearStiffDistance().GetKey(), omUK_m);
    EXPECT_EQ(read.getLoadPos(), 1.0);
    expectEveryTruncationThrows<omSteelDesignData>(golden.bytes());
}

// The second and third texts have no accessors: the program's design code
// fills them, and they must survive reading, writing and a reset.
TEST_F(SteelDesignData, TextsOfTheDesignCodeSurvive) {
    const RecordBytes golden = steelRecord("second", "third");
    omSteelDesignData read;
    loadFrom(golden.bytes(), read);
    read.resetResults();
    read.getCSRes() = {result(1.0, 'F', 0.3), result(3.0, 'W', 0.6)};
    read.setElStab(0.76);
    read.setElStabType(203);
    read.setElClass(2);
    read.setUltFactor(0.95);
    EXPECT_EQ(storedBytes(read), golden.bytes());
}

TEST_F(SteelDesignData, NoSectionResultsWriteOnlyTheCount) {
    omSteelDesignData d;
    RecordBytes golden = GenericPart().bytes();
    golden.integer(1).real(-1.0).real(0.0).integer(0).integer(0).text("").text("").text("");
    golden.word(0).unitValue(0.0, "cm");
    for (int i = 0; i < 3; ++i)
        golden.append(supportRecord({0.0, 1.0}, {1.0}, false));
    EXPECT_EQ(storedBytes(d), golden.bytes());
}

TEST_F(SteelDesignData, SectionResultCountBeyondTheDataIsAFormatError) {
    RecordBytes record = GenericPart().bytes();
    record.integer(1).real(-1.0).real(0.0).integer(0).integer(0).text("").text("").text("");
    record.word(1000).append(resultRecord(1.0, 'F', 0.3));
    omSteelDesignData read;
    CArchive ar(CArchive::load, record.bytes());
    try {
        read.Serialize(ar);
        ADD_FAILURE() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

} // namespace
