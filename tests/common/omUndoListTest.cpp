#include "common/omUndoList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// A model object that counts its deletions.
class TObject : public omUndoObject {
public:
    explicit TObject(int& deleted) : m_deleted(deleted) {}
    ~TObject() override { ++m_deleted; }

private:
    int& m_deleted;
};

std::vector<unsigned> statuses(const omUndoList& list) {
    std::vector<unsigned> out;
    for (const omUndoItem& item : list)
        out.push_back(item.getStatus());
    return out;
}
} // namespace

TEST(omUndoList, NewItemsStandFirst) {
    int deleted = 0;
    TObject a(deleted), b(deleted);
    omUndoList list;
    list.add(&a, omUndoItem::created);
    list.add(&b, omUndoItem::removed);
    list.add(nullptr, omUndoItem::deleted); // a detached id that named no object
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(statuses(list), (std::vector<unsigned>{8, 2, 1}));
    EXPECT_EQ(list.front().getObject(), nullptr);
    EXPECT_EQ(std::next(list.begin())->getObject(), &b);
}

TEST(omUndoList, ClearDropsTheItemsWhoseStatusIsInTheMask) {
    int deleted = 0;
    TObject created(deleted), removed(deleted), gone(deleted);
    omUndoList list;
    list.add(&created, omUndoItem::created);
    list.add(&removed, omUndoItem::removed);
    list.add(new TObject(deleted), omUndoItem::modified);
    list.add(&gone, omUndoItem::deleted);
    list.add(nullptr, omUndoItem::Status(3));

    list.clear(6);
    EXPECT_EQ(statuses(list), (std::vector<unsigned>{3, 8, 1}));
    EXPECT_EQ(deleted, 1); // the saved copy of the modified item
    list.clear(3);
    EXPECT_EQ(statuses(list), (std::vector<unsigned>{8}));
    list.clear(15);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(deleted, 1);
}

TEST(omUndoList, ItemsDeleteOnlyTheObjectsTheyOwn) {
    int deleted = 0;
    {
        omUndoList list;
        list.add(new TObject(deleted), omUndoItem::modified);      // the list's copy
        list.add(new TObject(deleted), omUndoItem::deleted, true); // taken out of the model
        TObject inModel(deleted);
        list.add(&inModel, omUndoItem::created, true); // the model keeps created objects
        EXPECT_FALSE(list.front().isOwned());
        list.clear(1);
        EXPECT_EQ(deleted, 0);
    }
    EXPECT_EQ(deleted, 3); // the copy, the removed object and the local object
}

TEST(omUndoList, AnObjectPutBackIntoTheModelIsNoLongerTheListsToDelete) {
    // A deletion records the detached object; undoing it puts the object back
    // into the model, and executing the command again clears the list.
    int deleted = 0;
    auto* node = new TObject(deleted);
    omUndoList list;
    list.add(node, omUndoItem::deleted, true);
    list.front().setOwned(false); // undo: the model holds it again
    list.clear(15);
    EXPECT_EQ(deleted, 0);
    delete node;
}

TEST(omUndoList, MovedItemsTakeTheirOwnershipAlong) {
    int deleted = 0;
    omUndoItem item(new TObject(deleted), omUndoItem::modified);
    omUndoItem moved(std::move(item));
    EXPECT_EQ(item.getObject(), nullptr);
    EXPECT_TRUE(moved.isOwned());
    omUndoList list;
    list.push_front(std::move(moved));
    EXPECT_EQ(deleted, 0);
    list.clear();
    EXPECT_EQ(deleted, 1);
}
