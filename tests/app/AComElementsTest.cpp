#include "app/views/AComElements.h"

#include "CommandRecordFixture.h"
#include "ViewDrawingSupport.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/AElementMap.h"
#include "app/views/ANode2D.h"
#include "model/omElementMap.h"
#include "model/omNodeMap.h"
#include "platform/gdi/CMetaFile.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class AComElementsTest : public CommandRecordFixture {
protected:
    omNode* nodeAt(double x, double z) {
        omVector cm(2);
        cm(1) = x * 100.0;
        cm(2) = z * 100.0;
        return model().getNodeMap()->findCoor(cm);
    }
    ALinearDesignElement2D* member(unsigned id) {
        return dynamic_cast<ALinearDesignElement2D*>(model().getElementMap()->find(id));
    }
};

TEST_F(AComElementsTest, SplittingIntoThreeMakesNodesAtThirdsAndUndoGivesTheMemberBack) {
    const auto before = record();
    doc->SplitElement(member(2), 3);
    EXPECT_NE(nodeAt(2.0, -4.0), nullptr);
    EXPECT_NE(nodeAt(4.0, -4.0), nullptr);
    EXPECT_EQ(model().getNodeMap()->size(), 7u);
    EXPECT_EQ(model().getElementMap()->size(), 6u);
    clearLogs();
    doc->GetCommandManager().Undo();
    EXPECT_EQ(projectCalls(), (std::vector<std::string>{"Elements", "Nodes"}));
    EXPECT_EQ(nodeAt(2.0, -4.0), nullptr);
    EXPECT_EQ(model().getElementMap()->size(), 4u);
    EXPECT_EQ(record(), before);
}

TEST_F(AComElementsTest, SplittingIntoOnePartChangesNothingButTellsTheViews) {
    const auto before = record();
    doc->SplitElement(member(2), 1);
    EXPECT_EQ(record(), before);
    EXPECT_EQ(view.hints, (std::vector<int>{2, 10}));
    doc->SplitElement(member(2), -4);
    EXPECT_EQ(record(), before);
}

TEST_F(AComElementsTest, AMemberAcrossTwoMembersIsUndoneWithItsCrossingNodes) {
    const auto before = record();
    doc->NewElement(nullptr, nullptr, {1.0, -5.0}, {7.0, -1.0}, false, true);
    EXPECT_NE(nodeAt(2.5, -4.0), nullptr);
    EXPECT_GT(model().getElementMap()->size(), 6u);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(nodeAt(2.5, -4.0), nullptr);
    EXPECT_EQ(model().getNodeMap()->size(), 5u);
    EXPECT_EQ(model().getElementMap()->size(), 4u);
    EXPECT_EQ(record(), before);
}

// A member drawn with splitting that ends on another member's span, or that
// lies on it: the insertion ends, no node is doubled, and Undo gives the frame back.
TEST_F(AComElementsTest, AMemberEndingOnOrLyingAlongAnotherIsInsertedOnceAndUndone) {
    struct Case {
        const char* name;
        omPoint start, end;
        // The drawn one and the piece of a member split at its end; 0: not counted
        // (other members cross the one drawn along the span).
        std::size_t newMembers;
    };
    const Case cases[] = {
        {"ends on the span", {3.0, -6.0}, {3.0, -4.0}, 2},
        {"starts on the span", {3.0, -4.0}, {3.0, -6.0}, 2},
        {"lies along the span", {1.0, -4.0}, {5.0, -4.0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = record();
        const std::size_t nodes = model().getNodeMap()->size();
        const std::size_t members = model().getElementMap()->size();
        doc->NewElement(nullptr, nullptr, c.start, c.end, false, true);
        if (c.newMembers) {
            EXPECT_EQ(model().getElementMap()->size(), members + c.newMembers);
        }
        EXPECT_NE(nodeAt(c.start.x, c.start.y), nullptr);
        EXPECT_NE(nodeAt(c.end.x, c.end.y), nullptr);
        EXPECT_EQ(model().getNodeMap()->size(), nodes + 2);
        doc->GetCommandManager().Undo();
        EXPECT_EQ(record(), before);
    }
}

TEST_F(AComElementsTest, AMemberFromAnExistingNodeMakesOnlyTheOtherNode) {
    doc->NewElement(nullptr, nullptr, {12.0, -4.0}, {12.0, 0.0}, false, false);
    EXPECT_EQ(model().getNodeMap()->size(), 6u);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(model().getNodeMap()->size(), 5u);
    EXPECT_NE(model().getNodeMap()->find(5), nullptr);
}

TEST_F(AComElementsTest, AMemberWithBothEndsOutsideTheExtentsEndsInsideThem) {
    doc->NewElement(nullptr, nullptr, {-3.0, -6.0}, {15.0, 2.0}, false, false);
    const omRect& r = doc->GetExtents().m_nodeRect;
    EXPECT_LE(r.left, -3.0);
    EXPECT_LE(r.top, -6.0);
    EXPECT_GE(r.right, 15.0);
    EXPECT_GE(r.bottom, 2.0);
    EXPECT_EQ(view.hints.front(), 3);
}

TEST_F(AComElementsTest, TogglingAReleaseTwiceLeavesTheMemberAsBefore) {
    const bool before = member(1)->isReleased(omDesignElement::first, Ry);
    doc->ToggleElementRelease(member(1), 0, 4);
    EXPECT_NE(member(1)->isReleased(omDesignElement::first, Ry), before);
    doc->GetCommandManager().Undo();
    EXPECT_EQ(member(1)->isReleased(omDesignElement::first, Ry), before);
}

TEST_F(AComElementsTest, UndoingASplitOfAMemberWhoseLoadSheetIsOpenDrawsTheLoadsCleanly) {
    // The open sheet edits a copy of member 2's loads; the Undo gives member 2
    // its former loads back, so the map must forget the copy's owner link.
    AElementMap* map = model().GetElementMap();
    std::unique_ptr<omElementLoadGroup> copy(member(2)->getLoad()->clone());
    auto* edited = dynamic_cast<AElementLoadGroup*>(copy.get());
    ASSERT_NE(edited, nullptr);
    doc->SplitElement(member(2), 2);
    map->SetCurrentLoadGroup(edited, member(2));
    doc->GetCommandManager().Undo();
    EXPECT_EQ(map->GetCurrentLoadGroup(), nullptr);
    CMetaFileDC rec(&viewdrawing::LometricScreen());
    AMapC2L view = viewdrawing::HundredPerMetre();
    model().DrawLoads(view, rec, omRect(-20, -20, 20, 20), 0, *ADrawAttributes::Instance());
    EXPECT_FALSE(rec.GetMetaFile().IsEmpty());
}

} // namespace
