#pragma once
// The program's cross-section map. The cross-section dialog edits a working
// copy (clone) and copies it back.
#include "platform/core/CString.h"
#include "model/omCrossSectionMap.h"

#include <vector>

class ACrossSectionMap : public omCrossSectionMap {
public:
    // Empty.
    ACrossSectionMap();
    ACrossSectionMap(const ACrossSectionMap& other);
    ~ACrossSectionMap() override;

    ACrossSectionMap* clone() const override;
    // Makes this map a deep copy of the source.
    void Copy(const omCrossSectionMap& source);

    // Appends "id: name" of every entry, in ascending id.
    void GetIdNames(std::vector<CString>& names) const;
};
