#include "app/dialogs/ADlgNewProject.h"

#include "controls/AFolderDialog.h"
#include "platform/ui/CDataExchange.h"

#include <filesystem>

IMPLEMENT_DYNCREATE(ADlgNewProject, ABasePropertyPage)

BEGIN_MESSAGE_MAP(ADlgNewProject, ABasePropertyPage)
ON_BN_CLICKED(1566, &ADlgNewProject::OnBrowse)
END_MESSAGE_MAP()

ADlgNewProject::ADlgNewProject() : ABasePropertyPage(IDD, 0) {}

ADlgNewProject::~ADlgNewProject() = default;

void ADlgNewProject::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1351, m_list);
    DDX_Text(pDX, 1044, m_strName);
    DDX_Text(pDX, 1565, m_strLocation);
}

BOOL ADlgNewProject::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    if (!m_bInitialized) {
        m_images.Create(184, 16, 1, RGB(255, 255, 255));
        std::error_code ec;
        m_strLocation = std::filesystem::current_path(ec).string();
        SetDlgItemText(1565, m_strLocation.c_str());
        m_bInitialized = true;
    }
    if (m_list.GetColumnCount() == 0) m_list.InsertColumn(0, "Project", LVCFMT_LEFT, 200);
    m_list.DeleteAllItems();
    const int blank = m_list.InsertItem(0, kBlankProject);
    if (blank >= 0) m_list.SetItemState(blank, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_strSelectedPath.clear();
    return TRUE;
}

std::vector<CString> ADlgNewProject::EntryTexts() const {
    std::vector<CString> texts;
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        texts.push_back(m_list.GetItemText(i, 0));
    return texts;
}

void ADlgNewProject::OnBrowse() {
    const CString current = GetDlgItemText(1565);
    AFolderDialog dialog(current.c_str(), this);
    dialog.m_ofn.lpstrTitle = "Choose Directory";
    if (dialog.DoModal() == IDOK) SetDlgItemText(1565, dialog.GetSelectedFolder().c_str());
}
