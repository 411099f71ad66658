#include "windows/phase_behaviour/CriticalPointWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Critical Point",
    .width = 450,
    .height = 660};

}  // namespace

CriticalPointWindow::CriticalPointWindow() : fw::Window(kWindow, fw::Layout{}) {}
