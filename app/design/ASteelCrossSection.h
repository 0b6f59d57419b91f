#pragma once
// The steel cross-section classifier of the EC3 design: the class of a section
// under an axial force and a moment, the shear resistance of its web, its
// effective values in class 4, its torsion and warping constants and its
// buckling curves. One subclass per kind of steel section; each flat part of a
// section is checked as a SteelPlate.
//
// Units: cm, kN/cm2, kN, kNcm. Compression is positive in a plate's stresses.
#include <string>
#include <utility>

class omCrossSection;

// One of the buckling curves a to d (index 0 to 3).
class BucklingCurve {
public:
    explicit BucklingCurve(int index = 0) : m_index(index) {}
    BucklingCurve(const BucklingCurve& other) = default;
    BucklingCurve& operator=(const BucklingCurve& other) = default;
    virtual ~BucklingCurve() = default;

    int index() const { return m_index; }
    // The curve's letter, 'a' to 'd'.
    char letter() const { return static_cast<char>('a' + m_index); }
    // The imperfection factor of the curve.
    double alpha() const;
    // The reduction factor for the non-dimensional slenderness lambdaBar.
    double Chi(double lambdaBar) const;

private:
    int m_index;
};

// One flat plate of a section: an internal element (supported at both edges)
// or an outstand (sigma1 at the supported edge, sigma2 at the free edge).
class SteelPlate {
public:
    SteelPlate(bool internal, double d, double t, double sigma1, double sigma2, bool rolled, double fy);
    virtual ~SteelPlate() = default;

    double BucklingFactor() const;
    double ClassLimit34() const;
    // The limit between classes 2 and 3 (upper) or 1 and 2.
    double ClassLimit(bool upper) const;
    // The class value; the plate's report text is appended to report when given.
    double Classify(std::string* report) const;
    // Start and end of the ineffective zone of a class 4 plate, measured from
    // the sigma1 edge; (0, 0) when the plate is fully effective.
    std::pair<double, double> EffectiveHole() const;
    // The area and second moment the hole takes away, for a plate at distance e
    // from the axis (a flange) or with its width along the bending direction (a web).
    std::pair<double, double> HoleSectionValues(double e, bool alongZ) const;
    // The shear buckling strength for the distance a between stiffeners (0: none).
    double ShearStrength(double a) const;

    double sigma1;
    double sigma2;
    double t;
    double d;
    bool rolled;
    bool internal;
    double fy;

private:
    double epsilon() const;
};

// The class value found and the mark of the governing plate ('F' flange,
// 'W' web, 'O' box outstand, a blank for tubes).
struct ASteelClass {
    double value = 0.1;
    char mark = ' ';
};

class ASteelCrossSection {
public:
    // The section is not owned and must outlive the classifier.
    explicit ASteelCrossSection(const omCrossSection* section) : m_section(section) {}
    virtual ~ASteelCrossSection() = default;
    ASteelCrossSection(const ASteelCrossSection&) = delete;
    ASteelCrossSection& operator=(const ASteelCrossSection&) = delete;

    // N positive in tension, My in kNcm.
    virtual ASteelClass Classify(double N, double My, double fy, std::string* report) const = 0;
    // V over the shear resistance of the web; a is the distance between stiffeners.
    virtual double ShearRatio(double V, double fy, double a, std::string* report) const = 0;
    // (A.eff, Wy.eff) of a class 4 section.
    virtual std::pair<double, double> EffectiveSection(double rho, double fy) const = 0;
    // (A, Wy) reduced for shear.
    virtual std::pair<double, double> ElasticShearReduced(double rho) const = 0;
    // (A, Zy) reduced for shear.
    virtual std::pair<double, double> PlasticShearReduced(double rho) const = 0;
    virtual double WebThickness() const = 0;
    virtual double BiaxialExponent(double n) const = 0;
    virtual bool LateralTorsionalApplies() const = 0;
    virtual bool HasEffectiveSection() const = 0;
    virtual double TorsionConstant() const = 0;
    virtual double WarpingConstant() const = 0;
    virtual BucklingCurve CurveY() const = 0;
    virtual BucklingCurve CurveZ() const = 0;
    virtual BucklingCurve CurveLT() const = 0;

    // Non-dimensional slenderness for buckling about y-y and z-z over the length L.
    double SlendernessY(double L, double fy, double classValue, double E) const;
    double SlendernessZ(double L, double fy, double classValue, double E) const;

    const omCrossSection* section() const { return m_section; }

protected:
    double slenderness(double L, double radius, double fy, double classValue, double E) const;

    const omCrossSection* m_section;
};

// Doubly symmetric I sections, rolled or welded.
class ASteelCrossSection_DSI : public ASteelCrossSection {
public:
    explicit ASteelCrossSection_DSI(const omCrossSection* section);

    ASteelClass Classify(double N, double My, double fy, std::string* report) const override;
    double ShearRatio(double V, double fy, double a, std::string* report) const override;
    std::pair<double, double> EffectiveSection(double rho, double fy) const override;
    std::pair<double, double> ElasticShearReduced(double rho) const override;
    std::pair<double, double> PlasticShearReduced(double rho) const override;
    double WebThickness() const override { return tw; }
    double BiaxialExponent(double) const override { return 2.0; }
    bool LateralTorsionalApplies() const override { return true; }
    bool HasEffectiveSection() const override { return true; }
    double TorsionConstant() const override;
    double WarpingConstant() const override;
    BucklingCurve CurveY() const override;
    BucklingCurve CurveZ() const override;
    BucklingCurve CurveLT() const override;

    double h, b, tf, tw, a;

private:
    bool rolled() const;
};

// Welded box sections.
class ASteelCrossSection_Box : public ASteelCrossSection {
public:
    explicit ASteelCrossSection_Box(const omCrossSection* section);

    ASteelClass Classify(double N, double My, double fy, std::string* report) const override;
    double ShearRatio(double V, double fy, double a, std::string* report) const override;
    std::pair<double, double> EffectiveSection(double rho, double fy) const override;
    std::pair<double, double> ElasticShearReduced(double rho) const override;
    std::pair<double, double> PlasticShearReduced(double rho) const override;
    double WebThickness() const override { return tw; }
    double BiaxialExponent(double n) const override;
    bool LateralTorsionalApplies() const override { return false; }
    bool HasEffectiveSection() const override { return true; }
    double TorsionConstant() const override;
    double WarpingConstant() const override { return 0.0; }
    BucklingCurve CurveY() const override;
    BucklingCurve CurveZ() const override;
    BucklingCurve CurveLT() const override { return BucklingCurve(2); }

    double h, b, tf, co, tw, a;

private:
    double outstandWidth() const;
};

// Circular tubes.
class ASteelCrossSection_Tube : public ASteelCrossSection {
public:
    explicit ASteelCrossSection_Tube(const omCrossSection* section);

    ASteelClass Classify(double N, double My, double fy, std::string* report) const override;
    double ShearRatio(double V, double fy, double a, std::string* report) const override;
    std::pair<double, double> EffectiveSection(double, double) const override { return {0.0, 0.0}; }
    std::pair<double, double> ElasticShearReduced(double rho) const override;
    std::pair<double, double> PlasticShearReduced(double rho) const override;
    double WebThickness() const override { return t; }
    double BiaxialExponent(double) const override { return 2.0; }
    bool LateralTorsionalApplies() const override { return false; }
    bool HasEffectiveSection() const override { return false; }
    double TorsionConstant() const override { return 0.0; }
    double WarpingConstant() const override { return 0.0; }
    BucklingCurve CurveY() const override { return BucklingCurve(0); }
    BucklingCurve CurveZ() const override { return BucklingCurve(0); }
    BucklingCurve CurveLT() const override { return BucklingCurve(2); }

    double D, t;
};
