#include "numerics/CriticalSearch.h"

#include <cmath>

#include "engine/RootSearch.h"
#include "numerics/Stability.h"

namespace stability {

namespace {

constexpr double kTolerance = 1e-10;  // bound of the relative step |dV/V|
constexpr double kStepBound = 1e9;    // cm3/mol, bound of the absolute step
// A critical point is where the critical condition changes sign along the
// spinodal: between V (1 - d) and V (1 + d) with this d.
constexpr double kConditionCheck = 1e-6;

}  // namespace

SearchRun RunCriticalSearch(const Globals::Composition& x, double V1, double V2,
                            const std::function<void()>& pass) {
  auto spinodal = [&x](double V) { return SpinodalTemperature(x, V, kSearchStarts); };
  const double T1 = spinodal(V1);
  const double D1 = ZeroFunction(x, T1, V1);
  const double T2 = spinodal(V2);
  const double D2 = ZeroFunction(x, T2, V2);

  // The current point is the guess with the larger zero function in
  // magnitude; V1 on a tie. Each step is cut to a tenth of the volume.
  Globals::roots::SecantPoints points = Globals::roots::SecantPoints::Start(V1, D1, V2, D2);
  SearchRun run;
  for (int k = 0; k <= SearchRun::kPassLimit; ++k) {
    const double dV = points.Step();
    const double V = points.x + dV;
    run.dV = dV;
    if (!(std::fabs(dV) < kStepBound) || V == 0.0) {
      // A failure stop: what the new volume would give is never used.
      run.T = 0.0;
      run.V = 0.0;
      run.stop = SearchStop::StepOutOfBounds;
    } else {
      run.T = spinodal(V);
      run.V = V;
      run.D = ZeroFunction(x, run.T, V);
      points.MoveTo(V, run.D);
      if (std::fabs(dV / V) < kTolerance || run.D == 0.0) run.stop = SearchStop::SmallStep;
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

  // As a point of the condition along the volume, where it exists.
  double Arg() const { return V; }
  double Value() const { return *condition; }
};

SpinodalPoint spinodalPoint(const Globals::Composition& x, double V) {
  SpinodalPoint point{V, SpinodalTemperature(x, V, kSearchStarts), std::nullopt};
  if (point.T > 0.0) {
    const double condition = CriticalCondition(x, point.T, V);
    if (!std::isnan(condition)) point.condition = condition;
  }
  return point;
}

// The sign change between lo and hi halved down to neighbouring volumes:
// the end with the smaller condition, or none where the spinodal breaks
// off in between.
std::optional<SpinodalPoint> narrow(const Globals::Composition& x, SpinodalPoint lo, SpinodalPoint hi,
                                    const std::function<void()>& pass) {
  const auto at = [&x](double V) -> std::optional<SpinodalPoint> {
    const SpinodalPoint point = spinodalPoint(x, V);
    if (!point.condition) return std::nullopt;
    return point;
  };
  return Globals::roots::Bisect(lo, hi, at, [&pass] {
    if (pass) pass();
  });
}

// True when the critical condition changes sign along the spinodal between
// V (1 - d) and V (1 + d).
bool conditionChangesSign(const Globals::Composition& x, double V, double d) {
  return Globals::roots::ChangesSignAcross([&x](double v) { return spinodalPoint(x, v).condition; }, V, d);
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
    if (Globals::roots::OppositeSigns(previous.condition, point.condition)) {
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
