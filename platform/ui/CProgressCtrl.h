#pragma once
// A progress bar control (QProgressBar), as the status bar's panes and dialogs hold it.
#include "platform/ui/CWnd.h"

class QProgressBar;

// A progress bar control; PBS_SMOOTH draws it without segments.
class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl();
    ~CProgressCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    // Each returns the previous value.
    int SetPos(int nPos);
    int GetPos() const;
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    // Advances by the step; past the upper end the bar starts again at the lower one.
    int StepIt();

    QProgressBar* GetProgressBarWidget() const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    int m_nStep = 10;
};
