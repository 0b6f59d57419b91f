#include "model/omGenericCrossSection.h"

IMPLEMENT_DYNAMIC(omGenericCrossSection, omCrossSection)

omGenericCrossSection::omGenericCrossSection(const omUnitValue& area, const omUnitValue& Iy, unsigned id)
    : omCrossSection(id) {
    for (int p = 0; p < propertyCount; ++p)
        m_values[p] = omUnitValue(0.0, unitKey(Property(p)));
    m_values[pA] = area;
    m_values[pIy] = Iy;
}

omGenericCrossSection::omGenericCrossSection(const omGenericCrossSection& other)
    : omCrossSection(other), m_values(other.m_values) {}

omGenericCrossSection& omGenericCrossSection::operator=(const omGenericCrossSection& other) {
    copy(other);
    return *this;
}

omGenericCrossSection::~omGenericCrossSection() = default;

void omGenericCrossSection::copy(const omGenericCrossSection& other) {
    omCrossSection::copy(other);
    m_values = other.m_values;
}

omUnitKey omGenericCrossSection::unitKey(Property p) {
    switch (p) {
    case pA:
    case pVy:
    case pVz:
        return omUK_cm2;
    case pSy:
    case pSz:
    case pWy:
    case pWz:
    case pZy:
    case pZz:
        return omUK_cm3;
    case pIx:
    case pIy:
    case pIz:
    case pIyz:
        return omUK_cm4;
    default:
        return omUK_cm;
    }
}

omGenericCrossSection* omGenericCrossSection::clone() const {
    return new omGenericCrossSection(*this);
}
