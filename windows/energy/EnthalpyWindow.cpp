#include "windows/energy/EnthalpyWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Enthalpy",
    .width = 455,
    .height = 610,
    .placement = 2};

}  // namespace

EnthalpyWindow::EnthalpyWindow() : fw::Window(kWindow, fw::Layout{}) {}
