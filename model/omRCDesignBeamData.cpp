#include "model/omRCDesignBeamData.h"

#include "model/omDesignElement.h"

#include "model/omCrossSection.h"
#include "platform/core/CArchive.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::int32_t kVersion = 1;

void writePairs(CArchive& ar, const std::vector<std::pair<double, double>>& values) {
    ar << static_cast<std::uint32_t>(values.size());
    for (const auto& [first, second] : values)
        ar << first << second;
}

void readPairs(CArchive& ar, std::vector<std::pair<double, double>>& values) {
    values.assign(ReadListCount(ar, 2 * sizeof(double)), {0.0, 0.0});
    for (auto& [first, second] : values)
        ar >> first >> second;
}

} // namespace

omRCDesignBeamData::~omRCDesignBeamData() = default;

omGenericDesignData* omRCDesignBeamData::clone() const {
    return new omRCDesignBeamData(*this);
}

void omRCDesignBeamData::copy(const omRCDesignBeamData& other) {
    if (&other == this) return;
    omGenericDesignData::copy(other);
    m_topBand = other.m_topBand;
    m_bottomBand = other.m_bottomBand;
    m_stirrups = other.m_stirrups;
    m_NMResults = other.m_NMResults;
    m_crackResults = other.m_crackResults;
    m_shearResults = other.m_shearResults;
}

void omRCDesignBeamData::resetResults() {
    omGenericDesignData::resetResults();
    m_NMResults.clear();
    m_crackResults.clear();
    m_shearResults.clear();
}

int omRCDesignBeamData::getBarChangePos(std::vector<double>& positions) const {
    positions.clear();
    m_topBand.getBarChangePos(positions);
    m_bottomBand.getBarChangePos(positions);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return static_cast<int>(positions.size());
}

double omRCDesignBeamData::getBarVolume() const {
    const omDesignElement* element = getElement();
    return element ? getBarVolume(element->length()) : 0.0;
}

double omRCDesignBeamData::getStirrupVolume() const {
    const omDesignElement* element = getElement();
    return element ? getStirrupVolume(element->length(), element->getCrossSection()) : 0.0;
}

double omRCDesignBeamData::getBarVolume(double length) const {
    return m_bottomBand.V(length).Get(omUK_cm3) + m_topBand.V(length).Get(omUK_cm3);
}

double omRCDesignBeamData::getStirrupVolume(double length, const omCrossSection* section) const {
    if (!section) return 0.0;
    const double stirrupLength =
        section->getStirrupLength(m_topBand.getCover().Get(omUK_cm), m_bottomBand.getCover().Get(omUK_cm));
    return m_stirrups.V(length, stirrupLength).Get(omUK_cm3);
}

void omRCDesignBeamData::Serialize(CArchive& ar) {
    omGenericDesignData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << kVersion;
        writePairs(ar, m_NMResults);
        writePairs(ar, m_crackResults);
    } else {
        std::int32_t version = 0;
        ar >> version;
        readPairs(ar, m_NMResults);
        readPairs(ar, m_crackResults);
    }
    SerializeDoubles(ar, m_shearResults);
    m_topBand.Serialize(ar);
    m_bottomBand.Serialize(ar);
    m_stirrups.Serialize(ar);
}
