#pragma once
// The node of the plane frame: coordinates x and z, and the skew and creep
// offsets the analysis adds to them. omNode is a virtual base, so that the
// program's drawable plane node can derive from this class and from its own
// drawable node class and have one node.
#include "model/omNode.h"

class omNode2D : public virtual omNode {
    DECLARE_STORAGE_INTERFACE()

public:
    // Id 0 at (0, 0) cm.
    omNode2D();
    // Coordinates in the named unit ("m").
    omNode2D(double x, double z, const std::string& unit, unsigned id);
    omNode2D(omUnitValue x, omUnitValue z, unsigned id);
    omNode2D(const omNode2D& other);
    ~omNode2D() override;

    void copy(const omNode2D& other);

    omNode* clone() const override { return new omNode2D(*this); }
    omNode* create() const override { return new omNode2D(); }
    // Ux: x, skew x, creep x for c = 0, 1, 2; Uz likewise; null otherwise.
    const omUnitValue* getCoor(omDofType t, CoorType c) const override;
    int space() const override { return 2; }
    // Moves by (v(1), v(2)) in the unit.
    void move(const omVector& v, omUnitKey unit) override;
    // (x, z) in the unit, with the offsets that c names.
    omVector getVector(omUnitKey unit, CoorType c) const override;
    void getPlanePoint(CoorType c, double& x, double& z) const override;
    using omNode::getVector;
    // x = v(1), z = v(2) in the named unit.
    void setCoor(const omVector& v, const std::string& unit) override;

    void setUx(const omUnitValue& x) { m_x = x; }
    void setUz(const omUnitValue& z) { m_z = z; }
    void setSkew(const omUnitValue& x, const omUnitValue& z);
    void setCreep(const omUnitValue& x, const omUnitValue& z);

private:
    omUnitValue m_x{omUK_cm};
    omUnitValue m_z{omUK_cm};
    omUnitValue m_skewX{omUK_cm};
    omUnitValue m_skewZ{omUK_cm};
    omUnitValue m_creepX{omUK_cm};
    omUnitValue m_creepZ{omUK_cm};
};
