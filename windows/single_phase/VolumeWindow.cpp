#include "windows/single_phase/VolumeWindow.h"

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;
using shared::kRootGroup;
using shared::kUnitGroup;

const fw::WindowSpec kWindow = {
    .title = "Molar Volumes",
    .width = 460,
    .height = 470,
    .placement = 2};

constexpr const char* kFootnote =
    "* cubic equatons have three solutions, of which two may be complex numbers";

const fw::ControlSpec kLayout[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::StaticText, "Pressure", "Pressure", 20, 20, 130, 25, 16},
    {Kind::EditField, "dataEntry", "", 155, 20, 120, 25, 16},
    {Kind::StaticText, "StaticText4", "MPa", 285, 20, 80, 25, 16},
    {Kind::PushButton, "Clear", "clear", 385, 20, 50, 20, 10, fw::TabLast},
    {Kind::StaticText, "Temperature", "Temperature", 20, 60, 130, 25, 16},
    {Kind::EditField, "dataEntry1", "", 155, 60, 120, 25, 16},
    {Kind::StaticText, "StaticText3", "Kelvin", 285, 60, 80, 25, 16},
    {Kind::GroupBox, "GroupBox1", "", 370, 60, 70, 54},
    {Kind::RadioButton, "Kelvin", " in K", 377, 67, 56, 20, 12, fw::On, nullptr, "System", kUnitGroup},
    {Kind::RadioButton, "Celsius", " in \u02DAC", 377, 88, 56, 20, 12, 0, nullptr, "System", kUnitGroup},
    {Kind::PushButton, "calculate", "calculate", 180, 120, 100, 30, 18, fw::DefaultButton},
    {Kind::GroupBox, "GroupBox2", "select mathematical solution*", 100, 170, 260, 110, 16, fw::Italic},
    {Kind::RadioButton, "Choice0", "", 115, 200, 20, 20, 0, 0, nullptr, "System", kRootGroup},
    {Kind::StaticText, "TextChoice0", "", 140, 200, 200, 20, 14, fw::Italic},
    {Kind::RadioButton, "Choice1", "", 115, 225, 20, 20, 0, 0, nullptr, "System", kRootGroup},
    {Kind::StaticText, "TextChoice1", "", 140, 225, 200, 20, 14, fw::Italic},
    {Kind::RadioButton, "Choice2", "", 115, 250, 20, 20, 0, 0, nullptr, "System", kRootGroup},
    {Kind::StaticText, "TextChoice2", "", 140, 250, 200, 20, 14, fw::Italic},
    {Kind::StaticText, "StaticText1", kFootnote, 245, 285, 195, 30, 10, fw::MultiLine | fw::Italic},
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
