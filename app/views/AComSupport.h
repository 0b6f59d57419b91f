#pragma once
// What every structure edit command does around its change: find the structure
// document and clear the analysis results, tell the views by hint, and keep the
// project window's trees in step (skipped when there is no project window).
class AObject;
class AObjectPtrContainer;
class AStrakon;
class AStrakonDocument;
class AStructureDocument;
class CDocument;

namespace acom {

// The structure document behind the command's argument; null for any other.
AStrakonDocument* Document(AStructureDocument* pDoc);
// The document as above, with the model's analysis results cleared; null (and
// nothing cleared) when it is no structure document with a model.
AStrakonDocument* Begin(AStructureDocument* pDoc);
AStrakon& Model(AStrakonDocument& doc);

// UpdateAllViews without sender: a hint alone, with one drawable object, or
// with a list of them.
void Hint(AStrakonDocument& doc, int hint);
void Hint(AStrakonDocument& doc, int hint, AObject* object);
void Hint(AStrakonDocument& doc, int hint, AObjectPtrContainer& objects);

// The project window's refreshes.
void UpdateNodes(CDocument* pDoc);
void UpdateElements(CDocument* pDoc);
void UpdateMaterials(CDocument* pDoc);
void UpdateCrossSections(CDocument* pDoc);

} // namespace acom
