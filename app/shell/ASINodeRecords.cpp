// The records of materials, nodes and their maps.
#include "app/shell/ASITaggedMap.h"
#include "app/views/ANode2D.h"
#include "common/omUnitValue.h"
#include "model/omLinkedNode.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omNode2D.h"
#include "model/omNodeLoadGroup.h"
#include "model/omNodeMap.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"

#include <memory>

namespace {
constexpr unsigned kV10000 = 10000;
constexpr unsigned kV10001 = 10001;

// A unit value behind a getter and a setter.
template <class Get, class Set>
void unitValue(CArchive& ar, Get get, Set set) {
    omUnitValue value = get();
    ASIUnitValue::SerializeValue(value, ar);
    if (ar.IsLoading()) set(value);
}

const char* const kTagNode = ".?AVANode2D@@";
const char* const kTagOldNode = ".?AVGuiNode2D@@";

// Per-DOF flags: stored as a count and the flags; the count must be the node's own.
void serializeFlags(std::vector<bool>& flags, CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(flags.size());
        for (bool f : flags)
            ar << f;
        return;
    }
    std::int32_t count = 0;
    ar >> count;
    if (count != static_cast<std::int32_t>(flags.size())) AStorageInterface::Damaged(ar, "wrong number of flags");
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = AStorageInterface::ReadFlag(ar);
}
} // namespace

// --- materials

void ASIMaterial::Serialize(AStorageBase* object, CArchive& ar) {
    omMaterial* m = as<omMaterial>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(m->getIndex()) << m->name() << static_cast<std::uint32_t>(m->color())
           << m->poisson();
    } else {
        std::int32_t id = 0;
        ar >> id;
        m->setIndex(static_cast<unsigned>(id));
        std::string name;
        ar >> name;
        m->setName(name);
        std::uint32_t color = 0;
        ar >> color;
        m->setColor(color);
        m->setPoisson(ReadFinite(ar));
    }
    unitValue(ar, [m] { return m->E(0.0); }, [m](const omUnitValue& v) { m->setE(v); });
    unitValue(ar, [m] { return m->G(); }, [m](const omUnitValue& v) { m->setG(v); });
    unitValue(ar, [m] { return m->alfaT(); }, [m](const omUnitValue& v) { m->setAlfaT(v); });
    unitValue(ar, [m] { return m->ro(); }, [m](const omUnitValue& v) { m->setRo(v); });
}

void ASISteel::Serialize(AStorageBase* object, CArchive& ar) {
    omSteel* m = as<omSteel>(object, ar);
    unsigned version = Version(kV10001, ar);
    omMaterial::m_pSI->Serialize(static_cast<omMaterial*>(m), ar);
    unitValue(ar, [m] { return m->fy(); }, [m](const omUnitValue& v) { m->setFy(v); });
    unitValue(ar, [m] { return m->fu(); }, [m](const omUnitValue& v) { m->setFu(v); });
    if (ar.IsLoading() && version == kV10000) {
        std::int32_t dropped = 0;
        ar >> dropped;
    }
}

void ASIMaterialMap::Serialize(AStorageBase* object, CArchive& ar) {
    omMaterialMap* map = as<omMaterialMap>(object, ar);
    Version(kV10000, ar);
    SerializeTaggedMap<omMaterialMap, omMaterial>(
        *map, ar,
        [](const omMaterial* m) -> const char* {
            for (const MaterialClass& c : MaterialClasses())
                if (c.is(m)) return c.tag;
            return nullptr;
        },
        [](const std::string& tag) -> omMaterial* {
            for (const MaterialClass& c : MaterialClasses())
                if (tag == c.tag) return c.create();
            return nullptr;
        });
}

// --- nodes

void ASINode::Serialize(AStorageBase* object, CArchive& ar) {
    omNode* node = as<omNode>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(node->getIndex());
        serializeFlags(node->m_supports, ar);
        ar << (node->m_loads != nullptr);
        if (node->m_loads) node->m_loads->GetStorageInterface()->Serialize(node->m_loads.get(), ar);
        ar << static_cast<std::int32_t>(node->m_results.size());
        for (omDofVector& v : node->m_results)
            omVector::m_pSI->Serialize(&v, ar);
        ar << node->getName();
        return;
    }
    std::int32_t id = 0;
    ar >> id;
    node->setIndex(static_cast<unsigned>(id));
    serializeFlags(node->m_supports, ar);
    if (ReadFlag(ar)) {
        node->m_loads.reset(node->createLoadGroup(nullptr));
        omNodeLoadGroup* group = node->m_loads.get();
        group->GetStorageInterface()->Serialize(group, ar);
    }
    // Each result vector holds at least its version word and its count.
    std::uint32_t r = ReadCount(ar, 8);
    node->m_results.resize(r, omDofVector(node->getDofStructureType()));
    {
        ResultsScope results;
        for (omDofVector& v : node->m_results)
            omVector::m_pSI->Serialize(&v, ar);
    }
    std::string name;
    ar >> name;
    node->setName(name);
}

void ASINode2D::Serialize(AStorageBase* object, CArchive& ar) {
    omNode2D* node = as<omNode2D>(object, ar);
    Version(kV10000, ar);
    omNode::m_pSI->Serialize(static_cast<omNode*>(node), ar);
    unitValue(ar, [node] { return *node->getCoor(Ux, omNode::coorPlain); },
              [node](const omUnitValue& v) { node->setUx(v); });
    unitValue(ar, [node] { return *node->getCoor(Uz, omNode::coorPlain); },
              [node](const omUnitValue& v) { node->setUz(v); });
}

void ASIGuiNode::Serialize(AStorageBase* object, CArchive& ar) {
    ANode* node = as<ANode>(object, ar);
    Version(kV10000, ar);
    if (ar.IsStoring())
        ar << node->GetShowSupportSymbol();
    else
        node->SetShowSupportSymbol(ReadFlag(ar));
}

void ASIGuiNode2D::Serialize(AStorageBase* object, CArchive& ar) {
    omNode2D* plane = as<omNode2D>(object, ar);
    Version(kV10000, ar);
    omNode2D::m_pSI->Serialize(plane, ar);
    // A node of the model alone (not drawable) stores the drawable fields' defaults.
    ANode2D* node = dynamic_cast<ANode2D*>(plane);
    if (ar.IsStoring() && !node) {
        Version(kV10000, ar);
        ar << false << 0.0;
        return;
    }
    if (!node) WrongObject(ar);
    ASIGuiNode().Serialize(static_cast<ANode*>(node), ar);
    if (ar.IsStoring())
        ar << node->GetSupportAngle();
    else
        node->SetSupportAngle(ReadFinite(ar));
}

void ASILinkedNode::Serialize(AStorageBase* object, CArchive& ar) {
    omLinkedNode* node = as<omLinkedNode>(object, ar);
    Version(kV10000, ar);
    omNode::m_pSI->Serialize(static_cast<omNode*>(node), ar);
    // The file keeps per DOF whether it is released; the node keeps whether it is linked.
    std::vector<bool> released(node->m_links.size());
    for (std::size_t i = 0; i < released.size(); ++i)
        released[i] = !node->m_links[i];
    serializeFlags(released, ar);
    if (ar.IsStoring()) return;
    for (std::size_t i = 0; i < released.size(); ++i)
        node->m_links[i] = !released[i];
}

void ASILinkedNode2D::Serialize(AStorageBase* object, CArchive& ar) {
    omLinkedNode2D* node = as<omLinkedNode2D>(object, ar);
    Version(kV10000, ar);
    omLinkedNode::m_pSI->Serialize(static_cast<omLinkedNode*>(node), ar);
}

void ASINodeMap::Serialize(AStorageBase* object, CArchive& ar) {
    omNodeMap* map = as<omNodeMap>(object, ar);
    Version(kV10000, ar);
    ASIGuiNode2D drawable;
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(map->size());
        for (map->start_ii(); !map->stop_ii(); map->increment_ii()) {
            omNode* node = map->object_ii();
            ar.WriteRawString(kTagNode);
            drawable.Serialize(node, ar);
        }
        return;
    }
    std::uint32_t count = ReadCount(ar, 9);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string tag = ar.ReadRawString();
        if (tag != kTagNode && tag != kTagOldNode) Damaged(ar, "unknown node class");
        auto node = std::make_unique<ANode2D>(0.0, 0.0, "cm", 0u);
        drawable.Serialize(static_cast<omNode2D*>(node.get()), ar);
        omNode* placed = static_cast<omNode2D*>(node.get());
        if (placed->getIndex() == 0 || !map->insert(placed)) Damaged(ar, "node number taken");
        node.release();
    }
}
