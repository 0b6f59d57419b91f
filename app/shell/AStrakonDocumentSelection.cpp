// The views' side of the structure document: the pickable objects and the
// selection, the checks that come before an edit of the selection, the active
// load group and result case, and drawing.
#include "app/shell/AStrakonDocument.h"

#include "app/dialogs/AElementLoadProperty.h"
#include "app/dialogs/AMessageProperty.h"
#include "app/dialogs/ANodeLoadProperty.h"
#include "app/report/AStrakonReport.h"
#include "app/shell/AStrakonReportDrawing.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementResultSheet.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "app/views/AZoomView.h"
#include "controls/ASimpleObject.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omNodeMap.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CView.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <list>

namespace {

AStrakon* drawable(omStrakon* model) {
    return dynamic_cast<AStrakon*>(model);
}

// Appends each object once.
template <class T> void addOnce(std::list<T*>& list, T* object) {
    if (object && std::find(list.begin(), list.end(), object) == list.end()) list.push_back(object);
}

} // namespace

int AStrakonDocument::CollectNodes() {
    AStrakon* model = drawable(GetModel());
    return model ? model->GetNodes(GetObjectList()) : 0;
}

int AStrakonDocument::CollectElements() {
    AStrakon* model = drawable(GetModel());
    return model ? model->GetElements(GetObjectList()) : 0;
}

void AStrakonDocument::AddObjects(AObjectPtrContainer& objects) {
    AObjectPtrContainer& list = GetObjectList();
    list.sort(std::less<AObject*>());
    objects.sort(std::less<AObject*>());
    list.merge(objects, std::less<AObject*>());
}

void AStrakonDocument::ClearObjects(bool updateViews) {
    GetObjectList().RemoveAll();
    AObjectPtrContainer& selection = GetSelection();
    for (AObject* object : selection)
        object->Select(false);
    // The views redraw what was selected; an empty selection still tells them.
    if (updateViews) {
        AObjectListHint redraw;
        redraw.insert(redraw.end(), selection.begin(), selection.end());
        UpdateAllViews(nullptr, 2, &redraw);
    }
    selection.RemoveAll();
}

bool AStrakonDocument::ConfirmNewElement(const omNode* first, const omNode* second) {
    if (!first || !second) return true;
    omElementMap* elements = GetModel() ? GetModel()->getElementMap() : nullptr;
    if (!elements) return true;
    const unsigned a = first->getIndex(), b = second->getIndex();
    for (const auto& [number, element] : *elements) {
        const unsigned n1 = element->getNodeIndex1();
        const unsigned n2 = element->getNodeIndex2();
        if (!((n1 == a && n2 == b) || (n1 == b && n2 == a))) continue;
        return CPromptService::Instance().MessageBox(
                   {"An element which has excatly the same nodes already exists!\nDo you realy want to put another "
                    "element over the existing one?\n\nHint: Answer NO unless you have a good reason to overlay "
                    "the element.",
                    "Warning", MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2}) != IDNO;
    }
    return true;
}

AStrakonDocument::Deletion AStrakonDocument::SortSelectionForDeletion() {
    Deletion deletion;
    std::list<omNode*> nodes;
    std::list<omDesignElement*> elements;
    for (AObject* object : GetSelection()) {
        if (auto* node = dynamic_cast<ANode*>(object)) {
            std::list<omDesignElement*> using_;
            GetModel()->objectsUsingNode(node, using_);
            for (omDesignElement* element : using_)
                addOnce(elements, element);
            addOnce<omNode>(nodes, node);
        } else if (auto* element = dynamic_cast<ADesignElement*>(object)) {
            addOnce<omDesignElement>(elements, element);
        } else if (auto* nodeLoads = dynamic_cast<ANodeLoadGroup*>(object)) {
            if (const omNode* owner = nodeLoads->getNode()) deletion.nodeLoadNodes.push_back(owner->getIndex());
        } else if (auto* elementLoads = dynamic_cast<AElementLoadGroup*>(object)) {
            if (const omId* owner = elementLoads->getElement<omId>())
                deletion.elementLoadElements.push_back(owner->getIndex());
        }
    }
    deletion.loadsOnly = !deletion.nodeLoadNodes.empty() || !deletion.elementLoadElements.empty();
    if (!deletion.loadsOnly) {
        for (const omNode* node : nodes)
            deletion.nodes.push_back(node->getIndex());
        for (const omDesignElement* element : elements)
            deletion.elements.push_back(element->getIndex());
    }
    return deletion;
}

bool AStrakonDocument::BeginMove(CView* pView, ASimpleObjectGroup* outline) {
    if (outline) outline->Clear();
    std::list<omDesignElement*> elements;
    std::list<AObject*> movers;
    for (AObject* object : GetSelection()) {
        auto* node = dynamic_cast<ANode*>(object);
        if (!node) continue;
        std::list<omDesignElement*> using_;
        GetModel()->objectsUsingNode(node, using_);
        for (omDesignElement* element : using_)
            addOnce(elements, element);
        addOnce(movers, object);
    }
    for (omDesignElement* element : elements)
        if (auto* object = dynamic_cast<AObject*>(element)) addOnce(movers, object);
    if (movers.empty()) {
        const char* text = "No movable objects were selected!\nE.g.: Elements are not movable,\nhowever "
                           "nodes are movable.";
        // The message stands on the view that began the move.
        if (pView)
            pView->MessageBox(text, "Warning", MB_OK | MB_ICONEXCLAMATION);
        else
            CPromptService::Instance().MessageBox(CMessageBoxRequest{text, "Warning", MB_OK | MB_ICONEXCLAMATION});
        return false;
    }
    if (outline)
        for (AObject* mover : movers)
            mover->AddDragShapes(*outline, GetSelection());
    return true;
}

namespace {
// The message sheet's texts; the frame keeps a pointer to its sheet's data.
const CString& NothingSelected() {
    static const CString text("Nothing is selected!");
    return text;
}
const CString& NotTheSameType() {
    static const CString text("Selected objects are not of the same type!");
    return text;
}
void* MessageData(const CString& text) {
    return const_cast<CString*>(&text);
}
} // namespace

void AStrakonDocument::ShowSelectionProperties(CWnd* pParent, bool flag) {
    APPropertyFrame* frame = APPropertyFrame::Instance();
    AObjectPtrContainer& selection = GetSelection();
    const CRuntimeClass* message = RUNTIME_CLASS(AMessageProperty);
    if (selection.IsEmpty())
        frame->SetPropertySheet(message, MessageData(NothingSelected()), pParent, this, flag);
    else if (!selection.AreTheSameType())
        frame->SetPropertySheet(message, MessageData(NotTheSameType()), pParent, this, flag);
    else
        // A kind without a sheet of its own leaves the frame as it is.
        frame->SetPropertySheet(selection.front()->GetPropertySheet(), &selection, pParent, this, flag);
}

void AStrakonDocument::ReleaseSelectionProperties() {
    APPropertyFrame* frame = APPropertyFrame::Existing();
    APPropertySheet* sheet = frame ? frame->GetProperySheet() : nullptr;
    if (!sheet || sheet->m_pDocument != this) return;
    if (frame->IsWindow() && frame->IsWindowVisible()) {
        frame->SetPropertySheet(RUNTIME_CLASS(AMessageProperty), MessageData(NothingSelected()), nullptr, nullptr,
                                true);
        return;
    }
    // A hidden frame shows nothing until it gets a new sheet; this one lets go
    // of what it registered with the document and forgets the document.
    sheet->BeforeHide();
    sheet->m_pDocument = nullptr;
    sheet->m_pExternalData = nullptr;
}

void AStrakonDocument::SetActiveLoadGroup(int group, bool updatePages) {
    SetActiveLoadGroup(group);
    if (AStrakon* model = drawable(GetModel())) model->SetActiveLoadGroup(group);
    if (!updatePages) return;
    if (m_pNodeLoadPage) m_pNodeLoadPage->SetActiveLoadGroup(static_cast<unsigned>(group));
    if (m_pElementLoadPage) m_pElementLoadPage->SetActiveLoadGroup(static_cast<unsigned>(group));
}

void AStrakonDocument::CommandDone() {
    // A command's own hints redraw only what it names; the views' pictures are drawn anew as a
    // whole, so that nothing of the model before the change stays in them, and a view forgets
    // the object under its cursor when the change took it away.
    for (CView* view : std::vector<CView*>(GetViews())) {
        if (auto* zoom = dynamic_cast<AZoomView*>(view))
            zoom->ModelChanged();
        else if (view)
            view->Invalidate();
    }
    // A sheet that gives way to the message sheet takes its page with it.
    if (m_pNodeLoadPage)
        if (auto* sheet = dynamic_cast<ANodeLoadProperty*>(m_pNodeLoadPage->GetSheet())) sheet->ModelChanged();
    if (m_pElementLoadPage)
        if (auto* sheet = dynamic_cast<AElementLoadProperty*>(m_pElementLoadPage->GetSheet())) sheet->ModelChanged();
}

void AStrakonDocument::SetActiveResultCase(int resultCase, bool updatePage) {
    SetActiveResultCase(resultCase);
    if (updatePage && m_pElementResultPage) m_pElementResultPage->SetLoadCase(resultCase);
}

omStrakon* AStrakonDocument::GetResultStructure() {
    return GetModel();
}

AExtents2D AStrakonDocument::GetShownExtents() const {
    // The views draw every node: a node outside the extents as stored (a
    // structure built without the editing commands, or stale extents in a
    // file) grows the nodes' rectangle and the user's four values of a copy,
    // so that the whole structure is shown. The stored extents stay as read.
    AExtents2D extents = m_extents;
    if (const omNodeMap* nodes = GetModel() ? GetModel()->getNodeMap() : nullptr) {
        for (nodes->start_ii(); !nodes->stop_ii(); nodes->increment_ii()) {
            const omVector p = nodes->object_ii()->getVector(omUK_m, omNode::coorPlain);
            if (p.size() < 2 || !std::isfinite(p(1)) || !std::isfinite(p(2))) continue;
            // The rectangle keeps a first node at the origin 0.00001 above it: no growth for that.
            const omRect& r = extents.m_nodeRect;
            const double e = 0.00001;
            if (r.isRectNull() || p(1) < r.left - e || p(1) > r.right + e || p(2) < r.top - e || p(2) > r.bottom + e)
                extents.AddPoint(p(1), p(2));
        }
    }
    return extents;
}

omRect& AStrakonDocument::GetDrawExtents(omRect& out, omUnitKey unit, int mode, int resultCase) {
    if (resultCase == 0) resultCase = GetActiveResultCase();
    double extra = 0.0;
    const omLoadManager* manager = GetModel() ? GetModel()->getLoadManager() : nullptr;
    if (mode == AExtents2D::modeDisplaced && manager && resultCase > 0) {
        const omDisplacementVector* largest = nullptr;
        if (resultCase <= 1000) {
            if (resultCase <= manager->caseSize()) largest = &manager->getCase(resultCase)->getMaxAbsU();
        } else if (resultCase - 1000 <= manager->envelopeSize()) {
            largest = &manager->getEnvelope(static_cast<unsigned>(resultCase - 1000))->getMaxAbsU();
        }
        if (largest) extra = std::max(std::fabs(largest->getDof(Ux)), std::fabs(largest->getDof(Uz)));
    }
    const AExtents2D extents = GetShownExtents();
    extents.GetExtentsRect(out, unit, mode, extra);
    return out;
}

void AStrakonDocument::DrawStructure(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode) {
    if (AStrakon* model = drawable(GetModel()))
        model->Draw(map, *pDC, clip, drawMode, *ADrawAttributes::Instance());
}

void AStrakonDocument::DrawDesign(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode) {
    if (AStrakon* model = drawable(GetModel()))
        model->DrawDesignSummary(map, *pDC, clip, drawMode, *ADrawAttributes::Instance());
}

void AStrakonDocument::DrawResults(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode, int component,
                                   bool forces, bool local) {
    DrawResults(pDC, map, clip, drawMode, GetActiveResultCase(), component, forces, local);
}
