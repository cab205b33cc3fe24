#pragma once

#include <QFont>
#include <QImage>
#include <QOpenGLWidget>
#include <functional>

namespace viewer {

// The OpenGL drawing panel of a main window: fixed-function GL 1.1, double buffered, with
// init/resize/paint callbacks that run with the panel's context current.
class OpenGLPanel : public QOpenGLWidget {
  Q_OBJECT
 public:
  explicit OpenGLPanel(QWidget* parent = nullptr);
  ~OpenGLPanel() override;

  // Each runs with the context current. OnResize and OnInit may read PixelWidth()/PixelHeight().
  std::function<void()> OnInit;
  std::function<void()> OnResize;
  std::function<void()> OnPaint;

  // Size of the drawing surface in device pixels (what glViewport wants).
  int PixelWidth() const;
  int PixelHeight() const;

  // Draws the panel through OnPaint before returning.
  void Repaint();

  // Draws `text` (Latin-1) with the panel's 2-D font at the current raster position in the colour
  // that was current when the raster position was set. Call only from OnPaint.
  void Draw2DText(const char* text);

  // The 2-D text font; Arial 16 px unless changed.
  void SetTextFont(const QFont& font);

  // The last painted picture, alpha forced to opaque.
  QImage GrabFrame();

 protected:
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;

 private:
  QFont textFont_;
};

}  // namespace viewer
