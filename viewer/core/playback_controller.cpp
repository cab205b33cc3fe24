#include "playback_controller.h"

namespace viewer {

void PlaybackController::Stop() {
  buttonDown_ = false;
  timerEnabled_ = false;
}

void PlaybackController::StartStopClicked(bool buttonNowDown) {
  buttonDown_ = buttonNowDown;
  if (buttonNowDown) {
    timerEnabled_ = true;
  } else {
    Stop();
  }
}

void PlaybackController::Tick() {
  // Reaching the end stops the timer but leaves the button down: the run has ended, not paused.
  if (frameIndex_ >= policy_.LastFrame()) {
    timerEnabled_ = false;
    return;
  }
  ++frameIndex_;
  view_.UpdateReadouts();
  if (policy_.StopsAfterTick(frameIndex_)) {
    // The readouts keep the values of the stopping frame while the picture shows frame 0.
    timerEnabled_ = false;
    frameIndex_ = 0;
  }
  view_.RepaintScene();
}

void PlaybackController::Forward() {
  Stop();
  if (frameIndex_ < policy_.LastFrame()) ++frameIndex_;
  view_.UpdateReadouts();
  view_.RepaintScene();
}

void PlaybackController::Back() {
  Stop();
  if (frameIndex_ > 0) --frameIndex_;
  view_.UpdateReadouts();
  view_.RepaintScene();
}

void PlaybackController::Restart() {
  Stop();
  frameIndex_ = 0;
  view_.UpdateReadouts();
  view_.RepaintScene();
}

void PlaybackController::Hidden() {
  Stop();
}

void PlaybackController::Rewind() {
  frameIndex_ = 0;
}

}  // namespace viewer
