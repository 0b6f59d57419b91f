#include "platform/ui/CStatusBar.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CResources.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)
IMPLEMENT_DYNAMIC(SECStatusBar, CStatusBar)

namespace {

// The update handlers' view of a pane: disabled panes show no text, a checked one pops out.
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar* m_pBar = nullptr;
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        const UINT style = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_DISABLED;
        m_pBar->SetPaneStyle(static_cast<int>(m_nIndex), bOn ? style : style | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override {
        const UINT style = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_POPOUT;
        m_pBar->SetPaneStyle(static_cast<int>(m_nIndex), nCheck ? style | SBPS_POPOUT : style);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(const char* lpszText) override { m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText); }
};

// Room around a pane's text, as the panes' borders take it.
constexpr int kPaneMargin = 8;

} // namespace

CStatusBar::CStatusBar() = default;
CStatusBar::~CStatusBar() = default;

QStatusBar* CStatusBar::GetStatusBarWidget() const {
    return qobject_cast<QStatusBar*>(GetWidget());
}

QWidget* CStatusBar::CreateWidget(const CREATESTRUCT& cs, QWidget*) {
    QMainWindow* window = GetFrameMainWindow(cs);
    if (!window) return nullptr;
    auto* bar = new QStatusBar(window);
    SetBarName(bar, cs.id);
    bar->setSizeGripEnabled(true);
    window->setStatusBar(bar);
    return bar;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateInFrame(pParentWnd, dwStyle, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    QStatusBar* bar = GetStatusBarWidget();
    if (!bar || nIDCount < 0) return FALSE;
    for (Pane& pane : m_panes) {
        bar->removeWidget(pane.label);
        delete pane.label;
    }
    m_panes.clear();
    const QFontMetrics metrics(bar->font());
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane;
        pane.nID = lpIDArray[i];
        if (pane.nID != ID_SEPARATOR) AfxLoadString(pane.nID, pane.text);
        pane.label = new QLabel(bar);
        pane.label->setObjectName(QString("Pane-%1").arg(i));
        if (i == 0) {
            pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
            bar->addWidget(pane.label, 1);
        } else {
            pane.cxWidth = metrics.horizontalAdvance(QString::fromUtf8(pane.text.c_str()));
            pane.label->setFrameShape(QFrame::Panel);
            pane.label->setFrameShadow(QFrame::Sunken);
            bar->addPermanentWidget(pane.label, 0);
        }
        m_panes.push_back(pane);
        ApplyPane(m_panes.size() - 1);
    }
    return TRUE;
}

void CStatusBar::ApplyPane(size_t index) {
    Pane& pane = m_panes[index];
    if (!pane.label) return;
    const bool disabled = (pane.nStyle & SBPS_DISABLED) != 0;
    pane.label->setText(disabled ? QString() : QString::fromUtf8(pane.text.c_str()));
    if (pane.nStyle & SBPS_STRETCH) {
        pane.label->setMinimumWidth(0);
        pane.label->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        pane.label->setFixedWidth(pane.cxWidth + kPaneMargin);
    }
    if (pane.nStyle & SBPS_NOBORDERS)
        pane.label->setFrameShape(QFrame::NoFrame);
    else
        pane.label->setFrameShape(QFrame::Panel);
    pane.label->setFrameShadow(pane.nStyle & SBPS_POPOUT ? QFrame::Raised : QFrame::Sunken);
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].nID : 0;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].nID == nIDFind) return i;
    return -1;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    *lpRect = RECT{};
    if (nIndex < 0 || nIndex >= GetCount()) return;
    const QRect r = m_panes[static_cast<size_t>(nIndex)].label->geometry();
    *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].text : CString();
}

CString CStatusBar::GetShownPaneText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) return {};
    return CString(m_panes[static_cast<size_t>(nIndex)].label->text().toUtf8().toStdString());
}

BOOL CStatusBar::SetPaneText(int nIndex, const char* lpszNewText, BOOL bUpdate) {
    if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    const CString text = lpszNewText ? lpszNewText : "";
    if (pane.text == text) return TRUE;
    pane.text = text;
    ApplyPane(static_cast<size_t>(nIndex));
    if (bUpdate) pane.label->repaint();
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    if (nIndex < 0 || nIndex >= GetCount()) {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxWidth;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxWidth = cxWidth;
    ApplyPane(static_cast<size_t>(nIndex));
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    if (m_panes[static_cast<size_t>(nIndex)].nStyle == nStyle) return;
    m_panes[static_cast<size_t>(nIndex)].nStyle = nStyle;
    ApplyPane(static_cast<size_t>(nIndex));
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_pBar = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    // Pane 0 belongs to the prompts; the other panes have update handlers.
    for (int i = 1; i < GetCount(); ++i) {
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_panes[static_cast<size_t>(i)].nID;
        if (state.m_nID == ID_SEPARATOR) continue;
        state.DoUpdate(pTarget, FALSE);
    }
}

SECStatusBar::SECStatusBar() = default;
SECStatusBar::~SECStatusBar() = default;
