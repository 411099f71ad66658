#include "app/Start1Window.h"

#include "app/Start2Window.h"
#include "resources/Pictures.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {.title = "Start", .width = 540, .height = 605};

constexpr const char* kAboutModel =
    "Thermodynamic properties of gas mixtures from the van der Waals equation\n"
    "of state with one-fluid mixing rules and no binary interaction constants:\n"
    "molar volumes, fugacities, activities, phase equilibria, critical points,\n"
    "spinodals and energy functions of any mixture of the eleven gases below.";

constexpr const char* kEdition = "Desktop edition\nDecember 2026";

constexpr const char* kHelp = "Help: see README.md";

const fw::ControlSpec kLayout[] = {
    {Kind::StaticText, "StaticText1", "Software Package Varnak, v.2", 155, 155, 250, 25, 18, fw::AlignCenter},
    {Kind::StaticText, "StaticText2", "Ostrel W", 220, 120, 100, 30, 24, fw::AlignCenter},
    {Kind::StaticText, "StaticText3", kAboutModel, 20, 200, 500, 60, 12, fw::MultiLine},
    {Kind::StaticText, "StaticText4", "Fluid system:", 20, 490, 92, 20, 12},
    {Kind::PushButton, "continue1", "continue", 445, 560, 75, 25, 12, fw::DefaultButton},
    {Kind::StaticText, "StaticText5", kEdition, 400, 5, 135, 35, 12, fw::AlignRight | fw::MultiLine},
    {Kind::StaticText, "StaticText6",
     "a-values and b-values of individual gases are obtained from critical-point properties", 20, 340, 500, 20,
     12, fw::MultiLine},
    {.kind = Kind::ImageWell, .name = "ImageWell2", .left = 1, .top = 1, .width = 368, .height = 87, .picture = Pictures::Logo},
    {Kind::StaticText, "StaticText18", kHelp, 382, 73, 155, 15, 11},
    {Kind::Line, "Line1", "", 0, 90, 540, 0},
    {Kind::StaticText, "StaticText7", "Mixing rules:", 20, 370, 92, 20, 12},
    {Kind::StaticText, "StaticText8", "Equation:", 20, 275, 73, 20, 12},
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 120, .top = 275, .width = 152, .height = 50, .picture = Pictures::EoS_152},
    {.kind = Kind::Canvas, .name = "Canvas2", .left = 120, .top = 370, .width = 162, .height = 50, .picture = Pictures::amix_162},
    {.kind = Kind::Canvas, .name = "Canvas3", .left = 120, .top = 425, .width = 127, .height = 50, .picture = Pictures::bmix_127},
    {.kind = Kind::Canvas, .name = "Canvas4", .left = 30, .top = 515, .width = 488, .height = 30, .picture = Pictures::gases_488},
};

}  // namespace

Start1Window::Start1Window() : fw::Window(kWindow, kLayout) {
  onAction("continue1", [this] { continue1_Action(); });
}

void Start1Window::continue1_Action() { Start2Window::Get().Show(); }
