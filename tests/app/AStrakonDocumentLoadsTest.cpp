// The structure document's undoable edits of loads, load cases, actions,
// envelopes and the deletion of the selection, on a small portal frame in a
// real document: what each edit changes, that Undo gives back the structure
// file's very bytes and Redo the edited ones, the hints and project-window
// calls, and the inputs that must change nothing.
#include "StrakonDocumentFixture.h"
#include "StructureFileSupport.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStorageInterface.h"
#include "app/views/ACommandSteps.h"
#include "app/views/AComDeleteObjects.h"
#include "app/views/AComLoadCases.h"
#include "app/views/AComLoads.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/AElementMap.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakon.h"
#include "controls/AMapC2L.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseProjectWnd.h"
#include "model/omEnvelope.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omNodeMap.h"
#include "platform/core/CArchive.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CMetaFile.h"
#include "tests/model/SolveRoad.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <functional>
#include <list>
#include <random>
#include <string>
#include <vector>

namespace {

class RecordingProjectWnd : public ABaseProjectWnd, public AProjectWorkspaceWndInterface {
public:
    void UpdateElements(CDocument*) override { calls.push_back("Elements"); }
    void UpdateNodes(CDocument*) override { calls.push_back("Nodes"); }
    void UpdateMaterials(CDocument*) override { calls.push_back("Materials"); }
    void UpdateCrossSections(CDocument*) override { calls.push_back("CrossSections"); }
    void UpdateActions(CDocument*) override { calls.push_back("Actions"); }
    void UpdateLoadCases(CDocument*) override { calls.push_back("LoadCases"); }
    void UpdateEnvelopes(CDocument*) override { calls.push_back("Envelopes"); }
    std::vector<std::string> calls;
};

class ProjectFrame : public ABaseMDIFrameWnd {
public:
    ABaseProjectWnd* GetProjectWnd() override { return &project; }
    RecordingProjectWnd project;
};

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

// The portal frame of the structure-file tests without results: members 1 to 3
// on nodes 1 to 4; actions 1 "Dead load", 2 "Live load", 3 "Temperature" with
// loads on members 1 and 2 and nodes 2 and 4; six load cases; one envelope.
void BuildPortal(AStrakonDocument& doc) {
    structurefile::buildPortal(*doc.GetModel(), false);
    doc.GetModel()->bind();
    for (const auto& [id, node] : *doc.GetModel()->getNodeMap()) {
        omPoint p;
        dynamic_cast<const ANode*>(node)->GetCoordinates(p, 2);
        doc.GetExtents().AddPoint(p.x, p.y);
    }
    doc.SetActiveLoadGroup(1, false);
}

class AStrakonDocumentLoadsTest : public StrakonDocumentFixture {
public:
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        m_formerMain = app.m_pMainWnd;
        app.m_pMainWnd = &m_frame;
        BuildPortal(*doc);
    }
    void TearDown() override {
        app.m_pMainWnd = m_formerMain;
        StrakonDocumentFixture::TearDown();
    }

    // The model's and the extents' records of the structure file.
    static std::vector<std::uint8_t> Record(AStrakonDocument& d) {
        if (!AStorageInterface::IsInitialized()) AStorageInterface::InitializeAll();
        CArchive ar(CArchive::store);
        AStorageContext<AOutputStructureAttributes> output(ASIGuiStrakon::m_pSI->m_pOutput, &d.GetOutputAttributes());
        ASIGuiStrakon::m_pSI->Serialize(static_cast<omStrakon*>(d.GetModel()), ar);
        d.GetExtents().GetStorageInterface()->Serialize(&d.GetExtents(), ar);
        return ar.Detach();
    }
    std::vector<std::uint8_t> Record() { return Record(*doc); }

    void Forget() {
        view.hints.clear();
        view.objects.clear();
        calls().clear();
    }
    Strings& calls() { return m_frame.project.calls; }
    AStrakon& drawable() { return *doc->GetModel(); }
    omLoadManager& manager() { return *doc->GetModel()->getLoadManager(); }
    ACommandManager& commands() { return doc->GetCommandManager(); }
    omNode* Node(unsigned id) { return doc->GetModel()->getNodeMap()->find(id); }
    omDesignElement* Member(unsigned id) { return doc->GetModel()->getElementMap()->find(id); }
    ANodeLoadGroup* NodeLoads(unsigned id) { return dynamic_cast<ANodeLoadGroup*>(Node(id)->getLoad()); }
    AElementLoadGroup* MemberLoads(unsigned id) { return dynamic_cast<AElementLoadGroup*>(Member(id)->getLoad()); }
    // The action numbers of a load list's loads in their order.
    static Ints Actions(const std::vector<omLoad*>& loads) {
        Ints out;
        for (const omLoad* load : loads)
            out.push_back(static_cast<int>(load->getLoadGroupIndex()));
        return out;
    }
    Strings CaseNames() {
        Strings out;
        for (int k = 1; k <= manager().caseSize(); ++k)
            out.push_back(manager().getCase(k)->name());
        return out;
    }
    static omLoadForce Force(double fz) {
        omLoadForce f("F", omDofStrakonStructureType::instance(), 0);
        f.setF(Uz, omUnitValue(fz, omUK_kN));
        return f;
    }
    void Select(AObject* object) {
        doc->GetObjectList().AddTail(object);
        doc->GetSelection().AddTail(object);
        object->Select(true);
    }

    ProjectFrame m_frame;
    CWnd* m_formerMain = nullptr;
};

// ---- Every edit: Undo gives back the bytes, Redo the edited bytes -----------------------------------------

struct EditRow {
    const char* what;
    std::function<void(AStrakonDocumentLoadsTest&, AStrakonDocument&)> edit;
    const char* name;
    Ints executeHints;
    Strings executeCalls;
    Ints undoHints;
    Strings undoCalls;
};

class EveryEdit : public AStrakonDocumentLoadsTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(EveryEdit, UndoRestoresTheRecordAndRedoTheEditedOneWithTheHintsAndProjectCalls) {
    const EditRow& row = GetParam();
    const auto before = Record();
    Forget();
    row.edit(*this, *doc);
    ASSERT_EQ(commands().GetDoneCount(), 1);
    EXPECT_EQ(std::string(commands().GetUndoName()), row.name);
    EXPECT_EQ(view.hints, row.executeHints);
    EXPECT_EQ(calls(), row.executeCalls);
    const auto edited = Record();
    EXPECT_NE(edited, before) << "the edit changed nothing";

    Forget();
    commands().Undo();
    EXPECT_EQ(view.hints, row.undoHints);
    EXPECT_EQ(calls(), row.undoCalls);
    EXPECT_EQ(Record(), before);

    commands().Redo();
    EXPECT_EQ(Record(), edited);
    commands().Undo();
    EXPECT_EQ(Record(), before);
    commands().Redo();
    EXPECT_EQ(Record(), edited);
}

omEnvelope ServiceabilityEnvelope() {
    omEnvelope e;
    e.setName("Service");
    e.setFilter(true, false, false);
    e.setQuantity(omEnvelope::qUz);
    return e;
}

const EditRow kEdits[] = {
    {"AddNodeLoadToLoadedNode",
     [](auto& t, AStrakonDocument& d) { d.AddNodeLoad(t.Node(2), t.Force(5.0), 1); },
     "Add Nodal Load", {2201, 2010}, {}, {2201, 2010}, {}},
    {"AddNodeLoadToFreeNode",
     [](auto& t, AStrakonDocument& d) { d.AddNodeLoad(t.Node(3), t.Force(5.0), 3); },
     "Add Nodal Load", {2201, 2010}, {}, {0, 2010}, {}},
    {"AddElementLoad",
     [](auto& t, AStrakonDocument& d) {
         omLoadForce f = t.Force(7.0);
         f.setX(0.25);
         d.AddElementLoad(t.Member(3), f, 2);
     },
     "Add Element Load", {2201, 2010}, {}, {0, 2010}, {}},
    {"EditNodeLoadProperties",
     [](auto& t, AStrakonDocument& d) {
         ANodeLoadGroup edited(*t.NodeLoads(2));
         edited.add(t.Force(9.0).clone());
         d.EditNodeLoadProperties(edited);
     },
     "Node Load Properties", {2201}, {"Nodes"}, {2201}, {"Nodes"}},
    {"EditElementLoadProperties",
     [](auto& t, AStrakonDocument& d) {
         AElementLoadGroup edited(*t.MemberLoads(2));
         edited.remove(edited.getLoads().front());
         d.EditElementLoadProperties(edited);
     },
     "Element Load Properties", {2201}, {}, {2201}, {}},
    {"DeleteSelectedLoads",
     [](auto& t, AStrakonDocument& d) {
         d.SetActiveLoadGroup(2, false);
         t.Select(t.NodeLoads(2));
         t.Select(t.MemberLoads(2));
         d.DeleteSelection(nullptr);
     },
     "Delete Load", {2201, 2201}, {"Nodes"}, {2201, 2201}, {"Nodes"}},
    {"DeleteSelectedNode",
     [](auto& t, AStrakonDocument& d) {
         t.Select(dynamic_cast<ANode*>(t.Node(4)));
         d.DeleteSelection(nullptr);
     },
     "Delete Objects", {2003, 3003, 2, 10}, {"Elements", "Nodes"}, {3, 10}, {"Elements", "Nodes"}},
    {"AddLoadCase", [](auto&, AStrakonDocument& d) { d.AddLoadCase(); }, "Add Load Case", {4000, 5100},
     {"LoadCases"}, {3200, 4000, 5100}, {"LoadCases"}},
    {"DeleteLoadCase", [](auto&, AStrakonDocument& d) { d.DeleteLoadCase(2); }, "Remove Load Case",
     {3200, 4000, 5100}, {"LoadCases"}, {4000, 5100}, {"LoadCases"}},
    {"RenameLoadCase", [](auto&, AStrakonDocument& d) { d.ChangeLoadCase(1, 0, "Own weight"); },
     "Change Load Case Data", {4000, 5100}, {"LoadCases"}, {4000, 5100}, {"LoadCases"}},
    {"ChangeLimitState", [](auto&, AStrakonDocument& d) { d.ChangeLoadCase(1, 1, "Serviceability"); },
     "Change Load Case Data", {4000, 5100}, {"LoadCases"}, {4000, 5100}, {"LoadCases"}},
    {"ChangeCreep", [](auto&, AStrakonDocument& d) { d.ChangeLoadCase(3, 2, "2.5"); }, "Change Load Case Data",
     {4000, 5100}, {"LoadCases"}, {4000, 5100}, {"LoadCases"}},
    {"ChangeFactor", [](auto&, AStrakonDocument& d) { d.ChangeLoadCase(2, 5, "-0.75"); },
     "Change Load Case Data", {4000, 5100}, {"LoadCases"}, {4000, 5100}, {"LoadCases"}},
    {"AddAction", [](auto&, AStrakonDocument& d) { d.AddLoadGroup(); }, "Add Action", {4000}, {"Actions"},
     {2200, 4000}, {"Actions"}},
    {"RenameAction", [](auto&, AStrakonDocument& d) { d.ChangeLoadGroup(3, 0, "Sun"); }, "Change Action Data",
     {4000}, {"Actions"}, {4000}, {"Actions"}},
    {"DeleteAction", [](auto&, AStrakonDocument& d) { d.DeleteLoadGroup(2); }, "Remove Action",
     {2200, 2010, 4000}, {"Actions"}, {4000, 2010}, {"Actions"}},
    {"AddEnvelope",
     [](auto&, AStrakonDocument& d) {
         const omEnvelope e = ServiceabilityEnvelope();
         d.SetEnvelope(0, &e);
     },
     "Add new envelope", {5102}, {"Envelopes"}, {5100}, {"Envelopes"}},
    {"ModifyEnvelope",
     [](auto&, AStrakonDocument& d) {
         const omEnvelope e = ServiceabilityEnvelope();
         d.SetEnvelope(1, &e);
     },
     "Modify envelope data", {5101}, {"Envelopes"}, {5101}, {"Envelopes"}},
    {"DeleteEnvelope", [](auto&, AStrakonDocument& d) { d.SetEnvelope(1, nullptr); }, "Delete envelope", {5101},
     {"Envelopes"}, {5101}, {"Envelopes"}},
};

INSTANTIATE_TEST_SUITE_P(Edits, EveryEdit, ::testing::ValuesIn(kEdits),
                         [](const ::testing::TestParamInfo<EditRow>& info) { return std::string(info.param.what); });

// ---- A long random session ends where a replay of its done edits ends --------------------------------------

// Edit k of the session, by number; every edit takes numbers, so it can be
// replayed on another document, and an edit whose object is gone does nothing.
void ApplyEdit(AStrakonDocument& d, int kind, int a, int b) {
    omLoadForce f("R", omDofStrakonStructureType::instance(), 0);
    f.setF(Ux, omUnitValue(1.0 + a, omUK_kN));
    omStrakon& m = *d.GetModel();
    switch (kind) {
    case 0: d.AddNodeLoad(m.getNodeMap()->find(static_cast<unsigned>(a % 5)), f, 1 + b % 3); break;
    case 1: d.AddElementLoad(m.getElementMap()->find(static_cast<unsigned>(a % 4)), f, 1 + b % 3); break;
    case 2: d.GetCommandManager().AddCommand(new AComLoadDelete({1, 2, 3, 4}, {1, 2, 3}, 1 + b % 3)); break;
    case 3: d.AddLoadCase(); break;
    case 4: d.DeleteLoadCase(1 + a % 8); break;
    case 5: d.ChangeLoadCase(1 + a % 7, b % 6, CString::Formatted("%d", a % 4)); break;
    case 6: d.ChangeLoadCase(1 + a % 7, 1, b % 2 ? "Serviceability" : "Ultimate"); break;
    case 7: d.AddLoadGroup(); break;
    case 8: d.ChangeLoadGroup(1 + a % 4, 0, "Dead load"); break;
    case 9: d.DeleteLoadGroup(1 + a % 4); break;
    case 10: {
        omEnvelope e = ServiceabilityEnvelope();
        d.SetEnvelope(static_cast<unsigned>(a % 3), b % 3 ? &e : nullptr);
        break;
    }
    default: {
        // A node leaves with the members that use it.
        const unsigned node = static_cast<unsigned>(1 + a % 4);
        std::list<omDesignElement*> users;
        if (omNode* n = m.getNodeMap()->find(node)) m.objectsUsingNode(n, users);
        std::vector<unsigned> members;
        for (const omDesignElement* u : users)
            members.push_back(u->getIndex());
        d.GetCommandManager().AddCommand(new AComDeleteObjects({node}, members));
        break;
    }
    }
}

TEST_F(AStrakonDocumentLoadsTest, ARandomSessionEndsInTheRecordOfAReplayOfItsDoneEdits) {
    std::mt19937 random(29);
    struct Edit {
        int kind, a, b;
    };
    std::vector<Edit> edits; // edits[0, done count) are done
    for (int step = 0; step < 200; ++step) {
        const int what = static_cast<int>(random() % 10);
        if (what < 6) {
            Edit e{static_cast<int>(random() % 12), static_cast<int>(random() % 100), static_cast<int>(random() % 100)};
            edits.resize(static_cast<size_t>(commands().GetDoneCount()));
            ApplyEdit(*doc, e.kind, e.a, e.b);
            edits.push_back(e);
        } else if (what < 8) {
            commands().Undo();
        } else {
            commands().Redo();
        }
    }
    edits.resize(static_cast<size_t>(commands().GetDoneCount()));
    ASSERT_GT(edits.size(), 10u) << "a session of few done edits proves little";
    const auto session = Record();

    AStrakonDocument replay;
    BuildPortal(replay);
    for (const Edit& e : edits)
        ApplyEdit(replay, e.kind, e.a, e.b);
    EXPECT_EQ(Record(replay), session);
}

// ---- Loads ---------------------------------------------------------------------------------------------------

TEST_F(AStrakonDocumentLoadsTest, AddUndoRedoLeavesOneLoadAndUndoOnAnUnloadedNodeDropsItsList) {
    doc->AddNodeLoad(Node(3), Force(5.0), 1);
    commands().Undo();
    EXPECT_EQ(Node(3)->getLoad(), nullptr);
    commands().Redo();
    ASSERT_NE(NodeLoads(3), nullptr);
    EXPECT_EQ(NodeLoads(3)->size(), 1);
    EXPECT_EQ(NodeLoads(3)->getLoads().front()->getLoadGroup(), manager().getGroup(1));
}

TEST_F(AStrakonDocumentLoadsTest, DeletingTheLoadsOfAction2KeepsThoseOfActions1And3) {
    // Member 2 gets a load of action 3 besides its loads of actions 2 and 1.
    doc->AddElementLoad(Member(2), Force(3.0), 3);
    ASSERT_EQ(Actions(MemberLoads(2)->getLoads()), (Ints{2, 1, 3}));
    const omLoad* kept1 = MemberLoads(2)->getLoads()[1];
    const omLoad* kept3 = MemberLoads(2)->getLoads()[2];
    doc->SetActiveLoadGroup(2, false);
    Select(MemberLoads(2));
    doc->DeleteSelection(nullptr);
    EXPECT_EQ(std::string(commands().GetUndoName()), "Delete Load");
    ASSERT_EQ(MemberLoads(2)->getLoads(), (std::vector<omLoad*>{const_cast<omLoad*>(kept1), const_cast<omLoad*>(kept3)}));
    EXPECT_EQ(kept1->getLoadGroup(), manager().getGroup(1));
    EXPECT_EQ(kept3->getLoadGroup(), manager().getGroup(3));
    commands().Undo();
    EXPECT_EQ(Actions(MemberLoads(2)->getLoads()), (Ints{2, 1, 3}));
}

TEST_F(AStrakonDocumentLoadsTest, LoadDeleteOverANodeWithoutLoadsGivesEveryNodeItsOwnLoadsBack) {
    // Nodes 2 and 4 carry loads, node 3 between them none.
    doc->AddNodeLoad(Node(4), Force(4.0), 2);
    const Ints node2 = Actions(NodeLoads(2)->getLoads());
    const Ints node4 = Actions(NodeLoads(4)->getLoads());
    ASSERT_EQ(node2, (Ints{2}));
    ASSERT_EQ(node4, (Ints{1, 2}));
    const auto before = Record();
    commands().AddCommand(new AComLoadDelete({2, 3, 4}, {}, 2));
    EXPECT_EQ(NodeLoads(2)->size(), 0);
    EXPECT_EQ(Actions(NodeLoads(4)->getLoads()), (Ints{1}));
    commands().Undo();
    EXPECT_EQ(Node(3)->getLoad(), nullptr);
    EXPECT_EQ(Actions(NodeLoads(2)->getLoads()), node2);
    EXPECT_EQ(Actions(NodeLoads(4)->getLoads()), node4);
    EXPECT_EQ(Record(), before);
}

TEST_F(AStrakonDocumentLoadsTest, DeletingAMemberWhoseLoadSheetCopyIsOpenThenDrawingTheLoadsIsClean) {
    AElementLoadGroup copy(*MemberLoads(2));
    drawable().GetElementMap()->SetCurrentLoadGroup(&copy, Member(2));
    Select(dynamic_cast<ADesignElement*>(Member(2)));
    doc->DeleteSelection(nullptr);
    EXPECT_EQ(drawable().GetElementMap()->GetCurrentLoadGroup(), nullptr);
    // The deleted member is freed with the command history.
    doc->DeleteContents();
    CDC screen(CDeviceCaps::FromPixels(1200, 900, 96, 96));
    screen.SetMapMode(MM_LOMETRIC);
    AMapC2L map;
    map.SetTotalCU(omRect(-100.0, -600.0, 800.0, 100.0));
    map.SetMap_tc_tl(CRect(0, 0, 2000, -1500), AMapC2L::posCenter, AMapC2L::posCenter);
    map.SetMapModeData(screen);
    CMetaFileDC rec(&screen);
    drawable().DrawLoads(map, rec, map.GetTotalCU(), 0, *ADrawAttributes::Instance());
}

// ---- Load cases ------------------------------------------------------------------------------------------------

TEST_F(AStrakonDocumentLoadsTest, ANewLoadCaseTakesTheFirstFreeDashedName) {
    while (manager().caseSize() > 2)
        manager().deleteCase(manager().caseSize());
    manager().getCase(2)->setName("Load case: 3");
    doc->AddLoadCase();
    EXPECT_EQ(CaseNames().back(), "Load case: 3-1");
    manager().deleteCase(3);
    manager().getCase(1)->setName("Load case: 3-1");
    doc->AddLoadCase();
    EXPECT_EQ(CaseNames().back(), "Load case: 3-2");
}

TEST_F(AStrakonDocumentLoadsTest, RenamingToAnotherCasesNameAppendsAnUnderscoreNumber) {
    doc->ChangeLoadCase(1, 0, "Case 1");
    EXPECT_EQ(CaseNames()[0], "Case 1");
    doc->ChangeLoadCase(1, 0, "Case 2");
    EXPECT_EQ(CaseNames()[0], "Case 2_1");
    commands().Undo();
    commands().Redo();
    EXPECT_EQ(CaseNames()[0], "Case 2_1");
}

TEST_F(AStrakonDocumentLoadsTest, TextsThatAreNoNumberAndBlankNamesChangeNothing) {
    const auto before = Record();
    for (const char* text : {"", "  "}) {
        doc->ChangeLoadCase(1, 0, text);
        doc->ChangeLoadGroup(1, 0, text);
    }
    for (const char* text : {"  ", "abc", "1,5", "nan", "inf", "2x"}) {
        doc->ChangeLoadCase(3, 2, text);
        doc->ChangeLoadCase(1, 3, text);
    }
    // Action 3 is the last: column 6 would be a fourth.
    doc->ChangeLoadCase(1, 6, "1.0");
    doc->ChangeLoadCase(9, 3, "1.0");
    EXPECT_EQ(Record(), before);
    while (commands().GetDoneCount() > 0)
        commands().Undo();
    EXPECT_EQ(Record(), before);

    doc->ChangeLoadCase(1, 3, "");
    EXPECT_EQ((*manager().getCase(1))[0], 0.0);
    doc->ChangeLoadCase(1, 4, "1e-1");
    EXPECT_EQ((*manager().getCase(1))[1], 0.1);
}

TEST_F(AStrakonDocumentLoadsTest, LimitStateTextsAreReadExactlyAndAnyOtherIsSeismic) {
    EXPECT_EQ(AComChangeLoadCase::ReadLimitState("Ultimate P&T"), omLoadCase::lsUltimatePT);
    EXPECT_EQ(AComChangeLoadCase::ReadLimitState("Ult. Accidental"), omLoadCase::lsUltimateAccidental);
    EXPECT_EQ(AComChangeLoadCase::ReadLimitState("Creeping"), omLoadCase::lsCreep);
    EXPECT_EQ(AComChangeLoadCase::ReadLimitState("ultimate"), omLoadCase::lsUltimateSeismic);
}

TEST_F(AStrakonDocumentLoadsTest, UndoOfUltimateToServiceabilityListsTheCaseInTheUltimateEnvelopeAgain) {
    omEnvelope& ultimate = *manager().getEnvelope(1);
    ASSERT_TRUE(ultimate.useAllCases());
    for (int k = 1; k <= manager().caseSize(); ++k)
        ultimate.update(static_cast<unsigned>(k), manager().getCase(k));
    const std::vector<unsigned> cases = ultimate.getLoadCases();
    ASSERT_NE(std::find(cases.begin(), cases.end(), 1u), cases.end());
    doc->ChangeLoadCase(1, 1, "Serviceability");
    const std::vector<unsigned>& changed = manager().getEnvelope(1)->getLoadCases();
    EXPECT_EQ(std::find(changed.begin(), changed.end(), 1u), changed.end());
    commands().Undo();
    EXPECT_EQ(manager().getEnvelope(1)->getLoadCases(), cases);
    EXPECT_EQ(manager().getCase(1)->limitState(), omLoadCase::lsUltimate);
}

// ---- Actions --------------------------------------------------------------------------------------------------

TEST_F(AStrakonDocumentLoadsTest, AfterTheUndoOfDeletingAnActionEveryLoadPointsIntoTheManager) {
    doc->DeleteLoadGroup(1);
    commands().Undo();
    omLoadList::NumberedLoads nodeLoads, memberLoads;
    doc->GetModel()->getNodeMap()->getLoads(0, true, true, nodeLoads);
    for (int k = 1; k <= 3; ++k)
        doc->GetModel()->getNodeMap()->getLoads(k, true, true, nodeLoads);
    doc->GetModel()->getElementMap()->getLoads(0, true, true, true, true, memberLoads);
    ASSERT_FALSE(nodeLoads.empty());
    ASSERT_EQ(memberLoads.size(), 3u);
    for (const auto* loads : {&nodeLoads, &memberLoads})
        for (const auto& [owner, load] : *loads)
            EXPECT_EQ(load->getLoadGroup(), manager().getGroup(static_cast<int>(load->getLoadGroupIndex())))
                << load->getName();
}

TEST_F(AStrakonDocumentLoadsTest, NewActionsAreNumberedAndRenamesMadeUnique) {
    doc->AddLoadGroup();
    EXPECT_EQ(manager().getGroup(4)->name(), "Action: 4");
    doc->ChangeLoadGroup(4, 0, "Dead load");
    EXPECT_EQ(manager().getGroup(4)->name(), "Dead load_1");
    doc->ChangeLoadGroup(4, 1, "anything");
    EXPECT_EQ(manager().getGroup(4)->name(), "Dead load_1");
}

// ---- Envelopes -------------------------------------------------------------------------------------------------

TEST_F(AStrakonDocumentLoadsTest, DeletingEnvelope2Of3LeavesTheFormerThirdWithItsOwnResults) {
    // Envelope 2 over the serviceability cases, 3 over the ultimate ones.
    for (bool serviceability : {true, false}) {
        auto* e = new omEnvelope;
        e->setFilter(serviceability, !serviceability, false);
        for (int k = 1; k <= manager().caseSize(); ++k)
            e->update(static_cast<unsigned>(k), manager().getCase(k));
        manager().addEnvelope(e);
    }
    ASSERT_TRUE(solveroad::run(*doc->GetModel()));
    doc->GetModel()->calcEnvelopes(0);
    const omNodeEnvelope third = Node(2)->getEnvelope(3);
    const omNodeEnvelope second = Node(2)->getEnvelope(2);
    ASSERT_NE(third.first, second.first);

    doc->SetEnvelope(2, nullptr);
    ASSERT_EQ(manager().envelopeSize(), 2);
    EXPECT_EQ(Node(2)->getEnvelope(2).first, third.first);
    EXPECT_EQ(Node(2)->getEnvelope(2).second, third.second);
    commands().Undo();
    EXPECT_EQ(Node(2)->getEnvelope(2).first, second.first);
    EXPECT_EQ(Node(2)->getEnvelope(3).first, third.first);
}

TEST_F(AStrakonDocumentLoadsTest, AnEnvelopeNumberOutOfRangeDoesNothing) {
    const auto before = Record();
    Forget();
    const omEnvelope e = ServiceabilityEnvelope();
    doc->SetEnvelope(5, &e);
    doc->SetEnvelope(2, nullptr);
    commands().Undo();
    commands().Redo();
    EXPECT_EQ(Record(), before);
    EXPECT_TRUE(view.hints.empty());
}

} // namespace
