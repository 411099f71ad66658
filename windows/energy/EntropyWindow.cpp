#include "windows/energy/EntropyWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Entropy",
    .width = 455,
    .height = 640,
    .placement = 2};

}  // namespace

EntropyWindow::EntropyWindow() : fw::Window(kWindow, fw::Layout{}) {}
