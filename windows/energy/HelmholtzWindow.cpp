#include "windows/energy/HelmholtzWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Helmholtz Energy",
    .width = 460,
    .height = 645,
    .placement = 2};

}  // namespace

HelmholtzWindow::HelmholtzWindow() : fw::Window(kWindow, fw::Layout{}) {}
