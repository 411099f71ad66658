#pragma once
// The stability numerics exactly as first written, straightforwardly and
// without any shortcut: the reference against which the engine's faster
// code is checked bit for bit. Only the engine's public functions are used.

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/Globals.h"

namespace literal {

using Globals::Composition;
using Globals::Matrix;

// Crout's LU decomposition with implicit scaled partial pivoting, in place on
// the leading square block; the signed product of the pivots.
inline double LUProduct(Matrix& M) {
  const int n = std::min(M.rows(), M.cols()) - 1;
  std::array<double, Matrix::MaxOrder> scale{};
  for (int i = 0; i <= n; ++i) {
    double best = 0.0;
    for (int j = 0; j <= n; ++j) {
      if (best < std::fabs(M(i, j))) best = std::fabs(M(i, j));
    }
    scale[i] = best == 0.0 ? 0.0 : 1 / best;
  }
  double sign = 1.0;
  for (int j = 0; j <= n; ++j) {
    for (int i = 0; i < j; ++i) {
      double s = M(i, j);
      for (int k = 0; k < i; ++k) s = s - M(i, k) * M(k, j);
      M(i, j) = s;
    }
    double best = 0.0;
    int p = j;
    for (int i = j; i <= n; ++i) {
      double s = M(i, j);
      for (int k = 0; k < j; ++k) s = s - M(i, k) * M(k, j);
      M(i, j) = s;
      double score = scale[i] * std::fabs(s);
      if (!(best > score)) {
        best = score;
        p = i;
      }
    }
    if (p != j) {
      for (int c = 0; c <= n; ++c) std::swap(M(p, c), M(j, c));
      sign = -sign;
      scale[p] = scale[j];
    }
    if (M(j, j) == 0.0) M(j, j) = 1e-30;
    if (j != n) {
      double r = 1 / M(j, j);
      for (int i = j + 1; i <= n; ++i) M(i, j) = M(i, j) * r;
    }
  }
  double det = sign;
  for (int j = 0; j <= n; ++j) det = det * M(j, j);
  return det;
}

inline double Threshold(double det) { return std::fabs(det) > 1e-12 ? det : 0.0; }

inline double Det(Matrix& M) { return Threshold(literal::LUProduct(M)); }

inline Matrix CofactorMatrix(const Matrix& Q) {
  const int n = std::min(Q.rows(), Q.cols()) - 1;
  Matrix C(n + 1, n + 1);
  Matrix minor(std::max(n, 0), std::max(n, 0));
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      for (int r = 0; r <= n; ++r) {
        if (r == i) continue;
        for (int c = 0; c <= n; ++c) {
          if (c != j) minor(r < i ? r : r - 1, c < j ? c : c - 1) = Q(r, c);
        }
      }
      C(i, j) = ((i + j) % 2 == 0 ? 1.0 : -1.0) * literal::Det(minor);
    }
  }
  return C;
}

// The state (x, V) with the mixture's a and b, and the layout of the
// matrices: row and column 0 for V, then the present gases but the first.
struct State {
  State(const Composition& x_, double V_) : x(x_), V(V_) {
    a = Globals::aMixture(x);
    b = Globals::bMixture(x);
    for (int i = 0; i < Globals::NumGases; ++i) {
      if (x[i] > 0.0) gas[N++] = i;
    }
    V2 = V * V, V3 = V2 * V, V4 = V3 * V, Vb = V - b, Vb2 = Vb * Vb, Vb3 = Vb2 * Vb;
  }
  double S(int i) const {
    double sum = 0.0;
    for (int q = 0; q < N; ++q) sum = sum + (2 * x[gas[q]]) * Globals::a[gas[q]][i];
    return sum;
  }
  // The gas block at every pair of present gases, then the corner, then the
  // edges, as first placed.
  template <class Block, class Edge>
  Matrix Place(Block block, double corner, Edge edge) const {
    Matrix Q(N, N);
    if (N == 0) return Q;
    for (int p = 0; p < N; ++p) {
      for (int q = 0; q < N; ++q) Q(p, q) = block(gas[p], gas[q]);
    }
    Q(0, 0) = corner;
    for (int c = 1; c < N; ++c) Q(0, c) = Q(c, 0) = edge(gas[c]);
    return Q;
  }

  Composition x;
  double V, a = 0.0, b = 0.0, V2, V3, V4, Vb, Vb2, Vb3;
  std::array<int, Globals::NumGases> gas{};
  int N = 0;
};

// The spinodal matrix, every element by its formula at every call.
inline Matrix SpinodalMatrix(const Composition& x, double T, double V) {
  const State s(x, V);
  const double RT = Globals::R * T;
  const auto& ai = Globals::a;
  const auto& bi = Globals::b;
  return s.Place(
      [&](int i, int j) {
        double value = -2 * ai[i][j] / V + RT * (bi[i] + bi[j]) / s.Vb + RT * bi[i] * bi[j] / s.Vb2;
        if (i == j) value = value + RT / x[i];
        return value;
      },
      -2 * s.a / s.V3 + RT / s.Vb2, [&](int i) { return s.S(i) / s.V2 - RT / s.Vb - RT * bi[i] / s.Vb2; });
}

// The third derivatives, placed for the derivative with respect to V (k = -1)
// or to the amount of gas k.
inline Matrix DerivativeMatrix(int k, const Composition& x, double T, double V) {
  const State s(x, V);
  const double RT = Globals::R * T, twoRT = 16.628944 * T;
  const auto& ai = Globals::a;
  const auto& bi = Globals::b;
  auto AVVi = [&](int i) { return -2 * s.S(i) / s.V3 + RT / s.Vb2 + twoRT * bi[i] / s.Vb3; };
  auto AVij = [&](int i, int j) {
    return 2 * ai[i][j] / s.V2 - RT * (bi[i] + bi[j]) / s.Vb2 - twoRT * bi[i] * bi[j] / s.Vb3;
  };
  auto Aijl = [&](int i, int j, int l) {
    double value = RT * (bi[i] * bi[j] + bi[i] * bi[l] + bi[j] * bi[l]) / s.Vb2 + twoRT * bi[i] * bi[j] * bi[l] / s.Vb3;
    if (i == j && j == l) value = value - RT / (x[i] * x[i]);
    return value;
  };
  if (k == -1) return s.Place(AVij, 6 * s.a / s.V4 - twoRT / s.Vb3, AVVi);
  if (k < 0 || k >= Globals::NumGases || !(x[k] > 0.0)) return Matrix(s.N, s.N);
  return s.Place([&](int i, int j) { return Aijl(k, i, j); }, AVVi(k), [&](int i) { return AVij(k, i); });
}

inline double JacobiSum(const Matrix& C, const Matrix& D) {
  double sum = 0.0;
  for (int i = 0; i < C.rows(); ++i) {
    for (int j = 0; j < C.cols(); ++j) sum = sum + C(i, j) * D(i, j);
  }
  return sum;
}

inline Matrix CriticalMatrix(const Composition& x, double T, double V) {
  Matrix Q = literal::SpinodalMatrix(x, T, V);
  const int m = Q.rows() - 1;
  if (m < 0) return Q;
  const Matrix C = literal::CofactorMatrix(Q);
  std::array<double, Globals::NumGases> grad{};
  grad[0] = literal::JacobiSum(C, literal::DerivativeMatrix(-1, x, T, V));
  int c = -1;
  for (int k = 0; k < Globals::NumGases; ++k) {
    if (!(0.0 < x[k])) continue;
    c = c + 1;
    if (c > 0) grad[c] = literal::JacobiSum(C, literal::DerivativeMatrix(k, x, T, V));
  }
  for (int i = 0; i <= m; ++i) Q(m, i) = grad[i];
  return Q;
}

// The secant search on the temperature, run to its pass limit; `exhausted`
// tells whether it used every pass.
inline double SpinDetSolution(const Composition& x, double T0, double V, bool* exhausted = nullptr) {
  if (exhausted) *exhausted = false;
  bool present = false;
  for (double xi : x) present = present || xi > 0.0;
  if (!present) return 0.0;
  auto det = [&](double T, double& D) {
    Matrix Q = literal::SpinodalMatrix(x, T, V);
    double product = literal::LUProduct(Q);
    D = Threshold(product);
    return std::isfinite(product);
  };
  double D0 = 0.0, D1 = 0.0;
  if (!det(T0, D0)) return 0.0;
  const double T1 = 0.99 * T0;
  if (!det(T1, D1)) return 0.0;
  double Tcur = T0, Dcur = D0, Tprev = T1, Dprev = D1;
  if (std::fabs(D1) > std::fabs(D0)) {
    std::swap(Tcur, Tprev);
    std::swap(Dcur, Dprev);
  }
  for (int pass = 0; pass <= 1000; ++pass) {
    double dT = Dcur - Dprev == 0.0 ? 0.0 : ((Tprev - Tcur) * Dcur) / (Dcur - Dprev);
    if (Tcur / 10 < std::fabs(dT)) dT = dT >= 0 ? Tcur / 10 : -Tcur / 10;
    Tprev = Tcur;
    Dprev = Dcur;
    Tcur = Tcur + dT;
    double D = 0.0;
    if (!det(Tcur, D) || !(std::fabs(dT) < 1e+300 && Tcur != 0.0)) return 0.0;
    Dcur = D;
    if (std::fabs(dT / Tcur) < 1e-20 || Dcur == 0.0) return Tcur;
  }
  if (exhausted) *exhausted = true;
  return 0.0;
}

}  // namespace literal
