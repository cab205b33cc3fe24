// Entry point of the test binaries that create widgets: GoogleTest parses its flags first, and a
// listing run (test discovery at build time) creates no application, so it needs no display.
#include <gtest/gtest.h>

#include "viewer/platform/application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  viewer::Application application(argc, argv);
  return RUN_ALL_TESTS();
}
