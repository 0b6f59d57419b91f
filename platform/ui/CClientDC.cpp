#include "platform/ui/CClientDC.h"

#include "platform/ui/CWnd.h"

#include <QWidget>

#include <cassert>

namespace {

CDeviceCaps capsOf(CWnd* pWnd) {
    const QWidget* widget = pWnd ? pWnd->GetInputWidget() : nullptr;
    return widget ? CDeviceCaps::FromDevice(*widget) : CDeviceCaps::Screen();
}

bool refuse() {
    assert(false && "a client context only measures: windows draw in their paint event");
    return false;
}

} // namespace

CClientDC::CClientDC(CWnd* pWnd) : CDC(capsOf(pWnd)), m_pWnd(pWnd) {}

CClientDC::~CClientDC() = default;

bool CClientDC::LineTo(int, int) {
    return refuse();
}
bool CClientDC::Polyline(const POINT*, int) {
    return refuse();
}
bool CClientDC::Polygon(const POINT*, int) {
    return refuse();
}
bool CClientDC::Rectangle(int, int, int, int) {
    return refuse();
}
bool CClientDC::Ellipse(int, int, int, int) {
    return refuse();
}
bool CClientDC::Arc(int, int, int, int, int, int, int, int) {
    return refuse();
}
bool CClientDC::Chord(int, int, int, int, int, int, int, int) {
    return refuse();
}
bool CClientDC::Pie(int, int, int, int, int, int, int, int) {
    return refuse();
}
void CClientDC::FillRect(const RECT*, CBrush*) {
    refuse();
}
void CClientDC::FillSolidRect(const RECT*, COLORREF) {
    refuse();
}
bool CClientDC::SetPixelV(int, int, COLORREF) {
    return refuse();
}
bool CClientDC::DrawEdge(RECT*, UINT, UINT) {
    return refuse();
}
void CClientDC::Draw3dRect(const RECT*, COLORREF, COLORREF) {
    refuse();
}
bool CClientDC::TextOut(int, int, std::string_view) {
    return refuse();
}

int CClientDC::DrawText(std::string_view text, RECT* rect, UINT format) {
    if (format & DT_CALCRECT) return CDC::DrawText(text, rect, format);
    return refuse() ? 1 : 0;
}
