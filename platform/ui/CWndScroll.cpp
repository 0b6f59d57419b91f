// The scroll bars of a window. The user's clicks and drags arrive as
// WM_HSCROLL/WM_VSCROLL with the SB_ codes; where the bar stands is the
// window's decision (SetScrollPos, SetScrollInfo), as on the platform: a click on
// an arrow moves the thumb only when the handler moves it.
#include "platform/ui/CWnd.h"

#include "platform/ui/CWndBridge.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace {

UINT codeOfAction(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return SB_ENDSCROLL;
    }
}

int barIndex(int nBar) {
    return nBar == SB_VERT ? 1 : 0;
}

} // namespace

QScrollBar* CWnd::GetQtScrollBar(int nBar) const {
    auto* area = qobject_cast<QAbstractScrollArea*>(m_pWidget);
    if (!area || !m_pScrollBars) return nullptr;
    if (nBar == SB_HORZ) return area->horizontalScrollBar();
    if (nBar == SB_VERT) return area->verticalScrollBar();
    return nullptr;
}

void CWnd::CreateScrollBars() {
    auto* area = qobject_cast<QAbstractScrollArea*>(m_pWidget);
    if (!area) return;
    m_pScrollBars = std::make_unique<CWndScrollBars>();
    const HWND self = m_hWnd;
    for (int nBar : {SB_HORZ, SB_VERT}) {
        QScrollBar* bar = nBar == SB_HORZ ? area->horizontalScrollBar() : area->verticalScrollBar();
        const UINT message = nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
        // The position changes only when the window says so.
        bar->setTracking(false);
        QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [self, bar, message](int action) {
            CWnd* wnd = FromHandle(self);
            const UINT code = codeOfAction(action);
            if (!wnd || !wnd->m_pScrollBars || code == SB_ENDSCROLL || code == SB_THUMBTRACK) return;
            wnd->SendMessage(message, AfxScrollParam(code, bar->value()), 0);
            // Qt moves the bar by the action when the slot returns; it stays where
            // the handler put it instead.
            if (::IsWindow(self)) bar->setSliderPosition(bar->value());
        });
        // The thumb follows a drag; the window hears where it is.
        QObject::connect(bar, &QAbstractSlider::sliderMoved, bar, [self, message, nBar](int pos) {
            CWnd* wnd = FromHandle(self);
            if (!wnd || !wnd->m_pScrollBars) return;
            wnd->m_pScrollBars->bars[barIndex(nBar)].nTrackPos = pos;
            wnd->SendMessage(message, AfxScrollParam(SB_THUMBTRACK, pos), 0);
        });
        QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [self, bar, message, nBar]() {
            CWnd* wnd = FromHandle(self);
            if (!wnd || !wnd->m_pScrollBars) return;
            const int pos = bar->sliderPosition();
            wnd->m_pScrollBars->bars[barIndex(nBar)].nTrackPos = pos;
            wnd->SendMessage(message, AfxScrollParam(SB_THUMBPOSITION, pos), 0);
            if (::IsWindow(self)) wnd->SendMessage(message, AfxScrollParam(SB_ENDSCROLL, 0), 0);
        });
    }
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL) {
    QScrollBar* bar = GetQtScrollBar(nBar);
    if (!bar || !lpScrollInfo) return FALSE;
    CWndScrollBars::Bar& kept = m_pScrollBars->bars[barIndex(nBar)];
    const UINT mask = lpScrollInfo->fMask;
    if (mask & SIF_RANGE) {
        kept.nMin = lpScrollInfo->nMin;
        kept.nMax = std::max(lpScrollInfo->nMin, lpScrollInfo->nMax);
    }
    if (mask & SIF_PAGE) kept.nPage = lpScrollInfo->nPage;
    if (mask & (SIF_RANGE | SIF_PAGE)) {
        // The thumb's last position leaves a page in view.
        const long long span = static_cast<long long>(kept.nMax) - kept.nMin + 1;
        const long long page = std::min<long long>(kept.nPage, span);
        const int limit =
            static_cast<int>(kept.nMin + std::max<long long>(0, span - std::max<long long>(page, 1)));
        bar->setRange(kept.nMin, limit);
        bar->setPageStep(std::max(1, static_cast<int>(std::min<long long>(page, 0x7FFFFFFF))));
    }
    if (mask & SIF_POS) {
        bar->setValue(lpScrollInfo->nPos);
        bar->setSliderPosition(bar->value());
    }
    if (auto* area = qobject_cast<QAbstractScrollArea*>(m_pWidget); area && (mask & SIF_DISABLENOSCROLL)) {
        const auto policy = Qt::ScrollBarAlwaysOn;
        if (nBar == SB_HORZ)
            area->setHorizontalScrollBarPolicy(policy);
        else
            area->setVerticalScrollBarPolicy(policy);
        bar->setEnabled(bar->maximum() > bar->minimum());
    }
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const {
    QScrollBar* bar = GetQtScrollBar(nBar);
    if (!bar || !lpScrollInfo) return FALSE;
    const CWndScrollBars::Bar& kept = m_pScrollBars->bars[barIndex(nBar)];
    const UINT mask = lpScrollInfo->fMask ? lpScrollInfo->fMask : nMask;
    if (mask & SIF_RANGE) {
        lpScrollInfo->nMin = kept.nMin;
        lpScrollInfo->nMax = kept.nMax;
    }
    if (mask & SIF_PAGE) lpScrollInfo->nPage = kept.nPage;
    if (mask & SIF_POS) lpScrollInfo->nPos = bar->value();
    if (mask & SIF_TRACKPOS)
        lpScrollInfo->nTrackPos = bar->isSliderDown() ? bar->sliderPosition() : kept.nTrackPos;
    return TRUE;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
    const int previous = GetScrollPos(nBar);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = nPos;
    SetScrollInfo(nBar, &info, bRedraw);
    return previous;
}

int CWnd::GetScrollPos(int nBar) const {
    QScrollBar* bar = GetQtScrollBar(nBar);
    return bar ? bar->value() : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = nMinPos;
    info.nMax = nMaxPos;
    SetScrollInfo(nBar, &info, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(nBar, &info);
    if (lpMinPos) *lpMinPos = info.nMin;
    if (lpMaxPos) *lpMaxPos = info.nMax;
}

int CWnd::GetScrollLimit(int nBar) const {
    QScrollBar* bar = GetQtScrollBar(nBar);
    return bar ? bar->maximum() : 0;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
    auto* area = qobject_cast<QAbstractScrollArea*>(m_pWidget);
    if (!area || !m_pScrollBars) return;
    const auto policy = bShow ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (nBar == static_cast<UINT>(SB_HORZ) || nBar == static_cast<UINT>(SB_BOTH))
        area->setHorizontalScrollBarPolicy(policy);
    if (nBar == static_cast<UINT>(SB_VERT) || nBar == static_cast<UINT>(SB_BOTH))
        area->setVerticalScrollBarPolicy(policy);
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable) {
    ShowScrollBar(static_cast<UINT>(nBar), bEnable);
}
