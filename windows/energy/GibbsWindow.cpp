#include "windows/energy/GibbsWindow.h"

#include "resources/Pictures.h"

namespace {

const energy::ScalarDesign kDesign = {
    .window = {.window = {.title = "Gibbs Energy", .width = 470, .height = 610,
                          .placement = fw::Placement::Centred},
               .heading = "Definition",
               .headingBox = {20, 20, 100, 25},
               .formula = &Pictures::Gibbs_218,
               .formulaBox = {155, 20, 218, 30},
               .citation = {240, 55, 130, 10},
               .pressureTop = 90,
               .temperatureTop = 130,
               .clear = {380, 90, 50, 20},
               .unitSwitch = {365, 130},
               .calculate = {115, 189, 230, 30},
               .roots = {100, 240},
               .footnoteName = "StaticText2",
               .footnote = {260, 355},
               .resultFrame = {20, 395, 430, 155},
               .molarVolume = {30, 402, 150, 25},
               .result = {240, 402, 120, 25},
               .volumeUnit = {370, 402, 75, 25},
               .standardStateName = "StaticText11",
               .standardState = {170, 557, 270, 40}},
    .deltaName = "StaticText1",
    .deltaBox = {30, 438, 20, 30},
    .rows = {{
         {"GibbsText", "Gibbs Energy", {55, 442, 160, 25}, "StaticText9", {370, 442, 60, 25}},
         {"GibbsExcessText", "Ideal Gibbs Energy", {30, 477, 205, 25}, "StaticText13", {370, 477, 60, 25}},
         {"GibbsExcessText1", "Excess Gibbs Energy", {30, 512, 205, 25}, "StaticText14", {370, 512, 60, 25}},
    }},
    .unit = "J /mol",
    .function = &Globals::Gibbs,
    .excessSelector = 5,
    .aboveCoVolume = true};

}  // namespace

GibbsWindow::GibbsWindow() : energy::ScalarEnergyWindow(kDesign) {}
