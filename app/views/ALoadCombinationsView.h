#pragma once
// The load-combinations window's view: the load cases of a structure as one
// table of factors (rows the cases, columns the actions) with each case's name,
// limit state and creep coefficient or skewness. The table is rebuilt from the
// model on every load-case hint; edits go through the document as commands.
#include "platform/core/COLORREF.h"
#include "platform/ui/CView.h"

#include <memory>

class AStrakonDocument;
class ALoadCombinationsGridCtrl;
class CCmdUI;
class CGridImageList;
struct NMHDR;

class ALoadCombinationsView : public CView {
    DECLARE_DYNCREATE(ALoadCombinationsView)
public:
    ALoadCombinationsView();
    ~ALoadCombinationsView() override;

    AStrakonDocument* GetDocument() const;
    // Null before the first initial update.
    ALoadCombinationsGridCtrl* GetGrid() const { return m_pGrid.get(); }

    // The names of the limit-state codes 0 to 6, and the drop-down list's order.
    static const char* LimitStateName(int code);
    static const char* const kLimitStateOptions[7];
    // "Z:1/200, X:1/300"; empty when both ratios are zero.
    static CString SkewText(double first, double second);
    // A factor or creep coefficient as "%5.3f" in any locale; empty for zero.
    static CString FactorText(double value);

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnDraw(CDC*) override {}
    void OnSize(UINT nType, int cx, int cy) override;

    // The commands (public for the toolbar and for tests).
    void OnAddLoadCase();
    void OnRemoveLoadCase();
    void OnAddAction();
    void OnRemoveAction();
    void OnLoadCaseProperties() {}
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnGridClick(NMHDR* pNotifyStruct, LRESULT* pResult);

protected:
    void OnUpdateFocusCell(CCmdUI* pCmdUI);
    void OnUpdateNotEditing(CCmdUI* pCmdUI);
    void OnUpdateRemoveLoadCase(CCmdUI* pCmdUI);
    void OnUpdateRemoveAction(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // Rebuilds the table from the document's load manager.
    void Fill();

    std::unique_ptr<ALoadCombinationsGridCtrl> m_pGrid;
    std::unique_ptr<CGridImageList> m_pImages;
    COLORREF m_background = 0xFFFFFF;
};
