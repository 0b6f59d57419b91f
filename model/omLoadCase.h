#pragma once
// A load case: a linear combination of the load groups (one factor per group,
// element k for group k) with a limit state. It also collects the largest
// absolute forces, displacements and contact pressure of its results.
#include "common/omUnitValue.h"
#include "model/omDofVector.h"
#include "rezavud/omVector.h"

#include <string>

class omLoadCase : public omVector {
    DECLARE_STORAGE_INTERFACE()
    // The structure file's serialiser reads and writes the stored fields directly.
    friend class ASILoadCase;

public:
    enum LimitState : int {
        lsUltimate = 0,
        lsServiceability = 1,
        // The creep case: the only one that keeps its creep coefficient.
        lsCreep = 2,
        // The initial sway imperfection: not solved, its factors are all zero.
        lsSkew = 3,
        lsUltimateAccidental = 4,
        lsUltimatePT = 5,
        lsUltimateSeismic = 6,
    };

    // "Empty", limit state 0, no factors. The layout is not owned.
    explicit omLoadCase(const omDofStructureType* type);
    omLoadCase(const std::string& name, LimitState state, const omDofStructureType* type);
    omLoadCase(const omLoadCase& other) = default;
    omLoadCase& operator=(const omLoadCase& other);
    ~omLoadCase() override;

    int copy(const omLoadCase& other);
    virtual omLoadCase* clone() const { return new omLoadCase(*this); }

    const std::string& name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    LimitState limitState() const { return m_limitState; }
    // Any state but creep drops the creep coefficient; the sway imperfection
    // sets every factor to 0.0.
    void setLimitState(LimitState state);
    bool isUltimate() const;
    bool isServiceability() const { return m_limitState == lsServiceability; }
    // "[S] Wind": the limit state's prefix, a blank and the name.
    std::string getLSAndName() const;

    double getFiCreep() const { return m_fiCreep; }
    void setFiCreep(double fi) { m_fiCreep = fi; }
    void setSkew(double rx, double rz, const omUnitValue& cx, const omUnitValue& cz);
    void getSkew(double& rx, double& rz, omUnitValue& cx, omUnitValue& cz) const;

    // The maxima are a record of the stored results rather than part of the
    // case's definition: results that only hold a const case update them.
    void resetMaximum() const;
    void checkMaximum(const omForceVector& F, const omDisplacementVector& U, double p) const;
    const omForceVector& getMaxAbsF() const { return m_maxF; }
    const omDisplacementVector& getMaxAbsU() const { return m_maxU; }
    double getMaxAbsCP() const { return m_maxCP; }

private:
    std::string m_name = "Empty";
    LimitState m_limitState = lsUltimate;
    mutable omForceVector m_maxF;
    mutable omDisplacementVector m_maxU;
    mutable double m_maxCP = 0.0;
    double m_fiCreep = 0.0;
    double m_skewRx = 0.0;
    double m_skewRz = 0.0;
    omUnitValue m_skewCx{omUK_cm};
    omUnitValue m_skewCz{omUK_cm};
};
