#include "app/design/ASteelDesignSuppDlg.h"

#include "app/design/ADesignEC3.h"
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonDesignIds.h"

#include <cmath>
#include <limits>

namespace {

constexpr const char* kNotANumber = "Each position and coefficient must be a number.";

bool IsPosition(int id) {
    return id >= IDC_SUPPORT_POSITION && id < IDC_SUPPORT_POSITION + ASteelDesignSuppDlg::maxSupports;
}

} // namespace

BEGIN_MESSAGE_MAP(ASteelDesignSuppDlg, ABaseDialog)
ON_BN_CLICKED(IDC_FULLY_SUPPORTED, &ASteelDesignSuppDlg::OnChoice)
ON_BN_CLICKED(IDC_SUPPORTS_GIVEN, &ASteelDesignSuppDlg::OnChoice)
ON_EN_CHANGE(IDC_SUPPORT_COUNT, &ASteelDesignSuppDlg::OnCountChanged)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SUPPORT_POSITION, IDC_SUPPORT_K + ASteelDesignSuppDlg::maxSupports - 2,
                 &ASteelDesignSuppDlg::OnValueKillFocus)
END_MESSAGE_MAP()

ASteelDesignSuppDlg::ASteelDesignSuppDlg(CWnd* pParent, bool bFullyNotAllowed)
    : ABaseDialog(IDD, pParent), m_bFullyNotAllowed(bFullyNotAllowed) {}

ASteelDesignSuppDlg::~ASteelDesignSuppDlg() = default;

void ASteelDesignSuppDlg::SetSupport(const omElementSupport* pSupport) {
    if (pSupport) m_support = *pSupport;
}

CString ASteelDesignSuppDlg::CheckSupport(const std::vector<double>& positions,
                                          const std::vector<double>& coefficients) {
    return CheckSteelSupport(positions, coefficients);
}

void ASteelDesignSuppDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SUPPORT_CHART, m_chart);
    DDX_Text(pDX, IDC_SUPPORT_COUNT, m_nSupports);
    DDV_MinMaxInt(pDX, m_nSupports, 2, maxSupports);
    DDX_Radio(pDX, IDC_FULLY_SUPPORTED, m_nChoice);
}

ASteelDesignSuppDlg::Field& ASteelDesignSuppDlg::FieldOf(int id) {
    return IsPosition(id) ? m_positions[static_cast<std::size_t>(id - IDC_SUPPORT_POSITION)]
                          : m_coefficients[static_cast<std::size_t>(id - IDC_SUPPORT_K)];
}

const ASteelDesignSuppDlg::Field& ASteelDesignSuppDlg::FieldOf(int id) const {
    return const_cast<ASteelDesignSuppDlg*>(this)->FieldOf(id);
}

void ASteelDesignSuppDlg::SetField(int id, double value) {
    Field& f = FieldOf(id);
    f.shown = CString::Formatted("%.3g", value);
    f.value = value;
    f.stored = true;
    SetDlgItemText(id, f.shown);
}

void ASteelDesignSuppDlg::SetFieldText(int id, const char* text) {
    Field& f = FieldOf(id);
    f.shown = text;
    double value = 0.0;
    f.stored = AfxParseDouble(text, value);
    f.value = value;
    SetDlgItemText(id, text);
}

bool ASteelDesignSuppDlg::ReadField(int id, double& value) const {
    const Field& f = FieldOf(id);
    const CString text = GetDlgItemText(id);
    if (f.stored && text == f.shown) {
        value = f.value;
        return true;
    }
    return AfxParseDouble(text, value);
}

BOOL ASteelDesignSuppDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    m_chart.SetPainter([this](CDC* pDC, const CSize& size) { DrawChart(pDC, size); });

    const std::vector<double>& positions = m_support.getPos();
    const std::vector<double>& k = m_support.getK();
    const int count = static_cast<int>(std::min<std::size_t>(positions.size(), maxSupports));
    m_nSupports = std::max(count, 2);
    for (int i = 0; i < count; ++i)
        SetField(IDC_SUPPORT_POSITION + i, positions[static_cast<std::size_t>(i)]);
    for (int i = 0; i < count - 1 && i < static_cast<int>(k.size()); ++i)
        SetField(IDC_SUPPORT_K + i, m_support.fieldK(i));
    m_nChoice = m_support.isFullSupport() ? 0 : 1;
    if (m_bFullyNotAllowed && m_nChoice == 0) m_nChoice = 1;
    UpdateData(FALSE);
    if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_SUPPORT_SPIN))) spin->SetRange32(2, maxSupports);
    m_nShownCount = m_nSupports;
    EnableControls();
    ApplyCount(m_nSupports);
    // From here on a change of the count edit is the user's.
    m_bInitialised = true;
    GetDlgItem(IDC_FULLY_SUPPORTED)->EnableWindow(!m_bFullyNotAllowed);
    return TRUE;
}

void ASteelDesignSuppDlg::EnableControls() {
    m_nChoice = IsDlgButtonChecked(IDC_FULLY_SUPPORTED) ? 0 : 1;
    const BOOL on = m_nChoice == 1;
    GetDlgItem(IDC_SUPPORT_COUNT)->EnableWindow(on);
    GetDlgItem(IDC_SUPPORT_SPIN)->EnableWindow(on);
    for (int i = 0; i < maxSupports; ++i)
        GetDlgItem(IDC_SUPPORT_POSITION + i)->EnableWindow(on);
    for (int i = 0; i < maxSupports - 1; ++i)
        GetDlgItem(IDC_SUPPORT_K + i)->EnableWindow(on);
    m_chart.Redraw();
}

void ASteelDesignSuppDlg::OnChoice() {
    EnableControls();
}

void ASteelDesignSuppDlg::ApplyCount(int count) {
    for (int i = 0; i < maxSupports; ++i)
        GetDlgItem(IDC_SUPPORT_POSITION + i)->ShowWindow(i < count ? SW_SHOW : SW_HIDE);
    for (int i = 0; i < maxSupports - 1; ++i)
        GetDlgItem(IDC_SUPPORT_K + i)->ShowWindow(i < count - 1 ? SW_SHOW : SW_HIDE);
    if (m_nShownCount < 2) {
    } else if (count > m_nShownCount) {
        SetFieldText(IDC_SUPPORT_POSITION + count - 1, "1");
        SetFieldText(IDC_SUPPORT_POSITION + m_nShownCount - 1, "");
        SetFieldText(IDC_SUPPORT_K + count - 2, "1");
    } else if (count < m_nShownCount) {
        SetFieldText(IDC_SUPPORT_POSITION + count - 1, "1");
        SetFieldText(IDC_SUPPORT_K + count - 2, "1");
    }
    m_nShownCount = count;
    m_nSupports = count;
    m_chart.Redraw();
}

void ASteelDesignSuppDlg::OnCountChanged() {
    if (!m_bInitialised) return;
    // Read quietly: "1" on the way to "10" is no count yet, and the range
    // prompt waits for OK.
    long long count = 0;
    if (!AfxParseLong(GetDlgItemText(IDC_SUPPORT_COUNT), count) || count < 2 || count > maxSupports) return;
    ApplyCount(static_cast<int>(count));
}

void ASteelDesignSuppDlg::OnValueKillFocus(UINT) {
    m_chart.Redraw();
}

bool ASteelDesignSuppDlg::ReadSupports(std::vector<double>& positions, std::vector<double>& coefficients) const {
    positions.clear();
    coefficients.clear();
    bool numbers = true;
    for (int i = 0; i < m_nShownCount; ++i) {
        double v = std::numeric_limits<double>::quiet_NaN();
        if (!ReadField(IDC_SUPPORT_POSITION + i, v)) numbers = false;
        positions.push_back(v);
    }
    for (int i = 0; i < m_nShownCount - 1; ++i) {
        double v = std::numeric_limits<double>::quiet_NaN();
        if (!ReadField(IDC_SUPPORT_K + i, v)) numbers = false;
        coefficients.push_back(v);
    }
    return numbers;
}

void ASteelDesignSuppDlg::DrawChart(CDC* pDC, const CSize& size) {
    std::vector<double> positions, coefficients;
    const bool numbers = ReadSupports(positions, coefficients);
    const CString message = numbers ? CheckSupport(positions, coefficients) : CString(kNotANumber);
    PlotterSupport plotter;
    plotter.SetData(positions, coefficients, m_nChoice == 0, message);
    ChartBase chart;
    chart.m_nWidth = size.cx;
    chart.m_nHeight = size.cy;
    chart.SetPlotter(&plotter);
    chart.Draw(pDC, CPoint(0, 0));
}

void ASteelDesignSuppDlg::OnOK() {
    std::vector<double> positions, coefficients;
    const bool numbers = ReadSupports(positions, coefficients);
    const CString error = numbers ? CheckSupport(positions, coefficients) : CString(kNotANumber);
    if (!error.empty()) {
        MessageBox(error, "Errors in data ...", MB_OK | MB_ICONERROR);
        return;
    }
    if (!UpdateData(TRUE)) return;
    m_support.set(positions, coefficients);
    m_support.setFullSupport(m_nChoice == 0);
    EndDialog(IDOK);
}
