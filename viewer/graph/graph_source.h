#pragma once

#include <string_view>

#include "viewer/core/plot_geometry.h"
#include "viewer/core/sample_series.h"

namespace viewer {

// What a graph window reads of its program's run, at every paint and in place: the main window owns
// the run, and a new run after new parameters must show at the next opening without anything copied.
class GraphSource {
 public:
  virtual ~GraphSource() = default;

  // The recorded samples of the series the curve table names; an unknown name gives no samples.
  virtual SeriesView Series(std::string_view name) const = 0;
  // The main window's range behind scale `index`, in the program's scale order.
  virtual ValueRange Range(int index) const = 0;
  // Seconds the run covers: the stop time in oscilab, the run duration in motor and ship.
  virtual float RunTime() const = 0;
  // Seconds between two samples; turns a span typed into the time edit into samples.
  virtual float SampleSpacing() const = 0;
  // Samples of the whole run, which divide the frame's width where the span is always the whole run.
  virtual int SampleCount() const = 0;
};

}  // namespace viewer
