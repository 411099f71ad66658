#include "windows/phase_behaviour/SpinodalWindow.h"

#include <cmath>

#include "engine/Globals.h"
#include "numerics/Stability.h"
#include "resources/Pictures.h"
#include "runtime/Runtime.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {
    .title = "Spinodal",
    .width = 460,
    .height = 510};

constexpr const char* kFrame = "RoundRectangle1";
// The failure texts of the temperature and of the pressure, as they stand.
constexpr const char* kNoTemperature = "no soluton";
constexpr const char* kNoPressure = "no solution";

const fw::ControlSpec kAboveSwitch[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::StaticText, "StaticText1", "Spinodal\ndefinition", 20, 20, 100, 50, 18, fw::MultiLine},
    {Kind::StaticText, "StaticText10", "*", 97, 19, 10, 10, 12},
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 120, .top = 20, .width = 288, .height = 100,
     .picture = Pictures::spinodal_288},
    {Kind::StaticText, "StaticText2", "where", 20, 140, 40, 15, 12, fw::MultiLine},
    {.kind = Kind::Canvas, .name = "Canvas2", .left = 70, .top = 140, .width = 154, .height = 60,
     .picture = Pictures::AVV_154},
    {.kind = Kind::Canvas, .name = "Canvas3", .left = 240, .top = 140, .width = 158, .height = 60,
     .picture = Pictures::ANV_158},
    {Kind::StaticText, "StaticText3", "etc.", 415, 140, 30, 15, 12, fw::MultiLine},
    {Kind::StaticText, "StaticText9", "where A represents the Helmholtz Energy", 60, 210, 250, 15, 12, fw::MultiLine},
    {Kind::StaticText, "MolarVolume", "Molar Volume", 20, 260, 130, 25, 16},
    {Kind::EditField, "dataEntry", "", 155, 260, 120, 25, 16},
    {Kind::StaticText, "StaticText6", "cm /mol", 280, 260, 80, 25, 16},
    {Kind::StaticText, "StaticText7", "3", 302, 259, 16, 20, 12},
    {Kind::PushButton, "Clear", "clear", 390, 260, 50, 20, 10, fw::TabLast},
    {Kind::PushButton, "calculate", "calculate", 180, 315, 100, 30, 18, fw::DefaultButton},
    {Kind::RoundRectangle, kFrame, "", 20, 365, 420, 95},
    {Kind::StaticText, "Temperature", "Temperature", 30, 375, 110, 25, 16, 0, kFrame},
    {Kind::StaticText, "ResultT", "", 145, 375, 120, 25, 16, 0, kFrame},
    {Kind::StaticText, "StaticText8", "Kelvin", 275, 375, 80, 25, 16, 0, kFrame},
};

const fw::ControlSpec kBelowSwitch[] = {
    {Kind::StaticText, "Pressure", "Pressure", 30, 425, 110, 25, 16, 0, kFrame},
    {Kind::StaticText, "ResultP", "", 145, 425, 120, 25, 16, 0, kFrame},
    {Kind::StaticText, "StaticText5", "MPa", 275, 425, 80, 25, 16, 0, kFrame},
    {Kind::StaticText, "StaticText11", "* Spinodal is also known as the \"stability limit\"", 210, 475, 230, 15, 10},
};

const std::vector<fw::ControlSpec> kLayout =
    fw::JoinLayout({kAboveSwitch, shared::TemperatureSwitch::Rows(360, 375, kFrame), kBelowSwitch});

}  // namespace

SpinodalWindow::SpinodalWindow() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
}

// Writes the spinodal temperature (0 when none is found) into the shared
// temperature, and the pressure into the shared pressure on success only.
void SpinodalWindow::calculate_Action() {
  const double V = rt::Val(editField("dataEntry").Text());
  // The spinodal exists only above the co-volume; below it, or at a volume
  // that is not a number, the search would report a temperature of nothing.
  const bool valid = std::isfinite(V) && V > Globals::bMixture(Globals::fraction);
  Globals::TempKelvin =
      valid ? stability::SpinodalTemperature(Globals::fraction, V, stability::kSpinodalStarts) : 0.0;
  unit_.SelectKelvin();
  if (0 < Globals::TempKelvin) {
    staticText("ResultT").SetText(shared::FiniteText(Globals::TempKelvin, kNoTemperature));
    Globals::PresMPa = Globals::Pressure(Globals::fraction, Globals::TempKelvin, V);
    staticText("ResultP").SetText(shared::FiniteText(Globals::PresMPa, kNoPressure));
  } else {
    staticText("ResultT").SetText(kNoTemperature);
    staticText("ResultP").SetText(kNoPressure);
  }
}

void SpinodalWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  staticText("ResultT").SetText("");
  staticText("ResultP").SetText("");
}
