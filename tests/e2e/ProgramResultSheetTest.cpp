// What a user reaches from the windows of a solved structure: the element
// result sheet of a double-clicked member, the help, the section catalogue of
// the cross-section editor worked with the mouse, and the print preview.
#include "ProgramFixture.h"

#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/AElementResultSheet.h"
#include "app/views/AGeometryView.h"
#include "app/views/ALCResultView.h"
#include "app/views/AStrakon.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/AHelp.h"
#include "framework/APPropertyFrame.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omNode.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "resources/ui/StrakonEditorIds.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/support/MouseInput.h"

#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QPrintPreviewWidget>
#include <QTextBrowser>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ProgramWindows : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
    }
    static AStrakonDocument* portalOf(CStrakonApp& app) {
        return dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("portal-frame"));
    }
    // The result window of a load case of the portal frame, from the Results tree, maximised.
    ALCResultView* openResults(CMainFrame& frame, AStrakonDocument* portal, int loadCase) {
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_RESULTS);
        auto* item = dynamic_cast<ATIWin*>(frame.GetProjectWindow()->GetLoadCaseItem(portal, loadCase));
        if (!item) return nullptr;
        item->DefaultAction();
        settle();
        CMDIChildWnd* child = frame.MDIGetActive();
        if (!child) return nullptr;
        child->MDIMaximize();
        settle();
        return dynamic_cast<ALCResultView*>(child->GetActiveView());
    }
    // The client pixel of a world point (metres) in a view.
    static QPoint at(AZoomView& view, double x, double z) {
        view.ClientToLogical(CPoint(0, 0));
        const CPoint device = view.GetC2L().DU(view.GetC2L().LU(x, z));
        return QPoint(device.x, device.y);
    }
    // The middle of a member, in metres.
    static QPointF middleOf(const omDesignElement& member) {
        const omVector a = member.getNode1()->getVector(omUK_m, omNode::coorPlain);
        const omVector b = member.getNode2()->getVector(omUK_m, omNode::coorPlain);
        return QPointF((a(1) + b(1)) / 2, (a(2) + b(2)) / 2);
    }
};

TEST_F(ProgramWindows, ADoubleClickedMemberShowsItsResultsOfTheActiveCaseAndTheyGoToTheClipboard) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        AStrakonDocument* portal = portalOf(app);
        ASSERT_NE(portal, nullptr);
        ALCResultView* view = openResults(frame, portal, 1);
        ASSERT_NE(view, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_SOLVE);
        ASSERT_TRUE(view->IsResultCaseValid());
        clickToolButton(frame, IDW_TOOLBAR_VIEW, ID_ZOOM_EXTENTS);

        const omDesignElement* member = portal->GetModel()->getElementMap()->doFind(2);
        ASSERT_NE(member, nullptr);
        const QPointF middle = middleOf(*member);
        const QPoint pixel = at(*view, middle.x(), middle.y());
        QWidget* input = view->GetInputWidget();
        QTest::mouseMove(input, pixel);
        testsupport::DoubleClick(input, pixel);
        settle();

        APPropertyFrame* properties = APPropertyFrame::Existing();
        ASSERT_NE(properties, nullptr);
        auto* sheet = dynamic_cast<ADesignElementResultProperty*>(properties->GetProperySheet());
        ASSERT_NE(sheet, nullptr) << "the element result sheet";
        ASSERT_TRUE(properties->IsWindowVisible());
        ADesignElementResultPage& page = sheet->GetResultPage();
        EXPECT_EQ(page.GetDlgItem(1554)->GetWindowText(), member->getIdName(true, true));
        const CString caseName = portal->GetModel()->getLoadManager()->getCase(1)->name();
        EXPECT_EQ(sheet->GetTabText(0), caseName);
        CGridCtrl& grid = page.GetGrid();
        ASSERT_EQ(grid.GetRowCount(), 7);
        const int n = grid.GetColumnCount() - 1;
        ASSERT_GE(n, 2);
        for (int row = 1; row < 7; ++row)
            for (int col = 1; col <= n; ++col)
                EXPECT_FALSE(grid.GetItemText(row, col).empty()) << row << "," << col;
        // The moment at the first point, in the unit the row names.
        const double moment = member->getResult().getLCResult(1)[0].F.getDof(Ry);
        EXPECT_NEAR(std::stod(grid.GetItemText(1, 1)),
                    omUnitValue(moment, omUK_kNcm).Get(AUnitKeyAttributes::Instance()->moment),
                    std::fabs(omUnitValue(moment, omUK_kNcm).Get(AUnitKeyAttributes::Instance()->moment)) * 1e-3 + 1e-3);

        // The frame opens inside the main window's client area, clear of the menu and the bars.
        const QWidget* client = static_cast<CWnd&>(frame).GetClientWidget();
        const QRect area(client->mapToGlobal(QPoint(0, 0)), client->size());
        const QRect placed = properties->GetWidget()->frameGeometry();
        EXPECT_TRUE(area.contains(placed.topLeft())) << "frame at " << placed.x() << "," << placed.y();
        for (APButtonCtrl* button : std::initializer_list<APButtonCtrl*>{
                 &properties->GetPushPin(), &properties->GetApplyButton(), &properties->GetHelpButton()})
            EXPECT_TRUE(button->GetWidget()->isVisible());
        shot("result-sheet");

        // All to clipboard, with the mouse.
        QApplication::clipboard()->clear();
        QTest::mouseClick(page.GetDlgItem(1438)->GetWidget(), Qt::LeftButton);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 7);
        EXPECT_EQ(lines[1].split('\t').first().trimmed().toStdString(), grid.GetItemText(1, 1));
        EXPECT_EQ(lines[6].split('\t').last().trimmed().toStdString(), grid.GetItemText(6, n));
        properties->SendMessage(WM_CLOSE);
        settle();
    });
}

TEST_F(ProgramWindows, HelpTopicsF1AndADialogsHelpButtonShowTheirPages) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp&, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        EXPECT_TRUE(enabled(frame, ID_HELP_FINDER)) << "Help Topics";
        frame.SendMessage(WM_COMMAND, ID_HELP_FINDER, 0);
        settle();
        QTextBrowser* viewer = AHelp::Instance()->GetViewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_TRUE(viewer->source().toLocalFile().endsWith("/index.html")) << viewer->source().toString().toStdString();
        EXPECT_FALSE(viewer->toPlainText().isEmpty());
        viewer->close();
        settle();

        // F1 in the main window.
        frame.GetWidget()->activateWindow();
        settle();
        QTest::keyClick(frame.GetWidget(), Qt::Key_F1);
        settle();
        viewer = AHelp::Instance()->GetViewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isVisible()) << "F1";
        EXPECT_TRUE(viewer->source().toLocalFile().endsWith("/index.html"));
        viewer->close();
        settle();

        // The Help button of the material editor, clicked.
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        CTreeCtrl& tree = frame.GetProjectWindow()->GetGeometryTree();
        HTREEITEM item = FindTreeItem(tree, {"Structure 'portal-frame'", "Geometry"});
        ASSERT_NE(item, nullptr);
        tree.SelectItem(item);
        QTest::keyClick(tree.GetInputWidget(), Qt::Key_Return);
        settle();
        std::string shownPage;
        dialogs.Queue([&](CDialog& editor) {
            CWnd* help = editor.GetDlgItem(IDHELP);
            ASSERT_NE(help, nullptr);
            QTest::mouseClick(help->GetWidget(), Qt::LeftButton);
            QTextBrowser* pageViewer = AHelp::Instance()->GetViewer();
            ASSERT_NE(pageViewer, nullptr);
            EXPECT_TRUE(pageViewer->isVisible());
            shownPage = pageViewer->source().toLocalFile().toStdString();
            pageViewer->raise();
            shot("help-page");
            editor.PressButton(IDCANCEL);
        });
        frame.SendMessage(WM_COMMAND, ID_EDIT_MATERIALS, 0);
        EXPECT_NE(shownPage.find("142-material-editor.html"), std::string::npos) << shownPage;
        if (QTextBrowser* v = AHelp::Instance()->GetViewer()) v->close();
        settle();
    });
}

TEST_F(ProgramWindows, TheSectionCatalogueAnswersMouseClicks) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp&, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        CTreeCtrl& tree = frame.GetProjectWindow()->GetGeometryTree();
        HTREEITEM item = FindTreeItem(tree, {"Structure 'portal-frame'", "Geometry"});
        ASSERT_NE(item, nullptr);
        tree.SelectItem(item);
        QTest::keyClick(tree.GetInputWidget(), Qt::Key_Return);
        settle();
        std::string name, section;
        int sections = 0;
        dialogs.Queue([&](CDialog& editor) {
            dialogs.Queue([&](CPropertySheet& sheet) {
                sheet.SetActivePage(3);
                CPropertyPage& page = *sheet.GetActivePage();
                QTest::mouseClick(page.GetDlgItem(IDC_DSI_STANDARD)->GetWidget(), Qt::LeftButton);
                auto* groups = qobject_cast<QListWidget*>(page.GetDlgItem(IDC_DSI_GROUP)->GetWidget());
                auto* list = qobject_cast<QListWidget*>(page.GetDlgItem(IDC_DSI_SECTION)->GetWidget());
                ASSERT_TRUE(groups && list);
                const QList<QListWidgetItem*> ipe = groups->findItems("IPE", Qt::MatchStartsWith);
                ASSERT_FALSE(ipe.isEmpty());
                groups->scrollToItem(ipe.front());
                QTest::mouseClick(groups->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  groups->visualItemRect(ipe.front()).center());
                sections = list->count();
                ASSERT_GT(sections, 3) << "the group's sections";
                QListWidgetItem* third = list->item(3);
                list->scrollToItem(third);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  list->visualItemRect(third).center());
                section = third->text().toStdString();
                name = page.GetDlgItem(IDC_PAGE_NAME)->GetWindowText();
                shot("catalogue-click");
                sheet.PressButton(PSBTN_CANCEL);
            });
            editor.PressButton(IDC_CS_NEW);
            editor.PressButton(IDCANCEL);
        });
        frame.SendMessage(WM_COMMAND, ID_EDIT_CROSS_SECTIONS, 0);
        EXPECT_GT(sections, 3);
        EXPECT_FALSE(section.empty());
        EXPECT_EQ(name, section) << "the clicked section names the page";
    });
}

TEST_F(ProgramWindows, PrintPreviewShowsTheReportPages) {
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        CTreeCtrl& tree = frame.GetProjectWindow()->GetGeometryTree();
        HTREEITEM item = FindTreeItem(tree, {"Structure 'portal-frame'", "Geometry"});
        ASSERT_NE(item, nullptr);
        tree.SelectItem(item);
        QTest::keyClick(tree.GetInputWidget(), Qt::Key_Return);
        settle();
        CMDIChildWnd* child = frame.MDIGetActive();
        ASSERT_NE(child, nullptr);
        CView* view = child->GetActiveView();
        ASSERT_NE(view, nullptr);
        ASSERT_NE(portalOf(app), nullptr);
        frame.SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
        settle(300);
        QWidget* preview = view->GetPrintPreview();
        ASSERT_NE(preview, nullptr);
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        EXPECT_GE(pages->pageCount(), 3);
        preview->resize(900, 800);
        pages->setViewMode(QPrintPreviewWidget::FacingPagesView);
        pages->setCurrentPage(3);
        settle(300);
        shot("print-preview");
        preview->close();
        settle();
    });
}

} // namespace
