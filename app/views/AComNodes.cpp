#include "app/views/AComNodes.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AComSupport.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "model/omNodeMap.h"
#include "rezavud/omVector.h"

namespace {

ANode2D* findNode(AStrakon& model, unsigned id) {
    omNodeMap* nodes = model.getNodeMap();
    return nodes ? dynamic_cast<ANode2D*>(nodes->find(id)) : nullptr;
}

// The hints after objects were created or removed: hint 3 when the extents
// grew (or had grown), else the objects' redraw; then the object-list rebuild.
void announceChange(AStrakonDocument& doc, bool extentsChanged, AObjectPtrContainer* changed) {
    if (extentsChanged)
        acom::Hint(doc, 3);
    else if (changed)
        acom::Hint(doc, 2, *changed);
    else
        acom::Hint(doc, 0);
    acom::Hint(doc, 10);
}

} // namespace

// ---- AComNewNode ---------------------------------------------------------

AComNewNode::AComNewNode(double x, double z, bool split) : m_x(x), m_z(z), m_split(split) {}

AComNewNode::~AComNewNode() = default;

void AComNewNode::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    m_undo.clear(15);
    auto* node = new ANode2D(m_x, m_z, "m", 0);
    m_undo.add(static_cast<omNode*>(node), omUndoItem::created);
    model.InsertNode(m_undo, node, m_split);
    m_nodeId = node->getIndex();
    m_extents = doc->GetExtents();
    m_extentsChanged = doc->GetExtents().AddPoint(m_x, m_z);
    AObjectPtrContainer objects;
    m_undo.GetObjects(objects, 15);
    announceChange(*doc, m_extentsChanged, &objects);
    objects.RemoveAll();
    m_undo.GetObjects(objects, omUndoItem::created);
    doc->AddObjects(objects);
    acom::UpdateNodes(doc);
}

void AComNewNode::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    // The selection may hold the objects that the replay frees: it is emptied first.
    doc->ClearObjects(false);
    m_undo.Restore(acom::Model(*doc));
    doc->CollectNodes();
    doc->CollectElements();
    doc->GetExtents() = m_extents;
    announceChange(*doc, m_extentsChanged, nullptr);
    acom::UpdateNodes(doc);
}

CString AComNewNode::GetName() {
    CString name;
    name.Format("Create Node %i", static_cast<int>(m_nodeId));
    return name;
}

// ---- AComToggleNodeSupport -----------------------------------------------

AComToggleNodeSupport::AComToggleNodeSupport(const ANode* node, omDofType dof)
    : m_nodeId(node ? node->getIndex() : 0), m_dof(dof) {}

void AComToggleNodeSupport::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    ANode2D* node = findNode(acom::Model(*doc), m_nodeId);
    if (!node) return;
    node->setSupport(m_dof, !node->getSupport(m_dof));
    acom::Hint(*doc, 1, node);
}

CString AComToggleNodeSupport::GetName() {
    CString name;
    name.Format("Toggle node %i support: %s", static_cast<int>(m_nodeId), omDofStructureType::name(m_dof).c_str());
    return name;
}

// ---- AComSetNodeSupport --------------------------------------------------

namespace {
const omDofType kSupportDofs[3] = {Ux, Uz, Ry};
}

AComSetNodeSupport::AComSetNodeSupport(const ANode* node, bool x, bool z, bool rotation, double angle)
    : m_nodeId(node ? node->getIndex() : 0), m_new{x, z, rotation}, m_newAngle(angle) {}

void AComSetNodeSupport::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    ANode2D* node = findNode(acom::Model(*doc), m_nodeId);
    if (!node) return;
    for (int i = 0; i < 3; ++i)
        m_old[i] = node->getSupport(kSupportDofs[i]);
    m_oldShown = node->GetShowSupportSymbol();
    m_oldAngle = node->GetSupportAngle();
    for (int i = 0; i < 3; ++i)
        node->setSupport(kSupportDofs[i], m_new[i]);
    node->SetShowSupportSymbol(true);
    node->SetSupportAngle(m_newAngle);
    acom::Hint(*doc, 1, node);
    acom::UpdateNodes(doc);
}

void AComSetNodeSupport::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    ANode2D* node = findNode(acom::Model(*doc), m_nodeId);
    if (!node) return;
    for (int i = 0; i < 3; ++i)
        node->setSupport(kSupportDofs[i], m_old[i]);
    node->SetShowSupportSymbol(m_oldShown);
    node->SetSupportAngle(m_oldAngle);
    acom::Hint(*doc, 1, node);
    acom::UpdateNodes(doc);
}

CString AComSetNodeSupport::GetName() {
    CString name;
    name.Format("Set supports for node %i.", static_cast<int>(m_nodeId));
    return name;
}

// ---- AComMoveNodes -------------------------------------------------------

AComMoveNodes::AComMoveNodes(std::vector<unsigned> nodes, const omVector& displacement)
    : m_nodes(std::move(nodes)), m_dx(displacement(1)), m_dz(displacement(2)) {}

AComMoveNodes::~AComMoveNodes() = default;

void AComMoveNodes::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    omVector displacement(2);
    displacement(1) = m_dx;
    displacement(2) = m_dz;
    m_saved.clear();
    for (unsigned id : m_nodes) {
        ANode2D* node = findNode(model, id);
        if (!node) continue;
        m_saved.push_back({id, *node->getCoor(Ux, omNode::coorPlain), *node->getCoor(Uz, omNode::coorPlain)});
        node->move(displacement, omUK_m);
    }
    m_extents = doc->GetExtents();
    AExtents2D& extents = doc->GetExtents();
    extents.m_nodeRect = omRect();
    if (omNodeMap* nodes = model.getNodeMap())
        for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
            const omVector p = nodes->object_ii()->getVector(omUK_m, omNode::coorPlain);
            extents.AddPoint(p(1), p(2));
        }
    acom::Hint(*doc, 3);
}

void AComMoveNodes::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    for (const Saved& saved : m_saved)
        if (ANode2D* node = findNode(model, saved.id)) {
            node->setUx(saved.x);
            node->setUz(saved.z);
        }
    doc->GetExtents() = m_extents;
    acom::Hint(*doc, 3);
}

// ---- AComEditNodeProperties ----------------------------------------------

AComEditNodeProperties::AComEditNodeProperties(std::vector<unsigned> nodes, std::vector<ANode2D*> edited,
                                               bool extentsFlag)
    : m_nodes(std::move(nodes)), m_edited(std::move(edited)), m_extentsFlag(extentsFlag) {}

AComEditNodeProperties::~AComEditNodeProperties() {
    for (ANode2D* node : m_edited)
        delete node;
    for (ANode2D* node : m_saved)
        delete node;
}

void AComEditNodeProperties::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    AObjectPtrContainer nodes;
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        ANode2D* node = findNode(model, m_nodes[i]);
        if (!node) {
            m_saved.push_back(nullptr);
            continue;
        }
        m_saved.push_back(dynamic_cast<ANode2D*>(node->clone()));
        nodes.AddTail(node);
        if (i < m_edited.size() && m_edited[i]) {
            // The copy takes the node's loads too: an open load sheet's copy of them must go first.
            model.DropLoadSheetGroups(static_cast<omNode*>(node));
            node->copy(*m_edited[i]);
        }
    }
    if (m_extentsFlag) {
        m_extents = doc->GetExtents();
        m_extentsChanged = false;
        if (!m_nodes.empty())
            if (ANode2D* first = findNode(model, m_nodes.front())) {
                const omVector p = first->getVector(omUK_m, omNode::coorPlain);
                m_extentsChanged = doc->GetExtents().AddPoint(p(1), p(2));
            }
    }
    finish(*doc, nodes, false);
}

void AComEditNodeProperties::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    AObjectPtrContainer nodes;
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        ANode2D* node = findNode(model, m_nodes[i]);
        ANode2D* saved = i < m_saved.size() ? m_saved[i] : nullptr;
        if (node) {
            nodes.AddTail(node);
            if (saved) {
                model.DropLoadSheetGroups(static_cast<omNode*>(node));
                node->copy(*saved);
            }
        }
        delete saved;
    }
    m_saved.clear();
    if (m_extentsFlag) doc->GetExtents() = m_extents;
    finish(*doc, nodes, true);
}

void AComEditNodeProperties::finish(AStrakonDocument& doc, AObjectPtrContainer& nodes, bool) {
    if (m_extentsFlag)
        acom::Hint(doc, m_extentsChanged ? 3 : 0);
    else
        acom::Hint(doc, 2, nodes);
    acom::UpdateNodes(&doc);
}
