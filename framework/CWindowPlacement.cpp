#include "framework/CWindowPlacement.h"

#include "platform/core/CArchive.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdio>

CWindowPlacement::CWindowPlacement() {
    length = sizeof(WINDOWPLACEMENT);
}

BOOL CWindowPlacement::IsInitialized() const {
    return flags || showCmd || ptMinPosition.x || ptMinPosition.y || ptMaxPosition.x || ptMaxPosition.y ||
           rcNormalPosition.left || rcNormalPosition.top || rcNormalPosition.right || rcNormalPosition.bottom;
}

BOOL CWindowPlacement::GetProfileWP(const char* section, const char* entry) {
    CWinApp* app = AfxGetApp();
    if (!app) return FALSE;
    const CString text = app->GetProfileString(section, entry, "");
    if (text.empty()) return FALSE;
    int v[10];
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                    &v[6], &v[7], &v[8], &v[9]) != 10)
        return FALSE;
    showCmd = static_cast<UINT>(v[0]);
    flags = static_cast<UINT>(v[1]);
    ptMinPosition = POINT{v[2], v[3]};
    ptMaxPosition = POINT{v[4], v[5]};
    // The stored order puts right before top.
    rcNormalPosition = RECT{v[6], v[8], v[7], v[9]};
    ClampToScreen();
    return TRUE;
}

void CWindowPlacement::ClampToScreen() {
    QSize area(1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry().size();
    const long long w = std::max(1, area.width());
    const long long h = std::max(1, area.height());
    RECT& r = rcNormalPosition;
    // No wider or taller than the screen, and starting no further than one
    // screen away from its origin, so the window can still be reached.
    const long long width = std::clamp<long long>(static_cast<long long>(r.right) - r.left, 0, w);
    const long long height = std::clamp<long long>(static_cast<long long>(r.bottom) - r.top, 0, h);
    const long long left = std::clamp<long long>(r.left, -w, w);
    const long long top = std::clamp<long long>(r.top, -h, h);
    r = RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(left + width),
             static_cast<LONG>(top + height)};
    for (POINT* p : {&ptMinPosition, &ptMaxPosition}) {
        p->x = static_cast<LONG>(std::clamp<long long>(p->x, -w, w));
        p->y = static_cast<LONG>(std::clamp<long long>(p->y, -h, h));
    }
}

BOOL CWindowPlacement::WriteProfileWP(const char* section, const char* entry) const {
    CWinApp* app = AfxGetApp();
    if (!app) return FALSE;
    char text[160];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", static_cast<int>(showCmd),
                  static_cast<int>(flags), ptMinPosition.x, ptMinPosition.y, ptMaxPosition.x, ptMaxPosition.y,
                  rcNormalPosition.left, rcNormalPosition.right, rcNormalPosition.top,
                  rcNormalPosition.bottom);
    return app->WriteProfileString(section, entry, text);
}

void CWindowPlacement::Save(const char* section, const char* entry, CWnd* pWnd) {
    if (!pWnd || !pWnd->GetWindowPlacement(this)) return;
    length = sizeof(WINDOWPLACEMENT);
    WriteProfileWP(section, entry);
}

bool CWindowPlacement::OnPrimaryScreen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QRect s = screen->geometry();
    const RECT& r = rcNormalPosition;
    return r.left < s.width() && r.right > 0 && r.top < s.height() && r.bottom > 0 && r.right > r.left &&
           r.bottom > r.top;
}

BOOL CWindowPlacement::Restore(const char* section, const char* entry, CWnd* pWnd) {
    GetProfileWP(section, entry);
    if (!pWnd || !OnPrimaryScreen()) return FALSE;
    pWnd->SetWindowPlacement(this);
    return TRUE;
}

BOOL CWindowPlacement::RestorePosition(const char* section, const char* entry, CWnd* pWnd) {
    GetProfileWP(section, entry);
    if (!pWnd || !OnPrimaryScreen()) return FALSE;
    pWnd->SetWindowPos(nullptr, rcNormalPosition.left, rcNormalPosition.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CWindowPlacement::PlaceOnFirstStart(CWnd* pWnd) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!pWnd || !screen) return;
    const QRect area = screen->availableGeometry();
    const int width = area.width() * 4 / 5;
    const int height = area.height() * 4 / 5;
    pWnd->MoveWindow(area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2, width,
                     height);
}

CArchive& operator<<(CArchive& ar, const CWindowPlacement& wp) {
    ar << static_cast<std::uint32_t>(wp.length) << static_cast<std::uint32_t>(wp.flags)
       << static_cast<std::uint32_t>(wp.showCmd);
    ar << static_cast<std::int32_t>(wp.ptMinPosition.x) << static_cast<std::int32_t>(wp.ptMinPosition.y);
    ar << static_cast<std::int32_t>(wp.ptMaxPosition.x) << static_cast<std::int32_t>(wp.ptMaxPosition.y);
    ar << static_cast<std::int32_t>(wp.rcNormalPosition.left)
       << static_cast<std::int32_t>(wp.rcNormalPosition.top)
       << static_cast<std::int32_t>(wp.rcNormalPosition.right)
       << static_cast<std::int32_t>(wp.rcNormalPosition.bottom);
    return ar;
}

CArchive& operator>>(CArchive& ar, CWindowPlacement& wp) {
    std::uint32_t u[3];
    std::int32_t i[8];
    for (auto& v : u)
        ar >> v;
    for (auto& v : i)
        ar >> v;
    wp.length = u[0];
    wp.flags = u[1];
    wp.showCmd = u[2];
    wp.ptMinPosition = POINT{i[0], i[1]};
    wp.ptMaxPosition = POINT{i[2], i[3]};
    wp.rcNormalPosition = RECT{i[4], i[5], i[6], i[7]};
    wp.ClampToScreen();
    return ar;
}
