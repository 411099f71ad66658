// Van der Waals fugacity coefficients and fugacities of every gas in a mixture.

#include <cmath>

#include "engine/Globals.h"
#include "engine/NonZeroGases.h"
#include "runtime/Runtime.h"

namespace Globals {

namespace {

// ln phi_i of every gas at (T, P, V), false where the formula does not
// apply: P = 0, T not above 0 or V not above the mixture's b. Refills a and
// b.
bool lnCoefficients(const Composition& x, double T, double P, double V, GasTable& lnPhi) {
  // Only the refill of Globals::a is needed here, and it does not depend on
  // the composition: an empty one spares the double sum.
  aMixture(Composition{});
  double bmix = bMixture(x);
  if (P == 0 || !(0 < T) || !(bmix < V)) return false;
  double Z = (P * V) / (R * T);
  // What every gas shares, formed once.
  const double freeVolume = V - bmix;
  const double logVolume = std::log(V / freeVolume);
  const double logZ = std::log(Z);
  const double RTV = (R * T) * V;
  // S_i = sum over j of (2 x_j) a_ji, each summed in the order of j; all
  // eleven are formed together, gas by gas of the mixture, and so are the
  // logarithms of the coefficients (the loops are unrolled so that the
  // eleven gases go through the registers side by side).
  GasTable S{};
  const NonZeroGases gases = nonZeroGases(x);
  for (int q = 0; q < gases.count; ++q) {
    const int j = gases.index[q];
    const double twoX = 2 * x[j];
#pragma GCC unroll 11
    for (int i = 0; i < NumGases; ++i) S[i] = S[i] + twoX * a[j][i];
  }
#pragma GCC unroll 11
  for (int i = 0; i < NumGases; ++i) lnPhi[i] = logVolume + b[i] / freeVolume - S[i] / RTV - logZ;
  return true;
}

}  // namespace

void Fugacities(const Composition& x, double T, double P, double V) {
  GasTable lnPhi;
  if (!lnCoefficients(x, T, P, V, lnPhi)) {
    Coefficient.fill(1.0);
    Fugacity.fill(0.0);
    return;
  }
  for (int i = 0; i < NumGases; ++i) {
    // Outside the range of the exponential the coefficient is taken as 1.
    double phi = std::fabs(lnPhi[i]) < 227 ? std::exp(lnPhi[i]) : 1.0;
    Coefficient[i] = phi;
    Fugacity[i] = (x[i] * phi) * P;
    rt::RuntimeBackgroundTask();
  }
}

std::optional<GasTable> LnFugacityCoefficients(const Composition& x, double T, double P, double V) {
  GasTable lnPhi;
  if (!lnCoefficients(x, T, P, V, lnPhi)) return std::nullopt;
  return lnPhi;
}

}  // namespace Globals
