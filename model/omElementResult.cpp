#include "model/omElementResult.h"

#include "common/omMath.h"
#include "model/omIndexCheck.h"
#include "model/omLoadManager.h"

#include <algorithm>

namespace {
const omLoadCaseResult& noResult() {
    static const omLoadCaseResult s_none;
    return s_none;
}

std::vector<omLoadCaseResult*> cloneAll(const std::vector<omLoadCaseResult*>& list) {
    std::vector<omLoadCaseResult*> copies;
    copies.reserve(list.size());
    for (const omLoadCaseResult* r : list)
        copies.push_back(new omLoadCaseResult(*r));
    return copies;
}

void deleteAll(std::vector<omLoadCaseResult*>& list) {
    for (omLoadCaseResult* r : list)
        delete r;
    list.clear();
}

// Both ends, then the interior minimum and maximum where they beat the ends.
unsigned endsAndInteriorExtremes(const std::vector<double>& v, std::vector<unsigned>& out) {
    out.clear();
    const size_t n = v.size();
    if (n == 0) return 0;
    out.push_back(0);
    if (n == 1) return 1;
    out.push_back(static_cast<unsigned>(n - 1));
    double maximum = std::max(v.front(), v.back()), minimum = std::min(v.front(), v.back());
    unsigned iMax = 0, iMin = 0;
    for (size_t k = 1; k + 1 < n; ++k) {
        if (v[k] > maximum) {
            maximum = v[k];
            iMax = static_cast<unsigned>(k);
        }
        if (v[k] < minimum) {
            minimum = v[k];
            iMin = static_cast<unsigned>(k);
        }
    }
    if (iMin != 0) out.push_back(iMin);
    if (iMax != 0) out.push_back(iMax);
    std::sort(out.begin(), out.end());
    return static_cast<unsigned>(out.size());
}
} // namespace

// --- omElementResult

omElementResult::omElementResult(const omElementResult& other)
    : AStorageBase(other), m_element(other.m_element), m_results(cloneAll(other.m_results)),
      m_points(other.m_points) {}

omElementResult& omElementResult::operator=(const omElementResult& other) {
    if (&other == this) return *this;
    deleteResults();
    m_element = other.m_element;
    m_results = cloneAll(other.m_results);
    m_points = other.m_points;
    return *this;
}

omElementResult::~omElementResult() {
    deleteResults();
}

void omElementResult::deleteResults() {
    deleteAll(m_results);
}

void omElementResult::clear() {
    deleteResults();
}

void omElementResult::addLCResult(omLoadCaseResult* result) {
    if (result) m_results.push_back(result);
}

const omLoadCaseResult* omElementResult::findLCResult(unsigned lc) const {
    if (!omCheckIndex("Load case", lc, 1, caseSize())) return nullptr;
    return m_results[lc - 1];
}

const omLoadCaseResult& omElementResult::getLCResult(unsigned lc) const {
    const omLoadCaseResult* r = findLCResult(lc);
    return r ? *r : noResult();
}

omLoadCaseResult& omElementResult::getLCResult(unsigned lc) {
    const omLoadCaseResult* r = findLCResult(lc);
    return r ? *m_results[lc - 1] : omScratch<omLoadCaseResult>();
}

void omElementResult::getVector(omVector& v, unsigned lc, omDofType t, bool force, bool pressure) const {
    getLCResult(lc).getVector(v, t, force, pressure);
}

bool omElementResult::areResultsValid(const omLoadManager* manager) const {
    if (!manager || caseSize() != manager->caseSize()) return false;
    for (int i = 1; i <= caseSize(); ++i) {
        const omLoadCaseResult* r = m_results[i - 1];
        if (r->getLoadCase() != manager->getCase(i) || r->empty()) return false;
    }
    return true;
}

omDisplacementVector omElementResult::getDisplacement(unsigned lc, unsigned i, bool relative) const {
    const omLoadCaseResult* r = findLCResult(lc);
    if (!r || r->empty()) return omDisplacementVector(static_cast<const omDofStructureType*>(nullptr));
    const long long n = static_cast<long long>(std::min(r->size(), m_points.size()));
    if (!omCheckIndex("Result point", i, 0, n - 1)) return omDisplacementVector(r->front().U.type());
    omDisplacementVector u((*r)[i].U);
    if (relative) {
        const omDisplacementVector& first = r->front().U;
        omVector chord((*r)[r->size() - 1].U);
        chord.subtract(first);
        chord.multiplyBy(m_points[i]);
        chord.add(first);
        u.subtract(chord);
    }
    return u;
}

double omElementResult::getForceAt(int lc, double x, omDofType t) const {
    const omLoadCaseResult* r = findLCResult(lc >= 1 ? static_cast<unsigned>(lc) : 0u);
    if (!r) return 0.0;
    const size_t n = std::min(r->size(), m_points.size());
    if (n == 0) return 0.0;
    const auto end = m_points.begin() + static_cast<std::ptrdiff_t>(n);
    const auto it = std::lower_bound(m_points.begin(), end, x);
    if (it == end) return (*r)[n - 1].F.getDof(t);
    size_t i = static_cast<size_t>(it - m_points.begin());
    if (x == m_points[i] || n == 1) return (*r)[i].F.getDof(t);
    // Below the first position the first two points are extended.
    if (i == 0) i = 1;
    return interpolate(m_points[i - 1], (*r)[i - 1].F.getDof(t), m_points[i], (*r)[i].F.getDof(t), x);
}

unsigned omElementResult::getExtremeFPoints(std::vector<unsigned>& out, omDofType t, unsigned lc) const {
    out.clear();
    const omLoadCaseResult* r = findLCResult(lc);
    if (!r) return 0;
    std::vector<double> values;
    for (const omPointResult& p : *r)
        values.push_back(p.F.getDof(t));
    return endsAndInteriorExtremes(values, out);
}

unsigned omElementResult::getExtremePressure(std::vector<unsigned>& out, unsigned lc) const {
    out.clear();
    const omLoadCaseResult* r = findLCResult(lc);
    if (!r) return 0;
    std::vector<double> values;
    for (const omPointResult& p : *r)
        values.push_back(p.pressure);
    return endsAndInteriorExtremes(values, out);
}

unsigned omElementResult::getExtremeUPoints(std::vector<unsigned>& out, omDofType t, unsigned lc,
                                            bool relative) const {
    out.clear();
    const omLoadCaseResult* r = findLCResult(lc);
    if (!r || r->empty()) return 0;
    const size_t n = std::min(r->size(), m_points.size());
    if (n == 0) return 0;
    // Component t of getDisplacement(lc, k, relative), without building two
    // vectors per point.
    const double first = relative ? r->front().U.getDof(t) : 0.0;
    const double last = relative ? r->back().U.getDof(t) : 0.0;
    std::vector<double> values;
    values.reserve(n);
    for (size_t k = 0; k < n; ++k) {
        double u = (*r)[k].U.getDof(t);
        if (relative) u -= (last - first) * m_points[k] + first;
        values.push_back(u);
    }
    double maximum = relative ? -1e20 : std::max(values.front(), values.back());
    double minimum = relative ? 1e20 : std::min(values.front(), values.back());
    size_t iMax = 0, iMin = 0;
    for (size_t k = 0; k < n; ++k) {
        if (values[k] > maximum) {
            maximum = values[k];
            iMax = k;
        }
        if (values[k] < minimum) {
            minimum = values[k];
            iMin = k;
        }
    }
    // The ends are the nodes' displacements, shown there already.
    if (iMin > 0 && iMin + 1 < n) out.push_back(static_cast<unsigned>(iMin));
    if (iMax > 0 && iMax + 1 < n) out.push_back(static_cast<unsigned>(iMax));
    std::sort(out.begin(), out.end());
    return static_cast<unsigned>(out.size());
}

// --- omElementEnvelope

omElementEnvelope::omElementEnvelope(const omElementEnvelope& other)
    : AStorageBase(other), m_max(cloneAll(other.m_max)), m_min(cloneAll(other.m_min)) {}

omElementEnvelope& omElementEnvelope::operator=(const omElementEnvelope& other) {
    if (&other == this) return *this;
    clear();
    m_max = cloneAll(other.m_max);
    m_min = cloneAll(other.m_min);
    return *this;
}

omElementEnvelope::~omElementEnvelope() {
    clear();
}

void omElementEnvelope::clear() {
    deleteAll(m_max);
    deleteAll(m_min);
}

void omElementEnvelope::addResults(omLoadCaseResult* maximum, omLoadCaseResult* minimum) {
    // The two lists stay parallel: an envelope has both sides or none.
    if (!maximum || !minimum) {
        delete maximum;
        delete minimum;
        return;
    }
    m_max.push_back(maximum);
    m_min.push_back(minimum);
}

const omLoadCaseResult& omElementEnvelope::pick(const std::vector<omLoadCaseResult*>& list, unsigned i) {
    if (!omCheckIndex("Envelope", i, 1, static_cast<long long>(list.size()))) return noResult();
    return *list[i - 1];
}

const omLoadCaseResult& omElementEnvelope::getMaxResult(unsigned i) const {
    return pick(m_max, i);
}
const omLoadCaseResult& omElementEnvelope::getMinResult(unsigned i) const {
    return pick(m_min, i);
}

omLoadCaseResult& omElementEnvelope::pick(std::vector<omLoadCaseResult*>& list, unsigned i) {
    if (omCheckIndex("Envelope", i, 1, static_cast<long long>(list.size()))) return *list[i - 1];
    return omScratch<omLoadCaseResult>();
}

omLoadCaseResult& omElementEnvelope::getMaxResult(unsigned i) {
    return pick(m_max, i);
}
omLoadCaseResult& omElementEnvelope::getMinResult(unsigned i) {
    return pick(m_min, i);
}

void omElementEnvelope::getMaxVector(omVector& v, unsigned i, omDofType t, bool force, bool pressure) const {
    getMaxResult(i).getVector(v, t, force, pressure);
}

void omElementEnvelope::getMinVector(omVector& v, unsigned i, omDofType t, bool force, bool pressure) const {
    getMinResult(i).getVector(v, t, force, pressure);
}

bool omElementEnvelope::areResultsValid(const omLoadManager* manager) const {
    if (!manager) return false;
    const size_t n = static_cast<size_t>(manager->envelopeSize());
    if (m_max.size() != n || m_min.size() != n) return false;
    for (unsigned i = 1; i <= n; ++i) {
        const omEnvelope* e = manager->getEnvelope(i);
        const omLoadCaseResult* maximum = m_max[i - 1];
        const omLoadCaseResult* minimum = m_min[i - 1];
        if (maximum->getEnvelope() != e || minimum->getEnvelope() != e || maximum->empty() ||
            minimum->empty())
            return false;
    }
    return true;
}
