#include "choice.h"

#include "viewer/platform/application.h"

namespace viewer {

namespace {

constexpr int kBoxHeight = 17;
constexpr int kBoxGap = 4;

// A box reaches to the next box on its row, or to the group's right edge.
int BoxWidth(const GraphWindowLayout& layout, const CurveRow& row) {
  int right = layout.chooser.groupBox.width;
  for (const CurveRow& other : layout.curves) {
    if (other.top == row.top && other.left > row.left && other.left < right) right = other.left;
  }
  return right - row.left - kBoxGap;
}

QRect Rect(const ControlPlace& place) {
  return QRect(place.left, place.top, place.width, place.height);
}

}  // namespace

TForm9::TForm9(const GraphWindowLayout& layout, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(QString());
  setFont(WindowFont(11));
  setFixedSize(ClientWidth(layout.chooser.outerWidth), ClientHeight(layout.chooser.outerHeight));

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(2);
  Panel1->setGeometry(rect());

  GroupBox1 = new QGroupBox(QStringLiteral("Какие графики выводить"), Panel1);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(Rect(layout.chooser.groupBox));
  for (const CurveRow& row : layout.curves) {
    auto* box = new QCheckBox(QString::fromUtf8(row.caption), GroupBox1);
    box->setObjectName(QString::fromUtf8(row.box));
    box->setGeometry(row.left, row.top, BoxWidth(layout, row), kBoxHeight);
    box->setChecked(row.checkedAtStart);
    Boxes.push_back(box);
  }

  Button1 = new QPushButton(QStringLiteral("OK"), Panel1);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(Rect(layout.chooser.button));
  connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

bool TForm9::Checked(std::size_t row) const {
  return row < Boxes.size() && Boxes[row]->isChecked();
}

void TForm9::Button1Click() {
  done(1);
}

}  // namespace viewer
