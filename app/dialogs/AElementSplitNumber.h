#pragma once
#include "framework/ABaseDialog.h"
#include "platform/ui/CDialogControls.h"

// Into how many parts (2 to 100) a member is split.
class AElementSplitNumber : public ABaseDialog {
public:
    enum { IDD = 151 };
    explicit AElementSplitNumber(CWnd* pParent = nullptr);
    ~AElementSplitNumber() override;

    BOOL OnInitDialog() override;

    CSpinButtonCtrl m_spin;
    UINT m_nNumber = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
