#include "model/omNode2D.h"

#include "model/omIndexCheck.h"

omNode2D::omNode2D() : omNode(omDofStrakonStructureType::instance(), 0) {}

omNode2D::omNode2D(double x, double z, const std::string& unit, unsigned id)
    : omNode(omDofStrakonStructureType::instance(), id), m_x(x, unit), m_z(z, unit) {}

omNode2D::omNode2D(omUnitValue x, omUnitValue z, unsigned id)
    : omNode(omDofStrakonStructureType::instance(), id), m_x(x), m_z(z) {}

omNode2D::omNode2D(const omNode2D& other)
    : omNode(other), m_x(other.m_x), m_z(other.m_z), m_skewX(other.m_skewX), m_skewZ(other.m_skewZ),
      m_creepX(other.m_creepX), m_creepZ(other.m_creepZ) {}

omNode2D::~omNode2D() = default;

void omNode2D::copy(const omNode2D& other) {
    if (&other == this) return;
    omNode::copy(other);
    m_x = other.m_x;
    m_z = other.m_z;
    m_skewX = other.m_skewX;
    m_skewZ = other.m_skewZ;
    m_creepX = other.m_creepX;
    m_creepZ = other.m_creepZ;
}

const omUnitValue* omNode2D::getCoor(omDofType t, CoorType c) const {
    if (t == Ux) {
        switch (c) {
        case coorPlain:
            return &m_x;
        case coorSkew:
            return &m_skewX;
        case coorCreep:
            return &m_creepX;
        default:
            return nullptr;
        }
    }
    if (t == Uz) {
        switch (c) {
        case coorPlain:
            return &m_z;
        case coorSkew:
            return &m_skewZ;
        case coorCreep:
            return &m_creepZ;
        default:
            return nullptr;
        }
    }
    return nullptr;
}

void omNode2D::move(const omVector& v, omUnitKey unit) {
    if (!omCheckIndex("Coordinate", 2, 1, v.size())) return;
    m_x += omUnitValue(v(1), unit);
    m_z += omUnitValue(v(2), unit);
}

omVector omNode2D::getVector(omUnitKey unit, CoorType c) const {
    omVector v(2);
    v(1) = m_x.Get(unit);
    v(2) = m_z.Get(unit);
    if (c == coorSkew || c == coorSkewCreep) {
        v(1) += m_skewX.Get(unit);
        v(2) += m_skewZ.Get(unit);
    }
    if (c == coorCreep || c == coorSkewCreep) {
        v(1) += m_creepX.Get(unit);
        v(2) += m_creepZ.Get(unit);
    }
    return v;
}

void omNode2D::getPlanePoint(CoorType c, double& x, double& z) const {
    // The same sums as getVector's, in the same order.
    x = m_x.Get(omUK_cm);
    z = m_z.Get(omUK_cm);
    if (c == coorSkew || c == coorSkewCreep) {
        x += m_skewX.Get(omUK_cm);
        z += m_skewZ.Get(omUK_cm);
    }
    if (c == coorCreep || c == coorSkewCreep) {
        x += m_creepX.Get(omUK_cm);
        z += m_creepZ.Get(omUK_cm);
    }
}

void omNode2D::setCoor(const omVector& v, const std::string& unit) {
    if (!omCheckIndex("Coordinate", 2, 1, v.size())) return;
    m_x.Set(v(1), unit);
    m_z.Set(v(2), unit);
}

void omNode2D::setSkew(const omUnitValue& x, const omUnitValue& z) {
    m_skewX = x;
    m_skewZ = z;
}

void omNode2D::setCreep(const omUnitValue& x, const omUnitValue& z) {
    m_creepX = x;
    m_creepZ = z;
}
