#include "controls/grid/CInPlaceEdit.h"

#include "controls/grid/CGridCell.h"
#include "controls/grid/CGridCtrl.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

CInPlaceEdit::CInPlaceEdit(CGridCtrl* pParent, CRect& rect, DWORD nFormat, UINT nID, int nRow, int nColumn,
                           const CString& sInitText, UINT nFirstChar, CGridCell* pCell)
    : m_pGrid(pParent), m_pCell(pCell), m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText),
      m_bExitOnArrows(nFirstChar != VK_LBUTTON), m_nFormat(nFormat), m_Rect(rect) {
    if (!Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID)) return;
    auto* edit = static_cast<QLineEdit*>(GetWidget());
    edit->setText(QString::fromStdString(sInitText));
    edit->setFocus(Qt::OtherFocusReason);
    ApplyFirstChar(edit, nFirstChar);
    WidenToFit();
}

void ApplyFirstChar(QLineEdit* edit, UINT nFirstChar) {
    const bool key = (nFirstChar & GV_EDITKEY) != 0;
    const UINT code = nFirstChar & ~GV_EDITKEY;
    if (!key && (code == VK_LBUTTON || code == VK_RETURN)) {
        edit->end(false);
    } else if (!key && code == VK_BACK) {
        edit->end(false);
        edit->backspace();
    } else if (key || code == VK_TAB) {
        edit->selectAll();
    } else {
        edit->selectAll();
        if (code >= 32) edit->insert(QString(QChar(static_cast<char32_t>(code))));
    }
}

CInPlaceEdit::~CInPlaceEdit() = default;

QWidget* CInPlaceEdit::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    SetOwnPaintAndInput(false);
    auto* edit = new QLineEdit(parentWidget);
    Qt::Alignment align = Qt::AlignLeft;
    if (m_nFormat & DT_RIGHT)
        align = Qt::AlignRight;
    else if (m_nFormat & DT_CENTER)
        align = Qt::AlignHCenter;
    edit->setAlignment(align | Qt::AlignVCenter);
    if (m_pGrid && m_pGrid->GetInputWidget()) edit->setFont(m_pGrid->GetInputWidget()->font());
    return edit;
}

LRESULT CInPlaceEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PASTE) {
        if (auto* edit = static_cast<QLineEdit*>(GetWidget())) edit->paste();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

CString CInPlaceEdit::GetText() const {
    auto* edit = static_cast<QLineEdit*>(GetWidget());
    return edit ? CString(edit->text().toStdString()) : CString();
}

void CInPlaceEdit::TypeCharacter(UINT nChar) {
    auto* edit = static_cast<QLineEdit*>(GetWidget());
    if (!edit) return;
    if (nChar == VK_BACK)
        edit->backspace();
    else if (nChar >= 32)
        edit->insert(QString(QChar(static_cast<char32_t>(nChar))));
    WidenToFit();
}

void CInPlaceEdit::WidenToFit() {
    auto* edit = static_cast<QLineEdit*>(GetWidget());
    if (!edit || !m_pGrid) return;
    const QFontMetrics metrics(edit->font());
    const int needed = metrics.horizontalAdvance(edit->text() + "  ") + 8;
    if (needed <= edit->width()) return;
    CRect client;
    m_pGrid->GetClientRect(&client);
    const int right = std::min<int>(client.right, edit->x() + needed);
    if (right > edit->x() + edit->width()) edit->resize(right - edit->x(), edit->height());
}

bool CInPlaceEdit::FilterEvent(QObject* watched, QEvent* event) {
    if (watched != GetWidget()) return CWnd::FilterEvent(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const UINT vk = AfxQtKeyToVirtualKey(key->key());
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        if (key->key() == Qt::Key_Backtab) {
            m_nLastChar = VK_TAB;
            EndEdit();
            return true;
        }
        switch (vk) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_END:
        case VK_HOME:
            if (m_bExitOnArrows || ctrl) {
                m_nLastChar = vk;
                if (m_pGrid) m_pGrid->SetFocus();
                EndEdit();
                return true;
            }
            return false;
        case VK_TAB:
        case VK_RETURN:
            m_nLastChar = vk;
            if (m_pGrid) m_pGrid->SetFocus();
            EndEdit();
            return true;
        case VK_ESCAPE:
            static_cast<QLineEdit*>(GetWidget())->setText(QString::fromStdString(m_sInitText));
            m_nLastChar = VK_ESCAPE;
            if (m_pGrid) m_pGrid->SetFocus();
            EndEdit();
            return true;
        default:
            break;
        }
        QTimer::singleShot(0, GetWidget(), [this]() { WidenToFit(); });
        return false;
    }
    case QEvent::ShortcutOverride: {
        // Tab, Return and Escape belong to the editor while it is open, not to a dialog's buttons.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Tab)
            event->accept();
        return false;
    }
    case QEvent::FocusOut:
        EndEdit();
        return false;
    default:
        return CWnd::FilterEvent(watched, event);
    }
}

void CInPlaceEdit::EndEdit() {
    if (m_bEnding || !GetWidget()) return;
    m_bEnding = true;
    SendEndEditNotification(this, m_pGrid, m_nRow, m_nColumn, GetText(), m_nLastChar);
}

void SendEndEditNotification(CWnd* pEditor, CGridCtrl* pGrid, int nRow, int nCol, const CString& text,
                             UINT nLastChar) {
    GV_DISPINFO info;
    info.hdr.hwndFrom = pEditor->GetSafeHwnd();
    info.hdr.idFrom = static_cast<UINT_PTR>(pEditor->GetDlgCtrlID());
    info.hdr.code = GVN_ENDLABELEDIT;
    info.item.mask = GVIF_TEXT | GVIF_PARAM;
    info.item.row = nRow;
    info.item.col = nCol;
    info.item.strText = text;
    info.item.lParam = static_cast<LPARAM>(nLastChar);
    // The window goes once the grid has the text; the grid may open the next editor meanwhile.
    pEditor->GetWidget()->hide();
    const HWND self = pEditor->GetSafeHwnd();
    QTimer::singleShot(0, QApplication::instance(), [self]() {
        if (CWnd* wnd = CWnd::FromHandle(self)) wnd->DestroyWindow();
    });
    if (pGrid) pGrid->SendMessage(WM_NOTIFY, pEditor->GetDlgCtrlID(), reinterpret_cast<LPARAM>(&info));
}

void CInPlaceEdit::PostNcDestroy() {
    if (m_pCell) m_pCell->EditorGone(this);
    delete this;
}
