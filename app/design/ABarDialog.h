#pragma once
// One bar band of a reinforced-concrete member (the bottom or the top
// longitudinal reinforcement): up to three rows of bars, each on its own tab,
// and the concrete cover, with a chart of the current row's bars that follows
// every edit.
#include "app/design/AChartFrame.h"
#include "app/dialogs/AEditListCtrl.h"
#include "common/omUnitValue.h"
#include "controls/AEnhMetaFilePicture.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"
#include "model/omStringMatrix.h"
#include "platform/ui/CListCtrl.h"

class omBarBand;
class PlotterBarVec;

class ABarDialog : public ABaseDialog {
public:
    enum { IDD = 262 };
    static constexpr int maxRows = 3;

    // rows: how many rows of bars are offered, 1 to 3.
    ABarDialog(bool bBottom, int rows, CWnd* pParent = nullptr);
    ~ABarDialog() override;

    // The band's rows and cover into the dialog, and back after OK.
    void GetData(const omBarBand& band);
    void SetData(omBarBand& band) const;
    const omStringMatrix& GetTable(int row) const { return m_tables[row]; }
    int GetCurrentTab() const { return m_nCurrent; }

    BOOL OnInitDialog() override;
    static void FillPlotter(const omStringMatrix& table, PlotterBarVec& plotter);
    void DrawChart(CDC* pDC, const CSize& size);

    omUnitValue m_cover{0.0, omUK_cm};
    AEditListCtrl m_list;
    CTabCtrl m_tabs;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnNewBar();
    void OnDelete();
    void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

private:
    void SaveCurrent();

    bool m_bBottom;
    int m_nRows;
    int m_nCurrent = 0;
    omStringMatrix m_tables[maxRows];
    AUnitGroupManager m_units;
    AEnhMetaFilePicture m_picture;
    AChartFrame m_chart;
};
