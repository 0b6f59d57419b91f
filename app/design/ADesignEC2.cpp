#include "app/design/ADesignEC2.h"

#include "app/design/DesignFactor.h"
#include "app/design/SafetyFactorsEC.h"
#include "app/design/UltFuncEC2.h"
#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "common/omMath.h"
#include "model/omCrossSection.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omRCDesignBeamData.h"
#include "model/omStrakon.h"
#include "rezavud/SolverNewton2.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

const char* const kHead = "The design of this element is not possible due to the following reason(s):";

// Beyond this strain the reinforcement's law gives no stress.
constexpr double kSteelStrainLimit = 0.025;
// Moments up to this size (kNcm) count as none.
constexpr double kZeroMoment = 0.01;

std::string numbered(int n, const char* text) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "\n     %i - ", n);
    return buffer + std::string(text);
}

// The uncovered ranges as percentages of the member length.
std::string ranges(const omUncoveredRanges& uncovered) {
    std::string text;
    for (const auto& [start, end] : uncovered) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "\n\t[%4.2f-%4.2f]%%", start * 100.0, end * 100.0);
        text += buffer;
    }
    return text;
}

bool positive(double x) {
    return x > 0.0 && std::isfinite(x);
}

} // namespace

// --- Section ------------------------------------------------------------------

ADesignEC2::Section::Section(const Section& other)
    : AsTop(other.AsTop), AsBot(other.AsBot), aTop(other.aTop), aBot(other.aBot) {}

ADesignEC2::Section& ADesignEC2::Section::operator=(const Section& other) {
    AsTop = other.AsTop;
    AsBot = other.AsBot;
    aTop = other.aTop;
    aBot = other.aBot;
    diagram.Reset();
    return *this;
}

bool ADesignEC2::Section::sameReinforcement(const Section& other) const {
    return AsTop == other.AsTop && AsBot == other.AsBot && aTop == other.aTop && aBot == other.aBot;
}

// --- ADesignEC2 -----------------------------------------------------------------

ADesignEC2::ADesignEC2(unsigned elementNumber, omStrakon* model) : m_model(model) {
    omElementMap* map = model ? model->getElementMap() : nullptr;
    m_element = map ? map->find(elementNumber) : nullptr;
    if (!m_element) return;
    m_data = dynamic_cast<omRCDesignBeamData*>(m_element->getDesignData());
    m_concrete = dynamic_cast<const omConcrete*>(m_element->getMaterial());
    m_steel = dynamic_cast<const omRCSteel*>(m_element->getMaterial2());
    m_section = m_element->getCrossSection();
}

ADesignEC2::~ADesignEC2() = default;

double ADesignEC2::coverTop() const {
    return m_data->getTopBand().getCover().Get(omUK_cm);
}

double ADesignEC2::coverBottom() const {
    return m_data->getBottomBand().getCover().Get(omUK_cm);
}

bool ADesignEC2::IsDesignPossible(CString* reason) {
    std::string text;
    int n = 0;
    auto add = [&](const char* what) { text += numbered(++n, what); };

    if (!m_element) {
        add("The element does not exist.");
    } else {
        if (!m_concrete) add("Concrete material is either not selected or it is wrong.");
        if (!m_steel) add("Reinforcement material is either not selected or it is wrong.");
        if (!m_data) {
            add("The element has no reinforced-concrete design data.");
        } else {
            omUncoveredRanges uncovered;
            if (!m_data->getBottomBand().isCompletelyDefined(&uncovered)) {
                add("Bottom reinforcement is not defined. There are uncovered areas:");
                text += ranges(uncovered);
            }
            if (!m_data->getTopBand().isCompletelyDefined(&uncovered)) {
                add("Top reinforcement is not defined. There are uncovered areas:");
                text += ranges(uncovered);
            }
            if (!m_data->getStirrups().isNoStirrups() &&
                !m_data->getStirrups().isCompletelyDefined(&uncovered)) {
                add("Stirrups are not defined. There are uncovered areas:");
                text += ranges(uncovered);
            }
        }
        // Without these every formula gives NaN, which never fails a check.
        if (m_concrete &&
            !(positive(m_concrete->fck().Get(omUK_kN_cm2)) && positive(m_concrete->fct().Get(omUK_kN_cm2)) &&
              positive(m_concrete->E(0.0).Get(omUK_kN_cm2))))
            add("Concrete strengths and elastic modulus must be greater than zero.");
        if (m_steel &&
            !(positive(m_steel->fyk().Get(omUK_kN_cm2)) && positive(m_steel->E(0.0).Get(omUK_kN_cm2))))
            add("Yield strength and elastic modulus of the reinforcement must be greater than zero.");
        const bool sectionUsable = m_section && m_section->isProperlySet() && m_section->canStoreBars() &&
                                   positive(m_section->A()) && positive(m_section->height()) &&
                                   positive(m_section->Bw(m_section->zTop(), m_section->zBottom()));
        if (!sectionUsable) add("Cross-section is either not selected or not properly set.");
        if (sectionUsable && m_data && !positive(m_element->length())) add("The element has no length.");
        if (sectionUsable && m_data) {
            // d must stay positive wherever a point or a change of reinforcement lies.
            std::vector<double> positions;
            m_data->getBarChangePos(positions);
            const std::vector<double>& points = m_element->getResult().getPoints();
            positions.insert(positions.end(), points.begin(), points.end());
            positions.push_back(0.0);
            positions.push_back(1.0);
            const bool depthLeft = std::all_of(positions.begin(), positions.end(), [&](double x) {
                return positive(EffectiveDepth(x, 1.0)) && positive(EffectiveDepth(x, -1.0));
            });
            if (!depthLeft) add("Concrete cover leaves no effective depth.");
        }
    }

    if (reason) reason->clear();
    if (n == 0) return true;
    if (reason) *reason = kHead + text;
    return false;
}

bool ADesignEC2::PrepareSections() {
    m_stretches.clear();
    m_sections.clear();
    if (!m_data) return true;
    std::vector<double> positions;
    m_data->getBarChangePos(positions);
    // A fully reinforced member gives 0 and 1 itself; a partly reinforced one
    // (which cannot be designed) still gets sections over its whole length.
    if (positions.empty() || positions.front() > 0.0) positions.insert(positions.begin(), 0.0);
    if (positions.back() < 1.0) positions.push_back(1.0);

    const omBarBand& top = m_data->getTopBand();
    const omBarBand& bottom = m_data->getBottomBand();
    const double cTop = coverTop();
    const double cBot = coverBottom();
    m_stretches.resize(positions.size() - 1);
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        const double mid = (positions[i] + positions[i + 1]) * 0.5;
        const Section section(top.A(mid).Get(omUK_cm2), bottom.A(mid).Get(omUK_cm2),
                              top.Zt(mid).Get(omUK_cm) + cTop, bottom.Zt(mid).Get(omUK_cm) + cBot);
        auto same = std::find_if(m_sections.begin(), m_sections.end(),
                                 [&](const Section& s) { return s.sameReinforcement(section); });
        m_stretches[i].start = positions[i];
        if (same != m_sections.end()) {
            m_stretches[i].section = static_cast<int>(same - m_sections.begin());
        } else {
            m_sections.push_back(section);
            m_stretches[i].section = static_cast<int>(m_sections.size()) - 1;
        }
    }
    BuildInteractionDiagrams();
    return true;
}

void ADesignEC2::BuildInteractionDiagrams() {
    if (!m_section || !m_concrete || !m_steel) return;
    for (Section& s : m_sections) {
        // Limit state 0: the persistent and transient factors.
        UltFuncEC2 f(m_section, m_concrete, m_steel);
        f.SetParameters(omLoadCase::lsUltimate, s.AsBot, s.AsTop, s.aBot, s.aTop, 0.0, 0.0);
        s.diagram.Build(f);
    }
}

const ADesignEC2::Section* ADesignEC2::SectionAt(double x) const {
    if (m_stretches.empty()) return nullptr;
    for (std::size_t i = m_stretches.size(); i-- > 0;) {
        const Stretch& stretch = m_stretches[i];
        if (stretch.start > x) continue;
        const Section* here = &m_sections[static_cast<std::size_t>(stretch.section)];
        if (stretch.start == x && i > 0) {
            const Section* before = &m_sections[static_cast<std::size_t>(m_stretches[i - 1].section)];
            if (before->AsTop + before->AsBot > here->AsTop + here->AsBot) return before;
        }
        return here;
    }
    return &m_sections[static_cast<std::size_t>(m_stretches.front().section)];
}

double ADesignEC2::EffectiveDepth(double x, double M) const {
    const double h = m_section->height();
    double d = M < 0.0 ? h - m_data->getTopBand().Zt(x).Get(omUK_cm) - coverTop()
                       : h - m_data->getBottomBand().Zt(x).Get(omUK_cm) - coverBottom();
    if (const omStirrup* stirrup = m_data->getStirrups().getStirrup(x)) d -= stirrup->getFi().Get(omUK_cm);
    return d;
}

double ADesignEC2::AnchoredTensionArea(double dRel, double x, double M) const {
    const omBarBand& band = M < 0.0 ? m_data->getTopBand() : m_data->getBottomBand();
    double area = band.A(x).Get(omUK_cm2);
    for (double p : {std::max(x - dRel, 0.0), std::min(x + dRel, 1.0)})
        area = std::min(area, band.A(p).Get(omUK_cm2));
    return area;
}

const omLoadCase* ADesignEC2::usableCase(int lc) const {
    const omLoadManager* manager = m_model ? m_model->getLoadManager() : nullptr;
    if (!manager || lc < 1 || lc > manager->caseSize()) return nullptr;
    const omElementResult& result = m_element->getResult();
    if (lc > result.caseSize()) return nullptr;
    if (result.getLCResult(static_cast<unsigned>(lc)).size() < result.getPoints().size()) return nullptr;
    return manager->getCase(lc);
}

double ADesignEC2::DesignShear(std::vector<double>& shearResults) {
    shearResults.assign(m_element ? m_element->getResult().getPoints().size() : 0, 0.0);
    if (!IsDesignPossible(nullptr)) return 0.0;
    const omElementResult& result = m_element->getResult();
    const std::vector<double>& points = result.getPoints();
    const double L = m_element->length();
    const double lw = m_data->getLeftSupportWidth().Get(omUK_cm);
    const double rw = m_data->getRightSupportWidth().Get(omUK_cm);
    const double A = m_section->A();
    const double bw = m_section->Bw(m_section->zTop(), m_section->zBottom());
    const double fck = m_concrete->fck().Get(omUK_MPa);
    const double fyk = m_steel->fyk().Get(omUK_MPa);
    const omStirrupVec& stirrups = m_data->getStirrups();
    const bool noStirrups = stirrups.isNoStirrups();
    const SafetyFactorsEC2& factors = SafetyFactorsEC::Instance()->m_EC2;

    double largest = 0.0;
    for (int lc : m_data->getUltLC()) {
        const omLoadCase* loadCase = usableCase(lc);
        if (!loadCase) continue;
        const double gammaS = factors.GetSteelFactor(loadCase->limitState());
        const double gammaC = factors.GetConcreteFactor(loadCase->limitState());
        const omLoadCaseResult& forces = result.getLCResult(static_cast<unsigned>(lc));
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double xi = points[i];
            const double x = L * xi;
            const double N = forces[i].F.getDof(Ux);
            const double V = forces[i].F.getDof(Uz);
            // A moment of round-off size (at a hinge, -1e-12 kNcm) names no
            // tension side; it is taken as none, as the bending check takes it.
            const double rawM = forces[i].F.getDof(Ry);
            const double M = std::fabs(rawM) <= kZeroMoment ? 0.0 : rawM;
            const double d = EffectiveDepth(xi, M);
            const double xl = lw >= 0.0 ? lw + d : 0.0;
            const double xr = rw >= 0.0 ? rw + d : 0.0;

            const double k = std::min(1.0 + std::sqrt(20.0 / d), 2.0);
            const double sigmaCp = N / A * 10.0;
            const double Asl = AnchoredTensionArea(d / L, xi, M);
            const double rhoL = std::min(Asl / (bw * d), 0.02);
            const double VRd1 = (0.12 * k * std::cbrt(100.0 * rhoL * fck) - 0.15 * sigmaCp) * bw * d * 0.1;

            const double z = 0.9 * d;
            double Vwd = 0.0;
            if (!noStirrups)
                if (const omStirrup* stirrup = stirrups.getStirrup(xi)) {
                    const double s = stirrup->getE().Get(omUK_cm);
                    const double Asw = stirrup->A(xi).Get(omUK_cm2);
                    Vwd = Asw / s * (fyk / gammaS) * z * 0.1;
                }
            const double nu = std::max(0.7 - 0.005 * fck, 0.5);
            const double fcd = fck / gammaC;
            const double VRd2 = 0.5 * nu * fcd * bw * z * 0.1;
            const double VRd2r =
                N < 0.0 ? std::min(VRd2, 1.67 * VRd2 * (1.0 - std::fabs(sigmaCp / fcd))) : VRd2;

            double R = std::min(Vwd, VRd2r);
            if (x < xl || x > L - xr) R = VRd2r;
            if (noStirrups) R = VRd1;
            // Tension can use up the concrete's share and a high compression the
            // struts': no resistance left fails a point that carries shear.
            double u = 0.0;
            if (R > 0.0)
                u = std::fabs(V) / R;
            else if (V != 0.0)
                u = designNotVerified;
            if (u > shearResults[i]) {
                shearResults[i] = u;
                largest = std::max(largest, u);
            }
        }
    }
    return largest;
}

double ADesignEC2::DesignBending(std::vector<std::pair<double, double>>& nmResults) {
    nmResults.assign(m_element ? m_element->getResult().getPoints().size() : 0, {0.0, 0.0});
    if (!IsDesignPossible(nullptr)) return 0.0;
    if (m_sections.empty()) PrepareSections();
    const omElementResult& result = m_element->getResult();
    const std::vector<double>& points = result.getPoints();
    const std::size_t n = points.size();
    const double L = m_element->length();
    const double lw = m_data->getLeftSupportWidth().Get(omUK_cm);
    const double rw = m_data->getRightSupportWidth().Get(omUK_cm);
    auto rel = [&](double x) { return std::clamp(x / L, 0.0, 1.0); };

    double largest = 0.0;
    for (int lc : m_data->getUltLC()) {
        if (!usableCase(lc)) continue;
        const omLoadCaseResult& forces = result.getLCResult(static_cast<unsigned>(lc));
        auto shearAt = [&](double x) { return result.getForceAt(lc, rel(x), Uz); };
        for (std::size_t i = 0; i < n; ++i) {
            const double xi = points[i];
            const double x = L * xi;
            const double V = forces[i].F.getDof(Uz);
            const double N = forces[i].F.getDof(Ux);
            double M = forces[i].F.getDof(Ry);
            // Inside a support the moment at its face governs.
            if (x < lw)
                M = result.getForceAt(lc, rel(lw), Ry);
            else if (x > L - rw)
                M = result.getForceAt(lc, rel(L - rw), Ry);

            const double d = EffectiveDepth(xi, std::fabs(M) <= kZeroMoment ? 0.0 : M);
            const double xl = lw >= 0.0 ? lw + d : 0.0;
            const double xr = rw >= 0.0 ? rw + d : 0.0;
            const double z = 0.9 * d;

            // The moment line shifted by the shear (tension shift).
            double Mshift = M;
            if (!(x <= lw || x >= L - rw)) {
                double Vx = V;
                double s = sgn(M);
                if (lw < x && x < xl) {
                    Vx = interpolate(lw, 0.0, xl, shearAt(xl), x);
                } else if (L - xr < x && x < L - rw) {
                    Vx = interpolate(L - xr, shearAt(L - xr), L - rw, 0.0, x);
                } else if (std::fabs(M) <= kZeroMoment) {
                    // At a zero of the moment the shear's fall tells on which side tension follows.
                    const double before = i > 0 ? forces[i - 1].F.getDof(Uz) : V;
                    const double after = i + 1 < n ? forces[i + 1].F.getDof(Uz) : V;
                    s = sgn(before - after);
                    if (s == 0) s = sgn(M);
                    if (s == 0) s = 1;
                }
                Mshift = M + s * 0.5 * std::fabs(Vx * z);
            }

            const Section* section = SectionAt(xi);
            const double u = section ? section->diagram.Utilisation(Mshift, N) : designNotVerified;
            if (Mshift >= 0.0)
                nmResults[i].first = std::max(nmResults[i].first, u);
            else
                nmResults[i].second = std::min(nmResults[i].second, -u);
            largest = std::max(largest, u);
        }
    }
    return largest;
}

double ADesignEC2::CheckCracks(std::vector<std::pair<double, double>>& crackResults) {
    crackResults.assign(m_element ? m_element->getResult().getPoints().size() : 0, {0.0, 0.0});
    if (!IsDesignPossible(nullptr)) return 0.0;
    if (m_sections.empty()) PrepareSections();
    const omElementResult& result = m_element->getResult();
    const std::vector<double>& points = result.getPoints();
    const double h = m_section->height();
    const double zTop = m_section->zTop();
    const double zBottom = m_section->zBottom();
    const double bw = m_section->Bw(zTop, zBottom);
    const double fct = m_concrete->fct().Get(omUK_MPa);
    const double Es = m_steel->E(0.0).Get(omUK_MPa);
    const double Ec = m_concrete->E(0.0).Get(omUK_MPa);
    const double alphaE = Es / Ec;

    double factor = 0.0;
    auto record = [&](std::size_t i, double M, double wk) {
        if (M >= 0.0)
            crackResults[i].first = std::max(crackResults[i].first, wk);
        else
            crackResults[i].second = std::min(crackResults[i].second, -wk);
    };
    for (int lc : m_data->getSerLC()) {
        const omLoadCase* loadCase = usableCase(lc);
        if (!loadCase) continue;
        const omLoadCaseResult& forces = result.getLCResult(static_cast<unsigned>(lc));
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double xi = points[i];
            const double N = forces[i].F.getDof(Ux);
            const double M = forces[i].F.getDof(Ry);
            const Section* section = SectionAt(xi);
            if (!section) continue;

            SerFuncEC2Linear f(m_section, m_concrete, m_steel);
            f.SetParameters(loadCase->limitState(), section->AsBot, section->AsTop, section->aBot,
                            section->aTop, M, N);
            SolverNewton2 solver(&f);
            double eps0 = -1e-5;
            double kappa = 0.0;
            const int code = solver.Solve(eps0, kappa, 1e-7);
            const double epsTop = eps0 + kappa * f.zTopBars();
            const double epsBottom = eps0 + kappa * f.zBottomBars();
            const double epsS = M < 0.0 ? epsTop : epsBottom;
            // No equilibrium, or bars strained beyond their law (where it reads
            // no stress): the section does not carry the pair.
            if (code != 0 || !std::isfinite(epsS) || std::fabs(epsS) > kSteelStrainLimit) {
                record(i, M, designNotVerified);
                factor = std::max(factor, designNotVerified);
                continue;
            }
            const double sigmaS = f.SteelStress(epsS) * 10.0;
            if (!(sigmaS > 0.0)) continue;

            const double As =
                (epsBottom > 0.0 ? section->AsBot : 0.0) + (epsTop > 0.0 ? section->AsTop : 0.0);
            double x = 0.0;
            if (kappa != 0.0) {
                const double z0 = -eps0 / kappa;
                x = std::max(M <= 0.0 ? zBottom - z0 : z0 - zTop, 0.0);
            }
            const double d = EffectiveDepth(xi, M);
            const double hcEff = std::min((h - x) / 3.0, 2.5 * (h - d));
            const double rho = As / (hcEff * bw);
            const double deltaEps =
                std::max((sigmaS - 0.4 * fct / rho * (1.0 + alphaE * rho)) / Es, 0.6 * sigmaS / Es);
            const omBarBand& band = M < 0.0 ? m_data->getTopBand() : m_data->getBottomBand();
            const double fi = band.getMaxFi(xi).Get(omUK_mm);
            const double sr = std::min(fi * sigmaS / (3.6 * fct), fi / (3.6 * rho));
            const double wk = sr * deltaEps;
            record(i, M, wk);
            factor = std::max(factor, wk / limitCrackWidth);
        }
    }
    return factor;
}

bool ADesignEC2::Run(unsigned elementNumber, omStrakon* model) {
    omElementMap* map = model ? model->getElementMap() : nullptr;
    omDesignElement* element = map ? map->find(elementNumber) : nullptr;
    if (!element || !model->areResultsValid()) return false;
    auto* data = dynamic_cast<omRCDesignBeamData*>(element->getDesignData());
    if (!data) return false;
    data->resetResults();
    ADesignEC2 design(elementNumber, model);
    if (!design.IsDesignPossible(nullptr)) return false;
    design.PrepareSections();
    if (data->isUltDesign()) {
        const double shear = design.DesignShear(data->getShearResults());
        const double bending = design.DesignBending(data->getNMResults());
        data->setUltFactor(std::max(shear, bending));
    }
    if (data->isSerDesign()) data->setSerFactor(design.CheckCracks(data->getCrackResults()));
    return true;
}
