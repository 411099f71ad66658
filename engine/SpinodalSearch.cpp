// The spinodal temperature at a molar volume: a secant search on the
// temperature for a zero of the spinodal matrix's determinant, and a
// sign-bracketed search where the secant search ends without one.

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "engine/Determinant.h"
#include "engine/Globals.h"
#include "engine/RootSearch.h"
#include "engine/SpinodalTerms.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

constexpr double kSecondStart = 0.99;
constexpr int kLastPass = 1000;  // passes 0 .. 1000
constexpr double kStepBound = 1e+300;
constexpr double kStepTolerance = 1e-20;

// The determinant must change sign between T (1 - d) and T (1 + d): for a
// stop of the secant search d = 1e-9, so that a stop on the absolute zero
// threshold counts only where that threshold pins the temperature down
// closer than that; for the root that the bracketing search has narrowed to
// neighbouring Doubles d = 1e-6. The band of temperatures in which rounding
// blurs the determinant's sign is narrower than 1e-8 T down to 1e-3 b above
// the co-volume b, and than 1e-6 T down to about 1e-4 b.
constexpr double kStopCheck = 1e-9;
constexpr double kRootCheck = 1e-6;

// A cycle of the secant search whose temperatures spread less than this,
// relative to them, has settled on the zero within the rounding of the
// determinant.
constexpr double kCycleSpread = 1e-12;

// The determinant of the spinodal matrix at T without the zero threshold;
// none when it is not finite.
std::optional<double> rawDeterminant(const detail::SpinodalTerms& terms, double T) {
  Matrix Q = detail::AssembleSpinodalMatrix(terms, T);
  const double product = detail::LUProduct(Q);
  if (!std::isfinite(product)) return std::nullopt;
  return product;
}

// The determinant with the zero threshold, as the secant search uses it;
// none when the product of the pivots is not finite, which the threshold
// alone would turn into a false 0.0.
std::optional<double> spinodalDeterminant(const detail::SpinodalTerms& terms, double T) {
  const std::optional<double> product = rawDeterminant(terms, T);
  if (!product) return std::nullopt;
  return detail::ApplyZeroThreshold(*product);
}

using roots::OppositeSigns;

// True when the determinant changes sign across T: between T (1 - d) and
// T (1 + d), both finite and neither 0.
bool changesSign(const detail::SpinodalTerms& terms, double T, double d) {
  if (!(T > 0.0) || !std::isfinite(T)) return false;
  return roots::ChangesSignAcross([&terms](double t) { return rawDeterminant(terms, t); }, T, d);
}

// The state of the search: the current and the previous temperature. The
// determinants are functions of them, so the state alone decides every later
// pass. A state that comes back exactly has run through a loop of passes
// none of which stopped, and the search would go round that loop until its
// passes are used up. The loop is found by Brent's method: the state is kept
// at passes 1, 2, 4, 8 ... and compared with every state after it; the
// temperatures since the kept state give the spread of the loop.
class LoopWatch {
 public:
  // True when (Tcur, Tprev) equals a state seen before.
  bool Repeats(double Tcur, double Tprev) {
    const Key key{std::bit_cast<std::uint64_t>(Tcur), std::bit_cast<std::uint64_t>(Tprev)};
    if (key == kept_) return true;
    lowest_ = std::fmin(lowest_, Tcur);
    highest_ = std::fmax(highest_, Tcur);
    if (++sinceKept_ == span_) {
      kept_ = key;
      span_ *= 2;
      sinceKept_ = 0;
      lowest_ = highest_ = Tcur;
    }
    return false;
  }

  // After Repeats gave true: the largest difference of the loop's
  // temperatures.
  double Spread() const { return highest_ - lowest_; }

 private:
  struct Key {
    std::uint64_t current = 0, previous = 0;  // never a live state: T is never 0
    bool operator==(const Key&) const = default;
  };
  Key kept_;
  int span_ = 1;
  int sinceKept_ = 0;
  double lowest_ = 0.0, highest_ = 0.0;
};

// The secant search from T0 and 0.99 T0: the temperature at which it stops
// on a zero (a determinant within the zero threshold, a relative step below
// 1e-20, or a loop of passes within the rounding of one temperature), or
// none when it fails or uses up its passes.
std::optional<double> secantSearch(const detail::SpinodalTerms& terms, double T0) {
  std::optional<double> D0 = spinodalDeterminant(terms, T0);
  if (!D0) return std::nullopt;
  const double T1 = kSecondStart * T0;
  std::optional<double> D1 = spinodalDeterminant(terms, T1);
  if (!D1) return std::nullopt;

  // The current point has the larger determinant in magnitude; T0 on a tie.
  roots::SecantPoints points = roots::SecantPoints::Start(T0, *D0, T1, *D1);
  LoopWatch loop;
  for (int pass = 0; pass <= kLastPass; ++pass) {
    const double dT = points.Step();
    const double T = points.x + dT;
    std::optional<double> D = spinodalDeterminant(terms, T);
    if (!D || !(std::fabs(dT) < kStepBound && T != 0.0)) return std::nullopt;
    points.MoveTo(T, *D);
    if (std::fabs(dT / T) < kStepTolerance || *D == 0.0) return T;
    if (loop.Repeats(T, points.xp)) {
      if (loop.Spread() <= kCycleSpread * std::fabs(T)) return T;
      return std::nullopt;
    }
    rt::RuntimeBackgroundTask();
  }
  return std::nullopt;
}

// A temperature with the determinant there.
struct Sample {
  double T = 0.0, D = 0.0;
  double Arg() const { return T; }
  double Value() const { return D; }
};

// The zero of the determinant nearest T0 in factors of 2, by signs alone:
// from T0 the temperature is halved and doubled in turn until the
// determinant's sign differs from its sign at T0, and that bracket is
// halved down to neighbouring Doubles. The temperature of the end with the
// smaller determinant, when the sign changes across it; 0 otherwise.
double bracketedSearch(const detail::SpinodalTerms& terms, double T0) {
  if (!(T0 > 0.0) || !std::isfinite(T0)) return 0.0;
  const std::optional<double> D0 = rawDeterminant(terms, T0);
  if (!D0) return 0.0;
  if (*D0 == 0.0) return changesSign(terms, T0, kRootCheck) ? T0 : 0.0;

  // Halving and doubling in turn, each side until the sign differs from
  // the sign at T0 or the determinant can no longer be formed; [lo, hi]
  // then brackets the zero.
  double lo = 0.0, hi = 0.0, Dlo = 0.0, Dhi = 0.0;
  double side[2] = {T0, T0};  // the last temperatures with the sign of T0
  double Dside[2] = {*D0, *D0};
  bool open[2] = {true, true};
  bool found = false;
  while (!found && (open[0] || open[1])) {
    for (int s = 0; s < 2 && !found; ++s) {
      if (!open[s]) continue;
      const double T = s == 0 ? side[s] / 2 : side[s] * 2;
      const std::optional<double> D =
          T > 0.0 && std::isfinite(T) ? rawDeterminant(terms, T) : std::nullopt;
      if (!D || *D == 0.0) {
        open[s] = false;
      } else if (!OppositeSigns(*D, *D0)) {
        side[s] = T, Dside[s] = *D;
      } else if (s == 0) {
        lo = T, Dlo = *D, hi = side[s], Dhi = Dside[s], found = true;
      } else {
        lo = side[s], Dlo = Dside[s], hi = T, Dhi = *D, found = true;
      }
    }
    rt::RuntimeBackgroundTask();
  }
  if (!found) return 0.0;

  const auto at = [&terms](double T) -> std::optional<Sample> {
    const std::optional<double> D = rawDeterminant(terms, T);
    if (!D) return std::nullopt;
    return Sample{T, *D};
  };
  const std::optional<Sample> root =
      roots::Bisect(Sample{lo, Dlo}, Sample{hi, Dhi}, at, [] { rt::RuntimeBackgroundTask(); });
  if (!root) return 0.0;
  return changesSign(terms, root->T, kRootCheck) ? root->T : 0.0;
}

bool hasPresentGas(const Composition& x) {
  for (double xi : x) {
    if (xi > 0.0) return true;
  }
  return false;
}

}  // namespace

// A stop of the secant search counts only where the determinant changes sign
// across it: the absolute zero threshold also stops the search wherever the
// determinant is merely small, at large volumes already at the start
// temperature. Where the secant search ends without a zero that counts, the
// sign-bracketed search looks for one from T0.
double SpinDetSolution(const Composition& x, double T0, double V) {
  if (!hasPresentGas(x)) return 0.0;
  // The spinodal matrix changes with the temperature only; its other terms
  // are formed once, with the same values every fresh matrix would get.
  const detail::SpinodalTerms terms = detail::FormSpinodalTerms(x, V);
  const std::optional<double> stop = secantSearch(terms, T0);
  if (stop && changesSign(terms, *stop, kStopCheck)) return *stop;
  return bracketedSearch(terms, T0);
}

}  // namespace Globals
