#include "app/views/ANode2D.h"

#include "SettingsFixture.h"
#include "app/views/ANodeMap.h"
#include "controls/AMapC2L.h"
#include "controls/ASimpleObject.h"
#include "model/omDofVector.h"
#include "platform/gdi/CMetaFile.h"

#include <memory>

#include <gtest/gtest.h>

using Type = CMetaRecord::Type;

namespace {

int count(const CMetaFile& f, Type t) {
    int n = 0;
    for (const CMetaRecord& r : f.Records())
        n += r.type == t;
    return n;
}

class NodeTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        attributes().m_nodeSize = 0.3;
        // 100 logical units per metre.
        map.SetTotalCU(omRect(-10, -10, 10, 10));
        map.SetMap_tc_tl(CRect(0, 0, 2000, 2000), AMapC2L::posCenter, AMapC2L::posCenter);
    }
    static ADrawAttributes& attributes() { return *ADrawAttributes::Instance(); }

    CMetaFile draw(ANode2D& node, int mode = 0) {
        CMetaFileDC dc;
        node.Draw(map, dc, mode, attributes());
        return dc.Close();
    }

    AMapC2L map;
};

} // namespace

TEST_F(NodeTest, SymbolFollowsTheShownSupports) {
    enum Kind { generic, pinned, roller, fixed };
    struct Case {
        bool shown, ux, uz, fiy;
        Kind kind;
    };
    const Case cases[] = {
        {false, true, true, true, generic}, {false, true, true, false, generic},
        {true, false, false, false, generic}, {true, false, false, true, generic},
        {true, true, true, false, pinned},   {true, true, false, false, roller},
        {true, false, true, false, roller},  {true, true, true, true, fixed},
        {true, true, false, true, generic},
    };
    attributes().m_showNodeIndex = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shown << c.ux << c.uz << c.fiy);
        ANode2D node(1, 2, "m", 1);
        node.SetShowSupportSymbol(c.shown);
        node.setSupport(Ux, c.ux);
        node.setSupport(Uz, c.uz);
        node.setSupport(Ry, c.fiy);
        const CMetaFile f = draw(node);
        switch (c.kind) {
        case generic:
            EXPECT_EQ(count(f, Type::polygon), 0);
            EXPECT_EQ(count(f, Type::ellipse), 1);
            EXPECT_EQ(count(f, Type::lineTo), 2 * (c.ux + c.uz + c.fiy));
            break;
        case pinned:
        case roller:
            EXPECT_EQ(count(f, Type::polygon), 1);
            EXPECT_EQ(count(f, Type::ellipse), 1);
            EXPECT_EQ(count(f, Type::lineTo), c.kind == roller ? 1 : 0);
            break;
        case fixed:
            EXPECT_EQ(count(f, Type::polygon), 1);
            EXPECT_EQ(count(f, Type::ellipse), 0);
            EXPECT_EQ(count(f, Type::lineTo), 5);
            break;
        }
        EXPECT_EQ(count(f, Type::textOut), 0);
    }
}

TEST_F(NodeTest, IndexLabelIsDrawnUnlessItWouldBeBelowOneUnit) {
    ANode2D node(1, 2, "m", 17);
    CMetaFile f = draw(node);
    ASSERT_EQ(count(f, Type::textOut), 1);
    for (const CMetaRecord& r : f.Records()) {
        if (r.type == Type::textOut) {
            EXPECT_EQ(r.text, "17");
        }
    }
    // A structure so small on the page that the label would round to nothing.
    map.SetTotalCU(omRect(-10000, -10000, 10000, 10000));
    map.SetMap_tc_tl(CRect(0, 0, 2000, 2000), AMapC2L::posCenter, AMapC2L::posCenter);
    f = draw(node);
    EXPECT_EQ(count(f, Type::textOut), 0);
    for (const CMetaRecord& r : f.Records())
        EXPECT_NE(r.type, Type::selectFont);
}

TEST_F(NodeTest, TipTextListsIdCoordinatesAndDegreesOfFreedom) {
    ANode2D node(1.5, -2, "m", 7);
    node.setSupport(Uz, true);
    EXPECT_EQ(std::string(node.GetTipText({})),
              " id = 7\nCoor. = (1.50,-2.00)\nDOF: Ux, free\nDOF: Uz, supp.\nDOF: Ry, free");
}

TEST_F(NodeTest, BoundingRectangleMakesRoomForTheIndex) {
    ANode2D node(1, 2, "m", 1);
    const double h = 0.3 * 2.55;
    attributes().m_showNodeIndex = false;
    EXPECT_EQ(node.GetBoundingRect(true), omRect(1 - h, 2 - h, 1 + h, 2 + h));
    EXPECT_EQ(node.GetBoundingRect(false), omRect(1 - 0.18, 2 - 0.18, 1 + 0.18, 2 + 0.18));
    attributes().m_showNodeIndex = true;
    EXPECT_EQ(node.GetBoundingRect(true), omRect(1 - 3 * h, 2 - 3 * h, 1 + h, 2 + h));
    EXPECT_EQ(node.GetBoundingRect(false), omRect(1 - 0.18, 2 - 0.18, 1 + 0.18, 2 + 0.18));
}

TEST_F(NodeTest, DistanceIsZeroInsideTheSymbol) {
    ANode2D node(1, 2, "m", 1);
    EXPECT_EQ(node.GetDistance({1.1, 2}), 0.0);
    EXPECT_NEAR(node.GetDistance({4, 6}), 5 - 0.15, 1e-12);
}

TEST_F(NodeTest, ResultTextsShowReactionsAndBothExtremesOfAnEnvelope) {
    AOptionsAttributes::Instance()->workFormat = omNumberFormat(2, omNumberFormat::Type(0), false);
    AUnitKeyAttributes::Instance()->force = omUK_kN;
    AUnitKeyAttributes::Instance()->length = omUK_cm;
    omDofVector a(omDofStrakonStructureType::instance()), b(omDofStrakonStructureType::instance());
    a.getDof(Uz) = 12.5;
    b.getDof(Uz) = -3.25;
    const std::string first = AOptionsAttributes::Instance()->workFormat.CConvert(12.5);
    const std::string second = AOptionsAttributes::Instance()->workFormat.CConvert(-3.25);
    EXPECT_EQ(std::string(ANode2D::FormatResult(&a, &b, Uz, false)), first + " [" + second + "]");
    EXPECT_EQ(std::string(ANode2D::FormatResult(&a, nullptr, Uz, true)), "Fz:" + first);
    EXPECT_EQ(std::string(ANode2D::FormatResult(&a, nullptr, Ry, true)), "My:" +
              AOptionsAttributes::Instance()->workFormat.CConvert(0.0));
}

TEST_F(NodeTest, ResultsOfAMissingCaseOrEnvelopeDrawNothing) {
    ANode2D node(1, 2, "m", 1);
    for (unsigned c : {0u, 1u, 5u, 1001u, 1002u}) {
        CMetaFileDC dc;
        node.DrawResults(map, dc, 0, c, 1.0, true, true, false);
        EXPECT_TRUE(dc.Close().IsEmpty()) << c;
    }
}

TEST_F(NodeTest, DragShapeOnlyForASelectedNode) {
    ANode2D node(1, 2, "m", 1), other(3, 4, "m", 2);
    AObjectPtrContainer selection;
    selection.AddTail(&other);
    ASimpleObjectGroup group;
    node.AddDragShapes(group, selection);
    EXPECT_EQ(group.GetShapeCount(), 0);
    selection.AddTail(&node);
    node.AddDragShapes(group, selection);
    EXPECT_EQ(group.GetShapeCount(), 1);
}

TEST_F(NodeTest, FactoriesMakeDrawableNodesAndCopiesKeepTheDisplayFields) {
    ANode2D node(1, 2, "m", 4);
    node.SetShowSupportSymbol(true);
    node.SetSupportAngle(90);
    node.Select(true);
    std::unique_ptr<omNode> copy(node.clone());
    auto* drawable = dynamic_cast<ANode2D*>(copy.get());
    ASSERT_NE(drawable, nullptr);
    EXPECT_TRUE(drawable->GetShowSupportSymbol());
    EXPECT_EQ(drawable->GetSupportAngle(), 90);
    EXPECT_EQ(drawable->getIndex(), 4u);
    std::unique_ptr<omNode> fresh(node.create());
    EXPECT_NE(dynamic_cast<ANode2D*>(fresh.get()), nullptr);
    ANode2D target(0, 0, "m", 9);
    target.copy(node);
    EXPECT_TRUE(target.IsSelected());
    EXPECT_EQ(target.GetSupportAngle(), 90);
    EXPECT_EQ(target.getIndex(), 4u);
    EXPECT_EQ(node.GetMenuResourceId(), 152u);
    EXPECT_EQ(node.GetObjectType(), 1);
    EXPECT_FALSE(node.GetCursor().pixmap().isNull());
}

TEST_F(NodeTest, MapDrawsOnlyNodesInTheClipAndForgetsALeavingNodesEditedLoads) {
    ANodeMap nodes;
    auto* a = new ANode2D(0, 0, "m", 1);
    auto* b = new ANode2D(8, 0, "m", 2);
    ASSERT_TRUE(nodes.insert(a));
    ASSERT_TRUE(nodes.insert(b));
    attributes().m_showNodeIndex = false;
    CMetaFileDC dc;
    nodes.Draw(map, dc, omRect(-1, -1, 1, 1), 0, attributes());
    EXPECT_EQ(count(dc.Close(), Type::ellipse), 1);

    std::vector<std::string> names;
    nodes.GetNodeNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"1", "2"}));

    // The sheet's copy is never read through the map here: any address stands for it.
    int copy = 0;
    auto* edited = reinterpret_cast<ANodeLoadGroup*>(&copy);
    nodes.SetEditedLoadGroup(edited, b);
    EXPECT_EQ(nodes.GetLiveEditedLoadGroup(), edited);
    EXPECT_FALSE(nodes.DropEditedLoadGroup(a));
    EXPECT_EQ(nodes.GetEditedLoadGroup(), edited);
    // A node that leaves without the drop: the copy is no longer drawn.
    nodes.erase(2);
    EXPECT_EQ(nodes.GetLiveEditedLoadGroup(), nullptr);
    EXPECT_TRUE(nodes.DropEditedLoadGroup(nullptr));
    EXPECT_EQ(nodes.GetEditedLoadGroup(), nullptr);
}
