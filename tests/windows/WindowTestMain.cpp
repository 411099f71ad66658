// One application object for all tests of the program's windows (the shell's
// and the calculation windows'), headless on a desktop-sized screen unless a
// platform is chosen.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "app/App.h"
#include "tests/OffscreenScreen.h"

// A test program may name another screen of tests/screens/.
#ifndef VDW_TEST_SCREEN
#define VDW_TEST_SCREEN "desktop.json"
#endif

int main(int argc, char** argv) {
  testing_support::ChooseOffscreenScreen(VDW_TEST_SCREEN);
  ::testing::InitGoogleTest(&argc, argv);
  App app(argc, argv);
  return RUN_ALL_TESTS();
}
