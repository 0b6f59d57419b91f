#include "app/views/ANodeLoadGroup.h"

#include "SettingsFixture.h"
#include "ViewDrawingSupport.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeMap.h"
#include "model/omLoad.h"

#include <algorithm>
#include <memory>

using viewdrawing::Texts;

namespace {

const omDofStructureType* layout() {
    return omDofStrakonStructureType::instance();
}

omLoadForce* force(const char* name, unsigned group, double fx, double fz, double my = 0.0) {
    auto* load = new omLoadForce(name, layout(), group);
    load->setF(Ux, omUnitValue(fx, omUK_kN));
    load->setF(Uz, omUnitValue(fz, omUK_kN));
    load->setF(Ry, omUnitValue(my, omUK_kNm));
    return load;
}

omLoadDisplacement* displacement(const char* name, unsigned group, double uz) {
    auto* load = new omLoadDisplacement(name, layout(), group);
    load->setU(Uz, omUnitValue(uz, omUK_cm));
    return load;
}

class ANodeLoadGroupTest : public SettingsFixture {
protected:
    ANodeLoadGroup& group() {
        auto* g = dynamic_cast<ANodeLoadGroup*>(node.getLoad());
        EXPECT_NE(g, nullptr) << "the node's factory makes drawable load groups";
        return *g;
    }
    CMetaFile draw() {
        CMetaFileDC rec(&viewdrawing::LometricScreen());
        AMapC2L map = viewdrawing::HundredPerMetre();
        group().Draw(map, rec, 0, *ADrawAttributes::Instance());
        return rec.GetMetaFile();
    }
    CString label() { return group().GetLabelText(static_cast<int>(group().GetShownLoad())); }

    ANode2D node{1.0, -2.0, "m", 7};
};

} // namespace

TEST_F(ANodeLoadGroupTest, TwoForcesShowTheirSumThenEachInTurnThenAllAgain) {
    node.addLoad(force("F1", 1, 3.0, 0.0));
    node.addLoad(force("F2", 1, 2.0, 4.0));
    group().SetActiveLoadGroup(1);
    EXPECT_EQ(group().GetLoadValue(Ux, 0), omUnitValue(5.0, omUK_kN));
    EXPECT_EQ(group().GetLoadValue(Uz, 0), omUnitValue(4.0, omUK_kN));
    EXPECT_EQ(label(), "All loads");
    std::vector<std::string> texts = Texts(draw());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "All loads"), texts.end());

    group().Toggle(); // the first click selects
    EXPECT_TRUE(group().IsSelected());
    EXPECT_EQ(label(), "All loads");
    const char* const expected[] = {"1/2: F1", "2/2: F2", "All loads"};
    const double fx[] = {3.0, 2.0, 5.0};
    for (int i = 0; i < 3; ++i) {
        group().Toggle();
        EXPECT_TRUE(group().IsSelected());
        EXPECT_EQ(label(), expected[i]);
        EXPECT_EQ(group().GetLoadValue(Ux, static_cast<int>(group().GetShownLoad())), omUnitValue(fx[i], omUK_kN));
        texts = Texts(draw());
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected[i]), texts.end()) << expected[i];
    }
    // The first load alone has no Fz: its value draws no text of its own.
    EXPECT_TRUE(group().GetLoadValue(Uz, 1) == omUnitValue(0.0, omUK_kN));
}

TEST_F(ANodeLoadGroupTest, AForceWithADisplacementDrawsAMixedSumThreeTimes) {
    node.addLoad(force("F1", 1, 3.0, 1.0, 2.0));
    node.addLoad(displacement("D1", 1, 0.5));
    group().SetActiveLoadGroup(1);
    for (omDofType dof : {Ux, Uz, Ry})
        EXPECT_FALSE(group().GetLoadValue(dof, 0).HasUnit()) << dof;
    const std::vector<std::string> texts = Texts(draw());
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Mix: U+F"), 3);
    // One kind alone keeps its unit.
    EXPECT_EQ(group().GetLoadValue(Uz, 2), omUnitValue(0.5, omUK_cm));
}

TEST_F(ANodeLoadGroupTest, ANodeWhoseLoadsBelongToOtherActionsDrawsNothing) {
    node.addLoad(force("F1", 1, 3.0, 0.0));
    node.addLoad(force("F2", 3, 3.0, 0.0));
    group().SetActiveLoadGroup(2);
    EXPECT_EQ(group().GetLoadCount(), 0);
    EXPECT_TRUE(draw().IsEmpty());
    EXPECT_EQ(group().GetTipText(omPoint()), "Loads: 0");
    // A toggle on a group without loads selects and deselects it.
    group().Toggle();
    group().Toggle();
    EXPECT_FALSE(group().IsSelected());
}

TEST_F(ANodeLoadGroupTest, AddingShowsTheNewLoadAndRemovingTheShownLastShowsTheNewLast) {
    node.addLoad(force("F1", 1, 1.0, 0.0));
    EXPECT_EQ(label(), "1/1: F1");
    node.addLoad(force("F2", 1, 2.0, 0.0));
    EXPECT_EQ(label(), "2/2: F2");
    // A load of another action is kept by the model but not listed.
    node.addLoad(force("Other", 2, 9.0, 0.0));
    EXPECT_EQ(label(), "2/2: F2");
    EXPECT_EQ(group().size(), 3);
    // Without an action it joins the one shown.
    omLoadForce* joined = force("F3", 0, 3.0, 0.0);
    group().add(joined);
    EXPECT_EQ(joined->getLoadGroupIndex(), 1u);
    EXPECT_EQ(label(), "3/3: F3");
    group().remove(joined);
    EXPECT_EQ(label(), "2/2: F2");
    EXPECT_EQ(group().size(), 3);
    // Removing a load before the shown one keeps the shown index where the list still reaches.
    group().remove(group().GetListedLoad(1));
    EXPECT_EQ(label(), "1/1: F2");
}

TEST_F(ANodeLoadGroupTest, TheTipListsTheLoadsWithTheirKinds) {
    node.addLoad(force("F1", 1, 1.0, 0.0));
    node.addLoad(displacement("D1", 1, 0.5));
    EXPECT_EQ(group().GetTipText(omPoint()), "Loads: 2\n1: F1-F\n2: D1-D");
}

TEST_F(ANodeLoadGroupTest, ALongTipIsCutAtNinetyNineBytesOnACharacterBoundary) {
    // Two-byte characters from byte 12 on put byte 99 inside a character.
    std::string name;
    for (int i = 0; i < 60; ++i)
        name += "\xC3\xBC"; // ü
    node.addLoad(force(name.c_str(), 1, 1.0, 0.0));
    const CString tip = group().GetTipText(omPoint());
    const std::string full = "Loads: 1\n1: " + name + "-F";
    ASSERT_GT(full.size(), ANodeLoadGroup::kTipLength);
    EXPECT_EQ(tip.size(), 98u);
    EXPECT_EQ(full.compare(0, tip.size(), tip), 0);
    EXPECT_EQ(QString::fromUtf8(tip.c_str()).toUtf8().toStdString(), tip) << "a whole number of characters";
}

TEST_F(ANodeLoadGroupTest, ACopyListsTheSameActionAtTheSameNode) {
    node.addLoad(force("F1", 1, 1.0, 0.0));
    node.addLoad(force("F2", 1, 2.0, 0.0));
    group().Select(true);
    std::unique_ptr<omNodeLoadGroup> copy(group().clone());
    auto* drawable = dynamic_cast<ANodeLoadGroup*>(copy.get());
    ASSERT_NE(drawable, nullptr);
    EXPECT_EQ(drawable->getNode(), &node);
    EXPECT_TRUE(drawable->IsSelected());
    EXPECT_EQ(drawable->GetLoadCount(), 2);
    EXPECT_EQ(drawable->GetShownLoad(), 0u);
    EXPECT_NE(drawable->GetListedLoad(1), group().GetListedLoad(1)) << "the copy owns clones";
    EXPECT_EQ(drawable->GetObjectType(), 30);
    EXPECT_EQ(drawable->GetMenuResourceId(), 256u);
    // The node's square of 7 node sizes, and 0 within 2.5 node sizes of the node.
    const double s = ADrawAttributes::Instance()->m_nodeSize;
    const omRect box = drawable->GetBoundingRect(false);
    EXPECT_DOUBLE_EQ(box.left, 1.0 - 7 * s);
    EXPECT_DOUBLE_EQ(box.bottom, -2.0 + 7 * s);
    EXPECT_EQ(drawable->GetDistance(omPoint(1.0 + 2 * s, -2.0)), 0.0);
    EXPECT_NEAR(drawable->GetDistance(omPoint(1.0 + 4 * s, -2.0)), 1.5 * s, 1e-12);
}

TEST_F(ANodeLoadGroupTest, TheMapDrawsTheEditedCopyInPlaceOfItsNodesGroupWhileTheNodeIsThere) {
    ANodeMap map;
    auto* first = new ANode2D(0.0, 0.0, "m", 1);
    auto* second = new ANode2D(3.0, 0.0, "m", 2);
    ASSERT_TRUE(map.insert(first));
    ASSERT_TRUE(map.insert(second));
    ASSERT_TRUE(map.insert(new ANode2D(6.0, 0.0, "m", 3))); // no loads
    first->addLoad(force("A", 1, 1.0, 0.0));
    second->addLoad(force("B", 1, 2.0, 0.0));
    AObjectPtrContainer groups;
    EXPECT_EQ(map.GetNodeLoadGroups(groups), 2);
    map.SetActiveLoadGroup(1);
    EXPECT_EQ(dynamic_cast<ANodeLoadGroup*>(first->getLoad())->GetShownLoad(), 0u);

    // The sheet's working copy of node 1 shows a load the node does not have yet.
    std::unique_ptr<omNodeLoadGroup> copy(first->getLoad()->clone());
    auto* edited = dynamic_cast<ANodeLoadGroup*>(copy.get());
    edited->add(force("Edited", 1, 5.0, 0.0));
    map.SetEditedLoadGroup(edited, first);
    auto drawn = [&] {
        CMetaFileDC rec(&viewdrawing::LometricScreen());
        AMapC2L view = viewdrawing::HundredPerMetre();
        map.DrawLoads(view, rec, omRect(-10, -10, 10, 10), 0, *ADrawAttributes::Instance());
        return Texts(rec.GetMetaFile());
    };
    std::vector<std::string> texts = drawn();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "All loads"), 1) << "node 2's own group";
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "2/2: Edited"), 1) << "the copy, not node 1's group";
    // The edited copy comes last, over the others.
    EXPECT_EQ(texts.back(), "2/2: Edited");

    // Node 1 leaves the model (a deletion, the Undo of its creation) while the sheet is open.
    ASSERT_TRUE(map.erase(1));
    texts = drawn();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "All loads"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "2/2: Edited"), 0);
    // Outside the clip nothing is drawn.
    CMetaFileDC rec(&viewdrawing::LometricScreen());
    AMapC2L view = viewdrawing::HundredPerMetre();
    map.DrawLoads(view, rec, omRect(20, 20, 30, 30), 0, *ADrawAttributes::Instance());
    EXPECT_TRUE(Texts(rec.GetMetaFile()).empty());
}
