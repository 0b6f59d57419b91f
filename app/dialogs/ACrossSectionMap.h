#pragma once
// The program's cross-section map. The cross-section dialog edits a working
// copy (clone) and copies it back.
#include "model/omCrossSectionMap.h"

class ACrossSectionMap : public omCrossSectionMap {
public:
    // Empty.
    ACrossSectionMap();
    ACrossSectionMap(const ACrossSectionMap& other);
    ~ACrossSectionMap() override;

    omCrossSectionMap* clone() const override;
    // Makes this map a deep copy of the source.
    void Copy(const omCrossSectionMap& source);
};
