#pragma once
// All results of one member: omElementResult holds one omLoadCaseResult per
// load case together with the result positions (fractions of the member length,
// ascending from 0 to 1), omElementEnvelope the maximum and minimum lists of
// each envelope. Load-case and envelope numbers are 1-based, point indexes
// 0-based.
#include "common/AStorageBase.h"
#include "model/omLoadCaseResult.h"

#include <vector>

class omDesignElement;
class omLoadManager;

class omElementResult : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
    // The structure file's serialiser reads and writes the stored fields directly.
    friend class ASIElementResult;

public:
    // The member is not owned.
    explicit omElementResult(const omDesignElement* element = nullptr) : m_element(element) {}
    // Copies clone the load-case results: each list has one owner.
    omElementResult(const omElementResult& other);
    omElementResult& operator=(const omElementResult& other);
    ~omElementResult() override;

    // Deletes the load-case results; the result positions stay.
    void clear();
    bool empty() const { return m_results.empty(); }
    const omDesignElement* getElement() const { return m_element; }
    int caseSize() const { return static_cast<int>(m_results.size()); }

    // Takes the list over as the result of the next load case.
    void addLCResult(omLoadCaseResult* result);
    // The result of load case lc; a bad number is reported and an empty list stands in.
    const omLoadCaseResult& getLCResult(unsigned lc) const;
    omLoadCaseResult& getLCResult(unsigned lc);
    const std::vector<double>& getPoints() const { return m_points; }
    std::vector<double>& getPoints() { return m_points; }

    void getVector(omVector& v, unsigned lc, omDofType t, bool force, bool pressure) const;
    // One result per load case of the manager, each belonging to its case and
    // holding at least one point.
    bool areResultsValid(const omLoadManager* manager) const;

    // The displacement at point i; relative: less the chord through the
    // displaced member ends.
    omDisplacementVector getDisplacement(unsigned lc, unsigned i, bool relative) const;
    // Component t of the internal force at x, interpolated between the result
    // points that enclose it.
    double getForceAt(int lc, double x, omDofType t) const;
    // The points of the extremes of one quantity, sorted ascending; each returns
    // the number of points found. The force and pressure searches always give
    // both ends; the displacement search gives interior extremes only.
    unsigned getExtremeFPoints(std::vector<unsigned>& out, omDofType t, unsigned lc) const;
    unsigned getExtremeUPoints(std::vector<unsigned>& out, omDofType t, unsigned lc, bool relative) const;
    unsigned getExtremePressure(std::vector<unsigned>& out, unsigned lc) const;

private:
    void deleteResults();
    const omLoadCaseResult* findLCResult(unsigned lc) const;

    const omDesignElement* m_element;
    std::vector<omLoadCaseResult*> m_results;
    std::vector<double> m_points;
};

class omElementEnvelope : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    omElementEnvelope() = default;
    // Copies clone the lists: each list has one owner.
    omElementEnvelope(const omElementEnvelope& other);
    omElementEnvelope& operator=(const omElementEnvelope& other);
    ~omElementEnvelope() override;

    // Deletes every maximum and minimum list.
    void clear();
    bool empty() const { return m_max.empty() || m_min.empty(); }
    int envelopeSize() const { return static_cast<int>(m_max.size()); }

    // Takes both lists over as those of the next envelope.
    void addResults(omLoadCaseResult* maximum, omLoadCaseResult* minimum);
    // A bad number is reported and an empty list stands in.
    const omLoadCaseResult& getMaxResult(unsigned i) const;
    const omLoadCaseResult& getMinResult(unsigned i) const;
    omLoadCaseResult& getMaxResult(unsigned i);
    omLoadCaseResult& getMinResult(unsigned i);
    void getMaxVector(omVector& v, unsigned i, omDofType t, bool force, bool pressure) const;
    void getMinVector(omVector& v, unsigned i, omDofType t, bool force, bool pressure) const;
    // Both lists hold one result per envelope of the manager, each belonging to
    // its envelope and holding at least one point.
    bool areResultsValid(const omLoadManager* manager) const;

private:
    static const omLoadCaseResult& pick(const std::vector<omLoadCaseResult*>& list, unsigned i);
    static omLoadCaseResult& pick(std::vector<omLoadCaseResult*>& list, unsigned i);

    std::vector<omLoadCaseResult*> m_max;
    std::vector<omLoadCaseResult*> m_min;
};
