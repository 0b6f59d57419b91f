#include "platform/ui/CCmdTarget.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CWinApp.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {AFX_MSGMAP_ENTRY{}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

namespace {

// Whether an entry answers the notification code of OnCmdMsg.
bool answers(const AFX_MSGMAP_ENTRY& e, int nCode) {
    if (nCode == CN_UPDATE_COMMAND_UI) return e.kind == AfxEntryKind::update;
    const UINT sig = HIWORD(static_cast<UINT>(nCode));
    const UINT code = LOWORD(static_cast<UINT>(nCode));
    if (sig == WM_NOTIFY || sig == WM_REFLECT_BASE + WM_NOTIFY)
        return (e.kind == AfxEntryKind::notify || e.kind == AfxEntryKind::notifyEx) && e.nSig == sig &&
               e.nCode == code;
    if (e.kind != AfxEntryKind::command && e.kind != AfxEntryKind::commandEx) return false;
    if (sig == WM_REFLECT_BASE + WM_COMMAND) return e.nSig == sig && e.nCode == code;
    // A menu command or a control's notification to its parent; ON_COMMAND
    // entries also take BN_CLICKED, which shares the command's code 0.
    return sig == 0 && e.nSig != WM_REFLECT_BASE + WM_COMMAND && e.nCode == code;
}

const AFX_MSGMAP_ENTRY* findEntry(const AFX_MSGMAP* map, UINT nID, int nCode) {
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->kind != AfxEntryKind::end; ++e)
            if (e->Matches(nID) && answers(*e, nCode)) return e;
        if (!map->pfnGetBaseMap) break;
    }
    return nullptr;
}

} // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    const AFX_MSGMAP_ENTRY* entry = findEntry(GetMessageMap(), nID, nCode);
    if (!entry) return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = entry;
        return TRUE;
    }
    switch (entry->kind) {
    case AfxEntryKind::command:
        entry->pfnCommand(this, nID);
        if (CWinApp* app = AfxGetApp()) app->NoteActivity();
        return TRUE;
    case AfxEntryKind::commandEx: {
        const BOOL handled = entry->pfnCommandEx(this, nID);
        if (handled)
            if (CWinApp* app = AfxGetApp()) app->NoteActivity();
        return handled;
    }
    case AfxEntryKind::update: {
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (!pCmdUI) return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        entry->pfnUpdate(this, pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxEntryKind::notify:
    case AfxEntryKind::notifyEx: {
        auto* notify = static_cast<AFX_NOTIFY*>(pExtra);
        if (!notify || !notify->pNMHDR) return FALSE;
        LRESULT ignored = 0;
        LRESULT* pResult = notify->pResult ? notify->pResult : &ignored;
        if (entry->kind == AfxEntryKind::notifyEx)
            return entry->pfnNotifyEx(this, nID, notify->pNMHDR, pResult);
        entry->pfnNotify(this, nID, notify->pNMHDR, pResult);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CCmdTarget::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->kind != AfxEntryKind::end; ++e) {
            if (e->kind == AfxEntryKind::message && e->nID == message) {
                const LRESULT r = e->pfnMessage(this, wParam, lParam);
                if (pResult) *pResult = r;
                return TRUE;
            }
        }
        if (!map->pfnGetBaseMap) break;
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor() {
    AfxDoWaitCursor(1);
}
void CCmdTarget::EndWaitCursor() {
    AfxDoWaitCursor(-1);
}
void CCmdTarget::RestoreWaitCursor() {
    AfxDoWaitCursor(0);
}
