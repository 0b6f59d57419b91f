#include "app/design/ASteelCrossSection.h"

#include "model/omCrossSection.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionIDS.h"
#include "model/omCrossSectionTube.h"
#include "platform/core/CString.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The four-part class value: the class is the value rounded up, its fraction
// how far into the class the slenderness lies.
double classValue(double lambda, double l12, double l23, double l34) {
    if (lambda > l34) return lambda / l34 + 2.0;
    if (lambda > l23) return (lambda - l23) / (l34 - l23) + 2.0;
    if (lambda > l12) return (lambda - l12) / (l23 - l12) + 1.0;
    return lambda / l12;
}

std::string slendernessReport(const char* what, double d, double t, double lambda, double l34, double l23,
                              double l12, double value) {
    return CString::Formatted(
        "%s (d=%5.2lf cm/t=%5.2lf cm) = %5.2lf\nSlenderness class limits: (3/4) = %5.2lf, "
        "(2/3) = %5.2lf, (1/2) = %5.2lf\nClass factor = %5.2lf",
        what, d, t, lambda, l34, l23, l12, value);
}

// The larger and the smaller edge stress of an internal element; a tie takes sigma1 for both.
std::pair<double, double> maxMin(double sigma1, double sigma2) {
    if (sigma1 == sigma2) return {sigma1, sigma1};
    return {std::max(sigma1, sigma2), std::min(sigma1, sigma2)};
}

// Area and elastic (or plastic) modulus of an I or box section reduced for
// shear: the web of height hw and thickness tw carries the shear.
std::pair<double, double> webShearReduced(const omCrossSection& cs, double rho, double h, double hw,
                                          double tw, bool plastic) {
    const double W = plastic ? cs.Zy() : cs.Wy();
    if (rho == 0.0) return {cs.A(), W};
    const double Aw = hw * tw;
    return {cs.A() - rho * cs.Vz(), W - rho * (plastic ? Aw * hw / 4.0 : Aw * hw * hw / (6.0 * h))};
}

} // namespace

// ---------------------------------------------------------------------------
// BucklingCurve

double BucklingCurve::alpha() const {
    static const double alphas[4] = {0.21, 0.34, 0.49, 0.76};
    return alphas[std::clamp(m_index, 0, 3)];
}

double BucklingCurve::Chi(double lambdaBar) const {
    if (lambdaBar < 0.2) return 1.0;
    double phi = 0.5 * (1.0 + alpha() * (lambdaBar - 0.2) + lambdaBar * lambdaBar);
    return 1.0 / (phi + std::sqrt(phi * phi - lambdaBar * lambdaBar));
}

// ---------------------------------------------------------------------------
// SteelPlate

SteelPlate::SteelPlate(bool internal_, double d_, double t_, double sigma1_, double sigma2_, bool rolled_,
                       double fy_)
    : sigma1(sigma1_), sigma2(sigma2_), t(t_), d(d_), rolled(rolled_), internal(internal_), fy(fy_) {}

double SteelPlate::epsilon() const {
    return std::sqrt(23.5 / fy);
}

double SteelPlate::BucklingFactor() const {
    if (internal) {
        auto [sMax, sMin] = maxMin(sigma1, sigma2);
        if (sMax <= 0.0) return 0.0;
        double psi = sMin / sMax;
        if (psi >= 0.0) return 8.2 / (psi + 1.05);
        if (psi >= -1.0) return 7.81 - 6.29 * psi + 9.78 * psi * psi;
        if (psi >= -2.0) return 5.98 * (1.0 - psi) * (1.0 - psi);
        return 53.82;
    }
    const double F = sigma2; // free edge
    const double S = sigma1; // supported edge
    if (std::max(F, S) <= 0.0) return 0.0;
    if (F >= S) {
        double psi = std::max(S / F, -1.0);
        return 0.57 - 0.21 * psi + 0.07 * psi * psi;
    }
    double psi = std::max(F / S, -1.0);
    if (psi >= 0.0) return 0.578 / (psi + 0.34);
    return 1.7 - 5.0 * psi + 17.1 * psi * psi;
}

double SteelPlate::ClassLimit34() const {
    const double eps = epsilon();
    if (internal) {
        auto [sMax, sMin] = maxMin(sigma1, sigma2);
        if (sMax <= 0.0) return 0.0;
        double psi = sMin / sMax;
        if (psi > -1.0) return 42.0 * eps / (0.67 + 0.33 * psi);
        return 62.0 * eps * (1.0 - psi) * std::sqrt(-psi);
    }
    double K = rolled ? 23.0 : 21.0;
    return K * eps * std::sqrt(BucklingFactor());
}

double SteelPlate::ClassLimit(bool upper) const {
    const double eps = epsilon();
    auto [sMax, sMin] = maxMin(sigma1, sigma2);
    if (sMax <= 0.0) return 0.0;
    double alpha = 1.0;
    if (sMin < 0.0) alpha = sMax / (sMax - sMin);
    if (internal) {
        if (alpha > 0.5) return (upper ? 456.0 : 396.0) * eps / (13.0 * alpha - 1.0);
        return (upper ? 41.5 : 36.0) * eps / alpha;
    }
    double K = rolled ? (upper ? 11.0 : 10.0) : (upper ? 10.0 : 9.0);
    bool freeEdgeCompressed = sigma2 >= sigma1;
    if (freeEdgeCompressed) return K * eps / alpha;
    return K * eps / (alpha * std::sqrt(alpha));
}

double SteelPlate::Classify(std::string* report) const {
    if (std::max(sigma1, sigma2) <= 0.0) return 0.1;
    double lambda = d / t;
    double l34 = ClassLimit34();
    double l23 = ClassLimit(true);
    double l12 = ClassLimit(false);
    double value = classValue(lambda, l12, l23, l34);
    if (report) *report += slendernessReport("Plate slenderness", d, t, lambda, l34, l23, l12, value);
    return value;
}

std::pair<double, double> SteelPlate::EffectiveHole() const {
    double k = BucklingFactor();
    if (k == 0.0) return {0.0, 0.0};
    double lambdaP = (d / t) / (28.4 * epsilon() * std::sqrt(k));
    if (lambdaP <= 0.673) return {0.0, 0.0};
    double rho = (lambdaP - 0.22) / (lambdaP * lambdaP);
    if (internal) {
        bool mirrored = sigma1 < sigma2;
        double s1 = mirrored ? sigma2 : sigma1;
        double s2 = mirrored ? sigma1 : sigma2;
        double psi = s2 / s1;
        double start, end;
        if (psi >= 0.0) {
            double bEff = rho * d;
            double be1 = 2.0 * bEff / (5.0 - psi);
            start = be1;
            end = d - (bEff - be1);
        } else {
            double bc = d / (1.0 - psi);
            double bEff = rho * bc;
            start = 0.4 * bEff;
            end = bc - 0.6 * bEff;
        }
        if (mirrored) return {d - end, d - start};
        return {start, end};
    }
    const double P = sigma1; // supported edge
    const double Q = sigma2; // free edge
    if (P >= 0.0 && Q >= 0.0) return {rho * d, d};
    if (Q > P) {
        double psi = P / Q;
        return {rho * d / (1.0 - psi), d};
    }
    double psi = Q / P;
    double bc = d / (1.0 - psi);
    return {rho * bc, bc};
}

std::pair<double, double> SteelPlate::HoleSectionValues(double e, bool alongZ) const {
    auto [start, end] = EffectiveHole();
    double w = end - start;
    double dA = w * t;
    double dI;
    if (alongZ) {
        double arm = d / 2.0 - (start + end) / 2.0 - e;
        dI = t * w * (w * w / 12.0 + arm * arm);
    } else {
        dI = t * t * t * w / 12.0 + t * w * e * e;
    }
    return {dA, dI};
}

double SteelPlate::ShearStrength(double a) const {
    double r = a / d;
    double kTau;
    if (r == 0.0)
        kTau = 5.34;
    else if (r >= 1.0)
        kTau = 5.34 + 4.0 / (r * r);
    else
        kTau = 4.0 + 5.34 / (r * r);
    double lambdaW = (d / t) / (37.4 * epsilon() * std::sqrt(kTau));
    double factor;
    if (lambdaW < 0.8)
        factor = 1.0;
    else if (lambdaW >= 1.2)
        factor = 0.9 / lambdaW;
    else
        factor = 1.0 - 0.625 * (lambdaW - 0.8);
    return fy / std::sqrt(3.0) * factor;
}

// ---------------------------------------------------------------------------
// ASteelCrossSection

double ASteelCrossSection::slenderness(double L, double radius, double fy, double classValue,
                                       double E) const {
    double lambda1 = std::numbers::pi * std::sqrt(E / fy);
    double betaA = 1.0;
    if (classValue > 3.0) betaA = EffectiveSection(0.0, fy).first / m_section->A();
    return (L / radius) / lambda1 * std::sqrt(betaA);
}

double ASteelCrossSection::SlendernessY(double L, double fy, double classValue, double E) const {
    return slenderness(L, m_section->iy(), fy, classValue, E);
}

double ASteelCrossSection::SlendernessZ(double L, double fy, double classValue, double E) const {
    return slenderness(L, m_section->iz(), fy, classValue, E);
}

// ---------------------------------------------------------------------------
// Doubly symmetric I

ASteelCrossSection_DSI::ASteelCrossSection_DSI(const omCrossSection* section) : ASteelCrossSection(section) {
    auto* ids = dynamic_cast<const omCrossSectionIDS*>(section);
    h = section->height();
    b = section->breadth();
    tw = ids ? ids->webThickness() : 0.0;
    tf = ids ? ids->flangeThickness() : 0.0;
    a = ids ? ids->weldThickness() : 0.0;
}

bool ASteelCrossSection_DSI::rolled() const {
    auto* ids = dynamic_cast<const omCrossSectionIDS*>(m_section);
    return ids && ids->isRolled();
}

ASteelClass ASteelCrossSection_DSI::Classify(double N, double My, double fy, std::string* report) const {
    const bool isRolled = rolled();
    SteelPlate flange(false, (b - tw) / 2.0 - a, tf, fy, fy, isRolled, fy);
    const double d = h - 2.0 * (tf + a);
    const double A = m_section->A();
    const double Iy = m_section->Iy();
    SteelPlate web(true, d, tw, -(N / A - My / Iy * d / 2.0), -(N / A + My / Iy * d / 2.0), isRolled, fy);
    std::string flangeText, webText;
    double f = flange.Classify(report ? &flangeText : nullptr);
    double w = web.Classify(report ? &webText : nullptr);
    if (report) *report += "Flange:\n" + flangeText + "\nWeb:\n" + webText;
    if (f > w) return {f, 'F'};
    return {w, 'W'};
}

double ASteelCrossSection_DSI::ShearRatio(double V, double fy, double aStiff, std::string* report) const {
    const bool isRolled = rolled();
    SteelPlate web(true, isRolled ? h : h - 2.0 * tf, tw, 1.0, 1.0, isRolled, fy);
    double tauBa = web.ShearStrength(aStiff);
    double ratio = V / (m_section->Vz() * tauBa);
    if (report)
        *report =
            CString::Formatted("Shear area (web) = %5.2lf cm2,\nShear strength (simple post-critical) = "
                               "%5.2lf kN/cm2\nShear resistance factor = %5.2lf",
                               m_section->Vz(), tauBa, ratio);
    return ratio;
}

std::pair<double, double> ASteelCrossSection_DSI::EffectiveSection(double rho, double fy) const {
    const bool isRolled = rolled();
    const double A = m_section->A();
    SteelPlate flange(false, (b - tw) / 2.0 - a, tf, fy, fy, isRolled, fy);
    SteelPlate web(true, h - 2.0 * (a + tf), tw, fy, fy, isRolled, fy);
    // Compression.
    const double dAf = flange.HoleSectionValues((h - tf) / 2.0, false).first;
    const double dAw = web.HoleSectionValues(0.0, true).first;
    const double Aeff = A - 4.0 * dAf - dAw;
    // Bending: the web's compressed half loses its hole and the axis shifts.
    SteelPlate bentWeb(true, h - 2.0 * (a + tf), tw, 1.0, -1.0, isRolled, fy);
    auto [start, end] = bentWeb.EffectiveHole();
    const double dAwb = bentWeb.HoleSectionValues(0.0, true).first;
    const double zw = (h / 2.0 - tf - a) - (start + end) / 2.0;
    const double eN = ((h - tf) * dAf + zw * dAwb) / (A - 2.0 * dAf - dAwb);
    const double arm = (h - tf) / 2.0;
    double Iflanges =
        (b - tw) * (tf * (arm - eN) * (arm - eN) + tf * (arm + eN) * (arm + eN) + tf * tf * tf / 6.0);
    Iflanges -= 2.0 * flange.HoleSectionValues(-arm - eN, false).second;
    double Iweb = tw * (h * h * h / 12.0 + eN * eN * h) - bentWeb.HoleSectionValues(-eN, true).second;
    Iweb *= (1.0 - rho);
    const double Weff = (Iflanges + Iweb) / (h / 2.0 + eN);
    return {Aeff, Weff};
}

std::pair<double, double> ASteelCrossSection_DSI::ElasticShearReduced(double rho) const {
    return webShearReduced(*m_section, rho, h, rolled() ? h : h - 2.0 * tf, tw, false);
}

std::pair<double, double> ASteelCrossSection_DSI::PlasticShearReduced(double rho) const {
    return webShearReduced(*m_section, rho, h, rolled() ? h : h - 2.0 * tf, tw, true);
}

double ASteelCrossSection_DSI::TorsionConstant() const {
    return ((h - 2.0 * tf) * tw * tw * tw + 2.0 * b * tf * tf * tf) / 3.0;
}

double ASteelCrossSection_DSI::WarpingConstant() const {
    return (h - tf) * (h - tf) * m_section->Iz() / 4.0;
}

BucklingCurve ASteelCrossSection_DSI::CurveY() const {
    const double t = std::max(tw, tf);
    if (rolled()) {
        if (h / b > 1.2) return BucklingCurve(t <= 4.0 ? 0 : 1);
        return BucklingCurve(t <= 10.0 ? 1 : 3);
    }
    return BucklingCurve(t <= 4.0 ? 1 : 2);
}

BucklingCurve ASteelCrossSection_DSI::CurveZ() const {
    const double t = std::max(tw, tf);
    if (rolled()) {
        if (h / b > 1.2) return BucklingCurve(t <= 4.0 ? 1 : 2);
        return BucklingCurve(t <= 10.0 ? 2 : 3);
    }
    return BucklingCurve(t <= 4.0 ? 2 : 3);
}

BucklingCurve ASteelCrossSection_DSI::CurveLT() const {
    return BucklingCurve(rolled() ? 0 : 2);
}

// ---------------------------------------------------------------------------
// Welded box

ASteelCrossSection_Box::ASteelCrossSection_Box(const omCrossSection* section) : ASteelCrossSection(section) {
    auto* box = dynamic_cast<const omCrossSectionBox*>(section);
    h = section->height();
    b = section->breadth();
    tf = box ? box->flangeThickness() : 0.0;
    co = box ? box->flangeOutstand() : 0.0;
    tw = box ? box->webThickness() : 0.0;
    a = box ? box->weldThickness() : 0.0;
}

double ASteelCrossSection_Box::outstandWidth() const {
    double c = co - a;
    return c <= 0.0 ? 0.05 : c;
}

ASteelClass ASteelCrossSection_Box::Classify(double N, double My, double fy, std::string* report) const {
    SteelPlate flange(true, b - 2.0 * (co + tw + a), tf, fy, fy, false, fy);
    SteelPlate outstand(false, outstandWidth(), tf, fy, fy, false, fy);
    const double d = h - 2.0 * (tf + a);
    const double A = m_section->A();
    const double Iy = m_section->Iy();
    SteelPlate web(true, d, tw, -(N / A - My / Iy * d / 2.0), -(N / A + My / Iy * d / 2.0), false, fy);
    std::string flangeText, outstandText, webText;
    ASteelClass result{flange.Classify(report ? &flangeText : nullptr), 'F'};
    double o = outstand.Classify(report ? &outstandText : nullptr);
    double w = web.Classify(report ? &webText : nullptr);
    if (report) *report += "Flange:\n" + flangeText + "\nOutstand:\n" + outstandText + "\nWeb:\n" + webText;
    if (w > result.value) result = {w, 'W'};
    if (o > result.value) result = {o, 'O'};
    return result;
}

double ASteelCrossSection_Box::ShearRatio(double V, double fy, double aStiff, std::string*) const {
    SteelPlate web(true, h - 2.0 * tf, tw, 1.0, 1.0, false, fy);
    return V / (m_section->Vz() * web.ShearStrength(aStiff));
}

std::pair<double, double> ASteelCrossSection_Box::EffectiveSection(double rho, double fy) const {
    const double A = m_section->A();
    SteelPlate flange(true, b - 2.0 * (tw + a + co), tf, fy, fy, false, fy);
    SteelPlate outstand(false, outstandWidth(), tf, fy, fy, false, fy);
    SteelPlate web(true, h - 2.0 * (a + tf), tw, fy, fy, false, fy);
    const double arm = (h - tf) / 2.0;
    const double dAf = flange.HoleSectionValues(arm, false).first;
    const double dAo = outstand.HoleSectionValues(arm, false).first;
    const double dAw = web.HoleSectionValues(0.0, true).first;
    const double Aeff = A - 2.0 * (dAf + 2.0 * dAo) - 2.0 * dAw;
    SteelPlate bentWeb(true, h - 2.0 * (a + tf), tw, 1.0, -1.0, false, fy);
    auto [start, end] = bentWeb.EffectiveHole();
    const double dAwb = bentWeb.HoleSectionValues(0.0, true).first;
    const double zw = (h / 2.0 - tf - a) - (start + end) / 2.0;
    const double eN = (2.0 * zw * dAwb + (dAf + 2.0 * dAo) * arm) / (A - (dAf + 2.0 * dAo) - 2.0 * dAwb);
    double Iflanges =
        (b - 2.0 * tw) * (tf * (arm - eN) * (arm - eN) + tf * (arm + eN) * (arm + eN) + tf * tf * tf / 6.0);
    Iflanges -= flange.HoleSectionValues(-arm - eN, false).second;
    Iflanges -= 2.0 * outstand.HoleSectionValues(-arm - eN, false).second;
    double Iwebs =
        tw * (h * h * h / 6.0 + 2.0 * eN * eN * h) - 2.0 * bentWeb.HoleSectionValues(-eN, true).second;
    Iwebs *= (1.0 - rho);
    return {Aeff, (Iflanges + Iwebs) / (h / 2.0 + eN)};
}

std::pair<double, double> ASteelCrossSection_Box::ElasticShearReduced(double rho) const {
    return webShearReduced(*m_section, rho, h, h - 2.0 * tf, tw, false);
}

std::pair<double, double> ASteelCrossSection_Box::PlasticShearReduced(double rho) const {
    return webShearReduced(*m_section, rho, h, h - 2.0 * tf, tw, true);
}

double ASteelCrossSection_Box::BiaxialExponent(double n) const {
    return std::min(1.66 / (1.0 - 1.13 * n * n), 6.0);
}

double ASteelCrossSection_Box::TorsionConstant() const {
    return 2.0 * (tw * tw * tw * (h - 2.0 * tf) + tf * tf * tf * b) / 3.0;
}

BucklingCurve ASteelCrossSection_Box::CurveY() const {
    return BucklingCurve(b / tf < 30.0 ? 2 : 1);
}

BucklingCurve ASteelCrossSection_Box::CurveZ() const {
    return BucklingCurve(h / tw < 30.0 ? 2 : 1);
}

// ---------------------------------------------------------------------------
// Tube

ASteelCrossSection_Tube::ASteelCrossSection_Tube(const omCrossSection* section)
    : ASteelCrossSection(section) {
    auto* tube = dynamic_cast<const omCrossSectionTube*>(section);
    D = tube ? tube->diameter() : section->height();
    t = tube ? tube->thickness() : 0.0;
}

ASteelClass ASteelCrossSection_Tube::Classify(double, double, double fy, std::string* report) const {
    const double eps2 = 23.5 / fy;
    const double lambda = D / t;
    const double l12 = 50.0 * eps2, l23 = 70.0 * eps2, l34 = 90.0 * eps2;
    double value = classValue(lambda, l12, l23, l34);
    if (report) *report += slendernessReport("Slenderness", D, t, lambda, l34, l23, l12, value);
    return {value, ' '};
}

double ASteelCrossSection_Tube::ShearRatio(double V, double fy, double, std::string*) const {
    return V / (m_section->Vz() * fy / std::sqrt(3.0));
}

std::pair<double, double> ASteelCrossSection_Tube::ElasticShearReduced(double rho) const {
    return {m_section->A() * (1.0 - rho), m_section->Wy() * (1.0 - rho)};
}

std::pair<double, double> ASteelCrossSection_Tube::PlasticShearReduced(double rho) const {
    return {m_section->A() * (1.0 - rho), m_section->Zy() * (1.0 - rho)};
}
