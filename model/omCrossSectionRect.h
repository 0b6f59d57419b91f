#pragma once
// Solid rectangle: variable 1 the height h, 2 the breadth b.
#include "model/omCrossSection.h"

class omCrossSectionRect : public omCrossSection {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omCrossSectionRect)

public:
    explicit omCrossSectionRect(unsigned id);
    omCrossSectionRect(double h, double b, omUnitKey key, unsigned id);
    omCrossSectionRect(const omUnitValue& h, const omUnitValue& b, unsigned id);
    omCrossSectionRect(const omCrossSectionRect& other);
    omCrossSectionRect& operator=(const omCrossSectionRect& other);
    ~omCrossSectionRect() override;

    void copy(const omCrossSectionRect& other);

    omCrossSectionRect* clone() const override;
    bool canStoreBars() const override;
    int getMaxBarBands() const override;
    double getStirrupLength(double c1, double c2) const override;
    int numberOfVariables() const override { return variableCount(); }
    omCrossSectionType type() const override;
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
