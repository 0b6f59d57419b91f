#include "app/dialogs/ATemperatureLoadDlg.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "model/omDofStructureType.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonLoadIds.h"

namespace {
// Temperatures show eight digits whatever the options say.
constexpr int kDigits = 8;
constexpr int kNegative = 0;
constexpr int kPositive = 1;
constexpr int kZ = 1;
} // namespace

ATemperatureLoadDlg::ATemperatureLoadDlg(CWnd* pParent)
    : ABaseDialog(IDD, pParent), m_load(omDofStrakonStructureType::instance(), 0) {}

ATemperatureLoadDlg::~ATemperatureLoadDlg() = default;

void ATemperatureLoadDlg::SetLoad(const omLoadTemperature& load) {
    m_load = load;
    m_load.convert(AUnitKeyAttributes::Instance()->tempDifference);
    m_name = load.getName();
}

bool ATemperatureLoadDlg::GetLoad(omLoadTemperature& load) {
    const std::string name = m_name;
    load = m_load;
    load.setName(name);
    return m_load.getT(kPositive, kZ).GetValue() != 0.0 || m_load.getT(kNegative, kZ).GetValue() != 0.0;
}

BOOL ATemperatureLoadDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    AEnhMetaFilePicture::DeleteEnhMetaFile(
        m_picture.SetEnhMetaFile(AEnhMetaFilePicture::ReadMetaFile(IDM_TEMPERATURE_LOAD, "METAFILE")));
    return TRUE;
}

void ATemperatureLoadDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPERATURE_PICTURE, m_picture);
    DDX_UnitEdit(pDX, IDC_TEMPERATURE_NEG, m_load.getT(kNegative, kZ), 1, kDigits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_TEMPERATURE_POS, m_load.getT(kPositive, kZ), 1, kDigits, &m_units, false);
    DDX_Text(pDX, IDC_TEMPERATURE_NAME, m_name);
}
