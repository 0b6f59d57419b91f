#include "app/shell/AProjectTreeItems.h"

#include "app/design/omConcrete.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "resources/ui/StrakonResourceIds.h"

IMPLEMENT_DYNCREATE(ATIWin, ABaseProjectTIWin)
IMPLEMENT_DYNCREATE(ATIProject, ABaseProjectTIProject)
IMPLEMENT_DYNCREATE(ATIStructure, ABaseProjectTIStructure)
IMPLEMENT_DYNCREATE(ATIFolder, ABaseProjectTIFolder)
IMPLEMENT_DYNCREATE(ATIGProject, ATIProject)
IMPLEMENT_DYNCREATE(ATILProject, ATIProject)
IMPLEMENT_DYNCREATE(ATIRProject, ATIProject)
IMPLEMENT_DYNCREATE(ATIDProject, ATIProject)

ATI::ATI(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, unsigned number)
    : ABaseProjectTI(pTree, pDoc, false, false, false, false), m_nNumber(number) {}

ATIWin::ATIWin(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc, unsigned index)
    : ABaseProjectTIWin(pTree, pDoc, false, false, false, false), m_nIndex(index) {}

AStructureDocument* ATIWin::GetDocument() const {
    return dynamic_cast<AStructureDocument*>(m_pStructureDoc);
}

AStrakonDocument* ATIWin::GetStrakonDocument() const {
    return dynamic_cast<AStrakonDocument*>(m_pStructureDoc);
}

void ATIWin::DefaultAction() {
    if (IsWindowOpened()) {
        ShowFirstWindow();
        return;
    }
    Open(TRUE);
}

CFrameWnd* ATIWin::Open(BOOL) {
    return nullptr;
}

ATIProject::ATIProject(ABaseProjectTreeCtrl* pTree) : ABaseProjectTIProject(pTree, false, false, false, false) {}

UINT ATIProject::GetContextMenuId() const {
    return IDR_PROJECT_ITEM_MENU;
}

ATIStructure::ATIStructure(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc)
    : ABaseProjectTIStructure(pTree, pDoc, false, false, false, false) {}

ATIFolder::ATIFolder(ABaseProjectTreeCtrl* pTree, ABaseStructureDoc* pDoc)
    : ABaseProjectTIFolder(pTree, pDoc, false, false, false, false) {}

// --- window entries ----------------------------------------------------------------------------

CFrameWnd* ATIWinGGeometryItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenGeometryWindow(this, bMakeVisible) : nullptr;
}

CFrameWnd* ATIWinLActionItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenLoadsWindow(this, bMakeVisible) : nullptr;
}

std::string ATIWinLActionItem::GetDescription() {
    AStrakonDocument* doc = GetStrakonDocument();
    const omLoadGroup* group =
        doc && doc->GetModel() ? doc->GetModel()->getLoadManager()->getGroup(static_cast<int>(m_nIndex)) : nullptr;
    return "Action (" + (group ? group->name() : std::string()) + ")";
}

CFrameWnd* ATIWinLActionsLoadCasesManagerItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenLoadCombinationsWindow(this, bMakeVisible) : nullptr;
}

CFrameWnd* ATIWinRLoadCaseItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenLoadCaseResultsWindow(this, bMakeVisible) : nullptr;
}

std::string ATIWinRLoadCaseItem::GetDescription() {
    AStrakonDocument* doc = GetStrakonDocument();
    omLoadManager* manager = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
    // Another case that happens to be active must not lend its name to this window.
    if (!manager || !manager->setActiveCase(static_cast<int>(m_nIndex)) || !manager->getActiveCase())
        return "Results ()";
    return "Results (" + manager->getActiveCase()->name() + ")";
}

CFrameWnd* ATIWinREnvelopeItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenEnvelopeResultsWindow(this, bMakeVisible) : nullptr;
}

CFrameWnd* ATIWinREnvelopeManagerItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenEnvelopeWindow(this, bMakeVisible) : nullptr;
}

CFrameWnd* ATIWinDResumeItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenResumeWindow(this, bMakeVisible) : nullptr;
}

CFrameWnd* ATIWinDElementItem::Open(BOOL bMakeVisible) {
    AStructureDocument* doc = GetDocument();
    return doc ? doc->OpenDesignWindow(this, bMakeVisible) : nullptr;
}

std::string ATIWinDElementItem::GetDescription() {
    AStrakonDocument* doc = GetStrakonDocument();
    const omDesignElement* element =
        doc && doc->GetModel() ? doc->GetModel()->getElementMap()->find(m_nIndex) : nullptr;
    const omMaterial* material = element ? element->getMaterial() : nullptr;
    std::string text;
    if (dynamic_cast<const omConcrete*>(material))
        text = "Reinforced Concrete Design of ";
    else if (dynamic_cast<const omSteel*>(material))
        text = "Steel Design of ";
    return text + "Element [" + std::to_string(m_nIndex) + "]";
}
