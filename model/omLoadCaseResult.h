#pragma once
// The results of a member at its result points: omPointResult is one point
// (internal forces, displacements, ground pressure), omLoadCaseResult the points
// of one load case, or one side (maximum or minimum) of an envelope.
#include "model/omDofVector.h"

#include <vector>

class omEnvelope;
class omLoadCase;

class omPointResult {
public:
    // Zero forces and displacements of the layout, no pressure.
    explicit omPointResult(const omDofStructureType* type) : F(type), U(type) {}
    omPointResult(const omPointResult& other) = default;
    omPointResult& operator=(const omPointResult& other) = default;
    virtual ~omPointResult();

    omForceVector F;
    omDisplacementVector U;
    // Elastic-ground contact pressure.
    double pressure = 0.0;
};

class omLoadCaseResult : public std::vector<omPointResult> {
public:
    omLoadCaseResult() = default;
    // Neither pointer is owned; the envelope is null for load-case results.
    omLoadCaseResult(const omLoadCase* lc, const omEnvelope* envelope) : m_case(lc), m_envelope(envelope) {}
    omLoadCaseResult(const omLoadCaseResult& other) = default;
    omLoadCaseResult& operator=(const omLoadCaseResult& other) = default;
    virtual ~omLoadCaseResult();

    const omLoadCase* getLoadCase() const { return m_case; }
    void setLoadCase(const omLoadCase* lc) { m_case = lc; }
    const omEnvelope* getEnvelope() const { return m_envelope; }
    void setEnvelope(const omEnvelope* envelope) { m_envelope = envelope; }

    // One value per point (v(k) for point k - 1): the pressure when pressure is
    // set, else F(t) when force is set, else U(t).
    void getVector(omVector& v, omDofType t, bool force, bool pressure) const;
    // Forwarded to the load case, when there is one.
    void checkMaximum(const omForceVector& F, const omDisplacementVector& U, double p) const;

private:
    const omLoadCase* m_case = nullptr;
    const omEnvelope* m_envelope = nullptr;
};
