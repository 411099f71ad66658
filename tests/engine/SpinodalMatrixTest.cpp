#include <array>
#include <climits>
#include <vector>

#include "StabilityTestSupport.h"

namespace {

using namespace enginetest;
using Globals::Matrix;
using Globals::NumGases;
using Globals::R;

// The variables of the Helmholtz energy: the mole numbers n_0 .. n_10 by gas
// index, and the volume at kVolume.
constexpr int kVolume = NumGases;
using State = std::array<long double, NumGases + 1>;

class HelmholtzEnergy {
 public:
  explicit HelmholtzEnergy(double T) : RT_(static_cast<long double>(R) * T) {
    for (int i = 0; i < NumGases; ++i) {
      a_[i] = pureA(i);
      b_[i] = pureB(i);
    }
  }

  // A = R T sum n_i ln n_i - n R T ln(V - B) - A_mix/V, with B = sum n_i b_i
  // and A_mix = sum n_i n_j sqrt(a_i a_j), leaving out the terms that are
  // linear in the n_i and free of V; gases with n_i <= 0 have no ideal term.
  long double operator()(const State& z) const {
    long double n = 0, B = 0, ideal = 0, Amix = 0;
    for (int i = 0; i < NumGases; ++i) {
      n += z[i];
      B += z[i] * b_[i];
      if (z[i] > 0) ideal += z[i] * std::log(z[i]);
      for (int j = 0; j < NumGases; ++j) Amix += z[i] * z[j] * std::sqrt(a_[i] * a_[j]);
    }
    long double V = z[kVolume];
    return RT_ * ideal - n * RT_ * std::log(V - B) - Amix / V;
  }

  // The mixed partial derivative over `variables`: nested central
  // differences with steps proportional to the variables, the error term in
  // the square of the step removed by Richardson extrapolation.
  long double partial(const State& z, const std::vector<int>& variables) const {
    long double coarse = nested(z, variables, 0, kRelativeStep);
    long double fine = nested(z, variables, 0, kRelativeStep / 2);
    return (4 * fine - coarse) / 3;
  }

 private:
  long double nested(State z, const std::vector<int>& variables, std::size_t first,
                     long double relativeStep) const {
    if (first == variables.size()) return (*this)(z);
    int v = variables[first];
    long double h = relativeStep * z[v];
    State up = z, down = z;
    up[v] += h;
    down[v] -= h;
    return (nested(up, variables, first + 1, relativeStep) -
            nested(down, variables, first + 1, relativeStep)) / (2 * h);
  }

  static constexpr long double kRelativeStep = 3e-3L;
  long double RT_;
  std::array<long double, NumGases> a_{}, b_{};
};

State stateOf(const Globals::Composition& x, double V) {
  State z{};
  for (int i = 0; i < NumGases; ++i) z[i] = x[i];
  z[kVolume] = V;
  return z;
}

// The variable of row p of the spinodal layout.
int variableOfRow(const std::vector<int>& gases, int p) { return p == 0 ? kVolume : gases[p]; }

struct Case {
  Globals::Composition x;
  double T, V;
};

std::vector<Case> cases() {
  return {
      {pureGas(1), 350, 120},
      {mixture({{1, 0.5}, {9, 0.5}}), 300, 100},
      {mixture({{0, 0.2}, {1, 0.5}, {2, 0.3}}), 450, 90},
      {mixture({{1, 0.3}, {2, 0.1}, {3, 0.2}, {9, 0.25}, {10, 0.15}}), 400, 150},
  };
}

class SpinodalMatrix : public EngineTest {};

// Finite differences of the Helmholtz energy: the second derivatives agree
// to about 1e-9 and the third to about 1e-7 of each entry.
TEST_F(SpinodalMatrix, IsTheHessianOfTheHelmholtzEnergy) {
  for (const Case& c : cases()) {
    HelmholtzEnergy A(c.T);
    auto gases = presentGases(c.x);
    Matrix Q = Globals::SpinodalMatrix(c.x, c.T, c.V);
    ASSERT_EQ(static_cast<int>(gases.size()), Q.rows());
    ASSERT_EQ(Q.rows(), Q.cols());
    for (int p = 0; p < Q.rows(); ++p) {
      for (int q = 0; q < Q.cols(); ++q) {
        double expected = static_cast<double>(
            A.partial(stateOf(c.x, c.V), {variableOfRow(gases, p), variableOfRow(gases, q)}));
        EXPECT_TRUE(relativelyNear(expected, Q(p, q), 1e-7)) << "(" << p << ", " << q << ")";
      }
    }
  }
}

TEST_F(SpinodalMatrix, DerivativeMatricesAreThirdDerivatives) {
  for (const Case& c : cases()) {
    HelmholtzEnergy A(c.T);
    auto gases = presentGases(c.x);
    std::vector<int> selectors{-1};
    selectors.insert(selectors.end(), gases.begin(), gases.end());  // present index 0 too
    for (int k : selectors) {
      Matrix D = Globals::DerivativeMatrix(k, c.x, c.T, c.V);
      ASSERT_EQ(static_cast<int>(gases.size()), D.rows());
      ASSERT_EQ(D.rows(), D.cols());
      int variable = k == -1 ? kVolume : k;
      for (int p = 0; p < D.rows(); ++p) {
        for (int q = 0; q < D.cols(); ++q) {
          double expected = static_cast<double>(A.partial(
              stateOf(c.x, c.V), {variable, variableOfRow(gases, p), variableOfRow(gases, q)}));
          EXPECT_TRUE(relativelyNear(expected, D(p, q), 1e-6))
              << "k " << k << " (" << p << ", " << q << ")";
        }
      }
    }
  }
}

// A_VV = -dP/dV along the isotherm of the pressure function, whose mixing
// rules also take in gases with a negative fraction (which have no row).
TEST_F(SpinodalMatrix, VolumeEntryIsMinusTheSlopeOfTheIsotherm) {
  std::vector<Case> all = cases();
  all.push_back({mixture({{1, 0.6}, {2, -0.1}, {9, 0.5}}), 320, 110});
  all.push_back({pureGas(1), 300, 100});
  for (const Case& c : all) {
    double h = 1e-4 * c.V;
    auto slope = [&](double step) {
      return (Globals::Pressure(c.x, c.T, c.V + step) - Globals::Pressure(c.x, c.T, c.V - step)) /
             (2 * step);
    };
    double expected = -(4 * slope(h / 2) - slope(h)) / 3;
    Matrix Q = Globals::SpinodalMatrix(c.x, c.T, c.V);
    EXPECT_EQ(static_cast<int>(presentGases(c.x).size()), Q.rows());
    EXPECT_TRUE(relativelyNear(expected, Q(0, 0), 1e-8)) << c.T << " K, " << c.V;
  }
  // A pure gas: A_VV = R (T - Ts)/(V - b)^2 with the spinodal temperature
  // Ts = 2a (V - b)^2/(R V^3); pure CO2 at 100 cm3/mol has Ts near 287 K.
  const double a = pureA(1), b = pureB(1), V = 100, T = 300;
  const double Ts = 2 * a * (V - b) * (V - b) / (R * V * V * V);
  Matrix Q = Globals::SpinodalMatrix(pureGas(1), T, V);
  EXPECT_TRUE(relativelyNear(R * (T - Ts) / ((V - b) * (V - b)), Q(0, 0), 1e-12));
  EXPECT_GT(Q(0, 0), 0.0);
}

// Row 0 of the derivative for gas k is row c (k's present index) of the
// derivative for the volume: both are A_VVk, A_Vkj, and hold the same values.
TEST_F(SpinodalMatrix, DerivativeMatricesShareTheMixedDerivatives) {
  const Case c = cases()[3];
  auto gases = presentGases(c.x);
  Matrix DV = Globals::DerivativeMatrix(-1, c.x, c.T, c.V);
  for (int row = 1; row < static_cast<int>(gases.size()); ++row) {
    Matrix Dk = Globals::DerivativeMatrix(gases[row], c.x, c.T, c.V);
    for (int q = 0; q < DV.cols(); ++q) EXPECT_EQ(DV(row, q), Dk(0, q)) << row << ", " << q;
  }
}

TEST_F(SpinodalMatrix, SelectorsNamingNoPresentGasGiveZeros) {
  auto x = mixture({{1, 0.5}, {9, 0.5}});
  for (int k : {0, 2, 10, -2, 11, 1000, INT_MAX, INT_MIN}) {
    Matrix D = Globals::DerivativeMatrix(k, x, 300, 100);
    ASSERT_EQ(2, D.rows()) << k;
    ASSERT_EQ(2, D.cols()) << k;
    for (int p = 0; p < 2; ++p) {
      for (int q = 0; q < 2; ++q) EXPECT_EQ(0.0, D(p, q)) << k;
    }
  }
}

// Without a present gas there is no row for the volume: the matrices are
// empty and no element is written outside them.
TEST_F(SpinodalMatrix, NoPresentGasGivesEmptyMatrices) {
  const Globals::Composition fluids[] = {Globals::Composition{},
                                         mixture({{1, -0.5}, {9, 0.0}, {2, -1.0}})};
  for (const auto& x : fluids) {
    EXPECT_EQ(0, Globals::SpinodalMatrix(x, 300, 100).rows());
    for (int k : {-1, 1, 9}) {
      Matrix D = Globals::DerivativeMatrix(k, x, 300, 100);
      EXPECT_EQ(0, D.rows());
      EXPECT_EQ(0, D.cols());
    }
  }
}

}  // namespace
