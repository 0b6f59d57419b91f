#include "app/dialogs/ALinElem2DProperty.h"

#include "app/dialogs/ANameColorPage.h"
#include "app/dialogs/APropertySheetSupport.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADesignElement.h"
#include "app/views/AStrakon.h"
#include "model/omCrossSection.h"
#include "model/omCrossSectionMap.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omNodeMap.h"
#include "platform/ui/CDataExchange.h"

#include <cfloat>
#include <optional>
#include <typeinfo>

using namespace propertysheet;

namespace {

constexpr int IDC_ID = 1019;
constexpr int IDC_START_NODE = 1018;
constexpr int IDC_END_NODE = 1017;
constexpr int IDC_NAME = 1020;
constexpr int IDC_CROSS_SECTION = 1040;
constexpr int IDC_REINFORCEMENT = 1046;
constexpr int IDC_MATERIAL1 = 1043;
constexpr int IDC_MATERIAL2 = 1045;
constexpr int IDC_E1 = 1044;
constexpr int IDC_E2 = 1046;
constexpr int IDC_GROUND_TYPE = 1001;
constexpr int IDC_GROUND_COEFFICIENT = 1000;

using Release = ALinElem2DReleasePage::Release;
using omPosition = omDesignElement::position;

// The end and the degree of freedom of each release state.
struct ReleaseOf {
    omPosition end;
    omDofType dof;
};
constexpr ReleaseOf kReleaseOf[Release::count] = {
    {omDesignElement::first, Ry}, {omDesignElement::second, Ry}, {omDesignElement::first, Ux},
    {omDesignElement::second, Ux}, {omDesignElement::first, Uz}, {omDesignElement::second, Uz},
};

ALinElem2DProperty* SheetOf(CPropertyPage& page) {
    return dynamic_cast<ALinElem2DProperty*>(page.GetSheet());
}

AStrakon* ModelOf(CPropertyPage& page) {
    ALinElem2DProperty* sheet = SheetOf(page);
    AStrakonDocument* doc = sheet ? sheet->GetStrakonDocument() : nullptr;
    return doc ? doc->GetModel() : nullptr;
}

// The position of the item whose text begins with the id; -1 when there is none.
int PositionOf(const CComboBox& list, unsigned id) {
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetLBText(i, text);
        if (LeadingId(text) == id) return i;
    }
    return -1;
}

void Fill(CComboBox& list, const std::vector<CString>& texts) {
    list.ResetContent();
    for (const CString& text : texts)
        list.AddString(text.c_str());
}

} // namespace

// --- ALinElem2DGeneralPage --------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ALinElem2DGeneralPage, APPropertyPage)

ALinElem2DGeneralPage::ALinElem2DGeneralPage() : APPropertyPage(135) {}
ALinElem2DGeneralPage::~ALinElem2DGeneralPage() = default;

void ALinElem2DGeneralPage::DoDataExchange(CDataExchange* pDX) {
    // A refused value prompts; the frame must not hide behind the prompt.
    FramePin pin;
    APPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ID, m_nId);
    ExchangeList(pDX, IDC_START_NODE, m_startList, m_strStartNode);
    ExchangeList(pDX, IDC_END_NODE, m_endList, m_strEndNode);
    DDX_Text(pDX, IDC_NAME, m_strName);
}

BOOL ALinElem2DGeneralPage::OnInitDialog() {
    APPropertyPage::OnInitDialog();
    ALinElem2DProperty* sheet = SheetOf(*this);
    std::vector<CString> names;
    if (AStrakonDocument* doc = sheet ? sheet->GetStrakonDocument() : nullptr) doc->GetNodeNames(names);
    Fill(m_startList, names);
    Fill(m_endList, names);
    const bool one = sheet && sheet->GetMemberCount() == 1;
    m_startList.EnableWindow(one);
    m_endList.EnableWindow(one);
    if (CWnd* name = GetDlgItem(IDC_NAME)) name->EnableWindow(one);
    SelectExact(m_startList, m_strStartNode);
    SelectExact(m_endList, m_strEndNode);
    if (!one) SetDlgItemText(IDC_NAME, "");
    return TRUE;
}

// --- ALinElem2DReleasePage --------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ALinElem2DReleasePage, APPropertyPage)

BEGIN_MESSAGE_MAP(ALinElem2DReleasePage, APPropertyPage)
ON_CONTROL_RANGE(BN_CLICKED, 1071, 1076, &ALinElem2DReleasePage::OnReleaseClicked)
END_MESSAGE_MAP()

ALinElem2DReleasePage::ALinElem2DReleasePage() : APPropertyPage(136) {}
ALinElem2DReleasePage::~ALinElem2DReleasePage() = default;

void ALinElem2DReleasePage::DoDataExchange(CDataExchange* pDX) {
    // A refused value prompts; the frame must not hide behind the prompt.
    FramePin pin;
    APPropertyPage::DoDataExchange(pDX);
    for (int r = 0; r < count; ++r)
        DDX_Check(pDX, static_cast<int>(kBoxes[r]), m_nState[r]);
}

void ALinElem2DReleasePage::OnReleaseClicked(UINT nID) {
    auto box = [this](Release r) { return dynamic_cast<CButton*>(GetDlgItem(kBoxes[r])); };
    auto* clicked = dynamic_cast<CButton*>(GetDlgItem(nID));
    if (!clicked) return;
    if (clicked->GetCheck() != BST_UNCHECKED) {
        clicked->SetCheck(BST_UNCHECKED);
        return;
    }
    clicked->SetCheck(BST_CHECKED);
    if (!UpdateData(TRUE)) return;
    // A mixed box counts as released.
    auto both = [this](Release a, Release b) { return m_nState[a] != 0 && m_nState[b] != 0; };
    auto clear = [&box](Release r) {
        if (CButton* b = box(r)) b->SetCheck(BST_UNCHECKED);
    };
    // A member released in one direction at both ends, or in rotation at both
    // ends while it can turn about a vertical release, is a mechanism.
    switch (nID) {
    case 1072:
    case 1075:
        if (both(startX, endX)) clear(nID == 1072 ? endX : startX);
        break;
    case 1073:
    case 1076:
        if (both(startZ, endZ)) clear(nID == 1073 ? endZ : startZ);
        if (both(startRotation, endRotation)) clear(nID == 1073 ? endRotation : startRotation);
        break;
    case 1071:
    case 1074:
        if ((m_nState[startZ] != 0 || m_nState[endZ] != 0) && both(startRotation, endRotation))
            clear(nID == 1071 ? endRotation : startRotation);
        break;
    default:
        break;
    }
}

// --- ALinElem2DCSPage -------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ALinElem2DCSPage, APPropertyPage)

BEGIN_MESSAGE_MAP(ALinElem2DCSPage, APPropertyPage)
ON_CBN_SELCHANGE(IDC_CROSS_SECTION, &ALinElem2DCSPage::OnSelectionChange)
END_MESSAGE_MAP()

ALinElem2DCSPage::ALinElem2DCSPage() : APPropertyPage(137) {}
ALinElem2DCSPage::~ALinElem2DCSPage() = default;

void ALinElem2DCSPage::DoDataExchange(CDataExchange* pDX) {
    // A refused value prompts; the frame must not hide behind the prompt.
    FramePin pin;
    APPropertyPage::DoDataExchange(pDX);
    ExchangeList(pDX, IDC_CROSS_SECTION, m_list, m_strCrossSection);
    DDX_Text(pDX, IDC_REINFORCEMENT, m_strReinforcement);
    const int digits = AEditorDigits();
    DDX_UnitEdit(pDX, 1042, m_A, 0, digits, &m_units, true);
    DDX_UnitEdit(pDX, 1043, m_Iy, 0, digits, &m_units, true);
    DDX_UnitEdit(pDX, 1044, m_Wy, 0, digits, &m_units, true);
    DDX_UnitEdit(pDX, 1045, m_iy, 0, digits, &m_units, true);
}

BOOL ALinElem2DCSPage::OnInitDialog() {
    const AUnitKeyAttributes& units = *AUnitKeyAttributes::Instance();
    m_A.ConvertTo(units.area);
    m_Iy.ConvertTo(units.area2);
    m_Wy.ConvertTo(units.area1);
    m_iy.ConvertTo(units.length);
    APPropertyPage::OnInitDialog();
    ALinElem2DProperty* sheet = SheetOf(*this);
    AStrakonDocument* doc = sheet ? sheet->GetStrakonDocument() : nullptr;
    std::vector<CString> names;
    if (doc) doc->GetCrossSectionNames(names);
    Fill(m_list, names);
    m_list.SetCurSel(-1);
    m_strCrossSection.Empty();
    const std::vector<ALinearDesignElement2D*> members = sheet ? sheet->GetMembers() : std::vector<ALinearDesignElement2D*>();
    if (members.empty()) return TRUE;
    const unsigned index = members.front()->getCrossSectionIndex();
    for (const ALinearDesignElement2D* member : members)
        if (member->getCrossSectionIndex() != index) return TRUE;
    if (index == 0) return TRUE;
    // A number that no section of the list carries (a file may hold one) shows none.
    const int position = PositionOf(m_list, index);
    if (position < 0) return TRUE;
    m_list.SetCurSel(position);
    OnSelectionChange();
    return TRUE;
}

void ALinElem2DCSPage::OnSelectionChange() {
    m_strCrossSection = SelectedText(m_list);
    if (m_strCrossSection.empty()) return;
    AStrakon* model = ModelOf(*this);
    const std::optional<unsigned> id = LeadingId(m_strCrossSection);
    omCrossSectionMap* map = model ? model->getCrossSectionMap() : nullptr;
    const omCrossSection* cs = map && id ? map->find(*id) : nullptr;
    const AUnitKeyAttributes& units = *AUnitKeyAttributes::Instance();
    if (!cs) {
        // Gone since the list was filled (an Undo, an edit of the sections): nothing to show.
        m_strReinforcement.Empty();
        m_A.Set(0.0, units.area);
        m_Iy.Set(0.0, units.area2);
        m_Wy.Set(0.0, units.area1);
        m_iy.Set(0.0, units.length);
    } else {
        m_strReinforcement = cs->canStoreBars() ? "Yes" : "No";
        m_A = omUnitValue(cs->A(), 6);
        m_Iy = omUnitValue(cs->Iy(), 16);
        m_Wy = omUnitValue(cs->Wy(), 11);
        m_iy = omUnitValue(cs->iy(), 1);
        m_A.ConvertTo(units.area);
        m_Iy.ConvertTo(units.area2);
        m_Wy.ConvertTo(units.area1);
        m_iy.ConvertTo(units.length);
    }
    UpdateData(FALSE);
}

// --- ALinElem2DMaterialPage -------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ALinElem2DMaterialPage, APPropertyPage)

BEGIN_MESSAGE_MAP(ALinElem2DMaterialPage, APPropertyPage)
ON_CBN_SELCHANGE(IDC_MATERIAL1, &ALinElem2DMaterialPage::OnMaterial1Change)
ON_CBN_SELCHANGE(IDC_MATERIAL2, &ALinElem2DMaterialPage::OnMaterial2Change)
END_MESSAGE_MAP()

ALinElem2DMaterialPage::ALinElem2DMaterialPage() : APPropertyPage(138) {}
ALinElem2DMaterialPage::~ALinElem2DMaterialPage() = default;

void ALinElem2DMaterialPage::DoDataExchange(CDataExchange* pDX) {
    // A refused value prompts; the frame must not hide behind the prompt.
    FramePin pin;
    APPropertyPage::DoDataExchange(pDX);
    ExchangeList(pDX, IDC_MATERIAL2, m_list2, m_strMaterial2);
    ExchangeList(pDX, IDC_MATERIAL1, m_list1, m_strMaterial1);
    const int digits = AEditorDigits();
    DDX_UnitEdit(pDX, IDC_E1, m_E1, 0, digits, &m_units, true);
    DDX_UnitEdit(pDX, IDC_E2, m_E2, 0, digits, &m_units, true);
}

BOOL ALinElem2DMaterialPage::OnInitDialog() {
    const omUnitKey modulus = AUnitKeyAttributes::Instance()->pressure;
    m_E1.ConvertTo(modulus);
    m_E2.ConvertTo(modulus);
    APPropertyPage::OnInitDialog();
    ALinElem2DProperty* sheet = SheetOf(*this);
    AStrakonDocument* doc = sheet ? sheet->GetStrakonDocument() : nullptr;
    std::vector<CString> names;
    if (doc) doc->GetMaterialNames(names);
    Fill(m_list1, names);
    Fill(m_list2, names);
    m_list1.SetCurSel(-1);
    m_list2.SetCurSel(-1);
    m_strMaterial1.Empty();
    m_strMaterial2.Empty();
    const std::vector<ALinearDesignElement2D*> members = sheet ? sheet->GetMembers() : std::vector<ALinearDesignElement2D*>();
    if (members.empty()) return TRUE;
    unsigned index1 = members.front()->getMaterialIndex();
    unsigned index2 = members.front()->getMaterialIndex2();
    for (const ALinearDesignElement2D* member : members) {
        if (index1 == 0 && index2 == 0) break;
        if (member->getMaterialIndex() != index1) index1 = 0;
        if (member->getMaterialIndex2() != index2) index2 = 0;
    }
    if (const int position = index1 != 0 ? PositionOf(m_list1, index1) : -1; position >= 0) {
        m_list1.SetCurSel(position);
        OnMaterial1Change();
    }
    if (const int position = index2 != 0 ? PositionOf(m_list2, index2) : -1; position >= 0) {
        m_list2.SetCurSel(position);
        OnMaterial2Change();
    }
    return TRUE;
}

void ALinElem2DMaterialPage::ShowE(CComboBox& list, omUnitValue& value) {
    const CString text = SelectedText(list);
    (&list == &m_list1 ? m_strMaterial1 : m_strMaterial2) = text;
    if (text.empty()) return;
    AStrakon* model = ModelOf(*this);
    const std::optional<unsigned> id = LeadingId(text);
    omMaterialMap* map = model ? model->getMaterialMap() : nullptr;
    const omMaterial* material = map && id ? map->find(*id) : nullptr;
    const omUnitKey modulus = AUnitKeyAttributes::Instance()->pressure;
    if (material) {
        value = material->E(0.0);
        value.ConvertTo(modulus);
    } else {
        // Gone since the list was filled: nothing to show.
        value.Set(0.0, modulus);
    }
    UpdateData(FALSE);
}

void ALinElem2DMaterialPage::OnMaterial1Change() {
    ShowE(m_list1, m_E1);
}

void ALinElem2DMaterialPage::OnMaterial2Change() {
    ShowE(m_list2, m_E2);
}

// --- ALinElem2DElasticGround ------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ALinElem2DElasticGround, APPropertyPage)

ALinElem2DElasticGround::ALinElem2DElasticGround() : APPropertyPage(131) {}
ALinElem2DElasticGround::~ALinElem2DElasticGround() = default;

bool ALinElem2DElasticGround::IsCoefficientChanged() const {
    return m_coefficient.GetValue() != kMixed && !(m_coefficient.GetKey() == m_shown.GetKey() &&
                                                    m_coefficient.GetValue() == m_shown.GetValue());
}

void ALinElem2DElasticGround::DoDataExchange(CDataExchange* pDX) {
    // A refused value prompts; the frame must not hide behind the prompt.
    FramePin pin;
    APPropertyPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_GROUND_TYPE, m_nType);
    CWnd* edit = pDX->PrepareEditCtrl(IDC_GROUND_COEFFICIENT);
    if (!edit) return;
    if (pDX->m_bSaveAndValidate) {
        // An empty edit (the members' coefficients differ, or the user cleared it) changes nothing.
        if (edit->GetWindowText().find_first_not_of(" \t") == std::string::npos) {
            m_coefficient.Set(kMixed, m_coefficient.GetKey());
            return;
        }
        DDX_UnitEdit(pDX, IDC_GROUND_COEFFICIENT, m_coefficient, 0, AEditorDigits(), &m_units, true);
        // A ground of negative stiffness would pull the member.
        DDV_MinMaxDouble(pDX, m_coefficient.GetValue(), 0.0, DBL_MAX);
        return;
    }
    DDX_UnitEdit(pDX, IDC_GROUND_COEFFICIENT, m_coefficient, 0, AEditorDigits(), &m_units, true);
    if (m_coefficient.GetValue() == kMixed) {
        if (CWnd* shown = GetDlgItem(IDC_GROUND_COEFFICIENT)) shown->SetWindowText("");
    }
}

BOOL ALinElem2DElasticGround::OnInitDialog() {
    ALinElem2DProperty* sheet = SheetOf(*this);
    const std::vector<ALinearDesignElement2D*> members = sheet ? sheet->GetMembers() : std::vector<ALinearDesignElement2D*>();
    if (!members.empty()) {
        const ALinearDesignElement2D* first = members.front();
        m_nType = first->getElGroundType();
        m_coefficient = first->getElGroundCoef();
        for (const ALinearDesignElement2D* member : members) {
            if (m_nType != -1 && member->getElGroundType() != m_nType) m_nType = -1;
            if (m_coefficient.GetValue() != kMixed && member->getElGroundCoef() != m_coefficient)
                m_coefficient.Set(kMixed, m_coefficient.GetKey());
        }
    }
    // Shown, and typed, in the user's unit of subgrade coefficients.
    const omUnitKey unit = AUnitKeyAttributes::Instance()->forcePerVolume;
    if (m_coefficient.GetValue() == kMixed)
        m_coefficient.Set(kMixed, unit);
    else
        m_coefficient.ConvertTo(unit);
    m_shown = m_coefficient;
    APPropertyPage::OnInitDialog();
    return TRUE;
}

// --- ALinElem2DProperty -----------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ALinElem2DProperty, APPropertySheet)

ALinElem2DProperty::ALinElem2DProperty(CWnd* pParentWnd) : APPropertySheet("Element Properties", pParentWnd) {
    AddPage(&m_general);
    AddPage(&m_release);
    AddPage(&m_crossSection);
    AddPage(&m_material);
    AddPage(&m_ground);
}

ALinElem2DProperty::~ALinElem2DProperty() = default;

AStrakonDocument* ALinElem2DProperty::GetStrakonDocument() const {
    return Document(*this);
}

std::vector<ALinearDesignElement2D*> ALinElem2DProperty::GetMembers() const {
    return FindMembers(GetStrakonDocument(), m_numbers);
}

void ALinElem2DProperty::ReadExternalData() {
    m_numbers = MemberNumbers(static_cast<const AObjectPtrContainer*>(m_pExternalData));
    const std::vector<ALinearDesignElement2D*> members = GetMembers();
    if (members.empty()) return;
    const ALinearDesignElement2D* first = members.front();
    const bool one = m_numbers.size() == 1;
    // The general page fills its lists when it is first shown; Apply reads these
    // texts even when it never was (the frame reopens a sheet on its last page).
    m_general.m_nId = one ? static_cast<int>(first->getIndex()) : 0;
    m_general.m_strStartNode = one ? CString(std::to_string(first->getNodeIndex1())) : CString();
    m_general.m_strEndNode = one ? CString(std::to_string(first->getNodeIndex2())) : CString();
    m_general.m_strName = one ? CString(first->getName()) : CString();
    for (int r = 0; r < Release::count; ++r) {
        const ReleaseOf& of = kReleaseOf[r];
        int& state = m_release.m_nState[r];
        state = first->isReleased(of.end, of.dof) ? 1 : 0;
        for (const ALinearDesignElement2D* member : members)
            if ((member->isReleased(of.end, of.dof) ? 1 : 0) != state) state = 2;
    }
}

void ALinElem2DProperty::ExchangeData(BOOL bSave) {
    if (bSave) {
        Apply();
        return;
    }
    ReadExternalData();
    if (CPropertyPage* page = GetActivePage(); page && page->IsWindow()) page->UpdateData(FALSE);
}

void ALinElem2DProperty::Apply() {
    // A value the page refuses ends Apply: the user was told and the edit has the focus.
    if (CPropertyPage* page = GetActivePage(); page && page->IsWindow() && !page->UpdateData(TRUE)) return;
    AStrakonDocument* doc = GetStrakonDocument();
    AStrakon* model = doc ? doc->GetModel() : nullptr;
    const std::vector<ALinearDesignElement2D*> members = GetMembers();
    if (!model || members.empty()) return;

    std::vector<omDesignElement*> copies;
    for (const ALinearDesignElement2D* member : members) {
        copies.push_back(member->clone());
    }

    bool nodesChanged = false;
    if (m_numbers.size() == 1) {
        omDesignElement* copy = copies.front();
        const std::optional<unsigned> start = LeadingId(m_general.m_strStartNode);
        const std::optional<unsigned> end = LeadingId(m_general.m_strEndNode);
        const omNodeMap* nodes = model->getNodeMap();
        // Both ends on one node, or a node that left the model since the list was filled: the nodes stay.
        if (start && end && *start != *end && nodes->exist(*start) && nodes->exist(*end) &&
            (*start != copy->getNodeIndex1() || *end != copy->getNodeIndex2())) {
            copy->setNodeIndex1(*start);
            copy->setNodeIndex2(*end);
            nodesChanged = copy->bindNodes();
        }
        copy->setName(m_general.m_strName);
    }

    const std::optional<unsigned> material1 = LeadingId(m_material.m_strMaterial1);
    const std::optional<unsigned> material2 = LeadingId(m_material.m_strMaterial2);
    const std::optional<unsigned> crossSection = LeadingId(m_crossSection.m_strCrossSection);
    const bool hasMaterial1 = material1 && model->getMaterialMap()->exist(*material1);
    const bool hasMaterial2 = material2 && model->getMaterialMap()->exist(*material2);
    const bool hasCrossSection = crossSection && model->getCrossSectionMap()->exist(*crossSection);
    for (omDesignElement* copy : copies) {
        for (int r : {Release::startRotation, Release::endRotation, Release::startZ, Release::endZ, Release::startX,
                      Release::endX}) {
            const int state = m_release.m_nState[r];
            if (state != 2) copy->release(kReleaseOf[r].end, kReleaseOf[r].dof, state != 0);
        }
        if (hasMaterial1) copy->setMaterialIndex(*material1);
        if (hasMaterial2) copy->setMaterialIndex2(*material2);
        if (hasCrossSection) copy->setCrossSectionIndex(*crossSection);
        // Only the linear members rest on a ground; the non-linear ones keep theirs.
        if (typeid(*copy) != typeid(ALinearDesignElement2D)) continue;
        auto* linear = dynamic_cast<ALinearDesignElement2D*>(copy);
        if (m_ground.m_nType >= 0) linear->setElGroundType(ElGroundType(m_ground.m_nType));
        if (m_ground.IsCoefficientChanged()) linear->setElGroundCoef(m_ground.m_coefficient);
    }
    // The command takes the copies; each replaces the member of the same position.
    std::vector<ADesignElement*> live(members.begin(), members.end());
    std::vector<ADesignElement*> edited;
    for (omDesignElement* copy : copies)
        edited.push_back(dynamic_cast<ADesignElement*>(copy));
    doc->EditElementProperties(live, std::move(edited), nodesChanged);
}
