#pragma once
// The model's materials by number. The map owns its materials; one of them may
// be the default that new members take.
#include "common/AStorageBase.h"
#include "model/omIndexMap.h"
#include "model/omMaterial.h"

class omMaterialMap : public omIndexMap<omMaterial>, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    omMaterialMap();
    // An empty map, then copy(other).
    omMaterialMap(const omMaterialMap& other);
    ~omMaterialMap() override;

    virtual omMaterialMap* clone() const;
    virtual void logFileReport();

    // A deep copy of other's materials (each cloned under its own number) and
    // its default number. The replaced materials are deleted; members bind to
    // the new ones afterwards. A walk does not survive it.
    void copy(const omMaterialMap& other);

    void setDefault(unsigned id) { m_default = id; }
    // The number of the default material, whether or not a material carries it.
    unsigned getDefaultId() const { return m_default; }
    // The material with the default number, or null.
    const omMaterial* getDefault() const { return doFind(m_default); }
    using omIndexMap<omMaterial>::doFind;

    // One walk at a time, in ascending number.
    void start_ii() const { m_cursor = table().begin(); }
    bool stop_ii() const { return m_cursor == table().end(); }
    void increment_ii() const { ++m_cursor; }
    // Only while stop_ii() is false.
    omMaterial* object_ii() { return m_cursor->second; }
    const omMaterial* object_ii() const { return m_cursor->second; }

private:
    unsigned m_default = 0;
    mutable Table::const_iterator m_cursor;
};
