#pragma once
// The steel page of the materials sheet: grades by design code from
// "Common\DB\Steel.db", the elastic constants and the strengths fy and fu.
#include "app/dialogs/AMaterialValues.h"
#include "app/dialogs/ANameColorPage.h"
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"

#include <memory>

class omSteel;
class omSteelRecord;
template <class R> class omAsciiDB;

class ASteelMaterialPage : public ANameColorPage {
    DECLARE_DYNCREATE(ASteelMaterialPage)
public:
    ASteelMaterialPage();
    ~ASteelMaterialPage() override;

    BOOL OnInitDialog() override;
    void UpdateMaterial(omSteel* material, bool save);

    AMaterialValues m_values{0.3};
    omUnitValue m_fu, m_fy;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCodeChanged();
    void OnGradeChanged();
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<omAsciiDB<omSteelRecord>> m_pDatabase;
    CComboBox m_code, m_grade;
    AUnitGroupManager m_units;
};
