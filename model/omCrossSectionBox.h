#pragma once
// Rectangular hollow section of two flanges and two webs. Variables: 1 h, 2 b,
// 3 tw, 4 tf, 5 the flange outstand of (from the flange edge to the outer face
// of a web), 6 the weld thickness w.
#include "model/omCrossSection.h"

class omCrossSectionBox : public omCrossSection {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omCrossSectionBox)

public:
    explicit omCrossSectionBox(unsigned id);
    omCrossSectionBox(const omCrossSectionBox& other);
    omCrossSectionBox& operator=(const omCrossSectionBox& other);
    ~omCrossSectionBox() override;

    void copy(const omCrossSectionBox& other);

    double webThickness() const { return dim(3); }
    double flangeThickness() const { return dim(4); }
    double flangeOutstand() const { return dim(5); }
    double weldThickness() const { return dim(6); }

    omCrossSectionBox* clone() const override;
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
