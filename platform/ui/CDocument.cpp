#include "platform/ui/CDocument.h"

#include "platform/core/CArchive.h"
#include "platform/core/PathNames.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>
#include <filesystem>
#include <string>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument() {
    for (CView* view : m_viewList)
        view->m_pDocument = nullptr;
    m_viewList.clear();
    if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(const char* lpszTitle) {
    m_strTitle = lpszTitle ? lpszTitle : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(const char* lpszPathName, BOOL bAddToMRU) {
    m_strPathName = lpszPathName ? lpszPathName : "";
    SetTitle(AfxGetFileName(m_strPathName).c_str());
    if (bAddToMRU && !m_strPathName.empty())
        if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(m_strPathName.c_str());
}

BOOL CDocument::IsModified() {
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified) {
    m_bModified = bModified;
}

void CDocument::AddView(CView* pView) {
    if (!pView || std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end()) return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end()) return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const {
    return AfxGetFirstPosition(m_viewList);
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
    return AfxGetNextAt(m_viewList, rPosition);
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    // A view's OnUpdate may close views; work on a copy and skip the ones that went.
    const std::vector<CView*> views = m_viewList;
    for (CView* view : views) {
        if (view == pSender) continue;
        if (std::find(m_viewList.begin(), m_viewList.end(), view) == m_viewList.end()) continue;
        view->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts() {
    std::vector<CFrameWnd*> frames;
    for (CView* view : m_viewList) {
        CFrameWnd* frame = view->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end()) frames.push_back(frame);
    }
    int number = frames.size() > 1 ? 1 : 0;
    for (CFrameWnd* frame : frames)
        frame->m_nWindow = number ? number++ : 0;
    for (CFrameWnd* frame : frames)
        frame->OnUpdateFrameTitle(TRUE);
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* lpszPathName) {
    const CString path = lpszPathName ? lpszPathName : "";
    try {
        CArchive ar(CArchive::load, std::filesystem::path(std::string(path)));
        ar.m_pDocument = this;
        DeleteContents();
        // A half-read document counts as changed until it is read completely.
        SetModifiedFlag(TRUE);
        Serialize(ar);
        ar.Close();
    } catch (const std::exception& e) {
        DeleteContents();
        SetModifiedFlag(FALSE);
        ReportSaveLoadException(path.c_str(), &e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* lpszPathName) {
    const CString path = lpszPathName ? lpszPathName : "";
    try {
        CArchive ar(CArchive::store, std::filesystem::path(std::string(path)));
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
    } catch (const std::exception& e) {
        ReportSaveLoadException(path.c_str(), &e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // The views go with their frames; the document must not delete itself meanwhile.
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* view = m_viewList.front();
        if (CFrameWnd* frame = view->GetParentFrame()) {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        } else {
            view->DestroyWindow();
        }
        // A view whose window could not go still leaves the document.
        if (!m_viewList.empty() && m_viewList.front() == view) RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete) delete this;
}

void CDocument::OnChangedViewList() {
    if (m_viewList.empty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::Serialize(CArchive&) {}

void CDocument::ReportSaveLoadException(const char* lpszPathName, const std::exception* e, BOOL,
                                        UINT nIDPDefault) {
    CString text = AfxLoadString(nIDPDefault);
    std::string detail = e ? e->what() : "";
    if (lpszPathName && *lpszPathName) {
        text += CString("\n") + lpszPathName;
        // The file's exceptions end with the path they were about; the line above names it already.
        const std::string named = std::string(" (") + lpszPathName + ")";
        if (detail.size() > named.size() && detail.ends_with(named)) detail.resize(detail.size() - named.size());
    }
    if (!detail.empty()) text += CString("\n") + detail;
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
}

BOOL CDocument::SaveModified() {
    if (!IsModified()) return TRUE;
    CString name = m_strPathName.empty() ? m_strTitle : AfxGetFileName(m_strPathName);
    if (name.empty()) name = AfxLoadString(AFX_IDS_UNTITLED);
    CString prompt;
    AfxFormatString1(prompt, AFX_IDP_ASK_TO_SAVE, name.c_str());
    switch (AfxMessageBox(prompt.c_str(), MB_YESNOCANCEL | MB_ICONEXCLAMATION, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg) {
    for (CView* view : m_viewList)
        if (view->GetParentFrame() != pFrameArg) return TRUE;
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::DoSave(const char* lpszPathName, BOOL bReplace) {
    CString path = lpszPathName ? lpszPathName : "";
    if (path.empty()) {
        CDocTemplate* docTemplate = GetDocTemplate();
        path = m_strPathName;
        if (bReplace && path.empty()) {
            path = m_strTitle;
            // A title is no file name: drop what cannot be part of one.
            const size_t bad = path.find_first_of(" #%;/\\");
            if (bad != std::string::npos) path = path.substr(0, bad);
            CString ext;
            if (docTemplate && docTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.empty())
                path += ext;
        }
        CWinApp* app = AfxGetApp();
        if (!app || !app->DoPromptFileName(path, AFX_IDS_SAVEFILE,
                                           OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT, FALSE,
                                           docTemplate))
            return FALSE;
    }
    CWaitCursor wait;
    if (!OnSaveDocument(path.c_str())) return FALSE;
    if (bReplace) SetPathName(path.c_str());
    return TRUE;
}

BOOL CDocument::DoFileSave() {
    if (m_strPathName.empty()) return DoSave(nullptr);
    return DoSave(m_strPathName.c_str());
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose() {
    if (!SaveModified()) return;
    OnCloseDocument();
}

void CDocument::OnFileSave() {
    DoFileSave();
}

void CDocument::OnFileSaveAs() {
    DoSave(nullptr);
}
