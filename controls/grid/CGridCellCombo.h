#pragma once
// A grid cell that is edited with a list of choices: CInPlaceList, a combo box
// over the cell, whose edit part is a CComboEdit. Drop-down lists take only
// their choices; drop-down combos also take typed text.
#include "controls/grid/CGridCell.h"
#include "platform/ui/CWnd.h"

#include <memory>
#include <vector>

class CInPlaceList;

class CGridCellCombo : public CGridCell {
    DECLARE_DYNCREATE(CGridCellCombo)
public:
    // The combo box styles (the platform's CBS_ values).
    static constexpr DWORD kDropDown = 0x2;
    static constexpr DWORD kDropDownList = 0x3;

    CGridCellCombo();
    void SetOptions(const std::vector<CString>& ar) { m_Strings = ar; }
    const std::vector<CString>& GetOptions() const { return m_Strings; }
    void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    DWORD GetStyle() const { return m_dwStyle; }

    bool Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void EndEdit() override;
    void OnEndEdit() override;
    CWnd* GetEditWnd() const override;
    ~CGridCellCombo() override;
    // A focused cell shows the drop-down button at its right end.
    bool Draw(CDC* pDC, int nRow, int nCol, CRect rect, bool bEraseBkgnd = true) override;

protected:
    friend class CInPlaceList;
    std::vector<CString> m_Strings;
    DWORD m_dwStyle = kDropDown;
    CInPlaceList* m_pList = nullptr; // deletes itself when its window goes
};

// The edit part of an in-place list: Return, Escape and Ctrl with the
// navigation keys go to the list.
class CComboEdit : public CWnd {
public:
    explicit CComboEdit(CInPlaceList* pList) : m_pList(pList) {}

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    CInPlaceList* m_pList;
};

class CInPlaceList : public CWnd {
public:
    CInPlaceList(CGridCtrl* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                 const std::vector<CString>& Items, const CString& sInitText, UINT nFirstChar,
                 CGridCellCombo* pCell);

    void EndEdit();
    void CancelEdit();
    CString GetText() const;
    // The choices' widest text plus a scroll bar and a "0", at most 200 pixels.
    int GetCorrectDropWidth();
    void DetachFromCell() { m_pCell = nullptr; }
    // Keys that end the edit: Return, and with Ctrl the navigation keys; Escape cancels.
    bool HandleKey(int qtKey, bool ctrl);

protected:
    ~CInPlaceList() override;
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    bool FilterEvent(QObject* watched, QEvent* event) override;
    void PostNcDestroy() override;

private:
    CGridCtrl* m_pGrid;
    CGridCellCombo* m_pCell;
    std::unique_ptr<CComboEdit> m_pEdit;
    int m_nRow;
    int m_nCol;
    CString m_sInitText;
    UINT m_nLastChar = 0;
    bool m_bEnding = false;
    DWORD m_dwStyle;
    std::vector<CString> m_Items;
};
