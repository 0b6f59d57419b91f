#include "app/dialogs/AMaterialDlg.h"

#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/dialogs/AMaterialPages.h"
#include "app/dialogs/ASteelMaterialPage.h"
#include "resources/ui/StrakonEditorIds.h"

#include <memory>

IMPLEMENT_DYNAMIC(AMaterialsSheet, ABasePropertySheet)

AMaterialsSheet::AMaterialsSheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet(pszCaption, pParentWnd, iSelectPage) {}

AMaterialsSheet::~AMaterialsSheet() = default;

namespace {

const AIdNameEditorDlg::Controls kControls{IDC_MATERIAL_LIST,  IDC_MATERIAL_NAME,   IDC_MATERIAL_ID,
                                           IDC_MATERIAL_CHANGE_ID, IDC_MATERIAL_COLOR, IDC_MATERIAL_EDIT,
                                           IDC_MATERIAL_NEW,   IDC_MATERIAL_DELETE, IDC_MATERIAL_MAKE_DEFAULT,
                                           IDC_MATERIAL_DEFAULT};

// The four pages of the materials sheet, in their order.
struct AMaterialPages {
    AGenericMaterialPage generic;
    ASteelMaterialPage steel;
    AConcretePage concrete;
    ARCSteelPage rcSteel;
    CPropertyPage* active = nullptr;

    void AddTo(AMaterialsSheet& sheet) {
        for (ANameColorPage* page : {static_cast<ANameColorPage*>(&generic), static_cast<ANameColorPage*>(&steel),
                                     static_cast<ANameColorPage*>(&concrete),
                                     static_cast<ANameColorPage*>(&rcSteel)}) {
            page->SetActivePageSlot(&active);
            sheet.AddPage(page);
        }
    }

    // A new material of the active page's class with the page's fields; null without an active page.
    omMaterial* Create() {
        if (active == &steel) {
            auto* material = new omSteel(omUnitValue("kN/cm2"), 0);
            steel.UpdateMaterial(material, true);
            return material;
        }
        if (active == &concrete) {
            auto* material = new omConcrete(0);
            concrete.Exchange(material, true);
            return material;
        }
        if (active == &rcSteel) {
            auto* material = new omRCSteel(0);
            rcSteel.Exchange(material, true);
            return material;
        }
        if (active == &generic) {
            auto* material = new omMaterial(0);
            generic.Exchange(material, true);
            return material;
        }
        return nullptr;
    }

    // Loads the page of the material's class; the page.
    CPropertyPage* Load(omMaterial* material) {
        // Every material has the generic values: confirmed on the generic page,
        // a material of another class keeps its modulus, density and the rest.
        generic.Exchange(material, false);
        if (auto* s = dynamic_cast<omSteel*>(material)) {
            steel.UpdateMaterial(s, false);
            return &steel;
        }
        if (auto* c = dynamic_cast<omConcrete*>(material)) {
            concrete.Exchange(c, false);
            return &concrete;
        }
        if (auto* r = dynamic_cast<omRCSteel*>(material)) {
            rcSteel.Exchange(r, false);
            return &rcSteel;
        }
        return &generic;
    }

    // Saves the active page into the material it was loaded from.
    void Save(omMaterial* material) {
        if (active == &steel)
            steel.UpdateMaterial(dynamic_cast<omSteel*>(material), true);
        else if (active == &concrete)
            concrete.Exchange(dynamic_cast<omConcrete*>(material), true);
        else if (active == &rcSteel)
            rcSteel.Exchange(dynamic_cast<omRCSteel*>(material), true);
        else if (active == &generic)
            generic.Exchange(material, true);
    }
};

} // namespace

IMPLEMENT_DYNAMIC(AMaterialDlg, AIdNameEditorDlg)

BEGIN_MESSAGE_MAP(AMaterialDlg, AIdNameEditorDlg)
ON_BN_CLICKED(IDC_MATERIAL_NEW, &AMaterialDlg::OnNew)
ON_BN_CLICKED(IDC_MATERIAL_EDIT, &AMaterialDlg::OnEdit)
ON_BN_CLICKED(IDC_MATERIAL_DELETE, &AMaterialDlg::OnDelete)
ON_LBN_SELCHANGE(IDC_MATERIAL_LIST, &AMaterialDlg::OnListSelChange)
ON_EN_CHANGE(IDC_MATERIAL_NAME, &AMaterialDlg::OnNameChanged)
ON_BN_CLICKED(IDC_MATERIAL_MAKE_DEFAULT, &AMaterialDlg::OnMakeDefault)
ON_BN_CLICKED(IDC_MATERIAL_CHANGE_ID, &AMaterialDlg::OnChangeId)
ON_MESSAGE(WM_COLORWELL_CHANGED, &AMaterialDlg::OnColorChanged)
END_MESSAGE_MAP()

AMaterialDlg::AMaterialDlg(CWnd* pParent, AMaterialMap* pMap)
    : AIdNameEditorDlg(IDD_MATERIAL_EDITOR, pParent, kControls, {"Material", "material"}), m_pMap(pMap) {}

AMaterialDlg::~AMaterialDlg() = default;

omMaterial* AMaterialDlg::GetSelectedMaterial() const {
    const std::optional<unsigned> id = GetSelectedId();
    return id ? m_pMap->find(*id) : nullptr;
}

std::vector<CString> AMaterialDlg::IdNames() const {
    std::vector<CString> names;
    m_pMap->GetIdNames(names);
    return names;
}
bool AMaterialDlg::Exists(unsigned id) const {
    return m_pMap->exist(id);
}
std::string AMaterialDlg::NameOf(unsigned id) const {
    const omMaterial* material = m_pMap->doFind(id);
    return material ? material->name() : std::string();
}
COLORREF AMaterialDlg::ColorOf(unsigned id) const {
    const omMaterial* material = m_pMap->doFind(id);
    return material ? material->color() : 0;
}
void AMaterialDlg::Rename(unsigned id, const std::string& name) {
    if (omMaterial* material = m_pMap->find(id)) material->setName(name);
}
void AMaterialDlg::Recolor(unsigned id, COLORREF color) {
    if (omMaterial* material = m_pMap->find(id)) material->setColor(color);
}
unsigned AMaterialDlg::DefaultId() const {
    return m_pMap->getDefaultId();
}
void AMaterialDlg::MakeDefault(unsigned id) {
    m_pMap->setDefault(id);
}
void AMaterialDlg::Erase(unsigned id) {
    m_pMap->erase(id);
}

void AMaterialDlg::OnNew() {
    AMaterialsSheet sheet("Create New Material ...");
    AMaterialPages pages;
    pages.AddTo(sheet);
    if (sheet.DoModal() != IDOK) return;
    // OK without a page that recorded itself creates nothing.
    omMaterial* material = pages.Create();
    if (!material) return;
    if (!m_pMap->insertAutoId(material)) {
        delete material;
        return;
    }
    FillList();
    FillFields();
}

void AMaterialDlg::OnEdit() {
    omMaterial* material = GetSelectedMaterial();
    if (!material) return;
    AMaterialsSheet sheet("Edit Existing Material ...");
    AMaterialPages pages;
    pages.AddTo(sheet);
    CPropertyPage* loaded = pages.Load(material);
    sheet.SetActivePage(loaded);
    if (sheet.DoModal() != IDOK || !pages.active) return;
    if (pages.active == loaded) {
        pages.Save(material);
    } else {
        // Another page makes a material of its class under the same id.
        std::unique_ptr<omMaterial> replacement(pages.Create());
        if (!replacement) return;
        const unsigned id = material->getIndex();
        replacement->setIndex(id);
        m_pMap->erase(id);
        m_pMap->insert(replacement.release());
    }
    FillList();
    FillFields();
}
