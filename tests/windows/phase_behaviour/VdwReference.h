#pragma once
// An independent van der Waals reference for the phase-behaviour tests: its
// own roots of the isotherm (a scan for sign changes, then bisection), its
// own fugacities, and saturation pressures and temperatures of a pure gas
// from the equality of the fugacities of its liquid and vapour roots. All in
// long double; only the critical constants come from the engine's tables.

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Globals.h"

namespace vdwref {

using Real = long double;
constexpr Real kR = 8.314472L;

struct Fluid {
  std::vector<Real> a, b;  // pure-gas parameters by gas index
  Fluid() {
    Globals::CriticalValues();
    for (int i = 0; i < Globals::NumGases; ++i) {
      const Real Tc = Globals::Tcrit[i], Pc = Globals::Pcrit[i];
      a.push_back(27 * kR * kR * Tc * Tc / (64 * Pc));
      b.push_back(kR * Tc / (8 * Pc));
    }
  }
  Real aMix(const Globals::Composition& x) const {
    Real s = 0;
    for (int i = 0; i < Globals::NumGases; ++i)
      for (int j = 0; j < Globals::NumGases; ++j) s += x[i] * x[j] * std::sqrt(a[i] * a[j]);
    return s;
  }
  Real bMix(const Globals::Composition& x) const {
    Real s = 0;
    for (int i = 0; i < Globals::NumGases; ++i) s += x[i] * b[i];
    return s;
  }
};

inline const Fluid& Gases() {
  static const Fluid fluid;
  return fluid;
}

inline Real Pressure(Real a, Real b, Real T, Real V) { return kR * T / (V - b) - a / (V * V); }

// Every root V > b of P(V) = P, smallest first.
inline std::vector<Real> Roots(Real a, Real b, Real T, Real P) {
  std::vector<Real> roots;
  const auto g = [&](Real V) { return Pressure(a, b, T, V) - P; };
  const Real top = 100 * (kR * T / P + b);
  Real lo = b * (1 + 1e-12L), glo = g(lo);
  const int steps = 4000;
  for (int k = 1; k <= steps; ++k) {
    const Real hi = b + (top - b) * std::pow(Real(k) / steps, 4), ghi = g(hi);
    if ((glo > 0) != (ghi > 0)) {
      Real l = lo, h = hi;
      for (int n = 0; n < 120; ++n) {
        const Real m = (l + h) / 2;
        ((g(m) > 0) == (glo > 0) ? l : h) = m;
      }
      roots.push_back((l + h) / 2);
    }
    lo = hi;
    glo = ghi;
  }
  return roots;
}

// ln (phi_i P) of gas i (P in MPa) in the mixture x at (T, V), with P from
// the isotherm: ln(R T / (V - b)) + b_i / (V - b) - 2 sum_j x_j a_ij /
// (R T V). Written without P, which in a liquid far below its vapour
// pressure is the difference of terms many decades larger.
inline Real LnPhiP(const Globals::Composition& x, int i, Real T, Real V) {
  const Fluid& f = Gases();
  const Real bm = f.bMix(x);
  Real s = 0;
  for (int j = 0; j < Globals::NumGases; ++j) s += x[j] * std::sqrt(f.a[i] * f.a[j]);
  return std::log(kR * T / (V - bm)) + f.b[i] / (V - bm) - 2 * s / (kR * T * V);
}

// ln phi_i of gas i in the mixture x at (T, V), with P from the isotherm.
inline Real LnPhi(const Globals::Composition& x, int i, Real T, Real V) {
  const Fluid& f = Gases();
  return LnPhiP(x, i, T, V) - std::log(Pressure(f.aMix(x), f.bMix(x), T, V));
}

// phi_i P of gas i (MPa), its fugacity per unit of its fraction.
inline Real PhiP(const Globals::Composition& x, int i, Real T, Real V) { return std::exp(LnPhiP(x, i, T, V)); }

// The fugacity x_i phi_i P of gas i (MPa).
inline Real Fugacity(const Globals::Composition& x, int i, Real T, Real V) { return x[i] * PhiP(x, i, T, V); }

inline Globals::Composition Pure(int gas) {
  Globals::Composition x{};
  x[gas] = 1.0;
  return x;
}

// The saturation pressure of a pure gas at T below its critical temperature:
// the pressure at which its liquid and vapour roots have equal fugacities.
inline Real SaturationPressure(int gas, Real T) {
  const Fluid& f = Gases();
  const Real a = f.a[gas], b = f.b[gas];
  const auto lnPhi = [&](Real V) {
    const Real P = Pressure(a, b, T, V);
    return b / (V - b) - std::log(P * (V - b) / (kR * T)) - 2 * a / (kR * T * V);
  };
  // The spinodal: the isotherm's local minimum and maximum bound the
  // pressures with three roots.
  Real Pmin = 0, Pmax = 0;
  Real prev = Pressure(a, b, T, b * 1.0001L);
  for (Real V = b * 1.0002L; V < 100 * b; V *= 1.0001L) {
    const Real P = Pressure(a, b, T, V);
    if (P > prev && Pmin == 0) Pmin = prev;
    if (P < prev && Pmin != 0 && Pmax == 0) Pmax = prev;
    prev = P;
  }
  Real lo = std::max(Pmin, Real(0)) * (1 + 1e-9L) + 1e-30L, hi = Pmax * (1 - 1e-9L);
  const auto h = [&](Real P) {
    const auto r = Roots(a, b, T, P);
    return lnPhi(r.front()) - lnPhi(r.back());
  };
  const bool hiPositive = h(hi) > 0;
  for (int n = 0; n < 90; ++n) {
    const Real m = (lo + hi) / 2;
    ((h(m) > 0) == hiPositive ? hi : lo) = m;
  }
  return (lo + hi) / 2;
}

// The saturation temperature of a pure gas at a pressure below its critical
// pressure.
inline Real SaturationTemperature(int gas, Real P) {
  Globals::CriticalValues();
  Real lo = 0.3L * Globals::Tcrit[gas], hi = Globals::Tcrit[gas] * (1 - 1e-6L);
  for (int n = 0; n < 70; ++n) {
    const Real m = (lo + hi) / 2;
    (SaturationPressure(gas, m) > P ? hi : lo) = m;
  }
  return (lo + hi) / 2;
}

}  // namespace vdwref
