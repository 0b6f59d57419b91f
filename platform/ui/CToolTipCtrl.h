#pragma once
// Tips of windows on Qt's tool tips. A window registers itself (or a rectangle
// of itself) as a tool with a fixed text or with LPSTR_TEXTCALLBACK; when the
// mouse rests over the tool, a tool with a callback is asked for the text by a
// WM_NOTIFY record TTN_NEEDTEXT, so that the text fits the point under the
// cursor, and the text shows as Qt's tool tip:
//
//   m_tip.Create(this, TTS_ALWAYSTIP);
//   m_tip.AddTool(this, LPSTR_TEXTCALLBACK);
//   ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &AView::OnToolTipText)   // BOOL (UINT, NMHDR*, LRESULT*)
//
// The control is no window of its own: it watches its tools' windows.
#include "platform/core/COLORREF.h"
#include "platform/ui/CWnd.h"

#include <memory>
#include <string>
#include <vector>

class QPoint;

// Styles, notification, flags and delays of tool tips.
constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;
constexpr UINT TTN_GETDISPINFO = static_cast<UINT>(-520);
constexpr UINT TTN_NEEDTEXT = TTN_GETDISPINFO;
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr DWORD TTDT_AUTOMATIC = 0;
constexpr DWORD TTDT_RESHOW = 1;
constexpr DWORD TTDT_AUTOPOP = 2;
constexpr DWORD TTDT_INITIAL = 3;
// The text of a tool that asks its window each time.
inline char* const LPSTR_TEXTCALLBACK = reinterpret_cast<char*>(static_cast<std::intptr_t>(-1));

// The record of TTN_NEEDTEXT: the window answers with a text of up to 79 bytes
// (UTF-8) in szText, or points lpszText at a longer one that outlives the call.
// idFrom is the tool's id: 0 for a tool that is the whole window (uFlags then
// has TTF_IDISHWND), so that ON_NOTIFY_EX(TTN_NEEDTEXT, 0, ...) takes it.
struct TOOLTIPTEXT {
    NMHDR hdr;
    char* lpszText = nullptr;
    char szText[80] = {};
    UINT uFlags = 0;
    LPARAM lParam = 0;
};
using LPTOOLTIPTEXT = TOOLTIPTEXT*;

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    // Gets the control ready for the tools of pParentWnd's family.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // A tool: all of pWnd (nIDTool 0) or the rectangle lpRectTool of it (client
    // pixels) under its own id; its text fixed or LPSTR_TEXTCALLBACK.
    BOOL AddTool(CWnd* pWnd, const char* lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const { return static_cast<int>(m_tools.size()); }
    void UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    // Shows the tips (TRUE) or hides them and shows none until activated again.
    void Activate(BOOL bActivate);
    BOOL IsActive() const { return m_active; }
    // A message of a tool's window: a mouse move over a tip that shows asks for
    // its text again; a button takes the tip away.
    void RelayEvent(LPMSG lpMsg);
    int SetMaxTipWidth(int iWidth);
    int GetMaxTipWidth() const { return m_maxWidth; }
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    void SetTipTextColor(COLORREF clr);
    COLORREF GetTipTextColor() const { return m_textColor; }

    // The text of the tip this control shows now (empty when it shows none).
    std::string GetShownText() const;

private:
    struct Tool;
    class Watcher;
    Tool* find(CWnd* pWnd, UINT_PTR nIDTool);
    // Shows the tool's tip at a point of the screen (none for an empty text).
    bool showTip(Tool& tool, const QPoint& global);
    bool onHelp(QWidget* widget, const QPoint& client, const QPoint& global);
    std::string textOf(Tool& tool);
    // Takes the tip away (Qt fades it out).
    void hide();

    std::vector<std::unique_ptr<Tool>> m_tools;
    std::unique_ptr<Watcher> m_watcher;
    CWnd* m_pParent = nullptr;
    DWORD m_style = 0;
    bool m_active = true;
    int m_maxWidth = -1;
    int m_autoPop = -1; // milliseconds; -1: Qt's own
    int m_initial = -1;
    int m_reshow = -1;
    COLORREF m_textColor = RGB(0, 0, 0);
    QWidget* m_shownOn = nullptr;
    Tool* m_shownTool = nullptr;
    std::string m_shownText;
};
