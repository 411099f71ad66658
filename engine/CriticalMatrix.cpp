// Cofactor matrix, and the critical matrix: the spinodal matrix with its last
// row replaced by the gradient of its determinant (Jacobi's formula).

#include <algorithm>
#include <array>

#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

// The minor of Q's leading (n+1) x (n+1) block without row i and column j;
// every element of `minor` is rewritten.
void formMinor(const Matrix& Q, int i, int j, int n, Matrix& minor) {
  for (int r = 0; r <= n; ++r) {
    if (r == i) continue;
    int rm = r < i ? r : r - 1;
    for (int c = 0; c <= n; ++c) {
      if (c == j) continue;
      minor(rm, c < j ? c : c - 1) = Q(r, c);
    }
  }
}

// d det Q = sum over (i, j) of C(i, j) dQ(i, j), each product added on its own.
double jacobiSum(const Matrix& C, const Matrix& D) {
  double sum = 0.0;
  for (int i = 0; i < C.rows(); ++i) {
    for (int j = 0; j < C.cols(); ++j) sum = sum + C(i, j) * D(i, j);
    rt::RuntimeBackgroundTask();
  }
  return sum;
}

}  // namespace

// A cofactor does not depend on its own element, so every one is formed from
// its minor, a zero element's too.
Matrix CofactorMatrix(const Matrix& Q) {
  const int n = std::min(Q.rows(), Q.cols()) - 1;
  Matrix C(n + 1, n + 1);
  Matrix minor(std::max(n, 0), std::max(n, 0));  // one work array for all minors
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      formMinor(Q, i, j, n, minor);
      double sign = (i + j) % 2 == 0 ? 1.0 : -1.0;
      C(i, j) = sign * Det_LU_Decomposition(minor);
    }
    rt::RuntimeBackgroundTask();
  }
  return C;
}

Matrix CriticalMatrix(const Composition& x, double T, double V) {
  Matrix Q = SpinodalMatrix(x, T, V);
  const int m = Q.rows() - 1;
  if (m < 0) return Q;  // no present gas: no row to replace
  const Matrix C = CofactorMatrix(Q);
  std::array<double, NumGases> grad{};
  grad[0] = jacobiSum(C, DerivativeMatrix(-1, x, T, V));
  int c = -1;  // present index of gas k
  for (int k = 0; k < NumGases; ++k) {
    if (!(0.0 < x[k])) continue;
    c = c + 1;
    // The present gas of present index 0 has no row and gets no derivative.
    if (c > 0) grad[c] = jacobiSum(C, DerivativeMatrix(k, x, T, V));
    rt::RuntimeBackgroundTask();
  }
  for (int i = 0; i <= m; ++i) Q(m, i) = grad[i];
  return Q;
}

}  // namespace Globals
