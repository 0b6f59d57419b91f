#pragma once
// The platform's standard controls as windows over Qt widgets: statics, buttons,
// edits, list boxes, combo boxes and spin buttons. A dialog builds them from its
// template; a member of a dialog takes its control over with DDX_Control or
// SubclassDlgItem. Each control tells its parent what happened with WM_COMMAND
// (control id, notification code) and its handle, as the platform's controls do:
// a click (BN_CLICKED, code 0) reaches ON_COMMAND entries; the other codes reach
// the parent's OnCommand, where HIWORD(wParam) is the code. A spin button tells
// its parent of a step with WM_VSCROLL (SB_THUMBPOSITION, the new position).
#include "platform/core/CString.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/DlgUi.h"

class QImage;

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic();
    ~CStatic() override;
    // Shows a picture instead of the text (a null image takes it away).
    void SetImage(const QImage& image);
    // The picture of a bitmap resource.
    void SetBitmap(UINT nIDResource);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    // "&" marks the next character as the mnemonic and is not shown; "&&" shows
    // one "&". A static of style SS_NOPREFIX shows its text as it is.
    CString WidgetText(const CString& windowText) const override;
    // Asks the parent for the colours before painting (WM_CTLCOLORSTATIC).
    bool FilterEvent(QObject* watched, QEvent* event) override;
};

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton();
    ~CButton() override;
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const;
    // Only the default-button bit changes an existing push button.
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    // Clicks the button as the user would (the notification goes to the parent).
    void Click();
    // Draws a BS_OWNERDRAW button (itemState: ODS_SELECTED while pressed, ODS_FOCUS,
    // ODS_DISABLED). The base leaves it to the parent's OnDrawItem.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Asks the parent for the colours (WM_CTLCOLORBTN for push buttons,
    // WM_CTLCOLORSTATIC for the others), or for the drawing of an owner-drawn button.
    bool FilterEvent(QObject* watched, QEvent* event) override;
};

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();
    ~CEdit() override;
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(const char* lpszNewText, BOOL bCanUndo = FALSE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax) { LimitText(static_cast<int>(nMax)); }
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    // Types text at the caret as the user would: key by key, through the window's filters.
    void TypeText(const char* text);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    // Tells the parent when the edit gets and loses the focus (EN_SETFOCUS, EN_KILLFOCUS);
    // asks it for the colours before painting (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC when read-only).
    bool FilterEvent(QObject* watched, QEvent* event) override;
};

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox();
    ~CListBox() override;
    int AddString(const char* lpszItem);
    int InsertString(int nIndex, const char* lpszItem);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    // The first item that begins with the text (case ignored) after nStartAfter; LB_ERR when none.
    int FindString(int nStartAfter, const char* lpszItem) const;
    int FindStringExact(int nIndexStart, const char* lpszFind) const;
    int SelectString(int nStartAfter, const char* lpszItem);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    // Multiple selection.
    int GetSel(int nIndex) const;
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    // Draw and measure the items of an owner-drawn list box (LBS_OWNERDRAWFIXED:
    // measured once for all items, LBS_OWNERDRAWVARIABLE: each item). The base
    // leaves them to the parent's OnDrawItem and OnMeasureItem.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Asks the parent for the colours before painting (WM_CTLCOLORLISTBOX).
    bool FilterEvent(QObject* watched, QEvent* event) override;
};

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox();
    ~CComboBox() override;
    int AddString(const char* lpszString);
    int InsertString(int nIndex, const char* lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int FindString(int nStartAfter, const char* lpszString) const;
    int FindStringExact(int nIndexStart, const char* lpszFind) const;
    int SelectString(int nStartAfter, const char* lpszString);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    BOOL GetDroppedState() const;
    void ShowDropDown(BOOL bShowIt = TRUE);
    // The edit part of a combo box that can be typed into (control id 1001); null for a drop-down list.
    CEdit* GetEdit() { return m_edit.IsWindow() ? &m_edit : nullptr; }
    // Draw and measure the items of an owner-drawn combo box (CBS_OWNERDRAWFIXED,
    // CBS_OWNERDRAWVARIABLE); the selected item on the face of a drop-down list
    // comes with ODS_COMBOBOXEDIT. The base leaves them to the parent.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    void OnWidgetAttached() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Asks the parent for the colours (WM_CTLCOLORLISTBOX), or for the drawing of an owner-drawn face.
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    CEdit m_edit;
};

// Up and down arrows that step a position through a range; its buddy window
// shows the position when the style asks for it. The up arrow steps toward the
// upper end of the range, so with the lower end above the upper one (the
// default range 100 to 0) it counts down.
class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl();
    ~CSpinButtonCtrl() override;
    void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
    void SetRange32(int nLower, int nUpper);
    void GetRange32(int& nLower, int& nUpper) const;
    // The previous position.
    int SetPos(int nPos);
    int SetPos32(int nPos) { return SetPos(nPos); }
    // The position; with a buddy that shows it, the buddy's number (clamped into the range).
    int GetPos() const;
    int GetPos32() const { return GetPos(); }
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    // One step as a click on an arrow does.
    void StepUp();
    void StepDown();

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    void Step(int direction);
    void ShowPosInBuddy();
    int m_nLower = 100;
    int m_nUpper = 0;
    int m_nPos = 0;
    HWND m_hBuddy = nullptr;
};

// Sends a control's WM_NOTIFY record to its parent (the header's window, id and
// the code are filled in); the parent's answer, 0 when there is no parent.
LRESULT AfxNotifyParent(CWnd* pControl, UINT code, NMHDR& header);

// The control object of the platform for a template item's window class.
// Placeholders (custom classes) get a plain window, or the control of a class
// registered with AfxRegisterControlClass.
CWnd* AfxNewControlOfClass(const char* windowClass, DWORD style);
// Makes the template items of a custom window class into the control objects the
// factory makes (a library's own control, such as the grid); a class registered
// again takes the later factory. The objects belong to the dialog that makes them.
using AFX_CONTROL_FACTORY = CWnd* (*)();
void AfxRegisterControlClass(const char* windowClass, AFX_CONTROL_FACTORY factory);
