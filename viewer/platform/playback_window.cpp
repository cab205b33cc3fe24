#include "playback_window.h"

#include <QHideEvent>

#include "glyphs.h"

namespace viewer {

PlaybackWindow::PlaybackWindow(QWidget* parent) : QWidget(parent), controller_(*this, *this) {
  // Ticks of 10 ms are the fastest playback; a coarse timer would deliver them unevenly.
  Timer1.setTimerType(Qt::PreciseTimer);
  Timer1.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, &PlaybackWindow::Timer1Timer);
}

void PlaybackWindow::BindPlaybackControls(const PlaybackControls& controls) {
  controls_ = controls;
  controls_.SpeedButton1->setCheckable(true);
  controls_.SpeedButton1->setIcon(StartStopGlyph());
  controls_.BitBtn1->setIcon(ForwardGlyph());
  controls_.BitBtn2->setIcon(BackGlyph());
  controls_.TrackBar3->setOrientation(Qt::Horizontal);
  controls_.TrackBar3->setRange(0, 90);
  controls_.TrackBar3->setValue(90);
  controls_.TrackBar3->setTickInterval(10);
  controls_.TrackBar3->setTickPosition(QSlider::TicksBelow);
  connect(controls_.SpeedButton1, &QAbstractButton::clicked, this, &PlaybackWindow::SpeedButton1Click);
  connect(controls_.Button3, &QAbstractButton::clicked, this, &PlaybackWindow::Button3Click);
  connect(controls_.BitBtn1, &QAbstractButton::clicked, this, &PlaybackWindow::BitBtn1Click);
  connect(controls_.BitBtn2, &QAbstractButton::clicked, this, &PlaybackWindow::BitBtn2Click);
  connect(controls_.TrackBar3, &QSlider::valueChanged, this, &PlaybackWindow::TrackBar3Change);
}

void PlaybackWindow::SyncControls() {
  if (controls_.SpeedButton1) controls_.SpeedButton1->setChecked(controller_.ButtonDown());
  if (controller_.TimerEnabled() != Timer1.isActive()) {
    if (controller_.TimerEnabled()) {
      Timer1.start();
    } else {
      Timer1.stop();
    }
  }
}

void PlaybackWindow::SpeedButton1Click() {
  controller_.StartStopClicked(controls_.SpeedButton1->isChecked());
  SyncControls();
}

void PlaybackWindow::Timer1Timer() {
  controller_.Tick();
  SyncControls();
}

void PlaybackWindow::BitBtn1Click() {
  controller_.Forward();
  SyncControls();
}

void PlaybackWindow::BitBtn2Click() {
  controller_.Back();
  SyncControls();
}

void PlaybackWindow::Button3Click() {
  controller_.Restart();
  SyncControls();
}

void PlaybackWindow::TrackBar3Change() {
  Timer1.setInterval(PlaybackController::TimerInterval(controls_.TrackBar3->value()));
}

void PlaybackWindow::FinishShow() {
  TrackBar3Change();
  controller_.StartStopClicked(false);
  SyncControls();
}

void PlaybackWindow::RewindPlayback() {
  controller_.Rewind();
}

void PlaybackWindow::hideEvent(QHideEvent* event) {
  controller_.Hidden();
  SyncControls();
  QWidget::hideEvent(event);
}

}  // namespace viewer
