#pragma once
// A section given directly by its sixteen properties, for members whose shape
// the program does not know. It has no dimension variables and cannot be
// integrated over its depth.
#include "model/omCrossSection.h"

#include <array>

class omGenericCrossSection : public virtual omCrossSection {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omGenericCrossSection)

public:
    // The sixteen properties in their stored order.
    enum Property {
        pA,
        pVy,
        pVz,
        pSy,
        pSz,
        pIx,
        pIy,
        pIz,
        pIyz,
        pWy,
        pWz,
        pZy,
        pZz,
        pHeight,
        pBreadth,
        pTopDistance, // the distance from the centroid up to the top fibre; zTop() is minus this
        propertyCount
    };

    // Area and second moment about y as given (with their own units); every
    // other property 0 in its internal unit.
    omGenericCrossSection(const omUnitValue& area, const omUnitValue& Iy, unsigned id);
    omGenericCrossSection(const omGenericCrossSection& other);
    omGenericCrossSection& operator=(const omGenericCrossSection& other);
    ~omGenericCrossSection() override;

    void copy(const omGenericCrossSection& other);

    // The internal unit of a property: cm2, cm3, cm4 or cm.
    static omUnitKey unitKey(Property p);
    const omUnitValue& property(Property p) const { return m_values[p]; }
    omUnitValue& property(Property p) { return m_values[p]; }
    void setProperty(Property p, const omUnitValue& value) { m_values[p] = value; }

    omGenericCrossSection* clone() const override;
    int numberOfVariables() const override { return 0; }
    omCrossSectionType type() const override { return csGeneric; }
    void defaultVariableDescription() override {}

    double A() const override { return get(pA); }
    double Vy() const override { return get(pVy); }
    double Vz() const override { return get(pVz); }
    double Ix() const override { return get(pIx); }
    double Iy() const override { return get(pIy); }
    double Iz() const override { return get(pIz); }
    double Iyz() const override { return get(pIyz); }
    double Sy() const override { return get(pSy); }
    double Sz() const override { return get(pSz); }
    double Wy() const override { return get(pWy); }
    double Wz() const override { return get(pWz); }
    double Zy() const override { return get(pZy); }
    double Zz() const override { return get(pZz); }
    double zTop() const override { return -get(pTopDistance); }
    double Bw(double, double) const override { return 0.0; }
    double Integrate(double, double, int) const override { return 0.0; }
    double height(omUnitKey key) const override { return m_values[pHeight].Get(key); }
    double height() const override { return get(pHeight); }
    double breadth(omUnitKey key) const override { return m_values[pBreadth].Get(key); }
    double breadth() const override { return get(pBreadth); }

private:
    double get(Property p) const { return m_values[p].Get(unitKey(p)); }

    std::array<omUnitValue, propertyCount> m_values;
};
