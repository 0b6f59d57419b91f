#pragma once
// Circular hollow section: variable 1 the outer diameter D, 2 the wall thickness t.
#include "model/omCrossSection.h"

class omCrossSectionTube : public omCrossSection {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omCrossSectionTube)

public:
    explicit omCrossSectionTube(unsigned id);
    omCrossSectionTube(const omCrossSectionTube& other);
    omCrossSectionTube& operator=(const omCrossSectionTube& other);
    ~omCrossSectionTube() override;

    void copy(const omCrossSectionTube& other);

    double diameter() const { return dim(1); }
    double thickness() const { return dim(2); }

    omCrossSectionTube* clone() const override;
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
