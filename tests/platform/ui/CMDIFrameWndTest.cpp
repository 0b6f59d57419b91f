#include "platform/ui/CMDIFrameWnd.h"

#include "SketchAppTest.h"
#include "UiTestSupport.h"

#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>

#include <gtest/gtest.h>

using namespace sketch;

namespace {

class CMDIFrameWndTest : public SketchAppTest {
protected:
    CMDIChildWnd* NewChild() {
        frame->SendMessage(WM_COMMAND, ID_FILE_NEW, 0);
        return frame->MDIGetActive();
    }
    std::vector<UINT> Ids() const {
        std::vector<UINT> ids;
        for (CMDIChildWnd* child : frame->GetMDIChildren())
            ids.push_back(static_cast<UINT>(child->GetDlgCtrlID()));
        return ids;
    }
};

TEST_F(CMDIFrameWndTest, ChildIdsFollowTheCreationOrderAndCloseUp) {
    CMDIChildWnd* a = NewChild();
    CMDIChildWnd* b = NewChild();
    CMDIChildWnd* c = NewChild();
    EXPECT_EQ(Ids(), std::vector<UINT>({0xFF00, 0xFF01, 0xFF02}));
    EXPECT_EQ(frame->GetMDIClient()->GetDlgItem(0xFF01), b);
    b->SendMessage(WM_CLOSE);
    EXPECT_EQ(Ids(), std::vector<UINT>({0xFF00, 0xFF01}));
    EXPECT_EQ(frame->GetMDIClient()->GetDlgItem(0xFF01), c);
    EXPECT_EQ(frame->GetMDIClient()->GetDlgItem(0xFF00), a);
}

TEST_F(CMDIFrameWndTest, ActivationFollowsNextPreviousAndSkipsHiddenOrDisabledWindows) {
    CMDIChildWnd* a = NewChild();
    CMDIChildWnd* b = NewChild();
    CMDIChildWnd* c = NewChild();
    EXPECT_EQ(frame->MDIGetActive(), c);
    frame->MDINext();
    EXPECT_EQ(frame->MDIGetActive(), a);
    frame->MDIPrev();
    EXPECT_EQ(frame->MDIGetActive(), c);
    b->EnableWindow(FALSE);
    frame->MDIPrev();
    EXPECT_EQ(frame->MDIGetActive(), a) << "the disabled window is skipped";
    b->EnableWindow(TRUE);

    // Hiding the active window gives the activation to the one active before it.
    frame->MDIActivate(b);
    frame->MDIActivate(c);
    c->ActivateFrame(SW_HIDE);
    EXPECT_EQ(frame->MDIGetActive(), b);
    b->ShowWindow(SW_HIDE);
    a->ShowWindow(SW_HIDE);
    EXPECT_EQ(frame->MDIGetActive(), nullptr) << "no hidden window is active";
    frame->MDINext();
    EXPECT_EQ(frame->MDIGetActive(), nullptr);
    c->ActivateFrame(SW_SHOW);
    EXPECT_EQ(frame->MDIGetActive(), c);
}

TEST_F(CMDIFrameWndTest, ActivationReachesTheChildsViewAndSwapsTheMenu) {
    QMenuBar* bar = frame->GetMainWindow()->menuBar();
    EXPECT_EQ(bar->actions().size(), 3) << "the frame's own menu without a document";
    CMDIChildWnd* a = NewChild();
    EXPECT_EQ(bar->actions().size(), 5) << "the template's menu while its window is active";
    EXPECT_EQ(frame->GetWindowText(), "Sketch Pad - Sketch1");
    CMDIChildWnd* b = NewChild();
    auto* viewA = static_cast<CSketchView*>(a->GetActiveView());
    const int before = viewA->m_activations;
    frame->MDIActivate(a);
    EXPECT_EQ(viewA->m_activations, before + 1);
    EXPECT_EQ(frame->GetWindowText(), "Sketch Pad - Sketch1");
    frame->MDIActivate(b);
    EXPECT_EQ(frame->GetWindowText(), "Sketch Pad - Sketch2");
    a->SendMessage(WM_CLOSE);
    b->SendMessage(WM_CLOSE);
    EXPECT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(frame->GetWindowText(), "Sketch Pad");
}

TEST_F(CMDIFrameWndTest, NewWindowOpensMaximisedWhenTheActiveOneIs) {
    CMDIChildWnd* a = NewChild();
    a->MDIMaximize();
    ASSERT_TRUE(a->IsZoomed());
    CMDIChildWnd* b = NewChild();
    EXPECT_TRUE(b->IsZoomed());
    b->MDIRestore();
    CMDIChildWnd* c = NewChild();
    EXPECT_FALSE(c->IsZoomed());
}

TEST_F(CMDIFrameWndTest, CascadeAndTileArrangeOnlyShownEnabledWindows) {
    CMDIChildWnd* a = NewChild();
    CMDIChildWnd* b = NewChild();
    CMDIChildWnd* c = NewChild();
    c->EnableWindow(FALSE);
    const QRect before = c->GetWidget()->geometry();
    const QRect client = frame->GetMdiArea()->viewport()->rect();
    frame->MDITile(MDITILE_HORIZONTAL | MDITILE_SKIPDISABLED);
    EXPECT_EQ(a->GetWidget()->geometry(), QRect(0, 0, client.width(), client.height() / 2));
    EXPECT_EQ(b->GetWidget()->geometry().top(), client.height() / 2);
    EXPECT_EQ(c->GetWidget()->geometry(), before);
    frame->MDITile(MDITILE_VERTICAL | MDITILE_SKIPDISABLED);
    EXPECT_EQ(a->GetWidget()->geometry(), QRect(0, 0, client.width() / 2, client.height()));
    frame->MDIActivate(a);
    frame->MDICascade(MDITILE_SKIPDISABLED);
    EXPECT_EQ(b->GetWidget()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_GT(a->GetWidget()->geometry().left(), 0) << "the active window lies on top of the pile";
    EXPECT_EQ(c->GetWidget()->geometry(), before);
}

TEST_F(CMDIFrameWndTest, WindowMenuListsTheShownWindowsAndChoosingOneActivatesIt) {
    CMDIChildWnd* a = NewChild();
    NewChild();
    CMDIChildWnd* c = NewChild();
    c->ShowWindow(SW_HIDE);
    HMENU popup = frame->GetWindowMenuPopup(frame->GetMenu()->GetSafeHmenu());
    ASSERT_NE(popup, nullptr);
    CMenu* window = CMenu::FromHandle(popup);
    emit popup->aboutToShow();
    const UINT count = window->GetMenuItemCount();
    ASSERT_EQ(count, 6u) << "three commands, a separator and the two shown windows";
    CString text;
    window->GetMenuString(4, text, MF_BYPOSITION);
    EXPECT_EQ(text, "&1 Sketch1");
    EXPECT_EQ(window->GetMenuItemID(5), 0xFF01u);
    EXPECT_TRUE(window->GetMenuState(5, MF_BYPOSITION) & MF_CHECKED) << "the active window is checked";
    emit popup->aboutToShow();
    EXPECT_EQ(window->GetMenuItemCount(), 6u) << "the list is rebuilt, not repeated";
    window->GetItemAction(4, MF_BYPOSITION)->trigger();
    EXPECT_EQ(frame->MDIGetActive(), a);
}

TEST_F(CMDIFrameWndTest, AcceleratorsSendTheirCommandsWhileEnabled) {
    NewChild();
    QShortcut* mark = nullptr;
    for (QShortcut* s : frame->GetWidget()->findChildren<QShortcut*>())
        if (s->key() == QKeySequence(Qt::CTRL | Qt::Key_M)) mark = s;
    ASSERT_NE(mark, nullptr);
    emit mark->activated();
    EXPECT_EQ(frame->m_markCommands, 1);
    frame->m_bLocked = true;
    emit mark->activated();
    EXPECT_EQ(frame->m_markCommands, 1);
}

TEST_F(CMDIFrameWndTest, NewWindowWithoutADocumentWindowReportsTheFailure) {
    frame->SendMessage(WM_COMMAND, ID_WINDOW_NEW, 0);
    EXPECT_TRUE(prompts.MessageBoxes().empty()) << "the command is disabled without a window";
    frame->OnWindowNew();
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Command failed.");
}

} // namespace
