#pragma once
// The text editor a grid cell opens over itself. It lives as a child window of
// the grid and ends on Return, Tab, Escape (which puts the text back), losing
// the focus, and the navigation keys when it was opened from the keyboard (or
// with Ctrl). Ending sends the grid the end-of-edit notification with the text
// and the key; the window then goes and the object deletes itself.
#include "controls/grid/GridDefs.h"
#include "platform/ui/CWnd.h"

class CGridCell;
class QLineEdit;

// How an editor's text starts from the character (or GV_EDITKEY | key) that
// opened it: the caret at the end, a backspace, the text selected, or a typed
// character replacing it.
void ApplyFirstChar(QLineEdit* edit, UINT nFirstChar);
class CGridCtrl;

class CInPlaceEdit : public CWnd {
public:
    // nFormat: the cell's text format (its alignment is the editor's). nFirstChar:
    // VK_LBUTTON or Return put the caret at the end, Backspace also deletes,
    // Tab or GV_EDITKEY | key select the text, a character replaces it.
    CInPlaceEdit(CGridCtrl* pParent, CRect& rect, DWORD nFormat, UINT nID, int nRow, int nColumn,
                 const CString& sInitText, UINT nFirstChar, CGridCell* pCell);

    // Ends editing: the grid learns the text and the key (once).
    void EndEdit();
    // A character typed while the editor is open.
    void TypeCharacter(UINT nChar);
    // The cell is going away or has finished with the editor.
    void DetachFromCell() { m_pCell = nullptr; }
    CString GetText() const;
    UINT GetLastChar() const { return m_nLastChar; }
    // WM_PASTE pastes the clipboard's text at the caret.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    ~CInPlaceEdit() override;
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    bool FilterEvent(QObject* watched, QEvent* event) override;
    void PostNcDestroy() override;

private:
    void WidenToFit();

    CGridCtrl* m_pGrid;
    CGridCell* m_pCell;
    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar = 0;
    bool m_bExitOnArrows;
    bool m_bEnding = false;
    DWORD m_nFormat;
    CRect m_Rect;
};
