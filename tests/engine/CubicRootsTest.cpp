#include "EngineTestSupport.h"

#include <algorithm>
#include <limits>

namespace {

using namespace enginetest;
using Globals::NumGases;
using Globals::R;
using Globals::RootArray;

class CubicRoots : public EngineTest {};

bool isZero(const RootArray& r) {
  for (const auto& row : r)
    for (double v : row)
      if (v != 0.0) return false;
  return true;
}

int realCount(const RootArray& r) {
  return static_cast<int>(std::count(r[1].begin(), r[1].end(), 0.0));
}

TEST_F(CubicRoots, ThreeRealRootsOfAFactoredCubic) {
  // (y - 1)(y - 2)(y - 4) = y^3 - 7y^2 + 14y - 8
  RootArray r = Globals::CubicEquation(-7, 14, -8);
  EXPECT_EQ(realCount(r), 3);
  EXPECT_NEAR(r[0][0], 2.0, 1e-13);  // middle
  EXPECT_NEAR(r[0][1], 1.0, 1e-13);  // smallest
  EXPECT_NEAR(r[0][2], 4.0, 1e-13);  // largest
}

TEST_F(CubicRoots, OneRealRootAndAConjugatePair) {
  // (y - 2)(y^2 + 2y + 5): roots 2 and -1 +- 2i
  RootArray r = Globals::CubicEquation(0, 1, -10);
  EXPECT_NEAR(r[0][0], 2.0, 1e-13);
  EXPECT_EQ(r[1][0], 0.0);
  EXPECT_NEAR(r[0][1], -1.0, 1e-13);
  EXPECT_NEAR(r[0][2], -1.0, 1e-13);
  EXPECT_NEAR(std::fabs(r[1][1]), 2.0, 1e-13);
  EXPECT_EQ(r[1][1], -r[1][2]);
  // p < 0 with |t| > 1: (y - 3)(y^2 + 3y + 3), roots 3 and -1.5 +- i sqrt(3)/2
  r = Globals::CubicEquation(0, -6, -9);
  EXPECT_NEAR(r[0][0], 3.0, 1e-13);
  EXPECT_NEAR(r[0][1], -1.5, 1e-13);
  EXPECT_NEAR(std::fabs(r[1][2]), std::sqrt(3.0) / 2, 1e-13);
  // and its mirror, t < -1: (y + 3)(y^2 - 3y + 3)
  r = Globals::CubicEquation(0, -6, 9);
  EXPECT_NEAR(r[0][0], -3.0, 1e-13);
  EXPECT_NEAR(r[0][2], 1.5, 1e-13);
}

TEST_F(CubicRoots, DoubleRootAtTheEdgeOfTheTrigonometricForm) {
  // (y - 1)^2 (y + 2) = y^3 - 3y + 2: t = -1 exactly
  RootArray r = Globals::CubicEquation(0, -3, 2);
  EXPECT_EQ(realCount(r), 3);
  std::array<double, 3> roots = {r[0][0], r[0][1], r[0][2]};
  std::sort(roots.begin(), roots.end());
  EXPECT_NEAR(roots[0], -2.0, 1e-13);
  EXPECT_NEAR(roots[1], 1.0, 1e-7);
  EXPECT_NEAR(roots[2], 1.0, 1e-7);
}

TEST_F(CubicRoots, VanishingPOrQGivesTheZeroArray) {
  EXPECT_TRUE(isZero(Globals::CubicEquation(0, 0, 8)));   // y^3 + 8: p = 0
  EXPECT_TRUE(isZero(Globals::CubicEquation(0, -1, 0)));  // y^3 - y: q = 0
}

TEST_F(CubicRoots, RootsOfTheVanDerWaalsCubicLieOnTheIsotherm) {
  struct Case { Globals::Composition x; double T, P; };
  const Case cases[] = {
      {pureGas(1), 280, 5.0},                          // CO2 between its spinodals
      {pureGas(0), 500, 2.0},                          // steam below Tc
      {pureGas(5), 300, 10.0},                         // supercritical H2
      {mixture({{1, 0.5}, {9, 0.5}}), 200, 3.0},
      {mixture({{0, 0.9}, {1, 0.1}}), 600, 50.0},
      {pureGas(3), 904.37, 264.40},                    // large negative t
      {pureGas(2), 2000, 1000.0},
  };
  for (const auto& c : cases) {
    RootArray r = Globals::Volume(c.x, c.T, c.P);
    double a = Globals::aMixture(c.x), b = Globals::bMixture(c.x);
    // Vieta: the roots sum to b + RT/P, whatever their kind.
    double sum = r[0][0] + r[0][1] + r[0][2];
    EXPECT_TRUE(relativelyNear(b + R * c.T / c.P, sum, 1e-12));
    for (int k = 0; k < 3; ++k) {
      if (r[1][k] != 0.0) continue;
      double P = Globals::Pressure(c.x, c.T, r[0][k]);
      EXPECT_NEAR(P, c.P, 1e-9 * (c.P + a / (b * b))) << "T " << c.T << " root " << k;
    }
  }
}

TEST_F(CubicRoots, HydrogenSulfideAtHighPressureKeepsItsDigits) {
  // One real root where the hyperbolic form meets large negative t.
  auto x = pureGas(3);
  RootArray r = Globals::Volume(x, 904.37, 264.40);
  EXPECT_EQ(r[1][0], 0.0);
  EXPECT_TRUE(relativelyNear(264.40, Globals::Pressure(x, 904.37, r[0][0]), 1e-12));
}

TEST_F(CubicRoots, ZeroPressureGivesZeroRootsAndRootChoiceZero) {
  RootArray r = Globals::Volume(pureGas(1), 300, 0);
  EXPECT_TRUE(isZero(r));
  for (int mode : {0, 1, 2}) {
    RootArray copy = r;
    EXPECT_EQ(Globals::VolumeChoice(copy, mode), 0.0);
  }
}

TEST_F(CubicRoots, EmptyFluidGivesTheIdealGasVolume) {
  RootArray r = Globals::Volume(Globals::Composition{}, 300, 0.1);
  std::array<double, 3> roots = {r[0][0], r[0][1], r[0][2]};
  std::sort(roots.begin(), roots.end());
  EXPECT_NEAR(roots[2], R * 300 / 0.1, 1e-9);
  EXPECT_NEAR(roots[0], 0.0, 1e-6);
  EXPECT_NEAR(roots[1], 0.0, 1e-6);
}

TEST_F(CubicRoots, RootChoiceTakesVapourAndLiquidLikeRoots) {
  auto x = pureGas(1);
  RootArray r = Globals::Volume(x, 280, 5.0);
  ASSERT_EQ(realCount(r), 3);
  RootArray copy = r;
  EXPECT_EQ(Globals::VolumeChoice(copy, 0), r[0][2]);
  copy = r;
  EXPECT_EQ(Globals::VolumeChoice(copy, 2), r[0][1]);
  copy = r;
  EXPECT_EQ(Globals::VolumeChoice(copy, 1), r[0][0]);
  EXPECT_LT(r[0][1], r[0][0]);
  EXPECT_LT(r[0][0], r[0][2]);
}

TEST_F(CubicRoots, RootChoiceWithOneRealRootZeroesTheComplexPair) {
  RootArray r = Globals::Volume(pureGas(5), 300, 10.0);
  ASSERT_EQ(realCount(r), 1);
  double real = r[0][0];
  for (int mode : {0, 2}) {
    RootArray copy = r;
    EXPECT_EQ(Globals::VolumeChoice(copy, mode), real);
    EXPECT_EQ(copy[0][1], 0.0);
    EXPECT_EQ(copy[0][2], 0.0);
    EXPECT_EQ(copy[1][1], r[1][1]);  // imaginary parts stay
  }
}

TEST_F(CubicRoots, RootChoiceChecksOnArbitraryArrays) {
  // Two real roots, the third complex: it takes part as 0.
  RootArray two = {{{5, 3, 7}, {0, 0, 1}}};
  RootArray copy = two;
  EXPECT_EQ(Globals::VolumeChoice(copy, 0), 5.0);
  copy = two;
  EXPECT_EQ(Globals::VolumeChoice(copy, 2), 0.0);
  // Three real roots in any order.
  RootArray any = {{{9, 1, 4}, {0, 0, 0}}};
  copy = any;
  EXPECT_EQ(Globals::VolumeChoice(copy, 0), 9.0);
  copy = any;
  EXPECT_EQ(Globals::VolumeChoice(copy, 2), 1.0);
  copy = any;  // R1 <= R2 <= R0 is none of the middle checks: the last real root
  EXPECT_EQ(Globals::VolumeChoice(copy, 1), 4.0);
  copy = any;
  EXPECT_EQ(Globals::VolumeChoice(copy, 7), 4.0);  // an unknown mode runs no check
  // Every comparison with a NaN holds: checks A (R0) and B (R1) both hold and
  // B, the later, wins; C fails on 4 <= 1.
  RootArray withNan = {{{std::numeric_limits<double>::quiet_NaN(), 1, 4}, {0, 0, 0}}};
  EXPECT_EQ(Globals::VolumeChoice(withNan, 2), 1.0);
}

}  // namespace
