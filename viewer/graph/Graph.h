#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <vector>

#include "viewer/graph/graph_source.h"
#include "viewer/graph/graph_tables.h"
#include "viewer/platform/canvas.h"

namespace viewer {

class TForm9;

// What one paint of the graph window draws, as the window's state gives it at that moment.
struct GraphPlot {
  std::vector<ValueRange> scales;        // every scale of the program, in its scale order
  std::vector<ValueRange> columnScales;  // the scale of each label column, in column order
  long double timeSpan = 0;              // seconds across the frame
  long double spanSamples = 0;           // samples across the frame
  std::vector<std::size_t> curveRows;    // the curve-table rows drawn, in drawing order
  bool markers = false;
};

// The text the time edit shows for the whole run. The edit holds digits only, so a run time with a
// fraction, or one too long for six digits, shows its whole seconds (at most 999999).
QString TimeEditText(float runTime);

// The graph window: time graphs of the series chosen in the chooser, for the program whose layout it
// is built from, reading the run through `source` at every paint.
class TForm8 : public QDialog {
 public:
  TForm8(const GraphWindowLayout& layout, std::unique_ptr<GraphSource> source, QWidget* parent = nullptr);
  ~TForm8() override;

  // The chooser is created after this window; it is shown from here.
  void SetChooser(TForm9* chooser);
  const GraphWindowLayout& Layout() const { return layout_; }

  // Controls by their layout names; those the program's window lacks are null.
  QFrame* Bevel4 = nullptr;
  QFrame* Bevel1 = nullptr;
  QFrame* Bevel3 = nullptr;
  PaintBox* PaintBox1 = nullptr;
  QLineEdit* MaskEdit1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;  // "Маркеры"
  QPushButton* Button2 = nullptr;  // "Выбрать графики"
  QPushButton* Button1 = nullptr;  // "Закрыть"

  // The scale group's selected item: 0 automatic, 1 fixed; -1 where there is no group.
  int ScaleMode() const;

  void FormShow();
  void FormActivate();
  void Button2Click();
  void CheckBox1Click();
  void RadioGroup1Click();
  void MaskEdit1KeyDown(int key);
  void PaintBox1Paint(QPainter& painter);

  // What a paint now would draw. Reading the time edit, it also settles the span that later paints
  // keep while the edit holds no usable span.
  GraphPlot CurrentPlot();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTimeEdit();
  void BuildScaleGroup();
  void FillScales();
  void ResetTimeEdit();
  long double TimeSpan();
  bool CurveChecked(std::size_t row) const;

  const GraphWindowLayout& layout_;
  std::unique_ptr<GraphSource> source_;
  TForm9* chooser_ = nullptr;
  QButtonGroup* scaleItems_ = nullptr;
  // The scales' snapshot, taken at show and on a click in the scale group.
  std::vector<ValueRange> scales_;
  // The span last drawn. The time edit's text replaces it only once the user has typed into the edit,
  // and only while it is a span within the run.
  long double span_ = 0;
  bool spanFromText_ = false;
};

}  // namespace viewer
