#pragma once
// The program's metafile: a display list of drawing calls in logical units.
// A CMetaFileDC records what is drawn into it; the list plays back onto any
// device context under that context's mapping, moved by an offset. Report
// pictures are recorded once and played on every page where they appear, and
// tests draw into a recording to check the calls and their coordinates.
//
//   CMetaFileDC rec(&printerDC);       // measures text as the printer does
//   symbol.Draw(rec, at, false);
//   CMetaFile picture = rec.Close();
//   picture.Save(path);                // a temporary file of the report
//   dc.PlayMetaFile(CMetaFile::Load(path), CPoint(0, -500));
#include "platform/gdi/CDC.h"

#include <cstdint>
#include <filesystem>
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
    void Clear() { m_records.clear(); }

    // Plays the list onto dc with every coordinate moved by offset. The
    // context's state (objects, colours, modes, current position, clipping) is
    // as before afterwards.
    bool Play(CDC& dc, CPoint offset = CPoint(0, 0)) const;

    // Files of the list. Save throws CFileException when the file cannot be
    // written; Load throws CFileException for an unreadable file and
    // CArchiveException for one that is no display list.
    void Save(const std::filesystem::path& path) const;
    static CMetaFile Load(const std::filesystem::path& path);
    void Serialize(CArchive& ar);

private:
    std::vector<CMetaRecord> m_records;
};

// The recording device context. It takes its capabilities, mapping and
// printing flag from a reference context (the screen when none is given), so
// that text measures as it will on that device; drawing calls and attribute
// changes are recorded, mapping changes only affect measuring.
class CMetaFileDC : public CDC {
public:
    explicit CMetaFileDC(const CDC* reference = nullptr);

    // The calls recorded so far.
    const CMetaFile& GetMetaFile() const { return m_file; }
    // Ends the recording and hands the list over; the context records anew from
    // an empty list.
    CMetaFile Close();

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

private:
    CMetaRecord& add(CMetaRecord::Type type, std::initializer_list<CPoint> points = {});
    CMetaRecord& add(CMetaRecord::Type type, const RECT& rect) {
        return add(type, {CPoint(rect.left, rect.top), CPoint(rect.right, rect.bottom)});
    }

    CMetaFile m_file;
};
