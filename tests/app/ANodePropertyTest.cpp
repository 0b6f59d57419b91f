// The node sheet in the floating frame over a real structure document.
#include "app/dialogs/ANodeProperty.h"

#include "PropertySheetFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cstring>

namespace {

constexpr int kCoordinates = 0, kSupports = 1;

class ANodePropertyTest : public PropertySheetFixture {
protected:
    void SetUp() override {
        PropertySheetFixture::SetUp();
        // The sheet shows coordinates in the user's length unit.
        AUnitKeyAttributes::Instance()->length = omUK_m;
    }
    ANodeProperty* selectNodes(std::initializer_list<unsigned> numbers) {
        AObjectPtrContainer& selection = doc->GetSelection();
        selection.RemoveAll();
        for (unsigned n : numbers)
            selection.AddTail(node(n));
        doc->ShowSelectionProperties(static_cast<CWnd*>(nullptr), true);
        QApplication::processEvents();
        return dynamic_cast<ANodeProperty*>(frame()->GetProperySheet());
    }
    static std::vector<std::string> items(CWnd* page) {
        std::vector<std::string> texts;
        CComboBox* list = combo(page, 1043);
        for (int i = 0; i < list->GetCount(); ++i) {
            CString t;
            list->GetLBText(i, t);
            texts.push_back(t);
        }
        return texts;
    }
    static bool visible(CWnd* page, int id) { return page->GetDlgItem(id)->GetWidget()->isVisibleTo(page->GetWidget()); }
};

TEST_F(ANodePropertyTest, TwoNodesDisableCoordinatesAndAMixedSupportDisablesTheSymbol) {
    ANodeProperty* sheet = selectNodes({2, 3});
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(frame()->GetWindowText(), "Node Properties");
    CPropertyPage* coordinates = show(sheet, kCoordinates);
    for (int id : {1000, 1001, 1002, 1568})
        EXPECT_FALSE(coordinates->GetDlgItem(id)->IsWindowEnabled()) << id;
    screenshot("node-sheet-mixed-coordinates.png");
    CPropertyPage* supports = show(sheet, kSupports);
    EXPECT_EQ(button(supports, 1066)->GetCheck(), BST_INDETERMINATE);
    EXPECT_EQ(button(supports, 1067)->GetCheck(), BST_INDETERMINATE);
    EXPECT_EQ(button(supports, 1068)->GetCheck(), BST_UNCHECKED);
    for (int id : {1422, 1043, 1426})
        EXPECT_FALSE(supports->GetDlgItem(id)->IsWindowEnabled()) << id;
    screenshot("node-sheet-mixed-supports.png");

    // Untouched mixed boxes keep each node's supports; a set box applies to both.
    click(supports, 1068);
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_EQ(doc->GetCommandManager().GetUndoName(), "Node Properties");
    EXPECT_FALSE(node(2)->getSupport(Ux));
    EXPECT_TRUE(node(3)->getSupport(Ux));
    EXPECT_TRUE(node(2)->getSupport(Ry));
    EXPECT_TRUE(node(3)->getSupport(Ry));
}

TEST_F(ANodePropertyTest, TheSupportsOfferTheirRotationsAndTheirSymbol) {
    struct Case {
        bool x, z, r;
        std::vector<int> rotations;
        UINT bitmap;
    };
    const Case cases[] = {
        {true, true, false, {0, 90, 180, 270}, 200}, {true, true, true, {0, 90, 180, 270}, 201},
        {true, false, false, {90, 270}, 199},        {false, true, false, {0, 180}, 199},
        {true, false, true, {}, 0},                  {false, true, true, {}, 0},
        {false, false, true, {}, 0},                 {false, false, false, {}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ANodePageSupp::AllowedRotations(c.x, c.z, c.r), c.rotations) << c.x << c.z << c.r;
        EXPECT_EQ(ANodePageSupp::SymbolBitmap(c.x, c.z, c.r), c.bitmap) << c.x << c.z << c.r;
    }
    for (UINT bitmap : {199u, 200u, 201u}) {
        const QImage strip = CResources::Instance().LoadBitmap(bitmap, QSize());
        EXPECT_EQ(strip.size(), QSize(120, 30)) << bitmap;
        EXPECT_EQ(strip.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu) << bitmap << " is drawn on magenta";
    }
}

TEST_F(ANodePropertyTest, RemovingASupportKeepsAnOfferedAngleElseTakesTheFirstAndApplies) {
    node(3)->SetShowSupportSymbol(true);
    node(3)->SetSupportAngle(270.0);
    CPropertyPage* supports = show(selectNodes({3}), kSupports);
    EXPECT_EQ(items(supports), (std::vector<std::string>{"0", "90", "180", "270"}));
    EXPECT_EQ(selected(supports, 1043), "270");
    EXPECT_FALSE(static_cast<QLabel*>(supports->GetDlgItem(1426)->GetWidget())->pixmap().isNull());
    click(supports, 1067);
    EXPECT_EQ(items(supports), (std::vector<std::string>{"90", "270"}));
    EXPECT_EQ(selected(supports, 1043), "270") << "still offered";

    click(supports, 1067);
    ASSERT_TRUE(choose(supports, 1043, "0"));
    click(supports, 1067);
    EXPECT_EQ(selected(supports, 1043), "90") << "0 is no longer offered";
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_TRUE(node(3)->getSupport(Ux));
    EXPECT_FALSE(node(3)->getSupport(Uz));
    EXPECT_EQ(node(3)->GetSupportAngle(), 90.0);
    EXPECT_TRUE(node(3)->GetShowSupportSymbol());
}

TEST_F(ANodePropertyTest, SupportsWithoutANaturalSymbolSayNotAvailableAndClearTheFlag) {
    node(3)->SetShowSupportSymbol(true);
    CPropertyPage* supports = show(selectNodes({3}), kSupports);
    EXPECT_TRUE(visible(supports, 1043));
    EXPECT_FALSE(visible(supports, 1430));
    click(supports, 1067);
    click(supports, 1068);
    EXPECT_FALSE(visible(supports, 1043));
    EXPECT_FALSE(visible(supports, 1426));
    EXPECT_TRUE(visible(supports, 1430));
    EXPECT_EQ(button(supports, 1422)->GetCheck(), BST_UNCHECKED);
    screenshot("node-sheet-not-available.png");
    apply();
    EXPECT_FALSE(node(3)->GetShowSupportSymbol());
    EXPECT_TRUE(node(3)->getSupport(Ry));
}

TEST_F(ANodePropertyTest, ACoordinateShownRoundedStaysBitIdenticalAfterASupportChange) {
    const double third = 1.0 / 3.0;
    node(2)->setUx(omUnitValue(third, omUK_m));
    ANodeProperty* sheet = selectNodes({2});
    CPropertyPage* coordinates = show(sheet, kCoordinates);
    EXPECT_NE(std::stod(text(coordinates, 1000)), third) << "shown with the options' digits";
    EXPECT_EQ(text(coordinates, 1002), "2");
    CPropertyPage* supports = show(sheet, kSupports);
    click(supports, 1067);
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_TRUE(node(2)->getSupport(Uz));
    const double x = node(2)->getCoor(Ux, omNode::coorPlain)->Get(omUK_m);
    EXPECT_EQ(std::memcmp(&x, &third, sizeof x), 0);

    // A typed coordinate moves the node.
    coordinates = show(sheet, kCoordinates);
    type(coordinates, 1000, "0.5");
    apply();
    EXPECT_DOUBLE_EQ(node(2)->getCoor(Ux, omNode::coorPlain)->Get(omUK_m), 0.5);
    EXPECT_DOUBLE_EQ(node(2)->getCoor(Uz, omNode::coorPlain)->Get(omUK_m), 0.0);
}

TEST_F(ANodePropertyTest, ACoordinateThatIsNoNumberIsRefusedOnceAndNothingIsApplied) {
    frame()->GetPushPin().SetPinned(false);
    ANodeProperty* sheet = selectNodes({2});
    CPropertyPage* coordinates = show(sheet, kCoordinates);
    type(coordinates, 1000, "abc");
    apply();
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(commands(), 0);
    EXPECT_TRUE(frame()->IsWindowVisible());
    EXPECT_FALSE(frame()->IsActingAsPinned()) << "pinned only while the page asks";
}

TEST_F(ANodePropertyTest, AMoveThatGivesAMemberZeroLengthOrLeavesTheRangeIsRefusedAndNothingIsApplied) {
    struct Case {
        const char* x;
        const char* message;
    };
    const Case cases[] = {
        {"0", "Element 1 would have zero length: node 2 would lie on its other end, node 1."},
        {"8", "Element 2 would have zero length: node 2 would lie on its other end, node 3."},
        {"1e7", "Please enter a number between -1000000 and 1000000."},
        {"-2000000", "Please enter a number between -1000000 and 1000000."},
    };
    ANodeProperty* sheet = selectNodes({2});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        CPropertyPage* coordinates = show(sheet, kCoordinates);
        auto* line = qobject_cast<QLineEdit*>(coordinates->GetDlgItem(1000)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, c.x);
        const size_t prompted = prompts.MessageBoxes().size();
        apply();
        ASSERT_EQ(prompts.MessageBoxes().size(), prompted + 1);
        EXPECT_EQ(prompts.MessageBoxes().back().text, c.message);
        EXPECT_EQ(commands(), 0);
        EXPECT_DOUBLE_EQ(node(2)->getCoor(Ux, omNode::coorPlain)->Get(omUK_m), 4.0) << "the node stays";
        EXPECT_EQ(line->text().toStdString(), c.x) << "the typed value stays for mending";
    }
    // A move off the other nodes goes through.
    CPropertyPage* coordinates = show(sheet, kCoordinates);
    type(coordinates, 1000, "2");
    apply();
    EXPECT_EQ(commands(), 1);
    EXPECT_DOUBLE_EQ(node(2)->getCoor(Ux, omNode::coorPlain)->Get(omUK_m), 2.0);
}

TEST_F(ANodePropertyTest, CoordinatesShowInTheUsersLengthUnitWithItsName) {
    AUnitKeyAttributes::Instance()->length = omUK_cm;
    ANodeProperty* sheet = selectNodes({4});
    CPropertyPage* coordinates = show(sheet, kCoordinates);
    EXPECT_DOUBLE_EQ(std::stod(text(coordinates, 1000)), 400.0);
    EXPECT_DOUBLE_EQ(std::stod(text(coordinates, 1001)), -300.0);
    bool named = false;
    for (QLabel* label : coordinates->GetWidget()->findChildren<QLabel*>())
        named = named || label->text() == "cm";
    EXPECT_TRUE(named) << "the unit's name stands beside the coordinates";
    screenshot("node-sheet-centimetres.png");
}

} // namespace
