#include "windows/energy/EnergyFunctionWindow.h"

namespace energy {

namespace {

using fw::Kind;

constexpr const char* kFootnote =
    "* cubic equatons have three solutions, of which two may be complex numbers";
constexpr const char* kFormulaSource = "thermodynamics textbook, 1986";
constexpr const char* kStandardState =
    "Standard state conditions: 298.15 K and 0.1 MPa\r"
    "between 298.15 and T (at 0.1 MPa): Ideal Gas Mixture\r"
    "Thermomdynamic data (data compilation, 1979)";

fw::ControlSpec Text(const char* name, const char* text, Box box, int size, unsigned flags = 0,
                     const char* parent = nullptr) {
  return {.kind = Kind::StaticText, .name = name, .text = text, .left = box.left, .top = box.top,
          .width = box.width, .height = box.height, .textSize = size, .flags = flags,
          .parent = parent};
}

fw::ControlSpec Entry(const char* name, int top) {
  return {.kind = Kind::EditField, .name = name, .left = 155, .top = top, .width = 120,
          .height = 25, .textSize = 16};
}

fw::ControlSpec Radio(const char* name, const char* caption, int left, int top, int width,
                      int size, unsigned flags, const char* group) {
  return {.kind = Kind::RadioButton, .name = name, .text = caption, .left = left, .top = top,
          .width = width, .height = 20, .textSize = size, .flags = flags, .group = group};
}

// The unit radios at (7, 7) and (7, 28) in their frame; the root radios at
// (15, 30 + 25 k) and the root texts 25 pixels to their right.
fw::ControlSpec UnitRadio(const Box& frame, const char* name, const char* caption, int row,
                          unsigned flags) {
  return Radio(name, caption, frame.left + 7, frame.top + 7 + 21 * row, 56, 12, flags,
               shared::kUnitGroup);
}
fw::ControlSpec RootRadio(const Box& frame, const char* name, int k) {
  return Radio(name, "", frame.left + 15, frame.top + 30 + 25 * k, 20, 0, 0, shared::kRootGroup);
}
fw::ControlSpec RootText(const Box& frame, const char* name, int k) {
  return Text(name, "", {frame.left + 40, frame.top + 30 + 25 * k, 200, 20}, 14, fw::Italic);
}

}  // namespace

std::vector<fw::ControlSpec> BuildLayout(const WindowDesign& d,
                                         std::span<const fw::ControlSpec> onResultFrame,
                                         std::span<const fw::ControlSpec> beforeClear) {
  constexpr const char* frame = "RoundRectangle1";
  const Box& unit = d.volumeUnit;
  std::vector<fw::ControlSpec> layout = {
      {.kind = Kind::RoundRectangle, .name = frame, .left = d.resultFrame.left,
       .top = d.resultFrame.top, .width = d.resultFrame.width, .height = d.resultFrame.height},
      Text("MolarVolume", "Molar Volume", d.molarVolume, 16, 0, frame),
      Text("Result", "", d.result, 16, 0, frame),
      Text("StaticText7", "cm /mol", unit, 16, 0, frame),
      // The exponent over the gap in "cm /mol".
      Text("StaticText8", "3", {unit.left + 22, unit.top - 1, 16, 20}, 12, 0, frame),
  };
  layout.insert(layout.end(), onResultFrame.begin(), onResultFrame.end());
  const std::vector<fw::ControlSpec> entriesAndChooser = {
      Text("Pressure", "Pressure", {20, d.pressureTop, 130, 25}, 16),
      Text("Temperature", "Temperature", {20, d.temperatureTop, 130, 25}, 16),
      Entry("dataEntry", d.pressureTop),
      Entry("dataEntry1", d.temperatureTop),
      {.kind = Kind::PushButton, .name = "calculate", .text = "calculate molar volume",
       .left = d.calculate.left, .top = d.calculate.top, .width = d.calculate.width,
       .height = d.calculate.height, .textSize = 18, .flags = fw::DefaultButton},
      RootText(d.roots, "TextChoice0", 0),
      Text("StaticText3", "Kelvin", {280, d.temperatureTop, 80, 25}, 16),
      Text("StaticText4", "MPa", {280, d.pressureTop, 80, 25}, 16),
      UnitRadio(d.unitSwitch, "Kelvin", " in K", 0, fw::On),
      UnitRadio(d.unitSwitch, "Celsius", " in \u02DAC", 1, 0),
      RootRadio(d.roots, "Choice0", 0),
      RootRadio(d.roots, "Choice2", 2),
      RootRadio(d.roots, "Choice1", 1),
      // The frames come after their radios, so the radios lie on the window
      // and are grouped by name.
      {.kind = Kind::GroupBox, .name = "GroupBox1", .left = d.unitSwitch.left,
       .top = d.unitSwitch.top, .width = d.unitSwitch.width, .height = d.unitSwitch.height},
      {.kind = Kind::GroupBox, .name = "GroupBox2", .text = "select mathematical solution*",
       .left = d.roots.left, .top = d.roots.top, .width = d.roots.width, .height = d.roots.height,
       .textSize = 16, .flags = fw::Italic},
      RootText(d.roots, "TextChoice1", 1),
      RootText(d.roots, "TextChoice2", 2),
      Text("StaticText10", d.heading, d.headingBox, 18),
      Text(d.standardStateName, kStandardState, d.standardState, 10, fw::MultiLine),
      Text("StaticText12", kFormulaSource, d.citation, 10),
  };
  layout.insert(layout.end(), entriesAndChooser.begin(), entriesAndChooser.end());
  layout.insert(layout.end(), beforeClear.begin(), beforeClear.end());
  const std::vector<fw::ControlSpec> last = {
      {.kind = Kind::PushButton, .name = "Clear", .text = "clear", .left = d.clear.left,
       .top = d.clear.top, .width = d.clear.width, .height = d.clear.height, .textSize = 10,
       .flags = fw::TabLast},
      Text(d.footnoteName, kFootnote, d.footnote, 10, fw::Italic | fw::MultiLine),
      {.kind = Kind::Canvas, .name = "Canvas1", .left = d.formulaBox.left, .top = d.formulaBox.top,
       .width = d.formulaBox.width, .height = d.formulaBox.height, .picture = d.formula},
  };
  layout.insert(layout.end(), last.begin(), last.end());
  return layout;
}

EnergyFunctionWindow::EnergyFunctionWindow(const WindowDesign& design,
                                           std::span<const fw::ControlSpec> onResultFrame,
                                           std::span<const fw::ControlSpec> beforeClear)
    : fw::Window(design.window, BuildLayout(design, onResultFrame, beforeClear)) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
}

void EnergyFunctionWindow::calculate_Action() {
  chooser_.ListRoots([this] { EmptyResultTexts(); });
  EmptyResultList();
}

void EnergyFunctionWindow::Clear_Action() {
  editField("dataEntry").SetText("");
  editField("dataEntry1").SetText("");
  chooser_.ClearRoots();
  EmptyResultTexts();
  EmptyResultList();
}

}  // namespace energy
