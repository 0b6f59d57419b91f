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

const AFX_MSGMAP_ENTRY* findEntry(const AFX_MSGMAP* map, UINT nID, int nCode) {
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->kind != AfxEntryKind::end; ++e) {
            if (!e->Matches(nID)) continue;
            if (nCode == CN_UPDATE_COMMAND_UI) {
                if (e->kind == AfxEntryKind::update) return e;
            } else if (nCode == CN_COMMAND) {
                if (e->kind == AfxEntryKind::command || e->kind == AfxEntryKind::commandEx) return e;
            }
        }
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
