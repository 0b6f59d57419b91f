#pragma once
// The docking output window's base: one child window that the derived output
// window fills with its panes, kept filling the bar's inside.
#include "platform/ui/CControlBar.h"

class ABaseOutputWnd : public SECControlBar {
    DECLARE_DYNCREATE(ABaseOutputWnd)
public:
    ABaseOutputWnd();
    ~ABaseOutputWnd() override;

    // Empties the output; the base has nothing to empty.
    virtual void ClearOutput();

    // Makes pChild (a window created in GetClientWidget) fill the bar's
    // inside from now on. Not owned: a window lives and dies with its widget.
    void SetChild(CWnd* pChild);
    CWnd* GetChild() const { return m_pChild; }

protected:
    CWnd* m_pChild = nullptr;
};

// Lets child fill the inside of bar whatever size the bar takes.
void AfxFillControlBar(CControlBar* bar, QWidget* child);
