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

// ln phi_i of gas i in the mixture x at (T, V), with P from the isotherm.
inline Real LnPhi(const Globals::Composition& x, int i, Real T, Real V) {
  const Fluid& f = Gases();
  const Real am = f.aMix(x), bm = f.bMix(x);
  const Real P = Pressure(am, bm, T, V);
  Real s = 0;
  for (int j = 0; j < Globals::NumGases; ++j) s += x[j] * std::sqrt(f.a[i] * f.a[j]);
  return f.b[i] / (V - bm) - std::log(P * (V - bm) / (kR * T)) - 2 * s / (kR * T * V);
}

// The fugacity x_i phi_i P of gas i (MPa).
inline Real Fugacity(const Globals::Composition& x, int i, Real T, Real V) {
  const Fluid& f = Gases();
  return x[i] * std::exp(LnPhi(x, i, T, V)) * Pressure(f.aMix(x), f.bMix(x), T, V);
}

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

// A homogenization point: the pressure at which the fluid z at T, as the
// liquid-like phase X (bubble point) or the vapour-like phase Y (dew point),
// coexists with an incipient phase of the same fugacities.
struct Homogenization {
  Real P = 0;
  std::vector<Real> other;  // the incipient phase, by gas index
  bool converged = false;
};

// Newton's method on ln K_i of the present gases and ln P: ln f_i of phase X
// (its smallest root) equals ln f_i of phase Y (its largest root), and the
// incipient phase's fractions sum to 1. Started from a nearby state.
inline Homogenization HomogenizationPoint(const Globals::Composition& z, Real T, bool bubble, Real P0,
                                          const Globals::Composition& other0) {
  std::vector<int> present;
  for (int i = 0; i < Globals::NumGases; ++i)
    if (z[i] > 0) present.push_back(i);
  const std::size_t n = present.size();
  std::vector<Real> u(n + 1);
  for (std::size_t k = 0; k < n; ++k) {
    const int i = present[k];
    u[k] = bubble ? std::log(Real(other0[i]) / z[i]) : std::log(z[i] / Real(other0[i]));
  }
  u[n] = std::log(P0);
  // The phase at P with the smallest (phase X) or largest (phase Y) root.
  const auto lnFugacities = [&](const std::vector<Real>& x, Real P, bool phaseX, std::vector<Real>& lnf) {
    const Fluid& f = Gases();
    Real am = 0, bm = 0;
    for (std::size_t k = 0; k < n; ++k)
      for (std::size_t l = 0; l < n; ++l) am += x[k] * x[l] * std::sqrt(f.a[present[k]] * f.a[present[l]]);
    for (std::size_t k = 0; k < n; ++k) bm += x[k] * f.b[present[k]];
    const auto roots = Roots(am, bm, T, P);
    if (roots.empty()) return false;
    const Real V = phaseX ? roots.front() : roots.back();
    for (std::size_t k = 0; k < n; ++k) {
      Real s = 0;
      for (std::size_t l = 0; l < n; ++l) s += x[l] * std::sqrt(f.a[present[k]] * f.a[present[l]]);
      lnf[k] = std::log(x[k]) + std::log(kR * T / (V - bm)) + f.b[present[k]] / (V - bm) - 2 * s / (kR * T * V);
    }
    return true;
  };
  const auto residual = [&](const std::vector<Real>& v, std::vector<Real>& r) {
    std::vector<Real> x(n), y(n), lnfx(n), lnfy(n);
    Real sum = 0;
    for (std::size_t k = 0; k < n; ++k) {
      const Real zk = z[present[k]], K = std::exp(v[k]);
      x[k] = bubble ? zk : zk / K;
      y[k] = bubble ? K * zk : zk;
      sum += bubble ? y[k] : x[k];
    }
    const Real P = std::exp(v[n]);
    if (!lnFugacities(x, P, true, lnfx) || !lnFugacities(y, P, false, lnfy)) return false;
    for (std::size_t k = 0; k < n; ++k) r[k] = lnfx[k] - lnfy[k];
    r[n] = sum - 1;
    return true;
  };
  Homogenization result;
  std::vector<Real> r(n + 1), rh(n + 1);
  for (int iteration = 0; iteration < 60; ++iteration) {
    if (!residual(u, r)) return result;
    Real norm = 0;
    for (Real e : r) norm = std::max(norm, std::fabs(e));
    if (norm < 1e-16L) {
      result.converged = true;
      break;
    }
    // The Jacobian by central differences, then Gaussian elimination.
    std::vector<std::vector<Real>> J(n + 1, std::vector<Real>(n + 2));
    for (std::size_t c = 0; c <= n; ++c) {
      const Real h = 1e-7L;
      std::vector<Real> up = u, down = u, rd(n + 1);
      up[c] += h;
      down[c] -= h;
      if (!residual(up, rh) || !residual(down, rd)) return result;
      for (std::size_t e = 0; e <= n; ++e) J[e][c] = (rh[e] - rd[e]) / (2 * h);
    }
    for (std::size_t e = 0; e <= n; ++e) J[e][n + 1] = -r[e];
    for (std::size_t c = 0; c <= n; ++c) {
      std::size_t pivot = c;
      for (std::size_t e = c + 1; e <= n; ++e)
        if (std::fabs(J[e][c]) > std::fabs(J[pivot][c])) pivot = e;
      std::swap(J[c], J[pivot]);
      for (std::size_t e = 0; e <= n; ++e) {
        if (e == c) continue;
        const Real m = J[e][c] / J[c][c];
        for (std::size_t d = c; d <= n + 1; ++d) J[e][d] -= m * J[c][d];
      }
    }
    for (std::size_t c = 0; c <= n; ++c) u[c] += J[c][n + 1] / J[c][c];
  }
  result.P = std::exp(u[n]);
  result.other.assign(Globals::NumGases, 0);
  for (std::size_t k = 0; k < n; ++k) {
    const Real zk = z[present[k]], K = std::exp(u[k]);
    result.other[present[k]] = bubble ? K * zk : zk / K;
  }
  return result;
}

}  // namespace vdwref
