#pragma once
// The branch of one structure in each of the project window's four trees:
// geometry (members, nodes, cross-sections, materials), loads (actions),
// results (load cases, envelopes) and design (members by their kind of design).
// Each branch is built once and then brought in step with the model by its
// update operations; entries are found by number through a map per kind, so
// that an update after one edit does not walk the folders once per object.
#include "framework/ABaseProjectTreeCtrl.h"
#include "platform/core/CString.h"

#include <map>

class ABaseProjectTI;
class AStrakonDocument;
class ATIWin;

// What the four branches share: entries with their objects, re-inserting an
// entry under a new text or folder with the same object, the progress steps of
// their records.
class AStructureTreeItem : public ABaseProjectSTreeItem {
public:
    using ItemMap = std::map<unsigned, HTREEITEM>;

    // Inserts text with the picture and the object (owned by the entry from here on).
    HTREEITEM InsertEntry(const CString& text, int image, HTREEITEM hParent, HTREEITEM hAfter,
                          ABaseProjectTI* pObject);
    // The entry of the number moved under text and hParent, keeping its object.
    HTREEITEM ReinsertEntry(HTREEITEM hItem, const CString& text, int image, HTREEITEM hParent,
                            HTREEITEM hAfter);
    ABaseProjectTI* ObjectOf(HTREEITEM hItem) const;

protected:
    AStrakonDocument* GetStrakonDocument() const;
    // The structure's entry at the root, with "Structure '<title>'".
    void InsertStructureEntry(ABaseProjectTI* pObject);
    void ReadFolderState(CArchive& ar, HTREEITEM hFolder);
    void WriteFolderState(CArchive& ar, HTREEITEM hFolder) const;
    static void StepProgress(int steps);
};

class ASGTreeItem : public AStructureTreeItem {
    DECLARE_DYNCREATE(ASGTreeItem)
public:
    ASGTreeItem() = default;
    ASGTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree);

    void Initialize() override;
    using ABaseProjectSTreeItem::Initialize;
    void Serialize(CArchive& ar) override;
    void UpdateElements();
    void UpdateNodes();
    void UpdateCrossSections();
    void UpdateMaterials();
    ABaseProjectTI* GetGeometryItem() const;

    const ItemMap& GetElementItems() const { return m_elements; }
    const ItemMap& GetNodeItems() const { return m_nodes; }

protected:
    HTREEITEM m_hGeometry = nullptr;
    HTREEITEM m_hElements = nullptr;
    HTREEITEM m_hLinear = nullptr;
    HTREEITEM m_hNonLinear = nullptr;
    HTREEITEM m_hNodes = nullptr;
    HTREEITEM m_hFree = nullptr;
    HTREEITEM m_hSupported = nullptr;
    HTREEITEM m_hCrossSections = nullptr;
    HTREEITEM m_hMaterials = nullptr;
    ItemMap m_elements;
    ItemMap m_nodes;
    ItemMap m_crossSections;
    ItemMap m_materials;
};

class ASDTreeItem : public AStructureTreeItem {
    DECLARE_DYNCREATE(ASDTreeItem)
public:
    ASDTreeItem() = default;
    ASDTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree);

    void Initialize() override;
    using ABaseProjectSTreeItem::Initialize;
    void Serialize(CArchive& ar) override;
    void UpdateElements();
    ABaseProjectTI* GetDesignResumeItem() const;
    // Null when the branch has no entry for the element.
    ABaseProjectTI* GetDesignElementItem(int number) const;

protected:
    HTREEITEM FolderOfType(int type) const;

    HTREEITEM m_hResume = nullptr;
    HTREEITEM m_hConcrete = nullptr;
    HTREEITEM m_hSteel = nullptr;
    HTREEITEM m_hTimber = nullptr;
    HTREEITEM m_hOther = nullptr;
    ItemMap m_elements;
};

class ASLTreeItem : public AStructureTreeItem {
    DECLARE_DYNCREATE(ASLTreeItem)
public:
    ASLTreeItem() = default;
    ASLTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree);

    void Initialize() override;
    using ABaseProjectSTreeItem::Initialize;
    void Serialize(CArchive& ar) override;
    void UpdateActions();
    ABaseProjectTI* GetActionItem(int number) const;
    ABaseProjectTI* GetActionsLoadCasesManagerItem() const;

protected:
    HTREEITEM m_hActions = nullptr;
    HTREEITEM m_hManager = nullptr;
    ItemMap m_actions;
};

class ASRTreeItem : public AStructureTreeItem {
    DECLARE_DYNCREATE(ASRTreeItem)
public:
    ASRTreeItem() = default;
    ASRTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree);

    void Initialize() override;
    using ABaseProjectSTreeItem::Initialize;
    void Serialize(CArchive& ar) override;
    void UpdateLoadCases();
    void UpdateEnvelopes();
    ABaseProjectTI* GetLoadCaseItem(int number) const;
    ABaseProjectTI* GetEnvelopeItem(int number) const;
    ABaseProjectTI* GetEnvelopeManagerItem() const;

protected:
    HTREEITEM m_hLoadCases = nullptr;
    HTREEITEM m_hManager = nullptr;
    HTREEITEM m_hEnvelopes = nullptr;
    ItemMap m_cases;
    ItemMap m_envelopes;
};
