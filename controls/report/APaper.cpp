#include "controls/report/APaper.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiDefs.h"

#include <algorithm>

APaper::~APaper() = default;

void APaper::Setup(CDC& dc) {
    const long long physicalWidth = dc.GetDeviceCaps(PHYSICALWIDTH);
    const long long physicalHeight = dc.GetDeviceCaps(PHYSICALHEIGHT);
    const long long horzRes = dc.GetDeviceCaps(HORZRES);
    const long long vertRes = dc.GetDeviceCaps(VERTRES);
    const long long offsetX = dc.GetDeviceCaps(PHYSICALOFFSETX);
    const long long offsetY = dc.GetDeviceCaps(PHYSICALOFFSETY);
    const long long dpiX = std::max(1, dc.GetDeviceCaps(LOGPIXELSX));
    const long long dpiY = std::max(1, dc.GetDeviceCaps(LOGPIXELSY));
    m_leftUnprintable = static_cast<int>(offsetX * 254 / dpiX);
    m_topUnprintable = static_cast<int>(offsetY * 254 / dpiY);
    m_rightUnprintable = static_cast<int>((physicalWidth - offsetX - horzRes) * 254 / dpiX);
    m_bottomUnprintable = static_cast<int>((physicalHeight - offsetY - vertRes) * 254 / dpiY);
    m_width = static_cast<int>(physicalWidth * 254 / dpiX);
    m_height = static_cast<int>(physicalHeight * 254 / dpiY);
}

void APaper::DrawFrame(CDC& dc) {
    for (const CRect& r : {Head(true), Body(true), Foot(true), Note(true)})
        dc.Rectangle(&r);
}

CRect APaper::Paper() const {
    return CRect(-m_leftUnprintable, m_topUnprintable, m_width - m_leftUnprintable,
                 m_topUnprintable - m_height);
}

CSize APaper::Printable() const {
    return CSize(m_width - m_rightUnprintable - m_leftUnprintable,
                 m_height - m_bottomUnprintable - m_topUnprintable);
}

CPoint APaper::PaperToLoMetric(const CPoint& p) const {
    return CPoint(p.x - m_leftUnprintable, p.y + m_topUnprintable);
}

void AStandardPaper::Setup(CDC& dc) {
    APaper::Setup(dc);
    m_leftMargin = std::max(m_leftMargin, m_leftUnprintable);
    m_topMargin = std::max(m_topMargin, m_topUnprintable);
    m_bottomMargin = std::max(m_bottomMargin, m_bottomUnprintable);
    m_rightMargin = std::max(m_rightMargin, m_rightUnprintable);
    m_bodyWidth = m_width - m_noteWidth - m_noteGap - m_rightMargin - m_leftMargin;
    m_bodyHeight =
        m_height - m_footHeight - m_headGap - m_footGap - m_headHeight - m_topMargin - m_bottomMargin;
}

namespace {

// A strip of the sheet holds a margin, a gap and the part itself. When the
// part gets no room, the gap goes and the margin shrinks to the unprintable
// one; the part keeps at least one unit.
void fitStrip(int strip, int& margin, int& gap, int& part, int unprintable) {
    part = strip - gap - margin;
    if (part > 0) return;
    gap = 0;
    margin = unprintable;
    part = std::max(1, strip - margin);
}

} // namespace

void AStandardPaper::SetMargins(int left, int rightStrip, int topStrip, int bottomStrip, int top,
                                int bottom) {
    m_leftMargin = left;
    m_bodyWidth = m_width - left - rightStrip;
    fitStrip(rightStrip, m_rightMargin, m_noteGap, m_noteWidth, m_rightUnprintable);
    m_topMargin = top;
    fitStrip(topStrip, m_topMargin, m_headGap, m_headHeight, m_topUnprintable);
    m_bottomMargin = bottom;
    fitStrip(bottomStrip, m_bottomMargin, m_footGap, m_footHeight, m_bottomUnprintable);
    m_bodyHeight = m_height - topStrip - bottomStrip;
}

CRect AStandardPaper::shifted(int left, int top, int width, int height) const {
    CRect r(left, top, left + width, top - height);
    r.OffsetRect(-m_leftUnprintable, m_topUnprintable);
    return r;
}

CRect AStandardPaper::Head(bool) const {
    return shifted(m_leftMargin, -m_topMargin, m_bodyWidth, m_headHeight);
}

CRect AStandardPaper::Body(bool) const {
    return shifted(m_leftMargin, -(m_topMargin + m_headHeight + m_headGap), m_bodyWidth, m_bodyHeight);
}

CRect AStandardPaper::Foot(bool) const {
    return shifted(m_leftMargin, -(m_topMargin + m_headHeight + m_headGap + m_bodyHeight + m_footGap),
                   m_bodyWidth, m_footHeight);
}

CRect AStandardPaper::Note(bool) const {
    return shifted(m_leftMargin + m_bodyWidth + m_noteGap, -(m_topMargin + m_headHeight + m_headGap),
                   m_noteWidth, m_bodyHeight);
}
