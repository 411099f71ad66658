#include "windows/energy/EnergyWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Internal Energy",
    .width = 455,
    .height = 640,
    .placement = 2};

}  // namespace

EnergyWindow::EnergyWindow() : fw::Window(kWindow, fw::Layout{}) {}
