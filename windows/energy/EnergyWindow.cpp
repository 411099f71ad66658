#include "windows/energy/EnergyWindow.h"

#include "resources/Pictures.h"

namespace {

const energy::ScalarDesign kDesign = {
    .window = {.window = {.title = "Internal Energy", .width = 455, .height = 640,
                          .placement = fw::Placement::Centred},
               .heading = "Differential Form",
               .headingBox = {20, 20, 155, 25},
               .formula = &Pictures::Energy_203,
               .formulaBox = {190, 20, 203, 55},
               .citation = {265, 84, 130, 10},
               .pressureTop = 120,
               .temperatureTop = 160,
               .clear = {380, 120, 50, 20},
               .unitSwitch = {365, 160},
               .calculate = {105, 220, 230, 30},
               .roots = {90, 270},
               .footnoteName = "StaticText2",
               .footnote = {245, 385},
               .resultFrame = {20, 425, 415, 155},
               .molarVolume = {30, 433, 150, 25},
               .result = {220, 433, 120, 25},
               .volumeUnit = {350, 433, 80, 25},
               .standardStateName = "StaticText11",
               .standardState = {160, 588, 270, 40}},
    .deltaName = "StaticText1",
    .deltaBox = {30, 469, 20, 30},
    .rows = {{
         {"IntEnergyText", "Internal Energy", {55, 473, 140, 25}, "StaticText9", {350, 473, 70, 25}},
         {"IdealInternalText", "Ideal Internal Energy", {30, 508, 180, 25}, "StaticText13", {350, 508, 70, 25}},
         {"ExcessInternalText", "Excess Internal Energy", {30, 543, 180, 25}, "StaticText14", {350, 543, 70, 25}},
    }},
    .unit = "J /mol",
    .function = &Globals::Energy,
    .excessSelector = 1,
    .aboveCoVolume = false};

}  // namespace

EnergyWindow::EnergyWindow() : energy::ScalarEnergyWindow(kDesign) {}
