#include "viewer/core/plot_geometry.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "viewer/core/pixel.h"

namespace viewer {

namespace {

// Intermediate arithmetic is carried in extended precision; values are rounded only where they are
// stored.
using Extended = long double;

// Grid rows start this far below the frame's top, whatever the value step.
constexpr int kFirstGridRow = 30;
// Time labels stand this far above the paint box's bottom edge.
constexpr int kTimeLabelRise = 12;
// With real steps the last time label has to start at least this far left of the frame's right edge.
constexpr int kTimeLabelRoom = 5;
// Markers stand this far above their sample's point.
constexpr int kMarkerRise = 15;
// The markers divide the span into about this many parts.
constexpr int kMarkerIntervals = 10;

int Trunc(Extended position) {
  return TruncatePixel(static_cast<double>(std::trunc(position)));
}

// Rounding to single precision without ever converting a value beyond the float range (undefined
// behaviour): such values become the infinity they would round to anyway.
float ToSingle(Extended value) {
  if (value > FLT_MAX) return std::numeric_limits<float>::infinity();
  if (value < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

float Advance(float position, double step) {
  return ToSingle(static_cast<Extended>(position) + step);
}

// length × (1 / divisions), held in double precision; 1 / 10 and 1 / 20 are the doubles 0.1 and 0.05.
double RealStep(int length, int divisions) {
  return static_cast<double>(static_cast<Extended>(length) * (1.0 / divisions));
}

// c_1 = first, c_(j+1) = c_j + step in whole pixels, while c_j < limit. A step that does not move
// forward (a paint box too small to divide) yields the first position alone.
std::vector<int> WholePixelPositions(long long first, long long step, Extended limit) {
  std::vector<int> positions;
  for (long long position = first; position < limit; position += step) {
    positions.push_back(static_cast<int>(position));
    if (step <= 0) break;
  }
  return positions;
}

// The same with a single-precision accumulator; each position is drawn at its truncation.
std::vector<int> SinglePrecisionPositions(float first, double step, Extended limit) {
  std::vector<int> positions;
  for (float position = first; position < limit;) {
    positions.push_back(Trunc(position));
    const float next = Advance(position, step);
    if (!(next > position)) break;
    position = next;
  }
  return positions;
}

}  // namespace

PlotGeometry::PlotGeometry(const PlotLayout& layout, int paintBoxWidth, int paintBoxHeight)
    : width(paintBoxWidth), height(paintBoxHeight) {
  const int margin = layout.sideMargin;
  const int plotWidth = width - 2 * margin;
  const int plotHeight = height - layout.bottomMargin;
  frame = {margin, 0, width - margin, plotHeight};
  timeLabelRow = height - kTimeLabelRise;

  const bool whole = layout.steps == StepKind::kWholePixels;
  if (whole) {
    ystep = plotHeight / layout.valueDivisions;
    xstep = plotWidth / layout.timeDivisions;
  } else {
    ystep = RealStep(plotHeight, layout.valueDivisions);
    xstep = RealStep(plotWidth, layout.timeDivisions);
  }

  // Each row is truncated before the next step is added, so a real step loses its fraction at every
  // row (34.1 gives 34, 68, 102, ...); the last row must leave a whole step above the frame's bottom.
  const Extended lastRowLimit = static_cast<Extended>(height) - ystep - layout.bottomMargin;
  for (int row = Trunc(ystep); row < lastRowLimit;) {
    valueLabelRows.push_back(row);
    const int next = Trunc(static_cast<Extended>(row) + ystep);
    if (next <= row) break;
    row = next;
  }

  if (whole) {
    const long long xs = static_cast<long long>(xstep);
    const long long ys = static_cast<long long>(ystep);
    timeLabelColumns = WholePixelPositions(xs, xs, static_cast<Extended>(width) - xs - 2 * margin);
    for (int& x : timeLabelColumns) x += margin;
    gridRows = WholePixelPositions(kFirstGridRow, ys, plotHeight);
    gridColumns = WholePixelPositions(margin, xs, width - margin);
  } else {
    timeLabelColumns = SinglePrecisionPositions(ToSingle(static_cast<Extended>(margin) + xstep), xstep,
                                                width - margin - kTimeLabelRoom);
    gridRows = SinglePrecisionPositions(kFirstGridRow, ystep, plotHeight);
    gridColumns = SinglePrecisionPositions(static_cast<float>(margin), xstep, width - margin);
  }
}

long double ValueLabelValue(const ValueRange& scale, int k) {
  const float step = ToSingle((static_cast<Extended>(scale.max) - scale.min) * 0.1);
  return static_cast<Extended>(scale.max) - static_cast<Extended>(k) * step;
}

std::vector<PlotLabel> ValueLabels(const PlotGeometry& geometry, const LabelColumn& column,
                                   const ValueRange& scale, const NumberSeparators& separators) {
  std::vector<PlotLabel> labels;
  const int x = LabelColumnX(column, geometry.width);
  int k = 1;
  for (const int y : geometry.valueLabelRows) {
    const NumberStyle& style = column.style;
    labels.push_back(
        {x, y,
         FloatToStrF(ValueLabelValue(scale, k++), style.format, style.precision, style.digits, separators)});
  }
  return labels;
}

long double TimeLabelValue(const PlotLayout& layout, long double timeSpan, int k) {
  return static_cast<Extended>(k) * timeSpan * (1.0 / layout.timeDivisions);
}

std::vector<PlotLabel> TimeLabels(const PlotLayout& layout, const PlotGeometry& geometry,
                                  long double timeSpan, const NumberSeparators& separators) {
  std::vector<PlotLabel> labels;
  const NumberStyle& style = layout.timeLabelStyle;
  int k = 1;
  for (const int x : geometry.timeLabelColumns) {
    labels.push_back({x, geometry.timeLabelRow,
                      FloatToStrF(TimeLabelValue(layout, timeSpan, k++), style.format, style.precision,
                                  style.digits, separators)});
  }
  return labels;
}

ValueToRow::ValueToRow(const PlotLayout& layout, int height, CurveScale scale)
    : height_(height),
      bottomMargin_(layout.bottomMargin),
      holdBelowScale_(layout.holdBelowScaleAtBottom),
      min_(scale.min) {
  const Extended factor =
      static_cast<Extended>(height - layout.bottomMargin) / (static_cast<Extended>(scale.max) - scale.min);
  degenerate_ = !std::isfinite(factor) || factor == 0 || std::fabs(factor) > FLT_MAX;
  if (!degenerate_) factor_ = static_cast<float>(factor);
  // A factor that does not vanish in single precision could still underflow to zero when rounded.
  if (factor_ == 0) degenerate_ = true;
}

int ValueToRow::Row(double value) const {
  if (degenerate_) return height_ - bottomMargin_;
  return height_ - Trunc((static_cast<Extended>(value) - min_) * factor_) - bottomMargin_;
}

int ValueToRow::CurveRow(double value) const {
  if (!holdBelowScale_ || degenerate_) return Row(value);
  // The distance above min is stored in single precision and tested as such; a NaN fails the test too.
  float distance = ToSingle(static_cast<Extended>(value) - min_);
  if (!(distance >= 0)) distance = 0;
  return height_ - Trunc(static_cast<Extended>(distance) * factor_) - bottomMargin_;
}

int ValueToRow::MarkerRow(double value) const {
  return Row(value) - kMarkerRise;
}

SampleColumns::SampleColumns(const PlotLayout& layout, int width, long double spanSamples)
    : position_(static_cast<float>(layout.sideMargin)),
      step_(static_cast<Extended>(width - 2 * layout.sideMargin) / spanSamples) {}

int SampleColumns::First() const {
  return Trunc(position_);
}

int SampleColumns::Next() {
  position_ = ToSingle(static_cast<Extended>(position_) + step_);
  return Trunc(position_);
}

double SeriesView::operator[](std::size_t index) const {
  if (index >= size_) return std::numeric_limits<double>::quiet_NaN();
  if (floats_ != nullptr) return floats_[index];
  if (doubles_ != nullptr) return doubles_[index];
  return sample_(index);
}

MarkerCounter::MarkerCounter(const PlotLayout& layout, long double spanSamples)
    : spacing_(layout.markerSpacing == MarkerSpacing::kRealQuotient
                   ? spanSamples / kMarkerIntervals
                   : std::trunc(std::trunc(spanSamples) / kMarkerIntervals)) {}

bool MarkerCounter::Step() {
  const bool marker = counter_ > spacing_;
  if (marker) counter_ = 0;
  ++counter_;
  return marker;
}

namespace {

// One past the last sample index a curve reaches: the samples i with i < n (a real span in oscilab)
// that were recorded. Computed once, so the sample loops compare integers only.
std::size_t SampleEnd(long double spanSamples, std::size_t recordedCount) {
  if (!(spanSamples > 0)) return std::min<std::size_t>(recordedCount, 1);
  const long double whole = std::ceil(spanSamples);
  if (whole >= static_cast<long double>(recordedCount)) return recordedCount;
  return static_cast<std::size_t>(whole);
}

}  // namespace

std::vector<std::size_t> MarkerSamples(const PlotLayout& layout, long double spanSamples,
                                       std::size_t recordedCount) {
  std::vector<std::size_t> samples;
  MarkerCounter counter(layout, spanSamples);
  for (std::size_t i = 1, end = SampleEnd(spanSamples, recordedCount); i < end; ++i) {
    if (counter.Step()) samples.push_back(i);
  }
  return samples;
}

std::vector<PlotPoint> CurvePoints(const PlotLayout& layout, int width, int height, CurveScale scale,
                                   long double spanSamples, const SeriesView& series) {
  std::vector<PlotPoint> points;
  if (series.size() == 0) return points;
  const ValueToRow rows(layout, height, scale);
  SampleColumns columns(layout, width, spanSamples);
  // The first sample is never held at the bottom edge.
  points.push_back({columns.First(), rows.Row(series[0])});
  for (std::size_t i = 1, end = SampleEnd(spanSamples, series.size()); i < end; ++i) {
    const int x = columns.Next();
    points.push_back({x, rows.CurveRow(series[i])});
  }
  return points;
}

std::vector<PlotPoint> MarkerPoints(const PlotLayout& layout, int width, int height, CurveScale scale,
                                    long double spanSamples, const SeriesView& series) {
  std::vector<PlotPoint> points;
  const ValueToRow rows(layout, height, scale);
  SampleColumns columns(layout, width, spanSamples);
  MarkerCounter counter(layout, spanSamples);
  for (std::size_t i = 1, end = SampleEnd(spanSamples, series.size()); i < end; ++i) {
    const int x = columns.Next();
    if (counter.Step()) points.push_back({x, rows.MarkerRow(series[i])});
  }
  return points;
}

}  // namespace viewer
