#include "framework/AWindowMenuManager.h"

#include "framework/ABaseMDIChildWnd.h"
#include "framework/ADlgWindows.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"

#include <set>

IMPLEMENT_DYNCREATE(AWindowMenuManager, CCmdTarget)

BEGIN_MESSAGE_MAP(AWindowMenuManager, CCmdTarget)
ON_COMMAND(ID_WINDOW_CASCADE, &AWindowMenuManager::WindowCascade)
ON_COMMAND(ID_WINDOW_CLOSE, &AWindowMenuManager::WindowClose)
ON_COMMAND(ID_WINDOW_CLOSEALL, &AWindowMenuManager::WindowCloseAll)
ON_COMMAND(ID_WINDOW_MOREWINDOWS, &AWindowMenuManager::WindowMorewindows)
ON_COMMAND(ID_WINDOW_NEW, &AWindowMenuManager::WindowNew)
ON_COMMAND(ID_WINDOW_NEXT, &AWindowMenuManager::WindowNext)
ON_COMMAND(ID_WINDOW_PREVIOUS, &AWindowMenuManager::WindowPrevious)
ON_COMMAND(ID_WINDOW_TILE_HORZ, &AWindowMenuManager::WindowTileHorz)
ON_COMMAND(ID_WINDOW_TILE_VERT, &AWindowMenuManager::WindowTileVert)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, &AWindowMenuManager::UpdateWindowCascade)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CLOSE, &AWindowMenuManager::UpdateWindowClose)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CLOSEALL, &AWindowMenuManager::UpdateWindowCloseAll)
ON_UPDATE_COMMAND_UI(ID_WINDOW_MOREWINDOWS, &AWindowMenuManager::UpdateWindowMorewindows)
ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, &AWindowMenuManager::UpdateWindowNew)
ON_UPDATE_COMMAND_UI(ID_WINDOW_NEXT, &AWindowMenuManager::UpdateWindowNext)
ON_UPDATE_COMMAND_UI(ID_WINDOW_PREVIOUS, &AWindowMenuManager::UpdateWindowPrevious)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, &AWindowMenuManager::UpdateWindowTileHorz)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, &AWindowMenuManager::UpdateWindowTileVert)
END_MESSAGE_MAP()

namespace {

bool isListed(const CMDIChildWnd* child) {
    return child && child->IsWindowVisible() && child->IsWindowEnabled();
}

} // namespace

AWindowMenuManager::AWindowMenuManager() {
    // The commands' prompts, unless the program's string table has its own.
    CResources& r = CResources::Instance();
    CString text;
    for (auto [id, prompt] :
         {std::pair<UINT, const char*>{ID_WINDOW_CLOSE, "Closes the window\nClose Window"},
          {ID_WINDOW_CLOSEALL, "Closes all open windows\nClose all Windows"},
          {ID_WINDOW_MOREWINDOWS, "Manages the currenty open windows\nMore Windows"},
          {ID_WINDOW_NEXT, "Activates the next undocked window\nNext Window"},
          {ID_WINDOW_PREVIOUS, "Activates the previous undocked window\nPrevious Window"}})
        if (!r.FindString(id, text)) r.AddString(id, prompt);
}

AWindowMenuManager::~AWindowMenuManager() = default;

CMDIFrameWnd* AWindowMenuManager::GetMDIFrame() {
    return DYNAMIC_DOWNCAST_PTR<CMDIFrameWnd>(AfxGetMainWnd());
}

CMDIChildWnd* AWindowMenuManager::GetActiveChild() {
    CMDIFrameWnd* frame = GetMDIFrame();
    return frame ? frame->MDIGetActive() : nullptr;
}

std::vector<CMDIChildWnd*> AWindowMenuManager::GetListedWindows() {
    std::vector<CMDIChildWnd*> listed;
    if (CMDIFrameWnd* frame = GetMDIFrame())
        for (CMDIChildWnd* child : frame->GetMDIChildren())
            if (isListed(child)) listed.push_back(child);
    return listed;
}

int AWindowMenuManager::GetVisibleChildWindowCount() const {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (!frame || !frame->MDIGetActive()) return 0;
    return static_cast<int>(GetListedWindows().size());
}

int AWindowMenuManager::GetChildWindowCount() const {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (!frame || !frame->MDIGetActive()) return 0;
    return static_cast<int>(frame->GetMDIChildren().size());
}

void AWindowMenuManager::WindowCascade() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDICascade(MDITILE_SKIPDISABLED);
}

void AWindowMenuManager::WindowClose() {
    if (CMDIChildWnd* child = GetActiveChild()) child->SendMessage(WM_CLOSE);
}

void AWindowMenuManager::WindowCloseAll() {
    std::set<HWND> asked;
    while (CMDIChildWnd* child = GetActiveChild()) {
        const HWND hWnd = child->m_hWnd;
        // A window that was asked already and stayed, or refuses now, ends the loop.
        if (!asked.insert(hWnd).second) return;
        child->SendMessage(WM_CLOSE);
        if (CWnd::FromHandle(hWnd)) return;
    }
}

void AWindowMenuManager::WindowMorewindows() {
    CMDIChildWnd* active = GetActiveChild();
    if (!active) return;
    ADlgWindows dialog(GetMDIFrame());
    dialog.m_hActiveWnd = active->m_hWnd;
    dialog.DoModal();
}

void AWindowMenuManager::WindowNew() {
    auto* active = DYNAMIC_DOWNCAST_PTR<ABaseMDIChildWnd>(GetActiveChild());
    CDocument* doc = active ? active->GetActiveDocument() : nullptr;
    CDocTemplate* docTemplate = active ? active->GetDocTemplate() : nullptr;
    CFrameWnd* frame = doc && docTemplate ? docTemplate->CreateNewFrame(doc, active) : nullptr;
    if (!frame) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        return;
    }
    if (auto* child = DYNAMIC_DOWNCAST_PTR<ABaseMDIChildWnd>(frame)) child->InitializeFrame(active);
    docTemplate->InitialUpdateFrame(frame, doc);
}

void AWindowMenuManager::WindowNext() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDINext();
}

void AWindowMenuManager::WindowPrevious() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIPrev();
}

void AWindowMenuManager::WindowTileHorz() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDITile(MDITILE_HORIZONTAL | MDITILE_SKIPDISABLED);
}

void AWindowMenuManager::WindowTileVert() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDITile(MDITILE_VERTICAL | MDITILE_SKIPDISABLED);
}

void AWindowMenuManager::UpdateWindowCascade(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 1);
}

void AWindowMenuManager::UpdateWindowClose(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 1);
}

void AWindowMenuManager::UpdateWindowCloseAll(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 1);
}

void AWindowMenuManager::UpdateWindowMorewindows(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 1);
}

void AWindowMenuManager::UpdateWindowNew(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 1);
}

void AWindowMenuManager::UpdateWindowNext(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 2);
}

void AWindowMenuManager::UpdateWindowPrevious(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 2);
}

void AWindowMenuManager::UpdateWindowTileHorz(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 1);
}

void AWindowMenuManager::UpdateWindowTileVert(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetVisibleChildWindowCount() >= 1);
}

void AWindowMenuManager::LoadWindowMenu(CMenu* pMenu) {
    if (!pMenu) return;
    // The old entries sit between the fixed items and the last one (More Windows).
    for (int i = static_cast<int>(pMenu->GetMenuItemCount()) - 2; i >= 0; --i) {
        const UINT id = pMenu->GetMenuItemID(i);
        if (id < AFX_IDM_FIRST_MDICHILD || id == static_cast<UINT>(-1)) break;
        pMenu->DeleteMenu(static_cast<UINT>(i), MF_BYPOSITION);
    }
    CMDIFrameWnd* frame = GetMDIFrame();
    if (!frame) return;
    CWnd* client = frame->GetMDIClient();
    CMDIChildWnd* active = frame->MDIGetActive();
    int position = -1;
    for (int i = 0; i < static_cast<int>(pMenu->GetMenuItemCount()); ++i)
        if (pMenu->GetMenuItemID(i) == ID_WINDOW_MOREWINDOWS) position = i;
    bool activeListed = false;
    int listed = 0;
    for (UINT id = AFX_IDM_FIRST_MDICHILD; id < AFX_IDM_FIRST_MDICHILD + 0xFF && listed < m_nMaxWindows;
         ++id) {
        CMDIChildWnd* child =
            client ? DYNAMIC_DOWNCAST_PTR<CMDIChildWnd>(client->GetDlgItem(static_cast<int>(id))) : nullptr;
        // The last place is the active window's when it is not listed yet.
        if (active && !activeListed && listed == m_nMaxWindows - 1) child = active;
        if (!isListed(child)) continue;
        if (child == active) {
            if (activeListed) continue;
            activeListed = true;
        }
        // Entries count from 1 as the platform's own window list does; only 1 to 9 get a mnemonic.
        const int number = listed + 1;
        CString text =
            CString::Formatted(number < 10 ? "&%d %s" : "%d %s", number, child->GetWindowText().c_str());
        const UINT flags = MF_STRING | MF_BYPOSITION | (child == active ? MF_CHECKED : 0);
        const UINT childId = static_cast<UINT>(child->GetDlgCtrlID());
        if (position >= 0)
            pMenu->InsertMenu(static_cast<UINT>(position++), flags, childId, text.c_str());
        else
            pMenu->AppendMenu(flags & ~MF_BYPOSITION, childId, text.c_str());
        ++listed;
    }
}
