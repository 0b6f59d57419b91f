#include "app/views/ALoadCombinationsView.h"

#include "app/dialogs/ASkewStructureDlg.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ALoadCombinationsGridCtrl.h"
#include "app/views/AStrakon.h"
#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/GridDefs.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CImageList.h"
#include "resources/ui/StrakonLoadIds.h"

#include <QPainter>
#include <QPixmap>

#include <charconv>
#include <cmath>

namespace {

constexpr LPARAM kHintLoadCases = 4000;
constexpr COLORREF kSkewBackground = 0xC0C0C0; // red, green and blue 192

const char* const kLimitStateNames[] = {"Ultimate",        "Serviceability", "Creeping",    "Skewness",
                                        "Ult. Accidental", "Ultimate P&T",   "Ult. Seismic"};

constexpr UINT kHeadingFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP;
constexpr UINT kNameFormat = DT_LEFT | DT_SINGLELINE | DT_VCENTER;
constexpr UINT kNumberFormat = DT_CENTER | DT_SINGLELINE | DT_VCENTER;

// The limit-state pictures, one per code, lent to the grid.
class LimitStateImages : public CGridImageList {
public:
    LimitStateImages() { m_images.Create(IDB_LIMIT_STATES, 16, 0, 0xFFFFFF); }
    CSize GetImageSize() const override { return CSize(16, 16); }
    void Draw(CDC* pDC, int nImage, CPoint topLeft) override {
        const QPixmap pixmap = m_images.GetPixmap(nImage);
        if (QPainter* painter = pDC ? pDC->GetPainter() : nullptr; painter && !pixmap.isNull())
            painter->drawPixmap(topLeft.x, topLeft.y, pixmap);
    }

private:
    CImageList m_images;
};

omLoadManager* managerOf(AStrakonDocument* doc) {
    return doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
}

} // namespace

const char* const ALoadCombinationsView::kLimitStateOptions[7] = {
    "Ultimate", "Ultimate P&T", "Ult. Seismic", "Ult. Accidental", "Serviceability", "Skewness", "Creeping"};

IMPLEMENT_DYNCREATE(ALoadCombinationsView, CView)

BEGIN_MESSAGE_MAP(ALoadCombinationsView, CView)
ON_COMMAND(ID_EDIT_COPY, &ALoadCombinationsView::OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &ALoadCombinationsView::OnUpdateFocusCell)
ON_COMMAND(ID_EDIT_CUT, &ALoadCombinationsView::OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &ALoadCombinationsView::OnUpdateFocusCell)
ON_COMMAND(ID_EDIT_PASTE, &ALoadCombinationsView::OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &ALoadCombinationsView::OnUpdateFocusCell)
ON_COMMAND(ID_ADD_LOAD_CASE, &ALoadCombinationsView::OnAddLoadCase)
ON_UPDATE_COMMAND_UI(ID_ADD_LOAD_CASE, &ALoadCombinationsView::OnUpdateNotEditing)
ON_COMMAND(ID_REMOVE_LOAD_CASE, &ALoadCombinationsView::OnRemoveLoadCase)
ON_UPDATE_COMMAND_UI(ID_REMOVE_LOAD_CASE, &ALoadCombinationsView::OnUpdateRemoveLoadCase)
ON_COMMAND(ID_ADD_ACTION, &ALoadCombinationsView::OnAddAction)
ON_UPDATE_COMMAND_UI(ID_ADD_ACTION, &ALoadCombinationsView::OnUpdateNotEditing)
ON_COMMAND(ID_REMOVE_ACTION, &ALoadCombinationsView::OnRemoveAction)
ON_UPDATE_COMMAND_UI(ID_REMOVE_ACTION, &ALoadCombinationsView::OnUpdateRemoveAction)
ON_COMMAND(ID_LOAD_CASE_PROPERTIES, &ALoadCombinationsView::OnLoadCaseProperties)
ON_UPDATE_COMMAND_UI(ID_LOAD_CASE_PROPERTIES, &ALoadCombinationsView::OnUpdateFocusCell)
ON_NOTIFY(NM_CLICK, IDC_LOADCOMBINATIONS_GRID, &ALoadCombinationsView::OnGridClick)
END_MESSAGE_MAP()

ALoadCombinationsView::ALoadCombinationsView() = default;

ALoadCombinationsView::~ALoadCombinationsView() {
    // The grid window goes before the view's own.
    if (m_pGrid && m_pGrid->IsWindow()) m_pGrid->DestroyWindow();
}

AStrakonDocument* ALoadCombinationsView::GetDocument() const {
    return dynamic_cast<AStrakonDocument*>(CView::GetDocument());
}

const char* ALoadCombinationsView::LimitStateName(int code) {
    return code >= 0 && code < 7 ? kLimitStateNames[code] : "";
}

CString ALoadCombinationsView::FactorText(double value) {
    if (value == 0.0) return CString();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    std::string text(buffer, result.ptr);
    if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
    return text;
}

CString ALoadCombinationsView::SkewText(double first, double second) {
    auto ratio = [](const char* axis, double value) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
        std::string number(buffer, result.ptr);
        if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
        return std::string(axis) + ":1/" + number;
    };
    std::string text;
    if (first != 0.0) text = ratio("Z", first);
    if (second != 0.0) text += (text.empty() ? "" : ", ") + ratio("X", second);
    return text;
}

void ALoadCombinationsView::OnInitialUpdate() {
    if (!m_pGrid) {
        CRect rect;
        GetClientRect(&rect);
        m_pGrid = std::make_unique<ALoadCombinationsGridCtrl>();
        m_pGrid->SetDocument(GetDocument());
        m_pGrid->Create(rect, this, IDC_LOADCOMBINATIONS_GRID,
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER);
        m_pGrid->SetGridLines(GVL_BOTH);
        m_pImages = std::make_unique<LimitStateImages>();
        m_pGrid->SetImageList(m_pImages.get());
        m_pGrid->SetEditable(true);
    }
    CView::OnInitialUpdate();
    Fill();
}

void ALoadCombinationsView::OnUpdate(CView*, LPARAM lHint, CObject*) {
    if (lHint == kHintLoadCases) Fill();
}

void ALoadCombinationsView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_pGrid && m_pGrid->IsWindow()) m_pGrid->MoveWindow(0, 0, cx, cy);
}

void ALoadCombinationsView::Fill() {
    omLoadManager* manager = managerOf(GetDocument());
    if (!m_pGrid || !manager) return;
    ALoadCombinationsGridCtrl& grid = *m_pGrid;
    const int actions = manager->groupSize();
    const int cases = manager->caseSize();
    grid.SetRowCount(cases + 1);
    grid.SetColumnCount(actions + 3);

    for (int k = 1; k <= actions; ++k) {
        grid.SetItemText(0, k + 2, manager->getGroup(k)->name().c_str());
        grid.SetItemFormat(0, k + 2, kHeadingFormat);
        grid.SetItemState(0, k + 2, 0);
    }
    grid.SetItemText(0, 1, "Limite state");
    grid.SetItemText(0, 2, "Fi creep/Skew");
    for (int col : {0, 1, 2}) {
        grid.SetItemFormat(0, col, kHeadingFormat);
        grid.SetItemState(0, col, GVIS_READONLY);
    }

    const std::vector<CString> options(std::begin(kLimitStateOptions), std::end(kLimitStateOptions));
    for (int r = 1; r <= cases; ++r) {
        manager->setActiveCase(r);
        const omLoadCase* lc = manager->getCase(r);
        const int state = static_cast<int>(lc->limitState());
        const bool skew = lc->limitState() == omLoadCase::lsSkew;
        grid.SetItemText(r, 0, lc->name().c_str());
        grid.SetItemImage(r, 0, state);
        grid.SetItemFormat(r, 0, kNameFormat);
        grid.SetItemState(r, 0, 0);

        grid.SetCellType(r, 1, RUNTIME_CLASS(CGridCellCombo));
        if (auto* combo = dynamic_cast<CGridCellCombo*>(grid.GetCell(r, 1))) {
            combo->SetOptions(options);
            combo->SetStyle(CGridCellCombo::kDropDownList);
        }
        grid.SetItemText(r, 1, LimitStateName(state));
        grid.SetItemFormat(r, 1, kNameFormat);
        grid.SetItemState(r, 1, 0);

        if (skew) {
            double first = 0.0, second = 0.0;
            omUnitValue x, z;
            lc->getSkew(first, second, x, z);
            grid.SetItemText(r, 2, SkewText(first, second).c_str());
            grid.SetItemBkColour(r, 2, kSkewBackground);
            grid.SetItemState(r, 2, GVIS_READONLY);
        } else {
            grid.SetItemText(r, 2, FactorText(lc->getFiCreep()).c_str());
            grid.SetItemBkColour(r, 2, m_background);
            grid.SetItemState(r, 2, 0);
        }
        grid.SetItemFormat(r, 2, kNumberFormat);

        for (int k = 1; k <= actions; ++k) {
            const omLoadGroup* group = manager->getGroup(k);
            grid.SetItemText(r, k + 2, group->isActive() ? FactorText(group->factor()).c_str() : "");
            grid.SetItemFormat(r, k + 2, kNumberFormat);
            grid.SetItemBkColour(r, k + 2, m_background);
            grid.SetItemState(r, k + 2, skew ? GVIS_READONLY : 0);
        }
    }
    grid.SetItemState(0, 0, GVIS_READONLY);
    grid.AutoSize();
    grid.Refresh();
    grid.SetModified(false);
}

// --- commands ----------------------------------------------------------------------------------------

void ALoadCombinationsView::OnAddLoadCase() {
    if (AStrakonDocument* doc = GetDocument()) doc->AddLoadCase();
}

void ALoadCombinationsView::OnRemoveLoadCase() {
    AStrakonDocument* doc = GetDocument();
    if (!doc || !m_pGrid) return;
    const CCellID cell = m_pGrid->GetFocusCell();
    if (cell.row >= 1) doc->DeleteLoadCase(cell.row);
}

void ALoadCombinationsView::OnAddAction() {
    if (AStrakonDocument* doc = GetDocument()) doc->AddLoadGroup();
}

void ALoadCombinationsView::OnRemoveAction() {
    AStrakonDocument* doc = GetDocument();
    if (!doc || !m_pGrid) return;
    const CCellID cell = m_pGrid->GetFocusCell();
    if (cell.col >= 3) doc->DeleteLoadGroup(cell.col - 2);
}

void ALoadCombinationsView::OnEditCopy() {
    if (m_pGrid) m_pGrid->OnEditCopy();
}

void ALoadCombinationsView::OnEditCut() {
    if (m_pGrid) m_pGrid->OnEditCut();
}

void ALoadCombinationsView::OnEditPaste() {
    if (m_pGrid) m_pGrid->OnEditPaste();
}

void ALoadCombinationsView::OnGridClick(NMHDR* pNotifyStruct, LRESULT* pResult) {
    if (pResult) *pResult = 0;
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNotifyStruct);
    AStrakonDocument* doc = GetDocument();
    omLoadManager* manager = managerOf(doc);
    if (!item || !m_pGrid || !manager || item->iColumn != 2 || item->iRow < 1 ||
        item->iRow > manager->caseSize())
        return;
    if (m_pGrid->GetItemText(item->iRow, 1) != "Skewness") return;
    const omLoadCase* lc = manager->getCase(item->iRow);
    ASkewStructureDlg dlg(this);
    lc->getSkew(dlg.m_vertical, dlg.m_horizontal, dlg.m_xCenter, dlg.m_zCenter);
    if (dlg.DoModal() != IDOK) return;
    doc->SetSkew(item->iRow, dlg.m_vertical, dlg.m_horizontal, dlg.m_xCenter, dlg.m_zCenter);
}

// --- update handlers ---------------------------------------------------------------------------------

void ALoadCombinationsView::OnUpdateFocusCell(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pGrid && m_pGrid->GetFocusCell().IsValid());
}

void ALoadCombinationsView::OnUpdateNotEditing(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pGrid && !m_pGrid->IsEditing());
}

void ALoadCombinationsView::OnUpdateRemoveLoadCase(CCmdUI* pCmdUI) {
    const bool enable = m_pGrid && !m_pGrid->IsEditing() && m_pGrid->GetFocusCell().IsValid() &&
                        m_pGrid->GetFocusCell().row >= 1 && m_pGrid->GetRowCount() > 2;
    pCmdUI->Enable(enable);
}

void ALoadCombinationsView::OnUpdateRemoveAction(CCmdUI* pCmdUI) {
    const bool enable = m_pGrid && !m_pGrid->IsEditing() && m_pGrid->GetFocusCell().IsValid() &&
                        m_pGrid->GetFocusCell().col >= 3 && m_pGrid->GetColumnCount() > 4;
    pCmdUI->Enable(enable);
}
