#pragma once
// Control bars: the bars a frame arranges around its client area. Toolbars
// (QToolBar) and docking windows (QDockWidget) dock on any side the frame allows,
// float, and keep their layout through the frame's SaveBarState/LoadBarState.
// Each bar is a window with the id that the frame finds it by; its window text
// is its title. At idle time a bar runs the update handlers of its elements.
#include "platform/core/CString.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CWnd.h"

#include <vector>

class CFrameWnd;
class QAction;
class QDockWidget;
class QImage;
class QMainWindow;
class QToolBar;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    // The sides the bar may dock on (CBRS_ALIGN_...).
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetEnabledAlignment() const { return m_dwDockStyle; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    // Shown in its frame (a hidden frame does not make its bars hidden here).
    BOOL IsVisible() const;
    BOOL IsFloating() const;
    CFrameWnd* GetDockingFrame() const;

    // Runs the update handlers of the bar's elements through pTarget's route.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

protected:
    // The frame that holds the bar; set when the bar is created in it.
    void SetDockSite(CFrameWnd* pFrame);
    // Creates the bar in its frame and registers it there; FALSE when the parent is
    // no frame. The bar shows only with WS_VISIBLE.
    BOOL CreateInFrame(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // The main window of the frame that a bar is being created in; null when the parent is no frame.
    static QMainWindow* GetFrameMainWindow(const CREATESTRUCT& cs);
    // Names the bar's widget by its id: the saved bar layout finds the bar by that name.
    static void SetBarName(QWidget* widget, UINT nID);

    // The frame's handle: a bar never keeps a frame that is gone.
    HWND m_hDockSite = nullptr;
    DWORD m_dwDockStyle = 0;
};

// A toolbar: one button per command id (0 is a separator), its image taken from
// the toolbar's picture, its tooltip and status-bar prompt from the string table.
class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    // Buttons and images from the toolbar resource and the picture of the same id.
    BOOL LoadToolBar(UINT nIDResource);
    // Buttons of the given ids; images from the picture nIDBitmap (images left to
    // right in the order of the non-separator ids), or none when it is 0.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount, UINT nIDBitmap = 0, int cxImage = 16,
                    int cyImage = 15);

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    // 0 for a separator.
    UINT GetItemID(int nIndex) const;
    int CommandToIndex(UINT nIDFind) const;
    QAction* GetButtonAction(int nIndex) const;
    QToolBar* GetToolBarWidget() const;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    std::vector<QAction*> m_buttons;
};

// A docking window: a bar with a client area of its own for child windows.
// The bars of the toolkit's kind (project and output windows) derive from it.
class SECControlBar : public CControlBar {
    DECLARE_DYNAMIC(SECControlBar)
public:
    SECControlBar();
    ~SECControlBar() override;

    BOOL Create(CWnd* pParentWnd, const char* lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID);
    QDockWidget* GetDockWidget() const;
    QWidget* GetClientWidget() const override;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    bool FilterEvent(QObject* watched, QEvent* event) override;
    void OnWidgetAttached() override;

private:
    QWidget* m_pInside = nullptr;
};

// Slices a toolbar picture into its images (count images of cx by cy, left to right).
std::vector<QImage> AfxLoadToolBarImages(UINT nIDBitmap, int count, int cx, int cy);
