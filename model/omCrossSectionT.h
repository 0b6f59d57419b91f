#pragma once
// T section: the flange (b x tf) at the top, the web (tw x (h - tf)) below it.
// Variables: 1 h, 2 b, 3 tw, 4 tf.
#include "model/omCrossSection.h"

class omCrossSectionT : public omCrossSection {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omCrossSectionT)

public:
    explicit omCrossSectionT(unsigned id);
    // Note the order: x3 is the flange thickness (variable 4), x4 the web
    // thickness (variable 3), while the unit-value form takes them in variable order.
    omCrossSectionT(double h, double b, double x3, double x4, omUnitKey key, unsigned id);
    omCrossSectionT(const omUnitValue& h, const omUnitValue& b, const omUnitValue& tw, const omUnitValue& tf,
                    unsigned id);
    omCrossSectionT(const omCrossSectionT& other);
    omCrossSectionT& operator=(const omCrossSectionT& other);
    ~omCrossSectionT() override;

    void copy(const omCrossSectionT& other);

    omCrossSectionT* clone() const override;
    bool canStoreBars() const override;
    int getMaxBarBands() const override;
    double getStirrupLength(double c1, double c2) const override;
    int numberOfVariables() const override { return variableCount(); }
    omCrossSectionType type() const override;
    bool isProperlySet() const override;
    void defaultVariableDescription() override;

    double A() const override;
    double Vy() const override;
    double Vz() const override;
    double Ix() const override { return 0.0; }
    double Iy() const override;
    double Iz() const override;
    double Iyz() const override { return 0.0; }
    double Sy() const override { return 0.0; }
    double Sz() const override { return 0.0; }
    double Wy() const override;
    double Wz() const override;
    double Zy() const override;
    double Zz() const override;
    double zTop() const override;
    double Bw(double a, double b) const override;
    double Integrate(double z1, double z2, int n) const override;
    double height(omUnitKey key) const override;
    double height() const override;
    double breadth(omUnitKey key) const override;
    double breadth() const override;
};
