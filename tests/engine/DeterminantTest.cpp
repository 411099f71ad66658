#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <random>

#include "StabilityTestSupport.h"

namespace {

using namespace enginetest;
using Globals::Matrix;

class Determinant : public EngineTest {};

Matrix randomMatrix(int rows, int cols, std::mt19937& generator) {
  std::uniform_real_distribution<double> element(-10.0, 10.0);
  Matrix M(rows, cols);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) M(r, c) = element(generator);
  }
  return M;
}

// Hadamard's bound: |det M| is at most the product of the row lengths, so the
// rounding of any stable elimination is small against it.
double hadamardBound(const Matrix& M) {
  double bound = 1.0;
  for (int r = 0; r < M.rows(); ++r) {
    double sum = 0.0;
    for (int c = 0; c < M.cols(); ++c) sum += M(r, c) * M(r, c);
    bound *= std::sqrt(sum);
  }
  return bound;
}

TEST_F(Determinant, AgreesWithExpansionByMinors) {
  std::mt19937 generator(20240611);
  for (int n = 1; n <= 6; ++n) {
    for (int trial = 0; trial < 20; ++trial) {
      Matrix M = randomMatrix(n, n, generator);
      double expected = static_cast<double>(expansionByMinors(M));
      double bound = hadamardBound(M);
      Matrix work = M;
      EXPECT_NEAR(expected, Globals::Det_LU_Decomposition(work), 1e-13 * bound) << "order " << n;
    }
  }
}

// Every permutation matrix of order 4 needs row exchanges; its determinant is
// the sign of the permutation.
TEST_F(Determinant, RowExchangesGiveTheSignOfThePermutation) {
  std::array<int, 4> perm{0, 1, 2, 3};
  do {
    Matrix P(4, 4);
    int inversions = 0;
    for (int r = 0; r < 4; ++r) {
      P(r, perm[r]) = 1.0;
      for (int s = r + 1; s < 4; ++s) inversions += perm[r] > perm[s];
    }
    double expected = inversions % 2 == 0 ? 1.0 : -1.0;
    EXPECT_EQ(expected, Globals::Det_LU_Decomposition(P));
  } while (std::next_permutation(perm.begin(), perm.end()));

  Matrix swap = matrixOf({{0, 1}, {1, 0}});
  EXPECT_EQ(-1.0, Globals::Det_LU_Decomposition(swap));
  // A zero in the leading place forces an exchange in the first column.
  Matrix M = matrixOf({{0, 2, 1}, {1, 1, 1}, {3, 0, 2}});
  double expected = static_cast<double>(expansionByMinors(M));
  EXPECT_DOUBLE_EQ(expected, Globals::Det_LU_Decomposition(M));
}

// On return the block holds U on and above the diagonal and the multipliers
// of L below it, for the rows in their pivoted order: L U gives back the rows
// of the original matrix, each once.
TEST_F(Determinant, LeavesTheFactorsOfTheRowPermutedMatrix) {
  std::mt19937 generator(7);
  const int n = 5;
  Matrix M = randomMatrix(n, n, generator);
  Matrix LU = M;
  Globals::Det_LU_Decomposition(LU);
  std::vector<bool> used(n, false);
  for (int r = 0; r < n; ++r) {
    std::array<double, n> product{};
    for (int c = 0; c < n; ++c) {
      for (int k = 0; k <= std::min(r, c); ++k) product[c] += (k == r ? 1.0 : LU(r, k)) * LU(k, c);
    }
    int match = -1;
    for (int s = 0; s < n && match < 0; ++s) {
      bool same = !used[s];
      for (int c = 0; c < n && same; ++c) same = std::fabs(product[c] - M(s, c)) < 1e-12 * 10 * n;
      if (same) match = s;
    }
    ASSERT_GE(match, 0) << "row " << r << " of L U is no row of the matrix";
    used[match] = true;
  }
}

TEST_F(Determinant, TiesInThePivotSearchGoToTheLaterRow) {
  // Both rows score 1 in column 0: the second becomes the pivot row.
  Matrix M = matrixOf({{1, 0}, {1, 1}});
  EXPECT_EQ(1.0, Globals::Det_LU_Decomposition(M));
  EXPECT_EQ(1.0, M(0, 0));
  EXPECT_EQ(1.0, M(0, 1));
  EXPECT_EQ(1.0, M(1, 0));
  EXPECT_EQ(-1.0, M(1, 1));
  // Scaled scores tie too: 2/2 against 1/1.
  Matrix N = matrixOf({{2, 0}, {1, 1}});
  EXPECT_EQ(2.0, Globals::Det_LU_Decomposition(N));
  EXPECT_EQ(1.0, N(0, 0));
  EXPECT_EQ(2.0, N(1, 0));
  EXPECT_EQ(-2.0, N(1, 1));
}

// Scaled pivoting: row 0 = (1, 0, 1000) has the scale 1e-3 and loses column
// 0 to row 2 = (1, 1, 1). After the exchange the scale goes with the row, so
// in column 1 row 1 (score 1) beats the moved row (score 1e-3) and no second
// exchange happens. By hand: L U with rows (2, 1, 0) and det = 1 - 1000.
TEST_F(Determinant, ScaleFactorsMoveWithTheirRows) {
  Matrix M = matrixOf({{1, 0, 1000}, {0, 1, 0}, {1, 1, 1}});
  EXPECT_EQ(-999.0, Globals::Det_LU_Decomposition(M));
  const double expected[3][3] = {{1, 1, 1}, {0, 1, 0}, {1, -1, 999}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(expected[r][c], M(r, c)) << r << ", " << c;
  }
}

TEST_F(Determinant, EmptyAndOneByOneMatrices) {
  Matrix empty(0, 0);
  EXPECT_EQ(1.0, Globals::Det_LU_Decomposition(empty));
  Matrix one = matrixOf({{-3.5}});
  EXPECT_EQ(-3.5, Globals::Det_LU_Decomposition(one));
  Matrix tiny = matrixOf({{1e-12}});
  EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(tiny));
  Matrix zero = matrixOf({{0.0}});
  EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(zero));
  EXPECT_EQ(1e-30, zero(0, 0));  // the zero pivot is replaced in place
}

TEST_F(Determinant, ZeroThresholdIsAbsolute) {
  Matrix identity(4, 4);
  for (int i = 0; i < 4; ++i) identity(i, i) = 1.0;
  EXPECT_EQ(1.0, Globals::Det_LU_Decomposition(identity));
  // Regular, but the determinant 1e-12 is not above the threshold.
  Matrix small = matrixOf({{1e-6, 0}, {0, 1e-6}});
  EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(small));
  Matrix above = matrixOf({{1e-6, 0}, {0, 2e-6}});
  EXPECT_TRUE(relativelyNear(2e-12, Globals::Det_LU_Decomposition(above), 1e-15));
}

TEST_F(Determinant, SingularMatrices) {
  Matrix equalRows = matrixOf({{1, 2, 3}, {4, 5, 6}, {1, 2, 3}});
  EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(equalRows));
  Matrix dependent = matrixOf({{1, 2, 3}, {4, 5, 6}, {5, 7, 9}});  // row 3 = row 1 + row 2
  EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(dependent));
  Matrix zeroRow = matrixOf({{1, 2}, {0, 0}});
  EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(zeroRow));
  // The 1e-30 pivot of an exactly singular matrix times large other pivots
  // is no longer within the threshold.
  Matrix large = matrixOf({{1e10, 0, 0}, {0, 1e10, 0}, {0, 0, 0}});
  EXPECT_TRUE(relativelyNear(1e-10, Globals::Det_LU_Decomposition(large), 1e-15));
}

TEST_F(Determinant, NotANumberGivesZeroAndOverflowIsPassedOn) {
  Matrix M = matrixOf({{1, 2}, {std::numeric_limits<double>::quiet_NaN(), 4}});
  EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(M));
  // Only a magnitude within the threshold becomes 0.0: a product that
  // overflows is passed on.
  Matrix huge = matrixOf({{1e200, 0}, {0, 1e200}});
  EXPECT_EQ(std::numeric_limits<double>::infinity(), Globals::Det_LU_Decomposition(huge));
}

TEST_F(Determinant, NonSquareArraysUseTheirLeadingSquareBlock) {
  std::mt19937 generator(3);
  Matrix wide = randomMatrix(3, 4, generator);
  Matrix block(3, 3);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) block(r, c) = wide(r, c);
  }
  double expected = static_cast<double>(expansionByMinors(block));
  Matrix work = wide;
  EXPECT_NEAR(expected, Globals::Det_LU_Decomposition(work), 1e-13 * hadamardBound(block));
  for (int r = 0; r < 3; ++r) EXPECT_EQ(wide(r, 3), work(r, 3));

  Matrix tall = randomMatrix(4, 3, generator);
  Matrix tallWork = tall;
  Globals::Det_LU_Decomposition(tallWork);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(tall(3, c), tallWork(3, c));
}

}  // namespace
