#include "app/shell/AProjectDocument.h"

#include "app/shell/AProjectWorkspaceWnd.h"
#include "app/shell/AWorkspaceManager.h"
#include "app/shell/CStrakonApp.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseStructureDoc.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/storage/CCompoundFile.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CPromptService.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

IMPLEMENT_DYNCREATE(AProjectDocument, ABaseProjectDoc)

namespace {

const char* const kStorageName = "Strakon";
const char* const kProjectStream = "Project";
const char* const kWorkspaceStream = "Workspace";
const char* const kProjectWndStream = "ProjectWnd";
constexpr DWORD kProjectVersion = 10000;

AProjectWorkspaceWnd* projectWnd() {
    auto* frame = dynamic_cast<ABaseMDIFrameWnd*>(AfxGetMainWnd());
    return frame ? dynamic_cast<AProjectWorkspaceWnd*>(frame->GetProjectWnd()) : nullptr;
}

CDocTemplate* structureTemplate() {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    return app ? app->GetStructureDocTemplate() : nullptr;
}

// The structure files' extension with its dot, and their filter.
CString structureString(CDocTemplate::DocStringIndex index) {
    CString text;
    if (CDocTemplate* t = structureTemplate()) t->GetDocString(text, index);
    return text;
}

CString structureExtension() {
    CString ext = structureString(CDocTemplate::filterExt);
    if (!ext.empty() && ext[0] != '.') ext.insert(ext.begin(), '.');
    return ext;
}

bool fileExists(const CString& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(std::string(path)), ec);
}

int layoutSteps() {
    int steps = AWorkspaceManager::Instance()->GetNumberOfSteps();
    if (AProjectWorkspaceWnd* wnd = projectWnd()) steps += wnd->GetNumberOfSteps();
    return steps;
}

} // namespace

AProjectDocument::AProjectDocument() {
    EnableCompoundFile(TRUE);
}

BOOL AProjectDocument::IsModified() {
    return m_bModified;
}

BOOL AProjectDocument::OnNewDocument() {
    return ABaseProjectDoc::OnNewDocument() ? TRUE : FALSE;
}

BOOL AProjectDocument::OnOpenDocument(const char* lpszPathName) {
    m_bReadOnly = false;
    const CString path = lpszPathName ? lpszPathName : "";
    // The stored locations are relative to the file being opened.
    if (ABaseWinApp* app = ABaseWinApp::GetApp()) app->m_strBasePath = path;
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->m_strProjectPath = path;
    m_bLocated = false;
    if (!ABaseProjectDoc::OnOpenDocument(lpszPathName)) return FALSE;
    struct stat st {};
    const bool noWriteBits = ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (noWriteBits || ::access(path.c_str(), W_OK) != 0) m_bReadOnly = true;
    // A structure found elsewhere by the user: the project must keep its new
    // location, or the question comes back at every opening.
    if (m_bLocated) SetModifiedFlag(TRUE);
    m_bLocated = false;
    return TRUE;
}

void AProjectDocument::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kProjectVersion;
        ar << static_cast<DWORD>(m_structures.size());
        const CString ext = structureExtension();
        for (ABaseStructureDoc* structure : m_structures) {
            const CString title = structure->GetTitle();
            ar << title;
            CString path;
            if (!m_strSaveAsPath.empty()) {
                // Save As writes each structure anew, under its title, beside the new project.
                path = m_strSaveAsPath;
                const size_t slash = path.find_last_of("/\\");
                path = (slash == std::string::npos ? CString() : CString(path.substr(0, slash + 1))) + title + ext;
            } else {
                // The file as it is named on disk: a name rebuilt from the title
                // would miss "Frame.OXS" on a disk that tells letter case apart.
                path = structure->GetPathName();
            }
            ar << Convert2RelativePath(path, m_strSaveAsPath);
        }
        ar << static_cast<DWORD>(layoutSteps());
        return;
    }
    DWORD version = 0;
    DWORD count = 0;
    ar >> version >> count;
    // Every entry holds at least two length bytes.
    ar.CheckCount(count, 2);
    for (DWORD i = 0; i < count; ++i) {
        CString name;
        CString location;
        ar >> name >> location;
        CString path = LocateStructureFile(location);
        if (!fileExists(path)) {
            const CString ext = structureExtension();
            const CString filterName = structureString(CDocTemplate::filterName);
            const CString filter = filterName.empty() ? CString() : filterName + "|*" + ext + "||";
            CFileDialog dialog(TRUE, ext.c_str(), (name + ext).c_str(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                               filter.empty() ? nullptr : filter.c_str());
            dialog.m_ofn.lpstrTitle = "Locate Structure Document";
            const size_t slash = path.find_last_of('/');
            dialog.m_ofn.lpstrInitialDir = slash == std::string::npos ? CString() : CString(path.substr(0, slash));
            if (dialog.DoModal() != IDOK) {
                m_nStatus = 0;
                continue;
            }
            path = dialog.GetPathName();
            name = dialog.GetFileTitle();
            m_bLocated = true;
        }
        if (!AddStructure(name, path, TRUE)) {
            SetModifiedFlag(FALSE);
            m_nStatus = 0;
            m_bLocated = false;
            return;
        }
    }
    DWORD steps = 0;
    ar >> steps;
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->m_nWorkspaceSteps = static_cast<int>(steps);
}

// --- storage -----------------------------------------------------------------------------------

void AProjectDocument::SaveStream(const char* streamName, const Writer& write) {
    CCompoundStorage* root = GetRootStorage();
    if (!root) throw CFileException(CFileException::badPath, GetPathName(), 0, "the project has no file");
    try {
        std::unique_ptr<CCompoundStorage> storage =
            root->IsStorage(kStorageName) ? root->OpenStorage(kStorageName) : root->CreateStorage(kStorageName);
        std::unique_ptr<CCompoundStream> stream = storage->CreateStream(streamName);
        CArchive ar(CArchive::store);
        ar.m_pDocument = this;
        write(ar);
        stream->SetData(ar.Detach());
        storage->Commit();
        CommitRootStorage();
    } catch (...) {
        root->Revert();
        CommitItems(FALSE);
        throw;
    }
}

void AProjectDocument::LoadStream(const char* streamName, const Writer& read) {
    CCompoundStorage* root = GetRootStorage();
    if (!root || !root->IsStorage(kStorageName))
        throw CArchiveException(CArchiveException::badSchema, GetPathName(), "the file holds no project");
    std::unique_ptr<CCompoundStorage> storage = root->OpenStorage(kStorageName);
    // A missing stream is read as an empty one; nothing is written back.
    if (!storage->IsStream(streamName)) return;
    std::unique_ptr<CCompoundStream> stream = storage->OpenStream(streamName);
    CArchive ar(CArchive::load, stream->GetData());
    ar.m_pDocument = this;
    if (ar.Size() > 0) read(ar);
    ar.Close();
}

void AProjectDocument::LoadFromStorage() {
    try {
        LoadStream(kProjectStream, [this](CArchive& ar) { Serialize(ar); });
    } catch (...) {
        DeleteContents();
        throw;
    }
}

void AProjectDocument::SaveToStorage(CObject* pObject) {
    // The framework reports the refusal.
    if (m_bReadOnly)
        throw CFileException(CFileException::accessDenied, GetPathName(), 0,
                             "the project was opened from a write-protected file");
    SaveStream(kProjectStream, [this, pObject](CArchive& ar) { SerializeObject(pObject, ar); });
}

void AProjectDocument::LoadLayoutStream(const char* streamName, const Writer& read) {
    try {
        LoadStream(streamName, read);
    } catch (const std::exception&) {
        // Only the arrangement of windows and folders is lost; the project itself is whole.
        AfxMessageBox(("The window layout of the project '" + GetTitle() + "' is damaged (" + streamName +
                       "). What could be read was restored; the rest was skipped.")
                          .c_str(),
                      MB_OK | MB_ICONEXCLAMATION);
    }
}

void AProjectDocument::LoadWorkspaceFromStorage() {
    LoadLayoutStream(kWorkspaceStream, [](CArchive& ar) { AWorkspaceManager::Instance()->Serialize(ar); });
}

void AProjectDocument::SaveWorkspaceToStorage() {
    // The project file itself was refused already, with a message.
    if (m_bReadOnly) return;
    SaveStream(kWorkspaceStream, [](CArchive& ar) { AWorkspaceManager::Instance()->Serialize(ar); });
}

void AProjectDocument::LoadProjectWndFromStorage() {
    LoadLayoutStream(kProjectWndStream, [](CArchive& ar) {
        if (AProjectWorkspaceWnd* wnd = projectWnd()) wnd->Serialize(ar);
    });
}

void AProjectDocument::SaveProjectWndToStorage() {
    if (m_bReadOnly) return;
    SaveStream(kProjectWndStream, [](CArchive& ar) {
        if (AProjectWorkspaceWnd* wnd = projectWnd()) wnd->Serialize(ar);
    });
}

BOOL AProjectDocument::AddToProjectWnd() {
    if (AProjectWorkspaceWnd* wnd = projectWnd()) wnd->AddProject();
    return TRUE;
}
