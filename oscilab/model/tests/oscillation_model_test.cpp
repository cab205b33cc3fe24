#include "oscilab/model/oscillation_model.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace oscilab {
namespace {

OscillationParameters Nominal() {
  OscillationParameters p;
  p.CalcStep = 0.01f;
  p.PrintStep = 0.01f;
  p.StopTime = 10;
  p.Mass = 2;
  p.Damping = 0;
  p.Stiffness = 600;
  p.ForceAmplitude = 12;
  p.ForceFrequency = 17.3205f;
  p.ForcePhase = 0;
  p.PlaneAngle = 30;
  p.Gravity = 9.8f;
  p.SpringLength = 0.4f;
  p.InitialX = 0;
  p.InitialV = 0;
  return p;
}

// One step of y' = f(y) with the integrator's calling protocol; returns the points ys at which the
// right-hand side was evaluated.
std::vector<std::vector<double>> Step(
    runge& integrator, double h,
    const std::function<void(const std::vector<double>&, std::vector<double>&)>& f) {
  std::vector<std::vector<double>> evaluatedAt;
  integrator.begin_step();
  EXPECT_EQ(integrator.stage, 1);
  while (integrator.stage < 5) {
    evaluatedAt.push_back(integrator.ys);
    f(integrator.ys, integrator.dy);
    integrator.do_stage(h);
  }
  return evaluatedAt;
}

TEST(Runge, StagesEvaluateAtTheClassicalPointsAndCombineTheIncrements) {
  // y' = y: k1 = h, k2 = h(1 + h/2), k3 = h(1 + k2/2), k4 = h(1 + k3).
  runge integrator(1);
  integrator.y = {1};
  const double h = 0.5;
  const auto at = Step(integrator, h, [](const auto& ys, auto& dy) { dy[0] = ys[0]; });
  const double k1 = h, k2 = h * (1 + k1 / 2), k3 = h * (1 + k2 / 2), k4 = h * (1 + k3);
  ASSERT_EQ(at.size(), 4u);
  EXPECT_DOUBLE_EQ(at[0][0], 1);
  EXPECT_DOUBLE_EQ(at[1][0], 1 + k1 / 2);
  EXPECT_DOUBLE_EQ(at[2][0], 1 + k2 / 2);
  EXPECT_DOUBLE_EQ(at[3][0], 1 + k3);
  EXPECT_DOUBLE_EQ(integrator.y[0], 1 + (k1 + 2 * k2 + 2 * k3 + k4) / 6);
  EXPECT_EQ(integrator.stage, 5);
}

TEST(Runge, IntegratesACubicInTimeExactly) {
  // (t, y) with y' = t^3: the scheme is Simpson's rule here, exact for cubics, so any misplaced stage
  // time shows at once.
  runge integrator(2);
  integrator.y = {0, 0};
  const double h = 0.25;
  for (int step = 0; step < 8; ++step) {
    Step(integrator, h, [](const auto& ys, auto& dy) {
      dy[0] = 1;
      dy[1] = ys[0] * ys[0] * ys[0];
    });
  }
  EXPECT_DOUBLE_EQ(integrator.y[0], 2);
  EXPECT_DOUBLE_EQ(integrator.y[1], 4);  // 2^4 / 4
}

TEST(OscillationModel, NominalRun) {
  const OscillationParameters p = Nominal();
  const OscillationRun run = ComputeMotion(p);
  EXPECT_EQ(RecordingInterval(p), 1);
  EXPECT_EQ(run.X.capacity(), 1100u);
  EXPECT_EQ(run.Fdr.capacity(), 1100u);
  EXPECT_EQ(run.SampleCount, 1000.0f);
  EXPECT_EQ(run.RecordedCount, 1001);
  EXPECT_EQ(run.LastFrame(), 1000);
  EXPECT_EQ(run.SceneScale, 250.0f);
  EXPECT_EQ(run.OriginPos, static_cast<float>(0.4f - std::sin(30 / 57.3L) * (2.0L * 9.8f) / 600));
  EXPECT_LT(run.OriginPos, 0.4f);
  EXPECT_GT(run.OriginPos, 0.38f);

  // The driving frequency is the natural one and there is no damping: the swing keeps growing.
  auto swing = [&](int from, int to) {
    float largest = 0;
    for (int i = from; i < to; ++i) largest = std::max(largest, std::fabs(run.X[i]));
    return largest;
  };
  EXPECT_GT(swing(250, 500), 1.5f * swing(0, 250));
  EXPECT_GT(swing(750, 1001), 1.2f * swing(500, 750));
  for (int i = 0; i <= 1000; ++i) EXPECT_EQ(run.Fc[i], 0.0f) << i;
}

TEST(OscillationModel, RangesStartAtZeroAndHoldTheExtentOfTheRecordedSamples) {
  OscillationParameters p = Nominal();
  p.Damping = 3;
  p.InitialX = 0.05f;  // all of X would be positive for a while: zero must still be inside the range
  const OscillationRun run = ComputeMotion(p);
  const viewer::SampleSeries<float>* series[] = {&run.X, &run.V, &run.Fc, &run.Fel};
  for (int r = 0; r < 4; ++r) {
    float max = 0, min = 0;
    for (int i = 0; i < run.RecordedCount; ++i) {
      max = std::max(max, (*series[r])[i]);
      min = std::min(min, (*series[r])[i]);
    }
    EXPECT_EQ(run.Ranges[r].max, max) << r;
    EXPECT_EQ(run.Ranges[r].min, min) << r;
    EXPECT_LT(min, 0) << r;
  }
}

TEST(OscillationModel, SampleZeroIsTheInitialStateWithItsForces) {
  OscillationParameters p = Nominal();
  p.InitialX = 0.1f;
  p.InitialV = -2;
  p.Damping = 5;
  p.ForcePhase = 30;
  const OscillationRun run = ComputeMotion(p);
  EXPECT_EQ(run.X[0], 0.1f);
  EXPECT_EQ(run.V[0], -2.0f);
  EXPECT_EQ(run.Fc[0], 10.0f);                                                       // -b v
  EXPECT_EQ(run.Fel[0], static_cast<float>(-static_cast<long double>(0.1f) * 600));  // -c x
  EXPECT_EQ(run.Fdr[0], static_cast<float>(12 * std::sin(30 / 57.3L)));              // H sin(phi / 57.3)
  EXPECT_NE(run.Fdr[0], static_cast<float>(12 * std::sin(30 * 3.14159265358979L / 180)));
}

TEST(OscillationModel, RunAtRestStaysAtRest) {
  OscillationParameters p = Nominal();
  p.ForceAmplitude = 0;
  p.Damping = 4;
  const OscillationRun run = ComputeMotion(p);
  ASSERT_EQ(run.RecordedCount, 1001);
  for (int i = 0; i < run.RecordedCount; ++i) {
    EXPECT_EQ(run.X[i], 0.0f);
    EXPECT_EQ(run.V[i], 0.0f);
    EXPECT_EQ(run.Fc[i], 0.0f);
    EXPECT_EQ(run.Fel[i], 0.0f);
    EXPECT_EQ(run.Fdr[i], 0.0f);
  }
  for (const viewer::ValueRange& range : run.Ranges) EXPECT_TRUE(range.IsZero());
}

// The closed form of the undamped resonance x'' + w^2 x = (H/m) sin(w t) from rest.
double Resonance(double t) {
  const double w = 4, hm = 1;
  return hm / (2 * w * w) * (std::sin(w * t) - w * t * std::cos(w * t));
}

// Largest deviation from the closed form over the samples of the first two seconds, every 0.25 s.
double ResonanceError(int stepExponent) {
  OscillationParameters p;
  p.CalcStep = std::ldexp(1.0f, -stepExponent);
  p.PrintStep = 0.25f;
  p.StopTime = 3;
  p.Mass = 1;
  p.Stiffness = 16;  // omega0 = 4 exactly, equal to the driving frequency
  p.ForceAmplitude = 1;
  p.ForceFrequency = 4;
  const OscillationRun run = ComputeMotion(p);
  EXPECT_EQ(RecordingInterval(p), 1LL << (stepExponent - 2));
  double worst = 0;
  for (int i = 1; i <= 8; ++i) worst = std::max(worst, std::fabs(run.X[i] - Resonance(0.25 * i)));
  return worst;
}

TEST(OscillationModel, FollowsTheResonanceSolutionWithFourthOrderConvergence) {
  const double coarse = ResonanceError(4), medium = ResonanceError(5), fine = ResonanceError(6);
  EXPECT_LT(fine, 2e-7);
  EXPECT_GT(coarse / medium, 12);
  EXPECT_LT(coarse / medium, 20);
  EXPECT_GT(medium / fine, 12);
  EXPECT_LT(medium / fine, 20);
}

TEST(OscillationModel, QuotientJustBelowAWholeNumberCountsAsIt) {
  OscillationParameters p = Nominal();
  p.CalcStep = 0.001f;
  ASSERT_LT(static_cast<double>(p.PrintStep) / p.CalcStep, 10);
  EXPECT_EQ(RecordingInterval(p), 10);

  // Sample i is the state after 10 i steps: the same as a run recording every step.
  OscillationParameters everyStep = p;
  everyStep.PrintStep = 0.001f;
  everyStep.StopTime = 1.5f;
  ASSERT_EQ(RecordingInterval(everyStep), 1);
  const OscillationRun run = ComputeMotion(p);
  const OscillationRun reference = ComputeMotion(everyStep);
  for (int i : {1, 2, 50, 100}) {
    EXPECT_EQ(run.X[i], reference.X[10 * i]) << i;
    EXPECT_EQ(run.V[i], reference.V[10 * i]) << i;
    EXPECT_EQ(run.Fdr[i], reference.Fdr[10 * i]) << i;
  }
}

TEST(OscillationModel, RunEndingShortOfItsSampleCountStopsPlaybackAtTheLastRecordedSample) {
  // The time reaches 10.00000047 after 10000 steps of 0.001 s, so sample 1000 never falls due.
  OscillationParameters p = Nominal();
  p.CalcStep = 0.001f;
  const OscillationRun run = ComputeMotion(p);
  EXPECT_EQ(run.SampleCount, 1000.0f);
  EXPECT_EQ(run.RecordedCount, 1000);
  EXPECT_EQ(run.LastFrame(), 999);
}

TEST(OscillationModel, RecordingStopsWhenTheSeriesAreFull) {
  // 0.015 / 0.01 gives one sample per step against a capacity sized for 0.015 s apart.
  OscillationParameters p = Nominal();
  p.PrintStep = 0.015f;
  ASSERT_EQ(RecordingInterval(p), 1);
  const OscillationRun run = ComputeMotion(p);
  EXPECT_EQ(run.X.capacity(), 766u);
  EXPECT_EQ(run.RecordedCount, 766);
  EXPECT_EQ(run.SampleCount, 666.0f);
  EXPECT_EQ(run.LastFrame(), 666);
}

TEST(OscillationModel, PrintStepBelowTheCalcStepRecordsBeforeEveryStep) {
  OscillationParameters p = Nominal();
  p.PrintStep = 0.005f;
  EXPECT_EQ(RecordingInterval(p), 0);
  const OscillationRun run = ComputeMotion(p);
  const OscillationRun everyStep = ComputeMotion(Nominal());
  // Sample 1 repeats the initial state; sample i is the state after i - 1 steps.
  EXPECT_EQ(run.X[1], run.X[0]);
  EXPECT_EQ(run.V[1], run.V[0]);
  EXPECT_EQ(run.Fdr[1], run.Fdr[0]);
  for (int i : {2, 3, 500, 1001}) {
    EXPECT_EQ(run.X[i], everyStep.X[i - 1]) << i;
    EXPECT_EQ(run.V[i], everyStep.V[i - 1]) << i;
  }
  EXPECT_EQ(run.SampleCount, 2000.0f);
  EXPECT_EQ(run.RecordedCount, 1002);  // 1001 steps, each preceded by a sample
  EXPECT_EQ(run.LastFrame(), 1001);
}

TEST(OscillationModel, SampleCountIsTakenFromTheSinglePrecisionQuotient) {
  OscillationParameters p = Nominal();
  p.PrintStep = 0.1f;  // lies above 0.1
  EXPECT_EQ(ComputeMotion(p).SampleCount, 99.0f);

  p = Nominal();
  p.StopTime = 0;
  const OscillationRun single = ComputeMotion(p);
  EXPECT_EQ(single.X.capacity(), 100u);
  EXPECT_EQ(single.RecordedCount, 1);
  EXPECT_EQ(single.LastFrame(), 0);
}

TEST(OscillationModel, RefusedParametersGiveAnEmptyRun) {
  OscillationParameters p = Nominal();
  p.CalcStep = 0;
  const OscillationRun run = ComputeMotion(p);
  EXPECT_TRUE(run.empty());
  EXPECT_EQ(run.X.capacity(), 0u);
  EXPECT_EQ(run.LastFrame(), 0);
}

TEST(OscillationRunLastFrame, IsTheSampleCountOrTheLastRecordedSample) {
  struct Case {
    float sampleCount;
    int recorded;
    int lastFrame;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1000, 1001, 1000}, Case{1000, 1000, 999}, Case{1000, 1200, 1000},
                        Case{99.0f, 1, 0}}) {
    OscillationRun run;
    run.SampleCount = c.sampleCount;
    run.RecordedCount = c.recorded;
    EXPECT_EQ(run.LastFrame(), c.lastFrame) << c.sampleCount << " " << c.recorded;
  }
}

struct CheckCase {
  const char* name;
  std::function<void(OscillationParameters&)> change;
  const char* message;  // nullptr: accepted
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const CheckCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class CheckParametersTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckParametersTest, NamesTheParameterAndWhatToDo) {
  OscillationParameters p = Nominal();
  GetParam().change(p);
  const auto refusal = CheckParameters(p);
  if (GetParam().message == nullptr) {
    EXPECT_FALSE(refusal) << *refusal;
  } else {
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, GetParam().message);
    EXPECT_TRUE(ComputeMotion(p).empty());
  }
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, CheckParametersTest,
    ::testing::Values(
        CheckCase{"Nominal", [](auto&) {}, nullptr},
        CheckCase{"ZeroCalcStep", [](auto& p) { p.CalcStep = 0; },
                  "Недопустимое значение параметра «Шаг расчета, с»: нужно положительное число."},
        CheckCase{"NegativePrintStep", [](auto& p) { p.PrintStep = -0.01f; },
                  "Недопустимое значение параметра «Шаг печати, с»: нужно положительное число."},
        CheckCase{"NaNPrintStep", [](auto& p) { p.PrintStep = kNaN; },
                  "Недопустимое значение параметра «Шаг печати, с»: нужно конечное число."},
        CheckCase{"NegativeStopTime", [](auto& p) { p.StopTime = -1; },
                  "Недопустимое значение параметра «Время остановки счета,с»: нужно неотрицательное число."},
        CheckCase{"ZeroStopTime", [](auto& p) { p.StopTime = 0; }, nullptr},
        CheckCase{"ZeroMass", [](auto& p) { p.Mass = 0; },
                  "Недопустимое значение параметра «Mасса точки,  кг»: нужно число, отличное от нуля."},
        CheckCase{"ZeroStiffness", [](auto& p) { p.Stiffness = 0; },
                  "Недопустимое значение параметра «Жесткость пружины, Н/м»: нужно число, отличное от нуля."},
        CheckCase{"FirstBadRowIsNamed",
                  [](auto& p) {
                    p.Stiffness = 0;
                    p.Mass = 0;
                  },
                  "Недопустимое значение параметра «Mасса точки,  кг»: нужно число, отличное от нуля."},
        CheckCase{
            "InfiniteGravity", [](auto& p) { p.Gravity = kInfinity; },
            "Недопустимое значение параметра «Ускорение свободного падения м/c^2»: нужно конечное число."},
        CheckCase{"InfiniteInitialSpeed", [](auto& p) { p.InitialV = -kInfinity; },
                  "Недопустимое значение параметра «Начальная скорость точки , м/c»: нужно конечное число."},
        CheckCase{"MassAndStiffnessOfOppositeSigns", [](auto& p) { p.Mass = -2; },
                  "Недопустимое сочетание параметров «Mасса точки,  кг» и «Жесткость пружины, Н/м»: "
                  "нужны числа одного знака."},
        CheckCase{"MassAndStiffnessBothNegative",
                  [](auto& p) {
                    p.Mass = -2;
                    p.Stiffness = -600;
                  },
                  nullptr},
        CheckCase{"NegativeDampingAndAngle",
                  [](auto& p) {
                    p.Damping = -1;
                    p.PlaneAngle = -30;
                  },
                  nullptr},
        CheckCase{"TooManySamples", [](auto& p) { p.PrintStep = 1e-5f; },
                  "Слишком длинный расчет: при таких шагах получится больше 1000000 точек. Увеличьте «Шаг "
                  "печати, с» или уменьшите «Время остановки счета,с»."},
        CheckCase{"CapacityAtTheLimit",
                  [](auto& p) {
                    p.CalcStep = 1;
                    p.PrintStep = 1;
                    p.StopTime = 999900;
                  },
                  nullptr},
        CheckCase{"CapacityOneAboveTheLimit",
                  [](auto& p) {
                    p.CalcStep = 1;
                    p.PrintStep = 1;
                    p.StopTime = 999901;
                  },
                  "Слишком длинный расчет: при таких шагах получится больше 1000000 точек. Увеличьте «Шаг "
                  "печати, с» или уменьшите «Время остановки счета,с»."},
        CheckCase{"TooManySteps", [](auto& p) { p.CalcStep = 1e-7f; },
                  "Слишком длинный расчет: при таком шаге получится больше 5000000 шагов интегрирования. "
                  "Увеличьте «Шаг расчета, с» или уменьшите «Время остановки счета,с»."},
        CheckCase{"HugeStopTime", [](auto& p) { p.StopTime = 3e38f; },
                  "Слишком длинный расчет: при таких шагах получится больше 1000000 точек. Увеличьте «Шаг "
                  "печати, с» или уменьшите «Время остановки счета,с»."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace oscilab
