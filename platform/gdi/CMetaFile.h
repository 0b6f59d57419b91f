#pragma once
// The program's metafile: a display list of drawing calls in logical units.
// A CMetaFileDC records what is drawn into it; the list plays back onto any
// device context under that context's mapping, moved by an offset or scaled
// into a rectangle. Report pictures are recorded once and played on every page
// where they appear, and tests draw into a recording to check the calls and
// their coordinates. Pictures (SVG or PNG artwork, other lists) drawn into a
// recording become records of their own; a list exports as SVG and PNG.
//
//   CMetaFileDC rec(&printerDC);       // measures text as the printer does
//   symbol.Draw(rec, at, false);
//   CMetaFile picture = rec.Close();
//   picture.Save(path);                // a temporary file of the report
//   dc.PlayMetaFile(CMetaFile::Load(path), CPoint(0, -500));
//   dc.PlayMetaFile(picture, CRect(0, 0, 2000, -1000));  // scaled into a rectangle
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class CArchive;

// One recorded call. Coordinates are logical; rectangles are two points (left,
// top) and (right, bottom); arcs, chords and pies add their start and end points.
struct CMetaRecord {
    enum class Type : std::uint16_t {
        moveTo = 1,
        lineTo,
        polyline,
        polygon,
        rectangle,
        ellipse,
        arc,
        chord,
        pie,
        fillRect,      // brush
        fillSolidRect, // value: colour
        setPixel,      // value: colour
        drawEdge,      // value: edge, flags: sides
        draw3dRect,    // value: top-left colour, flags: bottom-right colour
        textOut,       // text
        drawText,      // text, flags: format
        selectPen,     // pen
        selectBrush,   // brush
        selectFont,    // font, fontInPixels
        setTextColor,  // value
        setBkColor,    // value
        setBkMode,     // value
        setTextAlign,  // flags
        setROP2,       // value
        saveDC,        // value: the number the recording gave
        restoreDC,     // value: the number asked for
        intersectClipRect,
        removeClip,
        picture, // value: CPictureKind, text: the picture's bytes
    };

    Type type = Type::moveTo;
    std::vector<CPoint> points;
    std::string text;
    int value = 0;
    UINT flags = 0;
    LOGPEN pen;
    LOGBRUSH brush;
    LOGFONT font;
    bool fontInPixels = false;

    CRect Rect() const {
        return points.size() >= 2 ? CRect(points[0].x, points[0].y, points[1].x, points[1].y) : CRect();
    }
};

class CMetaFile {
public:
    const std::vector<CMetaRecord>& Records() const { return m_records; }
    bool IsEmpty() const { return m_records.empty(); }
    CMetaRecord& Append(CMetaRecord record) { return m_records.emplace_back(std::move(record)); }
    void Clear() {
        m_records.clear();
        m_frame = CRect();
    }

    // The logical rectangle the drawing fills, left and top being its left and
    // top edge as seen on the recording's device (so top > bottom where y
    // points up). The recording sets it to the bounds of what was drawn.
    const CRect& GetFrame() const { return m_frame; }
    void SetFrame(const CRect& frame) { m_frame = frame; }

    // Plays the list onto dc with every coordinate moved by offset. The
    // context's state (objects, colours, modes, current position, clipping) is
    // as before afterwards.
    bool Play(CDC& dc, CPoint offset = CPoint(0, 0)) const;
    // Plays the list scaled so that its frame fills target (logical units of
    // dc, left and top as seen on its device); see CDC::PlayMetaFile.
    bool Play(CDC& dc, const RECT& target) const;

    // The list drawn into a picture of the given size in pixels (at 96 dots
    // per inch), its frame filling the picture on white: an SVG document and
    // a PNG file.
    std::string ToSvg(CSize pixels) const;
    std::string ToPng(CSize pixels) const;

    // The list in its file form and back; FromBytes throws CArchiveException
    // for bytes that are no display list.
    std::string ToBytes() const;
    static CMetaFile FromBytes(std::string_view bytes);

    // Files of the list. Save throws CFileException when the file cannot be
    // written; Load throws CFileException for an unreadable file and
    // CArchiveException for one that is no display list.
    void Save(const std::filesystem::path& path) const;
    static CMetaFile Load(const std::filesystem::path& path);
    void Serialize(CArchive& ar);

private:
    // fontScale enlarges fonts sized in device pixels, which a scaled mapping leaves alone.
    bool play(CDC& dc, CPoint offset, double fontScale) const;

    std::vector<CMetaRecord> m_records;
    CRect m_frame;
};

// SVG and PNG documents of what draw draws on a white picture of the given
// size in pixels, at the given resolution, through a context in MM_TEXT.
std::string DrawToSvg(CSize pixels, int dpi, const std::function<void(CDC&)>& draw);
std::string DrawToPng(CSize pixels, int dpi, const std::function<void(CDC&)>& draw);

// The recording device context. It takes its capabilities, mapping and
// printing flag from a reference context (the screen when none is given), so
// that text measures as it will on that device; drawing calls and attribute
// changes are recorded, mapping changes only affect measuring.
class CMetaFileDC : public CDC {
public:
    explicit CMetaFileDC(const CDC* reference = nullptr);

    // The calls recorded so far.
    const CMetaFile& GetMetaFile() const { return m_file; }
    // Ends the recording and hands the list over, its frame the bounds of what
    // was drawn unless the frame was set; the context records anew from an
    // empty list.
    CMetaFile Close();
    // The frame the list gets on closing instead of the drawing's bounds.
    void SetFrame(const CRect& frame) { m_explicitFrame = frame; }
    // A recording holds at most kMaxRecords calls (some 200 bytes each): a
    // drawing that asks for more (a damaged file's numbers can) keeps its
    // first ones, and the recording says it was cut.
    static constexpr std::size_t kMaxRecords = std::size_t{1} << 20;
    bool IsCapped() const { return m_capped || m_file.Records().size() >= m_maxRecords; }
    // A recording of fewer records at most.
    void SetMaxRecords(std::size_t count) { m_maxRecords = std::min(count, kMaxRecords); }

    CPen* SelectObject(CPen* pen) override;
    CBrush* SelectObject(CBrush* brush) override;
    CFont* SelectObject(CFont* font) override;
    using CDC::SelectObject;
    COLORREF SetTextColor(COLORREF color) override;
    COLORREF SetBkColor(COLORREF color) override;
    int SetBkMode(int mode) override;
    UINT SetTextAlign(UINT flags) override;
    int SetROP2(int mode) override;
    int SaveDC() override;
    bool RestoreDC(int saved) override;
    int IntersectClipRect(int left, int top, int right, int bottom) override;
    using CDC::IntersectClipRect;
    int SelectClipRgn(std::nullptr_t) override;
    CPoint MoveTo(int x, int y) override;
    using CDC::MoveTo;
    bool LineTo(int x, int y) override;
    using CDC::LineTo;
    bool Polyline(const POINT* points, int count) override;
    bool Polygon(const POINT* points, int count) override;
    bool Rectangle(int left, int top, int right, int bottom) override;
    using CDC::Rectangle;
    bool Ellipse(int left, int top, int right, int bottom) override;
    using CDC::Ellipse;
    bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    using CDC::Arc;
    bool Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    using CDC::Chord;
    bool Pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void FillRect(const RECT* rect, CBrush* brush) override;
    void FillSolidRect(const RECT* rect, COLORREF color) override;
    using CDC::FillSolidRect;
    bool SetPixelV(int x, int y, COLORREF color) override;
    using CDC::SetPixelV;
    bool DrawEdge(RECT* rect, UINT edge, UINT flags) override;
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) override;
    bool TextOut(int x, int y, std::string_view text) override;
    int DrawText(std::string_view text, RECT* rect, UINT format) override;
    using CDC::DrawText;
    bool PlayMetaFile(const CMetaFile& metaFile, const RECT& target) override;
    using CDC::PlayMetaFile;
    bool DrawPicture(const RECT& rect, CPictureKind kind, std::string_view data) override;

private:
    CMetaRecord& add(CMetaRecord::Type type, std::initializer_list<CPoint> points = {});
    // Widens the bounds of the drawing by a point.
    void grow(const CPoint& p);
    CMetaRecord& add(CMetaRecord::Type type, const RECT& rect) {
        return add(type, {CPoint(rect.left, rect.top), CPoint(rect.right, rect.bottom)});
    }

    CMetaFile m_file;
    CMetaRecord m_discard;
    std::size_t m_maxRecords = kMaxRecords;
    bool m_capped = false;
    bool m_hasBounds = false;
    CRect m_bounds; // normalised
    CRect m_explicitFrame;
};
