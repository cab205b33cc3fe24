#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "oscilab/model/oscillation_model.h"
#include "ratio_reporter.h"

namespace {

oscilab::OscillationParameters NominalParameters() {
  return {0.01f, 0.01f, 10, 2, 0, 600, 12, 17.3205f, 0, 30, 9.8f, 0.4f, 0, 0};
}

void BM_ComputeMotion(benchmark::State& state) {
  const auto parameters = NominalParameters();
  for (auto _ : state) {
    auto run = oscilab::ComputeMotion(parameters);
    benchmark::DoNotOptimize(run.X.data());
  }
}
BENCHMARK(BM_ComputeMotion);

// The same classical fourth-order steps written out bare: no staging object, no recording.
void BM_BareRungeKutta(benchmark::State& state) {
  const auto p = NominalParameters();
  const double bm = p.Damping / p.Mass, w0 = std::sqrt(p.Stiffness / p.Mass), hm = p.ForceAmplitude / p.Mass;
  const double phase = p.ForcePhase / 57.3, h = p.CalcStep;
  auto acceleration = [&](double t, double x, double v) {
    return hm * std::sin(p.ForceFrequency * t + phase) + (-bm * v - w0 * w0 * x);
  };
  for (auto _ : state) {
    double t = 0, x = 0, v = 0;
    for (int step = 0; step < 1001; ++step) {
      const double k1x = v * h, k1v = acceleration(t, x, v) * h;
      const double k2x = (v + k1v / 2) * h, k2v = acceleration(t + h / 2, x + k1x / 2, v + k1v / 2) * h;
      const double k3x = (v + k2v / 2) * h, k3v = acceleration(t + h / 2, x + k2x / 2, v + k2v / 2) * h;
      const double k4x = (v + k3v) * h, k4v = acceleration(t + h, x + k3x, v + k3v) * h;
      x += (k1x + 2 * k2x + 2 * k3x + k4x) / 6;
      v += (k1v + 2 * k2v + 2 * k3v + k4v) / 6;
      t += h;
    }
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_BareRungeKutta);

void PrintRatio(const RatioReporter& reporter, const char* label, const char* numerator,
                const char* denominator, const char* goal) {
  const auto top = reporter.secondsPerIteration.find(numerator);
  const auto bottom = reporter.secondsPerIteration.find(denominator);
  if (top == reporter.secondsPerIteration.end() || bottom == reporter.secondsPerIteration.end()) return;
  std::printf("%-55s %6.2f  (goal %s)\n", label, top->second / bottom->second, goal);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  PrintRatio(reporter, "ComputeMotion (nominal run) / bare RK4 loop", "BM_ComputeMotion", "BM_BareRungeKutta",
             "<= 2");
  benchmark::Shutdown();
  return 0;
}
