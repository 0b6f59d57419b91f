#include "app/views/AComElements.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AComSupport.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "common/omLine.h"
#include "model/elements/omLinearLineFE2D.h"
#include "model/omCrossSectionMap.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omMaterialMap.h"
#include "model/omNodeMap.h"
#include "rezavud/omVector.h"

namespace {

omDesignElement* findMember(AStrakon& model, unsigned id) {
    omElementMap* members = model.getElementMap();
    return members ? members->find(id) : nullptr;
}

ALinearDesignElement2D* findDrawableMember(AStrakon& model, unsigned id) {
    return dynamic_cast<ALinearDesignElement2D*>(findMember(model, id));
}

unsigned idOf(const ADesignElement* element) {
    return element ? static_cast<const omDesignElement*>(element)->getIndex() : 0;
}

// Replays the undo list and makes the object list again from what the model
// holds. The selection may hold the objects that the replay frees, so it is
// emptied first.
void restoreObjects(AStrakonDocument& doc, AUndoList& undo) {
    doc.ClearObjects(false);
    undo.Restore(acom::Model(doc));
    doc.CollectNodes();
    doc.CollectElements();
}

void addCreated(AStrakonDocument& doc, const AUndoList& undo) {
    AObjectPtrContainer created;
    undo.GetObjects(created, omUndoItem::created);
    doc.AddObjects(created);
}

} // namespace

// ---- AComNewElement ------------------------------------------------------

AComNewElement::AComNewElement(const omNode* first, const omNode* second, const omPoint& firstPoint,
                               const omPoint& secondPoint, int kind, bool split)
    : m_first(first ? first->getIndex() : 0), m_second(second ? second->getIndex() : 0),
      m_firstPoint(firstPoint), m_secondPoint(secondPoint), m_kind(kind), m_split(split) {}

AComNewElement::~AComNewElement() = default;

void AComNewElement::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    omNodeMap* nodes = model.getNodeMap();
    if (!nodes) return;
    m_undo.clear(15);
    auto endNode = [&](unsigned id, const omPoint& point) -> omNode* {
        if (id != 0) return nodes->find(id);
        omVector cm(2);
        cm(1) = point.x * 100.0;
        cm(2) = point.y * 100.0;
        if (omNode* existing = nodes->findCoor(cm)) return existing;
        auto* node = new ANode2D(point.x, point.y, "m", 0);
        m_undo.add(static_cast<omNode*>(node), omUndoItem::created);
        model.InsertNode(m_undo, node, m_split);
        return node;
    };
    omNode* first = endNode(m_first, m_firstPoint);
    omNode* second = endNode(m_second, m_secondPoint);
    if (!first || !second) return;
    ALinearDesignElement2D* member = nullptr;
    if (m_kind == 0)
        member = new ALinearDesignElement2D(*nodes, first, second, 1, 1, 0);
    else if (m_kind == 1)
        member = new AQuentraDesignElement(*nodes, first, second, 1, 1, 0);
    if (member) {
        m_undo.add(static_cast<omDesignElement*>(member), omUndoItem::created);
        if (omMaterialMap* materials = model.getMaterialMap())
            if (const omMaterial* m = materials->getDefault()) member->setMaterial(m);
        if (omCrossSectionMap* sections = model.getCrossSectionMap())
            if (const omCrossSection* cs = sections->getDefault()) member->setCrossSection(cs);
        model.InsertElement(m_undo, member, m_split);
        m_elementId = static_cast<omDesignElement*>(member)->getIndex();
    }
    m_extents = doc->GetExtents();
    // Both ends: a member must fit in the extents whichever end lies outside.
    const bool firstGrew = doc->GetExtents().AddPoint(m_firstPoint.x, m_firstPoint.y);
    const bool secondGrew = doc->GetExtents().AddPoint(m_secondPoint.x, m_secondPoint.y);
    m_extentsChanged = firstGrew || secondGrew;
    AObjectPtrContainer objects;
    m_undo.GetObjects(objects, 15);
    if (m_extentsChanged)
        acom::Hint(*doc, 3);
    else
        acom::Hint(*doc, 2, objects);
    acom::Hint(*doc, 10);
    addCreated(*doc, m_undo);
    acom::UpdateElements(doc);
    acom::UpdateNodes(doc);
}

void AComNewElement::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    restoreObjects(*doc, m_undo);
    doc->GetExtents() = m_extents;
    acom::Hint(*doc, m_extentsChanged ? 3 : 0);
    acom::Hint(*doc, 10);
    acom::UpdateElements(doc);
    acom::UpdateNodes(doc);
}

CString AComNewElement::GetName() {
    CString name;
    name.Format("Create %s Element", m_kind == 0 ? "Linear 2D" : "Nonlinear 2D");
    return name;
}

// ---- AComEditElementProperties -------------------------------------------

AComEditElementProperties::AComEditElementProperties(std::vector<unsigned> elements,
                                                     std::vector<ADesignElement*> edited, bool redrawAll)
    : m_elements(std::move(elements)), m_edited(std::move(edited)), m_redrawAll(redrawAll) {}

AComEditElementProperties::~AComEditElementProperties() {
    for (ADesignElement* e : m_edited)
        delete e;
    for (ADesignElement* e : m_saved)
        delete e;
}

namespace {

// The copy takes the member's loads too: an open load sheet's copy of them goes first.
void copyInto(AStrakon& model, ALinearDesignElement2D* member, const ADesignElement* source) {
    auto* linear = dynamic_cast<const ALinearDesignElement2D*>(source);
    if (!linear) return;
    model.DropLoadSheetGroups(static_cast<omDesignElement*>(member));
    member->copy(*linear);
}

void bindMember(AStrakon& model, omDesignElement* member) {
    if (model.getCrossSectionMap()) member->bindCrossSection(*model.getCrossSectionMap());
    if (model.getMaterialMap()) member->bindMaterial(*model.getMaterialMap());
}

} // namespace

void AComEditElementProperties::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    AObjectPtrContainer members;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        auto* member = dynamic_cast<ADesignElement*>(findMember(model, m_elements[i]));
        if (!member) {
            m_saved.push_back(nullptr);
            continue;
        }
        m_saved.push_back(dynamic_cast<ADesignElement*>(member->clone()));
        if (auto* linear = dynamic_cast<ALinearDesignElement2D*>(member); linear && i < m_edited.size())
            copyInto(model, linear, m_edited[i]);
        bindMember(model, member);
        members.AddTail(member);
    }
    if (model.getElementMap()) m_store.Take(*model.getElementMap());
    finish(*doc, members);
}

void AComEditElementProperties::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    AObjectPtrContainer members;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        auto* member = dynamic_cast<ADesignElement*>(findMember(model, m_elements[i]));
        ADesignElement* saved = i < m_saved.size() ? m_saved[i] : nullptr;
        if (member) {
            members.AddTail(member);
            if (saved) {
                if (auto* linear = dynamic_cast<ALinearDesignElement2D*>(member)) copyInto(model, linear, saved);
                bindMember(model, member);
            }
        }
        delete saved;
    }
    m_saved.clear();
    if (model.getElementMap()) m_store.Restore(*model.getElementMap());
    finish(*doc, members);
}

void AComEditElementProperties::finish(AStrakonDocument& doc, AObjectPtrContainer& members) {
    if (m_redrawAll) {
        acom::Hint(doc, 0);
        acom::UpdateElements(&doc);
        acom::UpdateNodes(&doc);
    } else {
        acom::Hint(doc, 2, members);
        acom::UpdateElements(&doc);
    }
}

// ---- AComSplitElement ----------------------------------------------------

AComSplitElement::AComSplitElement(unsigned element, unsigned parts) : m_element(element), m_parts(parts) {}

AComSplitElement::~AComSplitElement() = default;

void AComSplitElement::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    m_undo.clear(15);
    if (omDesignElement* member = findMember(model, m_element)) {
        const omLine line = member->getLine(omUK_m, omNode::coorPlain);
        for (unsigned i = 1; i < m_parts; ++i) {
            const omPoint p = line.at(static_cast<double>(i) / static_cast<double>(m_parts));
            auto* node = new ANode2D(p.x, p.y, "m", 0);
            m_undo.add(static_cast<omNode*>(node), omUndoItem::created);
            model.InsertNode(m_undo, node, true);
        }
    }
    AObjectPtrContainer objects;
    m_undo.GetObjects(objects, 15);
    acom::Hint(*doc, 2, objects);
    acom::Hint(*doc, 10);
    addCreated(*doc, m_undo);
    acom::UpdateElements(doc);
    acom::UpdateNodes(doc);
}

void AComSplitElement::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    restoreObjects(*doc, m_undo);
    acom::Hint(*doc, 0);
    acom::Hint(*doc, 10);
    // The pieces are gone and the member is back: the member items too.
    acom::UpdateElements(doc);
    acom::UpdateNodes(doc);
}

CString AComSplitElement::GetName() {
    CString name;
    name.Format("Split element (%i) into (%i) parts", static_cast<int>(m_element), static_cast<int>(m_parts));
    return name;
}

// ---- AComSetElasticGround ------------------------------------------------

AComSetElasticGround::AComSetElasticGround(const ADesignElement* element, const omUnitValue& coefficient, int type)
    : m_element(idOf(element)), m_newCoefficient(coefficient), m_newType(type) {}

void AComSetElasticGround::Execute(AStructureDocument* pDoc) { apply(pDoc, false); }

void AComSetElasticGround::Undo(AStructureDocument* pDoc) { apply(pDoc, true); }

void AComSetElasticGround::apply(AStructureDocument* pDoc, bool undo) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    ALinearDesignElement2D* member = findDrawableMember(acom::Model(*doc), m_element);
    if (!member) return;
    if (undo) {
        member->setElGroundCoef(m_oldCoefficient);
        member->setElGroundType(ElGroundType(m_oldType));
    } else {
        m_oldCoefficient = member->getElGroundCoef();
        m_oldType = member->getElGroundType();
        member->setElGroundCoef(m_newCoefficient);
        member->setElGroundType(ElGroundType(m_newType));
    }
    acom::Hint(*doc, 1, member);
}

// ---- AComToggleElementRelease --------------------------------------------

AComToggleElementRelease::AComToggleElementRelease(const ADesignElement* element, int end, omDofType dof)
    : m_element(idOf(element)), m_end(end), m_dof(dof) {}

void AComToggleElementRelease::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    ALinearDesignElement2D* member = findDrawableMember(acom::Model(*doc), m_element);
    if (!member || (m_end != 0 && m_end != 1)) return;
    const auto end = static_cast<omDesignElement::position>(m_end);
    member->release(end, m_dof, !member->isReleased(end, m_dof));
    acom::Hint(*doc, 1, member);
}

// ---- AComSetElementMaterials ---------------------------------------------

AComSetElementMaterials::AComSetElementMaterials(unsigned element, unsigned material, unsigned material2)
    : m_element(element), m_new(material), m_new2(material2) {}

void AComSetElementMaterials::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    omDesignElement* member = findMember(model, m_element);
    if (!member) return;
    m_old = member->getMaterialIndex();
    m_old2 = member->getMaterialIndex2();
    member->setMaterialIndex(m_new);
    member->setMaterialIndex2(m_new2);
    model.bindMaterial();
    doc->DesignElement(m_element);
    acom::Hint(*doc, 6000 + static_cast<int>(m_element));
    acom::UpdateElements(doc);
}

void AComSetElementMaterials::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    omDesignElement* member = findMember(model, m_element);
    if (!member) return;
    member->setMaterialIndex(m_old);
    member->setMaterialIndex2(m_old2);
    model.bindMaterial();
    acom::Hint(*doc, 0);
    doc->DesignElement(m_element);
    acom::Hint(*doc, 6000 + static_cast<int>(m_element));
    acom::UpdateElements(doc);
}

CString AComSetElementMaterials::GetName() {
    CString name;
    name.Format("Assigns new materials to element (%i).", static_cast<int>(m_element));
    return name;
}
