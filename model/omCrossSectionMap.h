#pragma once
// The model's cross-sections by number. The map owns its sections; one of them
// may be the default that new members take.
#include "common/AStorageBase.h"
#include "model/omCrossSection.h"
#include "model/omIndexMap.h"

class omCrossSectionMap : public omIndexMap<omCrossSection>, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    omCrossSectionMap();
    // An empty map, then copy(other).
    omCrossSectionMap(const omCrossSectionMap& other);
    ~omCrossSectionMap() override;

    virtual omCrossSectionMap* clone() const;
    virtual void logFileReport();

    // A deep copy of other's sections and its default number. A walk does not
    // survive it: the sections it walked are gone.
    void copy(const omCrossSectionMap& other);

    void setDefault(unsigned id) { m_default = id; }
    // The number of the default section, whether or not a section carries it.
    unsigned getDefaultId() const { return m_default; }
    // The section with the default number, or null.
    const omCrossSection* getDefault() const { return doFind(m_default); }
    using omIndexMap<omCrossSection>::doFind;

    // One walk at a time, in ascending number; the section under the cursor
    // must not be removed during the walk.
    void start_ii() const { m_cursor = table().begin(); }
    bool stop_ii() const { return m_cursor == table().end(); }
    void increment_ii() const { ++m_cursor; }
    // Only while stop_ii() is false.
    omCrossSection* object_ii() { return m_cursor->second; }
    const omCrossSection* object_ii() const { return m_cursor->second; }

private:
    unsigned m_default = 0;
    mutable Table::const_iterator m_cursor;
};
