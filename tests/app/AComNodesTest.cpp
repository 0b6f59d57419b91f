#include "app/views/AComNodes.h"

#include "CommandRecordFixture.h"
#include "app/views/ANode2D.h"
#include "model/omNodeMap.h"
#include "rezavud/omVector.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class AComNodesTest : public CommandRecordFixture {
protected:
    ANode2D* node(unsigned id) { return dynamic_cast<ANode2D*>(model().getNodeMap()->find(id)); }
};

bool sameBits(const omUnitValue& a, const omUnitValue& b) {
    const double x = a.GetValue(), y = b.GetValue();
    return std::memcmp(&x, &y, sizeof x) == 0 && a.GetKey() == b.GetKey();
}

TEST_F(AComNodesTest, HundredUndoRedoRoundsOfAMoveLeaveTheCoordinatesBitIdentical) {
    // One node in cm, one in m: the move goes through a unit conversion.
    model().addNode(123.4, -56.7, "cm", 6);
    const unsigned ids[] = {2, 6};
    auto coordinates = [&] {
        std::vector<omUnitValue> values;
        for (unsigned id : ids) {
            values.push_back(*node(id)->getCoor(Ux, omNode::coorPlain));
            values.push_back(*node(id)->getCoor(Uz, omNode::coorPlain));
        }
        return values;
    };
    const auto before = coordinates();
    omVector d(2);
    d(1) = 0.1;
    d(2) = 0.1;
    ACommandManager& commands = doc->GetCommandManager();
    commands.AddCommand(new AComMoveNodes({2, 6}, d));
    const auto moved = coordinates();
    for (int round = 0; round < 100; ++round) {
        commands.Undo();
        const auto undone = coordinates();
        commands.Redo();
        const auto redone = coordinates();
        for (std::size_t i = 0; i < before.size(); ++i) {
            ASSERT_TRUE(sameBits(undone[i], before[i])) << "round " << round << " value " << i;
            ASSERT_TRUE(sameBits(redone[i], moved[i])) << "round " << round << " value " << i;
        }
    }
    EXPECT_FALSE(sameBits(moved[0], before[0]));
}

TEST_F(AComNodesTest, MovingTheOutermostNodeInwardShrinksTheExtentsAndUndoRestoresThem) {
    const omRect before = doc->GetExtents().m_nodeRect;
    doc->GetSelection().AddTail(node(5));
    doc->MoveSelection(-3.0, 0.0);
    EXPECT_DOUBLE_EQ(doc->GetExtents().m_nodeRect.right, 9.0);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(doc->GetExtents().m_nodeRect.right, before.right);
}

TEST_F(AComNodesTest, SettingSupportsShowsTheSymbolAndUndoHidesItAgain) {
    ASSERT_FALSE(node(2)->GetShowSupportSymbol());
    doc->SetNodeSupport(node(2), true, false, true, 45.0);
    EXPECT_TRUE(node(2)->GetShowSupportSymbol());
    EXPECT_TRUE(node(2)->getSupport(Ux));
    EXPECT_FALSE(node(2)->getSupport(Uz));
    EXPECT_EQ(node(2)->GetSupportAngle(), 45.0);
    doc->GetCommandManager().Undo();
    EXPECT_FALSE(node(2)->GetShowSupportSymbol());
    EXPECT_FALSE(node(2)->getSupport(Ux));
    EXPECT_FALSE(node(2)->getSupport(Ry));
    EXPECT_EQ(node(2)->GetSupportAngle(), 0.0);
}

TEST_F(AComNodesTest, ARedoneToggleLeavesTheSupportAsAfterTheFirstToggle) {
    doc->ToggleNodeSupport(node(5), 0);
    EXPECT_TRUE(node(5)->getSupport(Ux));
    doc->GetCommandManager().Undo();
    EXPECT_FALSE(node(5)->getSupport(Ux));
    doc->GetCommandManager().Redo();
    EXPECT_TRUE(node(5)->getSupport(Ux));
}

TEST_F(AComNodesTest, UndoOfANewNodeThatIsSelectedLeavesNoDanglingSelection) {
    doc->NewNode(3.0, -2.0, false);
    ANode2D* created = node(6);
    ASSERT_NE(created, nullptr);
    created->Select(true);
    doc->GetSelection().AddTail(created);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(model().getNodeMap()->find(6), nullptr);
    EXPECT_TRUE(doc->GetSelection().empty());
    EXPECT_EQ(doc->GetObjectList().GetCount(), 5 + 4);
}

} // namespace
