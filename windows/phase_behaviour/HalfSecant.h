#pragma once
// The half-secant iteration: the scalar solver of both two-phase windows. It
// drives one unknown X (a pressure in MPa or a temperature in K) until the
// balance F of the two coexisting phases vanishes. Each pass takes half a
// secant step on X, then lets the window update its whole phase state once at
// the new X, so that X and the phase compositions converge together.
//
// The window supplies the start (the last two X and their balances) and the
// pass (X in, new balance out); it shows its results itself and then lets
// EndReport() write the status line.

#include <functional>
#include <string>

#include "engine/Globals.h"
#include "framework/Controls.h"

namespace phase {

// Passes run while the pass counter is at most this: 10,001 passes at most.
inline constexpr int kPassLimit = 10000;

inline constexpr const char* kNoSolution = "No solution, adjust First Approach and try again";
inline constexpr const char* kTrivialSolution =
    "Possible trivial solution, optional: adjust First Approach and try again";

struct SecantStart {
  double Xprev = 0.0, Xcur = 0.0;
  double Fprev = 0.0, Fcur = 0.0;
};

struct SecantRun {
  // The final pass counter: kPassLimit + 11 after the success stop,
  // kPassLimit + 2 after the step-size stop, kPassLimit + 1 when every pass
  // ran without a stop.
  int counter = 0;
  int reported = 0;  // the counter at the start of the last pass
  double X = 0.0;    // the last X and its balance
  double F = 0.0;
  bool Stopped() const { return counter > kPassLimit + 5; }
};

// One pass at X: the window puts X into its temperature or pressure,
// evaluates both phases, updates its compositions and returns the balance.
using Pass = std::function<double(double X)>;

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

struct ReportSteps {
  std::function<void()> marks = {};         // the window's result marks
  std::function<void()> captionReset = {};  // undoes them when there is no solution
  std::function<void()> finalCheck = {};    // a check of the window's own after a solution
};

// The status line: the pass count; "no solution" after a failure or a stop
// in the first pass; after a solution, the trivial-solution warning when the
// first present gas has nearly equal fractions or molar volumes in the two
// phases, then the window's final check.
void EndReport(fw::StaticText& status, const Outcome& outcome, const ReportSteps& steps = {});

}  // namespace phase
