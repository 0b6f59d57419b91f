#pragma once
// Design factors are ratios of action effect to resistance: 1.0 or less passes.
// A point that cannot be verified (no resistance, no equilibrium, a diagram
// that cannot be read) records this value, which fails it without putting an
// infinity into views and reports.
inline constexpr double designNotVerified = 10.0;
