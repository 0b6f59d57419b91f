#pragma once
// The plotters of the chart library: each holds the data of one kind of
// diagram, sets a ChartBase up for it when attached (titles, unit, gaps, axis
// formats and steps, grid) and draws the data into the chart's plot area. The
// X axis of every plotter is the relative position along the element, 0 to 1.
// Owners append records to a plotter's vectors, attach it to a chart and draw
// the chart. Records that are not finite are left out of ranges and drawings.
#include "app/design/ChartBase.h"

#include <string>
#include <vector>

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
};

// A positive-side and a negative-side value at one position.
struct ChartPoint2 {
    double x = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;
};

// The shear ratio and the cross-section ratio of the steel design at one position.
struct ChartUltPoint {
    double x = 0.0;
    double r1 = 0.0;
    double r2 = 0.0;
};

// A section class with the one-character mark drawn in its bar.
struct ChartClassPoint {
    double x = 0.0;
    double cls = 0.0;
    char mark = ' ';
};

struct ChartBar {
    ChartBar() = default;
    ChartBar(double xStart, double xEnd, const CString& label, double value)
        : xs(xStart), xe(xEnd), value(value), label(label) {}
    double xs = 0.0;
    double xe = 0.0;
    double value = 0.0;
    CString label;
};

class Plotter {
public:
    virtual ~Plotter();
    virtual void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) = 0;
    virtual void Draw(CDC* pDC) = 0;
    // Stores the chart (not owned) and gives it the set-up every plotter
    // shares; the kinds add their own.
    virtual void SetChart(ChartBase* pChart);
    ChartBase* GetChart() const { return m_pChart; }

protected:
    // A data point on the device, through the chart's primary axes.
    CPoint MapPoint(double x, double y) const;
    int Unit() const { return m_pChart ? m_pChart->GetUnit() : 0; }
    // A text at a data point moved by (dx, dy) logical units.
    void DrawTitle(CDC* pDC, Title& title, double x, double y, int dx = 0, int dy = 0) const;

    ChartBase* m_pChart = nullptr;
};

// Bars from 0 to each value, in one colour within |limit| and another beyond,
// and the limit as a line.
class PlotterLineLimit : public Plotter {
public:
    PlotterLineLimit();
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;

    double m_dLimit = 1.0;
    std::vector<ChartPoint> m_points;
    LineAttr m_limitAttr{RGB(255, 69, 0), 3, 0};
    Title m_message{"", 0.5, 0.5};

protected:
    void DrawLimitCurve(CDC* pDC, const std::vector<ChartPoint>& points, double limit);
    void DrawLimitLine(CDC* pDC, double level);
};

// Positive values (y1) against +1 and negative ones (y2) against -1, the X
// axis through 0.
class PlotterLineLimit2 : public PlotterLineLimit {
public:
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;

    std::vector<ChartPoint2> m_points2;

protected:
    void DrawCurves(CDC* pDC, double limit);
};

// Crack widths in mm against the limit crack width, with lines at 0.2, 0.3 and
// 0.4 mm either side.
class PlotterCracks : public PlotterLineLimit2 {
public:
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;
};

// Deflections as one curve, the Y axis labelled 1/n.
class PlotterDeflection : public Plotter {
public:
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;

    std::vector<ChartPoint> m_points;
    LineAttr m_curveAttr{RGB(72, 61, 139), 5, 0};
    Title m_message{"", 0.5, 0.5};
};

// Bar i as a thick line at height i + 1 from its start to its end, labelled.
class PlotterBarVec : public Plotter {
public:
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;

    std::vector<ChartBar> m_bars;
    LineAttr m_barAttr{RGB(255, 69, 0), 9, 0};
    Title m_label{"", 0.5, 0.5};
};

// Each bar as a filled rectangle from 0 to its value, labelled at its centre.
class PlotterBarArea : public PlotterBarVec {
public:
    PlotterBarArea();
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;

    AreaAttr m_barArea{RGB(255, 69, 0), AreaAttr::solid};
};

// Section classes 1 to 4 as coloured bars with a mark.
class PlotterSteelClass : public Plotter {
public:
    PlotterSteelClass();
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;

    std::vector<ChartClassPoint> m_points;
    LineAttr m_outlineAttr{RGB(0, 0, 0), 3, 0};
    AreaAttr m_classArea[4];
    Title m_message{"", 0.5, 0.5};
};

// Two bars per position, shear ratio and cross-section ratio, coloured by factor.
class PlotterSteelUlt : public Plotter {
public:
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;

    std::vector<ChartUltPoint> m_points;
    AreaAttr m_area1{RGB(255, 255, 255), AreaAttr::solid};
    AreaAttr m_area2{RGB(255, 255, 255), AreaAttr::solid};
    Title m_message{"", 0.5, 0.5};
};

// Intermediate supports as triangles along the element with the buckling
// length coefficient K of each span.
class PlotterSupport : public Plotter {
public:
    PlotterSupport();
    void GetRange(double& xmin, double& xmax, double& ymin, double& ymax) override;
    void Draw(CDC* pDC) override;
    void SetChart(ChartBase* pChart) override;
    void SetData(const std::vector<double>& positions, const std::vector<double>& coefficients, bool fullySupported,
                 const CString& message);

    CString m_strMessage;
    std::vector<double> m_positions;
    std::vector<double> m_coefficients;
    bool m_bFullySupported = false;
    LineAttr m_supportAttr{RGB(0, 0, 0), 4, 0};
    Title m_text{"", 0.5, 0.5};
};
