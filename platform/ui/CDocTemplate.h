#pragma once
// Document templates: which document, frame and view classes make a kind of
// document, its strings (the resource string of the template's id holds, divided
// by '\n': window title, document name, name for File New, filter name, filter
// extension, file type id, file type name), its menu and accelerators, and the
// documents of that kind that are open.
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <memory>
#include <vector>

class CDocument;
class CFrameWnd;
class CMenu;
struct CRuntimeClass;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    ~CDocTemplate() override;

    virtual void LoadTemplate();
    // FALSE when the string has no such part.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual POSITION GetFirstDocPosition() const;
    virtual CDocument* GetNextDoc(POSITION& rPos) const;
    const std::vector<CDocument*>& GetDocuments() const { return m_docList; }

    // A new document of the template's class, added to the template; null when it cannot be made.
    virtual CDocument* CreateNewDocument();
    // A new frame (with its view) on the document, loaded from the template's
    // resources; pOther is the frame it is opened from. Null on failure.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual CDocument* OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    virtual Confidence MatchDocType(const char* lpszPathName, CDocument*& rpDocMatch);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    UINT GetResourceID() const { return m_nIDResource; }
    const CRuntimeClass* m_pDocClass = nullptr;
    const CRuntimeClass* m_pFrameClass = nullptr;
    const CRuntimeClass* m_pViewClass = nullptr;
    // The template is deleted with the application.
    BOOL m_bAutoDelete = TRUE;

protected:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    UINT m_nIDResource = 0;
    CString m_strDocStrings;
    std::vector<CDocument*> m_docList;
};

// Any number of documents, each in its own MDI child frame.
class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                      const CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    void LoadTemplate() override;
    CDocument* OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The document name followed by the next untitled number, e.g. "Strakon1".
    void SetDefaultTitle(CDocument* pDocument) override;

    // The menu and accelerators shown while one of the template's frames is active (null: the main frame's).
    CMenu* m_hMenuShared = nullptr;
    UINT m_nIDAccelShared = 0;
    // How many untitled documents were made so far.
    UINT m_nUntitledCount = 0;

private:
    std::unique_ptr<CMenu> m_menuShared;
};
