#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>
#include <memory>
#include <string>

#include "oscilab/model/parameter_file.h"

namespace Ui {
class TForm3;
}

namespace oscilab {

// The parameters dialog. Its edit fields are the live copy of the parameters: a cancelled dialog
// keeps what was typed, to be shown again and used at the next acceptance.
class TForm3 : public QDialog {
 public:
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;

  ParameterTexts Texts() const;
  void SetTexts(const ParameterTexts& texts);

  void Button1Click();  // "Принять"
  void Button2Click();  // "Отмена"

  std::array<QLineEdit*, OscillationParameters::kCount> Edits{};

 private:
  void BuildRows();

  std::unique_ptr<Ui::TForm3> ui_;
};

}  // namespace oscilab
