#pragma once
// The status bar: panes of ids (pane 0, ID_SEPARATOR, takes the menu prompts
// and the idle message; the others show the string of their id, e.g. " MOD "),
// each with a style and a width. A disabled pane shows no text. At idle time
// each pane's update handler may enable it or set its text. A progress control
// can be put into a pane's rectangle.
#include "platform/core/CString.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CProgressCtrl.h"

#include <vector>

class QLabel;
class QStatusBar;

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int nIndex) const;
    // -1 when no pane has the id.
    int CommandToIndex(UINT nIDFind) const;
    // The pane's rectangle in the bar's client coordinates.
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    BOOL SetPaneText(int nIndex, const char* lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    // What the pane shows now (empty while it is disabled).
    CString GetShownPaneText(int nIndex) const;

    QStatusBar* GetStatusBarWidget() const;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    struct Pane {
        UINT nID = 0;
        UINT nStyle = 0;
        int cxWidth = 0;
        CString text;
        QLabel* label = nullptr;
    };
    void ApplyPane(size_t index);
    std::vector<Pane> m_panes;
};

// The status bar of the user-interface toolkit that the program's main frame uses.
class SECStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(SECStatusBar)
public:
    SECStatusBar();
    ~SECStatusBar() override;
};
