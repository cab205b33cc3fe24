#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <vector>

#include "viewer/graph/graph_tables.h"

namespace viewer {

// The graph chooser: one box per curve of the program's curve table. It keeps the boxes as the user
// leaves them; the graph window reads them at every paint.
class TForm9 : public QDialog {
 public:
  explicit TForm9(const GraphWindowLayout& layout, QWidget* parent = nullptr);

  QFrame* Panel1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QPushButton* Button1 = nullptr;  // "OK"
  // The boxes in the order of the curve table's rows.
  std::vector<QCheckBox*> Boxes;

  bool Checked(std::size_t row) const;
  void Button1Click();
};

}  // namespace viewer
