#include "choice.h"

#include "viewer/platform/application.h"

namespace viewer {

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form9"));
  setFont(WindowFont(11));
}

}  // namespace viewer
