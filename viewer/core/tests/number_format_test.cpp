#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "viewer/core/number_format.h"

namespace viewer {
namespace {

const NumberSeparators kPointComma{".", ","};
const NumberSeparators kRussian{",", "\u00a0"};

// The same text as written with the Russian separators.
std::string InRussian(const std::string& text) {
  std::string russian;
  for (char c : text) {
    if (c == '.') {
      russian += ',';
    } else if (c == ',') {
      russian += "\u00a0";
    } else {
      russian += c;
    }
  }
  return russian;
}

// Value label k of a graph column: max - k * step with the step held in single precision.
long double ScaleLabel(float max, float min, int k) {
  const float step = static_cast<float>((max - min) * 0.1);
  return max - k * static_cast<long double>(step);
}

struct FormatCase {
  const char* name;
  long double value;
  FloatFormat format;
  int precision;
  int digits;
  std::string expected;  // with "." and ","
};

void PrintTo(const FormatCase& row, std::ostream* os) {
  *os << row.name;
}

class FloatToStrFTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FloatToStrFTest, WritesTheExpectedText) {
  const FormatCase& row = GetParam();
  EXPECT_EQ(FloatToStrF(row.value, row.format, row.precision, row.digits, kPointComma), row.expected);
}

TEST_P(FloatToStrFTest, UsesTheRussianSeparators) {
  const FormatCase& row = GetParam();
  EXPECT_EQ(FloatToStrF(row.value, row.format, row.precision, row.digits, kRussian), InRussian(row.expected));
}

const long double kNan = std::numeric_limits<long double>::quiet_NaN();
const long double kInf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    General, FloatToStrFTest,
    testing::Values(FormatCase{"Quarter", 0.25, ffGeneral, 3, 0, "0.25"},
                    FormatCase{"OneAndAHalf", 1.5, ffGeneral, 3, 0, "1.5"},
                    FormatCase{"FourSignificantDigits", 0.012346, ffGeneral, 4, 0, "0.01235"},
                    FormatCase{"FiveSignificantDigits", 0.012346, ffGeneral, 5, 0, "0.012346"},
                    FormatCase{"SixSignificantDigits", 17.32050807, ffGeneral, 6, 0, "17.3205"},
                    FormatCase{"TrailingZerosOfTheIntegerKept", 1200, ffGeneral, 5, 0, "1200"},
                    FormatCase{"NoThousandsSeparators", 12345.678, ffGeneral, 8, 0, "12345.678"},
                    FormatCase{"Zero", 0, ffGeneral, 5, 2, "0"},
                    FormatCase{"NegativeZero", -0.0L, ffGeneral, 5, 2, "0"},
                    FormatCase{"Negative", -1.5, ffGeneral, 5, 2, "-1.5"},
                    FormatCase{"HalfRoundsAwayFromZero", 2.5, ffGeneral, 1, 0, "3"},
                    FormatCase{"NegativeHalfRoundsAwayFromZero", -2.5, ffGeneral, 1, 0, "-3"},
                    FormatCase{"EighteenDigitsOfADouble", 0.1, ffGeneral, 18, 0, "0.100000000000000006"},
                    FormatCase{"PrecisionHeldToEighteen", 0.1, ffGeneral, 25, 0, "0.100000000000000006"},
                    FormatCase{"PrecisionHeldToOne", 0.25, ffGeneral, 0, 0, "0.3"},
                    FormatCase{"AllDigitsBeforeTheSeparator", 99999, ffGeneral, 5, 0, "99999"},
                    FormatCase{"CarryBeyondThePrecision", 99999.5, ffGeneral, 5, 0, "1E+5"},
                    FormatCase{"TooManyIntegerDigits", 123456, ffGeneral, 5, 0, "1.2346E+5"},
                    FormatCase{"TenToTheMinusFiveIsStillFixed", 1e-5, ffGeneral, 5, 0, "0.00001"},
                    FormatCase{"RoundsUpToTenToTheMinusFive", 9.999999e-6, ffGeneral, 5, 0, "0.00001"},
                    FormatCase{"BelowTenToTheMinusFive", 9.9999e-6, ffGeneral, 5, 0, "9.9999E-6"},
                    FormatCase{"Micro", 1e-6, ffGeneral, 5, 0, "1E-6"},
                    FormatCase{"NegativeMicroWithTwoExponentDigits", -1e-6, ffGeneral, 5, 2, "-1E-06"},
                    FormatCase{"FourExponentDigits", 4000, ffGeneral, 2, 4, "4E+0003"},
                    FormatCase{"ExponentDigitsHeldToFour", 4000, ffGeneral, 2, 9, "4E+0003"},
                    FormatCase{"ExponentDigitsHeldToZero", 4000, ffGeneral, 2, -3, "4E+3"},
                    FormatCase{"ExponentLongerThanItsDigits", 1.5e300, ffGeneral, 3, 2, "1.5E+300"},
                    FormatCase{"NotANumber", kNan, ffGeneral, 5, 0, "NAN"},
                    FormatCase{"Infinity", kInf, ffGeneral, 5, 0, "INF"},
                    FormatCase{"NegativeInfinity", -kInf, ffGeneral, 5, 0, "-INF"},
                    // Time labels of the graphs: k * T * 0.05 (T 10 s and 100 s) and k * T * 0.1 (T 1 s).
                    FormatCase{"TimeLabelHalfSecond", 1 * 10 * 0.05L, ffGeneral, 3, 5, "0.5"},
                    FormatCase{"TimeLabelNineAndAHalf", 19 * 10 * 0.05L, ffGeneral, 3, 5, "9.5"},
                    FormatCase{"TimeLabelNinetyFive", 19 * 100 * 0.05L, ffGeneral, 3, 5, "95"},
                    FormatCase{"TimeLabelTenthOfASecond", 3 * 1 * 0.1L, ffGeneral, 3, 3, "0.3"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Number, FloatToStrFTest,
    testing::Values(
        FormatCase{"ZerosAdded", 0.5, ffNumber, 3, 2, "0.50"},
        FormatCase{"RoundedAtThePrecision", 2.26, ffNumber, 2, 2, "2.30"},
        FormatCase{"RoundedOnlyOnce", 2.249, ffNumber, 2, 2, "2.20"},
        FormatCase{"RoundedAtTheDecimals", 1234.5678, ffNumber, 5, 2, "1,234.60"},
        FormatCase{"Grouped", 12345.678, ffNumber, 5, 2, "12,346.00"},
        FormatCase{"ThreeDigitsUngrouped", 100, ffNumber, 5, 2, "100.00"},
        FormatCase{"FourDigitsGrouped", 1000, ffNumber, 5, 2, "1,000.00"},
        FormatCase{"SixDigitsOneSeparator", 100000, ffNumber, 9, 0, "100,000"},
        FormatCase{"SevenDigitsTwoSeparators", 1234567.89, ffNumber, 9, 2, "1,234,567.89"},
        FormatCase{"NegativeGrouped", -1234.5, ffNumber, 5, 1, "-1,234.5"},
        FormatCase{"NoDecimals", 2.5, ffNumber, 5, 0, "3"},
        FormatCase{"CarryIntoANewGroup", 999.999, ffNumber, 5, 2, "1,000.00"},
        FormatCase{"TooManyIntegerDigits", 123456, ffNumber, 5, 2, "1.2346E+05"},
        FormatCase{"CarryBeyondThePrecision", 99999.5, ffNumber, 5, 2, "1E+05"},
        FormatCase{"NegativeCarryBeyondThePrecision", -99999.5, ffNumber, 5, 2, "-1E+05"},
        FormatCase{"Zero", 0, ffNumber, 5, 2, "0.00"},
        FormatCase{"NegativeZero", -0.0L, ffNumber, 5, 2, "0.00"},
        FormatCase{"TinyNegativeLosesItsSign", -0.004, ffNumber, 5, 2, "0.00"},
        FormatCase{"FarBelowTheDecimals", 1e-30, ffNumber, 5, 2, "0.00"},
        FormatCase{"SmallNegative", -0.0123, ffNumber, 5, 2, "-0.01"},
        FormatCase{"ExactHalfAwayFromZero", 0.125, ffNumber, 5, 2, "0.13"},
        FormatCase{"NegativeExactHalfAwayFromZero", -0.125, ffNumber, 5, 2, "-0.13"},
        // Decimal digits of the binary value decide, not the literal that produced it.
        FormatCase{"FloatJustBelowHalfACent", 0.005f, ffNumber, 5, 2, "0.00"},
        FormatCase{"DoubleJustAboveHalfACent", 0.005, ffNumber, 5, 2, "0.01"},
        FormatCase{"DoubleJustBelowAHalf", 2.675, ffNumber, 5, 2, "2.67"},
        FormatCase{"DoubleNineNineNineFive", 9.995, ffNumber, 5, 2, "9.99"},
        FormatCase{"FloatNineNineNineFive", 9.995f, ffNumber, 5, 2, "9.99"},
        FormatCase{"ExtendedNineNineNineFiveCarries", 9.995L, ffNumber, 5, 2, "10.00"},
        FormatCase{"CarryPastTheDecimalPoint", 9.9951, ffNumber, 5, 2, "10.00"},
        // 0.125 - 2^-66 reads 0.125000000000000000 at eighteen digits and so rounds up.
        FormatCase{"EighteenDigitsRoundUpBelowTheHalf", std::nextafter(0.125L, 0.0L), ffNumber, 5, 2, "0.13"},
        FormatCase{"NotANumber", kNan, ffNumber, 5, 2, "NAN"},
        FormatCase{"Infinity", kInf, ffNumber, 5, 2, "INF"},
        FormatCase{"NegativeInfinity", -kInf, ffNumber, 5, 2, "-INF"},
        // Readouts: FrameIndex * PrintStep with the single-precision print step 0.01.
        FormatCase{"ReadoutTime", 123 * static_cast<long double>(0.01f), ffNumber, 5, 3, "1.230"},
        FormatCase{"ReadoutTimeCarry", 1000 * static_cast<long double>(0.01f), ffNumber, 5, 3, "10.000"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

struct LabelColumn {
  const char* name;
  float max;
  float min;
  FloatFormat format;
  int precision;
  int digits;
  std::vector<std::string> labels;  // rows 1 to 9
};

TEST(FloatToStrFTest, FixedScaleGraphLabels) {
  const LabelColumn columns[] = {
      {"oscilab coordinate",
       1,
       -1,
       ffNumber,
       4,
       2,
       {"0.80", "0.60", "0.40", "0.20", "0.00", "-0.20", "-0.40", "-0.60", "-0.80"}},
      {"oscilab velocity",
       10,
       -10,
       ffNumber,
       3,
       2,
       {"8.00", "6.00", "4.00", "2.00", "0.00", "-2.00", "-4.00", "-6.00", "-8.00"}},
      {"motor X", 2, 0, ffGeneral, 2, 1, {"1.8", "1.6", "1.4", "1.2", "1", "0.8", "0.6", "0.4", "0.2"}},
      {"motor Y",
       2,
       0,
       ffNumber,
       3,
       2,
       {"1.80", "1.60", "1.40", "1.20", "1.00", "0.80", "0.60", "0.40", "0.20"}},
      {"motor velocity",
       25,
       -20,
       ffGeneral,
       4,
       4,
       {"20.5", "16", "11.5", "7", "2.5", "-2", "-6.5", "-11", "-15.5"}},
      {"motor reaction",
       5000,
       -5000,
       ffGeneral,
       2,
       4,
       {"4E+0003", "3E+0003", "2E+0003", "1E+0003", "0", "-1E+0003", "-2E+0003", "-3E+0003", "-4E+0003"}},
  };
  for (const LabelColumn& column : columns) {
    for (int k = 1; k <= 9; ++k) {
      SCOPED_TRACE(testing::Message() << column.name << ", row " << k);
      const long double value = ScaleLabel(column.max, column.min, k);
      const std::string& expected = column.labels[static_cast<std::size_t>(k - 1)];
      EXPECT_EQ(FloatToStrF(value, column.format, column.precision, column.digits, kPointComma), expected);
      EXPECT_EQ(FloatToStrF(value, column.format, column.precision, column.digits, kRussian),
                InRussian(expected));
    }
  }
  // The coordinate's middle row is a rounding residue, not zero, and still shows no sign.
  EXPECT_NE(ScaleLabel(1, -1, 5), 0.0L);
}

// The parameters dialog writes each value read from the parameter file in its row's format, and the run
// reads the texts back into single precision.
TEST(FloatToStrFTest, ParameterDialogRoundTrip) {
  struct Row {
    float file_value;
    int precision;
    int digits;
    const char* text;
    float value_used;
  };
  const Row rows[] = {
      {0.01f, 5, 2, "0,01", 0.01f},
      {0.01f, 4, 0, "0,01", 0.01f},
      {10, 5, 0, "10", 10},
      {2, 6, 0, "2", 2},
      {0, 6, 0, "0", 0},
      {600, 5, 2, "600", 600},
      {12, 5, 2, "12", 12},
      {17.3205f, 6, 0, "17,3205", 17.3205f},
      {30, 5, 0, "30", 30},
      {9.8f, 5, 0, "9,8", 9.8f},
      {0.4f, 5, 0, "0,4", 0.4f},
      {17.32050807f, 6, 0, "17,3205", 17.3205f},
      {0.012346f, 4, 0, "0,01235", 0.01235f},
      {0.012346f, 5, 2, "0,012346", 0.012346f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const std::string text = FloatToStrF(row.file_value, ffGeneral, row.precision, row.digits, kRussian);
    EXPECT_EQ(text, row.text);
    const std::optional<long double> read = StrToFloat(text, kRussian);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(static_cast<float>(*read), row.value_used);
  }
}

TEST(StrToFloatTest, ReadsNumbers) {
  struct Row {
    const char* text;
    const NumberSeparators& separators;
    long double expected;
  };
  const Row rows[] = {
      {"0,01", kRussian, 0.01L},
      {"0,1", kRussian, 0.1L},  // exactly, not the double 0.1
      {" \t17,3205\t ", kRussian, 17.3205L},
      {"-2", kRussian, -2},
      {"+3,5", kRussian, 3.5},
      {"1E3", kRussian, 1000},
      {"1,5e-2", kRussian, 0.015L},
      {"1e+05", kRussian, 1e5L},
      {"5,", kRussian, 5},
      {",5", kRussian, 0.5},
      {"007", kRussian, 7},
      {"123456789012345678901234567890", kRussian, 123456789012345678901234567890.0L},
      {"1e-5000", kRussian, 0},
      {"0.01", kPointComma, 0.01L},
      {"-1.5E+2", kPointComma, -150},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const std::optional<long double> value = StrToFloat(row.text, row.separators);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, row.expected);
  }
}

TEST(StrToFloatTest, RefusesTextsThatAreNotNumbers) {
  const char* const russian_texts[] = {
      "",    "   ", "1.5",  "1 000", "1\u00a0000", "abc",    "1,5x",  "1,2,3", "inf",
      "INF", "nan", "0x10", "e5",    "1e",         "1e+",    "+",     "-",     ",",
      ",e1", "--1", "- 1",  "1 2",   "1,5 e3",     "1e5000", "1e2,5",
  };
  for (const char* text : russian_texts) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(StrToFloat(text, kRussian).has_value());
  }
  for (const char* text : {"1,5", "1,000", "1..5"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(StrToFloat(text, kPointComma).has_value());
  }
}

// The GUI switches LC_NUMERIC to the user's locale; neither direction may follow it.
TEST(NumberFormatLocaleTest, IgnoresTheCLibraryNumericLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  const std::string text = FloatToStrF(1234.5, ffNumber, 6, 2, kPointComma);
  const std::optional<long double> english = StrToFloat("0.5", kPointComma);
  const std::optional<long double> russian = StrToFloat("0,5", kRussian);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(text, "1,234.50");
  EXPECT_EQ(english, 0.5L);
  EXPECT_EQ(russian, 0.5L);
}

}  // namespace
}  // namespace viewer
