#pragma once
// The toolkit's tab window: one child window per tab, a label and a small
// picture on each tab. Choosing a tab (by the user or by ActivateTab) shows
// its window and sends TCM_TABSEL to the tab window's parent with the new
// tab's index in wParam.
#include "platform/core/CString.h"
#include "platform/ui/CWnd.h"

class QTabWidget;

// Sent to the parent when another tab becomes the active one.
constexpr UINT TCM_TABSEL = WM_USER + 0x0A00;

class SECTabWnd : public CWnd {
    DECLARE_DYNAMIC(SECTabWnd)
public:
    SECTabWnd();
    ~SECTabWnd() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = 0xE900);

    // Adds a tab showing pWnd (a window created with this tab window as its
    // parent). The new tab's index.
    int AddTab(CWnd* pWnd, const char* lpszLabel);
    // The picture of a tab from the bitmap resource nIDIcon, drawn cx by cy.
    void SetTabIcon(int nIndex, UINT nIDIcon, int cx = 16, int cy = 16);
    int GetTabCount() const;
    CWnd* GetTabWnd(int nIndex) const;
    CString GetTabLabel(int nIndex) const;
    // The active tab; -1 when there is none.
    int GetActiveTab() const;
    // Makes nIndex active; the parent hears of it when it was not active before.
    void ActivateTab(int nIndex);
    void ScrollToTab(int nIndex);

    QTabWidget* GetTabWidget() const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    void OnWidgetAttached() override;
};
