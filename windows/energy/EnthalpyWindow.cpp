#include "windows/energy/EnthalpyWindow.h"

#include "resources/Pictures.h"

namespace {

const energy::ScalarDesign kDesign = {
    .window = {.window = {.title = "Enthalpy", .width = 455, .height = 610,
                          .placement = fw::Placement::Centred},
               .heading = "Definition",
               .headingBox = {20, 20, 100, 25},
               .formula = &Pictures::Enthalpy_165,
               .formulaBox = {170, 20, 165, 30},
               .citation = {200, 55, 130, 10},
               .pressureTop = 90,
               .temperatureTop = 130,
               .clear = {380, 90, 50, 20},
               .unitSwitch = {365, 125},
               .calculate = {105, 190, 230, 30},
               .roots = {90, 240},
               .footnoteName = "StaticText2",
               .footnote = {245, 355},
               .resultFrame = {20, 395, 415, 155},
               .molarVolume = {30, 402, 140, 25},
               .result = {190, 402, 120, 25},
               .volumeUnit = {325, 402, 75, 25},
               .standardStateName = "StaticText11",
               .standardState = {160, 557, 270, 40}},
    .deltaName = "StaticText1",
    .deltaBox = {30, 438, 20, 30},
    .rows = {{
         {"EnthalpyText", "Enthalpy", {55, 442, 100, 25}, "StaticText9", {325, 442, 75, 25}},
         {"IdealEnthalpyText", "Ideal Enthalpy", {30, 477, 140, 25}, "StaticText13", {325, 477, 75, 25}},
         {"ExcessEnthalpyText", "Excess Enthalpy", {30, 512, 140, 25}, "StaticText14", {325, 512, 75, 25}},
    }},
    .unit = "J /mol",
    .function = &Globals::Enthalpy,
    .excessSelector = 2,
    .aboveCoVolume = true};

}  // namespace

EnthalpyWindow::EnthalpyWindow() : energy::ScalarEnergyWindow(kDesign) {}
