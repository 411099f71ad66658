#include "windows/energy/ScalarEnergyWindow.h"

#include <vector>

#include "windows/shared/FiniteNumber.h"

namespace energy {

namespace {

constexpr const char* kFrame = "RoundRectangle1";
constexpr std::array<const char*, 3> kValues = {"Result1", "Result2", "Result3"};

// The "∆" mark (if any), then each row: label, value, unit.
std::vector<fw::ControlSpec> RowsOnFrame(const ScalarDesign& d) {
  std::vector<fw::ControlSpec> rows;
  auto text = [&rows](const char* name, const char* text, Box box, int size) {
    rows.push_back({.kind = fw::Kind::StaticText, .name = name, .text = text, .left = box.left,
                    .top = box.top, .width = box.width, .height = box.height, .textSize = size,
                    .parent = kFrame});
  };
  if (d.deltaName) text(d.deltaName, "\u2206", d.deltaBox, 24);
  for (int row = 0; row < 3; ++row) {
    const ResultRow& r = d.rows[row];
    text(r.labelName, r.label, r.labelBox, 16);
    const Box& result = d.window.result;
    text(kValues[row], "", {result.left, r.labelBox.top, result.width, result.height}, 16);
    text(r.unitName, d.unit, r.unitBox, 16);
  }
  return rows;
}

}  // namespace

ScalarEnergyWindow::ScalarEnergyWindow(const ScalarDesign& design)
    : EnergyFunctionWindow(design.window, RowsOnFrame(design), {}), design_(design) {}

void ScalarEnergyWindow::EmptyResultTexts() {
  staticText("Result").SetText("");
  ShowValues("", "", "");
}

void ScalarEnergyWindow::ShowValues(const std::string& value, const std::string& ideal,
                                    const std::string& excess) {
  staticText(kValues[0]).SetText(value);
  staticText(kValues[1]).SetText(ideal);
  staticText(kValues[2]).SetText(excess);
}

// The function's own domain: a positive temperature and a volume above the
// co-volume (or, for the internal energy, above 0). Outside it the function
// gives a neutral 0 that is no value of the fluid, and an ideal and excess
// part formed from it would be meaningless.
bool ScalarEnergyWindow::Defined(double V) const {
  if (!(0.0 < Globals::TempKelvin && 0.0 < V)) return false;
  return !design_.aboveCoVolume || Globals::bMixture(Globals::fraction) < V;
}

void ScalarEnergyWindow::Evaluate(int k) {
  const double V = shared::SolutionChooser::Root(k);
  staticText("Result").SetText(shared::FiniteText(V));
  if (!Defined(V)) {
    ShowValues("0", "0", "0");
    return;
  }
  const double X = design_.function(Globals::fraction, Globals::TempKelvin, V);
  const double E = Globals::Excess(design_.excessSelector, Globals::fraction, Globals::TempKelvin,
                                   Globals::PresMPa, X);
  ShowValues(shared::FiniteText(X), shared::FiniteText(X - E), shared::FiniteText(E));
}

}  // namespace energy
