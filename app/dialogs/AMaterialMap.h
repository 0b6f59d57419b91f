#pragma once
// The program's material map. The material dialog edits a working copy (clone)
// and copies it back.
#include "platform/core/CString.h"
#include "model/omMaterialMap.h"

#include <vector>

class AMaterialMap : public omMaterialMap {
public:
    // Empty.
    AMaterialMap();
    AMaterialMap(const AMaterialMap& other);
    ~AMaterialMap() override;

    AMaterialMap* clone() const override;
    // Makes this map a deep copy of the source.
    void Copy(const omMaterialMap& source);

    // Appends "id: name" of every entry, in ascending id.
    void GetIdNames(std::vector<CString>& names) const;
};
