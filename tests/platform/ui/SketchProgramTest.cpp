// The small program built on the layer, driven as a user drives it.
#include "SketchAppTest.h"
#include "UiTestSupport.h"

#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace sketch;

namespace {

class SketchProgramTest : public SketchAppTest {
protected:
    // File New, as the menu does it; the new window's view.
    CSketchView* NewSketch() {
        frame->SendMessage(WM_COMMAND, ID_FILE_NEW, 0);
        CMDIChildWnd* child = frame->MDIGetActive();
        return child ? static_cast<CSketchView*>(child->GetActiveView()) : nullptr;
    }

    QMenu* Popup(const QString& title) const {
        for (QAction* action : frame->GetMainWindow()->menuBar()->actions())
            if (action->text() == title) return action->menu();
        return nullptr;
    }

    static QAction* Item(QMenu* menu, UINT id) {
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->menu() && action->data().toUInt() == id) return action;
        return nullptr;
    }

    // Opening a popup: its items get their state.
    static void Open(QMenu* menu) { emit menu->aboutToShow(); }
};

TEST_F(SketchProgramTest, MainFrameIsBuiltFromTheResourceTables) {
    EXPECT_EQ(frame->GetWindowText(), "Sketch Pad");
    QStringList titles;
    for (QAction* action : frame->GetMainWindow()->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View"}));
    QMenu* edit = Popup("&Edit");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(Item(edit, ID_EDIT_MARK), nullptr);
    EXPECT_EQ(Item(edit, ID_EDIT_MARK)->text(), "&Mark\tCtrl+M");

    ASSERT_EQ(frame->m_wndToolBar.GetCount(), 7);
    EXPECT_EQ(frame->m_wndToolBar.GetItemID(1), 0u);
    QAction* mark = frame->m_wndToolBar.GetButtonAction(frame->m_wndToolBar.CommandToIndex(ID_EDIT_MARK));
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->toolTip(), "Mark");
    EXPECT_EQ(mark->statusTip(), "Marks the sketch");
    EXPECT_FALSE(mark->icon().isNull());

    ASSERT_EQ(frame->m_wndStatusBar.GetCount(), 2);
    EXPECT_EQ(frame->m_wndStatusBar.GetItemID(1), ID_INDICATOR_MARK);
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), "Ready");
}

TEST_F(SketchProgramTest, CommandGoesToTheFramesHelperThenTheActiveViewThenTheDocumentThenTheFrames) {
    // Without a document, the frame's own handler answers.
    frame->SendMessage(WM_COMMAND, ID_SHAPE_CLEAR, 0);
    EXPECT_EQ(frame->m_clearCommands, 1);

    CSketchView* view = NewSketch();
    ASSERT_NE(view, nullptr);
    CSketchDoc* doc = view->GetDocument();
    auto* child = static_cast<CSketchChildFrame*>(frame->MDIGetActive());

    // Both the view and the document handle Circle: the view wins.
    frame->SendMessage(WM_COMMAND, ID_SHAPE_CIRCLE, 0);
    EXPECT_EQ(view->m_circleCommands, 1);
    EXPECT_EQ(doc->m_circleCommands, 0);
    EXPECT_EQ(doc->m_circles, 1);
    // Only the document handles Square.
    frame->SendMessage(WM_COMMAND, ID_SHAPE_SQUARE, 0);
    EXPECT_EQ(doc->m_squares, 1);
    // The child frame answers before the main frame.
    frame->SendMessage(WM_COMMAND, ID_SHAPE_CLEAR, 0);
    EXPECT_EQ(child->m_clearCommands, 1);
    EXPECT_EQ(frame->m_clearCommands, 1);
    // Only the main frame handles Mark.
    frame->SendMessage(WM_COMMAND, ID_EDIT_MARK, 0);
    EXPECT_EQ(frame->m_markCommands, 1);

    // The frame's helper answers before the view and the frames.
    const QRect before = child->GetWidget()->geometry();
    frame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE, 0);
    EXPECT_EQ(frame->m_windowManager.m_cascades, 1);
    EXPECT_EQ(child->GetWidget()->geometry(), before) << "the frame's own cascade did not run";

    // The document's window shows the template's menu, and choosing its item routes the same way.
    QMenu* shape = Popup("&Shape");
    ASSERT_NE(shape, nullptr);
    Item(shape, ID_SHAPE_CIRCLE)->trigger();
    EXPECT_EQ(view->m_circleCommands, 2);
}

TEST_F(SketchProgramTest, UpdateHandlerChecksAndDisablesMenuItemAndToolbarButton) {
    QMenu* edit = Popup("&Edit");
    QAction* menuMark = Item(edit, ID_EDIT_MARK);
    QAction* buttonMark =
        frame->m_wndToolBar.GetButtonAction(frame->m_wndToolBar.CommandToIndex(ID_EDIT_MARK));

    Open(edit);
    app->RunIdleProcessing();
    EXPECT_TRUE(menuMark->isEnabled());
    EXPECT_FALSE(menuMark->isChecked());
    EXPECT_TRUE(buttonMark->isEnabled());
    EXPECT_EQ(frame->m_wndStatusBar.GetShownPaneText(1), "");

    frame->m_bMarked = true;
    frame->m_bLocked = true;
    Open(edit);
    app->RunIdleProcessing();
    EXPECT_TRUE(menuMark->isChecked());
    EXPECT_FALSE(menuMark->isEnabled());
    EXPECT_TRUE(buttonMark->isChecked());
    EXPECT_FALSE(buttonMark->isEnabled());
    EXPECT_EQ(frame->m_wndStatusBar.GetShownPaneText(1), " MARK ");

    // A disabled command does not run, whether it comes from the menu, the toolbar or a key.
    frame->SendMessage(WM_COMMAND, ID_EDIT_MARK, 0);
    buttonMark->trigger();
    EXPECT_EQ(frame->m_markCommands, 0);

    frame->m_bLocked = false;
    app->RunIdleProcessing();
    EXPECT_TRUE(buttonMark->isEnabled());
    buttonMark->trigger();
    EXPECT_EQ(frame->m_markCommands, 1);
}

TEST_F(SketchProgramTest, ItemsWithoutAnyHandlerAreDisabled) {
    QMenu* file = Popup("&File");
    Open(file);
    EXPECT_FALSE(Item(file, ID_FILE_MRU_FILE1)->isEnabled());
    EXPECT_TRUE(Item(file, ID_FILE_NEW)->isEnabled());
    EXPECT_TRUE(Item(file, ID_APP_EXIT)->isEnabled());
}

TEST_F(SketchProgramTest, StatusBarShowsThePromptOfTheHoveredItemAndReadyAfterwards) {
    QMenu* edit = Popup("&Edit");
    Open(edit);
    Item(edit, ID_EDIT_LOCK)->hover();
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), "Locks the mark");
    emit edit->aboutToHide();
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), "Ready");
}

TEST_F(SketchProgramTest, UpdateAllViewsReachesBothViewsOfADocumentButNotTheSender) {
    CSketchView* first = NewSketch();
    ASSERT_NE(first, nullptr);
    CSketchDoc* doc = first->GetDocument();
    CMDIChildWnd* firstFrame = frame->MDIGetActive();

    frame->SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);
    CMDIChildWnd* secondFrame = frame->MDIGetActive();
    ASSERT_NE(secondFrame, firstFrame);
    auto* second = static_cast<CSketchView*>(secondFrame->GetActiveView());
    ASSERT_EQ(second->GetDocument(), doc);
    EXPECT_EQ(doc->GetViews().size(), 2u);
    EXPECT_EQ(second->m_initialUpdates, 1);
    EXPECT_EQ(firstFrame->GetWindowText(), "Sketch1:1");
    EXPECT_EQ(secondFrame->GetWindowText(), "Sketch1:2");

    first->m_hints.clear();
    second->m_hints.clear();
    doc->UpdateAllViews(first, 7);
    EXPECT_TRUE(first->m_hints.empty());
    EXPECT_EQ(second->m_hints, std::vector<LPARAM>({7}));
    doc->UpdateAllViews(nullptr, 9);
    EXPECT_EQ(first->m_hints, std::vector<LPARAM>({9}));
    EXPECT_EQ(second->m_hints, std::vector<LPARAM>({7, 9}));
}

TEST_F(SketchProgramTest, ClosingAModifiedDocumentAsksCancelKeepsItNoClosesIt) {
    CSketchView* view = NewSketch();
    ASSERT_NE(view, nullptr);
    frame->SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);
    frame->SendMessage(WM_COMMAND, ID_SHAPE_SQUARE, 0);
    ASSERT_EQ(frame->GetMDIChildren().size(), 2u);
    ASSERT_EQ(CSketchDoc::s_alive, 1);

    // Another window still shows the document: closing this one asks nothing.
    frame->MDIGetActive()->SendMessage(WM_CLOSE);
    EXPECT_TRUE(prompts.MessageBoxes().empty());
    ASSERT_EQ(frame->GetMDIChildren().size(), 1u);

    prompts.QueueMessageBoxAnswer(IDCANCEL);
    frame->MDIGetActive()->SendMessage(WM_CLOSE);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Save changes to Sketch1?");
    EXPECT_EQ(prompts.MessageBoxes()[0].type & MB_TYPEMASK, MB_YESNOCANCEL);
    EXPECT_EQ(CSketchDoc::s_alive, 1);
    EXPECT_EQ(frame->GetMDIChildren().size(), 1u);

    prompts.QueueMessageBoxAnswer(IDNO);
    frame->MDIGetActive()->SendMessage(WM_CLOSE);
    EXPECT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_EQ(CSketchDoc::s_alive, 0);
    EXPECT_TRUE(frame->GetMDIChildren().empty());
    EXPECT_EQ(frame->MDIGetActive(), nullptr);
}

TEST_F(SketchProgramTest, TimerStartsAWorkerWhoseNotificationReachesTheFrameOnTheUserInterfaceThread) {
    CSketchMainFrame::s_workerThread = std::thread::id();
    ASSERT_EQ(frame->SetTimer(kWorkerTimer, 10), kWorkerTimer);
    ASSERT_TRUE(QTest::qWaitFor([&]() { return frame->m_workerResult == 42; }, 5000));
    EXPECT_EQ(frame->m_reportThread, std::this_thread::get_id());
    EXPECT_NE(CSketchMainFrame::s_workerThread.load(), std::thread::id());
    EXPECT_NE(CSketchMainFrame::s_workerThread.load(), std::this_thread::get_id());
    // The report killed the timer: no second worker follows.
    frame->m_workerResult = 0;
    QTest::qWait(60);
    EXPECT_EQ(frame->m_workerResult, 0);
}

TEST_F(SketchProgramTest, ViewsTakeMouseAndKeysAndAClickMakesTheViewActive) {
    CSketchView* first = NewSketch();
    CMDIChildWnd* firstFrame = frame->MDIGetActive();
    CSketchView* second = NewSketch();
    ASSERT_NE(first, second);
    QTest::mouseClick(first->GetInputWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(12, 34));
    EXPECT_EQ(first->m_clicks, std::vector<CPoint>({CPoint(12, 34)}));
    EXPECT_TRUE(second->m_clicks.empty());
    EXPECT_EQ(frame->MDIGetActive(), firstFrame) << "the click activated the view's window";
    QTest::keyClick(first->GetWidget(), Qt::Key_Delete);
    QTest::keyClick(first->GetWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(first->m_keys, std::vector<UINT>({VK_DELETE, VK_CONTROL, VK_NEXT})) << "modifier keys come too";
}

TEST_F(SketchProgramTest, ScreenshotOfTheMainWindow) {
    CSketchView* view = NewSketch();
    ASSERT_NE(view, nullptr);
    for (int i = 0; i < 3; ++i)
        frame->SendMessage(WM_COMMAND, ID_SHAPE_CIRCLE, 0);
    for (int i = 0; i < 2; ++i)
        frame->SendMessage(WM_COMMAND, ID_SHAPE_SQUARE, 0);
    frame->m_bMarked = true;
    frame->SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);
    frame->MDITile(MDITILE_VERTICAL);
    app->RunIdleProcessing();
    ProcessEvents();
    const QImage picture = frame->GetWidget()->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), frame->GetWidget()->width() * picture.devicePixelRatio());
    const std::filesystem::path file = ArtifactsFolder() / "sketch-program.png";
    EXPECT_TRUE(picture.save(QString::fromStdString(file.string())));
}

} // namespace
