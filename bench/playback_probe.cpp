// Measures, on the real main window under the display at hand, how long the scene takes to paint
// and how many playback ticks arrive per second at the fastest speed.
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdio>

#include "oscilab/Field.h"
#include "oscilab/window_set.h"
#include "ui_Field.h"
#include "viewer/platform/application.h"

int main(int argc, char** argv) {
  viewer::Application application(argc, argv);
  oscilab::CreateForms();
  oscilab::TForm2& window = *oscilab::Form2;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  window.Controls().CheckBox1->setChecked(true);
  window.Controls().CheckBox3->setChecked(true);
  window.Controls().CheckBox4->setChecked(true);

  constexpr int kPaints = 300;
  QElapsedTimer clock;
  clock.start();
  for (int paint = 0; paint < kPaints; ++paint) {
    window.RepaintScene();
  }
  const double msPerPaint = clock.nsecsElapsed() / 1e6 / kPaints;

  window.Button3Click();
  window.Controls().TrackBar3->setValue(90);
  constexpr int kSeconds = 3;
  QTest::mouseClick(window.Controls().SpeedButton1, Qt::LeftButton);
  clock.restart();
  QTest::qWait(kSeconds * 1000);
  const double ticksPerSecond = window.FrameIndex() * 1000.0 / clock.elapsed();
  QTest::mouseClick(window.Controls().SpeedButton1, Qt::LeftButton);

  std::printf("%-55s %6.3f  (goal <= 0.15; %.2f ms per paint)\n", "scene paint time / 10 ms frame",
              msPerPaint / 10.0, msPerPaint);
  std::printf("%-55s %6.3f  (goal >= 0.98; %.1f ticks/s)\n", "ticks per second at full speed / 100",
              ticksPerSecond / 100.0, ticksPerSecond);
  oscilab::DestroyForms();
  return 0;
}
