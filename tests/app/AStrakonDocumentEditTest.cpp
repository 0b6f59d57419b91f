// The document's edits of nodes, members, supports, materials, sections,
// splitting, skew and design data, each an undoable command: what it tells the
// views and the project window, and that Undo and Redo bring back the model
// and the extents byte for byte.
#include "CommandRecordFixture.h"

#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/views/AComElements.h"
#include "app/views/AComMaterials.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "model/omCrossSectionRect.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNodeMap.h"
#include "model/omSteelDesignData.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;
using Submit = std::function<void(AStrakonDocument&)>;

ANode2D* node(AStrakonDocument& doc, unsigned id) {
    return dynamic_cast<ANode2D*>(doc.GetModel()->getNodeMap()->find(id));
}
ALinearDesignElement2D* member(AStrakonDocument& doc, unsigned id) {
    return dynamic_cast<ALinearDesignElement2D*>(doc.GetModel()->getElementMap()->find(id));
}

void selectNodes(AStrakonDocument& doc, std::initializer_list<unsigned> ids) {
    doc.GetSelection().RemoveAll();
    for (unsigned id : ids)
        doc.GetSelection().AddTail(node(doc, id));
}

// A copy of node id at (x, z) m, as the node property sheet hands it over.
std::vector<ANode2D*> movedNodeCopy(AStrakonDocument& doc, unsigned id, double x, double z) {
    auto* copy = dynamic_cast<ANode2D*>(node(doc, id)->clone());
    omVector p(2);
    p(1) = x;
    p(2) = z;
    copy->setCoor(p, "m");
    return {copy};
}

// A copy of member id with another section and ground, as the element property sheet hands it over.
std::vector<ADesignElement*> editedMemberCopy(AStrakonDocument& doc, unsigned id, unsigned section) {
    auto* copy = dynamic_cast<ALinearDesignElement2D*>(member(doc, id)->clone());
    copy->setCrossSectionIndex(section);
    copy->setElGroundCoef(omUnitValue(0.02, omUK_kN_cm3));
    copy->setElGroundType(ElGroundType(2));
    return {copy};
}

// The model's materials with material 2 made weaker.
AMaterialMap editedMaterials(AStrakonDocument& doc) {
    AMaterialMap copy;
    copy.Copy(*doc.GetModel()->getMaterialMap());
    copy.find(2)->setE(omUnitValue(20000.0, omUK_kN_cm2));
    return copy;
}

// The model's sections with section 1 deeper and a new section 3.
ACrossSectionMap editedSections(AStrakonDocument& doc) {
    ACrossSectionMap copy;
    copy.Copy(*doc.GetModel()->getCrossSectionMap());
    copy.erase(1);
    copy.insert(new omCrossSectionRect(60.0, 30.0, omUK_cm, 1));
    copy.insert(new omCrossSectionRect(20.0, 20.0, omUK_cm, 3));
    return copy;
}

struct Row {
    const char* what;
    Submit submit;
    std::string name;
    std::vector<int> executeHints;
    std::vector<int> undoHints;
    Strings executeCalls;
    Strings undoCalls;
};

std::vector<Row> rows() {
    const Strings none;
    const Strings nodes{"Nodes"};
    const Strings elements{"Elements"};
    const Strings elementsNodes{"Elements", "Nodes"};
    return {
        {"node inside the extents", [](AStrakonDocument& d) { d.NewNode(3.0, -2.0, false); }, "Create Node 6",
         {2, 10}, {0, 10}, nodes, nodes},
        {"node outside the extents", [](AStrakonDocument& d) { d.NewNode(20.0, -2.0, false); }, "Create Node 6",
         {3, 10}, {3, 10}, nodes, nodes},
        {"node splitting the beam", [](AStrakonDocument& d) { d.NewNode(3.0, -4.0, true); }, "Create Node 6",
         {2, 10}, {0, 10}, nodes, nodes},
        {"member between found nodes",
         [](AStrakonDocument& d) { d.NewElement(nullptr, nullptr, {0.0, 0.0}, {6.0, -4.0}, false, false); },
         "Create Linear 2D Element", {2, 10}, {0, 10}, elementsNodes, elementsNodes},
        {"non-linear member to a new node",
         [](AStrakonDocument& d) { d.NewElement(node(d, 4), nullptr, {6.0, 0.0}, {12.0, 0.0}, true, false); },
         "Create Nonlinear 2D Element", {2, 10}, {0, 10}, elementsNodes, elementsNodes},
        {"member splitting what it crosses",
         [](AStrakonDocument& d) { d.NewElement(nullptr, nullptr, {1.0, -5.0}, {7.0, -1.0}, false, true); },
         "Create Linear 2D Element", {3, 10}, {3, 10}, elementsNodes, elementsNodes},
        {"toggle support", [](AStrakonDocument& d) { d.ToggleNodeSupport(node(d, 2), 0); },
         "Toggle node 2 support: " + omDofStructureType::name(Ux), {1}, {1}, none, none},
        {"set supports", [](AStrakonDocument& d) { d.SetNodeSupport(node(d, 3), true, true, false, 30.0); },
         "Set supports for node 3.", {1}, {1}, nodes, nodes},
        {"move nodes",
         [](AStrakonDocument& d) {
             selectNodes(d, {2, 5});
             d.MoveSelection(0.1, -0.3);
         },
         "Move objects", {3}, {3}, none, none},
        {"node properties",
         [](AStrakonDocument& d) { d.EditNodeProperties({node(d, 2)}, movedNodeCopy(d, 2, 0.5, -4.5), false); },
         "Node Properties", {2}, {2}, nodes, nodes},
        {"node properties growing the extents",
         [](AStrakonDocument& d) { d.EditNodeProperties({node(d, 5)}, movedNodeCopy(d, 5, 14.0, -4.0), true); },
         "Node Properties", {3}, {3}, nodes, nodes},
        {"node properties inside the extents",
         [](AStrakonDocument& d) { d.EditNodeProperties({node(d, 5)}, movedNodeCopy(d, 5, 11.0, -4.0), true); },
         "Node Properties", {0}, {0}, nodes, nodes},
        {"element properties",
         [](AStrakonDocument& d) { d.EditElementProperties({member(d, 1)}, editedMemberCopy(d, 1, 2), false); },
         "Element Properties", {2}, {2}, elements, elements},
        {"element properties redrawing all",
         [](AStrakonDocument& d) { d.EditElementProperties({member(d, 2)}, editedMemberCopy(d, 2, 1), true); },
         "Element Properties", {0}, {0}, elementsNodes, elementsNodes},
        {"elastic ground",
         [](AStrakonDocument& d) { d.SetElasticGround(member(d, 1), omUnitValue(0.01, omUK_kN_cm3), 1); },
         "Set elastic ground coefficient and type", {1}, {1}, none, none},
        {"release", [](AStrakonDocument& d) { d.ToggleElementRelease(member(d, 1), 0, 4); },
         "Toggle the element release", {1}, {1}, none, none},
        {"skew", [](AStrakonDocument& d) { d.SetSkew(2, 0.01, 0.0, omUnitValue(3.0, omUK_m), omUnitValue(0.0, omUK_m)); },
         "Set structrue skewness", {4000}, {4000}, none, none},
        {"split", [](AStrakonDocument& d) { d.SplitElement(member(d, 2), 3); }, "Split element (2) into (3) parts",
         {2, 10}, {0, 10}, elementsNodes, elementsNodes},
        {"materials",
         [](AStrakonDocument& d) { d.GetCommandManager().AddCommand(new AComEditMaterial(editedMaterials(d))); },
         "Edit Materials", {0}, {0}, {"Materials", "Elements"}, {"Materials", "Elements"}},
        {"cross-sections",
         [](AStrakonDocument& d) {
             d.GetCommandManager().AddCommand(new AComEditCrossSection(editedSections(d)));
         },
         "Edit Cross-sections", {0}, {0}, {"CrossSections", "Elements"}, {"CrossSections", "Elements"}},
        {"design data",
         [](AStrakonDocument& d) {
             omSteelDesignData data;
             data.setUltDesign(false);
             d.ChangeDesignData(2, &data);
         },
         "Modify the design data for the element (2).", {6002}, {6002}, none, none},
        {"design load cases", [](AStrakonDocument& d) { d.SelectDesignLoadCases(false, 4, 0, nullptr); },
         "Selects all load cases into design for the element (4).", {6004}, {6004}, none, none},
        {"member materials", [](AStrakonDocument& d) { d.SetElementMaterials(1, 2, 0); },
         "Assigns new materials to element (1).", {6001}, {0, 6001}, elements, elements},
    };
}

class AStrakonDocumentEditTest : public CommandRecordFixture {};

TEST_F(AStrakonDocumentEditTest, EveryEditIsUndoneAndRedoneExactlyAndTellsTheViewsAndTheProjectWindow) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.what);
        doc->RemoveView(&view);
        doc = newFrameDocument();
        frame->projectWnd.expected = doc.get();
        doc->AddView(&view);
        ACommandManager& commands = doc->GetCommandManager();
        const Bytes before = record();
        clearLogs();

        row.submit(*doc);
        ASSERT_EQ(commands.GetDoneCount(), 1);
        const Bytes executed = record();
        EXPECT_NE(executed, before) << "the edit changed nothing";
        EXPECT_EQ(commands.GetUndoName(), row.name);
        EXPECT_EQ(view.hints, row.executeHints);
        EXPECT_EQ(projectCalls(), row.executeCalls);

        clearLogs();
        commands.Undo();
        EXPECT_EQ(view.hints, row.undoHints);
        EXPECT_EQ(projectCalls(), row.undoCalls);
        const Bytes undone = record();
        EXPECT_EQ(undone, before) << commandrecord::describeDifference(undone, before);

        clearLogs();
        commands.Redo();
        EXPECT_EQ(view.hints, row.executeHints);
        const Bytes redone = record();
        EXPECT_EQ(redone, executed) << commandrecord::describeDifference(redone, executed);
        EXPECT_EQ(commands.GetUndoName(), row.name);
        EXPECT_EQ(frame->projectWnd.foreignCalls, 0);
    }
}

// One random edit as a recipe that can be submitted again to another document
// in the same state: it names nodes and members by number only.
Submit randomEdit(AStrakonDocument& doc, std::mt19937& random) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<unsigned> nodeIds, memberIds;
    for (const auto& [id, n] : *doc.GetModel()->getNodeMap())
        nodeIds.push_back(id);
    for (const auto& [id, e] : *doc.GetModel()->getElementMap())
        memberIds.push_back(id);
    const unsigned n = nodeIds[pick(static_cast<int>(nodeIds.size()))];
    const unsigned n2 = nodeIds[pick(static_cast<int>(nodeIds.size()))];
    const unsigned m = memberIds.empty() ? 0 : memberIds[pick(static_cast<int>(memberIds.size()))];
    const double x = pick(29) * 0.5 - 1.0, z = -pick(13) * 0.5 + 1.0;
    const bool split = pick(2) == 1;
    switch (pick(m ? 16 : 7)) {
    case 0: return [=](AStrakonDocument& d) { d.NewNode(x, z, split); };
    case 1:
        if (n == n2) return [=](AStrakonDocument& d) { d.NewNode(x, z, split); };
        return [=](AStrakonDocument& d) { d.NewElement(node(d, n), node(d, n2), {}, {}, split, false); };
    case 2: return [=](AStrakonDocument& d) { d.NewElement(node(d, n), nullptr, {}, {x, z}, false, split); };
    case 3: return [=](AStrakonDocument& d) { d.ToggleNodeSupport(node(d, n), 2 * (n % 3)); };
    case 4: return [=](AStrakonDocument& d) { d.SetNodeSupport(node(d, n), split, true, !split, x * 10.0); };
    case 5:
        return [=](AStrakonDocument& d) {
            selectNodes(d, {n, n2});
            d.MoveSelection(0.1 * x, 0.1 * z);
        };
    case 6:
        return [=](AStrakonDocument& d) { d.EditNodeProperties({node(d, n)}, movedNodeCopy(d, n, x, z), split); };
    case 7:
        return [=](AStrakonDocument& d) {
            d.EditElementProperties({member(d, m)}, editedMemberCopy(d, m, 1 + n % 2), split);
        };
    case 8: return [=](AStrakonDocument& d) { d.SplitElement(member(d, m), 1 + static_cast<int>(n % 3)); };
    case 9:
        return [=](AStrakonDocument& d) {
            d.SetElasticGround(member(d, m), omUnitValue(0.001 * n, omUK_kN_cm3), static_cast<int>(n % 4));
        };
    case 10: return [=](AStrakonDocument& d) { d.ToggleElementRelease(member(d, m), split ? 1 : 0, 4); };
    case 11:
        return [=](AStrakonDocument& d) {
            d.SetSkew(1 + static_cast<int>(n % 2), 0.001 * x, 0.0, omUnitValue(x, omUK_m), omUnitValue(z, omUK_m));
        };
    case 12: return [=](AStrakonDocument& d) { d.SetElementMaterials(m, split ? 2 : 1, split ? 0 : 3); };
    case 13:
        return [=](AStrakonDocument& d) {
            if (split)
                d.GetCommandManager().AddCommand(new AComEditMaterial(editedMaterials(d)));
            else
                d.GetCommandManager().AddCommand(new AComEditCrossSection(editedSections(d)));
        };
    case 14:
        return [=](AStrakonDocument& d) {
            omSteelDesignData data;
            data.setSerFactor(0.5);
            d.ChangeDesignData(m, &data);
        };
    default: {
        const std::vector<int> cases{2, 7, 1, -3};
        return [=](AStrakonDocument& d) { d.SelectDesignLoadCases(split, m, 2, &cases); };
    }
    }
}

TEST_F(AStrakonDocumentEditTest, RandomEditsUndosAndRedosEndWhereReplayingTheDoneEditsEnds) {
    // A member over two joined nodes is confirmed.
    prompts.SetMessageBoxHandler([](const CMessageBoxRequest&) { return IDYES; });
    std::mt19937 random(20261211);
    ACommandManager& commands = doc->GetCommandManager();
    std::vector<Submit> recipes; // one per command in the manager's list
    for (int step = 0; step < 200; ++step) {
        const unsigned roll = random() % 10;
        if (roll < 2 && commands.GetDoneCount() > 0) {
            commands.Undo();
        } else if (roll < 4 && commands.GetDoneCount() < commands.GetCommandCount()) {
            commands.Redo();
        } else {
            Submit edit = randomEdit(*doc, random);
            recipes.resize(static_cast<std::size_t>(commands.GetDoneCount()));
            edit(*doc);
            recipes.push_back(edit);
            ASSERT_EQ(commands.GetCommandCount(), static_cast<int>(recipes.size())) << "step " << step;
        }
    }
    ASSERT_GT(commands.GetDoneCount(), 20);
    auto replay = newFrameDocument();
    for (int i = 0; i < commands.GetDoneCount(); ++i)
        recipes[static_cast<std::size_t>(i)](*replay);
    const Bytes replayed = commandrecord::record(*replay);
    const Bytes reached = record();
    EXPECT_EQ(reached, replayed) << commandrecord::describeDifference(reached, replayed);
}

} // namespace
