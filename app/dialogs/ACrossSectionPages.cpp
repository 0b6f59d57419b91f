#include "app/dialogs/ACrossSectionPages.h"

#include "app/shell/AUnitKeyAttributes.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionCircle.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionT.h"
#include "model/omCrossSectionTube.h"
#include "model/omGenericCrossSection.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CPropertySheet.h"
#include "resources/ui/StrakonEditorIds.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace {

bool isActiveOf(CPropertyPage& page) {
    CPropertySheet* sheet = page.GetSheet();
    return sheet && sheet->GetActivePage() == &page;
}

// The message box of a refused field, then the field focused with its text selected,
// as a failed data exchange leaves it.
BOOL refuseField(CWnd& page, int id, const std::string& message) {
    AfxMessageBox(message.c_str(), MB_ICONEXCLAMATION);
    if (CWnd* control = page.GetDlgItem(id)) {
        if (QWidget* widget = control->GetWidget()) {
            widget->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
        }
    }
    return FALSE;
}

struct DimensionFault {
    unsigned index = 0; // 1-based; 0 when the section is fine
    bool notPositive = false;
};

// Which dimension stops a shape from being a section. A value that is not a finite
// non-negative number is the fault; else, from the last dimension back, the first one
// whose smallest usual value would make the section whole (a wall too thick for its
// diameter, flanges too thick for the height); else the first that is not positive.
DimensionFault findDimensionFault(const omCrossSection& section, unsigned count) {
    if (section.isProperlySet()) return {};
    for (unsigned i = 1; i <= count; ++i) {
        const double v = section.getVariable(i).Get(omUK_cm);
        if (!std::isfinite(v) || v < 0.0) return {i, true};
    }
    for (unsigned i = count; i >= 1; --i) {
        const double lower = section.lower(i);
        if (!(lower > 0.0)) continue;
        std::unique_ptr<omCrossSection> probe(section.clone());
        probe->setVariable(i, omUnitValue(lower, omUK_cm));
        if (probe->isProperlySet()) return {i, !(section.getVariable(i).Get(omUK_cm) > 0.0)};
    }
    for (unsigned i = 1; i <= count; ++i)
        if (!(section.getVariable(i).Get(omUK_cm) > 0.0)) return {i, true};
    return {1, false};
}

} // namespace

// --- section values -----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(ACrossSectionPage, ANameColorPage)

ACrossSectionPage::ACrossSectionPage(UINT nIDTemplate) : ANameColorPage(nIDTemplate) {
    const AUnitKeyAttributes& u = *AUnitKeyAttributes::Instance();
    m_A.Set(u.area);
    m_Iy.Set(u.area2);
    m_Iz.Set(u.area2);
    m_Wy.Set(u.area1);
    m_Wz.Set(u.area1);
    m_iy.Set(u.length);
}

ACrossSectionPage::~ACrossSectionPage() = default;

void ACrossSectionPage::DoDataExchange(CDataExchange* pDX) {
    ANameColorPage::DoDataExchange(pDX);
    const int digits = AEditorDigits();
    DDX_UnitEdit(pDX, IDC_CS_VALUE_A, m_A, 0, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CS_VALUE_IY, m_Iy, 11, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CS_VALUE_WY, m_Wy, 12, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CS_VALUE_IZ, m_Iz, 11, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CS_VALUE_WZ, m_Wz, 12, digits, &m_units, false);
    DDX_UnitEdit(pDX, IDC_CS_VALUE_IY_RADIUS, m_iy, 0, digits, &m_units, false);
}

BOOL ACrossSectionPage::CheckDimensions(omCrossSection& probe, const std::vector<int>& ids) {
    const unsigned count =
        std::min<unsigned>(static_cast<unsigned>(ids.size()), static_cast<unsigned>(probe.numberOfVariables()));
    const DimensionFault fault = findDimensionFault(probe, count);
    if (fault.index == 0) return TRUE;
    const std::string& what = probe.description(fault.index);
    const std::string message = fault.notPositive ? "The " + what + " must be a number greater than 0."
                                                  : "The " + what + " does not fit the other dimensions of the "
                                                                    "section.";
    return refuseField(*this, ids[fault.index - 1], message);
}

void ACrossSectionPage::ShowSectionValues(const omCrossSection& section) {
    const AUnitKeyAttributes& u = *AUnitKeyAttributes::Instance();
    // A zero may be a valid optional dimension (a box's outstand), and positive
    // dimensions may still make no section (a tube's wall beyond its radius):
    // only what the model accepts shows values.
    const bool valid = section.isProperlySet();
    auto show = [valid](omUnitValue& shown, double value, omUnitKey key, omUnitKey userKey) {
        shown.Set(valid ? value : 0.0, key);
        shown.ConvertTo(userKey);
    };
    show(m_A, valid ? section.A() : 0.0, omUK_cm2, u.area);
    show(m_Iy, valid ? section.Iy() : 0.0, omUK_cm4, u.area2);
    show(m_Iz, valid ? section.Iz() : 0.0, omUK_cm4, u.area2);
    show(m_Wy, valid ? section.Wy() : 0.0, omUK_cm3, u.area1);
    show(m_Wz, valid ? section.Wz() : 0.0, omUK_cm3, u.area1);
    show(m_iy, valid ? section.iy() : 0.0, omUK_cm, u.length);
}

// --- shapes -------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(AShapeCS, ACrossSectionPage)

BEGIN_MESSAGE_MAP(AShapeCS, ACrossSectionPage)
ON_CONTROL_RANGE(EN_KILLFOCUS, 1000, 1999, &AShapeCS::OnEditKillFocus)
END_MESSAGE_MAP()

AShapeCS::AShapeCS(UINT nIDTemplate, omCrossSection* preview, int pictureId, UINT metafileId,
                   std::vector<int> dimensionIds, unsigned dimensionGroup)
    : ACrossSectionPage(nIDTemplate), m_nPictureId(pictureId), m_nMetafileId(metafileId),
      m_dimensionIds(std::move(dimensionIds)), m_nDimensionGroup(dimensionGroup) {
    m_pPreview.reset(preview);
    m_dimensions.assign(m_dimensionIds.size(), omUnitValue(AUnitKeyAttributes::Instance()->length));
}

AShapeCS::~AShapeCS() = default;

void AShapeCS::DoDataExchange(CDataExchange* pDX) {
    ACrossSectionPage::DoDataExchange(pDX);
    DDX_Control(pDX, m_nPictureId, m_picture);
    const int digits = AEditorDigits();
    for (std::size_t i = 0; i < m_dimensionIds.size(); ++i)
        DDX_UnitEdit(pDX, m_dimensionIds[i], m_dimensions[i], m_nDimensionGroup, digits, &m_units, false);
}

BOOL AShapeCS::OnInitDialog() {
    ACrossSectionPage::OnInitDialog();
    AEnhMetaFilePicture::DeleteEnhMetaFile(
        m_picture.SetEnhMetaFile(AEnhMetaFilePicture::ReadMetaFile(m_nMetafileId, "METAFILE")));
    return TRUE;
}

BOOL AShapeCS::OnApply() {
    if (isActiveOf(*this)) {
        std::unique_ptr<omCrossSection> probe(m_pPreview->clone());
        for (std::size_t i = 0; i < m_dimensions.size(); ++i)
            probe->setVariable(static_cast<unsigned>(i + 1), m_dimensions[i]);
        if (!CheckDimensions(*probe, m_dimensionIds)) return FALSE;
    }
    return ACrossSectionPage::OnApply();
}

void AShapeCS::OnEditKillFocus(UINT nID) {
    if (std::find(m_dimensionIds.begin(), m_dimensionIds.end(), static_cast<int>(nID)) == m_dimensionIds.end())
        return;
    if (!UpdateData(TRUE)) return;
    for (std::size_t i = 0; i < m_dimensions.size(); ++i)
        m_pPreview->setVariable(static_cast<unsigned>(i + 1), m_dimensions[i]);
    ShowSectionValues(*m_pPreview);
    UpdateData(FALSE);
}

void AShapeCS::ExchangeShape(omCrossSection* section, bool save) {
    if (!section) return;
    const unsigned count = std::min<unsigned>(static_cast<unsigned>(m_dimensions.size()),
                                              static_cast<unsigned>(section->numberOfVariables()));
    if (save) {
        for (unsigned i = 0; i < count; ++i)
            section->setVariable(i + 1, m_dimensions[i]);
        section->setName(NameToSave());
        section->setColor(m_color);
        return;
    }
    for (unsigned i = 0; i < count; ++i)
        m_dimensions[i] = section->getVariable(i + 1);
    m_strName = section->name();
    m_color = section->color();
    ShowSectionValues(*section);
}

IMPLEMENT_DYNCREATE(ARectangleCS, AShapeCS)
ARectangleCS::ARectangleCS()
    : AShapeCS(IDD_CS_RECTANGLE, new omCrossSectionRect(0), IDC_PICTURE_1497, IDM_CS_RECTANGLE,
               {IDC_RECT_DEPTH, IDC_RECT_BREADTH}, 1) {}
void ARectangleCS::Exchange(omCrossSectionRect* section, bool save) {
    ExchangeShape(section, save);
}

IMPLEMENT_DYNCREATE(ACircleCS, AShapeCS)
ACircleCS::ACircleCS()
    : AShapeCS(IDD_CS_CIRCLE, new omCrossSectionCircle(0), IDC_PICTURE_1496, IDM_CS_CIRCLE, {IDC_CIRCLE_DIAMETER},
               0) {}
void ACircleCS::Exchange(omCrossSectionCircle* section, bool save) {
    ExchangeShape(section, save);
}

IMPLEMENT_DYNCREATE(ATubeCS, AShapeCS)
ATubeCS::ATubeCS()
    : AShapeCS(IDD_CS_TUBE, new omCrossSectionTube(0), IDC_PICTURE_1496, IDM_CS_TUBE, {IDC_TUBE_D, IDC_TUBE_T}, 1) {}
void ATubeCS::Exchange(omCrossSectionTube* section, bool save) {
    ExchangeShape(section, save);
}

IMPLEMENT_DYNCREATE(ABoxCS, AShapeCS)
ABoxCS::ABoxCS()
    : AShapeCS(IDD_CS_BOX, new omCrossSectionBox(0), IDC_PICTURE_1497, IDM_CS_BOX,
               {IDC_BOX_H, IDC_BOX_H + 1, IDC_BOX_H + 2, IDC_BOX_H + 3, IDC_BOX_H + 4, IDC_BOX_H + 5}, 1) {}
void ABoxCS::Exchange(omCrossSectionBox* section, bool save) {
    ExchangeShape(section, save);
}

IMPLEMENT_DYNCREATE(ATCS, AShapeCS)
ATCS::ATCS()
    : AShapeCS(IDD_CS_T, new omCrossSectionT(0), IDC_PICTURE_1498, IDM_CS_T,
               {IDC_T_DEPTH, IDC_T_DEPTH + 1, IDC_T_DEPTH + 2, IDC_T_DEPTH + 3}, 1) {}
void ATCS::Exchange(omCrossSectionT* section, bool save) {
    ExchangeShape(section, save);
}

// --- general section ----------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AGeneralCS, ABasePropertyPage)

AGeneralCS::AGeneralCS()
    : ABasePropertyPage(IDD_CS_GENERAL, 0),
      m_pSection(std::make_unique<omGenericCrossSection>(omUnitValue(omUK_cm2), omUnitValue(omUK_cm4), 0)) {}

AGeneralCS::~AGeneralCS() = default;

BOOL AGeneralCS::OnSetActive() {
    if (m_ppActivePage) *m_ppActivePage = this;
    return ABasePropertyPage::OnSetActive();
}

void AGeneralCS::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    using P = omGenericCrossSection;
    const struct {
        int id;
        P::Property property;
        unsigned group;
    } values[] = {{IDC_GCS_A, P::pA, 1},        {IDC_GCS_VY, P::pVy, 1},         {IDC_GCS_VZ, P::pVz, 1},
                  {IDC_GCS_IX, P::pIx, 2},      {IDC_GCS_IY, P::pIy, 2},         {IDC_GCS_IZ, P::pIz, 2},
                  {IDC_GCS_IYZ, P::pIyz, 2},    {IDC_GCS_SY, P::pSy, 3},         {IDC_GCS_SZ, P::pSz, 3},
                  {IDC_GCS_WY, P::pWy, 3},      {IDC_GCS_WZ, P::pWz, 3},         {IDC_GCS_ZY, P::pZy, 3},
                  {IDC_GCS_ZZ, P::pZz, 3},      {IDC_GCS_HEIGHT, P::pHeight, 4}, {IDC_GCS_BREADTH, P::pBreadth, 4},
                  {IDC_GCS_TOPZ, P::pTopDistance, 4}};
    const int digits = AEditorDigits();
    for (const auto& v : values)
        DDX_UnitEdit(pDX, v.id, m_pSection->property(v.property), v.group, digits, &m_units, false);
}

BOOL AGeneralCS::OnApply() {
    if (isActiveOf(*this) && !m_pSection->isProperlySet()) {
        // The values the model needs positive, in the order of the page.
        const struct {
            double value;
            int id;
            const char* name;
        } needed[] = {{m_pSection->A(), IDC_GCS_A, "area A"},
                      {m_pSection->Iy(), IDC_GCS_IY, "moment of inertia Iy"},
                      {m_pSection->height(), IDC_GCS_HEIGHT, "height"},
                      {m_pSection->breadth(), IDC_GCS_BREADTH, "breadth"}};
        for (const auto& n : needed)
            if (!(n.value > 0.0) || !std::isfinite(n.value))
                return refuseField(*this, n.id, std::string("The ") + n.name + " must be a number greater than 0.");
    }
    return ABasePropertyPage::OnApply();
}

void AGeneralCS::Exchange(omGenericCrossSection* section, bool save) {
    if (!section) return;
    if (!save) {
        m_pSection->copy(*section);
        return;
    }
    const unsigned id = section->getIndex();
    section->copy(*m_pSection);
    section->setIndex(id);
    if (section->name().empty()) section->setName("Unknown");
}
