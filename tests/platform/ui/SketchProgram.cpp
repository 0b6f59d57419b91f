#include "SketchProgram.h"

#include "platform/core/CArchive.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CResources.h"

namespace sketch {

std::atomic<std::thread::id> CSketchMainFrame::s_workerThread;
bool CSketchDoc::s_failNew = false;
int CSketchDoc::s_alive = 0;

namespace {

std::vector<CMenuItemDef> fileMenu(bool withDocument) {
    std::vector<CMenuItemDef> items = {MenuItem("&New\tCtrl+N", ID_FILE_NEW),
                                       MenuItem("&Open...\tCtrl+O", ID_FILE_OPEN)};
    if (withDocument) {
        items.push_back(MenuItem("&Close", ID_FILE_CLOSE));
        items.push_back(MenuItem("&Save\tCtrl+S", ID_FILE_SAVE));
    }
    items.push_back(MenuSeparator());
    items.push_back(MenuItem("Recent File", ID_FILE_MRU_FILE1, MF_GRAYED));
    items.push_back(MenuSeparator());
    items.push_back(MenuItem("E&xit", ID_APP_EXIT));
    return items;
}

CMenuItemDef editMenu() {
    return MenuPopup("&Edit", {MenuItem("&Mark\tCtrl+M", ID_EDIT_MARK), MenuItem("&Lock", ID_EDIT_LOCK)});
}

CMenuItemDef viewMenu() {
    return MenuPopup("&View",
                     {MenuItem("&Toolbar", ID_VIEW_TOOLBAR), MenuItem("&Status Bar", ID_VIEW_STATUS_BAR)});
}

} // namespace

void RegisterResources() {
    CResources& r = CResources::Instance();
    r.AddStrings({
        {AFX_IDS_APP_TITLE, "Sketch Pad"},
        {IDR_MAINFRAME, "Sketch Pad"},
        {IDR_SKETCHTYPE, "\nSketch\nSketch\nSketch Files (*.skt)\n.skt\nSketch.Document\nSketch Document"},
        {ID_EDIT_MARK, "Marks the sketch\nMark"},
        {ID_EDIT_LOCK, "Locks the mark\nLock"},
        {ID_SHAPE_CIRCLE, "Adds a circle\nCircle"},
        {ID_SHAPE_SQUARE, "Adds a square\nSquare"},
        {ID_SHAPE_CLEAR, "Removes every shape\nClear"},
        {ID_INDICATOR_MARK, " MARK "},
    });
    r.AddMenu(IDR_MAINFRAME, {MenuPopup("&File", fileMenu(false)), editMenu(), viewMenu()});
    r.AddMenu(IDR_SKETCHTYPE, {MenuPopup("&File", fileMenu(true)), editMenu(),
                               MenuPopup("&Shape", {MenuItem("&Circle", ID_SHAPE_CIRCLE),
                                                    MenuItem("&Square", ID_SHAPE_SQUARE), MenuSeparator(),
                                                    MenuItem("C&lear", ID_SHAPE_CLEAR)}),
                               viewMenu(),
                               MenuPopup("&Window", {MenuItem("&New Window", ID_WINDOW_NEW),
                                                     MenuItem("&Cascade", ID_WINDOW_CASCADE),
                                                     MenuItem("&Tile", ID_WINDOW_TILE_HORZ)})});
    r.AddAccelerators(IDR_MAINFRAME, {{FVIRTKEY | FCONTROL, 'N', static_cast<WORD>(ID_FILE_NEW)},
                                      {FVIRTKEY | FCONTROL, 'M', static_cast<WORD>(ID_EDIT_MARK)}});
    r.AddAccelerators(IDR_SKETCHTYPE,
                      {{FVIRTKEY | FCONTROL, 'N', static_cast<WORD>(ID_FILE_NEW)},
                       {FVIRTKEY | FCONTROL, 'M', static_cast<WORD>(ID_EDIT_MARK)},
                       {FVIRTKEY | FCONTROL | FSHIFT, 'C', static_cast<WORD>(ID_SHAPE_CIRCLE)}});
    r.AddToolBar(IDR_MAINFRAME,
                 {16, 15, {ID_FILE_NEW, 0, ID_EDIT_MARK, ID_EDIT_LOCK, 0, ID_SHAPE_CIRCLE, ID_SHAPE_SQUARE}});
    r.AddBitmap(IDR_MAINFRAME, ":/sketch/toolbar.svg");
}

// --- document ---------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CSketchDoc, CDocument)

BEGIN_MESSAGE_MAP(CSketchDoc, CDocument)
ON_COMMAND(ID_SHAPE_CIRCLE, &CSketchDoc::OnShapeCircle)
ON_COMMAND(ID_SHAPE_SQUARE, &CSketchDoc::OnShapeSquare)
END_MESSAGE_MAP()

CSketchDoc::CSketchDoc() {
    ++s_alive;
}
CSketchDoc::~CSketchDoc() {
    --s_alive;
}

void CSketchDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(m_circles) << static_cast<std::int32_t>(m_squares);
    } else {
        std::int32_t circles = 0, squares = 0;
        ar >> circles >> squares;
        m_circles = circles;
        m_squares = squares;
    }
}

void CSketchDoc::DeleteContents() {
    m_circles = 0;
    m_squares = 0;
}

BOOL CSketchDoc::OnNewDocument() {
    return !s_failNew && CDocument::OnNewDocument();
}

void CSketchDoc::OnShapeCircle() {
    ++m_circleCommands;
}

void CSketchDoc::OnShapeSquare() {
    ++m_squares;
    SetModifiedFlag();
    UpdateAllViews(nullptr, 2);
}

// --- view -------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CSketchView, CView)

BEGIN_MESSAGE_MAP(CSketchView, CView)
ON_COMMAND(ID_SHAPE_CIRCLE, &CSketchView::OnShapeCircle)
END_MESSAGE_MAP()

CSketchView::CSketchView() = default;
CSketchView::~CSketchView() = default;

void CSketchView::OnDraw(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(250, 250, 245));
    CSketchDoc* doc = GetDocument();
    if (!doc) return;
    CPen outline(PS_SOLID, 2, RGB(29, 79, 138));
    CBrush blue(RGB(79, 143, 214));
    CPen* oldPen = pDC->SelectObject(&outline);
    CBrush* oldBrush = pDC->SelectObject(&blue);
    for (int i = 0; i < doc->m_circles; ++i)
        pDC->Ellipse(20 + i * 70, 20, 80 + i * 70, 80);
    CBrush red(RGB(214, 95, 79));
    pDC->SelectObject(&red);
    for (int i = 0; i < doc->m_squares; ++i)
        pDC->Rectangle(20 + i * 70, 100, 80 + i * 70, 160);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(20, 180, doc->GetTitle().c_str());
}

void CSketchView::OnInitialUpdate() {
    ++m_initialUpdates;
    CView::OnInitialUpdate();
}

void CSketchView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    m_hints.push_back(lHint);
    CView::OnUpdate(pSender, lHint, pHint);
}

void CSketchView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    if (bActivate) ++m_activations;
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CSketchView::OnLButtonDown(UINT, CPoint point) {
    m_clicks.push_back(point);
}

void CSketchView::OnKeyDown(UINT nChar, UINT, UINT) {
    m_keys.push_back(nChar);
}

void CSketchView::OnShapeCircle() {
    ++m_circleCommands;
    CSketchDoc* doc = GetDocument();
    ++doc->m_circles;
    doc->SetModifiedFlag();
    doc->UpdateAllViews(this, 1);
    Invalidate();
}

// --- frames -----------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CSketchChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CSketchChildFrame, CMDIChildWnd)
ON_COMMAND(ID_SHAPE_CLEAR, &CSketchChildFrame::OnShapeClear)
END_MESSAGE_MAP()

CSketchChildFrame::CSketchChildFrame() = default;
CSketchChildFrame::~CSketchChildFrame() = default;

void CSketchChildFrame::OnShapeClear() {
    ++m_clearCommands;
}

BEGIN_MESSAGE_MAP(CSketchWindowManager, CCmdTarget)
ON_COMMAND(ID_WINDOW_CASCADE, &CSketchWindowManager::OnWindowCascade)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CSketchMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CSketchMainFrame, CMDIFrameWnd)
ON_COMMAND(ID_EDIT_MARK, &CSketchMainFrame::OnEditMark)
ON_UPDATE_COMMAND_UI(ID_EDIT_MARK, &CSketchMainFrame::OnUpdateEditMark)
ON_COMMAND(ID_EDIT_LOCK, &CSketchMainFrame::OnEditLock)
ON_UPDATE_COMMAND_UI(ID_EDIT_LOCK, &CSketchMainFrame::OnUpdateEditLock)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_MARK, &CSketchMainFrame::OnUpdateIndicatorMark)
ON_COMMAND(ID_SHAPE_CLEAR, &CSketchMainFrame::OnShapeClear)
ON_MESSAGE(WM_WORKER_DONE, &CSketchMainFrame::OnWorkerDone)
END_MESSAGE_MAP()

CSketchMainFrame::CSketchMainFrame() = default;
CSketchMainFrame::~CSketchMainFrame() = default;

int CSketchMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    m_wndToolBar.SetWindowText("Standard");
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_MARK};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 2)) return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return 0;
}

BOOL CSketchMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (m_windowManager.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CSketchMainFrame::OnEditMark() {
    ++m_markCommands;
    m_bMarked = !m_bMarked;
}

void CSketchMainFrame::OnUpdateEditMark(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_bMarked ? 1 : 0);
    pCmdUI->Enable(!m_bLocked);
}

void CSketchMainFrame::OnEditLock() {
    m_bLocked = !m_bLocked;
}

void CSketchMainFrame::OnUpdateEditLock(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_bLocked ? 1 : 0);
}

void CSketchMainFrame::OnUpdateIndicatorMark(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_bMarked);
}

void CSketchMainFrame::OnShapeClear() {
    ++m_clearCommands;
}

namespace {

UINT WorkerProc(LPVOID param) {
    CSketchMainFrame::s_workerThread = std::this_thread::get_id();
    // A worker never touches the window: it reports through the window's handle.
    ::PostMessage(static_cast<HWND>(param), WM_WORKER_DONE, 42, 0);
    return 0;
}

} // namespace

void CSketchMainFrame::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kWorkerTimer) AfxBeginThread(WorkerProc, m_hWnd);
}

LRESULT CSketchMainFrame::OnWorkerDone(WPARAM wParam, LPARAM) {
    KillTimer(kWorkerTimer);
    m_reportThread = std::this_thread::get_id();
    m_workerResult = static_cast<int>(wParam);
    return 0;
}

// --- application ------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSketchApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

CSketchApp::CSketchApp() : CWinApp("Sketch Pad") {}
CSketchApp::~CSketchApp() = default;

BOOL CSketchApp::InitInstance() {
    RegisterResources();
    LoadStdProfileSettings(4);
    m_pSketchTemplate = new CMultiDocTemplate(IDR_SKETCHTYPE, RUNTIME_CLASS(CSketchDoc),
                                              RUNTIME_CLASS(CSketchChildFrame), RUNTIME_CLASS(CSketchView));
    AddDocTemplate(m_pSketchTemplate);
    auto* frame = new CSketchMainFrame;
    // A frame that fails to load deletes itself.
    if (!frame->LoadFrame(IDR_MAINFRAME)) return FALSE;
    m_pMainWnd = frame;
    frame->MoveWindow(0, 0, 900, 600);
    frame->ShowWindow(SW_SHOW);
    return TRUE;
}

} // namespace sketch
