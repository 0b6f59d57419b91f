#include "app/dialogs/ACrossSectionDlg.h"

#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/ACrossSectionPages.h"
#include "app/dialogs/ADSICS.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionCircle.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omCrossSectionT.h"
#include "model/omCrossSectionTube.h"
#include "model/omGenericCrossSection.h"
#include "resources/ui/StrakonEditorIds.h"

#include <memory>

IMPLEMENT_DYNAMIC(ACrossSectionsSheet, ABasePropertySheet)

ACrossSectionsSheet::ACrossSectionsSheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet(pszCaption, pParentWnd, iSelectPage) {}

ACrossSectionsSheet::~ACrossSectionsSheet() = default;

namespace {

const AIdNameEditorDlg::Controls kControls{IDC_CS_LIST,   IDC_CS_NAME, IDC_CS_ID,     IDC_CS_CHANGE_ID,
                                           IDC_CS_COLOR,  IDC_CS_EDIT, IDC_CS_NEW,    IDC_CS_DELETE,
                                           IDC_CS_MAKE_DEFAULT, IDC_CS_DEFAULT};

const char* const kNotProperlyDefined = "The cross-section was not properly defined!\nOne of its dimensions is "
                                        "probably invalid or\nit was not properly selected from database.\n";

// The seven pages of the cross-section sheet, in their order.
struct ACrossSectionPageSet {
    AGeneralCS general;
    ARectangleCS rectangle;
    ACircleCS circle;
    ADSICS dsi;
    ATCS t;
    ATubeCS tube;
    ABoxCS box;
    CPropertyPage* active = nullptr;

    void AddTo(ACrossSectionsSheet& sheet) {
        general.SetActivePageSlot(&active);
        sheet.AddPage(&general);
        for (ANameColorPage* page : {static_cast<ANameColorPage*>(&rectangle), static_cast<ANameColorPage*>(&circle),
                                     static_cast<ANameColorPage*>(&dsi), static_cast<ANameColorPage*>(&t),
                                     static_cast<ANameColorPage*>(&tube), static_cast<ANameColorPage*>(&box)}) {
            page->SetActivePageSlot(&active);
            sheet.AddPage(page);
        }
    }

    // A new section of the active page's class (id 0); null without an active page.
    omCrossSection* Create() const {
        if (active == &general) return new omGenericCrossSection(omUnitValue(omUK_cm2), omUnitValue(omUK_cm4), 0);
        if (active == &rectangle) return new omCrossSectionRect(0);
        if (active == &circle) return new omCrossSectionCircle(0);
        if (active == &dsi)
            return dsi.m_nStandard ? static_cast<omCrossSectionIDS*>(new omCrossSectionStandardI(0))
                                   : new omCrossSectionIDS(0);
        if (active == &t) return new omCrossSectionT(0);
        if (active == &tube) return new omCrossSectionTube(0);
        if (active == &box) return new omCrossSectionBox(0);
        return nullptr;
    }

    // The active page writes its fields into the section.
    void Save(omCrossSection* section) {
        if (active == &general)
            general.Exchange(dynamic_cast<omGenericCrossSection*>(section), true);
        else if (active == &rectangle)
            rectangle.Exchange(dynamic_cast<omCrossSectionRect*>(section), true);
        else if (active == &circle)
            circle.Exchange(dynamic_cast<omCrossSectionCircle*>(section), true);
        else if (active == &dsi)
            dsi.Exchange(dynamic_cast<omCrossSectionIDS*>(section), true);
        else if (active == &t)
            t.Exchange(dynamic_cast<omCrossSectionT*>(section), true);
        else if (active == &tube)
            tube.Exchange(dynamic_cast<omCrossSectionTube*>(section), true);
        else if (active == &box)
            box.Exchange(dynamic_cast<omCrossSectionBox*>(section), true);
    }

    // Loads the page of the section's type; the page, null for an unknown type.
    CPropertyPage* Load(omCrossSection* section) {
        switch (section->type()) {
        case csGeneric:
            general.Exchange(dynamic_cast<omGenericCrossSection*>(section), false);
            return &general;
        case csRect:
            rectangle.Exchange(dynamic_cast<omCrossSectionRect*>(section), false);
            return &rectangle;
        case csCircle:
            circle.Exchange(dynamic_cast<omCrossSectionCircle*>(section), false);
            return &circle;
        case csIDS:
        case csStandardI:
            dsi.Exchange(dynamic_cast<omCrossSectionIDS*>(section), false);
            return &dsi;
        case csT:
            t.Exchange(dynamic_cast<omCrossSectionT*>(section), false);
            return &t;
        case csTube:
            tube.Exchange(dynamic_cast<omCrossSectionTube*>(section), false);
            return &tube;
        case csBox:
            box.Exchange(dynamic_cast<omCrossSectionBox*>(section), false);
            return &box;
        }
        return nullptr;
    }

    // Whether the page the section was loaded into can save into the same object.
    bool SavesInPlace(const CPropertyPage* loaded, const omCrossSection* section) const {
        if (active != loaded) return false;
        if (active != &dsi) return true;
        return (section->type() == csStandardI) == (dsi.m_nStandard != 0);
    }
};

} // namespace

IMPLEMENT_DYNAMIC(ACrossSectionDlg, AIdNameEditorDlg)

BEGIN_MESSAGE_MAP(ACrossSectionDlg, AIdNameEditorDlg)
ON_BN_CLICKED(IDC_CS_NEW, &ACrossSectionDlg::OnNew)
ON_BN_CLICKED(IDC_CS_EDIT, &ACrossSectionDlg::OnEdit)
ON_BN_CLICKED(IDC_CS_DELETE, &ACrossSectionDlg::OnDelete)
ON_LBN_SELCHANGE(IDC_CS_LIST, &ACrossSectionDlg::OnListSelChange)
ON_EN_CHANGE(IDC_CS_NAME, &ACrossSectionDlg::OnNameChanged)
ON_BN_CLICKED(IDC_CS_MAKE_DEFAULT, &ACrossSectionDlg::OnMakeDefault)
ON_BN_CLICKED(IDC_CS_CHANGE_ID, &ACrossSectionDlg::OnChangeId)
ON_MESSAGE(WM_COLORWELL_CHANGED, &ACrossSectionDlg::OnColorChanged)
END_MESSAGE_MAP()

ACrossSectionDlg::ACrossSectionDlg(CWnd* pParent, ACrossSectionMap* pMap)
    : AIdNameEditorDlg(IDD_CROSS_SECTION_EDITOR, pParent, kControls, {"Cross-section", "cross-section"}),
      m_pMap(pMap) {
    m_strName = "Unknown";
}

ACrossSectionDlg::~ACrossSectionDlg() = default;

omCrossSection* ACrossSectionDlg::GetSelectedSection() const {
    const std::optional<unsigned> id = GetSelectedId();
    return id ? m_pMap->find(*id) : nullptr;
}

std::vector<CString> ACrossSectionDlg::IdNames() const {
    std::vector<CString> names;
    m_pMap->GetIdNames(names);
    return names;
}
bool ACrossSectionDlg::Exists(unsigned id) const {
    return m_pMap->exist(id);
}
std::string ACrossSectionDlg::NameOf(unsigned id) const {
    const omCrossSection* section = m_pMap->doFind(id);
    return section ? section->name() : std::string();
}
COLORREF ACrossSectionDlg::ColorOf(unsigned id) const {
    const omCrossSection* section = m_pMap->doFind(id);
    return section ? section->color() : 0;
}
void ACrossSectionDlg::Rename(unsigned id, const std::string& name) {
    if (omCrossSection* section = m_pMap->find(id)) section->setName(name);
}
void ACrossSectionDlg::Recolor(unsigned id, COLORREF color) {
    if (omCrossSection* section = m_pMap->find(id)) section->setColor(color);
}
unsigned ACrossSectionDlg::DefaultId() const {
    return m_pMap->getDefaultId();
}
void ACrossSectionDlg::MakeDefault(unsigned id) {
    m_pMap->setDefault(id);
}
void ACrossSectionDlg::Erase(unsigned id) {
    m_pMap->erase(id);
}

void ACrossSectionDlg::OnNew() {
    ACrossSectionsSheet sheet("Create New Cross-Section ...");
    ACrossSectionPageSet pages;
    pages.AddTo(sheet);
    if (sheet.DoModal() != IDOK) return;
    std::unique_ptr<omCrossSection> section(pages.Create());
    if (!section) return;
    pages.Save(section.get());
    if (!section->isProperlySet()) {
        MessageBox((CString(kNotProperlyDefined) + "Define it again, please.").c_str(), "Warning",
                   MB_OK | MB_ICONERROR);
        return;
    }
    if (!m_pMap->insertAutoId(section.get())) return;
    section.release();
    FillList();
    FillFields();
}

void ACrossSectionDlg::OnEdit() {
    omCrossSection* section = GetSelectedSection();
    if (!section) return;
    ACrossSectionsSheet sheet("Edit Existing Cross-Section ...");
    ACrossSectionPageSet pages;
    pages.AddTo(sheet);
    const std::unique_ptr<omCrossSection> backup(section->clone());
    CPropertyPage* loaded = pages.Load(section);
    if (loaded) sheet.SetActivePage(loaded);
    if (sheet.DoModal() != IDOK || !pages.active) return;
    const unsigned id = section->getIndex();
    std::unique_ptr<omCrossSection> replacement;
    omCrossSection* target = section;
    if (!pages.SavesInPlace(loaded, section)) {
        replacement.reset(pages.Create());
        if (!replacement) return;
        target = replacement.get();
    }
    pages.Save(target);
    if (!target->isProperlySet()) {
        MessageBox((CString(kNotProperlyDefined) + "Previous settings are kept.").c_str(), "Warning",
                   MB_OK | MB_ICONERROR);
        if (target == section) {
            // The section was changed in place: the backup takes its number back.
            m_pMap->erase(id);
            m_pMap->insert(backup->clone());
        }
        return;
    }
    if (replacement) {
        replacement->setIndex(id);
        m_pMap->erase(id);
        m_pMap->insert(replacement.release());
    }
    FillList();
    FillFields();
}
