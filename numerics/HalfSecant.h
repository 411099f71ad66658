#pragma once
// The half-secant iteration: the scalar solver of both two-phase windows. It
// drives one unknown X (a pressure in MPa or a temperature in K) until the
// balance F of the two coexisting phases vanishes. Each pass takes half a
// secant step on X, then lets the window update its whole phase state once at
// the new X, so that X and the phase compositions converge together.
//
// The window supplies the start (the last two X and their balances) and the
// pass (X in, new balance out); it shows its results itself and then judges
// the outcome with IsSolution() and LooksTrivial(). Qt-free.

#include <functional>
#include <optional>

#include "engine/Globals.h"

namespace phase {

// Passes run while the pass counter is at most this: 10,001 passes at most.
inline constexpr int kPassLimit = 10000;

struct SecantStart {
  double Xprev = 0.0, Xcur = 0.0;
  double Fprev = 0.0, Fcur = 0.0;
};

// How a run ended.
enum class SecantStop {
  PassesUsedUp,  // every pass ran without a stop
  SmallStep,     // a step below 1e-12 of X, or a zero balance (see below)
  StepTooLarge,  // a step above 1e300 in magnitude
  Unevaluable,   // a pass could not evaluate its X: the run ended at once
};

struct SecantRun {
  SecantStop stop = SecantStop::PassesUsedUp;
  int reported = 0;  // the pass counter at the start of the last pass, from 0
  double X = 0.0;    // the last X and its balance
  double F = 0.0;
  // Whether the stop rule ended the run.
  bool Stopped() const { return stop == SecantStop::SmallStep; }
};

// One pass at X: the window puts X into its temperature or pressure,
// evaluates both phases, updates its compositions and returns the balance;
// none where it cannot evaluate them at X (a molar volume beyond the range
// of Doubles), which ends the run at once: no later pass could do better
// than spin on values that are no numbers.
using Pass = std::function<std::optional<double>(double X)>;

// Whether the phases that the last pass left are in equilibrium at its X.
using Equilibrium = std::function<bool()>;

// A small step or a zero balance stops the run only when `equilibrium` (if
// given) agrees: near a critical point the balance and the steps of X become
// small while the compositions still move, and the passes go on.
SecantRun HalfSecant(const SecantStart& start, const Pass& pass, const Equilibrium& equilibrium = {});

// What the status line judges: the run, the last phase compositions and the
// molar volumes of the last pass.
struct Outcome {
  const SecantRun& run;
  const Globals::Composition& x;
  const Globals::Composition& y;
  double Vx, Vy;
};

// The stop rules also fire for runs that solved nothing: a step that
// collapses X to 0, where the engine's neutral values balance exactly, or a
// root that is no molar volume of its phase. A run is a solution only when it
// stopped (in equilibrium, where the window checks it) with X above 0, |F| at
// most 1e-9 and each phase's molar volume finite and above the co-volume of
// that phase.
bool IsSolution(const Outcome& outcome);

// Whether a solution looks like a single phase rather than a split: decided
// on the first gas with a bulk fraction (Globals::fraction) above 0, whose
// fractions in the two phases differ by less than 1e-4 (for a bulk fraction
// below 1), or whose phases' molar volumes differ by less than 1 % of Vx.
bool LooksTrivial(const Outcome& outcome);

}  // namespace phase
