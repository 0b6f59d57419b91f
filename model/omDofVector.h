#pragma once
// Vectors that hold one value per DOF of a layout, element k (1-based) for the
// DOF type at local position k. omForceVector and omDisplacementVector differ
// only in the names of their accessors.
#include "model/omDofStructureType.h"
#include "rezavud/omVector.h"

#include <iosfwd>

class omDofVector : public omVector {
public:
    // The layout is not owned (layouts are singletons). A null layout gives an
    // empty vector.
    explicit omDofVector(const omDofStructureType* type);
    omDofVector(const omDofVector& other);
    omDofVector(omDofVector&& other) noexcept;
    ~omDofVector() override;

    // Stores the layout and sizes the vector to its DOF count.
    void setType(const omDofStructureType* type);
    int copy(const omDofVector& other);
    const omDofVector& operator=(const omDofVector& other);
    omDofVector& operator=(omDofVector&& other) noexcept;

    // The value of one DOF type. A type the layout lacks is reported (1002) and
    // the first element stands in.
    double& getDof(omDofType t);
    double getDof(omDofType t) const;
    bool exist(omDofType t) const;
    const omDofStructureType* type() const { return m_type; }

    // Zeroes this vector, then takes every DOF type of this layout that the
    // source's layout has; returns the number of types taken.
    int transfer(const omDofVector& source);

private:
    // The position of t, or -1 after reporting a type that the vector cannot hold.
    int position(omDofType t) const;

    const omDofStructureType* m_type = nullptr;
};

// "{ 3: Ux=1 Uz=2 Ry=3 }" in the stream's current number format.
std::ostream& operator<<(std::ostream& os, const omDofVector& v);

// For every DOF of the maxima's layout that the values' layout has too: the
// absolute value replaces the maximum when it is larger.
void omKeepAbsMaximum(omDofVector& maxima, const omDofVector& values);

class omForceVector : public omDofVector {
public:
    explicit omForceVector(const omDofStructureType* type) : omDofVector(type) {}
    explicit omForceVector(const omDofStructureType& type) : omDofVector(&type) {}
    omForceVector(const omForceVector& other) = default;
    omForceVector(omForceVector&& other) noexcept = default;
    explicit omForceVector(const omDofVector& other) : omDofVector(other) {}
    ~omForceVector() override;

    int copy(const omDofVector& other) { return omDofVector::copy(other); }
    omForceVector& operator=(const omDofVector& other) {
        omDofVector::operator=(other);
        return *this;
    }
    omForceVector& operator=(const omForceVector& other) {
        omDofVector::operator=(other);
        return *this;
    }
    omForceVector& operator=(omForceVector&& other) noexcept = default;

    double& Fx() { return getDof(Ux); }
    double Fx() const { return getDof(Ux); }
    double& Fy() { return getDof(Uy); }
    double Fy() const { return getDof(Uy); }
    double& Fz() { return getDof(Uz); }
    double Fz() const { return getDof(Uz); }
    double& Mx() { return getDof(Rx); }
    double Mx() const { return getDof(Rx); }
    double& My() { return getDof(Ry); }
    double My() const { return getDof(Ry); }
    double& Mz() { return getDof(Rz); }
    double Mz() const { return getDof(Rz); }
};

class omDisplacementVector : public omDofVector {
public:
    explicit omDisplacementVector(const omDofStructureType* type) : omDofVector(type) {}
    explicit omDisplacementVector(const omDofStructureType& type) : omDofVector(&type) {}
    omDisplacementVector(const omDisplacementVector& other) = default;
    omDisplacementVector(omDisplacementVector&& other) noexcept = default;
    explicit omDisplacementVector(const omDofVector& other) : omDofVector(other) {}
    ~omDisplacementVector() override;

    int copy(const omDofVector& other) { return omDofVector::copy(other); }
    omDisplacementVector& operator=(const omDofVector& other) {
        omDofVector::operator=(other);
        return *this;
    }
    omDisplacementVector& operator=(const omDisplacementVector& other) {
        omDofVector::operator=(other);
        return *this;
    }
    omDisplacementVector& operator=(omDisplacementVector&& other) noexcept = default;

    double& ux() { return getDof(Ux); }
    double ux() const { return getDof(Ux); }
    double& uy() { return getDof(Uy); }
    double uy() const { return getDof(Uy); }
    double& uz() { return getDof(Uz); }
    double uz() const { return getDof(Uz); }
    double& fix() { return getDof(Rx); }
    double fix() const { return getDof(Rx); }
    double& fiy() { return getDof(Ry); }
    double fiy() const { return getDof(Ry); }
    double& fiz() { return getDof(Rz); }
    double fiz() const { return getDof(Rz); }
};
