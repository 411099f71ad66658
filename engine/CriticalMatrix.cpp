// Cofactor matrix, and the critical matrix: the spinodal matrix with its last
// row replaced by the gradient of its determinant (Jacobi's formula).

#include <algorithm>
#include <array>

#include "engine/Determinant.h"
#include "engine/Globals.h"
#include "engine/SpinodalTerms.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

using detail::Lanes;
using LaneIndices = std::array<int, Lanes::kCount>;

// Lane l of the batch: the minor of Q's leading (n+1) x (n+1) block without
// row skipRow[l] and column skipCol[l].
void formMinors(const Matrix& Q, int n, const LaneIndices& skipRow, const LaneIndices& skipCol,
                detail::MatrixBatch& batch) {
  // The column of Q behind each column of a lane's minor.
  std::array<std::array<int, Matrix::MaxOrder>, Lanes::kCount> col;
  for (int l = 0; l < Lanes::kCount; ++l) {
    for (int m = 0; m < n; ++m) col[l][m] = m < skipCol[l] ? m : m + 1;
  }
  for (int r = 0; r < n; ++r) {
    std::array<const double*, Lanes::kCount> row;  // row r of each lane's minor in Q
    for (int l = 0; l < Lanes::kCount; ++l) row[l] = Q.Data() + (r < skipRow[l] ? r : r + 1) * Matrix::MaxOrder;
    for (int c = 0; c < n; ++c) {
      Lanes& element = batch(r, c);
      for (int l = 0; l < Lanes::kCount; ++l) element.value[l] = row[l][col[l][c]];
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
// its minor, a zero element's too. The minors are independent of one
// another: they are factorised a batch at a time, each exactly as on its own.
Matrix CofactorMatrix(const Matrix& Q) {
  const int n = std::min(Q.rows(), Q.cols()) - 1;
  const int count = (n + 1) * (n + 1);
  Matrix C(n + 1, n + 1);
  detail::MatrixBatch batch;
  for (int first = 0; first < count; first += Lanes::kCount) {
    // Lanes past the last cofactor repeat it; their results are not used.
    LaneIndices skipRow, skipCol;
    for (int l = 0; l < Lanes::kCount; ++l) {
      const int k = std::min(first + l, count - 1);
      skipRow[l] = k / (n + 1);
      skipCol[l] = k % (n + 1);
    }
    formMinors(Q, n, skipRow, skipCol, batch);
    double products[Lanes::kCount];
    detail::LUProducts(batch, n, products);
    for (int l = 0; l < Lanes::kCount && first + l < count; ++l) {
      const int i = skipRow[l], j = skipCol[l];
      double sign = (i + j) % 2 == 0 ? 1.0 : -1.0;
      C(i, j) = sign * detail::ApplyZeroThreshold(products[l]);
    }
    rt::RuntimeBackgroundTask();
  }
  return C;
}

Matrix CriticalMatrix(const Composition& x, double T, double V) {
  // The spinodal matrix and every derivative matrix share the terms that
  // each of them would form for itself, with the same values.
  const detail::SpinodalTerms terms = detail::FormSpinodalTerms(x, V);
  Matrix Q = detail::AssembleSpinodalMatrix(terms, T);
  const int m = Q.rows() - 1;
  if (m < 0) return Q;  // no present gas: no row to replace
  const Matrix C = CofactorMatrix(Q);
  std::array<double, NumGases> grad{};
  grad[0] = jacobiSum(C, detail::AssembleDerivativeMatrix(-1, terms, T));
  int c = -1;  // present index of gas k
  for (int k = 0; k < NumGases; ++k) {
    if (!(0.0 < x[k])) continue;
    c = c + 1;
    // The present gas of present index 0 has no row and gets no derivative.
    if (c > 0) grad[c] = jacobiSum(C, detail::AssembleDerivativeMatrix(k, terms, T));
    rt::RuntimeBackgroundTask();
  }
  for (int i = 0; i <= m; ++i) Q(m, i) = grad[i];
  return Q;
}

}  // namespace Globals
