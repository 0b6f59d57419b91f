#include "app/views/AComSupport.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"

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

// The views take the hint's object back as the drawable object or list it was
// sent as; neither is a CObject.
void Hint(AStrakonDocument& doc, int hint) { doc.UpdateAllViews(nullptr, hint, nullptr); }

void Hint(AStrakonDocument& doc, int hint, AObject* object) {
    doc.UpdateAllViews(nullptr, hint, reinterpret_cast<CObject*>(object));
}

void Hint(AStrakonDocument& doc, int hint, AObjectPtrContainer& objects) {
    doc.UpdateAllViews(nullptr, hint, reinterpret_cast<CObject*>(&objects));
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
