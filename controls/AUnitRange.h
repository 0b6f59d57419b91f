#pragma once
// The range of values that the program's input accepts for a quantity.
#include "common/omUnitValue.h"

#include <string>

// The values the drawing and the analysis can carry: a length within 10^6 m either
// way, any other quantity within 10^12 of its base unit. Low and high are the
// bounds in the value's own unit.
bool AUnitValueInRange(const omUnitValue& value, double* low = nullptr, double* high = nullptr);
// The exchange's range prompt for a value outside AUnitValueInRange, the bounds in
// the value's unit ("Please enter a number between -1000000 and 1000000.").
std::string AUnitRangePrompt(const omUnitValue& value);
