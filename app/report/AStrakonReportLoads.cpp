// The load blocks of the report: the load-case table with the skew table, and
// per printed action its picture and the tables of its loads.
#include "app/report/AOutputAttributes.h"
#include "app/report/AReportBlocks.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AReportGuard.h"
#include "app/report/AReportText.h"
#include "app/report/AStrakonReport.h"
#include "app/report/TranslateOutputString.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "model/omElementMap.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"

namespace {

CString limitStateText(const omLoadCase& lc, int skewNumber) {
    switch (lc.limitState()) {
    case omLoadCase::lsUltimate:
        return TranslateOutputString("ULT");
    case omLoadCase::lsCreep:
        return CString::Formatted("%s (%4.2lf)", TranslateOutputString("CRE").c_str(), lc.getFiCreep());
    case omLoadCase::lsSkew:
        return CString::Formatted("%s (%i)", TranslateOutputString("SKE").c_str(), skewNumber);
    case omLoadCase::lsUltimateAccidental:
        return TranslateOutputString("ULTA");
    case omLoadCase::lsUltimatePT:
        return TranslateOutputString("ULTP");
    case omLoadCase::lsUltimateSeismic:
        return TranslateOutputString("ULTS");
    default:
        return TranslateOutputString("SER");
    }
}

CString skewRatio(double ratio) { return ratio == 0.0 ? CString("---") : CString::Formatted("1/%3.0lf", ratio); }

CString loadName(const omLoad& load) { return load.getName() == "Unknown" ? CString("--") : CString(load.getName()); }

CString idNameOf(const auto* object) { return object ? CString(object->getIdName(true, true)) : CString("-"); }

CString scopeText(omLoad::Scope scope) { return TranslateOutputString(scope == omLoad::LocalCS ? "LOC" : "WOR"); }

} // namespace

bool AStrakonReport::AddLoadCasesTable(APrintManager& report) {
    if (!AOutputAttributes::Instance()->m_bLoadCaseTab) return true;
    const omLoadManager* loads = m_model.getLoadManager();
    auto table = NewReportTable(TranslateOutputString("A&L"),
                                {TranslateOutputString("LCA"), TranslateOutputString("LST")});
    for (int g = 1; g <= loads->groupSize(); ++g)
        table->AddTopCell(CString(loads->getGroup(g)->name()));
    int skewCases = 0;
    for (int k = 1; k <= loads->caseSize(); ++k) {
        const omLoadCase* lc = loads->getCase(k);
        if (lc->limitState() == omLoadCase::lsSkew) ++skewCases;
        table->AddCell(CString(lc->name()));
        table->AddCell(limitStateText(*lc, skewCases));
        for (int g = 1; g <= loads->groupSize(); ++g) {
            // A case whose factors were not brought up to the groups holds none for the later ones.
            const double factor = g <= lc->size() ? (*lc)(g) : 0.0;
            table->AddCell(factor == 0.0 ? CString("-") : FormatFixed(factor));
        }
    }
    AddReportTable(report, std::move(table));
    if (skewCases == 0) return true;

    const omUnitKey length = AUnitKeyAttributes::Instance()->length;
    auto skew = NewReportTable(TranslateOutputString("SKT"),
                               {TranslateOutputString("IND"), TranslateOutputString("NAM"),
                                TranslateOutputString("SXA") + " (Z)", TranslateOutputString("SX0") + " (Z)",
                                TranslateOutputString("SXA") + " (X)", TranslateOutputString("SX0") + " (X)"});
    int number = 0;
    for (int k = 1; k <= loads->caseSize(); ++k) {
        const omLoadCase* lc = loads->getCase(k);
        if (lc->limitState() != omLoadCase::lsSkew) continue;
        double r1 = 0.0, r2 = 0.0;
        omUnitValue c1(omUK_cm), c2(omUK_cm);
        lc->getSkew(r1, r2, c1, c2);
        skew->AddCell(CString::Formatted("%i", ++number));
        skew->AddCell(CString(lc->name()));
        skew->AddCell(skewRatio(r1));
        skew->AddCell(FormatReportValue(c1, length));
        skew->AddCell(skewRatio(r2));
        skew->AddCell(FormatReportValue(c2, length));
    }
    AddReportTable(report, std::move(skew));
    return true;
}

bool AStrakonReport::AddActionPicture(int action, APrintManager& report, CDC* dc, omRect world) {
    const AOutputAttributes* settings = AOutputAttributes::Instance();
    if (!settings->m_bActionPic) return true;
    const omLoadManager* loads = m_model.getLoadManager();
    const omLoadGroup* group = action >= 1 && action <= loads->groupSize() ? loads->getGroup(action) : nullptr;
    auto picture = std::make_unique<AMetaFileRectPicMap>();
    picture->SetCaption(CString::Formatted("A%i : ", action) + (group ? group->name() : std::string()));
    // The views and the load commands keep showing the action they showed.
    AReportGuard guard(&m_drawing);
    m_drawing.SetActiveLoadGroup(action);
    CMetaFileDC* recording = picture->OpenMetaFileDC(dc);
    picture->SetMap(world, &report, settings->m_nPicPosition);
    ADrawAttributes* attributes = ADrawAttributes::Instance();
    {
        AElementLinesGuard lines;
        m_drawing.Draw(picture->GetMap(), recording, world, 3, attributes);
    }
    m_drawing.DrawLoads(picture->GetMap(), recording, world, 3, attributes);
    AddReportPicture(report, std::move(picture));
    return true;
}

bool AStrakonReport::AddActionLoadTables(int action, APrintManager& report) {
    if (!AOutputAttributes::Instance()->m_bActionTab) return true;
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    const omLoadManager* loads = m_model.getLoadManager();
    const omLoadGroup* group = action >= 1 && action <= loads->groupSize() ? loads->getGroup(action) : nullptr;
    const CString prefix = CString::Formatted("A%i: ", action) + (group ? group->name() : std::string()) + ": ";
    omNodeMap* nodes = m_model.getNodeMap();
    omElementMap* elements = m_model.getElementMap();
    auto header = [](const char* literal, omUnitKey unit) { return MakeUnitHeaderText(literal, unit); };
    const CString nam = TranslateOutputString("NAM");

    // The three values of a node load (forces or displacements) per node.
    auto nodeTable = [&](const char* key, bool forces, std::initializer_list<CString> headers,
                         const omUnitKey (&unitOf)[3]) {
        omLoadList::NumberedLoads list;
        nodes->getLoads(action, forces, !forces, list);
        if (list.empty()) return;
        auto table = NewReportTable(prefix + TranslateOutputString(key), headers);
        const omDofType dofs[3] = {Ux, Uz, Ry};
        for (const auto& [id, load] : list) {
            const auto* force = dynamic_cast<const omLoadForce*>(load);
            const auto* displacement = dynamic_cast<const omLoadDisplacement*>(load);
            if (forces ? !force : !displacement) continue;
            table->AddCell(idNameOf(nodes->find(id)));
            for (int i = 0; i < 3; ++i)
                table->AddCell(FormatReportValue(forces ? omLoadForce(*force).getF(dofs[i])
                                                        : omLoadDisplacement(*displacement).getU(dofs[i]),
                                                 unitOf[i]));
            table->AddCell(loadName(*load));
        }
        AddReportTable(report, std::move(table));
    };
    const omUnitKey forceUnits[3] = {units->force, units->force, units->moment};
    nodeTable("NLO", true,
              {TranslateOutputString("NOD"), header("Fx", units->force), header("Fz", units->force),
               header("My", units->moment), nam},
              forceUnits);
    const omUnitKey displacementUnits[3] = {units->length, units->length, units->rotation};
    nodeTable("PDI", false,
              {TranslateOutputString("NOD"), header("ux", units->length), header("uz", units->length),
               header("fiy", units->rotation), nam},
              displacementUnits);

    omLoadList::NumberedLoads list;
    elements->getLoads(action, true, false, false, true, list);
    if (!list.empty()) {
        auto table = NewReportTable(
            prefix + TranslateOutputString("UEL"),
            {TranslateOutputString("ELE"), header("Fx s", units->forcePerLength), header("Fx e", units->forcePerLength),
             header("Fz s", units->forcePerLength), header("Fz e", units->forcePerLength),
             header("My s", units->momentPerLength), header("My e", units->momentPerLength),
             TranslateOutputString("DIR"), TranslateOutputString("STA"), TranslateOutputString("END"),
             TranslateOutputString("POS"), nam});
        for (const auto& [id, load] : list) {
            const auto* linear = dynamic_cast<const omLoadLinear*>(load);
            if (!linear) continue;
            omLoadLinear l(*linear);
            table->AddCell(idNameOf(elements->find(id)));
            for (omDofType t : {Ux, Uz}) {
                table->AddCell(FormatReportValue(l.getFs(t), units->forcePerLength));
                table->AddCell(FormatReportValue(l.getFe(t), units->forcePerLength));
            }
            table->AddCell(FormatReportValue(l.getFs(Ry), units->momentPerLength));
            table->AddCell(FormatReportValue(l.getFe(Ry), units->momentPerLength));
            table->AddCell(scopeText(l.getScope()));
            table->AddCell(FormatFixed(l.getStart()));
            table->AddCell(FormatFixed(l.getEnd()));
            table->AddCell(scopeText(l.getPosition()));
            table->AddCell(loadName(l));
        }
        AddReportTable(report, std::move(table));
    }

    list.clear();
    elements->getLoads(action, false, true, false, false, list);
    if (!list.empty()) {
        auto table = NewReportTable(prefix + TranslateOutputString("CEL"),
                                    {TranslateOutputString("ELE"), header("Fx", units->force),
                                     header("Fz", units->force), header("My", units->moment),
                                     TranslateOutputString("DIR"), TranslateOutputString("POS"), nam});
        for (const auto& [id, load] : list) {
            const auto* force = dynamic_cast<const omLoadForce*>(load);
            if (!force) continue;
            omLoadForce f(*force);
            table->AddCell(idNameOf(elements->find(id)));
            table->AddCell(FormatReportValue(f.getF(Ux), units->force));
            table->AddCell(FormatReportValue(f.getF(Uz), units->force));
            table->AddCell(FormatReportValue(f.getF(Ry), units->moment));
            table->AddCell(scopeText(f.getScope()));
            table->AddCell(FormatFixed(f.getX()));
            table->AddCell(loadName(f));
        }
        AddReportTable(report, std::move(table));
    }

    list.clear();
    elements->getLoads(action, false, false, true, false, list);
    if (!list.empty()) {
        auto table = NewReportTable(prefix + TranslateOutputString("TLO"),
                                    {TranslateOutputString("ELE"), header("Tz (pos)", units->tempDifference),
                                     header("Tz (neg)", units->tempDifference), nam});
        for (const auto& [id, load] : list) {
            const auto* temperature = dynamic_cast<const omLoadTemperature*>(load);
            if (!temperature) continue;
            omLoadTemperature t(*temperature);
            table->AddCell(idNameOf(elements->find(id)));
            table->AddCell(FormatReportValue(t.getT(1, 1), units->tempDifference));
            table->AddCell(FormatReportValue(t.getT(0, 1), units->tempDifference));
            table->AddCell(loadName(t));
        }
        AddReportTable(report, std::move(table));
    }
    return true;
}
