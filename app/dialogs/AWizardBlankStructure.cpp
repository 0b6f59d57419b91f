#include "app/dialogs/AWizardBlankStructure.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "controls/AUnitRange.h"
#include "platform/ui/CDataExchange.h"

IMPLEMENT_DYNCREATE(AWizPageBasicInfo, AWizardPage)
IMPLEMENT_DYNCREATE(AWizPageStructureInfo, AWizardPage)
IMPLEMENT_DYNCREATE(AWizPageProjectInfo, AWizardPage)
IMPLEMENT_DYNAMIC(AWizardBlankStructure, AWizard)

namespace {

// Each page shows its picture (help on its controls comes with the page base).
void ShowPicture(AEnhMetaFilePicture& picture, UINT metafile) {
    AEnhMetaFilePicture::DeleteEnhMetaFile(
        picture.SetEnhMetaFile(AEnhMetaFilePicture::ReadMetaFile(metafile, "METAFILE")));
}

} // namespace

// --- basic information -------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(AWizPageBasicInfo, AWizardPage)
ON_BN_CLICKED(1465, &AWizPageBasicInfo::OnUnitType)
ON_BN_CLICKED(1466, &AWizPageBasicInfo::OnUnitType)
END_MESSAGE_MAP()

namespace {

// The user's length unit when it is one of the unit system's, else the system's metre or foot.
omUnitKey SystemLength(bool imperial) {
    const omUnitKey user = AUnitKeyAttributes::Instance()->length;
    const omUnit* unit = omUnitValue(user).GetUnit();
    const omUnit::System wanted = imperial ? omUnit::System::imperial : omUnit::System::metric;
    if (unit && unit->GetGroup() && unit->GetSystem() == wanted) return user;
    return imperial ? omUK_ft : omUK_m;
}

} // namespace

AWizPageBasicInfo::AWizPageBasicInfo() : AWizardPage(IDD) {
    const omUnitKey key = SystemLength(AOptionsAttributes::Instance()->gridUnitType > 0);
    m_height = omUnitValue(0.0, key);
    m_width = omUnitValue(0.0, key);
}

AWizPageBasicInfo::~AWizPageBasicInfo() = default;

omUnitKey AWizPageBasicInfo::LengthKey() const {
    return SystemLength(m_nUnitType == 1);
}

void AWizPageBasicInfo::DoDataExchange(CDataExchange* pDX) {
    AWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1580, m_picture);
    DDX_Radio(pDX, 1465, m_nUnitType);
    const int digits = static_cast<int>(AOptionsAttributes::Instance()->workFormat.getDigits());
    // A size is never negative; 0 leaves the extents to the first drawing.
    double high = 0.0;
    DDX_UnitEdit(pDX, 1044, m_height, 0, digits, &m_units, false);
    AUnitValueInRange(m_height, nullptr, &high);
    DDV_MinMaxDouble(pDX, m_height.GetValue(), 0.0, high);
    DDX_UnitEdit(pDX, 1045, m_width, 0, digits, &m_units, true);
    AUnitValueInRange(m_width, nullptr, &high);
    DDV_MinMaxDouble(pDX, m_width.GetValue(), 0.0, high);
}

BOOL AWizPageBasicInfo::OnInitDialog() {
    AWizardPage::OnInitDialog();
    ShowPicture(m_picture, 209);
    return TRUE;
}

void AWizPageBasicInfo::OnUnitType() {
    if (!UpdateData(TRUE)) return;
    m_height.ConvertTo(LengthKey());
    m_width.ConvertTo(LengthKey());
    UpdateData(FALSE);
}

void AWizPageBasicInfo::ApplyToDocument(AStrakonDocument& document) const {
    const omUnitKey key = LengthKey();
    AExtents2D& extents = document.GetExtents();
    omUnitValue height = m_height;
    height.ConvertTo(key);
    // The Z axis points down: the structure reaches up to negative z.
    extents.left = omUnitValue(0.0, key);
    extents.right = m_width;
    extents.top = omUnitValue(-height.GetValue(), key);
    extents.bottom = omUnitValue(0.0, key);

    AOptionsAttributes* options = AOptionsAttributes::Instance();
    if (m_nUnitType == 1) {
        options->gridUnitMajor = omUK_ft;
        options->gridUnitMinor = omUK_in;
        options->gridSizeMajor = 1.0;
        options->gridSizeMinor = 3.0;
    } else {
        options->gridUnitMajor = omUK_m;
        options->gridUnitMinor = omUK_cm;
        options->gridSizeMajor = 1.0;
        options->gridSizeMinor = 10.0;
    }
    options->gridUnitType = static_cast<std::uint32_t>(m_nUnitType);
    options->showGridMajor = true;
    options->showGridMinor = true;
}

// --- structure information ---------------------------------------------------------------------------

AWizPageStructureInfo::AWizPageStructureInfo() : AWizardPage(IDD) {
    m_strAuthor = AOptionsAttributes::Instance()->author;
}

AWizPageStructureInfo::~AWizPageStructureInfo() = default;

void AWizPageStructureInfo::DoDataExchange(CDataExchange* pDX) {
    AWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1358, m_picture);
    DDX_Text(pDX, 1048, m_strAuthor);
    DDX_Text(pDX, 1050, m_strComment);
    DDX_Text(pDX, 1047, m_strInvestor);
    DDX_Text(pDX, 1049, m_strKeywords);
    DDX_Text(pDX, 1046, m_strProject);
    DDX_Text(pDX, 1045, m_strSubtitle);
    DDX_Text(pDX, 1044, m_strTitle);
}

BOOL AWizPageStructureInfo::OnInitDialog() {
    AWizardPage::OnInitDialog();
    ShowPicture(m_picture, 211);
    return TRUE;
}

void AWizPageStructureInfo::ApplyToDocument(AStrakonDocument& document) const {
    ADocAttributes& texts = document.GetDocAttributes();
    texts.author = m_strAuthor;
    texts.project = m_strProject;
    texts.keywords = m_strKeywords;
    texts.title = m_strTitle;
    texts.subtitle = m_strSubtitle;
    texts.investor = m_strInvestor;
    texts.comment = m_strComment;
}

// --- project information -----------------------------------------------------------------------------

AWizPageProjectInfo::AWizPageProjectInfo() : AWizardPage(IDD) {}

AWizPageProjectInfo::~AWizPageProjectInfo() = default;

void AWizPageProjectInfo::DoDataExchange(CDataExchange* pDX) {
    AWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1580, m_picture);
}

BOOL AWizPageProjectInfo::OnInitDialog() {
    AWizardPage::OnInitDialog();
    ShowPicture(m_picture, 210);
    return TRUE;
}

// --- the wizard --------------------------------------------------------------------------------------

AWizardBlankStructure::AWizardBlankStructure(const CString& location, CWnd* pParentWnd)
    : AWizard("", pParentWnd), m_strLocation(location) {
    AddPage(&m_basicInfo);
    AddPage(&m_structureInfo);
}

AWizardBlankStructure::~AWizardBlankStructure() = default;

BOOL AWizardBlankStructure::OnWizardFinish() {
    CString information;
    m_basicInfo.GetInformation(information);
    m_structureInfo.GetInformation(information);
    return AWizard::OnWizardFinish();
}

void AWizardBlankStructure::ApplyToDocument(AStrakonDocument& document) {
    m_basicInfo.ApplyToDocument(document);
    m_structureInfo.ApplyToDocument(document);
}
