#pragma once
// Engine-internal parts of the LU determinant. The spinodal search needs the
// product of the pivots before the zero threshold turns a product that is
// not a number into 0.0.

#include "engine/Matrix.h"

namespace Globals::detail {

// Crout's LU decomposition with implicit scaled partial pivoting, in place on
// the leading square block of M; returns the signed product of the pivots.
double LUProduct(Matrix& M);

// The determinant zero threshold: 0.0 unless |det| > 1e-12, an absolute test
// that also turns a NaN into 0.0.
double ApplyZeroThreshold(double det);

}  // namespace Globals::detail
