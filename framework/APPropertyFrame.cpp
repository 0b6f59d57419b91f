#include "framework/APPropertyFrame.h"

#include "controls/AHyperLink.h"
#include "framework/CWindowPlacement.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/StrakonAssert.h"
#include "resources/tamrix/TamrixResources.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QToolButton>

IMPLEMENT_DYNAMIC(APPropertySheet, ABasePropertySheet)
IMPLEMENT_DYNCREATE(APPropertyPage, ABasePropertyPage)
IMPLEMENT_DYNCREATE(APPropertyFrame, CFrameWnd)

namespace {
// The strip at the frame's left edge that holds the buttons.
constexpr int kStrip = 20;
constexpr UINT kPushPinId = 100;
constexpr UINT kApplyId = 102;
constexpr UINT kHelpId = 103;

void placeInMainWindow(CWnd& frame) {
    // Without a place of its own the frame opens in the top right corner of the
    // main window's client area, where it covers neither the menu nor the bars.
    CWnd* main = AfxGetMainWnd();
    QWidget* client = main && main != &frame ? main->GetClientWidget() : nullptr;
    QWidget* widget = frame.GetWidget();
    if (!client || !widget || !client->isVisible()) return;
    const QRect area(client->mapToGlobal(QPoint(0, 0)), client->size());
    const QSize size = widget->frameGeometry().size();
    constexpr int kMargin = 8;
    const int x = std::max(area.left() + kMargin, area.right() - kMargin - size.width());
    const int y = area.top() + kMargin;
    frame.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

// --- APPropertySheet --------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(APPropertySheet, ABasePropertySheet)
ON_MESSAGE(WM_HELP, &APPropertySheet::OnHelpMessage)
END_MESSAGE_MAP()

APPropertySheet::APPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet(nIDCaption, pParentWnd, iSelectPage) {}
APPropertySheet::APPropertySheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet(pszCaption, pParentWnd, iSelectPage) {}
APPropertySheet::~APPropertySheet() = default;

void APPropertySheet::PostNcDestroy() {
    ABasePropertySheet::PostNcDestroy();
    if (!m_pFrame) return;
    if (m_pFrame->m_pSheet == this) m_pFrame->m_pSheet = nullptr;
    delete this;
}

void APPropertySheet::BeforeHide() {}
void APPropertySheet::AfterCreate() {}

void APPropertySheet::SetExternalData(CDocument* pDoc, void* pData) {
    if (!pData) return;
    m_pDocument = pDoc;
    m_pExternalData = pData;
    ExchangeData(FALSE);
}

void APPropertySheet::OnWebHelp() {
    AHyperLink link(m_nWebHelpId);
    link.Navigate(SW_SHOW);
}

LRESULT APPropertySheet::OnHelpMessage(WPARAM, LPARAM) {
    OnHelp();
    return TRUE;
}

// --- APPropertyPage ---------------------------------------------------------------------------------

APPropertyPage::APPropertyPage() = default;
APPropertyPage::APPropertyPage(UINT nIDTemplate) : ABasePropertyPage(nIDTemplate, 0) {}
APPropertyPage::~APPropertyPage() = default;

// --- the buttons ------------------------------------------------------------------------------------

APButtonCtrl::APButtonCtrl(UINT normal, UINT hot, UINT pressed, UINT tipId, const char* tipFallback)
    : m_nNormal(normal), m_nHot(hot), m_nPressed(pressed), m_nTipId(tipId), m_strTipFallback(tipFallback) {}

APButtonCtrl::~APButtonCtrl() = default;

CString APButtonCtrl::GetToolTipText() const {
    const CResourceModuleScope scope(kTamrixModule);
    CString text;
    return AfxLoadString(m_nTipId, text) && !text.empty() ? text : m_strTipFallback;
}

BOOL APButtonCtrl::CreateButton(CWnd* pParent, UINT nID, int x, int y) {
    RegisterTamrixResources();
    if (!CreateEx(0, "Button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y, 16, 16, pParent, nID))
        return FALSE;
    GetWidget()->setToolTip(QString::fromStdString(GetToolTipText()));
    GetWidget()->setAttribute(Qt::WA_Hover);
    ReloadBitmaps();
    return TRUE;
}

UINT APButtonCtrl::CurrentBitmap() const {
    if (m_bHot && m_bDown) return m_nPressed;
    return m_bHot ? m_nHot : m_nNormal;
}

void APButtonCtrl::Redraw() {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button) return;
    const CResourceModuleScope scope(kTamrixModule);
    const QImage image = CResources::Instance().LoadBitmap(CurrentBitmap(), QSize());
    button->setIcon(QIcon(QPixmap::fromImage(image)));
    button->setIconSize(image.size());
}

void APButtonCtrl::ReloadBitmaps() {
    const CResourceModuleScope scope(kTamrixModule);
    const QImage image = CResources::Instance().LoadBitmap(m_nNormal, QSize());
    if (QWidget* widget = GetWidget()) widget->setFixedSize(image.size() + QSize(4, 4));
    Redraw();
}

bool APButtonCtrl::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget()) {
        switch (event->type()) {
        case QEvent::Paint: {
            // The button draws itself: the picture of its state on the button face.
            QWidget* widget = GetWidget();
            QPainter painter(widget);
            painter.fillRect(widget->rect(), widget->palette().color(QPalette::Button));
            const CResourceModuleScope scope(kTamrixModule);
            const QImage image = CResources::Instance().LoadBitmap(CurrentBitmap(), QSize());
            if (!image.isNull()) {
                QRect place(QPoint(0, 0), image.size());
                place.moveCenter(widget->rect().center());
                painter.drawImage(place.topLeft(), image);
            }
            return true;
        }
        case QEvent::Enter:
        case QEvent::HoverEnter:
            m_bHot = true;
            Redraw();
            break;
        case QEvent::Leave:
        case QEvent::HoverLeave:
            m_bHot = false;
            m_bDown = false;
            Redraw();
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                m_bHot = true;
                m_bDown = true;
                Redraw();
            }
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_bDown) {
                m_bDown = false;
                const bool inside =
                    GetWidget()->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
                m_bHot = inside;
                Redraw();
                // A click counts only when the button is released over it.
                if (inside) OnClicked();
            }
            return true;
        default:
            break;
        }
    }
    return CButton::FilterEvent(watched, event);
}

APPushPinButtonCtrl::APPushPinButtonCtrl() : APButtonCtrl(133, 132, 136, 3, "Keep Visible") {}

UINT APPushPinButtonCtrl::CurrentBitmap() const {
    if (m_bPinned) return m_bHot ? 131 : 134;
    return APButtonCtrl::CurrentBitmap();
}

void APPushPinButtonCtrl::SetPinned(bool pinned) {
    m_bPinned = pinned;
    Redraw();
}

void APPushPinButtonCtrl::OnClicked() {
    SetPinned(!m_bPinned);
}

APApplyButtonCtrl::APApplyButtonCtrl() : APButtonCtrl(147, 149, 148, 1, "Apply") {}

void APApplyButtonCtrl::OnClicked() {
    auto* frame = dynamic_cast<APPropertyFrame*>(GetParentFrame());
    STRAKON_ASSERT(frame, return);
    frame->OnApplyButtonClicked();
}

APHelpButtonCtrl::APHelpButtonCtrl() : APButtonCtrl(139, 130, 135, 2, "Help") {}

void APHelpButtonCtrl::OnClicked() {
    auto* frame = dynamic_cast<APPropertyFrame*>(GetParentFrame());
    STRAKON_ASSERT(frame, return);
    frame->OnHelpButtonClicked();
}

// --- APPropertyFrame --------------------------------------------------------------------------------

APPropertyFrame* APPropertyFrame::s_instance = nullptr;

APPropertyFrame* APPropertyFrame::Instance() {
    if (!s_instance) s_instance = new APPropertyFrame;
    return s_instance;
}

void APPropertyFrame::Release() {
    delete s_instance;
    s_instance = nullptr;
}

APPropertyFrame::APPropertyFrame() = default;

APPropertyFrame::~APPropertyFrame() {
    // The sheet's window goes with the frame's, and the sheet with its window.
    if (IsWindow()) DestroyWindow();
    delete m_pSheet;
    m_pSheet = nullptr;
    if (s_instance == this) s_instance = nullptr;
}

void APPropertyFrame::PostNcDestroy() {
    // The singleton outlives its window; Release deletes it. The sheet went with its window.
    m_bCreated = false;
    delete m_pSheet;
    m_pSheet = nullptr;
}

QWidget* APPropertyFrame::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    QWidget* owner = parentWidget ? parentWidget->window() : nullptr;
    QWidget* widget = CFrameWnd::CreateWidget(cs, owner);
    // A tool window with a small caption that stays over its owner.
    widget->setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    return widget;
}

bool APPropertyFrame::CreateSheet(bool sizeFrame) {
    if (!m_pSheetClass) return false;
    CObject* object = m_pSheetClass->CreateObject();
    auto* sheet = dynamic_cast<APPropertySheet*>(object);
    if (!sheet) {
        delete object;
        return false;
    }
    sheet->SetExternalData(m_pDocument, m_pExternalData);
    sheet->ReadExternalData();
    // Back on the page last shown for this kind of sheet, when it still has it.
    if (auto it = m_lastPage.find(m_pSheetClass->m_lpszClassName);
        it != m_lastPage.end() && sheet->GetPageCount() > 0)
        sheet->SetActivePage(std::clamp(it->second, 0, sheet->GetPageCount() - 1));
    if (!sheet->Create(this, WS_CHILD | WS_VISIBLE, 0)) {
        // Without a window the sheet is still the frame's to delete.
        delete sheet;
        return false;
    }
    m_pSheet = sheet;
    sheet->m_pFrame = this;
    sheet->AfterCreate();
    RECT r;
    sheet->GetWindowRect(&r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (sizeFrame || m_rcSheet.right == 0) m_rcSheet = RECT{kStrip, 0, kStrip + width, height};
    sheet->MoveWindow(m_rcSheet.left, m_rcSheet.top, width, height);
    if (sizeFrame) GetWidget()->resize(kStrip + width, height);
    // The frame shows the sheet's caption.
    SetWindowText(sheet->GetWindowText().c_str());
    return true;
}

void APPropertyFrame::DestroySheet() {
    if (!m_pSheetClass) return;
    if (m_pSheet) {
        m_lastPage[m_pSheetClass->m_lpszClassName] = m_pSheet->GetActiveIndex();
        APPropertySheet* sheet = m_pSheet;
        sheet->BeforeHide();
        // The sheet deletes itself with its window.
        if (sheet->IsWindow())
            sheet->DestroyWindow();
        else
            delete sheet;
        m_pSheet = nullptr;
    }
}

void APPropertyFrame::PlaceButtons() {
    const int bottom = m_rcSheet.bottom;
    m_pushPin.CreateButton(this, kPushPinId, 2, 8);
    m_apply.CreateButton(this, kApplyId, 2, std::max(bottom - 168, 32));
    m_help.CreateButton(this, kHelpId, 2, std::max(bottom - 112, 56));
}

int APPropertyFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!CreateSheet(true)) return -1;
    PlaceButtons();
    // Enter applies the sheet, as the Apply button does.
    for (const QKeySequence keys : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, GetWidget());
        shortcut->setContext(Qt::WindowShortcut);
        const HWND self = m_hWnd;
        QObject::connect(shortcut, &QShortcut::activated, shortcut, [self]() {
            if (auto* frame = dynamic_cast<APPropertyFrame*>(CWnd::FromHandle(self))) frame->OnApplyButtonClicked();
        });
    }
    return 0;
}


bool APPropertyFrame::SetPropertySheet(const CRuntimeClass* pSheetClass, void* pData, CWnd* pParent,
                                       CDocument* pDoc, bool bShow) {
    if (!pSheetClass) return true;
    const bool hidden = !IsWindow() || !IsWindowVisible();
    if (hidden && !bShow) {
        if (pParent && pParent->GetWidget()) pParent->GetWidget()->activateWindow();
        return true;
    }
    m_pDocument = pDoc;
    m_pExternalData = pData;
    if (m_bCreated && IsWindow()) {
        DestroySheet();
        m_pSheetClass = pSheetClass;
        if (!CreateSheet(false)) return false;
    } else {
        m_pSheetClass = pSheetClass;
        const RECT empty{0, 0, 0, 0};
        if (!Create(nullptr, "Dummy", WS_POPUP | WS_CAPTION | WS_SYSMENU, empty, AfxGetMainWnd())) {
            // The object stays, without a window; the next request tries again.
            m_bCreated = false;
            return false;
        }
        m_bCreated = true;
        CWindowPlacement placement;
        if (!placement.RestorePosition(REGKEY, PlacementEntry, this)) placeInMainWindow(*this);
    }
    if (!IsWindowVisible() && bShow) ShowWindow(SW_SHOWNOACTIVATE);
    return true;
}

void APPropertyFrame::OnApplyButtonClicked() {
    if (m_pSheet) m_pSheet->ExchangeData(TRUE);
}

void APPropertyFrame::OnHelpButtonClicked() {
    if (m_pSheet) m_pSheet->OnHelp();
}

void APPropertyFrame::OnClose() {
    CWindowPlacement placement;
    placement.Save(REGKEY, PlacementEntry, this);
    if (m_pSheet) m_pSheet->BeforeHide();
    ShowWindow(SW_HIDE);
}

LRESULT APPropertyFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HELP:
        OnHelpButtonClicked();
        return TRUE;
    case WM_ACTIVATE:
        if (m_pSheet) m_pSheet->SendMessage(WM_ACTIVATE, wParam, lParam);
        if (LOWORD(wParam) == WA_INACTIVE && !m_pushPin.IsPinned() && !m_bPinned) PostMessage(WM_CLOSE);
        return 0;
    case WM_SYSCOLORCHANGE:
        m_pushPin.ReloadBitmaps();
        m_help.ReloadBitmaps();
        return 0;
    default:
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

bool APPropertyFrame::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget()) {
        if (event->type() == QEvent::WindowDeactivate) SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
        if (event->type() == QEvent::WindowActivate) SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    }
    return CFrameWnd::FilterEvent(watched, event);
}
