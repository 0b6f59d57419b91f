#include "app/dialogs/ACrossSectionMap.h"

ACrossSectionMap::ACrossSectionMap() = default;

ACrossSectionMap::ACrossSectionMap(const ACrossSectionMap& other) : omCrossSectionMap() {
    Copy(other);
}

ACrossSectionMap::~ACrossSectionMap() = default;

void ACrossSectionMap::Copy(const ACrossSectionMap& other) {
    copy(other);
}

ACrossSectionMap* ACrossSectionMap::clone() const {
    return new ACrossSectionMap(*this);
}

void ACrossSectionMap::GetIdNames(std::vector<CString>& names) const {
    for (const auto& [id, section] : *this)
        names.emplace_back(section->getIdName(true, true));
}
