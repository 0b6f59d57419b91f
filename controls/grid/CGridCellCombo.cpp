#include "controls/grid/CGridCellCombo.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CInPlaceEdit.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/VirtualKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>

#include <algorithm>

IMPLEMENT_DYNCREATE(CGridCellCombo, CGridCell)

CGridCellCombo::CGridCellCombo() = default;

bool CGridCellCombo::Edit(int nRow, int nCol, CRect rect, CPoint, UINT nID, UINT nChar) {
    if (m_bEditing) return true;
    if (!m_pGrid) return false;
    m_bEditing = true;
    m_pList = new CInPlaceList(m_pGrid, rect, m_dwStyle, nID, nRow, nCol, m_Strings, GetText(), nChar, this);
    return true;
}

CGridCellCombo::~CGridCellCombo() {
    if (m_pList) m_pList->DetachFromCell();
}

void CGridCellCombo::EndEdit() {
    if (m_pList) m_pList->EndEdit();
}

void CGridCellCombo::OnEndEdit() {
    CGridCell::OnEndEdit();
    if (m_pList) m_pList->DetachFromCell();
    m_pList = nullptr;
}

CWnd* CGridCellCombo::GetEditWnd() const {
    return m_pList;
}

bool CGridCellCombo::Draw(CDC* pDC, int nRow, int nCol, CRect rect, bool bEraseBkgnd) {
    const int bar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (IsFocused() && !IsFixed() && rect.Width() > bar && rect.Height() > bar && pDC) {
        // The button of a closed drop-down list, drawn after the cell so that the cell does not cover it.
        CRect button(rect.right - bar, rect.top, rect.right, rect.top + bar);
        rect.right -= bar;
        const bool drawn = CGridCell::Draw(pDC, nRow, nCol,
                                           CRect(rect.left, rect.top, rect.right, rect.bottom), bEraseBkgnd);
        pDC->FillSolidRect(&button, GetGridSysColor(GridSysColor::BtnFace));
        pDC->DrawEdge(&button, EDGE_RAISED, BF_RECT);
        const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2;
        const POINT arrow[3] = {{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}};
        CBrush brush(GetGridSysColor(GridSysColor::WindowText));
        CBrush* old = pDC->SelectObject(&brush);
        pDC->Polygon(arrow, 3);
        pDC->SelectObject(old);
        return drawn;
    }
    return CGridCell::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
}

// --- the edit part ---------------------------------------------------------------------------------

bool CComboEdit::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget() && event->type() == QEvent::KeyPress && m_pList) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (m_pList->HandleKey(key->key(), key->modifiers() & Qt::ControlModifier)) return true;
    }
    if (watched == GetWidget() && event->type() == QEvent::FocusOut && m_pList) {
        // The list's own popup takes the focus while it is open; that is no end.
        auto* combo = qobject_cast<QComboBox*>(m_pList->GetWidget());
        if (!combo || !combo->view()->isVisible()) m_pList->EndEdit();
    }
    return CWnd::FilterEvent(watched, event);
}

// --- the list --------------------------------------------------------------------------------------

CInPlaceList::CInPlaceList(CGridCtrl* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                           const std::vector<CString>& Items, const CString& sInitText, UINT nFirstChar,
                           CGridCellCombo* pCell)
    : m_pGrid(pParent), m_pCell(pCell), m_nRow(nRow), m_nCol(nColumn), m_sInitText(sInitText),
      m_dwStyle(dwStyle), m_Items(Items) {
    CRect box = rect;
    if (!Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, box, pParent, nID)) return;
    auto* combo = static_cast<QComboBox*>(GetWidget());
    combo->setGeometry(rect.left, rect.top, rect.Width() + 1, rect.Height() + 1);
    combo->setMaxVisibleItems(4);
    for (const CString& item : m_Items)
        combo->addItem(QString::fromStdString(item));
    const int index = combo->findText(QString::fromStdString(sInitText), Qt::MatchExactly);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else if (combo->isEditable())
        combo->setEditText(QString::fromStdString(sInitText));
    combo->view()->setMinimumWidth(GetCorrectDropWidth());
    combo->setFocus(Qt::OtherFocusReason);
    if (!combo->isEditable()) return;
    m_pEdit = std::make_unique<CComboEdit>(this);
    m_pEdit->SubclassWindow(combo->lineEdit());
    // Tab that opened the list selects its text as the navigation keys do.
    ApplyFirstChar(combo->lineEdit(),
                   (nFirstChar & ~GV_EDITKEY) == VK_TAB ? nFirstChar | GV_EDITKEY : nFirstChar);
}

CInPlaceList::~CInPlaceList() {
    m_pEdit.reset();
}

QWidget* CInPlaceList::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    SetOwnPaintAndInput(false);
    auto* combo = new QComboBox(parentWidget);
    combo->setEditable((m_dwStyle & 3) != CGridCellCombo::kDropDownList);
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (m_pGrid && m_pGrid->GetInputWidget()) combo->setFont(m_pGrid->GetInputWidget()->font());
    return combo;
}

int CInPlaceList::GetCorrectDropWidth() {
    auto* combo = static_cast<QComboBox*>(GetWidget());
    if (!combo) return 0;
    const QFontMetrics metrics(combo->font());
    int widest = 0;
    for (const CString& item : m_Items)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(item)));
    widest += combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + metrics.horizontalAdvance('0');
    return std::min(widest, 200);
}

CString CInPlaceList::GetText() const {
    auto* combo = static_cast<QComboBox*>(GetWidget());
    return combo ? CString(combo->currentText().toStdString()) : CString();
}

bool CInPlaceList::HandleKey(int qtKey, bool ctrl) {
    const UINT vk = AfxQtKeyToVirtualKey(qtKey);
    switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (!ctrl) return false;
        m_nLastChar = vk;
        if (m_pGrid) m_pGrid->SetFocus();
        EndEdit();
        return true;
    case VK_RETURN:
        m_nLastChar = vk;
        if (m_pGrid) m_pGrid->SetFocus();
        EndEdit();
        return true;
    case VK_ESCAPE:
        CancelEdit();
        return true;
    default:
        return false;
    }
}

void CInPlaceList::CancelEdit() {
    auto* combo = static_cast<QComboBox*>(GetWidget());
    if (combo) {
        const int index = combo->findText(QString::fromStdString(m_sInitText), Qt::MatchExactly);
        if (index >= 0) combo->setCurrentIndex(index);
        if (combo->isEditable()) combo->setEditText(QString::fromStdString(m_sInitText));
    }
    m_nLastChar = VK_ESCAPE;
    if (m_pGrid) m_pGrid->SetFocus();
    EndEdit();
}

bool CInPlaceList::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget()) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (HandleKey(key->key(), key->modifiers() & Qt::ControlModifier)) return true;
        } else if (event->type() == QEvent::FocusOut) {
            auto* combo = static_cast<QComboBox*>(GetWidget());
            if (!combo->isEditable() && !combo->view()->isVisible()) EndEdit();
        }
    }
    return CWnd::FilterEvent(watched, event);
}

void CInPlaceList::EndEdit() {
    if (m_bEnding || !GetWidget()) return;
    m_bEnding = true;
    SendEndEditNotification(this, m_pGrid, m_nRow, m_nCol, GetText(), m_nLastChar);
}

void CInPlaceList::PostNcDestroy() {
    if (m_pCell && m_pCell->m_pList == this) {
        m_pCell->m_pList = nullptr;
        m_pCell->m_bEditing = false;
    }
    delete this;
}
