#pragma once
// The steps that the model commands share around their change: the document
// they act on, the results they clear, the hints they send and the project
// window they tell.
#include "platform/core/CString.h"

#include <string>

class AObject;
class AProjectWorkspaceWndInterface;
class AStrakon;
class AStrakonDocument;
class AStructureDocument;

namespace ACommandSteps {

// The structure document behind a command's argument; null for any other document.
AStrakonDocument* Strakon(AStructureDocument* pDoc);
// The document's model with its results cleared, so that no result of an
// earlier analysis survives the edit; null without a model.
AStrakon* ClearedModel(AStrakonDocument& doc);
// UpdateAllViews without a sender; a drawable object travels as the hint object.
void Hint(AStrakonDocument& doc, int hint, AObject* object = nullptr);
// The main frame's project window; null without one, and the command then skips its tree updates.
AProjectWorkspaceWndInterface* ProjectWindow();
// The name with the first free "<suffix><n>" (n = 1, 2, ...) appended while taken(name) holds.
template <class Taken> CString Unique(const CString& name, const char* suffix, Taken taken) {
    if (!taken(name)) return name;
    for (int n = 1;; ++n) {
        CString tried = name + CString::Formatted(suffix, n);
        if (!taken(tried)) return tried;
    }
}

// A number typed into a grid cell, read without the user's locale: the whole
// text must be one finite decimal number ("1,5", "abc", "nan", " 2" are not);
// an empty text is 0.0. False leaves value as it was.
bool ReadNumber(const std::string& text, double& value);
// An empty name or one of blanks only: the load manager refuses such names
// when the file is read, so an edit must not give one.
bool IsBlank(const std::string& text);
} // namespace ACommandSteps
