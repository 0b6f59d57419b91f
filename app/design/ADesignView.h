#pragma once
// The common base of the design views of one member: the window is split into
// four panels (the description and the list panel on the left, the
// reinforcement panel and the chart area on the right) that the derived views
// draw into; the base owns the choice of the member's design load cases (one
// list per limit state behind a tab), the two check switches, the design,
// safety-factor and support-width commands, and printing of the document's
// report.
//
// The lists and check boxes only mirror the member's design data: every user
// action on them goes through an undoable document command, and the command's
// hint 6000 + member number fills them again. Filling never submits anything;
// the window's opener creates missing design data once (CreateMissingDesignData).
#include "app/views/ACommandManager.h"
#include "platform/core/CRect.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CView.h"
#include "platform/ui/SECTabWnd.h"

#include <vector>

class ADesignElement;
class AStrakonDocument;
class CCmdUI;
class omGenericDesignData;

class ADesignView : public CView, public ACommandView {
    DECLARE_DYNCREATE(ADesignView)
public:
    // The children.
    enum {
        IDC_DESIGN_TABS = 101,
        IDC_ULTIMATE_LIST = 102,
        IDC_SERVICEABILITY_LIST = 103,
        IDC_SELECT = 104,
        IDC_CLEAR_ALL = 105,
        IDC_ULTIMATE_CHECK = 106,
        IDC_SERVICEABILITY_CHECK = 107
    };
    // The share of the width taken by the left panels, and of the height by the reinforcement panel.
    static constexpr double kWidthFraction = 0.25;
    static constexpr double kHeightFraction = 0.4;
    static constexpr int kTabHeight = 29;

    ADesignView();
    ~ADesignView() override;

    AStrakonDocument* GetDocument() const;
    unsigned GetElementNumber() const { return m_nElement; }
    void SetElementNumber(unsigned element) { m_nElement = element; }
    bool IsUltimateShown() const { return m_bUltimate; }

    // The shown member, or null (none with the number, or no document).
    ADesignElement* GetDesignElement() const;
    // The member's design data, or null.
    omGenericDesignData* GetDesignData() const;
    // The kind of design data that the member's material and section call for
    // (dtNone without a member), read from the model's maps by the member's ids.
    int GetDesignKind() const;
    static int DesignKindOf(const AStrakonDocument* doc, unsigned element);
    // Whether the model holds valid analysis results.
    bool AreResultsValid() const;

    // Gives the member the design data that fits it when it has none, as one
    // undoable command; false when nothing was made (no member, data already
    // there, or no kind of data fits the member).
    bool CreateMissingDesignData();
    // Both lists and the check boxes from the member's design data. Never
    // changes the model.
    void FillLoadCaseLists();

    // Submits the copy as the member's design data unless it equals what the member holds.
    // True when a command was submitted.
    bool SubmitDesignData(const omGenericDesignData& copy);
    // Whether two design data hold the same (null equals only null).
    static bool SameDesignData(const omGenericDesignData* a, const omGenericDesignData* b);

    // Runs the safety-factor sheet; when a value changed on OK the factors are
    // saved and every open structure with valid results (the given one too,
    // whether a template holds it or not) is designed again. True when the
    // factors changed.
    static bool EditSafetyFactors(AStrakonDocument* pCurrent);

    // The panels of the last layout.
    const CRect& GetDescriptionRect() const { return m_description; }
    const CRect& GetReinforcementRect() const { return m_reinforcement; }
    const CRect& GetListRect() const { return m_listPanel; }
    const CRect& GetChartRect() const { return m_chart; }
    SECTabWnd& GetTabWnd() { return m_tabs; }
    CListBox& GetUltimateList() { return m_ultimateList; }
    CListBox& GetServiceabilityList() { return m_serviceabilityList; }
    CButton& GetSelectButton() { return m_select; }
    CButton& GetClearButton() { return m_clear; }
    CButton& GetUltimateCheck() { return m_ultimateCheck; }
    CButton& GetServiceabilityCheck() { return m_serviceabilityCheck; }

    // --- framework -------------------------------------------------------------------
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void UpdateAfterCommand(AStructureDocument* pDoc) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;

    // --- commands (public for the frame's toolbar and for tests) ---------------------
    void OnDesignAll();
    void OnDesignThisElement();
    void OnSafetyFactors();
    void OnSupportWidths();
    void OnShowServiceability();
    void OnShowUltimate();
    void OnSelect();
    void OnClearAll();
    void OnUltimateListChange();
    void OnServiceabilityListChange();
    void OnUltimateCheck();
    void OnServiceabilityCheck();
    LRESULT OnTabChanged(WPARAM wParam, LPARAM lParam);

protected:
    void OnUpdateResultsValid(CCmdUI* pCmdUI);
    void OnUpdateAlways(CCmdUI* pCmdUI);
    void OnUpdateShowServiceability(CCmdUI* pCmdUI);
    void OnUpdateShowUltimate(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // The selection of the shown list to the document.
    void TakeListSelection(bool ultimate);
    // Toggles one check switch of a copy of the data and submits it.
    void ToggleCheck(bool ultimate);
    // Enables the children that need design data.
    void EnableDataChildren(bool enable);
    void Layout(int cx, int cy);

    unsigned m_nElement = 0;
    bool m_bUltimate = true;
    CRect m_client;
    CRect m_description;
    CRect m_reinforcement;
    CRect m_listPanel;
    CRect m_chart;

    SECTabWnd m_tabs;
    CWnd m_ultimatePage;
    CWnd m_serviceabilityPage;
    CListBox m_ultimateList;
    CListBox m_serviceabilityList;
    CButton m_select;
    CButton m_clear;
    CButton m_ultimateCheck;
    CButton m_serviceabilityCheck;
};
