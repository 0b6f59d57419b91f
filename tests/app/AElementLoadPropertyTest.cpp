// The member load sheet in the floating frame over a real structure document:
// the controls of each load kind, the application points as fractions and as
// lengths with their spin buttons, the new loads, and the copy kept in step
// with the document's commands.
#include "app/dialogs/AElementLoadProperty.h"

#include "LoadSheetFixture.h"
#include "app/dialogs/AMessageProperty.h"
#include "app/views/AComDeleteObjects.h"
#include "app/views/AElementMap.h"
#include "resources/ui/StrakonLoadIds.h"

#include <cmath>

namespace {

constexpr int kPoint = 0, kLinear = 1, kTemperature = 2;

class AElementLoadPropertyTest : public LoadSheetFixture {
protected:
    AElementLoadProperty* open() {
        auto* sheet = dynamic_cast<AElementLoadProperty*>(select({memberLoads(1)}));
        if (sheet) page = &sheet->GetPage();
        return sheet;
    }
    omLoad* modelLoad(int i) { return memberLoads(1)->getLoads().at(static_cast<size_t>(i)); }
    omLoadForce* modelPoint() { return static_cast<omLoadForce*>(modelLoad(kPoint)); }
    omLoadLinear* modelLinear() { return static_cast<omLoadLinear*>(modelLoad(kLinear)); }
    AElementLoadPage* page = nullptr;
};

TEST_F(AElementLoadPropertyTest, EachKindShowsItsOwnControls) {
    AElementLoadProperty* sheet = open();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(frame()->GetWindowText(), "Element Load Properties");
    EXPECT_EQ(items(page, IDC_EL_LIST), (std::vector<CString>{"1: P", "2: L", "3: T"}));
    struct Case {
        int item;
        const char* type;
        const char* picture;
        std::vector<int> shown, hidden;
    };
    const Case cases[] = {
        {kPoint,
         "CONCENTRATED",
         "element-load-sheet-concentrated.png",
         {IDC_EL_FX, IDC_EL_FORCE_WORLD, IDC_EL_FORCE_REL, IDC_EL_FORCE_ABS, IDC_EL_FORCE_SPIN},
         {IDC_EL_FX_START, IDC_EL_WHOLE, IDC_EL_POSITION_WORLD, IDC_EL_TEMP_TOP, IDC_EL_TEMP_PICTURE}},
        {kLinear,
         "LINEAR",
         "element-load-sheet-linear.png",
         {IDC_EL_FX_START, IDC_EL_MY_END, IDC_EL_LINEAR_WORLD, IDC_EL_WHOLE, IDC_EL_START_SPIN,
          IDC_EL_POSITION_WORLD},
         {IDC_EL_FX, IDC_EL_FORCE_SPIN, IDC_EL_TEMP_BOTTOM}},
        {kTemperature,
         "TEMPERATURE",
         "element-load-sheet-temperature.png",
         {IDC_EL_TEMP_TOP, IDC_EL_TEMP_BOTTOM, IDC_EL_TEMP_PICTURE},
         {IDC_EL_FX, IDC_EL_FX_START, IDC_EL_END_SPIN, IDC_EL_POSITION_WORLD}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        pick(page, IDC_EL_LIST, c.item);
        EXPECT_EQ(text(page, IDC_EL_TYPE), c.type);
        for (int id : c.shown)
            EXPECT_TRUE(visible(page, id)) << id;
        for (int id : c.hidden)
            EXPECT_FALSE(visible(page, id)) << id;
        EXPECT_EQ(sheet->GetCopy()->GetShownLoad(), static_cast<unsigned>(c.item + 1));
        screenshot(c.picture);
    }
    pick(page, IDC_EL_LIST, kLinear);
    EXPECT_EQ(button(page, IDC_EL_PART)->GetCheck(), BST_CHECKED) << "0.2 to 0.6 is a part";
    EXPECT_TRUE(enabled(page, IDC_EL_START_REL));
    EXPECT_DOUBLE_EQ(std::stod(text(page, IDC_EL_START_REL)), 0.2);
    EXPECT_EQ(page->m_startSpin.GetPos(), 20);
    EXPECT_EQ(page->m_endSpin.GetPos(), 60);
}

TEST_F(AElementLoadPropertyTest, PositionsAreClampedAndKeptInStepAsFractionLengthAndSpin) {
    struct Case {
        int item;
        std::vector<std::pair<int, const char*>> typed;
        double relative, end;
        int spin;
    };
    const Case cases[] = {
        {kPoint, {{IDC_EL_FORCE_REL, "1.5"}}, 1.0, 0.0, 100},
        {kPoint, {{IDC_EL_FORCE_ABS, "2"}}, 0.333, 0.0, 33},
        {kLinear, {{IDC_EL_START_REL, "0.99"}}, 0.98, 1.0, 98},
        {kLinear, {{IDC_EL_START_REL, "0.5"}, {IDC_EL_END_REL, "0.3"}}, 0.5, 0.52, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.back().second);
        AElementLoadProperty* sheet = open();
        pick(page, IDC_EL_LIST, c.item);
        for (const auto& [id, typed] : c.typed) {
            type(page, id, typed);
            leave(page, id);
        }
        apply();
        if (c.item == kPoint) {
            EXPECT_NEAR(modelPoint()->getX(), c.relative, 1e-12);
            EXPECT_NEAR(page->m_forceAbs.Get(omUK_m), 6.0 * c.relative, 1e-9);
            EXPECT_EQ(page->m_forceSpin.GetPos(), c.spin);
        } else {
            EXPECT_NEAR(modelLinear()->getStart(), c.relative, 1e-12);
            EXPECT_NEAR(modelLinear()->getEnd(), c.end, 1e-12);
            EXPECT_NEAR(page->m_endAbs.Get(omUK_m), 6.0 * c.end, 1e-9);
            EXPECT_EQ(page->m_startSpin.GetPos(), c.spin);
        }
        EXPECT_EQ(sheet->GetCopy()->getLoads().size(), 3u);
    }
    // The 6 m length of the first case.
    open();
    pick(page, IDC_EL_LIST, kPoint);
    type(page, IDC_EL_FORCE_REL, "1.5");
    leave(page, IDC_EL_FORCE_REL);
    EXPECT_NEAR(page->m_forceAbs.Get(omUK_m), 6.0, 1e-9);
    EXPECT_EQ(text(page, IDC_EL_FORCE_REL), "1");

    pick(page, IDC_EL_LIST, kLinear);
    click(page, IDC_EL_WHOLE);
    EXPECT_FALSE(enabled(page, IDC_EL_START_REL));
    EXPECT_FALSE(enabled(page, IDC_EL_END_SPIN));
    apply();
    EXPECT_EQ(modelLinear()->getStart(), 0.0);
    EXPECT_EQ(modelLinear()->getEnd(), 1.0);
    EXPECT_TRUE(modelLinear()->isContinues());
}

TEST_F(AElementLoadPropertyTest, TheArrowsStepThroughEveryHundredthBothWays) {
    open();
    pick(page, IDC_EL_LIST, kPoint);
    type(page, IDC_EL_FORCE_REL, "0.25");
    leave(page, IDC_EL_FORCE_REL);
    for (int k = 26; k <= 60; ++k) {
        page->m_forceSpin.StepUp();
        ASSERT_EQ(page->m_forceSpin.GetPos(), k);
        ASSERT_NEAR(page->m_forceRel, k / 100.0, 1e-12);
    }
    for (int k = 59; k >= 25; --k) {
        page->m_forceSpin.StepDown();
        ASSERT_EQ(page->m_forceSpin.GetPos(), k);
        ASSERT_NEAR(page->m_forceRel, k / 100.0, 1e-12);
    }
    apply();
    EXPECT_NEAR(modelPoint()->getX(), 0.25, 1e-12);
}

TEST_F(AElementLoadPropertyTest, NewLoadsTakeTheirNamesTheActionAndTheMemberLayoutAndARenameSurvivesAStore) {
    const std::vector<std::uint8_t> before = records();
    AElementLoadProperty* sheet = open();
    chooseNew(page, IDC_EL_NEW, 0);
    chooseNew(page, IDC_EL_NEW, 1);
    chooseNew(page, IDC_EL_NEW, 2);
    EXPECT_EQ(items(page, IDC_EL_LIST), (std::vector<CString>{"1: P", "2: L", "3: T", "4: New Concentrated",
                                                              "5: New Linear", "6: New Temperatrue"}));
    EXPECT_EQ(text(page, IDC_EL_TYPE), "TEMPERATURE");
    for (omLoad* load : sheet->GetCopy()->getLoads()) {
        EXPECT_EQ(load->getLoadGroupIndex(), 1u) << load->getName();
        EXPECT_EQ(load->getDofStructureType(), member(1)->getDofStructureType()) << load->getName();
    }
    EXPECT_EQ(sheet->GetCopy()->getLoads()[3]->getScope(), omLoad::LocalCS);
    pick(page, IDC_EL_LIST, 3);
    EXPECT_EQ(button(page, IDC_EL_FORCE_WORLD)->GetCheck(), BST_UNCHECKED) << "a new point load is local";
    EXPECT_EQ(sheet->GetCopy()->getLoads()[4]->getScope(), omLoad::LocalCS);

    pick(page, IDC_EL_LIST, kTemperature);
    type(page, IDC_EL_NAME, "Sun");
    type(page, IDC_EL_TEMP_TOP, "20");
    leave(page, IDC_EL_TEMP_TOP);
    EXPECT_EQ(items(page, IDC_EL_LIST)[kTemperature], "3: Sun");
    apply();
    auto* sun = static_cast<omLoadTemperature*>(modelLoad(kTemperature));
    EXPECT_EQ(sun->getName(), "Sun");
    EXPECT_DOUBLE_EQ(sun->T(0, 1), 20.0);
    EXPECT_DOUBLE_EQ(sun->T(1, 1), -5.0);
    EXPECT_EQ(memberLoads(1)->getLoads().size(), 6u);

    // Deleting asks nothing; the position modulo the count is shown next.
    pick(page, IDC_EL_LIST, 5);
    click(page, IDC_EL_DELETE);
    EXPECT_TRUE(prompts.MessageBoxes().empty());
    EXPECT_EQ(selection(page, IDC_EL_LIST), 0);
    EXPECT_EQ(text(page, IDC_EL_NAME), "P");

    doc->GetCommandManager().Undo();
    EXPECT_EQ(records(), before);
    EXPECT_EQ(items(page, IDC_EL_LIST), (std::vector<CString>{"1: P", "2: L", "3: T"}));

    doc->SetActiveLoadGroup(0, true);
    EXPECT_FALSE(enabled(page, IDC_EL_NEW));
    page->SendMessage(WM_COMMAND, ID_NEW_ELEMENT_TEMPERATURE, 0);
    EXPECT_TRUE(sheet->GetCopy()->GetLoads().empty());
    EXPECT_EQ(sheet->GetCopy()->getLoads().size(), 3u) << "no load of no action";
}

TEST_F(AElementLoadPropertyTest, RefusedTextsChangeNothingAndAMemberWithoutLengthKeepsItsPoint) {
    open();
    pick(page, IDC_EL_LIST, kPoint);
    type(page, IDC_EL_FZ, "abc");
    apply();
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(commands(), 0);
    EXPECT_FALSE(frame()->IsActingAsPinned());
    type(page, IDC_EL_FZ, "7");
    type(page, IDC_EL_FORCE_REL, "nan");
    leave(page, IDC_EL_FORCE_REL);
    EXPECT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_EQ(prompts.MessageBoxes().back().text, "Please enter a number.");
    EXPECT_EQ(page->m_forceRel, 0.5);
    type(page, IDC_EL_FORCE_REL, "0.5");
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_DOUBLE_EQ(modelPoint()->getF(Uz).Get(omUK_kN), 7.0);
    EXPECT_EQ(modelPoint()->getX(), 0.5);

    // Both ends at one place: a length cannot give a fraction.
    node(2)->setUx(omUnitValue(0.0, omUK_m));
    open();
    pick(page, IDC_EL_LIST, kPoint);
    type(page, IDC_EL_FORCE_ABS, "2");
    leave(page, IDC_EL_FORCE_ABS);
    EXPECT_EQ(page->m_forceRel, 0.5);
    EXPECT_TRUE(std::isfinite(page->m_forceAbs.GetValue()));
    apply();
    EXPECT_EQ(modelPoint()->getX(), 0.5);
}

TEST_F(AElementLoadPropertyTest, LeavingEditsWithoutTypingKeepsTheValuesBitForBit) {
    modelPoint()->setF(Uz, omUnitValue(1.0 / 3.0, omUK_kN));
    modelPoint()->setX(1.0 / 3.0);
    open();
    pick(page, IDC_EL_LIST, kPoint);
    for (int id : {IDC_EL_FX, IDC_EL_FZ, IDC_EL_MY, IDC_EL_FORCE_REL, IDC_EL_FORCE_ABS})
        leave(page, id);
    apply();
    EXPECT_EQ(modelPoint()->getF(Uz).GetValue(), 1.0 / 3.0);
    EXPECT_EQ(modelPoint()->getX(), 1.0 / 3.0);
}

TEST_F(AElementLoadPropertyTest, TheCopyFollowsCommandsAndADeletedMemberLeavesTheMessageSheet) {
    AElementLoadProperty* sheet = open();
    pick(page, IDC_EL_LIST, kLinear);
    EXPECT_EQ(doc->GetModel()->GetElementMap()->GetLiveCurrentLoadGroup(), sheet->GetCopy());
    omLoadForce extra("Extra", member(1)->getDofStructureType(), 1);
    doc->AddElementLoad(member(1), extra, 1);
    EXPECT_EQ(items(page, IDC_EL_LIST).back(), "4: Extra");
    EXPECT_EQ(selection(page, IDC_EL_LIST), kLinear) << "the same position";
    apply();
    EXPECT_EQ(memberLoads(1)->getLoads().size(), 4u);

    doc->GetCommandManager().AddCommand(new AComDeleteObjects({}, {1}));
    expectLoadSheetReleased(doc->m_pElementLoadPage, [this] { open(); });
}

} // namespace
