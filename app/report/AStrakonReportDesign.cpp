// The design pages of the report: per designed element its data, its
// reinforcement (concrete) or its supports (steel), and the charts of the
// ultimate and serviceability checks as the last design run stored them.
//
// The pages only read the design data. Its result lists hold one entry per
// result point only until the structure changes: an edit and a Solve empty
// them, a new division of the member changes the number of points, and a file
// may hold any length. A member whose lists do not match prints that it was
// not designed since the last analysis instead of charts read past their ends.
// Numbers from a file are not trusted either: positions are kept on the member
// and values that are not finite stay out of the charts.
#include "app/design/ADesignEC2.h"
#include "app/design/ADesignEC3.h"
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "app/report/AOutputAttributes.h"
#include "app/report/AOutputFormat.h"
#include "app/report/AReportBlocks.h"
#include "app/report/AReportProgress.h"
#include "app/report/AReportText.h"
#include "app/report/AStrakonReport.h"
#include "app/report/TranslateOutputString.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "common/omUnitManager.h"
#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "model/omCrossSection.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omMaterial.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "model/omStrakon.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <typeinfo>

namespace {

constexpr int kChartHeight = 300;
constexpr int kCrackChartHeight = 450;

CString tr(const char* key) { return TranslateOutputString(key); }

void addText(APrintManager& report, const CString& plain, ReportTextStyle style = ReportTextStyle::body) {
    AddReportText(report, PlainTextMarkup(plain), style);
}

// A relative position read from the design data: NaN and what lies off the
// member become the nearest end.
double onMember(double x) {
    if (!(x >= 0.0)) return 0.0;
    return x > 1.0 ? 1.0 : x;
}

bool usable(double x) { return std::isfinite(x); }

CString sectionText(const omDesignElement& element) {
    const omCrossSection* section = element.getCrossSection();
    return section ? FormatCrossSectionText(*section) : tr("NDE");
}

CString materialName(const omMaterial* material) { return material ? CString(material->name()) : tr("NDE"); }

CString fixed3(double value) { return CString::Formatted("%5.3lf", value); }

// Whether the stored results of the checks that are on hold one entry per result point.
bool hasConcreteResults(const omRCDesignBeamData& data, std::size_t points) {
    if (points == 0) return false;
    if (data.isUltDesign() && (data.getShearResults().size() != points || data.getNMResults().size() != points))
        return false;
    if (data.isSerDesign() && data.getCrackResults().size() != points) return false;
    return true;
}

bool hasSteelResults(const omSteelDesignData& data, std::size_t points) {
    return points > 0 && data.getCSRes().size() == points;
}

// The heading of a limit state, then the text that stands for its charts when
// its check is off or its results do not match; true when the charts follow.
bool limitState(APrintManager& report, const char* heading, const char* off, bool on, bool designed) {
    addText(report, tr(heading), ReportTextStyle::subheading);
    if (!on) {
        addText(report, tr(off));
        return false;
    }
    if (!designed) {
        addText(report, tr("DNR"));
        return false;
    }
    return true;
}

// (position, -second, -first) of each pair: the negative side's utilisation
// drawn upwards and the positive side's downwards.
void pairPoints(PlotterLineLimit2& plotter, const std::vector<double>& x,
                const std::vector<std::pair<double, double>>& pairs) {
    for (std::size_t i = 0; i < x.size() && i < pairs.size(); ++i)
        if (usable(x[i]) && usable(pairs[i].first) && usable(pairs[i].second))
            plotter.m_points2.push_back({x[i], -pairs[i].second, -pairs[i].first});
}

} // namespace

int AStrakonReport::DesignPictureWidth(const APrintManager& report) {
    const APaper* paper = report.GetPaper();
    const int body = paper ? std::abs(paper->Body(true).Width()) : 0;
    return std::max(body - 200, 500);
}

void AStrakonReport::AddChartPicture(APrintManager& report, CDC* dc, Plotter& plotter, const CString& caption,
                                     const CString& title, int height) {
    const int width = DesignPictureWidth(report);
    auto picture = std::make_unique<AMetaFileRectPic>(CSize(width, -height));
    if (!caption.empty()) picture->SetCaption(PlainTextMarkup(caption));
    CMetaFileDC* recording = picture->OpenMetaFileDC(dc);
    {
        // The picture's origin is its upper-left corner and y points up: the
        // chart's lower-left corner lies one height below.
        ChartBase chart;
        chart.m_nWidth = width;
        chart.m_nHeight = height;
        chart.SetPlotter(&plotter);
        chart.m_mainTitle.SetText(title);
        chart.Draw(recording, CPoint(0, -height));
        chart.SetPlotter(nullptr);
    }
    picture->CloseMetaFileDC();
    ApplyPictureSettings(picture.get());
    report.Add(picture.release());
}

bool AStrakonReport::AddDesignPages(APrintManager& report, CDC* dc) {
    omElementMap* elements = m_model.getElementMap();
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        omDesignElement* element = elements->object_ii();
        if (const omGenericDesignData* data = element->getDesignData()) {
            if (typeid(*data) == typeid(omRCDesignBeamData))
                AddEC2DesignPages(report, dc, element);
            else if (typeid(*data) == typeid(omSteelDesignData))
                AddSteelDesignPages(report, dc, element);
        }
        StepReportProgress();
    }
    return true;
}

// ---------------------------------------------------------------------------
// Reinforced concrete

namespace {

// The stirrups' table and chart. The chart's value is the stirrup area per
// length, n pi/4 Fi^2 / e with Fi in whole millimetres and e in cm; an entry
// that covers nothing (no legs, no diameter, no length, no usable spacing) is
// drawn as 0 with the text of an entry not considered.
std::unique_ptr<ADrawSmartTable> stirrupTable(const omStirrupVec& stirrups, PlotterBarArea& plotter) {
    auto table = NewReportTable(tr("EC2:SREI"), {"n", MakeUnitHeaderText("Fi", omUK_mm),
                                                 MakeUnitHeaderText("e", omUK_cm), "xs", "xe"});
    for (int i = 0; i < stirrups.size(); ++i) {
        const omStirrup& s = stirrups[i];
        table->AddCell(CString::Formatted("%i", static_cast<int>(s.getN())));
        table->AddCell(FormatReportValue(s.getFi(), omUK_mm));
        table->AddCell(FormatReportValue(s.getE(), omUK_cm));
        table->AddCell(FormatFixed(s.getXS()));
        table->AddCell(FormatFixed(s.getXE()));

        const int n = static_cast<int>(std::min(s.getN(), 1000000u));
        const double fiMm = s.getFi().Get(omUK_mm);
        const int fi = fiMm > 0.0 && fiMm < 1e6 ? static_cast<int>(std::lround(fiMm)) : 0;
        const double e = s.getE().Get(omUK_cm);
        double value = n * std::numbers::pi / 4.0 * fi * fi / e;
        const bool considered = n > 0 && fi > 0 && s.getXS() < s.getXE() && e > 0.0 && usable(e) && usable(value);
        CString label;
        if (considered) {
            label = CString::Formatted("%i Fi %i/%3.1lf", n, fi, e);
        } else {
            value = 0.0;
            label = FormatOutputString("EC2:SNC", {AFormatArg(n), AFormatArg(fi), AFormatArg(usable(e) ? e : 0.0)});
        }
        plotter.m_bars.push_back(ChartBar(onMember(s.getXS()), onMember(s.getXE()), label, value));
    }
    return table;
}

} // namespace

bool AStrakonReport::AddEC2DesignPages(APrintManager& report, CDC* dc, omDesignElement* element) {
    auto* data = element ? dynamic_cast<omRCDesignBeamData*>(element->getDesignData()) : nullptr;
    if (!data || (!data->isUltDesign() && !data->isSerDesign())) return true;

    addText(report, FormatOutputString("EC2:EL", {AFormatArg(static_cast<int>(element->getIndex()))}),
            ReportTextStyle::heading);
    addText(report, sectionText(*element) + "\n\n" + FormatSupportWidthsText(*data) + "\n\n" + tr("EC2:CON") +
                        materialName(element->getMaterial()) + "\n" + tr("EC2:REI") +
                        materialName(element->getMaterial2()));

    ADesignEC2 design(element->getIndex(), &m_model);
    CString reasons;
    if (!design.IsDesignPossible(&reasons)) {
        addText(report, reasons);
        return true;
    }

    const omStirrupVec& stirrups = data->getStirrups();
    if (stirrups.size() == 0) {
        addText(report, tr("EC2:SNP"));
    } else {
        PlotterBarArea plotter;
        AddReportTable(report, stirrupTable(stirrups, plotter));
        AddChartPicture(report, dc, plotter, "", tr("EC2:STR"), kChartHeight);
    }

    struct Band {
        const omBarBand& band;
        const char *caption, *title, *none;
    };
    for (const Band& b : {Band{data->getTopBand(), "EC2:TREI", "EC2:TB", "EC2:TBNP"},
                          Band{data->getBottomBand(), "EC2:BREI", "EC2:BR", "EC2:BBNP"}}) {
        std::vector<double> positions;
        b.band.getBarChangePos(positions);
        if (positions.empty()) {
            addText(report, tr(b.none));
            continue;
        }
        auto table = NewReportTable(tr(b.caption), {tr("ROW"), "n", MakeUnitHeaderText("Fi", omUK_mm), "xs", "xe"});
        const omBarVec* rows[] = {&b.band.getRow1(), &b.band.getRow2(), &b.band.getRow3()};
        for (int r = 0; r < 3; ++r)
            for (int i = 0; i < rows[r]->size(); ++i) {
                const omBar& bar = (*rows[r])[i];
                table->AddCell(CString::Formatted("%i", r + 1));
                table->AddCell(CString::Formatted("%i", static_cast<int>(bar.getN())));
                table->AddCell(FormatReportValue(bar.getFi(), omUK_mm));
                table->AddCell(FormatFixed(bar.getXS()));
                table->AddCell(FormatFixed(bar.getXE()));
            }
        AddReportTable(report, std::move(table));

        for (double& x : positions)
            x = onMember(x);
        std::sort(positions.begin(), positions.end());
        positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
        PlotterBarArea plotter;
        for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
            const double xs = positions[i], xe = positions[i + 1];
            const double area = b.band.A((xs + xe) / 2.0).Get(omUK_cm2);
            if (usable(area)) plotter.m_bars.push_back(ChartBar(xs, xe, CString::Formatted("%3.1lf cm2", area), area));
        }
        AddChartPicture(report, dc, plotter, "", tr(b.title), kChartHeight);
    }

    const std::vector<double>& x = element->getResult().getPoints();
    const bool designed = hasConcreteResults(*data, x.size());

    if (limitState(report, "ULS", "ULSNC", data->isUltDesign(), designed)) {
        PlotterLineLimit shear;
        shear.m_dLimit = 1.0;
        const std::vector<double>& v = data->getShearResults();
        for (std::size_t i = 0; i < x.size() && i < v.size(); ++i)
            if (usable(x[i]) && usable(v[i])) shear.m_points.push_back({x[i], v[i]});
        AddChartPicture(report, dc, shear, tr("EC2:SD"), tr("EC2:SD"), kChartHeight);
        PlotterLineLimit2 nm;
        pairPoints(nm, x, data->getNMResults());
        AddChartPicture(report, dc, nm, tr("EC2:AFBM"), tr("EC2:NMD"), kChartHeight);
    }

    // The crack chart reads only the stored widths: the sections' diagrams
    // that a design run builds are not drawn here, so they are not built.
    if (limitState(report, "SLS", "SLSNC", data->isSerDesign(), designed)) {
        PlotterCracks cracks;
        pairPoints(cracks, x, data->getCrackResults());
        AddChartPicture(report, dc, cracks, tr("EC2:CS"), tr("EC2:CS1"), kCrackChartHeight);
    }
    return true;
}

// ---------------------------------------------------------------------------
// Steel

bool AStrakonReport::AddSteelDesignPages(APrintManager& report, CDC* dc, omDesignElement* element) {
    auto* data = element ? dynamic_cast<omSteelDesignData*>(element->getDesignData()) : nullptr;
    if (!data || (!data->isUltDesign() && !data->isSerDesign())) return true;

    addText(report, FormatOutputString("EC3:EL", {AFormatArg(static_cast<int>(element->getIndex()))}),
            ReportTextStyle::heading);
    addText(report, sectionText(*element) + "\n\n" + FormatSupportWidthsText(*data) + "\n\n" + tr("EC3:ST") +
                        materialName(element->getMaterial()));

    const ADesignEC3 design(element->getIndex(), &m_model);
    std::string reasons;
    if (!design.IsDesignPossible(&reasons)) {
        addText(report, reasons);
        return true;
    }

    struct Support {
        const omElementSupport& support;
        const char *caption, *title, *full;
    };
    for (const Support& s : {Support{data->getYYSup(), "EC3:SBFY", "EC3:YYS", "EC3:BYFS"},
                             Support{data->getZZSup(), "EC3:SBFZ", "EC3:ZZS", "EC3:BZFS"},
                             Support{data->getLTSup(), "EC3:LTSBF", "EC3:LTS", "EC3:LTFS"}}) {
        if (s.support.isFullSupport()) {
            addText(report, tr(s.full));
            continue;
        }
        const std::vector<double>& positions = s.support.getPos();
        const std::vector<double>& k = s.support.getK();
        auto table = NewReportTable(tr(s.caption), {tr("EC3:FIE"), tr("EC3:XS"), tr("EC3:XE"), tr("EC3:BC")});
        for (int i = 0; i < s.support.fieldSize(); ++i) {
            table->AddCell(CString::Formatted("%i", i + 1));
            table->AddCell(fixed3(s.support.fieldStart(i)));
            table->AddCell(fixed3(s.support.fieldEnd(i)));
            table->AddCell(static_cast<std::size_t>(i) < k.size() ? fixed3(k[static_cast<std::size_t>(i)]) : CString("-"));
        }
        AddReportTable(report, std::move(table));
        PlotterSupport plotter;
        plotter.SetData(positions, k, false, CheckSteelSupport(positions, k));
        AddChartPicture(report, dc, plotter, "", tr(s.title), kChartHeight);
    }

    if (!data->getLTSup().isFullSupport()) {
        const double f = data->getLoadPos();
        const CString name = f == 1.0    ? tr("EC3:LPF")
                             : f == 0.0  ? tr("EC3:LPN")
                             : f == -1.0 ? tr("EC3:LPU")
                                         : CString("-");
        addText(report, FormatOutputString("EC3:LTRLP", {AFormatArg(f), AFormatArg(name)}));
    }

    const omUnitValue& stiffeners = data->getShearStiffDistance();
    if (stiffeners.GetValue() != 0.0) {
        const omUnitKey length = AUnitKeyAttributes::Instance()->length;
        addText(report, FormatOutputString("EC3:DSS", {AFormatArg(FormatReportValue(stiffeners, length)),
                                                       AFormatArg(omUnitManager::Instance()->Unit(length)->GetName())}));
    }

    const std::vector<double>& x = element->getResult().getPoints();
    const std::vector<omSteelDesignData::CSRes>& records = data->getCSRes();
    const bool designed = hasSteelResults(*data, x.size());

    if (limitState(report, "ULS", "ULSNC", data->isUltDesign(), designed)) {
        PlotterSteelClass classes;
        PlotterSteelUlt ratios;
        for (std::size_t i = 0; i < x.size(); ++i) {
            const omSteelDesignData::CSRes& r = records[i];
            if (!usable(x[i])) continue;
            if (usable(r.classValue)) classes.m_points.push_back({x[i], r.classValue, r.classMark});
            if (usable(r.shearRatio) && usable(r.resistanceFactor))
                ratios.m_points.push_back({x[i], r.shearRatio, r.resistanceFactor});
        }
        AddChartPicture(report, dc, classes, tr("EC3:CSC"), tr("EC3:CLASS"), kChartHeight);
        AddChartPicture(report, dc, ratios, tr("EC3:CSR"), tr("EC3:RES"), kChartHeight);
        addText(report, data->getStabilityDescription());
    }

    if (limitState(report, "SLS", "SLSNC", data->isSerDesign(), designed)) {
        const auto* steel = dynamic_cast<const omSteel*>(element->getMaterial());
        PlotterLineLimit stresses;
        stresses.m_dLimit = steel ? steel->fy().Get(omUK_kN_cm2) : 0.0;
        PlotterDeflection deflections;
        for (std::size_t i = 0; i < x.size(); ++i) {
            const omSteelDesignData::CSRes& r = records[i];
            if (!usable(x[i])) continue;
            if (usable(r.serStress)) stresses.m_points.push_back({x[i], r.serStress});
            if (usable(r.relDeflection)) deflections.m_points.push_back({x[i], r.relDeflection});
        }
        AddChartPicture(report, dc, stresses, tr("EC3:SS"), tr("EC3:STR"), kChartHeight);
        AddChartPicture(report, dc, deflections, tr("EC3:ED"), tr("EC3:DUL"), kChartHeight);
    }
    return true;
}
