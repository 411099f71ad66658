#include "windows/explanation/Explain.h"

#include "resources/Pictures.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {.title = "Explanation", .width = 435, .height = 445};

const fw::ControlSpec kLayout[] = {
    {Kind::StaticText, "StaticText1", "Pseudo-critical Conditions", 20, 20, 230, 25, 18},
    {Kind::StaticText, "StaticText3", "The solution of these two equations:", 40, 210, 220, 15, 12, fw::MultiLine},
    {Kind::StaticText, "StaticText4", "a and b values for pure gases are obtained from critical properties:", 20, 345,
     396, 15, 12, fw::MultiLine},
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 40, .top = 60, .width = 255, .height = 60, .picture = Pictures::dpdv_255},
    {.kind = Kind::Canvas, .name = "Canvas2", .left = 40, .top = 130, .width = 239, .height = 60, .picture = Pictures::dpdv2_239},
    {.kind = Kind::Canvas, .name = "Canvas3", .left = 40, .top = 240, .width = 99, .height = 30, .picture = Pictures::vc_99},
    {.kind = Kind::Canvas, .name = "Canvas4", .left = 90, .top = 280, .width = 130, .height = 50, .picture = Pictures::pc_130},
    {.kind = Kind::Canvas, .name = "Canvas5", .left = 250, .top = 280, .width = 122, .height = 50, .picture = Pictures::Tc_122},
    {Kind::StaticText, "StaticText5", "and:", 45, 280, 33, 15, 12, fw::MultiLine},
    {.kind = Kind::Canvas, .name = "Canvas6", .left = 40, .top = 375, .width = 127, .height = 50, .picture = Pictures::ac_127},
    {.kind = Kind::Canvas, .name = "Canvas7", .left = 240, .top = 375, .width = 116, .height = 50, .picture = Pictures::bc_116},
};

}  // namespace

Explain::Explain() : fw::Window(kWindow, kLayout) {}
