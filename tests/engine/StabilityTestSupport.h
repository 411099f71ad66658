#pragma once
// Helpers shared by the tests of the stability numerics.

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "EngineTestSupport.h"

namespace enginetest {

inline Globals::Matrix matrixOf(std::initializer_list<std::initializer_list<double>> rows) {
  int cols = static_cast<int>(rows.begin()->size());
  Globals::Matrix M(static_cast<int>(rows.size()), cols);
  int r = 0;
  for (const auto& row : rows) {
    int c = 0;
    for (double value : row) M(r, c++) = value;
    ++r;
  }
  return M;
}

// The minor of a square matrix without row i and column j.
inline Globals::Matrix minorOf(const Globals::Matrix& M, int i, int j) {
  int n = M.rows();
  Globals::Matrix minor(n - 1, n - 1);
  for (int r = 0, rm = 0; r < n; ++r) {
    if (r == i) continue;
    for (int c = 0, cm = 0; c < n; ++c) {
      if (c != j) minor(rm, cm++) = M(r, c);
    }
    ++rm;
  }
  return minor;
}

// The determinant by expansion by minors along the first row, in extended
// precision, without any threshold. Meant for small matrices.
inline long double expansionByMinors(const Globals::Matrix& M) {
  if (M.rows() == 0) return 1.0L;
  long double det = 0.0L;
  long double sign = 1.0L;
  for (int j = 0; j < M.cols(); ++j) {
    if (M(0, j) != 0.0) det += sign * M(0, j) * expansionByMinors(minorOf(M, 0, j));
    sign = -sign;
  }
  return det;
}

// The determinant by Gaussian elimination with partial pivoting, in
// extended precision and without any threshold: for matrices too large to
// expand by minors.
inline long double eliminationDeterminant(const Globals::Matrix& M) {
  const int n = M.rows();
  std::vector<std::vector<long double>> work(n, std::vector<long double>(n));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) work[r][c] = M(r, c);
  }
  long double det = 1.0L;
  for (int j = 0; j < n; ++j) {
    int pivot = j;
    for (int r = j + 1; r < n; ++r) {
      if (std::fabs(work[r][j]) > std::fabs(work[pivot][j])) pivot = r;
    }
    if (pivot != j) {
      std::swap(work[pivot], work[j]);
      det = -det;
    }
    det *= work[j][j];
    if (work[j][j] == 0.0L) return 0.0L;
    for (int r = j + 1; r < n; ++r) {
      long double factor = work[r][j] / work[j][j];
      for (int c = j; c < n; ++c) work[r][c] -= factor * work[j][c];
    }
  }
  return det;
}

// True when the determinant of the spinodal matrix, by elimination in
// extended precision, has opposite signs at T (1 - d) and T (1 + d).
inline bool spinodalSignChange(const Globals::Composition& x, double T, double V, double d) {
  const long double below = eliminationDeterminant(Globals::SpinodalMatrix(x, T * (1 - d), V));
  const long double above = eliminationDeterminant(Globals::SpinodalMatrix(x, T * (1 + d), V));
  return (below < 0 && above > 0) || (below > 0 && above < 0);
}

// The present gases of a composition (fraction above 0.0) in ascending gas
// index: element p is the gas of present index p.
inline std::vector<int> presentGases(const Globals::Composition& x) {
  std::vector<int> gases;
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (x[i] > 0.0) gases.push_back(i);
  }
  return gases;
}

}  // namespace enginetest
