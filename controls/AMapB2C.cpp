#include "controls/AMapB2C.h"

#include "common/omMath.h"

#include <cmath>

AMapB2C::~AMapB2C() = default;

bool AMapB2C::SetMap(double length, double minLength, bool log, bool minEffect) {
    m_length = length;
    m_minLength = minLength;
    m_log = log;
    m_minEffect = minEffect;
    return SetMap();
}

bool AMapB2C::SetMap() {
    if (m_length == 0.0 || m_maxBU == 0.0) return false;
    m_factor = m_log ? m_length / std::log(m_maxBU + 1.0) : m_length / m_maxBU;
    return true;
}

void AMapB2C::CheckMaxBU(double value) {
    if (std::fabs(value) > m_maxBU) m_maxBU = std::fabs(value);
}

double AMapB2C::CU(double value) const {
    double length = m_log ? sgn(value) * std::log(std::fabs(value) + 1.0) * m_factor : value * m_factor;
    // Short lengths are raised by magnitude, so a negative value stays negative.
    if (m_minEffect && length != 0.0 && std::fabs(length) < m_minLength) length = sgn(length) * m_minLength;
    return length;
}

double AMapB2C::BU(double length) const {
    if (m_log) return sgn(length) * (std::exp(std::fabs(length) / m_factor) - 1.0);
    return length / m_factor;
}
