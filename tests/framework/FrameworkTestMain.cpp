// One application object for all window tests, headless on a desktop-sized
// screen unless a platform is chosen.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "framework/Application.h"
#include "tests/OffscreenScreen.h"

int main(int argc, char** argv) {
  testing_support::ChooseOffscreenScreen("desktop.json");
  ::testing::InitGoogleTest(&argc, argv);
  fw::Application app(argc, argv);
  return RUN_ALL_TESTS();
}
