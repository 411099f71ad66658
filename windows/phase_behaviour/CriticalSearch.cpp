#include "windows/phase_behaviour/CriticalSearch.h"

#include <cmath>

#include "windows/phase_behaviour/Stability.h"

namespace stability {

namespace {

constexpr double kTolerance = 1e-10;  // bound of the relative step |dV/V|
constexpr double kStepBound = 1e9;    // cm3/mol, bound of the absolute step

// The secant step to where the line through the previous and the current
// point crosses zero, cut to a tenth of the current volume; 0 when the two
// zero functions are equal.
double secantStep(double V, double D, double Vp, double Dp) {
  if (D - Dp == 0.0) return 0.0;
  double dV = (Vp - V) * D / (D - Dp);
  if (std::fabs(dV) > V / 10) dV = dV < 0 ? -V / 10 : V / 10;
  return dV;
}

}  // namespace

SearchRun RunCriticalSearch(const Globals::Composition& x, double V1, double V2,
                            const std::function<void()>& pass) {
  auto spinodal = [&x](double V) { return SpinodalTemperature(x, V, kSearchStarts); };
  const double T1 = spinodal(V1);
  const double D1 = ZeroFunction(x, T1, V1);
  const double T2 = spinodal(V2);
  const double D2 = ZeroFunction(x, T2, V2);

  // The current point is the guess with the larger zero function in
  // magnitude; V1 on a tie.
  double V = V1, D = D1, Vp = V2, Dp = D2;
  if (std::fabs(D2) > std::fabs(D1)) {
    V = V2, D = D2, Vp = V1, Dp = D1;
  }
  SearchRun run;
  for (run.counter = 0; run.counter <= SearchRun::kPassLimit; ++run.counter) {
    const double dV = secantStep(V, D, Vp, Dp);
    Vp = V;
    Dp = D;
    V = V + dV;
    run.dV = dV;
    if (!(std::fabs(dV) < kStepBound) || V == 0.0) {
      // A failure stop: what the new volume would give is never used.
      run.T = 0.0;
      run.V = 0.0;
      run.counter = SearchRun::kFailureStop;
    } else {
      run.T = spinodal(V);
      run.V = V;
      D = ZeroFunction(x, run.T, V);
      run.D = D;
      if (std::fabs(dV / V) < kTolerance || D == 0.0) run.counter = SearchRun::kSuccessStop;
    }
    if (pass) pass();
  }
  return run;
}

std::optional<CriticalPoint> AcceptCriticalPoint(const Globals::Composition& x, const SearchRun& run) {
  if (!run.Converged()) return std::nullopt;
  if (!(run.dV != 0.0 && std::fabs(run.dV / run.V) < kLargestFinalStep)) return std::nullopt;
  if (!(std::isfinite(run.V) && run.V > Globals::bMixture(x))) return std::nullopt;
  const double P = Globals::Pressure(x, run.T, run.V);
  if (!(P > 0.0)) return std::nullopt;
  if (!(CriticalConditionResidual(x, run.T, run.V) < kCriticalResidual)) return std::nullopt;
  return CriticalPoint{run.T, run.V, P};
}

}  // namespace stability
