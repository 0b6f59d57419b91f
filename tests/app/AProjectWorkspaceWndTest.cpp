#include "ProjectWindowFixture.h"

#include "model/elements/omDravikDesignElement.h"
#include "model/omLoadGroup.h"
#include "platform/ui/SECTabWnd.h"
#include "tests/support/ArtifactsFolder.h"

#include <QPixmap>
#include <QWidget>

namespace {

class AProjectWorkspaceWndTest : public ProjectWindowFixture {
protected:
    void SetUp() override {
        ProjectWindowFixture::SetUp();
        newProject(folder / "P.oxp");
        portal = addStructure("Portal", folder.path(), [](omStrakon& s) { structurefile::buildPortal(s, false); });
    }
    static int image(const CTreeCtrl& tree, HTREEITEM h) {
        int normal = -1, selected = -1;
        tree.GetItemImage(h, normal, selected);
        return normal;
    }
    ATIWin* windowItem(CTreeCtrl& tree, HTREEITEM h) {
        return dynamic_cast<ATIWin*>(reinterpret_cast<ABaseProjectTI*>(tree.GetItemData(h)));
    }
    AStrakonDocument* portal = nullptr;
};

TEST_F(AProjectWorkspaceWndTest, EveryTabCountsTheStructuresAndTheStepsFollowTheirWeights) {
    addStructure("Beam", folder.path(), [](omStrakon& s) { structurefile::buildBeamOnGround(s, false); });
    addStructure("Column", folder.path(), [](omStrakon& s) { structurefile::buildNonLinearColumn(s, false); });
    CTreeCtrl* trees[] = {&wnd().GetGeometryTree(), &wnd().GetLoadTree(), &wnd().GetResultTree(),
                          &wnd().GetDesignTree()};
    for (CTreeCtrl* tree : trees)
        EXPECT_EQ(tree->GetItemText(tree->GetRootItem()), "Project 'P': 3 structure(s)");
    EXPECT_EQ(wnd().GetNumberOfSteps(), 3 * (8 + 1 + 2 + 5));
    EXPECT_TRUE(project()->RemoveStructure(structure("Beam"), TRUE));
    for (CTreeCtrl* tree : trees)
        EXPECT_EQ(tree->GetItemText(tree->GetRootItem()), "Project 'P': 2 structure(s)");
}

TEST_F(AProjectWorkspaceWndTest, TheBranchesShowTheModelInTheirFoldersWithTheirPictures) {
    CTreeCtrl& g = wnd().GetGeometryTree();
    EXPECT_EQ(texts(g), (std::vector<std::string>{"Project 'P': 1 structure(s)", "  Structure 'Portal'", "    Geometry",
                                                  "    Elements", "      Linear", "        [01] Left column",
                                                  "        [02] Beam", "        [03] Element", "      Non-linear",
                                                  "    Nodes", "      Free", "        [02] Node", "        [03] Node",
                                                  "      Supported", "        [01] Node UxUzRy",
                                                  "        [04] Node UxUzRy", "    Cross-sections",
                                                  "      [01] ", "      [02] ", "    Materials",
                                                  "      [01] C25/30", "      [02] S235"}))
        << "cross-sections and materials show their names (the portal's sections have none)";
    EXPECT_EQ(image(g, find(g, {"Structure 'Portal'", "Nodes", "Supported", "[01] Node UxUzRy"})), 12);
    EXPECT_EQ(image(g, find(g, {"Structure 'Portal'", "Elements", "Linear", "[02] Beam"})), 5);

    CTreeCtrl& l = wnd().GetLoadTree();
    EXPECT_EQ(childTexts(l, find(l, {"Structure 'Portal'", "Actions"})),
              (std::vector<std::string>{"Dead load", "Live load", "Temperature"}));
    CTreeCtrl& r = wnd().GetResultTree();
    EXPECT_EQ(childTexts(r, find(r, {"Structure 'Portal'"})),
              (std::vector<std::string>{"Load cases", "Envelope Manager", "Envelopes"}));
    EXPECT_EQ(childTexts(r, find(r, {"Structure 'Portal'", "Envelopes"})), (std::vector<std::string>{"01: Ultimate"}));
    CTreeCtrl& d = wnd().GetDesignTree();
    EXPECT_EQ(childTexts(d, find(d, {"Structure 'Portal'"})),
              (std::vector<std::string>{"Design Resume", "Reinforced Concrete", "Steel", "Timber", "Not designed"}));
    EXPECT_EQ(childTexts(d, find(d, {"Structure 'Portal'", "Reinforced Concrete"})),
              (std::vector<std::string>{"[01] Left column", "[03] Element"}));
    EXPECT_EQ(childTexts(d, find(d, {"Structure 'Portal'", "Steel"})), (std::vector<std::string>{"[02] Beam"}));
}

TEST_F(AProjectWorkspaceWndTest, NumbersShowTwoDigitsAndSortAsTheSystemTreeDoes) {
    omStrakon& s = *portal->GetModel();
    structurefile::factors({});
    omLoadCase* dead = s.addLoadCase("Dead", omLoadCase::lsUltimate);
    ASSERT_NE(dead, nullptr);
    wnd().UpdateLoadCases(portal);
    CTreeCtrl& r = wnd().GetResultTree();
    EXPECT_EQ(childTexts(r, find(r, {"Structure 'Portal'", "Load cases"})).back(), "07: Dead");

    for (unsigned id : {10u, 11u, 100u, 9u})
        s.addElement(2, 3, 2, 2, id);
    wnd().UpdateElements(portal);
    CTreeCtrl& g = wnd().GetGeometryTree();
    EXPECT_EQ(childTexts(g, find(g, {"Structure 'Portal'", "Elements", "Linear"})),
              (std::vector<std::string>{"[01] Left column", "[02] Beam", "[03] Element", "[09] Element",
                                        "[10] Element", "[100] Element", "[11] Element"}));
}

TEST_F(AProjectWorkspaceWndTest, ANodeMovesBetweenFreeAndSupportedWithItsSupport) {
    omStrakon& s = *portal->GetModel();
    CTreeCtrl& g = wnd().GetGeometryTree();
    HTREEITEM free = find(g, {"Structure 'Portal'", "Nodes", "Free"});
    HTREEITEM supported = find(g, {"Structure 'Portal'", "Nodes", "Supported"});
    s.setSupport(2, Uz, true);
    wnd().UpdateNodes(portal);
    EXPECT_EQ(childTexts(g, free), (std::vector<std::string>{"[03] Node"}));
    ASSERT_NE(child(g, supported, "[02] Node Uz"), nullptr);
    EXPECT_EQ(image(g, child(g, supported, "[02] Node Uz")), 12);
    s.setSupport(2, Uz, false);
    wnd().UpdateNodes(portal);
    EXPECT_EQ(childTexts(g, free), (std::vector<std::string>{"[02] Node", "[03] Node"}));
    EXPECT_EQ(image(g, child(g, free, "[02] Node")), 10);
    EXPECT_EQ(childTexts(g, supported).size(), 2u);
}

TEST_F(AProjectWorkspaceWndTest, AMemberWhoseLinearityChangedMovesEvenWithTheSameText) {
    omStrakon& s = *portal->GetModel();
    CTreeCtrl& g = wnd().GetGeometryTree();
    HTREEITEM linear = find(g, {"Structure 'Portal'", "Elements", "Linear"});
    HTREEITEM nonLinear = find(g, {"Structure 'Portal'", "Elements", "Non-linear"});
    s.deleteElement(s.getElementMap()->find(3));
    s.addElement(new omDravikDesignElement(*s.getNodeMap(), 3u, 4u, 1u, 1u, 3u), 3);
    wnd().UpdateElements(portal);
    EXPECT_EQ(childTexts(g, linear), (std::vector<std::string>{"[01] Left column", "[02] Beam"}));
    EXPECT_EQ(childTexts(g, nonLinear), (std::vector<std::string>{"[03] Element"}));
    EXPECT_EQ(image(g, child(g, nonLinear, "[03] Element")), 7);
}

TEST_F(AProjectWorkspaceWndTest, DeletedMembersLeaveEveryFolderOfBothTrees) {
    omStrakon& s = *portal->GetModel();
    s.deleteElement(s.getElementMap()->find(2));
    s.deleteElement(s.getElementMap()->find(3));
    wnd().UpdateElements(portal);
    CTreeCtrl& g = wnd().GetGeometryTree();
    CTreeCtrl& d = wnd().GetDesignTree();
    EXPECT_EQ(childTexts(g, find(g, {"Structure 'Portal'", "Elements", "Linear"})),
              (std::vector<std::string>{"[01] Left column"}));
    EXPECT_TRUE(childTexts(d, find(d, {"Structure 'Portal'", "Steel"})).empty());
    EXPECT_EQ(wnd().GetDesignElementItem(portal, 2), nullptr);
    EXPECT_NE(wnd().GetDesignElementItem(portal, 1), nullptr);
}

TEST_F(AProjectWorkspaceWndTest, RenamingAnActionMovesItsEntryLastAndRetitlesItsWindow) {
    CTreeCtrl& l = wnd().GetLoadTree();
    ATIWin* live = windowItem(l, find(l, {"Structure 'Portal'", "Actions", "Live load"}));
    ASSERT_NE(live, nullptr);
    live->DefaultAction();
    ASSERT_TRUE(live->IsWindowOpened());
    CWnd* window = CWnd::FromHandle(live->GetWindows().front());
    EXPECT_EQ(window->GetWindowText(), "Portal - Action (Live load)");
    portal->GetModel()->getLoadManager()->getGroup(2)->setName("Wind");
    wnd().UpdateActions(portal);
    EXPECT_EQ(childTexts(l, find(l, {"Structure 'Portal'", "Actions"})),
              (std::vector<std::string>{"Dead load", "Temperature", "Wind"}));
    EXPECT_EQ(wnd().GetActionItem(portal, 2), live) << "the entry keeps its object and its window";
    EXPECT_EQ(window->GetWindowText(), "Portal - Action (Wind)");
}

TEST_F(AProjectWorkspaceWndTest, DeletingTheLastLoadCaseClosesItsResultWindowsOnly) {
    auto* sixth = dynamic_cast<ATIWin*>(wnd().GetLoadCaseItem(portal, 6));
    auto* first = dynamic_cast<ATIWin*>(wnd().GetLoadCaseItem(portal, 1));
    ASSERT_TRUE(sixth && first);
    sixth->DefaultAction();
    first->DefaultAction();
    ASSERT_EQ(frame->GetMDIChildren().size(), 2u);
    portal->GetModel()->getLoadManager()->deleteCase(6);
    wnd().UpdateLoadCases(portal);
    ProcessEvents();
    EXPECT_EQ(frame->GetMDIChildren().size(), 1u);
    EXPECT_EQ(wnd().GetLoadCaseItem(portal, 6), nullptr);
    EXPECT_EQ(wnd().GetLoadCaseItem(portal, 1), first);
    EXPECT_TRUE(first->IsWindowOpened());
}

TEST_F(AProjectWorkspaceWndTest, ASecondDoubleClickShowsTheOpenWindow) {
    CTreeCtrl& g = wnd().GetGeometryTree();
    HTREEITEM geometry = find(g, {"Structure 'Portal'", "Geometry"});
    g.SelectItem(geometry);
    g.OnKeyDown(VK_RETURN, 1, 0);
    ASSERT_EQ(frame->GetMDIChildren().size(), 1u);
    CMDIChildWnd* opened = frame->GetMDIChildren().front();
    EXPECT_EQ(opened->GetWindowText(), "Portal - Geometry");
    frame->MDIActivate(nullptr);
    g.OnKeyDown(VK_RETURN, 1, 0);
    EXPECT_EQ(frame->GetMDIChildren().size(), 1u) << "no second window";
    EXPECT_EQ(frame->MDIGetActive(), opened);
}

TEST_F(AProjectWorkspaceWndTest, DescriptionsReadTheModelAndSurviveMissingObjects) {
    omLoadManager* manager = portal->GetModel()->getLoadManager();
    manager->setActiveCase(1);
    auto* third = dynamic_cast<ATIWin*>(wnd().GetLoadCaseItem(portal, 3));
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->GetDescription(), "Results (Case 3)");
    EXPECT_EQ(manager->getActiveCaseIndex(), 3) << "the description makes its case active";

    EXPECT_EQ(dynamic_cast<ATIWin*>(wnd().GetDesignElementItem(portal, 2))->GetDescription(),
              "Steel Design of Element [2]");
    EXPECT_EQ(dynamic_cast<ATIWin*>(wnd().GetDesignElementItem(portal, 1))->GetDescription(),
              "Reinforced Concrete Design of Element [1]");

    // Between a deletion and the refresh, the entries still name their windows.
    auto* action = dynamic_cast<ATIWin*>(wnd().GetActionItem(portal, 3));
    auto* element = dynamic_cast<ATIWin*>(wnd().GetDesignElementItem(portal, 2));
    manager->deleteCase(6);
    auto* sixth = dynamic_cast<ATIWin*>(wnd().GetLoadCaseItem(portal, 6));
    portal->GetModel()->deleteElement(portal->GetModel()->getElementMap()->find(2));
    portal->GetModel()->removeLoadGroup(3, nullptr, nullptr);
    manager->deleteGroup(3);
    EXPECT_EQ(action->GetDescription(), "Action ()");
    EXPECT_EQ(element->GetDescription(), "Element [2]");
    EXPECT_EQ(sixth->GetDescription(), "Results ()");
    EXPECT_EQ(manager->getActiveCaseIndex(), 3) << "a missing case leaves the active one alone";
}

TEST_F(AProjectWorkspaceWndTest, EachTabShowsItsTreeWithItsPictures) {
    addStructure("Column", folder.path(), [](omStrakon& s) { structurefile::buildNonLinearColumn(s, false); });
    SECTabWnd* tabs = wnd().GetTabWnd();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->GetTabCount(), 4);
    frame->MoveWindow(0, 0, 700, 760);
    const char* names[] = {"geometry", "loads", "results", "design"};
    ABaseProjectTreeCtrl* trees[] = {&wnd().GetGeometryTree(), &wnd().GetLoadTree(), &wnd().GetResultTree(),
                                     &wnd().GetDesignTree()};
    for (int tab = 0; tab < 4; ++tab) {
        // The project item opens like a user's click would.
        trees[tab]->ExpandItem(trees[tab]->GetProjectItem(), TRUE);
        wnd().ActivateWorkspace(tab);
        ProcessEvents();
        EXPECT_EQ(AWorkspaceManager::Instance()->GetActiveWorkspace()->GetWorkspaceId(), tab);
        const QPixmap shot = wnd().GetWidget()->grab();
        EXPECT_FALSE(shot.isNull());
        const auto path = ArtifactsFolder() / (std::string("project-window-") + names[tab] + ".png");
        EXPECT_TRUE(shot.save(QString::fromStdString(path.string())));
    }
}

} // namespace
