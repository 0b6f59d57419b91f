#include "app/views/AProgressBar.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CWinApp.h"

#include <QEvent>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

IMPLEMENT_DYNCREATE(AProgressBar, CProgressCtrl)

AProgressBar::AProgressBar() = default;

AProgressBar::AProgressBar(const char* text, int percent, int range, bool smooth, int pane, bool waitCursor) {
    Create(text, percent, range, smooth, pane, waitCursor);
}

AProgressBar::~AProgressBar() {
    Clear();
    if (IsWindow()) DestroyWindow();
}

CStatusBar* AProgressBar::GetStatusBar() {
    CWnd* main = AfxGetMainWnd();
    if (!main || !main->IsWindow()) return nullptr;
    if (auto* frame = dynamic_cast<CFrameWnd*>(main)) return dynamic_cast<CStatusBar*>(frame->GetMessageBar());
    QWidget* top = main->GetWidget();
    if (!top) return nullptr;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        CWnd* wnd = CWnd::FromWidget(w);
        if (wnd && wnd->GetWidget() == w && wnd->GetDlgCtrlID() == static_cast<int>(AFX_IDW_STATUS_BAR))
            return dynamic_cast<CStatusBar*>(wnd);
    }
    return nullptr;
}

bool AProgressBar::Create(const char* text, int percent, int range, bool smooth, int pane, bool waitCursor) {
    CStatusBar* bar = GetStatusBar();
    if (!bar || IsWindow()) return false;
    m_nPercent = percent;
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (smooth) style |= PBS_SMOOTH;
    if (pane == 0) {
        UINT id = 0, paneStyle = 0;
        int width = 0;
        bar->GetPaneInfo(0, id, paneStyle, width);
        m_nPaneId = static_cast<int>(id);
        m_nPaneStyle = static_cast<int>(paneStyle);
        m_nPaneWidth = width;
        bar->SetPaneInfo(0, id, SBPS_NOBORDERS | SBPS_STRETCH, 10000);
    }
    CRect rect;
    bar->GetItemRect(pane, &rect);
    if (!CProgressCtrl::Create(style, rect, bar, 1)) {
        if (pane == 0) bar->SetPaneInfo(0, m_nPaneId, m_nPaneStyle, m_nPaneWidth);
        return false;
    }
    if (waitCursor) AfxDoWaitCursor(1);
    SetRange(0, range, 1);
    SetStep(1);
    m_bWaitCursor = waitCursor;
    m_strText = text ? text : "";
    m_nPane = pane;
    m_strPrevText = bar->GetPaneText(pane);
    bar->SetPaneText(pane, m_strText.c_str());
    Resize();
    return true;
}

bool AProgressBar::SetRange(int lower, int upper, int step) {
    if (!IsWindow()) return false;
    SetRange32(lower, upper);
    CProgressCtrl::SetStep(step);
    return true;
}

bool AProgressBar::SetStep(int step) {
    if (!IsWindow()) return false;
    ShowWindow(SW_SHOW);
    CProgressCtrl::SetStep(step);
    return true;
}

bool AProgressBar::StepIt() {
    if (!IsWindow()) return false;
    ShowWindow(SW_SHOW);
    CProgressCtrl::StepIt();
    return true;
}

void AProgressBar::Resize() {
    CStatusBar* bar = GetStatusBar();
    if (!IsWindow() || !bar) return;
    CRect rect;
    bar->GetItemRect(m_nPane, &rect);
    if (!m_strText.empty() && bar->GetWidget()) {
        const QFontMetrics metrics(bar->GetWidget()->font());
        rect.left += metrics.horizontalAdvance(QString::fromStdString(m_strText));
    }
    rect.right = std::max(rect.left, rect.left + (rect.right - rect.left) * m_nPercent / 100);
    const int inset = rect.Height() / 10;
    rect.top += inset;
    rect.bottom -= inset;
    if (rect != m_rect) {
        MoveWindow(&rect);
        m_rect = rect;
    }
}

bool AProgressBar::FilterEvent(QObject* watched, QEvent* event) {
    // The control's background is erased before every paint; the pane may have
    // moved since (the frame was resized), so the control follows it there.
    if (event->type() == QEvent::Paint && watched == GetWidget()) Resize();
    return CProgressCtrl::FilterEvent(watched, event);
}

void AProgressBar::Clear() {
    if (!IsWindow()) return;
    ShowWindow(SW_HIDE);
    if (CStatusBar* bar = GetStatusBar()) {
        const CString text = m_nPane == 0 ? AfxLoadString(AFX_IDS_IDLEMESSAGE) : m_strPrevText;
        bar->SetPaneText(m_nPane, text.c_str(), TRUE);
        if (m_nPane == 0) bar->SetPaneInfo(0, m_nPaneId, m_nPaneStyle, m_nPaneWidth);
    }
    if (m_bWaitCursor) AfxDoWaitCursor(-1);
    m_bWaitCursor = false;
}
