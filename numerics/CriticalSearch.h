#pragma once
// The critical-point search: a secant iteration on the molar volume along the
// spinodal that drives the zero function to 0, and the test that decides
// whether the point where it stopped is a critical point. Qt-free.

#include <functional>
#include <optional>

#include "engine/Globals.h"

namespace stability {

// How a run of the secant search ended.
enum class SearchStop {
  PassesUsedUp,     // every pass ran without a stop
  SmallStep,        // a step below 1e-10 of V, or a zero function of exactly 0
  StepOutOfBounds,  // a step of 1e9 cm3/mol or more or no number, or V at 0
};

// Where a run of the secant search ended.
struct SearchRun {
  // Passes run while the pass counter is at most this: 1,001 passes at most.
  static constexpr int kPassLimit = 1000;

  double T = 0.0;   // K: the spinodal temperature at V (0 where none was found)
  double V = 0.0;   // cm3/mol
  double D = 0.0;   // the zero function at (T, V)
  double dV = 0.0;  // the last step
  SearchStop stop = SearchStop::PassesUsedUp;

  // The search's own verdict: a small-step stop with a spinodal temperature.
  bool Converged() const { return stop == SearchStop::SmallStep && T > 0.0; }
};

// Runs the search from the first guesses V1 and V2; `pass` is called once per
// pass of the secant loop.
SearchRun RunCriticalSearch(const Globals::Composition& x, double V1, double V2,
                            const std::function<void()>& pass = {});

struct CriticalPoint {
  double T = 0.0;  // K
  double V = 0.0;  // cm3/mol
  double P = 0.0;  // MPa
};

// The critical point at which a run stopped, or none. The search also stops
// where there is none: on the zero step that equal guesses or equal zero
// functions give, far out where the determinant underflows its threshold,
// below the co-volume, at a negative pressure, or where the spinodal's null
// vector has no component on the gas whose row carries the gradient. So a
// point counts only after a secant step of relative size below 1e-6, and
// when it passes AcceptPoint.
std::optional<CriticalPoint> AcceptCriticalPoint(const Globals::Composition& x, const SearchRun& run);

// The point (T, V) of the spinodal as a critical point: V finite above the
// co-volume, T and P above 0, and the third-order condition met whichever
// row is replaced, its magnitude below kCriticalResidual and its sign
// changing along the spinodal within V (1 +- 1e-6). Or none.
std::optional<CriticalPoint> AcceptPoint(const Globals::Composition& x, double T, double V);

// The largest relative step after which a stop counts.
inline constexpr double kLargestFinalStep = 1e-6;

// The search on where the secant search ends without a critical point: the
// signed critical condition along the spinodal, from just above the
// co-volume b to 100 b, at the volumes b (1 + 10^t) for t from -3 to 2 in
// steps of 1/40; each change of its sign between neighbouring volumes is
// halved down to neighbouring Doubles, and the point there accepted as
// AcceptPoint accepts it. The accepted point of highest temperature, or
// none. `pass` is called once per volume tried.
std::optional<CriticalPoint> SearchAlongSpinodal(const Globals::Composition& x,
                                                 const std::function<void()>& pass = {});

}  // namespace stability
