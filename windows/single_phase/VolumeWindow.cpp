#include "windows/single_phase/VolumeWindow.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Molar Volumes",
    .width = 460,
    .height = 470,
    .placement = 2};

}  // namespace

VolumeWindow::VolumeWindow() : fw::Window(kWindow, fw::Layout{}) {}
