#pragma once
// The commands of the Window menu and its list of open windows. Only visible
// enabled child frames count: those of the active workspace, since the
// frames of the other workspaces are hidden and disabled. The main frame
// asks the manager first; a derived manager changes a command by overriding
// its action or update.
#include "framework/AFrameworkIds.h"
#include "platform/ui/CCmdTarget.h"

#include <vector>

class CCmdUI;
class CMDIChildWnd;
class CMDIFrameWnd;
class CMenu;


class AWindowMenuManager : public CCmdTarget {
    DECLARE_DYNCREATE(AWindowMenuManager)
public:
    AWindowMenuManager();
    ~AWindowMenuManager() override;

    virtual void WindowCascade();
    virtual void WindowClose();
    // Closes the active window, then the next active one, each once; stops
    // at the first that stays open.
    virtual void WindowCloseAll();
    virtual void WindowMorewindows();
    // Another frame on the active window's document and item, made by the
    // template that made the active frame.
    virtual void WindowNew();
    virtual void WindowNext();
    virtual void WindowPrevious();
    virtual void WindowTileHorz();
    virtual void WindowTileVert();
    virtual void UpdateWindowCascade(CCmdUI* pCmdUI);
    virtual void UpdateWindowClose(CCmdUI* pCmdUI);
    virtual void UpdateWindowCloseAll(CCmdUI* pCmdUI);
    virtual void UpdateWindowMorewindows(CCmdUI* pCmdUI);
    virtual void UpdateWindowNew(CCmdUI* pCmdUI);
    virtual void UpdateWindowNext(CCmdUI* pCmdUI);
    virtual void UpdateWindowPrevious(CCmdUI* pCmdUI);
    virtual void UpdateWindowTileHorz(CCmdUI* pCmdUI);
    virtual void UpdateWindowTileVert(CCmdUI* pCmdUI);

    // Lists the visible enabled windows before the More Windows item, the
    // active one always among them.
    void LoadWindowMenu(CMenu* pMenu);
    // 0 while no child is active.
    int GetVisibleChildWindowCount() const;
    // The visible enabled child frames of the main frame, in creation order.
    static std::vector<CMDIChildWnd*> GetListedWindows();
    int GetChildWindowCount() const;

    int m_nMaxWindows = 9;

protected:
    static CMDIFrameWnd* GetMDIFrame();
    static CMDIChildWnd* GetActiveChild();

    DECLARE_MESSAGE_MAP()
};
