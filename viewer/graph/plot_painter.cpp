#include "viewer/graph/plot_painter.h"

#include "viewer/platform/locale_numbers.h"

namespace viewer {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void DrawLabels(Canvas& canvas, const std::vector<PlotLabel>& labels) {
  for (const PlotLabel& label : labels) canvas.TextOut(label.x, label.y, ToQString(label.text));
}

}  // namespace

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

void DrawAxes(Canvas& canvas, const PlotLayout& layout, std::span<const ValueRange> columnScales, int height,
              int width, long double timeSpan) {
  const PlotGeometry geometry(layout, width, height);
  const NumberSeparators separators = UserSeparators();

  canvas.SetPenWidth(1);
  canvas.SetPenColour(ToQColor(clGreen));
  canvas.SetBrushColour(ToQColor(clBlack));
  canvas.Rectangle(geometry.frame.left, geometry.frame.top, geometry.frame.right, geometry.frame.bottom);

  canvas.SetBrushColour(ToQColor(clBtnFace));
  canvas.SetFontColour(ToQColor(clRed));
  if (layout.valueLabelFontSize > 0) canvas.SetFontSize(layout.valueLabelFontSize);
  for (std::size_t column = 0; column < layout.labelColumns.size() && column < columnScales.size();
       ++column) {
    const LabelColumn& labelColumn = layout.labelColumns[column];
    canvas.SetFontColour(ToQColor(labelColumn.colour));
    DrawLabels(canvas, ValueLabels(geometry, labelColumn, columnScales[column], separators));
  }

  if (layout.timeLabelFontSize > 0) canvas.SetFontSize(layout.timeLabelFontSize);
  canvas.SetFontColour(ToQColor(layout.timeLabelColour));
  DrawLabels(canvas, TimeLabels(layout, geometry, timeSpan, separators));

  // The grid goes over the frame's black field, with the frame's pen.
  for (const int row : geometry.gridRows) {
    canvas.MoveTo(geometry.frame.left, row);
    canvas.LineTo(geometry.frame.right, row);
  }
  for (const int column : geometry.gridColumns) {
    canvas.MoveTo(column, geometry.frame.top);
    canvas.LineTo(column, geometry.frame.bottom);
  }
}

void DrawCurve(Canvas& canvas, const PlotLayout& layout, const SeriesView& series, double scaleMin,
               double scaleMax, int height, int width, std::string_view tag, long double spanSamples,
               bool markers) {
  const CurveScale scale(scaleMax, scaleMin);
  if (const auto colours = PaletteColours(layout, tag)) {
    canvas.SetPenColour(ToQColor(colours->pen));
    canvas.SetFontColour(ToQColor(colours->marker));
  }
  canvas.SetPenWidth(2);

  const std::vector<PlotPoint> points = CurvePoints(layout, width, height, scale, spanSamples, series);
  std::vector<QPoint> polyline;
  polyline.reserve(points.size());
  for (const PlotPoint& point : points) polyline.emplace_back(point.x, point.y);
  canvas.Polyline(polyline);

  if (!markers) return;
  canvas.SetBrushColour(ToQColor(clBlack));
  const QString text = ToQString(tag);
  for (const PlotPoint& point : MarkerPoints(layout, width, height, scale, spanSamples, series)) {
    canvas.TextOut(point.x, point.y, text);
  }
  canvas.SetBrushColour(ToQColor(clBtnFace));
}

void PaintPlot(QPainter& painter, const PlotLayout& layout, int width, int height,
               const PlotPicture& picture) {
  // Small labels in pure colours on a flat face, as on a desktop canvas: smoothing would blur the
  // digits into the background and the markers into their black boxes.
  QFont font = painter.font();
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  Canvas canvas(painter);
  DrawAxes(canvas, layout, picture.columnScales, height, width, picture.timeSpan);
  for (const PlotCurve& curve : picture.curves) {
    DrawCurve(canvas, layout, curve.series, curve.scale.min, curve.scale.max, height, width, curve.tag,
              picture.spanSamples, picture.markers);
  }
}

}  // namespace viewer
