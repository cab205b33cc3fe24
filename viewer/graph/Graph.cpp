#include "Graph.h"

#include "viewer/platform/application.h"

namespace viewer {

TForm8::TForm8(const QString& caption, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(caption);
  setFont(WindowFont(11));
  setFixedSize(777, 445);
  Button1 = new QPushButton(QStringLiteral("Закрыть"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(688, 408, 75, 25);
  connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
}

}  // namespace viewer
