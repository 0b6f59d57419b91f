#pragma once
// The program's material map: the model's map, made by the model's factory, so
// that the model's map and an editor's working copy are of one class.
#include "platform/core/CString.h"
#include "model/omMaterialMap.h"

#include <vector>

class AMaterialMap : public omMaterialMap {
public:
    AMaterialMap();
    // An empty map, then Copy(other).
    AMaterialMap(const AMaterialMap& other);
    ~AMaterialMap() override;

    void Copy(const AMaterialMap& other);
    AMaterialMap* clone() const override;

    // Appends "id: name" of every material, in ascending id.
    void GetIdNames(std::vector<CString>& names) const;
};
