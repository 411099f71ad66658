#include "numerics/HalfSecant.h"

#include <cmath>

#include "runtime/Runtime.h"

namespace phase {

namespace {

constexpr double kRelativeStep = 1e-12;
constexpr double kStepLimit = 1e+300;

// Genuine solutions balance to about 1e-12.
constexpr double kBalanceTolerance = 1e-9;

constexpr double kCompositionTolerance = 0.0001;
constexpr double kVolumeTolerance = 0.01;

double Step(double Xprev, double Xcur, double Fprev, double Fcur, double lastStep) {
  if (Fcur == Fprev) return Xprev == Xcur ? 2 * lastStep : (Xcur - Xprev) / 2;
  return ((0.5 * (Xprev - Xcur)) * Fcur) / (Fcur - Fprev);
}

bool AboveCoVolume(double V, const Globals::Composition& phase) {
  return std::isfinite(V) && V > Globals::bMixture(phase);
}

}  // namespace

bool LooksTrivial(const Outcome& o) {
  for (int i = 0; i < Globals::NumGases; ++i) {
    rt::RuntimeBackgroundTask();
    const double z = Globals::fraction[i];
    if (!(z > 0.0)) continue;
    const bool sameFractions = z < 1.0 && std::fabs(o.x[i] - o.y[i]) < kCompositionTolerance;
    const bool sameVolumes =
        z <= 1.0 && o.Vx > 0.0 && std::fabs((o.Vx - o.Vy) / o.Vx) < kVolumeTolerance;
    return sameFractions || sameVolumes;
  }
  return false;
}

SecantRun HalfSecant(const SecantStart& start, const Pass& pass, const Equilibrium& equilibrium) {
  double Xprev = start.Xprev, Xcur = start.Xcur;
  double Fprev = start.Fprev, Fcur = start.Fcur;
  double step = (Xcur - Xprev) / 2;
  SecantRun run;
  for (int k = 0; k <= kPassLimit; ++k) {
    run.reported = k;
    step = Step(Xprev, Xcur, Fprev, Fcur, step);
    double Xnext = Xcur + step;
    // A step to 0 or below halves the previous X instead.
    if (!(Xnext > 0)) Xnext = (Xnext - step) / 2;
    // A pass that leaves X where it was keeps the last other X as the far
    // end of the secant, which would otherwise have no slope and no step.
    if (Xnext != Xcur) {
      Xprev = Xcur;
      Fprev = Fcur;
    }
    Xcur = Xnext;
    const std::optional<double> balance = pass(Xcur);
    if (!balance) {
      run.stop = SecantStop::Unevaluable;
      break;
    }
    Fcur = *balance;
    if (std::fabs(step) > kStepLimit) {
      run.stop = SecantStop::StepTooLarge;
    } else if ((std::fabs(step / Xcur) < kRelativeStep || Fcur == 0) && (!equilibrium || equilibrium())) {
      run.stop = SecantStop::SmallStep;
    }
    rt::RuntimeBackgroundTask();
    if (run.stop != SecantStop::PassesUsedUp) break;
  }
  run.X = Xcur;
  run.F = Fcur;
  return run;
}

bool IsSolution(const Outcome& o) {
  return o.run.Stopped() && o.run.X > 0.0 && std::fabs(o.run.F) <= kBalanceTolerance &&
         AboveCoVolume(o.Vx, o.x) && AboveCoVolume(o.Vy, o.y);
}

}  // namespace phase
