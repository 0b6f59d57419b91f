#pragma once
// An envelope follows the extreme values of one result quantity over a set of
// load cases: the cases of the kinds its filters admit, joined automatically
// when use-all-cases is on. Case numbers are 1-based positions in the load manager.
#include "common/AStorageBase.h"
#include "model/omDofVector.h"

#include <string>
#include <vector>

class omLoadCase;

class omEnvelope : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
    // The structure file's serialiser reads and writes the stored fields directly.
    friend class ASIEnvelope;

public:
    enum Quantity : int { qMy = 0, qFx = 1, qFz = 2, qFi = 3, qUx = 4, qUz = 5, qCP = 6 };

    // Ultimate cases only, joined automatically; maxima over the plane frame.
    omEnvelope();
    omEnvelope(const omEnvelope& other) = default;
    omEnvelope& operator=(const omEnvelope& other) = default;
    ~omEnvelope() override;

    void copy(const omEnvelope& other) { *this = other; }
    virtual omEnvelope* clone() const { return new omEnvelope(*this); }

    const std::string& name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    Quantity getQuantity() const { return m_quantity; }
    void setQuantity(Quantity q) { m_quantity = q; }
    // "My", "Fx", "Fz", "Fi", "Ux", "Uz", "C.P."; empty for any other value.
    const char* getQuantityString() const;

    void setFilter(bool serviceability, bool ultimate, bool creep);
    void getFilter(bool& serviceability, bool& ultimate, bool& creep) const;
    void useAllCases(bool on) { m_useAllCases = on; }
    bool useAllCases() const { return m_useAllCases; }
    const std::vector<unsigned>& getLoadCases() const { return m_cases; }

    // Keeps the list consistent for case k: with lc null the case is gone and
    // the later numbers close the gap; otherwise a case that does not qualify
    // leaves, and a qualifying absent one joins when use-all-cases is on.
    void update(unsigned k, const omLoadCase* lc);
    // Joins case k when it qualifies, whatever use-all-cases says.
    void add(unsigned k, const omLoadCase* lc);
    void remove(unsigned k) { update(k, nullptr); }
    // Takes case k out of the list while the case itself stays: the other numbers are kept.
    void exclude(unsigned k);

    // The maxima are a record of the results, updated through const envelopes.
    void resetMaximum() const;
    void checkMaximum(const omForceVector& F, const omDisplacementVector& U, double p) const;
    const omForceVector& getMaxAbsF() const { return m_maxF; }
    const omDisplacementVector& getMaxAbsU() const { return m_maxU; }
    double getMaxAbsCP() const { return m_maxCP; }

private:
    bool qualifies(const omLoadCase& lc) const;

    bool m_ultimate = true;
    bool m_creep = false;
    bool m_serviceability = false;
    bool m_useAllCases = true;
    std::vector<unsigned> m_cases;
    Quantity m_quantity = qMy;
    mutable omForceVector m_maxF;
    mutable omDisplacementVector m_maxU;
    mutable double m_maxCP = 0.0;
    std::string m_name;
};
