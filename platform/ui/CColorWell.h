#pragma once
// A push button that shows a colour as a swatch. A click asks the user for
// another colour (through the prompt service); a chosen colour becomes the
// well's and is sent to the dialog as WM_USER + 101 (wParam: the well's id,
// lParam: the colour as 0x00BBGGRR). Dialogs bind it with DDX_ColorWell.
#include "platform/core/COLORREF.h"
#include "platform/ui/CDialogControls.h"

class CDataExchange;

// The message a colour well sends its dialog after the user chose a colour.
inline constexpr UINT WM_COLORWELL_CHANGED = WM_USER + 101;

class CColorWell : public CButton {
    DECLARE_DYNAMIC(CColorWell)
public:
    CColorWell();
    ~CColorWell() override;

    COLORREF GetColor() const { return m_color; }
    // Shows the colour; the dialog is not told.
    void SetColor(COLORREF color);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_color = 0;
};

// Takes the control over (once) and exchanges its colour.
void DDX_ColorWell(CDataExchange* pDX, int nIDC, CColorWell& well, COLORREF& color);
