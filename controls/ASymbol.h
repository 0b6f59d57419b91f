#pragma once
// Drawing symbols: small scalable shapes described once as points of a unit box
// and placed at every draw at a logical position with a width, a height and an
// angle. A unit-box point p lands at
//
//   position + rotate((p - origin) * (width, height), -angle)
//
// where the origin is the point of the box that lands on the position and the
// rotation is the common library's omRotate. With world y downwards, as the
// structure's z, and logical y upwards, a positive angle turns a symbol the way
// the world angle turns on the screen; texts (ASymText) turn the same way.
//
// The program derives its support, release and load symbols from ASymbol: a
// kind fills the points in CreatePoints and draws in Draw:
//
//   void Draw(CDC& dc, const omPoint& at, bool erase) override {
//       ASymbol::Draw(dc, at, erase);   // points placed, brush and pen selected
//       ...draw from GetPoint(i)...
//       AfterDraw(dc);                  // previous brush and pen back
//   }
#include "common/omPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/gdi/CGdiObject.h"
#include "platform/gdi/GdiMath.h"

#include <cmath>
#include <vector>

class CDC;

class ASymbol {
public:
    ASymbol() = default;
    // Height first.
    ASymbol(double height, double width, double angle) : m_angle(angle), m_width(width), m_height(height) {}
    ASymbol(const ASymbol& o);
    ASymbol& operator=(const ASymbol& o);
    virtual ~ASymbol();

    void SetColors(COLORREF line, COLORREF fill) {
        m_lineColor = line;
        m_fillColor = fill;
    }
    COLORREF GetLineColor() const { return m_lineColor; }
    COLORREF GetFillColor() const { return m_fillColor; }
    // Radians.
    void SetAngle(double angle) { m_angle = angle; }
    double GetAngle() const { return m_angle; }
    // Logical units.
    void SetWidth(double width) { m_width = width; }
    double GetWidth() const { return m_width; }
    void SetHeight(double height) { m_height = height; }
    double GetHeight() const { return m_height; }
    // Pen width in logical units; 0 is the thinnest line.
    void SetPenThickness(unsigned thickness) { m_penThickness = thickness; }
    unsigned GetPenThickness() const { return m_penThickness; }
    // The point of the unit box that lands on the drawing position.
    void SetOrigin(const omPoint& origin) { m_origin = origin; }
    const omPoint& GetOrigin() const { return m_origin; }

    // The points: in unit-box coordinates after CreatePoints, in logical
    // coordinates after a draw. A point outside the list is (0, 0).
    const omPoint& GetPoint(int index) const;
    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    // Truncates each coordinate.
    static CPoint Round(const omPoint& p) {
        if (std::isnan(p.x) || std::isnan(p.y)) return CPoint(gdi::kNowhere, gdi::kNowhere);
        return CPoint(gdi::toDeviceTruncated(p.x), gdi::toDeviceTruncated(p.y));
    }

    // Makes and places the points; with eraseBackground paints the placed unit
    // box in the fill colour first; then selects a solid brush of the fill
    // colour and a solid pen of the line colour and thickness. The kinds draw
    // their figure after this and call AfterDraw.
    virtual void Draw(CDC& dc, const omPoint& position, bool eraseBackground);
    // Refills the points in unit-box coordinates.
    virtual void CreatePoints() = 0;

    // Places every point at the position.
    void SetPoints(const omPoint& position);
    // Where one unit-box point lands.
    omPoint Place(const omPoint& unit, const omPoint& position) const;

protected:
    // Selects the brush and pen of before back and deletes the symbol's own.
    void AfterDraw(CDC& dc);

    std::vector<omPoint> m_points;

private:
    COLORREF m_lineColor = 0;
    COLORREF m_fillColor = 0xFFFFFF;
    double m_angle = 0.0;
    double m_width = 0.0;
    double m_height = 0.0;
    omPoint m_origin{0.5, 0.5};
    CBrush m_brush;
    CPen m_pen;
    CBrush* m_oldBrush = nullptr;
    CPen* m_oldPen = nullptr;
    unsigned m_penThickness = 0;
};

// An arrow along the box's middle: shaft from u = 0 to the tip at u = 1, which
// lands on the position.
class ASymArrow : public ASymbol {
public:
    ASymArrow();
    ASymArrow(double height, double width, double angle);
    void Draw(CDC& dc, const omPoint& position, bool eraseBackground) override;
    void CreatePoints() override;
};

// A filled, notched dart pointing along +u.
class ASymArrow_1 : public ASymbol {
public:
    ASymArrow_1() = default;
    ASymArrow_1(double height, double width, double angle) : ASymbol(height, width, angle) {}
    void Draw(CDC& dc, const omPoint& position, bool eraseBackground) override;
    void CreatePoints() override;
};

// The filled box.
class ASymRectangle : public ASymbol {
public:
    ASymRectangle() = default;
    ASymRectangle(double height, double width, double angle) : ASymbol(height, width, angle) {}
    void Draw(CDC& dc, const omPoint& position, bool eraseBackground) override;
    void CreatePoints() override;
};

// A capsule: the box with half discs as its short ends (a circle when square).
class ASymOval : public ASymbol {
public:
    ASymOval() = default;
    ASymOval(double height, double width, double angle) : ASymbol(height, width, angle) {}
    void Draw(CDC& dc, const omPoint& position, bool eraseBackground) override;
    void CreatePoints() override;
};

// A text, optionally framed by a rectangle or an oval. Drawing measures the
// text with its font: the extent becomes the symbol's width and height, so the
// origin aligns the text box on the position. Texts are meant for contexts
// whose y axis points up.
class ASymText : public ASymbol {
public:
    enum Shape { shapeNone = 0, shapeRectangle = 1, shapeOval = 2 };

    ASymText();
    ASymText(const CString& text, const CString& fontName, int fontSize, BYTE charSet, int borderOffset,
             Shape shape, double angle);

    void Draw(CDC& dc, const omPoint& position, bool eraseBackground) override;
    void CreatePoints() override;

    void SetText(const CString& text) { m_text = text; }
    const CString& GetText() const { return m_text; }
    void SetFont(const CString& name, int size, BYTE charSet) {
        m_fontName = name;
        m_fontSize = size;
        m_charSet = charSet;
    }
    // Logical font height: negative for the character height, positive for the cell.
    void SetFontSize(int size) { m_fontSize = size; }
    int GetFontSize() const { return m_fontSize; }
    void SetFontName(const CString& name) { m_fontName = name; }
    const CString& GetFontName() const { return m_fontName; }
    void SetCharSet(BYTE charSet) { m_charSet = charSet; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    COLORREF GetTextColor() const { return m_textColor; }
    // Added to the text's height and width for the frame.
    void SetBorderOffset(double offset) { m_borderOffset = offset; }
    void SetShape(Shape shape) { m_shape = shape; }
    Shape GetShape() const { return m_shape; }

    // The text's extent in the symbol's font.
    CSize GetTextSize(CDC& dc) const;
    // Tenths of a degree per degree of the angle: 10, or -10 on a printing
    // context while the print-rotation switch is on (for printers that turn
    // text the other way).
    int GetFontAngleFactor(const CDC& dc) const;
    static void SetFixFontPrintRotation(bool on);
    static bool GetFixFontPrintRotation();

private:
    void makeFont(const CDC& dc, CFont& font) const;

    CString m_text;
    CString m_fontName = "ARIAL";
    int m_fontSize = 0;
    BYTE m_charSet = 0;
    COLORREF m_textColor = 0;
    Shape m_shape = shapeNone;
    double m_borderOffset = 0.0;
};

// The axes icon: broad arrows along +u ("X") and from the top edge to v = 0
// ("Z"), the cross of the y axis at the origin, and the two labels.
class ASymOrigin : public ASymbol {
public:
    ASymOrigin();
    ASymOrigin(double height, double width, double angle);
    void Draw(CDC& dc, const omPoint& position, bool eraseBackground) override;
    void CreatePoints() override;
};
