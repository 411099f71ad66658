// The spinodal temperature at a molar volume: a secant search on the
// temperature for a zero of the spinodal matrix's determinant.

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "engine/Determinant.h"
#include "engine/Globals.h"
#include "engine/SpinodalTerms.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

constexpr double kSecondStart = 0.99;
constexpr int kLastPass = 1000;  // passes 0 .. 1000
constexpr double kStepBound = 1e+300;
constexpr double kStepTolerance = 1e-20;

// The determinant of the spinodal matrix at T, with the zero threshold; none
// when the product of the pivots is not finite, which the threshold alone
// would turn into a false 0.0.
std::optional<double> spinodalDeterminant(const detail::SpinodalTerms& terms, double T) {
  Matrix Q = detail::AssembleSpinodalMatrix(terms, T);
  double product = detail::LUProduct(Q);
  if (!std::isfinite(product)) return std::nullopt;
  return detail::ApplyZeroThreshold(product);
}

// The state of the search: the current and the previous temperature. The
// determinants are functions of them, so the state alone decides every later
// pass. A state that comes back exactly has run through a loop of passes
// none of which stopped, and the search would go round that loop until its
// passes are used up and fail: it can fail at once. The loop is found by
// Brent's method: the state is kept at passes 1, 2, 4, 8 ... and compared
// with every state after it.
class LoopWatch {
 public:
  // True when (Tcur, Tprev) equals a state seen before.
  bool Repeats(double Tcur, double Tprev) {
    const Key key{std::bit_cast<std::uint64_t>(Tcur), std::bit_cast<std::uint64_t>(Tprev)};
    if (key == kept_) return true;
    if (++sinceKept_ == span_) {
      kept_ = key;
      span_ *= 2;
      sinceKept_ = 0;
    }
    return false;
  }

 private:
  struct Key {
    std::uint64_t current = 0, previous = 0;  // never a live state: T is never 0
    bool operator==(const Key&) const = default;
  };
  Key kept_;
  int span_ = 1;
  int sinceKept_ = 0;
};

bool hasPresentGas(const Composition& x) {
  for (double xi : x) {
    if (xi > 0.0) return true;
  }
  return false;
}

}  // namespace

double SpinDetSolution(const Composition& x, double T0, double V) {
  if (!hasPresentGas(x)) return 0.0;
  // The spinodal matrix changes with the temperature only; its other terms
  // are formed once, with the same values every fresh matrix would get.
  const detail::SpinodalTerms terms = detail::FormSpinodalTerms(x, V);
  std::optional<double> D0 = spinodalDeterminant(terms, T0);
  if (!D0) return 0.0;
  double T1 = kSecondStart * T0;
  std::optional<double> D1 = spinodalDeterminant(terms, T1);
  if (!D1) return 0.0;

  // The current point has the larger determinant in magnitude; T0 on a tie.
  double Tcur = T0, Dcur = *D0, Tprev = T1, Dprev = *D1;
  if (std::fabs(*D1) > std::fabs(*D0)) {
    std::swap(Tcur, Tprev);
    std::swap(Dcur, Dprev);
  }
  LoopWatch loop;
  for (int pass = 0; pass <= kLastPass; ++pass) {
    double dT = Dcur - Dprev == 0.0 ? 0.0 : ((Tprev - Tcur) * Dcur) / (Dcur - Dprev);
    if (Tcur / 10 < std::fabs(dT)) dT = dT >= 0 ? Tcur / 10 : -Tcur / 10;
    Tprev = Tcur;
    Dprev = Dcur;
    Tcur = Tcur + dT;
    std::optional<double> D = spinodalDeterminant(terms, Tcur);
    if (!D || !(std::fabs(dT) < kStepBound && Tcur != 0.0)) return 0.0;
    Dcur = *D;
    if (std::fabs(dT / Tcur) < kStepTolerance || Dcur == 0.0) return Tcur;
    if (loop.Repeats(Tcur, Tprev)) return 0.0;
    rt::RuntimeBackgroundTask();
  }
  return 0.0;
}

}  // namespace Globals
