#include "app/dialogs/AElementLoadProperty.h"

#include "app/dialogs/ALoadPosition.h"
#include "app/dialogs/APropertySheetSupport.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADesignElement.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/AStrakon.h"
#include "model/omDofStructureType.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonLoadIds.h"

using namespace propertysheet;

namespace {

constexpr int kDigits = 4;
// The shortest part of a member a linear load may cover.
constexpr double kMinPart = 0.02;
// Positions closer than this count as equal when the shortest part is checked.
constexpr double kTolerance = 1e-9;
// The temperature faces: the negative (top) one and the positive (bottom) one, along z.
constexpr int kNegative = 0;
constexpr int kPositive = 1;
constexpr int kZ = 1;

constexpr omDofType kDofs[] = {Ux, Uz, Ry};
constexpr UINT kForceEdits[] = {IDC_EL_FX, IDC_EL_FZ, IDC_EL_MY};
constexpr UINT kStartEdits[] = {IDC_EL_FX_START, IDC_EL_FZ_START, IDC_EL_MY_START};
constexpr UINT kEndEdits[] = {IDC_EL_FX_END, IDC_EL_FZ_END, IDC_EL_MY_END};
constexpr UINT kPositionEdits[] = {IDC_EL_FORCE_REL, IDC_EL_FORCE_ABS, IDC_EL_START_REL,
                                   IDC_EL_START_ABS, IDC_EL_END_REL,   IDC_EL_END_ABS};
constexpr UINT kPartControls[] = {IDC_EL_START_LABEL, IDC_EL_END_LABEL, IDC_EL_REL_HEAD, IDC_EL_ABS_HEAD,
                                  IDC_EL_START_REL,   IDC_EL_START_ABS, IDC_EL_END_REL,  IDC_EL_END_ABS,
                                  IDC_EL_START_SPIN,  IDC_EL_END_SPIN};

bool IsForceControl(UINT id) {
    return id >= IDC_EL_FORCE_FIRST && id <= IDC_EL_FORCE_LAST;
}
bool IsLinearControl(UINT id) {
    return (id >= IDC_EL_LINEAR_FIRST && id <= IDC_EL_LINEAR_LAST) || id == IDC_EL_POSITION_WORLD;
}
bool IsTemperatureControl(UINT id) {
    return id >= IDC_EL_TEMP_FIRST && id <= IDC_EL_TEMP_LAST;
}

ALinearDesignElement2D* FindMember(AStrakonDocument* doc, unsigned number) {
    const std::vector<ALinearDesignElement2D*> members = FindMembers(doc, {number});
    return members.empty() ? nullptr : members.front();
}

} // namespace

// --- AElementLoadPage -------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AElementLoadPage, APPropertyPage)

BEGIN_MESSAGE_MAP(AElementLoadPage, APPropertyPage)
ON_LBN_SELCHANGE(IDC_EL_LIST, &AElementLoadPage::OnSelectLoad)
ON_EN_CHANGE(IDC_EL_NAME, &AElementLoadPage::OnNameChange)
ON_CONTROL_RANGE(EN_CHANGE, IDC_EL_FX, IDC_EL_FORCE_ABS, &AElementLoadPage::OnEditChange)
ON_CONTROL_RANGE(EN_CHANGE, IDC_EL_TEMP_TOP, IDC_EL_TEMP_BOTTOM, &AElementLoadPage::OnEditChange)
ON_CONTROL_RANGE(EN_CHANGE, IDC_EL_FX_START, IDC_EL_MY_END, &AElementLoadPage::OnEditChange)
ON_CONTROL_RANGE(EN_CHANGE, IDC_EL_START_REL, IDC_EL_END_ABS, &AElementLoadPage::OnEditChange)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_EL_FX, IDC_EL_FORCE_ABS, &AElementLoadPage::OnEditKillFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_EL_TEMP_TOP, IDC_EL_TEMP_BOTTOM, &AElementLoadPage::OnEditKillFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_EL_FX_START, IDC_EL_MY_END, &AElementLoadPage::OnEditKillFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_EL_START_REL, IDC_EL_END_ABS, &AElementLoadPage::OnEditKillFocus)
ON_BN_CLICKED(IDC_EL_WHOLE, &AElementLoadPage::OnPartClicked)
ON_BN_CLICKED(IDC_EL_PART, &AElementLoadPage::OnPartClicked)
ON_BN_CLICKED(IDC_EL_FORCE_WORLD, &AElementLoadPage::OnForceWorldClicked)
ON_BN_CLICKED(IDC_EL_LINEAR_WORLD, &AElementLoadPage::OnLinearWorldClicked)
ON_BN_CLICKED(IDC_EL_POSITION_WORLD, &AElementLoadPage::OnPositionWorldClicked)
ON_BN_CLICKED(IDC_EL_DELETE, &AElementLoadPage::OnDeleteLoad)
ON_COMMAND(ID_NEW_ELEMENT_CONCENTRATED, &AElementLoadPage::OnNewConcentrated)
ON_COMMAND(ID_NEW_ELEMENT_LINEAR, &AElementLoadPage::OnNewLinear)
ON_COMMAND(ID_NEW_ELEMENT_TEMPERATURE, &AElementLoadPage::OnNewTemperature)
END_MESSAGE_MAP()

AElementLoadPage::AElementLoadPage()
    : ALoadPage(IDD_ELEMENT_LOAD_PAGE, IDC_EL_NAME), m_force(omDofStrakonStructureType::instance(), 0),
      m_forceAbs(0.0, omUK_cm), m_linear(omDofStrakonStructureType::instance(), 0), m_startAbs(0.0, omUK_cm),
      m_endAbs(0.0, omUK_cm), m_temperature(omDofStrakonStructureType::instance(), 0) {
    const omUnitKey length = AUnitKeyAttributes::Instance()->length;
    m_forceAbs.ConvertTo(length);
    m_startAbs.ConvertTo(length);
    m_endAbs.ConvertTo(length);
}

AElementLoadPage::~AElementLoadPage() = default;

void AElementLoadPage::SetCopy(AElementLoadGroup* copy) {
    m_pCopy = copy;
    SetList(copy, copy);
}

void AElementLoadPage::ListActiveLoadGroup(unsigned loadGroup) {
    m_pCopy->SetActiveLoadGroup(loadGroup);
}

void AElementLoadPage::AddToCopy(omLoad* load) {
    m_pCopy->add(load);
}

void AElementLoadPage::RemoveFromCopy(const omLoad* load) {
    m_pCopy->remove(load);
}

void AElementLoadPage::ExchangeFields(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_EL_TEMP_PICTURE, m_picture);
    DDX_Control(pDX, IDC_EL_START_SPIN, m_startSpin);
    DDX_Control(pDX, IDC_EL_END_SPIN, m_endSpin);
    DDX_Control(pDX, IDC_EL_FORCE_SPIN, m_forceSpin);
    DDX_Control(pDX, IDC_EL_LIST, m_list);
    DDX_Control(pDX, IDC_EL_NEW, m_new);
    DDX_Radio(pDX, IDC_EL_WHOLE, m_nPart);
    if (!pDX->m_bSaveAndValidate) DDX_Text(pDX, IDC_EL_TYPE, m_strType);
    DDX_Check(pDX, IDC_EL_FORCE_WORLD, m_nForceWorld);
    DDX_Check(pDX, IDC_EL_LINEAR_WORLD, m_nLinearWorld);
    DDX_Check(pDX, IDC_EL_POSITION_WORLD, m_nPositionWorld);
    // Saving reads only the texts the user changed: an unchanged text is a
    // rounded picture of its value, and reading it would change the value.
    const bool saving = pDX->m_bSaveAndValidate;
    auto unit = [&](UINT id, omUnitValue& value, unsigned group, bool valueUnit) {
        if (!saving || IsChanged(static_cast<int>(id)))
            DDX_UnitEdit(pDX, static_cast<int>(id), value, group, kDigits, &m_units, valueUnit);
    };
    auto number = [&](UINT id, double& value) {
        if (!saving || IsChanged(static_cast<int>(id))) DDX_Text(pDX, static_cast<int>(id), value);
    };
    unit(IDC_EL_FX, m_force.getF(Ux), 1, true);
    unit(IDC_EL_FZ, m_force.getF(Uz), 1, false);
    unit(IDC_EL_MY, m_force.getF(Ry), 0, true);
    number(IDC_EL_FORCE_REL, m_forceRel);
    unit(IDC_EL_FORCE_ABS, m_forceAbs, 0, true);
    unit(IDC_EL_FX_START, m_linear.getFs(Ux), 2, true);
    unit(IDC_EL_FZ_START, m_linear.getFs(Uz), 2, false);
    unit(IDC_EL_MY_START, m_linear.getFs(Ry), 3, true);
    unit(IDC_EL_FX_END, m_linear.getFe(Ux), 2, false);
    unit(IDC_EL_FZ_END, m_linear.getFe(Uz), 2, false);
    unit(IDC_EL_MY_END, m_linear.getFe(Ry), 3, false);
    number(IDC_EL_START_REL, m_startRel);
    unit(IDC_EL_START_ABS, m_startAbs, 4, true);
    number(IDC_EL_END_REL, m_endRel);
    unit(IDC_EL_END_ABS, m_endAbs, 4, false);
    unit(IDC_EL_TEMP_TOP, m_temperature.getT(kNegative, kZ), 5, true);
    unit(IDC_EL_TEMP_BOTTOM, m_temperature.getT(kPositive, kZ), 5, false);
}

BOOL AElementLoadPage::OnInitDialog() {
    {
        Filling filling(*this);
        APPropertyPage::OnInitDialog();
    }
    AEnhMetaFilePicture::DeleteEnhMetaFile(
        m_picture.SetEnhMetaFile(AEnhMetaFilePicture::ReadMetaFile(IDM_TEMPERATURE_LOAD, "METAFILE")));
    m_menu.LoadMenu(IDR_ELEMENT_LOAD_NEW);
    m_new.SetMenu(m_menu.GetSubMenu(0));
    // The ranges come first: a position set before them would take the default range's direction.
    for (CSpinButtonCtrl* spin : {&m_startSpin, &m_endSpin, &m_forceSpin})
        spin->SetRange32(0, 100);
    Refill(-1);
    return TRUE;
}

double AElementLoadPage::Length() const {
    const ALinearDesignElement2D* member = m_pCopy ? m_pCopy->GetDesignElement() : nullptr;
    return member ? member->length() : 0.0;
}

void AElementLoadPage::UpdatePositions() {
    const double length = Length();
    ALoadPosition::SetAbsolute(m_forceAbs, m_forceRel, length);
    ALoadPosition::SetAbsolute(m_startAbs, m_startRel, length);
    ALoadPosition::SetAbsolute(m_endAbs, m_endRel, length);
    if (m_forceSpin.IsWindow()) m_forceSpin.SetPos(ALoadPosition::SpinPosition(m_forceRel));
    if (m_startSpin.IsWindow()) m_startSpin.SetPos(ALoadPosition::SpinPosition(m_startRel));
    if (m_endSpin.IsWindow()) m_endSpin.SetPos(ALoadPosition::SpinPosition(m_endRel));
}

void AElementLoadPage::ClampPositions() {
    if (m_forceRel < 0.0) m_forceRel = 0.0;
    if (m_forceRel > 1.0) m_forceRel = 1.0;
    if (m_startRel < 0.0) m_startRel = 0.0;
    if (m_startRel > 1.0 - kMinPart) m_startRel = 1.0 - kMinPart;
    if (m_endRel < kMinPart) m_endRel = kMinPart;
    if (m_endRel > 1.0) m_endRel = 1.0;
    if (m_endRel < m_startRel + kMinPart - kTolerance) m_endRel = m_startRel + kMinPart;
    UpdatePositions();
}

void AElementLoadPage::ShowSelected() {
    m_pLoad = nullptr;
    const int index = m_list.GetCurSel();
    m_pLoad = m_pCopy && index >= 0 ? m_pCopy->GetListedLoad(static_cast<unsigned>(index + 1)) : nullptr;
    if (!m_pLoad) {
        HideValues();
        return;
    }
    {
        Filling filling(*this);
        SetDlgItemText(IDC_EL_NAME, m_pLoad->getName().c_str());
    }
    const int kind = m_pLoad->getType();
    const double length = Length();
    if (auto* force = dynamic_cast<omLoadForce*>(m_pLoad)) {
        m_force = *force;
        m_forceRel = force->getX();
        ALoadPosition::SetAbsolute(m_forceAbs, m_forceRel, length);
        m_strType = "CONCENTRATED";
        m_nForceWorld = force->getScope() == omLoad::WorldCS ? 1 : 0;
    } else if (auto* linear = dynamic_cast<omLoadLinear*>(m_pLoad)) {
        m_linear = *linear;
        m_startRel = linear->getStart();
        m_endRel = linear->getEnd();
        m_nPart = m_startRel == 0.0 && m_endRel == 1.0 ? 0 : 1;
        ALoadPosition::SetAbsolute(m_startAbs, m_startRel, length);
        ALoadPosition::SetAbsolute(m_endAbs, m_endRel, length);
        m_strType = "LINEAR";
        m_nLinearWorld = linear->getScope() == omLoad::WorldCS ? 1 : 0;
        m_nPositionWorld = linear->getPosition() == omLoad::WorldCS ? 1 : 0;
    } else if (auto* temperature = dynamic_cast<omLoadTemperature*>(m_pLoad)) {
        m_temperature = *temperature;
        m_strType = "TEMPERATURE";
    } else {
        m_strType.Empty();
    }
    if (m_forceSpin.IsWindow()) m_forceSpin.SetPos(ALoadPosition::SpinPosition(m_forceRel));
    if (m_startSpin.IsWindow()) m_startSpin.SetPos(ALoadPosition::SpinPosition(m_startRel));
    if (m_endSpin.IsWindow()) m_endSpin.SetPos(ALoadPosition::SpinPosition(m_endRel));
    WriteAll();
    ShowKind(kind);
    EnablePart();
    m_pCopy->SetShownLoad(static_cast<unsigned>(index + 1));
    SendHint();
}

void AElementLoadPage::ShowKind(int kind) {
    for (CWnd* child : GetChildWindows()) {
        const UINT id = static_cast<UINT>(child->GetDlgCtrlID());
        bool show = true;
        if (IsForceControl(id))
            show = kind == omLoad::Concentrated;
        else if (IsLinearControl(id))
            show = kind == omLoad::Linear;
        else if (IsTemperatureControl(id))
            show = kind == omLoad::Temperature;
        else
            continue;
        child->ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

void AElementLoadPage::EnablePart() {
    for (UINT id : kPartControls)
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(m_nPart == 1);
}

void AElementLoadPage::HideValues() {
    m_pLoad = nullptr;
    ForgetChanges();
    ShowKind(-1);
    Filling filling(*this);
    SetDlgItemText(IDC_EL_NAME, "");
    m_strType.Empty();
    SetDlgItemText(IDC_EL_TYPE, "");
}

void AElementLoadPage::StoreChanged(const std::set<int>& changed) {
    const double length = Length();
    auto has = [&](UINT id) { return changed.count(static_cast<int>(id)) != 0; };
    if (has(IDC_EL_FORCE_REL)) ALoadPosition::SetAbsolute(m_forceAbs, m_forceRel, length);
    if (has(IDC_EL_START_REL)) ALoadPosition::SetAbsolute(m_startAbs, m_startRel, length);
    if (has(IDC_EL_END_REL)) ALoadPosition::SetAbsolute(m_endAbs, m_endRel, length);
    // A member whose ends coincide has no length to measure a point by: the
    // typed length changes nothing.
    if (length > 0.0) {
        if (has(IDC_EL_FORCE_ABS)) m_forceRel = ALoadPosition::Relative(m_forceAbs, length);
        if (has(IDC_EL_START_ABS)) m_startRel = ALoadPosition::Relative(m_startAbs, length);
        if (has(IDC_EL_END_ABS)) m_endRel = ALoadPosition::Relative(m_endAbs, length);
    }
    bool positions = false;
    for (UINT id : kPositionEdits)
        positions = positions || has(id);
    if (positions) ClampPositions();
    StoreValues(changed);
    if (positions) StorePositions();
}

void AElementLoadPage::StoreValues(const std::set<int>& changed) {
    auto has = [&](UINT id) { return changed.count(static_cast<int>(id)) != 0; };
    if (auto* force = dynamic_cast<omLoadForce*>(m_pLoad)) {
        for (int i = 0; i < 3; ++i)
            if (has(kForceEdits[i])) force->setF(kDofs[i], m_force.getF(kDofs[i]));
    } else if (auto* linear = dynamic_cast<omLoadLinear*>(m_pLoad)) {
        for (int i = 0; i < 3; ++i) {
            if (has(kStartEdits[i])) linear->setFs(kDofs[i], m_linear.getFs(kDofs[i]));
            if (has(kEndEdits[i])) linear->setFe(kDofs[i], m_linear.getFe(kDofs[i]));
        }
    } else if (auto* temperature = dynamic_cast<omLoadTemperature*>(m_pLoad)) {
        if (has(IDC_EL_TEMP_TOP)) temperature->setT(kNegative, kZ, m_temperature.getT(kNegative, kZ));
        if (has(IDC_EL_TEMP_BOTTOM)) temperature->setT(kPositive, kZ, m_temperature.getT(kPositive, kZ));
    }
}

void AElementLoadPage::StorePositions() {
    if (auto* force = dynamic_cast<omLoadForce*>(m_pLoad)) {
        force->setX(m_forceRel);
    } else if (auto* linear = dynamic_cast<omLoadLinear*>(m_pLoad)) {
        linear->setStart(m_startRel);
        linear->setEnd(m_endRel);
    }
}

void AElementLoadPage::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    CWnd* source = reinterpret_cast<CWnd*>(pScrollBar);
    const bool ours = source == &m_forceSpin || source == &m_startSpin || source == &m_endSpin;
    if (nSBCode != SB_THUMBPOSITION || !ours) {
        ALoadPage::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    if (!m_pLoad || !CommitChanges()) return;
    const double relative = static_cast<int>(nPos) * 0.01;
    if (source == &m_forceSpin)
        m_forceRel = relative;
    else if (source == &m_startSpin)
        m_startRel = relative;
    else
        m_endRel = relative;
    ClampPositions();
    WriteAll();
    StorePositions();
    SendHint();
}

void AElementLoadPage::OnPartClicked() {
    if (!m_pLoad || !CommitChanges()) return;
    auto* whole = dynamic_cast<CButton*>(GetDlgItem(IDC_EL_WHOLE));
    m_nPart = whole && whole->GetCheck() == BST_CHECKED ? 0 : 1;
    if (m_nPart == 0) {
        m_startRel = 0.0;
        m_endRel = 1.0;
    }
    UpdatePositions();
    EnablePart();
    WriteAll();
    if (dynamic_cast<omLoadLinear*>(m_pLoad)) StorePositions();
    SendHint();
}

void AElementLoadPage::OnForceWorldClicked() {
    auto* box = dynamic_cast<CButton*>(GetDlgItem(IDC_EL_FORCE_WORLD));
    m_nForceWorld = box && box->GetCheck() == BST_CHECKED ? 1 : 0;
    m_force.setScope(m_nForceWorld ? omLoad::WorldCS : omLoad::LocalCS);
    if (auto* force = dynamic_cast<omLoadForce*>(m_pLoad)) {
        force->setScope(m_force.getScope());
        SendHint();
    }
}

void AElementLoadPage::OnLinearWorldClicked() {
    auto* box = dynamic_cast<CButton*>(GetDlgItem(IDC_EL_LINEAR_WORLD));
    m_nLinearWorld = box && box->GetCheck() == BST_CHECKED ? 1 : 0;
    m_linear.setScope(m_nLinearWorld ? omLoad::WorldCS : omLoad::LocalCS);
    if (auto* linear = dynamic_cast<omLoadLinear*>(m_pLoad)) {
        linear->setScope(m_linear.getScope());
        SendHint();
    }
}

void AElementLoadPage::OnPositionWorldClicked() {
    auto* box = dynamic_cast<CButton*>(GetDlgItem(IDC_EL_POSITION_WORLD));
    m_nPositionWorld = box && box->GetCheck() == BST_CHECKED ? 1 : 0;
    m_linear.setPosition(m_nPositionWorld ? omLoad::WorldCS : omLoad::LocalCS);
    if (auto* linear = dynamic_cast<omLoadLinear*>(m_pLoad)) {
        linear->setPosition(m_linear.getPosition());
        SendHint();
    }
}

void AElementLoadPage::OnNewConcentrated() {
    const unsigned group = NewLoadGroup();
    const ALinearDesignElement2D* member = m_pCopy ? m_pCopy->GetDesignElement() : nullptr;
    if (!group || !member) return;
    auto* force = new omLoadForce(member->getDofStructureType(), group);
    force->setScope(omLoad::LocalCS);
    force->setName("New Concentrated");
    const AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    force->convert(keys->force, keys->moment);
    AddLoad(force);
}

void AElementLoadPage::OnNewLinear() {
    const unsigned group = NewLoadGroup();
    const ALinearDesignElement2D* member = m_pCopy ? m_pCopy->GetDesignElement() : nullptr;
    if (!group || !member) return;
    auto* linear = new omLoadLinear(member->getDofStructureType(), group);
    linear->setScope(omLoad::LocalCS);
    linear->setName("New Linear");
    const AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    linear->convert(keys->forcePerLength, keys->momentPerLength);
    AddLoad(linear);
}

void AElementLoadPage::OnNewTemperature() {
    const unsigned group = NewLoadGroup();
    const ALinearDesignElement2D* member = m_pCopy ? m_pCopy->GetDesignElement() : nullptr;
    if (!group || !member) return;
    auto* temperature = new omLoadTemperature(member->getDofStructureType(), group);
    temperature->setName("New Temperatrue");
    temperature->convert(AUnitKeyAttributes::Instance()->tempDifference);
    AddLoad(temperature);
}

// --- AElementLoadProperty ---------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AElementLoadProperty, APPropertySheet)

AElementLoadProperty::AElementLoadProperty(CWnd* pParentWnd)
    : ALoadSheet("Element Load Properties", pParentWnd) {
    AddPage(&m_page);
}

AElementLoadProperty::~AElementLoadProperty() {
    ReleaseCopy();
}

const AStorageBase* AElementLoadProperty::FindLoads(AStrakonDocument* doc, const void*& owner) const {
    ALinearDesignElement2D* found = FindMember(doc, m_nElement);
    owner = found;
    return found ? dynamic_cast<AElementLoadGroup*>(found->getLoad()) : nullptr;
}

bool AElementLoadProperty::ReplaceCopy(const AStorageBase* loads, unsigned loadGroup) {
    m_page.SetCopy(nullptr);
    delete m_pCopy;
    const auto* group = dynamic_cast<const AElementLoadGroup*>(loads);
    m_pCopy = group ? dynamic_cast<AElementLoadGroup*>(group->clone()) : nullptr;
    if (!m_pCopy) return false;
    m_pCopy->SetActiveLoadGroup(loadGroup);
    m_page.SetCopy(m_pCopy);
    return true;
}

const AStorageBase* AElementLoadProperty::GetCopyLoads() const {
    return m_pCopy;
}

unsigned AElementLoadProperty::GetCopyLoadGroup() const {
    return m_pCopy ? m_pCopy->GetActiveLoadGroup() : 0;
}

void AElementLoadProperty::Attach(AStrakonDocument* doc) {
    doc->SetElementLoadSheet(m_pCopy);
    doc->m_pElementLoadPage = &m_page;
}

void AElementLoadProperty::Detach(AStrakonDocument* doc) {
    if (doc->m_pElementLoadPage == &m_page) doc->m_pElementLoadPage = nullptr;
    doc->SetElementLoadSheet(nullptr);
}

void AElementLoadProperty::ApplyCopy(AStrakonDocument* doc) {
    doc->EditElementLoadProperties(*m_pCopy);
}

void AElementLoadProperty::ReadExternalData() {
    const auto* selection = static_cast<const AObjectPtrContainer*>(m_pExternalData);
    const auto* group = selection && !selection->IsEmpty()
                            ? dynamic_cast<const AElementLoadGroup*>(selection->front())
                            : nullptr;
    const ALinearDesignElement2D* member = group ? group->GetDesignElement() : nullptr;
    if (!member) return;
    m_nElement = member->getIndex();
    TakeCopy(group->GetActiveLoadGroup());
}
