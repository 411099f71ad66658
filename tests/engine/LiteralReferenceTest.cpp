// The engine's stability numerics against the literal reference, bit for bit:
// determinants with the factors they leave in place, cofactor, spinodal and
// critical matrices, and spinodal temperatures, over many fluids, volumes and
// temperatures.

#include <bit>
#include <cstdio>
#include <cstdint>
#include <random>

#include "LiteralStability.h"
#include "StabilityTestSupport.h"

namespace {

using namespace enginetest;
using Globals::Matrix;

::testing::AssertionResult sameBits(double expected, double actual) {
  if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::hexfloat << expected << " != " << actual;
}

::testing::AssertionResult sameBits(const Matrix& expected, const Matrix& actual) {
  if (expected.rows() != actual.rows() || expected.cols() != actual.cols())
    return ::testing::AssertionFailure() << "sizes differ";
  for (int r = 0; r < expected.rows(); ++r) {
    for (int c = 0; c < expected.cols(); ++c) {
      if (auto same = sameBits(expected(r, c), actual(r, c)); !same) return same << " at " << r << ", " << c;
    }
  }
  return ::testing::AssertionSuccess();
}

// Random fluids of 1 to 11 gases with random fractions summing to about 1.
class Fluids {
 public:
  explicit Fluids(unsigned seed) : random_(seed) {}
  Globals::Composition Next() {
    Globals::Composition x{};
    const int count = 1 + static_cast<int>(random_() % Globals::NumGases);
    double sum = 0.0;
    for (int k = 0; k < count; ++k) {
      const double part = 0.02 + Uniform();
      x[random_() % Globals::NumGases] += part;
      sum += part;
    }
    for (double& xi : x) xi /= sum;
    return x;
  }
  double Uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }
  std::mt19937& Engine() { return random_; }

 private:
  std::mt19937 random_;
};

class LiteralReference : public EngineTest {};

TEST_F(LiteralReference, DeterminantsAndTheirFactors) {
  Fluids fluids(11);
  std::normal_distribution<double> element(0.0, 1.0);
  for (int trial = 0; trial < 4000; ++trial) {
    const int rows = 1 + trial % Matrix::MaxOrder, cols = 1 + (trial / 11) % Matrix::MaxOrder;
    Matrix M(rows, cols);
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        // Some exact zeros, ties and wide ranges of magnitude.
        const int kind = static_cast<int>(fluids.Engine()() % 8);
        M(r, c) = kind == 0 ? 0.0 : kind == 1 ? 1.0 : element(fluids.Engine()) * std::pow(10.0, 6 * element(fluids.Engine()));
      }
    }
    Matrix expected = M, actual = M;
    ASSERT_TRUE(sameBits(literal::Det(expected), Globals::Det_LU_Decomposition(actual))) << trial;
    ASSERT_TRUE(sameBits(expected, actual)) << trial;
  }
}

// Spinodal, derivative, cofactor and critical matrices and the determinants at points
// on and off the spinodal, below and above the co-volume.
TEST_F(LiteralReference, StabilityMatricesOfManyFluids) {
  Fluids fluids(5);
  for (int trial = 0; trial < 400; ++trial) {
    const Globals::Composition x = fluids.Next();
    const double b = Globals::bMixture(x);
    const double V = b * (0.8 + 6 * fluids.Uniform());
    double T = Globals::SpinDetSolution(x, 1000, V);
    if (trial % 3 == 0 || !(T > 0.0)) T = 50 + 900 * fluids.Uniform();
    const Matrix Q = Globals::SpinodalMatrix(x, T, V);
    ASSERT_TRUE(sameBits(literal::SpinodalMatrix(x, T, V), Q)) << trial;
    for (int k = -1; k < Globals::NumGases; ++k) {
      ASSERT_TRUE(sameBits(literal::DerivativeMatrix(k, x, T, V), Globals::DerivativeMatrix(k, x, T, V))) << k;
    }
    ASSERT_TRUE(sameBits(literal::CofactorMatrix(Q), Globals::CofactorMatrix(Q))) << trial;
    Matrix expected = literal::CriticalMatrix(x, T, V), actual = Globals::CriticalMatrix(x, T, V);
    ASSERT_TRUE(sameBits(expected, actual)) << trial;
    ASSERT_TRUE(sameBits(literal::Det(expected), Globals::Det_LU_Decomposition(actual))) << trial;
  }
}

// Spinodal temperatures from every start of the windows' ladders, at volumes
// from below the co-volume to far out, where many searches run to their
// pass limit. The engine keeps the literal search's result wherever the
// determinant changes sign across it; elsewhere the literal result is no
// zero (0, or no sign change within 1e-9 of it) and the engine gives a
// temperature across which the sign changes, or 0.
TEST_F(LiteralReference, SpinodalTemperatures) {
  Fluids fluids(3);
  int exhausted = 0, kept = 0, mended = 0, failed = 0;
  for (int trial = 0; trial < 1500; ++trial) {
    const Globals::Composition x = fluids.Next();
    const double b = Globals::bMixture(x);
    const double V = b * std::pow(10.0, -0.1 + 2.5 * fluids.Uniform());
    for (double T0 : {1000.0, 600.0, 500.0, 300.0, 250.0, 1 + 2000 * fluids.Uniform()}) {
      bool usedEveryPass = false;
      const double expected = literal::SpinDetSolution(x, T0, V, &usedEveryPass);
      exhausted += usedEveryPass;
      const double actual = Globals::SpinDetSolution(x, T0, V);
      if (sameBits(expected, actual)) {
        ASSERT_TRUE(actual == 0.0 || spinodalSignChange(x, actual, V, 1e-6)) << trial << " from " << T0;
        ++kept;
        continue;
      }
      ASSERT_FALSE(expected > 0 && spinodalSignChange(x, expected, V, 1e-9)) << trial << " from " << T0;
      if (actual == 0.0) {
        ++failed;
      } else {
        ASSERT_TRUE(spinodalSignChange(x, actual, V, 1e-6)) << trial << " from " << T0 << ": " << actual;
        ++mended;
      }
    }
  }
  EXPECT_GT(exhausted, 20);  // searches that run to the pass limit are covered too
  EXPECT_GT(mended, 100);
  std::printf("kept %d, mended %d, failed %d\n", kept, mended, failed);
}

}  // namespace
