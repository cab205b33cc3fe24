#include "Graph.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <cmath>

#include "choice.h"
#include "viewer/graph/plot_painter.h"
#include "viewer/platform/application.h"
#include "viewer/platform/locale_numbers.h"

namespace viewer {

namespace {

// The key code of Enter, as the key handler receives it.
constexpr int kEnterKey = 13;
constexpr int kTimeEditDigits = 6;
constexpr const char* kSpanTooLong = "Превышение расчетного времени. ввдите другое значение";

QRect Rect(const ControlPlace& place) {
  return QRect(place.left, place.top, place.width, place.height);
}

QFont SerifFont(int pixelHeight) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelHeight);
  return font;
}

QFrame* Bevel(QWidget* parent, const char* name, const ControlPlace& place) {
  auto* bevel = new QFrame(parent);
  bevel->setObjectName(QString::fromUtf8(name));
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(Rect(place));
  return bevel;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const ControlPlace& place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(Rect(place));
  return button;
}

void StyleLabel(QLabel* label, LabelStyle style, const QFont& windowFont) {
  switch (style) {
    case LabelStyle::kWindow:
      label->setFont(windowFont);
      break;
    case LabelStyle::kTitle:
      label->setFont(SerifFont(19));
      break;
    case LabelStyle::kTimeAxis: {
      QFont font = SerifFont(15);
      font.setBold(true);
      label->setFont(font);
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, ToQColor(clBlue));
      label->setPalette(palette);
      // It stands over the paint box's corner: the picture shows through around the letters.
      label->setAttribute(Qt::WA_TransparentForMouseEvents);
      break;
    }
    case LabelStyle::kTimeEditCaption: {
      QFont font = WindowFont(15);
      font.setBold(true);
      label->setFont(font);
      break;
    }
  }
}

}  // namespace

QString TimeEditText(float runTime) {
  const QString text = FloatToStrF(runTime, ffGeneral, 5, 0);
  bool digitsOnly = !text.isEmpty() && text.size() <= kTimeEditDigits;
  for (const QChar character : text) digitsOnly = digitsOnly && character.isDigit();
  if (digitsOnly) return text;
  if (!(runTime >= 0)) return QString();
  return QString::number(static_cast<long long>(std::fmin(std::trunc(runTime), 999999.0)));
}

TForm8::TForm8(const GraphWindowLayout& layout, std::unique_ptr<GraphSource> source, QWidget* parent)
    : QDialog(parent), layout_(layout), source_(std::move(source)) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(QString::fromUtf8(layout.caption));
  const QFont windowFont = WindowFont(11);
  setFont(windowFont);
  // The picture's labels stand on the button-face colour: the window around them has the same.
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ToQColor(clBtnFace));
  setPalette(palette);
  setFixedSize(ClientWidth(layout.outerWidth), ClientHeight(layout.outerHeight));

  Bevel4 = Bevel(this, "Bevel4", layout.bevel4);
  Bevel1 = Bevel(this, "Bevel1", layout.bevel1);
  PaintBox1 = new PaintBox(this);
  PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
  PaintBox1->setGeometry(Rect(layout.paintBox));
  if (layout.paintBoxFont == PaintBoxFont::kSerif11) PaintBox1->setFont(SerifFont(11));
  PaintBox1->OnPaint = [this](QPainter& painter) { PaintBox1Paint(painter); };

  for (const TitleLabel& title : layout.labels) {
    auto* label = new QLabel(QString::fromUtf8(title.text), this);
    label->setObjectName(QString::fromUtf8(title.name));
    StyleLabel(label, title.style, windowFont);
    label->adjustSize();
    label->move(title.left, title.top);
  }

  if (layout.HasTimeEdit()) BuildTimeEdit();
  if (layout.HasScaleChoice()) BuildScaleGroup();

  CheckBox1 = new QCheckBox(QStringLiteral("Маркеры"), this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setGeometry(Rect(layout.markersBox));
  connect(CheckBox1, &QCheckBox::clicked, this, &TForm8::CheckBox1Click);

  Button2 = Button(this, "Button2", QStringLiteral("Выбрать графики"), layout.chooseButton);
  connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
  Button1 = Button(this, "Button1", QStringLiteral("Закрыть"), layout.closeButton);
  connect(Button1, &QPushButton::clicked, this, [this] { done(1); });

  scales_.assign(static_cast<std::size_t>(layout.scaleCount), ValueRange{});
}

TForm8::~TForm8() = default;

void TForm8::BuildTimeEdit() {
  Bevel3 = Bevel(this, "Bevel3", *layout_.timeEditBevel);
  MaskEdit1 = new QLineEdit(this);
  MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
  MaskEdit1->setGeometry(Rect(*layout_.timeEdit));
  // Up to six digits, unfilled places shown as blanks.
  MaskEdit1->setInputMask(QStringLiteral("999999; "));
  MaskEdit1->setText(QString());
  MaskEdit1->installEventFilter(this);
  connect(MaskEdit1, &QLineEdit::textEdited, this, [this] { spanFromText_ = true; });
  // Its caption stands to its right; make sure it is drawn over the frame around both.
  for (QLabel* label : findChildren<QLabel*>()) label->raise();
}

void TForm8::BuildScaleGroup() {
  RadioGroup1 = new QGroupBox(QStringLiteral("Масштаб"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(Rect(*layout_.scaleGroup));
  scaleItems_ = new QButtonGroup(this);
  const int columnWidth = (layout_.scaleGroup->width - 16) / 2;
  const QString items[] = {QStringLiteral("Автоматически"), QStringLiteral("Фиксированный")};
  for (int item = 0; item < 2; ++item) {
    auto* button = new QRadioButton(items[item], RadioGroup1);
    button->setGeometry(8 + item * columnWidth, 24, columnWidth, 17);
    scaleItems_->addButton(button, item);
  }
  scaleItems_->button(0)->setChecked(true);
  connect(scaleItems_, &QButtonGroup::idClicked, this, &TForm8::RadioGroup1Click);
}

void TForm8::SetChooser(TForm9* chooser) {
  chooser_ = chooser;
}

int TForm8::ScaleMode() const {
  return scaleItems_ ? scaleItems_->checkedId() : -1;
}

void TForm8::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A window manager's restore of a minimised window is a spontaneous show: not a new opening.
  if (event->spontaneous()) return;
  FormShow();
  // The chooser comes up once per opening, over the window once it is up. Activation is not used for
  // this, as it also comes back each time the chooser closes.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) FormActivate();
  });
}

void TForm8::FormShow() {
  if (MaskEdit1) ResetTimeEdit();
  FillScales();
  PaintBox1->update();
}

void TForm8::ResetTimeEdit() {
  MaskEdit1->setText(TimeEditText(source_->RunTime()));
  spanFromText_ = false;
  span_ = source_->RunTime();
}

void TForm8::FillScales() {
  if (!layout_.HasScaleChoice()) return;
  for (int scale = 0; scale < layout_.scaleCount; ++scale) {
    const auto index = static_cast<std::size_t>(scale);
    scales_[index] = ScaleMode() == 0 || index >= layout_.plot->fixedScales.size()
                         ? source_->Range(scale)
                         : layout_.plot->fixedScales[index];
  }
}

void TForm8::FormActivate() {
  if (chooser_) ShowModal(*chooser_);
  PaintBox1->update();
}

void TForm8::Button2Click() {
  FormActivate();
}

void TForm8::CheckBox1Click() {
  PaintBox1->update();
}

void TForm8::RadioGroup1Click() {
  FillScales();
  PaintBox1->update();
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MaskEdit1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Enter stays with the edit: it must not also press the window's default button.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      MaskEdit1KeyDown(kEnterKey);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TForm8::MaskEdit1KeyDown(int key) {
  if (key != kEnterKey || !MaskEdit1) return;
  long double span = 0;
  try {
    span = StrToFloat(MaskEdit1->text().trimmed());
  } catch (const ConversionError& error) {
    ShowMessage(QString::fromUtf8(error.what()));
    return;
  }
  if (span > source_->RunTime()) {
    ShowMessage(QString::fromUtf8(kSpanTooLong));
    ResetTimeEdit();
    return;
  }
  spanFromText_ = true;
  PaintBox1->update();
}

long double TForm8::TimeSpan() {
  const float runTime = source_->RunTime();
  if (!MaskEdit1) return runTime;
  if (!spanFromText_) {
    span_ = runTime;
  } else {
    // The series end at the run time: a longer span, or a text that is no span at all, leaves the
    // span as it was.
    const auto typed = StrToFloat(MaskEdit1->text().toStdString(), UserSeparators());
    if (typed && *typed >= 0 && *typed <= runTime) span_ = *typed;
  }
  return span_;
}

bool TForm8::CurveChecked(std::size_t row) const {
  return chooser_ ? chooser_->Checked(row) : layout_.curves[row].checkedAtStart;
}

GraphPlot TForm8::CurrentPlot() {
  GraphPlot plot;
  if (layout_.HasScaleChoice()) {
    plot.scales = scales_;
  } else {
    // Without a scale choice the scales are the run's ranges as they are at this paint.
    for (int scale = 0; scale < layout_.scaleCount; ++scale) plot.scales.push_back(source_->Range(scale));
  }
  for (const LabelColumn& column : layout_.plot->labelColumns) {
    const auto index = static_cast<std::size_t>(column.scaleIndex);
    plot.columnScales.push_back(index < plot.scales.size() ? plot.scales[index] : ValueRange{});
  }
  plot.timeSpan = TimeSpan();
  plot.spanSamples = MaskEdit1 ? plot.timeSpan / static_cast<long double>(source_->SampleSpacing())
                               : static_cast<long double>(source_->SampleCount());
  for (std::size_t row = 0; row < layout_.curves.size(); ++row) {
    if (CurveChecked(row)) plot.curveRows.push_back(row);
  }
  plot.markers = CheckBox1->isChecked();
  return plot;
}

void TForm8::PaintBox1Paint(QPainter& painter) {
  const GraphPlot plot = CurrentPlot();
  std::vector<PlotCurve> curves;
  curves.reserve(plot.curveRows.size());
  for (const std::size_t row : plot.curveRows) {
    const CurveRow& curve = layout_.curves[row];
    const auto scale = static_cast<std::size_t>(curve.scale);
    curves.push_back({source_->Series(curve.series),
                      scale < plot.scales.size() ? CurveScale(plot.scales[scale]) : CurveScale(0, 0),
                      curve.tag});
  }
  const PlotPicture picture{plot.columnScales, plot.timeSpan, plot.spanSamples, curves, plot.markers};
  PaintPlot(painter, *layout_.plot, PaintBox1->width(), PaintBox1->height(), picture);
}

}  // namespace viewer
