#include "app/messages/DocumentMessageDlg.h"

#include "app/messages/ARtfReader.h"
#include "app/messages/DocumentItemManager.h"
#include "controls/AHyperLink.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWinThread.h"
#include "resources/ui/StrakonMessageIds.h"
#include "resources/ui/StrakonResources.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMimeData>
#include <QPixmap>
#include <QTextDocument>
#include <QTreeWidget>

#include <cstdio>

IMPLEMENT_DYNAMIC(DocumentMessageDlg, CDialog)
IMPLEMENT_DYNAMIC(CDlgCopyComment, CDialog)

BEGIN_MESSAGE_MAP(DocumentMessageDlg, CDialog)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_MESSAGE_DOCUMENTS, &DocumentMessageDlg::OnDocumentChanged)
ON_BN_CLICKED(IDC_MESSAGE_DOWNLOAD, &DocumentMessageDlg::OnDownload)
ON_BN_CLICKED(IDC_MESSAGE_OPEN_LINK, &DocumentMessageDlg::OnOpenLink)
ON_BN_CLICKED(IDC_MESSAGE_COPY, &DocumentMessageDlg::OnCopy)
ON_BN_CLICKED(IDC_MESSAGE_SHOW_OBSOLETE, &DocumentMessageDlg::OnShowObsolete)
ON_BN_CLICKED(IDC_MESSAGE_NO_AUTO_DOWNLOAD, &DocumentMessageDlg::OnNoAutoDownload)
ON_MESSAGE(DocumentMessageDlg::WM_DOWNLOAD_DONE, &DocumentMessageDlg::OnDownloadDone)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CDlgCopyComment, CDialog)
END_MESSAGE_MAP()

namespace {

constexpr const char* kSection = "MessageSystem";
constexpr const char* kStatusTexts[] = {"Error", "New", "Update", "Old", "Obsolete"};
constexpr const char* kFormatTexts[] = {"Error", "Plain Text", "RTF", "HTML"};
// The order of the list: new, update, old, obsolete, then the rest.
constexpr int kRanks[] = {4, 0, 1, 2, 3};

void ensureResources() {
    if (!CResources::Instance().FindDialog(IDD_MESSAGE_VIEWER)) AddMessageDialogs(CResources::Instance());
}

int profileInt(const char* entry, int fallback) {
    CWinApp* app = AfxGetApp();
    return app ? static_cast<int>(app->GetProfileInt(kSection, entry, fallback)) : fallback;
}

void writeProfileInt(const char* entry, int value) {
    if (CWinApp* app = AfxGetApp()) app->WriteProfileInt(kSection, entry, value);
}

bool validStatus(int status) {
    return status >= 0 && status <= 4;
}

// Text files are UTF-8 when they can be, else the Windows code page.
QString decodeText(const std::string& bytes) {
    if (codepage::isValidUtf8(bytes)) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString::fromStdString(codepage::toUtf8(bytes));
}

// The list's rows are selected whole; the documents' rows show the picture of their state.
void setRowPicture(CListCtrl& list, int row, const QPixmap& picture) {
    auto* tree = qobject_cast<QTreeWidget*>(list.GetWidget());
    if (!tree || picture.isNull()) return;
    if (QTreeWidgetItem* item = tree->topLevelItem(row)) item->setIcon(0, QIcon(picture));
}

struct DownloadJob {
    HWND viewer;
    DocumentItemManager* manager;
};

UINT downloadProc(LPVOID param) {
    std::unique_ptr<DownloadJob> job(static_cast<DownloadJob*>(param));
    const bool ok = job->manager->Update();
    // Dropped when the viewer has gone meanwhile.
    ::PostMessage(job->viewer, DocumentMessageDlg::WM_DOWNLOAD_DONE, ok ? 1 : 0, 0);
    return 0;
}

} // namespace

DocumentMessageDlg::DocumentMessageDlg(CWnd* pParent)
    : CDialog(IDD_MESSAGE_VIEWER, pParent), m_pManager(DocumentItemManager::Instance()) {
    ensureResources();
    m_bShowObsolete = profileInt("ShowObsolete", 0);
    m_bNoAutoDownload = m_pManager && !m_pManager->GetAutoDownload();
}

DocumentMessageDlg::~DocumentMessageDlg() {
    StopDownload();
}

const char* DocumentMessageDlg::StatusText(int status) {
    return kStatusTexts[validStatus(status) ? status : 0];
}

const char* DocumentMessageDlg::FormatText(int format) {
    return kFormatTexts[format >= 0 && format <= 3 ? format : 0];
}

int DocumentMessageDlg::StatusRank(int status) {
    return kRanks[validStatus(status) ? status : 0];
}

void DocumentMessageDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MESSAGE_DOCUMENTS, m_wndDocuments);
    DDX_Control(pDX, IDC_MESSAGE_LINKS, m_wndLinks);
    DDX_Control(pDX, IDC_MESSAGE_TEXT, m_wndText);
    DDX_Check(pDX, IDC_MESSAGE_SHOW_OBSOLETE, m_bShowObsolete);
    DDX_Check(pDX, IDC_MESSAGE_NO_AUTO_DOWNLOAD, m_bNoAutoDownload);
}

BOOL DocumentMessageDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_images.Create(IDB_MESSAGE_STATUS, 16, 0, RGB(255, 255, 255));
    m_wndDocuments.InsertColumn(0, "Title", LVCFMT_LEFT, 250);
    m_wndDocuments.InsertColumn(1, "Status", LVCFMT_LEFT, 70);
    m_wndDocuments.InsertColumn(2, "Format", LVCFMT_LEFT, 70);
    m_wndDocuments.InsertColumn(3, "Language", LVCFMT_LEFT, 90);
    m_wndLinks.InsertColumn(0, "Link Title", LVCFMT_LEFT, 350);
    m_wndLinks.InsertColumn(1, "URL", LVCFMT_LEFT, 320);
    // Another running program may have changed the documents since they were read.
    if (m_pManager) m_pManager->ReloadIfChanged();
    FillDocumentList();
    m_btnDownload.SubclassDlgItem(IDC_MESSAGE_DOWNLOAD, this);
    m_btnDownload.SetIcon(IDI_MESSAGE_DOWNLOAD);
    m_btnDownload.SetFlat(FALSE);
    m_btnOpenLink.SubclassDlgItem(IDC_MESSAGE_OPEN_LINK, this);
    m_btnOpenLink.SetIcon(IDI_MESSAGE_OPEN_LINK);
    m_btnOpenLink.SetFlat(FALSE);
    return TRUE;
}

void DocumentMessageDlg::FillDocumentList() {
    m_wndDocuments.DeleteAllItems();
    ClearDocument();
    if (!m_pManager) return;
    const auto& items = m_pManager->m_items;
    int row = 0;
    for (int rank = 0; rank < 5; ++rank) {
        if (rank == StatusRank(4) && !m_bShowObsolete) continue;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const DocumentItem& item = *items[i];
            if (StatusRank(item.m_nStatus) != rank) continue;
            const int image = validStatus(item.m_nStatus) ? item.m_nStatus : 0;
            m_wndDocuments.InsertItem(row, item.m_title.c_str());
            setRowPicture(m_wndDocuments, row, m_images.GetPixmap(image));
            m_wndDocuments.SetItemText(row, 1, StatusText(item.m_nStatus));
            m_wndDocuments.SetItemText(row, 2, FormatText(item.m_nFormat));
            m_wndDocuments.SetItemText(row, 3, item.m_language.c_str());
            m_wndDocuments.SetItemData(row, i);
            ++row;
        }
    }
}

void DocumentMessageDlg::ClearDocument() {
    m_nShown = -1;
    if (m_wndText.GetSafeHwnd()) m_wndText.Clear();
    if (m_wndLinks.GetSafeHwnd()) m_wndLinks.DeleteAllItems();
}

void DocumentMessageDlg::OnDocumentChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const auto* change = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if (IsDownloading() || !(change->uNewState & LVIS_SELECTED)) return;
    const int row = m_wndDocuments.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) return;
    ShowDocument(static_cast<int>(m_wndDocuments.GetItemData(row)));
}

void DocumentMessageDlg::ShowDocument(int index) {
    if (!m_pManager || index < 0 || index >= static_cast<int>(m_pManager->m_items.size()) || index == m_nShown)
        return;
    const DocumentItem& item = *m_pManager->m_items[static_cast<std::size_t>(index)];
    const std::filesystem::path path = m_pManager->LocalPathOf(item);
    std::string bytes;
    bool read = !path.empty();
    if (read) {
        try {
            const std::vector<std::uint8_t> data = fileio::readFile(path);
            bytes.assign(data.begin(), data.end());
        } catch (const CException&) {
            read = false;
        }
    }
    if (!read) {
        // Nothing of the document shown before stays under another title.
        ClearDocument();
        char text[4200];
        std::snprintf(text, sizeof text, "Can't open '%s' file", path.string().c_str());
        MessageBox(text, "Error", MB_OK | MB_ICONSTOP);
        return;
    }
    QTextDocument* document = m_wndText.GetDocument();
    if (item.m_nFormat == 2 && document && ARtfReader::Read(bytes, *document)) {
        // Read into the control's document.
    } else if (item.m_nFormat == 3) {
        m_wndText.SetHtml(decodeText(bytes));
    } else {
        m_wndText.SetPlainText(decodeText(bytes));
    }
    m_wndLinks.DeleteAllItems();
    for (std::size_t i = 0; i < item.m_links.size(); ++i) {
        const int row = static_cast<int>(i);
        m_wndLinks.InsertItem(row, item.m_links[i].first.c_str());
        m_wndLinks.SetItemText(row, 1, item.m_links[i].second.c_str());
        m_wndLinks.SetItemData(row, i);
    }
    m_nShown = index;
}

void DocumentMessageDlg::OnCopy() {
    if (m_nShown < 0 || !m_pManager) return;
    const DocumentItem& item = *m_pManager->m_items[static_cast<std::size_t>(m_nShown)];
    QByteArray rtf;
    if (item.m_nFormat == 2) {
        try {
            const std::vector<std::uint8_t> data = fileio::readFile(m_pManager->LocalPathOf(item));
            rtf = QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
        } catch (const CException&) {
        }
    }
    const QString text = m_wndText.GetPlainText();
    if (rtf.isEmpty()) rtf = ARtfReader::FromPlainText(text);
    auto* mime = new QMimeData;
    mime->setData("text/rtf", rtf);
    if (QTextDocument* document = m_wndText.GetDocument()) mime->setHtml(document->toHtml());
    mime->setText(text);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(mime);
    else
        delete mime;
    if (profileInt("DontShowCopyComment", 0) != 1) {
        CDlgCopyComment comment(this);
        comment.DoModal();
    }
}

void DocumentMessageDlg::OnOpenLink() {
    const int row = m_wndLinks.GetNextItem(-1, LVNI_SELECTED);
    const CString url = row >= 0 ? m_wndLinks.GetItemText(row, 1) : CString();
    if (row < 0 || url.empty() || url.size() > kMaxLinkLength) {
        MessageBox("Please, select an URL link on the left!", "Warning", MB_OK | MB_ICONSTOP);
        return;
    }
    AHyperLink link(url.c_str());
    link.Navigate(SW_SHOW);
}

void DocumentMessageDlg::OnDownload() {
    if (!m_pManager || IsDownloading()) return;
    SetBusy(true);
    m_pWorker = std::make_unique<CWinThread>(downloadProc, new DownloadJob{GetSafeHwnd(), m_pManager});
    m_pWorker->m_bAutoDelete = FALSE;
    m_pWorker->CreateThread();
}

LRESULT DocumentMessageDlg::OnDownloadDone(WPARAM wParam, LPARAM) {
    if (!m_pWorker) return 0;
    m_pWorker->WaitForExit();
    m_pWorker.reset();
    SetBusy(false);
    if (!wParam) {
        MessageBox("The download failed!\nMost probably, you are not connected to the internet.", "Warning",
                   MB_OK | MB_ICONSTOP);
        return 0;
    }
    FillDocumentList();
    return 0;
}

void DocumentMessageDlg::SetBusy(bool busy) {
    for (UINT id : {IDC_MESSAGE_DOCUMENTS, IDC_MESSAGE_DOWNLOAD, IDC_MESSAGE_LINKS, IDC_MESSAGE_OPEN_LINK,
                    IDC_MESSAGE_COPY, IDC_MESSAGE_SHOW_OBSOLETE, IDC_MESSAGE_NO_AUTO_DOWNLOAD})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(!busy);
    if (busy != m_bWaitCursor) {
        m_bWaitCursor = busy;
        AfxDoWaitCursor(busy ? 1 : -1);
    }
}

void DocumentMessageDlg::StopDownload() {
    if (!m_pWorker) return;
    if (m_pManager) m_pManager->Abort(true);
    m_pWorker->WaitForExit();
    m_pWorker.reset();
    if (m_pManager) m_pManager->Abort(false);
    if (m_bWaitCursor) {
        m_bWaitCursor = false;
        AfxDoWaitCursor(-1);
    }
}

void DocumentMessageDlg::OnShowObsolete() {
    UpdateData(TRUE);
    FillDocumentList();
}

void DocumentMessageDlg::OnNoAutoDownload() {
    UpdateData(TRUE);
    if (m_pManager) m_pManager->SetAutoDownload(!m_bNoAutoDownload);
}

void DocumentMessageDlg::Close() {
    StopDownload();
    UpdateData(TRUE);
    writeProfileInt("ShowObsolete", m_bShowObsolete);
    // The switch is kept at once: the caller holds the lock.
    if (m_pManager) m_pManager->SaveIfModified();
}

void DocumentMessageDlg::OnOK() {
    Close();
    EndDialog(IDOK);
}

void DocumentMessageDlg::OnCancel() {
    Close();
    EndDialog(IDCANCEL);
}

// --- the copy comment ----------------------------------------------------------------------------

CDlgCopyComment::CDlgCopyComment(CWnd* pParent) : CDialog(IDD_COPY_COMMENT, pParent) {
    ensureResources();
    m_bDontShow = profileInt("DontShowCopyComment", 0);
}

void CDlgCopyComment::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_COPY_COMMENT_DONT_SHOW, m_bDontShow);
}

void CDlgCopyComment::OnOK() {
    CDialog::OnOK();
    writeProfileInt("DontShowCopyComment", m_bDontShow);
}
