#include "windows/single_phase/VolumeWindow.h"

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;
using shared::SolutionChooser;

const fw::WindowSpec kWindow = {
    .title = "Molar Volumes",
    .width = 460,
    .height = 470,
    .placement = fw::Placement::Centred};

const fw::ControlSpec kResults[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent
    {Kind::RoundRectangle, "RoundRectangle1", "", 20, 330, 420, 120},
    {Kind::StaticText, "MolarVolume", "Molar Volume", 30, 337, 180, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "Result", "", 220, 337, 120, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText7", "cm /mol", 350, 337, 75, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText8", "3", 372, 336, 16, 20, 12, 0, "RoundRectangle1"},
    {Kind::StaticText, "ExcessMolarVolume", "Excess Molar Volume", 30, 377, 180, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "ExcessVol", "", 220, 377, 120, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText10", "cm /mol", 350, 377, 75, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText11", "3", 372, 376, 16, 20, 12, 0, "RoundRectangle1"},
    {Kind::StaticText, "Density", "Density", 30, 417, 180, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "DensityResult", "", 220, 417, 120, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText12", "g/cm", 350, 417, 55, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText13", "3", 390, 416, 16, 20, 12, 0, "RoundRectangle1"},
};

const std::vector<fw::ControlSpec> kLayout = fw::JoinLayout({
    SolutionChooser::EntryRows(20, 60, 285),
    fw::ControlSpec{Kind::PushButton, "Clear", "clear", 385, 20, 50, 20, 10, fw::TabLast},
    shared::TemperatureSwitch::Rows(370, 60),
    fw::ControlSpec{Kind::PushButton, "calculate", "calculate", 180, 120, 100, 30, 18, fw::DefaultButton},
    SolutionChooser::Rows(100, 170),
    SolutionChooser::Footnote("StaticText1", 245, 285),
    kResults,
});

}  // namespace

VolumeWindow::VolumeWindow() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
}

void VolumeWindow::calculate_Action() {
  chooser_.ListRoots();
  ClearResults();
}

void VolumeWindow::ClearResults() {
  staticText("Result").SetText("");
  staticText("ExcessVol").SetText("");
  staticText("DensityResult").SetText("");
}

// Evaluated at the stored root and at the temperature and pressure of the
// shared state, whichever window left them. A complex root is stored as 0.
// A value beyond the range of numbers is left empty.
void VolumeWindow::Choice_Action(int k) {
  const double V = shared::SolutionChooser::Root(k);
  staticText("Result").SetText(shared::FiniteText(V));
  if (V != 0.0) {
    Globals::Vexcess = Globals::Excess(0, Globals::fraction, Globals::TempKelvin, Globals::PresMPa, V);
    staticText("DensityResult").SetText(shared::FiniteText(Globals::Density(Globals::fraction, V)));
  } else {
    Globals::Vexcess = 0.0;
    staticText("DensityResult").SetText("0");
  }
  staticText("ExcessVol").SetText(shared::FiniteText(Globals::Vexcess));
}

void VolumeWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  editField("dataEntry1").SetText("");
  chooser_.ClearRoots();
  ClearResults();
}
