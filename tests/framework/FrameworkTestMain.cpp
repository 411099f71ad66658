// One application object for all window tests, headless unless a platform
// is chosen.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "framework/Application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  fw::Application app(argc, argv);
  return RUN_ALL_TESTS();
}
