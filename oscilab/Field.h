#pragma once

#include <QString>
#include <memory>

#include "oscilab/model/oscillation_model.h"
#include "viewer/platform/playback_window.h"

namespace Ui {
class TForm2;
}

namespace oscilab {

// The main window: the picture of the current sample, its values, playback, and the buttons that
// open the parameters, the graphs and the phase portrait. It owns the run; the other windows read it.
class TForm2 : public viewer::PlaybackWindow {
 public:
  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  OscillationParameters Parameters;
  OscillationRun Run;
  int SceneWidth = 0;
  // Where the parameter file is read from: beside the executable.
  QString DataFileName;

  void FormShow();
  void Button1Click();  // "Графики"
  void Button2Click();  // "Параметры"
  void Button4Click();  // "Фазовый портрет"
  void CheckBox1Click();
  void OpenGLPanel1Init();
  void OpenGLPanel1Resize();
  void OpenGLPanel1Paint();

  void UpdateReadouts() override;
  void RepaintScene() override;
  int LastFrame() const override;

  Ui::TForm2& Controls() { return *ui_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool LoadParameterFile();
  // Converts and checks the dialog's texts; on success computes the run from them. On failure the
  // user is told why and the current run stays as it is.
  bool AcceptParameterTexts();
  std::unique_ptr<Ui::TForm2> ui_;
  bool shown_ = false;
};

}  // namespace oscilab
