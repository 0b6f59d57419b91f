#pragma once
// The MDI child frame of the load-combinations window, with its own docked
// toolbar ("LCToolBar"): add and remove load cases and actions.
#include "framework/ABaseMDIChildWnd.h"
#include "platform/ui/CControlBar.h"

class ALoadCombinationsFrame : public ABaseMDIChildWnd {
    DECLARE_DYNCREATE(ALoadCombinationsFrame)
public:
    ALoadCombinationsFrame();
    ~ALoadCombinationsFrame() override;

    CToolBar& GetToolBar() { return m_toolBar; }

protected:
    // The sub-window holds a main window, so that the toolbar docks inside the child.
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    CToolBar m_toolBar;
};
