#include "viewer/core/plot_geometry.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "viewer/core/plot_layout.h"
#include "viewer/core/sample_series.h"

namespace viewer {
namespace {

const NumberSeparators kPoint{".", ","};

std::vector<int> Steps(int first, int step, int count) {
  std::vector<int> values;
  for (int k = 0; k < count; ++k) values.push_back(first + k * step);
  return values;
}

std::vector<std::string> Texts(const std::vector<PlotLabel>& labels) {
  std::vector<std::string> texts;
  for (const PlotLabel& label : labels) texts.push_back(label.text);
  return texts;
}

std::vector<int> Columns(const std::vector<PlotLabel>& labels) {
  std::vector<int> xs;
  for (const PlotLabel& label : labels) xs.push_back(label.x);
  return xs;
}

// The paint boxes of the three graph windows.
struct GeometryCase {
  const char* name;
  const PlotLayout* layout;
  int width;
  int height;
  PlotRect frame;
  double ystep;
  double xstep;
  std::vector<int> valueLabelRows;
  std::vector<int> timeLabelColumns;
  std::vector<int> gridRows;
  std::vector<int> gridColumns;
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const GeometryCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class PlotGeometryTest : public testing::TestWithParam<GeometryCase> {};

TEST_P(PlotGeometryTest, PlacesFrameLabelsAndGrid) {
  const GeometryCase& c = GetParam();
  const PlotGeometry geometry(*c.layout, c.width, c.height);
  EXPECT_EQ(geometry.frame, c.frame);
  EXPECT_EQ(geometry.ystep, c.ystep);
  EXPECT_EQ(geometry.xstep, c.xstep);
  EXPECT_EQ(geometry.valueLabelRows, c.valueLabelRows);
  EXPECT_EQ(geometry.timeLabelColumns, c.timeLabelColumns);
  EXPECT_EQ(geometry.timeLabelRow, c.height - 12);
  EXPECT_EQ(geometry.gridRows, c.gridRows);
  EXPECT_EQ(geometry.gridColumns, c.gridColumns);
}

// The motor and ship grid rows advance by 34.1 in single precision: 30, 64.1, 98.2, ... 336.9.
const std::vector<int> kRealGridRows = {30, 64, 98, 132, 166, 200, 234, 268, 302, 336};

INSTANTIATE_TEST_SUITE_P(
    PaintBoxes, PlotGeometryTest,
    testing::Values(
        GeometryCase{"Oscilab",
                     &kOscilabPlotLayout,
                     669,
                     361,
                     {30, 0, 639, 341},
                     34,
                     30,
                     Steps(34, 34, 9),
                     Steps(60, 30, 19),
                     Steps(30, 34, 10),
                     Steps(30, 30, 21)},
        // A last grid column near the frame's right edge (60 + 10 × 54.9 = 609 here, 60 + 20 × 30.85 = 677
        // in ship) exists or not as the single-precision sum falls: here it reaches 609 and is left out.
        GeometryCase{"Motor",
                     &kMotorPlotLayout,
                     669,
                     361,
                     {60, 0, 609, 341},
                     (361 - 20) * 0.1,
                     (669 - 120) * 0.1,
                     Steps(34, 34, 9),
                     {114, 169, 224, 279, 334, 389, 444, 499, 554},
                     kRealGridRows,
                     {60, 114, 169, 224, 279, 334, 389, 444, 499, 554}},
        // Here the sum stays just below 677, so a last column is drawn one pixel inside the border.
        GeometryCase{
            "Ship",
            &kShipPlotLayout,
            737,
            361,
            {60, 0, 677, 341},
            (361 - 20) * 0.1,
            (737 - 120) * 0.05,
            Steps(34, 34, 9),
            {90, 121, 152, 183, 214, 245, 275, 306, 337, 368, 399, 430, 461, 491, 522, 553, 584, 615, 646},
            kRealGridRows,
            {60,  90,  121, 152, 183, 214, 245, 275, 306, 337, 368,
             399, 430, 461, 491, 522, 553, 584, 615, 646, 676}}),
    [](const testing::TestParamInfo<GeometryCase>& info) { return std::string(info.param.name); });

TEST(PlotGeometryTest, PaintBoxesTooSmallToDivideStillGiveAFiniteLayout) {
  // A whole-pixel step of 0 or a real step below a pixel must not make any row or column repeat forever.
  for (const PlotLayout* layout : {&kOscilabPlotLayout, &kMotorPlotLayout, &kShipPlotLayout}) {
    for (const auto& [width, height] : {std::pair{70, 25}, {125, 22}, {0, 0}, {-50, -50}, {61, 10000}}) {
      const PlotGeometry geometry(*layout, width, height);
      for (const std::vector<int>* positions : {&geometry.valueLabelRows, &geometry.timeLabelColumns,
                                                &geometry.gridRows, &geometry.gridColumns}) {
        EXPECT_LE(positions->size(), 100u) << width << " x " << height;
      }
    }
  }
}

TEST(LabelColumnTest, ColumnsStandAtTheirOffsetsFromEitherEdge) {
  const auto xs = [](const PlotLayout& layout, int width) {
    std::vector<int> result;
    for (const LabelColumn& column : layout.labelColumns) result.push_back(LabelColumnX(column, width));
    return result;
  };
  EXPECT_EQ(xs(kOscilabPlotLayout, 669), (std::vector<int>{0, 639}));
  EXPECT_EQ(xs(kMotorPlotLayout, 669), (std::vector<int>{0, 35, 609, 639}));
  EXPECT_EQ(xs(kShipPlotLayout, 737), (std::vector<int>{0, 30, 677, 707}));
}

struct ValueLabelCase {
  const char* name;
  const PlotLayout* layout;
  int column;
  ValueRange scale;
  std::vector<std::string> texts;
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const ValueLabelCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class ValueLabelTest : public testing::TestWithParam<ValueLabelCase> {};

TEST_P(ValueLabelTest, LabelsTenthsOfTheScaleBelowItsMax) {
  const ValueLabelCase& c = GetParam();
  const PlotGeometry geometry(*c.layout, 669, 361);
  const LabelColumn& column = c.layout->labelColumns[static_cast<std::size_t>(c.column)];
  const std::vector<PlotLabel> labels = ValueLabels(geometry, column, c.scale, kPoint);
  EXPECT_EQ(Texts(labels), c.texts);
  for (std::size_t k = 0; k < labels.size(); ++k) {
    EXPECT_EQ(labels[k].x, LabelColumnX(column, 669));
    EXPECT_EQ(labels[k].y, geometry.valueLabelRows[k]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    FixedScales, ValueLabelTest,
    testing::Values(
        // The single-precision tenth 0.2 lies above 0.2, so the middle row is a tiny negative number.
        ValueLabelCase{"OscilabCoordinate",
                       &kOscilabPlotLayout,
                       0,
                       kOscilabPlotLayout.fixedScales[0],
                       {"0.80", "0.60", "0.40", "0.20", "0.00", "-0.20", "-0.40", "-0.60", "-0.80"}},
        ValueLabelCase{"OscilabVelocity",
                       &kOscilabPlotLayout,
                       1,
                       kOscilabPlotLayout.fixedScales[1],
                       {"8.00", "6.00", "4.00", "2.00", "0.00", "-2.00", "-4.00", "-6.00", "-8.00"}},
        ValueLabelCase{"MotorX",
                       &kMotorPlotLayout,
                       0,
                       kMotorPlotLayout.fixedScales[0],
                       {"1.8", "1.6", "1.4", "1.2", "1", "0.8", "0.6", "0.4", "0.2"}},
        ValueLabelCase{"MotorVelocity",
                       &kMotorPlotLayout,
                       2,
                       kMotorPlotLayout.fixedScales[2],
                       {"20.5", "16", "11.5", "7", "2.5", "-2", "-6.5", "-11", "-15.5"}},
        // Four-digit values in a column of precision 2 are written in scientific notation.
        ValueLabelCase{"MotorReaction",
                       &kMotorPlotLayout,
                       3,
                       kMotorPlotLayout.fixedScales[3],
                       {"4E+0003", "3E+0003", "2E+0003", "1E+0003", "0", "-1E+0003", "-2E+0003", "-3E+0003",
                        "-4E+0003"}}),
    [](const testing::TestParamInfo<ValueLabelCase>& info) { return std::string(info.param.name); });

TEST(ValueLabelTest, TenthIsHeldInSinglePrecision) {
  const ValueRange scale{.max = 1, .min = -1};
  EXPECT_EQ(ValueLabelValue(scale, 5), 1.0L - 5.0L * 0.2f);
  EXPECT_NE(ValueLabelValue(scale, 5), 0.0L);
}

TEST(TimeLabelTest, LabelsMultiplesOfTheSpanOverTheTimeDivisions) {
  const PlotGeometry oscilab(kOscilabPlotLayout, 669, 361);
  const std::vector<PlotLabel> oscilabLabels = TimeLabels(kOscilabPlotLayout, oscilab, 10, kPoint);
  EXPECT_EQ(Columns(oscilabLabels), Steps(60, 30, 19));
  EXPECT_EQ(Texts(oscilabLabels),
            (std::vector<std::string>{"0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5", "5.5", "6",
                                      "6.5", "7", "7.5", "8", "8.5", "9", "9.5"}));
  for (const PlotLabel& label : oscilabLabels) EXPECT_EQ(label.y, 349);

  const PlotGeometry motor(kMotorPlotLayout, 669, 361);
  EXPECT_EQ(Texts(TimeLabels(kMotorPlotLayout, motor, 1.0f, kPoint)),
            (std::vector<std::string>{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}));

  const PlotGeometry ship(kShipPlotLayout, 737, 361);
  const std::vector<PlotLabel> shipLabels = TimeLabels(kShipPlotLayout, ship, 100.0f, kPoint);
  EXPECT_EQ(Columns(shipLabels), ship.timeLabelColumns);
  EXPECT_EQ(Texts(shipLabels),
            (std::vector<std::string>{"5", "10", "15", "20", "25", "30", "35", "40", "45", "50", "55", "60",
                                      "65", "70", "75", "80", "85", "90", "95"}));
}

TEST(TimeLabelTest, ZeroSpanLabelsEveryPositionZero) {
  const PlotGeometry geometry(kOscilabPlotLayout, 669, 361);
  EXPECT_EQ(Texts(TimeLabels(kOscilabPlotLayout, geometry, 0, kPoint)), std::vector<std::string>(19, "0"));
}

TEST(TimeLabelTest, UsesTheLocaleSeparator) {
  const PlotGeometry geometry(kOscilabPlotLayout, 669, 361);
  EXPECT_EQ(TimeLabels(kOscilabPlotLayout, geometry, 10, {",", "\u00a0"})[0].text, "0,5");
}

// n = 10 s over the single-precision 0.01 s: a little above 1000.
const long double kOscilabFullSpan = 10.0L / 0.01f;

struct MarkerCase {
  const char* name;
  const PlotLayout* layout;
  long double spanSamples;
  std::size_t recorded;
  std::vector<std::size_t> samples;
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const MarkerCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class MarkerSampleTest : public testing::TestWithParam<MarkerCase> {};

TEST_P(MarkerSampleTest, MarkersFallEveryKPlusOneSamplesFromSampleOne) {
  const MarkerCase& c = GetParam();
  EXPECT_EQ(MarkerSamples(*c.layout, c.spanSamples, c.recorded), c.samples);
}

std::vector<std::size_t> Every(std::size_t first, std::size_t step, std::size_t count) {
  std::vector<std::size_t> values;
  for (std::size_t k = 0; k < count; ++k) values.push_back(first + k * step);
  return values;
}

INSTANTIATE_TEST_SUITE_P(
    Spans, MarkerSampleTest,
    testing::Values(
        MarkerCase{"Ship", &kShipPlotLayout, 1000, 1000, Every(102, 101, 9)},
        MarkerCase{"MotorOneSecond", &kMotorPlotLayout, 999, 999, Every(101, 100, 9)},
        // K is the real quotient 100.000002, so the counter must reach 101 as in ship.
        MarkerCase{"OscilabFullSpan", &kOscilabPlotLayout, kOscilabFullSpan, 1001, Every(102, 101, 9)},
        // The same whole n gives K = 100 exactly in oscilab but 99 in motor (999 div 10).
        MarkerCase{"OscilabWholeSpan", &kOscilabPlotLayout, 999, 1001, Every(101, 100, 9)},
        MarkerCase{"OscilabShortSpan", &kOscilabPlotLayout, 10, 1001, {3, 5, 7, 9}},
        MarkerCase{"StopsAtRecordedSamples", &kShipPlotLayout, 1000, 500, Every(102, 101, 4)},
        MarkerCase{"ZeroSpan", &kOscilabPlotLayout, 0, 1001, {}},
        MarkerCase{"NaNSpan", &kOscilabPlotLayout, std::numeric_limits<long double>::quiet_NaN(), 1001, {}}),
    [](const testing::TestParamInfo<MarkerCase>& info) { return std::string(info.param.name); });

TEST(ValueToRowTest, ScaleEndsFallOnTheFrameEdges) {
  const ValueToRow rows(kMotorPlotLayout, 361, ValueRange{.max = 25, .min = -20});
  EXPECT_EQ(rows.Row(25), 0);
  EXPECT_EQ(rows.Row(-20), 341);
  // s = 341 / 45 in single precision; 2.5 lies 22.5 above min: trunc(170.5) = 170.
  EXPECT_EQ(rows.factor(), static_cast<float>(341.0L / 45));
  EXPECT_EQ(rows.Row(2.5), 361 - 170 - 20);
}

TEST(CurveTest, OscilabFullSpanRunsThroughEverySampleToTheRightEdge) {
  SampleSeries<float> series(1100);
  const std::vector<PlotPoint> points =
      CurvePoints(kOscilabPlotLayout, 669, 361, ValueRange{.max = 1, .min = -1}, kOscilabFullSpan,
                  SeriesView(series, 1001));
  ASSERT_EQ(points.size(), 1001u);
  EXPECT_EQ(points.front(), (PlotPoint{30, 171}));
  EXPECT_EQ(points.back().x, 639);
  for (std::size_t i = 1; i < points.size(); ++i) {
    EXPECT_GE(points[i].x, points[i - 1].x);
    EXPECT_LE(points[i].x, points[i - 1].x + 1);
  }
}

TEST(CurveTest, MotorSamplesSpreadOverTheFrameWidth) {
  std::vector<double> samples(999, 1.0);
  const std::vector<PlotPoint> points =
      CurvePoints(kMotorPlotLayout, 669, 361, ValueRange{.max = 2, .min = 0}, 999, std::span(samples));
  ASSERT_EQ(points.size(), 999u);
  EXPECT_EQ(points.front(), (PlotPoint{60, 171}));
  // Sample 500 lies at about 60 + 500 × 549 / 999 = 334.8.
  EXPECT_EQ(points[500].x, 334);
  EXPECT_EQ(points.back().x, 608);
}

// Samples around a fixed coordinate scale {1, -1} (s = 170.5): below it, not a number, inside it, above it.
const std::vector<float> kAroundTheScale = {-2, -2, 0.5f, std::numeric_limits<float>::quiet_NaN(), -1.5f, 2};

TEST(CurveTest, OscilabHoldsSamplesBelowTheScaleAtTheBottomEdgeButNotSampleZero) {
  const std::vector<PlotPoint> points =
      CurvePoints(kOscilabPlotLayout, 669, 361, ValueRange{.max = 1, .min = -1}, kOscilabFullSpan,
                  std::span(kAroundTheScale));
  std::vector<int> ys;
  for (const PlotPoint& point : points) ys.push_back(point.y);
  EXPECT_EQ(ys, (std::vector<int>{511, 341, 86, 341, 341, -170}));
}

TEST(CurveTest, MotorDrawsSamplesBelowTheScaleWhereTheyFall) {
  const std::vector<double> samples(kAroundTheScale.begin(), kAroundTheScale.end());
  const std::vector<PlotPoint> points =
      CurvePoints(kMotorPlotLayout, 669, 361, ValueRange{.max = 1, .min = -1}, 999, std::span(samples));
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points[1].y, 511);
  EXPECT_EQ(points[2].y, 86);
  EXPECT_EQ(points[4].y, 426);
  EXPECT_EQ(points[5].y, -170);
  // A sample that is not a number lands far outside the paint box instead of faulting.
  EXPECT_TRUE(points[3].y > 100000 || points[3].y < -100000);
}

TEST(CurveTest, MarkersStandFifteenPixelsAboveTheUnlimitedPoint) {
  // n = 10 puts markers on samples 3, 5, 7, 9; every sample lies below the scale.
  const std::vector<float> samples(10, -2);
  const ValueRange scale{.max = 1, .min = -1};
  const std::vector<PlotPoint> curve =
      CurvePoints(kOscilabPlotLayout, 669, 361, scale, 10, std::span(samples));
  const std::vector<PlotPoint> markers =
      MarkerPoints(kOscilabPlotLayout, 669, 361, scale, 10, std::span(samples));
  ASSERT_EQ(markers.size(), 4u);
  for (std::size_t m = 0; m < markers.size(); ++m) {
    const std::size_t sample = 3 + 2 * m;
    EXPECT_EQ(curve[sample].y, 341);
    EXPECT_EQ(markers[m], (PlotPoint{curve[sample].x, 511 - 15}));
  }
}

TEST(CurveTest, ZeroOrInvalidSpanDrawsNoSegment) {
  const std::vector<float> samples(1001, 0.5f);
  const ValueRange scale{.max = 1, .min = -1};
  for (const long double span : {0.0L, -3.0L, std::numeric_limits<long double>::quiet_NaN()}) {
    const auto points = CurvePoints(kOscilabPlotLayout, 669, 361, scale, span, std::span(samples));
    ASSERT_EQ(points.size(), 1u) << static_cast<double>(span);
    EXPECT_EQ(points[0], (PlotPoint{30, 86}));
    EXPECT_TRUE(MarkerPoints(kOscilabPlotLayout, 669, 361, scale, span, std::span(samples)).empty());
  }
  EXPECT_TRUE(CurvePoints(kOscilabPlotLayout, 669, 361, scale, 10, std::span<const float>()).empty());
}

TEST(CurveTest, NeverReadsPastTheRecordedSamples) {
  std::size_t highest = 0;
  const SeriesView series(
      [&highest](std::size_t index) {
        highest = std::max(highest, index);
        return 0.25;
      },
      500);
  const ValueRange scale{.max = 1, .min = -1};
  // A span longer than the run: the curve stops with the data, its columns still spread for the span.
  EXPECT_EQ(CurvePoints(kOscilabPlotLayout, 669, 361, scale, kOscilabFullSpan, series).size(), 500u);
  EXPECT_EQ(MarkerPoints(kOscilabPlotLayout, 669, 361, scale, kOscilabFullSpan, series).size(), 4u);
  EXPECT_EQ(highest, 499u);
}

TEST(CurveTest, SeriesViewOfASampleSeriesStopsAtItsCapacity) {
  SampleSeries<double> series(100);
  EXPECT_EQ(SeriesView(series, 1000).size(), 100u);
  EXPECT_EQ(SeriesView(series, 40).size(), 40u);
}

TEST(CurveTest, ScaleWithoutAFiniteFactorDrawsAlongTheBottomEdge) {
  const std::vector<float> samples = {0, 0, 3, -3, 0, 0, 0, 0, 0, 0};
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float infinity = std::numeric_limits<float>::infinity();
  for (const PlotLayout* layout : {&kOscilabPlotLayout, &kMotorPlotLayout}) {
    for (const ValueRange scale :
         {ValueRange{.max = 0, .min = 0}, ValueRange{.max = 5, .min = 5}, ValueRange{.max = nan, .min = 0},
          ValueRange{.max = infinity, .min = 0}, ValueRange{.max = 1, .min = -infinity}}) {
      const ValueToRow rows(*layout, 361, scale);
      EXPECT_TRUE(rows.degenerate()) << scale.max << ", " << scale.min;
      const auto curve = CurvePoints(*layout, 669, 361, scale, 10, std::span(samples));
      ASSERT_EQ(curve.size(), 10u);
      for (const PlotPoint& point : curve) EXPECT_EQ(point.y, 341);
      for (const PlotPoint& point : MarkerPoints(*layout, 669, 361, scale, 10, std::span(samples))) {
        EXPECT_EQ(point.y, 326);
      }
    }
  }
}

TEST(PaletteTest, TagsSelectTheirProgramsColours) {
  EXPECT_EQ(PaletteColours(kOscilabPlotLayout, "1")->pen, clYellow);
  EXPECT_EQ(PaletteColours(kOscilabPlotLayout, "2")->pen, clRed);
  // The motor speed curve is the one whose markers differ from its pen.
  const CurveColours speed = *PaletteColours(kMotorPlotLayout, "5");
  EXPECT_EQ(speed.pen, clNavy);
  EXPECT_EQ(speed.marker, clGreen);
  EXPECT_EQ(PaletteColours(kMotorPlotLayout, "4")->pen, clWhite);
  EXPECT_EQ(PaletteColours(kShipPlotLayout, "9")->pen, clOlive);
  const CurveColours pink = *PaletteColours(kShipPlotLayout, "19");
  EXPECT_EQ(pink.pen, (Rgb{250, 100, 200}));
  EXPECT_EQ(pink.marker, pink.pen);
}

TEST(PaletteTest, TagsOutsideThePaletteGiveNoColours) {
  for (const char* tag : {"0", "3", "-1", "", "1a", " 1"}) {
    EXPECT_FALSE(PaletteColours(kOscilabPlotLayout, tag).has_value()) << '"' << tag << '"';
  }
  EXPECT_FALSE(PaletteColours(kMotorPlotLayout, "8").has_value());
  EXPECT_FALSE(PaletteColours(kShipPlotLayout, "20").has_value());
}

TEST(PlotLayoutTest, OnlyShipLacksFixedScales) {
  EXPECT_TRUE(kOscilabPlotLayout.HasFixedScales());
  EXPECT_TRUE(kMotorPlotLayout.HasFixedScales());
  EXPECT_FALSE(kShipPlotLayout.HasFixedScales());
  ASSERT_EQ(kMotorPlotLayout.fixedScales.size(), 5u);
  EXPECT_EQ(kMotorPlotLayout.fixedScales[4].max, 30);
  EXPECT_EQ(kMotorPlotLayout.fixedScales[4].min, -30);
}

}  // namespace
}  // namespace viewer
