#include "oscilab/model/readouts.h"

#include <gtest/gtest.h>

#include "oscilab/model/parameter_file.h"

namespace oscilab {
namespace {

using Texts = std::array<std::string, 7>;

const viewer::NumberSeparators kRussian{",", "\u00a0"};

const Texts kFixedTexts = {"Время, сек ",
                           "Координата Х, м  ",
                           "Скорость V, м/с ",
                           "Сила сопротивления Fc, H ",
                           "Сила упругости Fу, H ",
                           "Вынуждающая сила Fв, H ",
                           "Положение начала с.к., м "};

class Readouts : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ReadParameterText("0.01,0.01,10,2,0,600,12,17.3205,0,30,9.8,0.4,0,0", parameters_), 14);
    run_ = ComputeMotion(parameters_);
  }
  Texts With(const Texts& numbers) {
    Texts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = kFixedTexts[i] + numbers[i];
    return texts;
  }
  OscillationParameters parameters_;
  OscillationRun run_;
};

TEST_F(Readouts, NominalRunAtAFrame) {
  // Frame 998: time from the frame index, the elastic force beyond five significant digits grouped.
  ASSERT_EQ(run_.Fel[998], -1034.05054f);
  EXPECT_EQ(ReadoutTexts(run_, parameters_, 998, kRussian),
            With({"9,980", "1,72", "-2,11", "0,00", "-1\u00a0034,10", "-0,85", "0,38"}));
}

TEST_F(Readouts, FirstFrameShowsZerosWithoutSigns) {
  // The resisting force of sample 0 is a negative zero.
  EXPECT_EQ(ReadoutTexts(run_, parameters_, 0, kRussian),
            With({"0,000", "0,00", "0,00", "0,00", "0,00", "0,00", "0,38"}));
}

TEST_F(Readouts, TimeIsTheFrameTimesThePrintStepNotTheIntegratedTime) {
  parameters_.PrintStep = 0.1f;
  EXPECT_EQ(ReadoutTexts(run_, parameters_, 999, kRussian)[0], kFixedTexts[0] + "99,900");
}

TEST_F(Readouts, EmptyRunOrUnrecordedFrameShowsTheFixedTextsAlone) {
  EXPECT_EQ(ReadoutTexts(OscillationRun{}, parameters_, 0, kRussian), kFixedTexts);
  EXPECT_EQ(ReadoutTexts(run_, parameters_, run_.RecordedCount, kRussian), kFixedTexts);
  EXPECT_EQ(ReadoutTexts(run_, parameters_, -1, kRussian), kFixedTexts);
}

}  // namespace
}  // namespace oscilab
