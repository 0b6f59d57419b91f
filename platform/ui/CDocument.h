#pragma once
// A document: the data behind one or more views, with its file path, its title
// and its modified flag. Opening, saving and closing go through the virtual
// operations below, so that derived documents (compound-file documents, the
// project and structure documents) change only the step they need.
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <exception>
#include <vector>

class CArchive;
class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Sets the title and lets every frame of the document show it.
    virtual void SetTitle(const char* lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Sets the path; the title becomes the file name. With bAddToMRU the path
    // enters the application's recent-file list.
    virtual void SetPathName(const char* lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // Views. A view joins when it is created on the document and leaves when it dies.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    // Calls OnUpdate of every view except the sender, at once and in order.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // Numbers the document's frames (":1", ":2") when there are several, and refreshes their titles.
    virtual void UpdateFrameCounts();

    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    // Reads the file through Serialize; a failure is reported and gives FALSE.
    virtual BOOL OnOpenDocument(const char* lpszPathName);
    // Writes the file through Serialize (atomically); a failure is reported and gives FALSE.
    virtual BOOL OnSaveDocument(const char* lpszPathName);
    // Destroys every frame of the document, empties it and deletes it when it deletes itself.
    virtual void OnCloseDocument();
    virtual void OnChangedViewList();
    virtual void Serialize(CArchive& ar);
    virtual void ReportSaveLoadException(const char* lpszPathName, const std::exception* e, BOOL bSaving,
                                         UINT nIDPDefault);

    // Closing: asks "Save changes to ...?" when modified. FALSE keeps the document open.
    virtual BOOL SaveModified();
    // Whether the frame may close: another frame on the document, or SaveModified.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Saves under the path, or asks for one when the path is empty. bReplace makes
    // the new path the document's.
    virtual BOOL DoSave(const char* lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The document deletes itself when its last view goes (the framework's default).
    BOOL m_bAutoDelete = TRUE;
    // Created without a window of its own, for another document or program.
    BOOL m_bEmbedded = FALSE;

protected:
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_viewList;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;
    DECLARE_MESSAGE_MAP()
};
