#include "platform/ui/COleDocument.h"

#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/storage/CCompoundFile.h"
#include "platform/ui/AfxRes.h"

#include <system_error>

IMPLEMENT_DYNAMIC(COleDocument, CDocument)

namespace {

// Whether two paths name the same file; a path that does not exist yet names
// no existing file.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return std::filesystem::absolute(a, ec).lexically_normal() ==
           std::filesystem::absolute(b, ec).lexically_normal();
}

} // namespace

COleDocument::COleDocument() = default;

COleDocument::~COleDocument() = default;

CCompoundStorage* COleDocument::GetRootStorage() const {
    return m_pFile ? &m_pFile->Root() : nullptr;
}

BOOL COleDocument::OnNewDocument() {
    m_pFile.reset();
    return CDocument::OnNewDocument();
}

BOOL COleDocument::OnOpenDocument(const char* lpszPathName) {
    if (!m_bCompoundFile) return CDocument::OnOpenDocument(lpszPathName);
    const CString path = lpszPathName ? lpszPathName : "";
    try {
        m_pFile = std::make_unique<CCompoundFile>(std::filesystem::path(std::string(path)));
        DeleteContents();
        // A half-read document counts as changed until it is read completely.
        SetModifiedFlag(TRUE);
        LoadFromStorage();
    } catch (const std::exception& e) {
        DeleteContents();
        m_pFile.reset();
        SetModifiedFlag(FALSE);
        ReportSaveLoadException(path.c_str(), &e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL COleDocument::OnSaveDocument(const char* lpszPathName) {
    if (!m_bCompoundFile) return CDocument::OnSaveDocument(lpszPathName);
    const CString path = lpszPathName ? lpszPathName : "";
    const std::filesystem::path target{std::string(path)};
    const bool newFile = !m_pFile;
    if (newFile) m_pFile = std::make_unique<CCompoundFile>();
    if (newFile || m_pFile->GetPath().empty() || !sameFile(m_pFile->GetPath(), target)) m_saveAsPath = target;
    try {
        SaveToStorage(nullptr);
    } catch (const std::exception& e) {
        m_saveAsPath.clear();
        if (newFile) m_pFile.reset();
        ReportSaveLoadException(path.c_str(), &e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    m_saveAsPath.clear();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void COleDocument::OnCloseDocument() {
    m_pFile.reset();
    CDocument::OnCloseDocument();
}

void COleDocument::LoadFromStorage() {
    CCompoundStorage* root = GetRootStorage();
    if (!root)
        throw CArchiveException(CArchiveException::badSchema, GetPathName(), "the document has no file");
    std::unique_ptr<CCompoundStream> stream = root->OpenStream("Contents");
    CArchive ar(CArchive::load, stream->GetData());
    ar.m_pDocument = this;
    if (ar.Size() > 0) Serialize(ar);
    ar.Close();
}

void COleDocument::SaveToStorage(CObject* pObject) {
    CCompoundStorage* root = GetRootStorage();
    if (!root) throw CFileException(CFileException::badPath, GetPathName(), 0, "the document has no file");
    std::unique_ptr<CCompoundStream> stream = root->CreateStream("Contents");
    try {
        CArchive ar(CArchive::store);
        ar.m_pDocument = this;
        SerializeObject(pObject, ar);
        stream->SetData(ar.Detach());
        CommitRootStorage();
    } catch (...) {
        root->Revert();
        CommitItems(FALSE);
        throw;
    }
}

void COleDocument::CommitItems(BOOL) {}

void COleDocument::SerializeObject(CObject* pObject, CArchive& ar) {
    if (!pObject) {
        Serialize(ar);
        return;
    }
    CDocument* document = DYNAMIC_DOWNCAST_PTR<CDocument>(pObject);
    if (!document)
        throw CArchiveException(CArchiveException::badClass, GetPathName(), "the object cannot be stored");
    document->Serialize(ar);
}

void COleDocument::CommitRootStorage() {
    if (!m_pFile) throw CFileException(CFileException::badPath, GetPathName(), 0, "the document has no file");
    if (m_saveAsPath.empty())
        m_pFile->Commit();
    else
        m_pFile->CommitAs(m_saveAsPath);
}
