#pragma once
// A hook on a window's messages. Several independent hooks may sit on one
// window; each sees a message in WindowProc and passes it on (Default) to the
// next hook and finally to the window itself. A hook goes away by itself when
// its window dies.
#include "platform/core/CObject.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CSubclassWnd : public CObject, public CWndMessageHook {
    DECLARE_DYNAMIC(CSubclassWnd)
public:
    CSubclassWnd();
    ~CSubclassWnd() override;

    // This hook sees the window's messages first from now on; null unhooks.
    BOOL HookWindow(CWnd* pWnd);
    BOOL HookWindow(HWND hWnd);

    // Passes the message on by default.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WindowProc's message, passed on.
    LRESULT Default();

    LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam) final;

private:
    struct Message {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    Message m_current;
    // Cleared when the hook dies: a message that destroys the window may delete
    // its owner, and the hook with it, before the message returns.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
