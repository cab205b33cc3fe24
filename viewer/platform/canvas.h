#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <span>

namespace viewer {

// The handful of drawing operations the paint boxes use, over any QPainter (a widget or a QImage).
// State is kept the way the drawing code expects: a pen position for MoveTo/LineTo, a brush that
// fills rectangles and backs text, a font colour separate from the pen.
class Canvas {
 public:
  explicit Canvas(QPainter& painter);

  void SetPenWidth(int width);
  void SetPenColour(const QColor& colour);
  void SetBrushColour(const QColor& colour);
  void SetFontColour(const QColor& colour);
  void SetFontSize(int points);

  QColor BrushColour() const { return brushColour_; }

  // Outlined with the pen and filled with the brush; the right and bottom edges are exclusive.
  void Rectangle(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  // A line from the pen position to (x, y), which becomes the pen position. With a one-pixel pen the
  // end point itself is left out.
  void LineTo(int x, int y);
  // MoveTo the first point, then LineTo each of the others, in one call. With a two-pixel pen a step
  // of at most one pixel across (or up or down) is filled as the pixel columns (or rows) it covers,
  // all in one batch: a graph's curves are thousands of such steps, and stroking each one is several
  // times slower.
  void Polyline(std::span<const QPoint> points);
  // Text with its top-left corner at (x, y) on an opaque background of the brush colour. Each text is
  // laid out once and kept for the life of the canvas, so the painter's font must change only through
  // SetFontSize while the canvas draws.
  void TextOut(int x, int y, const QString& text);

 private:
  void ApplyPen();

  QPainter& painter_;
  int penWidth_ = 1;
  QColor penColour_ = Qt::black;
  QColor brushColour_ = Qt::white;
  QColor fontColour_ = Qt::black;
  QPoint penPosition_;
  // Texts laid out once per font: a paint repeats the same few texts many times.
  std::map<QString, QStaticText> laidOut_;
};

// A plain drawing area whose picture comes from OnPaint, called on every paint.
class PaintBox : public QWidget {
 public:
  explicit PaintBox(QWidget* parent = nullptr);
  std::function<void(QPainter&)> OnPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace viewer
