#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "oscilab/model/oscillation_model.h"
#include "ratio_reporter.h"
#include "viewer/core/plot_layout.h"
#include "viewer/graph/plot_painter.h"
#include "viewer/platform/application.h"

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

// The same classical fourth-order steps with the same arithmetic (extended intermediates rounded
// to double state, one sine per stage and per recorded sample), written out bare: no staging
// object, no series, no ranges. What ComputeMotion costs beyond this is its structure.
void BM_BareRungeKutta(benchmark::State& state) {
  using Extended = long double;
  const auto p = NominalParameters();
  const float bm = static_cast<float>(Extended{p.Damping} / p.Mass);
  const float omega0 = static_cast<float>(std::sqrt(static_cast<double>(Extended{p.Stiffness} / p.Mass)));
  const float hm = static_cast<float>(Extended{p.ForceAmplitude} / p.Mass);
  const Extended phase = p.ForcePhase * 0.017452006980802793186L;
  const double h = p.CalcStep;
  auto acceleration = [&](double t, double x, double v) {
    const Extended drive =
        Extended{hm} * std::sin(static_cast<double>(Extended{p.ForceFrequency} * t + phase));
    return static_cast<double>(drive + (-Extended{bm} * v - Extended{omega0} * omega0 * x));
  };
  float recorded[3] = {};
  for (auto _ : state) {
    double t = 0, x = p.InitialX, v = p.InitialV;
    for (int step = 0; step < 1001; ++step) {
      recorded[0] = static_cast<float>(x);
      recorded[1] = static_cast<float>(v);
      recorded[2] = static_cast<float>(std::sin(static_cast<double>(Extended{p.ForceFrequency} * t + phase)) *
                                       p.ForceAmplitude);
      benchmark::DoNotOptimize(recorded);
      const double k1x = static_cast<double>(Extended{v} * h);
      const double k1v = static_cast<double>(Extended{acceleration(t, x, v)} * h);
      const double k2x = static_cast<double>((v + Extended{k1v} / 2) * h);
      const double k2v = static_cast<double>(Extended{acceleration(t + h / 2, x + k1x / 2, v + k1v / 2)} * h);
      const double k3x = static_cast<double>((v + Extended{k2v} / 2) * h);
      const double k3v = static_cast<double>(Extended{acceleration(t + h / 2, x + k2x / 2, v + k2v / 2)} * h);
      const double k4x = static_cast<double>((v + Extended{k3v}) * h);
      const double k4v = static_cast<double>(Extended{acceleration(t + h, x + k3x, v + k3v)} * h);
      x = static_cast<double>(x + (Extended{k1x} + 2 * Extended{k2x} + 2 * Extended{k3x} + k4x) / 6);
      v = static_cast<double>(v + (Extended{k1v} + 2 * Extended{k2v} + 2 * Extended{k3v} + k4v) / 6);
      t += h;
    }
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_BareRungeKutta);

// One paint of the ship's graph at its worst: all nineteen curves of 1000 samples, with markers, on
// its 737 x 361 paint box, background included.
void BM_PaintShipGraph(benchmark::State& state) {
  constexpr int kWidth = 737, kHeight = 361, kCurves = 19;
  constexpr std::size_t kSamples = 1000;
  std::vector<std::vector<float>> series(kCurves, std::vector<float>(kSamples));
  std::vector<std::string> tags;
  viewer::ValueRange range{.max = -10000, .min = 10000};
  for (int curve = 0; curve < kCurves; ++curve) {
    tags.push_back(std::to_string(curve + 1));
    for (std::size_t i = 0; i < kSamples; ++i) {
      const double value = (curve + 1) * std::sin(0.01 * (curve + 3) * static_cast<double>(i));
      series[static_cast<std::size_t>(curve)][i] = static_cast<float>(value);
      range.Widen(value);
    }
  }
  std::vector<viewer::PlotCurve> curves;
  for (int curve = 0; curve < kCurves; ++curve) {
    curves.push_back({std::span<const float>(series[static_cast<std::size_t>(curve)]), range,
                      tags[static_cast<std::size_t>(curve)]});
  }
  const viewer::ValueRange columns[] = {range, range, range, range};
  const viewer::PlotPicture picture{columns, 100.0f, kSamples, curves, true};
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(viewer::ToQColor(viewer::clBtnFace));
    QPainter painter(&image);
    painter.setFont(viewer::WindowFont(11));
    viewer::PaintPlot(painter, viewer::kShipPlotLayout, kWidth, kHeight, picture);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintShipGraph)->Unit(benchmark::kMillisecond);

void PrintRatio(const RatioReporter& reporter, const char* label, const char* numerator,
                const char* denominator, const char* goal) {
  const auto top = reporter.secondsPerIteration.find(numerator);
  const auto bottom = reporter.secondsPerIteration.find(denominator);
  if (top == reporter.secondsPerIteration.end() || bottom == reporter.secondsPerIteration.end()) return;
  std::printf("%-55s %6.2f  (goal %s)\n", label, top->second / bottom->second, goal);
}

void PrintRatioToSeconds(const RatioReporter& reporter, const char* label, const char* benchmark,
                         double seconds, const char* goal) {
  const auto measured = reporter.secondsPerIteration.find(benchmark);
  if (measured == reporter.secondsPerIteration.end()) return;
  std::printf("%-55s %6.2f  (goal %s)\n", label, measured->second / seconds, goal);
}

}  // namespace

int main(int argc, char** argv) {
  // Text needs a GUI application even in an image; nothing here needs a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  PrintRatio(reporter, "ComputeMotion (nominal run) / bare RK4 loop", "BM_ComputeMotion", "BM_BareRungeKutta",
             "<= 2");
  PrintRatioToSeconds(reporter, "Ship graph paint (19 curves, markers) / 10 ms frame", "BM_PaintShipGraph",
                      0.010, "<= 0.2");
  benchmark::Shutdown();
  return 0;
}
