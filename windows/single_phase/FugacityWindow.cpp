#include "windows/single_phase/FugacityWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Fugacities",
    .width = 460,
    .height = 590,
    .placement = 2};

}  // namespace

FugacityWindow::FugacityWindow() : fw::Window(kWindow, fw::Layout{}) {}
