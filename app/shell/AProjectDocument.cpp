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

#include <QString>

#include <filesystem>
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(AProjectDocument, ABaseProjectDoc)

namespace {

const char* const kStorageName = "Strakon";
const char* const kProjectStream = "Project";
const char* const kWorkspaceStream = "Workspace";
const char* const kProjectWndStream = "ProjectWnd";
const char* const kStructureStream = "Contents";
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

// Titles compare as the project window compares them: without regard to case.
bool equalTitles(const CString& a, const CString& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
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
    m_openNotes.clear();
    if (!ABaseProjectDoc::OnOpenDocument(lpszPathName)) {
        m_openNotes.clear();
        return FALSE;
    }
    for (const CString& note : m_openNotes)
        AfxMessageBox(note.c_str(), MB_OK | MB_ICONEXCLAMATION);
    m_openNotes.clear();
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
    // A list that does not begin with the project's version word was
    // overwritten (a zeroed sector reads as a project of no structures): the
    // project opens empty and says so, rather than passing for an empty one.
    if (version != kProjectVersion) {
        m_openNotes.push_back("The list of structures of the project '" + openingPath() +
                              "' is damaged and could not be read; the project opens without its structures.");
        return;
    }
    // Every entry holds at least two length bytes.
    ar.CheckCount(count, 2);
    std::vector<CString> twice;
    for (DWORD i = 0; i < count; ++i) {
        CString name;
        CString location;
        ar >> name >> location;
        CString path = LocateStructureFile(location);
        // One title or one file listed again: the first stays, the others are
        // named to the user (each file can be open in one window only).
        if (ABaseStructureDoc* same = listedAlready(name, path)) {
            twice.push_back(equalTitles(same->GetTitle(), name) ? "'" + name + "'" : "'" + name + "' (" + path + ")");
            continue;
        }
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
    if (!twice.empty()) {
        CString text = "The project '" + openingPath() +
                       "' lists these structures a second time under a title or file it already holds; only "
                       "the first of each was opened:";
        for (const CString& entry : twice)
            text += "\n" + entry;
        m_openNotes.push_back(text);
    }
    DWORD steps = 0;
    ar >> steps;
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->m_nWorkspaceSteps = static_cast<int>(steps);
}

CString AProjectDocument::openingPath() const {
    // While a file is read its document may not have its name yet.
    if (const CCompoundFile* file = GetCompoundFile(); file && !file->GetPath().empty())
        return file->GetPath().string();
    return GetPathName();
}

ABaseStructureDoc* AProjectDocument::listedAlready(const CString& title, const CString& path) const {
    for (ABaseStructureDoc* structure : m_structures) {
        if (equalTitles(structure->GetTitle(), title)) return structure;
        std::error_code ec;
        const std::filesystem::path a{std::string(structure->GetPathName())};
        const std::filesystem::path b{std::string(path)};
        if (std::filesystem::equivalent(a, b, ec) ||
            std::filesystem::absolute(a, ec).lexically_normal() == std::filesystem::absolute(b, ec).lexically_normal())
            return structure;
    }
    return nullptr;
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
    CCompoundStorage* root = GetRootStorage();
    if (root && root->IsStorage(kStorageName)) {
        std::unique_ptr<CCompoundStorage> storage = root->OpenStorage(kStorageName);
        if (!storage->IsStream(kProjectStream)) {
            // A structure keeps its records in a storage of the same name.
            const CString name = std::filesystem::path(std::string(openingPath())).filename().string();
            if (storage->IsStream(kStructureStream))
                throw CArchiveException(CArchiveException::badSchema, openingPath(),
                                        name + " is a structure file, not a project");
            if (!storage->Elements().empty())
                m_openNotes.push_back("The project '" + openingPath() +
                                      "' holds no list of structures (it is damaged); the project opens without "
                                      "its structures.");
        } else if (storage->OpenStream(kProjectStream)->GetLength() == 0 && storage->Elements().size() > 1) {
            // An empty list beside the layout of windows: the list was lost.
            m_openNotes.push_back("The list of structures of the project '" + openingPath() +
                                  "' is empty although the file holds its window layout (it is damaged); the "
                                  "project opens without its structures.");
        }
    }
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
        // Every save writes the layout streams with their records: one that is
        // there but empty lost them, and the windows it held are not reopened.
        CCompoundStorage* root = GetRootStorage();
        if (root && root->IsStorage(kStorageName)) {
            std::unique_ptr<CCompoundStorage> storage = root->OpenStorage(kStorageName);
            if (storage->IsStream(streamName) && storage->OpenStream(streamName)->GetLength() == 0)
                throw CArchiveException(CArchiveException::endOfFile, GetPathName(), "the stream is empty");
        }
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
