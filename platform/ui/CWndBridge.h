#pragma once
// The Qt side of a window, shared by the files of CWnd: the object that filters
// the events of the window's widgets, receives the messages posted to it and
// runs its timers, and the marker that tells the window when Qt starts deleting
// one of its widgets. Not for use outside the window's own files.
#include "platform/ui/CWnd.h"

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <vector>

QEvent::Type AfxMessageEventType();

class CMessageEvent : public QEvent {
public:
    CMessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(AfxMessageEventType()), m_message(message), m_wParam(wParam), m_lParam(lParam) {}
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

class CWndBridge : public QObject {
public:
    explicit CWndBridge(CWnd* owner) : m_pOwner(owner) {}
    // Null once the window let the bridge go: it is deaf from then on.
    CWnd* m_pOwner;
    // The markers in the window's widgets.
    std::vector<QPointer<QObject>> m_sentinels;

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

protected:
    void timerEvent(QTimerEvent* event) override;
};

// A child object of a window's widget. Qt deletes a widget's children before the
// widget is gone; the first marker to go tells the window, whose teardown then
// runs while its child windows are still whole.
class CWndSentinel : public QObject {
public:
    CWndSentinel(QObject* parent, HWND hWnd) : QObject(parent), m_hWnd(hWnd) {}
    ~CWndSentinel() override;

private:
    HWND m_hWnd;
};

// The window of the handle no longer holds the capture (it is dying); the
// mouse grab is released only when its widget is still whole.
void AfxForgetCapture(HWND hWnd, bool releaseGrab);

// The scroll bars of a window: the range each was given (Qt keeps the range
// less the page), and the position the thumb was dragged to.
struct CWndScrollBars {
    struct Bar {
        int nMin = 0;
        int nMax = 0;
        UINT nPage = 0;
        int nTrackPos = 0;
    };
    Bar bars[2];
};

// WM_HSCROLL and WM_VSCROLL carry the SB_ code in the low word of wParam and
// the 32-bit position above it (its low 16 bits are the classic high word).
inline WPARAM AfxScrollParam(UINT nSBCode, int nPos) {
    return static_cast<WPARAM>(nSBCode & 0xFFFF) |
           (static_cast<WPARAM>(static_cast<std::uint32_t>(nPos)) << 16);
}
inline UINT AfxScrollPosOf(WPARAM wParam) {
    return static_cast<UINT>((static_cast<std::uint64_t>(wParam) >> 16) & 0xFFFFFFFFu);
}

// The registry's handle property on the widgets of a window.
extern const char* const kAfxHandleProperty;
HWND AfxHandleOfWidget(const QObject* widget);
