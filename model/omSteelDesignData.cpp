#include "model/omSteelDesignData.h"

#include "platform/core/CArchive.h"

#include <cstdint>

namespace {
constexpr std::int32_t kVersion = 1;
constexpr std::size_t kCSResRecord = 45;
} // namespace

void omSteelDesignData::CSRes::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion << classValue << classMark << shearRatio << resistanceFactor << serStress
           << relDeflection;
        return;
    }
    std::int32_t version = 0;
    ar >> version >> classValue >> classMark >> shearRatio >> resistanceFactor >> serStress >> relDeflection;
}

omSteelDesignData::~omSteelDesignData() = default;

omGenericDesignData* omSteelDesignData::clone() const {
    return new omSteelDesignData(*this);
}

void omSteelDesignData::copy(const omSteelDesignData& other) {
    if (&other == this) return;
    omGenericDesignData::copy(other);
    m_shearStiffDistance = other.m_shearStiffDistance;
    m_loadPos = other.m_loadPos;
    m_YYSup = other.m_YYSup;
    m_ZZSup = other.m_ZZSup;
    m_LTSup = other.m_LTSup;
    m_CSRes = other.m_CSRes;
    m_elStab = other.m_elStab;
    m_elStabType = other.m_elStabType;
    m_elClass = other.m_elClass;
    m_stabilityDescription = other.m_stabilityDescription;
    m_text2 = other.m_text2;
    m_text3 = other.m_text3;
}

void omSteelDesignData::resetResults() {
    omGenericDesignData::resetResults();
    m_CSRes.clear();
    m_elStab = 0.0;
    m_elStabType = 0;
    m_elClass = 0;
}

void omSteelDesignData::Serialize(CArchive& ar) {
    omGenericDesignData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << kVersion << m_loadPos << m_elStab << static_cast<std::int32_t>(m_elStabType)
           << static_cast<std::int32_t>(m_elClass);
        ar << m_stabilityDescription << m_text2 << m_text3;
        ar << static_cast<std::uint32_t>(m_CSRes.size());
        for (CSRes& result : m_CSRes)
            result.Serialize(ar);
    } else {
        std::int32_t version = 0;
        std::int32_t stabType = 0;
        std::int32_t memberClass = 0;
        ar >> version >> m_loadPos >> m_elStab >> stabType >> memberClass;
        m_elStabType = stabType;
        m_elClass = memberClass;
        ar >> m_stabilityDescription >> m_text2 >> m_text3;
        m_CSRes.resize(ReadListCount(ar, kCSResRecord));
        for (CSRes& result : m_CSRes)
            result.Serialize(ar);
    }
    SerializeUV(ar, m_shearStiffDistance);
    // The record keeps the supports in the order Y-Y, Z-Z, lateral-torsional.
    m_YYSup.Serialize(ar);
    m_ZZSup.Serialize(ar);
    m_LTSup.Serialize(ar);
}
