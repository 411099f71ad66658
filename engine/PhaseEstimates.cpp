// First estimates for the two-phase calculations: Raoult's-law bubble and dew
// pressures, Wilson K-values, and the normalisation of a phase composition at
// the 10^-12 grain.

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/FixedPoint.h"
#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {

// Mode 0: bubble pressure of a liquid of composition x, sum of x_i Psat_i.
// Mode 1: dew pressure of a vapour, 1 / sum of x_i / Psat_i over the gases
// with a positive saturation pressure, 0.1 MPa when that sum is not positive.
double RaoultPressure(const Composition& x, double T, int mode) {
  double S = 0.0;
  for (int i = 0; i < NumGases; ++i) {
    double Psat = SaturationPressure(i, T);  // for every gas, present or not
    if (mode == 0) S = S + x[i] * Psat;
    if (mode == 1 && 0 < Psat) S = S + x[i] / Psat;
    rt::RuntimeBackgroundTask();
  }
  if (mode == 1) return 0 < S ? 1 / S : 0.1;
  return S;
}

// K_i = y_i / x_i by Wilson's correlation; 1.0 for every gas unless T and P
// are both positive.
GasTable WilsonDistribution(double T, double P) {
  GasTable K;
  K.fill(1.0);
  if (0 < T && 0 < P) {
    CriticalValues();
    for (int i = 0; i < NumGases; ++i) {
      K[i] = std::exp(std::log(Pcrit[i] / P) + (5.373 * (1.0 + Acentric[i])) * (1 - Tcrit[i] / T));
      rt::RuntimeBackgroundTask();
    }
  }
  return K;
}

namespace {

// The scaled fractions are exact integers, and so is their sum, only while
// each lies inside the 64-bit range and their sum does not overflow it.
std::optional<std::int64_t> exactIntegerSum(const Composition& x, std::array<std::int64_t, NumGases>& scaled) {
  constexpr double kIntegerRange = 0x1p63;
  std::int64_t sum = 0;
  for (int i = 0; i < NumGases; ++i) {
    if (!(std::fabs(static_cast<double>(PrecisionFactor) * x[i]) < kIntegerRange)) return std::nullopt;
    scaled[i] = scaledFraction(x[i]);
    if (__builtin_add_overflow(sum, scaled[i], &sum)) return std::nullopt;
  }
  return sum;
}

// x divided by its own total; the total, or NaN with x left as it was when
// the total is 0 or not finite or a quotient is not finite.
double rescaleByOwnTotal(Composition& x) {
  double total = 0.0;
  for (int i = 0; i < NumGases; ++i) {
    total = total + x[i];
    rt::RuntimeBackgroundTask();
  }
  if (total == 0.0 || !std::isfinite(total)) return std::nan("");
  Composition rescaled;
  for (int i = 0; i < NumGases; ++i) {
    rescaled[i] = x[i] / total;
    if (!std::isfinite(rescaled[i])) return std::nan("");
    rt::RuntimeBackgroundTask();
  }
  x = rescaled;
  return total;
}

}  // namespace

// Quantises x to the 10^-12 grain in integers of its own and, unless they
// already sum to 10^12, rescales x in place to a unit sum. Returns the total
// before rescaling. The fluid's integers (IntegerFraction) belong to the
// fluid window and are left alone.
//
// Where the integers give no proportions (they sum to 0: every fraction
// below the grain, or parts of both signs that cancel) or are not exact (a
// fraction beyond about 9.2e6, as in an extreme phase split, or a sum beyond
// the 64-bit range), x is rescaled by its own Double total instead, which is
// then the result. A composition that cannot be brought to a unit sum that
// way either is left as it was, and the result is NaN.
//
// A NaN fraction counts as 0 and is set to 0 first, whichever way follows.
double Normaliser(Composition& x) {
  for (double& xi : x)
    if (std::isnan(xi)) xi = 0.0;
  std::array<std::int64_t, NumGases> scaled;
  const std::optional<std::int64_t> sum = exactIntegerSum(x, scaled);
  if (!sum || *sum == 0) return rescaleByOwnTotal(x);
  if (*sum != PrecisionFactor) {
    for (int i = 0; i < NumGases; ++i) {
      x[i] = static_cast<double>(scaled[i]) / static_cast<double>(*sum);
      rt::RuntimeBackgroundTask();
    }
  }
  return static_cast<double>(*sum) / static_cast<double>(PrecisionFactor);
}

}  // namespace Globals
