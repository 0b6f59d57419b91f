#pragma once
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"

// The coefficient of subgrade reaction and the side of the elastic ground of linear members.
class AElasticGroundDlg : public ABaseDialog {
public:
    enum { IDD = 132 };
    explicit AElasticGroundDlg(CWnd* pParent = nullptr);
    ~AElasticGroundDlg() override;

    void SetGround(const omUnitValue& coefficient, int side);
    // Copies both fields out; false when no side was chosen, which asks for no
    // change of the ground at all.
    bool GetGround(omUnitValue& coefficient, int& side) const;

    // -1 none chosen, 0 no ground support, 1 both sides, 2 positive side, 3 negative side.
    int m_nSide = -1;
    omUnitValue m_coefficient{omUK_kN_cm3};

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AUnitGroupManager m_units;
};
