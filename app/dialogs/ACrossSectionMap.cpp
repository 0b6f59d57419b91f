#include "app/dialogs/ACrossSectionMap.h"

ACrossSectionMap::ACrossSectionMap() = default;

ACrossSectionMap::ACrossSectionMap(const ACrossSectionMap& other) : omCrossSectionMap(other) {}

ACrossSectionMap::~ACrossSectionMap() = default;

ACrossSectionMap* ACrossSectionMap::clone() const {
    return new ACrossSectionMap(*this);
}

void ACrossSectionMap::Copy(const omCrossSectionMap& source) {
    copy(source);
}

void ACrossSectionMap::GetIdNames(std::vector<CString>& names) const {
    for (const auto& [id, section] : *this)
        names.emplace_back(section->getIdName(true, true));
}
