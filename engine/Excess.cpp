// Excess properties of a mixture: its value less the fraction-weighted values
// of the pure gases at the same temperature and pressure and, for S, A and G,
// less the ideal mixing term.

#include <cmath>

#include "engine/FixedPoint.h"
#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

// A pure gas below its saturation pressure takes its vapour-like root, at or
// above it (or when the comparison fails on a NaN) its liquid-like root.
double pureGasVolume(int gas, const Composition& e, double T, double P) {
  RootArray roots = Volume(e, T, P);
  double Psat = SaturationPressure(gas, T);
  return P < Psat ? VolumeChoice(roots, 0) : VolumeChoice(roots, 2);
}

// The value of the selected property for the pure gas e at (T, Vk).
double pureGasValue(int sel, const Composition& e, double T, double Vk) {
  switch (sel) {
    case 0: return Vk;
    case 1: return Energy(e, T, Vk);
    case 2: return Enthalpy(e, T, Vk);
    case 3: return Entropy(e, T, Vk);
    case 4: return Helmholtz(e, T, Vk);
    case 5: return Gibbs(e, T, Vk);
    default: return 0.0;
  }
}

// Subtracts gas k's share from E. The ideal entropy of mixing is
// -R sum x_k ln x_k, so the excess entropy adds R x_k ln x_k, while the excess
// Helmholtz and Gibbs energies subtract R T x_k ln x_k.
double withoutShare(double E, int sel, double T, double xk, double Fk) {
  E = E - xk * Fk;
  if (sel == 3) E = E + (R * xk) * std::log(xk);
  if (sel == 4 || sel == 5) E = E - ((R * T) * xk) * std::log(xk);
  return E;
}

}  // namespace

double Excess(int sel, const Composition& x, double T, double P, double M) {
  bool pure = false;
  GasTable F{};
  for (int k = 0; k < NumGases; ++k) {
    rt::RuntimeBackgroundTask();
    std::int64_t nk = scaledFraction(x[k]);
    if (nk == PrecisionFactor) pure = true;
    if (nk == 0) continue;
    Composition e = oneGasComposition(k);
    double Vk = pureGasVolume(k, e, T, P);
    F[k] = pureGasValue(sel, e, T, Vk);
  }
  double E = M;
  for (int k = 0; k < NumGases; ++k) {
    rt::RuntimeBackgroundTask();
    if (scaledFraction(x[k]) == 0) continue;
    E = withoutShare(E, sel, T, x[k], F[k]);
  }
  return pure ? 0.0 : E;
}

}  // namespace Globals
