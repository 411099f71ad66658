#include "windows/single_phase/ActivityWindow.h"

#include <array>
#include <string_view>

#include "runtime/Runtime.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;
using shared::SolutionChooser;

constexpr const char* kStandardGroup = "standard";
constexpr const char* kPanel = "Rectangle1";
constexpr std::array<const char*, 3> kStandards = {"StandardChoice0", "StandardChoice1", "StandardChoice2"};
// The hint in the reference-pressure field of standard state 0.
constexpr const char* kNoEntry = "  no entry  ";

const fw::WindowSpec kWindow = {
    .title = "Activities",
    .width = 480,
    .height = 700,
    .resizable = true,
    .minWidth = 480,
    .minHeight = 400,
    .maxWidth = 480,
    .maxHeight = 800,
    .placement = fw::Placement::Centred};

// The chooser as this window draws it: its lower two radios and its last
// root text a pixel higher than the chooser's rows.
std::array<fw::ControlSpec, 7> RootRows() {
  std::array<fw::ControlSpec, 7> rows =
      SolutionChooser::Rows(100, 170, kPanel, {.radioSize = 18, .radioFont = "palatino"});
  for (fw::ControlSpec& row : rows) {
    const std::string_view name = row.name;
    if (name == "Choice1" || name == "Choice2" || name == "TextChoice2") --row.top;
  }
  return rows;
}

const fw::ControlSpec kBelowChooser[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::RoundRectangle, "RoundRectangle1", "", 20, 325, 420, 35, 0, 0, kPanel},
    {Kind::StaticText, "StaticText8", "3", 352, 329, 16, 20, 12, 0, "RoundRectangle1"},
    {Kind::StaticText, "MolarVolume", "Molar Volume", 30, 330, 120, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "Result", "", 210, 330, 100, 25, 16, 0, "RoundRectangle1"},
    {Kind::StaticText, "StaticText7", "cm /mol", 330, 330, 76, 25, 16, 0, "RoundRectangle1"},
    {Kind::GroupBox, "GroupBox4", "select standard state conditions", 65, 380, 330, 210, 16, fw::Italic, kPanel},
    {Kind::RadioButton, "StandardChoice0", "", 80, 413, 20, 20, 18, 0, "GroupBox4", "palatino", kStandardGroup},
    {Kind::StaticText, "StandardText0", "Pure real gases at selected T and P", 105, 414, 280, 20, 14, 0, "GroupBox4"},
    {Kind::RadioButton, "StandardChoice1", "", 80, 439, 20, 20, 18, 0, "GroupBox4", "palatino", kStandardGroup},
    {Kind::StaticText, "StandardText1", "Pure real gases at selected T and P(ref.)", 105, 439, 280, 20, 14, 0, "GroupBox4"},
    {Kind::RadioButton, "StandardChoice2", "", 80, 464, 20, 20, 18, 0, "GroupBox4", "palatino", kStandardGroup},
    {Kind::StaticText, "StandardText2", "Pure ideal gases at selected T and P(ref.)", 105, 464, 280, 20, 14, 0, "GroupBox4"},
    {Kind::EditField, "dataEntry2", "", 220, 508, 120, 25, 14, 0, "GroupBox4"},
    {Kind::StaticText, "PressureRef", "Reference Pressure", 80, 510, 140, 20, 14, 0, "GroupBox4"},
    {Kind::StaticText, "StaticText9", "MPa", 350, 510, 35, 20, 14, 0, "GroupBox4"},
    {Kind::PushButton, "PushButton1", "continue", 190, 550, 75, 25, 12, fw::DefaultButton, "GroupBox4"},
    {Kind::GroupBox, "GroupBox3", "Activities", 20, 610, 420, 170, 18, 0, kPanel},
    {.kind = Kind::ListBox, .name = "ListBox1", .left = 34, .top = 645, .width = 390, .height = 120,
     .textSize = 14, .flags = fw::Italic | fw::Heading | fw::GridVertical, .parent = "GroupBox3",
     .columns = 3, .columnWidths = "20%, 40%, 40%"},
};

const std::vector<fw::ControlSpec> kLayout = shared::ScrollingPanel::Layout(
    kWindow, 800,
    {SolutionChooser::EntryRows(20, 60, 285, kPanel),
     fw::ControlSpec{Kind::PushButton, "Clear", "clear", 390, 20, 50, 20, 10, fw::TabLast, kPanel},
     shared::TemperatureSwitch::Rows(370, 60, kPanel),
     fw::ControlSpec{Kind::PushButton, "calculate", "calculate molar volume", 110, 120, 230, 30, 18,
                     fw::DefaultButton, kPanel},
     RootRows(), SolutionChooser::Footnote("StaticText1", 245, 285, kPanel), kBelowChooser});

}  // namespace

ActivityWindow::ActivityWindow() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
  onAction("PushButton1", [this] { PushButton1_Action(); });
  for (int state = 0; state < 3; ++state)
    onAction(kStandards[state], [this, state] { StandardChoice_Action(state); });
  // Both buttons are default buttons; Return presses the one of the step
  // the user is in, in place of the chooser's own Return: the pressure and
  // temperature lead to the roots, the chosen root and the standard state to
  // the activities.
  ReturnPresses("calculate", {"dataEntry", "dataEntry1", "Kelvin", "Celsius"});
  ReturnPresses("PushButton1", {"Choice0", "Choice1", "Choice2", "GroupBox4", "GroupBox3"});
}

// Headings only: the rows stay.
void ActivityWindow::Event_Activate() {
  fw::ListBox& list = listBox("ListBox1");
  list.SetHeading(0, "gas");
  list.SetHeading(1, "activity");
  list.SetHeading(2, "coefficient");
}

void ActivityWindow::StandardRadiosOff() {
  for (const char* radio : kStandards) radioButton(radio).SetValue(false);
}

void ActivityWindow::calculate_Action() {
  chooser_.ListRoots({}, [this] { StandardRadiosOff(); });
  editField("dataEntry2").SetText("");
  staticText("Result").SetText("");
  listBox("ListBox1").DeleteAllRows();
}

void ActivityWindow::Choice_Action(int k) {
  staticText("Result").SetText(shared::FiniteText(shared::SolutionChooser::Root(k)));
}

// State 0 needs no reference pressure: the field shows a hint and stays
// editable; states 1 and 2 empty it for the reference pressure.
void ActivityWindow::StandardChoice_Action(int state) {
  if (!radioButton(kStandards[state]).Value()) return;
  editField("dataEntry2").SetText(state == 0 ? kNoEntry : "");
}

void ActivityWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  editField("dataEntry1").SetText("");
  editField("dataEntry2").SetText("");
  chooser_.ClearRoots();
  StandardRadiosOff();
  staticText("Result").SetText("");
  listBox("ListBox1").DeleteAllRows();
}

// The molar volume is the one that `Result` shows, with its digits; the
// temperature and pressure are those of the shared state, whichever window
// left them. The three standard states are separate tests; with none on,
// the list shows the activities of the last run. A reference pressure that
// is no finite number, where a standard state needs one, leaves the list
// empty and computes nothing; a value beyond the range of numbers leaves its
// cell empty.
void ActivityWindow::PushButton1_Action() {
  Globals::GasTable mixture{};
  fw::ListBox& list = listBox("ListBox1");
  list.DeleteAllRows();
  const bool atReference = radioButton("StandardChoice1").Value() || radioButton("StandardChoice2").Value();
  const std::optional<double> reference = shared::FiniteEntry(editField("dataEntry2").Text());
  if (atReference && !reference) return;
  const double V = rt::Val(staticText("Result").Text());
  Globals::Fugacities(Globals::fraction, Globals::TempKelvin, Globals::PresMPa, V);
  for (int i = 0; i < Globals::NumGases; ++i) {
    mixture[i] = Globals::Fugacity[i];  // the calls for the gases alone overwrite it
    rt::RuntimeBackgroundTask();
  }
  if (radioButton("StandardChoice0").Value()) PureRealGasActivities(mixture, Globals::PresMPa);
  if (radioButton("StandardChoice1").Value()) PureRealGasActivities(mixture, *reference);
  if (radioButton("StandardChoice2").Value()) IdealGasActivities(mixture, *reference);

  const Globals::Composition& x = Globals::fraction;
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (x[i] != 0.0)
      list.AddRow({Globals::GasNames[i], shared::FiniteText(Globals::Activity[i]),
                   shared::FiniteText(Globals::Activity[i] / x[i])});
    rt::RuntimeBackgroundTask();
  }
}

// Below its vapour pressure a gas alone is vapour-like (largest root),
// at or above it liquid-like (smallest root). A reference fugacity of 0
// gives an activity of 0.
void ActivityWindow::PureRealGasActivities(const Globals::GasTable& mixture, double pressure) {
  const double T = Globals::TempKelvin;
  Globals::Composition alone{};
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (Globals::fraction[i] != 0.0) {
      alone[i] = 1.0;
      Globals::RootArray roots = Globals::Volume(alone, T, pressure);
      const double saturation = Globals::SaturationPressure(i, T);
      const double V = Globals::VolumeChoice(roots, pressure < saturation ? 0 : 2);
      Globals::Fugacities(alone, T, pressure, V);
      const double reference = Globals::Fugacity[i];
      Globals::Activity[i] = reference != 0.0 ? mixture[i] / reference : 0.0;
      alone[i] = 0.0;
    }
    rt::RuntimeBackgroundTask();
  }
}

void ActivityWindow::IdealGasActivities(const Globals::GasTable& mixture, double reference) {
  for (int i = 0; i < Globals::NumGases; ++i) {
    Globals::Fugacity[i] = Globals::fraction[i] * reference;
    Globals::Activity[i] = Globals::Fugacity[i] != 0.0 ? mixture[i] / Globals::Fugacity[i] : 0.0;
    rt::RuntimeBackgroundTask();
  }
}
