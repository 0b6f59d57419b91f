// The records of the cross-sections and of their map.
#include "app/shell/AStorageInterface.h"
#include "common/omUnitValue.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionCircle.h"
#include "model/omCrossSectionIDS.h"
#include "model/omCrossSectionMap.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omCrossSectionT.h"
#include "model/omCrossSectionTube.h"
#include "model/omGenericCrossSection.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"

#include <memory>

namespace {
constexpr unsigned kV10000 = 10000;
constexpr unsigned kV10001 = 10001;
constexpr unsigned kV10002 = 10002;

template <class T>
T* as(AStorageBase* object, const CArchive& ar) {
    T* typed = dynamic_cast<T*>(object);
    if (!typed) throw CArchiveException(CArchiveException::badClass, ar.GetFileName(), "wrong object for record");
    return typed;
}

void serializeDouble(double& value, CArchive& ar) {
    if (ar.IsStoring())
        ar << value;
    else
        value = AStorageInterface::ReadFinite(ar);
}

void serializeText(std::string& text, CArchive& ar) {
    if (ar.IsStoring())
        ar << text;
    else
        ar >> text;
}

// The class tags of the map, in the order they are compared when reading.
struct SectionClass {
    const char* tag;
    omCrossSectionType type;
    omCrossSection* (*create)();
};
const SectionClass kSectionClasses[] = {
    {".?AVomCrossSectionIDS@@", csIDS, [] { return static_cast<omCrossSection*>(new omCrossSectionIDS(0u)); }},
    {".?AVomGenericCrossSection@@", csGeneric,
     [] { return static_cast<omCrossSection*>(new omGenericCrossSection(omUnitValue(), omUnitValue(), 0u)); }},
    {".?AVomCrossSectionRect@@", csRect, [] { return static_cast<omCrossSection*>(new omCrossSectionRect(0u)); }},
    {".?AVomCrossSectionCircle@@", csCircle,
     [] { return static_cast<omCrossSection*>(new omCrossSectionCircle(0u)); }},
    {".?AVomCrossSectionT@@", csT, [] { return static_cast<omCrossSection*>(new omCrossSectionT(0u)); }},
    {".?AVomCrossSectionStandardI@@", csStandardI,
     [] { return static_cast<omCrossSection*>(new omCrossSectionStandardI(0u)); }},
    {".?AVomCrossSectionBox@@", csBox, [] { return static_cast<omCrossSection*>(new omCrossSectionBox(0u)); }},
    {".?AVomCrossSectionTube@@", csTube, [] { return static_cast<omCrossSection*>(new omCrossSectionTube(0u)); }},
};
} // namespace

void ASICSVariable::Serialize(AStorageBase* object, CArchive& ar) {
    omCSVariable* v = as<omCSVariable>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        ar << v->lower() << v->upper() << v->step();
        ar << static_cast<std::uint32_t>(v->values().size());
        for (double x : v->values())
            ar << x;
        ar << v->name() << v->description();
        ASIUnitValue::SerializeValue(v->value(), ar);
        return;
    }
    v->setLower(ReadFinite(ar));
    v->setUpper(ReadFinite(ar));
    v->setStep(ReadFinite(ar));
    std::uint32_t n = ReadCount(ar, sizeof(double));
    std::vector<double> values(n);
    for (double& x : values)
        x = ReadFinite(ar);
    v->setValues(values);
    std::string text;
    ar >> text;
    v->setName(text);
    ar >> text;
    v->setDescription(text);
    ASIUnitValue::SerializeValue(v->value(), ar);
}

void ASICrossSection::Serialize(AStorageBase* object, CArchive& ar) {
    omCrossSection* cs = as<omCrossSection>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        ar << static_cast<std::uint32_t>(cs->getIndex());
        ar << cs->name();
        ar << static_cast<std::uint32_t>(cs->color());
    } else {
        std::uint32_t word = 0;
        ar >> word;
        cs->setIndex(word);
        std::string name;
        ar >> name;
        cs->setName(name);
        ar >> word;
        cs->setColor(word);
    }
    for (int i = 1; i <= cs->numberOfVariables(); ++i)
        omCSVariable::m_pSI->Serialize(&cs->variable(static_cast<unsigned>(i)), ar);
}

void ASICrossSectionShape::Serialize(AStorageBase* object, CArchive& ar) {
    omCrossSection* cs = as<omCrossSection>(object, ar);
    Version(kV10000, ar);
    omCrossSection::m_pSI->Serialize(cs, ar);
}

void ASICrossSectionIDS::Serialize(AStorageBase* object, CArchive& ar) {
    omCrossSectionIDS* cs = as<omCrossSectionIDS>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10002, ar);
        omCrossSection::m_pSI->Serialize(static_cast<omCrossSection*>(cs), ar);
        ar << cs->changeAxis() << cs->isRolled();
        return;
    }
    unsigned version = Version(kV10002, ar);
    omCrossSection::m_pSI->Serialize(static_cast<omCrossSection*>(cs), ar);
    // These two flags load from the word's lowest byte, as they always have.
    bool flag = false;
    if (version >= kV10001) {
        ar >> flag;
        cs->setChangeAxis(flag);
    }
    if (version >= kV10002) {
        ar >> flag;
        cs->setRolled(flag);
    }
}

void ASIGenericCrossSection::Serialize(AStorageBase* object, CArchive& ar) {
    omGenericCrossSection* cs = as<omGenericCrossSection>(object, ar);
    Version(kV10000, ar);
    omCrossSection::m_pSI->Serialize(static_cast<omCrossSection*>(cs), ar);
    for (int p = 0; p < omGenericCrossSection::propertyCount; ++p)
        ASIUnitValue::SerializeValue(cs->property(omGenericCrossSection::Property(p)), ar);
}

void ASIStandardSectionIRecord::Serialize(AStorageBase* object, CArchive& ar) {
    omStandardSectionIRecord* r = as<omStandardSectionIRecord>(object, ar);
    Version(kV10000, ar);
    std::string name = r->name();
    serializeText(name, ar);
    if (ar.IsLoading()) r->setName(name);
    for (unsigned f = 1; f < omStandardSectionIRecord::fieldCount; ++f) {
        double x = r->number(f);
        serializeDouble(x, ar);
        if (ar.IsLoading()) r->setNumber(f, x);
    }
}

void ASICrossSectionStandardI::Serialize(AStorageBase* object, CArchive& ar) {
    omCrossSectionStandardI* cs = as<omCrossSectionStandardI>(object, ar);
    unsigned version = Version(kV10001, ar);
    if (ar.IsStoring() || version >= kV10001)
        omCrossSectionIDS::m_pSI->Serialize(static_cast<omCrossSectionIDS*>(cs), ar);
    else
        omCrossSection::m_pSI->Serialize(static_cast<omCrossSection*>(cs), ar);
    omStandardSectionIRecord::m_pSI->Serialize(&cs->record(), ar);
    std::string group = cs->getGroup();
    serializeText(group, ar);
    if (ar.IsLoading()) cs->setGroup(group);
}

void ASICrossSectionMap::Serialize(AStorageBase* object, CArchive& ar) {
    omCrossSectionMap* map = as<omCrossSectionMap>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        ar << static_cast<std::uint32_t>(map->size());
        ar << static_cast<std::uint32_t>(map->getDefaultId());
        for (map->start_ii(); !map->stop_ii(); map->increment_ii()) {
            omCrossSection* cs = map->object_ii();
            const SectionClass* cls = nullptr;
            for (const SectionClass& c : kSectionClasses)
                if (c.type == cs->type()) cls = &c;
            if (!cls) throw CArchiveException(CArchiveException::badClass, ar.GetFileName(), "unknown section class");
            ar.WriteRawString(cls->tag);
            cs->GetStorageInterface()->Serialize(cs, ar);
        }
        return;
    }
    // A tag, a version word and a base record at the least.
    std::uint32_t count = ReadCount(ar, 9);
    std::uint32_t def = 0;
    ar >> def;
    map->setDefault(def);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string tag = ar.ReadRawString();
        const SectionClass* cls = nullptr;
        for (const SectionClass& c : kSectionClasses)
            if (tag == c.tag) {
                cls = &c;
                break;
            }
        if (!cls) Damaged(ar, "unknown cross-section class");
        std::unique_ptr<omCrossSection> cs(cls->create());
        cs->GetStorageInterface()->Serialize(cs.get(), ar);
        if (cs->getIndex() == 0 || !map->insert(cs.get())) Damaged(ar, "cross-section number taken");
        cs.release();
    }
}
