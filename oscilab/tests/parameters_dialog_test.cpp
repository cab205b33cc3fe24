#include "oscilab_fixture.h"

namespace oscilab::testing {
namespace {

using ParametersDialog = OscilabWindows;

TEST_F(ParametersDialog, AcceptingRecomputesAndRestartsFromSampleZero) {
  Start(kNominalFile);
  QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
  QTest::qWait(40);
  QString message;
  EditParameters({{2, QStringLiteral("5")}}, true, &message);
  EXPECT_TRUE(message.isEmpty());
  EXPECT_EQ(Form2->Parameters.StopTime, 5.0f);
  EXPECT_EQ(Form2->LastFrame(), 500);
  EXPECT_EQ(Form2->FrameIndex(), 0);
  EXPECT_FALSE(Form2->Timer1.isActive());
  EXPECT_FALSE(ui().SpeedButton1->isChecked());
}

TEST_F(ParametersDialog, CancellingKeepsTheRunAndTheTypedTextsForNextTime) {
  Start(kNominalFile);
  EditParameters({{2, QStringLiteral("5")}}, false, nullptr);
  EXPECT_EQ(Form2->LastFrame(), 1000);
  EXPECT_EQ(Form3->Edits[2]->text(), QStringLiteral("5"));
  EditParameters({}, true, nullptr);
  EXPECT_EQ(Form2->LastFrame(), 500);
}

TEST_F(ParametersDialog, ATextThatIsNotANumberIsReportedAndTheRunStays) {
  Start(kNominalFile);
  QTest::mouseClick(ui().BitBtn1, Qt::LeftButton);
  QString message;
  EditParameters({{2, QStringLiteral("5")}, {4, QStringLiteral("1.5")}}, true, &message);
  EXPECT_EQ(message, QStringLiteral("'1.5' is not a valid floating point value"));
  EXPECT_EQ(Form2->Parameters.StopTime, 10.0f);
  EXPECT_EQ(Form2->LastFrame(), 1000);
  EXPECT_EQ(Form2->FrameIndex(), 1);
  Form2->RepaintScene();  // the kept run is still drawable
}

struct Refusal {
  const char* name;
  int row;
  const char* text;
  const char* named;  // part of the message that names the parameter
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const Refusal& testCase, std::ostream* out) {
  *out << testCase.name;
}

class RefusedValues : public OscilabWindows, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedValues, AreNamedAndTheRunStays) {
  Start(kNominalFile);
  QString message;
  EditParameters({{GetParam().row, QString::fromUtf8(GetParam().text)}}, true, &message);
  EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().named))) << message.toStdString();
  EXPECT_EQ(Form2->LastFrame(), 1000);
  EXPECT_EQ(Form2->Parameters.CalcStep, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(Parameters, RefusedValues,
                         ::testing::Values(Refusal{"ZeroCalcStep", 0, "0", "Шаг расчета"},
                                           Refusal{"NegativePrintStep", 1, "-0,01", "Шаг печати"},
                                           Refusal{"ZeroMass", 3, "0", "асса точки"},
                                           Refusal{"ZeroStiffness", 5, "0", "Жесткость пружины"},
                                           Refusal{"TooManySamples", 2, "1E9", "Время остановки"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace oscilab::testing
