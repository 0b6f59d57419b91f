#include "app/shell/AUnitKeyAttributes.h"

#include "app/shell/ARegistry.h"

namespace {

const char* const kKey = "Software\\Orvex\\Strakon\\Options\\UnitKeys";

constexpr omUnitKey kMetric[AUnitKeyAttributes::kFieldCount] = {
    omUnitKey(1),  omUnitKey(6),  omUnitKey(11), omUnitKey(16), omUnitKey(60),
    omUnitKey(21), omUnitKey(26), omUnitKey(35), omUnitKey(43), omUnitKey(47),
    omUnitKey(63), omUnitKey(67), omUnitKey(51), omUnitKey(55), omUnitKey(70),
};
constexpr omUnitKey kImperial[AUnitKeyAttributes::kFieldCount] = {
    omUnitKey(3),  omUnitKey(8),  omUnitKey(13), omUnitKey(18), omUnitKey(60),
    omUnitKey(24), omUnitKey(28), omUnitKey(36), omUnitKey(44), omUnitKey(48),
    omUnitKey(64), omUnitKey(68), omUnitKey(53), omUnitKey(57), omUnitKey(72),
};

} // namespace

// The names as the registry has always held them, "Lenght" included.
const char* const AUnitKeyAttributes::kValueNames[kFieldCount] = {
    "Length",
    "Area",
    "Area1",
    "Area2",
    "Rotation",
    "Force",
    "Moment",
    "Pressure",
    "Temp. Difference",
    "Temp. Expansion",
    "Force per Lenght",
    "Moment per Length",
    "Mass",
    "Density",
    "Force per Volume",
};

AUnitKeyAttributes::AUnitKeyAttributes() {
    SetMetricDefaults();
    Load();
}

AUnitKeyAttributes::~AUnitKeyAttributes() = default;

omUnitKey* AUnitKeyAttributes::Field(int index) {
    omUnitKey* fields[kFieldCount] = {&length,         &area,          &area1,          &area2,
                                      &rotation,       &force,         &moment,         &pressure,
                                      &tempDifference, &tempExpansion, &forcePerLength, &momentPerLength,
                                      &mass,           &density,       &forcePerVolume};
    return index >= 0 && index < kFieldCount ? fields[index] : nullptr;
}

void AUnitKeyAttributes::SetMetricDefaults() {
    for (int i = 0; i < kFieldCount; ++i)
        *Field(i) = kMetric[i];
}

void AUnitKeyAttributes::SetImperialDefaults() {
    for (int i = 0; i < kFieldCount; ++i)
        *Field(i) = kImperial[i];
}

void AUnitKeyAttributes::Save() {
    ARegistry reg;
    if (!reg.OpenOrCreate(kKey)) return;
    for (int i = 0; i < kFieldCount; ++i)
        reg.SetUnitKey(kValueNames[i], *Field(i));
}

void AUnitKeyAttributes::Load() {
    ARegistry reg;
    if (!reg.OpenOrCreate(kKey)) return;
    for (int i = 0; i < kFieldCount; ++i)
        *Field(i) = reg.GetUnitKey(kValueNames[i], *Field(i));
}
