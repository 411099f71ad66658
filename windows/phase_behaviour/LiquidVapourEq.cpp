#include "windows/phase_behaviour/LiquidVapourEq.h"

namespace {

const fw::WindowSpec kWindow = {
    .title = "Liquid-Vapour Equilibrium",
    .width = 615,
    .height = 700,
    .resizable = true,
    .minWidth = 615,
    .maxWidth = 615,
    .maxHeight = 835,
    .placement = 2};

}  // namespace

LiquidVapourEq::LiquidVapourEq() : fw::Window(kWindow, fw::Layout{}) {}
