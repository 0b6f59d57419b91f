// What the running program shows and prints of the portal frame: its moment
// diagram, a move in progress in its geometry window, and its printed report,
// whose every word lies on the paper and whose pictures show no selection.
#include "ProgramFixture.h"

#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AGeometryView.h"
#include "app/views/ALCResultView.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/support/PdfText.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ProgramPictures : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        const fs::path examples = fs::path(STRAKON_SOURCE_DIR) / "examples";
        for (const char* name : {"portal-frame.oxs", "beam-on-ground.oxs", "two-frames.oxp"})
            fs::copy_file(examples / name, work / name);
    }
    AStrakonDocument* portal(CStrakonApp& app) {
        return dynamic_cast<AStrakonDocument*>(app.GetProjectDocument()->GetStructure("portal-frame"));
    }
    static CView* maximisedActiveView(CMainFrame& frame) {
        CMDIChildWnd* child = frame.MDIGetActive();
        if (!child) return nullptr;
        child->MDIMaximize();
        settle();
        return child->GetActiveView();
    }
    AGeometryView* openGeometry(CMainFrame& frame) {
        CTreeCtrl& tree = frame.GetProjectWindow()->GetGeometryTree();
        HTREEITEM item = FindTreeItem(tree, {"Structure 'portal-frame'", "Geometry"});
        if (!item) return nullptr;
        tree.SelectItem(item);
        QTest::keyClick(tree.GetInputWidget(), Qt::Key_Return);
        settle();
        return dynamic_cast<AGeometryView*>(maximisedActiveView(frame));
    }
    ALCResultView* openResults(CMainFrame& frame, AStrakonDocument* doc) {
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_RESULTS);
        auto* item = dynamic_cast<ATIWin*>(frame.GetProjectWindow()->GetLoadCaseItem(doc, 1));
        if (!item) return nullptr;
        item->DefaultAction();
        settle();
        return dynamic_cast<ALCResultView*>(maximisedActiveView(frame));
    }
    static QPoint at(AZoomView& view, double x, double z) {
        view.ClientToLogical(CPoint(0, 0));
        const CPoint device = view.GetC2L().DU(view.GetC2L().LU(x, z));
        return QPoint(device.x, device.y);
    }
};

TEST_F(ProgramPictures, TheMomentDiagramAMoveInProgressAndTheReportOnPaper) {
    const fs::path pdf = work / "portal.pdf";
    run({(work / "two-frames.oxp").string()}, [&](CStrakonApp& app, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        settle();
        AStrakonDocument* doc = portal(app);
        ASSERT_NE(doc, nullptr);

        // The moments of load case 1.
        ALCResultView* results = openResults(frame, doc);
        ASSERT_NE(results, nullptr);
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_SOLVE);
        clickToolButton(frame, IDW_TOOLBAR_RESULTS, ID_RESULT_MOMENTS);
        clickToolButton(frame, IDW_TOOLBAR_VIEW, ID_ZOOM_EXTENTS);
        shot("portal-moments");

        // A move of node 3 from its context menu: pressed on the node and dragged, the outline
        // follows and the status bar says what the next click does.
        clickToolButton(frame, IDW_TOOLBAR_STANDARD, ID_WORKSPACE_GEOMETRY);
        AGeometryView* view = openGeometry(frame);
        ASSERT_NE(view, nullptr);
        view->SendMessage(WM_COMMAND, ID_SELECT, 0);
        QWidget* input = view->GetInputWidget();
        const QPoint node = at(*view, 6.0, -4.0);
        prompts.QueuePopupMenuChoice(ID_NODE_MOVE);
        QTest::mouseMove(input, node);
        QTest::mousePress(input, Qt::RightButton, Qt::NoModifier, node);
        QTest::mouseRelease(input, Qt::RightButton, Qt::NoModifier, node);
        settle();
        ASSERT_EQ(view->GetMouseMode(), AZoomView::modeMove);
        QTest::mousePress(input, Qt::LeftButton, Qt::NoModifier, node);
        QTest::mouseRelease(input, Qt::LeftButton, Qt::NoModifier, node);
        const QPoint target = at(*view, 7.0, -5.0);
        QTest::mouseMove(input, (node + target) / 2);
        QTest::mouseMove(input, target);
        settle();
        EXPECT_FALSE(view->GetDragShapes().IsEmpty());
        shot("move-in-progress");
        QTest::keyClick(input, Qt::Key_Escape);
        settle();
        EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);

        // The beam selected, the report printed: the selection stays on the screen only.
        QTest::mouseClick(input, Qt::LeftButton, Qt::NoModifier, at(*view, 3.0, -4.0));
        settle();
        ASSERT_FALSE(doc->GetSelection().IsEmpty());
        prompts.QueuePrinterAnswer(CPrinterAnswer{pdf.string(), 0, 0});
        frame.SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
        settle();
        EXPECT_FALSE(doc->GetSelection().IsEmpty()) << "printing keeps the selection";
    });
    ASSERT_TRUE(fs::exists(pdf));

    // Every word on the paper, clear of its edges by the printer's margin at least.
    const std::vector<testsupport::PdfPageWords> pages = testsupport::PdfWords(pdf);
    ASSERT_FALSE(pages.empty());
    int elementsPage = 0;
    const double margin = 3.0 * 72.0 / 25.4;
    for (size_t p = 0; p < pages.size(); ++p) {
        for (const testsupport::PdfWord& w : pages[p].words) {
            EXPECT_GE(w.xMin, margin) << w.text << " on page " << w.page;
            EXPECT_LE(w.xMax, pages[p].width - margin) << w.text << " on page " << w.page;
            EXPECT_GE(w.yMin, margin) << w.text << " on page " << w.page;
            EXPECT_LE(w.yMax, pages[p].height - margin) << w.text << " on page " << w.page;
        }
        const std::string text = testsupport::PdfText(pdf, static_cast<int>(p) + 1);
        if (!elementsPage && text.find("Elements") != std::string::npos && text.find("Nodes") != std::string::npos)
            elementsPage = static_cast<int>(p) + 1;
    }
    ASSERT_GT(elementsPage, 0);
    const std::string page = std::to_string(elementsPage);
    const fs::path picture = ArtifactsFolder() / "program-report-elements";
    const std::string command = "pdftoppm -png -r 70 -singlefile -f " + page + " -l " + page + " '" +
                                pdf.string() + "' '" + picture.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string geometry = "pdftoppm -png -r 70 -singlefile -f 1 -l 1 '" + pdf.string() + "' '" +
                                 (ArtifactsFolder() / "program-report-first").string() + "'";
    EXPECT_EQ(std::system(geometry.c_str()), 0);
}

} // namespace
