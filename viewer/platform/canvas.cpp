#include "canvas.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <algorithm>
#include <cstdlib>
#include <vector>

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
  laidOut_.clear();
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

namespace {

// The pixels a two-pixel line covers around the pixel (column, row): the square reaching one pixel up
// and to the left, as the square line ends of LineTo place it.
QRect WideSpan(int left, int top, int right, int bottom) {
  return QRect(QPoint(std::min(left, right) - 1, std::min(top, bottom) - 1),
               QPoint(std::max(left, right), std::max(top, bottom)));
}

// Adds a span, merged into the last one where it continues it in the same columns or rows: a curve's
// steps mostly do, and fewer, larger rectangles fill faster than many overlapping small ones.
void AddSpan(std::vector<QRect>& spans, const QRect& span) {
  if (!spans.empty()) {
    QRect& last = spans.back();
    const bool sameColumns = last.left() == span.left() && last.right() == span.right();
    const bool sameRows = last.top() == span.top() && last.bottom() == span.bottom();
    if ((sameColumns && span.top() <= last.bottom() + 1 && span.bottom() >= last.top() - 1) ||
        (sameRows && span.left() <= last.right() + 1 && span.right() >= last.left() - 1)) {
      last = QRect(QPoint(std::min(last.left(), span.left()), std::min(last.top(), span.top())),
                   QPoint(std::max(last.right(), span.right()), std::max(last.bottom(), span.bottom())));
      return;
    }
  }
  spans.push_back(span);
}

}  // namespace

void Canvas::Polyline(std::span<const QPoint> points) {
  if (points.empty()) return;
  MoveTo(points.front().x(), points.front().y());
  std::vector<QRect> spans;
  for (const QPoint& end : points.subspan(1)) {
    const QPoint start = penPosition_;
    const int across = end.x() - start.x(), down = end.y() - start.y();
    if (penWidth_ != 2 || (std::abs(across) > 1 && std::abs(down) > 1)) {
      LineTo(end.x(), end.y());
      continue;
    }
    // A steep step runs down its first column for half its rows and down the next for the rest; a flat
    // one likewise along two rows.
    if (std::abs(across) <= 1) {
      const int middle = start.y() + down / 2;
      AddSpan(spans, WideSpan(start.x(), start.y(), start.x(), middle));
      AddSpan(spans, WideSpan(end.x(), middle, end.x(), end.y()));
    } else {
      const int middle = start.x() + across / 2;
      AddSpan(spans, WideSpan(start.x(), start.y(), middle, start.y()));
      AddSpan(spans, WideSpan(middle, end.y(), end.x(), end.y()));
    }
    penPosition_ = end;
  }
  if (spans.empty()) return;
  painter_.save();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(penColour_);
  painter_.drawRects(spans.data(), static_cast<int>(spans.size()));
  painter_.restore();
}

void Canvas::TextOut(int x, int y, const QString& text) {
  const QFontMetrics metrics = painter_.fontMetrics();
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
  painter_.fillRect(box, brushColour_);
  // Drawn at its baseline rather than laid out in the box: the same place, without a text layout
  // per call (a graph draws a few hundred of these per paint).
  painter_.setPen(fontColour_);
  auto found = laidOut_.find(text);
  if (found == laidOut_.end()) {
    found = laidOut_.emplace(text, QStaticText(text)).first;
    found->second.setTextFormat(Qt::PlainText);
    found->second.prepare(painter_.transform(), painter_.font());
  }
  painter_.drawStaticText(QPoint(x, y), found->second);
  ApplyPen();
}

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {}

void PaintBox::paintEvent(QPaintEvent*) {
  if (!OnPaint) return;
  QPainter painter(this);
  OnPaint(painter);
}

}  // namespace viewer
