#include "app/views/AComDeleteObjects.h"
#include "app/views/AZoomViewDocument.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ACommandSteps.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "common/omPoint.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omNodeMap.h"

using namespace ACommandSteps;

namespace {

// The document's pickable objects and the project window follow the model.
void Refresh(AStrakonDocument& doc) {
    doc.ClearObjects(false);
    doc.CollectNodes();
    doc.CollectElements();
    if (AProjectWorkspaceWndInterface* project = ProjectWindow()) {
        project->UpdateElements(&doc);
        project->UpdateNodes(&doc);
    }
}

// The analysis keeps the nodes inside members in a list of its own, rebuilt
// at every binding; a member that leaves the model must not stay behind in it.
void ForgetInnerNodes(AStrakon& model) {
    if (omNodeMap* nodes = model.getNodeMap()) nodes->clearExternalNodes();
}

} // namespace

AComDeleteObjects::AComDeleteObjects(std::vector<unsigned> nodes, std::vector<unsigned> elements)
    : m_nodes(std::move(nodes)), m_elements(std::move(elements)) {}

AComDeleteObjects::~AComDeleteObjects() = default;

void AComDeleteObjects::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    if (!model || !model->getNodeMap() || !model->getElementMap()) return;
    m_undo.clear(15);
    // Members first: the list then holds the nodes ahead of them, which is the
    // order in which the Undo puts them back.
    for (unsigned id : m_elements) {
        omDesignElement* member = model->getElementMap()->find(id);
        if (member) model->DropLoadSheetGroups(member);
        m_undo.add(model->getElementMap()->detach(id), omUndoItem::deleted, member != nullptr);
    }
    for (unsigned id : m_nodes) {
        omNode* node = model->getNodeMap()->find(id);
        if (node) model->DropLoadSheetGroups(node);
        m_undo.add(model->getNodeMap()->detach(id), omUndoItem::deleted, node != nullptr);
    }
    ForgetInnerNodes(*model);

    // The user's four extent values stay; only the nodes' rectangle is rebuilt.
    AExtents2D& extents = doc->GetExtents();
    m_extents = extents;
    extents.m_nodeRect = omRect(0, 0, 0, 0);
    for (const auto& [id, node] : *model->getNodeMap()) {
        if (const auto* drawable = dynamic_cast<const ANode*>(node)) {
            omPoint p;
            drawable->GetCoordinates(p, 2);
            extents.AddPoint(p.x, p.y);
        }
    }

    Hint(*doc, 2003);
    Hint(*doc, 3003);
    AObjectListHint deleted;
    m_undo.GetObjects(deleted, 15);
    doc->UpdateAllViews(nullptr, 2, &deleted);
    Hint(*doc, 10);
    Refresh(*doc);
}

void AComDeleteObjects::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    if (!model) return;
    m_undo.Restore(*model);
    ForgetInnerNodes(*model);
    doc->GetExtents() = m_extents;
    Hint(*doc, 3);
    Hint(*doc, 10);
    Refresh(*doc);
}
