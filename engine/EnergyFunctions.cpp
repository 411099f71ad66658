// Internal energy, enthalpy, entropy, Helmholtz and Gibbs energies of a van
// der Waals mixture and the chemical potential of one of its gases: the
// ideal-gas values on the standard state (ideal-gas mixture at 298.15 K and
// 0.1 MPa) plus the van der Waals terms and a logarithmic term per gas.

#include <cmath>

#include "engine/FixedPoint.h"
#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

// Every function but Energy is defined only for b < V and 0 < T; a NaN fails.
bool validState(double bmix, double T, double V) { return bmix < V && 0 < T; }

// ln((V - b)/V), the excluded-volume term.
double excludedVolumeLog(double bmix, double V) { return std::log((V - bmix) / V); }

// ln((0.1 V)/(x_i R T)): the gas's ideal entropy of volume and mixing with
// respect to 0.1 MPa (0.1 MPa times V in cm3/mol is J/mol). Where the
// quotient overflows to infinity or underflows to 0 (a temperature near 0 or
// near the largest Doubles), the logarithm is formed from the logarithms of
// its factors, which stay finite; so the per-gas term x_i R T ln(...) of A
// and G is 0 where x_i R T underflows to 0, not 0 times infinity.
double perGasLog(double xi, double T, double V) {
  const double quotient = (0.1 * V) / ((xi * R) * T);
  if (quotient != 0.0 && !std::isinf(quotient)) return std::log(quotient);
  return (std::log(0.1) + std::log(V)) - (std::log(xi * R) + std::log(T));
}

// r - sum of (x_i R T) ln((0.1 V)/(x_i R T)) over the present gases.
double subtractPerGasFreeEnergy(double r, const Composition& x, double T, double V) {
  for (int i = 0; i < NumGases; ++i) {
    if (presentInFixedPoint(x[i])) r = r - ((x[i] * R) * T) * perGasLog(x[i], T, V);
    rt::RuntimeBackgroundTask();
  }
  return r;
}

// A, or with the P V term G: the ideal part (H_ig - RT) - T S_ig plus
// -a/V - RT ln((V - b)/V) [+ RT V/(V - b) - a/V] less the per-gas terms.
double freeEnergy(const Composition& x, double T, double V, bool withPV) {
  double amix = aMixture(x);
  double bmix = bMixture(x);
  if (!validState(bmix, T, V)) return 0.0;
  double Hig = IdealGas(2, x, T);
  double Sig = IdealGas(1, x, T);
  double RT = R * T;
  double r = (-amix / V) - RT * excludedVolumeLog(bmix, V);
  if (withPV) r = (r + (RT * V) / (V - bmix)) - amix / V;
  return ((Hig - RT) - T * Sig) + subtractPerGasFreeEnergy(r, x, T, V);
}

}  // namespace

// U = H_ig - RT - a/V; tested against 0 only, not against b.
double Energy(const Composition& x, double T, double V) {
  if (!(0 < V && 0 < T)) return 0.0;
  double Hig = IdealGas(2, x, T);
  double amix = aMixture(x);
  double RT = R * T;
  return (Hig - RT) + (-amix / V);
}

// H = H_ig - RT + RT V/(V - b) - 2a/V.
double Enthalpy(const Composition& x, double T, double V) {
  double amix = aMixture(x);
  double bmix = bMixture(x);
  if (!validState(bmix, T, V)) return 0.0;
  double Hig = IdealGas(2, x, T);
  double RT = R * T;
  return (Hig - RT) + ((RT * V) / (V - bmix) - (2.0 * amix) / V);
}

// S = S_ig + R ln((V - b)/V) + sum of R x_i ln(0.1 V/(x_i R T)).
double Entropy(const Composition& x, double T, double V) {
  double bmix = bMixture(x);
  if (!validState(bmix, T, V)) return 0.0;
  double Sig = IdealGas(1, x, T);
  double r = R * excludedVolumeLog(bmix, V);
  for (int i = 0; i < NumGases; ++i) {
    if (presentInFixedPoint(x[i])) r = r + (x[i] * R) * perGasLog(x[i], T, V);
    rt::RuntimeBackgroundTask();
  }
  return Sig + r;
}

// A = H_ig - RT - T S_ig - a/V - RT ln((V - b)/V) - sum of RT x_i ln(0.1 V/(x_i R T)).
double Helmholtz(const Composition& x, double T, double V) { return freeEnergy(x, T, V, false); }

// G = A + RT V/(V - b) - a/V, the Helmholtz energy plus P V.
double Gibbs(const Composition& x, double T, double V) { return freeEnergy(x, T, V, true); }

// mu_i = H_i - T S_i - 2 sum_k x_k a_ik/V + RT ln(x_i R T/(0.1 (V - b))) + RT b_i/(V - b),
// with H_i and S_i the ideal-gas values of pure gas i. Gas i itself needs no
// presence test, but a gas index outside 0..10 gives 0.0.
double ChemicalPotential(int i, const Composition& x, double T, double V) {
  aMixture(x);  // only its refill of Globals::a is needed
  double bmix = bMixture(x);
  if (i < 0 || i >= NumGases || !validState(bmix, T, V)) return 0.0;
  Composition e = oneGasComposition(i);
  double Hi = IdealGas(2, e, T);
  double Si = IdealGas(1, e, T);
  double s = 0.0;
  for (int k = 0; k < NumGases; ++k) {
    if (presentInFixedPoint(x[k])) s = s + (2.0 * x[k]) * a[i][k];
    rt::RuntimeBackgroundTask();
  }
  double RT = R * T;
  double L = excludedVolumeLog(bmix, V);
  double mi = perGasLog(x[i], T, V);
  return ((((((Hi - RT) - T * Si) + RT) - s / V) - RT * L) + (RT * b[i]) / (V - bmix)) - RT * mi;
}

}  // namespace Globals
