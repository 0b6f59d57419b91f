// The records of the design library's materials, concrete and reinforcement
// steel, which join the structure file's tables when this library is loaded.
#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "app/shell/AStorageInterface.h"
#include "common/omUnitValue.h"
#include "platform/core/CArchive.h"

namespace {
constexpr unsigned kV10000 = 10000;

template <class Get, class Set>
void unitValue(CArchive& ar, Get get, Set set) {
    omUnitValue value = get();
    ASIUnitValue::SerializeValue(value, ar);
    if (ar.IsLoading()) set(value);
}

template <class Served, class SI>
void install() {
    Served::m_pSI = ABaseStorageInterface::Add(new SI);
}

const bool kRegistered = [] {
    AStorageInterface::AddMaterialClass(
        {".?AVomConcrete@@", [] { return static_cast<omMaterial*>(new omConcrete(0u)); },
         [](const omMaterial* m) { return dynamic_cast<const omConcrete*>(m) != nullptr; }},
        &install<omConcrete, ASIConcrete>);
    AStorageInterface::AddMaterialClass(
        {".?AVomRCSteel@@", [] { return static_cast<omMaterial*>(new omRCSteel(0u)); },
         [](const omMaterial* m) { return dynamic_cast<const omRCSteel*>(m) != nullptr; }},
        &install<omRCSteel, ASIRCSteel>);
    return true;
}();
} // namespace

void ASIConcrete::Serialize(AStorageBase* object, CArchive& ar) {
    omConcrete* m = as<omConcrete>(object, ar);
    Version(kV10000, ar);
    omMaterial::m_pSI->Serialize(static_cast<omMaterial*>(m), ar);
    unitValue(ar, [m] { return m->fck(); }, [m](const omUnitValue& v) { m->setFck(v); });
    unitValue(ar, [m] { return m->fct(); }, [m](const omUnitValue& v) { m->setFct(v); });
}

void ASIRCSteel::Serialize(AStorageBase* object, CArchive& ar) {
    omRCSteel* m = as<omRCSteel>(object, ar);
    Version(kV10000, ar);
    omMaterial::m_pSI->Serialize(static_cast<omMaterial*>(m), ar);
    unitValue(ar, [m] { return m->fyk(); }, [m](const omUnitValue& v) { m->setFyk(v); });
    if (ar.IsStoring())
        ar << static_cast<std::int32_t>(m->getClass());
    else
        m->setClass(ReadEnum(ar, omRCSteel::classA, omRCSteel::classC));
}

