#include "app/views/ACommandManager.h"

#include "app/shell/AStructureDocument.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

ACommandManager::ACommandManager() = default;

ACommandManager::~ACommandManager() {
    while (!m_commands.empty())
        m_commands.pop_back();
}

void ACommandManager::AddCommand(ACommand* pCommand) {
    std::unique_ptr<ACommand> command(pCommand);
    if (!command) return;
    while (static_cast<int>(m_commands.size()) > m_nDone)
        m_commands.pop_back();
    m_commands.push_back(std::move(command));
    ++m_nDone;
    m_commands.back()->Execute(m_pDocument);
    markModified();
    if (m_pDocument) m_pDocument->CommandDone();
}

void ACommandManager::Undo() {
    if (m_pDocument) m_pDocument->m_rectChanged.SetRectEmpty();
    if (m_nDone > 0) {
        ACommand* command = m_commands[static_cast<std::size_t>(--m_nDone)].get();
        command->Undo(m_pDocument);
        // The model now differs from the one the latest save wrote, also when
        // that save came after the command.
        markModified();
        if (m_pDocument) m_pDocument->CommandDone();
    }
    if (m_pDocument && !m_pDocument->m_rectChanged.IsRectEmpty()) UpdateActiveView(m_pDocument);
}

void ACommandManager::Redo() {
    if (m_pDocument) m_pDocument->m_rectChanged.SetRectEmpty();
    if (m_nDone < static_cast<int>(m_commands.size())) {
        ACommand* command = m_commands[static_cast<std::size_t>(m_nDone++)].get();
        command->Execute(m_pDocument);
        markModified();
        if (m_pDocument) m_pDocument->CommandDone();
    }
    if (m_pDocument && !m_pDocument->m_rectChanged.IsRectEmpty()) UpdateActiveView(m_pDocument);
}

CString ACommandManager::GetUndoName() const {
    if (m_nDone < 1) return "";
    return m_commands[static_cast<std::size_t>(m_nDone - 1)]->GetName();
}

CString ACommandManager::GetRedoName() const {
    if (m_nDone >= static_cast<int>(m_commands.size())) return "";
    return m_commands[static_cast<std::size_t>(m_nDone)]->GetName();
}

void ACommandManager::readAccelerator(CCmdUI* pCmdUI, CString& text, bool& read) {
    if (read || !pCmdUI || !pCmdUI->m_pMenu) return;
    text = GetAcceleratorText(pCmdUI);
    read = true;
}

void ACommandManager::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    if (!pCmdUI) return;
    readAccelerator(pCmdUI, m_strUndoAccel, m_bUndoAccelRead);
    pCmdUI->SetText((CString("&Undo ") + GetUndoName() + m_strUndoAccel).c_str());
    pCmdUI->Enable(m_nDone > 0);
}

void ACommandManager::OnUpdateEditRedo(CCmdUI* pCmdUI) {
    if (!pCmdUI) return;
    readAccelerator(pCmdUI, m_strRedoAccel, m_bRedoAccelRead);
    pCmdUI->SetText((CString("&Redo ") + GetRedoName() + m_strRedoAccel).c_str());
    pCmdUI->Enable(m_nDone < static_cast<int>(m_commands.size()));
}

void ACommandManager::UpdateActiveView(AStructureDocument* pDoc) {
    CWnd* mainWnd = AfxGetMainWnd();
    auto* mainFrame = dynamic_cast<CFrameWnd*>(mainWnd);
    if (!mainFrame) return;
    CFrameWnd* child = mainFrame->GetActiveFrame();
    if (!child || child == mainFrame) return;
    CView* view = child->GetActiveView();
    if (!view) return;
    if (auto* commandView = dynamic_cast<ACommandView*>(view)) commandView->UpdateAfterCommand(pDoc);
}

CString ACommandManager::GetAcceleratorText(CCmdUI* pCmdUI) {
    if (!pCmdUI || !pCmdUI->m_pMenu) return "";
    CString text;
    if (pCmdUI->m_pMenu->GetMenuString(pCmdUI->m_nID, text, MF_BYCOMMAND) < 1) return "";
    const std::size_t tab = text.find('\t');
    if (tab == CString::npos) return "";
    return text.substr(tab);
}

void ACommandManager::markModified() {
    if (m_pDocument) m_pDocument->SetModifiedFlag(TRUE);
}
