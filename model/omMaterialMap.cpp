#include "model/omMaterialMap.h"

#include "model/omLogFile.h"

omMaterialMap::omMaterialMap() : m_cursor(table().end()) {}

omMaterialMap::omMaterialMap(const omMaterialMap& other)
    : omIndexMap<omMaterial>(), AStorageBase(other), m_cursor(table().end()) {
    copy(other);
}

omMaterialMap::~omMaterialMap() = default;

omMaterialMap* omMaterialMap::clone() const {
    return new omMaterialMap(*this);
}

void omMaterialMap::copy(const omMaterialMap& other) {
    if (&other == this) return;
    omIndexMap::copy(other);
    m_cursor = table().end();
    m_default = other.m_default;
}

void omMaterialMap::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfMaterials);
    if (!log) return;
    log->heading("Materials in the omMaterialMap object:");
    *log << "\n\nTotal number of design materials: " << size() << "\n";
    for (auto& [id, material] : table())
        material->logFileReport();
    log->dashLine();
}
