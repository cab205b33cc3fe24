#pragma once

#include <QDialog>

namespace viewer {

// The graph chooser: which series the graph window draws.
class TForm9 : public QDialog {
 public:
  explicit TForm9(QWidget* parent = nullptr);
};

}  // namespace viewer
