#include "windows/energy/GibbsWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Gibbs Energy",
    .width = 470,
    .height = 610,
    .placement = 2};

}  // namespace

GibbsWindow::GibbsWindow() : fw::Window(kWindow, fw::Layout{}) {}
