#include "app/dialogs/ACrossSectionMap.h"

ACrossSectionMap::ACrossSectionMap() = default;

ACrossSectionMap::ACrossSectionMap(const ACrossSectionMap& other) : omCrossSectionMap(other) {}

ACrossSectionMap::~ACrossSectionMap() = default;

omCrossSectionMap* ACrossSectionMap::clone() const {
    return new ACrossSectionMap(*this);
}

void ACrossSectionMap::Copy(const omCrossSectionMap& source) {
    copy(source);
}
