#include "app/design/AStirrupDialog.h"

#include "app/design/ADesignTableRows.h"
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "model/omBar.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonDesignIds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using designrows::IntegerOf;
using designrows::NumberOf;
using designrows::Shown;

const char* const kColumnLabels[] = {"\n   n: ", "\n   fi: ", "\n   e: ", "\n   xs: ", "\n   xe: "};

} // namespace

BEGIN_MESSAGE_MAP(AStirrupDialog, ABaseDialog)
ON_BN_CLICKED(IDC_RC_NEW_BAR, &AStirrupDialog::OnNewBar)
ON_BN_CLICKED(IDC_RC_DELETE, &AStirrupDialog::OnDelete)
ON_BN_CLICKED(IDC_NO_STIRRUPS, &AStirrupDialog::OnNoStirrups)
END_MESSAGE_MAP()

AStirrupDialog::AStirrupDialog(CWnd* pParent) : ABaseDialog(IDD, pParent) {}
AStirrupDialog::~AStirrupDialog() = default;

void AStirrupDialog::SetStirrups(const omStirrupVec& stirrups) {
    stirrups.getStringMatrix(m_table);
}

void AStirrupDialog::GetStirrups(omStirrupVec& stirrups) const {
    stirrups.setStringMatrix(m_table);
}

void AStirrupDialog::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RC_PICTURE, m_picture);
    DDX_Control(pDX, IDC_RC_TABLE, m_list);
    DDX_Control(pDX, IDC_RC_CHART, m_chart);
    BOOL none = m_bNoStirrups;
    DDX_Check(pDX, IDC_NO_STIRRUPS, none);
    m_bNoStirrups = none != FALSE;
}

BOOL AStirrupDialog::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    m_picture.SetEnhMetaFile(AEnhMetaFilePicture::ReadMetaFile(IDM_STIRRUPS, "METAFILE"));
    m_list.InsertColumn(0, "n", LVCFMT_LEFT, 40);
    m_list.InsertColumn(1, "Fi [mm]", LVCFMT_LEFT, 60);
    m_list.InsertColumn(2, "e [cm]", LVCFMT_LEFT, 60);
    m_list.InsertColumn(3, "x start [-]", LVCFMT_LEFT, 70);
    m_list.InsertColumn(4, "x end [-]", LVCFMT_LEFT, 70);
    m_list.SetColumnCheck(0, AEditListColumnCheck::integer, 1, 8);
    m_list.SetColumnCheck(1, AEditListColumnCheck::integer, 3, 20);
    m_list.SetColumnCheck(2, AEditListColumnCheck::real, 1, 50);
    m_list.SetColumnCheck(3, AEditListColumnCheck::real, 0, 1);
    m_list.SetColumnCheck(4, AEditListColumnCheck::real, 0, 1);
    m_list.SetStringMatrix(m_table);
    m_chart.SetPainter([this](CDC* pDC, const CSize& size) { DrawChart(pDC, size); });
    EnableControls();
    return TRUE;
}

void AStirrupDialog::EnableControls() {
    const BOOL on = !IsDlgButtonChecked(IDC_NO_STIRRUPS);
    m_list.EnableWindow(on);
    GetDlgItem(IDC_RC_NEW_BAR)->EnableWindow(on);
    GetDlgItem(IDC_RC_DELETE)->EnableWindow(on);
}

void AStirrupDialog::OnNoStirrups() {
    m_list.EndEdit();
    EnableControls();
}

void AStirrupDialog::OnNewBar() {
    m_list.EndEdit();
    const int item = m_list.InsertItem(m_list.GetItemCount(), "");
    m_list.SetItemText(item, 0, "0");
    m_list.EditCell(item, 0);
    m_chart.Redraw();
}

void AStirrupDialog::OnDelete() {
    if (designrows::DeleteSelectedRow(*this, m_list)) m_chart.Redraw();
}

BOOL AStirrupDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const BOOL handled = ABaseDialog::OnNotify(wParam, lParam, pResult);
    if (designrows::IsCellEditEnd(lParam)) m_chart.Redraw();
    return handled;
}

void AStirrupDialog::FillPlotter(const omStringMatrix& table, PlotterBarArea& plotter) {
    for (int row = 0; row < table.GetRows(); ++row) {
        const long long n = IntegerOf(table(row, 0));
        const long long fi = IntegerOf(table(row, 1));
        const double e = NumberOf(table(row, 2));
        const double xs = NumberOf(table(row, 3));
        const double xe = NumberOf(table(row, 4));
        const double as = static_cast<double>(n) * static_cast<double>(fi) * static_cast<double>(fi) *
                          std::numbers::pi / 4.0 / e;
        const int ni = Shown(n);
        const int fii = Shown(fi);
        // A spacing of 0 (empty, or read from a file) gives no finite area:
        // the row is as incomplete as one without legs.
        const bool complete = n > 0 && fi > 0 && xs < xe && e > 0.0 && std::isfinite(e) && std::isfinite(as);
        if (complete)
            plotter.m_bars.push_back(ChartBar(xs, xe, CString::Formatted("%i Fi %i/%3.1lf", ni, fii, e), as));
        else
            plotter.m_bars.push_back(ChartBar(
                0.5, 0.5, CString::Formatted("Stirrup is not complete -- %i Fi %i/%3.1lf", ni, fii, e), 1.0));
    }
}

void AStirrupDialog::DrawChart(CDC* pDC, const CSize& size) {
    if (m_list.GetSafeHwnd()) m_list.GetStringMatrix(m_table);
    PlotterBarArea plotter;
    FillPlotter(m_table, plotter);
    ChartBase chart;
    chart.m_nWidth = size.cx;
    chart.m_nHeight = size.cy;
    chart.SetPlotter(&plotter);
    chart.m_mainTitle.SetText("[cm2/m']");
    chart.Draw(pDC, CPoint(0, 0));
}

void AStirrupDialog::OnOK() {
    m_list.EndEdit();
    m_list.GetStringMatrix(m_table);
    const CString errors = designrows::RowErrors(m_list, m_table, kColumnLabels, 5, 3);
    if (!errors.empty()) {
        MessageBox(("Errors:" + errors).c_str(), "Errors in data ...", MB_OK | MB_ICONERROR);
        return;
    }
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}
