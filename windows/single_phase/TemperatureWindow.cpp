#include "windows/single_phase/TemperatureWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Temperatures",
    .width = 470,
    .height = 260,
    .visible = false,
    .placement = 2};

}  // namespace

TemperatureWindow::TemperatureWindow() : fw::Window(kWindow, fw::Layout{}) {}
