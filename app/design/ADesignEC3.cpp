#include "app/design/ADesignEC3.h"

#include "app/design/ASteelCrossSection.h"
#include "app/design/MomentField.h"
#include "app/report/AOutputFormat.h"
#include "app/report/TranslateOutputString.h"
#include "model/omCrossSectionIDS.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omElementSupport.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omSteelDesignData.h"
#include "model/omStrakon.h"
#include "platform/core/CString.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

namespace {

constexpr double piSquared = 9.869604401089358;

double steelFy(const omSteel& steel) {
    return steel.fy().Get(omUK_kN_cm2);
}

// chi z over the Z-Z fields that overlap [start, end] of the member, with the
// slenderness in lambdaZ; 1 (and slenderness 0) when no field overlaps.
double zzChi(const omElementSupport& zz, double start, double end, double L,
             const ASteelCrossSection& classifier, double fy, double classValue, double& lambdaZ) {
    lambdaZ = 0.0;
    auto [first, last] = zz.getFieldsInRange(start, end);
    if (first == -1 && last == -1) return 1.0;
    lambdaZ =
        classifier.SlendernessZ(zz.maxBuckLength(L, first, last), fy, classValue, ADesignEC3::flexuralE);
    return classifier.CurveZ().Chi(lambdaZ);
}

// chi LT of a field of the LT support, with beta W through betaW; the load
// position enters the critical moment through zg.
double lateralTorsionalChi(const MomentField& field, double fieldLength, double k, double classValue,
                           double L, const ASteelCrossSection& classifier, double fy, double E, double G,
                           double loadPosition, double& betaW) {
    const omCrossSection& cs = *classifier.section();
    const double Zy = cs.Zy();
    if (classValue <= 2.0)
        betaW = 1.0;
    else if (classValue <= 3.0)
        betaW = cs.Wy() / Zy;
    else
        betaW = classifier.EffectiveSection(0.0, fy).second / Zy;
    // A field held with K = 0 cannot buckle laterally; the formula would give 0 times infinity.
    if (k <= 0.0) return 1.0;
    const double LLT = fieldLength * L;
    const double C1 = field.CFactor(1, k);
    const double C2 = field.CFactor(2, k);
    const double zg = 0.5 * cs.height() * loadPosition;
    const double Iz = cs.Iz();
    const double kw = 1.0;
    const double kL = k * LLT;
    const double Mcr =
        C1 * piSquared * E * Iz / (kL * kL) *
        (std::sqrt((C2 * zg) * (C2 * zg) + (k / kw) * (k / kw) * classifier.WarpingConstant() / Iz +
                   kL * kL * G * classifier.TorsionConstant() / (piSquared * E * Iz)) +
         C2 * zg);
    if (!(Mcr > 0.0) || !std::isfinite(Mcr)) return 1.0;
    const double lambdaLT =
        std::sqrt(piSquared * E * Zy / Mcr) / (std::numbers::pi * std::sqrt(E / fy)) * std::sqrt(betaW);
    if (lambdaLT < 0.4) return 1.0;
    return classifier.CurveLT().Chi(lambdaLT);
}

} // namespace

// ---------------------------------------------------------------------------
// Cross-section resistance

double ADesignEC3::CheckSectionResistance(double My, double N, double rho, double classValue, double gammaM0,
                                          double gammaM1, const ASteelCrossSection& classifier, double fy) {
    const omCrossSection& cs = *classifier.section();
    const double A = cs.A();
    const double Wy = cs.Wy();
    const double Zy = cs.Zy();
    const bool class4 = classValue > 3.0;
    const bool effective = classifier.HasEffectiveSection();
    double n = std::fabs(N) / (A * fy / gammaM0);
    double m = std::fabs(My) / (Wy * fy / gammaM0);
    if (class4 && effective) {
        auto [Aeff, Weff] = classifier.EffectiveSection(rho, fy);
        n = std::fabs(N) / (Aeff * fy / gammaM1);
        m = std::fabs(My) / (Weff * fy / gammaM1);
    }
    const int type = cs.type();
    if (m > 0.01 && n < 0.01 && (type == csIDS || type == csStandardI)) {
        double MRd;
        if (class4)
            MRd = classifier.EffectiveSection(0.0, fy).second * fy / gammaM1;
        else if (classValue > 2.0)
            MRd = Wy * fy / gammaM0;
        else
            MRd = Zy * fy / gammaM0;
        if (rho > 0.0) {
            const double Vz = cs.Vz();
            const double MRdV = (Zy - rho * Vz * Vz / (4.0 * classifier.WebThickness())) * fy / gammaM0;
            MRd = std::min(MRd, MRdV);
        }
        return std::fabs(My) / MRd;
    }
    if (m < 0.001 && 10.0 * m < n && rho == 0.0) {
        // A class 4 section without effective values cannot carry its axial force
        // by this check: the same answer as the combined branch, not a division by 0.
        if (class4 && !effective) return 2.0;
        const double NRd =
            class4 ? classifier.EffectiveSection(rho, fy).first * fy / gammaM1 : A * fy / gammaM0;
        return std::fabs(N) / NRd;
    }
    if (class4) {
        if (!effective) return 2.0;
        auto [Aeff, Weff] = classifier.EffectiveSection(rho, fy);
        return (std::fabs(N) / Aeff + std::fabs(My) / Weff) * gammaM1 / fy;
    }
    if (classValue > 2.0) {
        auto [Av, Wv] = classifier.ElasticShearReduced(rho);
        return (std::fabs(N) / Av + std::fabs(My) / Wv) * gammaM0 / fy;
    }
    auto [Av, Zv] = classifier.PlasticShearReduced(rho);
    const double NRd = Av * fy / gammaM0;
    n = std::fabs(N) / NRd;
    double factor = n;
    if (N < NRd && My != 0.0) {
        const double a = std::min(cs.Vz() / A, 0.5);
        const double W = std::min(Zv, Zv * (1.0 - n) / (1.0 - 0.5 * a));
        const double MNyRdV = W * fy / gammaM0;
        factor = std::max(n, std::fabs(My) / MNyRdV);
    }
    return factor;
}

// ---------------------------------------------------------------------------
// Flexural buckling

double ADesignEC3::CheckCompressionMember(double N, double L, double classValue, double fy, double gammaM1,
                                          const ASteelCrossSection& classifier, const omElementSupport& yy,
                                          const omElementSupport& zz) {
    double chiY = 1.0, chiZ = 1.0;
    if (!yy.isFullSupport()) {
        const double Lu = yy.maxBuckLength(L, -1, -1);
        chiY = classifier.CurveY().Chi(classifier.SlendernessY(Lu, fy, classValue, flexuralE));
    }
    if (!zz.isFullSupport()) {
        const double Lu = zz.maxBuckLength(L, -1, -1);
        chiZ = classifier.CurveZ().Chi(classifier.SlendernessZ(Lu, fy, classValue, flexuralE));
    }
    const double chi = std::min(chiY, chiZ);
    const double area =
        classValue > 3.0 ? classifier.EffectiveSection(0.0, fy).first : classifier.section()->A();
    return std::fabs(N) / (chi * area * fy / gammaM1);
}

double ADesignEC3::CheckBendingCompression(double N, const AMomentDiagram& diagram, double classValue,
                                           double gammaM1, double L, const omElementSupport& yy,
                                           const omElementSupport& zz, const ASteelCrossSection& classifier,
                                           double fy) {
    const omCrossSection& cs = *classifier.section();
    const double A = cs.A();
    const double Wy = cs.Wy();
    const double Zy = cs.Zy();
    double result = 0.0;
    for (int i = 0; i < yy.fieldSize(); ++i) {
        const double start = yy.fieldStart(i), end = yy.fieldEnd(i);
        MomentField field;
        field.SetField(start, end, diagram.positions, diagram.moments);
        double lambdaZ;
        const double chiZ = zzChi(zz, start, end, L, classifier, fy, classValue, lambdaZ);
        // A member held in its plane buckles only about z-z: chi y = 1 at zero slenderness.
        double lambdaY = 0.0, chiY = 1.0;
        if (!yy.isFullSupport()) {
            const double Lu =
                i < static_cast<int>(yy.getK().size()) ? yy.fieldK(i) * yy.fieldLength(i) * L : 0.0;
            lambdaY = classifier.SlendernessY(Lu, fy, classValue, flexuralE);
            chiY = classifier.CurveY().Chi(lambdaY);
        }
        const double chiMin = std::min(chiY, chiZ);
        const double betaM = field.EquivalentMomentFactor();
        const double M = field.MaxAbsMoment();
        double muY = lambdaY * (2.0 * betaM - 4.0);
        if (classValue <= 2.0) muY += (Zy - Wy) / Wy;
        muY = std::min(muY, 0.9);
        const double kY = std::min(1.0 - muY * std::fabs(N) / (chiY * A * fy), 1.5);
        double f;
        if (classValue > 3.0) {
            auto [Aeff, Weff] = classifier.EffectiveSection(0.0, fy);
            f = (std::fabs(N) / (chiMin * Aeff) + kY * M / Weff) * gammaM1 / fy;
        } else if (classValue > 2.0) {
            f = (std::fabs(N) / (chiMin * A) + kY * M / Wy) * gammaM1 / fy;
        } else {
            f = (std::fabs(N) / (chiMin * A) + kY * M / Zy) * gammaM1 / fy;
        }
        result = std::max(result, f);
    }
    return result;
}

// ---------------------------------------------------------------------------
// Lateral-torsional buckling

double ADesignEC3::CheckLateralTorsionalBuckling(double N, const AMomentDiagram& diagram, double classValue,
                                                 double gammaM1, double psiVec, double L,
                                                 const omElementSupport& lt,
                                                 const ASteelCrossSection& classifier, double fy, double E,
                                                 double G, double loadPosition) {
    const omCrossSection& cs = *classifier.section();
    double result = 0.0;
    for (int i = 0; i < lt.fieldSize(); ++i) {
        MomentField field;
        field.SetField(lt.fieldStart(i), lt.fieldEnd(i), diagram.positions, diagram.moments);
        const double k = i < static_cast<int>(lt.getK().size()) ? lt.fieldK(i) : 0.0;
        double betaW = 1.0;
        const double chiLT = lateralTorsionalChi(field, lt.fieldLength(i), k, classValue, L, classifier, fy,
                                                 E, G, loadPosition, betaW);
        const double M = field.MaxAbsMoment();
        const double MbRd = chiLT * betaW * cs.Zy() * fy / gammaM1;
        const double Meff = (M / cs.Wy() - psiVec * N / cs.A()) * cs.Wy();
        result = std::max(result, Meff / MbRd);
    }
    return result;
}

double ADesignEC3::CheckBendingCompressionLT(double N, const AMomentDiagram& diagram, double classValue,
                                             double gammaM1, double L, const omElementSupport& lt,
                                             const omElementSupport& zz, const ASteelCrossSection& classifier,
                                             double fy, double E, double G, double loadPosition) {
    const omCrossSection& cs = *classifier.section();
    const double A = cs.A();
    double result = 0.0;
    for (int i = 0; i < lt.fieldSize(); ++i) {
        const double start = lt.fieldStart(i), end = lt.fieldEnd(i);
        MomentField field;
        field.SetField(start, end, diagram.positions, diagram.moments);
        const double k = i < static_cast<int>(lt.getK().size()) ? lt.fieldK(i) : 0.0;
        double betaW = 1.0;
        const double chiLT = lateralTorsionalChi(field, lt.fieldLength(i), k, classValue, L, classifier, fy,
                                                 E, G, loadPosition, betaW);
        const double M = field.MaxAbsMoment();
        const double betaMLT = field.EquivalentMomentFactor();
        double lambdaZ;
        const double chiZ = zzChi(zz, start, end, L, classifier, fy, classValue, lambdaZ);
        const double muLT = std::min(0.15 * lambdaZ * betaMLT - 0.15, 0.9);
        const double kLT = std::min(1.0 - muLT * std::fabs(N) / (chiZ * A * fy), 1.0);
        double f;
        if (classValue > 3.0) {
            auto [Aeff, Weff] = classifier.EffectiveSection(0.0, fy);
            f = (std::fabs(N) / (chiZ * Aeff) + kLT * M / (chiLT * Weff)) * gammaM1 / fy;
        } else if (classValue > 2.0) {
            f = (std::fabs(N) / (chiZ * A) + kLT * M / (chiLT * cs.Wy())) * gammaM1 / fy;
        } else {
            f = (std::fabs(N) / (chiZ * A) + kLT * M / (chiLT * cs.Zy())) * gammaM1 / fy;
        }
        result = std::max(result, f);
    }
    return result;
}

// ---------------------------------------------------------------------------
// The member design

ADesignEC3::ADesignEC3(unsigned element, omStrakon* model)
    : m_model(model), m_factors(ASteelSafetyFactors::FromSettings()) {
    if (m_model && m_model->getElementMap()) m_element = m_model->getElementMap()->find(element);
}

ADesignEC3::~ADesignEC3() = default;

omSteelDesignData* ADesignEC3::GetDesignData() const {
    return m_element ? dynamic_cast<omSteelDesignData*>(m_element->getDesignData()) : nullptr;
}

ASteelCrossSection* ADesignEC3::CreateSectionClassifier() const {
    const omCrossSection* cs = m_element ? m_element->getCrossSection() : nullptr;
    if (!cs) return nullptr;
    switch (cs->type()) {
    case csIDS:
    case csStandardI:
        // The classifier reads the plates of the upright section; a turned one
        // would mix exchanged axes with unexchanged plates.
        if (auto* ids = dynamic_cast<const omCrossSectionIDS*>(cs); !ids || ids->changeAxis()) return nullptr;
        return new ASteelCrossSection_DSI(cs);
    case csBox:
        return new ASteelCrossSection_Box(cs);
    case csTube:
        return new ASteelCrossSection_Tube(cs);
    default:
        return nullptr;
    }
}

bool ADesignEC3::IsDesignPossible(std::string* reason) const {
    if (reason) reason->clear();
    std::string message = "The design of this element is not possible due to the following reason(s):";
    int count = 0;
    auto add = [&](const std::string& text) {
        message += CString::Formatted("\n     %i - %s", ++count, text.c_str());
    };
    const omSteelDesignData* data = GetDesignData();
    if (!m_element) {
        add("The element does not exist.");
    } else {
        const auto* steel = dynamic_cast<const omSteel*>(m_element->getMaterial());
        if (!steel)
            add("Steel material is either not selected or it is wrong.");
        else if (!(steelFy(*steel) > 0.0) || !(steel->E(0.0).Get(omUK_kN_cm2) > 0.0) ||
                 !(steel->G().Get(omUK_kN_cm2) > 0.0))
            add("The yield strength, the modulus of elasticity and the shear modulus of the steel must be "
                "positive.");
        const omCrossSection* cs = m_element->getCrossSection();
        if (!cs) {
            add("The cross-section is not selected.");
        } else {
            const int type = cs->type();
            if (type != csIDS && type != csStandardI && type != csBox && type != csTube)
                add("Only I, box and tube sections can be designed in steel.");
            else if (auto* ids = dynamic_cast<const omCrossSectionIDS*>(cs); ids && ids->changeAxis())
                add("A turned I section cannot be classified.");
            if (!cs->isProperlySet()) add("The cross-section is not properly set.");
        }
        if (!data) add("The element has no steel design data.");
    }
    if (data) {
        const char* names[3] = {"YY support: %s", "ZZ support: %s", "LT support: %s"};
        const omElementSupport* supports[3] = {&data->getYYSup(), &data->getZZSup(), &data->getLTSup()};
        for (int i = 0; i < 3; ++i) {
            std::string text = CheckSteelSupport(supports[i]->getPos(), supports[i]->getK());
            if (!text.empty()) add(CString::Formatted(names[i], text.c_str()));
        }
    }
    if (count == 0) return true;
    if (reason) *reason = message;
    return false;
}

void ADesignEC3::PrepareResults() {
    omSteelDesignData* data = GetDesignData();
    if (!data) return;
    auto& records = data->getCSRes();
    records.clear();
    records.resize(m_element->getResult().getPoints().size());
}

namespace {

// The forces of a load case at every result position, or null when the case or
// its results are missing.
const omLoadCaseResult* caseResults(const omDesignElement& element, const omLoadManager* manager, int lc) {
    if (!manager || lc < 1 || lc > manager->caseSize() || !manager->getCase(lc)) return nullptr;
    const omElementResult& result = element.getResult();
    if (lc > result.caseSize()) return nullptr;
    const omLoadCaseResult& r = result.getLCResult(static_cast<unsigned>(lc));
    if (r.empty() || r.size() < result.getPoints().size()) return nullptr;
    return &r;
}

} // namespace

double ADesignEC3::DesignUltimate() {
    omSteelDesignData* data = GetDesignData();
    std::unique_ptr<ASteelCrossSection> classifier(CreateSectionClassifier());
    const auto* steel = m_element ? dynamic_cast<const omSteel*>(m_element->getMaterial()) : nullptr;
    if (!data || !classifier || !steel || !IsDesignPossible(nullptr)) return 0.0;
    const omCrossSection& cs = *classifier->section();
    const double gammaM0 = m_factors.gammaM0, gammaM1 = m_factors.gammaM1, psiVec = m_factors.psiVec;
    const double L = m_element->length();
    const double fy = steelFy(*steel);
    const double E = steel->E(0.0).Get(omUK_kN_cm2);
    const double G = steel->G().Get(omUK_kN_cm2);
    const omElementResult& result = m_element->getResult();
    const std::vector<double>& points = result.getPoints();
    auto& records = data->getCSRes();
    if (records.size() != points.size()) PrepareResults();
    const omLoadManager* manager = m_model->getLoadManager();

    data->setElStab(0.0);
    data->setElStabType(0);
    data->setElClass(0);
    data->setStabilityDescription(StabilityStatusText(0.0, 0, 1));
    double overall = 0.0;
    const double leftWidth = data->getLeftSupportWidth().Get(omUK_cm);
    const double rightWidth = data->getRightSupportWidth().Get(omUK_cm);
    const double stiffeners = data->getShearStiffDistance().Get(omUK_cm);

    for (int lc : data->getUltLC()) {
        const omLoadCaseResult* forces = caseResults(*m_element, manager, lc);
        if (!forces) continue;
        double Nmin = std::numeric_limits<double>::max();
        bool compression = false, bending = false;
        AMomentDiagram diagram;
        diagram.positions = points;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const omForceVector& F = (*forces)[i].F;
            const double N = F.getDof(Ux);
            const double V = F.getDof(Uz);
            double My = F.getDof(Ry);
            diagram.moments.push_back(My);
            const double x = points[i] * L;
            if (x < leftWidth)
                My = result.getForceAt(lc, leftWidth / L, Ry);
            else if (x > L - rightWidth)
                My = result.getForceAt(lc, (L - rightWidth) / L, Ry);
            omSteelDesignData::CSRes& record = records[i];
            const ASteelClass found = classifier->Classify(N, My, fy, nullptr);
            if (found.value > record.classValue) {
                record.classValue = found.value;
                record.classMark = found.mark;
            }
            const double s = classifier->ShearRatio(std::fabs(V) * gammaM1, fy, stiffeners, nullptr);
            record.shearRatio = std::max(record.shearRatio, s);
            const double rho = s > 1.0 ? 1.0 : (s > 0.5 ? (2.0 * s - 1.0) * (2.0 * s - 1.0) : 0.0);
            const double r =
                CheckSectionResistance(My, N, rho, found.value, gammaM0, gammaM1, *classifier, fy);
            record.resistanceFactor = std::max(record.resistanceFactor, r);
            overall = std::max(overall, record.resistanceFactor);
            double A = cs.A(), Wy = cs.Wy(), gamma = gammaM0;
            if (found.value > 3.0) {
                std::tie(A, Wy) = classifier->EffectiveSection(rho, fy);
                gamma = gammaM1;
            }
            const double ni = N / (A * fy / gamma);
            const double mi = My / (Wy * fy / gamma);
            Nmin = std::min(Nmin, N);
            if (ni < -0.01) compression = true;
            if (std::fabs(mi) > 0.01) bending = true;
        }
        // The class of the position with the largest resistance factor.
        double best = -1.0, c = 0.1;
        for (const auto& record : records) {
            if (record.resistanceFactor > best) {
                best = record.resistanceFactor;
                c = record.classValue;
            }
        }
        if (!classifier->HasEffectiveSection() && c > 3.0) {
            // Nothing can be said of the member's stability: it cannot be designed.
            data->setElStab(cannotDesign);
            data->setElStabType(kindClass4 + 100 * lc);
            data->setElClass(4);
            data->setStabilityDescription(StabilityStatusText(0.0, kindClass4, 4));
            return cannotDesign;
        }
        double f = 0.0;
        int kind = kindNone;
        const bool lateral = classifier->LateralTorsionalApplies() && !data->getLTSup().isFullSupport();
        if (compression && !bending) {
            f = CheckCompressionMember(Nmin, L, c, fy, gammaM1, *classifier, data->getYYSup(),
                                       data->getZZSup());
            kind = kindCompression;
        } else if (compression && bending) {
            if (lateral) {
                f = CheckBendingCompressionLT(Nmin, diagram, c, gammaM1, L, data->getLTSup(),
                                              data->getZZSup(), *classifier, fy, E, G, data->getLoadPos());
                kind = kindBendingCompressionLT;
            }
            // Also with the member held in its plane: it may still buckle about z-z.
            const double g = CheckBendingCompression(Nmin, diagram, c, gammaM1, L, data->getYYSup(),
                                                     data->getZZSup(), *classifier, fy);
            if (g > f) {
                f = g;
                kind = kindBendingCompression;
            }
        } else if (lateral) {
            f = CheckLateralTorsionalBuckling(Nmin, diagram, c, gammaM1, psiVec, L, data->getLTSup(),
                                              *classifier, fy, E, G, data->getLoadPos());
            kind = kindLateralTorsional;
        }
        if (f > data->getElStab()) {
            const int elementClass = std::min(4, static_cast<int>(c + 0.99999999999));
            data->setElStab(f);
            data->setElStabType(kind + 100 * lc);
            data->setElClass(elementClass);
            data->setStabilityDescription(StabilityStatusText(f, kind + 100 * lc, elementClass));
        }
        overall = std::max(overall, data->getElStab());
    }
    return overall;
}

double ADesignEC3::CheckDeflections() {
    omSteelDesignData* data = GetDesignData();
    const auto* steel = m_element ? dynamic_cast<const omSteel*>(m_element->getMaterial()) : nullptr;
    if (!data || !steel || !IsDesignPossible(nullptr)) return 0.0;
    const omCrossSection& cs = *m_element->getCrossSection();
    const double L = m_element->length();
    const double fy = steelFy(*steel);
    const omElementResult& result = m_element->getResult();
    auto& records = data->getCSRes();
    if (records.size() != result.getPoints().size()) PrepareResults();
    double largest = 0.0;
    for (int lc : data->getSerLC()) {
        const omLoadCaseResult* forces = caseResults(*m_element, m_model->getLoadManager(), lc);
        if (!forces) continue;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const omForceVector& F = (*forces)[i].F;
            const double sigma = std::fabs(F.getDof(Ux)) / cs.A() + std::fabs(F.getDof(Ry)) / cs.Wy();
            auto& record = records[i];
            record.serStress = std::max(record.serStress, sigma);
            largest = std::max(largest, record.serStress);
            const double uz =
                result.getDisplacement(static_cast<unsigned>(lc), static_cast<unsigned>(i), true).getDof(Uz);
            record.relDeflection = std::max(record.relDeflection, std::fabs(uz) / L);
        }
    }
    // A ratio like every other design value, so that views and colours read it as one.
    return largest / fy;
}

std::string ADesignEC3::StabilityStatusText(double factor, int code, int elementClass) const {
    const int kind = code % 100;
    const int lc = code / 100;
    if (kind == kindNone) return TranslateOutputString("EC3:ESNC");
    if (kind == kindClass4) return TranslateOutputString("EC3:C4T");
    static const char* const keys[] = {"", "EC3:ACS", "EC3:LTSC", "EC3:ACBS", "EC3:ACLTS"};
    const std::string check = kind >= 1 && kind <= 4 ? TranslateOutputString(keys[kind]) : std::string();
    const bool ok = factor <= 1.0;
    const std::string status = TranslateOutputString(ok ? "EC3:SOK" : "EC3:SFAIL");
    std::string caseText;
    if (lc > 0 && m_model && m_model->getLoadManager() && lc <= m_model->getLoadManager()->caseSize())
        if (const omLoadCase* loadCase = m_model->getLoadManager()->getCase(lc))
            caseText = loadCase->getLSAndName();
    return FormatOutputString("EC3:SREP",
                              {AFormatArg(elementClass), AFormatArg(status), AFormatArg(check),
                               AFormatArg(factor), AFormatArg(ok ? "<=" : ">"), AFormatArg(caseText)});
}

bool DesignSteelElement(omStrakon* model, unsigned element, std::string* reason) {
    ADesignEC3 design(element, model);
    if (!design.IsDesignPossible(reason)) return false;
    omSteelDesignData* data = design.GetDesignData();
    design.PrepareResults();
    if (data->isUltDesign()) data->setUltFactor(design.DesignUltimate());
    if (data->isSerDesign()) data->setSerFactor(design.CheckDeflections());
    return true;
}

// ---------------------------------------------------------------------------
// Support descriptions

std::string CheckSteelSupport(const std::vector<double>& positions, const std::vector<double>& coefficients) {
    // NaN passes every comparison below (and breaks the sort's ordering), and
    // the NaN factors it leads to would pass the member.
    auto finite = [](const std::vector<double>& v) {
        return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
    };
    if (!finite(positions) || !finite(coefficients)) return "Each position and coefficient must be a number.";
    std::string message;
    std::vector<double> sorted = positions;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.size() < 2) {
        message = "At least two supports are required!";
    } else if (sorted != positions) {
        message = "Support positions are not given in ascending order!";
    } else if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
        message = "Two or more support positions coincide!";
    } else if (sorted.front() != 0.0) {
        message = "First support must be 0.0";
    } else if (sorted.back() != 1.0) {
        message = "Last support must be 1.0";
    }
    if (std::any_of(positions.begin(), positions.end(), [](double x) { return x < 0.0 || x > 1.0; }))
        message = "Each position must lie inside [0,1] interval!";
    if (std::any_of(coefficients.begin(), coefficients.end(), [](double k) { return k < 0.0; }))
        message = "Each buckling length coefficient must be non-negative.";
    // The design reads one coefficient per field.
    if (positions.size() >= 2 && coefficients.size() < positions.size() - 1)
        message = "Each span between two supports needs one buckling length coefficient!";
    return message;
}

std::string ValidateSteelDesignData(const omSteelDesignData& data) {
    std::string text;
    const char* names[3] = {"\nY-Y Support: ", "\nZ-Z Support: ", "\nLT Support: "};
    const omElementSupport* supports[3] = {&data.getYYSup(), &data.getZZSup(), &data.getLTSup()};
    for (int i = 0; i < 3; ++i) {
        std::string message = CheckSteelSupport(supports[i]->getPos(), supports[i]->getK());
        if (!message.empty()) text += names[i] + message;
    }
    if (data.getShearStiffDistance().Get(omUK_cm) < 0.0)
        text += "\nShear stiffners: The distance between shear siffners can not be negative!";
    return text;
}
