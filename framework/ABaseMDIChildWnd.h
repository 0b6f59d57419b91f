#pragma once
// The base of every document window's MDI child frame. A frame joins the
// active workspace when it is first activated and may be bound to the project
// tree item it was opened from; the item's description names the frame.
#include "platform/ui/CMDIFrameWnd.h"

class ABaseProjectTIWin;
class ABaseWorkspace;
class CDocTemplate;

class ABaseMDIChildWnd : public SECMDIChildWnd {
    DECLARE_DYNCREATE(ABaseMDIChildWnd)
public:
    ABaseMDIChildWnd();
    ~ABaseMDIChildWnd() override;

    // Binds the frame to pItem (not owned; the item tells the frame when it
    // dies) and leaves the item it was bound to. Null is ignored.
    virtual void SetGuiTIWinObject(ABaseProjectTIWin* pItem);
    virtual ABaseProjectTIWin* GetGuiTIWinObject() { return m_pItem; }
    // The item is gone.
    virtual void InvalidGuiTIWinObject();
    // "<document title> - <item description>", with ":n" while the item has several frames.
    virtual void UpdateFrameTitle();
    // A second window onto the item of pFrom.
    virtual void InitializeFrame(ABaseMDIChildWnd* pFrom);

    // Joins the manager's active workspace, once.
    void RegisterFrame();
    void UnregisterFrame();
    // The workspace the frame joined; null before, and after its workspace was replaced.
    ABaseWorkspace* GetWorkspace();
    BOOL IsBound() const { return m_bBound; }

    // The template that made the frame (null when none did): a new window on
    // the same document is made by it.
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void ActivateFrame(int nCmdShow = -1) override;
    void OnDestroy() override;
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) override;
    void OnUpdateModifiedIndicator(CCmdUI* pCmdUI);

protected:
    ABaseProjectTIWin* m_pItem = nullptr;
    BYTE m_bBound = 0;
    ABaseWorkspace* m_pWorkspace = nullptr; // owned by its manager
    CDocTemplate* m_pDocTemplate = nullptr;

    DECLARE_MESSAGE_MAP()
};
