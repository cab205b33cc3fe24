// Entry point of the test binaries that create widgets: GoogleTest parses its flags first, and a
// listing run (test discovery at build time) creates no application, so it needs no display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "modal_helpers.h"
#include "viewer/platform/application.h"

// A GL context leaves a few allocations behind in the system's libraries (D-Bus, a driver module
// already unloaded at exit) that no suppression can name; address and undefined-behaviour errors
// are still reported in these binaries, leaks only in the ones that open no window.
extern "C" const char* __asan_default_options() {
  return "detect_leaks=0";
}

namespace {

class CancelModalActionsAtTestEnd : public testing::EmptyTestEventListener {
  void OnTestEnd(const testing::TestInfo&) override { viewer::testing::CancelPendingModalActions(); }
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  // Texts on screen are checked as a Russian user sees them: decimal comma, no-break space.
  setenv("LC_ALL", "ru_RU.UTF-8", 1);
  setenv("LANG", "ru_RU.UTF-8", 1);
  viewer::Application application(argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new CancelModalActionsAtTestEnd);
  return RUN_ALL_TESTS();
}
