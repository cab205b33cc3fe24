#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Console output as usual, plus the mean time per iteration of every benchmark by name, so that
// main can print ratios between them.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations > 0 && run.run_type == Run::RT_Iteration)
        secondsPerIteration[run.benchmark_name()] = run.real_accumulated_time / run.iterations;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> secondsPerIteration;
};
