#include "app/dialogs/AMaterialMap.h"

AMaterialMap::AMaterialMap() = default;

AMaterialMap::AMaterialMap(const AMaterialMap& other) : omMaterialMap() {
    Copy(other);
}

AMaterialMap::~AMaterialMap() = default;

void AMaterialMap::Copy(const AMaterialMap& other) {
    copy(other);
}

AMaterialMap* AMaterialMap::clone() const {
    return new AMaterialMap(*this);
}

void AMaterialMap::GetIdNames(std::vector<CString>& names) const {
    for (const auto& [id, material] : *this)
        names.emplace_back(material->getIdName(true, true));
}
