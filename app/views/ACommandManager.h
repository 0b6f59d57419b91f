#pragma once
// Undoable commands. Every change of a structure model is an ACommand that the
// structure document hands to its command manager, which executes it and keeps
// it for Undo and Redo. The manager also writes the Edit menu's texts:
// "&Undo " or "&Redo ", the command's name and the menu item's accelerator.
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class AStructureDocument;
class CCmdUI;

class ACommand {
public:
    virtual ~ACommand() = default;
    // Applies the change: the first time and at every Redo, to the same effect.
    virtual void Execute(AStructureDocument* pDoc) = 0;
    // Takes the change back; called only while this is the latest done command.
    virtual void Undo(AStructureDocument* pDoc) = 0;
    // The name shown after "&Undo " and "&Redo ".
    virtual CString GetName() = 0;
};

// Mixed into the editing views: the manager tells the active view after Undo
// and Redo when the document's changed rectangle is not empty.
class ACommandView {
public:
    virtual ~ACommandView() = default;
    virtual void UpdateAfterCommand(AStructureDocument* pDoc) = 0;
};

class ACommandManager {
public:
    ACommandManager();
    // Deletes the commands, newest first.
    ~ACommandManager();
    ACommandManager(const ACommandManager&) = delete;
    ACommandManager& operator=(const ACommandManager&) = delete;

    // The document the commands act on (set by the structure document itself).
    void SetDocument(AStructureDocument* pDoc) { m_pDocument = pDoc; }
    AStructureDocument* GetDocument() const { return m_pDocument; }

    // Takes ownership of pCommand: drops the undone commands (newest first),
    // appends and executes it and marks the document modified.
    void AddCommand(ACommand* pCommand);
    // Take back the latest done command / execute the first undone one. Both
    // mark the document modified: either way it differs from what was saved.
    void Undo();
    void Redo();

    CString GetUndoName() const;
    CString GetRedoName() const;
    int GetCommandCount() const { return static_cast<int>(m_commands.size()); }
    int GetDoneCount() const { return m_nDone; }

    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);

    // Calls UpdateAfterCommand of the main frame's active view when it is a command view.
    static void UpdateActiveView(AStructureDocument* pDoc);
    // The menu item's text from its tab on ("\tCtrl+Z"); "" when the update
    // comes from no menu or the text has no tab.
    static CString GetAcceleratorText(CCmdUI* pCmdUI);

private:
    // Reads the accelerator once; an update that comes from a toolbar or
    // another element without a menu leaves it unread, so that the first menu
    // update still finds it.
    static void readAccelerator(CCmdUI* pCmdUI, CString& text, bool& read);
    void markModified();

    std::vector<std::unique_ptr<ACommand>> m_commands;
    // Commands [0, m_nDone) are applied to the model, the rest can be redone.
    int m_nDone = 0;
    AStructureDocument* m_pDocument = nullptr;
    CString m_strUndoAccel;
    bool m_bUndoAccelRead = false;
    CString m_strRedoAccel;
    bool m_bRedoAccelRead = false;
};
