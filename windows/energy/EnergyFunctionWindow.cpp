#include "windows/energy/EnergyFunctionWindow.h"

namespace energy {

namespace {

using fw::Kind;
using shared::SolutionChooser;

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

}  // namespace

std::vector<fw::ControlSpec> BuildLayout(const WindowDesign& d,
                                         std::span<const fw::ControlSpec> onResultFrame,
                                         std::span<const fw::ControlSpec> beforeClear) {
  constexpr const char* frame = "RoundRectangle1";
  const Box& unit = d.volumeUnit;
  return fw::JoinLayout({
      fw::ControlSpec{.kind = Kind::RoundRectangle, .name = frame, .left = d.resultFrame.left,
                      .top = d.resultFrame.top, .width = d.resultFrame.width,
                      .height = d.resultFrame.height},
      Text("MolarVolume", "Molar Volume", d.molarVolume, 16, 0, frame),
      Text("Result", "", d.result, 16, 0, frame),
      Text("StaticText7", "cm /mol", unit, 16, 0, frame),
      // The exponent over the gap in "cm /mol".
      Text("StaticText8", "3", {unit.left + 22, unit.top - 1, 16, 20}, 12, 0, frame),
      onResultFrame,
      SolutionChooser::EntryRows(d.pressureTop, d.temperatureTop, 280),
      fw::ControlSpec{.kind = Kind::PushButton, .name = "calculate", .text = "calculate molar volume",
                      .left = d.calculate.left, .top = d.calculate.top, .width = d.calculate.width,
                      .height = d.calculate.height, .textSize = 18, .flags = fw::DefaultButton},
      shared::TemperatureSwitch::Rows(d.unitSwitch.left, d.unitSwitch.top),
      SolutionChooser::Rows(d.roots.left, d.roots.top),
      Text("StaticText10", d.heading, d.headingBox, 18),
      Text(d.standardStateName, kStandardState, d.standardState, 10, fw::MultiLine),
      Text("StaticText12", kFormulaSource, d.citation, 10),
      beforeClear,
      fw::ControlSpec{.kind = Kind::PushButton, .name = "Clear", .text = "clear", .left = d.clear.left,
                      .top = d.clear.top, .width = d.clear.width, .height = d.clear.height,
                      .textSize = 10, .flags = fw::TabLast},
      SolutionChooser::Footnote(d.footnoteName, d.footnote.left, d.footnote.top),
      fw::ControlSpec{.kind = Kind::Canvas, .name = "Canvas1", .left = d.formulaBox.left,
                      .top = d.formulaBox.top, .width = d.formulaBox.width,
                      .height = d.formulaBox.height, .picture = d.formula},
  });
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
