#include "model/omLoadCaseResult.h"

#include "model/omLoadCase.h"

omPointResult::~omPointResult() = default;

omLoadCaseResult::~omLoadCaseResult() = default;

void omLoadCaseResult::getVector(omVector& v, omDofType t, bool force, bool pressure) const {
    v.resize(static_cast<int>(size()));
    for (int k = 1; k <= v.size(); ++k) {
        const omPointResult& point = (*this)[k - 1];
        v(k) = pressure ? point.pressure : force ? point.F.getDof(t) : point.U.getDof(t);
    }
}

void omLoadCaseResult::checkMaximum(const omForceVector& F, const omDisplacementVector& U, double p) const {
    if (m_case) m_case->checkMaximum(F, U, p);
}
