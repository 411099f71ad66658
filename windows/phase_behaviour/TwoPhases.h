#pragma once
// What both two-phase windows do with their phases: phase X (liquid-like,
// composition like Globals::xgas) and phase Y (vapour-like, like
// Globals::ygas), evaluated at one temperature and pressure, split from a
// bulk composition by K-values, and shown in the result area.

#include <cmath>
#include <functional>
#include <optional>
#include <span>

#include "engine/Globals.h"
#include "framework/Window.h"
#include "numerics/HalfSecant.h"
#include "windows/phase_behaviour/EndReport.h"

namespace phase {

using Globals::Composition;
using Globals::GasTable;

// The phase split rule for one gas, with s the share of phase Y:
// x = z / ((K - 1) s + 1) when that divisor is above 0 (else z), y = K x.
inline void SplitGas(double z, double K, double s, double& x, double& y) {
  const double d = (K - 1) * s + 1;
  x = d > 0 ? z / d : z;
  y = K * x;
}

// The start of the half-secant iteration in both windows. Before the first
// pass there is one X, the start value X0, and a secant needs two: the other
// lies below X0, by a tenth of a start pressure or by 10 K under a start
// temperature.
inline constexpr double kLowerStartPressure = 0.9;      // times X0
inline constexpr double kLowerStartTemperature = 10.0;  // K below X0
// Neither X has a balance before a pass has run (the liquid-vapour window
// knows the balance at X0 from its first split): balances of one size and
// opposite signs are assumed, under which the first half-secant step goes
// from X0 a quarter of the way towards the lower X.
inline constexpr double kAssumedLowerBalance = -0.01;
inline constexpr double kAssumedStartBalance = 0.01;

// The totals of an unnormalised split.
struct SplitSums {
  double Sx = 0.0, Sy = 0.0;
};

// Divides each phase by its total; a total that is not above 0 (or NaN)
// counts as 1, so no phase is divided by 0.
void DivideBySums(Composition& x, Composition& y, SplitSums sums);

// Both phases brought to a unit sum in place by Globals::Normaliser, which
// holds them at the 10^-12 grain; their totals before, or none when either
// cannot be brought to a unit sum (its total is 0 or not finite).
std::optional<SplitSums> Normalise(Composition& x, Composition& y);

// Both phases at one temperature and pressure.
struct PhasePair {
  double Vx = 0.0, Vy = 0.0;  // cm3/mol
  GasTable phiX{}, phiY{};    // fugacity coefficients

  // Phase X at its smallest real root, phase Y at its largest, each with its
  // fugacity coefficients. Globals::Coefficient and Globals::Fugacity are
  // left with phase Y's.
  void Evaluate(const Composition& x, const Composition& y, double T, double P);

  // Whether both molar volumes are finite: a root beyond the largest Double
  // is an infinity, and no phase can be evaluated there.
  bool Evaluable() const { return std::isfinite(Vx) && std::isfinite(Vy); }

  // K_i = phiX_i / phiY_i, 1 when phiY_i is not above 0.
  double K(int gas) const { return phiY[gas] > 0.0 ? phiX[gas] / phiY[gas] : 1.0; }

  // Evaluates x and y as above, then tells whether they are in equilibrium
  // there: for every gas of the fluid (bulk fraction above 0) the true
  // fugacities x_i phiX_i P and y_i phiY_i P, with each phi as the van der
  // Waals formula gives it (also where Fugacities takes it as 1), agree to
  // 1e-9 of the larger, give or take two units of the 10^-12 grain of a
  // fraction times the larger coefficient and P (the bubble-dew point window
  // holds its phases at that grain, so a trace gas can come no closer).
  // Compared in logarithms, so fugacities below the smallest Double are
  // judged as well. No equilibrium at a pressure not above 0 or where a
  // phase has no coefficients (T not above 0, V not above b).
  bool EvaluateEquilibrium(const Composition& x, const Composition& y, double T, double P);
};

// The temperature (K) and pressure (MPa) at which a pass evaluates the
// phases.
struct Conditions {
  double T = 0.0, P = 0.0;
};

// A run of the half-secant iteration on two phases.
struct PhaseRun {
  SecantRun run;
  Conditions at;          // of the last pass
  PhasePair shown;        // evaluated at the compositions the last pass left
  bool evaluable = true;  // false when a pass met a state it could not evaluate
};

// The half-secant iteration on the phases x and y. Every pass takes its
// conditions from `apply`(X), evaluates both phases there at the
// compositions it starts from, writes their K-values into
// Globals::K_liq_vap and lets `update` form the new compositions in x and y
// and return the balance. A stop counts only where the phases that the pass
// left are in equilibrium (PhasePair::EvaluateEquilibrium). What the run
// shows belongs together: both phases evaluated at the last compositions and
// the last pass's conditions. A pass that meets a state it cannot evaluate
// ends the run at once, and the run is no solution: `evaluable` is false.
// That is a phase whose molar volume is no finite number (its root lies
// beyond the largest Double, as the vapour root R T/P near 0 MPa or at a
// temperature near the largest Double), or compositions that `update`
// cannot form (it returns none); x and y hold what that pass left.
PhaseRun IteratePhases(const SecantStart& start, Composition& x, Composition& y,
                       const std::function<Conditions(double X)>& apply,
                       const std::function<std::optional<double>(const PhasePair& phases)>& update);

// The result area of a two-phase window: "Answer", the status line
// "ResultText" and the window's result lists.
struct ResultArea {
  fw::Window& window;
  std::span<const char* const> lists;

  // Every list without rows, both texts empty.
  void Empty() const;
  // Empty, then the status line saying why nothing is shown.
  void Refuse(const char* status = kNoSolution) const;
};

// The result area below "Answer": each phase's molar volume and density in
// its one-value list, then, for every gas of the fluid, its fraction and
// fugacity (x_i phi_i P) in each phase; `phases` evaluated at x and y. A
// value that is not finite leaves its cell empty.
void ShowPhases(fw::Window& window, const Composition& x, const Composition& y,
                const PhasePair& phases, double P);

// A one-value list emptied and given one row with the number (an empty row
// for a value that is not finite).
void ShowValue(fw::ListBox& list, double value);

}  // namespace phase

namespace phase::layout {

// A per-gas list: gas name and value, italic, a scroll bar when needed.
constexpr fw::ControlSpec GasList(const char* name, int left, int top, const char* parent) {
  return {.kind = fw::Kind::ListBox, .name = name, .left = left, .top = top, .width = 190,
          .height = 80, .textSize = 14, .flags = fw::Italic | fw::GridVertical, .parent = parent,
          .columns = 2, .columnWidths = "40% 60%"};
}

// A list of at most one row with one number.
constexpr fw::ControlSpec ValueList(const char* name, int left, int top) {
  return {.kind = fw::Kind::ListBox, .name = name, .left = left, .top = top, .width = 190,
          .height = 25, .textSize = 16, .flags = fw::NoScrollBars, .parent = "Rectangle1"};
}

}  // namespace phase::layout
