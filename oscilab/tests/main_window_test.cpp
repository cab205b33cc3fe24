#include <QSignalSpy>

#include "oscilab_fixture.h"

namespace oscilab::testing {
namespace {

using MainWindow = OscilabWindows;

TEST_F(MainWindow, StartsStoppedAtSampleZeroWithTheNominalReadouts) {
  Start(kNominalFile);
  EXPECT_TRUE(startupMessage.isEmpty());
  EXPECT_EQ(Form2->FrameIndex(), 0);
  EXPECT_EQ(Form2->LastFrame(), 1000);
  EXPECT_FALSE(Form2->Timer1.isActive());
  EXPECT_EQ(Form2->Timer1.interval(), 10);
  EXPECT_FALSE(ui().SpeedButton1->isChecked());
  EXPECT_EQ(ui().Label1->text(), QStringLiteral("Время, сек 0,000"));
  EXPECT_EQ(ui().Label4->text(), QStringLiteral("Координата Х, м  0,00"));
  EXPECT_EQ(ui().Label2->text(), QStringLiteral("Положение начала с.к., м 0,38"));
  EXPECT_EQ(Form3->Edits[7]->text(), QStringLiteral("17,3205"));
  EXPECT_FALSE(Form3->Edits[11]->isEnabled());
}

TEST_F(MainWindow, StartStopPlaysOneSamplePerTickAndStopsAgain) {
  Start(kNominalFile);
  QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
  EXPECT_TRUE(ui().SpeedButton1->isChecked());
  EXPECT_TRUE(Form2->Timer1.isActive());
  QTest::qWait(120);
  const int played = Form2->FrameIndex();
  EXPECT_GT(played, 2);
  EXPECT_EQ(ui().Label1->text(),
            QStringLiteral("Время, сек ") + QString::number(played * 0.01, 'f', 3).replace('.', ','));
  QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
  EXPECT_FALSE(ui().SpeedButton1->isChecked());
  EXPECT_FALSE(Form2->Timer1.isActive());
  const int stoppedAt = Form2->FrameIndex();
  QTest::qWait(50);
  EXPECT_EQ(Form2->FrameIndex(), stoppedAt);
}

TEST_F(MainWindow, PlaybackEndsAtTheLastFrameWithTheButtonDown) {
  Start(kNominalFile);
  QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
  Form2->Timer1.stop();  // ticks are delivered by hand below
  for (int tick = 0; tick < 1000; ++tick) Form2->Timer1Timer();
  EXPECT_EQ(Form2->FrameIndex(), 1000);
  EXPECT_EQ(ui().Label1->text(), QStringLiteral("Время, сек 10,000"));
  Form2->Timer1.start();
  Form2->Timer1Timer();
  EXPECT_EQ(Form2->FrameIndex(), 1000);
  EXPECT_FALSE(Form2->Timer1.isActive());
  EXPECT_TRUE(ui().SpeedButton1->isChecked());
  // From the end: "Назад" steps back and releases the button, "Вперед" goes no further than the end.
  QTest::mouseClick(ui().BitBtn2, Qt::LeftButton);
  EXPECT_EQ(Form2->FrameIndex(), 999);
  EXPECT_FALSE(ui().SpeedButton1->isChecked());
  QTest::mouseClick(ui().BitBtn1, Qt::LeftButton);
  QTest::mouseClick(ui().BitBtn1, Qt::LeftButton);
  EXPECT_EQ(Form2->FrameIndex(), 1000);
  QTest::mouseClick(ui().Button3, Qt::LeftButton);
  EXPECT_EQ(Form2->FrameIndex(), 0);
  QTest::mouseClick(ui().BitBtn2, Qt::LeftButton);
  EXPECT_EQ(Form2->FrameIndex(), 0);
}

TEST_F(MainWindow, SteppingWhilePlayingStopsPlayback) {
  Start(kNominalFile);
  QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
  QTest::mouseClick(ui().BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(Form2->Timer1.isActive());
  EXPECT_FALSE(ui().SpeedButton1->isChecked());
}

TEST_F(MainWindow, TheSliderSetsTheTickPeriod) {
  Start(kNominalFile);
  ui().TrackBar3->setValue(0);
  EXPECT_EQ(Form2->Timer1.interval(), 100);
  ui().TrackBar3->setValue(45);
  EXPECT_EQ(Form2->Timer1.interval(), 55);
}

TEST_F(MainWindow, HidingTheWindowStopsPlayback) {
  Start(kNominalFile);
  QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
  Form2->hide();
  EXPECT_FALSE(Form2->Timer1.isActive());
  EXPECT_FALSE(ui().SpeedButton1->isChecked());
}

TEST_F(MainWindow, AMissingParameterFileIsReportedAndNothingIsComputed) {
  Start(nullptr);
  EXPECT_EQ(startupMessage, QStringLiteral("Can't open datafile!"));
  EXPECT_TRUE(Form2->Run.empty());
}

TEST_F(MainWindow, RefusedStartupParametersLeaveAUsableWindowWithoutARun) {
  Start("0,0.01,10,2,0,600,12,17.3205,0,30,9.8,0.4,0,0\n");
  EXPECT_TRUE(startupMessage.contains(QStringLiteral("Шаг расчета")));
  EXPECT_TRUE(Form2->Run.empty());
  EXPECT_EQ(ui().Label1->text(), QStringLiteral("Время, сек "));
  // Every control still works, on nothing.
  QTest::mouseClick(ui().SpeedButton1, Qt::LeftButton);
  QTest::qWait(30);
  QTest::mouseClick(ui().BitBtn1, Qt::LeftButton);
  EXPECT_EQ(Form2->FrameIndex(), 0);
  // Mending the value in the dialog brings the run.
  QString message;
  EditParameters({{0, QStringLiteral("0,01")}}, true, &message);
  EXPECT_TRUE(message.isEmpty());
  EXPECT_EQ(Form2->LastFrame(), 1000);
}

TEST_F(MainWindow, AShortFileKeepsTheUnreadParametersAtZero) {
  Start("0.01,0.01,10,2,0,600\n");
  EXPECT_EQ(Form3->Edits[6]->text(), QStringLiteral("0"));
  EXPECT_FALSE(Form2->Run.empty());
}

}  // namespace
}  // namespace oscilab::testing
