// The oscillation scene drawn on the real GL panel (533 x 441, as on the main window) and checked
// on its pixels, at positions worked out from the scene's geometry.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <ostream>

#include <QTest>
#include <QWidget>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "oscilab/oscillation_scene.h"
#include "viewer/platform/opengl_panel.h"

namespace oscilab {
namespace {

constexpr int kWidth = 533;
constexpr int kHeight = 441;
constexpr int kSceneWidth = 314;  // trunc(533 / 441 * 260)
constexpr double kPi = 3.141592653589793;

const QColor kWhite(255, 255, 255);
const QColor kPlaneGrey(128, 128, 128);
const QColor kDarkGrey(51, 51, 51);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);
const QColor kRed(255, 0, 0);

OscillationParameters NominalParameters() {
  OscillationParameters parameters;
  const float values[] = {0.01f, 0.01f, 10, 2, 0, 600, 12, 17.3205f, 0, 30, 9.8f, 0.4f, 0, 0};
  for (int index = 0; index < OscillationParameters::kCount; ++index) parameters[index] = values[index];
  return parameters;
}

// A three-sample run made by hand. Sample 0 is at rest at the origin; in sample 1 every quantity
// stands at the positive or negative end of its range so that its arrow is 40 units long; sample 2
// mirrors sample 1.
struct Sample {
  float x, v, fc, fel, fdr;
};

OscillationRun MakeRun(const std::vector<Sample>& samples) {
  OscillationRun run;
  const std::size_t count = samples.size();
  run.X = viewer::SampleSeries<float>(count);
  run.V = viewer::SampleSeries<float>(count);
  run.Fc = viewer::SampleSeries<float>(count);
  run.Fel = viewer::SampleSeries<float>(count);
  run.Fdr = viewer::SampleSeries<float>(count);
  for (std::size_t index = 0; index < count; ++index) {
    const Sample& sample = samples[index];
    run.X.set(index, sample.x);
    run.V.set(index, sample.v);
    run.Fc.set(index, sample.fc);
    run.Fel.set(index, sample.fel);
    run.Fdr.set(index, sample.fdr);
    run.Ranges[kXRange].Widen(sample.x);
    run.Ranges[kVRange].Widen(sample.v);
    run.Ranges[kFcRange].Widen(sample.fc);
    run.Ranges[kFelRange].Widen(sample.fel);
  }
  run.RecordedCount = static_cast<int>(count);
  run.SampleCount = static_cast<float>(count - 1);
  run.OriginPos = static_cast<float>(0.4 - 2 * 9.8 * std::sin(30 / 57.3) / 600);
  run.SceneScale = 250;
  return run;
}

OscillationRun HandRun() {
  return MakeRun({{0, 0, 0, 0, 0}, {0.1f, 1, -2, 3, 12}, {-0.1f, -1, 2, -3, -12}});
}

// Where the scene puts things, in scene units.
struct Geometry {
  double angleDegrees;
  // A point given along the plane from its lower end and away from it.
  QPointF OnPlane(double along, double away) const {
    const double radians = angleDegrees * kPi / 180;
    return {60 + along * std::cos(radians) - away * std::sin(radians),
            20 + along * std::sin(radians) + away * std::cos(radians)};
  }
  // Along the plane to the centre of the mass's base, and to the origin marker.
  static double MassAlong(const OscillationRun& run, int frame) {
    return 20 + (run.OriginPos - 0.4 + run.X[frame]) * run.SceneScale + 100;
  }
  static double OriginAlong(const OscillationRun& run) {
    return 20 + (run.OriginPos - 0.4) * run.SceneScale + 100;
  }
};

// Scene units to the image pixel that holds the point; image rows run downwards.
QPoint ToPixel(QPointF scene) {
  return {static_cast<int>(std::floor(scene.x() * kWidth / kSceneWidth)),
          static_cast<int>(std::floor(kHeight - scene.y() * kHeight / 260))};
}

bool SameColour(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
         std::abs(a.blue() - b.blue()) <= 2;
}

// Whether `colour` is at the pixel of `scene` or one of its eight neighbours: thin lines land on
// pixel centres only to within a pixel.
bool ColourNear(const QImage& image, QPointF scene, QColor colour) {
  const QPoint centre = ToPixel(scene);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint pixel = centre + QPoint(dx, dy);
      if (image.rect().contains(pixel) && SameColour(image.pixelColor(pixel), colour)) return true;
    }
  return false;
}

QColor ColourAt(const QImage& image, QPointF scene) {
  return image.pixelColor(ToPixel(scene));
}

int CountColour(const QImage& image, QColor colour, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.rect().contains(x, y) && SameColour(image.pixelColor(x, y), colour)) ++count;
  return count;
}

class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(kWidth + 16, kHeight + 24);
    panel_ = new viewer::OpenGLPanel(&window_);
    panel_->setGeometry(8, 12, kWidth, kHeight);
    panel_->OnInit = [this] {
      sceneWidth_ = scene::SetUpProjection(panel_->PixelWidth(), panel_->PixelHeight());
      glClearColor(1, 1, 1, 1);
    };
    panel_->OnResize = [this] {
      sceneWidth_ = scene::SetUpProjection(panel_->PixelWidth(), panel_->PixelHeight());
    };
    panel_->OnPaint = [this] {
      if (paint_)
        paint_();
      else
        scene::Paint(*panel_, run_, parameters_, frame_, options_);
    };
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  QImage Render() { return panel_->GrabFrame(); }

  QWidget window_;
  viewer::OpenGLPanel* panel_ = nullptr;
  int sceneWidth_ = 0;
  std::function<void()> paint_;  // replaces the scene's paint when set
  OscillationRun run_ = HandRun();
  OscillationParameters parameters_ = NominalParameters();
  int frame_ = 0;
  SceneOptions options_;
};

TEST_F(SceneTest, SceneWidthFollowsTheAspectOfThePanel) {
  EXPECT_EQ(sceneWidth_, kSceneWidth);
  struct Case {
    int width, height, sceneWidth;
  };
  paint_ = [&] {
    for (const Case& size : {Case{533, 441, 314}, Case{441, 441, 260}, Case{300, 600, 130}, Case{7, 0, 1820}})
      EXPECT_EQ(scene::SetUpProjection(size.width, size.height), size.sceneWidth)
          << size.width << " x " << size.height;
    scene::SetUpProjection(kWidth, kHeight);
  };
  Render();
}

TEST_F(SceneTest, PlaneIsATriangleExceptAtZeroAndNinetyDegrees) {
  struct Case {
    double angle;
    QPointF inside;  // in the plane's own frame (x along the base, y up), from its lower end
  };
  // 120 and -10 degrees: the triangle lies left of, and below, the lower end.
  for (const Case& plane : {Case{30, {150, 20}}, Case{120, {-40, 30}}, Case{-10, {151, -13}}}) {
    parameters_.PlaneAngle = static_cast<float>(plane.angle);
    const QImage image = Render();
    EXPECT_EQ(ColourAt(image, plane.inside + QPointF(60, 20)), kPlaneGrey) << plane.angle;
  }

  // A line 3 pixels wide: count the grey pixels across it, between the stop and the mass.
  parameters_.PlaneAngle = 0;
  QImage image = Render();
  const int column = ToPixel({60 + 60, 0}).x();
  EXPECT_EQ(CountColour(image, kPlaneGrey, QRect(column, 0, 1, kHeight)), 3);
  EXPECT_EQ(ColourAt(image, {60 + 60, 20 - 4}), kWhite);

  parameters_.PlaneAngle = 90;
  image = Render();
  const int row = ToPixel({0, 20 + 80}).y();
  EXPECT_EQ(CountColour(image, kPlaneGrey, QRect(0, row, kWidth, 1)), 3);
  EXPECT_EQ(ColourAt(image, {60 + 4, 20 + 80}), kWhite);
}

TEST_F(SceneTest, MassIsDarkGreyAndFollowsTheCoordinate) {
  const Geometry plane{30};
  frame_ = 1;
  const QPointF massAtFrame1 = plane.OnPlane(Geometry::MassAlong(run_, 1), 25);
  const QPointF stop = plane.OnPlane(5, 25);
  QImage image = Render();
  EXPECT_EQ(ColourAt(image, massAtFrame1), kDarkGrey);
  EXPECT_EQ(ColourAt(image, stop), kPlaneGrey);

  frame_ = 2;  // 0.2 m, 50 units, further down the plane
  image = Render();
  EXPECT_EQ(ColourAt(image, massAtFrame1), kWhite);
  EXPECT_EQ(ColourAt(image, plane.OnPlane(Geometry::MassAlong(run_, 2), 25)), kDarkGrey);
  // The spring runs from the stop up to the mass, between 5 and 15 units from the plane.
  bool springCrosses = false;
  for (int away = 4; away <= 16; ++away)
    springCrosses |= ColourNear(image, plane.OnPlane(30, away), kDarkGrey);
  EXPECT_TRUE(springCrosses);
}

TEST_F(SceneTest, DamperIsDrawnOnlyWithDamping) {
  const Geometry plane{30};
  frame_ = 1;
  const double mass = Geometry::MassAlong(run_, 1);
  const QPointF cylinderLines[] = {plane.OnPlane(200, 35), plane.OnPlane(200, 45)};
  const QPointF piston = plane.OnPlane(mass, 40);

  parameters_.Damping = 1;
  QImage image = Render();
  for (const QPointF& line : cylinderLines) EXPECT_TRUE(ColourNear(image, line, kDarkGrey));
  EXPECT_EQ(ColourAt(image, piston), kDarkGrey);

  parameters_.Damping = 0;
  image = Render();
  for (const QPointF& line : cylinderLines) EXPECT_FALSE(ColourNear(image, line, kDarkGrey));
  EXPECT_EQ(ColourAt(image, piston), kWhite);
}

TEST_F(SceneTest, OriginMarkerAndItsLabelAreRed) {
  const Geometry plane{30};
  frame_ = 2;  // the mass stands away from the origin
  const double origin = Geometry::OriginAlong(run_);
  EXPECT_NEAR(origin, 116, 0.5);
  const QImage image = Render();
  EXPECT_TRUE(ColourNear(image, plane.OnPlane(origin, 50), kRed));
  EXPECT_TRUE(ColourNear(image, plane.OnPlane(origin, 5), kRed));

  // "s0" stands on its raster position and to the right of it.
  const QPoint label = ToPixel(plane.OnPlane(std::trunc(origin - 20 + 5) + 20, 60));
  const QRect aboveBaseline(label.x(), label.y() - 14, 22, 14);
  EXPECT_GT(CountColour(image, kRed, aboveBaseline), 15);
}

struct ArrowCase {
  std::string name;
  SceneOptions options;
  QColor colour;
  int directionAtFrame1;  // +1 up the plane, -1 down it
  std::function<void(OscillationParameters&)> adjust = [](OscillationParameters&) {};
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const ArrowCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class ArrowTest : public SceneTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowTest, PointsAlongTheSignOfItsValueAndIsFortyUnitsAtTheRangeEnd) {
  const ArrowCase& arrow = GetParam();
  arrow.adjust(parameters_);
  options_ = arrow.options;
  const Geometry plane{30};
  for (int frame : {1, 2}) {
    frame_ = frame;
    const int direction = frame == 1 ? arrow.directionAtFrame1 : -arrow.directionAtFrame1;
    const double mass = Geometry::MassAlong(run_, frame);
    const QImage image = Render();
    EXPECT_TRUE(ColourNear(image, plane.OnPlane(mass + direction * 30, 15), arrow.colour)) << frame;
    EXPECT_TRUE(ColourNear(image, plane.OnPlane(mass + direction * 42, 15), arrow.colour)) << frame;
    EXPECT_FALSE(ColourNear(image, plane.OnPlane(mass + direction * 50, 15), arrow.colour)) << frame;
    EXPECT_FALSE(ColourNear(image, plane.OnPlane(mass - direction * 30, 15), arrow.colour)) << frame;
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachBox, ArrowTest,
    ::testing::Values(ArrowCase{"Velocity", {.velocity = true}, kBlue, +1},
                      ArrowCase{"ResistingForce",
                                {.resistingForce = true},
                                kGreen,
                                -1,
                                [](OscillationParameters& parameters) { parameters.Damping = 1; }},
                      ArrowCase{"ElasticForce", {.elasticForce = true}, kMagenta, +1},
                      ArrowCase{"DrivingForce", {.drivingForce = true}, kRed, +1},
                      // Scaled by a negative amplitude, the arrow still follows the force's sign.
                      ArrowCase{"DrivingForceWithNegativeAmplitude",
                                {.drivingForce = true},
                                kRed,
                                +1,
                                [](OscillationParameters& parameters) { parameters.ForceAmplitude = -12; }}),
    [](const ::testing::TestParamInfo<ArrowCase>& info) { return info.param.name; });

struct HiddenArrowCase {
  std::string name;
  SceneOptions options;
  std::function<void(OscillationParameters&, OscillationRun&)> adjust;
};
// Parameterised tests are listed by the case's name rather than a dump of its bytes.
void PrintTo(const HiddenArrowCase& testCase, std::ostream* out) {
  *out << testCase.name;
}

class HiddenArrowTest : public SceneTest, public ::testing::WithParamInterface<HiddenArrowCase> {};

TEST_P(HiddenArrowTest, CheckedBoxDrawsTheSamePictureAsUnchecked) {
  const HiddenArrowCase& arrow = GetParam();
  arrow.adjust(parameters_, run_);
  frame_ = 1;
  const QImage unchecked = Render();
  options_ = arrow.options;
  EXPECT_EQ(Render(), unchecked);
}

INSTANTIATE_TEST_SUITE_P(
    EachCondition, HiddenArrowTest,
    ::testing::Values(
        HiddenArrowCase{"ResistingForceWithoutDamping",
                        {.resistingForce = true},
                        [](OscillationParameters& parameters, OscillationRun&) { parameters.Damping = 0; }},
        HiddenArrowCase{"VelocityWithZeroRange",
                        {.velocity = true},
                        [](OscillationParameters&, OscillationRun& run) { run.Ranges[kVRange] = {}; }},
        HiddenArrowCase{"ElasticForceWithoutStiffness",
                        {.elasticForce = true},
                        [](OscillationParameters& parameters, OscillationRun&) { parameters.Stiffness = 0; }},
        HiddenArrowCase{
            "DrivingForceWithoutAmplitude",
            {.drivingForce = true},
            [](OscillationParameters& parameters, OscillationRun&) { parameters.ForceAmplitude = 0; }},
        // A series that never moved: its range, the arrow's scale, is zero.
        HiddenArrowCase{"ElasticForceThatNeverMoved",
                        {.elasticForce = true},
                        [](OscillationParameters&, OscillationRun& run) {
                          run = MakeRun({{0, 0, 0, 0, 0}, {0.1f, 1, -2, 0, 12}});
                        }},
        HiddenArrowCase{"ResistingForceThatNeverMoved",
                        {.resistingForce = true},
                        [](OscillationParameters& parameters, OscillationRun& run) {
                          parameters.Damping = 1;
                          run = MakeRun({{0, 0, 0, 0, 0}, {0.1f, 1, 0, 3, 12}});
                        }}),
    [](const ::testing::TestParamInfo<HiddenArrowCase>& info) { return info.param.name; });

TEST_F(SceneTest, VelocityArrowOfZeroLengthKeepsItsHeadPointingUpThePlane) {
  options_.velocity = true;
  frame_ = 0;  // V is 0 here, its range is not
  const Geometry plane{30};
  const double mass = Geometry::MassAlong(run_, 0);
  const QImage image = Render();
  EXPECT_TRUE(ColourNear(image, plane.OnPlane(mass + 2, 15), kBlue));
  EXPECT_FALSE(ColourNear(image, plane.OnPlane(mass - 3, 15), kBlue));
}

struct DrawArrowCase {
  float value, scale;
  double tip;  // where the head ends, in units along x; NAN when nothing is drawn
};

TEST_F(SceneTest, DrawArrowLengthAndDirection) {
  DrawArrowCase current{};
  paint_ = [&] {
    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    glTranslatef(150, 130, 0);
    glColor3f(0, 0, 1);
    scene::DrawArrow(current.value, current.scale);
    glPopMatrix();
  };
  const DrawArrowCase cases[] = {
      {1, 1, 45},       {2, 1, 85},  {-0.5f, 1, -25}, {3, -6, 25}, {0, 1, 5},
      {1, INFINITY, 5}, {1, 0, NAN}, {-1, 0, NAN},    {0, 0, NAN}, {NAN, 1, NAN},
  };
  for (const DrawArrowCase& arrow : cases) {
    current = arrow;
    const QImage image = Render();
    const std::string label = std::to_string(arrow.value) + " / " + std::to_string(arrow.scale);
    if (std::isnan(arrow.tip)) {
      EXPECT_EQ(CountColour(image, kBlue, image.rect()), 0) << label;
      continue;
    }
    EXPECT_TRUE(ColourNear(image, {150 + arrow.tip * 0.7, 130}, kBlue)) << label;
    EXPECT_FALSE(ColourNear(image, {150 + arrow.tip + std::copysign(3.0, arrow.tip), 130}, kBlue)) << label;
    EXPECT_FALSE(ColourNear(image, {150 - std::copysign(4.0, arrow.tip), 130}, kBlue)) << label;
  }
}

TEST_F(SceneTest, EmptyRunLeavesOnlyTheWhiteBackground) {
  run_ = OscillationRun{};
  options_ = {true, true, true, true};
  const QImage image = Render();
  EXPECT_EQ(CountColour(image, kWhite, image.rect()), kWidth * kHeight);
}

TEST_F(SceneTest, FrameIndexOutsideTheRunShowsTheNearestEnd) {
  options_ = {true, true, true, true};
  frame_ = 0;
  const QImage first = Render();
  frame_ = run_.LastFrame();
  const QImage last = Render();
  ASSERT_NE(first, last);
  frame_ = -3;
  EXPECT_EQ(Render(), first);
  frame_ = 1000;
  EXPECT_EQ(Render(), last);
}

}  // namespace
}  // namespace oscilab
