#include "app/shell/CChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, ABaseMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, ABaseMDIChildWnd)
END_MESSAGE_MAP()

CChildFrame::CChildFrame() = default;

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
    return ABaseMDIChildWnd::PreCreateWindow(cs);
}
