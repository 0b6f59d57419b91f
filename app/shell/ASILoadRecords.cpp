// The records of loads, load groups, load cases, envelopes and the load manager.
#include "app/shell/AStorageInterface.h"
#include "common/omUnitValue.h"
#include "model/omDesignElement.h"
#include "model/omElementLoadGroup.h"
#include "model/omEnvelope.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omNode.h"
#include "model/omNodeLoadGroup.h"
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

// The tags of the load classes; a stored uniform load comes back as a linear one.
const char* const kTagForce = ".?AVomLoadForce@@";
const char* const kTagDisplacement = ".?AVomLoadDisplacement@@";
const char* const kTagLinear = ".?AVomLoadLinear@@";
const char* const kTagUniform = ".?AVomLoadUniform@@";
const char* const kTagTemperature = ".?AVomLoadTemperature@@";

const char* tagOf(const omLoad* load) {
    if (dynamic_cast<const omLoadForce*>(load)) return kTagForce;
    if (dynamic_cast<const omLoadDisplacement*>(load)) return kTagDisplacement;
    if (dynamic_cast<const omLoadLinear*>(load)) return kTagLinear;
    if (dynamic_cast<const omLoadTemperature*>(load)) return kTagTemperature;
    return nullptr;
}

void writeLoads(const std::vector<omLoad*>& loads, CArchive& ar) {
    ar << static_cast<std::int32_t>(loads.size());
    for (omLoad* load : loads) {
        const char* tag = tagOf(load);
        if (!tag) throw CArchiveException(CArchiveException::badClass, ar.GetFileName(), "unknown load class");
        ar.WriteRawString(tag);
        load->GetStorageInterface()->Serialize(load, ar);
    }
}

// Reads count loads, each made from its tag by make (null for a tag the list does not take).
template <class Make, class Add>
void readLoads(CArchive& ar, Make make, Add add) {
    // A tag and two version words at the least.
    std::uint32_t n = AStorageInterface::ReadCount(ar, 9);
    for (std::uint32_t i = 0; i < n; ++i) {
        std::string tag = ar.ReadRawString();
        std::unique_ptr<omLoad> load(make(tag));
        if (!load) AStorageInterface::Damaged(ar, "unknown load class");
        load->GetStorageInterface()->Serialize(load.get(), ar);
        add(load.release());
    }
}

void serializeUnitValues(omUnitValue& value, CArchive& ar) {
    ASIUnitValue::SerializeValue(value, ar);
}
} // namespace

void ASILoad::Serialize(AStorageBase* object, CArchive& ar) {
    omLoad* load = as<omLoad>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(load->getScope());
        ar << load->getName();
        ar << static_cast<std::uint32_t>(load->getLoadGroupIndex());
        return;
    }
    load->setScope(omLoad::Scope(ReadEnum(ar, omLoad::WorldCS, omLoad::LocalNonConservative)));
    std::string name;
    ar >> name;
    load->setName(name);
    std::uint32_t group = 0;
    ar >> group;
    load->setLoadGroupIndex(group);
}

void ASILoadForce::Serialize(AStorageBase* object, CArchive& ar) {
    omLoadForce* load = as<omLoadForce>(object, ar);
    Version(kV10000, ar);
    omLoad::m_pSI->Serialize(load, ar);
    for (int t = 0; t < 6; ++t)
        serializeUnitValues(load->getF(omDofType(t)), ar);
    if (ar.IsStoring())
        ar << load->getX();
    else
        load->setX(ReadFinite(ar));
}

void ASILoadDisplacement::Serialize(AStorageBase* object, CArchive& ar) {
    omLoadDisplacement* load = as<omLoadDisplacement>(object, ar);
    Version(kV10000, ar);
    omLoad::m_pSI->Serialize(load, ar);
    for (int t = 0; t < 6; ++t)
        serializeUnitValues(load->getU(omDofType(t)), ar);
}

void ASILoadUniform::Serialize(AStorageBase* object, CArchive& ar) {
    omLoadLinear* load = as<omLoadLinear>(object, ar);
    unsigned version = Version(kV10001, ar);
    omLoad::m_pSI->Serialize(load, ar);
    for (int t = 0; t < 6; ++t) {
        omDofType dof = omDofType(t);
        serializeUnitValues(load->getFs(dof), ar);
        // An old record holds uniform loads only: the end value is the start value.
        if (ar.IsStoring() || version >= kV10001)
            serializeUnitValues(load->getFe(dof), ar);
        else
            load->setFe(dof, load->getFs(dof));
    }
    if (ar.IsStoring()) {
        ar << load->getStart() << load->getEnd() << static_cast<std::int32_t>(load->getPosition());
        return;
    }
    load->setStart(ReadFinite(ar));
    load->setEnd(ReadFinite(ar));
    load->setPosition(omLoad::Scope(ReadEnum(ar, omLoad::WorldCS, omLoad::LocalNonConservative)));
}

void ASILoadTemperature::Serialize(AStorageBase* object, CArchive& ar) {
    omLoadTemperature* load = as<omLoadTemperature>(object, ar);
    Version(kV10000, ar);
    omLoad::m_pSI->Serialize(load, ar);
    // Bottom and top of axis 1, then bottom and top of the other axis.
    const int order[4][2] = {{1, 1}, {0, 1}, {1, 2}, {0, 2}};
    for (const auto& [position, axis] : order)
        serializeUnitValues(load->getT(position, axis), ar);
}

void ASINodeLoadGroup::Serialize(AStorageBase* object, CArchive& ar) {
    omNodeLoadGroup* group = as<omNodeLoadGroup>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        writeLoads(group->getLoads(), ar);
        return;
    }
    const omDofStructureType* type = group->getNode() ? group->getNode()->getDofStructureType() : nullptr;
    readLoads(
        ar,
        [type](const std::string& tag) -> omLoad* {
            if (tag == kTagForce) return new omLoadForce(type, 0);
            if (tag == kTagDisplacement) return new omLoadDisplacement(type, 0);
            return nullptr;
        },
        [group](omLoad* load) { group->add(load); });
}

void ASIElementLoadGroup::Serialize(AStorageBase* object, CArchive& ar) {
    omElementLoadGroup* group = as<omElementLoadGroup>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        writeLoads(group->getLoads(), ar);
        return;
    }
    const omDesignElement* element = group->getElement();
    const omDofStructureType* type = element ? element->getDofStructureType() : nullptr;
    readLoads(
        ar,
        [type](const std::string& tag) -> omLoad* {
            if (tag == kTagForce) return new omLoadForce(type, 0);
            if (tag == kTagUniform || tag == kTagLinear) return new omLoadLinear(type, 0);
            if (tag == kTagTemperature) return new omLoadTemperature(type, 0);
            return nullptr;
        },
        [group](omLoad* load) { group->add(load); });
}

void ASILoadGroup::Serialize(AStorageBase* object, CArchive& ar) {
    omLoadGroup* group = as<omLoadGroup>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        ar << group->name();
        return;
    }
    std::string name;
    ar >> name;
    group->setName(name);
}

void ASILoadCase::Serialize(AStorageBase* object, CArchive& ar) {
    omLoadCase* lc = as<omLoadCase>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10001, ar);
        omVector::m_pSI->Serialize(static_cast<omVector*>(lc), ar);
        ar << lc->m_name << static_cast<std::int32_t>(lc->m_limitState);
        ar << lc->m_maxCP << lc->m_fiCreep << lc->m_skewRz << lc->m_skewRx;
        ASIUnitValue::SerializeValue(lc->m_skewCz, ar);
        ASIUnitValue::SerializeValue(lc->m_skewCx, ar);
        omVector::m_pSI->Serialize(&lc->m_maxF, ar);
        omVector::m_pSI->Serialize(&lc->m_maxU, ar);
        return;
    }
    unsigned version = Version(kV10001, ar);
    omVector::m_pSI->Serialize(static_cast<omVector*>(lc), ar);
    ar >> lc->m_name;
    lc->m_limitState = omLoadCase::LimitState(ReadEnum(ar, omLoadCase::lsUltimate, omLoadCase::lsUltimateSeismic));
    if (version >= kV10001) {
        {
            ResultsScope results;
            double cp = 0.0;
            ar >> cp;
            lc->m_maxCP = cp;
            if (!std::isfinite(cp)) NoteNonFiniteResult();
        }
        lc->m_fiCreep = ReadFinite(ar);
        lc->m_skewRz = ReadFinite(ar);
        lc->m_skewRx = ReadFinite(ar);
        ASIUnitValue::SerializeValue(lc->m_skewCz, ar);
        ASIUnitValue::SerializeValue(lc->m_skewCx, ar);
    }
    ResultsScope results;
    omVector::m_pSI->Serialize(&lc->m_maxF, ar);
    omVector::m_pSI->Serialize(&lc->m_maxU, ar);
}

void ASIEnvelope::Serialize(AStorageBase* object, CArchive& ar) {
    omEnvelope* env = as<omEnvelope>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10000, ar);
        ar << env->m_name << env->m_ultimate << env->m_creep << env->m_serviceability << env->m_useAllCases;
        ar << static_cast<std::int32_t>(env->m_quantity) << env->m_maxCP;
        ar << static_cast<std::int32_t>(env->m_cases.size());
        for (unsigned k : env->m_cases)
            ar << static_cast<std::uint32_t>(k);
        omVector::m_pSI->Serialize(&env->m_maxF, ar);
        omVector::m_pSI->Serialize(&env->m_maxU, ar);
        return;
    }
    Version(kV10000, ar);
    ar >> env->m_name;
    env->m_ultimate = ReadFlag(ar);
    env->m_creep = ReadFlag(ar);
    env->m_serviceability = ReadFlag(ar);
    env->m_useAllCases = ReadFlag(ar);
    env->m_quantity = omEnvelope::Quantity(ReadEnum(ar, omEnvelope::qMy, omEnvelope::qCP));
    ResultsScope results;
    double cp = 0.0;
    ar >> cp;
    if (!std::isfinite(cp)) NoteNonFiniteResult();
    env->m_maxCP = cp;
    std::uint32_t k = ReadCount(ar, sizeof(std::uint32_t));
    env->m_cases.assign(k, 0u);
    for (unsigned& number : env->m_cases) {
        std::uint32_t word = 0;
        ar >> word;
        number = word;
    }
    omVector::m_pSI->Serialize(&env->m_maxF, ar);
    omVector::m_pSI->Serialize(&env->m_maxU, ar);
}

void ASILoadManager::Serialize(AStorageBase* object, CArchive& ar) {
    omLoadManager* lm = as<omLoadManager>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10001, ar);
        ar << static_cast<std::int32_t>(lm->groupSize()) << static_cast<std::int32_t>(lm->caseSize());
        for (omLoadGroup& group : lm->m_groups)
            omLoadGroup::m_pSI->Serialize(&group, ar);
        for (omLoadCase* lc : lm->m_cases)
            omLoadCase::m_pSI->Serialize(lc, ar);
        ar << static_cast<std::int32_t>(lm->envelopeSize());
        for (omEnvelope* env : lm->m_envelopes)
            omEnvelope::m_pSI->Serialize(env, ar);
        return;
    }
    if (!m_pStructureType)
        throw CArchiveException(CArchiveException::genericException, ar.GetFileName(),
                                "load cases read without their structure type");
    unsigned version = Version(kV10001, ar);
    // A group holds a version word and a name; a case three vector records and more.
    std::uint32_t groups = ReadCount(ar, 5);
    std::uint32_t cases = ReadCount(ar, 30);
    // Groups and cases are kept as stored, in file order, whatever their
    // names: case numbers in envelopes and results count them all.
    for (std::uint32_t i = 0; i < groups; ++i) {
        omLoadGroup group;
        omLoadGroup::m_pSI->Serialize(&group, ar);
        lm->m_groups.push_back(group);
    }
    for (std::uint32_t i = 0; i < cases; ++i) {
        auto lc = std::make_unique<omLoadCase>(m_pStructureType);
        omLoadCase::m_pSI->Serialize(lc.get(), ar);
        lc->resize(lm->groupSize());
        lm->m_cases.push_back(lc.release());
    }
    if (version < kV10001) return;
    std::uint32_t envelopes = ReadCount(ar, 40);
    for (std::uint32_t i = 0; i < envelopes; ++i) {
        auto env = std::make_unique<omEnvelope>();
        omEnvelope::m_pSI->Serialize(env.get(), ar);
        for (unsigned k : env->getLoadCases())
            if (k < 1 || k > static_cast<unsigned>(lm->caseSize())) Damaged(ar, "envelope of a missing load case");
        lm->m_envelopes.push_back(env.release());
    }
    lm->setDirty(true);
}
