#include "windows/energy/EntropyWindow.h"

#include "resources/Pictures.h"

namespace {

const energy::ScalarDesign kDesign = {
    .window = {.window = {.title = "Entropy", .width = 455, .height = 640,
                          .placement = fw::Placement::Centred},
               .heading = "Maxwell Relations",
               .headingBox = {20, 20, 170, 25},
               .formula = &Pictures::Entropy_141,
               .formulaBox = {210, 20, 141, 55},
               .citation = {225, 85, 130, 10},
               .pressureTop = 120,
               .temperatureTop = 160,
               .clear = {380, 120, 50, 20},
               .unitSwitch = {365, 155},
               .calculate = {115, 220, 230, 30},
               .roots = {100, 270},
               .footnoteName = "StaticText1",
               .footnote = {250, 385},
               .resultFrame = {20, 425, 415, 155},
               .molarVolume = {30, 433, 130, 25},
               .result = {175, 433, 120, 25},
               .volumeUnit = {310, 433, 75, 25},
               .standardStateName = "StaticText11",
               .standardState = {160, 588, 270, 40}},
    .deltaName = nullptr,
    .deltaBox = {},
    .rows = {{
         {"EntropyText", "Entropy", {30, 473, 130, 25}, "StaticText9", {310, 473, 75, 25}},
         {"IdealEntropyText", "Ideal Entropy", {30, 508, 130, 25}, "StaticText13", {310, 508, 75, 25}},
         {"ExcessEntropyText", "Excess Entropy", {30, 543, 130, 25}, "StaticText14", {310, 543, 75, 25}},
    }},
    .unit = "J /mol\u00B7K",
    .function = &Globals::Entropy,
    .excessSelector = 3,
    .aboveCoVolume = true};

}  // namespace

EntropyWindow::EntropyWindow() : energy::ScalarEnergyWindow(kDesign) {}
