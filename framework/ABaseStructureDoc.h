#pragma once
// The base of the structure document. A structure lives inside a project: it
// is opened and saved with it, its changes mark the project changed, and its
// title is its name within the project, kept apart from its file name.
#include "platform/ui/COleDocument.h"

class ABaseProjectDoc;

class ABaseStructureDoc : public COleDocument {
    DECLARE_DYNAMIC(ABaseStructureDoc)
public:
    // The project deletes its structures itself after closing them, so a
    // structure never deletes itself when its last view goes.
    ABaseStructureDoc();
    ~ABaseStructureDoc() override;

    // Closes the structure, saving it first when it is changed (without
    // asking). FALSE when that save failed: the structure then stays open.
    virtual BOOL CloseStructure();
    // Saves the structure under its path and keeps its title. The save's result.
    virtual BOOL SaveStructure();

    // Not owned: the project owns its structures.
    void SetParentDocument(ABaseProjectDoc* pProject) { m_pParentDoc = pProject; }
    ABaseProjectDoc* GetParentDocument() const { return m_pParentDoc; }

    // Sets the structure's flag and passes the same value to its project.
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    // A structure file never enters the recent-file list: projects do.
    void SetPathName(const char* lpszPathName, BOOL bAddToMRU = TRUE) override;
    // A window of a structure closes without asking: the structure stays open in its project.
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;

protected:
    ABaseProjectDoc* m_pParentDoc = nullptr;
};
