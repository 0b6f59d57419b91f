#pragma once
// The values of a new concentrated force and moment, on a node or at a point of
// a member: the three components in the user's units, the load's name, the
// coordinate system and, on a member, the position as a fraction and as a length.
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"
#include "model/omLoad.h"

class AConcentratedForceDlg : public ABaseDialog {
public:
    enum { IDD = 158 };
    explicit AConcentratedForceDlg(CWnd* pParent = nullptr);
    ~AConcentratedForceDlg() override;

    // length: the member's length in cm (1.0 on a node).
    void SetLoad(const omLoadForce& load, bool onMember, double length);
    // Writes the values back; on a node the load keeps its system. False when
    // all three components are zero.
    bool GetLoad(omLoadForce& load);

    CSpinButtonCtrl m_spin;
    CString m_name;
    int m_system = -1;
    double m_relative = 0.0;
    omLoadForce m_load;
    omUnitValue m_absolute{omUK_cm};

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnRelativeKillFocus();
    void OnAbsoluteKillFocus();
    DECLARE_MESSAGE_MAP()

private:
    AUnitGroupManager m_units;
    double m_length = 1.0;
    bool m_onMember = false;
};
