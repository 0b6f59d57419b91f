#include "app/design/UltFuncEC2.h"

#include "app/design/SafetyFactorsEC.h"
#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "model/omCrossSection.h"

namespace {

// Beyond these strains the laws give no stress; the small margins keep the
// limit strains themselves, reached by sums of rounded steps, inside.
constexpr double kConcreteUltimateStrain = -0.0035000035;
constexpr double kSteelStrainLimit = 0.025000025;

} // namespace

UltFuncEC2::UltFuncEC2(const omCrossSection* section, const omConcrete* concrete, const omRCSteel* steel)
    : m_section(section), m_concrete(concrete), m_steel(steel) {}

UltFuncEC2::~UltFuncEC2() = default;

void UltFuncEC2::SetParameters(int selector, double AsBot, double AsTop, double aBot, double aTop, double M,
                               double N) {
    m_selector = selector;
    m_AsBot = AsBot;
    m_AsTop = AsTop;
    m_aBot = aBot;
    m_aTop = aTop;
    m_M = M;
    m_N = N;
    const auto state = static_cast<omLoadCase::LimitState>(selector);
    const SafetyFactorsEC2& factors = SafetyFactorsEC::Instance()->m_EC2;
    const double fck = m_concrete->fck().Get(omUK_kN_cm2);
    const double fyk = m_steel->fyk().Get(omUK_kN_cm2);
    m_fc = -fck / factors.GetConcreteFactor(state);
    m_fy = SteelStrength(fyk, factors.GetSteelFactor(state));
    m_Es = m_steel->E(0.0).Get(omUK_kN_cm2);
    m_Ec = m_concrete->E(0.0).Get(omUK_kN_cm2);
}

double UltFuncEC2::zBottomBars() const {
    return m_section->zBottom() - m_aBot;
}

double UltFuncEC2::zTopBars() const {
    return m_section->zTop() + m_aTop;
}

double UltFuncEC2::ConcreteStress(double eps) const {
    if (eps >= 0.0) return 0.0;
    if (eps > -0.002) {
        const double t = 1.0 + 500.0 * eps;
        return 0.85 * m_fc * (1.0 - t * t);
    }
    if (eps > kConcreteUltimateStrain) return 0.85 * m_fc;
    return 0.0;
}

double UltFuncEC2::SteelStress(double eps) const {
    if (eps < -kSteelStrainLimit || eps > kSteelStrainLimit) return 0.0;
    const double epsYield = m_fy / m_Es;
    if (eps <= -epsYield) return -m_fy;
    if (eps <= epsYield) return m_Es * eps;
    return m_fy;
}

double UltFuncEC2::SteelStrength(double fyk, double gammaS) const {
    return fyk / gammaS;
}

std::pair<double, double> UltFuncEC2::UniformForces(double sigma) const {
    if (sigma == 0.0) return {0.0, 0.0};
    const omCrossSection& cs = *m_section;
    return {sigma * cs.Integrate(cs.zTop(), cs.zBottom(), 0),
            sigma * cs.Integrate(cs.zTop(), cs.zBottom(), 1)};
}

std::pair<double, double> UltFuncEC2::ConcreteForces(double eps0, double kappa) const {
    const omCrossSection& cs = *m_section;
    if (kappa == 0.0) return UniformForces(ConcreteStress(eps0));
    // The parabola sigma = c1 eps + c2 eps^2 along the depth: P0 + P1 z + P2 z^2.
    const double c1 = 0.85 * m_fc * -1000.0;
    const double c2 = 0.85 * m_fc * -250000.0;
    const double P0 = (c1 + c2 * eps0) * eps0;
    const double P1 = (c1 + 2.0 * c2 * eps0) * kappa;
    const double P2 = c2 * kappa * kappa;
    const double zu = (-0.0035 - eps0) / kappa;
    const double z2 = (-0.002 - eps0) / kappa;
    const double z0 = -eps0 / kappa;
    const double block = 0.85 * m_fc;
    const double N = block * cs.Integrate(zu, z2, 0) + P0 * cs.Integrate(z2, z0, 0) +
                     P1 * cs.Integrate(z2, z0, 1) + P2 * cs.Integrate(z2, z0, 2);
    const double M = block * cs.Integrate(zu, z2, 1) + P0 * cs.Integrate(z2, z0, 1) +
                     P1 * cs.Integrate(z2, z0, 2) + P2 * cs.Integrate(z2, z0, 3);
    return {N, M};
}

std::pair<double, double> UltFuncEC2::Forces(double eps0, double kappa) const {
    auto [N, M] = ConcreteForces(eps0, kappa);
    const double zb = zBottomBars();
    const double zt = zTopBars();
    const double epsB = eps0 + kappa * zb;
    const double epsT = eps0 + kappa * zt;
    // Each layer carries its steel stress less the concrete stress of the hole it fills.
    const double Nb = (SteelStress(epsB) - ConcreteStress(epsB)) * m_AsBot;
    const double Nt = (SteelStress(epsT) - ConcreteStress(epsT)) * m_AsTop;
    N += Nb + Nt;
    M += Nb * zb + Nt * zt;
    return {N - m_N, M - m_M};
}

double UltFuncEC2::f1(std::pair<double, double> p) const {
    return Forces(p.first, p.second).first;
}

double UltFuncEC2::f2(std::pair<double, double> p) const {
    return Forces(p.first, p.second).second;
}

std::pair<double, double> UltFuncEC2::Evaluate(double eps1, double eps2) const {
    const double zt = m_section->zTop() + (eps1 > 0.0 ? m_aTop : 0.0);
    const double zb = m_section->zBottom() - (eps2 > 0.0 ? m_aBot : 0.0);
    const double kappa = (eps2 - eps1) / (zb - zt);
    const double eps0 = eps1 - kappa * zt;
    return Forces(eps0, kappa);
}

// --- SerFuncEC2Linear ---------------------------------------------------------

SerFuncEC2Linear::SerFuncEC2Linear(const omCrossSection* section, const omConcrete* concrete,
                                   const omRCSteel* steel)
    : UltFuncEC2(section, concrete, steel) {}

SerFuncEC2Linear::~SerFuncEC2Linear() = default;

double SerFuncEC2Linear::ConcreteStress(double eps) const {
    return eps >= -0.0035 && eps <= 0.0 ? m_Ec * eps : 0.0;
}

double SerFuncEC2Linear::SteelStrength(double fyk, double) const {
    return fyk;
}

std::pair<double, double> SerFuncEC2Linear::ConcreteForces(double eps0, double kappa) const {
    const omCrossSection& cs = *m_section;
    if (kappa == 0.0) return UniformForces(ConcreteStress(eps0));
    // Only the compressed part carries: above the neutral axis z0 for a
    // positive curvature, below it for a negative one.
    const double z0 = -eps0 / kappa;
    const double za = kappa > 0.0 ? cs.zTop() : z0;
    const double zb = kappa > 0.0 ? z0 : cs.zBottom();
    const double I0 = cs.Integrate(za, zb, 0);
    const double I1 = cs.Integrate(za, zb, 1);
    const double I2 = cs.Integrate(za, zb, 2);
    return {m_Ec * (eps0 * I0 + kappa * I1), m_Ec * (eps0 * I1 + kappa * I2)};
}
