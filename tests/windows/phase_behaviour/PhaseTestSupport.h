#pragma once
// What the tests of the two-phase windows read back from them: the values of
// the per-gas lists by gas, the one-value lists, and Wilson's K-values
// written out from the correlation; and what a shown result must satisfy by
// the van der Waals reference.

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

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

// What a two-phase window shows after "calculate" belongs together at T and
// P: each listed molar volume is a root of its phase's isotherm at P, and
// each listed fugacity is the reference's at the listed composition and
// molar volume of its phase (x_i P where |ln phi_i| reaches 227, where the
// engine takes phi_i as 1). A liquid's pressure is the small difference of
// R T / (V - b) and a / V^2, so it is held to a part in 10^9 of those terms.
inline void ExpectShownStateBelongsTogether(fw::Window& window, double T, double P, const std::string& what) {
  const Globals::Composition x = ListValues(window, "ListBoxPhaseX1"), y = ListValues(window, "ListBoxPhaseY1");
  const double Vx = ValueOf(window, "ListBoxVmX"), Vy = ValueOf(window, "ListBoxVmY");
  const Globals::Composition fx = ListValues(window, "ListBoxPhaseX2"), fy = ListValues(window, "ListBoxPhaseY2");
  const auto& ref = vdwref::Gases();
  for (const auto& [c, V, f] : {std::tuple{x, Vx, fx}, std::tuple{y, Vy, fy}}) {
    const double a = ref.aMix(c), b = ref.bMix(c);
    EXPECT_NEAR(vdwref::Pressure(a, b, T, V), P, 1e-9 * (vdwref::kR * T / (V - b) + a / (V * V))) << what;
    for (int gas = 0; gas < Globals::NumGases; ++gas) {
      if (Globals::fraction[gas] == 0) continue;
      const vdwref::Real phiP = vdwref::PhiP(c, gas, T, V);
      const bool capped = !(std::fabs(std::log(phiP) - std::log(vdwref::Real(P))) < 227);
      const double expected = c[gas] * (capped ? vdwref::Real(P) : phiP);
      EXPECT_NEAR(f[gas], expected, 1e-9 * std::fabs(expected)) << what << " " << Globals::GasNames[gas];
    }
  }
}

// A solution at T and P: the shown state belongs together, and every gas of
// the fluid has the same fugacity in both phases, to the windows' 1e-9 (and
// a little for the engine's rounding of V - b in a dense liquid) and a few
// units of the 10^-12 grain at which the bubble-dew point window holds its
// phases.
inline void ExpectEquilibrium(fw::Window& window, double T, double P, const std::string& what) {
  ExpectShownStateBelongsTogether(window, T, P, what);
  const Globals::Composition x = ListValues(window, "ListBoxPhaseX1"), y = ListValues(window, "ListBoxPhaseY1");
  const double Vx = ValueOf(window, "ListBoxVmX"), Vy = ValueOf(window, "ListBoxVmY");
  for (int gas = 0; gas < Globals::NumGases; ++gas) {
    if (!(Globals::fraction[gas] > 0)) continue;
    const double fx = vdwref::Fugacity(x, gas, T, Vx), fy = vdwref::Fugacity(y, gas, T, Vy);
    const double grain = 3e-12 * double(std::max(vdwref::PhiP(x, gas, T, Vx), vdwref::PhiP(y, gas, T, Vy)));
    EXPECT_NEAR(fx, fy, 1.1e-9 * std::max(fx, fy) + grain) << what << " " << Globals::GasNames[gas];
  }
}

}  // namespace phasetest
