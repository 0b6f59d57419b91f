#include "app/views/AElementResultSheet.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADesignElementResults.h"
#include "app/views/ADesignElement.h"
#include "common/omUnitValue.h"
#include "controls/AObject.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omStrakon.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/DlgUi.h"
#include "platform/ui/StrakonAssert.h"

namespace {

constexpr int IDC_ELEMENT = 1554;
constexpr int IDC_DIGITS = 1045;
constexpr int IDC_DIGITS_SPIN = 1437;
constexpr int IDC_COPY_ALL = 1438;
constexpr int IDC_GRID = 1435;
constexpr int kMinDigits = 3;
constexpr int kMaxDigits = 8;
constexpr int kRows = 7;

// One quantity row of the grid: its label, where its value comes from, its base unit and the unit chosen for it.
struct Quantity {
    const char* label;
    enum Source { force, localDisplacement, displacement } source;
    omDofType dof;
    omUnitKey base;
    omUnitKey AUnitKeyAttributes::* shown;
};

const Quantity kQuantities[kRows - 1] = {
    {"My [", Quantity::force, Ry, omUK_kNcm, &AUnitKeyAttributes::moment},
    {"Fx [", Quantity::force, Ux, omUK_kN, &AUnitKeyAttributes::force},
    {"Fz [", Quantity::force, Uz, omUK_kN, &AUnitKeyAttributes::force},
    {"Local Uz [", Quantity::localDisplacement, Uz, omUK_cm, &AUnitKeyAttributes::length},
    {"Ux [", Quantity::displacement, Ux, omUK_cm, &AUnitKeyAttributes::length},
    {"Uz [", Quantity::displacement, Uz, omUK_cm, &AUnitKeyAttributes::length},
};

double valueAt(const omElementResult& result, unsigned lc, unsigned point, const Quantity& q) {
    switch (q.source) {
    case Quantity::force:
        return result.getLCResult(lc)[point].F.getDof(q.dof);
    case Quantity::localDisplacement:
        return result.getDisplacement(lc, point, true).getDof(q.dof);
    case Quantity::displacement:
        break;
    }
    return result.getDisplacement(lc, point, false).getDof(q.dof);
}

constexpr UINT kLabelFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
constexpr UINT kPositionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kValueFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

} // namespace

AElementResultDocument::~AElementResultDocument() = default;

// --- ADesignElementResultPage ------------------------------------------------------------------------------

int ADesignElementResultPage::s_nDigits = 5;

IMPLEMENT_DYNCREATE(ADesignElementResultPage, APPropertyPage)

BEGIN_MESSAGE_MAP(ADesignElementResultPage, APPropertyPage)
ON_BN_CLICKED(IDC_COPY_ALL, &ADesignElementResultPage::OnCopyAll)
ON_EN_CHANGE(IDC_DIGITS, &ADesignElementResultPage::OnDigitsChange)
END_MESSAGE_MAP()

ADesignElementResultPage::ADesignElementResultPage() : APPropertyPage(199) {}

ADesignElementResultPage::~ADesignElementResultPage() = default;

void ADesignElementResultPage::SetElement(omStrakon* structure, unsigned elementId) {
    m_pStructure = structure;
    m_nElementId = elementId;
}

const omDesignElement* ADesignElementResultPage::FindElement() const {
    if (!m_pStructure || !m_pStructure->getElementMap()) return nullptr;
    return m_pStructure->getElementMap()->doFind(m_nElementId);
}

bool ADesignElementResultPage::IsLoadCase() const {
    const omLoadManager* manager = m_pStructure ? m_pStructure->getLoadManager() : nullptr;
    return manager && m_nLoadCase >= 1 && m_nLoadCase <= manager->caseSize();
}

CString ADesignElementResultPage::GetLoadCaseName() const {
    if (!IsLoadCase()) return CString();
    const omLoadCase* lc = m_pStructure->getLoadManager()->getCase(m_nLoadCase);
    return lc ? CString(lc->name()) : CString();
}

void ADesignElementResultPage::DoDataExchange(CDataExchange* pDX) {
    APPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DIGITS_SPIN, m_spin);
    // A refused count must not reach the other pages: it is shared only once it passed.
    int digits = s_nDigits;
    DDX_Text(pDX, IDC_DIGITS, digits);
    DDV_MinMaxInt(pDX, digits, kMinDigits, kMaxDigits);
    s_nDigits = digits;
    DDX_Control(pDX, IDC_GRID, m_grid);
    m_bInitialized = true;
}

BOOL ADesignElementResultPage::OnInitDialog() {
    APPropertyPage::OnInitDialog();
    m_format.setDigits(static_cast<unsigned>(s_nDigits));
    m_grid.SetListMode(false);
    m_grid.SetEditable(false);
    m_grid.EnableSelection(true);
    const omDesignElement* element = FindElement();
    SetDlgItemText(IDC_ELEMENT, element ? element->getIdName(true, true).c_str() : "");
    m_spin.SetRange(kMinDigits, kMaxDigits);
    FillGrid(true, true);
    return TRUE;
}

void ADesignElementResultPage::OnCopyAll() {
    m_grid.OnEditSelectAll();
    m_grid.OnEditCopy();
}

void ADesignElementResultPage::OnDigitsChange() {
    if (!m_bInitialized || !UpdateData(TRUE)) return;
    m_format.setDigits(static_cast<unsigned>(s_nDigits));
    FillGrid(false, true);
}

void ADesignElementResultPage::SetLoadCase(int lc) {
    m_nLoadCase = lc;
    FillGrid(false, true);
    if (auto* sheet = dynamic_cast<APPropertySheet*>(GetParent())) sheet->AfterCreate();
    if (IsWindow()) Invalidate();
}

void ADesignElementResultPage::FillGrid(bool headers, bool values) {
    if (!m_grid.IsWindow()) return;
    const omDesignElement* element = FindElement();
    // A member that left the structure, or a case that is no load case (an
    // envelope, a deleted case): nothing to show.
    if (!element || !IsLoadCase()) {
        m_grid.DeleteAllItems();
        m_grid.Invalidate();
        return;
    }
    const omElementResult& result = element->getResult();
    const std::vector<double>& points = result.getPoints();
    const int columns = static_cast<int>(points.size()) + 1;
    if (m_grid.GetRowCount() != kRows || m_grid.GetColumnCount() != columns ||
        m_grid.GetFixedColumnCount() != 1) {
        m_grid.DeleteAllItems();
        m_grid.SetRowCount(kRows);
        m_grid.SetColumnCount(columns);
        m_grid.SetFixedRowCount(0);
        m_grid.SetFixedColumnCount(1);
        headers = values = true;
    }

    m_grid.SetItemText(0, 0, "Position");
    m_grid.SetItemFormat(0, 0, kLabelFormat);
    for (int col = 1; col < columns; ++col) {
        m_grid.SetItemText(0, col, m_format.CConvert(points[static_cast<size_t>(col - 1)]).c_str());
        m_grid.SetItemFormat(0, col, kPositionFormat);
    }
    const AUnitKeyAttributes& units = *AUnitKeyAttributes::Instance();
    if (headers)
        for (int row = 1; row < kRows; ++row) {
            const Quantity& q = kQuantities[row - 1];
            const CString label = q.label + omUnitValue(units.*q.shown).GetUnitName() + "]";
            m_grid.SetItemText(row, 0, label.c_str());
            m_grid.SetItemFormat(row, 0, kLabelFormat);
        }
    if (values) {
        // Results cleared by an edit belong to a model that no longer exists.
        const bool valid = result.areResultsValid(m_pStructure->getLoadManager());
        const unsigned lc = static_cast<unsigned>(m_nLoadCase);
        for (int row = 1; row < kRows; ++row) {
            const Quantity& q = kQuantities[row - 1];
            for (int col = 1; col < columns; ++col) {
                CString text;
                if (valid) {
                    const double value = valueAt(result, lc, static_cast<unsigned>(col - 1), q);
                    text = m_format.CConvert(omUnitValue(value, q.base).Get(units.*q.shown));
                }
                m_grid.SetItemText(row, col, text.c_str());
                m_grid.SetItemFormat(row, col, kValueFormat);
            }
        }
    }
    m_grid.AutoSize();
    // Rows stretch to fill the grid; before the page has its size they would be squeezed instead.
    CRect client;
    m_grid.GetClientRect(&client);
    if (client.Height() > m_grid.GetVirtualHeight()) m_grid.ExpandRowsToFit();
    m_grid.Invalidate();
}

// --- ADesignElementResultProperty --------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(ADesignElementResultProperty, APPropertySheet)

ADesignElementResultProperty::ADesignElementResultProperty() : APPropertySheet("Element Properties") {
    AddPage(&m_page);
}

ADesignElementResultProperty::~ADesignElementResultProperty() = default;

AElementResultDocument* ADesignElementResultProperty::Document() const {
    return dynamic_cast<AElementResultDocument*>(m_pDocument);
}

void ADesignElementResultProperty::ReadExternalData() {
    auto* picked = static_cast<AObjectPtrContainer*>(m_pExternalData);
    if (!picked || picked->IsEmpty() || !m_pDocument) return;
    // The sheet is shown for a structure document's results mark, always.
    AElementResultDocument* document = Document();
    STRAKON_ASSERT(document, return);
    auto* mark = dynamic_cast<ADesignElementResults*>(picked->front());
    STRAKON_ASSERT(mark, return);
    m_page.SetElement(document->GetResultStructure(), mark->GetElement()->getIndex());
    m_page.SetLoadCase(document->GetActiveResultCase());
    document->SetElementResultPage(&m_page);
}

void ADesignElementResultProperty::BeforeHide() {
    if (AElementResultDocument* document = Document()) document->SetElementResultPage(nullptr);
}

void ADesignElementResultProperty::AfterCreate() {
    if (IsWindow()) SetTabText(0, m_page.GetLoadCaseName().c_str());
}
