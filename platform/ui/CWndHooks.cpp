// Message hooks: objects that see a window's messages before the window does.
#include "platform/ui/CWnd.h"

#include <algorithm>

CWndMessageHook::CWndMessageHook() = default;

CWndMessageHook::~CWndMessageHook() {
    HookWindow(nullptr);
}

BOOL CWndMessageHook::HookWindow(CWnd* pWnd) {
    if (m_pWnd) {
        auto& hooks = m_pWnd->m_hooks;
        hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
        m_pWnd = nullptr;
    }
    if (pWnd) {
        // Hooking the same window again keeps one place in its chain.
        auto& hooks = pWnd->m_hooks;
        hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
        hooks.insert(hooks.begin(), this);
        m_pWnd = pWnd;
    }
    return TRUE;
}

LRESULT CWndMessageHook::HookProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Next(message, wParam, lParam);
}

LRESULT CWndMessageHook::Next(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_pWnd) return 0;
    auto& hooks = m_pWnd->m_hooks;
    auto it = std::find(hooks.begin(), hooks.end(), this);
    const size_t next = it == hooks.end() ? hooks.size() : static_cast<size_t>(it - hooks.begin()) + 1;
    return m_pWnd->CallHooks(next, message, wParam, lParam);
}

LRESULT CWnd::CallHooks(size_t index, UINT message, WPARAM wParam, LPARAM lParam) {
    if (index < m_hooks.size()) return m_hooks[index]->HookProc(message, wParam, lParam);
    return WindowProc(message, wParam, lParam);
}
