// The GL panel on a real window under X: callbacks and their context, synchronous repaint, bitmap
// text, opaque alpha and the depth buffer, checked on the grabbed pixels.
#include "viewer/platform/opengl_panel.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QOpenGLContext>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace viewer {
namespace {

constexpr int kWidth = 533;
constexpr int kHeight = 441;

// The panel where a main window holds it: a child of a shown top-level window.
class PanelWindow {
 public:
  explicit PanelWindow(bool depthBuffer = false) {
    window_.resize(kWidth + 16, kHeight + 24);
    panel = new OpenGLPanel(&window_);
    panel->setGeometry(8, 12, kWidth, kHeight);
    if (depthBuffer) panel->SetDepthBuffer(true);
  }
  void Show() {
    window_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  QWidget& window() { return window_; }

  OpenGLPanel* panel;

 private:
  QWidget window_;
};

// Model-view set to window pixels, origin at the lower left, as the projections of the programs do.
void PixelProjection(OpenGLPanel& panel) {
  glLoadIdentity();
  glOrtho(0, panel.PixelWidth(), 0, panel.PixelHeight(), -1, 1);
}

bool IsWhite(QRgb pixel) {
  return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

// The smallest rectangle that holds every pixel that is not white.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!IsWhite(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

// Draws `text` with its raster position at window pixel (x, y), y counted up from the bottom.
struct TextCase {
  std::string text;
  int x = 100;
  int y = 100;
};

QImage RenderText(PanelWindow& window, const TextCase& textCase) {
  OpenGLPanel& panel = *window.panel;
  panel.OnPaint = [&panel, textCase] {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    PixelProjection(panel);
    glColor3f(1, 0, 0);
    glRasterPos2i(textCase.x, textCase.y);
    glColor3f(0, 0, 1);  // too late: the text keeps the colour latched by the raster position
    panel.Draw2DText(textCase.text.c_str());
  };
  return panel.GrabFrame();
}

TEST(OpenGLPanelTest, CallbacksRunInOrderWithTheContextCurrentAndRepaintIsSynchronous) {
  PanelWindow window;
  OpenGLPanel& panel = *window.panel;
  std::vector<std::string> events;
  auto record = [&](const char* name) {
    EXPECT_EQ(QOpenGLContext::currentContext(), panel.context()) << name;
    events.push_back(name);
  };
  QSize resizedTo;
  panel.OnInit = [&] { record("init"); };
  panel.OnResize = [&] {
    record("resize");
    resizedTo = QSize(panel.PixelWidth(), panel.PixelHeight());
  };
  int paints = 0;
  QColor colour(Qt::white);
  panel.OnPaint = [&] {
    record("paint");
    ++paints;
    glClearColor(colour.redF(), colour.greenF(), colour.blueF(), 1);
    glClear(GL_COLOR_BUFFER_BIT);
  };
  window.Show();
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], "init");
  EXPECT_EQ(events[1], "resize");
  EXPECT_EQ(std::count(events.begin(), events.end(), "init"), 1);
  EXPECT_EQ(resizedTo, QSize(kWidth, kHeight));

  // Repaints in quick succession, as playback at 10 ms makes them, each paint before returning.
  for (int repaint = 1; repaint <= 3; ++repaint) {
    const int before = paints;
    panel.Repaint();
    EXPECT_EQ(paints, before + 1) << "repaint " << repaint;
  }

  // And what reaches the screen is the picture of the last Repaint.
  for (const QColor& shown : {QColor(Qt::red), QColor(Qt::green)}) {
    colour = shown;
    panel.Repaint();
    // The window system shows it a moment later; how much later depends on the machine's load.
    QColor onScreen;
    for (int attempt = 0; attempt < 40 && onScreen != shown; ++attempt) {
      QTest::qWait(25);
      const QImage screen =
          window.window().screen()->grabWindow(window.window().winId(), 8, 12, kWidth, kHeight).toImage();
      onScreen = screen.pixelColor(kWidth / 2, kHeight / 2);
    }
    EXPECT_EQ(onScreen, shown);
  }
}

TEST(OpenGLPanelTest, TextTakesTheColourOfItsRasterPositionAndSitsOnTheBaseline) {
  PanelWindow window;
  window.Show();
  const QImage image = RenderText(window, {"H"});
  const QRect ink = InkBounds(image);
  ASSERT_FALSE(ink.isEmpty());
  for (int y = ink.top(); y <= ink.bottom(); ++y)
    for (int x = ink.left(); x <= ink.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      ASSERT_TRUE(IsWhite(pixel) || pixel == qRgb(255, 0, 0)) << x << "," << y;
    }
  // The lowest row of "H" is the first pixel row above the baseline through the raster position.
  EXPECT_EQ(ink.bottom(), kHeight - 101);
  EXPECT_GE(ink.left(), 100);
  EXPECT_LE(ink.left(), 102);
  // Liberation Sans at 16 px, Arial's metric twin: capitals are 11 or 12 pixels high.
  EXPECT_GE(ink.height(), 11);
  EXPECT_LE(ink.height(), 12);
}

TEST(OpenGLPanelTest, GlyphsAdvanceByTheirWidthsAndReadLatin1) {
  PanelWindow window;
  window.Show();
  QFont font("Arial");
  font.setPixelSize(16);
  const int advance = QFontMetrics(font).horizontalAdvance(QLatin1Char('H'));
  const QRect one = InkBounds(RenderText(window, {"H"}));
  const QRect two = InkBounds(RenderText(window, {"HH"}));
  const QRect spaced = InkBounds(RenderText(window, {"H H"}));
  EXPECT_EQ(two.width(), one.width() + advance);
  EXPECT_GT(spaced.width(), two.width());

  // E with acute accent, one byte in Latin-1: the accent rises above the plain capital.
  const QRect plain = InkBounds(RenderText(window, {"E"}));
  const QRect accented = InkBounds(RenderText(window, {"\xC9"}));
  EXPECT_LT(accented.top(), plain.top() - 1);
  EXPECT_EQ(accented.bottom(), plain.bottom());
}

TEST(OpenGLPanelTest, TextFontCanBeChanged) {
  PanelWindow window;
  window.Show();
  QFont font("Arial");
  font.setPixelSize(32);
  window.panel->SetTextFont(font);
  const QRect ink = InkBounds(RenderText(window, {"H"}));
  EXPECT_GE(ink.height(), 22);
  EXPECT_LE(ink.height(), 24);
}

TEST(OpenGLPanelTest, TextAtARasterPositionOutsideTheViewportIsNotDrawn) {
  PanelWindow window;
  window.Show();
  for (const TextCase& textCase : {TextCase{"s0", -3, 100}, TextCase{"s0", 100, -1},
                                   TextCase{"s0", kWidth + 1, 100}, TextCase{"s0", 100, kHeight + 1}})
    EXPECT_TRUE(InkBounds(RenderText(window, textCase)).isEmpty()) << textCase.x << "," << textCase.y;
  // Near the right edge it is drawn, clipped.
  EXPECT_FALSE(InkBounds(RenderText(window, {"s0", kWidth - 4, 100})).isEmpty());
}

TEST(OpenGLPanelTest, FrameIsOpaqueAndTheClearColourSurvivesThePaint) {
  PanelWindow window;
  OpenGLPanel& panel = *window.panel;
  // The clear colour is set once, with alpha 0; blending then writes alpha 0.5.
  panel.OnInit = [] { glClearColor(1, 1, 1, 0); };
  panel.OnPaint = [&panel] {
    glClear(GL_COLOR_BUFFER_BIT);
    PixelProjection(panel);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 1, 0.5f);
    glRecti(0, 0, 100, 100);
    glDisable(GL_BLEND);
  };
  window.Show();
  panel.Repaint();
  for (const QImage& image : {panel.GrabFrame(), panel.grab().toImage()}) {
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    const QRgb background = image.pixel(300, 100);
    const QRgb blended = image.pixel(50, kHeight - 50);
    EXPECT_EQ(qAlpha(background), 255);
    EXPECT_EQ(qAlpha(blended), 255);
    EXPECT_TRUE(IsWhite(background));
    EXPECT_NEAR(qRed(blended), 128, 2);
    EXPECT_NEAR(qBlue(blended), 255, 1);
  }
}

TEST(OpenGLPanelTest, DepthBufferOnRequestHidesFartherShapes) {
  PanelWindow window(true);
  OpenGLPanel& panel = *window.panel;
  panel.OnPaint = [&panel] {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PixelProjection(panel);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glColor3f(1, 0, 0);  // near (the projection maps z = 0.5 nearer than z = -0.5)
    glBegin(GL_QUADS);
    glVertex3f(0, 0, 0.5f), glVertex3f(100, 0, 0.5f), glVertex3f(100, 100, 0.5f), glVertex3f(0, 100, 0.5f);
    glEnd();
    glColor3f(0, 0, 1);  // far, drawn later over the same square
    glBegin(GL_QUADS);
    glVertex3f(0, 0, -0.5f), glVertex3f(100, 0, -0.5f), glVertex3f(100, 100, -0.5f),
        glVertex3f(0, 100, -0.5f);
    glEnd();
    glDisable(GL_DEPTH_TEST);
  };
  window.Show();
  EXPECT_GT(panel.format().depthBufferSize(), 0);
  EXPECT_EQ(panel.GrabFrame().pixel(50, kHeight - 50), qRgb(255, 0, 0));
}

TEST(OpenGLPanelTest, NewContextRunsInitAgainAndTextStillDraws) {
  PanelWindow first;
  int inits = 0;
  first.panel->OnInit = [&] { ++inits; };
  first.Show();
  ASSERT_EQ(inits, 1);

  // Moving the panel to another top-level window gives it a new context.
  QWidget second;
  second.resize(kWidth, kHeight);
  first.panel->setParent(&second);
  first.panel->setGeometry(0, 0, kWidth, kHeight);
  first.panel->show();
  second.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
  first.panel->Repaint();
  EXPECT_EQ(inits, 2);
  EXPECT_FALSE(InkBounds(RenderText(first, {"s0"})).isEmpty());
}

}  // namespace
}  // namespace viewer
