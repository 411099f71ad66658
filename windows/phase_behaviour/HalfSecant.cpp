#include "windows/phase_behaviour/HalfSecant.h"

#include <cmath>

#include "runtime/Runtime.h"

namespace phase {

namespace {

constexpr double kRelativeStep = 1e-12;
constexpr double kStepLimit = 1e+300;
constexpr int kSuccess = kPassLimit + 10;
constexpr int kFailure = kPassLimit + 1;
constexpr int kThreshold = kPassLimit + 5;

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

// Decided on the first gas with a bulk fraction above 0.
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

}  // namespace

SecantRun HalfSecant(const SecantStart& start, const Pass& pass, const Equilibrium& equilibrium) {
  double Xprev = start.Xprev, Xcur = start.Xcur;
  double Fprev = start.Fprev, Fcur = start.Fcur;
  double step = (Xcur - Xprev) / 2;
  SecantRun run;
  int k = 0;
  while (k <= kPassLimit) {
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
    Fcur = pass(Xcur);
    if (std::fabs(step) > kStepLimit) {
      k = kFailure;
    } else if ((std::fabs(step / Xcur) < kRelativeStep || Fcur == 0) && (!equilibrium || equilibrium())) {
      k = kSuccess;
    }
    rt::RuntimeBackgroundTask();
    ++k;
  }
  run.counter = k;
  run.X = Xcur;
  run.F = Fcur;
  return run;
}

bool IsSolution(const Outcome& o) {
  return o.run.Stopped() && o.run.X > 0.0 && std::fabs(o.run.F) <= kBalanceTolerance &&
         AboveCoVolume(o.Vx, o.x) && AboveCoVolume(o.Vy, o.y);
}

void EndReport(fw::StaticText& status, const Outcome& outcome, const ReportSteps& steps) {
  const bool solved = IsSolution(outcome);
  status.SetText("Solution after " + rt::Str(outcome.run.reported) + " iterations");
  if (steps.marks) steps.marks();
  if (!solved || outcome.run.reported == 0) {
    status.SetText(kNoSolution);
    if (steps.captionReset) steps.captionReset();
  }
  if (!solved) return;
  if (LooksTrivial(outcome)) {
    status.SetText(kTrivialSolution);
    if (steps.captionReset) steps.captionReset();
  }
  if (steps.finalCheck) steps.finalCheck();
}

}  // namespace phase
