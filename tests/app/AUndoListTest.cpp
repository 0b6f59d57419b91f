#include "app/views/AUndoList.h"

#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeMap.h"
#include "app/views/AStrakon.h"
#include "common/omErrorContainer.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omGenericCrossSection.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omMaterial.h"
#include "model/omStrakon.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

class UndoListTest : public ::testing::Test {
protected:
    void SetUp() override {
        omErrorContainer::instance()->reset();
        model.setupObjects();
        model.addMaterial(new omMaterial(21000, 0, 1.2e-5, 0, 0.3, 1), 1);
        model.addCrossSection(new omGenericCrossSection(omUnitValue(100, omUK_cm2), omUnitValue(1e4, omUK_cm4), 1),
                              1);
        for (unsigned id = 1; id <= 2; ++id)
            model.addNode(new ANode2D(id * 4.0, 0, "m", id), 0);
    }
    void TearDown() override { omErrorContainer::instance()->reset(); }

    omNode* node(unsigned id) { return model.getNodeMap()->find(id); }
    omDesignElement* member(unsigned id) { return model.getElementMap()->find(id); }
    omDesignElement* addMember(unsigned id, unsigned from, unsigned to) {
        omDesignElement* m =
            model.addElement(new ALinearDesignElement2D(*model.getNodeMap(), from, to, 1, 1, id), id);
        m->bindNodes();
        m->bindCrossSection(*model.getCrossSectionMap());
        m->bindMaterial(*model.getMaterialMap());
        return m;
    }
    bool reported(unsigned code) const {
        for (const omErrorEntry& e : omErrorContainer::instance()->errors())
            if (e.code == code) return true;
        return false;
    }

    AStrakon model;
    AUndoList list;
};

} // namespace

TEST_F(UndoListTest, ReplaysTheNewestChangeFirst) {
    // The command removed node 2 and then created another node under its number.
    omNode* old = model.getNodeMap()->detach(2);
    list.add(old, omUndoItem::removed, true);
    omNode* fresh = model.addNode(new ANode2D(9, 9, "m", 2), 0);
    list.add(fresh, omUndoItem::created);

    EXPECT_EQ(list.Restore(model), 0);
    EXPECT_EQ(node(2), old);
    EXPECT_EQ(model.getNodeMap()->size(), 2u);
    // Nothing remains that points at the freed node, nor at the model's.
    EXPECT_TRUE(list.empty());
}

TEST_F(UndoListTest, SplitIsUndoneByRestoringTheMemberThenDeletingItsPieceAndNode) {
    omDesignElement* beam = addMember(1, 1, 2);
    // The split: a node in the middle, the member shortened to it, a new piece behind.
    omNode* middle = model.addNode(new ANode2D(6, 0, "m", 3), 0);
    list.add(middle, omUndoItem::created);
    list.add(beam->clone(), omUndoItem::modified);
    beam->setNodeIndex2(3);
    beam->bindNodes();
    omDesignElement* piece = addMember(2, 3, 2);
    list.add(piece, omUndoItem::created);

    EXPECT_EQ(list.Restore(model), 0);
    EXPECT_EQ(member(1), beam);
    EXPECT_EQ(beam->getNodeIndex2(), 2u);
    EXPECT_EQ(beam->getNode2(), node(2));
    EXPECT_EQ(member(2), nullptr);
    EXPECT_EQ(node(3), nullptr);
    EXPECT_TRUE(list.empty());
}

TEST_F(UndoListTest, RestoredMemberUsesTheMaterialsTheModelHoldsNow) {
    omDesignElement* beam = addMember(1, 1, 2);
    list.add(beam->clone(), omUndoItem::modified);

    // An edit of the materials and its Undo: the map's materials are replaced
    // twice, and the model's members bind to the new ones.
    auto& materials = static_cast<AMaterialMap&>(*model.getMaterialMap());
    auto& sections = static_cast<ACrossSectionMap&>(*model.getCrossSectionMap());
    for (int round = 0; round < 2; ++round) {
        std::unique_ptr<omMaterialMap> materialCopy(materials.clone());
        std::unique_ptr<omCrossSectionMap> sectionCopy(sections.clone());
        materials.Copy(*materialCopy);
        sections.Copy(*sectionCopy);
        model.bindMaterial();
        model.bindCrossSection();
    }

    EXPECT_EQ(list.Restore(model), 0);
    EXPECT_EQ(beam->getMaterial(), materials.find(1));
    EXPECT_EQ(beam->getCrossSection(), sections.find(1));
    // Read through the pointers: freed objects would be caught here.
    EXPECT_EQ(beam->getMaterial()->getIndex(), 1u);
    EXPECT_EQ(beam->getCrossSection()->getIndex(), 1u);
}

TEST_F(UndoListTest, RefusedObjectStaysWithItsItemAndIsReported) {
    omDesignElement* beam = addMember(1, 1, 2);
    omNode* removedNode = model.getNodeMap()->detach(2);
    list.add(removedNode, omUndoItem::removed, true);
    omDesignElement* removedMember = model.getElementMap()->detach(1);
    list.add(removedMember, omUndoItem::deleted, true);
    ASSERT_EQ(removedMember, beam);
    // Meanwhile other objects took both numbers.
    omNode* other = model.addNode(new ANode2D(7, 7, "m", 2), 0);
    omDesignElement* otherMember = addMember(1, 1, 2);

    EXPECT_EQ(list.Restore(model), 2);
    EXPECT_TRUE(reported(101));
    EXPECT_EQ(node(2), other);
    EXPECT_EQ(member(1), otherMember);
    // The refused member is still the item's, alive and owned.
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front().getObject(), static_cast<omUndoObject*>(removedMember));
    EXPECT_TRUE(list.front().isOwned());
    EXPECT_EQ(removedMember->getIndex(), 1u);
}

TEST_F(UndoListTest, ReaddedObjectsBelongToTheModel) {
    omNode* removedNode = model.getNodeMap()->detach(2);
    list.add(removedNode, omUndoItem::deleted, true);
    EXPECT_EQ(list.Restore(model), 0);
    EXPECT_EQ(node(2), removedNode);
    // The deletion's item stays but no longer owns the node: the model frees it.
    ASSERT_EQ(list.size(), 1u);
    EXPECT_FALSE(list.front().isOwned());
}

TEST_F(UndoListTest, CollectsTheDrawableObjectsOfTheSelectedStatuses) {
    omNode* created = model.addNode(new ANode2D(1, 1, "m", 5), 0);
    list.add(created, omUndoItem::created);
    list.add(model.getNodeMap()->detach(2), omUndoItem::removed, true);
    list.add(new omNode2D(0, 0, "m", 8), omUndoItem::modified); // not drawable
    list.add(node(1)->clone(), omUndoItem::modified);

    AObjectPtrContainer objects;
    AObject* before = dynamic_cast<ANode2D*>(node(1));
    objects.AddTail(before);
    EXPECT_EQ(list.GetObjects(objects, 15), 4);
    AObjectPtrContainer createdOnly;
    EXPECT_EQ(list.GetObjects(createdOnly, 1), 1);
    EXPECT_EQ(createdOnly.front(), dynamic_cast<ANode2D*>(created));
    EXPECT_EQ(AUndoList::GetDrawable(list.front()), dynamic_cast<ANode2D*>(list.front().getObject()));
}

TEST_F(UndoListTest, UndoOfACreatedNodeDropsTheLoadSheetCopyOfItsLoads) {
    omNode* created = model.addNode(new ANode2D(1, 1, "m", 5), 0);
    list.add(created, omUndoItem::created);
    auto& nodes = static_cast<ANodeMap&>(*model.getNodeMap());
    int copy = 0;
    nodes.SetEditedLoadGroup(reinterpret_cast<ANodeLoadGroup*>(&copy), created);
    list.Restore(model);
    EXPECT_EQ(nodes.GetEditedLoadGroup(), nullptr);
    EXPECT_EQ(node(5), nullptr);
}

TEST_F(UndoListTest, MembersAreDrawableObjectsOfTheRecord) {
    omDesignElement* beam = addMember(1, 1, 2);
    list.add(beam, omUndoItem::created);
    AObjectPtrContainer objects;
    ASSERT_EQ(list.GetObjects(objects, 1), 1);
    EXPECT_EQ(objects.front(), dynamic_cast<AObject*>(beam));
    list.Restore(model);
    EXPECT_EQ(member(1), nullptr);
    EXPECT_TRUE(list.empty());
}
