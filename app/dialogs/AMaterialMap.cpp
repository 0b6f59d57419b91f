#include "app/dialogs/AMaterialMap.h"

AMaterialMap::AMaterialMap() = default;

AMaterialMap::AMaterialMap(const AMaterialMap& other) : omMaterialMap(other) {}

AMaterialMap::~AMaterialMap() = default;

omMaterialMap* AMaterialMap::clone() const {
    return new AMaterialMap(*this);
}

void AMaterialMap::Copy(const omMaterialMap& source) {
    copy(source);
}
