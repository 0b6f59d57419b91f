#pragma once
// Makes a grid's window take drops of cell text: Register lets the window accept
// drops once, Revoke stops it. The grid answers the drag events itself
// (OnDragEnter, OnDragOver, OnDragLeave, OnDrop) while it is the registered grid.
#include "platform/core/WinTypes.h"

class CGridCtrl;
class CWnd;

class CGridDropTarget {
public:
    CGridDropTarget() = default;
    ~CGridDropTarget();
    CGridDropTarget(const CGridDropTarget&) = delete;
    CGridDropTarget& operator=(const CGridDropTarget&) = delete;

    // False for no grid or a second registration.
    bool Register(CGridCtrl* pGridCtrl);
    void Revoke();
    bool IsRegistered() const { return m_bRegistered; }
    // Whether drag events over the window go to the grid.
    bool Serves(const CWnd* pWnd) const;
    // What scrolling over the window during a drag answers: copy with Ctrl, else move; none elsewhere.
    DWORD OnDragScroll(const CWnd* pWnd, DWORD dwKeyState) const;

private:
    CGridCtrl* m_pGridCtrl = nullptr;
    bool m_bRegistered = false;
};
