#pragma once
// The program's cross-section map: the model's map, made by the model's factory, so
// that the model's map and an editor's working copy are of one class.
#include "platform/core/CString.h"
#include "model/omCrossSectionMap.h"

#include <vector>

class ACrossSectionMap : public omCrossSectionMap {
public:
    ACrossSectionMap();
    // An empty map, then Copy(other).
    ACrossSectionMap(const ACrossSectionMap& other);
    ~ACrossSectionMap() override;

    void Copy(const ACrossSectionMap& other);
    ACrossSectionMap* clone() const override;

    // Appends "id: name" of every section, in ascending id.
    void GetIdNames(std::vector<CString>& names) const;
};
