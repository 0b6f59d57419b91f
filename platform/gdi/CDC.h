#pragma once
// The device context: everything the program draws goes through a CDC. It
// keeps the original platform's semantics, which the drawing code was written
// for: integer logical coordinates, a mapping mode that turns them into device
// pixels (MM_TEXT; MM_LOMETRIC with 0.1 mm per unit and y up; MM_ANISOTROPIC
// with free window and viewport extents and origins), selected pens, brushes and
// fonts, a current position, text alignment, background mode and a stack of
// saved states.
//
// The context converts logical to device coordinates itself and draws with a
// QPainter in device pixels, so text stays upright in y-up modes (a y-flipping
// painter transform would mirror the glyphs). Conversions truncate toward zero:
//   device = (logical - window origin) * viewport extent / window extent + viewport origin
//
// A view's paint event attaches a context to its painter:
//   QPainter painter(this); CDC dc(&painter, this); OnDraw(&dc);
// Pictures go to a CImageDC, printers and PDF files to a CPrinterDC, and a
// CMetaFileDC records the calls into a display list that plays back onto any
// context. Measuring and drawing text needs the application object
// (QGuiApplication) for its fonts.
#include "platform/core/CRect.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/GdiMath.h"

#include <memory>
#include <string_view>
#include <vector>

class QFont;
class QPainter;
class QPoint;
class QPainterPath;
class QPaintDevice;
class CMetaFile;

// What the bytes of a picture are.
enum class CPictureKind { svg = 1, png = 2, displayList = 3 };

// What a device reports of itself (GetDeviceCaps). Sizes in pixels unless named
// otherwise; the printable area starts at the physical offset of the sheet.
struct CDeviceCaps {
    int horzRes = 1024;   // printable width, pixels
    int vertRes = 768;    // printable height, pixels
    int horzSizeMM = 271; // printable width, millimetres
    int vertSizeMM = 203;
    int logPixelsX = 96; // pixels per inch
    int logPixelsY = 96;
    int physicalWidth = 1024; // the whole sheet, pixels
    int physicalHeight = 768;
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;
    int technology = DT_RASDISPLAY;
    int bitsPixel = 32;

    // A device of the given size and resolution without unprintable margins.
    static CDeviceCaps FromPixels(int width, int height, int dpiX, int dpiY, int technology = DT_RASDISPLAY);
    // What a paint device (a widget, an image) reports of itself.
    static CDeviceCaps FromDevice(const QPaintDevice& device);
    // The primary screen (a 1024 x 768 screen at 96 dpi when there is none).
    static CDeviceCaps Screen();
};

class CDC {
public:
    // A context without a surface, measuring as the screen does; it draws nothing.
    CDC();
    // A context without a surface on a device with the given capabilities.
    explicit CDC(const CDeviceCaps& caps);
    // Attaches to an active painter (not owned) that paints on device (not
    // owned): MM_TEXT, one logical unit per device pixel, the capabilities and
    // the clip box of that device. The painter's state is restored when the
    // context is destroyed.
    CDC(QPainter* painter, QPaintDevice* device);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // --- Device -----------------------------------------------------------------
    int GetDeviceCaps(int index) const;
    const CDeviceCaps& GetCaps() const { return m_caps; }
    bool IsPrinting() const { return m_printing; }
    void SetPrinting(bool printing) { m_printing = printing; }
    // The painter drawn with (null for a context without a surface).
    QPainter* GetPainter() const { return m_painter; }

    // --- Mapping ----------------------------------------------------------------
    int GetMapMode() const { return m_state.mapMode; }
    // MM_TEXT, MM_LOMETRIC or MM_ANISOTROPIC; returns the previous mode, 0 for
    // an unknown one. Fixed modes set their extents; origins stay.
    virtual int SetMapMode(int mode);
    CPoint GetWindowOrg() const { return m_state.windowOrg; }
    CPoint GetViewportOrg() const { return m_state.viewportOrg; }
    CSize GetWindowExt() const { return m_state.windowExt; }
    CSize GetViewportExt() const { return m_state.viewportExt; }
    virtual CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
    CPoint OffsetWindowOrg(int dx, int dy);
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
    CPoint OffsetViewportOrg(int dx, int dy);
    // Extents change only in MM_ANISOTROPIC; elsewhere they return the current
    // extent and change nothing. A zero extent is refused (the result is 0, 0).
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE s) { return SetWindowExt(s.cx, s.cy); }
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE s) { return SetViewportExt(s.cx, s.cy); }

    // One axis of the conversion, either way: (v - from) * num / den + to in
    // integers, multiplied before dividing and truncated toward zero; a result
    // beyond the range of int saturates. Maps that keep a copy of a context's
    // mapping convert with it too.
    static int MapAxis(int v, int from, int num, int den, int to) {
        if (den == 0) return to;
        return gdi::saturate((static_cast<__int128>(v) - from) * num / den + to);
    }
    void LPtoDP(POINT* points, int count = 1) const;
    void LPtoDP(RECT* rect) const;
    // Sizes convert by the scale only, keeping their signs' magnitudes.
    void LPtoDP(SIZE* size) const;
    void DPtoLP(POINT* points, int count = 1) const;
    void DPtoLP(RECT* rect) const;
    void DPtoLP(SIZE* size) const;

    // --- Objects ----------------------------------------------------------------
    // Each returns the object selected before (the context's default object at
    // first), for the caller to select back.
    virtual CPen* SelectObject(CPen* pen);
    virtual CBrush* SelectObject(CBrush* brush);
    virtual CFont* SelectObject(CFont* font);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const { return m_state.penObject; }
    CBrush* GetCurrentBrush() const { return m_state.brushObject; }
    CFont* GetCurrentFont() const { return m_state.fontObject; }

    // --- Attributes -------------------------------------------------------------
    virtual COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_state.textColor; }
    virtual COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_state.bkColor; }
    // TRANSPARENT or OPAQUE; returns the previous mode.
    virtual int SetBkMode(int mode);
    int GetBkMode() const { return m_state.bkMode; }
    virtual UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const { return m_state.textAlign; }
    // R2_COPYPEN or R2_NOT. Inversion works where the surface supports it (an
    // image, a widget's raster backing store); elsewhere lines are drawn in their
    // own colour, which is what an overlay repainted by its view needs.
    virtual int SetROP2(int mode);
    int GetROP2() const { return m_state.rop2; }

    // Saves the whole state and returns its number (from 1); RestoreDC(-1)
    // restores the last one, RestoreDC(n) the n-th and drops the later ones.
    virtual int SaveDC();
    virtual bool RestoreDC(int saved);

    // --- Clipping ---------------------------------------------------------------
    // The visible part of the device in logical units, converted corner by
    // corner (so top > bottom in MM_LOMETRIC). NULLREGION when nothing is visible.
    int GetClipBox(RECT* rect) const;
    virtual int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const RECT* rect) {
        return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
    }
    // Removes the clipping that IntersectClipRect set.
    virtual int SelectClipRgn(std::nullptr_t);

    // --- Lines and shapes (logical coordinates) --------------------------------
    CPoint GetCurrentPosition() const { return m_state.currentPosition; }
    virtual CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    virtual bool LineTo(int x, int y);
    bool LineTo(POINT p) { return LineTo(p.x, p.y); }
    virtual bool Polyline(const POINT* points, int count);
    // Filled with the brush (alternate filling), outlined with the pen.
    virtual bool Polygon(const POINT* points, int count);
    virtual bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const RECT* r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    virtual bool Ellipse(int left, int top, int right, int bottom);
    bool Ellipse(const RECT* r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
    // Arcs of the ellipse in the bounding rectangle, from the radial through the
    // start point to the radial through the end point, counter-clockwise as seen
    // on the device; equal radials give the whole ellipse. A chord closes the
    // arc with a straight line, a pie with two radii; both are filled.
    virtual bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    bool Arc(const RECT* r, POINT start, POINT end) {
        return Arc(r->left, r->top, r->right, r->bottom, start.x, start.y, end.x, end.y);
    }
    virtual bool Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    bool Chord(const RECT* r, POINT start, POINT end) {
        return Chord(r->left, r->top, r->right, r->bottom, start.x, start.y, end.x, end.y);
    }
    virtual bool Pie(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    // Fills the rectangle (right and bottom edges excluded) without outline.
    virtual void FillRect(const RECT* rect, CBrush* brush);
    virtual void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
        const RECT r{x, y, gdi::add(x, cx), gdi::add(y, cy)};
        FillSolidRect(&r, color);
    }
    virtual bool SetPixelV(int x, int y, COLORREF color);
    bool SetPixelV(POINT p, COLORREF color) { return SetPixelV(p.x, p.y, color); }
    // A three-dimensional border of BDR_ edges on the BF_ sides; with BF_ADJUST
    // the rectangle shrinks to its inside.
    virtual bool DrawEdge(RECT* rect, UINT edge, UINT flags);
    virtual void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);

    // --- Text (UTF-8) -------------------------------------------------------------
    // Text at a point by the alignment flags; with TA_UPDATECP at the current
    // position, which then moves past the text.
    virtual bool TextOut(int x, int y, std::string_view text);
    // Formatted text in a rectangle (DT_ flags); returns the height of the text
    // in logical units. DT_CALCRECT only measures and sets the rectangle's right
    // and bottom to bound the text.
    virtual int DrawText(std::string_view text, RECT* rect, UINT format);
    int DrawText(const char* text, int count, RECT* rect, UINT format) {
        return DrawText(count < 0 ? std::string_view(text) : std::string_view(text, count), rect, format);
    }
    CSize GetTextExtent(std::string_view text) const;
    CSize GetOutputTextExtent(std::string_view text) const { return GetTextExtent(text); }
    bool GetTextMetrics(TEXTMETRIC* metrics) const;

    // --- Printing ---------------------------------------------------------------
    // A context that is no printer refuses these (SP_ERROR).
    virtual int StartDoc(std::string_view documentName);
    virtual int StartPage();
    virtual int EndPage();
    virtual int EndDoc();
    virtual int AbortDoc();

    // --- Recorded pictures --------------------------------------------------------
    // Plays a display list under this context's mapping, every logical
    // coordinate moved by offset; the context's state is as before afterwards.
    bool PlayMetaFile(const CMetaFile& metaFile, CPoint offset = CPoint(0, 0));
    // Plays a display list scaled so that its frame fills target (logical
    // units; left and top are the picture's left and top edge as seen on the
    // device). Line widths and fonts scale with the picture, as they are in
    // the list's logical units; the thinnest lines stay the thinnest.
    virtual bool PlayMetaFile(const CMetaFile& metaFile, const RECT& target);
    // A picture drawn into a rectangle of logical units (left and top as seen on
    // the device): SVG or PNG artwork, or a display list in its file form.
    virtual bool DrawPicture(const RECT& rect, CPictureKind kind, std::string_view data);
    // The picture of a file or a Qt resource (":/..."), its kind read from its
    // content; false when it cannot be read or is none of the three kinds.
    bool DrawPictureFile(const RECT& rect, std::string_view path);

protected:
    struct State {
        int mapMode = MM_TEXT;
        CPoint windowOrg;
        CPoint viewportOrg;
        CSize windowExt{1, 1};
        CSize viewportExt{1, 1};
        LOGPEN pen;
        LOGBRUSH brush;
        LOGFONT font;
        bool fontInPixels = true;
        CPen* penObject = nullptr;
        CBrush* brushObject = nullptr;
        CFont* fontObject = nullptr;
        COLORREF textColor = RGB(0, 0, 0);
        COLORREF bkColor = RGB(255, 255, 255);
        int bkMode = OPAQUE;
        UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
        int rop2 = R2_COPYPEN;
        CPoint currentPosition;
        bool clipped = false;
        CRect clip; // device pixels, normalised
    };

    // Takes the capabilities of a device (and resets the mapping to MM_TEXT).
    void setCaps(const CDeviceCaps& caps);
    // Draws with painter (not owned) from now on; null stops drawing.
    void attachPainter(QPainter* painter, bool restoreOnDetach);
    void detachPainter();
    // Brings the painter's clipping in line with the state.
    void applyClip();
    // The device area the context draws into, in device pixels, in place of
    // the device's own rectangle (an image standing in for a window may reach
    // beyond it); an empty box gives the device's rectangle back.
    void setDeviceBox(const CRect& box);
    // The state as it is now, for contexts that copy another's attributes.
    const State& state() const { return m_state; }
    void setState(const State& state);

private:
    struct Impl;
    void initDefaults();
    // Device pixels per logical unit, signed.
    double scaleX() const { return static_cast<double>(m_state.viewportExt.cx) / m_state.windowExt.cx; }
    double scaleY() const { return static_cast<double>(m_state.viewportExt.cy) / m_state.windowExt.cy; }
    // The selected font realised for the current mapping.
    const QFont& realisedFont() const;
    // Fills (with the brush) and strokes (with the pen) a path in device pixels.
    void paintPath(const QPainterPath& path, bool fill, bool stroke);
    // Strokes a line through device points with the pen.
    void strokePolyline(const QPoint* points, int count);

    CDeviceCaps m_caps;
    State m_state;
    std::vector<State> m_saved;
    QPainter* m_painter = nullptr;
    bool m_printing = false;
    std::unique_ptr<Impl> m_impl;
};
