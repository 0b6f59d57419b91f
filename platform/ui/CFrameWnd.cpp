#include "platform/ui/CFrameWnd.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/VirtualKeys.h"

#include <QDockWidget>
#include <QGridLayout>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QToolBar>

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

namespace {

// The version of the bar layout that SaveBarState writes; another is ignored.
constexpr int kBarStateVersion = 1;

Qt::ToolBarArea toolBarArea(UINT nDockBarID) {
    switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_LEFT:
        return Qt::LeftToolBarArea;
    case AFX_IDW_DOCKBAR_RIGHT:
        return Qt::RightToolBarArea;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return Qt::BottomToolBarArea;
    default:
        return Qt::TopToolBarArea;
    }
}

Qt::DockWidgetArea dockArea(UINT nDockBarID) {
    switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_LEFT:
        return Qt::LeftDockWidgetArea;
    case AFX_IDW_DOCKBAR_RIGHT:
        return Qt::RightDockWidgetArea;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return Qt::BottomDockWidgetArea;
    default:
        return Qt::TopDockWidgetArea;
    }
}

// The first side, in the order top, bottom, left, right, that both allow.
UINT firstDockBar(DWORD allowed) {
    if (allowed & CBRS_ALIGN_TOP) return AFX_IDW_DOCKBAR_TOP;
    if (allowed & CBRS_ALIGN_BOTTOM) return AFX_IDW_DOCKBAR_BOTTOM;
    if (allowed & CBRS_ALIGN_LEFT) return AFX_IDW_DOCKBAR_LEFT;
    if (allowed & CBRS_ALIGN_RIGHT) return AFX_IDW_DOCKBAR_RIGHT;
    return AFX_IDW_DOCKBAR_TOP;
}

QKeySequence keySequenceOf(const ACCEL& accel) {
    int key = 0;
    if (accel.fVirt & FVIRTKEY) {
        key = AfxVirtualKeyToQtKey(accel.key);
    } else {
        const QChar c(accel.key);
        key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
    }
    if (!key) return {};
    int modifiers = 0;
    if (accel.fVirt & FCONTROL) modifiers |= Qt::CTRL;
    if (accel.fVirt & FSHIFT) modifiers |= Qt::SHIFT;
    if (accel.fVirt & FALT) modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}

} // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
    DestroyFromDestructor();
}

QMainWindow* CFrameWnd::GetMainWindow() const {
    if (auto* window = qobject_cast<QMainWindow*>(GetWidget())) return window;
    // An MDI child with control bars of its own holds them in a main window inside its sub-window.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(GetWidget())) return qobject_cast<QMainWindow*>(sub->widget());
    return nullptr;
}

QWidget* CFrameWnd::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* window = new QMainWindow(parentWidget);
    window->setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                           QMainWindow::AllowTabbedDocks);
    window->setCentralWidget(CreateClientArea(window));
    if (cs.cx == CW_USEDEFAULT || cs.cx <= 0) window->resize(800, 600);
    return window;
}

QWidget* CFrameWnd::GetClientWidget() const {
    return m_pClientArea;
}

BOOL CFrameWnd::Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nIDMenu, DWORD dwExStyle, CCreateContext* pContext) {
    if (nIDMenu) {
        auto menu = std::make_unique<CMenu>();
        if (menu->LoadMenu(nIDMenu)) m_pMenuDefault = std::move(menu);
    }
    if (lpszWindowName) m_strTitle = lpszWindowName;
    const int cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = rect.top == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                    pParentWnd, 0, pContext);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    CString full;
    AfxLoadString(nIDResource, full);
    AfxExtractSubString(m_strTitle, full.c_str(), 0, '\n');
    if (!Create(nullptr, m_strTitle.c_str(), dwDefaultStyle, rectDefault, pParentWnd, nIDResource, 0,
                pContext))
        return FALSE;
    LoadAccelTable(nIDResource);
    // Bars and other children made without a document get their first update now.
    if (!pContext) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

void CFrameWnd::OnWidgetAttached() {
    if (m_pClientArea) WatchWidget(m_pClientArea);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (m_pMenuDefault) SetMenu(m_pMenuDefault.get());
    auto* context = lpCreateStruct ? static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams) : nullptr;
    if (!OnCreateClient(lpCreateStruct, context)) return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (pContext && pContext->m_pNewViewClass) return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    if (!pContext || !pContext->m_pNewViewClass) return nullptr;
    auto* view = CreateObjectAs<CWnd>(pContext->m_pNewViewClass);
    if (!view) return nullptr;
    // A view that cannot be created deletes itself.
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    AddToClientArea(view);
    return view;
}

QWidget* CFrameWnd::CreateClientArea(QWidget* frameWidget) {
    m_pClientArea = new QWidget(frameWidget);
    m_pClientLayout = new QGridLayout(m_pClientArea);
    m_pClientLayout->setContentsMargins(0, 0, 0, 0);
    m_pClientLayout->setSpacing(0);
    return m_pClientArea;
}

void CFrameWnd::AddToClientArea(CWnd* pWnd) {
    if (m_pClientLayout && pWnd && pWnd->GetWidget()) m_pClientLayout->addWidget(pWnd->GetWidget(), 0, 0);
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld) return;
    m_pViewActive = nullptr;
    if (pViewOld && bNotify) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew && bNotify) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() {
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && GetWidget()) {
        GetWidget()->raise();
        GetWidget()->activateWindow();
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    CView* view = nullptr;
    if (!GetActiveView()) {
        view = DYNAMIC_DOWNCAST_PTR<CView>(GetDlgItem(AFX_IDW_PANE_FIRST));
        if (view) SetActiveView(view, FALSE);
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
        if (view) view->OnActivateFrame(WA_INACTIVE, this);
        ActivateFrame(-1);
        if (view) view->OnActivateView(TRUE, view, view);
    }
    if (pDoc) pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    CDocument* doc = GetActiveDocument();
    if (bAddToTitle && doc)
        UpdateFrameTitleForDocument(doc->GetTitle().c_str());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(const char* lpszDocName) {
    CString docPart;
    if (lpszDocName) {
        docPart = lpszDocName;
        if (m_nWindow > 0) docPart += CString::Formatted(":%d", m_nWindow);
    }
    CString text;
    if (!lpszDocName)
        text = m_strTitle;
    else if (GetStyle() & FWS_PREFIXTITLE)
        text = docPart + " - " + m_strTitle;
    else
        text = m_strTitle + " - " + docPart;
    if (text != GetWindowText()) SetWindowText(text.c_str());
}

// --- menus and accelerators -------------------------------------------------------------------------

BOOL CFrameWnd::SetMenu(CMenu* pMenu) {
    m_pMenuShown = pMenu;
    QMainWindow* window = GetMainWindow();
    if (!window) return TRUE;
    QMenuBar* bar = window->menuBar();
    bar->clear();
    if (pMenu && pMenu->GetQMenu()) {
        CMenu::SetMenuOwner(pMenu->GetQMenu(), this);
        for (QAction* action : pMenu->GetQMenu()->actions())
            bar->addAction(action);
    }
    return TRUE;
}

void CFrameWnd::DrawMenuBar() {
    SetMenu(m_pMenuShown);
}

BOOL CFrameWnd::LoadAccelTable(UINT nIDResource) {
    for (const QPointer<QShortcut>& shortcut : m_shortcuts)
        delete shortcut.data();
    m_shortcuts.clear();
    m_nIDAccel = 0;
    const std::vector<ACCEL>* table = CResources::Instance().FindAccelerators(nIDResource);
    QWidget* window = GetWidget();
    if (!table || !window) return FALSE;
    m_nIDAccel = nIDResource;
    const HWND self = m_hWnd;
    for (const ACCEL& accel : *table) {
        const QKeySequence keys = keySequenceOf(accel);
        if (keys.isEmpty()) continue;
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        const WORD cmd = accel.cmd;
        QObject::connect(shortcut, &QShortcut::activated, shortcut, [self, cmd]() {
            // An accelerator's command runs as a menu's does: only while enabled.
            if (CWnd* frame = FromHandle(self)) frame->SendMessage(WM_COMMAND, MAKEWPARAM(cmd, 1), 0);
        });
        m_shortcuts.emplace_back(shortcut);
    }
    return TRUE;
}

void CFrameWnd::ShowMenuAndAccelerators(CMenu* pMenu, UINT nIDAccel) {
    if (pMenu != m_pMenuShown) SetMenu(pMenu);
    if (nIDAccel != m_nIDAccel) LoadAccelTable(nIDAccel);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu || !pPopupMenu) return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        // Separators and popups have no command of their own.
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        // A handler may have added or removed items (the recent-file list does).
        const UINT count = pPopupMenu->GetMenuItemCount();
        if (count < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - count);
            while (state.m_nIndex < count &&
                   pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = count;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && !hSysMenu) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        return;
    }
    if (nFlags & (MF_SEPARATOR | MF_POPUP)) {
        SetMessageText("");
        return;
    }
    SetMessageText(nItemID);
}

void CFrameWnd::OnExitMenuLoop(BOOL) {
    SetMessageText(AFX_IDS_IDLEMESSAGE);
}

// --- message bar ------------------------------------------------------------------------------------

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    CString full;
    AfxLoadString(nID, full);
    AfxExtractSubString(rMessage, full.c_str(), 0, '\n');
}

CWnd* CFrameWnd::GetMessageBar() {
    return GetControlBar(AFX_IDW_STATUS_BAR);
}

void CFrameWnd::SetMessageText(const char* lpszText) {
    if (auto* bar = DYNAMIC_DOWNCAST_PTR<CStatusBar>(GetMessageBar())) bar->SetPaneText(0, lpszText);
}

void CFrameWnd::SetMessageText(UINT nID) {
    CString text;
    if (nID == AFX_IDS_IDLEMESSAGE)
        AfxLoadString(AFX_IDS_IDLEMESSAGE, text);
    else if (nID != 0)
        GetMessageString(nID, text);
    SetMessageText(text.c_str());
}

// --- control bars -----------------------------------------------------------------------------------

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (pBar &&
        std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar) == m_listControlBars.end())
        m_listControlBars.push_back(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), pBar),
                            m_listControlBars.end());
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT) {
    QMainWindow* window = GetMainWindow();
    if (!window || !pBar || !pBar->GetWidget()) return;
    if (nDockBarID == 0)
        nDockBarID =
            firstDockBar(pBar->GetEnabledAlignment() & (m_dwDockStyle ? m_dwDockStyle : CBRS_ALIGN_ANY));
    if (auto* toolbar = qobject_cast<QToolBar*>(pBar->GetWidget()))
        window->addToolBar(toolBarArea(nDockBarID), toolbar);
    else if (auto* dock = qobject_cast<QDockWidget*>(pBar->GetWidget()))
        window->addDockWidget(dockArea(nDockBarID), dock);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL) {
    if (pBar && pBar->GetWidget()) pBar->GetWidget()->setVisible(bShow != FALSE);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const {
    for (CControlBar* bar : m_listControlBars)
        if (static_cast<UINT>(bar->GetDlgCtrlID()) == nID) return bar;
    return nullptr;
}

void CFrameWnd::SaveBarState(const char* lpszProfileName) const {
    QMainWindow* window = GetMainWindow();
    CWinApp* app = AfxGetApp();
    if (!window || !app || !lpszProfileName) return;
    const QByteArray state = window->saveState(kBarStateVersion);
    app->WriteProfileBinary(lpszProfileName, "Layout", state.constData(), static_cast<UINT>(state.size()));
}

BOOL CFrameWnd::LoadBarState(const char* lpszProfileName) {
    QMainWindow* window = GetMainWindow();
    CWinApp* app = AfxGetApp();
    if (!window || !app || !lpszProfileName) return FALSE;
    std::vector<BYTE> bytes;
    if (!app->GetProfileBinary(lpszProfileName, "Layout", bytes) || bytes.empty()) return FALSE;
    const QByteArray state(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    return window->restoreState(state, kBarStateVersion);
}

void CFrameWnd::RecalcLayout(BOOL) {}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* bar = GetControlBar(nID);
    if (!bar) return FALSE;
    ShowControlBar(bar, !bar->IsVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* bar = GetControlBar(pCmdUI->m_nID);
    if (!bar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(bar->IsVisible() ? 1 : 0);
}

// --- routing and closing ----------------------------------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnClose() {
    CDocument* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(this)) return;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        // The main window asks about every modified document before any closes.
        if (!app->SaveAllModified()) return;
        app->CloseAllDocuments(FALSE);
        if (!app->m_pMainWnd) return;
        DestroyWindow();
        return;
    }
    // The last frame of a document closes the document, which takes the frame with it.
    if (doc && doc->m_bAutoDelete) {
        bool otherFrame = false;
        for (CView* view : doc->GetViews())
            if (view->GetParentFrame() != this) otherFrame = true;
        if (!otherFrame) {
            doc->OnCloseDocument();
            return;
        }
        doc->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy() {
    m_pViewActive = nullptr;
    CWnd::OnDestroy();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    OnUpdateFrameTitle(TRUE);
    return 0;
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

bool CFrameWnd::FilterEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip && watched == GetWidget()) {
        // Prompts of toolbar buttons go to the message pane, not over the panes.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            SetMessageText(AFX_IDS_IDLEMESSAGE);
        else
            SetMessageText(tip.toUtf8().constData());
        return true;
    }
    return CWnd::FilterEvent(watched, event);
}
