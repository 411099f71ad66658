#include "windows/single_phase/ActivityWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Activities",
    .width = 480,
    .height = 700,
    .resizable = true,
    .minWidth = 480,
    .minHeight = 400,
    .maxWidth = 480,
    .maxHeight = 800,
    .placement = 2};

}  // namespace

ActivityWindow::ActivityWindow() : fw::Window(kWindow, fw::Layout{}) {}
