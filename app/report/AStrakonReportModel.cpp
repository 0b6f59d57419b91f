// The model's blocks of the report: geometry picture and the tables of nodes,
// elements (with elastic ground), materials and cross-sections.
#include "app/report/AOutputAttributes.h"
#include "app/report/AReportBlocks.h"
#include "app/report/AReportDrawing.h"
#include "app/report/AReportText.h"
#include "app/report/AStrakonReport.h"
#include "app/report/TranslateOutputString.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "model/omCrossSection.h"
#include "model/omCrossSectionMap.h"
#include "model/omElementMap.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"

namespace {

CString idName(const auto* object) { return object ? CString(object->getIdName(true, true)) : CString("-"); }

CString coordinate(const omNode& node, omDofType t, omUnitKey unit) {
    const omUnitValue* value = node.getCoor(t, omNode::coorPlain);
    return value ? FormatReportValue(*value, unit) : CString("-");
}

CString releases(const omDesignElement& element, omDesignElement::position end) {
    const std::string text = element.getReleaseString(end);
    return text.empty() ? CString("-") : CString(text);
}

} // namespace

AStrakonReport::AStrakonReport(omStrakon& model, AReportDrawing& drawing, AOutputStructureAttributes& printed)
    : m_model(model), m_drawing(drawing), m_printed(printed) {}

AStrakonReport::~AStrakonReport() = default;

bool AStrakonReport::AddGeometryPicture(APrintManager& report, CDC* dc, omRect world) {
    const AOutputAttributes* settings = AOutputAttributes::Instance();
    if (!settings->m_bGeometryPic) return true;
    auto picture = std::make_unique<AMetaFileRectPicMap>();
    picture->SetCaption(TranslateOutputString("GEO"));
    CMetaFileDC* recording = picture->OpenMetaFileDC(dc);
    picture->SetMap(world, &report, settings->m_nPicPosition);
    m_drawing.Draw(picture->GetMap(), recording, world, 0, ADrawAttributes::Instance());
    AddReportPicture(report, std::move(picture));
    return true;
}

bool AStrakonReport::AddNodesTable(APrintManager& report) {
    if (AOutputAttributes::Instance()->m_nNodeTabType == 0) return true;
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    auto table = NewReportTable(TranslateOutputString("TON"),
                                {TranslateOutputString("IND"),
                                 MakeUnitHeaderText(TranslateOutputString("XCO"), units->length),
                                 MakeUnitHeaderText(TranslateOutputString("ZCO"), units->length),
                                 TranslateOutputString("SUP")});
    const omNodeMap* nodes = m_model.getNodeMap();
    for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
        const omNode* node = nodes->object_ii();
        table->AddCell(idName(node));
        table->AddCell(coordinate(*node, Ux, units->length));
        table->AddCell(coordinate(*node, Uz, units->length));
        table->AddCell(node->isSupported() ? CString(node->getSupportString()) : CString("-"));
    }
    AddReportTable(report, std::move(table));
    return true;
}

bool AStrakonReport::AddElementsTable(APrintManager& report) {
    if (AOutputAttributes::Instance()->m_nElementTabType == 0) return true;
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    const omElementMap* elements = m_model.getElementMap();
    auto table = NewReportTable(
        TranslateOutputString("TOE"),
        {TranslateOutputString("IND"), TranslateOutputString("TYP"), TranslateOutputString("NO1"),
         TranslateOutputString("NO2"), TranslateOutputString("C-S"), TranslateOutputString("MAT"),
         MakeUnitHeaderText(TranslateOutputString("LEN"), units->length), TranslateOutputString("RE1"),
         TranslateOutputString("RE2")});
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        const omDesignElement* element = elements->object_ii();
        table->AddCell(idName(element));
        table->AddCell(TranslateOutputString(element->isLinear() ? "LIN" : "NON"));
        table->AddCell(idName(element->getNode1()));
        table->AddCell(idName(element->getNode2()));
        table->AddCell(idName(element->getCrossSection()));
        table->AddCell(idName(element->getMaterial()));
        table->AddCell(FormatReportValue(omUnitValue(element->length(), omUK_cm), units->length));
        table->AddCell(releases(*element, omDesignElement::first));
        table->AddCell(releases(*element, omDesignElement::second));
    }
    AddReportTable(report, std::move(table));

    if (!elements->isElasticGround()) return true;
    auto ground = NewReportTable(TranslateOutputString("EEG"),
                                 {TranslateOutputString("IND"), TranslateOutputString("POS"),
                                  MakeUnitHeaderText(TranslateOutputString("KSR"), units->forcePerVolume)});
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        const auto* element = dynamic_cast<const omLinearDesignElement2D*>(elements->object_ii());
        if (!element || element->getElGroundCoef().GetValue() == 0.0 || int(element->getElGroundType()) == 0)
            continue;
        const int side = int(element->getElGroundType());
        ground->AddCell(idName(element));
        ground->AddCell(TranslateOutputString(side == 1 ? "BSI" : side == 2 ? "PSI" : "NSI"));
        ground->AddCell(FormatReportValue(element->getElGroundCoef(), units->forcePerVolume));
    }
    AddReportTable(report, std::move(ground));
    return true;
}

bool AStrakonReport::AddMaterialsTable(APrintManager& report) {
    if (AOutputAttributes::Instance()->m_nMaterialTabType == 0) return true;
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    auto table = NewReportTable(TranslateOutputString("TOM"),
                                {TranslateOutputString("IND"),
                                 MakeUnitHeaderText(TranslateOutputString("EMO"), units->pressure),
                                 MakeUnitHeaderText(TranslateOutputString("CTE"), units->tempExpansion)});
    const omMaterialMap* materials = m_model.getMaterialMap();
    for (materials->start_ii(); !materials->stop_ii(); materials->increment_ii()) {
        const omMaterial* material = materials->object_ii();
        table->AddCell(idName(material));
        table->AddCell(FormatReportValue(material->E(0.0), units->pressure));
        table->AddCell(FormatReportValue(material->alfaT(), units->tempExpansion));
    }
    AddReportTable(report, std::move(table));
    return true;
}

bool AStrakonReport::AddCrossSectionsTable(APrintManager& report) {
    if (AOutputAttributes::Instance()->m_nCSTabType == 0) return true;
    const AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    auto table = NewReportTable(TranslateOutputString("TOC"),
                                {TranslateOutputString("IND"), MakeUnitHeaderText("A", units->area),
                                 MakeUnitHeaderText("Iy", units->area2),
                                 MakeUnitHeaderText(TranslateOutputString("HEI"), units->length)});
    const omCrossSectionMap* sections = m_model.getCrossSectionMap();
    for (sections->start_ii(); !sections->stop_ii(); sections->increment_ii()) {
        const omCrossSection* section = sections->object_ii();
        table->AddCell(idName(section));
        table->AddCell(FormatReportValue(omUnitValue(section->A(), omUK_cm2), units->area));
        table->AddCell(FormatReportValue(omUnitValue(section->Iy(), omUK_cm4), units->area2));
        table->AddCell(FormatReportValue(omUnitValue(section->height(), omUK_cm), units->length));
    }
    AddReportTable(report, std::move(table));
    return true;
}
