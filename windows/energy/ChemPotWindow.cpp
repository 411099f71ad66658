#include "windows/energy/ChemPotWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Chemical Potentials",
    .width = 450,
    .height = 730,
    .placement = 2};

}  // namespace

ChemPotWindow::ChemPotWindow() : fw::Window(kWindow, fw::Layout{}) {}
