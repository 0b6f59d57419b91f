#include "platform/ui/CColorWell.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"

#include <QApplication>
#include <QPalette>

namespace {

COLORREF colorOf(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace

IMPLEMENT_DYNAMIC(CColorWell, CButton)

BEGIN_MESSAGE_MAP(CColorWell, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, &CColorWell::OnClicked)
END_MESSAGE_MAP()

CColorWell::CColorWell() = default;
CColorWell::~CColorWell() = default;

void CColorWell::SetColor(COLORREF color) {
    m_color = color & 0x00FFFFFF;
    if (IsWindow()) Invalidate();
}

void CColorWell::OnClicked() {
    COLORREF chosen = m_color;
    if (!CPromptService::Instance().ChooseColor(chosen)) return;
    SetColor(chosen);
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COLORWELL_CHANGED, static_cast<WPARAM>(GetDlgCtrlID()),
                            static_cast<LPARAM>(m_color));
}

void CColorWell::DrawItem(LPDRAWITEMSTRUCT dis) {
    CDC* dc = dis->hDC;
    const QPalette palette = QApplication::palette();
    const bool pressed = (dis->itemState & ODS_SELECTED) != 0;
    const bool disabled = (dis->itemState & ODS_DISABLED) != 0;
    RECT r = dis->rcItem;
    dc->FillSolidRect(&r, colorOf(palette.color(QPalette::Button)));
    const COLORREF light = colorOf(palette.color(QPalette::Light));
    const COLORREF shadow = colorOf(palette.color(QPalette::Dark));
    dc->Draw3dRect(&r, pressed ? shadow : light, pressed ? light : shadow);
    // The swatch sits inside the raised face, greyed while the well is disabled.
    RECT swatch{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    if (swatch.right <= swatch.left || swatch.bottom <= swatch.top) return;
    if (pressed) {
        ++swatch.left, ++swatch.top, ++swatch.right, ++swatch.bottom;
    }
    const COLORREF frame = disabled ? colorOf(palette.color(QPalette::Disabled, QPalette::WindowText))
                                    : colorOf(palette.color(QPalette::WindowText));
    dc->FillSolidRect(&swatch, frame);
    RECT inner{swatch.left + 1, swatch.top + 1, swatch.right - 1, swatch.bottom - 1};
    dc->FillSolidRect(&inner, disabled ? colorOf(palette.color(QPalette::Button)) : m_color);
}

void DDX_ColorWell(CDataExchange* pDX, int nIDC, CColorWell& well, COLORREF& color) {
    // The template's button is owner-drawn; the well draws it.
    if (!well.IsWindow()) DDX_Control(pDX, nIDC, well);
    if (pDX->m_bSaveAndValidate)
        color = well.GetColor();
    else
        well.SetColor(color);
}
