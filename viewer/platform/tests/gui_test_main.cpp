// Entry point of the test binaries that create widgets: GoogleTest parses its flags first, and a
// listing run (test discovery at build time) creates no QApplication, so it needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication application(argc, argv);
  // QApplication adopts the user's locale for the C library too; data files are parsed with a point.
  std::setlocale(LC_NUMERIC, "C");
  return RUN_ALL_TESTS();
}
