#include "model/omGenericDesignData.h"

#include "model/omDesignElement.h"

#include "model/omCrossSection.h"
#include "model/omLoadCase.h"
#include "model/omMaterial.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "platform/core/CArchive.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <typeinfo>

namespace {

constexpr std::int32_t kVersion = 3;

// The program's concrete material lives in the program, not in this library.
// Its run-time class is registered under this name, which is also the class
// tag of its records in the structure file, so the name identifies the exact
// class without this library seeing it.
constexpr std::string_view kConcreteClassName = "omConcrete";

bool contains(const std::vector<int>& list, int lc) {
    return std::find(list.begin(), list.end(), lc) != list.end();
}

void eraseFirst(std::vector<int>& list, int lc) {
    auto it = std::find(list.begin(), list.end(), lc);
    if (it != list.end()) list.erase(it);
}

// The load manager closes the gap a deleted case leaves, so the numbers above
// it move down by one.
void eraseAndRenumber(std::vector<int>& list, int lc) {
    eraseFirst(list, lc);
    for (int& n : list)
        if (n > lc) --n;
}

void sortUnique(std::vector<int>& list) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

void modifyLists(std::vector<int>& ult, std::vector<int>& ser, int lc, omGenericDesignData::LCC change,
                 bool ultimate, bool serviceability, int list) {
    if (list != 0) {
        if (change == omGenericDesignData::lccAdded) (list == 1 ? ult : ser).push_back(lc);
    } else if (change == omGenericDesignData::lccAdded) {
        if (ultimate) ult.push_back(lc);
        if (serviceability) ser.push_back(lc);
    } else if (change == omGenericDesignData::lccDeleted) {
        eraseAndRenumber(ult, lc);
        eraseAndRenumber(ser, lc);
    } else if (change == omGenericDesignData::lccChanged) {
        if (ultimate && !contains(ult, lc)) {
            ult.push_back(lc);
            eraseFirst(ser, lc);
        }
        if (serviceability && !contains(ser, lc)) {
            ser.push_back(lc);
            eraseFirst(ult, lc);
        }
    }
    sortUnique(ult);
    sortUnique(ser);
}

void writeList(CArchive& ar, const std::vector<int>& list) {
    ar << static_cast<std::uint32_t>(list.size());
    for (int lc : list)
        ar << static_cast<std::int32_t>(lc);
}

void readList(CArchive& ar, std::vector<int>& list) {
    list.clear();
    list.resize(ReadListCount(ar, sizeof(std::int32_t)));
    for (int& lc : list) {
        std::int32_t v = 0;
        ar >> v;
        lc = v;
    }
}

} // namespace

void SerializeUV(CArchive& ar, omUnitValue& value) {
    if (ar.IsStoring()) {
        ar << value.GetValue();
        ar << value.GetUnitName();
    } else {
        double number = 0.0;
        std::string unitName;
        ar >> number >> unitName;
        value.Set(number, unitName);
    }
}

std::uint32_t ReadListCount(CArchive& ar, std::size_t bytesPerItem) {
    std::uint32_t n = 0;
    ar >> n;
    ar.CheckCount(n, bytesPerItem);
    return n;
}

void SerializeDoubles(CArchive& ar, std::vector<double>& values) {
    if (ar.IsStoring()) {
        ar << static_cast<std::uint32_t>(values.size());
        for (double v : values)
            ar << v;
        return;
    }
    values.clear();
    values.resize(ReadListCount(ar, sizeof(double)));
    for (double& v : values)
        ar >> v;
}

omGenericDesignData::~omGenericDesignData() = default;

void omGenericDesignData::copy(const omGenericDesignData& other) {
    if (&other == this) return;
    m_serLC = other.m_serLC;
    m_ultLC = other.m_ultLC;
    m_ultDesign = other.m_ultDesign;
    m_serDesign = other.m_serDesign;
    m_leftSupportWidth = other.m_leftSupportWidth;
    m_rightSupportWidth = other.m_rightSupportWidth;
    m_supportWidth = other.m_supportWidth;
}

void omGenericDesignData::resetResults() {
    m_serFactor = 0.0;
    m_ultFactor = 0.0;
}

omUnitValue omGenericDesignData::getLeftSupportWidth() const {
    return m_supportWidth ? m_leftSupportWidth : omUnitValue(-1.0, omUK_cm);
}

omUnitValue omGenericDesignData::getRightSupportWidth() const {
    return m_supportWidth ? m_rightSupportWidth : omUnitValue(-1.0, omUK_cm);
}

bool omGenericDesignData::isUltLCActive(int lc) const {
    return contains(m_ultLC, lc);
}

bool omGenericDesignData::isSerLCActive(int lc) const {
    return contains(m_serLC, lc);
}

void omGenericDesignData::clearLCActive(bool ultimate, bool serviceability) {
    if (ultimate) m_ultLC.clear();
    if (serviceability) m_serLC.clear();
}

void omGenericDesignData::modifyLC(int lc, LCC change, const omLoadCase* loadCase, int list) {
    const bool ultimate = list == 0 && loadCase && loadCase->isUltimate();
    const bool serviceability = list == 0 && loadCase && loadCase->isServiceability();
    modifyLists(m_ultLC, m_serLC, lc, change, ultimate, serviceability, list);
}

void omGenericDesignData::transferLC(LCT direction, std::pair<std::vector<int>, std::vector<int>>& lists) {
    if (direction == lctOut) {
        lists.first = m_ultLC;
        lists.second = m_serLC;
    } else {
        m_ultLC = lists.first;
        m_serLC = lists.second;
    }
}

omGenericDesignData::Type omGenericDesignData::getDesignDataType(const omDesignElement* element) {
    return element ? getDesignDataType(element->getMaterial(), element->getCrossSection()) : dtNone;
}

omGenericDesignData* omGenericDesignData::createDesignDataObject(const omDesignElement* element) {
    return createDesignDataObject(getDesignDataType(element));
}

bool omGenericDesignData::verifyDesignDataType() const { return isExactly(getDesignDataType(m_element)); }

omGenericDesignData::Type omGenericDesignData::getDesignDataType(const omMaterial* material,
                                                                 const omCrossSection* section) {
    if (!material || !section) return dtNone;
    const CRuntimeClass* materialClass = material->GetRuntimeClass();
    const int sectionType = section->type();
    if (materialClass->m_lpszClassName == kConcreteClassName && section->canStoreBars() &&
        (sectionType == csRect || sectionType == csT))
        return dtRCBeam;
    // Exactly the library's steel: a class derived from it is another material.
    if (materialClass != RUNTIME_CLASS(omSteel)) return dtNone;
    switch (sectionType) {
    case csIDS:
    case csBox:
    case csStandardI:
    case csTube:
        return dtSteel;
    default:
        return dtNone;
    }
}

omGenericDesignData* omGenericDesignData::createDesignDataObject(Type kind) {
    switch (kind) {
    case dtRCBeam:
        return new omRCDesignBeamData;
    case dtSteel:
        return new omSteelDesignData;
    default:
        return nullptr;
    }
}

bool omGenericDesignData::isExactly(Type kind) const {
    // Exact classes: a class derived from either is not the kind a member asks for.
    switch (kind) {
    case dtRCBeam:
        return typeid(*this) == typeid(omRCDesignBeamData);
    case dtSteel:
        return typeid(*this) == typeid(omSteelDesignData);
    default:
        return false;
    }
}

void omGenericDesignData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kVersion;
        writeList(ar, m_ultLC);
        writeList(ar, m_serLC);
        ar << m_ultDesign << m_serDesign << m_ultFactor << m_serFactor;
        SerializeUV(ar, m_leftSupportWidth);
        SerializeUV(ar, m_rightSupportWidth);
        ar << m_supportWidth;
        return;
    }
    std::int32_t version = 0;
    ar >> version;
    // A version this program does not know would be misread field by field.
    if (version < 1 || version > kVersion)
        throw CArchiveException(CArchiveException::badSchema, ar.GetFileName(),
                                "design data of version " + std::to_string(version));
    readList(ar, m_ultLC);
    readList(ar, m_serLC);
    ar >> m_ultDesign >> m_serDesign >> m_ultFactor >> m_serFactor;
    if (version > 1) {
        SerializeUV(ar, m_leftSupportWidth);
        SerializeUV(ar, m_rightSupportWidth);
    }
    if (version > 2) ar >> m_supportWidth;
}
