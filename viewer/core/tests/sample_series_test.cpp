#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "viewer/core/data_file_path.h"
#include "viewer/core/pixel.h"
#include "viewer/core/sample_series.h"

namespace viewer {
namespace {

TEST(ValueRangeTest, WidensOnlyByStrictlyLargerOrSmallerSamples) {
  ValueRange range;
  range.Widen(0.5);
  range.Widen(-0.25);
  EXPECT_EQ(range.max, 0.5f);
  EXPECT_EQ(range.min, -0.25f);
  range.Widen(0.5);
  range.Widen(-0.25);
  range.Widen(0.1);
  EXPECT_EQ(range.max, 0.5f);
  EXPECT_EQ(range.min, -0.25f);
}

TEST(ValueRangeTest, ZeroResetMeansTheRangeAlwaysHoldsZero) {
  ValueRange range;
  range.Reset(0, 0);
  range.Widen(3);
  range.Widen(7);
  EXPECT_EQ(range.min, 0.0f);
  EXPECT_EQ(range.max, 7.0f);
}

TEST(ValueRangeTest, WideResetGivesTheExactExtentAfterOneSample) {
  ValueRange range;
  range.Reset(-10000, 10000);
  range.Widen(2.5);
  EXPECT_EQ(range.max, 2.5f);
  EXPECT_EQ(range.min, 2.5f);
}

TEST(ValueRangeTest, NaNPoisonsMaxButNotMin) {
  ValueRange range;
  range.Widen(-1);
  range.Widen(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(range.min, -1.0f);
  EXPECT_TRUE(std::isnan(range.max));
}

TEST(ValueRangeTest, ComparesAtFullPrecisionAndStoresSinglePrecision) {
  ValueRange range;
  range.Reset(1.0f, 0);
  // Above 1 in double precision, yet 1 once rounded to single precision.
  range.Widen(1.0 + 1e-12);
  EXPECT_EQ(range.max, 1.0f);
}

TEST(SampleSeriesTest, HoldsItsCapacityOfZeroedElements) {
  SampleSeries<float> series(1100);
  EXPECT_EQ(series.capacity(), 1100u);
  EXPECT_EQ(series[1099], 0.0f);
  series.set(1099, 2.5f);
  EXPECT_EQ(series[1099], 2.5f);
  EXPECT_TRUE(SampleSeries<double>().empty());
}

TEST(DataFilePathTest, TakesTheExecutablesDirectory) {
  EXPECT_EQ(DataFilePath("C:\\sim\\x.exe", "oscilab.dat"), "C:\\sim\\oscilab.dat");
  EXPECT_EQ(DataFilePath("/opt/mechsim/bin/oscilab", "oscilab.dat"), "/opt/mechsim/bin/oscilab.dat");
  EXPECT_EQ(DataFilePath("oscilab", "oscilab.dat"), "oscilab.dat");
}

TEST(TruncatePixelTest, TruncatesTowardZeroAndKeepsWildValuesFarAway) {
  EXPECT_EQ(TruncatePixel(12.9), 12);
  EXPECT_EQ(TruncatePixel(-12.9), -12);
  EXPECT_LT(TruncatePixel(std::numeric_limits<double>::quiet_NaN()), -1'000'000);
  EXPECT_GT(TruncatePixel(1e300), 1'000'000);
  EXPECT_LT(TruncatePixel(-std::numeric_limits<double>::infinity()), -1'000'000);
}

}  // namespace
}  // namespace viewer
