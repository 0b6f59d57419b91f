#include "controls/AObject.h"

#include "controls/AMapC2L.h"

#include <gtest/gtest.h>

namespace {

class TObject : public AObject {
public:
    explicit TObject(int type = 1) : m_type(type) {}
    int GetObjectType() const override { return m_type; }
    omRect GetBoundingRect(bool) const override { return omRect(0, 1, 1, 0); }
    void Draw(AMapC2L&, CDC&, int, const ADrawAttributes&) override {}
    double GetDistance(const omPoint& p) const override { return p.length(); }
    void AddDragShapes(ASimpleObjectGroup&, const AObjectPtrContainer&) override {}
    omPoint GetReferencePoint(AMapC2L&, const omPoint& p) override { return p; }

private:
    int m_type;
};

} // namespace

TEST(AObject, SelectionFlagTogglesAndCopies) {
    TObject a;
    EXPECT_FALSE(a.IsSelected());
    a.Toggle();
    EXPECT_TRUE(a.IsSelected());
    TObject b(a);
    EXPECT_TRUE(b.IsSelected());
    a.Select(false);
    b.copy(a);
    EXPECT_FALSE(b.IsSelected());
}

TEST(AObject, ComparesByIdentityAndAddress) {
    TObject objects[2];
    const AObject& first = objects[0];
    const AObject& second = objects[1];
    EXPECT_TRUE(first == first);
    EXPECT_FALSE(first == second);
    EXPECT_TRUE(first < second);
    EXPECT_FALSE(second < first);
}

TEST(AObject, BaseAnswersNothingSpecial) {
    TObject a;
    EXPECT_EQ(a.GetPropertySheet(), nullptr);
    EXPECT_EQ(a.GetTipText(omPoint(1, 2)), "");
    EXPECT_EQ(a.GetTipColor(), 0u);
    EXPECT_EQ(a.GetMenuResourceId(), 0u);
    EXPECT_EQ(a.GetCursor().shape(), Qt::CrossCursor);
}

TEST(AObjectPtrContainer, HoldsObjectsItDoesNotOwn) {
    TObject node(1), otherNode(1), member(2);
    AObjectPtrContainer selection;
    EXPECT_TRUE(selection.IsEmpty());
    EXPECT_TRUE(selection.AreTheSameType());
    selection.AddTail(&node);
    selection.AddTail(&otherNode);
    EXPECT_EQ(selection.GetCount(), 2);
    EXPECT_TRUE(selection.AreTheSameType());
    selection.AddTail(&member);
    EXPECT_FALSE(selection.AreTheSameType());
    EXPECT_TRUE(selection.Contains(&member));
    EXPECT_TRUE(selection.Remove(&member));
    EXPECT_FALSE(selection.Remove(&member));
    EXPECT_EQ(selection.front(), &node);
    selection.RemoveAll();
    EXPECT_TRUE(selection.IsEmpty());
    EXPECT_EQ(node.GetObjectType(), 1); // still there
}
