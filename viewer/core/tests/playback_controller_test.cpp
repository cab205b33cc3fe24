#include "viewer/core/playback_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace viewer {
namespace {

// Records what the controller asks of the window, and can stop playback like the landing motor.
class Recorder : public PlaybackPolicy, public PlaybackView {
 public:
  int lastFrame = 3;
  int stopAtFrame = -1;
  std::vector<std::string> calls;
  PlaybackController controller{*this, *this};

  int LastFrame() const override { return lastFrame; }
  bool StopsAfterTick(int frameIndex) override { return frameIndex == stopAtFrame; }
  void UpdateReadouts() override { calls.push_back("readouts " + std::to_string(controller.FrameIndex())); }
  void RepaintScene() override { calls.push_back("repaint " + std::to_string(controller.FrameIndex())); }
};

TEST(PlaybackControllerTest, PlaysToTheLastFrameThenEndsWithTheButtonDown) {
  Recorder window;
  PlaybackController& playback = window.controller;
  playback.StartStopClicked(true);
  EXPECT_TRUE(playback.TimerEnabled());
  for (int tick = 0; tick < 3; ++tick) playback.Tick();
  EXPECT_EQ(playback.FrameIndex(), 3);
  EXPECT_TRUE(playback.TimerEnabled());
  window.calls.clear();
  playback.Tick();
  EXPECT_EQ(playback.FrameIndex(), 3);
  EXPECT_FALSE(playback.TimerEnabled());
  EXPECT_TRUE(playback.ButtonDown());
  EXPECT_TRUE(window.calls.empty());
}

TEST(PlaybackControllerTest, StepsStopPlaybackAndStayWithinTheRun) {
  Recorder window;
  PlaybackController& playback = window.controller;
  playback.StartStopClicked(true);
  playback.Back();
  EXPECT_EQ(playback.FrameIndex(), 0);
  EXPECT_FALSE(playback.TimerEnabled());
  EXPECT_FALSE(playback.ButtonDown());
  EXPECT_EQ(window.calls, (std::vector<std::string>{"readouts 0", "repaint 0"}));
  for (int step = 0; step < 5; ++step) playback.Forward();
  EXPECT_EQ(playback.FrameIndex(), 3);
  playback.Restart();
  EXPECT_EQ(playback.FrameIndex(), 0);
}

TEST(PlaybackControllerTest, AStopAfterATickKeepsTheReadoutsOfThatFrameAndShowsFrameZero) {
  Recorder window;
  window.lastFrame = 10;
  window.stopAtFrame = 2;
  PlaybackController& playback = window.controller;
  playback.StartStopClicked(true);
  playback.Tick();
  playback.Tick();
  EXPECT_FALSE(playback.TimerEnabled());
  EXPECT_TRUE(playback.ButtonDown());
  EXPECT_EQ(playback.FrameIndex(), 0);
  EXPECT_EQ(window.calls, (std::vector<std::string>{"readouts 1", "repaint 1", "readouts 2", "repaint 0"}));
}

TEST(PlaybackControllerTest, HidingStopsAndReleases) {
  Recorder window;
  window.controller.StartStopClicked(true);
  window.controller.Hidden();
  EXPECT_FALSE(window.controller.TimerEnabled());
  EXPECT_FALSE(window.controller.ButtonDown());
  EXPECT_EQ(PlaybackController::TimerInterval(90), 10);
  EXPECT_EQ(PlaybackController::TimerInterval(0), 100);
}

}  // namespace
}  // namespace viewer
