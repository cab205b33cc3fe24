#include "phase_portrait.h"

#include <algorithm>

#include "viewer/core/pixel.h"

namespace oscilab {

std::vector<PixelPoint> PhasePortraitPoints(const OscillationRun& run, int width, int height) {
  const viewer::ValueRange& xRange = run.Ranges[kXRange];
  const viewer::ValueRange& vRange = run.Ranges[kVRange];
  const double xSpan = static_cast<double>(xRange.max) - xRange.min;
  const double vSpan = static_cast<double>(vRange.max) - vRange.min;
  if (run.empty() || !(xSpan > 0) || !(vSpan > 0)) return {};

  const double kx = width / xSpan;
  const double ky = height / vSpan;
  // The last sample of the run is left out of the portrait, and so is anything never recorded.
  const int end = std::min(static_cast<int>(run.SampleCount), run.RecordedCount);
  std::vector<PixelPoint> points;
  points.reserve(std::max(end, 1));
  for (int i = 0; i < std::max(end, 1); ++i) {
    points.push_back({viewer::TruncatePixel((run.X[i] - static_cast<double>(xRange.min)) * kx),
                      viewer::TruncatePixel(height - (run.V[i] - static_cast<double>(vRange.min)) * ky)});
  }
  return points;
}

}  // namespace oscilab
