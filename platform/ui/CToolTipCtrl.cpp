#include "platform/ui/CToolTipCtrl.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPalette>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

struct CToolTipCtrl::Tool {
    CWnd* wnd = nullptr;
    QPointer<QWidget> widget;
    UINT_PTR id = 0;
    bool hasRect = false;
    CRect rect;
    bool callback = true;
    std::string text;
};

// Routes the help events of the tools' windows to the control.
class CToolTipCtrl::Watcher : public QObject {
public:
    explicit Watcher(CToolTipCtrl& control) : m_control(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* help = static_cast<QHelpEvent*>(event);
        return m_control.onHelp(qobject_cast<QWidget*>(watched), help->pos(), help->globalPos());
    }

private:
    CToolTipCtrl& m_control;
};

CToolTipCtrl::CToolTipCtrl() : m_watcher(std::make_unique<Watcher>(*this)) {}

void CToolTipCtrl::hide() {
    if (m_shownTool) QToolTip::hideText();
    m_shownOn = nullptr;
    m_shownTool = nullptr;
    m_shownText.clear();
}

CToolTipCtrl::~CToolTipCtrl() {
    hide();
    for (const auto& tool : m_tools)
        if (tool->widget) tool->widget->removeEventFilter(m_watcher.get());
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    m_pParent = pParentWnd;
    m_style = dwStyle;
    return TRUE;
}

CToolTipCtrl::Tool* CToolTipCtrl::find(CWnd* pWnd, UINT_PTR nIDTool) {
    for (const auto& tool : m_tools)
        if (tool->wnd == pWnd && tool->id == nIDTool) return tool.get();
    return nullptr;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (!pWnd || !pWnd->GetInputWidget()) return FALSE;
    DelTool(pWnd, nIDTool);
    auto tool = std::make_unique<Tool>();
    tool->wnd = pWnd;
    tool->widget = pWnd->GetInputWidget();
    tool->id = nIDTool;
    if (lpRectTool) {
        tool->hasRect = true;
        tool->rect = *lpRectTool;
    }
    tool->callback = lpszText == LPSTR_TEXTCALLBACK;
    if (!tool->callback && lpszText) tool->text = lpszText;
    tool->widget->installEventFilter(m_watcher.get());
    m_tools.push_back(std::move(tool));
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    auto it = std::find_if(m_tools.begin(), m_tools.end(),
                           [&](const auto& t) { return t->wnd == pWnd && t->id == nIDTool; });
    if (it == m_tools.end()) return;
    if (m_shownTool == it->get()) hide();
    QWidget* widget = (*it)->widget;
    m_tools.erase(it);
    const bool watched =
        std::any_of(m_tools.begin(), m_tools.end(), [&](const auto& t) { return t->widget == widget; });
    if (widget && !watched) widget->removeEventFilter(m_watcher.get());
}

void CToolTipCtrl::UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    Tool* tool = find(pWnd, nIDTool);
    if (!tool) return;
    tool->callback = lpszText == LPSTR_TEXTCALLBACK;
    tool->text = (!tool->callback && lpszText) ? lpszText : "";
    if (m_shownTool == tool && !tool->callback) {
        if (tool->text.empty()) {
            hide();
        } else {
            m_shownText = tool->text;
            QToolTip::showText(QCursor::pos(), QString::fromUtf8(tool->text), tool->widget);
        }
    }
}

void CToolTipCtrl::Activate(BOOL bActivate) {
    m_active = bActivate != FALSE;
    if (!m_active) hide();
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth) {
    return std::exchange(m_maxWidth, iWidth);
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
    switch (dwDuration) {
    case TTDT_AUTOPOP:
        m_autoPop = iTime;
        break;
    case TTDT_INITIAL:
        m_initial = iTime;
        break;
    case TTDT_RESHOW:
        m_reshow = iTime;
        break;
    default: // automatic: Qt's own delays
        m_autoPop = m_initial = m_reshow = -1;
        break;
    }
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const {
    switch (dwDuration) {
    case TTDT_AUTOPOP:
        return m_autoPop;
    case TTDT_INITIAL:
        return m_initial;
    case TTDT_RESHOW:
        return m_reshow;
    default:
        return -1;
    }
}

void CToolTipCtrl::SetTipTextColor(COLORREF clr) {
    m_textColor = clr;
    if (m_shownOn) {
        QPalette palette = QToolTip::palette();
        palette.setColor(QPalette::ToolTipText, QColor(GetRValue(clr), GetGValue(clr), GetBValue(clr)));
        QToolTip::setPalette(palette);
    }
}

std::string CToolTipCtrl::GetShownText() const {
    return m_shownOn ? m_shownText : std::string();
}

std::string CToolTipCtrl::textOf(Tool& tool) {
    if (!tool.callback) return tool.text;
    TOOLTIPTEXT record;
    record.hdr.hwndFrom = GetSafeHwnd();
    record.hdr.idFrom = tool.id;
    record.hdr.code = TTN_NEEDTEXT;
    record.uFlags = tool.id ? 0 : TTF_IDISHWND;
    tool.wnd->SendMessage(WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
    if (record.lpszText && record.lpszText != LPSTR_TEXTCALLBACK) return record.lpszText;
    return std::string(record.szText, strnlen(record.szText, sizeof record.szText));
}

bool CToolTipCtrl::showTip(Tool& tool, const QPoint& global) {
    // The window's handler may set the tip's colour while it is asked for the text.
    const std::string text = textOf(tool);
    if (text.empty()) {
        hide();
        return true;
    }
    QPalette palette = QToolTip::palette();
    const COLORREF c = m_textColor;
    palette.setColor(QPalette::ToolTipText, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    QToolTip::setPalette(palette);
    QRect area;
    if (tool.hasRect) area = QRect(tool.rect.left, tool.rect.top, tool.rect.Width(), tool.rect.Height());
    QToolTip::showText(global, QString::fromUtf8(text), tool.widget, area, m_autoPop);
    m_shownOn = tool.widget;
    m_shownTool = &tool;
    m_shownText = text;
    return true;
}

bool CToolTipCtrl::onHelp(QWidget* widget, const QPoint& client, const QPoint& global) {
    if (!widget) return false;
    if (!m_active) return true; // no tip, and none of the widget's own either
    // A rectangle of the window before the whole window.
    Tool* whole = nullptr;
    for (const auto& tool : m_tools) {
        if (tool->widget != widget) continue;
        if (!tool->hasRect) {
            if (!whole) whole = tool.get();
            continue;
        }
        if (QRect(tool->rect.left, tool->rect.top, tool->rect.Width(), tool->rect.Height()).contains(client))
            return showTip(*tool, global);
    }
    return whole ? showTip(*whole, global) : false;
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
    if (!lpMsg || !m_shownTool || !m_shownOn) return;
    switch (lpMsg->message) {
    case WM_MOUSEMOVE:
        if (m_active) {
            const QPoint client(GET_X_LPARAM(lpMsg->lParam), GET_Y_LPARAM(lpMsg->lParam));
            showTip(*m_shownTool, m_shownOn->mapToGlobal(client));
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        hide();
        break;
    default:
        break;
    }
}
