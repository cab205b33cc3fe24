#pragma once

namespace viewer {

// What differs between the programs' playback: how far it may go, and (for the free motor) an
// extra stop after a tick.
class PlaybackPolicy {
 public:
  virtual ~PlaybackPolicy() = default;
  // The last frame playback may show; the timer stops at it and "forward" does not pass it.
  virtual int LastFrame() const = 0;
  // Asked after a tick has advanced the frame and refreshed the readouts. Returning true stops
  // playback and rewinds to frame 0 before the picture is repainted.
  virtual bool StopsAfterTick(int /*frameIndex*/) { return false; }
};

// The window side of playback: the readouts and the picture of the current frame.
class PlaybackView {
 public:
  virtual ~PlaybackView() = default;
  virtual void UpdateReadouts() = 0;
  virtual void RepaintScene() = 0;
};

// The start/stop toggle, restart, step buttons, speed slider and timer of a main window, as rules
// on three pieces of state. The window mirrors TimerEnabled and ButtonDown onto its controls.
class PlaybackController {
 public:
  PlaybackController(PlaybackPolicy& policy, PlaybackView& view) : policy_(policy), view_(view) {}

  int FrameIndex() const { return frameIndex_; }
  bool TimerEnabled() const { return timerEnabled_; }
  bool ButtonDown() const { return buttonDown_; }

  static int TimerInterval(int sliderPosition) { return 100 - sliderPosition; }

  void StartStopClicked(bool buttonNowDown);
  void Tick();
  void Forward();
  void Back();
  void Restart();
  // The window was hidden (or closed): playback must not go on unseen.
  void Hidden();
  // A new run replaces the old one: back to frame 0, stopped, with nothing refreshed yet.
  void Rewind();

 private:
  void Stop();

  PlaybackPolicy& policy_;
  PlaybackView& view_;
  int frameIndex_ = 0;
  bool timerEnabled_ = false;
  bool buttonDown_ = false;
};

}  // namespace viewer
