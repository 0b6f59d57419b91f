#include "model/omDofVector.h"

#include "common/omErrorContainer.h"
#include "model/omIndexCheck.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <utility>

omDofVector::omDofVector(const omDofStructureType* type) {
    setType(type);
}

omDofVector::omDofVector(const omDofVector& other) : omVector() {
    copy(other);
}

omDofVector::omDofVector(omDofVector&& other) noexcept : omVector(std::move(other)), m_type(other.m_type) {}

omDofVector::~omDofVector() = default;

void omDofVector::setType(const omDofStructureType* type) {
    m_type = type;
    resize(type ? type->dofSize() : 0);
}

int omDofVector::copy(const omDofVector& other) {
    setType(other.m_type);
    return omVector::copy(other);
}

const omDofVector& omDofVector::operator=(const omDofVector& other) {
    setType(other.m_type);
    omVector::operator=(other);
    return *this;
}

omDofVector& omDofVector::operator=(omDofVector&& other) noexcept {
    m_type = other.m_type;
    omVector::operator=(std::move(other));
    return *this;
}

int omDofVector::position(omDofType t) const {
    int k = m_type ? m_type->dofIndex(t) : 0;
    if (k == 0) {
        omErrorContainer::instance()->report(1002, omDofStructureType::name(t));
        k = 1;
    }
    // A vector resized behind the layout's back may be shorter than the layout.
    return omCheckIndex("Degree of freedom", k, 1, size()) ? k : -1;
}

double& omDofVector::getDof(omDofType t) {
    int k = position(t);
    // Nothing to stand in: writes go to a scratch value that nothing reads.
    return k > 0 ? (*this)(k) : omScratch<double>();
}

double omDofVector::getDof(omDofType t) const {
    int k = position(t);
    return k > 0 ? (*this)(k) : 0.0;
}

bool omDofVector::exist(omDofType t) const {
    return m_type && m_type->dofIndex(t) != 0;
}

int omDofVector::transfer(const omDofVector& source) {
    setAllTo(0.0);
    if (!m_type || !source.m_type) return 0;
    int copied = 0;
    const int n = std::min(size(), m_type->dofSize());
    for (int k = 1; k <= n; ++k) {
        omDofType t = m_type->dofTypeArray()[k - 1];
        int from = source.m_type->dofIndex(t);
        if (from > 0 && from <= source.size()) {
            (*this)(k) = source(from);
            ++copied;
        }
    }
    return copied;
}

std::ostream& operator<<(std::ostream& os, const omDofVector& v) {
    os << "{ " << v.size() << ": ";
    const omDofStructureType* type = v.type();
    for (int k = 1; k <= v.size(); ++k) {
        omDofType t = type && k <= type->dofSize() ? type->dofTypeArray()[k - 1] : InternalDof;
        os << omDofStructureType::name(t) << "=" << v(k) << " ";
    }
    return os << "}";
}

void omKeepAbsMaximum(omDofVector& maxima, const omDofVector& values) {
    const omDofStructureType* type = maxima.type();
    const int n = type ? std::min(type->dofSize(), maxima.size()) : 0;
    if (values.type() == type && values.size() >= n) {
        // One layout: component k is slot k in both.
        for (int k = 1; k <= n; ++k) {
            const double v = std::fabs(values(k));
            if (v > maxima(k)) maxima(k) = v;
        }
        return;
    }
    for (int k = 1; k <= n; ++k) {
        const omDofType t = type->dofTypeArray()[k - 1];
        if (!values.exist(t)) continue;
        const double v = std::fabs(values.getDof(t));
        if (v > maxima(k)) maxima(k) = v;
    }
}

omForceVector::~omForceVector() = default;
omDisplacementVector::~omDisplacementVector() = default;
