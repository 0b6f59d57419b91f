#pragma once
// The design data of one steel member: its supports and buckling lengths about
// the strong and the weak axis and against lateral-torsional buckling (each
// edited in ASteelDesignSuppDlg and shown as a chart), the position of the load
// relative to the shear centre and the distance of shear stiffeners. The
// dialog works on its own copy of the data; the caller reads it after OK.
#include "app/design/AChartFrame.h"
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"
#include "model/omSteelDesignData.h"
#include "platform/core/CString.h"

class ASteelDesignDataDlg : public ABaseDialog {
public:
    enum { IDD = 282 };
    enum Direction { directionYY = 0, directionZZ = 1, directionLT = 2 };

    explicit ASteelDesignDataDlg(CWnd* pParent = nullptr);
    ~ASteelDesignDataDlg() override;

    void SetData(const omSteelDesignData* pData);
    const omSteelDesignData& GetData() const { return m_data; }
    // Every error of the data, empty when none.
    static CString Validate(const omSteelDesignData& data);

    BOOL OnInitDialog() override;
    // The support chart of one direction.
    void DrawSupportChart(CDC* pDC, const CSize& size, int direction);

    int m_nLoadPosition = 0; // 0 negative, 1 indifferent, 2 positive
    int m_nStiffeners = 0;   // 0 none, 1 at a distance
    omUnitValue m_stiffenerDistance{0.0, omUK_cm};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnStiffeners();
    void OnSupportYY() { EditSupport(directionYY); }
    void OnSupportZZ() { EditSupport(directionZZ); }
    void OnSupportLT() { EditSupport(directionLT); }
    DECLARE_MESSAGE_MAP()

private:
    void EditSupport(int direction);
    omElementSupport& SupportOf(int direction);

    omSteelDesignData m_data;
    AUnitGroupManager m_units;
    AChartFrame m_charts[3];
};
