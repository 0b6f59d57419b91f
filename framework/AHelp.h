#pragma once
// The help dispatcher of the process. Help is our own HTML, one page per context
// id, in the folder Help/<help file name without extension>/ beside the help
// file; contexts.map in that folder maps context ids to pages ("<id> <page>"
// per line) and index.html is the start page. Both help types show the same
// pages; the type only decides the help file's extension, and the choice is
// stored under "Help". Pages open in one help window, owned by the main window
// in presentation mode 1.
#include "platform/core/CString.h"
#include "platform/ui/DlgUi.h"

class QTextBrowser;

class AHelp {
public:
    static constexpr const char* REGKEY = "Help";
    static constexpr const char* HelpType = "HelpType";
    static constexpr const char* PresentationMode = "PresentationMode";

    // The singleton, made and initialised from the settings on first use.
    static AHelp* Instance();
    static void Release();

    virtual ~AHelp();

    int GetHelpType() const { return m_nHelpType; }
    int GetPresentationMode() const { return m_nPresentationMode; }
    // 0: ".hlp", 1: ".chm"; the application's help file path takes the extension.
    void SetHelpType(int type);
    // 0: help windows without owner; 1: owned by the main window (when there is one).
    void SetPresentationMode(int mode);
    BOOL WinHelp(DWORD data, UINT command);
    // Help on single controls is not offered: swallowed.
    BOOL TextPopup(HWND control, const DWORD* ids);
    // Our help viewer is always there.
    static BOOL IsHTMLHelpAvailable();

    // The help window; null until a page was shown.
    QTextBrowser* GetViewer() const;
    // The page file shown last; empty when none.
    const CString& GetShownPage() const { return m_strShownPage; }
    // The page file of a context id, found through the folder's map; empty when there is none.
    CString PageOf(DWORD contextId) const;
    // The folder of the pages for the application's help file.
    CString HelpFolder() const;

private:
    AHelp();
    void ShowPage(const CString& page);

    int m_nHelpType = 0;
    int m_nPresentationMode = 0;
    HWND m_hOwner = nullptr;
    CString m_strShownPage;
    static AHelp* m_instance;
};

// The help file path with its extension replaced by ext (appended when it has none).
CString AfxReplaceExtension(const CString& path, const char* ext);
