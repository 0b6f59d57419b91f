#include "app/dialogs/AMaterialPages.h"

#include "app/design/omConcrete.h"
#include "app/design/omGradeRecord.h"
#include "app/design/omRCSteel.h"
#include "app/shell/APath.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonEditorIds.h"

// --- generic material ---------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AGenericMaterialPage, ANameColorPage)

AGenericMaterialPage::AGenericMaterialPage() : ANameColorPage(IDD_GENERIC_MATERIAL) {
    m_pRequiredModulus = &m_values.E;
    m_nRequiredModulusId = IDC_GM_E;
}

AGenericMaterialPage::~AGenericMaterialPage() = default;

void AGenericMaterialPage::DoDataExchange(CDataExchange* pDX) {
    ANameColorPage::DoDataExchange(pDX);
    const int digits = AEditorDigits();
    DDX_UnitEdit(pDX, IDC_GM_E, m_values.E, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_GM_G, m_values.G, 1, digits, &m_units, false);
    DDX_Text(pDX, IDC_GM_POISSON, m_values.poisson);
    DDV_MinMaxDouble(pDX, m_values.poisson, 0.0, 0.5);
    DDX_UnitEdit(pDX, IDC_GM_DENSITY, m_values.density, 0, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_GM_EXPANSION, m_values.expansion, 0, digits, &m_units, false);
}

void AGenericMaterialPage::Exchange(omMaterial* material, bool save) {
    if (material) m_values.Exchange(*material, save, m_strName, m_color, NameToSave());
}

// --- concrete -----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AConcretePage, ANameColorPage)

BEGIN_MESSAGE_MAP(AConcretePage, ANameColorPage)
ON_CBN_SELCHANGE(IDC_CONCRETE_CODE, &AConcretePage::OnCodeChanged)
ON_CBN_SELCHANGE(IDC_CONCRETE_GRADE, &AConcretePage::OnGradeChanged)
END_MESSAGE_MAP()

AConcretePage::AConcretePage()
    : ANameColorPage(IDD_CONCRETE_MATERIAL),
      m_pDatabase(std::make_unique<omAsciiDB<omConcreteRecord>>(
          APath::Instance()->ParentPath("Common\\DB\\Concrete.db").c_str())) {
    m_pRequiredModulus = &m_values.E;
    m_nRequiredModulusId = IDC_CONCRETE_E;
    const AUnitKeyAttributes& u = *AUnitKeyAttributes::Instance();
    m_fck.Set(u.pressure);
    m_fctm.Set(u.pressure);
}

AConcretePage::~AConcretePage() = default;

void AConcretePage::DoDataExchange(CDataExchange* pDX) {
    ANameColorPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONCRETE_CODE, m_code);
    DDX_Control(pDX, IDC_CONCRETE_GRADE, m_grade);
    const int digits = AEditorDigits();
    DDX_Text(pDX, IDC_CONCRETE_POISSON, m_values.poisson);
    DDV_MinMaxDouble(pDX, m_values.poisson, 0.0, 0.5);
    DDX_UnitEdit(pDX, IDC_CONCRETE_E, m_values.E, 1, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_CONCRETE_G, m_values.G, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CONCRETE_FCK, m_fck, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CONCRETE_FCTM, m_fctm, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CONCRETE_DENSITY, m_values.density, 0, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_CONCRETE_EXPANSION, m_values.expansion, 0, digits, &m_units, true);
}

BOOL AConcretePage::OnInitDialog() {
    ANameColorPage::OnInitDialog();
    for (const std::string& code : m_pDatabase->getGroupNames())
        m_code.AddString(code.c_str());
    return TRUE;
}

void AConcretePage::OnCodeChanged() {
    m_grade.ResetContent();
    const int index = m_code.GetCurSel();
    if (index < 0) return;
    CString code;
    m_code.GetLBText(index, code);
    for (const omConcreteRecord* record : m_pDatabase->getRecords(code))
        m_grade.AddString(record->name().c_str());
}

void AConcretePage::OnGradeChanged() {
    const int index = m_grade.GetCurSel();
    if (index < 0) return;
    CString grade;
    m_grade.GetLBText(index, grade);
    const omConcreteRecord* record = m_pDatabase->findFirstRecord(grade, omGradeRecord::fName);
    // A grade that its group does not hold changes nothing.
    if (!record) return;
    m_values.TakeGrade(*record);
    m_fck.Set(record->number(omConcreteRecord::fFck), omUK_N_mm2);
    m_fctm.Set(record->number(omConcreteRecord::fFctm), omUK_N_mm2);
    AToUserStress(m_fck);
    AToUserStress(m_fctm);
    m_strName = grade;
    UpdateData(FALSE);
}

void AConcretePage::Exchange(omConcrete* material, bool save) {
    if (!material) return;
    m_values.Exchange(*material, save, m_strName, m_color, NameToSave());
    if (save) {
        material->setFck(m_fck);
        material->setFct(m_fctm);
    } else {
        m_fck = material->fck();
        m_fctm = material->fct();
    }
}

// --- reinforcement steel ------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ARCSteelPage, ANameColorPage)

ARCSteelPage::ARCSteelPage() : ANameColorPage(IDD_RCSTEEL_MATERIAL) {
    const omRCSteel defaults;
    m_E = defaults.E(0.0);
    m_fy = defaults.fyk();
    m_density = defaults.ro();
    m_expansion = defaults.alfaT();
    m_nClass = 0;
}

ARCSteelPage::~ARCSteelPage() = default;

void ARCSteelPage::DoDataExchange(CDataExchange* pDX) {
    ANameColorPage::DoDataExchange(pDX);
    const int digits = AEditorDigits();
    DDX_Radio(pDX, IDC_RCSTEEL_CLASS_A, m_nClass);
    DDX_UnitEdit(pDX, IDC_RCSTEEL_FY, m_fy, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_RCSTEEL_E, m_E, 1, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_RCSTEEL_DENSITY, m_density, 0, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_RCSTEEL_EXPANSION, m_expansion, 0, digits, &m_units, true);
}

void ARCSteelPage::Exchange(omRCSteel* material, bool save) {
    if (!material) return;
    if (save) {
        material->setName(NameToSave());
        material->setColor(m_color);
        material->setFyk(m_fy);
        material->setClass(m_nClass);
        return;
    }
    m_E = material->E(0.0);
    m_density = material->ro();
    m_expansion = material->alfaT();
    m_fy = material->fyk();
    m_nClass = material->getClass();
    m_strName = material->name();
    m_color = material->color();
}
