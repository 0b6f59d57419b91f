#pragma once
// The objects behind the entries of the project window's four trees. Folders,
// the project and the structures do nothing of their own; the window entries
// open the structure's window of their kind (or show the one that is open) and
// name it. An entry that stands for a numbered object keeps the number and
// reads the object afresh from the model whenever it needs it.
#include "framework/ABaseProjectTI.h"

#include <string>

class AStrakonDocument;
class AStructureDocument;
class CFrameWnd;

class ATI : public ABaseProjectTI {
public:
    ATI(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, unsigned number = 0);
    unsigned GetNumber() const { return m_nNumber; }

protected:
    unsigned m_nNumber = 0;
};

class ATIWin : public ABaseProjectTIWin {
    DECLARE_DYNCREATE(ATIWin)
public:
    ATIWin(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, unsigned index = 0);

    // Shows the first open window, or opens one.
    void DefaultAction() override;
    // Opens the entry's window through its structure document; null when none opens.
    virtual CFrameWnd* Open(BOOL bMakeVisible);
    // The class name as the project file keeps it (".?AV<class>@@"); empty in the base.
    virtual const char* GetTypeName() const { return ""; }
    // Whether the project file keeps the index after the type name.
    virtual bool IsIndexed() const { return false; }
    // The 1-based number of the action, load case, envelope or element.
    unsigned GetIndex() const { return m_nIndex; }

protected:
    ATIWin() = default;
    AStructureDocument* GetDocument() const;
    AStrakonDocument* GetStrakonDocument() const;

    unsigned m_nIndex = 0;
};

class ATIProject : public ABaseProjectTIProject {
    DECLARE_DYNCREATE(ATIProject)
public:
    explicit ATIProject(ABaseProjectTreeCtrl* pTree);
    // Insert Structure.
    UINT GetContextMenuId() const override;

protected:
    ATIProject() = default;
};

class ATIStructure : public ABaseProjectTIStructure {
    DECLARE_DYNCREATE(ATIStructure)
public:
    ATIStructure(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc);

protected:
    ATIStructure() = default;
};

class ATIFolder : public ABaseProjectTIFolder {
    DECLARE_DYNCREATE(ATIFolder)
public:
    ATIFolder(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc);

protected:
    ATIFolder() = default;
};

// The project entries, made by the trees from their run-time classes.
#define STRAKON_PROJECT_ITEM(name)                                                                           \
    class name : public ATIProject {                                                                         \
        DECLARE_DYNCREATE(name)                                                                              \
    public:                                                                                                  \
        name() = default;                                                                                    \
        explicit name(ABaseProjectTreeCtrl* pTree) : ATIProject(pTree) {}                                     \
    };
STRAKON_PROJECT_ITEM(ATIGProject)
STRAKON_PROJECT_ITEM(ATILProject)
STRAKON_PROJECT_ITEM(ATIRProject)
STRAKON_PROJECT_ITEM(ATIDProject)
#undef STRAKON_PROJECT_ITEM

#define STRAKON_PLAIN_ITEM(name, base)                                                                       \
    class name : public base {                                                                               \
    public:                                                                                                  \
        using base::base;                                                                                    \
    };
STRAKON_PLAIN_ITEM(ATIGStructure, ATIStructure)
STRAKON_PLAIN_ITEM(ATILStructure, ATIStructure)
STRAKON_PLAIN_ITEM(ATIRStructure, ATIStructure)
STRAKON_PLAIN_ITEM(ATIDStructure, ATIStructure)
STRAKON_PLAIN_ITEM(ATIGElements, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGElementsL, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGElementsNL, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGNodes, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGNodesF, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGNodesS, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGCrossSections, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGMaterials, ATIFolder)
STRAKON_PLAIN_ITEM(ATILActions, ATIFolder)
STRAKON_PLAIN_ITEM(ATIRLoadCases, ATIFolder)
STRAKON_PLAIN_ITEM(ATIREnvelopes, ATIFolder)
STRAKON_PLAIN_ITEM(ATIDConcrete, ATIFolder)
STRAKON_PLAIN_ITEM(ATIDSteel, ATIFolder)
STRAKON_PLAIN_ITEM(ATIDTimber, ATIFolder)
STRAKON_PLAIN_ITEM(ATIDOther, ATIFolder)
STRAKON_PLAIN_ITEM(ATIGElementItem, ATI)
STRAKON_PLAIN_ITEM(ATIGNodeItem, ATI)
STRAKON_PLAIN_ITEM(ATIGMaterialItem, ATI)
STRAKON_PLAIN_ITEM(ATIGCrossSectionItem, ATI)
#undef STRAKON_PLAIN_ITEM

class ATIWinGGeometryItem : public ATIWin {
public:
    ATIWinGGeometryItem(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc) : ATIWin(pTree, pDoc) {}
    CFrameWnd* Open(BOOL bMakeVisible) override;
    std::string GetDescription() override { return "Geometry"; }
    const char* GetTypeName() const override { return ".?AVATIWinGGeometryItem@@"; }
};

class ATIWinLActionItem : public ATIWin {
public:
    using ATIWin::ATIWin;
    CFrameWnd* Open(BOOL bMakeVisible) override;
    // "Action (<name>)"; "Action ()" once the action is gone.
    std::string GetDescription() override;
    const char* GetTypeName() const override { return ".?AVATIWinLActionItem@@"; }
    bool IsIndexed() const override { return true; }
};

class ATIWinLActionsLoadCasesManagerItem : public ATIWin {
public:
    ATIWinLActionsLoadCasesManagerItem(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc)
        : ATIWin(pTree, pDoc) {}
    CFrameWnd* Open(BOOL bMakeVisible) override;
    std::string GetDescription() override { return "Actions/Load cases Manager"; }
    const char* GetTypeName() const override { return ".?AVATIWinLActionsLoadCasesManagerItem@@"; }
};

class ATIWinRLoadCaseItem : public ATIWin {
public:
    using ATIWin::ATIWin;
    CFrameWnd* Open(BOOL bMakeVisible) override;
    // Makes the case the active one, then "Results (<name>)"; "Results ()" when
    // the case is gone (the active case is then left alone).
    std::string GetDescription() override;
    const char* GetTypeName() const override { return ".?AVATIWinRLoadCaseItem@@"; }
    bool IsIndexed() const override { return true; }
};

class ATIWinREnvelopeItem : public ATIWin {
public:
    using ATIWin::ATIWin;
    CFrameWnd* Open(BOOL bMakeVisible) override;
    std::string GetDescription() override { return "Envelope description"; }
    const char* GetTypeName() const override { return ".?AVATIWinREnvelopeItem@@"; }
    bool IsIndexed() const override { return true; }
};

class ATIWinREnvelopeManagerItem : public ATIWin {
public:
    ATIWinREnvelopeManagerItem(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc) : ATIWin(pTree, pDoc) {}
    CFrameWnd* Open(BOOL bMakeVisible) override;
    std::string GetDescription() override { return "Envelope Manager"; }
    const char* GetTypeName() const override { return ".?AVATIWinREnvelopeManagerItem@@"; }
};

class ATIWinDResumeItem : public ATIWin {
public:
    ATIWinDResumeItem(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc) : ATIWin(pTree, pDoc) {}
    CFrameWnd* Open(BOOL bMakeVisible) override;
    std::string GetDescription() override { return "Opens the Design Resume window."; }
    const char* GetTypeName() const override { return ".?AVATIWinDResumeItem@@"; }
};

class ATIWinDElementItem : public ATIWin {
public:
    using ATIWin::ATIWin;
    CFrameWnd* Open(BOOL bMakeVisible) override;
    // "<kind> Design of Element [n]" after the element's material; "Element [n]"
    // for another material or an element that is gone.
    std::string GetDescription() override;
    const char* GetTypeName() const override { return ".?AVATIWinDElementItem@@"; }
    bool IsIndexed() const override { return true; }
};
