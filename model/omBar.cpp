#include "model/omBar.h"

#include "model/omGenericDesignData.h"
#include "model/omStringMatrix.h"
#include "platform/core/CArchive.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <system_error>

namespace {

constexpr std::int32_t kVersion = 1;
constexpr double kQuarterPi = 0.7853981633974483;

// The smallest records: a bar with an empty unit name, and a stirrup made of
// such a bar and a spacing with an empty unit name.
constexpr std::size_t kMinBarRecord = 4 + 4 + (8 + 1) + 8 + 8;
constexpr std::size_t kMinStirrupRecord = 4 + kMinBarRecord + (8 + 1);

[[noreturn]] void throwSubscript() {
    throw std::out_of_range("invalid vector<T> subscript");
}

// A spacing of 0 or less would give an infinite number of stirrups.
bool hasUsableSpacing(const omStirrup& stirrup) {
    return stirrup.getE().Get(omUK_cm) > 0.0;
}

// Table cells are read as formatted number input would read them, whatever the
// user's locale: leading white space is skipped and reading stops at the first
// character that does not belong to the number ("12.7" as an integer is 12,
// "2 bars" is 2). A cell that does not begin with a number gives 0.
const char* numberStart(const std::string& text) {
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r')
        ++p;
    // from_chars takes a minus sign but no plus sign.
    if (*p == '+' && p[1] != '-' && p[1] != '+') ++p;
    return p;
}

long long readInteger(const std::string& text) {
    const char* first = numberStart(text);
    long long value = 0;
    // Whatever follows the number is no part of it: only whether one was read counts.
    const std::errc ec = std::from_chars(first, text.c_str() + text.size(), value).ec;
    return ec == std::errc() ? value : 0;
}

double readDouble(const std::string& text) {
    const char* first = numberStart(text);
    double value = 0.0;
    const std::errc ec = std::from_chars(first, text.c_str() + text.size(), value, std::chars_format::general).ec;
    return ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

// A count of bars below 0, or beyond what the count can hold, is no count.
unsigned readCount(const std::string& text) {
    const long long n = readInteger(text);
    return n < 0 || n > std::numeric_limits<unsigned>::max() ? 0u : static_cast<unsigned>(n);
}

int readDiameter(const std::string& text) {
    const long long n = readInteger(text);
    return n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max() ? 0
                                                                                      : static_cast<int>(n);
}

// Doubles as a stream writes them by default: 6 significant digits, trailing
// zeros dropped, exponent notation for very small or large values.
std::string formatDouble(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

// The ranges that none of the covered ranges covers. Each covered range cuts
// every uncovered range it overlaps, ranges split off at the end included.
// A covered range that is empty or reversed covers nothing and is passed over:
// cutting with it would split off the same range again and again.
omUncoveredRanges getUncoveredRanges(const std::vector<std::pair<double, double>>& covered) {
    omUncoveredRanges uncovered{{0.0, 1.0}};
    for (const auto& [S, T] : covered) {
        if (!(S < T)) continue;
        for (auto it = uncovered.begin(); it != uncovered.end();) {
            auto& [U1, U2] = *it;
            if (S >= U1 && T <= U2) {
                const double end = U2;
                U2 = S;
                if (T < end) uncovered.emplace_back(T, end);
            } else if (U1 < S && S <= U2) {
                U2 = S;
            } else if (S <= U1 && U1 <= T && T < U2) {
                U1 = T;
            } else if (S <= U1 && T >= U2) {
                it = uncovered.erase(it);
                continue;
            }
            if (U1 == U2)
                it = uncovered.erase(it);
            else
                ++it;
        }
    }
    return uncovered;
}

bool reportCoverage(const std::vector<std::pair<double, double>>& covered, omUncoveredRanges* uncovered) {
    omUncoveredRanges left = getUncoveredRanges(covered);
    const bool complete = left.empty();
    if (uncovered) *uncovered = std::move(left);
    return complete;
}

template <class Entry> void appendRanges(const Entry& entry, std::vector<std::pair<double, double>>& ranges) {
    ranges.emplace_back(entry.getXS(), entry.getXE());
}

} // namespace

// ---------------------------------------------------------------- omBar

omBar::~omBar() = default;

omBar* omBar::clone() const {
    return new omBar(*this);
}

omUnitValue omBar::A(double x) const {
    if (!(m_XS <= x && x <= m_XE)) return omUnitValue(0.0, omUK_cm2);
    const double d = m_Fi.Get(omUK_cm);
    return omUnitValue(m_N * kQuarterPi * d * d, omUK_cm2);
}

omUnitValue omBar::V(double length) const {
    return omUnitValue((m_XE - m_XS) * A(m_XS).Get(omUK_cm2) * length, omUK_cm3);
}

void omBar::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion << static_cast<std::uint32_t>(m_N);
        SerializeUV(ar, m_Fi);
        ar << m_XS << m_XE;
        return;
    }
    std::int32_t version = 0;
    std::uint32_t n = 0;
    ar >> version >> n;
    m_N = n;
    SerializeUV(ar, m_Fi);
    ar >> m_XS >> m_XE;
}

// ---------------------------------------------------------------- omStirrup

omStirrup::~omStirrup() = default;

omStirrup* omStirrup::clone() const {
    return new omStirrup(*this);
}

omUnitValue omStirrup::V(double stirrupLength) const {
    return omUnitValue(A(getXS()).Get(omUK_cm2) * stirrupLength, omUK_cm3);
}

void omStirrup::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion;
    } else {
        std::int32_t version = 0;
        ar >> version;
    }
    omBar::Serialize(ar);
    SerializeUV(ar, m_E);
}

// ---------------------------------------------------------------- omBarVec

omBarVec::~omBarVec() = default;

const omBar& omBarVec::at(int i) const {
    if (i < 0 || i >= size()) throwSubscript();
    return m_bars[static_cast<std::size_t>(i)];
}

omBar& omBarVec::at(int i) {
    if (i < 0 || i >= size()) throwSubscript();
    return m_bars[static_cast<std::size_t>(i)];
}

omUnitValue omBarVec::A(double x) const {
    double sum = 0.0;
    for (const omBar& bar : m_bars)
        sum += bar.A(x).Get(omUK_cm2);
    return omUnitValue(sum, omUK_cm2);
}

omUnitValue omBarVec::Zt(double /*x*/) const {
    omUnitValue largest(0.0, omUK_cm);
    for (const omBar& bar : m_bars)
        if (bar.getFi() > largest) largest = bar.getFi();
    return omUnitValue(largest.Get(omUK_cm) / 2.0, omUK_cm);
}

omUnitValue omBarVec::getMaxFi(double x) const {
    omUnitValue largest(0.0, omUK_mm);
    for (const omBar& bar : m_bars)
        if (bar.getXS() <= x && x <= bar.getXE() && bar.getFi() > largest) largest = bar.getFi();
    return largest;
}

omUnitValue omBarVec::V(double length) const {
    double sum = 0.0;
    for (const omBar& bar : m_bars)
        sum += bar.V(length).Get(omUK_cm3);
    return omUnitValue(sum, omUK_cm3);
}

void omBarVec::getBarChangePos(std::vector<double>& positions) const {
    for (const omBar& bar : m_bars) {
        positions.push_back(bar.getXS());
        positions.push_back(bar.getXE());
    }
}

void omBarVec::getStringMatrix(omStringMatrix& table) const {
    table.Resize(size(), 4);
    for (int i = 0; i < size(); ++i) {
        const omBar& bar = m_bars[static_cast<std::size_t>(i)];
        table.At(i, 0) = std::to_string(bar.getN());
        table.At(i, 1) = formatDouble(bar.getFi().Get(omUK_mm));
        table.At(i, 2) = formatDouble(bar.getXS());
        table.At(i, 3) = formatDouble(bar.getXE());
    }
}

void omBarVec::setStringMatrix(const omStringMatrix& table) {
    m_bars.clear();
    omBar entry;
    for (int row = 0; row < table.GetRows(); ++row) {
        entry.setN(readCount(table.At(row, 0)));
        entry.setFi(omUnitValue(readDiameter(table.At(row, 1)), omUK_mm));
        entry.setXS(readDouble(table.At(row, 2)));
        entry.setXE(readDouble(table.At(row, 3)));
        m_bars.push_back(entry);
    }
}

void omBarVec::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion << static_cast<std::uint32_t>(m_bars.size());
        for (omBar& bar : m_bars)
            bar.Serialize(ar);
        return;
    }
    std::int32_t version = 0;
    ar >> version;
    const std::uint32_t n = ReadListCount(ar, kMinBarRecord);
    m_bars.assign(n, omBar());
    for (omBar& bar : m_bars)
        bar.Serialize(ar);
}

// ---------------------------------------------------------------- omBarBand

omBarBand::~omBarBand() = default;

int omBarBand::getRowCount() const {
    return (m_row1.size() > 0) + (m_row2.size() > 0) + (m_row3.size() > 0);
}

omUnitValue omBarBand::A(double x) const {
    return omUnitValue(m_row1.A(x).Get(omUK_cm2) + m_row2.A(x).Get(omUK_cm2) + m_row3.A(x).Get(omUK_cm2),
                       omUK_cm2);
}

omUnitValue omBarBand::Zt(double x) const {
    const double area = A(x).Get(omUK_cm2);
    if (area == 0.0) return omUnitValue(0.0, omUK_cm);
    const double a1 = m_row1.A(x).Get(omUK_cm2);
    const double a2 = m_row2.A(x).Get(omUK_cm2);
    const double a3 = m_row3.A(x).Get(omUK_cm2);
    const double r1 = m_row1.Zt(x).Get(omUK_cm);
    const double r2 = m_row2.Zt(x).Get(omUK_cm);
    const double r3 = m_row3.Zt(x).Get(omUK_cm);
    // The rows lie directly on one another, each as deep as its thickest bar.
    const double d1 = r1;
    const double d2 = 2.0 * r1 + r2;
    const double d3 = 2.0 * r1 + 2.0 * r2 + r3;
    return omUnitValue((a1 * d1 + a2 * d2 + a3 * d3) / area, omUK_cm);
}

omUnitValue omBarBand::getMaxFi(double x) const {
    omUnitValue largest = m_row1.getMaxFi(x);
    const omUnitValue fi2 = m_row2.getMaxFi(x);
    if (fi2 > largest) largest = fi2;
    const omUnitValue fi3 = m_row3.getMaxFi(x);
    if (fi3 > largest) largest = fi3;
    return largest;
}

omUnitValue omBarBand::V(double length) const {
    return omUnitValue(m_row1.V(length).Get(omUK_cm3) + m_row2.V(length).Get(omUK_cm3) +
                           m_row3.V(length).Get(omUK_cm3),
                       omUK_cm3);
}

void omBarBand::getBarChangePos(std::vector<double>& positions) const {
    m_row1.getBarChangePos(positions);
    m_row2.getBarChangePos(positions);
    m_row3.getBarChangePos(positions);
}

void omBarBand::getStringMatrix(omStringMatrix& row1, omStringMatrix& row2, omStringMatrix& row3) const {
    m_row1.getStringMatrix(row1);
    m_row2.getStringMatrix(row2);
    m_row3.getStringMatrix(row3);
}

void omBarBand::setStringMatrix(const omStringMatrix& row1, const omStringMatrix& row2,
                                const omStringMatrix& row3) {
    m_row1.setStringMatrix(row1);
    m_row2.setStringMatrix(row2);
    m_row3.setStringMatrix(row3);
}

bool omBarBand::isCompletelyDefined(omUncoveredRanges* uncovered) const {
    std::vector<std::pair<double, double>> covered;
    for (const omBarVec* row : {&m_row1, &m_row2, &m_row3})
        for (int i = 0; i < row->size(); ++i)
            appendRanges(row->at(i), covered);
    return reportCoverage(covered, uncovered);
}

void omBarBand::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion;
    } else {
        std::int32_t version = 0;
        ar >> version;
    }
    m_row1.Serialize(ar);
    m_row2.Serialize(ar);
    m_row3.Serialize(ar);
    SerializeUV(ar, m_cover);
}

// ---------------------------------------------------------------- omStirrupVec

omStirrupVec::~omStirrupVec() = default;

const omStirrup& omStirrupVec::at(int i) const {
    if (i < 0 || i >= size()) throwSubscript();
    return m_stirrups[static_cast<std::size_t>(i)];
}

omStirrup& omStirrupVec::at(int i) {
    if (i < 0 || i >= size()) throwSubscript();
    return m_stirrups[static_cast<std::size_t>(i)];
}

const omStirrup* omStirrupVec::getStirrup(double x) const {
    const omStirrup* chosen = nullptr;
    double best = 0.0;
    for (const omStirrup& stirrup : m_stirrups) {
        if (!(stirrup.getXS() <= x && x <= stirrup.getXE()) || !hasUsableSpacing(stirrup)) continue;
        const double ratio = stirrup.A(x).Get(omUK_cm2) / stirrup.getE().Get(omUK_cm);
        if (ratio > best) {
            best = ratio;
            chosen = &stirrup;
        }
    }
    return chosen;
}

omUnitValue omStirrupVec::V(double memberLength, double stirrupLength) const {
    double sum = 0.0;
    for (const omStirrup& stirrup : m_stirrups) {
        if (!hasUsableSpacing(stirrup)) continue;
        const double count = (stirrup.getXE() - stirrup.getXS()) * memberLength / stirrup.getE().Get(omUK_cm);
        sum += count * stirrup.V(stirrupLength).Get(omUK_cm3);
    }
    return omUnitValue(sum, omUK_cm3);
}

bool omStirrupVec::isCompletelyDefined(omUncoveredRanges* uncovered) const {
    std::vector<std::pair<double, double>> covered;
    // An entry without a usable spacing carries no shear, so it covers nothing.
    for (const omStirrup& stirrup : m_stirrups)
        if (hasUsableSpacing(stirrup)) appendRanges(stirrup, covered);
    return reportCoverage(covered, uncovered);
}

void omStirrupVec::getStringMatrix(omStringMatrix& table) const {
    table.Resize(size(), 5);
    for (int i = 0; i < size(); ++i) {
        const omStirrup& stirrup = m_stirrups[static_cast<std::size_t>(i)];
        table.At(i, 0) = std::to_string(stirrup.getN());
        table.At(i, 1) = formatDouble(stirrup.getFi().Get(omUK_mm));
        table.At(i, 2) = formatDouble(stirrup.getE().Get(omUK_cm));
        table.At(i, 3) = formatDouble(stirrup.getXS());
        table.At(i, 4) = formatDouble(stirrup.getXE());
    }
}

void omStirrupVec::setStringMatrix(const omStringMatrix& table) {
    m_stirrups.clear();
    omStirrup entry;
    for (int row = 0; row < table.GetRows(); ++row) {
        entry.setN(readCount(table.At(row, 0)));
        entry.setFi(omUnitValue(readDiameter(table.At(row, 1)), omUK_mm));
        entry.setE(omUnitValue(readDouble(table.At(row, 2)), omUK_cm));
        entry.setXS(readDouble(table.At(row, 3)));
        entry.setXE(readDouble(table.At(row, 4)));
        if (hasUsableSpacing(entry)) m_stirrups.push_back(entry);
    }
}

void omStirrupVec::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion << static_cast<std::uint32_t>(m_stirrups.size());
        for (omStirrup& stirrup : m_stirrups)
            stirrup.Serialize(ar);
        ar << m_noStirrups;
        return;
    }
    std::int32_t version = 0;
    ar >> version;
    const std::uint32_t n = ReadListCount(ar, kMinStirrupRecord);
    m_stirrups.assign(n, omStirrup());
    for (omStirrup& stirrup : m_stirrups)
        stirrup.Serialize(ar);
    ar >> m_noStirrups;
}
