#include "model/omElementSupport.h"

#include "model/omGenericDesignData.h"
#include "platform/core/CArchive.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr std::int32_t kVersion = 1;
} // namespace

omElementSupport::omElementSupport() : m_positions{0.0, 1.0}, m_K{1.0} {}

omElementSupport::~omElementSupport() = default;

void omElementSupport::set(const std::vector<double>& positions, const std::vector<double>& K) {
    m_positions = positions;
    m_K = K;
}

void omElementSupport::clear() {
    m_positions = {0.0, 1.0};
    m_K = {1.0};
}

double omElementSupport::maxBuckLength(double length, int first, int last) const {
    if (m_fullSupport) return 0.0;
    if (first < 0) first = 0;
    if (last == -1) last = fieldSize() - 1;
    // Lists read from a file need not agree in length; a field without a K has
    // no buckling length.
    last = std::min({last, fieldSize() - 1, static_cast<int>(m_K.size()) - 1});
    double largest = 0.0;
    for (int i = first; i <= last; ++i)
        largest = std::max(largest, m_K[i] * fieldLength(i));
    return largest * length;
}

std::pair<int, int> omElementSupport::getFieldsInRange(double x1, double x2) const {
    if (m_fullSupport) return {-1, -1};
    int first = -1;
    for (int i = 0; i < fieldSize(); ++i) {
        if (first == -1 && fieldStart(i) <= x1 && fieldEnd(i) > x1) first = i;
        if (fieldStart(i) < x2 && fieldEnd(i) >= x2) return {first, i};
    }
    return {first, -1};
}

void omElementSupport::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion;
        SerializeDoubles(ar, m_positions);
        SerializeDoubles(ar, m_K);
        ar << m_fullSupport;
        return;
    }
    std::int32_t version = 0;
    ar >> version;
    SerializeDoubles(ar, m_positions);
    SerializeDoubles(ar, m_K);
    ar >> m_fullSupport;
}
