#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm5;
}

namespace oscilab {

// The phase portrait: velocity against coordinate of the current run, filling the drawing area.
class TForm5 : public QDialog {
 public:
  explicit TForm5(QWidget* parent = nullptr);
  ~TForm5() override;

  void Button3Click();
  void PaintBox1Paint(QPainter& painter);

 private:
  std::unique_ptr<Ui::TForm5> ui_;
};

}  // namespace oscilab
