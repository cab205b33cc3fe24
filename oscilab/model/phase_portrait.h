#pragma once

#include <vector>

#include "oscillation_model.h"

namespace oscilab {

struct PixelPoint {
  int x;
  int y;
  bool operator==(const PixelPoint&) const = default;
};

// The velocity-against-coordinate curve of samples 0 .. SampleCount - 1, scaled so that each
// range spans the box of width x height pixels (velocity upwards). Empty when a range is {0, 0}
// or the run is empty: there is no scale to draw with.
std::vector<PixelPoint> PhasePortraitPoints(const OscillationRun& run, int width, int height);

}  // namespace oscilab
