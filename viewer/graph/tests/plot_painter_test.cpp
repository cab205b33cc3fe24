#include "viewer/graph/plot_painter.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "viewer/platform/application.h"

namespace viewer {
namespace {

QFont SerifFont11() {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(11);
  return font;
}

// A paint box's picture: the window's background under whatever the plot draws.
QImage Paint(const PlotLayout& layout, int width, int height, const PlotPicture& picture,
             const QFont& font = WindowFont(11)) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQColor(clBtnFace));
  QPainter painter(&image);
  painter.setFont(font);
  PaintPlot(painter, layout, width, height, picture);
  return image;
}

// Whether the colour appears in the rectangle (clipped to the image).
bool Contains(const QImage& image, QRect area, Rgb colour) {
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) == ToQColor(colour)) return true;
  return false;
}

// Markers are drawn after their polyline and hide it under their boxes.
bool UnderAMarker(PlotPoint point, const std::vector<PlotPoint>& markers) {
  for (const PlotPoint& marker : markers) {
    if (point.x >= marker.x - 2 && point.x <= marker.x + 16 && point.y >= marker.y - 2 &&
        point.y <= marker.y + 18)
      return true;
  }
  return false;
}

// A two-pixel line covers its points or their immediate neighbours.
bool LineAt(const QImage& image, PlotPoint point, Rgb colour) {
  return Contains(image, QRect(point.x - 1, point.y - 1, 3, 3), colour);
}

QColor At(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}

struct AxesCase {
  const char* name;
  const PlotLayout* layout;
  int width;
  int height;
  bool serif;
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const AxesCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class AxesPicture : public testing::TestWithParam<AxesCase> {};

TEST_P(AxesPicture, FrameGridAndLabelsStandWhereTheGeometryPutsThem) {
  const AxesCase& c = GetParam();
  const PlotLayout& layout = *c.layout;
  const std::vector<ValueRange> scales(layout.labelColumns.size(), ValueRange{.max = 5, .min = -5});
  const QImage image = Paint(layout, c.width, c.height, {scales, 10, 1000, {}, false},
                             c.serif ? SerifFont11() : WindowFont(11));
  const PlotGeometry geometry(layout, c.width, c.height);
  const PlotRect frame = geometry.frame;
  const QColor green = ToQColor(clGreen), black = ToQColor(clBlack), face = ToQColor(clBtnFace);

  // A one-pixel green border around a black field; the background stays outside it.
  for (const int y : {10, 20, frame.bottom - 5}) {
    EXPECT_EQ(At(image, frame.left, y), green) << y;
    EXPECT_EQ(At(image, frame.right - 1, y), green) << y;
    EXPECT_EQ(At(image, frame.right, y), face) << y;
  }
  for (const int x : {frame.left + 5, frame.right - 5}) {
    EXPECT_EQ(At(image, x, 0), green) << x;
    EXPECT_EQ(At(image, x, frame.bottom - 1), green) << x;
    EXPECT_EQ(At(image, x, frame.bottom), face) << x;
  }
  EXPECT_EQ(At(image, frame.left + 3, 15), black);

  // Grid rows and columns where the geometry computes them, ending on the border, never past it.
  for (const int row : geometry.gridRows) {
    EXPECT_EQ(At(image, frame.left + 3, row), green) << "row " << row;
    EXPECT_EQ(At(image, frame.left + 3, row + 1), black) << "row " << row;
    EXPECT_EQ(At(image, frame.right, row), face) << "row " << row;
  }
  for (const int column : geometry.gridColumns) {
    EXPECT_EQ(At(image, column, 15), green) << "column " << column;
    if (column + 2 < frame.right - 1) {
      EXPECT_EQ(At(image, column + 2, 15), black) << "column " << column;
    }
    EXPECT_EQ(At(image, column, frame.bottom), face) << "column " << column;
  }

  // Every label on the button face, in its column's colour; the time labels in the layout's colour.
  for (const LabelColumn& column : layout.labelColumns) {
    const int x = LabelColumnX(column, c.width);
    for (const int y : geometry.valueLabelRows) {
      EXPECT_TRUE(Contains(image, QRect(x, y, 22, 11), column.colour)) << x << ", " << y;
      EXPECT_TRUE(Contains(image, QRect(x, y, 22, 11), clBtnFace)) << x << ", " << y;
    }
  }
  for (const int x : geometry.timeLabelColumns) {
    EXPECT_TRUE(Contains(image, QRect(x, geometry.timeLabelRow, 14, 11), layout.timeLabelColour)) << x;
  }
  EXPECT_FALSE(Contains(image, QRect(0, 0, c.width, c.height), clYellow)) << "no curve was asked for";
}

INSTANTIATE_TEST_SUITE_P(PaintBoxes, AxesPicture,
                         testing::Values(AxesCase{"Oscilab", &kOscilabPlotLayout, 669, 361, false},
                                         AxesCase{"Motor", &kMotorPlotLayout, 669, 361, true},
                                         AxesCase{"Ship", &kShipPlotLayout, 737, 361, false}),
                         [](const testing::TestParamInfo<AxesCase>& info) {
                           return std::string(info.param.name);
                         });

// n = 10 s over the single-precision 0.01 s.
const long double kOscilabFullSpan = 10.0L / 0.01f;

std::vector<float> Sine(std::size_t count, double amplitude, double periods) {
  std::vector<float> samples(count);
  for (std::size_t i = 0; i < count; ++i)
    samples[i] =
        static_cast<float>(amplitude * std::sin(periods * 2 * M_PI * static_cast<double>(i) / count));
  return samples;
}

TEST(CurvePicture, OscilabCurvesFollowTheirPathsInTheirColours) {
  const std::vector<float> x = Sine(1001, 0.5, 3), v = Sine(1001, 6, 2);
  const ValueRange coordinate{.max = 0.5f, .min = -0.5f}, velocity{.max = 6, .min = -6};
  const ValueRange columns[] = {coordinate, velocity};
  const PlotCurve curves[] = {{std::span(x), coordinate, "1"}, {std::span(v), velocity, "2"}};
  const QImage image = Paint(kOscilabPlotLayout, 669, 361, {columns, 10, kOscilabFullSpan, curves, false});

  const auto xPoints = CurvePoints(kOscilabPlotLayout, 669, 361, coordinate, kOscilabFullSpan, std::span(x));
  const auto vPoints = CurvePoints(kOscilabPlotLayout, 669, 361, velocity, kOscilabFullSpan, std::span(v));
  ASSERT_EQ(vPoints.size(), 1001u);
  // The velocity, drawn last, lies on top all along its path.
  for (const PlotPoint& point : vPoints)
    ASSERT_TRUE(LineAt(image, point, clRed)) << point.x << ", " << point.y;
  int yellowSeen = 0;
  for (const PlotPoint& point : xPoints) yellowSeen += LineAt(image, point, clYellow) ? 1 : 0;
  EXPECT_GT(yellowSeen, 950);
  // The polyline reaches the frame's right edge with the last sample.
  EXPECT_EQ(vPoints.back().x, 639);
}

TEST(CurvePicture, OscilabHoldsSamplesBelowAFixedScaleOnTheBottomEdgeWithMarkersBelowTheFrame) {
  // Stretches a little below the fixed coordinate scale (-1.1), with stretches inside it (0.5).
  std::vector<float> x(1001);
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = (i / 100) % 2 == 0 ? -1.1f : 0.5f;
  const ValueRange fixed = kOscilabPlotLayout.fixedScales[0];
  const ValueRange columns[] = {fixed, kOscilabPlotLayout.fixedScales[1]};
  const PlotCurve curves[] = {{std::span(x), fixed, "1"}};
  const QImage image = Paint(kOscilabPlotLayout, 669, 361, {columns, 10, kOscilabFullSpan, curves, true});

  const auto points = CurvePoints(kOscilabPlotLayout, 669, 361, fixed, kOscilabFullSpan, std::span(x));
  const auto markers = MarkerPoints(kOscilabPlotLayout, 669, 361, fixed, kOscilabFullSpan, std::span(x));
  ASSERT_EQ(markers.size(), 9u);
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (x[i] > -1) continue;
    ASSERT_EQ(points[i].y, 341) << i;
    if (!UnderAMarker(points[i], markers)) {
      EXPECT_TRUE(LineAt(image, points[i], clYellow)) << i;
    }
  }
  // The markers of held samples stand 15 pixels above where the sample would fall, below the frame:
  // black boxes with the tag in yellow.
  int markersBelowTheFrame = 0;
  for (const PlotPoint& marker : markers) {
    if (marker.y <= 341) continue;
    ++markersBelowTheFrame;
    EXPECT_EQ(marker.y, 361 - 20 + 17 - 15);
    EXPECT_EQ(At(image, marker.x, marker.y), ToQColor(clBlack)) << marker.x;
    EXPECT_TRUE(Contains(image, QRect(marker.x, marker.y, 8, 13), clYellow)) << marker.x;
  }
  EXPECT_GE(markersBelowTheFrame, 4);
  // Apart from those, no yellow below the bottom edge: the line itself never goes there.
  for (int column = 31; column < 638; ++column) {
    if (UnderAMarker({column, 345}, markers)) continue;
    ASSERT_FALSE(Contains(image, QRect(column, 343, 1, 18), clYellow)) << column;
  }
}

TEST(CurvePicture, MotorDrawsBelowTheFrameAndItsSpeedCurveHasGreenMarkers) {
  std::vector<double> low(999, -0.05), speed(999);
  for (std::size_t i = 0; i < speed.size(); ++i) speed[i] = 20 * std::sin(static_cast<double>(i) / 100);
  const ValueRange x{.max = 2, .min = 0}, speedScale = kMotorPlotLayout.fixedScales[4];
  const ValueRange columns[] = {x, x, kMotorPlotLayout.fixedScales[2], kMotorPlotLayout.fixedScales[3]};
  const PlotCurve curves[] = {{std::span(low), x, "1"}, {std::span(speed), speedScale, "5"}};
  const QImage image = Paint(kMotorPlotLayout, 669, 361, {columns, 1.0f, 999, curves, true}, SerifFont11());

  // X = -0.05 on a scale {2, 0} lies 8 pixels below the frame, over the time labels: drawn there, not
  // held at the edge.
  const auto lowPoints = CurvePoints(kMotorPlotLayout, 669, 361, x, 999, std::span(low));
  EXPECT_EQ(lowPoints[500].y, 361 - 20 + 8);
  const auto speedPoints = CurvePoints(kMotorPlotLayout, 669, 361, speedScale, 999, std::span(speed));
  const auto markers = MarkerPoints(kMotorPlotLayout, 669, 361, speedScale, 999, std::span(speed));
  for (std::size_t i = 0; i < speedPoints.size(); i += 7) {
    if (!UnderAMarker(speedPoints[i], markers)) {
      ASSERT_TRUE(LineAt(image, speedPoints[i], clNavy)) << i;
    }
  }
  for (std::size_t i = 0; i < lowPoints.size(); i += 7)
    ASSERT_TRUE(LineAt(image, lowPoints[i], clYellow)) << i;
  ASSERT_EQ(markers.size(), 9u);
  for (const PlotPoint& marker : markers) {
    EXPECT_EQ(At(image, marker.x, marker.y), ToQColor(clBlack));
    EXPECT_TRUE(Contains(image, QRect(marker.x, marker.y, 8, 13), clGreen)) << marker.x;
  }
}

TEST(CurvePicture, ShipDrawsNineteenCurvesInTheirTagsColoursInOrder) {
  const ValueRange scale{.max = 20, .min = 0};
  const ValueRange columns[] = {scale, scale, scale, scale};
  std::vector<std::vector<float>> series;
  std::vector<PlotCurve> curves;
  std::vector<std::string> tags;
  for (int tag = 1; tag <= 19; ++tag) tags.push_back(std::to_string(tag));
  // Curves 1 to 16 each at a level of their own; the last three on curve 1's level, so they cover it.
  for (int tag = 1; tag <= 19; ++tag)
    series.emplace_back(1000, tag <= 16 ? 0.5f + static_cast<float>(tag) : 1.5f);
  for (int tag = 1; tag <= 19; ++tag) {
    curves.push_back({std::span(series[static_cast<std::size_t>(tag - 1)]), scale,
                      tags[static_cast<std::size_t>(tag - 1)]});
  }
  const QImage image = Paint(kShipPlotLayout, 737, 361, {columns, 100.0f, 1000, curves, true});

  for (int tag = 2; tag <= 16; ++tag) {
    const auto points =
        CurvePoints(kShipPlotLayout, 737, 361, scale, 1000, curves[static_cast<std::size_t>(tag - 1)].series);
    const Rgb pen = PaletteColours(kShipPlotLayout, tags[static_cast<std::size_t>(tag - 1)])->pen;
    EXPECT_TRUE(LineAt(image, points[20], pen)) << tag;
    EXPECT_TRUE(LineAt(image, points[600], pen)) << tag;
  }
  const auto shared = CurvePoints(kShipPlotLayout, 737, 361, scale, 1000, curves[0].series);
  const Rgb pink{250, 100, 200};
  EXPECT_TRUE(LineAt(image, shared[20], pink));
  EXPECT_FALSE(LineAt(image, shared[20], clYellow));
  // The last curve's markers read 19 in pink on black, nine of them.
  const auto markers = MarkerPoints(kShipPlotLayout, 737, 361, scale, 1000, curves[18].series);
  ASSERT_EQ(markers.size(), 9u);
  for (const PlotPoint& marker : markers) {
    EXPECT_EQ(At(image, marker.x, marker.y), ToQColor(clBlack));
    EXPECT_TRUE(Contains(image, QRect(marker.x, marker.y, 14, 13), pink));
  }
}

TEST(CurvePicture, AScaleWithoutExtentDrawsAlongTheBottomEdge) {
  const std::vector<float> zeros(1001, 0.0f);
  const ValueRange flat{.max = 0, .min = 0};
  const ValueRange columns[] = {flat, flat};
  const PlotCurve curves[] = {{std::span(zeros), flat, "1"}};
  const QImage image = Paint(kOscilabPlotLayout, 669, 361, {columns, 10, kOscilabFullSpan, curves, true});
  for (const int x : {31, 200, 400, 637}) EXPECT_TRUE(LineAt(image, {x, 341}, clYellow)) << x;
  // Its markers stand 15 pixels above the edge; nothing else of it shows higher up.
  EXPECT_TRUE(Contains(image, QRect(31, 326, 600, 13), clYellow));
  EXPECT_FALSE(Contains(image, QRect(31, 0, 600, 325), clYellow));
}

TEST(CurvePicture, PolylineStepsOfEveryShapeLeaveNoGapAndStayOnTheirPath) {
  // Steep steps one column across, straight up and down, flat steps one row apart, and long diagonals
  // (a short span stretches samples far apart).
  const std::vector<QPoint> points = {{20, 20}, {21, 80}, {21, 50},  {22, 51},  {70, 52},
                                      {90, 90}, {91, 30}, {130, 31}, {150, 10}, {150, 12}};
  QImage image(200, 120, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetPenColour(ToQColor(clYellow));
    canvas.SetPenWidth(2);
    canvas.Polyline(points);
  }
  for (std::size_t i = 1; i < points.size(); ++i) {
    const QPoint a = points[i - 1], b = points[i];
    const QRect around = QRect(a, b).normalized().adjusted(-2, -2, 2, 2);
    // Walk the ideal segment: every point of it has the line within a pixel.
    const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int k = 0; k <= steps; ++k) {
      const int x = a.x() + (b.x() - a.x()) * k / steps, y = a.y() + (b.y() - a.y()) * k / steps;
      ASSERT_TRUE(LineAt(image, {x, y}, clYellow)) << "step " << i << " at " << x << ", " << y;
    }
    EXPECT_TRUE(Contains(image, around, clYellow));
  }
  // Nothing lies outside the band of the path.
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != ToQColor(clYellow)) continue;
      bool nearPath = false;
      for (std::size_t i = 1; i < points.size() && !nearPath; ++i) {
        nearPath = QRect(points[i - 1], points[i]).normalized().adjusted(-2, -2, 2, 2).contains(x, y);
      }
      ASSERT_TRUE(nearPath) << x << ", " << y;
    }
  }
}

TEST(CurvePicture, MarkersLeaveTheBrushAtTheButtonFace) {
  QImage image(669, 361, QImage::Format_RGB32);
  QPainter painter(&image);
  Canvas canvas(painter);
  const std::vector<float> samples(1001, 0.25f);
  const ValueRange scales[] = {{1, -1}, {1, -1}};
  DrawAxes(canvas, kOscilabPlotLayout, scales, 361, 669, 10);
  DrawCurve(canvas, kOscilabPlotLayout, std::span(samples), -1, 1, 361, 669, "2", kOscilabFullSpan, true);
  EXPECT_EQ(canvas.BrushColour(), ToQColor(clBtnFace));
}

}  // namespace
}  // namespace viewer
