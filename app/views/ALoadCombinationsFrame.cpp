#include "app/views/ALoadCombinationsFrame.h"

#include "resources/ui/StrakonLoadIds.h"

#include <QMainWindow>
#include <QMdiSubWindow>

IMPLEMENT_DYNCREATE(ALoadCombinationsFrame, ABaseMDIChildWnd)

ALoadCombinationsFrame::ALoadCombinationsFrame() = default;
ALoadCombinationsFrame::~ALoadCombinationsFrame() = default;

QWidget* ALoadCombinationsFrame::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* sub = qobject_cast<QMdiSubWindow*>(ABaseMDIChildWnd::CreateWidget(cs, parentWidget));
    if (!sub) return sub;
    QWidget* client = sub->widget();
    auto* inner = new QMainWindow;
    sub->setWidget(inner);
    inner->setCentralWidget(client);
    return sub;
}

BOOL ALoadCombinationsFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    if (!ABaseMDIChildWnd::OnCreateClient(lpcs, pContext)) return FALSE;
    if (!m_toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY) ||
        !m_toolBar.LoadToolBar(IDR_LOADCOMBINATIONS_TOOLBAR))
        return FALSE;
    m_toolBar.SetWindowText("LCToolBar");
    m_toolBar.EnableDocking(CBRS_ALIGN_TOP);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);
    return TRUE;
}
