#pragma once
// An independent van der Waals mixture for the tests: the Helmholtz energy
// written out from the pure gases' critical points and differentiated by
// finite differences in extended precision, without the engine's matrices.

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Globals.h"

namespace vdwtest {

using Real = long double;
using Vector = std::vector<Real>;
using Square = std::vector<Vector>;

class Mixture {
 public:
  explicit Mixture(const Globals::Composition& x) {
    Globals::CriticalValues();
    const Real R = Globals::R;
    for (int i = 0; i < Globals::NumGases; ++i) {
      if (!(x[i] > 0.0)) continue;
      const Real Tc = Globals::Tcrit[i], Pc = Globals::Pcrit[i];
      a_.push_back(27 * R * R * Tc * Tc / (64 * Pc));
      b_.push_back(R * Tc / (8 * Pc));
      n_.push_back(x[i]);
    }
  }

  // The mixture's parameters for one mole: a = sum x_i x_j sqrt(a_i a_j), b = sum x_i b_i.
  Real a() const { return attraction(n_); }
  Real b() const { return covolume(n_); }
  Real Pressure(Real T, Real V) const { return Globals::R * T / (V - b()) - a() / (V * V); }

  // The variables z: the volume, then the amounts of every present gas but
  // the first, which stays at its fraction; z at one mole and volume V.
  int Size() const { return static_cast<int>(n_.size()); }
  Vector Point(Real V) const {
    Vector z = {V};
    z.insert(z.end(), n_.begin() + 1, n_.end());
    return z;
  }

  // A(T, z) = R T sum n_i ln n_i - n R T ln(V - B) - A_mix/V, leaving out the
  // terms that are linear in the amounts and free of V; `part` 1 keeps only
  // the attraction -A_mix/V, part 2 only the rest.
  Real Helmholtz(Real T, const Vector& z, int part = 0) const {
    Vector n = n_;
    std::copy(z.begin() + 1, z.end(), n.begin() + 1);
    const Real V = z[0], RT = Globals::R * T;
    Real total = 0, mixing = 0;
    for (Real ni : n) {
      total += ni;
      mixing += ni * std::log(ni);
    }
    const Real attractive = -attraction(n) / V;
    const Real rest = RT * mixing - total * RT * std::log(V - covolume(n));
    return part == 1 ? attractive : part == 2 ? rest : attractive + rest;
  }

  // Second derivatives of A over z by central differences, with one
  // Richardson step (steps h and h/2) for an error of order h^4.
  Square Hessian(Real T, Real V) const {
    const Square coarse = centralHessian(T, V, kStep), fine = centralHessian(T, V, kStep / 2);
    Square H = fine;
    for (std::size_t i = 0; i < H.size(); ++i) {
      for (std::size_t j = 0; j < H.size(); ++j) H[i][j] = (4 * fine[i][j] - coarse[i][j]) / 3;
    }
    return H;
  }

  // The third derivative of A (or of one part) at V along u, in units of
  // the step: d3/ds3 A(z + s u) with u scaled to the variables.
  Real ThirdAlong(Real T, Real V, const Vector& u, int part = 0) const {
    const Vector z = Point(V);
    auto at = [&](Real s) {
      Vector w = z;
      for (std::size_t k = 0; k < w.size(); ++k) w[k] += s * u[k] * z[k];
      return Helmholtz(T, w, part);
    };
    const Real h = kStep;
    return (at(2 * h) - 2 * at(h) + 2 * at(-h) - at(-2 * h)) / (2 * h * h * h);
  }

 private:
  static constexpr Real kStep = 1e-4;  // relative to each variable

  Square centralHessian(Real T, Real V, Real step) const {
    const Vector z = Point(V);
    const int N = Size();
    Square H(N, Vector(N));
    for (int i = 0; i < N; ++i) {
      for (int j = 0; j < N; ++j) {
        const Real hi = step * z[i], hj = step * z[j];
        auto at = [&](int si, int sj) {
          Vector w = z;
          w[i] += si * hi;
          w[j] += sj * hj;
          return Helmholtz(T, w);
        };
        H[i][j] = (at(1, 1) - at(1, -1) - at(-1, 1) + at(-1, -1)) / (4 * hi * hj);
      }
    }
    return H;
  }

  Real attraction(const Vector& n) const {
    Real sum = 0;
    for (std::size_t i = 0; i < n.size(); ++i) {
      for (std::size_t j = 0; j < n.size(); ++j) sum += n[i] * n[j] * std::sqrt(a_[i] * a_[j]);
    }
    return sum;
  }
  Real covolume(const Vector& n) const {
    Real sum = 0;
    for (std::size_t i = 0; i < n.size(); ++i) sum += n[i] * b_[i];
    return sum;
  }

  Vector a_, b_, n_;
};

// Determinant of a small square matrix by expansion along the first row.
inline Real Determinant(const Square& M) {
  const std::size_t n = M.size();
  if (n == 0) return 1;
  Real det = 0, sign = 1;
  for (std::size_t j = 0; j < n; ++j) {
    Square minor;
    for (std::size_t r = 1; r < n; ++r) {
      Vector row;
      for (std::size_t c = 0; c < n; ++c) {
        if (c != j) row.push_back(M[r][c]);
      }
      minor.push_back(row);
    }
    det += sign * M[0][j] * Determinant(minor);
    sign = -sign;
  }
  return det;
}

// The null direction of a singular Hessian, as relative changes of the
// variables at V: a row of cofactors, scaled to a largest element of 1.
inline Vector NullDirection(const Mixture& m, const Square& H, Real V) {
  const Vector z = m.Point(V);
  const std::size_t n = H.size();
  Vector best(n, 0);
  Real bestNorm = -1;
  for (std::size_t i = 0; i < n; ++i) {
    Vector u(n);
    Real norm = 0;
    for (std::size_t j = 0; j < n; ++j) {
      Square minor;
      for (std::size_t r = 0; r < n; ++r) {
        if (r == i) continue;
        Vector row;
        for (std::size_t c = 0; c < n; ++c) {
          if (c != j) row.push_back(H[r][c]);
        }
        minor.push_back(row);
      }
      u[j] = ((i + j) % 2 ? -1 : 1) * Determinant(minor) / z[j];
      norm += u[j] * u[j];
    }
    if (norm > bestNorm) bestNorm = norm, best = u;
  }
  Real largest = 0;
  for (Real v : best) largest = std::max(largest, std::fabs(v));
  for (Real& v : best) v /= largest;
  return best;
}

// The third-order condition at a point of the spinodal: the third derivative
// along the null direction over the sum of the magnitudes of its attraction
// part and its other part, which cancel at a critical point.
inline Real CriticalResidual(const Mixture& m, Real T, Real V) {
  const Vector u = NullDirection(m, m.Hessian(T, V), V);
  const Real attraction = m.ThirdAlong(T, V, u, 1), rest = m.ThirdAlong(T, V, u, 2);
  return std::fabs(attraction + rest) / (std::fabs(attraction) + std::fabs(rest));
}

// True when the Hessian's determinant changes sign between T (1 - d) and T (1 + d).
inline bool SpinodalBetween(const Mixture& m, Real T, Real V, Real d = 1e-6) {
  return Determinant(m.Hessian(T * (1 - d), V)) * Determinant(m.Hessian(T * (1 + d), V)) < 0;
}

}  // namespace vdwtest
