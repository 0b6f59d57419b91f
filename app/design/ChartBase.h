#pragma once
// A small chart library for the design views, the reinforcement dialogs and the
// design report pages: a framed chart with a main title, an X title and a Y
// title around a plot area with up to four axes and grid lines, into which one
// attached plotter (Plotter.h) draws its data.
//
// The chart has no window of its own. Its owner sets its size in logical units,
// attaches a plotter and draws it on any device context whose y axis points up
// (a window, an image, a printer or a recording):
//
//   ChartBase chart;
//   chart.m_nWidth = 1800; chart.m_nHeight = 900;
//   PlotterBarArea plotter;  plotter.m_bars.push_back(ChartBar(0, 1, "2 Fi 8", 6.7));
//   chart.SetPlotter(&plotter);
//   chart.Draw(&dc, CPoint(0, 0));   // the lower-left corner at the point
//
// Every drawing recomputes steps, ranges and margins; nothing is cached. A chart
// never paints outside its own rectangle, and data that is not finite (or a
// range of nothing) never makes it divide by zero or loop without end.
#include "controls/ASymbol.h"
#include "platform/core/COLORREF.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/gdi/CGdiObject.h"

#include <memory>

class CDC;
class ChartBase;
class Plotter;

// A pen: colour, width and style (0 solid, 2 dot, 5 null), with an optional
// attribute used instead while printing.
class LineAttr {
public:
    LineAttr() = default;
    LineAttr(COLORREF color, int width, int style) : m_color(color), m_nWidth(width), m_nStyle(style) {}
    LineAttr(const LineAttr& other);
    LineAttr& operator=(const LineAttr& other);
    virtual ~LineAttr();

    // Replaces the print attribute by a copy of attr (without attr's own print attribute).
    void SetPrintAttr(const LineAttr& attr);
    const LineAttr* GetPrintAttr() const { return m_pPrint.get(); }
    // Creates the pen in holder (the print attribute's on a printing context)
    // and selects it; returns the pen selected before.
    CPen* Select(CDC* pDC, CPen& holder) const;

    COLORREF m_color = RGB(0, 0, 0);
    int m_nWidth = 1;
    int m_nStyle = 0;

private:
    std::unique_ptr<LineAttr> m_pPrint;
};

// A brush: colour and style (100 hollow, 101 solid, 0 to 5 a hatch), with an
// optional attribute used instead while printing.
class AreaAttr {
public:
    static constexpr int hollow = 100;
    static constexpr int solid = 101;

    AreaAttr(COLORREF color = RGB(255, 255, 255), int style = solid) : m_color(color), m_nStyle(style) {}
    AreaAttr(const AreaAttr& other);
    AreaAttr& operator=(const AreaAttr& other);
    virtual ~AreaAttr();

    void SetPrintAttr(const AreaAttr& attr);
    const AreaAttr* GetPrintAttr() const { return m_pPrint.get(); }
    CBrush* Select(CDC* pDC, CBrush& holder) const;

    COLORREF m_color;
    int m_nStyle;

private:
    std::unique_ptr<AreaAttr> m_pPrint;
};

// Keeps a line attribute selected for its lifetime: the pen of before goes
// back, and the created one is freed, however the drawing ends.
class SelectedLine {
public:
    SelectedLine(CDC* pDC, const LineAttr& attr);
    ~SelectedLine();
    SelectedLine(const SelectedLine&) = delete;
    SelectedLine& operator=(const SelectedLine&) = delete;

private:
    CDC* m_pDC;
    CPen m_pen;
    CPen* m_pOld;
};

class SelectedArea {
public:
    SelectedArea(CDC* pDC, const AreaAttr& attr);
    ~SelectedArea();
    SelectedArea(const SelectedArea&) = delete;
    SelectedArea& operator=(const SelectedArea&) = delete;

private:
    CDC* m_pDC;
    CBrush m_brush;
    CBrush* m_pOld;
};

// A text placed at an anchor point by its alignment fractions (0.5, 1.0: the
// middle of its upper edge), optionally turned to read upwards.
class Title {
public:
    explicit Title(const CString& text = "", double alignX = 0.5, double alignY = 0.5);

    void SetText(const CString& text) { m_text.SetText(text); }
    const CString& GetText() const { return m_text.GetText(); }
    void SetAlignment(double x, double y) { m_text.SetOrigin(omPoint(x, y)); }
    omPoint GetAlignment() const { return m_text.GetOrigin(); }
    void SetFaceName(const CString& face) { m_text.SetFontName(face); }
    void SetTextColor(COLORREF color) { m_text.SetTextColor(color); }
    // A set flag turns the text a quarter to the left (reading upwards).
    void SetVertical(int vertical);
    int IsVertical() const { return m_bVertical; }
    // The height drawn: the explicit one, else the default one.
    int GetFontHeight() const { return m_nHeight != 0 ? m_nHeight : m_nDefaultHeight; }

    void Draw(CDC* pDC, int x, int y);
    // The text's extent; width and height exchanged when vertical.
    CSize GetSize(CDC* pDC);

    int m_nHeight = 0;        // explicit font height, 0 = none
    int m_nDefaultHeight = 0; // set by the owner before drawing

private:
    void ApplyHeight();

    ASymText m_text;
    int m_bVertical = 0;
};

// One axis of the plot area. Values map linearly from the axis' start to its
// end over its length less the two margins.
class Axis {
public:
    enum Mode { modeLower = 0, modeUpper = 1, modeCrossing = 2, modeHidden = 3 };

    Axis();
    virtual ~Axis();

    // The room the axis needs outside the plot rectangle at the left, upper,
    // right and lower side.
    virtual void GetMargins(CDC* pDC, int& left, int& top, int& right, int& bottom) = 0;
    virtual CPoint GetPoint(double value) = 0;
    virtual void Draw(CDC* pDC) = 0;
    virtual CString FormatLabel(double value);
    virtual int GetLabelSpace(const CSize& label) = 0;

    // The tick step (the user's, else one that leaves each label its room);
    // also rounds the range outward to whole steps. 0 for a hidden axis.
    double GetStep(CDC* pDC);
    double GetMinorStep(CDC* pDC, double step);
    // The offset of a value along the axis from its origin.
    int Map(double value) const;
    double GetCrossing() const { return m_dCrossing; }
    // The step for n labels over the data range: 1, 2 or 5 of a decade.
    double NiceStep(int n) const;
    void RoundRange(double step);
    void GetTickExtents(int& below, int& above, int& labelOffset) const;
    bool IsVertical() const { return m_label.IsVertical() != 0; }

    LineAttr m_lineAttr;
    int m_nLength = 0;
    int m_nOriginX = 0;
    int m_nOriginY = 0;
    double m_dStep = 0.0; // the user's step, 0 = automatic
    double m_dMax = 0.0;
    double m_dMin = 0.0;
    double m_dStart = 0.0;
    double m_dEnd = 0.0;
    int m_nMarginStart = 0;
    int m_nMarginEnd = 0;
    Title m_label;
    CString m_strFormat; // empty: "%1.0lf"
    int m_nMode = modeLower;
    double m_dCrossing = 0.0;
    int m_nTickStyle = 1;

protected:
    // The values of the ticks, start to end.
    int TickCount(double step) const;
    // The range drawn: the data range when it is usable, else 0 to 1.
    void SanitiseRange();
    // The largest width (or height) of the tick labels.
    int LabelExtent(CDC* pDC, double step, bool width);
    // The size of the label of one value.
    CSize LabelSize(CDC* pDC, double value);
    // The tick marks with their labels; an X axis ticks up and down, a Y axis across.
    void DrawTicks(CDC* pDC, double step, bool ticksUpright);
};

class AxisX : public Axis {
public:
    void GetMargins(CDC* pDC, int& left, int& top, int& right, int& bottom) override;
    CPoint GetPoint(double value) override;
    void Draw(CDC* pDC) override;
    int GetLabelSpace(const CSize& label) override;
};

class AxisY : public Axis {
public:
    void GetMargins(CDC* pDC, int& left, int& top, int& right, int& bottom) override;
    CPoint GetPoint(double value) override;
    void Draw(CDC* pDC) override;
    int GetLabelSpace(const CSize& label) override;
};

// A Y axis of deflection ratios, labelled 1/n (nothing at 0).
class AxisYDeflection : public AxisY {
public:
    CString FormatLabel(double value) override;
};

class PlotArea {
public:
    PlotArea();
    ~PlotArea();
    PlotArea(const PlotArea&) = delete;
    PlotArea& operator=(const PlotArea&) = delete;

    // (x, y) is the lower-left corner; nothing is drawn when the plot rectangle
    // left inside the axes' labels is less than 10 units either way.
    void Draw(CDC* pDC, int x, int y, Plotter* pPlotter);

    Axis& GetAxisX() { return *m_pAxisX; }
    Axis& GetAxisY() { return *m_pAxisY; }
    Axis& GetAxisX2() { return *m_pAxisX2; }
    Axis& GetAxisY2() { return *m_pAxisY2; }
    // Replaces the primary Y axis (the deflection chart labels 1/n).
    void SetAxisY(std::unique_ptr<Axis> axis);
    // The plot rectangle of the last drawing (left, top, right, bottom; top > bottom).
    const CRect& GetPlotRect() const { return m_plotRect; }

    int m_nWidth = 0;
    int m_nHeight = 0;
    LineAttr m_frameAttr;
    AreaAttr m_background{RGB(255, 255, 255), AreaAttr::solid};
    LineAttr m_majorGrid{RGB(0, 0, 0), 1, 0};
    LineAttr m_minorGrid{RGB(196, 196, 196), 1, 0};
    bool m_bMajorVertical = true;
    bool m_bMajorHorizontal = true;
    bool m_bMinorVertical = true;
    bool m_bMinorHorizontal = true;
    int m_nLabelFontHeight = 0; // 0 = height / 20

private:
    void DrawGrid(CDC* pDC, Axis& axis, bool vertical, bool minor, bool major);

    std::unique_ptr<Axis> m_pAxisX, m_pAxisY, m_pAxisX2, m_pAxisY2;
    CRect m_plotRect;
};

class ChartBase {
public:
    ChartBase();
    virtual ~ChartBase();
    ChartBase(const ChartBase&) = delete;
    ChartBase& operator=(const ChartBase&) = delete;

    // Attaches a plotter (not owned; null detaches): it sets the chart up for
    // its kind of diagram, and its range becomes the primary axes' data range.
    // Attach after sizing the chart and before drawing.
    void SetPlotter(Plotter* pPlotter);
    Plotter* GetPlotter() const { return m_pPlotter; }
    virtual void Draw(CDC* pDC, const CPoint& anchor);

    // The base unit: the set one, else height / 28.
    int GetUnit() const;
    PlotArea& GetPlotArea() { return m_plotArea; }

    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nUnit = 0;
    int m_nUpperGap = 0;      // 0: unit / 2
    int m_nLeftGap = 0;       // 0: unit / 2
    int m_nLowerGap = 0;      // 0: unit / 2
    int m_nRightGap = 0;      // 0: unit
    int m_nTitleGap = 0;      // between the main title and the plot area; 0: unit / 2
    int m_nAxisTitleGap = 0;  // between the axis titles and the plot area; 0: unit / 2
    LineAttr m_frameAttr;
    AreaAttr m_background{RGB(255, 255, 255), AreaAttr::solid};
    double m_dAnchorX = 0.0; // the anchor lies this fraction of the width right of the left edge
    double m_dAnchorY = 0.0; // and this fraction of the height above the lower edge
    Title m_mainTitle;
    Title m_xTitle;
    Title m_yTitle;

private:
    Plotter* m_pPlotter = nullptr;
    PlotArea m_plotArea;
};
