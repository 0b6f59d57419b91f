#pragma once
// The tip that shows the whole text of a grid cell too narrow for it: a
// frameless tool-tip window over the cell, shown without taking the focus or
// the mouse. The grid hides it when the mouse leaves the hover rectangle, on a
// key, a button press, scrolling and editing.
#include "controls/grid/GridDefs.h"
#include "platform/ui/CWnd.h"

class CTitleTip : public CWnd {
public:
    CTitleTip();
    ~CTitleTip() override;

    // The window over the parent (the grid).
    BOOL Create(CWnd* pParentWnd);
    void SetParentWnd(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }
    // rectTitle and lpHoverRect in the parent's client coordinates. Nothing
    // happens when the text fits, the rectangle is empty, the tip is shown, or
    // no window of the program has the focus.
    void Show(CRect rectTitle, const char* lpszTitleText, int xoffset = 0, LPRECT lpHoverRect = nullptr,
              const LOGFONT* lpLogFont = nullptr, COLORREF crTextClr = CLR_DEFAULT,
              COLORREF crBackClr = CLR_DEFAULT);
    void Hide();
    bool IsShown() const;
    const CString& GetTipText() const { return m_strText; }
    // The hover rectangle in the parent's client coordinates.
    const CRect& GetHoverRect() const { return m_rectHover; }

    void OnPaint() override;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    CWnd* m_pParentWnd = nullptr;
    CRect m_rectHover;
    CString m_strText;
    LOGFONT m_font;
    bool m_bOwnFont = false;
    COLORREF m_crText = CLR_DEFAULT;
    COLORREF m_crBack = CLR_DEFAULT;
};
