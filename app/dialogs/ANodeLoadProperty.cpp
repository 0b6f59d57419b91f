#include "app/dialogs/ANodeLoadProperty.h"

#include "app/dialogs/ANameColorPage.h"
#include "app/dialogs/APropertySheetSupport.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/AStrakon.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omNodeMap.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonLoadIds.h"

#include <cstdio>

using namespace propertysheet;

namespace {

constexpr UINT kForceEdits[] = {IDC_NL_FX, IDC_NL_FZ, IDC_NL_MY};
constexpr UINT kDisplacementEdits[] = {IDC_NL_UX, IDC_NL_UZ, IDC_NL_FIY};
constexpr omDofType kDofs[] = {Ux, Uz, Ry};

CString ItemText(int position, const omLoad& load) {
    char number[16];
    std::snprintf(number, sizeof number, "%i: ", position + 1);
    return CString(number) + load.getName();
}

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
ON_CONTROL_RANGE(EN_CHANGE, IDC_NL_FX, IDC_NL_FIY, &ANodeLoadPage::OnValueChange)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_NL_FX, IDC_NL_FIY, &ANodeLoadPage::OnValueKillFocus)
ON_BN_CLICKED(IDC_NL_DELETE, &ANodeLoadPage::OnDeleteLoad)
ON_COMMAND(ID_NEW_NODE_FORCE, &ANodeLoadPage::OnNewForce)
ON_COMMAND(ID_NEW_NODE_DISPLACEMENT, &ANodeLoadPage::OnNewDisplacement)
END_MESSAGE_MAP()

ANodeLoadPage::ANodeLoadPage()
    : ALoadPage(IDD_NODE_LOAD_PAGE), m_Fx(0.0, omUK_kN), m_Fz(0.0, omUK_kN), m_My(0.0, omUK_kNm),
      m_Ux(0.0, omUK_cm), m_Uz(0.0, omUK_cm), m_Fiy(0.0, omUK_deg) {}

ANodeLoadPage::~ANodeLoadPage() = default;

void ANodeLoadPage::SetCopy(ANodeLoadGroup* copy) {
    m_pCopy = copy;
    m_pLoad = nullptr;
    m_pForce = nullptr;
    m_pDisplacement = nullptr;
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

void ANodeLoadPage::FillList() {
    Filling filling(*this);
    m_list.ResetContent();
    if (!m_pCopy) return;
    int position = 0;
    for (omLoad* load : m_pCopy->GetLoads())
        m_list.AddString(ItemText(position++, *load).c_str());
}

void ANodeLoadPage::Refill(int position) {
    // The list's loads may be gone: nothing of the former list is kept.
    m_pLoad = nullptr;
    m_pForce = nullptr;
    m_pDisplacement = nullptr;
    if (!IsWindow()) return;
    FillList();
    UpdateNew();
    const int count = m_list.GetCount();
    if (count <= 0) {
        HideValues();
        SendHint();
        return;
    }
    {
        Filling filling(*this);
        m_list.SetCurSel(position < 0 ? 0 : std::min(position, count - 1));
    }
    ShowSelected();
}

void ANodeLoadPage::SetActiveLoadGroup(unsigned loadGroup) {
    if (!m_pCopy) return;
    m_pCopy->SetActiveLoadGroup(static_cast<int>(loadGroup));
    Refill(-1);
}

int ANodeLoadPage::GetSelectedPosition() const {
    if (!m_list.IsWindow()) return -1;
    const int index = m_list.GetCurSel();
    return index >= 0 ? index : -1;
}

unsigned ANodeLoadPage::NewLoadGroup() const {
    auto* sheet = dynamic_cast<ANodeLoadProperty*>(const_cast<ANodeLoadPage*>(this)->GetSheet());
    AStrakonDocument* doc = sheet ? sheet->GetStrakonDocument() : nullptr;
    const omLoadManager* manager = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
    if (!m_pCopy || !manager) return 0;
    const unsigned group = m_pCopy->GetActiveLoadGroup();
    // A load of no action is never solved, yet it would be saved.
    return group >= 1 && static_cast<int>(group) <= manager->groupSize() ? group : 0;
}

void ANodeLoadPage::UpdateNew() {
    if (m_new.IsWindow()) m_new.EnableWindow(NewLoadGroup() != 0);
}

void ANodeLoadPage::SendHint() {
    auto* sheet = dynamic_cast<ANodeLoadProperty*>(GetSheet());
    AStrakonDocument* doc = sheet ? sheet->GetStrakonDocument() : nullptr;
    if (doc && m_pCopy) doc->UpdateAllViews(nullptr, 2201, m_pCopy);
}

void ANodeLoadPage::OnSelectLoad() {
    if (IsFilling()) return;
    // A value left behind in an edit still counts for the load it was typed for.
    CommitChanges();
    ShowSelected();
}

void ANodeLoadPage::ShowSelected() {
    m_pLoad = nullptr;
    m_pForce = nullptr;
    m_pDisplacement = nullptr;
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
    m_pForce = dynamic_cast<omLoadForce*>(m_pLoad);
    m_pDisplacement = dynamic_cast<omLoadDisplacement*>(m_pLoad);
    ShowValues();
    m_pCopy->SetShownLoad(static_cast<unsigned>(index + 1));
    SendHint();
}

void ANodeLoadPage::ShowValues() {
    const bool force = m_pForce != nullptr;
    const bool displacement = m_pDisplacement != nullptr;
    {
        Filling filling(*this);
        if (force) {
            SetDlgItemText(IDC_NL_TYPE, "FORCE LOAD");
            SetDlgItemText(IDC_NL_HEADING, "Force Vector: (World Coor. Sys.)");
            SetDlgItemText(IDC_NL_LABEL1, "Fx:");
            SetDlgItemText(IDC_NL_LABEL2, "Fz:");
            SetDlgItemText(IDC_NL_LABEL3, "My:");
            m_Fx = m_pForce->getF(Ux);
            m_Fz = m_pForce->getF(Uz);
            m_My = m_pForce->getF(Ry);
        } else if (displacement) {
            SetDlgItemText(IDC_NL_TYPE, "DISPLACEMENT LOAD");
            SetDlgItemText(IDC_NL_HEADING, "Displacement Vector:  (World Coor. Sys.)");
            SetDlgItemText(IDC_NL_LABEL1, "Ux:");
            SetDlgItemText(IDC_NL_LABEL2, "Uz:");
            SetDlgItemText(IDC_NL_LABEL3, "Fiy:");
            m_Ux = m_pDisplacement->getU(Ux);
            m_Uz = m_pDisplacement->getU(Uz);
            m_Fiy = m_pDisplacement->getU(Ry);
        } else {
            SetDlgItemText(IDC_NL_TYPE, "");
        }
    }
    WriteAll();
    for (UINT id : kForceEdits)
        Show(*this, id, force);
    for (UINT id : kDisplacementEdits)
        Show(*this, id, displacement);
    for (UINT id = IDC_NL_HEADING; id <= IDC_NL_LABEL3; ++id)
        Show(*this, id, force || displacement);
}

void ANodeLoadPage::HideValues() {
    m_pLoad = nullptr;
    m_pForce = nullptr;
    m_pDisplacement = nullptr;
    ForgetChanges();
    {
        Filling filling(*this);
        SetDlgItemText(IDC_NL_NAME, "");
        SetDlgItemText(IDC_NL_TYPE, "");
    }
    for (UINT id = IDC_NL_FX; id <= IDC_NL_LABEL3; ++id)
        Show(*this, id, false);
}

void ANodeLoadPage::OnNameChange() {
    if (IsFilling() || !m_pLoad) return;
    const int index = m_list.GetCurSel();
    m_pLoad->setName(GetDlgItem(IDC_NL_NAME)->GetWindowText());
    if (index >= 0) {
        Filling filling(*this);
        m_list.DeleteString(static_cast<UINT>(index));
        m_list.InsertString(index, ItemText(index, *m_pLoad).c_str());
        m_list.SetCurSel(index);
    }
    SendHint();
}

void ANodeLoadPage::OnValueChange(UINT nID) {
    NoteChange(static_cast<int>(nID));
}

void ANodeLoadPage::OnValueKillFocus(UINT nID) {
    if (IsFilling() || !IsChanged(static_cast<int>(nID))) return;
    CommitChanges();
}

bool ANodeLoadPage::CommitChanges() {
    if (m_changed.empty()) return true;
    if (!m_pLoad) {
        ForgetChanges();
        return true;
    }
    if (!ReadChanged()) return false;
    const omUnitValue* forces[] = {&m_Fx, &m_Fz, &m_My};
    const omUnitValue* displacements[] = {&m_Ux, &m_Uz, &m_Fiy};
    for (int i = 0; i < 3; ++i) {
        if (m_pForce && IsChanged(static_cast<int>(kForceEdits[i]))) m_pForce->setF(kDofs[i], *forces[i]);
        if (m_pDisplacement && IsChanged(static_cast<int>(kDisplacementEdits[i])))
            m_pDisplacement->setU(kDofs[i], *displacements[i]);
    }
    WriteAll();
    SendHint();
    return true;
}

void ANodeLoadPage::OnDeleteLoad() {
    if (!m_pCopy || !m_pLoad) return;
    FramePin pin;
    CMessageBoxRequest request{"Are you sure to delete selected load?", "Warning", MB_YESNO | MB_ICONSTOP};
    if (CPromptService::Instance().MessageBox(request) != IDYES) return;
    const int position = m_list.GetCurSel();
    omLoad* load = m_pLoad;
    m_pLoad = nullptr;
    m_pForce = nullptr;
    m_pDisplacement = nullptr;
    ForgetChanges();
    m_pCopy->remove(load);
    const int count = m_pCopy->GetLoadCount();
    Refill(count > 0 ? (position < 0 ? 0 : position % count) : 0);
}

void ANodeLoadPage::AddLoad(omLoad* load) {
    if (!m_pCopy) {
        delete load;
        return;
    }
    CommitChanges();
    m_pCopy->add(load);
    Refill(m_pCopy->GetLoadCount() - 1);
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

ANodeLoadProperty::ANodeLoadProperty(CWnd* pParentWnd) : APPropertySheet("Node Load Properties", pParentWnd) {
    AddPage(&m_page);
}

ANodeLoadProperty::~ANodeLoadProperty() {
    Unregister();
    m_page.SetCopy(nullptr);
    delete m_pCopy;
}

AStrakonDocument* ANodeLoadProperty::GetStrakonDocument() const {
    return Document(*this);
}

void ANodeLoadProperty::Register() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc || !m_pCopy) return;
    doc->SetNodeLoadSheet(m_pCopy);
    doc->m_pNodeLoadPage = &m_page;
    m_pRegistered = doc;
}

void ANodeLoadProperty::Unregister() {
    AStrakonDocument* doc = m_pRegistered;
    m_pRegistered = nullptr;
    if (!doc) return;
    if (doc->m_pNodeLoadPage == &m_page) doc->m_pNodeLoadPage = nullptr;
    doc->SetNodeLoadSheet(nullptr);
}

bool ANodeLoadProperty::TakeCopy(unsigned loadGroup) {
    ANode2D* node = FindNode(GetStrakonDocument(), m_nNode);
    auto* group = node ? dynamic_cast<ANodeLoadGroup*>(node->getLoad()) : nullptr;
    if (!group) return false;
    Unregister();
    m_page.SetCopy(nullptr);
    delete m_pCopy;
    m_pCopy = dynamic_cast<ANodeLoadGroup*>(group->clone());
    if (!m_pCopy) return false;
    m_pCopy->SetActiveLoadGroup(static_cast<int>(loadGroup));
    m_pOwner = node;
    m_base = loadsheet::Records(group);
    m_page.SetCopy(m_pCopy);
    Register();
    return true;
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

void ANodeLoadProperty::ExchangeData(BOOL bSave) {
    if (!bSave) {
        ReadExternalData();
        if (m_page.IsWindow()) m_page.Refill(-1);
        return;
    }
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc || !m_pCopy) return;
    // A value still in its edit counts; a refused one stops the Apply.
    if (!m_page.CommitChanges()) return;
    doc->EditNodeLoadProperties(*m_pCopy);
}

void ANodeLoadProperty::BeforeHide() {
    Unregister();
}

void ANodeLoadProperty::ModelChanged() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc || !m_pCopy) return;
    ANode2D* node = FindNode(doc, m_nNode);
    auto* group = node ? dynamic_cast<ANodeLoadGroup*>(node->getLoad()) : nullptr;
    if (!group) {
        // The node or its loads left the model: nothing is left to edit.
        doc->ReleaseSelectionProperties();
        return;
    }
    std::vector<std::uint8_t> now = loadsheet::Records(group);
    if (node == m_pOwner && now == m_base) return;
    if (node == m_pOwner && now == loadsheet::Records(m_pCopy)) {
        // The model took the copy (Apply): the copy goes on from there.
        m_base = std::move(now);
        return;
    }
    const int position = m_page.GetSelectedPosition();
    if (!TakeCopy(m_pCopy->GetActiveLoadGroup())) return;
    m_page.Refill(position);
}
