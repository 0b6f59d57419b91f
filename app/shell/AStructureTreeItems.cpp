#include "app/shell/AStructureTreeItems.h"

#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/AStrakon.h"
#include "model/omCrossSection.h"
#include "model/omCrossSectionMap.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omEnvelope.h"
#include "model/omGenericDesignData.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omNode.h"
#include "model/omNodeMap.h"
#include "platform/core/CArchive.h"

#include <vector>

IMPLEMENT_DYNCREATE(ASGTreeItem, ABaseProjectSTreeItem)
IMPLEMENT_DYNCREATE(ASDTreeItem, ABaseProjectSTreeItem)
IMPLEMENT_DYNCREATE(ASLTreeItem, ABaseProjectSTreeItem)
IMPLEMENT_DYNCREATE(ASRTreeItem, ABaseProjectSTreeItem)

namespace {

constexpr DWORD kItemVersion = 10000;

// Where a numbered object's entry belongs and how it reads.
struct Placement {
    CString text;
    HTREEITEM folder = nullptr;
    int image = 0;
};

CString numbered(unsigned number, const std::string& name) {
    return CString::Formatted("[%02u] %s", number, name.c_str());
}

CString elementText(const omDesignElement& element) {
    return numbered(element.getIndex(), element.getName().empty() ? "Element" : element.getName());
}

CString nodeText(const omNode& node) {
    CString text = numbered(node.getIndex(), node.getName().empty() ? "Node" : node.getName());
    if (node.isSupported()) text += " " + node.getSupportString();
    return text;
}

} // namespace

// --- shared ------------------------------------------------------------------------------------

AStrakonDocument* AStructureTreeItem::GetStrakonDocument() const {
    return dynamic_cast<AStrakonDocument*>(m_pDoc);
}

ABaseProjectTI* AStructureTreeItem::ObjectOf(HTREEITEM hItem) const {
    return hItem && m_pTree ? reinterpret_cast<ABaseProjectTI*>(m_pTree->GetItemData(hItem)) : nullptr;
}

HTREEITEM AStructureTreeItem::InsertEntry(const CString& text, int image, HTREEITEM hParent, HTREEITEM hAfter,
                                          ABaseProjectTI* pObject) {
    HTREEITEM hItem = m_pTree->InsertItem(text.c_str(), image, image, hParent, hAfter);
    pObject->SetHTI(hItem);
    m_pTree->SetItemData(hItem, reinterpret_cast<DWORD_PTR>(pObject));
    return hItem;
}

HTREEITEM AStructureTreeItem::ReinsertEntry(HTREEITEM hItem, const CString& text, int image, HTREEITEM hParent,
                                            HTREEITEM hAfter) {
    ABaseProjectTI* object = ObjectOf(hItem);
    // The old entry goes without its object, which moves to the new one.
    m_pTree->SetItemData(hItem, 0);
    m_pTree->DeleteItem(hItem);
    HTREEITEM hNew = m_pTree->InsertItem(text.c_str(), image, image, hParent, hAfter);
    if (object) {
        object->SetHTI(hNew);
        m_pTree->SetItemData(hNew, reinterpret_cast<DWORD_PTR>(object));
    }
    return hNew;
}

void AStructureTreeItem::InsertStructureEntry(ABaseProjectTI* pObject) {
    m_hTop = InsertEntry(CString::Formatted("Structure '%s'", m_pDoc ? m_pDoc->GetTitle().c_str() : ""), 1,
                         m_pTree->GetProjectItem() ? m_pTree->GetProjectItem() : TVI_ROOT, TVI_LAST, pObject);
}

void AStructureTreeItem::ReadFolderState(CArchive& ar, HTREEITEM hFolder) {
    int expanded = 0;
    ar >> expanded;
    if (m_bRestoreExpansion && m_pTree) m_pTree->ExpandItem(hFolder, expanded ? TRUE : FALSE);
}

void AStructureTreeItem::WriteFolderState(CArchive& ar, HTREEITEM hFolder) const {
    ar << static_cast<int>(m_pTree && m_pTree->IsItemExpanded(hFolder) ? 1 : 0);
}

void AStructureTreeItem::StepProgress(int steps) {
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->StepProgress(steps);
}

namespace {

HTREEITEM insertSorted(AStructureTreeItem& item, const Placement& where, HTREEITEM hOld, ABaseProjectTI* object) {
    if (hOld) return item.ReinsertEntry(hOld, where.text, where.image, where.folder, TVI_SORT);
    return item.InsertEntry(where.text, where.image, where.folder, TVI_SORT, object);
}

// Brings the entries of one kind of numbered object in step with the model:
// entries of numbers that are gone are deleted, an entry whose text or folder
// changed is moved with its object, a new number gets a new entry.
template <class Objects, class Place, class Make>
void updateLeaves(AStructureTreeItem::ItemMap& items, ABaseProjectTreeCtrl& tree, Objects& objects,
                  Place place, Make make, AStructureTreeItem& self) {
    for (auto it = items.begin(); it != items.end();) {
        if (objects.find(it->first)) {
            ++it;
            continue;
        }
        tree.DeleteItem(it->second);
        it = items.erase(it);
    }
    for (const auto& [number, object] : objects) {
        const Placement where = place(*object);
        auto found = items.find(number);
        if (found == items.end()) {
            items[number] = insertSorted(self, where, nullptr, make(number));
            continue;
        }
        if (tree.GetParentItem(found->second) == where.folder && tree.GetItemText(found->second) == where.text)
            continue;
        found->second = insertSorted(self, where, found->second, nullptr);
    }
}

} // namespace

// --- geometry ----------------------------------------------------------------------------------

ASGTreeItem::ASGTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree) {
    ABaseProjectSTreeItem::Initialize(pDoc, pTree);
}

void ASGTreeItem::Initialize() {
    if (!m_pTree) return;
    m_pTree->UpdateProject();
    InsertStructureEntry(new ATIGStructure(m_pTree, m_pDoc));
    m_hGeometry = InsertEntry("Geometry", 2, m_hTop, TVI_LAST, new ATIWinGGeometryItem(m_pTree, m_pDoc));
    m_hElements = InsertEntry("Elements", 3, m_hTop, TVI_LAST, new ATIGElements(m_pTree, m_pDoc));
    m_hLinear = InsertEntry("Linear", 4, m_hElements, TVI_LAST, new ATIGElementsL(m_pTree, m_pDoc));
    m_hNonLinear = InsertEntry("Non-linear", 6, m_hElements, TVI_LAST, new ATIGElementsNL(m_pTree, m_pDoc));
    UpdateElements();
    m_hNodes = InsertEntry("Nodes", 8, m_hTop, TVI_LAST, new ATIGNodes(m_pTree, m_pDoc));
    m_hFree = InsertEntry("Free", 9, m_hNodes, TVI_LAST, new ATIGNodesF(m_pTree, m_pDoc));
    m_hSupported = InsertEntry("Supported", 11, m_hNodes, TVI_LAST, new ATIGNodesS(m_pTree, m_pDoc));
    UpdateNodes();
    m_hCrossSections = InsertEntry("Cross-sections", 13, m_hTop, TVI_LAST, new ATIGCrossSections(m_pTree, m_pDoc));
    UpdateCrossSections();
    m_hMaterials = InsertEntry("Materials", 15, m_hTop, TVI_LAST, new ATIGMaterials(m_pTree, m_pDoc));
    UpdateMaterials();
    m_pTree->ExpandItem(m_hTop, TRUE);
}

void ASGTreeItem::UpdateElements() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hLinear) return;
    updateLeaves(
        m_elements, *m_pTree, *doc->GetModel()->getElementMap(),
        [this](const omDesignElement& e) {
            return e.isLinear() ? Placement{elementText(e), m_hLinear, 5} : Placement{elementText(e), m_hNonLinear, 7};
        },
        [this](unsigned n) { return new ATIGElementItem(m_pTree, m_pDoc, n); }, *this);
}

void ASGTreeItem::UpdateNodes() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hFree) return;
    updateLeaves(
        m_nodes, *m_pTree, *doc->GetModel()->getNodeMap(),
        [this](const omNode& node) {
            return node.isSupported() ? Placement{nodeText(node), m_hSupported, 12}
                                      : Placement{nodeText(node), m_hFree, 10};
        },
        [this](unsigned n) { return new ATIGNodeItem(m_pTree, m_pDoc, n); }, *this);
}

void ASGTreeItem::UpdateCrossSections() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hCrossSections) return;
    updateLeaves(
        m_crossSections, *m_pTree, *doc->GetModel()->getCrossSectionMap(),
        [this](const omCrossSection& c) { return Placement{numbered(c.getIndex(), c.name()), m_hCrossSections, 14}; },
        [this](unsigned n) { return new ATIGCrossSectionItem(m_pTree, m_pDoc, n); }, *this);
}

void ASGTreeItem::UpdateMaterials() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hMaterials) return;
    updateLeaves(
        m_materials, *m_pTree, *doc->GetModel()->getMaterialMap(),
        [this](const omMaterial& m) { return Placement{numbered(m.getIndex(), m.name()), m_hMaterials, 16}; },
        [this](unsigned n) { return new ATIGMaterialItem(m_pTree, m_pDoc, n); }, *this);
}

ABaseProjectTI* ASGTreeItem::GetGeometryItem() const {
    return ObjectOf(m_hGeometry);
}

void ASGTreeItem::Serialize(CArchive& ar) {
    ABaseProjectSTreeItem::Serialize(ar);
    const HTREEITEM folders[] = {m_hElements, m_hLinear, m_hNonLinear,     m_hNodes,
                                 m_hFree,     m_hSupported, m_hCrossSections, m_hMaterials};
    if (ar.IsStoring()) {
        ar << kItemVersion;
        for (HTREEITEM folder : folders)
            WriteFolderState(ar, folder);
    } else {
        DWORD version = 0;
        ar >> version;
        for (HTREEITEM folder : folders)
            ReadFolderState(ar, folder);
    }
    StepProgress(8);
}

// --- design ------------------------------------------------------------------------------------

ASDTreeItem::ASDTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree) {
    ABaseProjectSTreeItem::Initialize(pDoc, pTree);
}

void ASDTreeItem::Initialize() {
    if (!m_pTree) return;
    m_pTree->UpdateProject();
    InsertStructureEntry(new ATIDStructure(m_pTree, m_pDoc));
    m_hResume = InsertEntry("Design Resume", 2, m_hTop, TVI_LAST, new ATIWinDResumeItem(m_pTree, m_pDoc));
    m_hConcrete = InsertEntry("Reinforced Concrete", 3, m_hTop, TVI_LAST, new ATIDConcrete(m_pTree, m_pDoc));
    m_hSteel = InsertEntry("Steel", 5, m_hTop, TVI_LAST, new ATIDSteel(m_pTree, m_pDoc));
    m_hTimber = InsertEntry("Timber", 7, m_hTop, TVI_LAST, new ATIDTimber(m_pTree, m_pDoc));
    m_hOther = InsertEntry("Not designed", 9, m_hTop, TVI_LAST, new ATIDOther(m_pTree, m_pDoc));
    UpdateElements();
    m_pTree->ExpandItem(m_hTop, TRUE);
}

namespace {
// The design kinds that have a folder of their own; every other kind is "Not designed".
constexpr int kTimberDesign = 2;
} // namespace

HTREEITEM ASDTreeItem::FolderOfType(int type) const {
    switch (type) {
    case omGenericDesignData::dtRCBeam: return m_hConcrete;
    case omGenericDesignData::dtSteel: return m_hSteel;
    case kTimberDesign: return m_hTimber;
    default: return m_hOther;
    }
}

void ASDTreeItem::UpdateElements() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hConcrete) return;
    omElementMap& elements = *doc->GetModel()->getElementMap();
    // An entry whose member is gone, or whose member now gets another kind of
    // design, goes with its design windows; "Timber" is searched like the others.
    for (auto it = m_elements.begin(); it != m_elements.end();) {
        const omDesignElement* element = elements.find(it->first);
        if (element &&
            FolderOfType(omGenericDesignData::getDesignDataType(element)) == m_pTree->GetParentItem(it->second)) {
            ++it;
            continue;
        }
        if (auto* object = dynamic_cast<ABaseProjectTIWin*>(ObjectOf(it->second))) object->CloseAllWindows();
        m_pTree->DeleteItem(it->second);
        it = m_elements.erase(it);
    }
    const int images[] = {4, 6, 8, 10};
    updateLeaves(
        m_elements, *m_pTree, elements,
        [&](const omDesignElement& e) {
            const int type = omGenericDesignData::getDesignDataType(&e);
            const int slot = type == omGenericDesignData::dtRCBeam ? 0
                             : type == omGenericDesignData::dtSteel ? 1
                             : type == kTimberDesign               ? 2
                                                                   : 3;
            return Placement{elementText(e), FolderOfType(type), images[slot]};
        },
        [this](unsigned n) { return new ATIWinDElementItem(m_pTree, m_pDoc, n); }, *this);
}

ABaseProjectTI* ASDTreeItem::GetDesignResumeItem() const {
    return ObjectOf(m_hResume);
}

ABaseProjectTI* ASDTreeItem::GetDesignElementItem(int number) const {
    if (number < 0) return nullptr;
    auto it = m_elements.find(static_cast<unsigned>(number));
    return it == m_elements.end() ? nullptr : ObjectOf(it->second);
}

void ASDTreeItem::Serialize(CArchive& ar) {
    ABaseProjectSTreeItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar << kItemVersion;
    } else {
        DWORD version = 0;
        ar >> version;
    }
    StepProgress(5);
}

// --- numbered lists of the loads and results trees ---------------------------------------------

namespace {

// Entries 1..n under folder: entries above n go with their windows, an entry
// whose text changed moves to the end with its object and retitled windows, a
// missing one is appended.
template <class Text, class Make>
void refreshList(AStructureTreeItem::ItemMap& items, ABaseProjectTreeCtrl& tree, HTREEITEM folder, int n,
                 int image, Text text, Make make, AStructureTreeItem& item) {
    for (auto it = items.begin(); it != items.end();) {
        if (static_cast<int>(it->first) <= n) {
            ++it;
            continue;
        }
        if (auto* object = reinterpret_cast<ABaseProjectTI*>(tree.GetItemData(it->second)))
            if (auto* win = dynamic_cast<ABaseProjectTIWin*>(object)) win->CloseAllWindows();
        tree.DeleteItem(it->second);
        it = items.erase(it);
    }
    for (int i = 1; i <= n; ++i) {
        const CString wanted = text(i);
        auto found = items.find(static_cast<unsigned>(i));
        if (found == items.end()) {
            items[static_cast<unsigned>(i)] = item.InsertEntry(wanted, image, folder, TVI_LAST, make(i));
            continue;
        }
        if (tree.GetItemText(found->second) == wanted) continue;
        if (auto* win = dynamic_cast<ABaseProjectTIWin*>(
                reinterpret_cast<ABaseProjectTI*>(tree.GetItemData(found->second))))
            win->UpdateAllWindowsTitle();
        found->second = item.ReinsertEntry(found->second, wanted, image, folder, TVI_LAST);
    }
}

ABaseProjectTI* objectIn(const AStructureTreeItem::ItemMap& items, const ABaseProjectTreeCtrl* tree, int number) {
    if (number < 0 || !tree) return nullptr;
    auto it = items.find(static_cast<unsigned>(number));
    return it == items.end() ? nullptr : reinterpret_cast<ABaseProjectTI*>(tree->GetItemData(it->second));
}

} // namespace

ASLTreeItem::ASLTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree) {
    ABaseProjectSTreeItem::Initialize(pDoc, pTree);
}

void ASLTreeItem::Initialize() {
    if (!m_pTree) return;
    m_pTree->UpdateProject();
    InsertStructureEntry(new ATILStructure(m_pTree, m_pDoc));
    m_hManager = InsertEntry("Actions/Load cases Manager", 2, m_hTop, TVI_LAST,
                             new ATIWinLActionsLoadCasesManagerItem(m_pTree, m_pDoc));
    m_hActions = InsertEntry("Actions", 3, m_hTop, TVI_LAST, new ATILActions(m_pTree, m_pDoc));
    UpdateActions();
    m_pTree->ExpandItem(m_hTop, TRUE);
}

void ASLTreeItem::UpdateActions() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hActions) return;
    omLoadManager* manager = doc->GetModel()->getLoadManager();
    refreshList(
        m_actions, *m_pTree, m_hActions, manager->groupSize(), 4,
        [manager](int i) {
            const omLoadGroup* group = manager->getGroup(i);
            return CString(group ? group->name() : std::string());
        },
        [this](int i) { return new ATIWinLActionItem(m_pTree, m_pDoc, static_cast<unsigned>(i)); }, *this);
}

ABaseProjectTI* ASLTreeItem::GetActionItem(int number) const {
    return objectIn(m_actions, m_pTree, number);
}

ABaseProjectTI* ASLTreeItem::GetActionsLoadCasesManagerItem() const {
    return ObjectOf(m_hManager);
}

void ASLTreeItem::Serialize(CArchive& ar) {
    ABaseProjectSTreeItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar << kItemVersion;
        WriteFolderState(ar, m_hActions);
    } else {
        DWORD version = 0;
        ar >> version;
        ReadFolderState(ar, m_hActions);
    }
    StepProgress(1);
}

ASRTreeItem::ASRTreeItem(ABaseStructureDoc* pDoc, ABaseProjectTreeCtrl* pTree) {
    ABaseProjectSTreeItem::Initialize(pDoc, pTree);
}

void ASRTreeItem::Initialize() {
    if (!m_pTree) return;
    m_pTree->UpdateProject();
    InsertStructureEntry(new ATIRStructure(m_pTree, m_pDoc));
    m_hLoadCases = InsertEntry("Load cases", 2, m_hTop, TVI_LAST, new ATIRLoadCases(m_pTree, m_pDoc));
    UpdateLoadCases();
    m_hManager = InsertEntry("Envelope Manager", 4, m_hTop, TVI_LAST, new ATIWinREnvelopeManagerItem(m_pTree, m_pDoc));
    m_hEnvelopes = InsertEntry("Envelopes", 5, m_hTop, TVI_LAST, new ATIREnvelopes(m_pTree, m_pDoc));
    UpdateEnvelopes();
    m_pTree->ExpandItem(m_hTop, TRUE);
}

void ASRTreeItem::UpdateLoadCases() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hLoadCases) return;
    omLoadManager* manager = doc->GetModel()->getLoadManager();
    refreshList(
        m_cases, *m_pTree, m_hLoadCases, manager->caseSize(), 3,
        [manager](int i) {
            const omLoadCase* c = manager->getCase(i);
            return CString::Formatted("%02i: %s", i, c ? c->name().c_str() : "");
        },
        [this](int i) { return new ATIWinRLoadCaseItem(m_pTree, m_pDoc, static_cast<unsigned>(i)); }, *this);
}

void ASRTreeItem::UpdateEnvelopes() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!m_pTree || !doc || !m_hEnvelopes) return;
    omLoadManager* manager = doc->GetModel()->getLoadManager();
    refreshList(
        m_envelopes, *m_pTree, m_hEnvelopes, manager->envelopeSize(), 6,
        [manager](int i) {
            const omEnvelope* e = manager->getEnvelope(static_cast<unsigned>(i));
            return CString::Formatted("%02i: %s", i, e ? e->name().c_str() : "");
        },
        [this](int i) { return new ATIWinREnvelopeItem(m_pTree, m_pDoc, static_cast<unsigned>(i)); }, *this);
}

ABaseProjectTI* ASRTreeItem::GetLoadCaseItem(int number) const {
    return objectIn(m_cases, m_pTree, number);
}

ABaseProjectTI* ASRTreeItem::GetEnvelopeItem(int number) const {
    return objectIn(m_envelopes, m_pTree, number);
}

ABaseProjectTI* ASRTreeItem::GetEnvelopeManagerItem() const {
    return ObjectOf(m_hManager);
}

void ASRTreeItem::Serialize(CArchive& ar) {
    ABaseProjectSTreeItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar << kItemVersion;
        WriteFolderState(ar, m_hLoadCases);
        WriteFolderState(ar, m_hEnvelopes);
    } else {
        DWORD version = 0;
        ar >> version;
        ReadFolderState(ar, m_hLoadCases);
        ReadFolderState(ar, m_hEnvelopes);
    }
    StepProgress(2);
}
