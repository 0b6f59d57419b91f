#pragma once
// A small program built on the user-interface layer, as the real program is:
// a main frame with a menu, accelerators, a toolbar and a status bar from its
// resource tables, and sketch documents shown by views in MDI child frames.
// The tests drive it like a user and look at what it did.
#include "platform/ui/AfxRes.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include <atomic>
#include <thread>
#include <vector>

namespace sketch {

constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDR_SKETCHTYPE = 129;
constexpr UINT ID_EDIT_MARK = 32801;
constexpr UINT ID_EDIT_LOCK = 32802;
constexpr UINT ID_SHAPE_CIRCLE = 32810;
constexpr UINT ID_SHAPE_SQUARE = 32811;
constexpr UINT ID_SHAPE_CLEAR = 32812;
constexpr UINT ID_INDICATOR_MARK = 32820;
constexpr UINT WM_WORKER_DONE = WM_USER + 5;
constexpr UINT_PTR kWorkerTimer = 10;

// The program's tables: menus, accelerators, strings, toolbar and its picture.
void RegisterResources();

class CSketchDoc : public CDocument {
    DECLARE_DYNCREATE(CSketchDoc)
public:
    CSketchDoc();
    ~CSketchDoc() override;

    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
    BOOL OnNewDocument() override;

    int m_circles = 0;
    int m_squares = 0;
    int m_circleCommands = 0;
    // Documents that OnNewDocument refuses, for the failure paths.
    static bool s_failNew;
    static int s_alive;

protected:
    void OnShapeCircle();
    void OnShapeSquare();
    DECLARE_MESSAGE_MAP()
};

class CSketchView : public CView {
    DECLARE_DYNCREATE(CSketchView)
public:
    CSketchView();
    ~CSketchView() override;

    CSketchDoc* GetDocument() const { return static_cast<CSketchDoc*>(m_pDocument); }
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

    int m_initialUpdates = 0;
    int m_circleCommands = 0;
    int m_activations = 0;
    std::vector<LPARAM> m_hints;
    std::vector<CPoint> m_clicks;
    std::vector<UINT> m_keys;

protected:
    void OnShapeCircle();
    DECLARE_MESSAGE_MAP()
};

class CSketchChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CSketchChildFrame)
public:
    CSketchChildFrame();
    ~CSketchChildFrame() override;

    int m_clearCommands = 0;

protected:
    void OnShapeClear();
    DECLARE_MESSAGE_MAP()
};

// A helper that the main frame asks before anyone else, as the program's frame
// asks its workspace and menu managers.
class CSketchWindowManager : public CCmdTarget {
public:
    int m_cascades = 0;

protected:
    void OnWindowCascade() { ++m_cascades; }
    DECLARE_MESSAGE_MAP()
};

class CSketchMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CSketchMainFrame)
public:
    CSketchMainFrame();
    ~CSketchMainFrame() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CSketchWindowManager m_windowManager;
    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    bool m_bMarked = false;
    bool m_bLocked = false;
    int m_markCommands = 0;
    int m_clearCommands = 0;
    // What the worker reported, and on which thread the report was handled.
    std::atomic<int> m_workerResult{0};
    std::thread::id m_reportThread;
    static std::atomic<std::thread::id> s_workerThread;

protected:
    void OnEditMark();
    void OnUpdateEditMark(CCmdUI* pCmdUI);
    void OnEditLock();
    void OnUpdateEditLock(CCmdUI* pCmdUI);
    void OnUpdateIndicatorMark(CCmdUI* pCmdUI);
    void OnShapeClear();
    LRESULT OnWorkerDone(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CSketchApp : public CWinApp {
public:
    CSketchApp();
    ~CSketchApp() override;

    BOOL InitInstance() override;

    CMultiDocTemplate* m_pSketchTemplate = nullptr;
    CSketchMainFrame* MainFrame() const { return static_cast<CSketchMainFrame*>(m_pMainWnd); }

    DECLARE_MESSAGE_MAP()
};

} // namespace sketch
