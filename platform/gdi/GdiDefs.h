#pragma once
// The numbers and records of the drawing layer: mapping modes, pen, brush and
// hatch styles, text alignment and DrawText flags, edges, stock objects, device
// capabilities, and the font and text-metric records. The program's code and
// its stored settings use these values (a table border style, a chart pen
// style), so they keep the numbers that code was written against.
#include "platform/core/COLORREF.h"
#include "platform/core/CodePage.h"
#include "platform/core/WinTypes.h"

#include <cstring>
#include <string>
#include <string_view>

// Mapping modes.
constexpr int MM_TEXT = 1;        // one logical unit per device pixel, y down
constexpr int MM_LOMETRIC = 2;    // 0.1 mm per logical unit, y up
constexpr int MM_ANISOTROPIC = 8; // window and viewport extents as set

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;

// Brush styles and hatches.
constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;
constexpr UINT BS_HATCHED = 2;
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Raster operations of lines and fills.
constexpr int R2_NOT = 6;
constexpr int R2_COPYPEN = 13;

// Text alignment (TextOut).
constexpr UINT TA_NOUPDATECP = 0;
constexpr UINT TA_UPDATECP = 1;
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

// DrawEdge: the two borders of an edge and the sides.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

// Regions as GetClipBox reports them.
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;

// Device capabilities (GetDeviceCaps).
constexpr int TECHNOLOGY = 2;
constexpr int HORZSIZE = 4; // width of the printable area in millimetres
constexpr int VERTSIZE = 6; // height of the printable area in millimetres
constexpr int HORZRES = 8;  // width of the printable area in pixels
constexpr int VERTRES = 10; // height of the printable area in pixels
constexpr int BITSPIXEL = 12;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALWIDTH = 110; // whole sheet in pixels
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112; // unprintable margin left of and above the printable area
constexpr int PHYSICALOFFSETY = 113;
// TECHNOLOGY values.
constexpr int DT_RASDISPLAY = 1;
constexpr int DT_RASPRINTER = 2;

// Print job results.
constexpr int SP_ERROR = -1;

// Font weights, character sets, precisions and families.
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SYMBOL_CHARSET = 2;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_TT_PRECIS = 4;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;

constexpr int LF_FACESIZE = 32;

// A font as it is asked for. The height is in logical units of the device
// context that draws with it: negative for the character height (without the
// internal leading), positive for the cell height, 0 for a default size. The
// escapement turns the text's baseline in tenths of a degree, counter-clockwise
// where the y axis points down (MM_TEXT). Like the drawing, the turn follows the
// mapping: under MM_LOMETRIC, where y points up, a positive escapement turns the
// text clockwise on the paper, as a shape rotated by the same angle in world
// coordinates with z downwards. The glyphs themselves are never mirrored.
struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {}; // UTF-8, zero-terminated

    // Sets the face name, cut to fit (never inside a UTF-8 sequence).
    void SetFaceName(std::string_view face) {
        const std::size_t n = codepage::utf8Prefix(face, LF_FACESIZE - 1);
        std::memset(lfFaceName, 0, sizeof lfFaceName);
        std::memcpy(lfFaceName, face.data(), n);
    }
    std::string FaceName() const { return std::string(lfFaceName, strnlen(lfFaceName, LF_FACESIZE)); }

    bool operator==(const LOGFONT& o) const {
        return lfHeight == o.lfHeight && lfWidth == o.lfWidth && lfEscapement == o.lfEscapement &&
               lfOrientation == o.lfOrientation && lfWeight == o.lfWeight && lfItalic == o.lfItalic &&
               lfUnderline == o.lfUnderline && lfStrikeOut == o.lfStrikeOut && lfCharSet == o.lfCharSet &&
               lfOutPrecision == o.lfOutPrecision && lfClipPrecision == o.lfClipPrecision &&
               lfQuality == o.lfQuality && lfPitchAndFamily == o.lfPitchAndFamily &&
               std::strncmp(lfFaceName, o.lfFaceName, LF_FACESIZE) == 0;
    }
};

// The measures of the selected font, in logical units.
struct TEXTMETRIC {
    LONG tmHeight = 0; // ascent + descent
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};

// A pen: style, width in logical units (0 is the thinnest line the device can
// draw) and colour.
struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    int lopnWidth = 0;
    COLORREF lopnColor = 0;
    bool operator==(const LOGPEN&) const = default;
};

// A brush: style, colour and hatch.
struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    int lbHatch = 0;
    bool operator==(const LOGBRUSH&) const = default;
};
