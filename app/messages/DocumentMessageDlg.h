#pragma once
// The message viewer: the documents of the message manager, the selected one
// shown with its links, a link opened in the web browser, the shown document
// copied to the clipboard, new documents downloaded on request, and the
// switches of automatic download and of showing obsolete documents.
//
// The viewer runs while its caller holds the manager's lock. A download on
// request runs on a worker thread while the viewer shows that it is busy; its
// result comes back as a message to the viewer's window and is dropped when the
// viewer has gone. Closing gives up a running download and waits for it.
#include "app/dialogs/CButtonST.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CImageList.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CRichEditCtrl.h"

#include <memory>

class CWinThread;
class DocumentItem;
class DocumentItemManager;
struct NMHDR;

class DocumentMessageDlg : public CDialog {
    DECLARE_DYNAMIC(DocumentMessageDlg)
public:
    // The message the download worker posts: wParam 1 when the update succeeded.
    static constexpr UINT WM_DOWNLOAD_DONE = WM_USER + 0x51;
    // Links longer than this are refused.
    static constexpr std::size_t kMaxLinkLength = 2048;

    explicit DocumentMessageDlg(CWnd* pParent = nullptr);
    ~DocumentMessageDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The texts of a status and of a format; values outside the tables are "Error".
    static const char* StatusText(int status);
    static const char* FormatText(int format);
    // The place of a status in the list's order (new, update, old, obsolete, error).
    static int StatusRank(int status);

    // Refills the documents list and shows no document.
    void FillDocumentList();
    // Shows the document at this index of the manager's list.
    void ShowDocument(int index);
    int GetShownDocument() const { return m_nShown; }
    BOOL IsDownloading() const { return m_pWorker != nullptr; }
    // Gives up a running download and waits until its worker has ended.
    void StopDownload();

    CListCtrl m_wndDocuments;
    CListCtrl m_wndLinks;
    CRichEditCtrl m_wndText;
    CButtonST m_btnDownload;
    CButtonST m_btnOpenLink;
    CImageList m_images;
    int m_bShowObsolete = FALSE;
    int m_bNoAutoDownload = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDocumentChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDownload();
    void OnOpenLink();
    void OnCopy();
    void OnShowObsolete();
    void OnNoAutoDownload();
    LRESULT OnDownloadDone(WPARAM wParam, LPARAM lParam);
    void SetBusy(bool busy);
    void ClearDocument();
    void Close();

    DocumentItemManager* m_pManager = nullptr;
    int m_nShown = -1;
    std::unique_ptr<CWinThread> m_pWorker;
    bool m_bWaitCursor = false;

    DECLARE_MESSAGE_MAP()
};

// The notice after a copy to the clipboard, until the user switches it off.
class CDlgCopyComment : public CDialog {
    DECLARE_DYNAMIC(CDlgCopyComment)
public:
    explicit CDlgCopyComment(CWnd* pParent = nullptr);
    void OnOK() override;

    int m_bDontShow = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()
};
