#include "windows/single_phase/FugacityWindow.h"

#include "engine/Globals.h"
#include "runtime/Runtime.h"
#include "windows/shared/FiniteNumber.h"
#include "windows/shared/ListRow.h"

namespace {

using fw::Kind;
using shared::kRootGroup;
using shared::kUnitGroup;

const fw::WindowSpec kWindow = {
    .title = "Fugacities",
    .width = 460,
    .height = 590,
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
    {Kind::PushButton, "calculate", "calculate molar volume", 115, 120, 230, 30, 18, fw::DefaultButton},
    {Kind::GroupBox, "GroupBox2", "Select mathematical solution*", 100, 170, 260, 110, 16, fw::Italic},
    {Kind::RadioButton, "Choice0", "", 115, 200, 20, 20, 18, 0, nullptr, "palatino", kRootGroup},
    {Kind::StaticText, "TextChoice0", "", 140, 200, 200, 20, 14, fw::Italic, nullptr, "palatino"},
    {Kind::RadioButton, "Choice1", "", 115, 225, 20, 20, 18, 0, nullptr, "palatino", kRootGroup},
    {Kind::StaticText, "TextChoice1", "", 140, 225, 200, 20, 14, fw::Italic, nullptr, "palatino"},
    {Kind::RadioButton, "Choice2", "", 115, 250, 20, 20, 18, 0, nullptr, "palatino", kRootGroup},
    {Kind::StaticText, "TextChoice2", "", 140, 250, 200, 20, 14, fw::Italic, nullptr, "palatino"},
    {Kind::StaticText, "StaticText1", kFootnote, 245, 285, 195, 30, 10, fw::MultiLine | fw::Italic},
    {Kind::RoundRectangle, "RoundRectangle1", "", 20, 330, 420, 35},
    {Kind::StaticText, "StaticText8", "3", 352, 334, 16, 20, 12, 0, "RoundRectangle1"},
    {Kind::StaticText, "MolarVolume", "Molar Volume", 30, 335, 140, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "Result", "", 190, 335, 120, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText7", "cm /mol", 330, 335, 75, 25, 16, 0, "RoundRectangle1"},
    {Kind::GroupBox, "GroupBox3", "Fugacities", 20, 380, 420, 190, 18},
    {.kind = Kind::ListBox, .name = "ListBox1", .left = 34, .top = 415, .width = 390, .height = 140,
     .textSize = 14, .flags = fw::Italic | fw::Heading | fw::GridVertical, .parent = "GroupBox3",
     .columns = 3, .columnWidths = "20%, 40%, 40%"},
};

}  // namespace

FugacityWindow::FugacityWindow() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
}

// Headings only: the rows of the last root choice stay.
void FugacityWindow::Event_Activate() {
  fw::ListBox& list = listBox("ListBox1");
  list.SetHeading(0, "gas");
  list.SetHeading(1, "fugacity (in MPa)");
  list.SetHeading(2, "coefficient");
}

void FugacityWindow::calculate_Action() {
  chooser_.ListRoots();
  staticText("Result").SetText("");
  listBox("ListBox1").DeleteAllRows();
}

// At the stored root and at the temperature and pressure of the shared
// state; one row per gas with a fraction above 0. A value beyond the range of
// numbers leaves its cell empty.
void FugacityWindow::Choice_Action(int k) {
  fw::ListBox& list = listBox("ListBox1");
  list.DeleteAllRows();
  const double V = shared::SolutionChooser::Root(k);
  staticText("Result").SetText(shared::FiniteText(V));
  Globals::Fugacities(Globals::fraction, Globals::TempKelvin, Globals::PresMPa, V);
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (Globals::fraction[i] > 0.0)
      shared::AddListRow(list, {Globals::GasNames[i], shared::FiniteText(Globals::Fugacity[i]),
                                shared::FiniteText(Globals::Coefficient[i])});
    rt::RuntimeBackgroundTask();
  }
}

void FugacityWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  editField("dataEntry1").SetText("");
  chooser_.ClearRoots();
  staticText("Result").SetText("");
  listBox("ListBox1").DeleteAllRows();
}
