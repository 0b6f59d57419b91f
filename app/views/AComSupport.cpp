#include "app/views/AComSupport.h"
#include "app/views/AZoomViewDocument.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "app/views/AUndoList.h"
#include "controls/AObject.h"

namespace acom {

AStrakonDocument* Document(AStructureDocument* pDoc) {
    return dynamic_cast<AStrakonDocument*>(pDoc);
}

AStrakonDocument* Begin(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Document(pDoc);
    if (!doc || !doc->GetModel()) return nullptr;
    doc->GetModel()->clearResults();
    return doc;
}

AStrakon& Model(AStrakonDocument& doc) { return *doc.GetModel(); }

// The drawable objects are no CObjects: they travel to the views wrapped.
void Hint(AStrakonDocument& doc, int hint) { doc.UpdateAllViews(nullptr, hint, nullptr); }

void Hint(AStrakonDocument& doc, int hint, AObject* object) {
    if (!object) return Hint(doc, hint);
    AObjectHint wrapped(object);
    doc.UpdateAllViews(nullptr, hint, &wrapped);
}

void Hint(AStrakonDocument& doc, int hint, AObjectPtrContainer& objects) {
    AObjectListHint wrapped(objects);
    doc.UpdateAllViews(nullptr, hint, &wrapped);
}

void AnnounceCreated(AStrakonDocument& doc, const AUndoList& undo, bool extentsGrew) {
    AObjectPtrContainer objects;
    undo.GetObjects(objects, 15);
    if (extentsGrew)
        Hint(doc, 3);
    else
        Hint(doc, 2, objects);
    Hint(doc, 10);
    objects.RemoveAll();
    undo.GetObjects(objects, omUndoItem::created);
    doc.AddObjects(objects);
}

void RestoreObjects(AStrakonDocument& doc, AUndoList& undo) {
    doc.ClearObjects(false);
    undo.Restore(Model(doc));
    doc.CollectNodes();
    doc.CollectElements();
}

void UpdateNodes(CDocument* pDoc) {
    if (auto* wnd = AProjectWorkspaceWndInterface::FromMainFrame()) wnd->UpdateNodes(pDoc);
}

void UpdateElements(CDocument* pDoc) {
    if (auto* wnd = AProjectWorkspaceWndInterface::FromMainFrame()) wnd->UpdateElements(pDoc);
}

void UpdateMaterials(CDocument* pDoc) {
    if (auto* wnd = AProjectWorkspaceWndInterface::FromMainFrame()) wnd->UpdateMaterials(pDoc);
}

void UpdateCrossSections(CDocument* pDoc) {
    if (auto* wnd = AProjectWorkspaceWndInterface::FromMainFrame()) wnd->UpdateCrossSections(pDoc);
}

} // namespace acom
