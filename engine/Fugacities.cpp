// Van der Waals fugacity coefficients and fugacities of every gas in a mixture.

#include <cmath>

#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {

void Fugacities(const Composition& x, double T, double P, double V) {
  aMixture(x);  // only its refill of Globals::a is needed
  double bmix = bMixture(x);
  if (P == 0 || !(0 < T) || !(bmix < V)) {
    Coefficient.fill(1.0);
    Fugacity.fill(0.0);
    return;
  }
  double Z = (P * V) / (R * T);
  for (int i = 0; i < NumGases; ++i) {
    double bi = b[i];
    double S = 0.0;
    for (int j = 0; j < NumGases; ++j) S = S + (2 * x[j]) * a[j][i];
    double lnPhi = std::log(V / (V - bmix)) + bi / (V - bmix) - S / ((R * T) * V) - std::log(Z);
    // Outside the range of the exponential the coefficient is taken as 1.
    double phi = std::fabs(lnPhi) < 227 ? std::exp(lnPhi) : 1.0;
    Coefficient[i] = phi;
    Fugacity[i] = (x[i] * phi) * P;
    rt::RuntimeBackgroundTask();
  }
}

}  // namespace Globals
