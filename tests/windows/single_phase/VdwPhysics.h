#pragma once
// The van der Waals mixture worked out afresh for the tests, from the gases'
// critical constants and the textbook formulas, not through the engine's
// functions: a and b of the one-fluid mixture, the isotherm, the real roots
// of the cubic by bisection, the fugacity coefficient.

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Globals.h"

namespace vdw {

constexpr double R = 8.314472;  // J/(mol K) = MPa cm3/(mol K)

// a_i = 27 R^2 Tc^2 / (64 Pc), b_i = R Tc / (8 Pc).
inline double PureA(int gas) {
  Globals::CriticalValues();
  const double Tc = Globals::Tcrit[gas], Pc = Globals::Pcrit[gas];
  return 27.0 * R * R * Tc * Tc / (64.0 * Pc);
}
inline double PureB(int gas) {
  Globals::CriticalValues();
  return R * Globals::Tcrit[gas] / (8.0 * Globals::Pcrit[gas]);
}

struct Mixture {
  Globals::Composition x{};
  double a = 0.0, b = 0.0;
};

// a = sum_ij x_i x_j sqrt(a_i a_j), b = sum_i x_i b_i.
inline Mixture Of(const Globals::Composition& x) {
  Mixture m;
  m.x = x;
  for (int i = 0; i < Globals::NumGases; ++i) {
    m.b += x[i] * PureB(i);
    for (int j = 0; j < Globals::NumGases; ++j) m.a += x[i] * x[j] * std::sqrt(PureA(i) * PureA(j));
  }
  return m;
}

inline Globals::Composition Pure(int gas) {
  Globals::Composition x{};
  x[gas] = 1.0;
  return x;
}

// The isotherm: P = R T / (V - b) - a / V^2.
inline double Pressure(const Mixture& m, double T, double V) { return R * T / (V - m.b) - m.a / (V * V); }

// The critical point of the one-fluid mixture: Tc = 8a / (27 R b), Pc = a / (27 b^2).
inline double CriticalT(const Mixture& m) { return 8.0 * m.a / (27.0 * R * m.b); }
inline double CriticalP(const Mixture& m) { return m.a / (27.0 * m.b * m.b); }

// The real roots, ascending, of P V^3 - (P b + R T) V^2 + a V - a b = 0
// (P > 0): bisection between the turning points of the cubic.
inline std::vector<double> RealRoots(const Mixture& m, double T, double P) {
  const auto f = [&](double V) { return ((P * V - (P * m.b + R * T)) * V + m.a) * V - m.a * m.b; };
  const double c2 = -(P * m.b + R * T) / P, c1 = m.a / P, c0 = -m.a * m.b / P;
  const double bound = 1.0 + std::max({std::fabs(c2), std::fabs(c1), std::fabs(c0)});
  std::vector<double> edges = {-bound};
  const double disc = (P * m.b + R * T) * (P * m.b + R * T) - 3.0 * P * m.a;  // of f'/2
  if (disc > 0) {
    edges.push_back(((P * m.b + R * T) - std::sqrt(disc)) / (3.0 * P));
    edges.push_back(((P * m.b + R * T) + std::sqrt(disc)) / (3.0 * P));
  }
  edges.push_back(bound);
  std::vector<double> roots;
  for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
    double lo = edges[k], hi = edges[k + 1];
    if ((f(lo) > 0) == (f(hi) > 0)) continue;
    for (int pass = 0; pass < 200 && lo < hi; ++pass) {
      const double mid = 0.5 * (lo + hi);
      if (mid == lo || mid == hi) break;
      ((f(mid) > 0) == (f(lo) > 0) ? lo : hi) = mid;
    }
    roots.push_back(0.5 * (lo + hi));
  }
  return roots;
}

// ln phi_i = b_i / (V - b) - ln(P (V - b) / (R T)) - 2 sum_j x_j a_ij / (R T V).
inline double Phi(const Mixture& m, int i, double T, double P, double V) {
  double sum = 0.0;
  for (int j = 0; j < Globals::NumGases; ++j) sum += m.x[j] * std::sqrt(PureA(i) * PureA(j));
  return std::exp(PureB(i) / (V - m.b) - std::log(P * (V - m.b) / (R * T)) - 2.0 * sum / (R * T * V));
}

// Relative closeness for values that went through 15-digit texts.
inline bool Near(double actual, double expected, double relative = 1e-12) {
  return std::fabs(actual - expected) <= relative * std::max(std::fabs(expected), 1e-300);
}

}  // namespace vdw
