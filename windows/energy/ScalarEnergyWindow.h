#pragma once
// The five windows of one energy function (internal energy, enthalpy,
// entropy, Helmholtz and Gibbs energy): for the chosen root, the value of the
// fluid, its ideal-mixture part and its excess part, in three rows on the
// result frame.

#include <array>

#include "engine/Globals.h"
#include "windows/energy/EnergyFunctionWindow.h"

namespace energy {

// One result row: its label and its unit label; the value lies between them
// in the column of `Result`.
struct ResultRow {
  const char* labelName;
  const char* label;
  Box labelBox;
  const char* unitName;
  Box unitBox;
};

using EnergyFunction = double (*)(const Globals::Composition& x, double T, double V);

struct ScalarDesign {
  WindowDesign window;
  const char* deltaName;  // the "∆" of a value relative to the standard state; nullptr: none
  Box deltaBox;
  std::array<ResultRow, 3> rows;  // the value, its ideal part, its excess part
  const char* unit;
  EnergyFunction function;
  int excessSelector;  // of Globals::Excess
  // The function is defined only above the mixture's co-volume (all but the
  // internal energy, which needs a positive volume only).
  bool aboveCoVolume;
};

class ScalarEnergyWindow : public EnergyFunctionWindow {
 protected:
  explicit ScalarEnergyWindow(const ScalarDesign& design);

  void EmptyResultTexts() override;
  // `Result` := root k; for a root at which the function is defined, its
  // value X, the ideal part X - E and the excess part E, each left empty
  // when it is beyond the range of numbers; elsewhere "0" in all three.
  void Evaluate(int k) override;

 private:
  bool Defined(double V) const;
  void ShowValues(const std::string& value, const std::string& ideal, const std::string& excess);

  const ScalarDesign& design_;
};

}  // namespace energy
