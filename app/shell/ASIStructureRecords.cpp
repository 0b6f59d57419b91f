// The records of members, member results, the element map and the structure.
#include "app/report/AOutputAttributes.h"
#include "app/shell/AStorageInterface.h"
#include "common/omUnitValue.h"
#include "model/elements/omDravikDesignElement.h"
#include "model/elements/omQuentraDesignElement.h"
#include "model/elements/omSolmarDesignElement.h"
#include "model/omCrossSectionMap.h"
#include "model/omDesignElement.h"
#include "model/omElementLoadGroup.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLinkedNode.h"
#include "model/omLoadCaseResult.h"
#include "model/omLoadManager.h"
#include "model/omMaterialMap.h"
#include "model/omNodeMap.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "model/omStrakon.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"

#include <cmath>
#include <memory>

namespace {
constexpr unsigned kV10000 = 10000;
constexpr unsigned kV10001 = 10001;

template <class T>
T* as(AStorageBase* object, const CArchive& ar) {
    T* typed = dynamic_cast<T*>(object);
    if (!typed) throw CArchiveException(CArchiveException::badClass, ar.GetFileName(), "wrong object for record");
    return typed;
}

const char* const kTagLinear = ".?AVALinearDesignElement2D@@";
const char* const kTagOldLinear = ".?AVGuiLinearDesignElement2D@@";
const char* const kTagNonLinear = ".?AVAQuentraDesignElement@@";
const char* const kTagOldNonLinear = ".?AVGuiQuentraDesignElement@@";
const char* const kTagRCDesign = ".?AVomRCDesignBeamData@@";
const char* const kTagSteelDesign = ".?AVomSteelDesignData@@";

bool isNonLinearClass(const omDesignElement* e) {
    return dynamic_cast<const omQuentraDesignElement*>(e) || dynamic_cast<const omSolmarDesignElement*>(e) ||
           dynamic_cast<const omDravikDesignElement*>(e);
}

void word(CArchive& ar, unsigned value) {
    ar << static_cast<std::uint32_t>(value);
}
unsigned word(CArchive& ar) {
    std::uint32_t value = 0;
    ar >> value;
    return value;
}
} // namespace

void ASIDesignElement::Serialize(AStorageBase* object, CArchive& ar) {
    omDesignElement* e = as<omDesignElement>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10001, ar);
        word(ar, e->getIndex());
        ar << e->getName();
        word(ar, e->getNodeIndex1());
        word(ar, e->getNodeIndex2());
        for (omLinkedNode* end : {e->m_linked1, e->m_linked2}) {
            if (!end) throw CArchiveException(CArchiveException::genericException, ar.GetFileName(), "member without end node");
            end->GetStorageInterface()->Serialize(end, ar);
        }
        word(ar, e->getCrossSectionIndex());
        word(ar, e->getMaterialIndex());
        word(ar, e->getMaterialIndex2());
        ar << (e->m_load != nullptr);
        if (e->m_load) e->m_load->GetStorageInterface()->Serialize(e->m_load, ar);
        word(ar, e->getNumberOfFE());
        omGenericDesignData* data = e->getDesignData();
        const char* tag = nullptr;
        if (dynamic_cast<omRCDesignBeamData*>(data)) tag = kTagRCDesign;
        else if (dynamic_cast<omSteelDesignData*>(data)) tag = kTagSteelDesign;
        ar << (tag != nullptr);
        if (tag) {
            ar.WriteRawString(tag);
            data->Serialize(ar);
        }
        return;
    }
    unsigned version = Version(kV10001, ar);
    e->setIndex(word(ar));
    std::string name;
    ar >> name;
    e->setName(name);
    e->setNodeIndex1(word(ar));
    e->setNodeIndex2(word(ar));
    for (omLinkedNode* end : {e->m_linked1, e->m_linked2}) {
        if (!end) throw CArchiveException(CArchiveException::genericException, ar.GetFileName(), "member without end node");
        end->GetStorageInterface()->Serialize(end, ar);
    }
    e->setCrossSectionIndex(word(ar));
    e->setMaterialIndex(word(ar));
    if (version > kV10000) e->setMaterialIndex2(word(ar));
    if (ReadFlag(ar)) {
        e->replaceLoad(e->createLoadGroup(nullptr));
        e->m_load->GetStorageInterface()->Serialize(e->m_load, ar);
    }
    e->setNumberOfFE(word(ar));
    if (version > kV10000 && ReadFlag(ar)) {
        std::string tag = ar.ReadRawString();
        std::unique_ptr<omGenericDesignData> data;
        if (tag == kTagRCDesign) data = std::make_unique<omRCDesignBeamData>();
        else if (tag == kTagSteelDesign) data = std::make_unique<omSteelDesignData>();
        else Damaged(ar, "unknown design data class");
        data->Serialize(ar);
        e->setDesignData(data.get());
    }
}

void ASILinearDesignElement2D::Serialize(AStorageBase* object, CArchive& ar) {
    omLinearDesignElement2D* e = as<omLinearDesignElement2D>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10001, ar);
        ar << static_cast<std::uint32_t>(e->getElGroundType());
        omUnitValue k = e->getElGroundCoef();
        ASIUnitValue::SerializeValue(k, ar);
    } else if (Version(kV10001, ar) > kV10000) {
        e->setElGroundType(ElGroundType(ReadEnum(ar, egNone, egNegativeSide)));
        omUnitValue k = e->getElGroundCoef();
        ASIUnitValue::SerializeValue(k, ar);
        e->setElGroundCoef(k);
    }
    omDesignElement::m_pSI->Serialize(static_cast<omDesignElement*>(e), ar);
}

void ASINonLinearDesignElement::Serialize(AStorageBase* object, CArchive& ar) {
    omDesignElement* e = as<omDesignElement>(object, ar);
    Version(kV10000, ar);
    omDesignElement::m_pSI->Serialize(e, ar);
}

void ASIElementMap::Serialize(AStorageBase* object, CArchive& ar) {
    omElementMap* map = as<omElementMap>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        word(ar, static_cast<unsigned>(map->size()));
        for (map->start_ii(); !map->stop_ii(); map->increment_ii()) {
            omDesignElement* e = map->object_ii();
            bool nonLinear = isNonLinearClass(e);
            ar.WriteRawString(nonLinear ? kTagNonLinear : kTagLinear);
            if (nonLinear)
                omDravikDesignElement::m_pSI->Serialize(e, ar);
            else
                omLinearDesignElement2D::m_pSI->Serialize(e, ar);
        }
        return;
    }
    if (!m_pNodeMap)
        throw CArchiveException(CArchiveException::genericException, ar.GetFileName(),
                                "members read without their node map");
    std::uint32_t count = ReadCount(ar, 9);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string tag = ar.ReadRawString();
        std::unique_ptr<omDesignElement> e;
        bool nonLinear = false;
        if (tag == kTagLinear || tag == kTagOldLinear) {
            e.reset(AStoredClassFactory::createLinearElement(*m_pNodeMap));
        } else if (tag == kTagNonLinear || tag == kTagOldNonLinear) {
            e.reset(AStoredClassFactory::createNonLinearElement(*m_pNodeMap));
            nonLinear = true;
        } else {
            Damaged(ar, "unknown member class");
        }
        if (nonLinear)
            omDravikDesignElement::m_pSI->Serialize(e.get(), ar);
        else
            omLinearDesignElement2D::m_pSI->Serialize(e.get(), ar);
        if (!m_pNodeMap->exist(e->getNodeIndex1()) || !m_pNodeMap->exist(e->getNodeIndex2()))
            Damaged(ar, "member end node missing");
        if (e->getIndex() == 0 || !map->insert(e.get())) Damaged(ar, "member number taken");
        e.release();
    }
}

void ASIElementResult::Serialize(AStorageBase* object, CArchive& ar) {
    omElementResult* r = as<omElementResult>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10001, ar);
        std::size_t n = r->m_points.size();
        word(ar, static_cast<unsigned>(n));
        for (double x : r->m_points)
            ar << x;
        word(ar, static_cast<unsigned>(r->m_results.size()));
        for (omLoadCaseResult* lcr : r->m_results) {
            if (!lcr || lcr->size() < n)
                throw CArchiveException(CArchiveException::genericException, ar.GetFileName(), "results out of range");
            for (std::size_t i = 0; i < n; ++i) {
                omPointResult& p = (*lcr)[i];
                omVector::m_pSI->Serialize(&p.F, ar);
                omVector::m_pSI->Serialize(&p.U, ar);
                ar << p.pressure;
            }
        }
        return;
    }
    if (!m_pLoadManager)
        throw CArchiveException(CArchiveException::genericException, ar.GetFileName(),
                                "results read without their load cases");
    unsigned version = Version(kV10001, ar);
    ResultsScope results;
    std::uint32_t n = ReadCount(ar, sizeof(double));
    r->m_points.assign(n, 0.0);
    for (double& x : r->m_points) {
        ar >> x;
        if (!std::isfinite(x)) NoteNonFiniteResult();
    }
    std::uint32_t m = ReadCount(ar, 0);
    if (m > static_cast<std::uint32_t>(m_pLoadManager->caseSize())) Damaged(ar, "results of a missing load case");
    // Each point holds two vector records of at least 8 bytes each.
    ar.CheckCount(static_cast<std::uint64_t>(m) * n, 16);
    for (std::size_t i = m; i < r->m_results.size(); ++i)
        delete r->m_results[i];
    r->m_results.resize(m, nullptr);
    const omDofStructureType* type = r->getElement() ? r->getElement()->getDofStructureType() : nullptr;
    for (std::uint32_t i = 0; i < m; ++i) {
        if (!r->m_results[i]) r->m_results[i] = new omLoadCaseResult;
        omLoadCaseResult* lcr = r->m_results[i];
        lcr->setLoadCase(m_pLoadManager->getCase(static_cast<int>(i) + 1));
        lcr->resize(n, omPointResult(type));
        for (omPointResult& p : *lcr) {
            omVector::m_pSI->Serialize(&p.F, ar);
            omVector::m_pSI->Serialize(&p.U, ar);
            if (version > kV10000) {
                ar >> p.pressure;
                if (!std::isfinite(p.pressure)) NoteNonFiniteResult();
            }
        }
    }
}

void ASIStrakon::Serialize(AStorageBase* object, CArchive& ar) {
    omStrakon* s = as<omStrakon>(object, ar);
    omNodeMap* nodes = s->getNodeMap();
    omElementMap* elements = s->getElementMap();
    omLoadManager* loads = s->getLoadManager();
    if (!nodes || !elements || !loads || !s->getCrossSectionMap() || !s->getMaterialMap())
        throw CArchiveException(CArchiveException::genericException, ar.GetFileName(), "structure without its maps");
    Version(kV10000, ar);
    nodes->GetStorageInterface()->Serialize(nodes, ar);
    {
        AStorageContext<omNodeMap> context(AStorageInterfaces::elementMap->m_pNodeMap, nodes);
        elements->GetStorageInterface()->Serialize(elements, ar);
    }
    {
        AStorageContext<const omDofStructureType> context(AStorageInterfaces::loadManager->m_pStructureType,
                                                          s->getStructureType());
        loads->GetStorageInterface()->Serialize(loads, ar);
    }
    if (ar.IsLoading()) {
        // Node results count the load cases, which come after the nodes.
        for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii())
            if (nodes->object_ii()->m_results.size() > static_cast<std::size_t>(loads->caseSize()))
                Damaged(ar, "results of a missing load case");
    }
    s->getCrossSectionMap()->GetStorageInterface()->Serialize(s->getCrossSectionMap(), ar);
    s->getMaterialMap()->GetStorageInterface()->Serialize(s->getMaterialMap(), ar);
    if (ar.IsStoring())
        ar << s->getDisplacementPrecision();
    else
        s->setDisplacementPrecision(ReadFinite(ar));
    AStorageContext<omLoadManager> context(AStorageInterfaces::elementResult->m_pLoadManager, loads);
    for (elements->start_ii(); !elements->stop_ii(); elements->increment_ii()) {
        omElementResult& result = elements->object_ii()->getResult();
        omElementResult::m_pSI->Serialize(&result, ar);
    }
}

void ASIGuiStrakon::Serialize(AStorageBase* object, CArchive& ar) {
    omStrakon* s = as<omStrakon>(object, ar);
    if (!m_pOutput)
        throw CArchiveException(CArchiveException::genericException, ar.GetFileName(),
                                "structure read without its report settings");
    Version(kVersion, ar);
    omStrakon::m_pSI->Serialize(s, ar);
    AOutputStructureAttributes::m_pSI->Serialize(m_pOutput, ar);
}
