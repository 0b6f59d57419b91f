#include "app/dialogs/AMaterialMap.h"

AMaterialMap::AMaterialMap() = default;

AMaterialMap::AMaterialMap(const AMaterialMap& other) : omMaterialMap(other) {}

AMaterialMap::~AMaterialMap() = default;

AMaterialMap* AMaterialMap::clone() const {
    return new AMaterialMap(*this);
}

void AMaterialMap::Copy(const omMaterialMap& source) {
    copy(source);
}

void AMaterialMap::GetIdNames(std::vector<CString>& names) const {
    for (const auto& [id, material] : *this)
        names.emplace_back(material->getIdName(true, true));
}
