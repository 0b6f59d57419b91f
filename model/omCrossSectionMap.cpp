#include "model/omCrossSectionMap.h"

#include "model/omLogFile.h"

omCrossSectionMap::omCrossSectionMap() : m_cursor(table().end()) {}

omCrossSectionMap::omCrossSectionMap(const omCrossSectionMap& other)
    : omIndexMap<omCrossSection>(), AStorageBase(other), m_cursor(table().end()) {
    copy(other);
}

omCrossSectionMap::~omCrossSectionMap() = default;

omCrossSectionMap* omCrossSectionMap::clone() const {
    return new omCrossSectionMap(*this);
}

void omCrossSectionMap::copy(const omCrossSectionMap& other) {
    if (&other == this) return;
    omIndexMap::copy(other);
    m_cursor = table().end();
    m_default = other.m_default;
}

void omCrossSectionMap::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfCrossSections);
    if (!log) return;
    log->heading("Cross-sections in the omCrossSectionMap object:");
    *log << "\n\nTotal number of cross-sections materials: " << size() << "\n";
    for (auto& [id, section] : table())
        section->logFileReport();
    log->dashLine();
}
