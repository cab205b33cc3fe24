#include "glyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace viewer {
namespace {

constexpr int kGlyphSize = 12;

QPixmap DrawGlyph(const QColor& colour, const std::function<void(QPainter&)>& shape) {
  QPixmap pixmap(kGlyphSize, kGlyphSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  shape(painter);
  return pixmap;
}

void Triangle(QPainter& painter, bool pointsRight) {
  const double tip = pointsRight ? kGlyphSize - 1 : 1;
  const double base = pointsRight ? 2 : kGlyphSize - 2;
  painter.drawPolygon(
      QPolygonF({QPointF(base, 1), QPointF(tip, kGlyphSize / 2.0), QPointF(base, kGlyphSize - 1)}));
}

void PauseBars(QPainter& painter) {
  painter.drawRect(QRectF(2, 1, 3, kGlyphSize - 2));
  painter.drawRect(QRectF(kGlyphSize - 5, 1, 3, kGlyphSize - 2));
}

QIcon StepGlyph(bool forward) {
  QIcon icon;
  icon.addPixmap(DrawGlyph(QColor(0, 0, 128), [=](QPainter& p) { Triangle(p, forward); }), QIcon::Normal);
  icon.addPixmap(DrawGlyph(QColor(128, 128, 128), [=](QPainter& p) { Triangle(p, forward); }),
                 QIcon::Disabled);
  return icon;
}

}  // namespace

QIcon StartStopGlyph() {
  QIcon icon;
  icon.addPixmap(DrawGlyph(QColor(0, 128, 0), [](QPainter& p) { Triangle(p, true); }), QIcon::Normal,
                 QIcon::Off);
  icon.addPixmap(DrawGlyph(QColor(160, 0, 0), PauseBars), QIcon::Normal, QIcon::On);
  return icon;
}

QIcon ForwardGlyph() {
  return StepGlyph(true);
}
QIcon BackGlyph() {
  return StepGlyph(false);
}

}  // namespace viewer
