#pragma once
// The stirrups of a reinforced-concrete member as a table (legs, diameter,
// spacing and the stretch they cover), with a chart of the stirrup area per
// metre that follows every edit, and the statement that the member has no
// shear reinforcement at all.
#include "app/design/AChartFrame.h"
#include "app/dialogs/AEditListCtrl.h"
#include "controls/AEnhMetaFilePicture.h"
#include "framework/ABaseDialog.h"
#include "model/omStringMatrix.h"

class omStirrupVec;
class PlotterBarArea;

class AStirrupDialog : public ABaseDialog {
public:
    enum { IDD = 263 };

    explicit AStirrupDialog(CWnd* pParent = nullptr);
    ~AStirrupDialog() override;

    void SetStirrups(const omStirrupVec& stirrups);
    void GetStirrups(omStirrupVec& stirrups) const;
    const omStringMatrix& GetTable() const { return m_table; }

    BOOL OnInitDialog() override;
    // One bar per row of a table: its area per metre over its stretch, or a
    // marker at the middle when the row is not complete.
    static void FillPlotter(const omStringMatrix& table, PlotterBarArea& plotter);
    void DrawChart(CDC* pDC, const CSize& size);

    // Set by the caller before and read after the dialog.
    bool m_bNoStirrups = false;
    AEditListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnOK() override;
    void OnNewBar();
    void OnDelete();
    void OnNoStirrups();
    DECLARE_MESSAGE_MAP()

private:
    void EnableControls();

    omStringMatrix m_table;
    AEnhMetaFilePicture m_picture;
    AChartFrame m_chart;
};
