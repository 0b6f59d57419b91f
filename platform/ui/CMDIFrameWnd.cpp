#include "platform/ui/CMDIFrameWnd.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QStyle>

#include <algorithm>

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)
IMPLEMENT_DYNAMIC(SECMDIFrameWnd, CMDIFrameWnd)
IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_COMMAND_EX(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_COMMAND(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew)
ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

namespace {

// The client window of the MDI frame: the area that holds the child frames.
class CMDIClientWnd : public CWnd {
public:
    void PostNcDestroy() override { delete this; }

protected:
    QWidget* CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) override {
        auto* area = new QMdiArea(parentWidget);
        area->setActivationOrder(QMdiArea::CreationOrder);
        return area;
    }
};

constexpr UINT kLastMDIChild = AFX_IDM_FIRST_MDICHILD + 0xFF;

} // namespace

// --- the MDI frame ----------------------------------------------------------------------------------

CMDIFrameWnd::CMDIFrameWnd() = default;
CMDIFrameWnd::~CMDIFrameWnd() = default;

QMdiArea* CMDIFrameWnd::GetMdiArea() const {
    CWnd* client = GetMDIClient();
    return client ? qobject_cast<QMdiArea*>(client->GetWidget()) : nullptr;
}

QWidget* CMDIFrameWnd::GetClientWidget() const {
    if (QMdiArea* area = GetMdiArea()) return area;
    return CFrameWnd::GetClientWidget();
}

int CMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    auto* client = new CMDIClientWnd;
    if (!client->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
        return -1;
    m_hWndMDIClient = client->GetSafeHwnd();
    AddToClientArea(client);
    const HWND self = m_hWnd;
    QObject::connect(GetMdiArea(), &QMdiArea::subWindowActivated, GetMdiArea(), [self](QMdiSubWindow* sub) {
        if (auto* frame = static_cast<CMDIFrameWnd*>(FromHandle(self))) frame->OnSubWindowActivated(sub);
    });
    return 0;
}

bool CMDIFrameWnd::IsShownChild(const CMDIChildWnd* pChild, bool enabledOnly) const {
    const QWidget* w = pChild ? pChild->GetWidget() : nullptr;
    if (!w || w->isHidden()) return false;
    return !enabledOnly || w->isEnabled();
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::ShownChildren(bool enabledOnly) const {
    std::vector<CMDIChildWnd*> shown;
    for (CMDIChildWnd* child : m_children)
        if (IsShownChild(child, enabledOnly)) shown.push_back(child);
    return shown;
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::ArrangedChildren(int nType) const {
    std::vector<CMDIChildWnd*> windows;
    for (CMDIChildWnd* child : ShownChildren((nType & MDITILE_SKIPDISABLED) != 0))
        if (!child->IsIconic()) windows.push_back(child);
    return windows;
}

void CMDIFrameWnd::AddChild(CMDIChildWnd* pChild) {
    if (std::find(m_children.begin(), m_children.end(), pChild) == m_children.end())
        m_children.push_back(pChild);
    pChild->SetDlgCtrlID(static_cast<int>(AFX_IDM_FIRST_MDICHILD + m_children.size() - 1));
}

void CMDIFrameWnd::RemoveChild(CMDIChildWnd* pChild) {
    auto it = std::find(m_children.begin(), m_children.end(), pChild);
    if (it == m_children.end()) return;
    m_children.erase(it);
    // The ids stay contiguous, as the Window menu expects.
    for (size_t i = 0; i < m_children.size(); ++i)
        m_children[i]->SetDlgCtrlID(static_cast<int>(AFX_IDM_FIRST_MDICHILD + i));
    if (pChild->m_hWnd != m_hActiveChild) return;
    if (pChild->GetWidget())
        OnChildHidden(pChild);
    else
        // Qt is deleting the subwindow and picks the next active one itself.
        SetActiveChild(nullptr);
}

void CMDIFrameWnd::OnChildHidden(CMDIChildWnd* pChild) {
    if (!pChild || pChild->m_hWnd != m_hActiveChild || m_bChoosingActive) return;
    // Qt may show and hide windows while it activates one; that is no news here.
    m_bChoosingActive = true;
    // The most recently active of the other shown children takes over, as the
    // window behind it would; none is active when none is shown.
    CMDIChildWnd* next = nullptr;
    QMdiArea* area = GetMdiArea();
    if (area) {
        const QList<QMdiSubWindow*> order = area->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = order.rbegin(); it != order.rend() && !next; ++it) {
            for (CMDIChildWnd* child : m_children)
                if (child != pChild && child->GetWidget() == *it && IsShownChild(child, true)) next = child;
        }
    }
    if (!next) {
        for (CMDIChildWnd* child : m_children)
            if (child != pChild && IsShownChild(child, true)) next = child;
    }
    if (next) {
        MDIActivate(next);
    } else {
        SetActiveChild(nullptr);
        if (area) area->setActiveSubWindow(nullptr);
    }
    m_bChoosingActive = false;
}

void CMDIFrameWnd::OnSubWindowActivated(QMdiSubWindow* subWindow) {
    // Qt reports no window when the application loses focus; the child stays active.
    if (!subWindow) return;
    for (CMDIChildWnd* child : m_children)
        if (child->GetWidget() == subWindow) SetActiveChild(child);
}

void CMDIFrameWnd::SetActiveChild(CMDIChildWnd* pChild) {
    CMDIChildWnd* old = MDIGetActive();
    if (old == pChild) return;
    const HWND hOld = old ? old->m_hWnd : nullptr;
    const HWND hNew = pChild ? pChild->m_hWnd : nullptr;
    m_hActiveChild = hNew;
    if (old) old->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hOld), reinterpret_cast<LPARAM>(hNew));
    if (CWnd* now = FromHandle(hNew))
        now->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hOld), reinterpret_cast<LPARAM>(hNew));
    CMDIChildWnd* active = MDIGetActive();
    CMenu* menu = active && active->m_hMenuShared ? active->m_hMenuShared : m_pMenuDefault.get();
    UINT accel = active && active->m_nIDAccelShared ? active->m_nIDAccelShared : 0;
    if (!accel && CResources::Instance().FindAccelerators(m_nIDHelp)) accel = m_nIDHelp;
    ShowMenuAndAccelerators(menu, accel);
    OnUpdateFrameTitle(TRUE);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
    auto* child = DYNAMIC_DOWNCAST_PTR<CMDIChildWnd>(FromHandle(m_hActiveChild));
    if (pbMaximized) *pbMaximized = child && child->IsZoomed();
    return child;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
    auto* child = DYNAMIC_DOWNCAST_PTR<CMDIChildWnd>(pWndActivate);
    if (!child || std::find(m_children.begin(), m_children.end(), child) == m_children.end()) return;
    if (QMdiArea* area = GetMdiArea(); area && child->GetSubWindow() && !child->GetWidget()->isHidden())
        area->setActiveSubWindow(child->GetSubWindow());
    SetActiveChild(child);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) {
    if (pWnd) pWnd->ShowWindow(SW_SHOWMAXIMIZED);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd) {
    if (pWnd) pWnd->ShowWindow(SW_RESTORE);
}

void CMDIFrameWnd::MDINext() {
    const std::vector<CMDIChildWnd*> shown = ShownChildren(true);
    if (shown.size() < 2) return;
    auto it = std::find(shown.begin(), shown.end(), MDIGetActive());
    const size_t next = it == shown.end() ? 0 : (static_cast<size_t>(it - shown.begin()) + 1) % shown.size();
    MDIActivate(shown[next]);
}

void CMDIFrameWnd::MDIPrev() {
    const std::vector<CMDIChildWnd*> shown = ShownChildren(true);
    if (shown.size() < 2) return;
    auto it = std::find(shown.begin(), shown.end(), MDIGetActive());
    const size_t index = it == shown.end() ? 0 : static_cast<size_t>(it - shown.begin());
    MDIActivate(shown[(index + shown.size() - 1) % shown.size()]);
}

void CMDIFrameWnd::MDICascade(int nType) {
    QMdiArea* area = GetMdiArea();
    if (!area) return;
    std::vector<CMDIChildWnd*> windows = ArrangedChildren(nType);
    if (windows.empty()) return;
    // The active window ends on top of the pile.
    if (auto it = std::find(windows.begin(), windows.end(), MDIGetActive()); it != windows.end())
        std::rotate(it, it + 1, windows.end());
    const QRect client = area->viewport()->rect();
    const int step = std::max(20, area->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const int n = static_cast<int>(windows.size());
    const int width = std::max(client.width() - step * (n - 1), std::min(client.width(), 200));
    const int height = std::max(client.height() - step * (n - 1), std::min(client.height(), 150));
    for (int i = 0; i < n; ++i) {
        if (windows[i]->IsZoomed()) windows[i]->ShowWindow(SW_RESTORE);
        windows[i]->GetWidget()->setGeometry(i * step, i * step, width, height);
        windows[i]->GetWidget()->raise();
    }
}

void CMDIFrameWnd::MDITile(int nType) {
    QMdiArea* area = GetMdiArea();
    if (!area) return;
    const std::vector<CMDIChildWnd*> windows = ArrangedChildren(nType);
    if (windows.empty()) return;
    const QRect client = area->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    const bool horizontal = (nType & MDITILE_HORIZONTAL) != 0;
    for (int i = 0; i < n; ++i) {
        if (windows[i]->IsZoomed()) windows[i]->ShowWindow(SW_RESTORE);
        QRect r;
        if (horizontal) {
            // Wide windows, one above the other.
            const int top = client.height() * i / n;
            r = QRect(0, top, client.width(), client.height() * (i + 1) / n - top);
        } else {
            const int left = client.width() * i / n;
            r = QRect(left, 0, client.width() * (i + 1) / n - left, client.height());
        }
        windows[i]->GetWidget()->setGeometry(r);
    }
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
    CMenu* bar = CMenu::FromHandle(hMenuBar);
    if (!bar) return nullptr;
    const int count = static_cast<int>(bar->GetMenuItemCount());
    for (int i = 0; i < count; ++i) {
        CMenu* popup = bar->GetSubMenu(i);
        if (!popup) continue;
        const int items = static_cast<int>(popup->GetMenuItemCount());
        for (int j = 0; j < items; ++j) {
            const UINT id = popup->GetMenuItemID(j);
            if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_TILE_VERT) return popup->GetSafeHmenu();
        }
    }
    return nullptr;
}

void CMDIFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
    CFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu || !pPopupMenu || !m_pMenuShown) return;
    if (GetWindowMenuPopup(m_pMenuShown->GetSafeHmenu()) != pPopupMenu->GetSafeHmenu()) return;
    // The list of open windows at the end of the Window menu.
    for (int i = static_cast<int>(pPopupMenu->GetMenuItemCount()) - 1; i >= 0; --i) {
        const UINT id = pPopupMenu->GetMenuItemID(i);
        if (id >= AFX_IDM_FIRST_MDICHILD && id <= kLastMDIChild)
            pPopupMenu->DeleteMenu(static_cast<UINT>(i), MF_BYPOSITION);
    }
    const int last = static_cast<int>(pPopupMenu->GetMenuItemCount()) - 1;
    if (last >= 0 && pPopupMenu->GetMenuState(static_cast<UINT>(last), MF_BYPOSITION) & MF_SEPARATOR)
        pPopupMenu->DeleteMenu(static_cast<UINT>(last), MF_BYPOSITION);
    const std::vector<CMDIChildWnd*> shown = ShownChildren(true);
    if (shown.empty()) return;
    pPopupMenu->AppendMenu(MF_SEPARATOR);
    int number = 1;
    for (CMDIChildWnd* child : shown) {
        if (number > 9) break;
        CString text = CString::Formatted("&%d ", number++) + child->GetWindowText();
        pPopupMenu->AppendMenu(MF_STRING | (child == MDIGetActive() ? MF_CHECKED : 0),
                               static_cast<UINT>(child->GetDlgCtrlID()), text.c_str());
    }
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    if (lParam == 0 && nID >= AFX_IDM_FIRST_MDICHILD && nID <= kLastMDIChild) {
        for (CMDIChildWnd* child : m_children) {
            if (static_cast<UINT>(child->GetDlgCtrlID()) == nID) {
                if (child->IsIconic()) child->ShowWindow(SW_RESTORE);
                child->ActivateFrame(SW_SHOW);
                return TRUE;
            }
        }
        return FALSE;
    }
    return CFrameWnd::OnCommand(wParam, lParam);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    if (CMDIChildWnd* child = MDIGetActive()) return child;
    return this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    CMDIChildWnd* child = MDIGetActive();
    CDocument* doc = child ? child->GetActiveDocument() : nullptr;
    if (bAddToTitle && doc)
        UpdateFrameTitleForDocument(doc->GetTitle().c_str());
    else
        UpdateFrameTitleForDocument(nullptr);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID) {
    switch (nID) {
    case ID_WINDOW_CASCADE:
        MDICascade(MDITILE_SKIPDISABLED);
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL | MDITILE_SKIPDISABLED);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL | MDITILE_SKIPDISABLED);
        return TRUE;
    case ID_WINDOW_ARRANGE:
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) {
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

void CMDIFrameWnd::OnWindowNew() {
    CMDIChildWnd* active = MDIGetActive();
    CDocument* doc = active ? active->GetActiveDocument() : nullptr;
    CDocTemplate* docTemplate = doc ? doc->GetDocTemplate() : nullptr;
    CFrameWnd* frame = docTemplate ? docTemplate->CreateNewFrame(doc, active) : nullptr;
    if (!frame) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        return;
    }
    docTemplate->InitialUpdateFrame(frame, doc);
}

// --- the MDI child ----------------------------------------------------------------------------------

CMDIChildWnd::CMDIChildWnd() = default;

CMDIChildWnd::~CMDIChildWnd() {
    DestroyFromDestructor();
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->RemoveChild(this);
}

void CMDIChildWnd::OnDestroy() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->RemoveChild(this);
    CFrameWnd::OnDestroy();
}

QMdiSubWindow* CMDIChildWnd::GetSubWindow() const {
    return qobject_cast<QMdiSubWindow*>(GetWidget());
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    return DYNAMIC_DOWNCAST_PTR<CMDIFrameWnd>(FromHandle(m_hMDIFrame));
}

QWidget* CMDIChildWnd::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* area = qobject_cast<QMdiArea*>(parentWidget);
    if (!area || !cs.hwndParent) return nullptr;
    m_hMDIFrame = cs.hwndParent->GetSafeHwnd();
    auto* sub = new QMdiSubWindow();
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    // The document's picture when the resources have one, else none (not Qt's own).
    QPixmap icon(16, 16);
    icon.fill(Qt::transparent);
    sub->setWindowIcon(QIcon(icon));
    sub->setWidget(CreateClientArea(sub));
    area->addSubWindow(sub);
    sub->hide();
    if (cs.cx == CW_USEDEFAULT || cs.cx <= 0) {
        const QSize client = area->viewport()->size();
        sub->resize(std::max(320, client.width() * 2 / 3), std::max(240, client.height() * 2 / 3));
    }
    return sub;
}

BOOL CMDIChildWnd::Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (!pParentWnd) pParentWnd = DYNAMIC_DOWNCAST_PTR<CMDIFrameWnd>(AfxGetMainWnd());
    if (!pParentWnd || !pParentWnd->GetMdiArea()) {
        PostNcDestroy();
        return FALSE;
    }
    if (lpszWindowName) m_strTitle = lpszWindowName;
    const UINT nID = AFX_IDM_FIRST_MDICHILD + static_cast<UINT>(pParentWnd->GetMDIChildren().size());
    const int cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = rect.top == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    return CreateEx(0, lpszClassName, lpszWindowName, (dwStyle | WS_CHILD) & ~WS_VISIBLE, rect.left, rect.top,
                    cx, cy, pParentWnd, nID, pContext);
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    CString full;
    AfxLoadString(nIDResource, full);
    AfxExtractSubString(m_strTitle, full.c_str(), 0, '\n');
    if (auto* docTemplate =
            DYNAMIC_DOWNCAST_PTR<CMultiDocTemplate>(pContext ? pContext->m_pNewDocTemplate : nullptr)) {
        m_hMenuShared = docTemplate->m_hMenuShared;
        m_nIDAccelShared = docTemplate->m_nIDAccelShared;
    }
    if (!Create(nullptr, m_strTitle.c_str(), dwDefaultStyle, rectDefault,
                DYNAMIC_DOWNCAST_PTR<CMDIFrameWnd>(pParentWnd), pContext))
        return FALSE;
    if (CResources::Instance().HasBitmap(nIDResource)) {
        const QImage picture = CResources::Instance().LoadBitmap(nIDResource, QSize(16, 16));
        if (!picture.isNull()) GetWidget()->setWindowIcon(QIcon(QPixmap::fromImage(picture)));
    }
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    CMDIFrameWnd* frame = GetMDIFrame();
    const bool shownThen = GetWidget() && !GetWidget()->isHidden();
    if (nCmdShow == -1) {
        BOOL maximized = FALSE;
        if (frame) frame->MDIGetActive(&maximized);
        const DWORD style = GetStyle();
        if (maximized || (style & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (style & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
        else if (!shownThen)
            nCmdShow = SW_SHOWNORMAL;
    }
    if (nCmdShow != -1) ShowWindow(nCmdShow);
    const bool activates = nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE &&
                           nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE;
    if (activates) MDIActivate();
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->AddChild(this);
    return CFrameWnd::OnCreate(lpCreateStruct);
}

void CMDIChildWnd::OnShowStateChanged() {
    // A hidden child is no longer active (the frame shows no hidden window as active).
    if (GetWidget() && GetWidget()->isHidden())
        if (CMDIFrameWnd* frame = GetMDIFrame()) frame->OnChildHidden(this);
}

void CMDIChildWnd::MDIDestroy() {
    DestroyWindow();
}

void CMDIChildWnd::MDIActivate() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

void CMDIChildWnd::MDIMaximize() {
    ShowWindow(SW_SHOWMAXIMIZED);
}
void CMDIChildWnd::MDIRestore() {
    ShowWindow(SW_RESTORE);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    CDocument* doc = GetActiveDocument();
    if (!bAddToTitle || !doc) return;
    CString text = doc->GetTitle();
    if (m_nWindow > 0) text += CString::Formatted(":%d", m_nWindow);
    if (text != GetWindowText()) SetWindowText(text.c_str());
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*) {
    if (CView* view = GetActiveView()) view->OnActivateView(bActivate, view, view);
}

void CMDIChildWnd::OnWidgetReleasing(QWidget* widget) {
    CMDIFrameWnd* frame = GetMDIFrame();
    widget->hide();
    if (QMdiArea* area = frame ? frame->GetMdiArea() : nullptr) area->removeSubWindow(widget);
}

SECMDIFrameWnd::SECMDIFrameWnd() = default;
SECMDIFrameWnd::~SECMDIFrameWnd() = default;
SECMDIChildWnd::SECMDIChildWnd() = default;
SECMDIChildWnd::~SECMDIChildWnd() = default;
