#pragma once
// What the tests of the two-phase windows read back from them: the values of
// the per-gas lists by gas, the one-value lists, and Wilson's K-values
// written out from the correlation.

#include <cmath>
#include <string>

#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/phase_behaviour/VdwReference.h"

namespace phasetest {

using namespace wintest;

// The value column of a per-gas list as a composition (0 for gases without a row).
inline Globals::Composition ListValues(fw::Window& window, const char* list) {
  Globals::Composition values{};
  fw::ListBox& box = window.listBox(list);
  for (int row = 0; row < box.RowCount(); ++row)
    for (int i = 0; i < Globals::NumGases; ++i)
      if (box.Cell(row, 0) == Globals::GasNames[i]) values[i] = rt::Val(box.Cell(row, 1));
  return values;
}

// The one number of a one-value list; NaN when it has no row.
inline double ValueOf(fw::Window& window, const char* list) {
  fw::ListBox& box = window.listBox(list);
  return box.RowCount() == 1 ? rt::Val(box.Cell(0, 0)) : std::nan("");
}

inline int RowOf(fw::ListBox& list, Gas gas) {
  for (int row = 0; row < list.RowCount(); ++row)
    if (list.Cell(row, 0) == Globals::GasNames[gas]) return row;
  return -1;
}

inline double Wilson(int gas, double T, double P) {
  Globals::CriticalValues();
  return std::exp(std::log(Globals::Pcrit[gas] / P) +
                  5.373 * (1 + Globals::Acentric[gas]) * (1 - Globals::Tcrit[gas] / T));
}

// Pure gases to take below their critical temperature.
inline constexpr Gas kPureGases[] = {H2O, CO2, N2, H2S, H2, Ar, CH4, C2H6};

// The status texts of the two-phase windows.
inline const std::string kNoSolution = "No solution, adjust First Approach and try again";
inline const std::string kTrivial =
    "Possible trivial solution, optional: adjust First Approach and try again";
inline const std::string kFractions = "The fractions must have a number between 0 and 1";

inline bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

}  // namespace phasetest
