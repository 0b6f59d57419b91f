#include "platform/gdi/CMetaFile.h"

#include "platform/core/CArchive.h"
#include "platform/core/FileIO.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <utility>

using Type = CMetaRecord::Type;

// --- Playing ------------------------------------------------------------------------

bool CMetaFile::Play(CDC& dc, CPoint offset) const {
    return play(dc, offset, 1.0);
}

bool CMetaFile::play(CDC& dc, CPoint offset, double fontScale) const {
    const int outer = dc.SaveDC();
    // The objects the list selects live until the context has let go of them.
    std::deque<CPen> pens;
    std::deque<CBrush> brushes;
    std::deque<CFont> fonts;
    // The states the list saved, oldest first: (number in the recording, number
    // in dc). The list restores only these; the states its caller saved before
    // playing are out of its reach, whatever its records ask for.
    std::vector<std::pair<int, int>> saved;
    bool complete = true; // every picture inside could be drawn

    auto pt = [&](const CMetaRecord& r, std::size_t i) {
        const CPoint& p = r.points[i];
        if (gdi::isNowhere(p.x, p.y)) return CPoint(gdi::kNowhere, gdi::kNowhere);
        return CPoint(gdi::add(p.x, offset.x), gdi::add(p.y, offset.y));
    };
    auto rect = [&](const CMetaRecord& r) {
        const CPoint a = pt(r, 0), b = pt(r, 1);
        return CRect(a.x, a.y, b.x, b.y);
    };
    auto needs = [](const CMetaRecord& r, std::size_t n) { return r.points.size() >= n; };

    for (const CMetaRecord& r : m_records) {
        switch (r.type) {
        case Type::moveTo:
            if (needs(r, 1)) dc.MoveTo(pt(r, 0));
            break;
        case Type::lineTo:
            if (needs(r, 1)) dc.LineTo(pt(r, 0));
            break;
        case Type::polyline:
        case Type::polygon: {
            std::vector<POINT> p;
            p.reserve(r.points.size());
            for (std::size_t i = 0; i < r.points.size(); ++i)
                p.push_back(pt(r, i));
            if (r.type == Type::polyline)
                dc.Polyline(p.data(), static_cast<int>(p.size()));
            else
                dc.Polygon(p.data(), static_cast<int>(p.size()));
            break;
        }
        case Type::rectangle:
            if (needs(r, 2)) {
                const CRect b = rect(r);
                dc.Rectangle(&b);
            }
            break;
        case Type::ellipse:
            if (needs(r, 2)) {
                const CRect b = rect(r);
                dc.Ellipse(&b);
            }
            break;
        case Type::arc:
        case Type::chord:
        case Type::pie:
            if (needs(r, 4)) {
                const CRect b = rect(r);
                const CPoint s = pt(r, 2), e = pt(r, 3);
                if (r.type == Type::arc)
                    dc.Arc(b.left, b.top, b.right, b.bottom, s.x, s.y, e.x, e.y);
                else if (r.type == Type::chord)
                    dc.Chord(b.left, b.top, b.right, b.bottom, s.x, s.y, e.x, e.y);
                else
                    dc.Pie(b.left, b.top, b.right, b.bottom, s.x, s.y, e.x, e.y);
            }
            break;
        case Type::fillRect:
            if (needs(r, 2)) {
                CBrush brush;
                brush.CreateBrushIndirect(&r.brush);
                const CRect b = rect(r);
                dc.FillRect(&b, &brush);
            }
            break;
        case Type::fillSolidRect:
            if (needs(r, 2)) {
                const CRect b = rect(r);
                dc.FillSolidRect(&b, static_cast<COLORREF>(r.value));
            }
            break;
        case Type::setPixel:
            if (needs(r, 1)) dc.SetPixelV(pt(r, 0), static_cast<COLORREF>(r.value));
            break;
        case Type::drawEdge:
            if (needs(r, 2)) {
                CRect b = rect(r);
                dc.DrawEdge(&b, static_cast<UINT>(r.value), r.flags);
            }
            break;
        case Type::draw3dRect:
            if (needs(r, 2)) {
                const CRect b = rect(r);
                dc.Draw3dRect(&b, static_cast<COLORREF>(r.value), static_cast<COLORREF>(r.flags));
            }
            break;
        case Type::textOut:
            if (needs(r, 1)) {
                const CPoint p = pt(r, 0);
                dc.TextOut(p.x, p.y, r.text);
            }
            break;
        case Type::drawText:
            if (needs(r, 2)) {
                CRect b = rect(r);
                dc.DrawText(r.text, &b, r.flags);
            }
            break;
        case Type::selectPen:
            pens.emplace_back();
            pens.back().CreatePenIndirect(&r.pen);
            dc.SelectObject(&pens.back());
            break;
        case Type::selectBrush:
            brushes.emplace_back();
            brushes.back().CreateBrushIndirect(&r.brush);
            dc.SelectObject(&brushes.back());
            break;
        case Type::selectFont:
            fonts.emplace_back();
            if (r.fontInPixels) {
                LOGFONT lf = r.font;
                lf.lfHeight = gdi::roundSaturate(lf.lfHeight * fontScale);
                lf.lfWidth = gdi::roundSaturate(lf.lfWidth * fontScale);
                fonts.back().CreatePixelFontIndirect(&lf);
            } else {
                fonts.back().CreateFontIndirect(&r.font);
            }
            dc.SelectObject(&fonts.back());
            break;
        case Type::setTextColor:
            dc.SetTextColor(static_cast<COLORREF>(r.value));
            break;
        case Type::setBkColor:
            dc.SetBkColor(static_cast<COLORREF>(r.value));
            break;
        case Type::setBkMode:
            dc.SetBkMode(r.value);
            break;
        case Type::setTextAlign:
            dc.SetTextAlign(r.flags);
            break;
        case Type::setROP2:
            dc.SetROP2(r.value);
            break;
        case Type::saveDC:
            saved.emplace_back(r.value, dc.SaveDC());
            break;
        case Type::restoreDC: {
            // Relative (-1 the last one) or by the number the recording gave.
            std::ptrdiff_t index = -1;
            const auto n = static_cast<std::ptrdiff_t>(saved.size());
            if (r.value < 0) {
                index = r.value >= -n ? n + r.value : -1;
            } else {
                for (std::ptrdiff_t i = n - 1; i >= 0; --i)
                    if (saved[static_cast<std::size_t>(i)].first == r.value) {
                        index = i;
                        break;
                    }
            }
            if (index >= 0) {
                dc.RestoreDC(saved[static_cast<std::size_t>(index)].second);
                saved.resize(static_cast<std::size_t>(index));
            }
            break;
        }
        case Type::intersectClipRect:
            if (needs(r, 2)) {
                const CRect b = rect(r);
                dc.IntersectClipRect(&b);
            }
            break;
        case Type::removeClip:
            dc.SelectClipRgn(nullptr);
            break;
        case Type::picture:
            if (needs(r, 2) && !dc.DrawPicture(rect(r), static_cast<CPictureKind>(r.value), r.text))
                complete = false;
            break;
        }
    }
    return dc.RestoreDC(outer) && complete;
}

bool CDC::PlayMetaFile(const CMetaFile& metaFile, CPoint offset) {
    return metaFile.Play(*this, offset);
}

bool CDC::PlayMetaFile(const CMetaFile& metaFile, const RECT& target) {
    return metaFile.Play(*this, target);
}

namespace {

// Both terms of a ratio brought into the range of int, the ratio kept as
// nearly as whole numbers allow.
// (The terms are products of two ints: 128 bits hold them.)
void fitRatio(__int128& num, __int128& den) {
    auto magnitude = [](__int128 v) { return v < 0 ? -v : v; };
    __int128 a = magnitude(num), b = magnitude(den);
    while (b != 0) {
        const __int128 r = a % b;
        a = b;
        b = r;
    }
    if (a > 1) {
        num /= a;
        den /= a;
    }
    while (magnitude(num) > INT_MAX || magnitude(den) > INT_MAX) {
        num /= 2;
        den /= 2;
    }
    if (num == 0) num = 1;
    if (den == 0) den = 1;
}

} // namespace

bool CMetaFile::Play(CDC& dc, const RECT& target) const {
    // One mapping from the list's frame to the target on the device: the
    // context's own conversion after the frame-to-target scale, truncated once.
    const CRect& f = m_frame;
    const long long fw = static_cast<long long>(f.right) - f.left;
    const long long fh = static_cast<long long>(f.bottom) - f.top;
    const long long tw = static_cast<long long>(target.right) - target.left;
    const long long th = static_cast<long long>(target.bottom) - target.top;
    const CSize we = dc.GetWindowExt();
    const CSize ve = dc.GetViewportExt();
    POINT corner{target.left, target.top};
    dc.LPtoDP(&corner);
    // An axis without extent in the frame or the target keeps the context's scale.
    __int128 wx = we.cx, vx = ve.cx, wy = we.cy, vy = ve.cy;
    if (fw != 0 && tw != 0) {
        wx = static_cast<__int128>(fw) * we.cx;
        vx = static_cast<__int128>(tw) * ve.cx;
    }
    if (fh != 0 && th != 0) {
        wy = static_cast<__int128>(fh) * we.cy;
        vy = static_cast<__int128>(th) * ve.cy;
    }
    fitRatio(vx, wx);
    fitRatio(vy, wy);
    const double fontScale =
        (fh != 0 && th != 0) ? std::abs(static_cast<double>(th) / static_cast<double>(fh)) : 1.0;

    const int outer = dc.SaveDC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(static_cast<int>(wx), static_cast<int>(wy));
    dc.SetViewportExt(static_cast<int>(vx), static_cast<int>(vy));
    dc.SetWindowOrg(f.left, f.top);
    dc.SetViewportOrg(corner.x, corner.y);
    const bool played = play(dc, CPoint(0, 0), fontScale);
    return dc.RestoreDC(outer) && played;
}

// --- Files ------------------------------------------------------------------------------

namespace {
constexpr char kMagic[] = "StrakonDisplayList";
// Version 2 adds the frame and the picture records.
constexpr std::uint32_t kVersion = 2;
constexpr int kLastType = static_cast<int>(Type::picture);
// The fewest bytes a record takes in a file: type, point count, an empty text,
// value and flags.
constexpr std::size_t kMinRecordBytes = 2 + 4 + 1 + 4 + 4;
} // namespace

void CMetaFile::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteRawString(kMagic);
        ar << kVersion << static_cast<std::uint32_t>(m_records.size());
        ar << static_cast<std::int32_t>(m_frame.left) << static_cast<std::int32_t>(m_frame.top)
           << static_cast<std::int32_t>(m_frame.right) << static_cast<std::int32_t>(m_frame.bottom);
        for (const CMetaRecord& r : m_records) {
            ar << static_cast<std::uint16_t>(r.type) << static_cast<std::uint32_t>(r.points.size());
            for (const CPoint& p : r.points)
                ar << static_cast<std::int32_t>(p.x) << static_cast<std::int32_t>(p.y);
            ar.WriteRawString(r.text);
            ar << static_cast<std::int32_t>(r.value) << static_cast<std::uint32_t>(r.flags);
            switch (r.type) {
            case Type::selectPen:
                ar << static_cast<std::uint32_t>(r.pen.lopnStyle)
                   << static_cast<std::int32_t>(r.pen.lopnWidth) << r.pen.lopnColor;
                break;
            case Type::selectBrush:
            case Type::fillRect:
                ar << static_cast<std::uint32_t>(r.brush.lbStyle) << r.brush.lbColor
                   << static_cast<std::int32_t>(r.brush.lbHatch);
                break;
            case Type::selectFont: {
                const LOGFONT& f = r.font;
                ar << f.lfHeight << f.lfWidth << f.lfEscapement << f.lfOrientation << f.lfWeight << f.lfItalic
                   << f.lfUnderline << f.lfStrikeOut << f.lfCharSet << f.lfOutPrecision << f.lfClipPrecision
                   << f.lfQuality << f.lfPitchAndFamily << r.fontInPixels;
                ar.WriteRawString(f.FaceName());
                break;
            }
            default:
                break;
            }
        }
        return;
    }

    if (ar.ReadRawString() != kMagic)
        throw CArchiveException(CArchiveException::badClass, ar.GetFileName(), "not a display list");
    std::uint32_t version = 0, count = 0;
    ar >> version;
    if (version != 1 && version != kVersion)
        throw CArchiveException(CArchiveException::badSchema, ar.GetFileName());
    ar >> count;
    CRect frame;
    if (version >= 2) {
        std::int32_t l = 0, t = 0, r = 0, b = 0;
        ar >> l >> t >> r >> b;
        frame = CRect(l, t, r, b);
    }
    ar.CheckCount(count, kMinRecordBytes);
    // A record takes far more room in memory than in the file: the list grows
    // as records are read instead of trusting the count of a damaged file.
    std::vector<CMetaRecord> records;
    for (std::uint32_t i = 0; i < count; ++i) {
        CMetaRecord r;
        std::uint16_t type = 0;
        std::uint32_t npoints = 0;
        ar >> type >> npoints;
        if (type < 1 || type > (version >= 2 ? kLastType : static_cast<int>(Type::removeClip)))
            throw CArchiveException(CArchiveException::badSchema, ar.GetFileName());
        r.type = static_cast<Type>(type);
        ar.CheckCount(npoints, 8);
        r.points.resize(npoints);
        for (CPoint& p : r.points) {
            std::int32_t x = 0, y = 0;
            ar >> x >> y;
            p = CPoint(x, y);
        }
        r.text = ar.ReadRawString();
        std::int32_t value = 0;
        std::uint32_t flags = 0;
        ar >> value >> flags;
        r.value = value;
        r.flags = flags;
        switch (r.type) {
        case Type::selectPen: {
            std::uint32_t style = 0;
            std::int32_t width = 0;
            ar >> style >> width >> r.pen.lopnColor;
            r.pen.lopnStyle = style;
            r.pen.lopnWidth = width;
            break;
        }
        case Type::selectBrush:
        case Type::fillRect: {
            std::uint32_t style = 0;
            std::int32_t hatch = 0;
            ar >> style >> r.brush.lbColor >> hatch;
            r.brush.lbStyle = style;
            r.brush.lbHatch = hatch;
            break;
        }
        case Type::selectFont: {
            LOGFONT& f = r.font;
            ar >> f.lfHeight >> f.lfWidth >> f.lfEscapement >> f.lfOrientation >> f.lfWeight >> f.lfItalic >>
                f.lfUnderline >> f.lfStrikeOut >> f.lfCharSet >> f.lfOutPrecision >> f.lfClipPrecision >>
                f.lfQuality >> f.lfPitchAndFamily >> r.fontInPixels;
            f.SetFaceName(ar.ReadRawString());
            break;
        }
        default:
            break;
        }
        records.push_back(std::move(r));
    }
    m_records = std::move(records);
    m_frame = frame;
}

std::string CMetaFile::ToBytes() const {
    CArchive ar(CArchive::store);
    const_cast<CMetaFile*>(this)->Serialize(ar);
    const std::vector<std::uint8_t>& bytes = ar.GetBuffer();
    return std::string(bytes.begin(), bytes.end());
}

CMetaFile CMetaFile::FromBytes(std::string_view bytes) {
    CArchive ar(CArchive::load, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    CMetaFile file;
    file.Serialize(ar);
    return file;
}

void CMetaFile::Save(const std::filesystem::path& path) const {
    CArchive ar(CArchive::store);
    const_cast<CMetaFile*>(this)->Serialize(ar);
    fileio::writeFileAtomically(path, ar.GetBuffer());
}

CMetaFile CMetaFile::Load(const std::filesystem::path& path) {
    CArchive ar(CArchive::load, fileio::readFile(path));
    CMetaFile file;
    file.Serialize(ar);
    return file;
}

// --- Recording ----------------------------------------------------------------------------

CMetaFileDC::CMetaFileDC(const CDC* reference)
    : CDC(reference ? reference->GetCaps() : CDeviceCaps::Screen()) {
    if (!reference) return;
    SetPrinting(reference->IsPrinting());
    CDC::SetMapMode(reference->GetMapMode());
    if (reference->GetMapMode() == MM_ANISOTROPIC) {
        CDC::SetWindowExt(reference->GetWindowExt());
        CDC::SetViewportExt(reference->GetViewportExt());
    }
    CDC::SetWindowOrg(reference->GetWindowOrg());
    CDC::SetViewportOrg(reference->GetViewportOrg());
}

CMetaFile CMetaFileDC::Close() {
    CMetaFile done = std::move(m_file);
    if (!m_explicitFrame.IsRectNull()) {
        done.SetFrame(m_explicitFrame);
    } else if (m_hasBounds) {
        // Left and top as the device sees them.
        const bool xRight = GetViewportExt().cx / static_cast<double>(GetWindowExt().cx) > 0;
        const bool yDown = GetViewportExt().cy / static_cast<double>(GetWindowExt().cy) > 0;
        const CRect& b = m_bounds;
        done.SetFrame(CRect(xRight ? b.left : b.right, yDown ? b.top : b.bottom, xRight ? b.right : b.left,
                            yDown ? b.bottom : b.top));
    }
    m_file = CMetaFile();
    m_hasBounds = false;
    m_bounds = CRect();
    m_explicitFrame = CRect();
    m_capped = false;
    return done;
}

void CMetaFileDC::grow(const CPoint& p) {
    // A point that is nowhere is drawn by no context; it widens no frame.
    if (gdi::isNowhere(p.x, p.y)) return;
    if (!m_hasBounds) {
        m_bounds = CRect(p.x, p.y, p.x, p.y);
        m_hasBounds = true;
        return;
    }
    m_bounds.left = std::min(m_bounds.left, p.x);
    m_bounds.top = std::min(m_bounds.top, p.y);
    m_bounds.right = std::max(m_bounds.right, p.x);
    m_bounds.bottom = std::max(m_bounds.bottom, p.y);
}

CMetaRecord& CMetaFileDC::add(CMetaRecord::Type type, std::initializer_list<CPoint> points) {
    if (m_file.Records().size() >= m_maxRecords) {
        // The list keeps what was drawn up to the cap; later calls go to a
        // record that is thrown away.
        m_capped = true;
        m_discard = CMetaRecord();
        return m_discard;
    }
    CMetaRecord r;
    r.type = type;
    r.points = points;
    switch (type) {
    case Type::intersectClipRect:
        break;
    case Type::arc:
    case Type::chord:
    case Type::pie: // the bounding rectangle; the radials may reach beyond it
        grow(r.points[0]);
        grow(r.points[1]);
        break;
    default:
        for (const CPoint& p : r.points)
            grow(p);
        break;
    }
    return m_file.Append(std::move(r));
}

CPen* CMetaFileDC::SelectObject(CPen* pen) {
    CPen* old = CDC::SelectObject(pen);
    if (old) add(Type::selectPen).pen = pen->GetData();
    return old;
}

CBrush* CMetaFileDC::SelectObject(CBrush* brush) {
    CBrush* old = CDC::SelectObject(brush);
    if (old) add(Type::selectBrush).brush = brush->GetData();
    return old;
}

CFont* CMetaFileDC::SelectObject(CFont* font) {
    CFont* old = CDC::SelectObject(font);
    if (old) {
        CMetaRecord& r = add(Type::selectFont);
        r.font = font->GetData();
        r.fontInPixels = font->IsHeightInPixels();
    }
    return old;
}

COLORREF CMetaFileDC::SetTextColor(COLORREF color) {
    add(Type::setTextColor).value = static_cast<int>(color);
    return CDC::SetTextColor(color);
}

COLORREF CMetaFileDC::SetBkColor(COLORREF color) {
    add(Type::setBkColor).value = static_cast<int>(color);
    return CDC::SetBkColor(color);
}

int CMetaFileDC::SetBkMode(int mode) {
    const int old = CDC::SetBkMode(mode);
    if (old) add(Type::setBkMode).value = mode;
    return old;
}

UINT CMetaFileDC::SetTextAlign(UINT flags) {
    add(Type::setTextAlign).flags = flags;
    return CDC::SetTextAlign(flags);
}

int CMetaFileDC::SetROP2(int mode) {
    const int old = CDC::SetROP2(mode);
    if (old) add(Type::setROP2).value = mode;
    return old;
}

int CMetaFileDC::SaveDC() {
    const int n = CDC::SaveDC();
    add(Type::saveDC).value = n;
    return n;
}

bool CMetaFileDC::RestoreDC(int saved) {
    const bool ok = CDC::RestoreDC(saved);
    if (ok) add(Type::restoreDC).value = saved;
    return ok;
}

int CMetaFileDC::IntersectClipRect(int left, int top, int right, int bottom) {
    add(Type::intersectClipRect, {CPoint(left, top), CPoint(right, bottom)});
    return CDC::IntersectClipRect(left, top, right, bottom);
}

int CMetaFileDC::SelectClipRgn(std::nullptr_t) {
    add(Type::removeClip);
    return CDC::SelectClipRgn(nullptr);
}

CPoint CMetaFileDC::MoveTo(int x, int y) {
    add(Type::moveTo, {CPoint(x, y)});
    return CDC::MoveTo(x, y);
}

bool CMetaFileDC::LineTo(int x, int y) {
    add(Type::lineTo, {CPoint(x, y)});
    CDC::MoveTo(x, y);
    return true;
}

bool CMetaFileDC::Polyline(const POINT* points, int count) {
    if (!points || count < 2) return false;
    if (IsCapped()) return true;
    add(Type::polyline).points.assign(points, points + count);
    for (int i = 0; i < count; ++i)
        grow(points[i]);
    return true;
}

bool CMetaFileDC::Polygon(const POINT* points, int count) {
    if (!points || count < 2) return false;
    if (IsCapped()) return true;
    add(Type::polygon).points.assign(points, points + count);
    for (int i = 0; i < count; ++i)
        grow(points[i]);
    return true;
}

bool CMetaFileDC::Rectangle(int left, int top, int right, int bottom) {
    add(Type::rectangle, {CPoint(left, top), CPoint(right, bottom)});
    return true;
}

bool CMetaFileDC::Ellipse(int left, int top, int right, int bottom) {
    add(Type::ellipse, {CPoint(left, top), CPoint(right, bottom)});
    return true;
}

bool CMetaFileDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    add(Type::arc, {CPoint(left, top), CPoint(right, bottom), CPoint(xStart, yStart), CPoint(xEnd, yEnd)});
    return true;
}

bool CMetaFileDC::Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                        int yEnd) {
    add(Type::chord, {CPoint(left, top), CPoint(right, bottom), CPoint(xStart, yStart), CPoint(xEnd, yEnd)});
    return true;
}

bool CMetaFileDC::Pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    add(Type::pie, {CPoint(left, top), CPoint(right, bottom), CPoint(xStart, yStart), CPoint(xEnd, yEnd)});
    return true;
}

void CMetaFileDC::FillRect(const RECT* rect, CBrush* brush) {
    if (!rect || !brush || !brush->IsCreated()) return;
    add(Type::fillRect, *rect).brush = brush->GetData();
}

void CMetaFileDC::FillSolidRect(const RECT* rect, COLORREF color) {
    if (!rect) return;
    add(Type::fillSolidRect, *rect).value = static_cast<int>(color);
}

bool CMetaFileDC::SetPixelV(int x, int y, COLORREF color) {
    add(Type::setPixel, {CPoint(x, y)}).value = static_cast<int>(color);
    return true;
}

bool CMetaFileDC::DrawEdge(RECT* rect, UINT edge, UINT flags) {
    if (!rect) return false;
    CMetaRecord& r = add(Type::drawEdge, *rect);
    r.value = static_cast<int>(edge);
    r.flags = flags;
    // The base works out the adjusted rectangle without a surface to draw on.
    return CDC::DrawEdge(rect, edge, flags);
}

void CMetaFileDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) {
    if (!rect) return;
    CMetaRecord& r = add(Type::draw3dRect, *rect);
    r.value = static_cast<int>(topLeft);
    r.flags = bottomRight;
}

bool CMetaFileDC::TextOut(int x, int y, std::string_view text) {
    // The text's box as the reference device measures it, on the sides its
    // alignment puts it (turned text: every side).
    const UINT align = GetTextAlign();
    const CPoint at = (align & TA_UPDATECP) ? GetCurrentPosition() : CPoint(x, y);
    const CSize extent = GetTextExtent(text);
    const int dx = GetViewportExt().cx / static_cast<double>(GetWindowExt().cx) > 0 ? 1 : -1;
    const int dy = GetViewportExt().cy / static_cast<double>(GetWindowExt().cy) > 0 ? 1 : -1;
    const long long w = extent.cx, h = extent.cy;
    long long x0 = at.x, x1 = at.x + dx * w, y0 = at.y, y1 = at.y + dy * h;
    if (GetCurrentFont() && GetCurrentFont()->GetData().lfEscapement != 0) {
        const long long r = std::max(w, h);
        x0 = at.x - r, x1 = at.x + r, y0 = at.y - r, y1 = at.y + r;
    } else {
        if ((align & TA_CENTER) == TA_CENTER)
            x0 = at.x - dx * w / 2, x1 = at.x + dx * w / 2;
        else if (align & TA_RIGHT)
            x0 = at.x - dx * w, x1 = at.x;
        if ((align & TA_BASELINE) == TA_BASELINE)
            y0 = at.y - dy * h, y1 = at.y + dy * h / 2;
        else if (align & TA_BOTTOM)
            y0 = at.y - dy * h, y1 = at.y;
    }
    add(Type::textOut, {CPoint(x, y)}).text = std::string(text);
    grow(CPoint(gdi::saturate(x0), gdi::saturate(y0)));
    grow(CPoint(gdi::saturate(x1), gdi::saturate(y1)));
    // Moves the current position by the text as the reference device measures it.
    return CDC::TextOut(x, y, text);
}

int CMetaFileDC::DrawText(std::string_view text, RECT* rect, UINT format) {
    if (!rect) return 0;
    if (!(format & DT_CALCRECT)) {
        CMetaRecord& r = add(Type::drawText, *rect);
        r.text = std::string(text);
        r.flags = format;
    }
    return CDC::DrawText(text, rect, format);
}

bool CMetaFileDC::PlayMetaFile(const CMetaFile& metaFile, const RECT& target) {
    return DrawPicture(target, CPictureKind::displayList, metaFile.ToBytes());
}

bool CMetaFileDC::DrawPicture(const RECT& rect, CPictureKind kind, std::string_view data) {
    CMetaRecord& r = add(Type::picture, rect);
    r.value = static_cast<int>(kind);
    r.text = std::string(data);
    return true;
}
