#include "app/dialogs/ANodeLoadProperty.h"

#include "app/dialogs/ANameColorPage.h"
#include "app/dialogs/APropertySheetSupport.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakon.h"
#include "model/omLoad.h"
#include "model/omNodeMap.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonLoadIds.h"

using namespace propertysheet;

namespace {

constexpr UINT kForceEdits[] = {IDC_NL_FX, IDC_NL_FZ, IDC_NL_MY};
constexpr UINT kDisplacementEdits[] = {IDC_NL_UX, IDC_NL_UZ, IDC_NL_FIY};
constexpr omDofType kDofs[] = {Ux, Uz, Ry};

void Show(CWnd& page, UINT id, bool show) {
    if (CWnd* control = page.GetDlgItem(static_cast<int>(id))) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

ANode2D* FindNode(AStrakonDocument* doc, unsigned number) {
    const std::vector<ANode2D*> nodes = FindNodes(doc, {number});
    return nodes.empty() ? nullptr : nodes.front();
}

} // namespace

// --- ANodeLoadPage ----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ANodeLoadPage, APPropertyPage)

BEGIN_MESSAGE_MAP(ANodeLoadPage, APPropertyPage)
ON_LBN_SELCHANGE(IDC_NL_LIST, &ANodeLoadPage::OnSelectLoad)
ON_EN_CHANGE(IDC_NL_NAME, &ANodeLoadPage::OnNameChange)
ON_CONTROL_RANGE(EN_CHANGE, IDC_NL_FX, IDC_NL_FIY, &ANodeLoadPage::OnEditChange)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_NL_FX, IDC_NL_FIY, &ANodeLoadPage::OnEditKillFocus)
ON_BN_CLICKED(IDC_NL_DELETE, &ANodeLoadPage::OnDeleteLoad)
ON_COMMAND(ID_NEW_NODE_FORCE, &ANodeLoadPage::OnNewForce)
ON_COMMAND(ID_NEW_NODE_DISPLACEMENT, &ANodeLoadPage::OnNewDisplacement)
END_MESSAGE_MAP()

ANodeLoadPage::ANodeLoadPage()
    : ALoadPage(IDD_NODE_LOAD_PAGE, IDC_NL_NAME), m_Fx(0.0, omUK_kN), m_Fz(0.0, omUK_kN), m_My(0.0, omUK_kNm),
      m_Ux(0.0, omUK_cm), m_Uz(0.0, omUK_cm), m_Fiy(0.0, omUK_deg) {}

ANodeLoadPage::~ANodeLoadPage() = default;

void ANodeLoadPage::SetCopy(ANodeLoadGroup* copy) {
    m_pCopy = copy;
    SetList(copy, copy);
}

omLoadForce* ANodeLoadPage::Force() const {
    return dynamic_cast<omLoadForce*>(m_pLoad);
}

omLoadDisplacement* ANodeLoadPage::Displacement() const {
    return dynamic_cast<omLoadDisplacement*>(m_pLoad);
}

void ANodeLoadPage::ListActiveLoadGroup(unsigned loadGroup) {
    m_pCopy->SetActiveLoadGroup(static_cast<int>(loadGroup));
}

void ANodeLoadPage::AddToCopy(omLoad* load) {
    m_pCopy->add(load);
}

void ANodeLoadPage::RemoveFromCopy(const omLoad* load) {
    m_pCopy->remove(load);
}

void ANodeLoadPage::ExchangeFields(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_NL_LIST, m_list);
    DDX_Control(pDX, IDC_NL_NEW, m_new);
    const int digits = AEditorDigits();
    struct Field {
        UINT id;
        omUnitValue& value;
        unsigned group;
        bool valueUnit;
    };
    const Field fields[] = {{IDC_NL_FX, m_Fx, 2, true},  {IDC_NL_FZ, m_Fz, 2, false},
                            {IDC_NL_MY, m_My, 0, true},  {IDC_NL_UX, m_Ux, 1, true},
                            {IDC_NL_UZ, m_Uz, 1, false}, {IDC_NL_FIY, m_Fiy, 0, true}};
    for (const Field& f : fields) {
        // Saving reads only what the user changed: an unchanged text is a rounded picture of the value.
        if (pDX->m_bSaveAndValidate && !IsChanged(static_cast<int>(f.id))) continue;
        DDX_UnitEdit(pDX, static_cast<int>(f.id), f.value, f.group, digits, &m_units, f.valueUnit);
    }
}

BOOL ANodeLoadPage::OnInitDialog() {
    {
        Filling filling(*this);
        APPropertyPage::OnInitDialog();
    }
    m_menu.LoadMenu(IDR_NODE_LOAD_NEW);
    m_new.SetMenu(m_menu.GetSubMenu(0));
    Refill(-1);
    return TRUE;
}

void ANodeLoadPage::ShowSelected() {
    m_pLoad = nullptr;
    const int index = m_list.GetCurSel();
    if (!m_pCopy || index < 0) {
        HideValues();
        return;
    }
    m_pLoad = m_pCopy->GetListedLoad(static_cast<unsigned>(index + 1));
    if (!m_pLoad) {
        HideValues();
        return;
    }
    {
        Filling filling(*this);
        SetDlgItemText(IDC_NL_NAME, m_pLoad->getName().c_str());
    }
    ShowValues();
    m_pCopy->SetShownLoad(static_cast<unsigned>(index + 1));
    SendHint();
}

void ANodeLoadPage::ShowValues() {
    omLoadForce* force = Force();
    omLoadDisplacement* displacement = Displacement();
    {
        Filling filling(*this);
        if (force) {
            SetDlgItemText(IDC_NL_TYPE, "FORCE LOAD");
            SetDlgItemText(IDC_NL_HEADING, "Force Vector: (World Coor. Sys.)");
            SetDlgItemText(IDC_NL_LABEL1, "Fx:");
            SetDlgItemText(IDC_NL_LABEL2, "Fz:");
            SetDlgItemText(IDC_NL_LABEL3, "My:");
            m_Fx = force->getF(Ux);
            m_Fz = force->getF(Uz);
            m_My = force->getF(Ry);
        } else if (displacement) {
            SetDlgItemText(IDC_NL_TYPE, "DISPLACEMENT LOAD");
            SetDlgItemText(IDC_NL_HEADING, "Displacement Vector:  (World Coor. Sys.)");
            SetDlgItemText(IDC_NL_LABEL1, "Ux:");
            SetDlgItemText(IDC_NL_LABEL2, "Uz:");
            SetDlgItemText(IDC_NL_LABEL3, "Fiy:");
            m_Ux = displacement->getU(Ux);
            m_Uz = displacement->getU(Uz);
            m_Fiy = displacement->getU(Ry);
        } else {
            SetDlgItemText(IDC_NL_TYPE, "");
        }
    }
    WriteAll();
    for (UINT id : kForceEdits)
        Show(*this, id, force != nullptr);
    for (UINT id : kDisplacementEdits)
        Show(*this, id, displacement != nullptr);
    for (UINT id = IDC_NL_HEADING; id <= IDC_NL_LABEL3; ++id)
        Show(*this, id, force || displacement);
}

void ANodeLoadPage::HideValues() {
    m_pLoad = nullptr;
    ForgetChanges();
    {
        Filling filling(*this);
        SetDlgItemText(IDC_NL_NAME, "");
        SetDlgItemText(IDC_NL_TYPE, "");
    }
    for (UINT id = IDC_NL_FX; id <= IDC_NL_LABEL3; ++id)
        Show(*this, id, false);
}

void ANodeLoadPage::StoreChanged(const std::set<int>& changed) {
    auto has = [&](UINT id) { return changed.count(static_cast<int>(id)) != 0; };
    omLoadForce* force = Force();
    omLoadDisplacement* displacement = Displacement();
    const omUnitValue* forces[] = {&m_Fx, &m_Fz, &m_My};
    const omUnitValue* displacements[] = {&m_Ux, &m_Uz, &m_Fiy};
    for (int i = 0; i < 3; ++i) {
        if (force && has(kForceEdits[i])) force->setF(kDofs[i], *forces[i]);
        if (displacement && has(kDisplacementEdits[i])) displacement->setU(kDofs[i], *displacements[i]);
    }
}

bool ANodeLoadPage::ConfirmDelete() {
    CMessageBoxRequest request{"Are you sure to delete selected load?", "Warning", MB_YESNO | MB_ICONSTOP};
    return CPromptService::Instance().MessageBox(request) == IDYES;
}

void ANodeLoadPage::OnNewForce() {
    const unsigned group = NewLoadGroup();
    const omNode* node = m_pCopy ? m_pCopy->getNode() : nullptr;
    if (!group || !node) return;
    auto* force = new omLoadForce(node->getDofStructureType(), group);
    force->setName("New Force");
    const AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    force->convert(keys->force, keys->moment);
    AddLoad(force);
}

void ANodeLoadPage::OnNewDisplacement() {
    const unsigned group = NewLoadGroup();
    const omNode* node = m_pCopy ? m_pCopy->getNode() : nullptr;
    if (!group || !node) return;
    auto* displacement = new omLoadDisplacement(node->getDofStructureType(), group);
    displacement->setName("New Displacement");
    const AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    displacement->convert(keys->length, keys->rotation);
    AddLoad(displacement);
}

// --- ANodeLoadProperty ------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ANodeLoadProperty, APPropertySheet)

ANodeLoadProperty::ANodeLoadProperty(CWnd* pParentWnd) : ALoadSheet("Node Load Properties", pParentWnd) {
    AddPage(&m_page);
}

ANodeLoadProperty::~ANodeLoadProperty() {
    ReleaseCopy();
}

const AStorageBase* ANodeLoadProperty::FindLoads(AStrakonDocument* doc, const void*& owner) const {
    ANode2D* found = FindNode(doc, m_nNode);
    owner = found;
    return found ? dynamic_cast<ANodeLoadGroup*>(found->getLoad()) : nullptr;
}

bool ANodeLoadProperty::ReplaceCopy(const AStorageBase* loads, unsigned loadGroup) {
    m_page.SetCopy(nullptr);
    delete m_pCopy;
    const auto* group = dynamic_cast<const ANodeLoadGroup*>(loads);
    m_pCopy = group ? dynamic_cast<ANodeLoadGroup*>(group->clone()) : nullptr;
    if (!m_pCopy) return false;
    m_pCopy->SetActiveLoadGroup(static_cast<int>(loadGroup));
    m_page.SetCopy(m_pCopy);
    return true;
}

const AStorageBase* ANodeLoadProperty::GetCopyLoads() const {
    return m_pCopy;
}

unsigned ANodeLoadProperty::GetCopyLoadGroup() const {
    return m_pCopy ? m_pCopy->GetActiveLoadGroup() : 0;
}

void ANodeLoadProperty::Attach(AStrakonDocument* doc) {
    doc->SetNodeLoadSheet(m_pCopy);
    doc->m_pNodeLoadPage = &m_page;
}

void ANodeLoadProperty::Detach(AStrakonDocument* doc) {
    if (doc->m_pNodeLoadPage == &m_page) doc->m_pNodeLoadPage = nullptr;
    doc->SetNodeLoadSheet(nullptr);
}

void ANodeLoadProperty::ApplyCopy(AStrakonDocument* doc) {
    doc->EditNodeLoadProperties(*m_pCopy);
}

void ANodeLoadProperty::ReadExternalData() {
    const auto* selection = static_cast<const AObjectPtrContainer*>(m_pExternalData);
    const auto* group = selection && !selection->IsEmpty()
                            ? dynamic_cast<const ANodeLoadGroup*>(selection->front())
                            : nullptr;
    const omNode* node = group ? group->getNode() : nullptr;
    if (!node) return;
    m_nNode = node->getIndex();
    TakeCopy(group->GetActiveLoadGroup());
}
