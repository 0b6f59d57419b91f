#pragma once
// The MDI child frame in which the structure windows open.
#include "framework/ABaseMDIChildWnd.h"

class CChildFrame : public ABaseMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame();
    ~CChildFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    DECLARE_MESSAGE_MAP()
};
