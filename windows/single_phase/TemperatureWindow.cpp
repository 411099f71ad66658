#include "windows/single_phase/TemperatureWindow.h"

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {
    .title = "Temperatures",
    .width = 470,
    .height = 260,
    .visible = false,
    .placement = fw::Placement::Centred};

const fw::ControlSpec kRows[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::StaticText, "MolarVolume", "Molar Volume", 20, 20, 130, 25, 16},
    {Kind::EditField, "dataEntry", "", 155, 20, 120, 25, 16},
    {Kind::StaticText, "StaticText1", "cm /mol", 285, 20, 80, 25, 16},
    {Kind::StaticText, "StaticText2", "3", 308, 19, 16, 20, 12, 0, nullptr, "palatino"},
    {Kind::PushButton, "Clear", "clear", 400, 20, 50, 20, 10, fw::TabLast},
    {Kind::StaticText, "Pressure", "Pressure", 20, 60, 130, 25, 16},
    {Kind::EditField, "dataEntry1", "", 155, 60, 120, 25, 16},
    {Kind::StaticText, "StaticText3", "MPa", 285, 60, 80, 25, 16},
    {Kind::PushButton, "calculate", "calculate", 185, 120, 100, 30, 18, fw::DefaultButton},
    {Kind::RoundRectangle, "RoundRectangle1", "", 20, 170, 430, 70},
    {Kind::StaticText, "Temperature", "Temperature", 34, 178, 115, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "Result", "", 160, 178, 120, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText4", "Kelvin", 290, 178, 80, 25, 16, 0, "RoundRectangle1"},
};

const std::vector<fw::ControlSpec> kLayout =
    fw::JoinLayout({kRows, shared::TemperatureSwitch::Rows(370, 178, "RoundRectangle1")});

}  // namespace

TemperatureWindow::TemperatureWindow() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
}

// Stores the temperature in kelvin whatever the unit, then shows it in the
// chosen one. An entry that is no finite number, or a temperature beyond the
// range of numbers, leaves the result empty and the shared temperature as it
// was.
void TemperatureWindow::calculate_Action() {
  const std::optional<double> V = shared::FiniteEntry(editField("dataEntry").Text());
  const std::optional<double> P = shared::FiniteEntry(editField("dataEntry1").Text());
  const std::optional<double> T =
      V && P ? shared::Finite(Globals::Temperature(Globals::fraction, *P, *V)) : std::nullopt;
  if (!T) {
    staticText("Result").SetText("");
    return;
  }
  Globals::TempKelvin = *T;
  unit_.ShowResult();
}

void TemperatureWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  editField("dataEntry1").SetText("");
  staticText("Result").SetText("");
}
