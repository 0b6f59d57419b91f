#pragma once
// The values of a new prescribed displacement of a supported node, always in
// the world system: only the supported directions can be edited.
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"
#include "model/omLoad.h"

class omNode;

class ADisplacementDlg : public ABaseDialog {
public:
    enum { IDD = 198 };
    explicit ADisplacementDlg(CWnd* pParent = nullptr);
    ~ADisplacementDlg() override;

    // node: not owned; it must outlive the dialog.
    void SetLoad(const omLoadDisplacement& load, const omNode* node);
    // Writes Ux, Uz, Fiy and the name back; false when all three are zero.
    bool GetLoad(omLoadDisplacement& load);

    CString m_name;
    omLoadDisplacement m_load;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AUnitGroupManager m_units;
    const omNode* m_pNode = nullptr;
};
