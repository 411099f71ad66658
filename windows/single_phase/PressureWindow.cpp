#include "windows/single_phase/PressureWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Pressures",
    .width = 470,
    .height = 290,
    .placement = 2};

}  // namespace

PressureWindow::PressureWindow() : fw::Window(kWindow, fw::Layout{}) {}
