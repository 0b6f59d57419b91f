#include "framework/ABaseProjectDoc.h"

#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseOutputWnd.h"
#include "framework/ABaseProjectWnd.h"
#include "framework/ABaseStructureDoc.h"
#include "framework/ABaseWinApp.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <QString>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

IMPLEMENT_DYNAMIC(ABaseProjectDoc, COleDocument)

namespace {

constexpr UINT kHelpSaveChanged = 61699;

ABaseMDIFrameWnd* mainFrame() {
    return DYNAMIC_DOWNCAST_PTR<ABaseMDIFrameWnd>(AfxGetMainWnd());
}

ABaseProjectWnd* projectWnd() {
    ABaseMDIFrameWnd* frame = mainFrame();
    return frame ? frame->GetProjectWnd() : nullptr;
}

ABaseOutputWnd* outputWnd() {
    ABaseMDIFrameWnd* frame = mainFrame();
    return frame ? frame->GetOutputWnd() : nullptr;
}

bool equalNoCase(const CString& a, const CString& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

// The components of a path, read with either separator. A leading separator
// gives an empty first component (the root).
std::vector<CString> splitPath(const CString& path) {
    std::vector<CString> parts;
    CString part;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// The structure extension, with its dot; empty when the template names none.
CString structureExtension() {
    CString ext;
    ABaseWinApp* app = ABaseWinApp::GetApp();
    CDocTemplate* docTemplate = app ? app->GetStructureDocTemplate() : nullptr;
    if (docTemplate && docTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.empty()) {
        if (ext[0] != '.') ext.insert(ext.begin(), '.');
        return ext;
    }
    return CString();
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

// Whether a file stands at path that does not belong to the document at
// ownPath: replacing it would lose someone else's data.
bool foreignFileAt(const CString& path, const CString& ownPath) {
    std::error_code ec;
    const std::filesystem::path target{std::string(path)};
    if (!std::filesystem::exists(target, ec)) return false;
    return ownPath.empty() || !sameFile(target, std::filesystem::path(std::string(ownPath)));
}

bool askToReplace(const CString& path) {
    CString prompt;
    AfxFormatString1(prompt, AFX_IDP_ASK_TO_REPLACE, path.c_str());
    return AfxMessageBox(prompt.c_str(), MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

CString folderOf(const CString& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? CString() : CString(path.substr(0, slash));
}

CString joinPath(const CString& folder, const CString& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

} // namespace

ABaseProjectDoc::ABaseProjectDoc() = default;

ABaseProjectDoc::~ABaseProjectDoc() {
    for (ABaseStructureDoc* structure : m_structures)
        delete structure;
}

ABaseStructureDoc* ABaseProjectDoc::AddStructure(CString name, CString location, BOOL existing) {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    CDocTemplate* docTemplate = app ? app->GetStructureDocTemplate() : nullptr;
    if (!docTemplate) return nullptr;
    ABaseStructureDoc* structure = nullptr;
    if (existing) {
        structure =
            DYNAMIC_DOWNCAST_PTR<ABaseStructureDoc>(docTemplate->OpenDocumentFile(location.c_str(), TRUE));
        if (!structure) return nullptr;
    } else {
        // The name becomes a file name in location: a separator would write elsewhere.
        if (name.empty() || name.find_first_of("/\\") != std::string::npos) {
            CString text = "'" + name + "' cannot be the name of a structure file.";
            AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
            return nullptr;
        }
        const CString path = joinPath(location, name + structureExtension());
        if (foreignFileAt(path, CString()) && !askToReplace(path)) return nullptr;
        CDocument* made = docTemplate->OpenDocumentFile(nullptr, TRUE);
        structure = DYNAMIC_DOWNCAST_PTR<ABaseStructureDoc>(made);
        if (!structure) {
            // Not a structure: it cannot join the project.
            if (made) {
                made->OnCloseDocument();
                if (!made->m_bAutoDelete) delete made;
            }
            return nullptr;
        }
        if (!structure->DoSave(path.c_str(), TRUE)) {
            AfxMessageBox("Could not save new structure document", MB_OK);
            structure->SetModifiedFlag(FALSE);
            structure->CloseStructure();
            delete structure;
            return nullptr;
        }
    }
    structure->SetParentDocument(this);
    structure->SetTitle(name.c_str());
    m_pActiveStructure = structure;
    m_structures.push_back(structure);
    return structure;
}

BOOL ABaseProjectDoc::CanAddStructure(CString name, CString) {
    for (ABaseStructureDoc* structure : m_structures) {
        if (!equalNoCase(structure->GetTitle(), name)) continue;
        CString text;
        text.Format("Current project already contains structure named '%s.'", name.c_str());
        AfxMessageBox(text.c_str(), MB_OK);
        return FALSE;
    }
    return TRUE;
}

ABaseStructureDoc* ABaseProjectDoc::GetStructure(CString name) {
    for (ABaseStructureDoc* structure : m_structures)
        if (equalNoCase(structure->GetTitle(), name)) return structure;
    return nullptr;
}

BOOL ABaseProjectDoc::RemoveStructure(ABaseStructureDoc* pStructure, BOOL bUpdateBar) {
    auto it = std::find(m_structures.begin(), m_structures.end(), pStructure);
    if (!pStructure || it == m_structures.end()) return FALSE;
    if (pStructure->IsModified()) {
        CString text;
        text.Format("The structure '%s' has been changed. Would you like to save it?",
                    pStructure->GetTitle().c_str());
        switch (AfxMessageBox(text.c_str(), MB_YESNOCANCEL, kHelpSaveChanged)) {
        case IDCANCEL:
            return FALSE;
        case IDYES:
            if (!pStructure->SaveStructure()) return FALSE;
            break;
        default:
            pStructure->SetModifiedFlag(FALSE);
            break;
        }
    }
    if (!pStructure->CloseStructure()) return FALSE;
    m_structures.erase(it);
    if (m_pActiveStructure == pStructure) m_pActiveStructure = nullptr;
    if (bUpdateBar) {
        if (ABaseProjectWnd* wnd = projectWnd()) wnd->RemoveStructure(pStructure);
        SetModifiedFlag(TRUE);
    }
    delete pStructure;
    return TRUE;
}

BOOL ABaseProjectDoc::SaveModified() {
    if (!IsModified()) return TRUE;
    CString text;
    text.Format("The project '%s' has been changed. Would you like to save it?", GetTitle().c_str());
    switch (AfxMessageBox(text.c_str(), MB_YESNOCANCEL, kHelpSaveChanged)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return OnFileSaveProject();
    default:
        // Closing the structures afterwards must write nothing.
        for (ABaseStructureDoc* structure : m_structures)
            structure->SetModifiedFlag(FALSE);
        return TRUE;
    }
}

BOOL ABaseProjectDoc::OnFileCloseProject(BOOL bUpdateBar) {
    if (!SaveModified()) return FALSE;
    m_pActiveStructure = nullptr;
    ABaseProjectWnd* wnd = bUpdateBar ? projectWnd() : nullptr;
    while (!m_structures.empty()) {
        ABaseStructureDoc* structure = m_structures.front();
        if (!structure->CloseStructure()) return FALSE;
        if (wnd) wnd->RemoveStructure(structure);
        m_structures.pop_front();
        delete structure;
    }
    if (!bUpdateBar) return TRUE;
    if (wnd) wnd->RemoveProject();
    if (ABaseOutputWnd* output = outputWnd()) output->ClearOutput();
    return TRUE;
}

BOOL ABaseProjectDoc::SaveProjectFile() {
    const CString title = GetTitle();
    const BOOL saved = DoFileSave();
    SetTitle(title.c_str());
    return saved;
}

BOOL ABaseProjectDoc::OnFileSaveProject() {
    BOOL saved = TRUE;
    // Every structure gets its chance even when one fails, so that no work
    // stays unsaved that could be saved.
    for (ABaseStructureDoc* structure : m_structures)
        if (!structure->SaveStructure()) saved = FALSE;
    if (!SaveProjectFile()) saved = FALSE;
    if (ABaseWinApp* app = ABaseWinApp::GetApp()) app->SaveWorkspace();
    return saved;
}

BOOL ABaseProjectDoc::OnFileSaveAsProject() {
    ABaseWinApp* app = ABaseWinApp::GetApp();
    if (!app) return FALSE;
    CString path = GetPathName();
    if (!app->DoPromptFileName(path, AFX_IDS_SAVEFILE, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE,
                               app->GetProjectDocTemplate()))
        return FALSE;
    m_strSaveAsPath = path;
    // Whatever happens below, no later save takes this path for a Save As.
    struct ClearSaveAsPath {
        CString& path;
        ~ClearSaveAsPath() { path.clear(); }
    } clear{m_strSaveAsPath};

    // The structures go first, each under its own title in the new folder, so
    // that the project file written last names where they are.
    const CString folder = folderOf(path);
    const CString ext = structureExtension();
    ABaseProjectWnd* wnd = projectWnd();
    for (ABaseStructureDoc* structure : m_structures) {
        const CString title = structure->GetTitle();
        const CString target = joinPath(folder, title + ext);
        if (foreignFileAt(target, structure->GetPathName()) && !askToReplace(target)) return FALSE;
        const BOOL saved = structure->DoSave(target.c_str(), TRUE);
        structure->SetTitle(title.c_str());
        if (!saved) {
            AfxMessageBox("Could not save structure document", MB_OK);
            return FALSE;
        }
        if (wnd) wnd->UpdateStructureName(structure);
    }
    if (!DoSave(path.c_str(), TRUE)) return FALSE;
    CString title = AfxGetFileName(path);
    const size_t dot = title.find_last_of('.');
    if (dot != std::string::npos && dot > 0) title.erase(dot);
    SetTitle(title.c_str());
    if (wnd) wnd->UpdateProject();
    app->UpdateAllFrames();
    return TRUE;
}

void ABaseProjectDoc::SetModifiedFlag(BOOL bModified) {
    COleDocument::SetModifiedFlag(bModified);
}

BOOL ABaseProjectDoc::IsModified() {
    return m_bModified;
}

BOOL ABaseProjectDoc::OnNewDocument() {
    return COleDocument::OnNewDocument() ? TRUE : FALSE;
}

void ABaseProjectDoc::Serialize(CArchive&) {}

CString ABaseProjectDoc::Convert2RelativePath(CString path, CString base) {
    if (base.empty())
        if (ABaseWinApp* app = ABaseWinApp::GetApp()) base = app->m_strBasePath;
    std::vector<CString> baseFolder = splitPath(base);
    baseFolder.pop_back();
    std::vector<CString> pathFolder = splitPath(path);
    const CString fileName = pathFolder.back();
    pathFolder.pop_back();
    // Whole components from the start: /p is no prefix of /pq.
    size_t common = 0;
    while (common < baseFolder.size() && common < pathFolder.size() &&
           baseFolder[common] == pathFolder[common])
        ++common;
    CString result;
    for (size_t i = common; i < baseFolder.size(); ++i)
        result += "..\\";
    for (size_t i = common; i < pathFolder.size(); ++i)
        result += pathFolder[i] + "\\";
    return result + fileName;
}

CString ABaseProjectDoc::Convert2AbsolutePath(CString path) {
    CString base;
    if (ABaseWinApp* app = ABaseWinApp::GetApp()) base = app->m_strBasePath;
    std::vector<CString> folder = splitPath(base);
    folder.pop_back();
    const std::vector<CString> parts = splitPath(path);
    // An absolute path stays as it is.
    if (parts.size() > 1 && parts.front().empty()) folder.assign(1, CString());
    // A rooted folder keeps its empty first component: ".." never climbs past the root.
    const size_t root = !folder.empty() && folder.front().empty() ? 1 : 0;
    for (const CString& part : parts) {
        if (part == "..") {
            if (folder.size() > root) folder.pop_back();
        } else if (!part.empty() && part != ".") {
            folder.push_back(part);
        }
    }
    if (root && folder.size() == 1) return "/";
    CString result;
    for (size_t i = 0; i < folder.size(); ++i) {
        if (i > 0) result += "/";
        result += folder[i];
    }
    return result;
}

CString ABaseProjectDoc::FindFileIgnoringCase(const CString& path) {
    std::error_code ec;
    if (path.empty()) return CString();
    if (std::filesystem::exists(std::filesystem::path(std::string(path)), ec)) return path;
    const std::vector<CString> parts = splitPath(path);
    std::filesystem::path found =
        parts.front().empty() ? std::filesystem::path("/") : std::filesystem::path(".");
    for (size_t i = parts.front().empty() ? 1 : 0; i < parts.size(); ++i) {
        const CString& part = parts[i];
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            found = found.parent_path();
            continue;
        }
        std::filesystem::path exact = found / std::string(part);
        if (std::filesystem::exists(exact, ec)) {
            found = exact;
            continue;
        }
        // Entries in name order, so that two names differing only in case give the same answer every time.
        std::vector<std::filesystem::path> matches;
        for (const auto& entry : std::filesystem::directory_iterator(found, ec))
            if (equalNoCase(entry.path().filename().string(), part)) matches.push_back(entry.path());
        if (matches.empty()) return CString();
        std::sort(matches.begin(), matches.end());
        found = matches.front();
    }
    CString result = found.string();
    if (result.size() > 2 && result[0] == '.' && result[1] == '/') result.erase(0, 2);
    return result;
}

CString ABaseProjectDoc::LocateStructureFile(const CString& relativePath) {
    const CString absolute = Convert2AbsolutePath(relativePath);
    const CString found = FindFileIgnoringCase(absolute);
    return found.empty() ? absolute : found;
}
