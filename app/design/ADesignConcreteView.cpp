#include "app/design/ADesignConcreteView.h"

#include "app/design/ABarDialog.h"
#include "app/design/ADesignEC2.h"
#include "app/design/ASelectRCElementMatDlg.h"
#include "app/design/AStirrupDialog.h"
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "app/report/AReportText.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ADesignElement.h"
#include "app/views/AStrakon.h"
#include "model/omBar.h"
#include "model/omCrossSection.h"
#include "model/omCrossSectionMap.h"
#include "model/omElementResult.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omRCDesignBeamData.h"
#include "model/omStringMatrix.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/SysColor.h"
#include "resources/ui/StrakonResourceIds.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

namespace {

constexpr UINT kTextFormat = DT_WORDBREAK | DT_EXPANDTABS;

CString materialName(const omMaterial* material) {
    return material ? CString(material->name()) : CString("Not defined!");
}

} // namespace

IMPLEMENT_DYNCREATE(ADesignConcreteView, ADesignView)

BEGIN_MESSAGE_MAP(ADesignConcreteView, ADesignView)
ON_COMMAND(ID_EDIT_POSITIVE_BARS, &ADesignConcreteView::OnEditPositiveBars)
ON_UPDATE_COMMAND_UI(ID_EDIT_POSITIVE_BARS, &ADesignConcreteView::OnUpdatePositiveBars)
ON_COMMAND(ID_EDIT_NEGATIVE_BARS, &ADesignConcreteView::OnEditNegativeBars)
ON_UPDATE_COMMAND_UI(ID_EDIT_NEGATIVE_BARS, &ADesignConcreteView::OnUpdateNegativeBars)
ON_COMMAND(ID_EDIT_STIRRUPS, &ADesignConcreteView::OnEditStirrups)
ON_UPDATE_COMMAND_UI(ID_EDIT_STIRRUPS, &ADesignConcreteView::OnUpdateStirrups)
ON_COMMAND(ID_SELECT_RC_MATERIALS, &ADesignConcreteView::OnEditMaterials)
ON_UPDATE_COMMAND_UI(ID_SELECT_RC_MATERIALS, &ADesignConcreteView::OnUpdateMaterials)
ON_COMMAND(ID_EDIT_MATERIALS, &ADesignConcreteView::OnEditMaterials)
ON_UPDATE_COMMAND_UI(ID_EDIT_MATERIALS, &ADesignConcreteView::OnUpdateMaterials)
ON_COMMAND(ID_EDIT_CROSS_SECTIONS, &ADesignConcreteView::OnEditCrossSections)
ON_UPDATE_COMMAND_UI(ID_EDIT_CROSS_SECTIONS, &ADesignConcreteView::OnUpdateCrossSections)
END_MESSAGE_MAP()

ADesignConcreteView::ADesignConcreteView() {
    m_nElement = 0;
    m_bUltimate = true;
}

ADesignConcreteView::~ADesignConcreteView() = default;

// --- the data ----------------------------------------------------------------------------------------

omRCDesignBeamData* ADesignConcreteView::GetConcreteData() const {
    omGenericDesignData* data = GetDesignData();
    return data && typeid(*data) == typeid(omRCDesignBeamData) ? static_cast<omRCDesignBeamData*>(data) : nullptr;
}

bool ADesignConcreteView::IsConcreteMember() const {
    return GetDesignKind() == omGenericDesignData::dtRCBeam;
}

std::vector<double> ADesignConcreteView::GetPositions() const {
    const ADesignElement* element = GetDesignElement();
    return element ? element->getResult().getPoints() : std::vector<double>();
}

CString ADesignConcreteView::GetDescriptionText() const {
    const ADesignElement* element = GetDesignElement();
    if (!element) return CString::Formatted("The element %u does not exist.", m_nElement);
    const AStrakonDocument* doc = GetDocument();
    const omStrakon* model = doc ? doc->GetModel() : nullptr;
    const omCrossSectionMap* sections = model ? model->getCrossSectionMap() : nullptr;
    const omMaterialMap* materials = model ? model->getMaterialMap() : nullptr;
    const omCrossSection* section = sections ? sections->doFind(element->getCrossSectionIndex()) : nullptr;
    CString text = section ? FormatCrossSectionText(*section) : CString("Cross-section: Not defined!");
    text += "\n";
    if (const omGenericDesignData* data = GetDesignData()) text += FormatSupportWidthsText(*data);
    text += "\nConcrete: ";
    text += materialName(materials ? materials->doFind(element->getMaterialIndex()) : nullptr);
    text += "\nReinforcement: ";
    text += materialName(materials ? materials->doFind(element->getMaterialIndex2()) : nullptr);
    return text;
}

CString ADesignConcreteView::GetReasonText() const {
    const ADesignElement* element = GetDesignElement();
    if (!element) return CString::Formatted("The element %u does not exist.", m_nElement);
    if (!IsConcreteMember())
        return "The material and the cross-section of this element do not make a reinforced-concrete element: "
               "its concrete design is not possible.";
    if (!GetDesignData()) return "The element has no design data.";
    if (!GetConcreteData()) return "The design data of this element are not reinforced-concrete design data.";
    const AStrakonDocument* doc = GetDocument();
    if (!doc || !doc->GetModel()) return "The element has no design data.";
    ADesignEC2 design(m_nElement, doc->GetModel());
    CString reason;
    design.IsDesignPossible(&reason);
    return reason;
}

// --- the charts' data --------------------------------------------------------------------------------

void ADesignConcreteView::FillStirrupBars(const omStirrupVec& stirrups, PlotterBarArea& plotter) {
    omStringMatrix table;
    stirrups.getStringMatrix(table);
    AStirrupDialog::FillPlotter(table, plotter);
}

void ADesignConcreteView::FillBandBars(const omBarBand& band, PlotterBarArea& plotter) {
    std::vector<double> positions;
    band.getBarChangePos(positions);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (std::size_t i = 1; i < positions.size(); ++i) {
        const double x1 = positions[i - 1];
        const double x2 = positions[i];
        const double area = band.A((x1 + x2) * 0.5).Get(omUK_cm2);
        plotter.m_bars.push_back(ChartBar(x1, x2, CString::Formatted("%3.1lf cm2", area), area));
    }
}

void ADesignConcreteView::FillShear(const std::vector<double>& positions, const omRCDesignBeamData& data,
                                    PlotterLineLimit& plotter) {
    const std::vector<double>& shear = data.getShearResults();
    const std::size_t n = std::min(positions.size(), shear.size());
    plotter.m_dLimit = 1.0;
    for (std::size_t i = 0; i < n; ++i)
        plotter.m_points.push_back({positions[i], shear[i]});
}

namespace {

void fillPairs(const std::vector<double>& positions, const std::vector<std::pair<double, double>>& results,
               std::vector<ChartPoint2>& points) {
    const std::size_t n = std::min(positions.size(), results.size());
    for (std::size_t i = 0; i < n; ++i)
        points.push_back({positions[i], -results[i].second, -results[i].first});
}

} // namespace

void ADesignConcreteView::FillNM(const std::vector<double>& positions, const omRCDesignBeamData& data,
                                 PlotterLineLimit2& plotter) {
    fillPairs(positions, data.getNMResults(), plotter.m_points2);
}

void ADesignConcreteView::FillCracks(const std::vector<double>& positions, const omRCDesignBeamData& data,
                                     PlotterCracks& plotter) {
    fillPairs(positions, data.getCrackResults(), plotter.m_points2);
}

// --- drawing -----------------------------------------------------------------------------------------

void ADesignConcreteView::DrawChart(CDC* pDC, const CRect& band, Plotter& plotter, const char* title) {
    if (band.Width() <= 0 || band.Height() <= 0) return;
    const int saved = pDC->SaveDC();
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetViewportOrg(band.left, band.bottom);
    CRect logical = band;
    pDC->DPtoLP(&logical);
    ChartBase chart;
    chart.m_nWidth = std::abs(logical.right - logical.left);
    chart.m_nHeight = std::abs(logical.bottom - logical.top);
    chart.SetPlotter(&plotter);
    chart.m_mainTitle.SetText(title);
    chart.Draw(pDC, CPoint(0, 0));
    pDC->RestoreDC(saved);
}

void ADesignConcreteView::OnDraw(CDC* pDC) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    pDC->FillSolidRect(&m_description, face);
    pDC->FillSolidRect(&m_listPanel, face);

    CRect text = m_description;
    text.bottom -= 50;
    text.DeflateRect(13, 13);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    if (text.Width() > 0 && text.Height() > 0) pDC->DrawText(std::string_view(GetDescriptionText()), &text, kTextFormat);

    const omRCDesignBeamData* data = GetConcreteData();
    const CRect& r = m_reinforcement;
    const int third = r.Height() / 3;
    {
        PlotterBarArea stirrups, negative, positive;
        if (data) {
            FillStirrupBars(data->getStirrups(), stirrups);
            FillBandBars(data->getTopBand(), negative);
            FillBandBars(data->getBottomBand(), positive);
        }
        DrawChart(pDC, CRect(r.left, r.top, r.right, r.top + third), stirrups, "Stirrups");
        DrawChart(pDC, CRect(r.left, r.top + third, r.right, r.top + 2 * third), negative, "Negative");
        DrawChart(pDC, CRect(r.left, r.top + 2 * third, r.right, r.bottom), positive, "Positive");
    }

    const CString reason = GetReasonText();
    CRect inset = m_chart;
    inset.DeflateRect(m_chart.Width() / 8, m_chart.Height() / 8);
    auto message = [&](const CString& what) {
        if (inset.Width() > 0 && inset.Height() > 0) pDC->DrawText(std::string_view(what), &inset, kTextFormat);
    };
    if (!reason.empty() || !data) {
        message(reason);
    } else if (m_bUltimate) {
        if (!data->isUltDesign()) {
            message("Ultimate limit state design is not required!");
        } else {
            const std::vector<double> positions = GetPositions();
            const int half = m_chart.top + m_chart.Height() / 2;
            PlotterLineLimit shear;
            FillShear(positions, *data, shear);
            DrawChart(pDC, CRect(m_chart.left, m_chart.top, m_chart.right, half), shear, "Shear Design");
            PlotterLineLimit2 nm;
            FillNM(positions, *data, nm);
            DrawChart(pDC, CRect(m_chart.left, half, m_chart.right, m_chart.bottom), nm, "N-M Design");
        }
    } else {
        if (!data->isSerDesign()) {
            message("Servicebility limit state design is not required!");
        } else {
            PlotterCracks cracks;
            FillCracks(GetPositions(), *data, cracks);
            DrawChart(pDC, m_chart, cracks, "Crack width [mm]");
        }
    }
    pDC->SetBkMode(oldMode);
}

// --- commands ----------------------------------------------------------------------------------------

bool ADesignConcreteView::CanEditBars(int bands) const {
    if (!IsConcreteMember()) return false;
    const ADesignElement* element = GetDesignElement();
    const AStrakonDocument* doc = GetDocument();
    const omCrossSectionMap* sections =
        doc && doc->GetModel() ? doc->GetModel()->getCrossSectionMap() : nullptr;
    const omCrossSection* section = sections ? sections->doFind(element->getCrossSectionIndex()) : nullptr;
    return section && section->getMaxBarBands() >= bands;
}

void ADesignConcreteView::OnUpdatePositiveBars(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditBars(1));
}

void ADesignConcreteView::OnUpdateNegativeBars(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditBars(2));
}

void ADesignConcreteView::OnUpdateStirrups(CCmdUI* pCmdUI) {
    pCmdUI->Enable(IsConcreteMember());
}

void ADesignConcreteView::OnUpdateMaterials(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetDesignElement() != nullptr);
}

void ADesignConcreteView::OnUpdateCrossSections(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
}

omRCDesignBeamData ADesignConcreteView::EditCopy() const {
    if (const omRCDesignBeamData* data = GetConcreteData()) return *data;
    return omRCDesignBeamData();
}

void ADesignConcreteView::EditBand(bool positive) {
    if (!CanEditBars(positive ? 1 : 2)) return;
    omRCDesignBeamData copy = EditCopy();
    omBarBand& band = positive ? copy.getBottomBand() : copy.getTopBand();
    ABarDialog dlg(positive, 3, this);
    dlg.GetData(band);
    if (dlg.DoModal() != IDOK) return;
    dlg.SetData(band);
    SubmitDesignData(copy);
}

void ADesignConcreteView::OnEditPositiveBars() {
    EditBand(true);
}

void ADesignConcreteView::OnEditNegativeBars() {
    EditBand(false);
}

void ADesignConcreteView::OnEditStirrups() {
    if (!IsConcreteMember()) return;
    omRCDesignBeamData copy = EditCopy();
    AStirrupDialog dlg(this);
    dlg.SetStirrups(copy.getStirrups());
    dlg.m_bNoStirrups = copy.getStirrups().isNoStirrups();
    if (dlg.DoModal() != IDOK) return;
    dlg.GetStirrups(copy.getStirrups());
    copy.getStirrups().setNoStirrups(dlg.m_bNoStirrups);
    SubmitDesignData(copy);
}

void ADesignConcreteView::OnEditMaterials() {
    AStrakonDocument* doc = GetDocument();
    const ADesignElement* element = GetDesignElement();
    if (!doc || !element) return;
    ASelectRCElementMatDlg dlg(this);
    dlg.m_pDoc = doc;
    dlg.m_nConcreteId = element->getMaterialIndex();
    dlg.m_nReinforcementId = element->getMaterialIndex2();
    if (dlg.DoModal() != IDOK) return;
    // The element may have gone while the dialog's own material editor ran.
    element = GetDesignElement();
    if (!element) return;
    // The same materials would clear every result of the structure for nothing.
    if (dlg.m_nConcreteId == element->getMaterialIndex() && dlg.m_nReinforcementId == element->getMaterialIndex2())
        return;
    doc->SetElementMaterials(m_nElement, dlg.m_nConcreteId, dlg.m_nReinforcementId);
}

void ADesignConcreteView::OnEditCrossSections() {
    if (AStrakonDocument* doc = GetDocument()) doc->EditCrossSections(this);
}

void ADesignConcreteView::OnLButtonDblClk(UINT nFlags, CPoint point) {
    const CRect& r = m_reinforcement;
    if (r.Height() > 0 && point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) {
        // A point on a boundary belongs to the lower diagram.
        const double y = point.y - r.top;
        const double third = r.Height() / 3.0;
        if (y < third)
            OnEditStirrups();
        else if (y < 2.0 * third)
            OnEditNegativeBars();
        else
            OnEditPositiveBars();
    }
    ADesignView::OnLButtonDblClk(nFlags, point);
}
