#include "framework/CSubclassWnd.h"

IMPLEMENT_DYNAMIC(CSubclassWnd, CObject)

CSubclassWnd::CSubclassWnd() = default;

CSubclassWnd::~CSubclassWnd() {
    *m_alive = false;
}

BOOL CSubclassWnd::HookWindow(CWnd* pWnd) {
    return CWndMessageHook::HookWindow(pWnd);
}

BOOL CSubclassWnd::HookWindow(HWND hWnd) {
    return CWndMessageHook::HookWindow(CWnd::FromHandle(hWnd));
}

LRESULT CSubclassWnd::HookProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A message sent while another is handled has its own record; the older one comes back after.
    const Message saved = m_current;
    m_current = Message{message, wParam, lParam};
    const std::shared_ptr<bool> alive = m_alive;
    const LRESULT result = WindowProc(message, wParam, lParam);
    if (*alive) m_current = saved;
    return result;
}

LRESULT CSubclassWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Next(message, wParam, lParam);
}

LRESULT CSubclassWnd::Default() {
    return Next(m_current.message, m_current.wParam, m_current.lParam);
}
