#pragma once
// One print job of a view: the page range, the page being printed and whether
// printing goes on, the print dialog that chose the printer, and whether the
// job is a preview. CPrintDialog chooses the printer (or a PDF file) through the
// prompt service; the program keeps one printer's settings for all its jobs.
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"
#include "platform/ui/WinUi.h"

#include <memory>
#include <vector>

class CDC;
class CWnd;
class QPrinter;

// Flags of the print dialog.
inline constexpr DWORD PD_NOSELECTION = 0x00000004;
inline constexpr DWORD PD_USEDEVMODECOPIES = 0x00040000;

class CPrintDialog {
public:
    // With bPrintSetupOnly the dialog only sets the printer up.
    explicit CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    // Print information owns its dialog through this base.
    virtual ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDOK when the user chose, IDCANCEL otherwise.
    INT_PTR DoModal();
    // Before the dialog shows: a derived dialog hides controls here. TRUE.
    virtual BOOL OnInitDialog();
    // The control of the common print dialog is hidden and disabled when it shows.
    void HideControl(int nID);
    const std::vector<int>& GetHiddenControls() const { return m_hiddenControls; }
    // The dialog whose DoModal is running (the prompt service asks it what to hide); null otherwise.
    static const CPrintDialog* Showing();
    // The printer of the program, set up by the last dialog.
    QPrinter* GetPrinter() const;
    // A printer context on it, owned by the caller.
    CDC* CreatePrinterDC() const;
    int GetFromPage() const { return static_cast<int>(m_pd.nFromPage); }
    int GetToPage() const { return static_cast<int>(m_pd.nToPage); }
    BOOL PrintAll() const { return !m_range; }
    BOOL PrintRange() const { return m_range; }
    BOOL IsSetupOnly() const { return m_setupOnly; }

    // The printer every job of the program uses.
    static QPrinter& ProgramPrinter();

    struct {
        UINT nMinPage = 1;
        UINT nMaxPage = 0xFFFF;
        UINT nFromPage = 1;
        UINT nToPage = 0xFFFF;
        DWORD Flags = 0;
    } m_pd;

private:
    BOOL m_setupOnly;
    BOOL m_range = FALSE;
    std::vector<int> m_hiddenControls;
};

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT page) { m_pPD->m_pd.nMinPage = page; }
    void SetMaxPage(UINT page) { m_pPD->m_pd.nMaxPage = page; }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range asked for, within the pages there are.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    std::unique_ptr<CPrintDialog> m_pPD;
    BOOL m_bDirect = FALSE;
    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CString m_strPageDesc;
    // The printable area of the page in logical units, set before each OnPrint.
    CRect m_rectDraw;
};
