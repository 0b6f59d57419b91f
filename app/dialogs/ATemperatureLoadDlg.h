#pragma once
// The temperatures of the negative (-z) and the positive (+z) face of a member
// and the load's name.
#include "controls/AEnhMetaFilePicture.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"
#include "model/omLoad.h"

class ATemperatureLoadDlg : public ABaseDialog {
public:
    enum { IDD = 159 };
    explicit ATemperatureLoadDlg(CWnd* pParent = nullptr);
    ~ATemperatureLoadDlg() override;

    void SetLoad(const omLoadTemperature& load);
    // Writes the values back; false when both face temperatures are zero.
    bool GetLoad(omLoadTemperature& load);
    DWORD GetDialogID() override { return IDD; }

    AEnhMetaFilePicture m_picture;
    CString m_name;
    omLoadTemperature m_load;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AUnitGroupManager m_units;
};
