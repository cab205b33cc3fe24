#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "viewer/core/sample_series.h"

namespace oscilab {

// The 14 parameters, single precision, in the order of the parameter file and of the dialog rows.
struct OscillationParameters {
  float CalcStep = 0;        // integration step, s
  float PrintStep = 0;       // interval between recorded samples, s
  float StopTime = 0;        // end time of the integration, s
  float Mass = 0;            // kg
  float Damping = 0;         // damping coefficient b, N*s/m
  float Stiffness = 0;       // spring stiffness c, N/m
  float ForceAmplitude = 0;  // amplitude H of the driving force, N
  float ForceFrequency = 0;  // circular frequency p of the driving force, 1/s
  float ForcePhase = 0;      // initial phase of the driving force, degrees
  float PlaneAngle = 0;      // inclination of the plane, degrees
  float Gravity = 0;         // m/s^2
  float SpringLength = 0;    // length of the undeformed spring, m
  float InitialX = 0;        // initial deflection from the origin, m
  float InitialV = 0;        // initial velocity, m/s

  static constexpr int kCount = 14;
  // Parameter number `index` (0-based, file order).
  float& operator[](int index);
  float operator[](int index) const;
};

// Classical fourth-order Runge-Kutta step, staged so that the caller evaluates the right-hand
// side at `ys` into `dy` before each call of do_stage.
class runge {
 public:
  explicit runge(int n);

  void begin_step();
  void do_stage(double h);

  std::vector<double> ys;
  std::vector<double> y;
  std::vector<double> dy;
  std::array<std::vector<double>, 5> k;
  int last;
  int stage = 5;
};

// Which of the four ranges; Fdr has none (its scale is the force amplitude).
enum RangeIndex { kXRange = 0, kVRange = 1, kFcRange = 2, kFelRange = 3 };

// One computed run: five series of equal capacity, their ranges and the derived values.
struct OscillationRun {
  viewer::SampleSeries<float> X, V, Fc, Fel, Fdr;
  std::array<viewer::ValueRange, 4> Ranges;
  float SampleCount = 0;  // trunc(StopTime / PrintStep): the last frame playback shows
  int RecordedCount = 0;  // samples actually written, indices 0 .. RecordedCount - 1
  float OriginPos = 0;    // origin of x along the plane from the spring's fixed end, m
  float SceneScale = 0;   // scene units per metre, 250 once computed

  bool empty() const { return RecordedCount == 0; }
  // The last frame that playback and the views may reach: the run's SampleCount, or the last
  // recorded sample when fewer were recorded.
  int LastFrame() const;
};

// Largest run the program agrees to compute (samples kept, integration steps made).
inline constexpr long long kMaxSamples = 1'000'000;
inline constexpr long long kMaxSteps = 5'000'000;

// A Russian message naming the first parameter that makes the run impossible or unbounded, or
// nothing when the run can be computed.
std::optional<std::string> CheckParameters(const OscillationParameters& parameters);

// Integration steps between two recorded samples: trunc(PrintStep * 1.0000001 / CalcStep). The factor
// lets a quotient that falls just below a whole number count as that number; 0 records before every
// step.
long long RecordingInterval(const OscillationParameters& parameters);

// Allocates the series for the parameters (capacity trunc(StopTime / PrintStep + 100)) and
// integrates the motion into them. Recording stops when the series are full. Parameters that
// CheckParameters refuses give an empty run.
OscillationRun ComputeMotion(const OscillationParameters& parameters);

}  // namespace oscilab
