#include "StrakonDocumentFixture.h"
#include "StrakonModelSupport.h"

#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "controls/ASimpleObject.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace strakonmodel;

class AStrakonDocumentSelectionTest : public StrakonDocumentFixture {
protected:
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        ASSERT_NE(dynamic_cast<AStrakon*>(doc->GetModel()), nullptr) << "the document's model draws";
        // Two columns joined by a beam: nodes 1 to 4, members 1 to 3.
        basics(model());
        model().addNode(0.0, 0.0, "cm", 1);
        model().addNode(0.0, -300.0, "cm", 2);
        model().addNode(500.0, -300.0, "cm", 3);
        model().addNode(500.0, 0.0, "cm", 4);
        model().addElement(1, 2, 1, 1, 1);
        model().addElement(2, 3, 1, 1, 2);
        model().addElement(3, 4, 1, 1, 3);
        model().bind();
    }
    AObject* nodeObject(unsigned n) { return dynamic_cast<AObject*>(model().getNodeMap()->find(n)); }
    AObject* elementObject(unsigned e) { return dynamic_cast<AObject*>(model().getElementMap()->find(e)); }
    void select(std::initializer_list<AObject*> objects) {
        for (AObject* object : objects) {
            object->Select(true);
            doc->GetSelection().AddTail(object);
        }
    }
};

TEST_F(AStrakonDocumentSelectionTest, CollectingFillsTheObjectListAndClearingEmptiesBothLists) {
    EXPECT_EQ(doc->CollectNodes(), 4);
    EXPECT_EQ(doc->CollectElements(), 3);
    EXPECT_EQ(doc->GetObjectList().GetCount(), 7);

    AObjectPtrContainer more;
    more.AddTail(nodeObject(1));
    more.AddTail(elementObject(2));
    doc->AddObjects(more);
    EXPECT_TRUE(more.IsEmpty());
    EXPECT_EQ(doc->GetObjectList().GetCount(), 9);
    EXPECT_TRUE(std::is_sorted(doc->GetObjectList().begin(), doc->GetObjectList().end()));

    select({nodeObject(2), elementObject(1)});
    doc->ClearObjects(false);
    EXPECT_TRUE(doc->GetObjectList().IsEmpty());
    EXPECT_TRUE(doc->GetSelection().IsEmpty());
    EXPECT_FALSE(nodeObject(2)->IsSelected());
    EXPECT_TRUE(view.hints.empty());
}

// Looks at the objects of hint 2 while the hint is being sent.
class RedrawListView : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM lHint, CObject* pHint) override {
        if (lHint != 2) return;
        auto* redraw = dynamic_cast<AObjectListHint*>(pHint);
        lists.push_back(redraw ? redraw->GetCount() : -1);
    }
    std::vector<int> lists;
};

TEST_F(AStrakonDocumentSelectionTest, ClearingAnEmptySelectionStillTellsTheViews) {
    RedrawListView redraw;
    doc->AddView(&redraw);
    doc->ClearObjects(true);
    select({nodeObject(2), elementObject(1)});
    doc->ClearObjects(true);
    doc->RemoveView(&redraw);
    EXPECT_EQ(view.hints, std::vector<int>({2, 2}));
    // The views take the hint's objects as the list of objects to redraw.
    EXPECT_EQ(redraw.lists, std::vector<int>({0, 2}));
}

TEST_F(AStrakonDocumentSelectionTest, MovingNeedsANodeAndTakesItsMembersAlong) {
    select({elementObject(1), elementObject(2)});
    ASimpleObjectGroup outline;
    EXPECT_FALSE(doc->BeginMove(nullptr, &outline));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text,
              "No movable objects were selected!\nE.g.: Elements are not movable,\nhowever nodes are movable.");
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Warning");
    EXPECT_EQ(prompts.MessageBoxes()[0].type & 0xF0, MB_ICONEXCLAMATION);
    EXPECT_EQ(outline.GetShapeCount(), 0);

    select({nodeObject(2)});
    EXPECT_TRUE(doc->BeginMove(nullptr, &outline));
    EXPECT_GT(outline.GetShapeCount(), 0);
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
}

TEST_F(AStrakonDocumentSelectionTest, AMemberOverAnotherIsPutOnlyWhenTheUserSaysYes) {
    const omNode* n1 = model().getNodeMap()->find(1);
    const omNode* n2 = model().getNodeMap()->find(2);
    const omNode* n3 = model().getNodeMap()->find(3);
    prompts.QueueMessageBoxAnswer(IDNO);
    EXPECT_FALSE(doc->ConfirmNewElement(n2, n1)) << "either order of the nodes";
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text,
              "An element which has excatly the same nodes already exists!\nDo you realy want to put another "
              "element over the existing one?\n\nHint: Answer NO unless you have a good reason to overlay the "
              "element.");
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Warning");
    EXPECT_EQ(prompts.MessageBoxes()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2));
    prompts.QueueMessageBoxAnswer(IDYES);
    EXPECT_TRUE(doc->ConfirmNewElement(n1, n2));
    EXPECT_TRUE(doc->ConfirmNewElement(n1, n3)) << "no member joins them";
    EXPECT_TRUE(doc->ConfirmNewElement(n1, nullptr));
    EXPECT_EQ(prompts.MessageBoxes().size(), 2u);
}

TEST_F(AStrakonDocumentSelectionTest, DeletingNodesTakesEveryMemberUsingThemOnce) {
    select({nodeObject(2), nodeObject(3), elementObject(2)});
    const AStrakonDocument::Deletion deletion = doc->SortSelectionForDeletion();
    EXPECT_FALSE(deletion.loadsOnly);
    EXPECT_EQ(deletion.nodes, std::vector<unsigned>({2, 3}));
    std::vector<unsigned> elements = deletion.elements;
    std::sort(elements.begin(), elements.end());
    EXPECT_EQ(elements, std::vector<unsigned>({1, 2, 3}));
}

TEST_F(AStrakonDocumentSelectionTest, TheDisplacedShapesMarginOfEnvelopeTwoComesFromResultCase1002) {
    omLoadManager* manager = model().getLoadManager();
    manager->addEnvelope(new omEnvelope());
    manager->addEnvelope(new omEnvelope());
    omDisplacementVector small(model().getStructureType());
    small.getDof(Ux) = 1.0;
    omDisplacementVector large(model().getStructureType());
    large.getDof(Uz) = -800.0;
    const omForceVector none(model().getStructureType());
    manager->getEnvelope(1)->checkMaximum(none, small, 0.0);
    manager->getEnvelope(2)->checkMaximum(none, large, 0.0);
    doc->GetExtents().AddPoint(0.0, 0.0);
    doc->GetExtents().AddPoint(5.0, -3.0);

    doc->SetActiveResultCase(1002, false);
    omRect got, expected, first;
    doc->GetDrawExtents(got, omUnitKey(2), AExtents2D::modeDisplaced, 0);
    doc->GetExtents().GetExtentsRect(expected, omUnitKey(2), AExtents2D::modeDisplaced, 800.0);
    EXPECT_EQ(got.left, expected.left);
    EXPECT_EQ(got.bottom, expected.bottom);
    doc->GetDrawExtents(first, omUnitKey(2), AExtents2D::modeDisplaced, 1001);
    EXPECT_NE(first.left, got.left) << "envelope 1 gives another margin";
    omRect missing, plain;
    doc->GetDrawExtents(missing, omUnitKey(2), AExtents2D::modeDisplaced, 1009);
    doc->GetExtents().GetExtentsRect(plain, omUnitKey(2), AExtents2D::modeDisplaced, 0.0);
    EXPECT_EQ(missing.left, plain.left) << "a missing envelope adds nothing";
    EXPECT_FALSE(omErrorContainer::instance()->hasErrors());
}

} // namespace
