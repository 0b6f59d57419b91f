#include "app/dialogs/ALinearLoadDlg.h"

#include "app/dialogs/ALoadPosition.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "model/omDofStructureType.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonLoadIds.h"

namespace {

constexpr omDofType kComponents[] = {Ux, Uz, Ry};
// Positions closer than this count as equal when the shortest part is checked.
constexpr double kTolerance = 1e-9;

int Digits() {
    return static_cast<int>(AOptionsAttributes::Instance()->workFormat.getDigits());
}

} // namespace

BEGIN_MESSAGE_MAP(ALinearLoadDlg, ABaseDialog)
ON_BN_CLICKED(IDC_LINEAR_DIRECTION_WORLD, &ALinearLoadDlg::OnSystemClicked)
ON_BN_CLICKED(IDC_LINEAR_DIRECTION_LOCAL, &ALinearLoadDlg::OnSystemClicked)
ON_BN_CLICKED(IDC_LINEAR_POSITION_WORLD, &ALinearLoadDlg::OnSystemClicked)
ON_BN_CLICKED(IDC_LINEAR_POSITION_LOCAL, &ALinearLoadDlg::OnSystemClicked)
ON_BN_CLICKED(IDC_LINEAR_UNIFORM, &ALinearLoadDlg::OnUniform)
ON_BN_CLICKED(IDC_LINEAR_LINEAR, &ALinearLoadDlg::OnLinear)
ON_EN_KILLFOCUS(IDC_LINEAR_FX_START, &ALinearLoadDlg::OnStartComponentKillFocus)
ON_EN_KILLFOCUS(IDC_LINEAR_FZ_START, &ALinearLoadDlg::OnStartComponentKillFocus)
ON_EN_KILLFOCUS(IDC_LINEAR_MY_START, &ALinearLoadDlg::OnStartComponentKillFocus)
ON_EN_KILLFOCUS(IDC_LINEAR_START, &ALinearLoadDlg::OnRelativeKillFocus)
ON_EN_KILLFOCUS(IDC_LINEAR_END, &ALinearLoadDlg::OnRelativeKillFocus)
ON_EN_KILLFOCUS(IDC_LINEAR_START_ABS, &ALinearLoadDlg::OnStartAbsoluteKillFocus)
ON_EN_KILLFOCUS(IDC_LINEAR_END_ABS, &ALinearLoadDlg::OnEndAbsoluteKillFocus)
END_MESSAGE_MAP()

ALinearLoadDlg::ALinearLoadDlg(CWnd* pParent)
    : ABaseDialog(IDD, pParent), m_load(omDofStrakonStructureType::instance(), 0) {
    m_picture.SetOwnsPicture(false);
}

ALinearLoadDlg::~ALinearLoadDlg() {
    DeletePictures();
}

void ALinearLoadDlg::SetLoad(const omLoadLinear& load, double length) {
    m_load = load;
    const AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    m_load.convert(keys->forcePerLength, keys->momentPerLength);
    m_name = load.getName();
    m_length = length;
    m_start = load.getStart();
    m_end = load.getEnd();
    m_startAbsolute.Set(keys->length);
    m_endAbsolute.Set(keys->length);
    ALoadPosition::SetAbsolute(m_startAbsolute, m_start, m_length);
    ALoadPosition::SetAbsolute(m_endAbsolute, m_end, m_length);
    m_direction = load.getScope() == omLoad::WorldCS ? 0 : 1;
    m_position = load.getPosition() == omLoad::WorldCS ? 0 : 1;
    m_type = load.getForce(0.0, 0.0) == load.getForce(0.0, 1.0) ? 0 : 1;
}

bool ALinearLoadDlg::GetLoad(omLoadLinear& load) {
    for (omDofType t : kComponents) {
        load.setFs(t, m_load.getFs(t));
        load.setFe(t, m_load.getFe(t));
    }
    load.setStart(m_start);
    load.setEnd(m_end);
    load.setName(m_name);
    load.setScope(m_direction != 0 ? omLoad::LocalCS : omLoad::WorldCS);
    load.setPosition(m_position != 0 ? omLoad::LocalCS : omLoad::WorldCS);
    return load.getForce(0.0, 0.0).norm(normEuclidean) != 0.0 || load.getForce(0.0, 1.0).norm(normEuclidean) != 0.0;
}

UINT ALinearLoadDlg::PictureFor(int direction, int position) {
    if (direction == 0) return position == 0 ? IDM_LINEAR_WORLD_WORLD : IDM_LINEAR_WORLD_LOCAL;
    return position == 0 ? IDM_LINEAR_LOCAL_WORLD : IDM_LINEAR_LOCAL_LOCAL;
}

UINT ALinearLoadDlg::ShownPicture() const {
    for (const auto& [id, picture] : m_pictures)
        if (picture && picture == m_picture.GetEnhMetaFile()) return id;
    return 0;
}

BOOL ALinearLoadDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    DeletePictures();
    for (UINT id : {IDM_LINEAR_WORLD_WORLD, IDM_LINEAR_WORLD_LOCAL, IDM_LINEAR_LOCAL_LOCAL, IDM_LINEAR_LOCAL_WORLD})
        m_pictures[id] = AEnhMetaFilePicture::ReadMetaFile(id, "METAFILE");
    ShowPicture();
    m_startSpin.SetRange32(0, 100);
    m_endSpin.SetRange32(0, 100);
    UpdatePositions();
    if (m_type == 0)
        OnUniform();
    else
        UpdateData(FALSE);
    return TRUE;
}

void ALinearLoadDlg::OnDestroy() {
    m_picture.SetEnhMetaFile(nullptr);
    DeletePictures();
    ABaseDialog::OnDestroy();
}

void ALinearLoadDlg::DeletePictures() {
    for (auto& [id, picture] : m_pictures)
        AEnhMetaFilePicture::DeleteEnhMetaFile(picture);
    m_pictures.clear();
}

void ALinearLoadDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    const int digits = Digits();
    DDX_Control(pDX, IDC_LINEAR_PICTURE, m_picture);
    DDX_Control(pDX, IDC_LINEAR_START_SPIN, m_startSpin);
    DDX_Control(pDX, IDC_LINEAR_END_SPIN, m_endSpin);
    DDX_Radio(pDX, IDC_LINEAR_DIRECTION_WORLD, m_direction);
    DDX_Text(pDX, IDC_LINEAR_NAME, m_name);
    DDX_Radio(pDX, IDC_LINEAR_POSITION_WORLD, m_position);
    DDX_Text(pDX, IDC_LINEAR_START, m_start);
    DDV_MinMaxDouble(pDX, m_start, 0.0, 1.0);
    DDX_Text(pDX, IDC_LINEAR_END, m_end);
    DDV_MinMaxDouble(pDX, m_end, 0.0, 1.0);
    DDX_Radio(pDX, IDC_LINEAR_UNIFORM, m_type);
    const UINT startIds[] = {IDC_LINEAR_FX_START, IDC_LINEAR_FZ_START, IDC_LINEAR_MY_START};
    const UINT endIds[] = {IDC_LINEAR_FX_END, IDC_LINEAR_FZ_END, IDC_LINEAR_MY_END};
    for (int i = 0; i < 3; ++i) {
        const unsigned group = kComponents[i] == Ry ? 2 : 1;
        DDX_UnitEdit(pDX, static_cast<int>(startIds[i]), m_load.getFs(kComponents[i]), group, digits, &m_units,
                     false);
        DDX_UnitEdit(pDX, static_cast<int>(endIds[i]), m_load.getFe(kComponents[i]), group, digits, &m_units,
                     false);
    }
    DDX_UnitEdit(pDX, IDC_LINEAR_START_ABS, m_startAbsolute, 3, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_LINEAR_END_ABS, m_endAbsolute, 3, digits, &m_units, false);
}

void ALinearLoadDlg::ShowPicture() {
    m_picture.SetEnhMetaFile(m_pictures[PictureFor(m_direction, m_position)]);
}

void ALinearLoadDlg::OnSystemClicked() {
    m_direction = IsDlgButtonChecked(IDC_LINEAR_DIRECTION_LOCAL) == BST_CHECKED ? 1 : 0;
    m_position = IsDlgButtonChecked(IDC_LINEAR_POSITION_LOCAL) == BST_CHECKED ? 1 : 0;
    ShowPicture();
}

void ALinearLoadDlg::EnableEnd(bool enable) {
    for (UINT id : {IDC_LINEAR_FX_END, IDC_LINEAR_FZ_END, IDC_LINEAR_MY_END})
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(enable);
}

void ALinearLoadDlg::CopyStartToEnd() {
    for (omDofType t : kComponents)
        m_load.setFe(t, m_load.getFs(t));
}

void ALinearLoadDlg::OnUniform() {
    // The typed start values count, not those of the last exchange.
    UpdateData(TRUE);
    EnableEnd(false);
    m_type = 0;
    CopyStartToEnd();
    UpdateData(FALSE);
}

void ALinearLoadDlg::OnLinear() {
    EnableEnd(true);
    m_type = 1;
}

void ALinearLoadDlg::OnStartComponentKillFocus() {
    if (m_type != 0) return;
    if (!UpdateData(TRUE)) return;
    CopyStartToEnd();
    UpdateData(FALSE);
}

void ALinearLoadDlg::UpdatePositions() {
    ALoadPosition::SetAbsolute(m_startAbsolute, m_start, m_length);
    ALoadPosition::SetAbsolute(m_endAbsolute, m_end, m_length);
    m_startSpin.SetPos(ALoadPosition::SpinPosition(m_start));
    m_endSpin.SetPos(ALoadPosition::SpinPosition(m_end));
}

void ALinearLoadDlg::ClampPositions() {
    if (m_start < 0.0) m_start = 0.0;
    if (m_start > 1.0 - kMinPart) m_start = 1.0 - kMinPart;
    if (m_end < kMinPart) m_end = kMinPart;
    if (m_end > 1.0) m_end = 1.0;
    if (m_end < m_start + kMinPart - kTolerance) m_end = m_start + kMinPart;
    UpdatePositions();
}

void ALinearLoadDlg::OnRelativeKillFocus() {
    if (!UpdateData(TRUE)) return;
    ClampPositions();
    UpdateData(FALSE);
}

void ALinearLoadDlg::OnStartAbsoluteKillFocus() {
    if (!UpdateData(TRUE)) return;
    m_start = ALoadPosition::Relative(m_startAbsolute, m_length);
    ClampPositions();
    UpdateData(FALSE);
}

void ALinearLoadDlg::OnEndAbsoluteKillFocus() {
    if (!UpdateData(TRUE)) return;
    m_end = ALoadPosition::Relative(m_endAbsolute, m_length);
    ClampPositions();
    UpdateData(FALSE);
}

void ALinearLoadDlg::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    CWnd* source = reinterpret_cast<CWnd*>(pScrollBar);
    if (nSBCode != SB_THUMBPOSITION || (source != &m_startSpin && source != &m_endSpin)) {
        ABaseDialog::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    if (!UpdateData(TRUE)) return;
    (source == &m_startSpin ? m_start : m_end) = static_cast<int>(nPos) * 0.01;
    ClampPositions();
    UpdateData(FALSE);
}
