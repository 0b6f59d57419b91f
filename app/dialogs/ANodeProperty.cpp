#include "app/dialogs/ANodeProperty.h"

#include "app/dialogs/ANameColorPage.h"
#include "app/dialogs/APropertySheetSupport.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omNodeMap.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CResources.h"

#include <QImage>

#include <optional>
#include <string>

using namespace propertysheet;

namespace {

constexpr int IDC_X = 1000;
constexpr int IDC_Z = 1001;
constexpr int IDC_ID = 1002;
constexpr int IDC_NAME = 1568;
constexpr UINT IDC_SUPPORT_X = 1066;
constexpr UINT IDC_SUPPORT_Z = 1067;
constexpr UINT IDC_SUPPORT_R = 1068;
constexpr UINT IDC_NATURAL = 1422;
constexpr UINT IDC_ROTATION = 1043;
constexpr UINT IDC_ROTATION_LABEL = 1429;
constexpr UINT IDC_PICTURE_FRAME = 1425;
constexpr UINT IDC_PICTURE = 1426;
constexpr UINT IDC_NOT_AVAILABLE = 1430;
constexpr int kSymbolSize = 30;

// A box that only its page sets: a set or mixed box clears, a clear one sets.
void Toggle(CWnd* wnd) {
    if (auto* box = dynamic_cast<CButton*>(wnd))
        box->SetCheck(box->GetCheck() == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
}

// One symbol of a strip, its magenta shown as transparent.
QImage Symbol(UINT bitmap, int index) {
    QImage strip = CResources::Instance().LoadBitmap(bitmap, QSize());
    if (strip.isNull()) return {};
    QImage image = strip.copy(index * kSymbolSize, 0, kSymbolSize, kSymbolSize).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF00FF) image.setPixel(x, y, 0);
    return image;
}

// The refusal of a move that puts the node onto the other end of one of its
// members; empty when every member keeps a length.
std::string ZeroLengthRefusal(AStrakonDocument& doc, const omNode& node, const omNode& moved) {
    AStrakon* model = doc.GetModel();
    omElementMap* elements = model ? model->getElementMap() : nullptr;
    if (!elements) return {};
    std::list<omDesignElement*> members;
    elements->elementsUsingNode(&node, members);
    double x = 0.0, z = 0.0;
    moved.getPlanePoint(omNode::coorPlain, x, z);
    for (const omDesignElement* member : members) {
        const unsigned otherId =
            member->getNodeIndex1() == node.getIndex() ? member->getNodeIndex2() : member->getNodeIndex1();
        const omNode* other = model->getNodeMap() ? model->getNodeMap()->find(otherId) : nullptr;
        if (!other || other == &node) continue;
        double ox = 0.0, oz = 0.0;
        other->getPlanePoint(omNode::coorPlain, ox, oz);
        if (ox == x && oz == z)
            return "Element " + std::to_string(member->getIndex()) + " would have zero length: node " +
                   std::to_string(node.getIndex()) + " would lie on its other end, node " +
                   std::to_string(otherId) + ".";
    }
    return {};
}

} // namespace

// --- ANodePage --------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ANodePage, APPropertyPage)

ANodePage::ANodePage()
    : APPropertyPage(104), m_x(0.0, AUnitKeyAttributes::Instance()->length),
      m_z(0.0, AUnitKeyAttributes::Instance()->length) {}
ANodePage::~ANodePage() = default;

void ANodePage::DoDataExchange(CDataExchange* pDX) {
    // A refused value prompts; the frame must not hide behind the prompt.
    FramePin pin;
    APPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ID, m_nId);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_UnitEdit(pDX, IDC_X, m_x, 1, AEditorDigits(), &m_units, true);
    DDX_UnitEdit(pDX, IDC_Z, m_z, 1, AEditorDigits(), &m_units, false);
}

BOOL ANodePage::OnInitDialog() {
    APPropertyPage::OnInitDialog();
    auto* sheet = dynamic_cast<ANodeProperty*>(GetSheet());
    const bool one = sheet && sheet->GetNodeCount() < 2;
    for (int id : {IDC_X, IDC_Z, IDC_ID, IDC_NAME})
        if (CWnd* edit = GetDlgItem(id)) edit->EnableWindow(one);
    return TRUE;
}

// --- ANodePageSupp ----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ANodePageSupp, APPropertyPage)

BEGIN_MESSAGE_MAP(ANodePageSupp, APPropertyPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_SUPPORT_X, IDC_SUPPORT_R, &ANodePageSupp::OnSupportClicked)
ON_BN_CLICKED(IDC_NATURAL, &ANodePageSupp::OnNaturalClicked)
ON_CBN_SELCHANGE(IDC_ROTATION, &ANodePageSupp::OnRotationChange)
END_MESSAGE_MAP()

ANodePageSupp::ANodePageSupp() : APPropertyPage(134) {}
ANodePageSupp::~ANodePageSupp() = default;

std::vector<int> ANodePageSupp::AllowedRotations(bool x, bool z, bool r) {
    if (x && z) return {0, 90, 180, 270};
    // A roller that also holds the rotation has no symbol of its own.
    if (r) return {};
    if (x) return {90, 270};
    if (z) return {0, 180};
    return {};
}

UINT ANodePageSupp::SymbolBitmap(bool x, bool z, bool r) {
    if (x && z) return r ? 201 : 200;
    if (x != z && !r) return 199;
    return 0;
}

void ANodePageSupp::DoDataExchange(CDataExchange* pDX) {
    // A refused value prompts; the frame must not hide behind the prompt.
    FramePin pin;
    APPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PICTURE, m_picture);
    DDX_Check(pDX, IDC_SUPPORT_X, m_nSupportX);
    DDX_Check(pDX, IDC_SUPPORT_Z, m_nSupportZ);
    DDX_Check(pDX, IDC_SUPPORT_R, m_nSupportR);
    DDX_Check(pDX, IDC_NATURAL, m_nNatural);
    ExchangeList(pDX, IDC_ROTATION, m_rotations, m_strRotation);
}

BOOL ANodePageSupp::OnInitDialog() {
    APPropertyPage::OnInitDialog();
    UpdateNaturalSymbolControls();
    FillRotations();
    return TRUE;
}

bool ANodePageSupp::IsChecked(UINT nID) const {
    auto* box = dynamic_cast<const CButton*>(GetDlgItem(nID));
    return box && box->GetCheck() == BST_CHECKED;
}

void ANodePageSupp::OnSupportClicked(UINT nID) {
    Toggle(GetDlgItem(nID));
    UpdateNaturalSymbolControls();
    FillRotations();
}

void ANodePageSupp::OnNaturalClicked() {
    Toggle(GetDlgItem(IDC_NATURAL));
    FillRotations();
}

void ANodePageSupp::OnRotationChange() {
    m_strRotation = SelectedText(m_rotations);
    ShowSymbol();
}

void ANodePageSupp::UpdateNaturalSymbolControls() {
    bool anyMixed = false, anyChecked = false;
    for (UINT id : {IDC_SUPPORT_X, IDC_SUPPORT_Z, IDC_SUPPORT_R}) {
        auto* box = dynamic_cast<CButton*>(GetDlgItem(id));
        const int state = box ? box->GetCheck() : BST_UNCHECKED;
        anyMixed = anyMixed || state == BST_INDETERMINATE;
        anyChecked = anyChecked || state == BST_CHECKED;
    }
    for (UINT id : {IDC_NATURAL, IDC_ROTATION_LABEL, IDC_ROTATION, IDC_PICTURE_FRAME, IDC_PICTURE})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(!anyMixed && anyChecked);
}

void ANodePageSupp::FillRotations() {
    const bool x = IsChecked(IDC_SUPPORT_X), z = IsChecked(IDC_SUPPORT_Z), r = IsChecked(IDC_SUPPORT_R);
    const std::vector<int> offered = AllowedRotations(x, z, r);
    const bool available = IsChecked(IDC_NATURAL) && !offered.empty();
    for (UINT id : {IDC_ROTATION_LABEL, IDC_ROTATION, IDC_PICTURE_FRAME, IDC_PICTURE})
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(available ? SW_SHOW : SW_HIDE);
    if (CWnd* text = GetDlgItem(IDC_NOT_AVAILABLE)) text->ShowWindow(available ? SW_HIDE : SW_SHOW);
    if (!available) {
        // Supports without a natural symbol cannot use one. A box the user merely
        // left clear or mixed keeps its state, so Apply leaves the nodes' flags alone.
        if (offered.empty())
            if (auto* natural = dynamic_cast<CButton*>(GetDlgItem(IDC_NATURAL))) natural->SetCheck(BST_UNCHECKED);
        return;
    }
    // The first fill keeps the nodes' own angle.
    CString kept = m_rotations.GetCount() > 0 ? SelectedText(m_rotations) : m_strRotation;
    m_rotations.ResetContent();
    for (int angle : offered)
        m_rotations.AddString(std::to_string(angle).c_str());
    if (!kept.empty()) {
        const int index = m_rotations.FindStringExact(-1, kept.c_str());
        m_rotations.SetCurSel(index >= 0 ? index : 0);
    }
    m_strRotation = SelectedText(m_rotations);
    ShowSymbol();
}

void ANodePageSupp::ShowSymbol() {
    const UINT bitmap =
        SymbolBitmap(IsChecked(IDC_SUPPORT_X), IsChecked(IDC_SUPPORT_Z), IsChecked(IDC_SUPPORT_R));
    const std::optional<unsigned> angle = LeadingId(SelectedText(m_rotations));
    if (!bitmap || !angle || !m_picture.IsWindow()) {
        if (m_picture.IsWindow()) m_picture.SetImage(QImage());
        return;
    }
    m_picture.SetImage(Symbol(bitmap, static_cast<int>(*angle / 90 % 4)));
}

// --- ANodeProperty ----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ANodeProperty, APPropertySheet)

ANodeProperty::ANodeProperty(CWnd* pParentWnd) : APPropertySheet("Node Properties", pParentWnd) {
    AddPage(&m_coordinates);
    AddPage(&m_supports);
}

ANodeProperty::~ANodeProperty() = default;

AStrakonDocument* ANodeProperty::GetStrakonDocument() const {
    return Document(*this);
}

std::vector<ANode2D*> ANodeProperty::GetNodes() const {
    return FindNodes(GetStrakonDocument(), m_numbers);
}

void ANodeProperty::ReadExternalData() {
    m_numbers = NodeNumbers(static_cast<const AObjectPtrContainer*>(m_pExternalData));
    // The user's length unit, as the views' tips show coordinates.
    const omUnitKey grid = AUnitKeyAttributes::Instance()->length;
    m_coordinates.m_x = omUnitValue(0.0, grid);
    m_coordinates.m_z = omUnitValue(0.0, grid);
    m_coordinates.m_nId = 0;
    m_coordinates.m_strName.Empty();
    const std::vector<ANode2D*> nodes = GetNodes();
    if (!nodes.empty() && m_numbers.size() == 1) {
        const ANode2D* node = nodes.front();
        if (const omUnitValue* x = node->getCoor(Ux, omNode::coorPlain)) m_coordinates.m_x = *x;
        if (const omUnitValue* z = node->getCoor(Uz, omNode::coorPlain)) m_coordinates.m_z = *z;
        m_coordinates.m_x.ConvertTo(grid);
        m_coordinates.m_z.ConvertTo(grid);
        m_coordinates.m_nId = static_cast<int>(node->getIndex());
        m_coordinates.m_strName = node->getName();
    }
    m_shownX = m_coordinates.m_x;
    m_shownZ = m_coordinates.m_z;
    if (nodes.empty()) return;

    ANodePageSupp& s = m_supports;
    const ANode2D* first = nodes.front();
    s.m_nSupportX = first->getSupport(Ux) ? 1 : 0;
    s.m_nSupportZ = first->getSupport(Uz) ? 1 : 0;
    s.m_nSupportR = first->getSupport(Ry) ? 1 : 0;
    s.m_nNatural = first->GetShowSupportSymbol() ? 1 : 0;
    int rotation = static_cast<int>(first->GetSupportAngle());
    auto merge = [](int& state, bool value) {
        if (state != 2 && state != (value ? 1 : 0)) state = 2;
    };
    for (const ANode2D* node : nodes) {
        merge(s.m_nSupportX, node->getSupport(Ux));
        merge(s.m_nSupportZ, node->getSupport(Uz));
        merge(s.m_nSupportR, node->getSupport(Ry));
        merge(s.m_nNatural, node->GetShowSupportSymbol());
        if (rotation != -1 && static_cast<int>(node->GetSupportAngle()) != rotation) rotation = -1;
    }
    if (rotation >= 0) s.m_strRotation = std::to_string(rotation);
}

void ANodeProperty::ExchangeData(BOOL bSave) {
    if (bSave) {
        Apply();
        return;
    }
    ReadExternalData();
    if (CPropertyPage* page = GetActivePage(); page && page->IsWindow()) page->UpdateData(FALSE);
}

void ANodeProperty::Apply() {
    // A value the page refuses ends Apply: the user was told and the edit has the focus.
    if (CPropertyPage* page = GetActivePage(); page && page->IsWindow() && !page->UpdateData(TRUE)) return;
    AStrakonDocument* doc = GetStrakonDocument();
    const std::vector<ANode2D*> nodes = GetNodes();
    if (!doc || nodes.empty()) return;

    std::vector<omNode*> copies;
    for (const ANode2D* node : nodes) {
        copies.push_back(node->clone());
    }
    bool coordinatesChanged = false;
    if (m_numbers.size() == 1) {
        if (auto* copy = dynamic_cast<ANode2D*>(copies.front())) {
            // Only a coordinate the user changed is written: one shown rounded
            // to the display's digits keeps the node's own value exactly.
            if (m_coordinates.m_x != m_shownX) {
                copy->setUx(m_coordinates.m_x);
                coordinatesChanged = true;
            }
            if (m_coordinates.m_z != m_shownZ) {
                copy->setUz(m_coordinates.m_z);
                coordinatesChanged = true;
            }
            copy->setName(m_coordinates.m_strName);
        }
    }
    if (coordinatesChanged) {
        const std::string refusal = ZeroLengthRefusal(*doc, *nodes.front(), *copies.front());
        if (!refusal.empty()) {
            for (omNode* copy : copies)
                delete copy;
            AfxMessageBox(refusal.c_str(), MB_ICONEXCLAMATION);
            if (m_coordinates.IsWindow())
                if (CWnd* edit = m_coordinates.GetDlgItem(IDC_X)) edit->SetFocus();
            return;
        }
    }
    const ANodePageSupp& s = m_supports;
    const std::optional<unsigned> rotation = LeadingId(s.m_strRotation);
    for (omNode* copy : copies) {
        if (s.m_nSupportX != 2) copy->setSupport(Ux, s.m_nSupportX != 0);
        if (s.m_nSupportZ != 2) copy->setSupport(Uz, s.m_nSupportZ != 0);
        if (s.m_nSupportR != 2) copy->setSupport(Ry, s.m_nSupportR != 0);
        auto* node = dynamic_cast<ANode2D*>(copy);
        if (!node) continue;
        if (s.m_nNatural != 2) node->SetShowSupportSymbol(s.m_nNatural != 0);
        if (rotation) node->SetSupportAngle(*rotation);
    }
    // The command takes the copies; each replaces the node of the same position.
    std::vector<ANode2D*> edited;
    for (omNode* copy : copies)
        edited.push_back(dynamic_cast<ANode2D*>(copy));
    doc->EditNodeProperties(nodes, std::move(edited), coordinatesChanged);
}
