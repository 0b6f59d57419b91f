// The element sheet in the floating frame over a real structure document:
// selected through the document, worked page by page, applied with the frame's button.
#include "app/dialogs/ALinElem2DProperty.h"

#include "PropertySheetFixture.h"
#include "app/dialogs/AMessageProperty.h"
#include "model/omMaterialMap.h"

#include <array>
#include <cmath>

namespace {

constexpr int kGeneral = 0, kReleases = 1, kCrossSection = 2, kMaterial = 3, kGround = 4;

class ALinElem2DPropertyTest : public PropertySheetFixture {
protected:
    ALinElem2DProperty* selectMembers(std::initializer_list<unsigned> numbers) {
        AObjectPtrContainer& selection = doc->GetSelection();
        selection.RemoveAll();
        for (unsigned n : numbers)
            selection.AddTail(member(n));
        doc->ShowSelectionProperties(static_cast<CWnd*>(nullptr), true);
        QApplication::processEvents();
        return dynamic_cast<ALinElem2DProperty*>(frame()->GetProperySheet());
    }
    static double number(CWnd* page, int id) { return std::stod(text(page, id)); }
    static std::array<int, 6> boxes(CWnd* page) {
        std::array<int, 6> states{};
        for (int i = 0; i < 6; ++i)
            states[i] = button(page, 1071 + i)->GetCheck();
        return states;
    }
};

TEST_F(ALinElem2DPropertyTest, OneMemberShowsItsNodesReleasesSectionMaterialsAndGround) {
    ALinElem2DProperty* sheet = selectMembers({1});
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(frame()->GetWindowText(), "Element Properties");

    CPropertyPage* general = show(sheet, kGeneral);
    EXPECT_EQ(text(general, 1019), "1");
    EXPECT_EQ(combo(general, 1018)->GetCount(), 4);
    EXPECT_EQ(selected(general, 1018), "1");
    EXPECT_EQ(selected(general, 1017), "2");
    EXPECT_EQ(text(general, 1020), "");
    EXPECT_TRUE(combo(general, 1018)->IsWindowEnabled());
    EXPECT_TRUE(general->GetDlgItem(1020)->IsWindowEnabled());

    CPropertyPage* releases = show(sheet, kReleases);
    EXPECT_EQ(boxes(releases), (std::array<int, 6>{0, 0, 0, 1, 0, 0})) << "only the end rotation is released";

    // The section's values in the user's units (cm2, cm4, cm3, cm by default).
    CPropertyPage* cs = show(sheet, kCrossSection);
    EXPECT_EQ(selected(cs, 1040), "1: R 30/20");
    EXPECT_NEAR(number(cs, 1042), 600.0, 1e-6);
    EXPECT_NEAR(number(cs, 1043), 45000.0, 1e-6);
    EXPECT_NEAR(number(cs, 1044), 3000.0, 1e-6);
    EXPECT_NEAR(number(cs, 1045), 30.0 / std::sqrt(12.0), 1e-3);
    EXPECT_EQ(text(cs, 1046), "Yes");
    ASSERT_TRUE(choose(cs, 1040, "2: IPE 300"));
    EXPECT_EQ(text(cs, 1046), "No");
    EXPECT_NEAR(number(cs, 1042), 53.8, 1e-6);

    CPropertyPage* material = show(sheet, kMaterial);
    EXPECT_EQ(selected(material, 1043), "1: C25/30");
    EXPECT_NEAR(number(material, 1044), 3100.0, 1e-6);
    EXPECT_EQ(combo(material, 1045)->GetCurSel(), -1) << "no reinforcement material";
    ASSERT_TRUE(choose(material, 1045, "2: S235"));
    EXPECT_NEAR(number(material, 1046), 21000.0, 1e-6);

    CPropertyPage* ground = show(sheet, kGround);
    EXPECT_EQ(button(ground, 1002)->GetCheck(), BST_CHECKED);
    const omUnitValue shown(number(ground, 1000), AUnitKeyAttributes::Instance()->forcePerVolume);
    EXPECT_NEAR(shown.Get(omUK_kN_cm3), 0.005, 1e-9);
}

TEST_F(ALinElem2DPropertyTest, TwoMembersWithDifferentSectionsTakeANewMaterialAndKeepTheirSections) {
    ALinElem2DProperty* sheet = selectMembers({1, 2});
    ASSERT_NE(sheet, nullptr);
    CPropertyPage* general = show(sheet, kGeneral);
    EXPECT_EQ(text(general, 1019), "0");
    EXPECT_FALSE(combo(general, 1018)->IsWindowEnabled());
    EXPECT_FALSE(general->GetDlgItem(1020)->IsWindowEnabled());
    screenshot("element-sheet-mixed-general.png");
    CPropertyPage* releases = show(sheet, kReleases);
    EXPECT_EQ(button(releases, 1074)->GetCheck(), BST_INDETERMINATE);
    screenshot("element-sheet-mixed-releases.png");
    CPropertyPage* cs = show(sheet, kCrossSection);
    EXPECT_EQ(combo(cs, 1040)->GetCurSel(), -1);
    EXPECT_EQ(number(cs, 1042), 0.0);
    EXPECT_EQ(number(cs, 1043), 0.0);
    screenshot("element-sheet-mixed-cross-section.png");
    CPropertyPage* ground = show(sheet, kGround);
    EXPECT_EQ(text(ground, 1000), "") << "the coefficients differ";
    for (int id = 1001; id <= 1004; ++id)
        EXPECT_EQ(button(ground, id)->GetCheck(), BST_UNCHECKED) << id;
    screenshot("element-sheet-mixed-ground.png");
    CPropertyPage* material = show(sheet, kMaterial);
    EXPECT_EQ(selected(material, 1043), "1: C25/30") << "both are of concrete";
    ASSERT_TRUE(choose(material, 1043, "2: S235"));
    screenshot("element-sheet-mixed-material.png");

    const std::vector<std::uint8_t> before = records();
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_EQ(doc->GetCommandManager().GetUndoName(), "Element Properties");
    for (unsigned n : {1u, 2u}) {
        EXPECT_EQ(member(n)->getMaterialIndex(), 2u) << n;
        EXPECT_EQ(member(n)->getCrossSectionIndex(), n) << "sections stay";
        EXPECT_EQ(member(n)->getNodeIndex1(), n);
    }
    EXPECT_TRUE(member(1)->isReleased(omDesignElement::second, Ry)) << "a mixed release stays";
    EXPECT_FALSE(member(2)->isReleased(omDesignElement::second, Ry));
    EXPECT_EQ(member(1)->getElGroundType(), egBothSides) << "no side chosen";
    EXPECT_EQ(member(2)->getName(), "Beam 2") << "names belong to one member";
    doc->GetCommandManager().Undo();
    EXPECT_EQ(records(), before);
}

TEST_F(ALinElem2DPropertyTest, AMixedReleaseStaysUntilItIsClickedOnceAndThenFixesBoth) {
    ALinElem2DProperty* sheet = selectMembers({1, 2});
    CPropertyPage* releases = show(sheet, kReleases);
    apply();
    EXPECT_TRUE(member(1)->isReleased(omDesignElement::second, Ry));
    EXPECT_FALSE(member(2)->isReleased(omDesignElement::second, Ry));
    click(releases, 1074);
    EXPECT_EQ(button(releases, 1074)->GetCheck(), BST_UNCHECKED);
    apply();
    EXPECT_EQ(commands(), 2);
    EXPECT_FALSE(member(1)->isReleased(omDesignElement::second, Ry));
    EXPECT_FALSE(member(2)->isReleased(omDesignElement::second, Ry));
}

TEST_F(ALinElem2DPropertyTest, AClickSetsAClearBoxAndClearsTheBoxThatWouldMakeAMechanism) {
    // Boxes in the order 1071 start rotation, 1072 start x, 1073 start z, 1074 end rotation, 1075 end x, 1076 end z.
    struct Case {
        int clicked;
        std::array<int, 6> before;
        std::array<int, 6> after;
    };
    const Case cases[] = {
        {1075, {0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 0}},
        {1072, {0, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 0}},
        {1076, {0, 0, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 1}},
        {1073, {0, 0, 0, 0, 0, 1}, {0, 0, 1, 0, 0, 0}},
        {1073, {1, 0, 0, 1, 0, 0}, {1, 0, 1, 0, 0, 0}},
        {1076, {1, 0, 0, 1, 0, 0}, {0, 0, 0, 1, 0, 1}},
        {1074, {1, 0, 1, 0, 0, 0}, {0, 0, 1, 1, 0, 0}},
        {1071, {0, 0, 0, 1, 0, 2}, {1, 0, 0, 0, 0, 2}},
        {1074, {1, 0, 0, 0, 0, 0}, {1, 0, 0, 1, 0, 0}},
        {1071, {1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {1071, {2, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {1075, {0, 2, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 0}},
    };
    CPropertyPage* releases = show(selectMembers({2}), kReleases);
    for (const Case& c : cases) {
        for (int i = 0; i < 6; ++i)
            button(releases, 1071 + i)->SetCheck(c.before[i]);
        click(releases, c.clicked);
        EXPECT_EQ(boxes(releases), c.after) << "clicked " << c.clicked;
    }
}

TEST_F(ALinElem2DPropertyTest, BothEndsOnOneNodeKeepTheNodesAndApplyTheRest) {
    ALinElem2DProperty* sheet = selectMembers({2});
    CPropertyPage* general = show(sheet, kGeneral);
    EXPECT_EQ(text(general, 1020), "Beam 2");
    ASSERT_TRUE(choose(general, 1018, "3"));
    ASSERT_TRUE(choose(general, 1017, "3"));
    general->SetDlgItemText(1020, "Girder");
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_EQ(member(2)->getNodeIndex1(), 2u);
    EXPECT_EQ(member(2)->getNodeIndex2(), 3u);
    EXPECT_EQ(member(2)->getName(), "Girder");

    ASSERT_TRUE(choose(general, 1018, "4"));
    apply();
    EXPECT_EQ(member(2)->getNodeIndex1(), 4u);
    EXPECT_EQ(member(2)->getNode1(), model().getNodeMap()->find(4));
    EXPECT_EQ(member(2)->getNodeIndex2(), 3u);
}

TEST_F(ALinElem2DPropertyTest, TheGroundChangesLinearMembersOnlyEachSideKeepsEachCoefficientAndANegativeOneIsRefused) {
    // A linear and a non-linear member are two kinds for the document; the sheet still serves both.
    select({member(1), member(3)});
    EXPECT_NE(dynamic_cast<AMessageProperty*>(frame()->GetProperySheet()), nullptr);
    AObjectPtrContainer& both = doc->GetSelection();
    ASSERT_TRUE(frame()->SetPropertySheet(RUNTIME_CLASS(ALinElem2DProperty), &both, nullptr, doc.get(), true));
    auto* sheet = dynamic_cast<ALinElem2DProperty*>(frame()->GetProperySheet());
    ASSERT_NE(sheet, nullptr);
    CPropertyPage* ground = show(sheet, kGround);
    click(ground, 1004);
    apply();
    EXPECT_EQ(member(1)->getElGroundType(), egNegativeSide);
    EXPECT_EQ(member(3)->getElGroundType(), egNone);
    EXPECT_NEAR(member(1)->getElGroundCoef().Get(omUK_kN_cm3), 0.005, 1e-12);

    // Both sides over two coefficients: each member keeps its own.
    ground = show(selectMembers({1, 2}), kGround);
    EXPECT_EQ(text(ground, 1000), "");
    click(ground, 1002);
    apply();
    EXPECT_EQ(member(1)->getElGroundType(), egBothSides);
    EXPECT_EQ(member(2)->getElGroundType(), egBothSides);
    EXPECT_EQ(member(1)->getElGroundCoef().Get(omUK_kN_cm3), 0.005);
    EXPECT_EQ(member(2)->getElGroundCoef().Get(omUK_kN_cm3), 0.0);

    const int before = commands();
    type(ground, 1000, "-5");
    apply();
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(commands(), before) << "a refused value ends Apply";
    type(ground, 1000, "0.5");
    apply();
    EXPECT_EQ(commands(), before + 1);
    const omUnitValue typed(0.5, AUnitKeyAttributes::Instance()->forcePerVolume);
    EXPECT_DOUBLE_EQ(member(2)->getElGroundCoef().Get(omUK_kN_cm3), typed.Get(omUK_kN_cm3));
}

TEST_F(ALinElem2DPropertyTest, ASheetReopenedOnTheReleasesPageKeepsNameAndNodes) {
    show(selectMembers({2}), kReleases);
    selectMembers({1});
    ALinElem2DProperty* sheet = selectMembers({2});
    ASSERT_EQ(sheet->GetActiveIndex(), kReleases);
    EXPECT_FALSE(sheet->GetGeneralPage().IsWindow()) << "the general page was never shown";
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_EQ(member(2)->getName(), "Beam 2");
    EXPECT_EQ(member(2)->getNodeIndex1(), 2u);
    EXPECT_EQ(member(2)->getNodeIndex2(), 3u);
}

TEST_F(ALinElem2DPropertyTest, APinnedSheetOutlivingItsMembersOrMaterialOrDocumentChangesNothing) {
    frame()->GetPushPin().SetPinned(true);
    ALinElem2DProperty* sheet = selectMembers({3});
    CPropertyPage* material = show(sheet, kMaterial);
    // The material leaves the model while the sheet still lists it.
    model().getMaterialMap()->erase(1);
    ASSERT_TRUE(choose(material, 1043, "1: C25/30"));
    EXPECT_EQ(number(material, 1044), 0.0) << "nothing to show";
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_EQ(member(3)->getMaterialIndex(), 2u);

    // The member leaves the model: nothing left to apply to.
    model().getElementMap()->erase(3);
    doc->GetSelection().RemoveAll();
    apply();
    EXPECT_EQ(commands(), 1);

    // The document's contents go: the frame shows the message sheet instead.
    selectMembers({1});
    doc->DeleteContents();
    auto* message = dynamic_cast<AMessageProperty*>(frame()->GetProperySheet());
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->GetMessagePage().m_strMessage, "Nothing is selected!");
    const int before = commands();
    apply();
    EXPECT_EQ(commands(), before);
}

} // namespace
