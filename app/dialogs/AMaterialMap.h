#pragma once
// The program's material map. The material dialog edits a working copy (clone)
// and copies it back.
#include "model/omMaterialMap.h"

class AMaterialMap : public omMaterialMap {
public:
    // Empty.
    AMaterialMap();
    AMaterialMap(const AMaterialMap& other);
    ~AMaterialMap() override;

    omMaterialMap* clone() const override;
    // Makes this map a deep copy of the source.
    void Copy(const omMaterialMap& source);
};
