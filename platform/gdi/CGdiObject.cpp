#include "platform/gdi/CGdiObject.h"

#include "platform/gdi/CDC.h"

#include <cmath>
#include <cstdlib>

CGdiObject::~CGdiObject() = default;

bool CGdiObject::DeleteObject() {
    if (m_stock || !m_created) return false;
    m_created = false;
    return true;
}

// The stock objects live as long as the program; selecting them never copies.
struct StockObjects {
    CBrush brushes[6];
    CPen pens[3];
    CFont fonts[6];

    StockObjects() {
        const COLORREF greys[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128), RGB(64, 64, 64),
                                  RGB(0, 0, 0)};
        for (int i = 0; i < 5; ++i)
            brushes[i].CreateSolidBrush(greys[i]);
        LOGBRUSH hollow{BS_NULL, 0, 0};
        brushes[5].CreateBrushIndirect(&hollow);
        pens[0].CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
        pens[1].CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
        pens[2].CreatePen(PS_NULL, 0, 0);
        // Screen fonts, sized in device pixels.
        struct FontSpec {
            int height;
            int weight;
            BYTE pitch;
            const char* face;
        };
        const FontSpec specs[] = {
            {12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Monospace"},    // ANSI_FIXED_FONT
            {12, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "Sans Serif"}, // ANSI_VAR_FONT
            {16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "Sans Serif"},   // SYSTEM_FONT
            {16, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "Sans Serif"}, // DEVICE_DEFAULT_FONT
            {16, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Monospace"},    // SYSTEM_FIXED_FONT
            {-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "Sans Serif"} // DEFAULT_GUI_FONT
        };
        for (int i = 0; i < 6; ++i) {
            LOGFONT lf;
            lf.lfHeight = specs[i].height;
            lf.lfWeight = specs[i].weight;
            lf.lfPitchAndFamily = specs[i].pitch;
            lf.SetFaceName(specs[i].face);
            fonts[i].CreatePixelFontIndirect(&lf);
        }
        for (auto& b : brushes)
            b.markStock();
        for (auto& p : pens)
            p.markStock();
        for (auto& f : fonts)
            f.markStock();
    }

    CGdiObject* get(int index) {
        if (index >= WHITE_BRUSH && index <= NULL_BRUSH) return &brushes[index];
        if (index >= WHITE_PEN && index <= NULL_PEN) return &pens[index - WHITE_PEN];
        switch (index) {
        case ANSI_FIXED_FONT:
            return &fonts[0];
        case ANSI_VAR_FONT:
            return &fonts[1];
        case SYSTEM_FONT:
            return &fonts[2];
        case DEVICE_DEFAULT_FONT:
            return &fonts[3];
        case SYSTEM_FIXED_FONT:
            return &fonts[4];
        case DEFAULT_GUI_FONT:
            return &fonts[5];
        default:
            return nullptr;
        }
    }
};

CGdiObject* CGdiObject::GetStockObject(int index) {
    static StockObjects stock;
    return stock.get(index);
}

// --- CPen ---------------------------------------------------------------------

bool CPen::CreatePen(int style, int width, COLORREF color) {
    if (IsCreated() || style < PS_SOLID || style > PS_NULL) return false;
    m_data = LOGPEN{static_cast<UINT>(style), width < 0 ? 0 : width, color};
    setCreated(true);
    return true;
}

bool CPen::CreatePenIndirect(const LOGPEN* pen) {
    return pen && CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth, pen->lopnColor);
}

bool CPen::GetLogPen(LOGPEN* pen) const {
    if (!IsCreated() || !pen) return false;
    *pen = m_data;
    return true;
}

// --- CBrush -------------------------------------------------------------------

bool CBrush::CreateSolidBrush(COLORREF color) {
    LOGBRUSH b{BS_SOLID, color, 0};
    return CreateBrushIndirect(&b);
}

bool CBrush::CreateHatchBrush(int hatch, COLORREF color) {
    LOGBRUSH b{BS_HATCHED, color, hatch};
    return CreateBrushIndirect(&b);
}

bool CBrush::CreateBrushIndirect(const LOGBRUSH* brush) {
    if (IsCreated() || !brush) return false;
    if (brush->lbStyle > BS_HATCHED) return false;
    if (brush->lbStyle == BS_HATCHED && (brush->lbHatch < HS_HORIZONTAL || brush->lbHatch > HS_DIAGCROSS))
        return false;
    m_data = *brush;
    setCreated(true);
    return true;
}

bool CBrush::CreateStockObject(int index) {
    CGdiObject* stock = GetStockObject(index);
    if (!stock || stock->GetKind() != Kind::brush) return false;
    return CreateBrushIndirect(&static_cast<CBrush*>(stock)->m_data);
}

bool CBrush::GetLogBrush(LOGBRUSH* brush) const {
    if (!IsCreated() || !brush) return false;
    *brush = m_data;
    return true;
}

// --- CFont --------------------------------------------------------------------

bool CFont::CreateFontIndirect(const LOGFONT* font) {
    if (IsCreated() || !font) return false;
    m_data = *font;
    m_heightInPixels = false;
    setCreated(true);
    return true;
}

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, std::string_view faceName) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    lf.SetFaceName(faceName);
    return CreateFontIndirect(&lf);
}

bool CFont::CreatePointFontIndirect(const LOGFONT* font, const CDC* dc) {
    if (!font) return false;
    LOGFONT lf = *font;
    // Tenths of a point to device pixels, then by the context's vertical scale
    // into logical units; a character height, hence negative.
    double pixels;
    double logicalPerPixel;
    if (dc) {
        pixels = dc->GetDeviceCaps(LOGPIXELSY) * static_cast<double>(lf.lfHeight) / 720.0;
        const CSize we = dc->GetWindowExt();
        const CSize ve = dc->GetViewportExt();
        logicalPerPixel = std::abs(static_cast<double>(we.cy) / ve.cy);
    } else {
        pixels = CDeviceCaps::Screen().logPixelsY * static_cast<double>(lf.lfHeight) / 720.0;
        logicalPerPixel = 1.0;
    }
    lf.lfHeight = -static_cast<LONG>(std::lround(std::abs(pixels * logicalPerPixel)));
    return CreateFontIndirect(&lf);
}

bool CFont::CreatePointFont(int pointSizeTenths, std::string_view faceName, const CDC* dc) {
    LOGFONT lf;
    lf.lfHeight = pointSizeTenths;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.SetFaceName(faceName);
    return CreatePointFontIndirect(&lf, dc);
}

bool CFont::CreateStockObject(int index) {
    CGdiObject* stock = GetStockObject(index);
    if (!stock || stock->GetKind() != Kind::font) return false;
    return CreatePixelFontIndirect(&static_cast<CFont*>(stock)->m_data);
}

bool CFont::CreatePixelFontIndirect(const LOGFONT* font) {
    if (!CreateFontIndirect(font)) return false;
    m_heightInPixels = true;
    return true;
}

bool CFont::GetLogFont(LOGFONT* font) const {
    if (!IsCreated() || !font) return false;
    *font = m_data;
    return true;
}
