#pragma once
// A push button that draws itself: an icon beside or above its caption, a flat
// look that rises while the mouse is over it, its own colours for the mouse
// outside and over (or pressed), and a transparent mode that leaves the
// parent's background showing. Dialogs take one of their buttons over with it.
#include "platform/core/COLORREF.h"
#include "platform/ui/CDialogControls.h"

#include <memory>

class QIcon;

class CButtonST : public CButton {
    DECLARE_DYNAMIC(CButtonST)
public:
    enum Align { ST_ALIGN_HORIZ = 0, ST_ALIGN_VERT = 1, ST_ALIGN_HORIZ_RIGHT = 2 };

    CButtonST();
    ~CButtonST() override;

    // Icons from the resources' pictures (normal 0: the hover one).
    void SetIcon(UINT nIconIn, UINT nIconOut = 0);
    // The icons themselves; a null normal icon takes the hover one.
    void SetIcon(const QIcon& iconIn, const QIcon& iconOut);
    void SetFlat(BOOL bState = TRUE);
    void SetAlign(int nAlign);
    void SetShowText(BOOL bShow = TRUE);
    void DrawBorder(BOOL bEnable = TRUE);
    void SetFlatFocus(BOOL bDrawFlatFocus);
    void DrawTransparent(BOOL bTransparent = TRUE);
    void SetDefaultBackColorOut(BOOL bRepaint = FALSE);
    void SetDefaultTextColorOut(BOOL bRepaint = FALSE);
    void SetDefaultBackColorIn(BOOL bRepaint = FALSE);
    void SetDefaultTextColorIn(BOOL bRepaint = FALSE);
    void SetBackColorOut(COLORREF color, BOOL bRepaint = TRUE);
    void SetBackColorIn(COLORREF color, BOOL bRepaint = TRUE);

    BOOL IsMouseOver() const { return m_bMouseOver; }
    BOOL IsFlat() const { return m_bIsFlat; }
    int GetIconWidth() const { return m_cxIcon; }
    int GetIconHeight() const { return m_cyIcon; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnWidgetAttached() override;
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    void Repaint();

    int m_nAlign = ST_ALIGN_HORIZ;
    BOOL m_bShowText = TRUE;
    BOOL m_bDrawBorder = TRUE;
    BOOL m_bIsFlat = TRUE;
    BOOL m_bMouseOver = FALSE;
    BOOL m_bDrawFlatFocus = FALSE;
    BOOL m_bDrawTransparent = FALSE;
    std::unique_ptr<QIcon> m_pIconIn;
    std::unique_ptr<QIcon> m_pIconOut;
    int m_cxIcon = 0;
    int m_cyIcon = 0;
    COLORREF m_crBackOut = 0, m_crTextOut = 0, m_crBackIn = 0, m_crTextIn = 0;
};
