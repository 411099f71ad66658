#include "windows/phase_behaviour/BubbleDewPoint.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Bubble-Dew point",
    .width = 635,
    .height = 700,
    .resizable = true,
    .minWidth = 635,
    .minHeight = 400,
    .maxWidth = 635,
    .maxHeight = 925,
    .placement = 2};

}  // namespace

BubbleDewPoint::BubbleDewPoint() : fw::Window(kWindow, fw::Layout{}) {}
