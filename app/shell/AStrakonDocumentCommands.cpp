// The structure document's own commands: extents, node symbols, numbers,
// report and program settings, and the design of every member.
#include "app/shell/AStrakonDocument.h"

#include "app/dialogs/AContentsSetupSheet.h"
#include "app/dialogs/AExtents2DDlg.h"
#include "app/dialogs/AOptionsSheet.h"
#include "app/dialogs/AOutputPages.h"
#include "app/report/AOutputAttributes.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omStrakon.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonResourceIds.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

BEGIN_MESSAGE_MAP(AStrakonDocument, AStructureDocument)
ON_COMMAND(ID_SOLVE, &AStrakonDocument::OnSolve)
ON_COMMAND(ID_STRUCTURE_EXTENT, &AStrakonDocument::OnSetExtents)
ON_COMMAND(ID_NODE_SMALLER, &AStrakonDocument::OnShrinkNode)
ON_COMMAND(ID_NODE_LARGER, &AStrakonDocument::OnExpandNode)
ON_COMMAND(ID_SHOW_ELEMENT_INDEX, &AStrakonDocument::OnElementIndex)
ON_UPDATE_COMMAND_UI(ID_SHOW_ELEMENT_INDEX, &AStrakonDocument::OnUpdateElementIndex)
ON_COMMAND(ID_SHOW_NODE_INDEX, &AStrakonDocument::OnNodeIndex)
ON_UPDATE_COMMAND_UI(ID_SHOW_NODE_INDEX, &AStrakonDocument::OnUpdateNodeIndex)
ON_COMMAND(ID_OUTPUT_SETTINGS, &AStrakonDocument::OnOutputSettings)
ON_COMMAND(ID_OPTIONS, &AStrakonDocument::OnOptions)
ON_COMMAND(ID_VOLUME_AND_WEIGHT, &AStrakonDocument::OnVolumesWeights)
END_MESSAGE_MAP()

namespace {

// The views recompute their extents.
constexpr LPARAM kHintExtents = 3;
constexpr LPARAM kHintOptions = 11;
// The base length unit.
constexpr int kLength = 2;

void ShowMessage(const char* text, const char* caption) {
    CMessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.type = MB_OK | MB_ICONEXCLAMATION;
    CPromptService::Instance().MessageBox(request);
}

} // namespace

// --- extents -------------------------------------------------------------------------------------------

void AStrakonDocument::OnSetExtents() {
    AExtents2DDlg dialog;
    dialog.m_left = m_extents.left;
    dialog.m_right = m_extents.right;
    dialog.m_top = m_extents.top;
    dialog.m_bottom = m_extents.bottom;
    if (dialog.DoModal() != IDOK) {
        UpdateAllViews(nullptr, kHintExtents, nullptr);
        return;
    }
    ApplyExtents(dialog.m_left, dialog.m_right, dialog.m_top, dialog.m_bottom);
}

bool AStrakonDocument::ApplyExtents(omUnitValue left, omUnitValue right, omUnitValue top,
                                    omUnitValue bottom) {
    if (top > bottom) {
        ShowMessage(
            "The top extent you have specified is larger than the bottom extent!\n\nThe top extent must be "
            "smaller than the bottom extent, due to world coordinate system, whose Z axis points "
            "downwards. \nThe bottom and top extents were swaped. You might check the extent settings "
            "again.",
            "Warning");
        std::swap(top, bottom);
    }
    // The structure stays inside; without nodes there is nothing to hold.
    const omRect& nodes = m_extents.m_nodeRect;
    if (!nodes.isRectNull()) {
        left.Set(std::min(left.Get(kLength), nodes.left), kLength);
        right.Set(std::max(right.Get(kLength), nodes.right), kLength);
        top.Set(std::min(top.Get(kLength), nodes.top), kLength);
        bottom.Set(std::max(bottom.Get(kLength), nodes.bottom), kLength);
    }
    if (!(right > left) || top == bottom) {
        ShowMessage("The specified extents are invalid. Previous settings will be kept.", "Error");
        return false;
    }
    const bool changed = left != m_extents.left || right != m_extents.right || top != m_extents.top ||
                         bottom != m_extents.bottom;
    m_extents.left = left;
    m_extents.right = right;
    m_extents.top = top;
    m_extents.bottom = bottom;
    // The extents are saved with the structure: a change must not be lost unasked.
    if (changed) SetModifiedFlag(TRUE);
    UpdateAllViews(nullptr, kHintExtents, nullptr);
    return changed;
}

// --- node symbols and numbers --------------------------------------------------------------------------

void AStrakonDocument::OnShrinkNode() {
    ADrawAttributes::Instance()->DecreaseNodeSize();
    UpdateAllViews(nullptr, 0, nullptr);
}

void AStrakonDocument::OnExpandNode() {
    ADrawAttributes::Instance()->IncreaseNodeSize();
    UpdateAllViews(nullptr, 0, nullptr);
}

void AStrakonDocument::OnElementIndex() {
    ADrawAttributes* attributes = ADrawAttributes::Instance();
    attributes->m_showElementIndex = !attributes->m_showElementIndex;
    UpdateAllViews(nullptr, 0, nullptr);
}

void AStrakonDocument::OnUpdateElementIndex(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(ADrawAttributes::Instance()->m_showElementIndex ? 1 : 0);
}

void AStrakonDocument::OnNodeIndex() {
    ADrawAttributes* attributes = ADrawAttributes::Instance();
    attributes->m_showNodeIndex = !attributes->m_showNodeIndex;
    UpdateAllViews(nullptr, 0, nullptr);
}

void AStrakonDocument::OnUpdateNodeIndex(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(ADrawAttributes::Instance()->m_showNodeIndex ? 1 : 0);
}

// --- report and program settings -----------------------------------------------------------------------

void AStrakonDocument::OnOutputSettings() {
    m_docAttributes.file = GetPathName();
    const omLoadManager* loads = m_pModel ? m_pModel->getLoadManager() : nullptr;
    // The lists follow the model as the report does, before they are copied: a
    // load group or case that is new since the last report is no change of the user's.
    if (loads) {
        GetOutputAttributes().UpdateActionLists(*loads);
        GetOutputAttributes().UpdateResultLists(*loads);
    }
    AContentsSetupSheet sheet("Setup Output Content ...", nullptr, 0);
    sheet.m_output = *AOutputAttributes::Instance();
    sheet.m_structure = GetOutputAttributes();
    sheet.m_description = m_docAttributes;
    sheet.m_pLoadManager = loads;
    AOutputGeneralPP general;
    AOutputGeometryLoadPP geometryLoad;
    AOutputResultsPP results;
    AOutputDescriptionPP description;
    AOutputFrontPagePP frontPage;
    AOutputHeadFootPP headFoot;
    AOutputMarginsPP margins;
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{
             &general, &geometryLoad, &results, &description, &frontPage, &headFoot, &margins})
        sheet.AddPage(page);
    general.SetAttributes(sheet.m_output);
    margins.SetAttributes(sheet.m_output);
    headFoot.SetAttributes(sheet.m_output);
    frontPage.SetAttributes(sheet.m_output, sheet.m_description);
    geometryLoad.SetAttributes(sheet.m_output, sheet.m_structure, loads);
    results.SetAttributes(sheet.m_output, sheet.m_structure, loads);
    description.SetAttributes(sheet.m_structure);
    if (sheet.DoModal() != IDOK) return;
    general.ApplyAttributes();
    margins.ApplyAttributes();
    headFoot.ApplyAttributes();
    frontPage.ApplyAttributes();
    geometryLoad.ApplyAttributes();
    results.ApplyAttributes();
    description.ApplyAttributes();
    *AOutputAttributes::Instance() = sheet.m_output;
    AOutputAttributes::Instance()->Save();
    // The description and the report lists are saved with the structure.
    const bool changed = !AContentsSetupSheet::SameDescription(sheet.m_description, m_docAttributes) ||
                         !AContentsSetupSheet::SameLists(sheet.m_structure, GetOutputAttributes());
    m_docAttributes = sheet.m_description;
    GetOutputAttributes() = sheet.m_structure;
    if (changed) SetModifiedFlag(TRUE);
}

void AStrakonDocument::OnOptions() {
    if (!AOptionsSheet::RunOptions()) return;
    UpdateAllViews(nullptr, kHintOptions, nullptr);
    UpdateAllViews(nullptr, 0, nullptr);
}

// --- design ----------------------------------------------------------------------------------------------

void AStrakonDocument::DesignAll() {
    omElementMap* members = m_pModel ? m_pModel->getElementMap() : nullptr;
    std::vector<unsigned> numbers;
    if (members)
        for (members->start_ii(); !members->stop_ii(); members->increment_ii())
            numbers.push_back(members->object_ii()->getIndex());
    {
        AProgressScope progress("Designing ...", static_cast<int>(numbers.size()) + 1);
        CStrakonApp* app = CStrakonApp::GetApp();
        for (const unsigned number : numbers) {
            DesignElement(number);
            if (app) app->StepProgress(1);
        }
    }
    UpdateAllViews(nullptr, 0, nullptr);
}
