// The project commands: opening, closing and saving the project, its
// workspaces, and inserting and removing structures.
#include "app/shell/CStrakonApp.h"

#include "app/dialogs/ADlgProjectRemoveStructure.h"
#include "app/shell/AProjectDocument.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseProjectTreeCtrl.h"
#include "framework/ABaseProjectWnd.h"
#include "framework/ABaseStructureDoc.h"
#include "framework/ABaseWorkspace.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CRecentFileList.h"
#include "platform/ui/CResources.h"

#include <QString>

#include <vector>

namespace {

CString FolderOfPath(const CString& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? CString() : CString(path.substr(0, slash));
}

} // namespace

ABaseProjectWnd* CStrakonApp::GetProjectWnd() {
    auto* frame = DYNAMIC_DOWNCAST_PTR<ABaseMDIFrameWnd>(AfxGetMainWnd());
    return frame ? frame->GetProjectWnd() : nullptr;
}

// --- opening, closing and saving the project -------------------------------------------------------

CString CStrakonApp::ProjectTitleOfPath(const CString& path) {
    const size_t slash = path.find_last_of("/\\");
    CString title = slash == std::string::npos ? path : CString(path.substr(slash + 1));
    const size_t dot = title.find_last_of('.');
    if (dot != std::string::npos && dot > 0) title.erase(dot);
    return title;
}

bool CStrakonApp::CloseOpenProject() {
    if (!m_pProjectDoc) return true;
    if (!m_pProjectDoc->OnFileCloseProject(TRUE)) return false;
    delete m_pProjectDoc;
    m_pProjectDoc = nullptr;
    return true;
}

bool CStrakonApp::IsStructureFile(const CString& path) {
    CString ext;
    CDocTemplate* structureTemplate = GetStructureDocTemplate();
    if (!structureTemplate || !structureTemplate->GetDocString(ext, CDocTemplate::filterExt) || ext.empty())
        return false;
    if (path.size() < ext.size()) return false;
    return QString::fromStdString(path.substr(path.size() - ext.size()))
               .compare(QString::fromStdString(ext), Qt::CaseInsensitive) == 0;
}

void CStrakonApp::AddToRecentFileList(const char* lpszPathName) {
    if (lpszPathName && IsStructureFile(lpszPathName)) return;
    ABaseWinApp::AddToRecentFileList(lpszPathName);
}

CDocument* CStrakonApp::OpenDocumentFile(const char* lpszFileName) {
    CDocTemplate* projectTemplate = GetProjectDocTemplate();
    if (!lpszFileName || !*lpszFileName || !projectTemplate) return nullptr;
    // A structure file would open as an empty project, and saving that project
    // would write over the structure.
    if (IsStructureFile(lpszFileName)) {
        const CString text = "The file '" + CString(lpszFileName) +
                             "' is a structure, not a project.\nOpen a project, or add the structure to the "
                             "open project with Insert Structure.";
        AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    // One project at a time: an open one (the shell may name a file while one is
    // open) closes first, with its questions; kept, it stays and nothing opens.
    if (!CloseOpenProject()) return nullptr;
    const CString path = lpszFileName;
    m_strProjectPath = path;
    // Only a project that opened enters the recent files: a failure puts the list back as it was.
    std::vector<CString> recent;
    if (m_pRecentFileList)
        for (int i = 0; i < m_pRecentFileList->GetSize(); ++i)
            recent.push_back((*m_pRecentFileList)[i]);
    const auto restoreRecent = [this, &recent] {
        if (!m_pRecentFileList) return;
        for (int i = 0; i < m_pRecentFileList->GetSize() && i < static_cast<int>(recent.size()); ++i)
            (*m_pRecentFileList)[i] = recent[static_cast<size_t>(i)];
    };
    auto* project =
        DYNAMIC_DOWNCAST_PTR<ABaseProjectDoc>(projectTemplate->OpenDocumentFile(path.c_str(), TRUE));
    if (!project) {
        restoreRecent();
        return nullptr;
    }
    m_pProjectDoc = project;
    project->SetTitle(ProjectTitleOfPath(path).c_str());
    if (auto* projectDocument = DYNAMIC_DOWNCAST_PTR<AProjectDocument>(project))
        projectDocument->AddToProjectWnd();
    LoadWorkspace();
    // A structure that could not be read stopped the opening: the rest goes again.
    if (!project->m_nStatus && project->OnFileCloseProject(TRUE)) {
        delete project;
        m_pProjectDoc = nullptr;
        restoreRecent();
        return nullptr;
    }
    m_strLastFolder = FolderOfPath(path);
    return project;
}

void CStrakonApp::UpdateAllFrames() {
    if (m_pWorkspaceManager) m_pWorkspaceManager->UpdateAllFrames();
    // After Save As the project item names the project by its new title too.
    if (ABaseProjectWnd* wnd = GetProjectWnd())
        for (ABaseProjectWnd::ABaseProjectWndItem* item : wnd->GetItems())
            if (item->m_pTree && item->m_pTree->GetProjectItem()) item->m_pTree->UpdateProject();
}

BOOL CStrakonApp::LoadWorkspace() {
    auto* project = DYNAMIC_DOWNCAST_PTR<AProjectDocument>(m_pProjectDoc);
    if (!project) return TRUE;
    AProgressScope progress("Loading Workspaces", m_nWorkspaceSteps);
    project->LoadWorkspaceFromStorage();
    project->LoadProjectWndFromStorage();
    return TRUE;
}

BOOL CStrakonApp::SaveWorkspace() {
    auto* project = DYNAMIC_DOWNCAST_PTR<AProjectDocument>(m_pProjectDoc);
    if (!project) return TRUE;
    int steps = m_pWorkspaceManager ? m_pWorkspaceManager->GetNumberOfSteps() : 0;
    if (ABaseProjectWnd* wnd = GetProjectWnd()) steps += wnd->GetNumberOfSteps();
    AProgressScope progress("Saving Workspaces", steps);
    project->SaveWorkspaceToStorage();
    project->SaveProjectWndToStorage();
    return TRUE;
}

BOOL CStrakonApp::PromptFileName(CString& path, CString& fileTitle, const CString& title, DWORD flags,
                                 BOOL open, CDocTemplate* pTemplate, BOOL allFilter) {
    CFileDialog dialog(open);
    dialog.m_ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | flags;
    dialog.m_ofn.lpstrTitle = title;
    CString filter;
    CString defaultExtension;
    CString name;
    CString ext;
    if (pTemplate && pTemplate->GetDocString(name, CDocTemplate::filterName) &&
        pTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.empty()) {
        filter += name + "|*" + ext + "|";
        defaultExtension = ext.substr(ext[0] == '.' ? 1 : 0);
    }
    if (allFilter) filter += AfxLoadString(AFX_IDS_ALLFILTER) + "|*.*|";
    if (!filter.empty()) dialog.m_ofn.lpstrFilter = filter + "|";
    dialog.m_ofn.nFilterIndex = 1;
    dialog.m_ofn.lpstrDefExt = defaultExtension;
    dialog.m_ofn.lpstrInitialDir = path;
    if (!fileTitle.empty())
        dialog.m_ofn.lpstrFile = defaultExtension.empty() ? fileTitle : fileTitle + "." + defaultExtension;
    if (dialog.DoModal() != IDOK) return FALSE;
    path = dialog.GetPathName();
    fileTitle = dialog.GetFileTitle();
    m_strLastFolder = FolderOfPath(path);
    return TRUE;
}

void CStrakonApp::OnFileOpen() {
    CString path = LastFolder();
    CString title;
    if (!PromptFileName(path, title, "Open Project", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE,
                        GetProjectDocTemplate(), FALSE))
        return;
    if (!CloseOpenProject()) return;
    OpenDocumentFile(path.c_str());
}

BOOL CStrakonApp::OnOpenRecentFile(UINT nID) {
    if (!m_pRecentFileList) return FALSE;
    const int index = static_cast<int>(nID) - static_cast<int>(ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].empty())
        return FALSE;
    if (!CloseOpenProject()) return TRUE;
    const CString path = (*m_pRecentFileList)[index];
    if (OpenDocumentFile(path.c_str())) return TRUE;
    // The entry of the file that failed goes (an opening that got far enough may
    // have moved it to the top of the list).
    for (int i = 0; i < m_pRecentFileList->GetSize(); ++i)
        if ((*m_pRecentFileList)[i] == path) {
            m_pRecentFileList->Remove(i);
            break;
        }
    return TRUE;
}

void CStrakonApp::OnCloseProject() {
    CloseOpenProject();
}

void CStrakonApp::OnSaveProject() {
    if (m_pProjectDoc) m_pProjectDoc->OnFileSaveProject();
}

void CStrakonApp::OnSaveProjectAs() {
    if (m_pProjectDoc) m_pProjectDoc->OnFileSaveAsProject();
}

void CStrakonApp::OnUpdateProjectCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pProjectDoc != nullptr);
}

void CStrakonApp::OnProjectSettings() {}

// --- structures of the project -----------------------------------------------------------------------

void CStrakonApp::OnInsertStructure() {
    if (!m_pProjectDoc) return;
    CString path = LastFolder();
    CString title;
    if (!PromptFileName(path, title, "Insert Structure into Project", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                        TRUE, GetStructureDocTemplate(), FALSE))
        return;
    InsertStructureFile(path);
}

BOOL CStrakonApp::InsertStructureFile(const CString& path) {
    ABaseProjectDoc* project = m_pProjectDoc;
    if (!project) return FALSE;
    const CString title = ProjectTitleOfPath(path);
    if (!project->CanAddStructure(title, path)) return FALSE;
    ABaseStructureDoc* structure = project->AddStructure(title, path, TRUE);
    if (!structure) {
        AfxMessageBox("Error: Could not add a structure into the project.", MB_OK);
        return FALSE;
    }
    project->SetModifiedFlag(TRUE);
    if (ABaseProjectWnd* wnd = GetProjectWnd()) wnd->AddStructure(structure);
    return TRUE;
}

void CStrakonApp::OpenDroppedFile(const CString& path) {
    if (m_pProjectDoc && IsStructureFile(path)) {
        InsertStructureFile(path);
        return;
    }
    OpenDocumentFile(path.c_str());
}

void CStrakonApp::OnRemoveStructure() {
    ADlgProjectRemoveStructure dialog(m_pProjectDoc);
    dialog.DoModal();
}

void CStrakonApp::SelectNewStructure(ABaseStructureDoc* pDocument) {
    ABaseProjectWnd* wnd = GetProjectWnd();
    if (!wnd || !pDocument) return;
    if (ABaseWorkspaceManager* manager = GetWorkspaceManager())
        if (manager->GetActiveWorkspace() != manager->GetWorkspace(0)) wnd->ActivateWorkspace(0);
    for (ABaseProjectWnd::ABaseProjectWndItem* item : wnd->GetItems()) {
        if (item->m_nTabIndex != 0 || !item->m_pTree) continue;
        if (ABaseProjectSTreeItem* entry = item->m_pTree->GetSTreeItemObject(pDocument))
            if (entry->GetTopItem()) item->m_pTree->SelectItem(entry->GetTopItem());
    }
}
