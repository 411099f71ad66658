#include "numerics/CriticalSearch.h"

#include <cmath>

#include "numerics/Stability.h"

namespace stability {

namespace {

constexpr double kTolerance = 1e-10;  // bound of the relative step |dV/V|
constexpr double kStepBound = 1e9;    // cm3/mol, bound of the absolute step
// A critical point is where the critical condition changes sign along the
// spinodal: between V (1 - d) and V (1 + d) with this d.
constexpr double kConditionCheck = 1e-6;

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
  for (int k = 0; k <= SearchRun::kPassLimit; ++k) {
    const double dV = secantStep(V, D, Vp, Dp);
    Vp = V;
    Dp = D;
    V = V + dV;
    run.dV = dV;
    if (!(std::fabs(dV) < kStepBound) || V == 0.0) {
      // A failure stop: what the new volume would give is never used.
      run.T = 0.0;
      run.V = 0.0;
      run.stop = SearchStop::StepOutOfBounds;
    } else {
      run.T = spinodal(V);
      run.V = V;
      D = ZeroFunction(x, run.T, V);
      run.D = D;
      if (std::fabs(dV / V) < kTolerance || D == 0.0) run.stop = SearchStop::SmallStep;
    }
    if (pass) pass();
    if (run.stop != SearchStop::PassesUsedUp) break;
  }
  return run;
}

namespace {

// The scan's volumes b (1 + 10^t), t = kFirstPower + k / kStepsPerDecade.
constexpr double kFirstPower = -3.0;
constexpr int kStepsPerDecade = 40;
constexpr int kScanSteps = 5 * kStepsPerDecade;  // up to t = 2

// A volume of the spinodal with its spinodal temperature and the signed
// critical condition there; no condition where no spinodal temperature is
// found.
struct SpinodalPoint {
  double V = 0.0, T = 0.0;
  std::optional<double> condition;
};

SpinodalPoint spinodalPoint(const Globals::Composition& x, double V) {
  SpinodalPoint point{V, SpinodalTemperature(x, V, kSearchStarts), std::nullopt};
  if (point.T > 0.0) {
    const double condition = CriticalCondition(x, point.T, V);
    if (!std::isnan(condition)) point.condition = condition;
  }
  return point;
}

bool signsDiffer(const SpinodalPoint& p, const SpinodalPoint& q) {
  return p.condition && q.condition && ((*p.condition < 0.0 && *q.condition > 0.0) ||
                                        (*p.condition > 0.0 && *q.condition < 0.0));
}

// The sign change between lo and hi halved down to neighbouring volumes:
// the end with the smaller condition, or none where the spinodal breaks
// off in between.
std::optional<SpinodalPoint> narrow(const Globals::Composition& x, SpinodalPoint lo, SpinodalPoint hi,
                                    const std::function<void()>& pass) {
  for (;;) {
    const double mid = lo.V + (hi.V - lo.V) / 2;
    if (!(lo.V < mid && mid < hi.V)) break;
    const SpinodalPoint point = spinodalPoint(x, mid);
    if (!point.condition) return std::nullopt;
    if (*point.condition == 0.0) return point;
    (signsDiffer(point, lo) ? hi : lo) = point;
    if (pass) pass();
  }
  return std::fabs(*lo.condition) <= std::fabs(*hi.condition) ? lo : hi;
}

// True when the critical condition changes sign along the spinodal between
// V (1 - d) and V (1 + d).
bool conditionChangesSign(const Globals::Composition& x, double V, double d) {
  return signsDiffer(spinodalPoint(x, V * (1 - d)), spinodalPoint(x, V * (1 + d)));
}

}  // namespace

std::optional<CriticalPoint> AcceptCriticalPoint(const Globals::Composition& x, const SearchRun& run) {
  if (!run.Converged()) return std::nullopt;
  if (!(run.dV != 0.0 && std::fabs(run.dV / run.V) < kLargestFinalStep)) return std::nullopt;
  return AcceptPoint(x, run.T, run.V);
}

std::optional<CriticalPoint> AcceptPoint(const Globals::Composition& x, double T, double V) {
  if (!(T > 0.0)) return std::nullopt;
  if (!(std::isfinite(V) && V > Globals::bMixture(x))) return std::nullopt;
  const double P = Globals::Pressure(x, T, V);
  if (!(P > 0.0)) return std::nullopt;
  if (!(CriticalConditionResidual(x, T, V) < kCriticalResidual)) return std::nullopt;
  if (!conditionChangesSign(x, V, kConditionCheck)) return std::nullopt;
  return CriticalPoint{T, V, P};
}

std::optional<CriticalPoint> SearchAlongSpinodal(const Globals::Composition& x, const std::function<void()>& pass) {
  const double b = Globals::bMixture(x);
  if (!(b > 0.0) || !std::isfinite(b)) return std::nullopt;
  std::optional<CriticalPoint> best;
  SpinodalPoint previous;
  for (int k = 0; k <= kScanSteps; ++k) {
    const double t = kFirstPower + static_cast<double>(k) / kStepsPerDecade;
    const SpinodalPoint point = spinodalPoint(x, b * (1.0 + std::pow(10.0, t)));
    if (signsDiffer(previous, point)) {
      if (const auto found = narrow(x, previous, point, pass)) {
        const auto accepted = AcceptPoint(x, found->T, found->V);
        if (accepted && (!best || accepted->T > best->T)) best = accepted;
      }
    }
    previous = point;
    if (pass) pass();
  }
  return best;
}

}  // namespace stability
