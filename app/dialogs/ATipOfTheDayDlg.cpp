#include "app/dialogs/ATipOfTheDayDlg.h"

#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QFont>
#include <QWidget>

#include <fstream>

IMPLEMENT_DYNAMIC(ATipOfTheDayDlg, ABaseDialog)

BEGIN_MESSAGE_MAP(ATipOfTheDayDlg, ABaseDialog)
ON_BN_CLICKED(IDC_TIP_NEXT, &ATipOfTheDayDlg::OnNextTip)
END_MESSAGE_MAP()

ATipOfTheDayDlg::ATipOfTheDayDlg(const CString& tipsFile, int startTip, bool showAtStartup, CWnd* pParent)
    : ABaseDialog(IDD_TIP_OF_THE_DAY, pParent), m_strFile(tipsFile), m_nCurrentTip(startTip),
      m_bShowAtStartup(showAtStartup), m_nShowAtStartup(showAtStartup ? 1 : 0) {
    m_tips = ReadTips(tipsFile);
    m_nCurrentTip = Wrap(startTip, static_cast<int>(m_tips.size()));
}

ATipOfTheDayDlg::~ATipOfTheDayDlg() = default;

std::vector<std::string> ATipOfTheDayDlg::ReadTips(const CString& path) {
    std::vector<std::string> tips;
    std::ifstream in(std::string(path), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A byte-order mark at the start is no part of the first tip.
        if (tips.empty() && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (line.empty() || line[0] == '#') continue;
        tips.push_back(line);
    }
    return tips;
}

int ATipOfTheDayDlg::Wrap(int index, int count) {
    if (count <= 0) return 0;
    const int r = index % count;
    return r < 0 ? r + count : r;
}

CString ATipOfTheDayDlg::GetTipText() const {
    if (m_tips.empty()) return "The tips file " + m_strFile + " could not be read.";
    return m_tips[static_cast<size_t>(m_nCurrentTip)];
}

void ATipOfTheDayDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_TIP_STARTUP, m_nShowAtStartup);
    if (pDX->m_bSaveAndValidate) m_bShowAtStartup = m_nShowAtStartup != 0;
}

BOOL ATipOfTheDayDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    // The heading in the larger bold face, the tip in the plain one.
    if (CWnd* heading = GetDlgItem(IDC_TIP_HEADING)) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(20);
        font.setBold(true);
        heading->GetWidget()->setFont(font);
    }
    if (CWnd* text = GetDlgItem(IDC_TIP_TEXT)) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(17);
        text->GetWidget()->setFont(font);
    }
    ShowTip();
    return TRUE;
}

void ATipOfTheDayDlg::OnNextTip() {
    m_nCurrentTip = Wrap(m_nCurrentTip + 1, static_cast<int>(m_tips.size()));
    ShowTip();
}

void ATipOfTheDayDlg::ShowTip() {
    SetDlgItemText(IDC_TIP_TEXT, GetTipText().c_str());
}
