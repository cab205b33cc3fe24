#pragma once

#include <QDialog>
#include <QPushButton>

namespace viewer {

// The graph window: time graphs of the chosen series of the current run.
class TForm8 : public QDialog {
 public:
  explicit TForm8(const QString& caption, QWidget* parent = nullptr);

  QPushButton* Button1;  // "Закрыть"
};

}  // namespace viewer
