#pragma once
// The bending-moment diagram of one field of a steel member (between two
// lateral supports) and the factors the stability checks take from its shape:
// the equivalent uniform moment factor beta M and the factors C1, C2 and C3 of
// the elastic critical moment.
#include <vector>

class MomentField {
public:
    MomentField() = default;

    // The field between the relative positions start and end of a member whose
    // moments are given at the ascending relative positions; the ends are
    // interpolated where they fall between result positions.
    void SetField(double start, double end, const std::vector<double>& positions,
                  const std::vector<double>& moments);

    const std::vector<double>& positions() const { return m_x; }
    const std::vector<double>& moments() const { return m_M; }

    double MaxAbsMoment() const;
    double MaxMoment() const;
    double MinMoment() const;
    // The largest deviation from the straight line between the end moments, with its sign.
    double MaxLoadMoment() const;
    // How much of the field the transverse load's moment fills: about 2/3 for a
    // parabola, 1/2 for a triangle.
    double LoadShapeRatio() const;
    double EndMomentRatio() const;
    double BetaPsi() const;
    double BetaQ() const;
    double EquivalentMomentFactor() const;

    // C1 (which 1), C2 (2) or C3 (3) for the buckling length factor k.
    double CFactor(int which, double k) const;
    // The factor for end moments alone; psi 999.0 stands for the field's own end-moment ratio.
    double EndMomentCFactor(int which, double k, double psi) const;
    // The factor for a transverse load between ends of fixity mu (0 free, 1 fixed)
    // with the load shape ratio r.
    static double TransverseLoadCFactor(int which, double mu, double r, double k);

    static constexpr double ownRatio = 999.0;

private:
    std::vector<double> m_x;
    std::vector<double> m_M;
};
