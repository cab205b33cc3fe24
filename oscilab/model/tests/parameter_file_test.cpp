#include "oscilab/model/parameter_file.h"

#include <gtest/gtest.h>

#include <ostream>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace oscilab {
namespace {

constexpr float kUntouched = -7.25f;

OscillationParameters Untouched() {
  OscillationParameters p;
  for (int i = 0; i < OscillationParameters::kCount; ++i) p[i] = kUntouched;
  return p;
}

bool SameFloat(float a, float b) {
  return (std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b)) ||
         std::memcmp(&a, &b, sizeof a) == 0;
}

struct FileCase {
  const char* name;
  const char* text;
  int count;
  std::vector<float> values;  // the values read; every other parameter keeps its value
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const FileCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class ReadParameterTextTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(ReadParameterTextTest, ReadsLikeScanfInTheCLocale) {
  const FileCase& c = GetParam();
  OscillationParameters p = Untouched();
  EXPECT_EQ(ReadParameterText(c.text, p), c.count);
  ASSERT_EQ(c.values.size(), static_cast<std::size_t>(c.count));
  for (int i = 0; i < OscillationParameters::kCount; ++i) {
    const float expected = i < c.count ? c.values[i] : kUntouched;
    EXPECT_TRUE(SameFloat(p[i], expected)) << "parameter " << i << ": " << p[i] << " != " << expected;
  }

  // The C library's own reading of the same text, in the C locale, must agree bit for bit.
  float scanned[OscillationParameters::kCount];
  for (float& value : scanned) value = kUntouched;
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  const int scanCount =
      std::sscanf(c.text, "%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f", &scanned[0], &scanned[1], &scanned[2],
                  &scanned[3], &scanned[4], &scanned[5], &scanned[6], &scanned[7], &scanned[8], &scanned[9],
                  &scanned[10], &scanned[11], &scanned[12], &scanned[13]);
  EXPECT_EQ(std::max(scanCount, 0), c.count);
  for (int i = 0; i < OscillationParameters::kCount; ++i)
    EXPECT_TRUE(SameFloat(p[i], scanned[i])) << "parameter " << i;
}

const std::vector<float> kNominal = {0.01f, 0.01f, 10, 2, 0, 600, 12, 17.3205f, 0, 30, 9.8f, 0.4f, 0, 0};
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Table, ReadParameterTextTest,
    ::testing::Values(
        FileCase{"Nominal", "0.01,0.01,10,2,0,600,12,17.3205,0,30,9.8,0.4,0,0\n", 14, kNominal},
        FileCase{"ShortFile", "0.02,0.05,20", 3, {0.02f, 0.05f, 20}},
        FileCase{"BlankBeforeComma", "0.01 ,0.02,3", 1, {0.01f}},
        FileCase{"LineBreaksAndTabsBeforeNumbers", "\n 0.01,\r\n\t0.02,\v\f 5", 3, {0.01f, 0.02f, 5}},
        FileCase{"TrailingTextAndFifteenthNumber", "0.01,0.01,10,2,0,600,12,17.3205,0,30,9.8,0.4,0,0 end,1,2",
                 14, kNominal},
        FileCase{"GarbageInTheMiddle", "0.01,0.01,abc,2", 2, {0.01f, 0.01f}},
        FileCase{"DecimalCommaStopsAfterTheWholePart", "0,01,5", 3, {0, 1, 5}},
        FileCase{"Exponents", "1e-2,2.5E+1,3e0,4E2", 4, {0.01f, 25, 3, 400}},
        FileCase{"DanglingExponentLetterIsSwallowed", "1e,2E+,3", 3, {1, 2, 3}},
        FileCase{"Signs", "-1.5,+2,-.5,+0.", 4, {-1.5f, 2, -0.5f, 0}},
        FileCase{"PointWithoutDigitsOnOneSide", "5.,.5", 2, {5, 0.5f}},
        FileCase{"LonePointOrSign", "1,.,2", 1, {1}}, FileCase{"SignThenBlank", "1,- 2", 1, {1}},
        FileCase{"InfinitiesAndNaN", "inf,-Infinity,NAN,+nan", 4, {kInf, -kInf, kNaN, kNaN}},
        FileCase{"TruncatedInfinity", "1,infin", 1, {1}},
        FileCase{"NaNWithItsPayloadInParentheses", "nan(1),2", 1, {kNaN}},
        FileCase{"BeyondSinglePrecision", "1e39,-1e39,1e-50", 3, {kInf, -kInf, 0}},
        // Just above the midpoint of 1 and the next float: a detour through double would land on the
        // midpoint and round down to 1.
        FileCase{"RoundedOnceToSinglePrecision",
                 "1.0000000596046447753906250001,16777217",
                 2,
                 {1.00000012f, 16777216}},
        FileCase{"Hexadecimal", "0x1.8p1,0X10,0x", 2, {3, 16}}, FileCase{"Empty", "", 0, {}},
        FileCase{"OnlyBlanks", "  \n ", 0, {}}, FileCase{"LeadingComma", ",1", 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadParameterText, IgnoresTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.UTF-8") && !std::setlocale(LC_ALL, "ru_RU.utf8"))
    GTEST_SKIP() << "no Russian locale on this machine";
  OscillationParameters p = Untouched();
  const int count = ReadParameterText("0.5,1.25", p);
  float scanned = 0;
  const int scanCount = std::sscanf("0.5", "%f", &scanned);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(count, 2);
  EXPECT_EQ(p.CalcStep, 0.5f);
  EXPECT_EQ(p.PrintStep, 1.25f);
  // Under this locale the C library itself would have stopped at the point.
  EXPECT_EQ(scanCount, 1);
  EXPECT_EQ(scanned, 0.0f);
}

class ParameterFileTest : public ::testing::Test {
 protected:
  std::filesystem::path directory_ =
      std::filesystem::path(::testing::TempDir()) /
      ("oscilab_parameter_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  void SetUp() override { std::filesystem::create_directories(directory_); }
  void TearDown() override { std::filesystem::remove_all(directory_); }
  std::string Write(const std::string& text) {
    const auto path = directory_ / "oscilab.dat";
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
};

TEST_F(ParameterFileTest, ReadsTheFileAtThePath) {
  OscillationParameters p = Untouched();
  EXPECT_EQ(ReadParameterFile(Write("0.01,0.01,10,2,0,600,12,17.3205,0,30,9.8,0.4,0,0\r\n"), p), 14);
  for (int i = 0; i < OscillationParameters::kCount; ++i) EXPECT_EQ(p[i], kNominal[i]) << i;

  p = Untouched();
  EXPECT_EQ(ReadParameterFile(Write("0.02 ,1"), p), 1);
  EXPECT_EQ(p.CalcStep, 0.02f);
  EXPECT_EQ(p.PrintStep, kUntouched);
}

TEST_F(ParameterFileTest, MissingFileOrDirectoryGivesNothing) {
  OscillationParameters p = Untouched();
  EXPECT_FALSE(ReadParameterFile((directory_ / "missing.dat").string(), p));
  EXPECT_FALSE(ReadParameterFile(directory_.string(), p));
  EXPECT_EQ(p.CalcStep, kUntouched);
}

const viewer::NumberSeparators kRussian{",", "\u00a0"};

OscillationParameters NominalFromFile() {
  OscillationParameters p;
  EXPECT_EQ(ReadParameterText("0.01,0.01,10,2,0,600,12,17.3205,0,30,9.8,0.4,0,0", p), 14);
  return p;
}

TEST(FormatParameterTexts, NominalFileInTheRussianLocale) {
  const ParameterTexts expected = {"0,01",    "0,01", "10", "2",   "0",   "600", "12",
                                   "17,3205", "0",    "30", "9,8", "0,4", "0",   "0"};
  EXPECT_EQ(FormatParameterTexts(NominalFromFile(), kRussian), expected);
}

TEST(FormatParameterTexts, TheRunUsesTheValuesAsDisplayed) {
  struct Case {
    int row;
    float fromFile;
    const char* text;
    float used;
  };
  for (const Case& c : {Case{7, 17.32050807f, "17,3205", 17.3205f}, Case{1, 0.012346f, "0,01235", 0.01235f},
                        Case{0, 0.012346f, "0,012346", 0.012346f}, Case{3, 2.0000001f, "2", 2.0f}}) {
    OscillationParameters p = NominalFromFile();
    p[c.row] = c.fromFile;
    const ParameterTexts texts = FormatParameterTexts(p, kRussian);
    EXPECT_EQ(texts[c.row], c.text);
    const ParseResult parsed = ReadParameterTexts(texts, kRussian);
    ASSERT_TRUE(parsed.parameters);
    EXPECT_EQ((*parsed.parameters)[c.row], c.used) << c.text;
  }
}

TEST(ReadParameterTexts, ConvertsEveryRowToSinglePrecision) {
  const ParseResult parsed = ReadParameterTexts(FormatParameterTexts(NominalFromFile(), kRussian), kRussian);
  ASSERT_TRUE(parsed.parameters);
  EXPECT_TRUE(parsed.error.empty());
  for (int i = 0; i < OscillationParameters::kCount; ++i)
    EXPECT_EQ((*parsed.parameters)[i], kNominal[i]) << i;
}

TEST(ReadParameterTexts, FirstTextThatIsNoNumberGivesTheConversionMessage) {
  ParameterTexts texts = FormatParameterTexts(NominalFromFile(), kRussian);
  texts[2] = "1O";
  texts[4] = "x";
  ParseResult parsed = ReadParameterTexts(texts, kRussian);
  EXPECT_FALSE(parsed.parameters);
  EXPECT_EQ(parsed.error, "'1O' is not a valid floating point value");

  texts = FormatParameterTexts(NominalFromFile(), kRussian);
  texts[0] = "0.01";  // a point where the locale wants a comma
  parsed = ReadParameterTexts(texts, kRussian);
  EXPECT_FALSE(parsed.parameters);
  EXPECT_EQ(parsed.error, "'0.01' is not a valid floating point value");

  texts[0] = "";
  EXPECT_EQ(ReadParameterTexts(texts, kRussian).error, "'' is not a valid floating point value");
}

TEST(ReadParameterTexts, ValueBeyondSinglePrecisionIsLeftForTheCheckToRefuse) {
  ParameterTexts texts = FormatParameterTexts(NominalFromFile(), kRussian);
  texts[6] = "1E50";
  const ParseResult parsed = ReadParameterTexts(texts, kRussian);
  ASSERT_TRUE(parsed.parameters);
  EXPECT_EQ(parsed.parameters->ForceAmplitude, std::numeric_limits<float>::infinity());
  EXPECT_TRUE(CheckParameters(*parsed.parameters));
}

TEST(ParameterRows, KeepTheDialogsOwnCaptions) {
  EXPECT_STREQ(kParameterRows[0].editName, "Edit1");
  EXPECT_STREQ(kParameterRows[13].editName, "Edit14");
  EXPECT_STREQ(kParameterRows[0].nominal, "0.01");  // the only nominal written with a point
  EXPECT_STREQ(kParameterRows[1].nominal, "0,01");
  EXPECT_STREQ(kParameterRows[3].caption, "M\u0430сса точки,  кг");  // Latin M, two blanks
  EXPECT_STREQ(kParameterRows[9].caption, "Угол наклонной плоскости,  угл. град");
  EXPECT_STREQ(kParameterRows[13].caption, "Начальная скорость точки , м/c");
}

}  // namespace
}  // namespace oscilab
