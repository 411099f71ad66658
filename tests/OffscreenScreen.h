#pragma once
// The screen of the headless window tests: Qt's offscreen platform with a
// screen described in tests/screens/ (Qt's own default is 800 x 600, smaller
// than the taller windows open on a desktop).

#include <QByteArray>
#include <QtGlobal>

namespace testing_support {

// The offscreen platform with the screen of that file, unless another
// platform is chosen (QT_QPA_PLATFORM=xcb under xvfb-run).
inline void ChooseOffscreenScreen(const char* screenFile) {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (chosen.isEmpty() || chosen == "offscreen")
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + VDW_TEST_SCREENS "/" + screenFile);
}

}  // namespace testing_support
