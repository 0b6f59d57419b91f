#pragma once
// The axial force N and the bending moment M that a reinforced-concrete section
// carries for a plane strain eps(z) = eps0 + kappa z, less a target pair, as the
// two functions of (eps0, kappa) that SolverNewton2 solves:
//   f1 = N(eps0, kappa) - N target,   f2 = M(eps0, kappa) - M target.
// z is the section's depth coordinate (zTop at the top edge, zBottom at the
// bottom edge); strains and stresses are negative in compression and N is
// positive in tension. Forces in kN, moments in kNcm, stresses in kN/cm2.
//
// UltFuncEC2 uses the ultimate laws (parabola-rectangle concrete, elastic-plastic
// reinforcement, design strengths of a limit state's partial factors);
// SerFuncEC2Linear the serviceability laws (linear concrete without tension,
// elastic-plastic reinforcement at characteristic strength).
#include "rezavud/SolverNewton2.h"

#include <utility>

class omConcrete;
class omCrossSection;
class omRCSteel;

class UltFuncEC2 : public FunctionSolverNewton2 {
public:
    // None of the three is owned; all must outlive the functions.
    UltFuncEC2(const omCrossSection* section, const omConcrete* concrete, const omRCSteel* steel);
    UltFuncEC2(const UltFuncEC2&) = default;
    UltFuncEC2& operator=(const UltFuncEC2&) = default;
    ~UltFuncEC2() override;

    // selector: the limit state whose partial factors apply (the serviceability
    // functions use none). Areas in cm2; aBot and aTop are the distances of the
    // bars' centroids from the bottom and the top edge (cm); M in kNcm, N in kN.
    void SetParameters(int selector, double AsBot, double AsTop, double aBot, double aTop, double M,
                       double N);

    double f1(std::pair<double, double> p) const override;
    double f2(std::pair<double, double> p) const override;

    // (N, M) for the strain eps1 at the top and eps2 at the bottom, less the
    // targets. A tensile edge strain belongs to that side's bars.
    std::pair<double, double> Evaluate(double eps1, double eps2) const;

    virtual double ConcreteStress(double eps) const;
    virtual double SteelStress(double eps) const;

    // The bars' depths.
    double zBottomBars() const;
    double zTopBars() const;

protected:
    // The strength of the steel law: the design strength fyk / gamma s.
    virtual double SteelStrength(double fyk, double gammaS) const;
    // N and M of the concrete (without the bars' holes) for a strain plane.
    virtual std::pair<double, double> ConcreteForces(double eps0, double kappa) const;
    // N and M of a stress over the whole section.
    std::pair<double, double> UniformForces(double sigma) const;
    // (N, M) less the targets.
    std::pair<double, double> Forces(double eps0, double kappa) const;

    const omCrossSection* m_section;
    const omConcrete* m_concrete;
    const omRCSteel* m_steel;
    int m_selector = 0;
    double m_AsBot = 0.0;
    double m_AsTop = 0.0;
    double m_aBot = 0.0;
    double m_aTop = 0.0;
    double m_M = 0.0;
    double m_N = 0.0;
    // Taken from the materials and the factors by SetParameters.
    double m_fc = 0.0; // concrete strength of the law, negative
    double m_fy = 0.0; // steel strength of the law
    double m_Es = 0.0;
    double m_Ec = 0.0;
};

class SerFuncEC2Linear : public UltFuncEC2 {
public:
    SerFuncEC2Linear(const omCrossSection* section, const omConcrete* concrete, const omRCSteel* steel);
    ~SerFuncEC2Linear() override;

    // Ec eps between -0.0035 and 0, else 0.
    double ConcreteStress(double eps) const override;

protected:
    // The steel law takes the characteristic strength.
    double SteelStrength(double fyk, double gammaS) const override;
    std::pair<double, double> ConcreteForces(double eps0, double kappa) const override;
};
