#include <QImage>

#include "oscilab/Phase.h"
#include "oscilab/model/phase_portrait.h"
#include "oscilab_fixture.h"

namespace oscilab::testing {
namespace {

using PhasePortrait = OscilabWindows;

// Opens the phase portrait, grabs its drawing area and closes it with "Закрыть".
QImage GrabPortrait(QPushButton* openButton) {
  QImage picture;
  viewer::testing::OnNextModal(
      [&picture](QWidget* modal) {
        auto* box = modal->findChild<QWidget*>(QStringLiteral("PaintBox1"));
        picture = box->grab().toImage();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Button3")), Qt::LeftButton);
      },
      200);
  QTest::mouseClick(openButton, Qt::LeftButton);
  return picture;
}

int DarkPixels(const QImage& image, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 60) ++count;
  return count;
}

TEST_F(PhasePortrait, TheResonanceSpiralGrowsFromTheOriginToTheEdges) {
  Start(kNominalFile);
  const QImage picture = GrabPortrait(ui().Button4);
  ASSERT_EQ(picture.size(), QSize(569, 385));
  const auto& run = Form2->Run;
  const auto points = PhasePortraitPoints(run, 569, 385);
  ASSERT_EQ(points.size(), 1000u);
  // Starts at rest: the first point is the origin of the phase plane.
  const int originX =
      static_cast<int>((0 - static_cast<double>(run.Ranges[kXRange].min)) * 569 /
                       (run.Ranges[kXRange].max - static_cast<double>(run.Ranges[kXRange].min)));
  EXPECT_EQ(points.front().x, originX);
  EXPECT_GT(DarkPixels(picture, QRect(originX - 3, points.front().y - 3, 7, 7)), 0);
  // The outer turns reach the left and right edges.
  EXPECT_GT(DarkPixels(picture, QRect(0, 0, 4, 385)), 0);
  EXPECT_GT(DarkPixels(picture, QRect(564, 0, 5, 385)), 0);
}

TEST_F(PhasePortrait, AFreeOscillationIsAClosedEllipseSpanningTheBox) {
  Start("0.001,0.001,2,2,0,600,0,17.3205,0,30,9.8,0.4,0.1,0\n");
  const auto points = PhasePortraitPoints(Form2->Run, 569, 385);
  int left = 569, right = 0, top = 385, bottom = 0;
  for (const auto& point : points) {
    left = std::min(left, point.x);
    right = std::max(right, point.x);
    top = std::min(top, point.y);
    bottom = std::max(bottom, point.y);
  }
  EXPECT_LE(left, 1);
  EXPECT_GE(right, 566);
  EXPECT_LE(top, 2);
  EXPECT_GE(bottom, 382);
  // Closed: after whole periods the curve comes back to where it started.
  EXPECT_NEAR(points.front().x, right, 3);
}

TEST_F(PhasePortrait, AMotionlessRunDrawsNothing) {
  Start("0.01,0.01,10,2,0,600,0,17.3205,0,30,9.8,0.4,0,0\n");
  EXPECT_TRUE(PhasePortraitPoints(Form2->Run, 569, 385).empty());
  const QImage picture = GrabPortrait(ui().Button4);
  EXPECT_EQ(DarkPixels(picture, picture.rect()), 0);
}

}  // namespace
}  // namespace oscilab::testing
