#include "controls/grid/CGridDropTarget.h"

#include "controls/grid/CGridCtrl.h"

#include <QWidget>

CGridDropTarget::~CGridDropTarget() {
    Revoke();
}

bool CGridDropTarget::Register(CGridCtrl* pGridCtrl) {
    if (m_bRegistered || !pGridCtrl || !pGridCtrl->GetSafeHwnd()) return false;
    m_pGridCtrl = pGridCtrl;
    if (QWidget* w = pGridCtrl->GetInputWidget()) w->setAcceptDrops(true);
    m_bRegistered = true;
    return true;
}

void CGridDropTarget::Revoke() {
    if (m_bRegistered && m_pGridCtrl && m_pGridCtrl->GetSafeHwnd())
        if (QWidget* w = m_pGridCtrl->GetInputWidget()) w->setAcceptDrops(false);
    m_bRegistered = false;
    m_pGridCtrl = nullptr;
}

bool CGridDropTarget::Serves(const CWnd* pWnd) const {
    return m_bRegistered && pWnd && pWnd == m_pGridCtrl;
}

DWORD CGridDropTarget::OnDragScroll(const CWnd* pWnd, DWORD dwKeyState) const {
    if (!Serves(pWnd)) return DROPEFFECT_NONE;
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
