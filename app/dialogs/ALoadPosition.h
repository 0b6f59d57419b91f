#pragma once
// Where a load sits on a member, as the load dialogs show it: a fraction of the
// member length, the same point as a length, and the position of a spin control
// that runs from 0 to 100.
#include "common/omUnitValue.h"

namespace ALoadPosition {

// The length (the member length, in cm, times the fraction) in the unit of absolute.
void SetAbsolute(omUnitValue& absolute, double relative, double memberLength);
// The fraction of the member length, snapped to 0.001; 0 for a member without length.
double Relative(const omUnitValue& absolute, double memberLength);
// The spin position of a fraction: the fraction snapped to 0.01, in hundredths.
// Rounded, so that 0.29 gives 29 although 0.29 x 100 is a little below 29.
// A fraction below 0 (or not a number) gives 0, one above 1 gives 100.
int SpinPosition(double relative);
// The nearest multiple of step.
double Snap(double value, double step);

} // namespace ALoadPosition
