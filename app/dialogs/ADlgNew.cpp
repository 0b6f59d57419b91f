#include "app/dialogs/ADlgNew.h"

#include "app/shell/CStrakonApp.h"
#include "app/shell/StructureWizardPlugin.h"
#include "controls/AFolderDialog.h"
#include "platform/storage/ProgramPaths.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDataExchange.h"

#include <QLibrary>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

IMPLEMENT_DYNCREATE(ADlgNewStructure, ABasePropertyPage)
IMPLEMENT_DYNAMIC(ADlgNew, ABasePropertySheet)

AStructureWizardItem::AStructureWizardItem(HENHMETAFILE preview, CString path)
    : m_hPreview(preview), m_strPath(std::move(path)) {}

AStructureWizardItem::~AStructureWizardItem() {
    AEnhMetaFilePicture::DeleteEnhMetaFile(m_hPreview);
}

// --- the structure page ------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(ADlgNewStructure, ABasePropertyPage)
ON_NOTIFY(LVN_ITEMCHANGED, 1353, &ADlgNewStructure::OnSelectionChanged)
ON_BN_CLICKED(1352, &ADlgNewStructure::OnBrowse)
END_MESSAGE_MAP()

ADlgNewStructure::ADlgNewStructure() : ABasePropertyPage(IDD, 0) {}

ADlgNewStructure::~ADlgNewStructure() {
    DeleteItems();
}

void ADlgNewStructure::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1353, m_list);
    DDX_Control(pDX, 1567, m_preview);
    DDX_Radio(pDX, 1355, m_nProjectChoice);
    DDX_Text(pDX, 1046, m_strLocation);
    DDX_Text(pDX, 1044, m_strName);
}

BOOL ADlgNewStructure::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    // The page owns the pictures of its entries, not the picture control.
    m_preview.SetOwnsPicture(false);
    if (!m_bInitialized) {
        m_images.Create(183, 16, 1, RGB(255, 255, 255));
        if (CStrakonApp* app = CStrakonApp::GetApp()) m_strLocation = app->DefaultNewLocation();
        SetDlgItemText(1046, m_strLocation.c_str());
        m_bInitialized = true;
    }
    const ABaseWinApp* app = ABaseWinApp::GetApp();
    if (CWnd* add = GetDlgItem(1356)) add->EnableWindow(app && app->GetProjectDocument() ? TRUE : FALSE);
    if (m_strWizardFolder.empty())
        m_strWizardFolder = (programpaths::programFile().parent_path() / "Wizards").string();
    if (m_list.GetColumnCount() == 0) m_list.InsertColumn(0, "Wizard", LVCFMT_LEFT, 200);
    FillList();
    if (m_list.GetItemCount() > 0)
        m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ShowSelection();
    return TRUE;
}

BOOL ADlgNewStructure::ReadPlugin(const CString& path, CString& name, HENHMETAFILE& preview, QImage& icon) {
    QLibrary library(QString::fromStdString(path));
    if (!library.load()) return FALSE;
    const auto entry =
        reinterpret_cast<GetStructureWizardInfoFunction>(library.resolve(STRAKON_WIZARD_ENTRY_POINT));
    if (!entry) {
        library.unload();
        return FALSE;
    }
    char buffer[STRAKON_WIZARD_NAME_SIZE] = {};
    StrakonWizardPicture previewBlock{nullptr, 0};
    StrakonWizardPicture iconBlock{nullptr, 0};
    const int result = entry(buffer, &previewBlock, &iconBlock);
    // The blocks are ours whatever the answer; they outlive the library.
    library.unload();
    if (result != 0) {
        // A name without its zero byte ends with the buffer.
        name = CString(buffer, strnlen(buffer, sizeof buffer));
        preview = AEnhMetaFilePicture::FromData(previewBlock.data, previewBlock.size);
        if (HENHMETAFILE picture = AEnhMetaFilePicture::FromData(iconBlock.data, iconBlock.size)) {
            icon = AEnhMetaFilePicture::Render(picture, QSize(16, 16));
            AEnhMetaFilePicture::DeleteEnhMetaFile(picture);
        } else {
            icon = QImage();
        }
    }
    std::free(previewBlock.data);
    std::free(iconBlock.data);
    return result != 0 ? TRUE : FALSE;
}

void ADlgNewStructure::FillList() {
    m_list.DeleteAllItems();
    DeleteItems();
    AddEntry(kBlankWizard, std::make_unique<AStructureWizardItem>(
                               AEnhMetaFilePicture::ReadMetaFile(182, "METAFILE"), CString()));
    std::error_code ec;
    std::vector<std::filesystem::path> plugins;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(m_strWizardFolder), ec))
        if (entry.path().extension() == ".mwf") plugins.push_back(entry.path());
    for (const auto& plugin : plugins) {
        CString name;
        HENHMETAFILE preview = nullptr;
        QImage icon;
        if (!ReadPlugin(plugin.string(), name, preview, icon)) continue;
        if (!icon.isNull()) m_images.Add(icon, RGB(255, 255, 255));
        AddEntry(name, std::make_unique<AStructureWizardItem>(preview, plugin.string()));
    }
}

// The list keeps its entries sorted by text, as a sorted list view does.
void ADlgNewStructure::AddEntry(const CString& text, std::unique_ptr<AStructureWizardItem> item) {
    int at = 0;
    while (at < m_list.GetItemCount() && m_list.GetItemText(at, 0) <= text)
        ++at;
    at = m_list.InsertItem(at, text.c_str());
    if (at < 0) return;
    m_list.SetItemData(at, reinterpret_cast<DWORD_PTR>(item.get()));
    m_items.push_back(item.release());
}

std::vector<CString> ADlgNewStructure::EntryTexts() const {
    std::vector<CString> texts;
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        texts.push_back(m_list.GetItemText(i, 0));
    return texts;
}

void ADlgNewStructure::OnSelectionChanged(NMHDR*, LRESULT* pResult) {
    ShowSelection();
    if (pResult) *pResult = 0;
}

void ADlgNewStructure::ShowSelection() {
    const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    const auto* item =
        selected >= 0 ? reinterpret_cast<const AStructureWizardItem*>(m_list.GetItemData(selected)) : nullptr;
    m_strWizardPath = item ? item->m_strPath : CString();
    const bool show = item && item->m_hPreview;
    m_preview.SetEnhMetaFile(show ? item->m_hPreview : nullptr);
    m_preview.ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (CWnd* label = GetDlgItem(1359)) label->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void ADlgNewStructure::OnBrowse() {
    const CString current = GetDlgItemText(1046);
    AFolderDialog dialog(current.c_str(), this);
    dialog.m_ofn.lpstrTitle = "Choose Directory";
    if (dialog.DoModal() == IDOK) SetDlgItemText(1046, dialog.GetSelectedFolder().c_str());
}

BOOL ADlgNewStructure::CanCreate() {
    if (!IsWindow()) return !m_strName.empty() && !m_strLocation.empty();
    return m_list.GetNextItem(-1, LVNI_SELECTED) >= 0 && !GetDlgItemText(1044).empty() &&
           !GetDlgItemText(1046).empty();
}

void ADlgNewStructure::OnDestroy() {
    m_preview.SetEnhMetaFile(nullptr);
    DeleteItems();
    ABasePropertyPage::OnDestroy();
}

void ADlgNewStructure::DeleteItems() {
    for (AStructureWizardItem* item : m_items)
        delete item;
    m_items.clear();
}

// --- the sheet ---------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(ADlgNew, ABasePropertySheet)
ON_MESSAGE(WM_KICKIDLE, &ADlgNew::OnKickIdle)
ON_UPDATE_COMMAND_UI(IDOK, &ADlgNew::OnUpdateOK)
END_MESSAGE_MAP()

ADlgNew::ADlgNew(const char* caption, CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet(caption, pParentWnd, iSelectPage) {
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_psh.dwFlags &= ~PSH_HASHELP;
    AddPage(&m_structurePage);
}

ADlgNew::~ADlgNew() = default;

LRESULT ADlgNew::OnKickIdle(WPARAM, LPARAM) {
    m_nActivePage = GetActiveIndex();
    AfxUpdateDialogControls(this, this, FALSE);
    return 0;
}

void ADlgNew::OnUpdateOK(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetActiveIndex() != 0 || m_structurePage.CanCreate());
}
