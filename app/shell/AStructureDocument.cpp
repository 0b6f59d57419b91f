#include "app/shell/AStructureDocument.h"

#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/storage/CCompoundFile.h"
#include "platform/ui/AfxRes.h"

#include <filesystem>
#include <memory>

IMPLEMENT_DYNCREATE(AStructureDocument, ABaseStructureDoc)

BEGIN_MESSAGE_MAP(AStructureDocument, ABaseStructureDoc)
ON_COMMAND(ID_EDIT_UNDO, &AStructureDocument::OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &AStructureDocument::OnUpdateEditUndo)
ON_COMMAND(ID_EDIT_REDO, &AStructureDocument::OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, &AStructureDocument::OnUpdateEditRedo)
END_MESSAGE_MAP()

namespace {
const char* const kStorageName = "Strakon";
const char* const kStreamName = "Contents";
} // namespace

AStructureDocument::AStructureDocument() {
    EnableCompoundFile(TRUE);
    m_commandManager.SetDocument(this);
}

AStructureDocument::~AStructureDocument() = default;

void AStructureDocument::Serialize(CArchive&) {}

BOOL AStructureDocument::OnNewDocument() {
    return ABaseStructureDoc::OnNewDocument() ? TRUE : FALSE;
}

void AStructureDocument::DeleteContents() {
    m_outputAttributes = AOutputStructureAttributes();
    ABaseStructureDoc::DeleteContents();
}

namespace {
const char* const kProjectStreamName = "Project";

CString fileNameOf(const CString& path) {
    return std::filesystem::path(std::string(path)).filename().string();
}

[[noreturn]] void refuse(const CString& path, const std::string& why) {
    throw CArchiveException(CArchiveException::badSchema, path, fileNameOf(path) + why);
}
} // namespace

CString AStructureDocument::ReadingPath() const {
    // While a file is read its document may not have its name yet.
    if (const CCompoundFile* file = GetCompoundFile(); file && !file->GetPath().empty())
        return file->GetPath().string();
    return GetPathName();
}

void AStructureDocument::NotAStructure() const {
    refuse(ReadingPath(), " is not a structure file or is damaged");
}

void AStructureDocument::LoadFromStorage() {
    CCompoundStorage* root = GetRootStorage();
    if (!root || !root->IsStorage(kStorageName)) NotAStructure();
    try {
        std::unique_ptr<CCompoundStorage> storage = root->OpenStorage(kStorageName);
        // A project keeps its records beside the structure's in a storage of
        // the same name; opened as a structure it would read as an empty one.
        if (!storage->IsStream(kStreamName)) {
            if (storage->IsStream(kProjectStreamName))
                refuse(ReadingPath(), " is a project file, not a structure");
            NotAStructure();
        }
        std::unique_ptr<CCompoundStream> stream = storage->OpenStream(kStreamName);
        CArchive ar(CArchive::load, stream->GetData());
        ar.m_pDocument = this;
        if (ar.Size() > 0) {
            Serialize(ar);
        } else if (root->Elements().size() != 1 || storage->Elements().size() != 1) {
            // An empty structure is a file that holds its empty "Contents"
            // and nothing else; records gone while other data stays are damage.
            NotAStructure();
        }
        ar.Close();
    } catch (...) {
        DeleteContents();
        throw;
    }
}

void AStructureDocument::SaveToStorage(CObject* pObject) {
    CCompoundStorage* root = GetRootStorage();
    if (!root) throw CFileException(CFileException::badPath, GetPathName(), 0, "the document has no file");
    try {
        std::unique_ptr<CCompoundStorage> storage = root->IsStorage(kStorageName)
                                                        ? root->OpenStorage(kStorageName)
                                                        : root->CreateStorage(kStorageName);
        std::unique_ptr<CCompoundStream> stream = storage->CreateStream(kStreamName);
        CArchive ar(CArchive::store);
        ar.m_pDocument = this;
        SerializeObject(pObject, ar);
        stream->SetData(ar.Detach());
        storage->Commit();
        CommitRootStorage();
    } catch (...) {
        // The root may hold the committed sub-storage while the file does not.
        root->Revert();
        CommitItems(FALSE);
        throw;
    }
}

CFrameWnd* AStructureDocument::OpenGeometryWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
CFrameWnd* AStructureDocument::OpenLoadsWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
CFrameWnd* AStructureDocument::OpenLoadCombinationsWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
CFrameWnd* AStructureDocument::OpenEnvelopeResultsWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
CFrameWnd* AStructureDocument::OpenLoadCaseResultsWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
CFrameWnd* AStructureDocument::OpenEnvelopeWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
CFrameWnd* AStructureDocument::OpenResumeWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}
CFrameWnd* AStructureDocument::OpenDesignWindow(ABaseProjectTIWin*, BOOL) {
    return nullptr;
}

void AStructureDocument::OnEditUndo() {
    m_commandManager.Undo();
}

void AStructureDocument::OnEditRedo() {
    m_commandManager.Redo();
}

void AStructureDocument::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    m_commandManager.OnUpdateEditUndo(pCmdUI);
}

void AStructureDocument::OnUpdateEditRedo(CCmdUI* pCmdUI) {
    m_commandManager.OnUpdateEditRedo(pCmdUI);
}
