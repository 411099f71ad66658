// One application object for all tests of the program's windows (the shell's
// and the calculation windows'), headless unless a platform is chosen.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "app/App.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  App app(argc, argv);
  return RUN_ALL_TESTS();
}
