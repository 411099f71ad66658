// First estimates for the two-phase calculations: Raoult's-law bubble and dew
// pressures, Wilson K-values, and the normalisation of a phase composition at
// the 10^-12 grain.

#include <array>
#include <cmath>
#include <cstdint>

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

// x divided by the sum of its elements, a NaN element counting as 0 (and
// set to it); left as it is when that sum is 0 or not finite.
void rescaleByOwnTotal(Composition& x) {
  double total = 0.0;
  for (int i = 0; i < NumGases; ++i) {
    if (std::isnan(x[i])) x[i] = 0.0;
    total = total + x[i];
    rt::RuntimeBackgroundTask();
  }
  if (total == 0.0 || !std::isfinite(total)) return;
  for (int i = 0; i < NumGases; ++i) {
    x[i] = x[i] / total;
    rt::RuntimeBackgroundTask();
  }
}

}  // namespace

// Quantises x to the 10^-12 grain in integers of its own and, unless they
// already sum to 10^12, rescales x in place to a unit sum. Returns the total
// before rescaling. The conversion and the sum saturate, so even the huge
// fractions of an extreme phase split stay well defined. The fluid's integers
// (IntegerFraction) belong to the fluid window and are left alone.
//
// When the integers sum to 0 (every fraction below the grain, or parts of
// both signs that cancel) they give no proportions: x is then rescaled by its
// own total, a NaN counting as 0 as in the integers, and left as it is when
// that total is 0 or not finite.
double Normaliser(Composition& x) {
  std::array<std::int64_t, NumGases> scaled;
  for (int i = 0; i < NumGases; ++i) scaled[i] = scaledFraction(x[i]);
  const std::int64_t sum = rt::SumInt64(scaled);
  if (sum == 0) {
    rescaleByOwnTotal(x);
  } else if (sum != PrecisionFactor) {
    for (int i = 0; i < NumGases; ++i) {
      x[i] = static_cast<double>(scaled[i]) / static_cast<double>(sum);
      rt::RuntimeBackgroundTask();
    }
  }
  return static_cast<double>(sum) / static_cast<double>(PrecisionFactor);
}

}  // namespace Globals
