#include "windows/single_phase/FugacityWindow.h"

#include "engine/Globals.h"
#include "runtime/Runtime.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;
using shared::SolutionChooser;

const fw::WindowSpec kWindow = {
    .title = "Fugacities",
    .width = 460,
    .height = 590,
    .placement = fw::Placement::Centred};

const fw::ControlSpec kResults[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent
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

const std::vector<fw::ControlSpec> kLayout = fw::JoinLayout({
    SolutionChooser::EntryRows(20, 60, 285),
    fw::ControlSpec{Kind::PushButton, "Clear", "clear", 385, 20, 50, 20, 10, fw::TabLast},
    shared::TemperatureSwitch::Rows(370, 60),
    fw::ControlSpec{Kind::PushButton, "calculate", "calculate molar volume", 115, 120, 230, 30, 18,
                    fw::DefaultButton},
    SolutionChooser::Rows(100, 170, nullptr,
                          {.caption = "Select mathematical solution*", .radioSize = 18,
                           .radioFont = "palatino", .textFont = "palatino"}),
    SolutionChooser::Footnote("StaticText1", 245, 285),
    kResults,
});

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
  ClearResults();
}

void FugacityWindow::ClearResults() {
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
      list.AddRow({Globals::GasNames[i], shared::FiniteText(Globals::Fugacity[i]),
                   shared::FiniteText(Globals::Coefficient[i])});
    rt::RuntimeBackgroundTask();
  }
}

void FugacityWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  editField("dataEntry1").SetText("");
  chooser_.ClearRoots();
  ClearResults();
}
