#include "platform/ui/CDocTemplate.h"

#include "platform/core/PathNames.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

namespace {

CString extensionOf(const CString& path) {
    const CString name = AfxGetFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? CString() : CString(name.substr(dot));
}

} // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                           const CRuntimeClass* pViewClass)
    : m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass),
      m_nIDResource(nIDResource) {
    AfxLoadString(m_nIDResource, m_strDocStrings);
}

CDocTemplate::~CDocTemplate() {
    // Documents still open forget their template; they belong to whoever keeps them.
    for (CDocument* doc : m_docList)
        doc->m_pDocTemplate = nullptr;
}

void CDocTemplate::LoadTemplate() {
    if (m_strDocStrings.empty()) AfxLoadString(m_nIDResource, m_strDocStrings);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    return AfxExtractSubString(rString, m_strDocStrings.c_str(), static_cast<int>(index), '\n');
}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    if (!pDoc) return;
    if (pDoc->m_pDocTemplate && pDoc->m_pDocTemplate != this) pDoc->m_pDocTemplate->RemoveDocument(pDoc);
    if (std::find(m_docList.begin(), m_docList.end(), pDoc) == m_docList.end()) m_docList.push_back(pDoc);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    auto it = std::find(m_docList.begin(), m_docList.end(), pDoc);
    if (it == m_docList.end()) return;
    m_docList.erase(it);
    pDoc->m_pDocTemplate = nullptr;
}

POSITION CDocTemplate::GetFirstDocPosition() const {
    return AfxGetFirstPosition(m_docList);
}

CDocument* CDocTemplate::GetNextDoc(POSITION& rPos) const {
    return AfxGetNextAt(m_docList, rPos);
}

CDocument* CDocTemplate::CreateNewDocument() {
    if (!m_pDocClass) return nullptr;
    auto* doc = CreateObjectAs<CDocument>(m_pDocClass);
    if (!doc) return nullptr;
    AddDocument(doc);
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    if (!m_pFrameClass) return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    auto* frame = CreateObjectAs<CFrameWnd>(m_pFrameClass);
    if (!frame) return nullptr;
    // A frame that fails to load deletes itself.
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    if (pFrame) pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(const char* lpszPathName, CDocument*& rpDocMatch) {
    rpDocMatch = nullptr;
    const CString path = lpszPathName ? lpszPathName : "";
    for (CDocument* doc : m_docList) {
        if (!path.empty() && doc->GetPathName() == path) {
            rpDocMatch = doc;
            return yesAlreadyOpen;
        }
    }
    CString ext;
    if (GetDocString(ext, filterExt) && !ext.empty() && extensionOf(path).CompareNoCase(ext) == 0)
        return yesAttemptNative;
    return yesAttemptForeign;
}

BOOL CDocTemplate::SaveAllModified() {
    const std::vector<CDocument*> docs = m_docList;
    for (CDocument* doc : docs)
        if (std::find(m_docList.begin(), m_docList.end(), doc) != m_docList.end() && !doc->SaveModified())
            return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    const std::vector<CDocument*> docs = m_docList;
    for (CDocument* doc : docs)
        if (std::find(m_docList.begin(), m_docList.end(), doc) != m_docList.end()) doc->OnCloseDocument();
}

// --- multi-document template ------------------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                     const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() = default;

void CMultiDocTemplate::LoadTemplate() {
    CDocTemplate::LoadTemplate();
    if (!m_menuShared && CResources::Instance().FindMenu(m_nIDResource)) {
        m_menuShared = std::make_unique<CMenu>();
        if (m_menuShared->LoadMenu(m_nIDResource))
            m_hMenuShared = m_menuShared.get();
        else
            m_menuShared.reset();
    }
    if (CResources::Instance().FindAccelerators(m_nIDResource)) m_nIDAccelShared = m_nIDResource;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    CString title;
    if (GetDocString(title, docName) && !title.empty())
        title += CString::Formatted("%u", m_nUntitledCount + 1);
    else
        title = AfxLoadString(AFX_IDS_UNTITLED);
    pDocument->SetTitle(title.c_str());
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible) {
    CDocument* doc = CreateNewDocument();
    if (!doc) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    // While its frame is made, a failure must not take the document with it.
    const BOOL autoDelete = doc->m_bAutoDelete;
    doc->m_bAutoDelete = FALSE;
    CFrameWnd* frame = CreateNewFrame(doc, nullptr);
    doc->m_bAutoDelete = autoDelete;
    if (!frame) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        delete doc;
        return nullptr;
    }
    // Destroying the frame closes the document through its last view; a document
    // without views (or one that keeps itself) is deleted here.
    auto discard = [&]() {
        const bool hasViews = !doc->GetViews().empty();
        const bool deletesItself = hasViews && doc->m_bAutoDelete;
        frame->DestroyWindow();
        if (!deletesItself) delete doc;
    };
    if (!lpszPathName) {
        SetDefaultTitle(doc);
        if (!bMakeVisible) doc->m_bEmbedded = TRUE;
        if (!doc->OnNewDocument()) {
            discard();
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        CWaitCursor wait;
        if (!doc->OnOpenDocument(lpszPathName)) {
            discard();
            return nullptr;
        }
        doc->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(frame, doc, bMakeVisible);
    return doc;
}
