#include "CommandRecordFixture.h"

#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "app/shell/AStorageInterface.h"
#include "app/views/AExtents2D.h"
#include "common/omErrorContainer.h"
#include "common/omUnitValue.h"
#include "model/omCrossSectionIDS.h"
#include "model/omCrossSectionRect.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omEnvelope.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omMaterial.h"
#include "model/omNode.h"
#include "model/omNodeMap.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "model/omStrakon.h"
#include "platform/core/CArchive.h"
#include "rezavud/omVector.h"

#include <algorithm>
#include <sstream>

namespace commandrecord {

namespace {

omVector factors(double first, double second) {
    omVector v(2);
    v[0] = first;
    v[1] = second;
    return v;
}

} // namespace

void buildFrame(AStrakonDocument& doc) {
    omStrakon& s = *doc.GetModel();
    auto* concrete = new omConcrete(1);
    concrete->setName("C25/30");
    concrete->setE(omUnitValue(3100.0, omUK_kN_cm2));
    concrete->setG(omUnitValue(1300.0, omUK_kN_cm2));
    concrete->setAlfaT(omUnitValue(1e-5, omUK_per_degC));
    concrete->setRo(omUnitValue(2500.0, omUK_kg_m3));
    concrete->setFck(omUnitValue(2.5, omUK_kN_cm2));
    concrete->setFct(omUnitValue(0.26, omUK_kN_cm2));
    s.addMaterial(concrete, 1);
    auto* steel = new omSteel(omUnitValue(23.5, omUK_kN_cm2), 2);
    steel->setName("S235");
    steel->setE(omUnitValue(21000.0, omUK_kN_cm2));
    steel->setG(omUnitValue(8100.0, omUK_kN_cm2));
    steel->setAlfaT(omUnitValue(1.2e-5, omUK_per_degC));
    steel->setRo(omUnitValue(7850.0, omUK_kg_m3));
    steel->setFu(omUnitValue(36.0, omUK_kN_cm2));
    steel->setPoisson(0.3);
    s.addMaterial(steel, 2);
    auto* reinforcement = new omRCSteel(3);
    reinforcement->setName("B500B");
    reinforcement->setFyk(omUnitValue(50.0, omUK_kN_cm2));
    s.addMaterial(reinforcement, 3);
    s.addCrossSection(new omCrossSectionRect(40.0, 30.0, omUK_cm, 1), 1);
    s.addCrossSection(new omCrossSectionIDS(40.0, 20.0, 1.0, 1.5, 0.5, "cm", 2), 2);

    s.addNode(0.0, 0.0, "m", 1);
    s.addNode(0.0, -4.0, "m", 2);
    s.addNode(6.0, -4.0, "m", 3);
    s.addNode(6.0, 0.0, "m", 4);
    s.addNode(12.0, -4.0, "m", 5);
    for (unsigned n : {1u, 4u})
        for (omDofType d : {Ux, Uz, Ry})
            s.setSupport(n, d, true);
    s.setSupport(5, Uz, true);
    s.addElement(1, 2, 1, 1, 1)->setName("Left column");
    s.addElement(2, 3, 2, 2, 2)->setName("Beam");
    s.addElement(3, 4, 1, 1, 3);
    s.addElement(3, 5, 2, 2, 4)->release(omDesignElement::second, Ry, true);
    omElementMap* members = s.getElementMap();
    for (unsigned id : {1u, 3u})
        members->find(id)->setMaterialIndex2(3);

    s.addLoadGroup("Dead load");
    s.addLoadGroup("Live load");
    const omDofStructureType* type = s.getStructureType();
    auto* wind = new omLoadForce("Wind", type, 0);
    wind->setF(Ux, omUnitValue(12.0, omUK_kN));
    s.addNodeLoad(2, wind, "Live load");
    auto* point = new omLoadForce("Point", type, 0);
    point->setF(Uz, omUnitValue(8.0, omUK_kN));
    s.addNodeLoad(5, point, "Dead load");
    auto* roof = new omLoadLinear("Roof", type, 0);
    roof->setFs(Uz, omUnitValue(10.0, omUK_kN_m));
    roof->setFe(Uz, omUnitValue(15.0, omUK_kN_m));
    s.addElementLoad(2, roof, "Dead load");
    auto* crane = new omLoadForce("Crane", type, 0);
    crane->setF(Uz, omUnitValue(25.0, omUK_kN));
    crane->setX(0.4);
    s.addElementLoad(2, crane, "Live load");
    auto* gust = new omLoadForce("Gust", type, 0);
    gust->setF(Ux, omUnitValue(3.0, omUK_kN));
    gust->setX(0.5);
    s.addElementLoad(1, gust, "Live load");
    auto* cantilever = new omLoadLinear("Cantilever", type, 0);
    cantilever->setFs(Uz, omUnitValue(5.0, omUK_kN_m));
    cantilever->setFe(Uz, omUnitValue(5.0, omUK_kN_m));
    s.addElementLoad(4, cantilever, "Dead load");

    s.addLoadCase("ULS", omLoadCase::lsUltimate, factors(1.35, 1.5));
    s.addLoadCase("SLS", omLoadCase::lsServiceability, factors(1.0, 1.0));
    auto* envelope = new omEnvelope();
    envelope->setName("Ultimate");
    envelope->setFilter(false, true, false);
    envelope->setQuantity(omEnvelope::qFz);
    s.getLoadManager()->addEnvelope(envelope);

    s.bind();
    omRCDesignBeamData concreteData;
    omSteelDesignData steelData;
    for (unsigned id : {1u, 3u})
        members->find(id)->setDesignData(&concreteData);
    for (unsigned id : {2u, 4u})
        members->find(id)->setDesignData(&steelData);
    members->find(2)->getDesignData()->modifyLC(1, omGenericDesignData::lccAdded,
                                                s.getLoadManager()->getCase(1), 0);
    s.clearResults();

    AExtents2D& extents = doc.GetExtents();
    omNodeMap* nodes = s.getNodeMap();
    for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
        omVector p = nodes->object_ii()->getVector(omUK_m, omNode::coorPlain);
        extents.AddPoint(p(1), p(2));
    }
    omErrorContainer::instance()->reset();
}

std::vector<std::uint8_t> record(AStrakonDocument& doc) {
    if (!AStorageInterface::IsInitialized()) AStorageInterface::InitializeAll();
    CArchive ar(CArchive::store);
    ar.m_pDocument = &doc;
    AStorageContext<AOutputStructureAttributes> output(ASIGuiStrakon::m_pSI->m_pOutput,
                                                       &doc.GetOutputAttributes());
    ASIGuiStrakon::m_pSI->Serialize(static_cast<omStrakon*>(doc.GetModel()), ar);
    doc.GetExtents().GetStorageInterface()->Serialize(&doc.GetExtents(), ar);
    return ar.Detach();
}

std::string describeDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    std::ostringstream out;
    out << "lengths " << a.size() << " and " << b.size() << ", first difference at byte "
        << (mismatch.first - a.begin());
    return out.str();
}

} // namespace commandrecord

void CommandRecordFixture::SetUp() {
    SettingsFixture::SetUp();
    omErrorContainer::instance()->reset();
    omLogFile::Instance()->newFileName((logDir.path() / "Strakon.log").string());
    frame = std::make_unique<commandrecord::RecordingMainFrame>();
    app.m_pMainWnd = frame.get();
    doc = newFrameDocument();
    frame->projectWnd.expected = doc.get();
    doc->AddView(&view);
}

void CommandRecordFixture::TearDown() {
    doc->RemoveView(&view);
    doc.reset();
    app.m_pMainWnd = nullptr;
    frame.reset();
    omLogFile::Instance()->close();
    omErrorContainer::instance()->reset();
    SettingsFixture::TearDown();
}

std::unique_ptr<AStrakonDocument> CommandRecordFixture::newFrameDocument() {
    auto fresh = std::make_unique<AStrakonDocument>();
    commandrecord::buildFrame(*fresh);
    return fresh;
}
