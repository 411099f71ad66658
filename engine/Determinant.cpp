// Determinant by Crout's LU decomposition with implicit (scaled) partial
// pivoting, carried out in place.

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/Determinant.h"
#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

constexpr double kZeroPivot = 1e-30;      // stands in for a pivot of exactly 0.0
constexpr double kZeroThreshold = 1e-12;  // absolute, whatever the size of the elements

using RowScales = std::array<double, Matrix::MaxOrder>;

// 1 / the largest magnitude in each row; 0.0 for an all-zero row.
RowScales rowScales(const Matrix& M, int n) {
  RowScales scale{};
  for (int i = 0; i <= n; ++i) {
    double best = 0.0;
    for (int j = 0; j <= n; ++j) {
      if (best < std::fabs(M(i, j))) best = std::fabs(M(i, j));
    }
    scale[i] = best == 0.0 ? 0.0 : 1 / best;
  }
  return scale;
}

// Rows 0 .. j-1 of column j: the elements of U above the diagonal.
void formUpperPart(Matrix& M, int j) {
  for (int i = 0; i < j; ++i) {
    double s = M(i, j);
    for (int k = 0; k < i; ++k) s = s - M(i, k) * M(k, j);
    M(i, j) = s;
  }
}

// Rows j .. n of column j, not yet divided by the pivot; returns the pivot
// row. A tie goes to the later row, and a score that does not compare (NaN)
// is taken too.
int formLowerPart(Matrix& M, int j, int n, const RowScales& scale) {
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
  return p;
}

void exchangeRows(Matrix& M, int p, int j, int n) {
  for (int c = 0; c <= n; ++c) std::swap(M(p, c), M(j, c));
}

}  // namespace

namespace detail {

double LUProduct(Matrix& M) {
  const int n = std::min(M.rows(), M.cols()) - 1;
  RowScales scale = rowScales(M, n);
  double sign = 1.0;
  for (int j = 0; j <= n; ++j) {
    formUpperPart(M, j);
    int p = formLowerPart(M, j, n, scale);
    if (p != j) {
      exchangeRows(M, p, j, n);
      sign = -sign;
      scale[p] = scale[j];
    }
    if (M(j, j) == 0.0) M(j, j) = kZeroPivot;
    if (j != n) {
      // One reciprocal for the whole column, not a division per element.
      double r = 1 / M(j, j);
      for (int i = j + 1; i <= n; ++i) M(i, j) = M(i, j) * r;
    }
    rt::RuntimeBackgroundTask();
  }
  double det = sign;
  for (int j = 0; j <= n; ++j) det = det * M(j, j);
  return det;
}

double ApplyZeroThreshold(double det) { return std::fabs(det) > kZeroThreshold ? det : 0.0; }

}  // namespace detail

double Det_LU_Decomposition(Matrix& M) { return detail::ApplyZeroThreshold(detail::LUProduct(M)); }

}  // namespace Globals
