#include "model/omGenericDesignData.h"
#include "model/omDesignElement.h"
#include "model/omStrakon.h"

#include "DesignRecords.h"
#include "ModelTestSupport.h"
#include "common/omErrorContainer.h"
#include "model/omCrossSectionRect.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoadCase.h"
#include "model/omMaterial.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"

#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>

// The program's concrete, as the program declares it: a material of its own
// run-time class. Classes derived from the program's or the library's
// materials are other materials.
class omConcrete : public omMaterial {
    DECLARE_DYNAMIC(omConcrete)
public:
    omConcrete() : omMaterial(1) {}
};
IMPLEMENT_DYNAMIC(omConcrete, omMaterial)

class omConcreteGrade : public omConcrete {
    DECLARE_DYNAMIC(omConcreteGrade)
};
IMPLEMENT_DYNAMIC(omConcreteGrade, omConcrete)

class omSpecialSteel : public omSteel {
    DECLARE_DYNAMIC(omSpecialSteel)
public:
    omSpecialSteel() : omSteel(1) {}
};
IMPLEMENT_DYNAMIC(omSpecialSteel, omSteel)

namespace {

// A section that answers the two questions the rule asks as told.
class Section : public omCrossSectionRect {
public:
    Section(omCrossSectionType type, bool bars) : omCrossSectionRect(1), m_type(type), m_bars(bars) {}
    omCrossSectionType type() const override { return m_type; }
    bool canStoreBars() const override { return m_bars; }

private:
    omCrossSectionType m_type;
    bool m_bars;
};

// The base part alone, as every kind of design data holds it.
class PlainDesignData : public omGenericDesignData {
public:
    omGenericDesignData* clone() const override { return new PlainDesignData(*this); }
};

class GenericDesignData : public modeltest::ModelTest {
protected:
    // Input and results that differ from the defaults everywhere.
    static PlainDesignData filled() {
        PlainDesignData d;
        d.setElement(someElement());
        std::pair<std::vector<int>, std::vector<int>> lists{{1, 3}, {2}};
        d.transferLC(omGenericDesignData::lctIn, lists);
        d.setUltDesign(false);
        d.setSerDesign(true);
        d.setUltFactor(0.87);
        d.setSerFactor(1.25);
        d.setLeftSupportWidth(omUnitValue(30.0, omUK_cm));
        d.setRightSupportWidth(omUnitValue(0.25, omUK_m));
        return d;
    }
};

TEST_F(GenericDesignData, NewObjectHasTheDefaults) {
    PlainDesignData d;
    EXPECT_EQ(d.getElement(), nullptr);
    EXPECT_TRUE(d.getUltLC().empty());
    EXPECT_TRUE(d.getSerLC().empty());
    EXPECT_TRUE(d.isUltDesign());
    EXPECT_TRUE(d.isSerDesign());
    EXPECT_EQ(d.getUltFactor(), 0.0);
    EXPECT_EQ(d.getSerFactor(), 0.0);
    EXPECT_TRUE(d.isSupportWidth());
    EXPECT_EQ(d.getLeftSupportWidth().GetValue(), 0.0);
    EXPECT_EQ(d.getLeftSupportWidth().GetKey(), omUK_cm);
    EXPECT_EQ(d.getRightSupportWidth().GetKey(), omUK_cm);
}

TEST_F(GenericDesignData, WidthsReadMinusOneWhileSwitchedOff) {
    PlainDesignData d = filled();
    EXPECT_EQ(d.getRightSupportWidth().Get(omUK_cm), 25.0);
    d.enableSupportWidth(false);
    for (const omUnitValue& w : {d.getLeftSupportWidth(), d.getRightSupportWidth()}) {
        EXPECT_EQ(w.GetValue(), -1.0);
        EXPECT_EQ(w.GetKey(), omUK_cm);
    }
    // The stored widths survive the record and come back when switched on.
    PlainDesignData read;
    loadFrom(storedBytes(d), read);
    EXPECT_FALSE(read.isSupportWidth());
    EXPECT_EQ(read.getLeftSupportWidth().GetValue(), -1.0);
    read.enableSupportWidth(true);
    EXPECT_EQ(read.getLeftSupportWidth().Get(omUK_cm), 30.0);
    EXPECT_EQ(read.getRightSupportWidth().GetKey(), omUK_m);
    EXPECT_EQ(read.getRightSupportWidth().GetValue(), 0.25);
}

TEST_F(GenericDesignData, CopyTakesTheInputButNotTheElementOrTheFactors) {
    const PlainDesignData source = filled();
    PlainDesignData target;
    omDesignElement* own = reinterpret_cast<omDesignElement*>(0x2000);
    target.setElement(own);
    target.setUltFactor(0.5);
    target.copy(source);
    EXPECT_EQ(target.getElement(), own);
    EXPECT_EQ(target.getUltFactor(), 0.5);
    EXPECT_EQ(target.getSerFactor(), 0.0);
    EXPECT_EQ(target.getUltLC(), source.getUltLC());
    EXPECT_EQ(target.getSerLC(), source.getSerLC());
    EXPECT_FALSE(target.isUltDesign());
    EXPECT_EQ(target.getLeftSupportWidth(), source.getLeftSupportWidth());
    EXPECT_EQ(target.getRightSupportWidth().GetKey(), omUK_m);

    // Copy construction, assignment and clone take every field.
    PlainDesignData assigned;
    assigned = source;
    std::unique_ptr<omGenericDesignData> twin(source.clone());
    for (const omGenericDesignData* d : {static_cast<const omGenericDesignData*>(&assigned),
                                         static_cast<const omGenericDesignData*>(twin.get())}) {
        EXPECT_EQ(d->getElement(), someElement());
        EXPECT_EQ(d->getUltFactor(), 0.87);
        EXPECT_EQ(d->getSerFactor(), 1.25);
        EXPECT_EQ(d->getUltLC(), source.getUltLC());
    }
}

TEST_F(GenericDesignData, ResetClearsOnlyTheFactors) {
    PlainDesignData d = filled();
    d.resetResults();
    EXPECT_EQ(d.getUltFactor(), 0.0);
    EXPECT_EQ(d.getSerFactor(), 0.0);
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{1, 3}));
    EXPECT_EQ(d.getElement(), someElement());
}

TEST_F(GenericDesignData, LoadCaseListsAreQueriedClearedAndTransferred) {
    PlainDesignData d = filled();
    EXPECT_TRUE(d.isUltLCActive(3));
    EXPECT_FALSE(d.isUltLCActive(2));
    EXPECT_TRUE(d.isSerLCActive(2));
    EXPECT_FALSE(d.isSerLCActive(1));

    std::pair<std::vector<int>, std::vector<int>> saved;
    d.transferLC(omGenericDesignData::lctOut, saved);
    EXPECT_EQ(saved.first, (std::vector<int>{1, 3}));
    EXPECT_EQ(saved.second, (std::vector<int>{2}));

    d.clearLCActive(true, false);
    EXPECT_TRUE(d.getUltLC().empty());
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{2}));
    d.clearLCActive(false, true);
    EXPECT_TRUE(d.getSerLC().empty());

    d.transferLC(omGenericDesignData::lctIn, saved);
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{1, 3}));
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{2}));
}

TEST_F(GenericDesignData, ChosenListTakesAddedCasesOnly) {
    PlainDesignData d;
    d.modifyLC(4, omGenericDesignData::lccAdded, nullptr, 1);
    d.modifyLC(2, omGenericDesignData::lccAdded, nullptr, 1);
    d.modifyLC(2, omGenericDesignData::lccAdded, nullptr, 1);
    d.modifyLC(5, omGenericDesignData::lccAdded, nullptr, 2);
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{2, 4}));
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{5}));

    // Any other change only sorts the lists and removes repeats.
    std::pair<std::vector<int>, std::vector<int>> lists{{3, 1, 3}, {9, 2}};
    d.transferLC(omGenericDesignData::lctIn, lists);
    d.modifyLC(3, omGenericDesignData::lccDeleted, nullptr, 1);
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{1, 3}));
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{2, 9}));
}

TEST_F(GenericDesignData, DeletedCaseLeavesAndLaterNumbersMoveDown) {
    PlainDesignData d;
    std::pair<std::vector<int>, std::vector<int>> lists{{1, 2, 3}, {2, 4}};
    d.transferLC(omGenericDesignData::lctIn, lists);
    // The deleted case itself is not read.
    d.modifyLC(2, omGenericDesignData::lccDeleted, nullptr, 0);
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{1, 2}));
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{3}));
}

TEST_F(GenericDesignData, AddedCaseJoinsTheListOfItsLimitState) {
    PlainDesignData d;
    const struct {
        int lc;
        omLoadCase::LimitState state;
    } added[] = {
        {3, omLoadCase::lsUltimate},
        {1, omLoadCase::lsServiceability},
        {2, omLoadCase::lsCreep},
        {4, omLoadCase::lsSkew},
        {6, omLoadCase::lsUltimateAccidental},
        {5, omLoadCase::lsUltimateSeismic},
        {7, omLoadCase::lsUltimatePT},
        {3, omLoadCase::lsUltimate},
    };
    for (const auto& a : added) {
        const omLoadCase c("case", a.state, nullptr);
        d.modifyLC(a.lc, omGenericDesignData::lccAdded, &c, 0);
    }
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{3, 5, 6, 7}));
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{1}));
}

TEST_F(GenericDesignData, ChangedCaseMovesToTheListOfItsNewLimitState) {
    const omLoadCase ultimate("ULS", omLoadCase::lsUltimate, nullptr);
    const omLoadCase serviceability("SLS", omLoadCase::lsServiceability, nullptr);
    const omLoadCase creep("Creep", omLoadCase::lsCreep, nullptr);
    PlainDesignData d;
    std::pair<std::vector<int>, std::vector<int>> lists{{}, {5}};
    d.transferLC(omGenericDesignData::lctIn, lists);
    d.modifyLC(5, omGenericDesignData::lccChanged, &ultimate, 0);
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{5}));
    EXPECT_TRUE(d.getSerLC().empty());

    d.modifyLC(5, omGenericDesignData::lccChanged, &serviceability, 0);
    EXPECT_TRUE(d.getUltLC().empty());
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{5}));

    // A case already in the list of its limit state leaves both lists alone,
    // and a case of neither kind is not moved anywhere.
    lists = {{2, 5}, {5}};
    d.transferLC(omGenericDesignData::lctIn, lists);
    d.modifyLC(5, omGenericDesignData::lccChanged, &ultimate, 0);
    d.modifyLC(2, omGenericDesignData::lccChanged, &creep, 0);
    EXPECT_EQ(d.getUltLC(), (std::vector<int>{2, 5}));
    EXPECT_EQ(d.getSerLC(), (std::vector<int>{5}));
}

// ------------------------------------------------------------ records

TEST_F(GenericDesignData, RecordOfTheCurrentVersion) {
    PlainDesignData d = filled();
    d.enableSupportWidth(false);
    GenericPart golden;
    golden.ult = {1, 3};
    golden.ser = {2};
    golden.ultDesign = false;
    golden.ultFactor = 0.87;
    golden.serFactor = 1.25;
    golden.left = 30.0;
    golden.right = 0.25;
    golden.rightUnit = "m";
    golden.supportWidth = false;
    EXPECT_EQ(storedBytes(d), golden.bytes().bytes());

    PlainDesignData read;
    loadFrom(golden.bytes().bytes(), read);
    EXPECT_EQ(read.getUltLC(), d.getUltLC());
    EXPECT_EQ(read.getSerLC(), d.getSerLC());
    EXPECT_FALSE(read.isUltDesign());
    EXPECT_TRUE(read.isSerDesign());
    EXPECT_EQ(read.getUltFactor(), 0.87);
    EXPECT_EQ(read.getSerFactor(), 1.25);
    EXPECT_EQ(read.getElement(), nullptr);
    EXPECT_EQ(storedBytes(read), golden.bytes().bytes());
    expectEveryTruncationThrows<PlainDesignData>(golden.bytes().bytes());
}

// Older records lack the later items; the object keeps its own values for them.
TEST_F(GenericDesignData, OlderVersionsLeaveMissingItemsAsTheyWere) {
    GenericPart v1;
    v1.version = 1;
    v1.ult = {4};
    v1.ser = {5, 6};
    v1.serDesign = false;
    v1.ultFactor = 0.5;
    PlainDesignData read = filled();
    read.enableSupportWidth(false);
    loadFrom(v1.bytes().bytes(), read);
    EXPECT_EQ(read.getUltLC(), (std::vector<int>{4}));
    EXPECT_EQ(read.getSerLC(), (std::vector<int>{5, 6}));
    EXPECT_FALSE(read.isSerDesign());
    EXPECT_EQ(read.getUltFactor(), 0.5);
    EXPECT_FALSE(read.isSupportWidth());
    read.enableSupportWidth(true);
    EXPECT_EQ(read.getLeftSupportWidth().Get(omUK_cm), 30.0);
    EXPECT_EQ(read.getRightSupportWidth().Get(omUK_cm), 25.0);
    expectEveryTruncationThrows<PlainDesignData>(v1.bytes().bytes());

    GenericPart v2 = v1;
    v2.version = 2;
    v2.left = 12.0;
    v2.leftUnit = "mm";
    v2.right = 0.0;
    read = filled();
    read.enableSupportWidth(false);
    loadFrom(v2.bytes().bytes(), read);
    EXPECT_FALSE(read.isSupportWidth());
    read.enableSupportWidth(true);
    EXPECT_EQ(read.getLeftSupportWidth().GetKey(), omUK_mm);
    EXPECT_EQ(read.getLeftSupportWidth().GetValue(), 12.0);
    EXPECT_EQ(read.getRightSupportWidth().Get(omUK_cm), 0.0);
    expectEveryTruncationThrows<PlainDesignData>(v2.bytes().bytes());

    // Writing always gives the current version.
    EXPECT_EQ(storedBytes(read).front(), 3);
}

// A version this program does not know would be misread item by item.
TEST_F(GenericDesignData, UnknownVersionIsAFormatError) {
    for (int version : {0, 4, -1}) {
        GenericPart part;
        part.version = version;
        PlainDesignData read;
        CArchive ar(CArchive::load, part.bytes().bytes());
        try {
            read.Serialize(ar);
            ADD_FAILURE() << "version " << version << " was read";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
        }
    }
}

TEST_F(GenericDesignData, LoadCaseCountBeyondTheDataIsAFormatError) {
    RecordBytes record;
    record.integer(3).word(0x40000000).integer(1);
    PlainDesignData read;
    CArchive ar(CArchive::load, record.bytes());
    try {
        read.Serialize(ar);
        ADD_FAILURE() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

TEST_F(GenericDesignData, UnitValueIsStoredAsHeldWithItsUnitName) {
    omUnitValue v(2.5, omUK_kN_cm2);
    CArchive out(CArchive::store);
    SerializeUV(out, v);
    omUnitValue none(7.0, omUK_NoUnit);
    SerializeUV(out, none);
    RecordBytes golden;
    golden.unitValue(2.5, "kN/cm2").unitValue(7.0, "");
    EXPECT_EQ(out.GetBuffer(), golden.bytes());

    CArchive in(CArchive::load, out.Detach());
    omUnitValue a, b(1.0, omUK_m);
    SerializeUV(in, a);
    SerializeUV(in, b);
    EXPECT_EQ(a.GetKey(), omUK_kN_cm2);
    EXPECT_EQ(a.GetValue(), 2.5);
    EXPECT_EQ(b.GetKey(), omUK_NoUnit);
    EXPECT_EQ(b.GetValue(), 7.0);
    EXPECT_TRUE(omErrorContainer::instance()->errors().empty());
}

TEST_F(GenericDesignData, KindFollowsTheExactMaterialClassAndTheSection) {
    const omMaterial plain(1);
    const omSteel steel(1);
    const omConcrete concrete;
    const omConcreteGrade grade;
    const omSpecialSteel special;
    struct Case {
        const char* name;
        const omMaterial* material;
        omCrossSectionType type;
        bool bars;
        omGenericDesignData::Type kind;
    };
    const Case cases[] = {
        {"concrete rectangle", &concrete, csRect, true, omGenericDesignData::dtRCBeam},
        {"concrete T", &concrete, csT, true, omGenericDesignData::dtRCBeam},
        {"concrete without bars", &concrete, csRect, false, omGenericDesignData::dtNone},
        {"concrete I", &concrete, csIDS, true, omGenericDesignData::dtNone},
        {"concrete circle", &concrete, csCircle, true, omGenericDesignData::dtNone},
        {"steel I", &steel, csIDS, false, omGenericDesignData::dtSteel},
        {"steel box", &steel, csBox, true, omGenericDesignData::dtSteel},
        {"steel rolled I", &steel, csStandardI, false, omGenericDesignData::dtSteel},
        {"steel tube", &steel, csTube, false, omGenericDesignData::dtSteel},
        {"steel rectangle", &steel, csRect, true, omGenericDesignData::dtNone},
        {"steel T", &steel, csT, true, omGenericDesignData::dtNone},
        {"steel generic", &steel, csGeneric, false, omGenericDesignData::dtNone},
        {"plain material I", &plain, csIDS, false, omGenericDesignData::dtNone},
        {"plain material rectangle", &plain, csRect, true, omGenericDesignData::dtNone},
        {"derived concrete", &grade, csRect, true, omGenericDesignData::dtNone},
        {"derived steel", &special, csIDS, false, omGenericDesignData::dtNone},
    };
    for (const Case& c : cases) {
        const Section section(c.type, c.bars);
        EXPECT_EQ(omGenericDesignData::getDesignDataType(c.material, &section), c.kind) << c.name;
    }
    const Section rect(csRect, true);
    EXPECT_EQ(omGenericDesignData::getDesignDataType(nullptr, &rect), omGenericDesignData::dtNone);
    EXPECT_EQ(omGenericDesignData::getDesignDataType(&concrete, nullptr), omGenericDesignData::dtNone);
    EXPECT_EQ(omGenericDesignData::getDesignDataType(static_cast<const omMaterial*>(nullptr), nullptr),
              omGenericDesignData::dtNone);
}

// A member of a structure, bound to its material and cross-section.
TEST_F(GenericDesignData, MemberGetsTheKindOfItsMaterialAndSection) {
    omStrakon s;
    s.setupObjects();
    s.addMaterial(new omConcrete, 1);
    s.addMaterial(new omSteel(2), 2);
    s.addCrossSection(new omCrossSectionRect(1), 1);
    s.addCrossSection(new omGenericCrossSection(omUnitValue(10.0, omUK_cm2), omUnitValue(100.0, omUK_cm4), 2), 2);
    s.addNode(0.0, 0.0, "cm", 1);
    s.addNode(500.0, 0.0, "cm", 2);
    omDesignElement* concrete = s.addElement(1, 2, 1, 1, 1);
    omDesignElement* steelGeneric = s.addElement(1, 2, 2, 2, 2);
    ASSERT_NE(concrete, nullptr);
    ASSERT_NE(steelGeneric, nullptr);
    s.bind();

    EXPECT_EQ(omGenericDesignData::getDesignDataType(concrete), omGenericDesignData::dtRCBeam);
    std::unique_ptr<omGenericDesignData> made(omGenericDesignData::createDesignDataObject(concrete));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(typeid(*made), typeid(omRCDesignBeamData));
    EXPECT_EQ(made->getElement(), nullptr);
    EXPECT_FALSE(made->verifyDesignDataType()); // not bound to a member yet

    // The member keeps its own copy, bound to it; it fits the member, steel data do not.
    concrete->setDesignData(made.get());
    ASSERT_NE(concrete->getDesignData(), nullptr);
    EXPECT_TRUE(concrete->getDesignData()->verifyDesignDataType());
    omSteelDesignData steel;
    steel.setElement(concrete);
    EXPECT_FALSE(steel.verifyDesignDataType());

    EXPECT_EQ(omGenericDesignData::getDesignDataType(steelGeneric), omGenericDesignData::dtNone);
    EXPECT_EQ(omGenericDesignData::createDesignDataObject(steelGeneric), nullptr);
    EXPECT_EQ(omGenericDesignData::getDesignDataType(static_cast<const omDesignElement*>(nullptr)),
              omGenericDesignData::dtNone);
}

TEST_F(GenericDesignData, ObjectIsOfAKindOnlyAsThatExactClass) {
    class DerivedSteelData : public omSteelDesignData {};
    const omRCDesignBeamData rc;
    const omSteelDesignData steel;
    const DerivedSteelData derived;
    const PlainDesignData plain;
    EXPECT_TRUE(rc.isExactly(omGenericDesignData::dtRCBeam));
    EXPECT_FALSE(rc.isExactly(omGenericDesignData::dtSteel));
    EXPECT_TRUE(steel.isExactly(omGenericDesignData::dtSteel));
    EXPECT_FALSE(steel.isExactly(omGenericDesignData::dtRCBeam));
    EXPECT_FALSE(derived.isExactly(omGenericDesignData::dtSteel));
    for (const omGenericDesignData* d :
         std::initializer_list<const omGenericDesignData*>{&rc, &steel, &plain})
        EXPECT_FALSE(d->isExactly(omGenericDesignData::dtNone));
}

TEST_F(GenericDesignData, FactoryMakesTheObjectOfTheKind) {
    std::unique_ptr<omGenericDesignData> rc(
        omGenericDesignData::createDesignDataObject(omGenericDesignData::dtRCBeam));
    std::unique_ptr<omGenericDesignData> steel(
        omGenericDesignData::createDesignDataObject(omGenericDesignData::dtSteel));
    ASSERT_NE(rc, nullptr);
    ASSERT_NE(steel, nullptr);
    EXPECT_EQ(typeid(*rc), typeid(omRCDesignBeamData));
    EXPECT_EQ(typeid(*steel), typeid(omSteelDesignData));
    EXPECT_EQ(rc->getElement(), nullptr);
    EXPECT_EQ(omGenericDesignData::createDesignDataObject(omGenericDesignData::dtNone), nullptr);
}

} // namespace
