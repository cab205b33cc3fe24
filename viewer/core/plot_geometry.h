#pragma once

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <functional>
#include <ranges>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "viewer/core/number_format.h"
#include "viewer/core/plot_layout.h"
#include "viewer/core/sample_series.h"

// Where everything of a time graph falls on a paint box of W × H pixels. Only arithmetic lives here:
// a painter walks the results with its own pen, brush and font.
//
// Precision is part of the picture. Real steps are doubles; running positions that the graphs keep in
// single precision are floats, advanced by sums formed in extended precision and rounded to single
// precision when stored; every pixel is the truncation toward zero of its position.

namespace viewer {

struct PlotPoint {
  int x = 0;
  int y = 0;

  friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// Corners of a rectangle; right and bottom are exclusive, as the canvas's Rectangle takes them.
struct PlotRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  friend bool operator==(const PlotRect&, const PlotRect&) = default;
};

// A text to draw with its top-left corner at (x, y).
struct PlotLabel {
  int x = 0;
  int y = 0;
  std::string text;

  friend bool operator==(const PlotLabel&, const PlotLabel&) = default;
};

// Positions of the frame, grid and labels; the curves come separately.
struct PlotGeometry {
  PlotGeometry(const PlotLayout& layout, int width, int height);

  int width = 0;
  int height = 0;
  PlotRect frame;
  double ystep = 0;                   // the value step, pixels
  double xstep = 0;                   // the time step, pixels
  std::vector<int> valueLabelRows;    // y of value label k = 1, 2, ... of every column
  std::vector<int> timeLabelColumns;  // x of time label k = 1, 2, ...
  int timeLabelRow = 0;               // y of every time label
  std::vector<int> gridRows;          // each drawn from frame.left to frame.right
  std::vector<int> gridColumns;       // each drawn from frame.top to frame.bottom
};

// Value label k (k >= 1) of a column on `scale`: k tenths of the scale below its max, the tenth held
// in single precision.
long double ValueLabelValue(const ValueRange& scale, int k);

// One label per value-label row of the geometry, at the column's x.
std::vector<PlotLabel> ValueLabels(const PlotGeometry& geometry, const LabelColumn& column,
                                   const ValueRange& scale, const NumberSeparators& separators);

// Time label k (k >= 1) for a time axis of `timeSpan` seconds: k × timeSpan / D.
long double TimeLabelValue(const PlotLayout& layout, long double timeSpan, int k);

// One label per time-label position of the geometry.
std::vector<PlotLabel> TimeLabels(const PlotLayout& layout, const PlotGeometry& geometry,
                                  long double timeSpan, const NumberSeparators& separators);

// The ends of a curve's scale, widened to double precision.
struct CurveScale {
  // Implicit: a range is widened as it is passed.
  CurveScale(const ValueRange& range) : max(range.max), min(range.min) {}
  CurveScale(double scaleMax, double scaleMin) : max(scaleMax), min(scaleMin) {}

  double max;
  double min;
};

// Value to pixel row on a scale {max, min}: with s = (H - bottom) / (max - min) held as a float,
// y(v) = H - trunc((v - min) × s) - bottom, so that max falls on the frame's top edge and min on its
// bottom edge.
//
// A scale that gives no finite, non-zero factor (max == min, as for a series that stays at 0, or an end
// that is infinite or not a number) maps every value onto the bottom edge, where the scale's min lies:
// the curve is still drawn, flat, and nothing downstream ever sees an infinite or NaN position.
class ValueToRow {
 public:
  ValueToRow(const PlotLayout& layout, int height, CurveScale scale);

  bool degenerate() const { return degenerate_; }
  float factor() const { return factor_; }

  // Where the value falls, above or below the frame included.
  int Row(double value) const;
  // Where a curve sample is drawn: held at the bottom edge when below the scale (or not a number) in
  // layouts that hold it, otherwise Row(value).
  int CurveRow(double value) const;
  // The top of a marker's text: 15 pixels above Row(value), never held.
  int MarkerRow(double value) const;

 private:
  int height_;
  int bottomMargin_;
  bool holdBelowScale_;
  double min_;
  float factor_ = 0;
  bool degenerate_ = false;
};

// Column of sample i for a span of n samples: a float accumulator x_0 = M, x_i = x_(i-1) + (W - 2M) / n.
class SampleColumns {
 public:
  SampleColumns(const PlotLayout& layout, int width, long double spanSamples);

  int First() const;  // sample 0
  int Next();         // sample 1, 2, ... on successive calls

 private:
  float position_;
  long double step_;
};

template <typename Samples>
concept ContiguousSamples = std::ranges::contiguous_range<Samples> && std::ranges::sized_range<Samples> &&
    (std::same_as<std::ranges::range_value_t<Samples>, float> ||
     std::same_as<std::ranges::range_value_t<Samples>, double>);

// A curve's samples, read in place. The curve routines read only indices below size(); any other index
// reads as not a number.
class SeriesView {
 public:
  // Every sample of a contiguous run of floats or doubles (a span, a vector, an array).
  template <ContiguousSamples Samples>
  SeriesView(const Samples& samples)  // implicit, like a span
      : size_(std::ranges::size(samples)) {
    if constexpr (std::same_as<std::ranges::range_value_t<Samples>, float>) {
      floats_ = std::ranges::data(samples);
    } else {
      doubles_ = std::ranges::data(samples);
    }
  }
  // The first recordedCount samples of a series (no more than it holds).
  template <typename Element>
  SeriesView(const SampleSeries<Element>& series, std::size_t recordedCount)
      : SeriesView(std::span<const Element>(series.data(), std::min(recordedCount, series.capacity()))) {}
  SeriesView(std::function<double(std::size_t)> sample, std::size_t recordedCount)
      : sample_(std::move(sample)), size_(recordedCount) {}

  std::size_t size() const { return size_; }
  double operator[](std::size_t index) const;

 private:
  const float* floats_ = nullptr;
  const double* doubles_ = nullptr;
  std::function<double(std::size_t)> sample_;
  std::size_t size_ = 0;
};

// Counts the samples 1, 2, ... of a curve and tells which carry a marker: the counter starts at 0 on
// sample 1, a marker falls where it exceeds K = n / 10, and it restarts after each marker.
class MarkerCounter {
 public:
  MarkerCounter(const PlotLayout& layout, long double spanSamples);

  // Call once per sample, from sample 1 on.
  bool Step();

 private:
  long double spacing_;
  unsigned long long counter_ = 0;
};

// The samples, below both n and the recorded count, that carry a marker.
std::vector<std::size_t> MarkerSamples(const PlotLayout& layout, long double spanSamples,
                                       std::size_t recordedCount);

// The polyline of a curve: sample 0 at the frame's left edge, then one point per sample i while
// i < spanSamples (n, the number of column steps across the frame's width) and i < series.size(). An
// empty series gives no point; a span of 0 (or less, or not a number) gives the starting point alone,
// which draws no segment.
std::vector<PlotPoint> CurvePoints(const PlotLayout& layout, int width, int height, CurveScale scale,
                                   long double spanSamples, const SeriesView& series);

// The top-left corners of a curve's marker texts, one per marker sample, 15 pixels above the
// sample's unlimited point.
std::vector<PlotPoint> MarkerPoints(const PlotLayout& layout, int width, int height, CurveScale scale,
                                    long double spanSamples, const SeriesView& series);

}  // namespace viewer
