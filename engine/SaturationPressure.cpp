// Vapour pressures of the pure gases from built-in correlations; outside a
// gas's range from its triple point to its critical point a simple
// vapour-pressure fallback is used instead.

#include <cmath>

#include "engine/Globals.h"

namespace Globals {
namespace {

double pw(double u, double e) { return std::pow(u, e); }

// T goes to the fallback when Ttrip > T or T > Tc; a NaN stays in range.
bool outsideRange(int gas, double T) { return Ttrip[gas] > T || T > Tcrit[gas]; }

// Pc exp(S Tc / T), the exponent formed as (S Tc) / T.
double reducedExponential(double S, double Tc, double Pc, double T) {
  return Pc * std::exp((S * Tc) / T);
}

double water(double T, double t, double Tc, double Pc) {
  if (outsideRange(0, T)) return pw(10, -2125.7 / T + 4.6637);
  double S = -7.85951783 * t + 1.84408259 * pw(t, 1.5) - 11.7866497 * pw(t, 3) +
             22.6807411 * pw(t, 3.5) - 15.9618719 * pw(t, 4) + 1.80122502 * pw(t, 7.5);
  return reducedExponential(S, Tc, Pc, T);
}

double carbonDioxide(double T, double t, double Tc, double Pc) {
  if (outsideRange(1, T)) return pw(10, -918.2444 / T + 3.8871);
  double S = -7.057346 * t + 1.932188 * pw(t, 1.5) - 1.636312 * pw(t, 2) - 3.31247 * pw(t, 4);
  return reducedExponential(S, Tc, Pc, T);
}

double nitrogen(double T, double Tc, double Pc) {
  if (outsideRange(2, T)) return pw(10, -304.98 / T + 2.9428);
  double h = Tc / T - 1;
  double Q = 1 - 5.072183802 * h + 13.67990776 * pw(h, 1.9) - 11.94002133 * pw(h, 2.4) +
             2.641788411 * pw(h, 3.5) - 0.3781265428 * pw(h, 5.5) + 0.07593697713 * pw(h, 7);
  return ((Q * Pc) * T) / Tc;
}

double hydrogenSulfide(double T, double t, double Pc) {
  if (outsideRange(3, T)) return std::exp(7.4204 - 1806.2 / T - 55558 / (T * T));
  return Pc * std::exp(-5.7856 * t - 9.4242 * pw(t, 2) + 16.381 * pw(t, 3) - 48.551 * pw(t, 4));
}

double ammonia(double T, double t, double Pc) {
  if (outsideRange(4, T)) return std::exp(8.4513 - 2271.3 / T - 73160 / (T * T));
  return Pc * std::exp(-6.6722 * t - 9.6203 * pw(t, 2) + 16.201 * pw(t, 3) - 55.553 * pw(t, 4));
}

// Hydrogen has no upper limit; below its triple point it keeps the start value.
double hydrogen(double T, double startValue) {
  if (Ttrip[5] > T) return startValue;
  return std::exp(4.9017 - 167.65 / T + 441.17 / (T * T));
}

double oxygen(double T, double t, double Tc, double Pc) {
  if (outsideRange(6, T)) return std::exp(6.75 - 773.12 / T - 3879.5 / (T * T));
  double S = -6.043938 * t + 1.175627 * pw(t, 1.5) - 0.994086 * pw(t, 3) -
             3.456781 * pw(t, 7) + 3.361499 * pw(t, 9);
  return reducedExponential(S, Tc, Pc, T);
}

// The correlation yields bar; the division by 10 gives MPa.
double carbonMonoxide(double T, double Tc) {
  if (outsideRange(7, T)) return std::exp(6.5881 - 690.21 / T - 2875.4 / (T * T));
  double r = T / Tc;
  return std::exp(-7.461267899 / r + 16.516128685 - 12.217914523 * r + 9.048182735 * pw(r, 2) -
                  2.331639377 * pw(r, 3) + 0.892713142 * pw(1 - r, 1.25)) /
         10;
}

// The straight line through (Ttrip, 0.1) and (Tc, Pc), for every T.
double argon(double T, double Tc, double Pc) {
  double Tt = Ttrip[8];
  return (0.1 * Tc - Pc * Tt) / (Tc - Tt) + T * (Pc - 0.1) / (Tc - Tt);
}

double methane(double T, double t, double Tc, double Pc) {
  if (outsideRange(9, T)) return pw(10, -492.3749 / T + 3.2462);
  double S = -6.036219 * t + 1.409353 * pw(t, 1.5) - 0.4945199 * pw(t, 2) - 1.443048 * pw(t, 4.5);
  return reducedExponential(S, Tc, Pc, T);
}

double ethane(double T, double t, double Pc) {
  if (outsideRange(10, T)) return pw(10, -838.52005 / T + 3.43391);
  return Pc * std::exp((-7.955315 * t) / (1 - t) + 1.532027 * t + 14.78068 * pw(t, 1.9) -
                       13.43179 * pw(t, 2) + 4.704891 * pw(t, 3));
}

}  // namespace

double SaturationPressure(int gas, double T) {
  double P = 0.1;
  if (gas < 0 || gas >= NumGases) return P;
  CriticalValues();
  const double Tc = Tcrit[gas];
  const double Pc = Pcrit[gas];
  const double t = 1 - T / Tc;
  switch (gas) {
    case 0: P = water(T, t, Tc, Pc); break;
    case 1: P = carbonDioxide(T, t, Tc, Pc); break;
    case 2: P = nitrogen(T, Tc, Pc); break;
    case 3: P = hydrogenSulfide(T, t, Pc); break;
    case 4: P = ammonia(T, t, Pc); break;
    case 5: P = hydrogen(T, P); break;
    case 6: P = oxygen(T, t, Tc, Pc); break;
    case 7: P = carbonMonoxide(T, Tc); break;
    case 8: P = argon(T, Tc, Pc); break;
    case 9: P = methane(T, t, Tc, Pc); break;
    case 10: P = ethane(T, t, Pc); break;
  }
  return P;
}

}  // namespace Globals
