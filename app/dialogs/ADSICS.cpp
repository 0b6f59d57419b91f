#include "app/dialogs/ADSICS.h"

#include "app/shell/APath.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "model/omCrossSectionStandardI.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonEditorIds.h"

IMPLEMENT_DYNCREATE(ADSICS, ACrossSectionPage)

BEGIN_MESSAGE_MAP(ADSICS, ACrossSectionPage)
ON_BN_CLICKED(IDC_DSI_STANDARD, &ADSICS::OnStandardSwitch)
ON_LBN_SELCHANGE(IDC_DSI_GROUP, &ADSICS::OnGroupChanged)
ON_LBN_SELCHANGE(IDC_DSI_SECTION, &ADSICS::OnSectionChanged)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_DSI_H, IDC_DSI_D, &ADSICS::OnDimensionKillFocus)
ON_CONTROL(EN_KILLFOCUS, IDC_DSI_W, &ADSICS::OnSwapAxes)
ON_BN_CLICKED(IDC_DSI_SWAP, &ADSICS::OnSwapAxes)
END_MESSAGE_MAP()

ADSICS::ADSICS()
    : ACrossSectionPage(IDD_CS_DSI),
      m_pCatalogue(std::make_unique<omAsciiDB<omStandardSectionIRecord>>(
          APath::Instance()->ParentPath("Common\\DB\\StandardSectionsI.db").c_str())),
      m_pStandard(std::make_unique<omCrossSectionStandardI>(0)) {
    m_pPreview = std::make_unique<omCrossSectionIDS>(0);
    const omUnitKey length = AUnitKeyAttributes::Instance()->length;
    for (omUnitValue* v : {&m_h, &m_b, &m_t, &m_d, &m_w})
        v->Set(length);
}

ADSICS::~ADSICS() = default;

void ADSICS::DoDataExchange(CDataExchange* pDX) {
    ACrossSectionPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DSI_SECTION, m_sections);
    DDX_Control(pDX, IDC_DSI_GROUP, m_groups);
    DDX_Control(pDX, IDC_DSI_STANDARD, m_standard);
    DDX_Check(pDX, IDC_DSI_STANDARD, m_nStandard);
    DDX_LBString(pDX, IDC_DSI_SECTION, m_strSection);
    DDX_LBString(pDX, IDC_DSI_GROUP, m_strGroup);
    DDX_Control(pDX, IDC_PICTURE_1495, m_picture);
    DDX_Check(pDX, IDC_DSI_SWAP, m_nSwap);
    const int digits = AEditorDigits();
    DDX_UnitEdit(pDX, IDC_DSI_H, m_h, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_DSI_B, m_b, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_DSI_T, m_t, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_DSI_D, m_d, 1, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_DSI_W, m_w, 1, digits, &m_units, false);
}

BOOL ADSICS::OnInitDialog() {
    ACrossSectionPage::OnInitDialog();
    for (const std::string& group : m_pCatalogue->getGroupNames())
        m_groups.AddString(group.c_str());
    ApplyStandardSwitch();
    if (m_nStandard) {
        const std::string ownName = m_strName;
        const CString section = m_strSection;
        // The stored standard is the section's group, found again by its whole name.
        if (const int group = m_groups.FindStringExact(-1, m_strGroup.c_str()); group >= 0) {
            m_groups.SetCurSel(group);
            OnGroupChanged();
        }
        const int index = m_sections.FindStringExact(-1, section.c_str());
        if (index >= 0) {
            m_sections.SetCurSel(index);
            OnSectionChanged();
            // Choosing the section named the page after it; a section with a name of its own keeps it.
            if (ownName != m_strName) {
                m_strName = ownName;
                SetDlgItemText(IDC_PAGE_NAME, ownName.c_str());
            }
        }
    }
    return TRUE;
}

void ADSICS::ApplyStandardSwitch() {
    const bool standard = m_standard.GetCheck() == BST_CHECKED;
    for (int id : {IDC_DSI_GROUP, IDC_DSI_SECTION, IDC_DSI_GROUP_LABEL, IDC_DSI_SECTION_LABEL})
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(standard ? SW_SHOW : SW_HIDE);
    for (int id : {IDC_DSI_H, IDC_DSI_B, IDC_DSI_T, IDC_DSI_D, IDC_DSI_W, IDC_DSI_H_LABEL, IDC_DSI_H_LABEL + 1,
                   IDC_DSI_H_LABEL + 2, IDC_DSI_H_LABEL + 3, IDC_DSI_H_LABEL + 4})
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(standard ? SW_HIDE : SW_SHOW);
    AEnhMetaFilePicture::DeleteEnhMetaFile(m_picture.SetEnhMetaFile(
        AEnhMetaFilePicture::ReadMetaFile(standard ? IDM_CS_DSI_STANDARD : IDM_CS_DSI, "METAFILE")));
}

void ADSICS::OnStandardSwitch() {
    ApplyStandardSwitch();
}

void ADSICS::OnGroupChanged() {
    m_sections.ResetContent();
    const int index = m_groups.GetCurSel();
    if (index >= 0) {
        CString group;
        m_groups.GetText(index, group);
        for (const omStandardSectionIRecord* record : m_pCatalogue->getRecords(group))
            m_sections.AddString(record->name().c_str());
    }
    m_sections.SetCurSel(-1);
    SetDlgItemText(IDC_PAGE_NAME, "");
}

void ADSICS::OnSectionChanged() {
    const int index = m_sections.GetCurSel();
    if (index < 0) return;
    CString name;
    m_sections.GetText(index, name);
    SetDlgItemText(IDC_PAGE_NAME, name.c_str());
    const omStandardSectionIRecord* record =
        m_pCatalogue->findFirstRecord(name, omStandardSectionIRecord::fName);
    // A name missing from the catalogue's current group changes nothing.
    if (!record) return;
    m_pStandard->setStandardSection(m_pCatalogue->getCurrentGroup(), *record);
    m_pStandard->setChangeAxis(IsDlgButtonChecked(IDC_DSI_SWAP) == BST_CHECKED);
    if (!UpdateData(TRUE)) return;
    m_strName = name;
    m_strSection = name;
    ShowSectionValues(*m_pStandard);
    UpdateData(FALSE);
    m_sections.SetCurSel(index);
}

void ADSICS::ShowOwnDimensions() {
    if (!UpdateData(TRUE)) return;
    const omUnitValue* dims[] = {&m_h, &m_b, &m_t, &m_d, &m_w};
    for (unsigned i = 0; i < 5; ++i)
        m_pPreview->setVariable(i + 1, *dims[i]);
    if (auto* preview = dynamic_cast<omCrossSectionIDS*>(m_pPreview.get())) preview->setChangeAxis(m_nSwap != 0);
    ShowSectionValues(*m_pPreview);
    UpdateData(FALSE);
}

void ADSICS::OnDimensionKillFocus(UINT) {
    ShowOwnDimensions();
}

void ADSICS::OnSwapAxes() {
    if (m_standard.GetCheck() != BST_CHECKED) {
        ShowOwnDimensions();
        return;
    }
    if (!UpdateData(TRUE)) return;
    m_pStandard->setChangeAxis(m_nSwap != 0);
    ShowSectionValues(*m_pStandard);
    UpdateData(FALSE);
}

BOOL ADSICS::OnApply() {
    CPropertySheet* sheet = GetSheet();
    if (!sheet || sheet->GetActivePage() != this) return ACrossSectionPage::OnApply();
    if (m_nStandard) {
        if (m_sections.GetCurSel() < 0) {
            AfxMessageBox("Please choose a section from the list.", MB_ICONEXCLAMATION);
            if (QWidget* list = m_sections.GetWidget()) list->setFocus(Qt::OtherFocusReason);
            return FALSE;
        }
        return ACrossSectionPage::OnApply();
    }
    omCrossSectionIDS probe(0);
    const omUnitValue* dims[] = {&m_h, &m_b, &m_t, &m_d, &m_w};
    for (unsigned i = 0; i < 5; ++i)
        probe.setVariable(i + 1, *dims[i]);
    if (!CheckDimensions(probe, {IDC_DSI_H, IDC_DSI_B, IDC_DSI_T, IDC_DSI_D, IDC_DSI_W})) return FALSE;
    return ACrossSectionPage::OnApply();
}

void ADSICS::Exchange(omCrossSectionIDS* section, bool save) {
    if (!section) return;
    auto* standard = dynamic_cast<omCrossSectionStandardI*>(section);
    omUnitValue* dims[] = {&m_h, &m_b, &m_t, &m_d, &m_w};
    if (!save) {
        // A catalogue section fills the own dimensions too: clearing the box
        // starts from the profile's plates instead of from zeros.
        for (unsigned i = 0; i < 5; ++i)
            *dims[i] = section->getVariable(i + 1);
        if (!standard) {
            m_nStandard = 0;
        } else {
            m_nStandard = 1;
            m_strSection = standard->getSectionName();
            m_strGroup = standard->getGroup();
            m_pStandard->copy(*standard);
        }
        m_strName = section->name();
        m_color = section->color();
        ShowSectionValues(*section);
        m_nSwap = section->changeAxis() ? 1 : 0;
        return;
    }
    if (m_nStandard == 0 || !standard) {
        for (unsigned i = 0; i < 5; ++i)
            section->setVariable(i + 1, *dims[i]);
    } else {
        // The group the catalogue last listed; an unknown name leaves an empty
        // record, which the dialog refuses as not properly set.
        m_pCatalogue->getRecords(m_strGroup);
        if (const omStandardSectionIRecord* record =
                m_pCatalogue->findFirstRecord(m_strSection, omStandardSectionIRecord::fName))
            standard->setStandardSection(m_pCatalogue->getCurrentGroup(), *record);
        else
            standard->setStandardSection(std::string(), omStandardSectionIRecord());
    }
    section->setName(NameToSave());
    section->setColor(m_color);
    section->setChangeAxis(m_nSwap != 0);
}
