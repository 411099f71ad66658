#include "EngineTestSupport.h"

#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>

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

// Where the integers give no proportions (they sum to 0) or are not exact
// (beyond the 64-bit range), the fractions' own Double total does: it is the
// result, and x is divided by it.
TEST_F(Normaliser, WithoutExactIntegersTheFractionsOwnTotalRescales) {
  Globals::IntegerFraction[4] = 123;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    Globals::Composition x, expected;
    double total;
  };
  const Row rows[] = {
      // A liquid in equilibrium with a vapour at 1e-63 MPa: z_i / K_i.
      {"every part below the grain", mixture({{3, 1e-40}, {5, 3e-40}}), mixture({{3, 0.25}, {5, 0.75}}), 4e-40},
      {"a NaN counts as 0", mixture({{0, 4e-13}, {1, nan}, {2, 1e-13}}), mixture({{0, 0.8}, {2, 0.2}}), 5e-13},
      // Each 1e19 units, beyond the integers: they saturated to {1, 1}.
      {"two parts of 1e7", mixture({{1, 1e7}, {9, 1e7}}), mixture({{1, 0.5}, {9, 0.5}}), 2e7},
      // Each in range, but their sum 1.8e19 units is not.
      {"a sum beyond the integers", mixture({{1, 9e6}, {9, 9e6}}), mixture({{1, 0.5}, {9, 0.5}}), 1.8e7},
      {"parts of both signs", mixture({{1, -1e7}, {9, 3e7}}), mixture({{1, -0.5}, {9, 1.5}}), 2e7},
      // x_i = z_i / K_i with a vanishing K_i.
      {"one part of 1e300", mixture({{0, 1e300}, {1, 0.5}, {2, nan}}), mixture({{0, 1.0}, {1, 5e-301}}), 1e300},
  };
  for (const Row& row : rows) {
    auto x = row.x;
    EXPECT_DOUBLE_EQ(Globals::Normaliser(x), row.total) << row.name;
    for (int i = 0; i < NumGases; ++i) EXPECT_DOUBLE_EQ(x[i], row.expected[i]) << row.name << " " << i;
  }
  EXPECT_EQ(Globals::IntegerFraction[4], 123);
}

// A composition that cannot be brought to a unit sum is left as it was, and
// the result NaN says so. Typed into a phase list, {1e-6, -1e-6, 1e-320}
// became {inf, -inf, 1}.
TEST_F(Normaliser, WhatCannotSumTo1IsLeftAsItWasWithANaNResult) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    const char* name;
    Globals::Composition x;
  };
  const Row rows[] = {
      {"all zero", {}},
      {"parts that cancel", mixture({{0, 0.5}, {1, -0.5}})},
      {"a total below the quotients' range", mixture({{1, 1e-6}, {9, -1e-6}, {10, 1e-320}})},
      {"a total beyond the Doubles", mixture({{1, 1e308}, {9, 1e308}})},
      {"an infinite part", mixture({{1, inf}, {9, 0.5}})},
      {"infinities of both signs", mixture({{1, inf}, {9, -inf}})},
      {"a NaN alone", mixture({{6, nan}})},
  };
  for (const Row& row : rows) {
    auto x = row.x;
    EXPECT_TRUE(std::isnan(Globals::Normaliser(x))) << row.name;
    for (int i = 0; i < NumGases; ++i) EXPECT_EQ(x[i], std::isnan(row.x[i]) ? 0.0 : row.x[i]) << row.name << " " << i;
  }
}

// A NaN counts as 0 and becomes 0 on the integers' paths too (the own
// total's are above): where they already sum to 10^12 and where they
// rescale.
TEST_F(Normaliser, ANaNCountsAs0AndBecomes0OnEveryPath) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    Globals::Composition x;
    double total;
    Globals::Composition expected;
  };
  const Row rows[] = {
      {"integers summing to 10^12", mixture({{0, nan}, {3, 0.25}, {8, 0.75}}), 1.0, mixture({{3, 0.25}, {8, 0.75}})},
      {"integers that rescale", mixture({{0, nan}, {3, 0.25}, {8, 0.70}}), 0.95,
       mixture({{3, 0.25 / 0.95}, {8, 0.70 / 0.95}})},
  };
  for (const Row& row : rows) {
    auto x = row.x;
    EXPECT_DOUBLE_EQ(Globals::Normaliser(x), row.total) << row.name;
    for (int i = 0; i < NumGases; ++i) EXPECT_DOUBLE_EQ(x[i], row.expected[i]) << row.name << " " << i;
  }
}

// Finite compositions of parts of one sign, from below the grain to 1e300:
// wherever their total is a finite Double, they come out finite, summing to
// 1 and in the same proportions; elsewhere they are left as they were.
TEST_F(Normaliser, FiniteCompositionsOfOneSignStayFiniteAndSumTo1) {
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> exponent(-320, 300), mantissa(1, 10), unit(0.5, 1);
  int normalised = 0, refused = 0;
  for (int n = 0; n < 20000; ++n) {
    Globals::Composition x{};
    const int parts = 1 + static_cast<int>(random() % NumGases);
    const double sign = n % 2 ? 1.0 : -1.0;
    for (int k = 0; k < parts; ++k) {
      // Every tenth composition near the largest Double, where two parts
      // add up beyond it.
      const double magnitude = n % 10 == 0 ? 1.7e308 * unit(random) : mantissa(random) * std::pow(10.0, exponent(random));
      x[random() % NumGases] = sign * magnitude;
    }
    const auto before = x;
    long double total = 0;
    for (double xi : x) total += xi;
    const double result = Globals::Normaliser(x);
    if (!std::isfinite(static_cast<double>(total)) || total == 0) {
      ++refused;
      EXPECT_TRUE(std::isnan(result)) << n;
      EXPECT_EQ(x, before) << n;
      continue;
    }
    ++normalised;
    ASSERT_FALSE(std::isnan(result)) << n;
    // The integers round each part to the grain: eleven halves of 10^-12.
    EXPECT_NEAR(result, static_cast<double>(total), 5.5e-12 + 1e-15 * std::fabs(result)) << n;
    double sum = 0;
    for (int i = 0; i < NumGases; ++i) {
      ASSERT_TRUE(std::isfinite(x[i])) << n;
      EXPECT_GE(x[i], 0.0) << n;
      sum += x[i];
      // Proportions kept, to the grain of the integers (half of 10^-12 on
      // the part, 5.5 on the total) relative to the total, to rounding
      // otherwise.
      const double expected = static_cast<double>(before[i] / total);
      EXPECT_NEAR(x[i], expected, 6e-12 / std::fabs(result) + 1e-15) << n << " " << i;
    }
    EXPECT_NEAR(sum, 1.0, 1e-14) << n;
  }
  EXPECT_GT(normalised, 15000);
  EXPECT_GT(refused, 50);
}

// The spec'd integer algorithm, written out with the standard library's
// rounding: for compositions whose integers are exact and do not sum to 0
// the normaliser gives the same bits, in its result and in x.
TEST_F(Normaliser, OrdinaryCompositionsKeepTheBitsOfTheIntegerAlgorithm) {
  // None where the integers' sum leaves the 64-bit range or is 0: no
  // ordinary composition.
  const auto reference = [](Globals::Composition& x) -> std::optional<double> {
    std::int64_t integers[NumGases], sum = 0;
    for (int i = 0; i < NumGases; ++i) {
      integers[i] = std::llround(1e12 * x[i]);
      if (__builtin_add_overflow(sum, integers[i], &sum)) return std::nullopt;
    }
    if (sum == 0) return std::nullopt;
    if (sum != 1'000'000'000'000) {
      for (int i = 0; i < NumGases; ++i) x[i] = static_cast<double>(integers[i]) / static_cast<double>(sum);
    }
    return static_cast<double>(sum) / 1e12;
  };
  std::mt19937_64 random(77);
  std::uniform_real_distribution<double> exponent(-12, 6.9), unit(0, 1);
  int compared = 0;
  for (int n = 0; n < 200000; ++n) {
    Globals::Composition x{};
    const int parts = 1 + static_cast<int>(random() % NumGases);
    for (int k = 0; k < parts; ++k) {
      const double magnitude = n % 3 == 0 ? unit(random) : std::pow(10.0, exponent(random));
      x[random() % NumGases] = (n % 5 == 0 && k % 2) ? -magnitude : magnitude;
    }
    if (n % 7 == 0) {  // typed to twelve decimals, as the fluid window takes them
      for (double& xi : x) xi = std::round(xi * 1e12) / 1e12;
    }
    auto expected = x;
    const std::optional<double> expectedTotal = reference(expected);
    if (!expectedTotal) continue;
    const double total = Globals::Normaliser(x);
    ++compared;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(total), std::bit_cast<std::uint64_t>(*expectedTotal)) << n;
    for (int i = 0; i < NumGases; ++i)
      ASSERT_EQ(std::bit_cast<std::uint64_t>(x[i]), std::bit_cast<std::uint64_t>(expected[i])) << n << " " << i;
  }
  EXPECT_GT(compared, 150000);
  RecordProperty("compositions_compared", compared);
}

}  // namespace
