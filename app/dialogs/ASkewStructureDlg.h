#pragma once
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"

// the denominator n of 1/n, with the centre it turns about.
class ASkewStructureDlg : public ABaseDialog {
public:
    enum { IDD = 133 };
    explicit ASkewStructureDlg(CWnd* pParent = nullptr);
    ~ASkewStructureDlg() override;

    double m_vertical = 0.0;
    double m_horizontal = 0.0;
    omUnitValue m_xCenter{omUK_m};
    omUnitValue m_zCenter{omUK_m};

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AUnitGroupManager m_units;
};
