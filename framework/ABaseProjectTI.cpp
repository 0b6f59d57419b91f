#include "framework/ABaseProjectTI.h"

#include "framework/ABaseMDIChildWnd.h"
#include "framework/ABaseProjectTreeCtrl.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(ABaseProjectTI, CObject)
IMPLEMENT_DYNCREATE(ABaseProjectTIWin, ABaseProjectTI)
IMPLEMENT_DYNCREATE(ABaseProjectTIProject, ABaseProjectTI)
IMPLEMENT_DYNCREATE(ABaseProjectTIStructure, ABaseProjectTI)
IMPLEMENT_DYNCREATE(ABaseProjectTIFolder, ABaseProjectTI)

namespace {

ABaseMDIChildWnd* childOf(HWND hWnd) {
    return DYNAMIC_DOWNCAST_PTR<ABaseMDIChildWnd>(CWnd::FromHandle(hWnd));
}

} // namespace

ABaseProjectTI::ABaseProjectTI(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, bool b1, bool b2,
                               bool b3, bool b4)
    : m_pTree(pTree), m_pStructureDoc(pDoc), m_bFlag1(b1), m_bFlag2(b2), m_bFlag3(b3), m_bFlag4(b4) {}

ABaseProjectTI::~ABaseProjectTI() = default;

void ABaseProjectTI::Serialize(CArchive&) {}

void ABaseProjectTI::OnSelChanged() {}

void ABaseProjectTI::DefaultAction() {}

ABaseProjectTIWin::ABaseProjectTIWin(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, bool b1, bool b2,
                                     bool b3, bool b4)
    : ABaseProjectTI(pTree, pDoc, b1, b2, b3, b4) {}

ABaseProjectTIWin::~ABaseProjectTIWin() {
    const std::vector<HWND> windows = std::move(m_windows);
    for (HWND hWnd : windows)
        if (ABaseMDIChildWnd* frame = childOf(hWnd)) frame->InvalidGuiTIWinObject();
}

std::string ABaseProjectTIWin::GetDescription() {
    return std::string();
}

void ABaseProjectTIWin::AddWindow(HWND hWnd) {
    if (!hWnd || std::find(m_windows.begin(), m_windows.end(), hWnd) != m_windows.end()) return;
    m_windows.push_back(hWnd);
    for (HWND other : m_windows)
        if (other != hWnd)
            if (ABaseMDIChildWnd* frame = childOf(other)) frame->UpdateFrameTitle();
}

void ABaseProjectTIWin::RemoveWindow(HWND hWnd) {
    auto it = std::find(m_windows.begin(), m_windows.end(), hWnd);
    if (it == m_windows.end()) return;
    m_windows.erase(it);
    UpdateAllWindowsTitle();
}

void ABaseProjectTIWin::ShowFirstWindow() {
    if (m_windows.empty()) return;
    if (ABaseMDIChildWnd* frame = childOf(m_windows.front())) frame->ActivateFrame(SW_SHOW);
}

BOOL ABaseProjectTIWin::CloseAllWindows() {
    const std::vector<HWND> windows = m_windows;
    for (HWND hWnd : windows) {
        CWnd* frame = CWnd::FromHandle(hWnd);
        if (!frame) {
            // A window that died without telling its item.
            RemoveWindow(hWnd);
            continue;
        }
        frame->SendMessage(WM_CLOSE);
        if (CWnd::FromHandle(hWnd) && GetWindowListPosition(hWnd) != 0) return FALSE;
    }
    return m_windows.empty();
}

void ABaseProjectTIWin::UpdateAllWindowsTitle() {
    const std::vector<HWND> windows = m_windows;
    for (HWND hWnd : windows)
        if (ABaseMDIChildWnd* frame = childOf(hWnd)) frame->UpdateFrameTitle();
}

int ABaseProjectTIWin::GetWindowListPosition(HWND hWnd) const {
    auto it = std::find(m_windows.begin(), m_windows.end(), hWnd);
    return it == m_windows.end() ? 0 : static_cast<int>(it - m_windows.begin()) + 1;
}

ABaseProjectTIProject::ABaseProjectTIProject(ABaseProjectTreeCtrl* pTree, bool b1, bool b2, bool b3, bool b4)
    : ABaseProjectTI(pTree, nullptr, b1, b2, b3, b4) {}

ABaseProjectTIStructure::ABaseProjectTIStructure(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc,
                                                 bool b1, bool b2, bool b3, bool b4)
    : ABaseProjectTI(pTree, pDoc, b1, b2, b3, b4) {}

ABaseProjectTIFolder::ABaseProjectTIFolder(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, bool b1,
                                           bool b2, bool b3, bool b4)
    : ABaseProjectTI(pTree, pDoc, b1, b2, b3, b4) {}

void ABaseProjectTI::Destroy() {
    m_bDestroyed = 1;
    // The tree item no longer deletes this object when it goes.
    if (m_pTree && m_hItem) m_pTree->SetItemData(m_hItem, 0);
}
