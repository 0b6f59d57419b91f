#include "app/dialogs/ALoadPosition.h"

#include <cmath>

namespace ALoadPosition {

double Snap(double value, double step) {
    return std::round(value / step) * step;
}

void SetAbsolute(omUnitValue& absolute, double relative, double memberLength) {
    const omUnitKey shown = absolute.GetKey();
    absolute = omUnitValue(memberLength * relative, omUK_cm);
    absolute.ConvertTo(shown);
}

double Relative(const omUnitValue& absolute, double memberLength) {
    if (memberLength == 0.0) return 0.0;
    return Snap(absolute.Get(omUK_cm) / memberLength, 0.001);
}

int SpinPosition(double relative) {
    // The spin runs from 0 to 100: a fraction beyond the member (or no number)
    // stands at the nearer end, so that the rounding cannot overflow.
    if (!(relative >= 0.0)) return 0;
    if (relative > 1.0) return 100;
    return static_cast<int>(std::lround(Snap(relative, 0.01) * 100.0));
}

} // namespace ALoadPosition
