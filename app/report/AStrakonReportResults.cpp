// The result blocks of the report: the diagrams of a result case with their
// title and units line, and the tables of node displacements, reactions,
// internal forces and envelopes.
#include "app/report/AOutputAttributes.h"
#include "app/report/AReportBlocks.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AReportGuard.h"
#include "app/report/AReportProgress.h"
#include "app/report/AReportText.h"
#include "app/report/AStrakonReport.h"
#include "app/report/TranslateOutputString.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/AExtents2D.h"
#include "app/views/ADrawAttributes.h"
#include "common/omUnitManager.h"
#include "controls/ASymbol.h"
#include "controls/AMapC2L.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omEnvelope.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"

#include <algorithm>

namespace {

using Kind = AOutputAttributes::ResultKind;

// The seven diagrams in print order.
struct Diagram {
    const char* key;
    Kind kind;
    int diagramKind;
    bool forces;
    bool local;
};
const Diagram kDiagrams[] = {
    {"BMO", AOutputAttributes::resMy, 4, true, false},
    {"AFO", AOutputAttributes::resFx, 0, true, false},
    {"SFO", AOutputAttributes::resFz, 2, true, false},
    {"DIS", AOutputAttributes::resDispl, 2, false, false},
    {"LDI", AOutputAttributes::resLocalDispl, 2, false, true},
    {"ROT", AOutputAttributes::resRotations, 4, false, false},
    {"CPR", AOutputAttributes::resCP, 0, false, false},
};

// Unit keys of the internal-force tables: force, moment, contact pressure.
constexpr int kForceKey = 21;
constexpr int kMomentKey = 25;
constexpr int kPressureKey = 35;

CString unitName(omUnitKey unit) { return CString(omUnitManager::Instance()->Unit(unit)->GetName()); }

CString idName(const auto* object) { return object ? CString(object->getIdName(true, true)) : CString("-"); }

// Envelope n, or null without asking the manager for one it does not have.
const omEnvelope* envelopeNumber(const omLoadManager* loads, int n) {
    return n >= 1 && n <= loads->envelopeSize() ? loads->getEnvelope(unsigned(n)) : nullptr;
}

bool onElasticGround(const omDesignElement* element) {
    const auto* linear = dynamic_cast<const omLinearDesignElement2D*>(element);
    return linear && linear->getElGroundCoef().GetValue() != 0.0 && int(linear->getElGroundType()) != 0;
}

} // namespace

bool AStrakonReport::AddResultPictures(int resultCase, APrintManager& report, CDC* dc, AExtents2D& extents) {
    const AOutputAttributes* settings = AOutputAttributes::Instance();
    const omLoadManager* loads = m_model.getLoadManager();
    omRect world;
    extents.GetExtentsRect(world, omUK_m, AExtents2D::modeResults);

    bool on[AOutputAttributes::resultKindCount] = {};
    const omEnvelope* envelope = nullptr;
    const omLoadCase* lc = nullptr;
    if (isEnvelope(resultCase)) {
        envelope = envelopeNumber(loads, resultCase - kEnvelopeOffset);
        for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
            on[k] = envelope && settings->m_bResult[k][AOutputAttributes::picEnv];
    } else if (resultCase >= 1 && resultCase <= loads->caseSize()) {
        lc = loads->getCase(resultCase);
        if (lc->limitState() == omLoadCase::lsSkew) {
            on[AOutputAttributes::resDispl] = settings->m_bResult[AOutputAttributes::resDispl][AOutputAttributes::picUlt] ||
                                              settings->m_bResult[AOutputAttributes::resDispl][AOutputAttributes::picSer];
        } else {
            const int column = lc->isUltimate() ? AOutputAttributes::picUlt : AOutputAttributes::picSer;
            for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
                on[k] = settings->m_bResult[k][column];
        }
    }
    if (!m_model.getElementMap()->isElasticGround()) on[AOutputAttributes::resCP] = false;

    for (const Diagram& d : kDiagrams) {
        if (on[d.kind]) {
            omRect rect = world;
            if (d.kind == AOutputAttributes::resDispl) {
                const omDisplacementVector* largest = envelope ? &envelope->getMaxAbsU() : lc ? &lc->getMaxAbsU() : nullptr;
                const double length = largest ? std::max(largest->getDof(Ux), largest->getDof(Uz)) : 0.0;
                extents.GetExtentsRect(rect, omUK_m, AExtents2D::modeDisplaced, length);
            }
            AddResultPicture(resultCase, dc, report, rect, TranslateOutputString(d.key), d.diagramKind, d.forces,
                             d.local);
        }
        if (d.kind != AOutputAttributes::resCP) StepReportProgress();
    }
    return true;
}

bool AStrakonReport::AddResultPicture(int resultCase, CDC* dc, APrintManager& report, omRect world,
                                      const CString& title, int diagramKind, bool forces, bool local) {
    const omLoadManager* loads = m_model.getLoadManager();
    CString caption;
    if (isEnvelope(resultCase)) {
        const omEnvelope* envelope = envelopeNumber(loads, resultCase - kEnvelopeOffset);
        caption = CString::Formatted("EN%i: ", resultCase - kEnvelopeOffset) + (envelope ? envelope->name() : "");
    } else {
        const omLoadCase* lc = resultCase >= 1 && resultCase <= loads->caseSize() ? loads->getCase(resultCase) : nullptr;
        caption = CString::Formatted("LC%i: ", resultCase) + (lc ? lc->name() : "");
    }
    auto picture = std::make_unique<AMetaFileRectPicMap>();
    picture->SetCaption(caption + ": " + title);
    CMetaFileDC* recording = picture->OpenMetaFileDC(dc);
    picture->SetMap(world, &report, AOutputAttributes::Instance()->m_nPicPosition);
    AMapC2L& map = picture->GetMap();
    {
        AElementLinesGuard lines;
        m_drawing.Draw(map, recording, world, 3, ADrawAttributes::Instance());
    }
    m_drawing.DrawResults(map, recording, world, 3, resultCase, diagramKind, forces, local);
    const omPoint corner(world.left, world.top);
    DrawResultUnits(map, recording, corner, diagramKind, forces, local, resultCase);
    DrawResultTitle(map, recording, resultCase, corner);
    AddReportPicture(report, std::move(picture));
    return true;
}

std::vector<CString> AStrakonReport::ResultTitleLines(int resultCase) const {
    const omLoadManager* loads = m_model.getLoadManager();
    std::vector<CString> lines;
    if (isEnvelope(resultCase)) {
        const omEnvelope* envelope = envelopeNumber(loads, resultCase - kEnvelopeOffset);
        if (!envelope) return lines;
        CString text = CString::Formatted("Envelope: %s -> ", envelope->name().c_str());
        const auto& cases = envelope->getLoadCases();
        for (std::size_t i = 0; i < cases.size(); ++i)
            text += (i ? " + " : "") + CString::Formatted("%i", int(cases[i]));
        text += CString(" LQ: ") + envelope->getQuantityString();
        lines.push_back(text);
        return lines;
    }
    if (resultCase < 1 || resultCase > loads->caseSize()) return lines;
    const omLoadCase* lc = loads->getCase(resultCase);
    if (lc->limitState() == omLoadCase::lsSkew) {
        double r1 = 0.0, r2 = 0.0;
        omUnitValue c1(omUK_cm), c2(omUK_cm);
        lc->getSkew(r1, r2, c1, c2);
        const omUnitKey length = AUnitKeyAttributes::Instance()->length;
        auto line = [&](double ratio, const omUnitValue& reference, const char* axis) {
            if (ratio == 0.0) return;
            const CString ska = TranslateOutputString("SKA") + axis;
            const CString sk0 = TranslateOutputString("SK0") + axis;
            lines.push_back(CString::Formatted("%s: 1/%3.0lf", ska.c_str(), ratio) +
                            CString::Formatted("  %s: %s", sk0.c_str(), FormatReportValue(reference, length).c_str()));
        };
        line(r1, c1, " (Z)");
        line(r2, c2, " (X)");
        return lines;
    }
    CString text;
    for (int g = 1; g <= loads->groupSize() && g <= lc->size(); ++g) {
        const double factor = (*lc)(g);
        if (factor == 0.0) continue;
        if (!text.empty()) text += " + ";
        text += CString::Formatted("%4.2lf ", factor) + loads->getGroup(g)->name();
    }
    lines.push_back(text);
    return lines;
}

CString AStrakonReport::ResultUnitsText(int diagramKind, bool forces, bool local, int resultCase) const {
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    CString text = TranslateOutputString("UNI");
    if (forces) return text + unitName(diagramKind == 4 ? units->moment : units->force);
    if (local) return text + unitName(units->length);
    if (diagramKind == 4) return text + unitName(units->rotation);
    if (diagramKind == 0) return text + unitName(units->pressure);
    text += unitName(units->length);
    const omLoadManager* loads = m_model.getLoadManager();
    const bool skew = !isEnvelope(resultCase) && resultCase >= 1 && resultCase <= loads->caseSize() &&
                      loads->getCase(resultCase)->limitState() == omLoadCase::lsSkew;
    if (!skew) text += ", " + unitName(units->force) + ", " + unitName(units->moment);
    return text;
}

// The title lines hang from the picture's upper left corner, 40 units apart;
// the units line follows below them, so neither leaves the picture.
void AStrakonReport::DrawResultTitle(AMapC2L& map, CDC* dc, int resultCase, omPoint corner) {
    const CPoint at = map.LU(corner);
    int y = at.y - 10;
    for (const CString& line : ResultTitleLines(resultCase)) {
        ASymText text(line, ADrawAttributes::Instance()->m_fontName, -28,
                      AOptionsAttributes::Instance()->characterSet, 0, ASymText::shapeNone, 0.0);
        text.SetOrigin(omPoint(0.0, 1.0));
        text.Draw(*dc, omPoint(at.x + 10, y), false);
        y -= 40;
    }
}

void AStrakonReport::DrawResultUnits(AMapC2L& map, CDC* dc, omPoint corner, int diagramKind, bool forces,
                                     bool local, int resultCase) {
    const CPoint at = map.LU(corner);
    const int titleLines = int(ResultTitleLines(resultCase).size());
    ASymText text(ResultUnitsText(diagramKind, forces, local, resultCase), ADrawAttributes::Instance()->m_fontName,
                  -33, AOptionsAttributes::Instance()->characterSet, 0, ASymText::shapeNone, 0.0);
    text.SetOrigin(omPoint(0.0, 1.0));
    text.Draw(*dc, omPoint(at.x + 10, at.y - 10 - 40 * titleLines - 10), false);
}

bool AStrakonReport::AddResultTables(int resultCase, APrintManager& report) {
    if (isEnvelope(resultCase)) return addEnvelopeTables(resultCase - kEnvelopeOffset, report);
    return addLoadCaseTables(resultCase, report);
}

bool AStrakonReport::addLoadCaseTables(int loadCase, APrintManager& report) {
    const AOutputAttributes* settings = AOutputAttributes::Instance();
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    const omLoadManager* loads = m_model.getLoadManager();
    if (loadCase < 1 || loadCase > loads->caseSize()) return true;
    const omLoadCase* lc = loads->getCase(loadCase);
    if (lc->limitState() == omLoadCase::lsSkew) return true;
    const CString prefix = CString::Formatted("LC%i: ", loadCase) + lc->name() + ": ";
    const omNodeMap* nodes = m_model.getNodeMap();
    const omDofType dofs[3] = {Ux, Uz, Ry};

    // Displacements of free directions or reactions of supported ones.
    auto nodeTable = [&](const char* key, bool reactions, std::initializer_list<CString> headers,
                         const omUnitKey (&unitOf)[3]) {
        auto table = NewReportTable(prefix + TranslateOutputString(key), headers);
        bool rows = false;
        for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
            const omNode* node = nodes->object_ii();
            if (reactions ? !node->isSupported() : !node->isFree()) continue;
            rows = true;
            table->AddCell(idName(node));
            for (int i = 0; i < 3; ++i)
                table->AddCell(node->reaction(dofs[i]) == reactions
                                   ? FormatReportValue(node->getResult(unsigned(loadCase), dofs[i]), unitOf[i])
                                   : CString("-"));
        }
        if (rows) AddReportTable(report, std::move(table));
    };
    if (settings->m_bDisplTab) {
        const omUnitKey unitOf[3] = {units->length, units->length, units->rotation};
        nodeTable("NDI", false,
                  {TranslateOutputString("NOD"), MakeUnitHeaderText("ux", units->length),
                   MakeUnitHeaderText("uz", units->length), MakeUnitHeaderText("fiy", units->rotation)},
                  unitOf);
    }
    if (settings->m_bReactionsTab) {
        const omUnitKey unitOf[3] = {units->force, units->force, units->moment};
        nodeTable("REA", true,
                  {TranslateOutputString("NOD"), MakeUnitHeaderText("Fx", units->force),
                   MakeUnitHeaderText("Fz", units->force), MakeUnitHeaderText("My", units->moment)},
                  unitOf);
    }
    if (!settings->m_bIntForcesTab) return true;

    const omElementMap* elements = m_model.getElementMap();
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        const omDesignElement* element = elements->object_ii();
        const bool ground = onElasticGround(element);
        auto table = NewReportTable(prefix + TranslateOutputString("ELE") + " " + idName(element),
                                    {TranslateOutputString("POS1"), MakeUnitHeaderText("Fx", units->force),
                                     MakeUnitHeaderText("Fz", units->force), MakeUnitHeaderText("My", units->moment)});
        if (ground) table->AddTopCell(MakeUnitHeaderText(TranslateOutputString("PRS"), units->pressure));
        const omElementResult& result = element->getResult();
        if (loadCase <= result.caseSize()) {
            const omLoadCaseResult& points = result.getLCResult(unsigned(loadCase));
            const std::vector<double>& positions = result.getPoints();
            for (std::size_t j = 0; j < points.size(); ++j) {
                const omPointResult& p = points[j];
                table->AddCell(j < positions.size() ? FormatFixed(positions[j]) : CString("-"));
                table->AddCell(FormatReportValue(omUnitValue(p.F.getDof(Ux), kForceKey), units->force));
                table->AddCell(FormatReportValue(omUnitValue(p.F.getDof(Uz), kForceKey), units->force));
                table->AddCell(FormatReportValue(omUnitValue(p.F.getDof(Ry), kMomentKey), units->moment));
                if (ground) table->AddCell(FormatReportValue(omUnitValue(p.pressure, kPressureKey), units->pressure));
            }
        }
        AddReportTable(report, std::move(table));
    }
    return true;
}

bool AStrakonReport::addEnvelopeTables(int number, APrintManager& report) {
    if (!AOutputAttributes::Instance()->m_bEnvelopesTab) return true;
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    const omEnvelope* envelope = envelopeNumber(m_model.getLoadManager(), number);
    if (!envelope) return true;
    const CString prefix = CString::Formatted("EN%i: ", number) + envelope->name() + " (Leading Quantity = " +
                           envelope->getQuantityString() + "): " + TranslateOutputString("ELE") + " ";
    const CString prs = TranslateOutputString("PRS");
    const omElementMap* elements = m_model.getElementMap();
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        const omDesignElement* element = elements->object_ii();
        const bool ground = onElasticGround(element);
        auto table = NewReportTable(
            prefix + idName(element),
            {TranslateOutputString("POS1"), MakeUnitHeaderText("Fx (-)", units->force),
             MakeUnitHeaderText("Fx (+)", units->force), MakeUnitHeaderText("Fz (-)", units->force),
             MakeUnitHeaderText("Fz (+)", units->force), MakeUnitHeaderText("My (-)", units->moment),
             MakeUnitHeaderText("My (+)", units->moment)});
        if (ground) {
            table->AddTopCell(MakeUnitHeaderText(prs + " (-)", units->pressure));
            table->AddTopCell(MakeUnitHeaderText(prs + " (+)", units->pressure));
        }
        // The rows are the element's result points; a list that holds no value
        // for a point (an envelope not calculated, results of another division)
        // shows "-" there.
        const omElementEnvelope& lists = element->getEnvelope();
        const bool held = number <= lists.envelopeSize();
        const omLoadCaseResult* minimum = held ? &lists.getMinResult(unsigned(number)) : nullptr;
        const omLoadCaseResult* maximum = held ? &lists.getMaxResult(unsigned(number)) : nullptr;
        auto value = [&](const omLoadCaseResult* list, std::size_t j, auto read, int key, omUnitKey unit) {
            if (!list || j >= list->size()) return CString("-");
            return FormatReportValue(omUnitValue(read((*list)[j]), key), unit);
        };
        auto force = [](omDofType t) { return [t](const omPointResult& p) { return p.F.getDof(t); }; };
        auto pressure = [](const omPointResult& p) { return p.pressure; };
        const std::vector<double>& positions = element->getResult().getPoints();
        for (std::size_t j = 0; j < positions.size(); ++j) {
            table->AddCell(FormatFixed(positions[j]));
            for (omDofType t : {Ux, Uz}) {
                table->AddCell(value(minimum, j, force(t), kForceKey, units->force));
                table->AddCell(value(maximum, j, force(t), kForceKey, units->force));
            }
            table->AddCell(value(minimum, j, force(Ry), kMomentKey, units->moment));
            table->AddCell(value(maximum, j, force(Ry), kMomentKey, units->moment));
            if (ground) {
                table->AddCell(value(minimum, j, pressure, kPressureKey, units->pressure));
                table->AddCell(value(maximum, j, pressure, kPressureKey, units->pressure));
            }
        }
        AddReportTable(report, std::move(table));
    }
    return true;
}
