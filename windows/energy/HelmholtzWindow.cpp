#include "windows/energy/HelmholtzWindow.h"

#include "resources/Pictures.h"

namespace {

const energy::ScalarDesign kDesign = {
    .window = {.window = {.title = "Helmholtz Energy", .width = 460, .height = 645,
                          .placement = fw::Placement::Centred},
               .heading = "Differential Form",
               .headingBox = {20, 20, 160, 25},
               .formula = &Pictures::Helmholtz_122,
               .formulaBox = {200, 20, 122, 55},
               .citation = {200, 85, 130, 10},
               .pressureTop = 120,
               .temperatureTop = 160,
               .clear = {380, 120, 50, 20},
               .unitSwitch = {365, 155},
               .calculate = {110, 220, 230, 30},
               .roots = {95, 270},
               .footnoteName = "StaticText2",
               .footnote = {250, 385},
               .resultFrame = {20, 425, 420, 155},
               .molarVolume = {30, 433, 130, 25},
               .result = {235, 433, 120, 25},
               .volumeUnit = {365, 433, 70, 25},
               .standardStateName = "StaticText13",
               .standardState = {165, 593, 270, 40}},
    .deltaName = "StaticText1",
    .deltaBox = {30, 469, 20, 30},
    .rows = {{
         {"EntropyText", "Helmholtz Energy", {55, 473, 160, 25}, "StaticText9", {365, 473, 70, 25}},
         {"IdealHelmholtzText", "Ideal Helmholtz Energy", {30, 508, 200, 25}, "StaticText14", {365, 508, 70, 20}},
         {"ExcessHelmholtzText", "Excess Helmholtz Energy", {30, 543, 200, 25}, "StaticText15", {365, 543, 70, 20}},
    }},
    .unit = "J /mol",
    .function = &Globals::Helmholtz,
    .excessSelector = 4,
    .aboveCoVolume = true};

}  // namespace

HelmholtzWindow::HelmholtzWindow() : energy::ScalarEnergyWindow(kDesign) {}
