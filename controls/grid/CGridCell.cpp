#include "controls/grid/CGridCell.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CInPlaceEdit.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CGdiObject.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

IMPLEMENT_DYNCREATE(CGridCell, CGridCellBase)
IMPLEMENT_DYNCREATE(CGridDefaultCell, CGridCell)

LOGFONT GridApplicationFont() {
    const QFont font = QApplication::font();
    LOGFONT lf;
    lf.lfHeight = -QFontInfo(font).pixelSize();
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.SetFaceName(font.family().toStdString());
    return lf;
}

CGridCell::CGridCell() = default;

CGridCell::~CGridCell() {
    // An editor still open belongs to the grid's window and ends with it; it must not call back.
    if (m_pEditWnd) m_pEditWnd->DetachFromCell();
}

void CGridCell::SetFont(const LOGFONT* plf) {
    if (!plf) {
        m_plfFont.reset();
        m_pFontObject.reset();
        return;
    }
    m_plfFont = std::make_unique<LOGFONT>(*plf);
    m_pFontObject = std::make_unique<CFont>();
    m_pFontObject->CreateFontIndirect(m_plfFont.get());
}

DWORD CGridCell::GetFormat() const {
    if (m_nFormat == static_cast<DWORD>(-1)) {
        CGridDefaultCell* def = GetDefaultCell();
        return def ? def->GetFormat() : 0;
    }
    return m_nFormat;
}

const LOGFONT* CGridCell::GetFont() const {
    if (m_plfFont) return m_plfFont.get();
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFont() : nullptr;
}

CFont* CGridCell::GetFontObject() const {
    if (m_pFontObject) return m_pFontObject.get();
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFontObject() : nullptr;
}

UINT CGridCell::GetMargin() const {
    if (m_nMargin == static_cast<UINT>(-1)) {
        CGridDefaultCell* def = GetDefaultCell();
        return def ? def->GetMargin() : 0;
    }
    return m_nMargin;
}

CWnd* CGridCell::GetEditWnd() const {
    return m_pEditWnd;
}

void CGridCell::Reset() {
    CGridCellBase::Reset();
    m_strText.clear();
    m_nImage = -1;
    m_nFormat = static_cast<DWORD>(-1);
    m_nMargin = static_cast<UINT>(-1);
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    m_pGrid = nullptr;
    m_bEditing = false;
    if (m_pEditWnd) m_pEditWnd->DetachFromCell();
    m_pEditWnd = nullptr;
    m_plfFont.reset();
    m_pFontObject.reset();
}

bool CGridCell::Edit(int nRow, int nCol, CRect rect, CPoint, UINT nID, UINT nChar) {
    if (m_bEditing) {
        if (m_pEditWnd) m_pEditWnd->TypeCharacter(nChar);
        return true;
    }
    if (!m_pGrid) return false;
    m_bEditing = true;
    m_pEditWnd = new CInPlaceEdit(m_pGrid, rect, GetFormat(), nID, nRow, nCol, GetText(), nChar, this);
    return true;
}

void CGridCell::EndEdit() {
    if (m_pEditWnd) m_pEditWnd->EndEdit();
}

void CGridCell::EditorGone(CInPlaceEdit* pEdit) {
    if (m_pEditWnd == pEdit) m_pEditWnd = nullptr;
    m_bEditing = false;
}

void CGridCell::OnEndEdit() {
    m_bEditing = false;
    if (m_pEditWnd) m_pEditWnd->DetachFromCell();
    m_pEditWnd = nullptr;
}

CGridDefaultCell::CGridDefaultCell() {
    m_nFormat = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    m_Size = CSize(30, 10);
    m_dwStyle = 0;
    const LOGFONT lf = GridApplicationFont();
    SetFont(&lf);
}

CGridDefaultCell::~CGridDefaultCell() = default;

void CGridDefaultCell::SetFont(const LOGFONT* plf) {
    if (!plf) return;
    CGridCell::SetFont(plf);
    m_Font = std::make_unique<CFont>();
    m_Font->CreateFontIndirect(plf);
    // Measuring needs the fonts of a running application; without one the sizes are fixed.
    if (!QApplication::instance()) {
        m_nMargin = 3;
        m_Size = CSize(40, 16);
        return;
    }
    CDC dc;
    dc.SelectObject(m_Font.get());
    m_nMargin = static_cast<UINT>(dc.GetTextExtent(" ").cx);
    m_Size = dc.GetTextExtent(" XXXXXXXXXXXX ");
    m_Size.cy = m_Size.cy * 3 / 2;
}

const LOGFONT* CGridDefaultCell::GetFont() const {
    return m_plfFont.get();
}

CFont* CGridDefaultCell::GetFontObject() const {
    return m_Font.get();
}
