#pragma once
// The widths of a member's supports that its design may cut the bending
// moment at: switched off (the conservative choice) or on with a width at
// either end.
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"

class ADesignSupportWidthDlg : public ABaseDialog {
public:
    enum { IDD = 288 };
    explicit ADesignSupportWidthDlg(CWnd* pParent = nullptr);
    ~ADesignSupportWidthDlg() override;

    BOOL OnInitDialog() override;

    // 0 "Disable support width effects (conservative approach)", 1 "Enable support width effects".
    int m_nRadio = 0;
    omUnitValue m_left{0.0, omUK_cm};
    omUnitValue m_right{0.0, omUK_cm};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnRadio();
    DECLARE_MESSAGE_MAP()

private:
    void EnableEdits();
    AUnitGroupManager m_units;
};
