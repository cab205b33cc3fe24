#include "canvas.h"

#include <QFontMetrics>
#include <QPaintEvent>

namespace viewer {

Canvas::Canvas(QPainter& painter) : painter_(painter) {
  ApplyPen();
}

void Canvas::ApplyPen() {
  QPen pen(penColour_);
  pen.setWidth(penWidth_);
  // A one-pixel line stops just before its end point, as desktop canvases draw it: a grid line drawn
  // to the frame's outer edge then ends on the frame's border instead of one pixel beyond it. Wider
  // lines keep square ends so that the segments of a polyline join without notches.
  pen.setCapStyle(penWidth_ <= 1 ? Qt::FlatCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
}

void Canvas::SetPenWidth(int width) {
  penWidth_ = width;
  ApplyPen();
}

void Canvas::SetPenColour(const QColor& colour) {
  penColour_ = colour;
  ApplyPen();
}

void Canvas::SetBrushColour(const QColor& colour) {
  brushColour_ = colour;
}
void Canvas::SetFontColour(const QColor& colour) {
  fontColour_ = colour;
}

void Canvas::SetFontSize(int points) {
  QFont font = painter_.font();
  font.setPointSize(points);
  painter_.setFont(font);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), brushColour_);
  painter_.save();
  QPen pen(penColour_);
  pen.setWidth(penWidth_);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).adjusted(0, 0, -1, -1));
  painter_.restore();
}

void Canvas::MoveTo(int x, int y) {
  penPosition_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y) {
  const QPoint end(x, y);
  painter_.drawLine(penPosition_, end);
  penPosition_ = end;
}

void Canvas::TextOut(int x, int y, const QString& text) {
  const QFontMetrics metrics(painter_.font());
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
  painter_.fillRect(box, brushColour_);
  painter_.save();
  painter_.setPen(fontColour_);
  painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
  painter_.restore();
}

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {}

void PaintBox::paintEvent(QPaintEvent*) {
  if (!OnPaint) return;
  QPainter painter(this);
  OnPaint(painter);
}

}  // namespace viewer
