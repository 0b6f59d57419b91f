#include "ShellFixture.h"

#include "platform/ui/CResources.h"

#include <QImage>
#include <QPainter>

IMPLEMENT_DYNCREATE(ShellView, CView)
IMPLEMENT_DYNCREATE(ShellChildFrame, ABaseMDIChildWnd)
IMPLEMENT_DYNCREATE(ShellMainFrame, ABaseMDIFrameWnd)
IMPLEMENT_DYNCREATE(ShellProjectTI, ABaseProjectTIProject)
IMPLEMENT_DYNCREATE(ShellSTreeItem, ABaseProjectSTreeItem)

int ShellCount::alive = 0;
int ShellCount::actions = 0;

void ShellSTreeItem::Initialize() {
    m_hTop = m_pTree->InsertItem("", 1, 1, m_pTree->GetProjectItem(), TVI_LAST);
    auto* top = new ShellStructureTI(m_pTree, m_pDoc, false, false, false, false);
    top->SetHTI(m_hTop);
    m_pTree->SetItemData(m_hTop, reinterpret_cast<DWORD_PTR>(static_cast<ABaseProjectTI*>(top)));
    UpdateStructureName();
    HTREEITEM geometry = m_pTree->InsertItem("Geometry", 2, 2, m_hTop, TVI_LAST);
    auto* item = new ShellTI(m_pTree, m_pDoc, false, false, false, false);
    item->SetHTI(geometry);
    m_pTree->SetItemData(geometry, reinterpret_cast<DWORD_PTR>(static_cast<ABaseProjectTI*>(item)));
}

int ShellMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (ABaseMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    auto* manager = ABaseWinApp::GetApp()->GetWorkspaceManager();
    projectWnd.AddProjectView(&projectWnd.trees[0], WS_CHILD | WS_VISIBLE, 0, 1001, 501, "Geometry",
                              manager->GetWorkspace(0), RUNTIME_CLASS(ShellSTreeItem));
    projectWnd.AddProjectView(&projectWnd.trees[1], WS_CHILD | WS_VISIBLE, 1, 1002, 502, "Loads",
                              manager->GetWorkspace(1), RUNTIME_CLASS(ShellSTreeItem));
    if (!projectWnd.Create(this, "Project", WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, 0xE801)) return -1;
    if (!outputWnd.Create(this, "Output", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 0, 0xE802)) return -1;
    return 0;
}

void ShellFixture::SetUp() {
    ProjectFixture::SetUp();
    CResources& r = CResources::Instance();
    r.AddString(kMainFrameId, "Strakon");
    r.AddString(kViewId, "\nGeometry\nGeometry\n\n\n\n");
    r.AddMenu(
        kMainFrameId,
        {MenuPopup("&File",
                   {MenuItem("&New", ID_FILE_NEW), MenuItem("&Open...", ID_FILE_OPEN),
                    MenuItem("&Save", ID_FILE_SAVE), MenuSeparator(), MenuItem("&Close", ID_FILE_CLOSE)}),
         MenuPopup(
             "&Window",
             {MenuItem("&New Window", ID_WINDOW_NEW), MenuItem("&Cascade", ID_WINDOW_CASCADE),
              MenuItem("Tile &Horizontally", ID_WINDOW_TILE_HORZ),
              MenuItem("Tile &Vertically", ID_WINDOW_TILE_VERT), MenuItem("C&lose Window", ID_WINDOW_CLOSE),
              MenuItem("Close &All Windows", ID_WINDOW_CLOSEALL), MenuItem("Ne&xt Window", ID_WINDOW_NEXT),
              MenuItem("&Previous Window", ID_WINDOW_PREVIOUS), MenuSeparator(),
              MenuItem("&More Windows...", ID_WINDOW_MOREWINDOWS)})});
    r.AddAccelerators(kMainFrameId,
                      {{FVIRTKEY | FCONTROL, 'N', static_cast<WORD>(ID_FILE_NEW)},
                       {FVIRTKEY | FCONTROL, 'O', static_cast<WORD>(ID_FILE_OPEN)},
                       {FVIRTKEY | FSHIFT, VK_INSERT, static_cast<WORD>(ID_FILE_NEW)},
                       {FVIRTKEY | FALT | FCONTROL, VK_DELETE, static_cast<WORD>(ID_FILE_CLOSE)}});
    // The tabs' pictures: a blue and a red square.
    for (auto [id, colour] : {std::pair<UINT, Qt::GlobalColor>{501, Qt::blue}, {502, Qt::red}})
        r.AddBitmap(id, [colour](const QSize& size) {
            QImage image(size.isValid() ? size : QSize(16, 16), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.fillRect(image.rect().adjusted(2, 2, -2, -2), colour);
            return image;
        });
    // The trees' pictures: project, structure and window items.
    r.AddBitmap(503, [](const QSize& size) {
        QImage image(size.isValid() ? size : QSize(48, 16), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const int w = image.width() / 3;
        const Qt::GlobalColor colours[] = {Qt::darkYellow, Qt::darkGreen, Qt::darkCyan};
        for (int i = 0; i < 3; ++i)
            painter.fillRect(i * w + 2, 2, w - 4, image.height() - 4, colours[i]);
        return image;
    });
    app.m_pWorkspaceManager = &manager;
    viewTemplate = new CMultiDocTemplate(kViewId, RUNTIME_CLASS(TestStructure),
                                         RUNTIME_CLASS(ShellChildFrame), RUNTIME_CLASS(ShellView));
    app.AddDocTemplate(viewTemplate);
    frame = new ShellMainFrame;
    ASSERT_TRUE(frame->LoadFrame(kMainFrameId));
    app.m_pMainWnd = frame;
    frame->MoveWindow(0, 0, 1000, 700);
    frame->ShowWindow(SW_SHOW);
}

void ShellFixture::TearDown() {
    if (app.m_pMainWnd) app.m_pMainWnd->DestroyWindow();
    app.m_pMainWnd = nullptr;
    ProcessEvents();
    ProjectFixture::TearDown();
    app.m_pWorkspaceManager = nullptr;
}

ShellChildFrame* ShellFixture::openWindow(ABaseStructureDoc* doc, ABaseProjectTIWin* item) {
    auto* child = static_cast<ShellChildFrame*>(viewTemplate->CreateNewFrame(doc, nullptr));
    if (!child) return nullptr;
    if (item) child->SetGuiTIWinObject(item);
    viewTemplate->InitialUpdateFrame(child, doc, TRUE);
    return child;
}

std::vector<std::string> ShellFixture::visibleTitles() const {
    std::vector<std::string> titles;
    for (CMDIChildWnd* child : frame->GetMDIChildren())
        if (child->IsWindowVisible() && child->IsWindowEnabled()) titles.push_back(child->GetWindowText());
    return titles;
}
