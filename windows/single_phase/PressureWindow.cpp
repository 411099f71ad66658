#include "windows/single_phase/PressureWindow.h"

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"
#include "windows/single_phase/Isochore.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {
    .title = "Pressures",
    .width = 470,
    .height = 290,
    .placement = fw::Placement::Centred};

const fw::ControlSpec kEntries[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::StaticText, "MolarVolume", "Molar Volume", 20, 20, 130, 25, 16},
    {Kind::EditField, "dataEntry", "", 155, 20, 120, 25, 16},
    {Kind::StaticText, "StaticText1", "cm /mol", 285, 20, 80, 25, 16},
    {Kind::StaticText, "StaticText2", "3", 307, 19, 16, 20, 12},
    {Kind::PushButton, "Clear", "clear", 400, 20, 50, 20, 10, fw::TabLast},
    {Kind::StaticText, "Temperature", "Temperature", 20, 65, 130, 25, 16},
    {Kind::EditField, "dataEntry1", "", 155, 65, 120, 25, 16},
    {Kind::StaticText, "StaticText3", "Kelvin", 285, 65, 80, 25, 16},
};

const fw::ControlSpec kBelowSwitch[] = {
    {Kind::PushButton, "calculate", "calculate", 185, 140, 100, 30, 18, fw::DefaultButton},
    {Kind::RoundRectangle, "RoundRectangle1", "", 20, 195, 430, 35},
    {Kind::StaticText, "Pressure", "Pressure", 90, 200, 100, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "Result", "", 200, 200, 120, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText4", "MPa", 330, 200, 45, 25, 16, 0, "RoundRectangle1"},
    {Kind::PushButton, "PushButton1", "Isochore calculation", 310, 245, 140, 25, 12},
};

const std::vector<fw::ControlSpec> kLayout =
    fw::JoinLayout({kEntries, shared::TemperatureSwitch::Rows(375, 65), kBelowSwitch});

}  // namespace

PressureWindow::PressureWindow() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
  onAction("PushButton1", [this] { PushButton1_Action(); });
}

// Writes element 0 of the shared molar volumes (for the isochore window), but
// neither the shared temperature nor the pressure. An entry that is no finite
// number leaves the result empty and the shared state as it was; so does a
// pressure beyond the range of numbers.
void PressureWindow::calculate_Action() {
  double T = 0.0;
  const bool temperature = unit_.Read(T);
  const std::optional<double> V = shared::FiniteEntry(editField("dataEntry").Text());
  if (!temperature || !V) {
    staticText("Result").SetText("");
    return;
  }
  Globals::MolarVolumes[0] = *V;
  staticText("Result").SetText(shared::FiniteText(Globals::Pressure(Globals::fraction, T, *V)));
}

void PressureWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  editField("dataEntry1").SetText("");
  staticText("Result").SetText("");
}

// The isochore window reads the molar volume from the shared state.
void PressureWindow::PushButton1_Action() { Isochore::Get().Show(); }
