#include "DrawableFrame.h"

#include "app/views/AUndoList.h"
#include "common/omErrorContainer.h"

#include <tuple>

namespace {

class StrakonTest : public DrawableFrame {
protected:
    void SetUp() override {
        DrawableFrame::SetUp();
        // A beam 1-2 along x and a column 3-4 beside it.
        node(1, 0, 0);
        node(2, 6, 0);
        node(3, 8, -3);
        node(4, 8, 3);
        member(1, 1, 2);
        member(2, 3, 4);
    }

    using Members = std::vector<std::tuple<unsigned, unsigned, unsigned, const omDesignElement*>>;
    using Nodes = std::vector<std::tuple<unsigned, double, double, const omNode*>>;
    Members members() const {
        Members out;
        for (const auto& [id, m] : *s.getElementMap())
            out.emplace_back(id, m->getNodeIndex1(), m->getNodeIndex2(), m);
        return out;
    }
    Nodes nodes() const {
        Nodes out;
        for (const auto& [id, n] : *s.getNodeMap()) {
            const omVector v = n->getVector(omUK_cm, omNode::coorPlain);
            out.emplace_back(id, v(1), v(2), n);
        }
        return out;
    }
    // A new node that is not in the model yet (metres).
    ANode2D* loose(double x, double z) { return new ANode2D(x, z, "m", 0); }
    // A new member between two nodes of the model.
    ALinearDesignElement2D* between(unsigned n1, unsigned n2) {
        return new ALinearDesignElement2D(*s.getNodeMap(), nodeOf(n1), nodeOf(n2), 1, 1, 0);
    }
    // The nodes of a member in order, as "a-b".
    std::string ends(unsigned id) {
        const omDesignElement* m = memberOf(id);
        return m ? std::to_string(m->getNodeIndex1()) + "-" + std::to_string(m->getNodeIndex2()) : "none";
    }

    // Inserts through the call, checks the outcome, then undoes and expects the
    // model exactly as it was: the same objects under the same ids.
    template <class Insert, class Check> void insertAndUndo(Insert insert, Check check) {
        const Members membersBefore = members();
        const Nodes nodesBefore = nodes();
        AUndoList undo;
        insert(undo);
        check();
        EXPECT_EQ(undo.Restore(s), 0);
        EXPECT_EQ(members(), membersBefore);
        EXPECT_EQ(nodes(), nodesBefore);
        EXPECT_FALSE(omErrorContainer::instance()->hasErrors());
    }
};

} // namespace

TEST_F(StrakonTest, FactoriesMakeTheDrawableMaps) {
    EXPECT_NE(s.GetNodeMap(), nullptr);
    EXPECT_NE(s.GetElementMap(), nullptr);
    AObjectPtrContainer list;
    EXPECT_EQ(s.GetElements(list), 2);
    EXPECT_EQ(s.GetNodes(list), 4);
    EXPECT_EQ(list.GetCount(), 6);
}

TEST_F(StrakonTest, NodeInsideAMemberSplitsIt) {
    insertAndUndo(
        [&](AUndoList& undo) {
            omNode* n = loose(2.5, 0);
            undo.add(n, omUndoItem::created);
            s.InsertNode(undo, n, true);
        },
        [&] {
            EXPECT_EQ(s.getElementMap()->size(), 3u);
            EXPECT_EQ(ends(1), "1-5");
            EXPECT_EQ(ends(3), "5-2");
            EXPECT_EQ(ends(2), "3-4");
        });
}

TEST_F(StrakonTest, NodeOnAnEndOrBesideChangesNoMember) {
    for (omPoint at : {omPoint(6, 0), omPoint(3, 0.5), omPoint(7, 0)}) {
        insertAndUndo(
            [&](AUndoList& undo) {
                omNode* n = loose(at.x, at.y);
                undo.add(n, omUndoItem::created);
                s.InsertNode(undo, n, true);
            },
            [&] {
                EXPECT_EQ(s.getElementMap()->size(), 2u);
                EXPECT_EQ(ends(1), "1-2");
                EXPECT_EQ(s.getNodeMap()->size(), 5u);
            });
    }
}

TEST_F(StrakonTest, NodeWithoutSplitOnlyJoinsTheModel) {
    AUndoList undo;
    s.InsertNode(undo, loose(3, 0), false);
    EXPECT_EQ(s.getNodeMap()->size(), 5u);
    EXPECT_EQ(ends(1), "1-2");
    EXPECT_TRUE(undo.empty());
}

TEST_F(StrakonTest, MemberCrossingTwoMembersMakesTwoNodesAndThreePieces) {
    // (1,-1) to (9,1) crosses the beam at (5,0) and the column at (8,0.75).
    node(5, 1, -1);
    node(6, 9, 1);
    insertAndUndo(
        [&](AUndoList& undo) {
            omDesignElement* m = between(5, 6);
            undo.add(m, omUndoItem::created);
            s.InsertElement(undo, m, true);
        },
        [&] {
            ASSERT_EQ(s.getNodeMap()->size(), 8u);
            EXPECT_EQ(std::get<1>(nodes()[6]), 500.0);
            EXPECT_EQ(std::get<2>(nodes()[7]), 75.0);
            EXPECT_EQ(s.getElementMap()->size(), 2u + 2u + 3u);
            EXPECT_EQ(ends(1), "1-7");
            EXPECT_EQ(ends(2), "3-8");
            std::vector<std::string> pieces;
            for (const auto& [id, n1, n2, m] : members())
                if (id > 2) pieces.push_back(std::to_string(n1) + "-" + std::to_string(n2));
            // The second pieces of beam and column and the three of the new member.
            EXPECT_EQ(pieces, (std::vector<std::string>{"7-2", "5-7", "8-4", "7-8", "8-6"}));
        });
}

TEST_F(StrakonTest, MemberEndingOnAnEndPointUsesThatNode) {
    node(5, 6, -3);
    node(6, 6, 3);
    // 5-6 passes through node 2, the beam's end point: no new node there.
    insertAndUndo(
        [&](AUndoList& undo) {
            omDesignElement* m = between(5, 6);
            undo.add(m, omUndoItem::created);
            s.InsertElement(undo, m, true);
        },
        [&] {
            EXPECT_EQ(s.getNodeMap()->size(), 6u);
            EXPECT_EQ(ends(1), "1-2");
            std::vector<std::string> pieces;
            for (const auto& [id, n1, n2, m] : members())
                if (id > 2) pieces.push_back(std::to_string(n1) + "-" + std::to_string(n2));
            std::sort(pieces.begin(), pieces.end());
            EXPECT_EQ(pieces, (std::vector<std::string>{"2-6", "5-2"}));
        });
}

TEST_F(StrakonTest, MemberSharingANodeIsNeverSplitThere) {
    // 1-5 lies on the beam from its start node: the lines overlap, and they
    // share node 1, so nothing is split.
    node(5, 3, 0);
    insertAndUndo(
        [&](AUndoList& undo) {
            omDesignElement* m = between(1, 5);
            undo.add(m, omUndoItem::created);
            s.InsertElement(undo, m, true);
        },
        [&] {
            EXPECT_EQ(s.getElementMap()->size(), 3u);
            EXPECT_EQ(ends(1), "1-2");
            EXPECT_EQ(ends(3), "1-5");
        });
}

TEST_F(StrakonTest, MemberWithoutSplitIsAddedAsItIs) {
    node(5, 3, -2);
    node(6, 3, 2);
    AUndoList undo;
    s.InsertElement(undo, between(5, 6), false);
    EXPECT_EQ(s.getElementMap()->size(), 3u);
    EXPECT_EQ(ends(3), "5-6");
    EXPECT_EQ(ends(1), "1-2");
}

TEST_F(StrakonTest, LoadSheetGroupsAreDroppedWhenTheirOwnerLeaves) {
    AElementMap& elements = *s.GetElementMap();
    ANodeMap& nodesMap = *s.GetNodeMap();
    // The maps never read the groups: stand-ins at any address do.
    int elementSheet = 0, nodeSheet = 0;
    auto* elementGroup = reinterpret_cast<AElementLoadGroup*>(&elementSheet);
    auto* nodeGroup = reinterpret_cast<ANodeLoadGroup*>(&nodeSheet);
    omDesignElement* beam = memberOf(1);
    elements.SetCurrentLoadGroup(elementGroup, beam);
    nodesMap.SetEditedLoadGroup(nodeGroup, nodeOf(3));
    EXPECT_EQ(elements.GetLiveCurrentLoadGroup(), elementGroup);

    // Another object leaving drops nothing.
    EXPECT_FALSE(s.DropLoadSheetGroups(memberOf(2)));
    EXPECT_FALSE(s.DropLoadSheetGroups(nodeOf(1)));
    EXPECT_EQ(elements.GetCurrentLoadGroup(), elementGroup);

    // A member taken out of the map no longer shows its group, and its
    // leaving drops it.
    s.getElementMap()->detach(1);
    EXPECT_EQ(elements.GetLiveCurrentLoadGroup(), nullptr);
    EXPECT_TRUE(s.DropLoadSheetGroups(beam));
    EXPECT_EQ(elements.GetCurrentLoadGroup(), nullptr);
    EXPECT_EQ(nodesMap.GetEditedLoadGroup(), nodeGroup);
    delete beam;

    EXPECT_TRUE(s.DropLoadSheetGroups(nodeOf(3)));
    EXPECT_EQ(nodesMap.GetEditedLoadGroup(), nullptr);

    elements.SetCurrentLoadGroup(elementGroup, memberOf(2));
    nodesMap.SetEditedLoadGroup(nodeGroup, nodeOf(4));
    EXPECT_TRUE(s.DropLoadSheetGroups(nullptr));
    EXPECT_EQ(elements.GetCurrentLoadGroup(), nullptr);
    EXPECT_EQ(nodesMap.GetEditedLoadGroup(), nullptr);
}

TEST_F(StrakonTest, DrawingPaintsNodesOverMembers) {
    AMapC2L map = view(omRect(-1, -4, 10, 4));
    CMetaFileDC rec(&screen());
    s.Draw(map, rec, map.GetTotalCU(), 1, *ADrawAttributes::Instance());
    const auto& r = rec.GetMetaFile().Records();
    // The last member's index label comes before the first node's ellipse.
    size_t lastMemberText = 0, firstEllipse = r.size();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].type == CMetaRecord::Type::textOut && (r[i].text == "1" || r[i].text == "2") &&
            firstEllipse == r.size())
            lastMemberText = i;
        if (r[i].type == CMetaRecord::Type::ellipse && firstEllipse == r.size()) firstEllipse = i;
    }
    EXPECT_LT(lastMemberText, firstEllipse);
}
