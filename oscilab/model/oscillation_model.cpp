#include "oscillation_model.h"

#include <cassert>
#include <climits>
#include <cmath>
#include <cstddef>

#include "parameter_file.h"

namespace oscilab {

namespace {

// Every intermediate result is kept in extended precision and rounded only where it is stored: the
// doubles of the integrator, the floats of the series. Rounding earlier changes the last bits of the
// time sum and with them the number of steps a run makes.
using Extended = long double;

// The course converts degrees by dividing by 57.3, not by 180/pi; the scene and the texts agree with it.
constexpr Extended kRadiansPerDegree = 0.017452006980802793186L;

// The library's sine and root work in double: an extended argument is rounded as it is passed, and the
// result takes part in extended arithmetic again.
double Sin(Extended radians) {
  return std::sin(static_cast<double>(radians));
}
double Sqrt(Extended value) {
  return std::sqrt(static_cast<double>(value));
}

// 1/6 as the double constant the stage weights are multiplied by.
constexpr Extended kSixth = 1.0 / 6.0;

// Stage weights of the classical scheme; the third stage's weight of 2 lives in its doubled increment.
constexpr int kStageWeight[5] = {0, 1, 2, 1, 1};

constexpr float OscillationParameters::*kMembers[OscillationParameters::kCount] = {
    &OscillationParameters::CalcStep,       &OscillationParameters::PrintStep,
    &OscillationParameters::StopTime,       &OscillationParameters::Mass,
    &OscillationParameters::Damping,        &OscillationParameters::Stiffness,
    &OscillationParameters::ForceAmplitude, &OscillationParameters::ForceFrequency,
    &OscillationParameters::ForcePhase,     &OscillationParameters::PlaneAngle,
    &OscillationParameters::Gravity,        &OscillationParameters::SpringLength,
    &OscillationParameters::InitialX,       &OscillationParameters::InitialV,
};

enum ParameterIndex { kCalcStep = 0, kPrintStep = 1, kStopTime = 2, kMass = 3, kStiffness = 5 };

std::string Quoted(int index) {
  return std::string("«") + kParameterRows[index].caption + "»";
}

std::string InvalidValue(int index, const char* need) {
  return "Недопустимое значение параметра " + Quoted(index) + ": нужно " + need + ".";
}

// The equation of motion as the integrator sees it, with its constants rounded to single precision
// once, as they are stored.
struct Equation {
  explicit Equation(const OscillationParameters& p)
      : bm(static_cast<float>(Extended{p.Damping} / p.Mass)),
        omega0(static_cast<float>(Sqrt(Extended{p.Stiffness} / p.Mass))),
        hm(static_cast<float>(Extended{p.ForceAmplitude} / p.Mass)),
        frequency(p.ForceFrequency),
        phase(p.ForcePhase) {}

  // The state is (t, x, v). The square of the rounded omega0 stands for c/m, not c/m itself.
  void Derivatives(const std::vector<double>& ys, std::vector<double>& dy) const {
    dy[0] = 1;
    dy[1] = ys[2];
    const Extended drive = Extended{hm} * Sin(Extended{frequency} * ys[0] + phase * kRadiansPerDegree);
    dy[2] = static_cast<double>(drive + (-Extended{bm} * ys[2] - Extended{omega0} * omega0 * ys[1]));
  }

  float bm;
  float omega0;
  float hm;
  float frequency;
  float phase;
};

// The forces use b, c and H themselves, not the per-mass constants of the equation.
void Record(OscillationRun& run, std::size_t index, const std::vector<double>& y,
            const OscillationParameters& p) {
  run.X.set(index, static_cast<float>(y[1]));
  run.V.set(index, static_cast<float>(y[2]));
  run.Fc.set(index, static_cast<float>(-Extended{y[2]} * p.Damping));
  run.Fel.set(index, static_cast<float>(-Extended{y[1]} * p.Stiffness));
  run.Fdr.set(index,
              static_cast<float>(Sin(Extended{p.ForceFrequency} * y[0] + p.ForcePhase * kRadiansPerDegree) *
                                 p.ForceAmplitude));
}

void WidenRanges(OscillationRun& run, std::size_t index) {
  run.Ranges[kXRange].Widen(run.X[index]);
  run.Ranges[kVRange].Widen(run.V[index]);
  run.Ranges[kFcRange].Widen(run.Fc[index]);
  run.Ranges[kFelRange].Widen(run.Fel[index]);
}

}  // namespace

float& OscillationParameters::operator[](int index) {
  assert(index >= 0 && index < kCount);
  return this->*kMembers[index];
}

float OscillationParameters::operator[](int index) const {
  assert(index >= 0 && index < kCount);
  return this->*kMembers[index];
}

runge::runge(int n) : ys(n), y(n), dy(n), last(n - 1) {
  for (auto& increments : k) increments.resize(n);
}

void runge::begin_step() {
  for (int i = 0; i <= last; ++i) {
    ys[i] = y[i];
    k[0][i] = 0;
  }
  stage = 1;
}

void runge::do_stage(double h) {
  assert(stage >= 1 && stage <= 4);
  // Each stage first takes back the previous stage's half increment from ys, so ys moves y -> y + k1/2
  // -> y + k2/2 -> y + k3 without ever being rebuilt from y; the third increment is doubled so that the
  // same half-step update reaches the full step. The order of the operations decides the rounding.
  for (int i = 0; i <= last; ++i) {
    ys[i] = static_cast<double>(ys[i] - Extended{k[stage - 1][i]} * 0.5L);
    k[stage][i] = static_cast<double>(Extended{dy[i]} * h);
    if (stage == 3) k[3][i] = k[3][i] * 2;
    ys[i] = static_cast<double>(Extended{k[stage][i]} * 0.5L + ys[i]);
    y[i] = static_cast<double>(kStageWeight[stage] * Extended{k[stage][i]} * kSixth + y[i]);
  }
  ++stage;
}

int OscillationRun::LastFrame() const {
  if (RecordedCount <= 0) return 0;
  const int lastRecorded = RecordedCount - 1;
  const double lastShown = std::trunc(static_cast<double>(SampleCount));
  if (!(lastShown < lastRecorded)) return lastRecorded;
  return lastShown > 0 ? static_cast<int>(lastShown) : 0;
}

std::optional<std::string> CheckParameters(const OscillationParameters& p) {
  for (int index = 0; index < OscillationParameters::kCount; ++index) {
    const float value = p[index];
    if (!std::isfinite(value)) return InvalidValue(index, "конечное число");
    if ((index == kCalcStep || index == kPrintStep) && !(value > 0))
      return InvalidValue(index, "положительное число");
    if (index == kStopTime && value < 0) return InvalidValue(index, "неотрицательное число");
    if ((index == kMass || index == kStiffness) && value == 0)
      return InvalidValue(index, "число, отличное от нуля");
  }
  // omega0 is the root of c/m: opposite signs would turn the whole run into NaN.
  if ((p.Mass < 0) != (p.Stiffness < 0)) {
    return "Недопустимое сочетание параметров " + Quoted(kMass) + " и " + Quoted(kStiffness) +
           ": нужны числа одного знака.";
  }
  const Extended capacity = std::trunc(Extended{p.StopTime} / p.PrintStep + 100);
  if (capacity > kMaxSamples) {
    return "Слишком длинный расчет: при таких шагах получится больше " + std::to_string(kMaxSamples) +
           " точек. Увеличьте " + Quoted(kPrintStep) + " или уменьшите " + Quoted(kStopTime) + ".";
  }
  if (Extended{p.StopTime} / p.CalcStep > kMaxSteps) {
    return "Слишком длинный расчет: при таком шаге получится больше " + std::to_string(kMaxSteps) +
           " шагов интегрирования. Увеличьте " + Quoted(kCalcStep) + " или уменьшите " + Quoted(kStopTime) +
           ".";
  }
  return std::nullopt;
}

long long RecordingInterval(const OscillationParameters& p) {
  const Extended quotient = std::trunc(Extended{p.PrintStep} * 1.0000001 / p.CalcStep);
  if (!(quotient < static_cast<Extended>(LLONG_MAX))) return LLONG_MAX;
  return quotient > 0 ? static_cast<long long>(quotient) : 0;
}

OscillationRun ComputeMotion(const OscillationParameters& p) {
  OscillationRun run;
  if (CheckParameters(p)) return run;

  const Extended perPrintStep = Extended{p.StopTime} / p.PrintStep;
  const auto capacity = static_cast<std::size_t>(std::trunc(perPrintStep + 100));
  run.SampleCount = static_cast<float>(std::trunc(perPrintStep));
  run.X = viewer::SampleSeries<float>(capacity);
  run.V = viewer::SampleSeries<float>(capacity);
  run.Fc = viewer::SampleSeries<float>(capacity);
  run.Fel = viewer::SampleSeries<float>(capacity);
  run.Fdr = viewer::SampleSeries<float>(capacity);

  const Equation equation(p);
  run.OriginPos = static_cast<float>(p.SpringLength - Sin(p.PlaneAngle * kRadiansPerDegree) *
                                                          (Extended{p.Mass} * p.Gravity) / p.Stiffness);

  runge integrator(3);
  integrator.y = {0, p.InitialX, p.InitialV};
  Record(run, 0, integrator.y, p);
  for (auto& range : run.Ranges) range.Reset(0, 0);
  WidenRanges(run, 0);

  // The recording test comes before the step and the loop ends as soon as the time reaches StopTime,
  // so the state after the last step is never recorded.
  const long long interval = RecordingInterval(p);
  const double h = p.CalcStep;
  long long stepsSinceRecord = 0;
  std::size_t next = 1;
  while (integrator.y[0] < p.StopTime) {
    if (stepsSinceRecord >= interval) {
      // A step that does not divide the print step can make more samples fall due than the series
      // hold; once they are full nothing later could be kept, so the run ends there.
      if (next == capacity) break;
      stepsSinceRecord = 0;
      Record(run, next, integrator.y, p);
      WidenRanges(run, next);
      ++next;
    }
    integrator.begin_step();
    while (integrator.stage < 5) {
      equation.Derivatives(integrator.ys, integrator.dy);
      integrator.do_stage(h);
    }
    ++stepsSinceRecord;
  }
  run.RecordedCount = static_cast<int>(next);
  run.SceneScale = 250;
  return run;
}

}  // namespace oscilab
