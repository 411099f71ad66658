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

  // The variables z: the free volume V - B, then the amounts of every
  // present gas but the first, which stays at its fraction; z at one mole
  // and volume V. The change from (V, n) to (V - B, n) is linear with
  // determinant 1, so the determinant of the Hessian, its null direction and
  // the derivatives along it are those over (V, n); but steps relative to
  // V - B stay small beside it however close V comes to the co-volume.
  int Size() const { return static_cast<int>(n_.size()); }
  Vector Point(Real V) const {
    Vector z = {V - b()};
    z.insert(z.end(), n_.begin() + 1, n_.end());
    return z;
  }

  // A(T, z) = R T sum n_i ln n_i - n R T ln(V - B) - A_mix/V, leaving out the
  // terms that are linear in the amounts and free of V; `part` 1 keeps only
  // the attraction -A_mix/V, part 2 only the rest.
  Real Helmholtz(Real T, const Vector& z, int part = 0) const {
    Vector n = n_;
    std::copy(z.begin() + 1, z.end(), n.begin() + 1);
    const Real free = z[0], V = free + covolume(n), RT = Globals::R * T;
    Real total = 0, mixing = 0;
    for (Real ni : n) {
      total += ni;
      mixing += ni * std::log(ni);
    }
    const Real attractive = -attraction(n) / V;
    const Real rest = RT * mixing - total * RT * std::log(free);
    return part == 1 ? attractive : part == 2 ? rest : attractive + rest;
  }

  // Second derivatives of A (or of one part) over z by central differences,
  // with one Richardson step (steps h and h/2) for an error of order h^4.
  Square Hessian(Real T, Real V, int part = 0) const {
    const Square coarse = centralHessian(T, V, kStep, part), fine = centralHessian(T, V, kStep / 2, part);
    Square H = fine;
    for (std::size_t i = 0; i < H.size(); ++i) {
      for (std::size_t j = 0; j < H.size(); ++j) H[i][j] = (4 * fine[i][j] - coarse[i][j]) / 3;
    }
    return H;
  }

  // The third derivative of A (or of one part) at V along u: d3/ds3 of
  // A(z + s u) with u scaled to the variables, by central differences with
  // one Richardson step.
  Real ThirdAlong(Real T, Real V, const Vector& u, int part = 0) const {
    auto third = [&](Real h) {
      return (along(T, V, u, part, 2 * h) - 2 * along(T, V, u, part, h) + 2 * along(T, V, u, part, -h) -
              along(T, V, u, part, -2 * h)) /
             (2 * h * h * h);
    };
    return (4 * third(kThirdStep / 2) - third(kThirdStep)) / 3;
  }

 private:
  static constexpr Real kStep = 1e-4;       // relative to each variable
  static constexpr Real kThirdStep = 1e-3;  // for third derivatives

  Real along(Real T, Real V, const Vector& u, int part, Real s) const {
    Vector w = Point(V);
    for (std::size_t k = 0; k < w.size(); ++k) w[k] += s * u[k] * w[k];
    return Helmholtz(T, w, part);
  }

  Square centralHessian(Real T, Real V, Real step, int part) const {
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
          return Helmholtz(T, w, part);
        };
        H[i][j] = (at(1, 1) - at(1, -1) - at(-1, 1) + at(-1, -1)) / (4 * hi * hj);
      }
    }
    return H;
  }

  // sum x_i x_j sqrt(a_i a_j), as the square of sum x_i sqrt(a_i).
  Real attraction(const Vector& n) const {
    Real sum = 0;
    for (std::size_t i = 0; i < n.size(); ++i) sum += n[i] * std::sqrt(a_[i]);
    return sum * sum;
  }
  Real covolume(const Vector& n) const {
    Real sum = 0;
    for (std::size_t i = 0; i < n.size(); ++i) sum += n[i] * b_[i];
    return sum;
  }

  Vector a_, b_, n_;
};

// Determinant of a small square matrix by Gaussian elimination with partial
// pivoting.
inline Real Determinant(Square M) {
  const std::size_t n = M.size();
  Real det = 1;
  for (std::size_t j = 0; j < n; ++j) {
    std::size_t pivot = j;
    for (std::size_t r = j + 1; r < n; ++r) {
      if (std::fabs(M[r][j]) > std::fabs(M[pivot][j])) pivot = r;
    }
    if (M[pivot][j] == 0) return 0;
    if (pivot != j) {
      std::swap(M[pivot], M[j]);
      det = -det;
    }
    det *= M[j][j];
    for (std::size_t r = j + 1; r < n; ++r) {
      const Real factor = M[r][j] / M[j][j];
      for (std::size_t c = j; c < n; ++c) M[r][c] -= factor * M[j][c];
    }
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
// part and its other part, which cancel at a critical point. The attraction
// part's Hessian is -(2/V) w w^T for a fixed w, and on the spinodal w is
// never orthogonal to the null direction; the direction is turned so that
// w.u > 0, which the volume row of that Hessian applied to it shows as a
// positive number, so the condition changes sign where the spinodal passes
// a critical point.
inline Real CriticalCondition(const Mixture& m, Real T, Real V) {
  Vector u = NullDirection(m, m.Hessian(T, V), V);
  const Square attractionHessian = m.Hessian(T, V, 1);
  const Vector z = m.Point(V);
  Real side = 0;
  for (std::size_t j = 0; j < u.size(); ++j) side += attractionHessian[0][j] * u[j] * z[j];
  if (side < 0) {
    for (Real& v : u) v = -v;
  }
  const Real attraction = m.ThirdAlong(T, V, u, 1), rest = m.ThirdAlong(T, V, u, 2);
  return (attraction + rest) / (std::fabs(attraction) + std::fabs(rest));
}

inline Real CriticalResidual(const Mixture& m, Real T, Real V) { return std::fabs(CriticalCondition(m, T, V)); }

// True when the Hessian's determinant changes sign between T (1 - d) and T (1 + d).
inline bool SpinodalBetween(const Mixture& m, Real T, Real V, Real d = 1e-6) {
  const Real below = Determinant(m.Hessian(T * (1 - d), V)), above = Determinant(m.Hessian(T * (1 + d), V));
  return (below < 0 && above > 0) || (below > 0 && above < 0);
}

// The spinodal temperature at V: the highest temperature below 1e5 K at
// which the Hessian's determinant changes sign, found by halving from 1e5 K
// down to 1e-15 K and then by bisection on a logarithmic scale; 0 when the
// sign never changes. The Hessian is its attraction part plus T times the
// rest at 1 K.
inline Real SpinodalTemperature(const Mixture& m, Real V) {
  const Square attraction = m.Hessian(0, V, 1), rest = m.Hessian(1, V, 2);
  auto positive = [&](Real T) {
    Square H = attraction;
    for (std::size_t i = 0; i < H.size(); ++i) {
      for (std::size_t j = 0; j < H.size(); ++j) H[i][j] += T * rest[i][j];
    }
    return Determinant(H) > 0;
  };
  Real hi = 1e5L;
  const bool hiPositive = positive(hi);
  Real lo = hi / 2;
  while (positive(lo) == hiPositive) {
    hi = lo;
    lo /= 2;
    if (lo < 1e-15L) return 0;
  }
  for (int n = 0; n < 100; ++n) {
    const Real mid = std::sqrt(lo * hi);
    (positive(mid) == hiPositive ? hi : lo) = mid;
  }
  return std::sqrt(lo * hi);
}

// True when the critical condition, each on the spinodal, has opposite signs
// at V (1 - d) and V (1 + d).
inline bool CriticalBetween(const Mixture& m, Real V, Real d) {
  const Real below = V * (1 - d), above = V * (1 + d);
  const Real Fbelow = CriticalCondition(m, SpinodalTemperature(m, below), below);
  const Real Fabove = CriticalCondition(m, SpinodalTemperature(m, above), above);
  return (Fbelow < 0 && Fabove > 0) || (Fbelow > 0 && Fabove < 0);
}

// The critical points along the spinodal to within a step: the sign changes
// of the critical condition at the volumes b (1 + 10^t) for t from -3 to 2
// in steps of 1/20, where the spinodal lies at 0.1 K or above; each as the
// volume and temperature after the change.
struct SpinodalPoint {
  Real V, T;
};
inline std::vector<SpinodalPoint> CriticalPointsAlongSpinodal(const Mixture& m) {
  std::vector<SpinodalPoint> points;
  Real previous = 0;
  for (int k = 0; k <= 100; ++k) {
    const Real V = m.b() * (1 + std::pow(Real(10), Real(-3) + Real(k) / 20));
    const Real T = SpinodalTemperature(m, V);
    if (!(T >= 0.1L)) continue;
    const Real condition = CriticalCondition(m, T, V);
    if (condition * previous < 0) points.push_back({V, T});
    previous = condition;
  }
  return points;
}

}  // namespace vdwtest
