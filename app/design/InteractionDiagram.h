#pragma once
// The interaction diagram of a reinforced-concrete section: the closed boundary,
// in the (M, N) plane, of the pairs the section carries at the ultimate limit
// state. A design pair's utilisation is its ratio to the boundary along the ray
// from the origin; the ray is measured in coordinates normalised by the
// diagram's ranges, so that kNcm and kN weigh alike.
#include "common/omPoint.h"

#include <vector>

class UltFuncEC2;

class InteractionDiagram {
public:
    struct Point {
        double M = 0.0;
        double N = 0.0;
        // The edge strains of the strain plane that gave the point.
        double epsBottom = 0.0;
        double epsTop = 0.0;
    };

    InteractionDiagram() = default;
    InteractionDiagram(const InteractionDiagram&) = default;
    InteractionDiagram& operator=(const InteractionDiagram&) = default;
    virtual ~InteractionDiagram();

    // No points; all four bounds 0, so that the ranges always hold the origin.
    void Reset();
    // Appends the point unless its M equals the last point's (then false); widens the bounds.
    bool AddPoint(const Point& point);
    // Walks the boundary of the strain domain with the ultimate functions (their
    // targets 0) and adds one point per strain plane.
    void Build(const UltFuncEC2& functions);

    // Where the ray from the origin through (M, N) leaves the diagram, in
    // normalised coordinates; (0, 0) when no edge meets it. Edge ends count.
    omPoint Intersect(double M, double N) const;
    // 1 on the boundary, less inside, more outside; 0 for (0, 0). A pair whose
    // ray meets no edge, and a diagram without extent in M or N, give
    // designNotVerified.
    double Utilisation(double M, double N) const;

    const std::vector<Point>& getPoints() const { return m_points; }
    double getMinM() const { return m_minM; }
    double getMaxM() const { return m_maxM; }
    double getMinN() const { return m_minN; }
    double getMaxN() const { return m_maxN; }

private:
    std::vector<Point> m_points;
    double m_minM = 0.0;
    double m_maxM = 0.0;
    double m_minN = 0.0;
    double m_maxN = 0.0;
};
