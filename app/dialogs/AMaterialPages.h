#pragma once
// The pages of the materials sheet, one per material class: the generic
// material, concrete (grades from "Common\DB\Concrete.db") and reinforcement
// steel. Each page loads its fields from a material and saves them into one
// (Exchange); the steel page is ASteelMaterialPage.
#include "app/dialogs/AMaterialValues.h"
#include "app/dialogs/ANameColorPage.h"
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"

#include <memory>

class omConcreteRecord;
class omMaterial;
class omConcrete;
class omRCSteel;
template <class R> class omAsciiDB;

class AGenericMaterialPage : public ANameColorPage {
    DECLARE_DYNCREATE(AGenericMaterialPage)
public:
    AGenericMaterialPage();
    ~AGenericMaterialPage() override;

    void Exchange(omMaterial* material, bool save);

    AMaterialValues m_values{0.2};

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AUnitGroupManager m_units;
};

class AConcretePage : public ANameColorPage {
    DECLARE_DYNCREATE(AConcretePage)
public:
    AConcretePage();
    ~AConcretePage() override;

    BOOL OnInitDialog() override;
    void Exchange(omConcrete* material, bool save);

    AMaterialValues m_values{0.0};
    omUnitValue m_fck, m_fctm;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCodeChanged();
    void OnGradeChanged();
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<omAsciiDB<omConcreteRecord>> m_pDatabase;
    CComboBox m_code, m_grade;
    AUnitGroupManager m_units;
};

class ARCSteelPage : public ANameColorPage {
    DECLARE_DYNCREATE(ARCSteelPage)
public:
    ARCSteelPage();
    ~ARCSteelPage() override;

    void Exchange(omRCSteel* material, bool save);

    int m_nClass = 0;
    omUnitValue m_fy, m_E, m_density, m_expansion;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AUnitGroupManager m_units;
};
