#include "model/omId.h"
#include "model/omIndexMap.h"

#include <gtest/gtest.h>

namespace {

// Counts live objects so that the tests can see every delete.
struct TItem : omId {
    static inline int alive = 0;
    explicit TItem(unsigned id) : omId(id) { ++alive; }
    TItem(const TItem& o) : omId(o) { ++alive; }
    virtual ~TItem() { --alive; }
    TItem* clone() const { return new TItem(*this); }
};

using TMap = omIndexMap<TItem>;

class IndexMap : public ::testing::Test {
protected:
    void SetUp() override { TItem::alive = 0; }
    void TearDown() override { EXPECT_EQ(TItem::alive, 0); }
};

TEST_F(IndexMap, UniqueIndexFollowsTheGreatestNumber) {
    TMap m;
    EXPECT_EQ(m.getUniqueIndex(), 1u);
    for (unsigned id : {1u, 2u, 7u}) ASSERT_TRUE(m.insert(new TItem(id)));
    EXPECT_EQ(m.getUniqueIndex(), 8u);
    EXPECT_TRUE(m.erase(7));
    EXPECT_EQ(m.getUniqueIndex(), 3u);
}

TEST_F(IndexMap, TakenNumberLeavesTheObjectWithTheCaller) {
    TMap m;
    auto* first = new TItem(4);
    auto* second = new TItem(4);
    EXPECT_TRUE(m.insert(first));
    EXPECT_FALSE(m.insert(second));
    EXPECT_EQ(m.find(4), first);
    delete second;
    EXPECT_FALSE(m.insert(nullptr));
}

TEST_F(IndexMap, AutoIdOverwritesTheObjectsNumber) {
    TMap m;
    m.insert(new TItem(3));
    m.insert(new TItem(5));
    for (unsigned before : {2u, 0u}) {
        auto* t = new TItem(before);
        ASSERT_TRUE(m.insertAutoId(t));
        EXPECT_EQ(t->getIndex(), m.size() == 3 ? 6u : 7u);
    }
}

TEST_F(IndexMap, EraseDetachAndReinsert) {
    TMap m;
    m.insert(new TItem(1));
    EXPECT_FALSE(m.erase(9));
    EXPECT_EQ(m.detach(9), nullptr);
    TItem* t = m.detach(1);
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(m.exist(1));
    EXPECT_EQ(TItem::alive, 1);
    EXPECT_TRUE(m.insert(t));
    EXPECT_EQ(m.find(1), t);
}

TEST_F(IndexMap, DetachedObjectSurvivesTheMap) {
    TItem* kept = nullptr;
    {
        TMap m;
        m.insert(new TItem(1));
        m.insert(new TItem(2));
        kept = m.detach(2);
    }
    EXPECT_EQ(TItem::alive, 1);
    delete kept;
}

TEST_F(IndexMap, CopyMakesDistinctObjectsAndReplacesTheOldOnes) {
    TMap a, b;
    a.insert(new TItem(2));
    a.insert(new TItem(9));
    b.insert(new TItem(4));
    b.copy(a);
    EXPECT_EQ(b.size(), 2u);
    EXPECT_FALSE(b.exist(4));
    ASSERT_NE(b.find(2), nullptr);
    EXPECT_NE(b.find(2), a.find(2));
    EXPECT_EQ(b.find(9)->getIndex(), 9u);
    EXPECT_EQ(TItem::alive, 4); // the replaced object 4 was deleted
    TMap empty;
    b.copy(empty);
    EXPECT_TRUE(b.empty());
}

} // namespace
