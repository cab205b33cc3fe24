#pragma once

#include <QAbstractButton>
#include <QSlider>
#include <QTimer>
#include <QWidget>

#include "viewer/core/playback_controller.h"

namespace viewer {

// The playback controls that every main window carries, as named in its layout.
struct PlaybackControls {
  QAbstractButton* SpeedButton1 = nullptr;  // "Старт/стоп", a toggle
  QAbstractButton* Button3 = nullptr;       // "С начала"
  QAbstractButton* BitBtn1 = nullptr;       // "Вперед"
  QAbstractButton* BitBtn2 = nullptr;       // "Назад"
  QSlider* TrackBar3 = nullptr;             // speed, 0..90
};

// A main window that plays a computed run back one sample per timer tick. The programs derive from
// it and supply their readouts, their picture and how far playback may go.
class PlaybackWindow : public QWidget, protected PlaybackPolicy, protected PlaybackView {
 public:
  explicit PlaybackWindow(QWidget* parent = nullptr);

  int FrameIndex() const { return controller_.FrameIndex(); }
  QTimer Timer1;

  void SpeedButton1Click();
  void Timer1Timer();
  void BitBtn1Click();
  void BitBtn2Click();
  void Button3Click();
  void TrackBar3Change();

 protected:
  // Connects the controls (from the window's layout) to the handlers above and gives them glyphs.
  void BindPlaybackControls(const PlaybackControls& controls);
  // End of the show handler: the timer period from the slider, playback stopped.
  void FinishShow();
  // A new run: frame 0, controls untouched.
  void RewindPlayback();
  void hideEvent(QHideEvent* event) override;

 private:
  void SyncControls();

  PlaybackController controller_;
  PlaybackControls controls_;
};

}  // namespace viewer
