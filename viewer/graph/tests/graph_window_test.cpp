#include <gtest/gtest.h>

#include <ostream>

#include <QRadioButton>
#include <QtTest/QTest>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "viewer/graph/Graph.h"
#include "viewer/graph/choice.h"
#include "viewer/graph/plot_painter.h"
#include "viewer/platform/application.h"
#include "viewer/platform/tests/modal_helpers.h"

namespace viewer {
namespace {

// A run as a program's main window would hold it, changeable by the test between paints.
struct FakeRun {
  std::map<std::string, std::vector<float>, std::less<>> series;
  std::vector<ValueRange> ranges;
  float runTime = 10;
  float sampleSpacing = 0.01f;
  int sampleCount = 1000;
};

class FakeSource final : public GraphSource {
 public:
  explicit FakeSource(std::shared_ptr<FakeRun> run) : run_(std::move(run)) {}
  SeriesView Series(std::string_view name) const override {
    const auto found = run_->series.find(name);
    if (found == run_->series.end()) return std::span<const float>();
    return std::span<const float>(found->second);
  }
  ValueRange Range(int index) const override { return run_->ranges.at(static_cast<std::size_t>(index)); }
  float RunTime() const override { return run_->runTime; }
  float SampleSpacing() const override { return run_->sampleSpacing; }
  int SampleCount() const override { return run_->sampleCount; }

 private:
  std::shared_ptr<FakeRun> run_;
};

// Counts the openings of a window.
class ShowCounter : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) ++count;
    return false;
  }
};

// A program's graph window and chooser over a fake run: a rising X and a V in the middle of the
// scales, ranges {1, -1} and {10, -10}.
class GraphWindow : public ::testing::Test {
 protected:
  void Create(const GraphWindowLayout& layout) {
    for (const CurveRow& row : layout.curves) run->series[row.series] = std::vector<float>(1001, 0.0f);
    if (auto x = run->series.find("X"); x != run->series.end()) {
      for (std::size_t i = 0; i < x->second.size(); ++i) x->second[i] = static_cast<float>(i) / 1000;
    }
    run->ranges.assign(static_cast<std::size_t>(layout.scaleCount), ValueRange{.max = 1, .min = -1});
    if (run->ranges.size() > 1) run->ranges[1] = {.max = 10, .min = -10};
    graph = std::make_unique<TForm8>(layout, std::make_unique<FakeSource>(run));
    chooser = new TForm9(layout, graph.get());
    graph->SetChooser(chooser);
    chooser->installEventFilter(&chooserShows);
  }

  // Opens the graph window as the main window's button does. `inChooser` acts on the chooser that
  // comes up first (then "OK" is pressed unless it closed the chooser itself); `whileOpen` runs once the
  // chooser has gone, and then "Закрыть" is pressed unless the window was closed. Returns the modal
  // result.
  int Open(std::function<void(TForm9&)> inChooser = {}, std::function<void()> whileOpen = {}) {
    testing::OnNextModal([this, inChooser, whileOpen](QWidget* modal) {
      auto* shown = dynamic_cast<TForm9*>(modal);
      if (!shown) {
        ADD_FAILURE() << "the chooser did not come up";
        if (modal) modal->close();
        return;
      }
      if (inChooser) inChooser(*shown);
      if (shown->isVisible()) QTest::mouseClick(shown->Button1, Qt::LeftButton);
      QTimer::singleShot(50, [this, whileOpen] {
        // The focus coming back from the chooser must not bring it up again.
        QTest::qWait(200);
        if (whileOpen) whileOpen();
        if (graph->isVisible()) QTest::mouseClick(graph->Button1, Qt::LeftButton);
      });
    });
    return ShowModal(*graph);
  }

  // Replaces the time edit's text as a user types it.
  void Type(const QString& text) {
    graph->MaskEdit1->setFocus();
    graph->MaskEdit1->selectAll();
    QTest::keyClick(graph->MaskEdit1, Qt::Key_Delete);
    QTest::keyClicks(graph->MaskEdit1, text);
  }

  QString PressEnter() {
    QString message;
    testing::CloseNextMessage(&message);
    QTest::keyClick(graph->MaskEdit1, Qt::Key_Return);
    QTest::qWait(100);
    return message;
  }

  QRadioButton* ScaleItem(int index) { return graph->RadioGroup1->findChildren<QRadioButton*>().at(index); }

  std::shared_ptr<FakeRun> run = std::make_shared<FakeRun>();
  std::unique_ptr<TForm8> graph;
  TForm9* chooser = nullptr;
  ShowCounter chooserShows;
};

std::vector<bool> BoxStates(const TForm9& chooser) {
  std::vector<bool> states;
  for (const QCheckBox* box : chooser.Boxes) states.push_back(box->isChecked());
  return states;
}

TEST_F(GraphWindow, TheChooserComesUpOncePerOpeningWithTheBoxesAsTheyWereLeft) {
  Create(kOscilabGraphWindow);
  std::vector<bool> firstStates, secondStates;
  std::vector<std::size_t> drawn;
  const int result = Open(
      [&](TForm9& shown) {
        firstStates = BoxStates(shown);
        shown.Boxes[1]->click();
      },
      [&] {
        EXPECT_EQ(chooserShows.count, 1);
        drawn = graph->CurrentPlot().curveRows;
      });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(firstStates, (std::vector<bool>{true, true}));
  EXPECT_EQ(drawn, (std::vector<std::size_t>{0}));

  // Reopened and closed with the close box this time.
  const int closed = Open([&](TForm9& shown) { secondStates = BoxStates(shown); }, [&] { graph->close(); });
  EXPECT_EQ(chooserShows.count, 2);
  EXPECT_EQ(secondStates, (std::vector<bool>{true, false}));
  EXPECT_EQ(closed, QDialog::Rejected);
}

TEST_F(GraphWindow, ChooseGraphsBringsTheChooserBackAndItsCloseBoxKeepsTheChanges) {
  Create(kOscilabGraphWindow);
  std::vector<std::size_t> before, after;
  Open({}, [&] {
    before = graph->CurrentPlot().curveRows;
    testing::OnNextModal([](QWidget* modal) {
      auto* shown = dynamic_cast<TForm9*>(modal);
      ASSERT_NE(shown, nullptr);
      shown->Boxes[0]->click();
      shown->close();
    });
    QTest::mouseClick(graph->Button2, Qt::LeftButton);
    after = graph->CurrentPlot().curveRows;
  });
  EXPECT_EQ(chooserShows.count, 2);
  EXPECT_EQ(before, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(after, (std::vector<std::size_t>{1}));
}

struct ProgramCase {
  const char* name;
  const GraphWindowLayout* layout;
  const char* caption;
  QSize paintBox;
  std::vector<std::size_t> drawnAtStart;
  bool timeEdit;
  bool scaleGroup;
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const ProgramCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class GraphWindowOfEachProgram : public GraphWindow, public ::testing::WithParamInterface<ProgramCase> {};

TEST_P(GraphWindowOfEachProgram, OkAtOnceDrawsTheCurvesCheckedAtStart) {
  const ProgramCase& c = GetParam();
  Create(*c.layout);
  EXPECT_EQ(graph->windowTitle(), QString::fromUtf8(c.caption));
  EXPECT_EQ(graph->PaintBox1->size(), c.paintBox);
  EXPECT_EQ(graph->MaskEdit1 != nullptr, c.timeEdit);
  EXPECT_EQ(graph->RadioGroup1 != nullptr, c.scaleGroup);
  // Every box lies inside the chooser's group, and inside the chooser.
  for (const QCheckBox* box : chooser->Boxes) {
    EXPECT_TRUE(chooser->GroupBox1->rect().contains(box->geometry())) << box->objectName().toStdString();
  }
  EXPECT_TRUE(chooser->rect().contains(chooser->Button1->geometry()));

  QImage picture;
  std::vector<std::size_t> drawn;
  Open({}, [&] {
    drawn = graph->CurrentPlot().curveRows;
    picture = graph->PaintBox1->grab().toImage();
  });
  EXPECT_EQ(drawn, c.drawnAtStart);
  // The first curve of every table is the yellow one, checked at start.
  bool yellow = false;
  for (int y = 0; y < picture.height() && !yellow; ++y)
    for (int x = 0; x < picture.width() && !yellow; ++x)
      yellow = picture.pixelColor(x, y) == ToQColor(clYellow);
  EXPECT_TRUE(yellow);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, GraphWindowOfEachProgram,
    ::testing::Values(ProgramCase{"Oscilab", &kOscilabGraphWindow, "Графики", {669, 361}, {0, 1}, true, true},
                      ProgramCase{
                          "Motor", &kMotorGraphWindow, "Графики температур", {669, 361}, {0}, false, true},
                      ProgramCase{"Ship", &kShipGraphWindow, "Графики", {737, 361}, {0}, false, false}),
    [](const ::testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

TEST_F(GraphWindow, UncheckingEveryBoxLeavesTheAxesAlone) {
  Create(kOscilabGraphWindow);
  QImage picture;
  Open(
      [](TForm9& shown) {
        for (QCheckBox* box : shown.Boxes) box->setChecked(false);
      },
      [&] { picture = graph->PaintBox1->grab().toImage(); });
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor colour = picture.pixelColor(x, y);
      ASSERT_NE(colour, ToQColor(clYellow));
      ASSERT_FALSE(colour.red() > 200 && colour.green() < 50 && y < 330 && x > 30 && x < 638)
          << x << ", " << y;
    }
}

TEST_F(GraphWindow, EnterSetsTheSpanWithinTheRunAndRefusesOneBeyondIt) {
  Create(kOscilabGraphWindow);
  Open({}, [&] {
    EXPECT_EQ(graph->MaskEdit1->text(), "10");
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 10);

    Type("5");
    EXPECT_EQ(PressEnter(), "");
    EXPECT_TRUE(graph->isVisible()) << "Enter must stay with the edit";
    GraphPlot plot = graph->CurrentPlot();
    EXPECT_EQ(plot.timeSpan, 5);
    EXPECT_EQ(plot.spanSamples, 5.0L / 0.01f);

    // The whole run is a span too.
    Type("10");
    EXPECT_EQ(PressEnter(), "");
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 10);

    Type("5");
    PressEnter();
    Type("11");
    EXPECT_EQ(PressEnter(), "Превышение расчетного времени. ввдите другое значение");
    EXPECT_EQ(graph->MaskEdit1->text(), "10");
    EXPECT_TRUE(graph->isVisible());
  });
}

TEST_F(GraphWindow, ATextThatIsNoSpanKeepsTheLastSpan) {
  Create(kOscilabGraphWindow);
  Open({}, [&] {
    Type("4");
    PressEnter();
    // Typed beyond the run and not confirmed: the series hold nothing there.
    Type("20");
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 4);
    // No digits at all: Enter reports it and changes nothing.
    Type("");
    EXPECT_EQ(PressEnter(), "'' is not a valid floating point value");
    EXPECT_EQ(graph->MaskEdit1->text(), "");
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 4);
    // A span typed within the run is drawn at the next paint, as the edit reads then.
    Type("3");
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 3);
  });
}

TEST_F(GraphWindow, ReopeningShowsTheWholeRunAgain) {
  Create(kOscilabGraphWindow);
  Open({}, [&] {
    Type("2");
    PressEnter();
  });
  run->runTime = 20;
  Open({}, [&] {
    EXPECT_EQ(graph->MaskEdit1->text(), "20");
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 20);
  });
}

TEST_F(GraphWindow, ARunTimeWithAFractionShowsItsWholeSecondsButDrawsTheWholeRun) {
  Create(kOscilabGraphWindow);
  run->runTime = 2.5f;
  Open({}, [&] {
    EXPECT_EQ(graph->MaskEdit1->text(), "2");
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 2.5);
    PressEnter();
    EXPECT_EQ(graph->CurrentPlot().timeSpan, 2);
  });
  EXPECT_EQ(TimeEditText(12345678), "999999");
  EXPECT_EQ(TimeEditText(0.5f), "0");
  EXPECT_EQ(TimeEditText(100), "100");
}

TEST_F(GraphWindow, ScalesAreSnapshotsTakenAtShowAndOnAClickInTheScaleGroup) {
  Create(kOscilabGraphWindow);
  Open({}, [&] {
    EXPECT_EQ(graph->ScaleMode(), 0);
    EXPECT_EQ(graph->CurrentPlot().scales[0].max, 1);
    run->ranges[0] = {.max = 3, .min = -2};
    EXPECT_EQ(graph->CurrentPlot().scales[0].max, 1) << "a snapshot, not the range as it is now";

    QTest::mouseClick(ScaleItem(1), Qt::LeftButton);
    GraphPlot fixed = graph->CurrentPlot();
    EXPECT_EQ(fixed.scales[1].max, 10);
    EXPECT_EQ(fixed.scales[1].min, -10);
    EXPECT_EQ(fixed.columnScales[0].min, -1);

    QTest::mouseClick(ScaleItem(0), Qt::LeftButton);
    EXPECT_EQ(graph->CurrentPlot().scales[0].max, 3);
    EXPECT_EQ(graph->CurrentPlot().columnScales[0].min, -2);
    QTest::mouseClick(ScaleItem(1), Qt::LeftButton);
  });
  // The mode stays; the scales are taken afresh at the next opening.
  Open({}, [&] {
    EXPECT_EQ(graph->ScaleMode(), 1);
    EXPECT_EQ(graph->CurrentPlot().scales[0].max, 1);
  });
}

TEST_F(GraphWindow, ShipReadsItsRangesAtEveryPaintOnItsScaleOrder) {
  Create(kShipGraphWindow);
  Open({}, [&] {
    run->ranges = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}};
    const GraphPlot plot = graph->CurrentPlot();
    ASSERT_EQ(plot.columnScales.size(), 4u);
    EXPECT_EQ(plot.columnScales[1].max, 2);
    EXPECT_EQ(plot.scales[6].max, 7);
    EXPECT_EQ(plot.timeSpan, 10);
    EXPECT_EQ(plot.spanSamples, 1000);
  });
}

TEST_F(GraphWindow, MarkersFollowTheirBox) {
  Create(kMotorGraphWindow);
  Open({}, [&] {
    EXPECT_FALSE(graph->CurrentPlot().markers);
    QTest::mouseClick(graph->CheckBox1, Qt::LeftButton);
    EXPECT_TRUE(graph->CurrentPlot().markers);
  });
  Open({}, [&] { EXPECT_TRUE(graph->CurrentPlot().markers) << "kept between openings"; });
}

}  // namespace
}  // namespace viewer
