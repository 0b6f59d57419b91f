// The structure document's edit operations on loads, load cases, actions and
// envelopes, and the deletion of the selection: each builds one undoable
// command and hands it to the command manager, which executes it.
#include "app/shell/AStrakonDocument.h"

#include "app/views/AComDeleteObjects.h"
#include "app/views/AComEnvelopes.h"
#include "app/views/AComLoadCases.h"
#include "app/views/AComLoadGroups.h"
#include "app/views/AComLoads.h"

void AStrakonDocument::DeleteSelection(CView*) {
    Deletion deletion = SortSelectionForDeletion();
    if (deletion.loadsOnly)
        GetCommandManager().AddCommand(new AComLoadDelete(std::move(deletion.nodeLoadNodes),
                                                          std::move(deletion.elementLoadElements),
                                                          GetActiveLoadGroup()));
    else
        GetCommandManager().AddCommand(new AComDeleteObjects(std::move(deletion.nodes), std::move(deletion.elements)));
}

void AStrakonDocument::AddNodeLoad(const omNode* node, const omLoad& load, int loadGroup) {
    GetCommandManager().AddCommand(new AComAddNodeLoad(node, load, loadGroup));
}

void AStrakonDocument::AddElementLoad(const omDesignElement* element, const omLoad& load, int loadGroup) {
    GetCommandManager().AddCommand(new AComAddElementLoad(element, load, loadGroup));
}

void AStrakonDocument::EditElementLoadProperties(const AElementLoadGroup& edited) {
    GetCommandManager().AddCommand(new AComElementLoadProperties(edited));
}

void AStrakonDocument::EditNodeLoadProperties(const ANodeLoadGroup& edited) {
    GetCommandManager().AddCommand(new AComNodeLoadProperties(edited));
}

void AStrakonDocument::ChangeLoadCase(int loadCase, int column, const CString& text) {
    GetCommandManager().AddCommand(new AComChangeLoadCase(loadCase, column, text));
}

void AStrakonDocument::AddLoadCase() { GetCommandManager().AddCommand(new AComAddLoadCase()); }

void AStrakonDocument::DeleteLoadCase(int loadCase) {
    GetCommandManager().AddCommand(new AComDeleteLoadCase(loadCase));
}

void AStrakonDocument::ChangeLoadGroup(int loadGroup, int field, const CString& text) {
    GetCommandManager().AddCommand(new AComChangeLoadGroup(field, loadGroup, text));
}

void AStrakonDocument::AddLoadGroup() { GetCommandManager().AddCommand(new AComAddLoadGroup()); }

void AStrakonDocument::DeleteLoadGroup(int loadGroup) {
    GetCommandManager().AddCommand(new AComDeleteLoadGroup(loadGroup));
}

void AStrakonDocument::SetEnvelope(unsigned number, const omEnvelope* envelope) {
    GetCommandManager().AddCommand(new AComSetEnvelope(number, envelope));
}
