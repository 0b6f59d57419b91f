#include "controls/report/ADrawRect.h"

ADrawRect::~ADrawRect() = default;

void ADrawRect::BeforeDraw(CDC*, APrintManager*) {}

int ADrawRect::AllowBreak(int) {
    return 0;
}

bool ADrawRect::BreakAt(int, ADrawRect*& first, ADrawRect*& rest) {
    first = nullptr;
    rest = nullptr;
    return false;
}

void ADrawRect::BeforeLayout(CDC*, APrintManager*) {}

void ADrawRect::SetFloatPoint(CPoint p) {
    m_floatPoint = p;
    m_floating = true;
}

CSize ADrawPictRect::GetSize(CDC*) {
    const CRect& r = m_map.GetWindowLU();
    return CSize(r.right - r.left, r.bottom - r.top);
}
