#include "viewer/platform/opengl_panel.h"

#include <GL/gl.h>

#include <QFontMetrics>
#include <QPainter>
#include <QSurfaceFormat>
#include <algorithm>

namespace viewer {

OpenGLPanel::OpenGLPanel(QWidget* parent) : QOpenGLWidget(parent), textFont_(QStringLiteral("Arial")) {
  textFont_.setPixelSize(16);
  // The scenes are fixed-function immediate mode, which only a compatibility context offers.
  QSurfaceFormat surface = format();
  surface.setRenderableType(QSurfaceFormat::OpenGL);
  surface.setProfile(QSurfaceFormat::CompatibilityProfile);
  surface.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  setFormat(surface);
  // The framebuffer keeps its picture between paints, so one that Repaint drew need not be redrawn.
  setUpdateBehavior(QOpenGLWidget::PartialUpdate);
  // Floating-point exceptions are left masked, as the C runtime starts them: the scenes divide by
  // zero on purpose and rely on infinities rather than traps.
}

OpenGLPanel::~OpenGLPanel() = default;

int OpenGLPanel::PixelWidth() const {
  return qRound(width() * devicePixelRatioF());
}

int OpenGLPanel::PixelHeight() const {
  return qRound(height() * devicePixelRatioF());
}

void OpenGLPanel::Repaint() {
  if (!isVisible()) return;
  if (context() == nullptr) {
    repaint();  // the first paint creates the context and draws through it
    return;
  }
  // The picture is drawn into the panel's framebuffer now, and the window shows it at its next
  // composition together with whatever else the same event changed (the readouts beside it).
  // Composing the whole window once for the panel and again for the labels would cost more than
  // the 10 ms between ticks of the fastest playback.
  makeCurrent();
  glViewport(0, 0, PixelWidth(), PixelHeight());
  pictureIsCurrent_ = false;
  paintGL();
  glFlush();
  pictureIsCurrent_ = true;
  update();
}

void OpenGLPanel::SetTextFont(const QFont& font) {
  textFont_ = font;
  glyphs_ = {};
}

void OpenGLPanel::SetDepthBuffer(bool enabled) {
  QSurfaceFormat surface = format();
  surface.setDepthBufferSize(enabled ? 24 : 0);
  setFormat(surface);
}

QImage OpenGLPanel::GrabFrame() {
  return grabFramebuffer();
}

void OpenGLPanel::initializeGL() {
  pictureIsCurrent_ = false;
  if (OnInit) OnInit();
}

void OpenGLPanel::resizeGL(int, int) {
  pictureIsCurrent_ = false;  // the framebuffer was made anew
  if (OnResize) OnResize();
}

void OpenGLPanel::paintGL() {
  if (pictureIsCurrent_) {
    pictureIsCurrent_ = false;
    return;
  }
  if (OnPaint) OnPaint();
  ForceOpaqueAlpha();
}

// Blending leaves alpha below 1 in the framebuffer, and the window compositor and QWidget::grab()
// would then show the picture mixed with whatever lies behind it. Only alpha is rewritten.
void OpenGLPanel::ForceOpaqueAlpha() {
  GLboolean writeMask[4];
  glGetBooleanv(GL_COLOR_WRITEMASK, writeMask);
  GLfloat clearColour[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
  const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
  if (scissor) glDisable(GL_SCISSOR_TEST);

  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);

  glColorMask(writeMask[0], writeMask[1], writeMask[2], writeMask[3]);
  glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
  if (scissor) glEnable(GL_SCISSOR_TEST);
}

void OpenGLPanel::Draw2DText(const char* text) {
  if (text == nullptr) return;
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  // glBitmap takes the colour latched by the last glRasterPos, and each glyph moves the raster
  // position on by its advance; an invalid raster position (outside the viewport) draws nothing.
  for (const unsigned char* character = reinterpret_cast<const unsigned char*>(text); *character != 0;
       ++character) {
    const Glyph& glyph = GlyphFor(*character);
    glBitmap(glyph.width, glyph.height, glyph.originX, glyph.originY, glyph.advance, 0,
             glyph.rows.empty() ? nullptr : glyph.rows.data());
  }
  glPopClientAttrib();
}

const OpenGLPanel::Glyph& OpenGLPanel::GlyphFor(unsigned char character) {
  const qreal pixelRatio = devicePixelRatioF();
  if (pixelRatio != glyphPixelRatio_) {
    glyphs_ = {};
    glyphPixelRatio_ = pixelRatio;
  }
  Glyph& glyph = glyphs_[character];
  if (glyph.rendered) return glyph;
  glyph.rendered = true;

  // Glyphs are drawn in device pixels, so the font is scaled by the screen's pixel ratio.
  QFont font = textFont_;
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, qRound(font.pixelSize() * pixelRatio)));
  else
    font.setPointSizeF(font.pointSizeF() * pixelRatio);
  // Bitmap text has one colour and no coverage: antialiased edges would only be thresholded away.
  font.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(font);
  const QChar letter = QChar::fromLatin1(static_cast<char>(character));
  glyph.advance = static_cast<float>(metrics.horizontalAdvance(letter));

  // A margin of one line height on every side holds any part of a glyph that reaches beyond its
  // advance or below its descent.
  const int margin = metrics.height();
  QImage image(metrics.horizontalAdvance(letter) + 2 * margin, metrics.height() + 2 * margin,
               QImage::Format_Grayscale8);
  image.fill(0);
  const int baselineRow = margin + metrics.ascent();
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(QPoint(margin, baselineRow), QString(letter));
  }

  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int row = 0; row < image.height(); ++row) {
    const uchar* line = image.constScanLine(row);
    for (int column = 0; column < image.width(); ++column) {
      if (line[column] < 128) continue;
      left = std::min(left, column);
      right = std::max(right, column);
      top = std::min(top, row);
      bottom = std::max(bottom, row);
    }
  }
  if (right < 0) return glyph;  // a blank such as the space only moves the raster position

  glyph.width = right - left + 1;
  glyph.height = bottom - top + 1;
  glyph.originX = static_cast<float>(margin - left);
  // Image row baselineRow - 1 is the first row above the baseline.
  glyph.originY = static_cast<float>(bottom + 1 - baselineRow);
  const int bytesPerRow = (glyph.width + 7) / 8;
  glyph.rows.assign(static_cast<std::size_t>(bytesPerRow * glyph.height), 0);
  for (int bitmapRow = 0; bitmapRow < glyph.height; ++bitmapRow) {
    const uchar* line = image.constScanLine(bottom - bitmapRow);
    unsigned char* bits = glyph.rows.data() + bitmapRow * bytesPerRow;
    for (int column = 0; column < glyph.width; ++column)
      if (line[left + column] >= 128) bits[column / 8] |= static_cast<unsigned char>(0x80 >> (column % 8));
  }
  return glyph;
}

}  // namespace viewer
