#include "app/dialogs/ASteelMaterialPage.h"

#include "app/design/omGradeRecord.h"
#include "app/dialogs/AMaterialPages.h"
#include "app/shell/APath.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "model/omMaterial.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonEditorIds.h"

IMPLEMENT_DYNCREATE(ASteelMaterialPage, ANameColorPage)

BEGIN_MESSAGE_MAP(ASteelMaterialPage, ANameColorPage)
ON_CBN_SELCHANGE(IDC_STEEL_CODE, &ASteelMaterialPage::OnCodeChanged)
ON_CBN_SELCHANGE(IDC_STEEL_GRADE, &ASteelMaterialPage::OnGradeChanged)
END_MESSAGE_MAP()

ASteelMaterialPage::ASteelMaterialPage()
    : ANameColorPage(IDD_STEEL_MATERIAL),
      m_pDatabase(std::make_unique<omAsciiDB<omSteelRecord>>(
          APath::Instance()->ParentPath("Common\\DB\\Steel.db").c_str())) {
    m_pRequiredModulus = &m_values.E;
    m_nRequiredModulusId = IDC_STEEL_E;
    const AUnitKeyAttributes& u = *AUnitKeyAttributes::Instance();
    m_fu.Set(u.pressure);
    m_fy.Set(u.pressure);
}

ASteelMaterialPage::~ASteelMaterialPage() = default;

void ASteelMaterialPage::DoDataExchange(CDataExchange* pDX) {
    ANameColorPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STEEL_GRADE, m_grade);
    DDX_Control(pDX, IDC_STEEL_CODE, m_code);
    DDX_Text(pDX, IDC_STEEL_POISSON, m_values.poisson);
    DDV_MinMaxDouble(pDX, m_values.poisson, 0.0, 0.5);
    const int digits = AEditorDigits();
    DDX_UnitEdit(pDX, IDC_STEEL_E, m_values.E, 1, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_STEEL_G, m_values.G, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_STEEL_FU, m_fu, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_STEEL_FY, m_fy, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_STEEL_DENSITY, m_values.density, 0, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_STEEL_EXPANSION, m_values.expansion, 0, digits, &m_units, true);
}

BOOL ASteelMaterialPage::OnInitDialog() {
    ANameColorPage::OnInitDialog();
    for (const std::string& code : m_pDatabase->getGroupNames())
        m_code.AddString(code.c_str());
    return TRUE;
}

void ASteelMaterialPage::OnCodeChanged() {
    m_grade.ResetContent();
    const int index = m_code.GetCurSel();
    if (index < 0) return;
    CString code;
    m_code.GetLBText(index, code);
    for (const omSteelRecord* record : m_pDatabase->getRecords(code))
        m_grade.AddString(record->name().c_str());
}

void ASteelMaterialPage::OnGradeChanged() {
    const int index = m_grade.GetCurSel();
    if (index < 0) return;
    CString grade;
    m_grade.GetLBText(index, grade);
    const omSteelRecord* record = m_pDatabase->findFirstRecord(grade, omGradeRecord::fName);
    if (!record) return;
    m_values.TakeGrade(*record);
    m_fy.Set(record->number(omSteelRecord::fFy), omUK_kN_cm2);
    m_fu.Set(record->number(omSteelRecord::fFu), omUK_kN_cm2);
    AToUserStress(m_fy);
    AToUserStress(m_fu);
    m_strName = grade;
    UpdateData(FALSE);
}

void ASteelMaterialPage::UpdateMaterial(omSteel* material, bool save) {
    if (!material) return;
    m_values.Exchange(*material, save, m_strName, m_color, NameToSave());
    if (save) {
        material->setFu(m_fu);
        material->setFy(m_fy);
    } else {
        m_fy = material->fy();
        m_fu = material->fu();
    }
}
