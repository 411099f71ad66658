#include "windows/phase_behaviour/SpinodalWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Spinodal",
    .width = 460,
    .height = 510};

}  // namespace

SpinodalWindow::SpinodalWindow() : fw::Window(kWindow, fw::Layout{}) {}
