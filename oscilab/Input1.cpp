#include "Input1.h"

#include <QFrame>
#include <QLabel>

#include "oscilab/model/parameter_file.h"
#include "ui_Input1.h"
#include "viewer/platform/application.h"

namespace oscilab {
namespace {

constexpr int kEditX = 8;
constexpr int kNameX = 121;
constexpr int kNominalFrameX = 599;
constexpr int kNominalX = 613;

// Rows 1 to 11 are evenly spaced; the last three, with the reference-only spring length among
// them, were placed by hand.
int RowTop(int row) {
  constexpr int kLastRows[] = {307, 333, 359};
  return row <= 11 ? 19 + 26 * (row - 1) : kLastRows[row - 12];
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm3>()) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("Form3"));
  setFont(viewer::WindowFont(10));
  ui_->Panel1->setFont(viewer::WindowFont(11));
  setFixedSize(size());
  BuildRows();
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(ui_->Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

TForm3::~TForm3() = default;

void TForm3::BuildRows() {
  QWidget* contents = ui_->ScrollContents;
  for (int index = 0; index < OscillationParameters::kCount; ++index) {
    const ParameterRow& row = kParameterRows[index];
    const int top = RowTop(index + 1);
    auto* edit = new QLineEdit(contents);
    edit->setObjectName(QString::fromUtf8(row.editName));
    edit->setGeometry(kEditX, top, 99, 21);
    Edits[index] = edit;
    auto* name = new QLabel(QString::fromUtf8(row.caption), contents);
    name->setGeometry(kNameX, top + 3, kNominalFrameX - kNameX - 4, 15);
    auto* frame = new QFrame(contents);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(kNominalFrameX, top, 67, 21);
    auto* nominal = new QLabel(QString::fromUtf8(row.nominal), contents);
    nominal->setGeometry(kNominalX, top + 3, 50, 15);
  }
  // The spring length only locates the origin marker: shown for reference, read back like the rest.
  Edits[11]->setEnabled(false);
}

ParameterTexts TForm3::Texts() const {
  ParameterTexts texts;
  for (int index = 0; index < OscillationParameters::kCount; ++index)
    texts[index] = Edits[index]->text().toStdString();
  return texts;
}

void TForm3::SetTexts(const ParameterTexts& texts) {
  for (int index = 0; index < OscillationParameters::kCount; ++index)
    Edits[index]->setText(QString::fromStdString(texts[index]));
}

void TForm3::Button1Click() {
  done(1);
}
void TForm3::Button2Click() {
  done(2);
}

}  // namespace oscilab
