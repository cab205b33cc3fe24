#pragma once

#include <QFont>
#include <QImage>
#include <QOpenGLWidget>
#include <array>
#include <functional>
#include <vector>

namespace viewer {

// The OpenGL drawing panel of a main window: fixed-function GL 1.1, double buffered, with
// init/resize/paint callbacks that run with the panel's context current.
class OpenGLPanel : public QOpenGLWidget {
  Q_OBJECT
 public:
  explicit OpenGLPanel(QWidget* parent = nullptr);
  ~OpenGLPanel() override;

  // Each runs with the context current. OnInit runs once per context: again only when the panel
  // moves to another top-level window, which gives it a new one; OnResize follows it. Both may read
  // PixelWidth()/PixelHeight(). Before OnPaint the viewport is reset to the whole panel.
  std::function<void()> OnInit;
  std::function<void()> OnResize;
  std::function<void()> OnPaint;

  // Size of the drawing surface in device pixels (what glViewport wants).
  int PixelWidth() const;
  int PixelHeight() const;

  // Draws the panel through OnPaint before returning; a hidden panel is not drawn.
  void Repaint();

  // Draws `text` (Latin-1) with the panel's 2-D font at the current raster position in the colour
  // that was current when the raster position was set. Call only from OnPaint.
  void Draw2DText(const char* text);

  // The 2-D text font; Arial 16 px unless changed.
  void SetTextFont(const QFont& font);

  // Paints the panel and returns the picture, alpha forced to opaque.
  QImage GrabFrame();

  // Asks for a depth buffer (or none). Takes effect only before the panel is first shown.
  void SetDepthBuffer(bool enabled);

 protected:
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;

 private:
  // One character of the 2-D font as a glBitmap image: rows bottom-up, most significant bit first,
  // each row padded to whole bytes (drawn with unpack alignment 1).
  struct Glyph {
    bool rendered = false;
    int width = 0;
    int height = 0;
    float originX = 0;  // from the bitmap's lower-left corner to the pen position on the baseline
    float originY = 0;
    float advance = 0;
    std::vector<unsigned char> rows;
  };

  const Glyph& GlyphFor(unsigned char character);
  void ForceOpaqueAlpha();

  QFont textFont_;
  // Repaint drew the picture itself, and the composition that follows need not draw it again.
  bool pictureIsCurrent_ = false;
  // Kept in client memory, not in display lists, so the cache survives a new context.
  std::array<Glyph, 256> glyphs_;
  qreal glyphPixelRatio_ = 0;
};

}  // namespace viewer
