#include <QImage>

#include "oscilab/window_set.h"
#include "oscilab_fixture.h"
#include "viewer/core/plot_geometry.h"
#include "viewer/graph/Graph.h"
#include "viewer/graph/choice.h"
#include "viewer/graph/plot_painter.h"

namespace oscilab::testing {
namespace {

using Graphs = OscilabWindows;

// "Графики": the chooser comes up first and is accepted; then the plot is grabbed and the window closed.
QImage OpenGraphs(QPushButton* graphsButton, int* chooserOpenings) {
  QImage picture;
  viewer::testing::OnNextModal([&](QWidget* modal) {
    auto* chooser = dynamic_cast<viewer::TForm9*>(modal);
    if (!chooser) {
      ADD_FAILURE() << "the chooser did not come up";
      if (modal) modal->close();
      return;
    }
    ++*chooserOpenings;
    QTest::mouseClick(chooser->Button1, Qt::LeftButton);
    QTimer::singleShot(200, [&] {
      picture = Form8->PaintBox1->grab().toImage();
      QTest::mouseClick(Form8->Button1, Qt::LeftButton);
    });
  });
  QTest::mouseClick(graphsButton, Qt::LeftButton);
  return picture;
}

bool LineAt(const QImage& image, viewer::PlotPoint point, viewer::Rgb colour) {
  for (int y = point.y - 1; y <= point.y + 1; ++y)
    for (int x = point.x - 1; x <= point.x + 1; ++x)
      if (image.rect().contains(x, y) && image.pixelColor(x, y) == viewer::ToQColor(colour)) return true;
  return false;
}

TEST_F(Graphs, GraphsShowTheCoordinateAndVelocityOfTheRunOnTheirOwnScales) {
  Start(kNominalFile);
  int chooserOpenings = 0;
  const QImage picture = OpenGraphs(ui().Button1, &chooserOpenings);
  EXPECT_EQ(chooserOpenings, 1);
  ASSERT_EQ(picture.size(), QSize(669, 361));

  const OscillationRun& run = Form2->Run;
  const long double span = 10.0L / 0.01f;
  const auto coordinate = viewer::CurvePoints(viewer::kOscilabPlotLayout, 669, 361, run.Ranges[kXRange], span,
                                              viewer::SeriesView(run.X, run.RecordedCount));
  const auto velocity = viewer::CurvePoints(viewer::kOscilabPlotLayout, 669, 361, run.Ranges[kVRange], span,
                                            viewer::SeriesView(run.V, run.RecordedCount));
  ASSERT_EQ(velocity.size(), 1001u);
  for (const auto& point : velocity) ASSERT_TRUE(LineAt(picture, point, viewer::clRed)) << point.x;
  int yellow = 0;
  for (const auto& point : coordinate) yellow += LineAt(picture, point, viewer::clYellow) ? 1 : 0;
  EXPECT_GT(yellow, 900);
}

TEST_F(Graphs, ANewRunIsGraphedOnItsOwnRangesAtTheNextOpening) {
  Start(kNominalFile);
  int chooserOpenings = 0;
  OpenGraphs(ui().Button1, &chooserOpenings);
  // A shorter run without the driving force: smaller ranges, fewer samples.
  EditParameters({{2, QStringLiteral("5")}, {6, QStringLiteral("0")}, {12, QStringLiteral("0,1")}}, true,
                 nullptr);
  ASSERT_EQ(Form2->Run.LastFrame(), 500);
  const QImage picture = OpenGraphs(ui().Button1, &chooserOpenings);
  EXPECT_EQ(chooserOpenings, 2);
  EXPECT_EQ(Form8->MaskEdit1->text(), QStringLiteral("5"));
  const OscillationRun& run = Form2->Run;
  const auto coordinate = viewer::CurvePoints(viewer::kOscilabPlotLayout, 669, 361, run.Ranges[kXRange],
                                              5.0L / 0.01f, viewer::SeriesView(run.X, run.RecordedCount));
  ASSERT_EQ(coordinate.size(), 501u);
  int yellow = 0;
  for (const auto& point : coordinate) yellow += LineAt(picture, point, viewer::clYellow) ? 1 : 0;
  EXPECT_GT(yellow, 450);
}

}  // namespace
}  // namespace oscilab::testing
