#include "EngineTestSupport.h"

#include <limits>

namespace {

using namespace enginetest;
using Globals::NumGases;

class RaoultPressure : public EngineTest {};
class WilsonDistribution : public EngineTest {};
class Normaliser : public EngineTest {};

TEST_F(RaoultPressure, OfAPureGasIsItsSaturationPressureInBothModes) {
  for (int gas = 0; gas < NumGases; ++gas) {
    for (double T : {150.0, 300.0}) {
      double Psat = Globals::SaturationPressure(gas, T);
      ASSERT_GT(Psat, 0.0);
      auto x = pureGas(gas);
      EXPECT_EQ(Globals::RaoultPressure(x, T, 0), Psat) << Globals::GasNames[gas] << " " << T;
      EXPECT_DOUBLE_EQ(Globals::RaoultPressure(x, T, 1), Psat) << Globals::GasNames[gas] << " " << T;
      EXPECT_EQ(Globals::RaoultPressure(x, T, 2), 0.0);
    }
  }
}

TEST_F(RaoultPressure, BubbleAndDewPressuresOfABinary) {
  const double T = 250;
  double P1 = Globals::SaturationPressure(1, T), P3 = Globals::SaturationPressure(3, T);
  auto x = mixture({{1, 0.3}, {3, 0.7}});
  double bubble = Globals::RaoultPressure(x, T, 0);
  double dew = Globals::RaoultPressure(x, T, 1);
  // Raoult's law: the liquid's total pressure; the vapour whose liquid is in
  // equilibrium, y_i P = x_i Psat_i with sum x_i = 1.
  EXPECT_TRUE(relativelyNear(0.3 * P1 + 0.7 * P3, bubble, 1e-14));
  double liquid1 = 0.3 * dew / P1, liquid3 = 0.7 * dew / P3;
  EXPECT_NEAR(liquid1 + liquid3, 1.0, 1e-14);
  EXPECT_GT(bubble, dew);
  EXPECT_LT(dew, std::max(P1, P3));
  EXPECT_GT(dew, std::min(P1, P3));
}

TEST_F(RaoultPressure, DewModeSkipsNonPositiveSaturationPressures) {
  // Argon's straight line is negative a little below its triple point.
  const double T = 80;
  double PAr = Globals::SaturationPressure(8, T);
  ASSERT_LT(PAr, 0.0);
  EXPECT_EQ(Globals::RaoultPressure(pureGas(8), T, 0), PAr);
  EXPECT_EQ(Globals::RaoultPressure(pureGas(8), T, 1), 0.1);
  EXPECT_EQ(Globals::RaoultPressure(Globals::Composition{}, 300, 1), 0.1);
  EXPECT_EQ(Globals::RaoultPressure(Globals::Composition{}, 300, 0), 0.0);
}

TEST_F(WilsonDistribution, IsOneAtTheCriticalPointAndFollowsTheAcentricFactor) {
  Globals::CriticalValues();
  for (int gas = 0; gas < NumGases; ++gas) {
    const double Tc = Globals::Tcrit[gas], Pc = Globals::Pcrit[gas], w = Globals::Acentric[gas];
    EXPECT_EQ(Globals::WilsonDistribution(Tc, Pc)[gas], 1.0) << Globals::GasNames[gas];
    EXPECT_DOUBLE_EQ(Globals::WilsonDistribution(Tc, 1.0)[gas], Pc);
    // By the definition of the acentric factor, the reduced vapour pressure
    // at 0.7 Tc is 10^-(1 + w); Wilson's K times P/Pc reproduces it.
    double reduced = Globals::WilsonDistribution(0.7 * Tc, 2.0)[gas] * 2.0 / Pc;
    EXPECT_TRUE(relativelyNear(std::pow(10.0, -(1 + w)), reduced, 2e-4)) << Globals::GasNames[gas];
  }
}

TEST_F(WilsonDistribution, AllOnesWithoutPositiveTemperatureAndPressure) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [T, P] : {std::pair{300.0, 0.0}, {0.0, 1.0}, {-5.0, 1.0}, {300.0, -1.0}, {nan, 1.0},
                      {300.0, nan}}) {
    for (double K : Globals::WilsonDistribution(T, P)) EXPECT_EQ(K, 1.0) << T << " " << P;
  }
  // Without a positive T and P the critical tables are not even loaded.
  EXPECT_EQ(Globals::Tcrit[0], 0.0);
}

// The fluid window's integers are never the normaliser's.
TEST_F(Normaliser, LeavesAUnitSumAlone) {
  Globals::IntegerFraction[4] = 123;
  auto x = mixture({{0, 0.1}, {2, 0.2}, {9, 0.7}});
  auto before = x;
  EXPECT_EQ(Globals::Normaliser(x), 1.0);
  EXPECT_EQ(x, before);
  EXPECT_EQ(Globals::IntegerFraction, (std::array<std::int64_t, NumGases>{0, 0, 0, 0, 123}));
}

TEST_F(Normaliser, RescalesToAUnitSumAndReturnsTheOldTotal) {
  auto x = mixture({{0, 0.25}, {1, 0.25}});
  EXPECT_EQ(Globals::Normaliser(x), 0.5);
  EXPECT_EQ(x, mixture({{0, 0.5}, {1, 0.5}}));

  x = mixture({{0, 0.5}, {1, 0.75}});
  EXPECT_EQ(Globals::Normaliser(x), 1.25);
  EXPECT_DOUBLE_EQ(x[0], 0.4);
  EXPECT_DOUBLE_EQ(x[1], 0.6);
  for (int i = 2; i < NumGases; ++i) EXPECT_EQ(x[i], 0.0);

  // Rescaled from the quantised fractions: 0.4 units of the grain are lost.
  x = mixture({{0, 0.25 + 4e-13}, {1, 0.25}});
  EXPECT_EQ(Globals::Normaliser(x), 0.5);
  EXPECT_EQ(x[0], 0.5);
  EXPECT_EQ(Globals::IntegerFraction, (std::array<std::int64_t, NumGases>{}));
}

// Integers that sum to 0 give no proportions; the fractions' own do.
TEST_F(Normaliser, FractionsBelowTheGrainKeepTheirProportions) {
  Globals::IntegerFraction[4] = 123;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    Globals::Composition x, expected;
  };
  const Row rows[] = {
      {"all zero stays zero", {}, {}},
      // A liquid in equilibrium with a vapour at 1e-63 MPa: z_i / K_i.
      {"every part below the grain", mixture({{3, 1e-40}, {5, 3e-40}}), mixture({{3, 0.25}, {5, 0.75}})},
      {"a NaN counts as 0", mixture({{0, 4e-13}, {1, nan}, {2, 1e-13}}), mixture({{0, 0.8}, {2, 0.2}})},
      {"parts of both signs that cancel stay", mixture({{0, 0.5}, {1, -0.5}}), mixture({{0, 0.5}, {1, -0.5}})},
      {"a NaN alone becomes 0", mixture({{6, nan}}), {}},
  };
  for (const Row& row : rows) {
    auto x = row.x;
    EXPECT_EQ(Globals::Normaliser(x), 0.0) << row.name;
    for (int i = 0; i < NumGases; ++i) EXPECT_DOUBLE_EQ(x[i], row.expected[i]) << row.name << " " << i;
  }
  EXPECT_EQ(Globals::IntegerFraction[4], 123);
}

TEST_F(Normaliser, ExtremeFractionsSaturateInsteadOfOverflowing) {
  constexpr auto max = std::numeric_limits<std::int64_t>::max();
  // x_i = z_i / K_i with a vanishing K_i: far beyond the 64-bit range.
  auto x = mixture({{0, 1e300}, {1, 0.5}, {2, std::numeric_limits<double>::quiet_NaN()}});
  double total = Globals::Normaliser(x);
  EXPECT_DOUBLE_EQ(total, static_cast<double>(max) / 1e12);
  EXPECT_EQ(x[0], 1.0);
  EXPECT_GE(x[1], 0.0);
  EXPECT_LT(x[1], 1e-6);
  EXPECT_EQ(x[2], 0.0);
}

}  // namespace
