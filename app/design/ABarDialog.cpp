#include "app/design/ABarDialog.h"

#include "app/design/ADesignTableRows.h"
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "model/omBar.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonDesignIds.h"

#include <algorithm>
#include <cmath>

namespace {

using designrows::IntegerOf;
using designrows::NumberOf;
using designrows::Shown;

const char* const kColumnLabels[] = {"\n   n: ", "\n   fi: ", "\n   xs: ", "\n   xe: "};
const char* const kHeadings[] = {"Errors in Row 1:", "\n\nErrors in Row 2:", "\n\nErrors in Row 3"};

} // namespace

BEGIN_MESSAGE_MAP(ABarDialog, ABaseDialog)
ON_BN_CLICKED(IDC_RC_NEW_BAR, &ABarDialog::OnNewBar)
ON_BN_CLICKED(IDC_RC_DELETE, &ABarDialog::OnDelete)
ON_NOTIFY(TCN_SELCHANGE, IDC_BAR_TABS, &ABarDialog::OnTabChange)
END_MESSAGE_MAP()

ABarDialog::ABarDialog(bool bBottom, int rows, CWnd* pParent)
    : ABaseDialog(IDD, pParent), m_bBottom(bBottom), m_nRows(std::clamp(rows, 1, maxRows)) {}

ABarDialog::~ABarDialog() = default;

void ABarDialog::GetData(const omBarBand& band) {
    band.getStringMatrix(m_tables[0], m_tables[1], m_tables[2]);
    m_cover = band.getCover();
}

void ABarDialog::SetData(omBarBand& band) const {
    band.setStringMatrix(m_tables[0], m_tables[1], m_tables[2]);
    band.setCover(m_cover);
}

void ABarDialog::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RC_PICTURE, m_picture);
    DDX_Control(pDX, IDC_RC_TABLE, m_list);
    DDX_Control(pDX, IDC_BAR_TABS, m_tabs);
    DDX_Control(pDX, IDC_RC_CHART, m_chart);
    DDX_UnitEdit(pDX, IDC_BAR_COVER, m_cover, 0, 5, &m_units, false);
    // Bars outside the section would make the design overrate it.
    if (pDX->m_bSaveAndValidate && !(std::isfinite(m_cover.GetValue()) && m_cover.GetValue() >= 0.0)) {
        pDX->PrepareEditCtrl(IDC_BAR_COVER);
        AfxMessageBox("The concrete cover must be a number of zero or more.", MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

BOOL ABarDialog::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    m_picture.SetEnhMetaFile(
        AEnhMetaFilePicture::ReadMetaFile(m_bBottom ? IDM_BARS_BOTTOM : IDM_BARS_TOP, "METAFILE"));
    for (int i = 0; i < m_nRows; ++i)
        m_tabs.InsertItem(i, CString::Formatted("Row %i", i + 1));
    m_list.InsertColumn(0, "n", LVCFMT_LEFT, 40);
    m_list.InsertColumn(1, "Fi [mm]", LVCFMT_LEFT, 80);
    m_list.InsertColumn(2, "x start [-]", LVCFMT_LEFT, 80);
    m_list.InsertColumn(3, "x end [-]", LVCFMT_LEFT, 80);
    m_list.SetColumnCheck(0, AEditListColumnCheck::integer, 1, 40);
    m_list.SetColumnCheck(1, AEditListColumnCheck::integer, 4, 50);
    m_list.SetColumnCheck(2, AEditListColumnCheck::real, 0, 1);
    m_list.SetColumnCheck(3, AEditListColumnCheck::real, 0, 1);
    m_list.SetStringMatrix(m_tables[0]);
    if (m_tables[0].IsEmpty()) m_list.InsertItem(0, "");
    m_nCurrent = 0;
    m_tabs.SetCurSel(0);
    m_chart.SetPainter([this](CDC* pDC, const CSize& size) { DrawChart(pDC, size); });
    return TRUE;
}

void ABarDialog::SaveCurrent() {
    m_list.EndEdit();
    m_list.GetStringMatrix(m_tables[m_nCurrent]);
}

void ABarDialog::OnNewBar() {
    m_list.EndEdit();
    const int item = m_list.InsertItem(m_list.GetItemCount(), "");
    m_list.EditCell(item, 0);
    m_chart.Redraw();
}

void ABarDialog::OnDelete() {
    if (designrows::DeleteSelectedRow(*this, m_list)) m_chart.Redraw();
}

void ABarDialog::OnTabChange(NMHDR*, LRESULT* pResult) {
    if (pResult) *pResult = 0;
    const int tab = m_tabs.GetCurSel();
    if (tab < 0 || tab >= m_nRows || tab == m_nCurrent) return;
    // An edit still open belongs to the row it was made in.
    SaveCurrent();
    m_list.SetStringMatrix(m_tables[tab]);
    m_nCurrent = tab;
    m_chart.Redraw();
}

BOOL ABarDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const BOOL handled = ABaseDialog::OnNotify(wParam, lParam, pResult);
    if (designrows::IsCellEditEnd(lParam)) m_chart.Redraw();
    return handled;
}

void ABarDialog::FillPlotter(const omStringMatrix& table, PlotterBarVec& plotter) {
    for (int row = 0; row < table.GetRows(); ++row) {
        const long long n = IntegerOf(table(row, 0));
        const long long fi = IntegerOf(table(row, 1));
        const double xs = NumberOf(table(row, 2));
        const double xe = NumberOf(table(row, 3));
        if (n < 1 || fi < 1 || !(xe > xs))
            plotter.m_bars.push_back(
                ChartBar(0.0, 0.5, CString::Formatted("Bar is not complete -- %i Fi %i", Shown(n), Shown(fi)), 0.0));
        else
            plotter.m_bars.push_back(ChartBar(xs, xe, CString::Formatted("%i Fi %i", Shown(n), Shown(fi)), 0.0));
    }
}

void ABarDialog::DrawChart(CDC* pDC, const CSize& size) {
    if (m_list.GetSafeHwnd()) m_list.GetStringMatrix(m_tables[m_nCurrent]);
    PlotterBarVec plotter;
    FillPlotter(m_tables[m_nCurrent], plotter);
    ChartBase chart;
    chart.m_nWidth = size.cx;
    chart.m_nHeight = size.cy;
    chart.SetPlotter(&plotter);
    chart.Draw(pDC, CPoint(0, 0));
}

void ABarDialog::OnOK() {
    SaveCurrent();
    CString errors;
    for (int t = 0; t < m_nRows; ++t) {
        const CString tableErrors = designrows::RowErrors(m_list, m_tables[t], kColumnLabels, 4, 2);
        if (!tableErrors.empty()) errors += kHeadings[t] + tableErrors;
    }
    if (!errors.empty()) {
        MessageBox(errors, "Errors in data ...", MB_OK | MB_ICONSTOP);
        return;
    }
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}
