#include "app/shell/AStorageInterface.h"

#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "app/report/AOutputAttributes.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADocAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AExtents2D.h"
#include "model/elements/omDravikDesignElement.h"
#include "model/elements/omQuentraDesignElement.h"
#include "model/elements/omSolmarDesignElement.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionCircle.h"
#include "model/omCrossSectionIDS.h"
#include "model/omCrossSectionMap.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omCrossSectionT.h"
#include "model/omCrossSectionTube.h"
#include "model/omElementLoadGroup.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omEnvelope.h"
#include "model/omGenericCrossSection.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLinkedNode.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omNode2D.h"
#include "model/omNodeLoadGroup.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "rezavud/omVector.h"

#include <cmath>

ASIElementMap* AStorageInterfaces::elementMap = nullptr;
ASIElementResult* AStorageInterfaces::elementResult = nullptr;
ASILoadManager* AStorageInterfaces::loadManager = nullptr;

namespace {
omNode* createPlaneNode() {
    return new omNode2D(0.0, 0.0, "cm", 0);
}
omDesignElement* createLinear(omNodeMap& nodes) {
    return new omLinearDesignElement2D(nodes, 999u, 999u, 0u, 0u, 0u);
}
omDesignElement* createNonLinear(omNodeMap& nodes) {
    return new omDravikDesignElement(nodes, 999u, 999u, 0u, 0u, 0u);
}
bool showSupportSymbol(const omNode*) {
    return true;
}
void setShowSupportSymbol(omNode*, bool) {}
double supportAngle(const omNode*) {
    return 0.0;
}
void setSupportAngle(omNode*, double) {}

bool s_initialized = false;

template <class Served, class SI>
SI* install() {
    auto* si = static_cast<SI*>(ABaseStorageInterface::Add(new SI));
    Served::m_pSI = si;
    return si;
}
template <class SI>
SI* registerOnly() {
    return static_cast<SI*>(ABaseStorageInterface::Add(new SI));
}
} // namespace

omNode* (*AStoredClassFactory::createNode)() = &createPlaneNode;
omDesignElement* (*AStoredClassFactory::createLinearElement)(omNodeMap&) = &createLinear;
omDesignElement* (*AStoredClassFactory::createNonLinearElement)(omNodeMap&) = &createNonLinear;
bool (*AStoredClassFactory::getShowSupportSymbol)(const omNode*) = &showSupportSymbol;
void (*AStoredClassFactory::setShowSupportSymbol)(omNode*, bool) = &::setShowSupportSymbol;
double (*AStoredClassFactory::getSupportAngle)(const omNode*) = &supportAngle;
void (*AStoredClassFactory::setSupportAngle)(omNode*, double) = &::setSupportAngle;

AStorageInterface::~AStorageInterface() = default;

bool AStorageInterface::IsInitialized() {
    return s_initialized;
}

void AStorageInterface::InitializeAll() {
    if (s_initialized) return;
    s_initialized = true;
    ASIUnitValue::m_pSI = registerOnly<ASIUnitValue>();
    ASINumberFormat::m_pSI = registerOnly<ASINumberFormat>();
    install<omVector, ASIVector>();
    install<omCSVariable, ASICSVariable>();
    install<omCrossSection, ASICrossSection>();
    install<omCrossSectionMap, ASICrossSectionMap>();
    install<omCrossSectionIDS, ASICrossSectionIDS>();
    install<omGenericCrossSection, ASIGenericCrossSection>();
    install<omCrossSectionRect, ASICrossSectionRect>();
    install<omCrossSectionCircle, ASICrossSectionCircle>();
    install<omCrossSectionT, ASICrossSectionT>();
    install<omCrossSectionStandardI, ASICrossSectionStandardI>();
    install<omStandardSectionIRecord, ASIStandardSectionIRecord>();
    install<omCrossSectionTube, ASICrossSectionTube>();
    install<omCrossSectionBox, ASICrossSectionBox>();
    install<omDesignElement, ASIDesignElement>();
    AStorageInterfaces::elementMap = install<omElementMap, ASIElementMap>();
    install<omLinearDesignElement2D, ASILinearDesignElement2D>();
    install<omQuentraDesignElement, ASIQuentraDesignElement>();
    install<omSolmarDesignElement, ASISolmarDesignElement>();
    install<omDravikDesignElement, ASIDravikDesignElement>();
    AStorageInterfaces::elementResult = install<omElementResult, ASIElementResult>();
    install<omLoad, ASILoad>();
    install<omLoadForce, ASILoadForce>();
    install<omLoadDisplacement, ASILoadDisplacement>();
    install<omLoadLinear, ASILoadUniform>();
    install<omLoadTemperature, ASILoadTemperature>();
    install<omLoadGroup, ASILoadGroup>();
    install<omLoadCase, ASILoadCase>();
    install<omEnvelope, ASIEnvelope>();
    AStorageInterfaces::loadManager = install<omLoadManager, ASILoadManager>();
    install<omElementLoadGroup, ASIElementLoadGroup>();
    install<omNodeLoadGroup, ASINodeLoadGroup>();
    install<omMaterial, ASIMaterial>();
    install<omSteel, ASISteel>();
    install<omConcrete, ASIConcrete>();
    install<omRCSteel, ASIRCSteel>();
    install<omMaterialMap, ASIMaterialMap>();
    install<omNode, ASINode>();
    install<omNodeMap, ASINodeMap>();
    install<omNode2D, ASINode2D>();
    registerOnly<ASIGuiNode>();
    registerOnly<ASIGuiNode2D>();
    install<omLinkedNode, ASILinkedNode>();
    install<omLinkedNode2D, ASILinkedNode2D>();
    install<omStrakon, ASIStrakon>();
    ASIGuiStrakon::m_pSI = registerOnly<ASIGuiStrakon>();
    install<AExtents2D, ASIGuiExtents2D>();
    install<ADrawAttributes, ASIGuiDrawAttributes>();
    install<AUnitKeyAttributes, ASIGuiUnitKeyAttributes>();
    install<AOptionsAttributes, ASIGuiOptionsAttributes>();
    install<ADocAttributes, ASIGuiDocAttributes>();
    install<AOutputStructureAttributes, ASIGuiOutputAttributes>();
}

void AStorageInterface::Damaged(const CArchive& ar, const std::string& what) {
    std::string detail = "damaged at byte " + std::to_string(ar.GetPosition());
    if (!what.empty()) detail += " (" + what + ")";
    throw CArchiveException(CArchiveException::badSchema, ar.GetFileName(), detail);
}

bool AStorageInterface::ReadFlag(CArchive& ar) {
    std::uint32_t word = 0;
    ar >> word;
    return word != 0;
}

std::uint32_t AStorageInterface::ReadCount(CArchive& ar, std::size_t bytesPerItem) {
    std::int32_t count = 0;
    ar >> count;
    if (count < 0) Damaged(ar, "negative count");
    ar.CheckCount(static_cast<std::uint64_t>(count), bytesPerItem);
    return static_cast<std::uint32_t>(count);
}

double AStorageInterface::ReadFinite(CArchive& ar) {
    double value = 0.0;
    ar >> value;
    if (!std::isfinite(value)) Damaged(ar, "number out of range");
    return value;
}

std::int32_t AStorageInterface::ReadEnum(CArchive& ar, std::int32_t first, std::int32_t last) {
    std::int32_t value = 0;
    ar >> value;
    if (value < first || value > last) Damaged(ar, "value out of range");
    return value;
}

AStorageInterface::ResultsScope::ResultsScope() {
    ++s_resultsDepth;
}
AStorageInterface::ResultsScope::~ResultsScope() {
    --s_resultsDepth;
}
bool AStorageInterface::InResults() {
    return s_resultsDepth > 0;
}
