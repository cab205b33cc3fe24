#include "Phase.h"

#include "Field.h"
#include "oscilab/model/phase_portrait.h"
#include "ui_Phase.h"
#include "viewer/platform/application.h"
#include "viewer/platform/canvas.h"
#include "window_set.h"

namespace oscilab {

TForm5::TForm5(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm5>()) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("Form5"));
  setFont(viewer::WindowFont(11));
  QFont titleFont = viewer::WindowFont(16);
  titleFont.setBold(true);
  ui_->Label1->setFont(titleFont);
  setFixedSize(size());
  ui_->PaintBox1->OnPaint = [this](QPainter& painter) { PaintBox1Paint(painter); };
  connect(ui_->Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
}

TForm5::~TForm5() = default;

void TForm5::Button3Click() {
  done(1);
}

void TForm5::PaintBox1Paint(QPainter& painter) {
  const auto points = PhasePortraitPoints(Form2->Run, ui_->PaintBox1->width(), ui_->PaintBox1->height());
  if (points.empty()) return;
  viewer::Canvas canvas(painter);
  canvas.SetPenWidth(2);
  canvas.SetPenColour(Qt::black);
  canvas.SetBrushColour(Qt::black);
  canvas.MoveTo(points.front().x, points.front().y);
  for (std::size_t i = 1; i < points.size(); ++i) canvas.LineTo(points[i].x, points[i].y);
}

}  // namespace oscilab
