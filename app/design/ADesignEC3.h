#pragma once
// The EC3 design of one steel member: for each active ultimate load case the
// class, shear and resistance of the cross-section at every result position
// and the member's stability once per case; for each active serviceability
// case the elastic stress and relative deflection at every position. Results
// go into the member's omSteelDesignData.
//
// Units: kN, kNcm, cm, kN/cm2. A factor is action effect over resistance: 1.0 or
// less passes.
#include <string>
#include <vector>

class ASteelCrossSection;
class omDesignElement;
class omElementSupport;
class omSteelDesignData;
class omStrakon;

// A member's bending moments My at its ascending relative result positions.
struct AMomentDiagram {
    std::vector<double> positions;
    std::vector<double> moments;
};

// The partial factors the steel design takes from the program's settings.
struct ASteelSafetyFactors {
    double gammaM0 = 1.1;
    double gammaM1 = 1.1;
    double psiVec = 0.8;
    // The factors kept in the settings (SafetyFactorsEC).
    static ASteelSafetyFactors FromSettings();
};

class ADesignEC3 {
public:
    // The stability check kinds kept in the design data's stability code.
    enum Kind {
        kindNone = 0,
        kindCompression = 1,
        kindLateralTorsional = 2,
        kindBendingCompression = 3,
        kindBendingCompressionLT = 4,
        kindClass4 = 5
    };

    // Looks the element up in the model's element map; null when the model is
    // null or the number is unknown. The model is not owned.
    ADesignEC3(unsigned element, omStrakon* model);
    virtual ~ADesignEC3();

    omDesignElement* GetElement() const { return m_element; }
    // The element's steel design data; null when it has another kind or none.
    omSteelDesignData* GetDesignData() const;
    // A classifier for the element's section, owned by the caller; null for a
    // section of a kind that has none.
    ASteelCrossSection* CreateSectionClassifier() const;

    // True when the member can be designed; otherwise the numbered reasons go
    // into reason when it is given.
    bool IsDesignPossible(std::string* reason) const;
    // One default result record per result position of the element.
    void PrepareResults();
    // The largest resistance and stability factor over the active ultimate cases.
    double DesignUltimate();
    // The largest elastic stress over the active serviceability cases as a share
    // of the yield strength; the records keep the stresses themselves.
    double CheckDeflections();

    // The translated status text of a stability result.
    std::string StabilityStatusText(double factor, int code, int elementClass) const;

    // The safety factors of the run; FromSettings() unless a caller sets others.
    void SetSafetyFactors(const ASteelSafetyFactors& factors) { m_factors = factors; }

    // --- The checks, each a factor. N is negative in compression.

    static double CheckSectionResistance(double My, double N, double rho, double classValue, double gammaM0,
                                         double gammaM1, const ASteelCrossSection& classifier, double fy);
    static double CheckCompressionMember(double N, double L, double classValue, double fy, double gammaM1,
                                         const ASteelCrossSection& classifier, const omElementSupport& yy,
                                         const omElementSupport& zz);
    static double CheckBendingCompression(double N, const AMomentDiagram& diagram, double classValue,
                                          double gammaM1, double L, const omElementSupport& yy,
                                          const omElementSupport& zz, const ASteelCrossSection& classifier,
                                          double fy);
    static double CheckLateralTorsionalBuckling(double N, const AMomentDiagram& diagram, double classValue,
                                                double gammaM1, double psiVec, double L,
                                                const omElementSupport& lt,
                                                const ASteelCrossSection& classifier, double fy, double E,
                                                double G, double loadPosition);
    static double CheckBendingCompressionLT(double N, const AMomentDiagram& diagram, double classValue,
                                            double gammaM1, double L, const omElementSupport& lt,
                                            const omElementSupport& zz, const ASteelCrossSection& classifier,
                                            double fy, double E, double G, double loadPosition);

    // The fixed modulus of the flexural slenderness.
    static constexpr double flexuralE = 21000.0;
    // The factor of a member that cannot be designed.
    static constexpr double cannotDesign = 10.0;

private:
    omStrakon* m_model;
    omDesignElement* m_element = nullptr;
    ASteelSafetyFactors m_factors;
};

// The steel road of the structure document on one member: the preconditions,
// the prepared records, the ultimate design when its switch is on and the
// serviceability check when its switch is on, with both results stored in the
// design data. False (nothing designed) when the preconditions fail.
bool DesignSteelElement(omStrakon* model, unsigned element, std::string* reason = nullptr);

// The checks of a support description: an empty text when it is valid, else
// the message of the last failing test.
std::string CheckSteelSupport(const std::vector<double>& positions, const std::vector<double>& coefficients);
// Every error of a member's steel design data, empty when none.
std::string ValidateSteelDesignData(const omSteelDesignData& data);
