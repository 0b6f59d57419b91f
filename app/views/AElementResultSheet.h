#pragma once
// The element result sheet, "Element Properties": one page with a grid of a
// member's internal forces and displacements at its result points for the
// document's active load case, a button that copies the grid and the number
// of significant digits, which all pages share while the program runs.
#include "app/views/AElementResultDocument.h"
#include "common/omNumberFormat.h"
#include "controls/grid/CGridCtrl.h"
#include "framework/APPropertyFrame.h"
#include "platform/ui/CDialogControls.h"

class ADesignElementResultPage;
class omDesignElement;
class omStrakon;

class ADesignElementResultPage : public APPropertyPage {
    DECLARE_DYNCREATE(ADesignElementResultPage)
public:
    ADesignElementResultPage();
    ~ADesignElementResultPage() override;

    DWORD GetDialogID() override { return 199; }

    // The member is looked up by its id at every fill: an edit, an Undo or a
    // deletion may replace or free it while the page is shown.
    void SetElement(omStrakon* structure, unsigned elementId);
    // Shows load case lc (1-based): new values, the tab renamed, the page repainted.
    void SetLoadCase(int lc);
    int GetLoadCase() const { return m_nLoadCase; }
    // The name of the case shown; empty for a case the structure does not have.
    CString GetLoadCaseName() const;
    CGridCtrl& GetGrid() { return m_grid; }
    const omNumberFormat& GetNumberFormat() const { return m_format; }

    // The number of significant digits of every page (3 to 8).
    static int s_nDigits;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCopyAll();
    void OnDigitsChange();
    DECLARE_MESSAGE_MAP()

private:
    // The member shown; null when it left the structure.
    const omDesignElement* FindElement() const;
    bool IsLoadCase() const;
    // Headers: the row labels; values: the results (emptied when the member has no valid results).
    void FillGrid(bool headers, bool values);

    CGridCtrl m_grid;
    CSpinButtonCtrl m_spin;
    omNumberFormat m_format{5, omNumberFormat::smart, true, false, 1e-12};
    omStrakon* m_pStructure = nullptr;
    unsigned m_nElementId = 0;
    int m_nLoadCase = 0;
    bool m_bInitialized = false;
};

class ADesignElementResultProperty : public APPropertySheet {
    DECLARE_DYNCREATE(ADesignElementResultProperty)
public:
    ADesignElementResultProperty();
    ~ADesignElementResultProperty() override;

    // The page shows results only: nothing to write back.
    void ExchangeData(BOOL) override {}
    // The picked results mark, the document's structure and active case; the page registers with the document.
    void ReadExternalData() override;
    void BeforeHide() override;
    // The tab shows the name of the case shown.
    void AfterCreate() override;

    ADesignElementResultPage& GetResultPage() { return m_page; }

private:
    AElementResultDocument* Document() const;

    ADesignElementResultPage m_page;
};
