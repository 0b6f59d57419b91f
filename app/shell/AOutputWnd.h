#pragma once
// The docking output window: two read-only text panes in tabs, "Messages" for
// the short report of a load or solve step and "Log" for the calculation log.
// It only shows files that others write.
#include "controls/AMessageEdit.h"
#include "framework/ABaseOutputWnd.h"

#include <cstddef>

class SECTabWnd;

class AOutputMessageView : public AMessageEdit {
    DECLARE_DYNAMIC(AOutputMessageView)
};

class AOutputLogView : public AMessageEdit {
    DECLARE_DYNAMIC(AOutputLogView)
};

class AOutputWnd : public ABaseOutputWnd {
    DECLARE_DYNCREATE(AOutputWnd)
public:
    // Child ids.
    static constexpr UINT kTabWndId = 0xE900;
    static constexpr UINT kMessageViewId = 110;
    static constexpr UINT kLogViewId = 111;
    // Files above this size show only their tail: a view must not freeze on a long log.
    static constexpr std::size_t kLargestShownText = 8u * 1024u * 1024u;

    AOutputWnd();
    ~AOutputWnd() override;

    // Empties both views.
    void ClearOutput() override;
    // Loads the file into the log view; neither shows the bar nor switches the tab.
    void ShowLog(const CString& path);
    // Loads the file into the message view, shows the bar and brings "Messages" to the front.
    void ShowMessages(const CString& path);
    // As ShowMessages with the text itself: used when the report file could not be written,
    // so that the tab never shows an earlier run's report as this one's.
    void ShowMessageText(const CString& text);
    // Shows or hides the bar through the main window; nothing when it already is so.
    void ShowBar(BOOL bShow);

    SECTabWnd* GetTabWnd() const { return m_pTabWnd; }
    AOutputMessageView& GetMessageView() { return m_wndMessageView; }
    AOutputLogView& GetLogView() { return m_wndLogView; }

    // The file's text as the views show it: UTF-8 when the bytes are UTF-8, else
    // Windows-1252; CR LF as line breaks; above kLargestShownText the tail after a
    // line that says so. False when the file cannot be read.
    static bool ReadViewText(const CString& path, CString& text);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;

protected:
    // Replaces the view's text with the file's; an unreadable file puts a line saying so
    // in its place rather than leaving the former text.
    void LoadFile(AMessageEdit& view, const CString& path);
    void BringMessagesToFront();

    AOutputMessageView m_wndMessageView;
    AOutputLogView m_wndLogView;
    SECTabWnd* m_pTabWnd = nullptr; // a child window: dies with the bar
};
