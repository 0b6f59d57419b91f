#include "app/design/ASteelDesignDataDlg.h"

#include "app/design/ADesignEC3.h"
#include "app/design/ASteelDesignSuppDlg.h"
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonDesignIds.h"

#include <QAbstractButton>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace {

// A picture beside the text of a radio button.
void SetButtonIcon(CWnd& button, const QImage& image) {
    auto* widget = qobject_cast<QAbstractButton*>(button.GetWidget());
    if (!widget || image.isNull()) return;
    widget->setIcon(QIcon(QPixmap::fromImage(image)));
    widget->setIconSize(image.size());
}

} // namespace

BEGIN_MESSAGE_MAP(ASteelDesignDataDlg, ABaseDialog)
ON_BN_CLICKED(IDC_NO_STIFFENERS, &ASteelDesignDataDlg::OnStiffeners)
ON_BN_CLICKED(IDC_STIFFENERS, &ASteelDesignDataDlg::OnStiffeners)
ON_BN_CLICKED(IDC_SUPPORT_YY, &ASteelDesignDataDlg::OnSupportYY)
ON_BN_CLICKED(IDC_SUPPORT_ZZ, &ASteelDesignDataDlg::OnSupportZZ)
ON_BN_CLICKED(IDC_SUPPORT_LT, &ASteelDesignDataDlg::OnSupportLT)
END_MESSAGE_MAP()

ASteelDesignDataDlg::ASteelDesignDataDlg(CWnd* pParent) : ABaseDialog(IDD, pParent) {}
ASteelDesignDataDlg::~ASteelDesignDataDlg() = default;

void ASteelDesignDataDlg::SetData(const omSteelDesignData* pData) {
    if (pData) m_data.copy(*pData);
    m_stiffenerDistance = m_data.getShearStiffDistance();
    m_nStiffeners = m_stiffenerDistance.GetValue() != 0.0 ? 1 : 0;
    // By sign: a stored -0.5 is unfavourable too, and saving it back as +1
    // would make the lateral-torsional check unsafe. What is no number counts
    // as unfavourable.
    const double position = m_data.getLoadPos();
    m_nLoadPosition = position > 0.0 ? 2 : position == 0.0 ? 1 : 0;
}

CString ASteelDesignDataDlg::Validate(const omSteelDesignData& data) {
    return ValidateSteelDesignData(data);
}

void ASteelDesignDataDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHART_YY, m_charts[directionYY]);
    DDX_Control(pDX, IDC_CHART_ZZ, m_charts[directionZZ]);
    DDX_Control(pDX, IDC_CHART_LT, m_charts[directionLT]);
    DDX_Radio(pDX, IDC_LOAD_NEGATIVE, m_nLoadPosition);
    DDX_Radio(pDX, IDC_NO_STIFFENERS, m_nStiffeners);
    DDX_UnitEdit(pDX, IDC_STIFFENER_DISTANCE, m_stiffenerDistance, 0, 1, &m_units, false);
}

BOOL ASteelDesignDataDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    const CResources& r = CResources::Instance();
    const struct {
        int control;
        UINT icon;
    } icons[] = {{IDC_LOAD_NEGATIVE, IDI_LOAD_ABOVE}, {IDC_LOAD_POSITIVE, IDI_LOAD_BELOW},
                 {IDC_LOAD_INDIFFERENT, IDI_LOAD_CENTRE}};
    for (const auto& i : icons)
        if (CWnd* button = GetDlgItem(i.control)) SetButtonIcon(*button, r.LoadBitmap(i.icon, QSize(24, 24)));
    for (int d = 0; d < 3; ++d)
        m_charts[d].SetPainter([this, d](CDC* pDC, const CSize& size) { DrawSupportChart(pDC, size, d); });
    OnStiffeners();
    return TRUE;
}

void ASteelDesignDataDlg::OnStiffeners() {
    GetDlgItem(IDC_STIFFENER_DISTANCE)->EnableWindow(!IsDlgButtonChecked(IDC_NO_STIFFENERS));
}

omElementSupport& ASteelDesignDataDlg::SupportOf(int direction) {
    switch (direction) {
    case directionZZ: return m_data.getZZSup();
    case directionLT: return m_data.getLTSup();
    default: return m_data.getYYSup();
    }
}

void ASteelDesignDataDlg::EditSupport(int direction) {
    // Buckling about the strong axis can never be ruled out.
    const bool strong = direction == directionYY;
    ASteelDesignSuppDlg dlg(strong ? this : nullptr, strong);
    dlg.SetSupport(&SupportOf(direction));
    if (dlg.DoModal() == IDOK) SupportOf(direction) = dlg.GetSupport();
    for (AChartFrame& chart : m_charts)
        chart.Redraw();
}

void ASteelDesignDataDlg::DrawSupportChart(CDC* pDC, const CSize& size, int direction) {
    const omElementSupport& support = SupportOf(direction);
    PlotterSupport plotter;
    plotter.SetData(support.getPos(), support.getK(), support.isFullSupport(),
                    ASteelDesignSuppDlg::CheckSupport(support.getPos(), support.getK()));
    ChartBase chart;
    chart.m_nWidth = size.cx;
    chart.m_nHeight = size.cy;
    chart.SetPlotter(&plotter);
    chart.Draw(pDC, CPoint(0, 0));
}

void ASteelDesignDataDlg::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_data.setShearStiffDistance(m_nStiffeners == 0 ? omUnitValue(0.0, omUK_cm) : m_stiffenerDistance);
    static const double positions[] = {-1.0, 0.0, 1.0};
    m_data.setLoadPos(positions[std::clamp(m_nLoadPosition, 0, 2)]);
    const CString errors = Validate(m_data);
    if (!errors.empty()) {
        MessageBox(errors, "Errors in data ...", MB_OK | MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
