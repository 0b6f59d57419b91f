#pragma once
// The structure document base: every structure has its own undo history (a
// command manager), keeps its data in the stream "Contents" of the sub-storage
// "Strakon" of its compound file, and opens its windows through eight virtual
// operations that the concrete structure document fills in.
#include "app/report/AOutputAttributes.h"
#include "app/views/ACommandManager.h"
#include "framework/ABaseStructureDoc.h"
#include "platform/core/CRect.h"

class ABaseProjectTIWin;
class CFrameWnd;

class AStructureDocument : public ABaseStructureDoc {
    DECLARE_DYNCREATE(AStructureDocument)
public:
    AStructureDocument();
    ~AStructureDocument() override;

    // The derived document writes everything; the base has nothing of its own.
    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    // Empties the structure's own report settings; derived documents empty the rest.
    void DeleteContents() override;

    // Reads the stream "Contents" of the sub-storage "Strakon". A file without
    // "Strakon" fails with the bad-format archive exception; a "Strakon" without
    // "Contents", or with an empty one, loads as an empty document and leaves
    // the file as it is. A load that throws leaves the document emptied.
    void LoadFromStorage() override;
    // Writes the document (or pObject) into "Strakon/Contents", replacing the
    // stream, and commits the file. A failure leaves the file as it was.
    void SaveToStorage(CObject* pObject = nullptr) override;

    // The windows of the structure, opened for a project-tree item (or
    // activated), made visible on request; the base opens none.
    virtual CFrameWnd* OpenGeometryWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);
    virtual CFrameWnd* OpenLoadsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);
    virtual CFrameWnd* OpenLoadCombinationsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);
    virtual CFrameWnd* OpenEnvelopeResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);
    virtual CFrameWnd* OpenLoadCaseResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);
    virtual CFrameWnd* OpenEnvelopeWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);
    virtual CFrameWnd* OpenResumeWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);
    virtual CFrameWnd* OpenDesignWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible);

    ACommandManager& GetCommandManager() { return m_commandManager; }
    // The command manager calls it after each Execute, Undo and Redo, once the
    // model holds the command's result; the base does nothing.
    virtual void CommandDone() {}
    // The report's name lists and description of this structure, kept in its file.
    AOutputStructureAttributes& GetOutputAttributes() { return m_outputAttributes; }

    // The area that the latest Undo or Redo changed; emptied before each and,
    // when a command filled it, handed to the active view afterwards.
    CRect m_rectChanged;

protected:
    // Throws the refusal of a file that holds no structure this version reads,
    // naming the file.
    [[noreturn]] void NotAStructure() const;
    // The file being read, or the document's own.
    CString ReadingPath() const;

    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);

    ACommandManager m_commandManager;
    AOutputStructureAttributes m_outputAttributes;

    DECLARE_MESSAGE_MAP()
};
