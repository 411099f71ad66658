#pragma once
// Engine-internal parts of the LU determinant. The spinodal search needs the
// product of the pivots before the zero threshold turns a product that is
// not a number into 0.0; the cofactor matrix factorises its minors in
// batches.

#include "engine/Matrix.h"

namespace Globals::detail {

// Crout's LU decomposition with implicit scaled partial pivoting, in place on
// the leading square block of M; returns the signed product of the pivots.
double LUProduct(Matrix& M);

// The determinant zero threshold: 0.0 unless |det| > 1e-12, an absolute test
// that also turns a NaN into 0.0.
double ApplyZeroThreshold(double det);

// Eight Doubles worked on side by side, a pair at a time in the processor's
// two-lane vectors; every operation acts lane by lane with the arithmetic of
// one Double.
struct Lanes {
  static constexpr int kCount = 8;
  alignas(16) double value[kCount];

  double Get(int l) const { return value[l]; }
  void Set(int l, double v) { value[l] = v; }
};

// A batch of square matrices of one order, factorised side by side: lane l
// of every element belongs to matrix l. Each lane goes through exactly the
// arithmetic of LUProduct on its own matrix, so its product has the same
// bits; the lanes only let independent matrices share instructions.
struct MatrixBatch {
  // Element (row, column) of every lane, row by row as in a Matrix.
  Lanes& operator()(int row, int col) { return element[row * Matrix::MaxOrder + col]; }
  Lanes element[Matrix::MaxOrder * Matrix::MaxOrder];
};

// The signed products of the pivots of the leading order x order blocks,
// one per lane; the batch is overwritten by the factors.
void LUProducts(MatrixBatch& batch, int order, double (&products)[Lanes::kCount]);

}  // namespace Globals::detail
