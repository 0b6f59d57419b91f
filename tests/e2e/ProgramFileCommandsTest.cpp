// The keys, menus and file commands of the running program: Undo and Redo from
// the keyboard in every window kind, the menus of the loads and table windows,
// File New into a folder that is not there yet, Insert Structure from the File
// menu and the project's own menu, files dropped on the main window, and the
// factory defaults confirmed while the closing is cancelled.
#include "ProgramFixture.h"

#include "app/design/SafetyFactorsEC.h"
#include "app/shell/ARegistry.h"
#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CView.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class ProgramFileCommands : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
    }
    // Opens a window from a tree of the project window as Enter on its entry does.
    static CMDIChildWnd* openEntry(CMainFrame& frame, UINT workspace, CTreeCtrl& tree,
                                   const std::vector<std::string>& path) {
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, workspace);
        HTREEITEM item = tree.GetRootItem();
        for (const std::string& text : path) {
            HTREEITEM child = tree.GetChildItem(item);
            while (child && tree.GetItemText(child) != text)
                child = tree.GetNextSiblingItem(child);
            item = child;
            if (!item) break;
        }
        if (!item) return nullptr;
        tree.SelectItem(item);
        QTest::keyClick(tree.GetInputWidget(), Qt::Key_Return);
        settle();
        return frame.MDIGetActive();
    }
    // The popup of the frame's menu bar with the text.
    static CMenu* popup(CMainFrame& frame, const std::string& text) {
        CMenu* bar = frame.GetMenu();
        for (int i = 0; bar && i < static_cast<int>(bar->GetMenuItemCount()); ++i) {
            CString s;
            bar->GetMenuString(static_cast<UINT>(i), s, MF_BYPOSITION);
            if (s == text) {
                CMenu* sub = bar->GetSubMenu(i);
                frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub->GetQMenu()), MAKELPARAM(i, 0));
                return sub;
            }
        }
        return nullptr;
    }
    static std::vector<UINT> ids(CMenu* menu) {
        std::vector<UINT> result;
        for (int i = 0; menu && i < static_cast<int>(menu->GetMenuItemCount()); ++i)
            result.push_back(menu->GetMenuItemID(i));
        return result;
    }
    static bool has(CMenu* menu, UINT id) {
        const std::vector<UINT> all = ids(menu);
        return std::find(all.begin(), all.end(), id) != all.end();
    }
    static CString text(CMenu* menu, UINT id) {
        CString s;
        if (menu) menu->GetMenuString(id, s, MF_BYCOMMAND);
        return s;
    }
    // Drops the files on the main window as the desktop does.
    static void drop(CMainFrame& frame, const std::vector<fs::path>& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const fs::path& f : files)
            urls << QUrl::fromLocalFile(QString::fromStdString(f.string()));
        data.setUrls(urls);
        QWidget* window = frame.GetWidget();
        const QPointF at(window->width() / 2.0, window->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        EXPECT_TRUE(enter.isAccepted()) << "the window takes files";
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &dropped);
        EXPECT_TRUE(dropped.isAccepted());
        settle();
    }
    static std::vector<std::string> structures(CStrakonApp& app) {
        std::vector<std::string> names;
        if (ABaseProjectDoc* project = app.GetProjectDocument())
            for (ABaseStructureDoc* s : project->GetStructures())
                names.push_back(s->GetTitle());
        return names;
    }
};

TEST_F(ProgramFileCommands, CtrlZAndCtrlYUndoAndRedoInEveryWindowKindAndTheMenusShowTheKeys) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        AProjectWorkspaceWnd& project = *frame.GetProjectWindow();
        auto* portal = dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("portal-frame"));
        ASSERT_NE(portal, nullptr);
        omLoadManager& loads = *portal->GetModel()->getLoadManager();
        const struct {
            const char* kind;
            UINT workspace;
            CTreeCtrl& tree;
            std::vector<std::string> path;
        } kinds[] = {
            {"geometry", ID_WORKSPACE_GEOMETRY, project.GetGeometryTree(), {"Structure 'portal-frame'", "Geometry"}},
            {"loads", ID_WORKSPACE_LOADS, project.GetLoadTree(), {"Structure 'portal-frame'", "Actions", "Live load"}},
            {"load combinations", ID_WORKSPACE_LOADS, project.GetLoadTree(),
             {"Structure 'portal-frame'", "Actions/Load cases Manager"}},
            {"envelopes", ID_WORKSPACE_RESULTS, project.GetResultTree(),
             {"Structure 'portal-frame'", "Envelope Manager"}},
        };
        for (const auto& k : kinds) {
            CMDIChildWnd* child = openEntry(frame, k.workspace, k.tree, k.path);
            ASSERT_NE(child, nullptr) << k.kind;
            CView* view = child->GetActiveView();
            ASSERT_NE(view, nullptr) << k.kind;
            // A change of the structure, then the keys on the window as the user presses them.
            omEnvelope envelope;
            envelope.setName(k.kind);
            const int before = loads.envelopeSize();
            portal->SetEnvelope(0, &envelope);
            settle();
            ASSERT_EQ(loads.envelopeSize(), before + 1) << k.kind;
            frame.GetWidget()->activateWindow();
            settle();
            QWidget* keys = view->GetInputWidget() ? view->GetInputWidget() : view->GetWidget();
            QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
            settle();
            EXPECT_EQ(loads.envelopeSize(), before) << "Ctrl+Z in the " << k.kind << " window";
            QTest::keyClick(keys, Qt::Key_Y, Qt::ControlModifier);
            settle();
            EXPECT_EQ(loads.envelopeSize(), before + 1) << "Ctrl+Y in the " << k.kind << " window";
            // The Edit menu names the keys.
            CMenu* edit = popup(frame, "&Edit");
            ASSERT_NE(edit, nullptr) << k.kind;
            EXPECT_NE(text(edit, ID_EDIT_UNDO).find("\tCtrl+Z"), std::string::npos) << text(edit, ID_EDIT_UNDO);
            EXPECT_NE(text(edit, ID_EDIT_REDO).find("\tCtrl+Y"), std::string::npos) << text(edit, ID_EDIT_REDO);
            // The frame's own keys work here too: Alt+2 hides and shows the output window.
            const bool output = shown(frame.GetOutputWindow());
            QTest::keyClick(keys, Qt::Key_2, Qt::AltModifier);
            settle();
            EXPECT_NE(shown(frame.GetOutputWindow()), output) << "Alt+2 in the " << k.kind << " window";
            QTest::keyClick(keys, Qt::Key_2, Qt::AltModifier);
            settle();

            if (std::string(k.kind) == "loads") {
                // The loads window is a zoom view: its menus carry the zoom view's commands.
                CMenu* file = popup(frame, "&File");
                EXPECT_TRUE(has(file, ID_FILE_PRINT));
                EXPECT_TRUE(has(file, ID_FILE_PRINT_PREVIEW));
                for (UINT id : {ID_SELECT, ID_DELETE, ID_MOVE, ID_COPY_VIEW})
                    EXPECT_TRUE(has(edit, id)) << id;
                CMenu* zoom = popup(frame, "&Zoom");
                ASSERT_NE(zoom, nullptr);
                for (UINT id : {ID_ZOOM_WINDOW, ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_ALL, ID_ZOOM_EXTENTS})
                    EXPECT_TRUE(has(zoom, id)) << id;
                EXPECT_TRUE(enabled(frame, ID_ZOOM_ALL));
                EXPECT_TRUE(enabled(frame, ID_FILE_PRINT));
                EXPECT_NE(popup(frame, "&Loads"), nullptr);
                shot("loads-menu");
            }
            if (std::string(k.kind) == "load combinations") {
                EXPECT_TRUE(has(edit, ID_EDIT_COPY));
                EXPECT_NE(popup(frame, "&Load Manager"), nullptr);
            }
        }
    });
}

TEST_F(ProgramFileCommands, FileNewOffersAFolderThatExistsAndMakesAMissingOneAfterOneQuestion) {
    // A fresh account: no documents folder yet.
    fs::remove_all(home / "Documents");
    std::ofstream(work / "a-file") << "not a folder";
    run({}, [&](CStrakonApp& app, CMainFrame& frame) {
        settle();
        const fs::path fresh = work / "projects" / "2026";
        CString offered;
        CString nameKept;
        // First: a location inside a file, which cannot be made; the sheet comes back with the entries kept.
        dialogs.Queue([&](CPropertySheet& sheet) {
            CPropertyPage& page = *sheet.GetActivePage();
            offered = page.GetDlgItemText(1046);
            type(page, 1044, "Hall");
            type(page, 1046, (work / "a-file" / "sub").string());
            // The sheet's idle update enables OK once a name is typed, as its loop does between keys.
            sheet.SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
            sheet.PressButton(PSBTN_OK);
        });
        prompts.QueueMessageBoxAnswer(IDYES);
        prompts.QueueMessageBoxAnswer(IDOK);
        // Then a folder that is not there yet: Yes makes it.
        dialogs.Queue([&](CPropertySheet& sheet) {
            CPropertyPage& page = *sheet.GetActivePage();
            nameKept = page.GetDlgItemText(1044);
            type(page, 1046, fresh.string());
            sheet.SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
            sheet.PressButton(PSBTN_OK);
        });
        prompts.QueueMessageBoxAnswer(IDYES);
        dialogs.Queue([&](CPropertySheet& wizard) { wizard.PressButton(PSBTN_FINISH); });
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_FILE_NEW);

        EXPECT_EQ(offered, home.path().string()) << "the home folder, since the documents folder is not there";
        EXPECT_EQ(nameKept, "Hall");
        ASSERT_EQ(prompts.MessageBoxes().size(), 3u);
        EXPECT_NE(prompts.MessageBoxes()[0].text.find("does not exist"), std::string::npos);
        EXPECT_NE(prompts.MessageBoxes()[1].text.find((work / "a-file" / "sub").string()), std::string::npos)
            << "one message names the folder: " << prompts.MessageBoxes()[1].text;
        EXPECT_NE(prompts.MessageBoxes()[2].text.find(fresh.string()), std::string::npos);
        EXPECT_TRUE(fs::exists(fresh / "Hall.oxp"));
        EXPECT_TRUE(fs::exists(fresh / "Hall.oxs"));
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        EXPECT_EQ(structures(app), std::vector<std::string>{"Hall"});
        shot("new-in-fresh-folder");
    });
}

TEST_F(ProgramFileCommands, InsertStructureFromTheFileMenuAndTheProjectItemAndFilesDroppedOnTheWindow) {
    fs::create_directories(work / "more");
    for (const char* name : {"Annex", "Shed", "Porch"})
        fs::copy_file(work / "portal-frame.oxs", work / "more" / (std::string(name) + ".oxs"));
    run({}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        // Without a project: the command is there, after Save As, and greyed.
        CMenu* file = popup(frame, "&File");
        const std::vector<UINT> items = ids(file);
        const auto saveAs = std::find(items.begin(), items.end(), ID_SAVE_PROJECT_AS);
        ASSERT_NE(saveAs, items.end());
        ASSERT_NE(saveAs + 1, items.end());
        EXPECT_EQ(*(saveAs + 1), ID_INSERT_STRUCTURE);
        EXPECT_FALSE(enabled(frame, ID_INSERT_STRUCTURE));

        // A structure dropped with no project open: the message, nothing opens.
        prompts.Clear();
        drop(frame, {work / "more" / "Annex.oxs"});
        ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
        EXPECT_NE(prompts.MessageBoxes()[0].text.find("Insert Structure"), std::string::npos);
        EXPECT_EQ(app.GetProjectDocument(), nullptr);
        // A dropped project opens as File Open opens it.
        drop(frame, {work / "two-frames.oxp"});
        ASSERT_NE(app.GetProjectDocument(), nullptr);
        EXPECT_EQ(app.GetProjectDocument()->GetTitle(), "two-frames");
        EXPECT_TRUE(enabled(frame, ID_INSERT_STRUCTURE));

        // File ▸ Insert Structure.
        prompts.QueueFileAnswer((work / "more" / "Annex.oxs").string());
        frame.SendMessage(WM_COMMAND, ID_INSERT_STRUCTURE, 0);
        settle();
        EXPECT_EQ(structures(app), (std::vector<std::string>{"portal-frame", "beam-on-ground", "Annex"}));

        // The project item's own menu, from a right click on it.
        CTreeCtrl& tree = frame.GetProjectWindow()->GetGeometryTree();
        HTREEITEM root = tree.GetRootItem();
        ASSERT_NE(root, nullptr);
        tree.SelectItem(FindTreeItem(tree, {"Structure 'portal-frame'"}));
        auto* widget = qobject_cast<QTreeWidget*>(tree.GetWidget());
        ASSERT_NE(widget, nullptr);
        const QRect box = widget->visualItemRect(widget->topLevelItem(0));
        ASSERT_FALSE(box.isEmpty());
        prompts.QueuePopupMenuChoice(ID_INSERT_STRUCTURE);
        prompts.QueueFileAnswer((work / "more" / "Shed.oxs").string());
        const QPoint global = widget->viewport()->mapToGlobal(box.center());
        QWidget* input = tree.GetInputWidget();
        QContextMenuEvent right(QContextMenuEvent::Mouse, input->mapFromGlobal(global), global);
        QCoreApplication::sendEvent(input, &right);
        settle();
        EXPECT_EQ(tree.GetSelectedItem(), root) << "the right click selects the project item";
        EXPECT_EQ(structures(app), (std::vector<std::string>{"portal-frame", "beam-on-ground", "Annex", "Shed"}));

        // A structure dropped on the window joins the open project.
        drop(frame, {work / "more" / "Porch.oxs"});
        EXPECT_EQ(structures(app),
                  (std::vector<std::string>{"portal-frame", "beam-on-ground", "Annex", "Shed", "Porch"}));
        shot("inserted-structures");
        // The changed project is closed without saving on the way out.
        prompts.QueueMessageBoxAnswer(IDNO);
    });
}

TEST_F(ProgramFileCommands, FactoryDefaultsConfirmedWhileTheClosingIsCancelledStillDeleteTheKeys) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        settle();
        app.GetProjectDocument()->SetModifiedFlag(TRUE);
        prompts.QueueMessageBoxAnswer(IDYES);    // restore the factory defaults
        prompts.QueueMessageBoxAnswer(IDCANCEL); // but keep the changed project open
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_FACTORY_DEFAULTS);
        ASSERT_NE(AfxGetMainWnd(), nullptr) << "the cancelled closing keeps the program";
        ARegistry reg;
        ASSERT_TRUE(reg.OpenOrCreate("Software\\Orvex\\Strakon"));
        std::vector<std::string> keys;
        CString name;
        for (DWORD i = 0; reg.EnumerateKeys(i, name); ++i)
            keys.push_back(name);
        EXPECT_TRUE(keys.empty() || keys == std::vector<std::string>{"Options"}) << keys.size();
        prompts.QueueMessageBoxAnswer(IDNO);
    });
    // The program that went on wrote its settings again when it finally closed.
    ARegistry reg;
    ASSERT_TRUE(reg.OpenOrCreate("Software\\Orvex\\Strakon"));
    std::vector<std::string> keys;
    CString name;
    for (DWORD i = 0; reg.EnumerateKeys(i, name); ++i)
        keys.push_back(name);
    EXPECT_NE(std::find(keys.begin(), keys.end(), "Settings"), keys.end());
}

} // namespace

namespace {

bool expanded(CTreeCtrl& tree, std::initializer_list<std::string> path) {
    HTREEITEM item = FindTreeItem(tree, path);
    return item && (tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(ProgramFileCommands, TheTreesKeepTheirBranchesExpandedAndTheTitleFollowsTheActiveWindow) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp&, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        AProjectWorkspaceWnd& project = *frame.GetProjectWindow();
        CTreeCtrl* trees[] = {&project.GetGeometryTree(), &project.GetLoadTree(), &project.GetResultTree(),
                              &project.GetDesignTree()};
        const UINT workspaces[] = {ID_WORKSPACE_GEOMETRY, ID_WORKSPACE_LOADS, ID_WORKSPACE_RESULTS,
                                   ID_WORKSPACE_DESIGN, ID_WORKSPACE_GEOMETRY};
        for (UINT workspace : workspaces) {
            clickToolButton(frame, IDW_TOOLBAR_STANDARD, workspace);
            for (CTreeCtrl* tree : trees)
                EXPECT_TRUE(expanded(*tree, {})) << "the project item after workspace " << workspace;
            for (CTreeCtrl* tree : trees)
                for (const char* structure : {"Structure 'portal-frame'", "Structure 'beam-on-ground'"})
                    EXPECT_TRUE(expanded(*tree, {structure})) << structure << " after workspace " << workspace;
        }
        // A branch the user closes stays closed over a workspace switch.
        CTreeCtrl& geometry = project.GetGeometryTree();
        geometry.Expand(FindTreeItem(geometry, {"Structure 'beam-on-ground'"}), TVE_COLLAPSE);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_LOADS);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        EXPECT_FALSE(expanded(geometry, {"Structure 'beam-on-ground'"}));
        EXPECT_TRUE(expanded(geometry, {"Structure 'portal-frame'"}));

        // The main window's title names the structure of the active window.
        for (const char* structure : {"portal-frame", "beam-on-ground", "portal-frame"}) {
            geometry.Expand(FindTreeItem(geometry, {std::string("Structure '") + structure + "'"}), TVE_EXPAND);
            CMDIChildWnd* child = openEntry(frame, ID_WORKSPACE_GEOMETRY, geometry,
                                            {std::string("Structure '") + structure + "'", "Geometry"});
            ASSERT_NE(child, nullptr) << structure;
            settle();
            const CString title = frame.GetWindowText();
            EXPECT_NE(title.find(structure), std::string::npos) << title << " with " << child->GetWindowText();
        }
        shot("title-and-trees");
    });
}

} // namespace

namespace {

TEST_F(ProgramFileCommands, TheSafetyFactorsHeldAtTheEndAreSavedOnTheWayOut) {
    run({}, [&](CStrakonApp&, CMainFrame&) {
        settle();
        // Changed in memory only, as the design views' sheet leaves them before the program ends.
        SafetyFactorsEC::Instance()->m_EC3.m_gammaM1 = 1.35;
    });
    ARegistry reg;
    ASSERT_TRUE(reg.OpenOrCreate("Software\\Orvex\\Strakon\\SafetyFactors\\EC3"));
    EXPECT_DOUBLE_EQ(reg.GetDouble("Gamma 1", 0.0), 1.35);
    SafetyFactorsEC::Discard();
}

} // namespace
