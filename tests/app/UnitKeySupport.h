#pragma once
// The unit keys the load tests type and read their values in: the metric
// defaults with lengths in m, forces in kN, moments in kNm, line loads in kN/m
// and temperature differences in °C.
#include "app/shell/AUnitKeyAttributes.h"

inline void UseKiloNewtonMetreKeys() {
    AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    keys->SetMetricDefaults();
    keys->length = omUK_m;
    keys->force = omUK_kN;
    keys->moment = omUK_kNm;
    keys->forcePerLength = omUK_kN_m;
    keys->tempDifference = omUK_degC;
}
