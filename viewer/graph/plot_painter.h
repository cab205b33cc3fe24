#pragma once

#include <QColor>
#include <QPainter>
#include <span>
#include <string_view>

#include "viewer/core/plot_geometry.h"
#include "viewer/core/plot_layout.h"
#include "viewer/platform/canvas.h"

// The drawing half of the plot engine: walks the positions that PlotGeometry and the curve routines
// compute with the canvas's pen, brush and font. Paints through any QPainter, a window's or an image's.

namespace viewer {

QColor ToQColor(Rgb colour);

// Frame, value labels, time labels and grid, in that order. `columnScales` holds the scale of each of
// the layout's label columns, in column order; `timeSpan` is the seconds the time axis covers.
// Leaves the brush at clBtnFace and the font (colour and, where the layout sets it, size) as the
// curves' markers expect it.
void DrawAxes(Canvas& canvas, const PlotLayout& layout, std::span<const ValueRange> columnScales, int height,
              int width, long double timeSpan);

// One series as a polyline of width 2 in its tag's colour over `spanSamples` steps of the frame's width,
// then, when `markers` is set, its tag every tenth of the span on a black background. Expects DrawAxes
// to have run first on the same canvas; restores the brush to clBtnFace after the markers.
void DrawCurve(Canvas& canvas, const PlotLayout& layout, const SeriesView& series, double scaleMin,
               double scaleMax, int height, int width, std::string_view tag, long double spanSamples,
               bool markers);

struct PlotCurve {
  SeriesView series;
  CurveScale scale;
  std::string_view tag;
};

// What one paint of a graph shows.
struct PlotPicture {
  std::span<const ValueRange> columnScales;  // one per label column
  long double timeSpan = 0;                  // seconds across the frame
  long double spanSamples = 0;               // samples across the frame
  std::span<const PlotCurve> curves;         // in drawing order
  bool markers = false;
};

// A whole paint on a box of width × height: the axes once, then every curve in order. The box's
// background (clBtnFace) is the device's; it is not filled here.
void PaintPlot(QPainter& painter, const PlotLayout& layout, int width, int height,
               const PlotPicture& picture);

}  // namespace viewer
