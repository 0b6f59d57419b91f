#pragma once
// The doubly symmetric I section built from plates: variables 1 h, 2 b, 3 the
// web thickness tw, 4 the flange thickness tf, 5 the weld thickness w. Rolled or
// welded (the shear area differs), and optionally turned by 90 degrees so that
// the y and z axes exchange their roles. The catalogue I section derives from it.
#include "model/omCrossSection.h"

class omCrossSectionIDS : public virtual omCrossSection {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omCrossSectionIDS)

public:
    explicit omCrossSectionIDS(unsigned id);
    omCrossSectionIDS(double h, double b, double tw, double tf, double w, const std::string& unitName,
                      unsigned id);
    omCrossSectionIDS(const omUnitValue& h, const omUnitValue& b, const omUnitValue& tw,
                      const omUnitValue& tf, const omUnitValue& w, unsigned id);
    omCrossSectionIDS(const omCrossSectionIDS& other);
    omCrossSectionIDS& operator=(const omCrossSectionIDS& other);
    ~omCrossSectionIDS() override;

    void copy(const omCrossSectionIDS& other);

    // True: turned by 90 degrees, the y and z axes exchanged.
    bool changeAxis() const { return m_changeAxis; }
    void setChangeAxis(bool on) { m_changeAxis = on; }
    bool isRolled() const { return m_rolled; }
    void setRolled(bool on) { m_rolled = on; }
    double webThickness() const { return dim(3); }
    double flangeThickness() const { return dim(4); }
    double weldThickness() const { return dim(5); }

    omCrossSectionIDS* clone() const override;
    bool canStoreBars() const override;
    int getMaxBarBands() const override { return 2; }
    int numberOfVariables() const override { return variableCount(); }
    omCrossSectionType type() const override { return csIDS; }
    bool isProperlySet() const override;
    void defaultVariableDescription() override;

    double A() const override;
    double Vy() const override { return m_changeAxis ? VzInt() : VyInt(); }
    double Vz() const override { return m_changeAxis ? VyInt() : VzInt(); }
    double Ix() const override;
    double Iy() const override { return m_changeAxis ? IzInt() : IyInt(); }
    double Iz() const override { return m_changeAxis ? IyInt() : IzInt(); }
    double Iyz() const override { return 0.0; }
    double Sy() const override { return 0.0; }
    double Sz() const override { return 0.0; }
    double Wy() const override { return m_changeAxis ? WzInt() : WyInt(); }
    double Wz() const override { return m_changeAxis ? WyInt() : WzInt(); }
    double Zy() const override { return m_changeAxis ? ZzInt() : ZyInt(); }
    double Zz() const override { return m_changeAxis ? ZyInt() : ZzInt(); }
    double zTop() const override { return -height() / 2.0; }
    double Bw(double a, double b) const override;
    double Integrate(double z1, double z2, int n) const override;
    double height(omUnitKey key) const override;
    double height() const override;
    double breadth(omUnitKey key) const override;
    double breadth() const override;

protected:
    // The properties of the upright section (axes unchanged), from h, b, tw and tf.
    virtual double VyInt() const;
    virtual double VzInt() const;
    virtual double IyInt() const;
    virtual double IzInt() const;
    virtual double WyInt() const;
    virtual double WzInt() const;
    virtual double ZyInt() const;
    virtual double ZzInt() const;

private:
    bool m_changeAxis = false;
    bool m_rolled = false;
};
