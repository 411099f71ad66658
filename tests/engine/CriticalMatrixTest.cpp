#include <cmath>
#include <random>
#include <vector>

#include "StabilityTestSupport.h"

namespace {

using namespace enginetest;
using Globals::Matrix;
using Globals::NumGases;
using Globals::R;

class CofactorMatrix : public EngineTest {};
class CriticalMatrix : public EngineTest {};

void expectSameMatrix(const Matrix& expected, const Matrix& actual) {
  ASSERT_EQ(expected.rows(), actual.rows());
  ASSERT_EQ(expected.cols(), actual.cols());
  for (int r = 0; r < expected.rows(); ++r) {
    for (int c = 0; c < expected.cols(); ++c) {
      EXPECT_EQ(expected(r, c), actual(r, c)) << "(" << r << ", " << c << ")";
    }
  }
}

TEST_F(CofactorMatrix, CofactorsAreSignedMinorDeterminants) {
  std::mt19937 generator(11);
  std::uniform_real_distribution<double> element(-5.0, 5.0);
  for (int n = 1; n <= 5; ++n) {
    Matrix Q(n, n);
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) Q(r, c) = element(generator);
    }
    const Matrix original = Q;
    Matrix C = Globals::CofactorMatrix(Q);
    expectSameMatrix(original, Q);  // only read
    ASSERT_EQ(n, C.rows());
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        double sign = (i + j) % 2 == 0 ? 1.0 : -1.0;
        double expected = sign * static_cast<double>(expansionByMinors(minorOf(Q, i, j)));
        EXPECT_NEAR(expected, C(i, j), 1e-12 * std::pow(5.0 * n, n - 1));
      }
    }
  }
}

TEST_F(CofactorMatrix, TwoByTwo) {
  expectSameMatrix(matrixOf({{4, -3}, {-2, 1}}), Globals::CofactorMatrix(matrixOf({{1, 2}, {3, 4}})));
  // A minor within the zero threshold gives the cofactor 0.
  Matrix C = Globals::CofactorMatrix(matrixOf({{1e-13, 2}, {3, 4}}));
  EXPECT_EQ(4.0, C(0, 0));
  EXPECT_EQ(0.0, C(1, 1));
}

// A cofactor does not depend on its own element: a zero element gets the
// cofactor of its minor too.
TEST_F(CofactorMatrix, ZeroElementsHaveTheCofactorOfTheirMinor) {
  expectSameMatrix(matrixOf({{1, -1}, {-1, 0}}), Globals::CofactorMatrix(matrixOf({{0, 1}, {1, 1}})));
  expectSameMatrix(matrixOf({{1}}), Globals::CofactorMatrix(matrixOf({{0.0}})));
  expectSameMatrix(matrixOf({{1}}), Globals::CofactorMatrix(matrixOf({{-7.5}})));
  Matrix C = Globals::CofactorMatrix(matrixOf({{2, 0, 0}, {0, 3, 0}, {0, 0, 5}}));
  expectSameMatrix(matrixOf({{15, 0, 0}, {0, 10, 0}, {0, 0, 6}}), C);
}

// The determinant of the spinodal matrix as a function of the volume and the
// mole numbers n (not only of one mole): the Helmholtz energy is homogeneous
// of degree one, so its Hessian at (V, n) is the one at (V/s, n/s), s = sum
// of n, divided by s.
long double spinodalDeterminant(const Globals::Composition& n, double T, double V) {
  double s = 0.0;
  for (double ni : n) s += ni;
  Globals::Composition x{};
  for (int i = 0; i < NumGases; ++i) x[i] = n[i] / s;
  Matrix H = Globals::SpinodalMatrix(x, T, V / s);
  return expansionByMinors(H) / std::pow(static_cast<long double>(s), H.rows());
}

// d det/d(variable) by central differences with Richardson extrapolation;
// variable -1 is the volume, any other a gas index.
double determinantGradient(const Globals::Composition& x, double T, double V, int variable) {
  auto difference = [&](double relativeStep) {
    Globals::Composition up = x, down = x;
    double Vup = V, Vdown = V, h = 0;
    if (variable < 0) {
      h = relativeStep * V;
      Vup += h;
      Vdown -= h;
    } else {
      h = relativeStep * x[variable];
      up[variable] += h;
      down[variable] -= h;
    }
    return (spinodalDeterminant(up, T, Vup) - spinodalDeterminant(down, T, Vdown)) / (2 * h);
  };
  return static_cast<double>((4 * difference(5e-5) - difference(1e-4)) / 3);
}

struct Case {
  Globals::Composition x;
  double T, V;
};

TEST_F(CriticalMatrix, LastRowIsTheGradientOfTheSpinodalDeterminant) {
  const Case cases[] = {
      {pureGas(1), 320, 120},
      {mixture({{1, 0.5}, {9, 0.5}}), 300, 100},
      {mixture({{1, 0.5}, {9, 0.5}}), 240, 100},
      {mixture({{0, 0.2}, {1, 0.5}, {2, 0.3}}), 450, 90},
      {mixture({{1, 0.3}, {2, 0.1}, {3, 0.2}, {9, 0.25}, {10, 0.15}}), 400, 150},
  };
  for (const Case& c : cases) {
    auto gases = presentGases(c.x);
    const int m = static_cast<int>(gases.size()) - 1;
    Matrix Q = Globals::SpinodalMatrix(c.x, c.T, c.V);
    Matrix K = Globals::CriticalMatrix(c.x, c.T, c.V);
    ASSERT_EQ(m + 1, K.rows());
    ASSERT_EQ(m + 1, K.cols());
    for (int r = 0; r < m; ++r) {
      for (int q = 0; q <= m; ++q) EXPECT_EQ(Q(r, q), K(r, q)) << "row " << r;
    }
    for (int q = 0; q <= m; ++q) {
      double expected = determinantGradient(c.x, c.T, c.V, q == 0 ? -1 : gases[q]);
      EXPECT_TRUE(relativelyNear(expected, K(m, q), 1e-7)) << "column " << q << " at " << c.T;
    }
  }
}

// A pure gas has the critical matrix [dA_VV/dV] = [6a/V^4 - 2RT/(V - b)^3];
// at its critical point, V = 3b and T = Tc, both determinants vanish.
TEST_F(CriticalMatrix, PureGasesAreCriticalAtTheirCriticalPoint) {
  for (int gas = 0; gas < NumGases; ++gas) {
    auto x = pureGas(gas);
    const double a = pureA(gas), b = pureB(gas), V = 3 * b;
    Globals::CriticalValues();
    const double Tc = Globals::Tcrit[gas];
    Matrix K = Globals::CriticalMatrix(x, 1.1 * Tc, V);
    ASSERT_EQ(1, K.rows());
    double expected = 6 * a / std::pow(V, 4) - 2 * R * 1.1 * Tc / std::pow(V - b, 3);
    EXPECT_TRUE(relativelyNear(expected, K(0, 0), 1e-12)) << Globals::GasNames[gas];

    Matrix Q = Globals::SpinodalMatrix(x, Tc, V);
    K = Globals::CriticalMatrix(x, Tc, V);
    EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(Q)) << Globals::GasNames[gas];
    EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(K)) << Globals::GasNames[gas];
  }
}

// Where the 1 x 1 spinodal matrix of a pure gas is exactly 0.0 (as the
// spinodal search often leaves it) the critical matrix still holds dA_VV/dV:
// away from the critical volume that is no critical point.
TEST_F(CriticalMatrix, PureGasOnItsSpinodalIsNotCriticalAwayFromTheCriticalVolume) {
  auto x = pureGas(1);
  const double V = 1.5 * pureB(1);
  double T = Globals::SpinDetSolution(x, 1000, V);
  ASSERT_GT(T, 0.0);
  for (int step = 0; step < 2000 && Globals::SpinodalMatrix(x, T, V)(0, 0) != 0.0; ++step) {
    T = std::nextafter(T, step % 2 == 0 ? 0.0 : 1e9);
  }
  ASSERT_EQ(0.0, Globals::SpinodalMatrix(x, T, V)(0, 0)) << "no temperature with A_VV = 0.0";
  Matrix K = Globals::CriticalMatrix(x, T, V);
  Matrix D = Globals::DerivativeMatrix(-1, x, T, V);
  ASSERT_EQ(1, K.rows());
  EXPECT_EQ(D(0, 0), K(0, 0));
  EXPECT_NE(0.0, Globals::Det_LU_Decomposition(K));
}

TEST_F(CriticalMatrix, NoPresentGasGivesAnEmptyMatrix) {
  const Globals::Composition fluids[] = {Globals::Composition{}, mixture({{1, -0.5}, {9, 0.0}})};
  for (const auto& x : fluids) {
    Matrix K = Globals::CriticalMatrix(x, 300, 100);
    EXPECT_EQ(0, K.rows());
    EXPECT_EQ(0, K.cols());
  }
  EXPECT_EQ(0, Globals::CofactorMatrix(Matrix(0, 0)).rows());
}

}  // namespace
