#pragma once

#include <cmath>

namespace viewer {

// Truncation toward zero of a drawing coordinate. Coordinates come from arbitrary runs, so a NaN or
// an enormous value must not reach an int conversion (undefined behaviour); they land far outside
// any window instead, where nothing is visible.
inline int TruncatePixel(double coordinate) {
  constexpr double kFarAway = 1.0e7;
  if (std::isnan(coordinate)) return static_cast<int>(-kFarAway);
  if (coordinate > kFarAway) return static_cast<int>(kFarAway);
  if (coordinate < -kFarAway) return static_cast<int>(-kFarAway);
  return static_cast<int>(coordinate);
}

}  // namespace viewer
