#pragma once
// The unit in which each quantity is shown and entered, for the whole program.
// Kept under "Software\Orvex\Strakon\Options\UnitKeys" by unit name.
#include "app/shell/ASingleton.h"
#include "common/AStorageBase.h"
#include "common/omUnitManager.h"

class AUnitKeyAttributes : public AStorageBase, public ASingleton<AUnitKeyAttributes> {
    DECLARE_STORAGE_INTERFACE()
public:
    // Made by Instance, read from the store.
    AUnitKeyAttributes();
    ~AUnitKeyAttributes() override;

    void SetMetricDefaults();
    // The imperial preset; rotation keeps its unit.
    void SetImperialDefaults();
    // Writes the fifteen units by name.
    void Save();
    // Reads the fifteen units. A stored name that names no unit, or a unit of
    // another quantity, leaves its field as it is.
    void Load();

    // In the order of the store and of the "Units" page.
    omUnitKey length;
    omUnitKey area;
    omUnitKey area1; // volume and first moment of area
    omUnitKey area2; // second moment of area
    omUnitKey rotation;
    omUnitKey force;
    omUnitKey moment;
    omUnitKey pressure;
    omUnitKey tempDifference;
    omUnitKey tempExpansion;
    omUnitKey forcePerLength;
    omUnitKey momentPerLength;
    omUnitKey mass;
    omUnitKey density;
    omUnitKey forcePerVolume;

    static constexpr int kFieldCount = 15;
    // The store's value names, in field order.
    static const char* const kValueNames[kFieldCount];
    // The fields in their order, for code that walks all fifteen.
    omUnitKey* Field(int index);
};
