#pragma once
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"

// The drawing extents of the structure. The caller rejects a top extent larger than the bottom one.
class AExtents2DDlg : public ABaseDialog {
public:
    enum { IDD = 160 };
    explicit AExtents2DDlg(CWnd* pParent = nullptr);
    ~AExtents2DDlg() override;

    omUnitValue m_left{omUK_m};
    omUnitValue m_right{omUK_m};
    omUnitValue m_top{omUK_m};
    omUnitValue m_bottom{omUK_m};

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AUnitGroupManager m_units;
};
