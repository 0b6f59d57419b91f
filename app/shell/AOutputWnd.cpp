#include "app/shell/AOutputWnd.h"

#include "platform/core/CodePage.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/SECTabWnd.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <fstream>
#include <string>

// The message edit keeps no run-time class of its own: the views name the edit as their base.
IMPLEMENT_DYNAMIC(AOutputMessageView, CEdit)
IMPLEMENT_DYNAMIC(AOutputLogView, CEdit)
IMPLEMENT_DYNCREATE(AOutputWnd, ABaseOutputWnd)

namespace {

// Multi-line, both automatic scrolls, read-only, want-return.
constexpr DWORD kViewStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                             ES_READONLY | ES_WANTRETURN;

// A monospaced face at 10 points, as the reports are laid out in columns. The
// families are named one by one: the system's fixed font may be one whose
// metrics claim proportional widths, and a family missing here falls to the next.
QFont viewFont() {
    QFont font;
    font.setFamilies({"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "Noto Mono", "Courier New",
                      "monospace"});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}

void setViewText(AMessageEdit& view, const CString& text) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(view.GetWidget())) edit->setPlainText(QString::fromUtf8(text.c_str()));
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(from, start)) != std::string::npos; start = found + from.size()) {
        out.append(text, start, found - start);
        out.append(to);
    }
    out.append(text, start, std::string::npos);
    text.swap(out);
}

} // namespace

AOutputWnd::AOutputWnd() = default;

AOutputWnd::~AOutputWnd() = default;

int AOutputWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (ABaseOutputWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_pTabWnd = new SECTabWnd;
    if (!m_pTabWnd->Create(this, WS_CHILD | WS_VISIBLE, kTabWndId)) {
        delete m_pTabWnd;
        m_pTabWnd = nullptr;
        return -1;
    }
    SetChild(m_pTabWnd);
    const QFont font = viewFont();
    const struct {
        AMessageEdit* view;
        UINT id;
        const char* label;
    } panes[] = {{&m_wndMessageView, kMessageViewId, "Messages"}, {&m_wndLogView, kLogViewId, "Log"}};
    for (const auto& pane : panes) {
        if (!pane.view->Create(nullptr, nullptr, kViewStyle, CRect(0, 0, 0, 0), m_pTabWnd, pane.id)) return -1;
        if (auto* edit = qobject_cast<QPlainTextEdit*>(pane.view->GetWidget())) {
            edit->setFont(font);
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        }
        m_pTabWnd->AddTab(pane.view, pane.label);
    }
    m_pTabWnd->ActivateTab(0);
    m_pTabWnd->ScrollToTab(0);
    return 0;
}

void AOutputWnd::ClearOutput() {
    m_wndMessageView.Clear();
    m_wndLogView.Clear();
}

bool AOutputWnd::ReadViewText(const CString& path, CString& text) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    const std::streamoff length = file.tellg();
    if (length < 0) return false;
    const auto size = static_cast<std::size_t>(length);
    const std::size_t shown = size > kLargestShownText ? kLargestShownText : size;
    std::string bytes(shown, '\0');
    file.seekg(static_cast<std::streamoff>(size - shown));
    file.read(bytes.data(), static_cast<std::streamsize>(shown));
    if (file.bad()) return false;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    std::string head;
    if (shown < size) {
        // The tail starts at a whole line, so that no character is cut in two.
        if (const std::size_t lineEnd = bytes.find('\n'); lineEnd != std::string::npos) bytes.erase(0, lineEnd + 1);
        head = "... the beginning was cut; the whole text is in " + path + "\n";
    }
    if (!codepage::isValidUtf8(bytes)) bytes = codepage::toUtf8(bytes);
    replaceAll(bytes, "\r\n", "\n");
    text = head + bytes;
    return true;
}

void AOutputWnd::LoadFile(AMessageEdit& view, const CString& path) {
    CString text;
    if (!ReadViewText(path, text)) text = "The file " + path + " could not be read.";
    setViewText(view, text);
}

void AOutputWnd::ShowLog(const CString& path) {
    LoadFile(m_wndLogView, path);
}

void AOutputWnd::ShowMessages(const CString& path) {
    LoadFile(m_wndMessageView, path);
    BringMessagesToFront();
}

void AOutputWnd::ShowMessageText(const CString& text) {
    CString shown = text;
    replaceAll(shown, "\r\n", "\n");
    setViewText(m_wndMessageView, shown);
    BringMessagesToFront();
}

void AOutputWnd::BringMessagesToFront() {
    ShowBar(TRUE);
    if (!m_pTabWnd) return;
    m_pTabWnd->ActivateTab(0);
    m_pTabWnd->ScrollToTab(0);
}

void AOutputWnd::ShowBar(BOOL bShow) {
    if (!IsWindow()) return;
    const bool visible = IsVisible() != FALSE;
    if (visible == (bShow != FALSE)) return;
    CFrameWnd* frame = GetDockingFrame();
    if (!frame) frame = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(AfxGetMainWnd());
    if (frame) frame->ShowControlBar(this, bShow, FALSE);
}
