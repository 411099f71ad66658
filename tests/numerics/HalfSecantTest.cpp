// The half-secant iteration of the two-phase windows on balances whose
// zeros are known, and the judgement of its outcome.

#include "numerics/HalfSecant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

using phase::HalfSecant;
using phase::kPassLimit;
using phase::SecantRun;
using phase::SecantStop;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// With F_prev = -0.01 and F_cur = 0.01 the first step is half the secant
// through the two start points: a quarter of the way to X_prev. On a linear
// balance every later step halves the distance to the zero.
TEST(HalfSecant, HalvesTheSecantStepAndConvergesOnALinearBalance) {
  std::vector<double> Xs;
  const SecantRun run = HalfSecant({.Xprev = 9, .Xcur = 10, .Fprev = -0.01, .Fcur = 0.01}, [&](double X) {
    Xs.push_back(X);
    return X - 2;
  });
  ASSERT_GE(Xs.size(), 3u);
  EXPECT_EQ(Xs[0], 9.75);
  // Half the secant through (10, 0.01) and (9.75, 7.75); from then on both
  // points lie on the line, and each half step halves the distance to 2.
  EXPECT_NEAR(Xs[1], 9.75 + 0.5 * 0.25 * 7.75 / 7.74, 1e-14);
  for (std::size_t k = 2; std::fabs(Xs[k] - 2) > 1e-8; ++k)
    EXPECT_NEAR((Xs[k] - 2) / (Xs[k - 1] - 2), 0.5, 1e-6);
  EXPECT_EQ(run.stop, SecantStop::SmallStep);
  EXPECT_TRUE(run.Stopped());
  EXPECT_EQ(run.reported + 1, static_cast<int>(Xs.size()));
  EXPECT_NEAR(run.X, 2.0, 1e-11);
}

TEST(HalfSecant, AnExactZeroBalanceStopsInThatPass) {
  int passes = 0;
  const SecantRun run = HalfSecant({.Xprev = 1, .Xcur = 2, .Fprev = 1, .Fcur = 2},
                                   [&](double) { return ++passes == 3 ? 0.0 : 5.0 * passes; });
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(run.reported, 2);
  EXPECT_TRUE(run.Stopped());
  EXPECT_EQ(run.F, 0.0);
}

// A NaN balance satisfies no stop rule: every pass runs.
TEST(HalfSecant, ARunWithoutAStopUsesEveryPass) {
  int passes = 0;
  const SecantRun run = HalfSecant({.Xprev = 1, .Xcur = 2, .Fprev = -1, .Fcur = 1}, [&](double) {
    ++passes;
    return kNaN;
  });
  EXPECT_EQ(passes, kPassLimit + 1);
  EXPECT_EQ(run.stop, SecantStop::PassesUsedUp);
  EXPECT_EQ(run.reported, kPassLimit);
  EXPECT_FALSE(run.Stopped());

  // A pass that cannot evaluate its X (it gives no balance) ends the run in
  // that pass, as no solution, with the X it could not evaluate.
  passes = 0;
  const SecantRun ended = HalfSecant({.Xprev = 1, .Xcur = 2, .Fprev = -1, .Fcur = 1},
                                     [&](double X) -> std::optional<double> {
                                       if (++passes == 3) return std::nullopt;
                                       return X - 10;
                                     });
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(ended.stop, SecantStop::Unevaluable);
  EXPECT_EQ(ended.reported, 2);
  EXPECT_FALSE(ended.Stopped());
}

// Equal balances: half the last change of X. A step to 0 or below halves
// the previous X instead.
TEST(HalfSecant, EqualBalancesAndStepsBelowZero) {
  std::vector<double> Xs;
  HalfSecant({.Xprev = 4, .Xcur = 8, .Fprev = 1, .Fcur = 1}, [&](double X) {
    Xs.push_back(X);
    return Xs.size() < 4 ? 1.0 : 0.0;
  });
  ASSERT_EQ(Xs.size(), 4u);
  EXPECT_EQ(Xs[0], 10.0);  // (8 - 4) / 2
  EXPECT_EQ(Xs[1], 11.0);  // (10 - 8) / 2
  EXPECT_EQ(Xs[2], 11.5);

  Xs.clear();
  HalfSecant({.Xprev = -10, .Xcur = 1, .Fprev = -1, .Fcur = 1}, [&](double X) {
    Xs.push_back(X);
    return 0.0;
  });
  // The step -2.75 would take X to -1.75; half of 1 instead.
  ASSERT_EQ(Xs.size(), 1u);
  EXPECT_EQ(Xs[0], 0.5);
}

// A small step or a zero balance ends the run only once the window's check
// finds the phases in equilibrium; until then the passes go on.
TEST(HalfSecant, StopsOnlyWhenTheEquilibriumCheckAgrees) {
  int checks = 0, passes = 0;
  const SecantRun run = HalfSecant(
      {.Xprev = 9, .Xcur = 10, .Fprev = -0.01, .Fcur = 0.01},
      [&](double X) {
        ++passes;
        return X - 2;
      },
      [&] { return ++checks > 5; });
  EXPECT_TRUE(run.Stopped());
  EXPECT_EQ(checks, 6);
  EXPECT_EQ(run.reported + 1, passes);
  EXPECT_NEAR(run.X, 2.0, 1e-11);

  // Never in equilibrium: every pass runs, and the run is no solution.
  checks = 0;
  const SecantRun never = HalfSecant({.Xprev = 9, .Xcur = 10, .Fprev = -0.01, .Fcur = 0.01},
                                     [](double X) { return X - 2; }, [&] { return ++checks < 0; });
  EXPECT_EQ(never.stop, SecantStop::PassesUsedUp);
  EXPECT_GT(checks, kPassLimit / 2);
}

// A zero balance makes a zero step, which leaves X in place. The secant's
// far end then stays at the last other X, so the next balance moves X again
// (a secant through one point would keep the step at 0 for good).
TEST(HalfSecant, APassThatLeavesXInPlaceKeepsTheFarEndOfTheSecant) {
  std::vector<double> Xs;
  const std::vector<double> balances = {0.0, -0.5, 0.0};
  HalfSecant(
      {.Xprev = 1, .Xcur = 2, .Fprev = -1, .Fcur = 1},
      [&](double X) {
        Xs.push_back(X);
        return balances[std::min(Xs.size(), balances.size()) - 1];
      },
      [&] { return Xs.size() >= 3; });
  ASSERT_EQ(Xs.size(), 3u);
  EXPECT_EQ(Xs[0], 1.75);  // a quarter of the way to 1
  EXPECT_EQ(Xs[1], 1.75);  // F = 0: no step
  // Half the secant through (2, 1) and (1.75, -0.5).
  EXPECT_DOUBLE_EQ(Xs[2], 1.75 + 0.5 * (2 - 1.75) * -0.5 / (-0.5 - 1));
}

// A step of exactly 1e300 is allowed; the next Double above it fails.
TEST(HalfSecant, OnlyAStepAbove1e300FailsTheRun) {
  const auto pass = [](double) { return 0.0; };
  const SecantRun edge = HalfSecant({.Xprev = 0, .Xcur = 2e300, .Fprev = 1, .Fcur = 1}, pass);
  EXPECT_TRUE(edge.Stopped());
  const SecantRun over =
      HalfSecant({.Xprev = 0, .Xcur = std::nextafter(2e300, 1e308), .Fprev = 1, .Fcur = 1}, pass);
  EXPECT_EQ(over.stop, SecantStop::StepTooLarge);
  EXPECT_FALSE(over.Stopped());
  EXPECT_EQ(over.reported, 0);
}

// The outcomes of a run, judged: a fluid of CO2 and CH4 in equal parts,
// phase X with the bulk composition, phase Y richer in CH4.
class OutcomeTest : public ::testing::Test {
 protected:
  static constexpr int kCO2 = 1, kCH4 = 9;
  Globals::Composition saved = Globals::fraction;
  Globals::Composition x{}, y{};
  SecantRun run{.stop = SecantStop::SmallStep, .reported = 7, .X = 3.0, .F = 1e-12};

  void SetUp() override {
    Globals::fraction = {};
    Globals::fraction[kCO2] = Globals::fraction[kCH4] = 0.5;
    x = Globals::fraction;
    y[kCO2] = 0.2, y[kCH4] = 0.8;
  }
  void TearDown() override { Globals::fraction = saved; }
  bool Solved(double Vx, double Vy) const { return phase::IsSolution({run, x, y, Vx, Vy}); }
  bool Trivial(double Vx, double Vy) const { return phase::LooksTrivial({run, x, y, Vx, Vy}); }
};

// Each of the conditions of a solution on its own: a stop by the stop rule,
// X above 0, |F| at most 1e-9, each molar volume finite and above its own
// phase's co-volume.
TEST_F(OutcomeTest, AStopThatSolvedNothingIsNoSolution) {
  const double bx = Globals::bMixture(x), by = Globals::bMixture(y);
  ASSERT_LT(bx, 70.0);
  ASSERT_GT(by, bx);  // CH4 has the larger co-volume
  EXPECT_TRUE(Solved(70, 400));
  EXPECT_TRUE(Solved(std::nextafter(bx, 1e9), std::nextafter(by, 1e9)));
  run.F = -1e-9;
  EXPECT_TRUE(Solved(70, 400));
  struct Case {
    const char* name;
    double X, F, Vx, Vy;
  };
  const Case cases[] = {
      {"X at 0", 0.0, 0.0, 70, 400},          {"X no number", kNaN, 0.0, 70, 400},
      {"|F| above 1e-9", 3.0, 2e-9, 70, 400}, {"F no number", 3.0, kNaN, 70, 400},
      {"Vx at bx", 3.0, 0.0, bx, 400},        {"Vx negative", 3.0, 0.0, -70, 400},
      {"Vy at by", 3.0, 0.0, 70, by},         {"Vy infinite", 3.0, 0.0, 70, INFINITY},
      {"Vy no number", 3.0, 0.0, 70, kNaN},
  };
  for (const Case& c : cases) {
    run.X = c.X;
    run.F = c.F;
    EXPECT_FALSE(Solved(c.Vx, c.Vy)) << c.name;
  }
  for (const SecantStop stop : {SecantStop::PassesUsedUp, SecantStop::StepTooLarge}) {
    run = SecantRun{.stop = stop, .reported = 7, .X = 3.0, .F = 0.0};
    EXPECT_FALSE(Solved(70, 400)) << static_cast<int>(stop);
  }
}

// The trivial check looks only at the first gas present: fractions within
// 1e-4 of each other (for a fraction below 1), or molar volumes within 1 %
// of Vx.
TEST_F(OutcomeTest, TheTrivialCheckDecidesOnTheFirstPresentGas) {
  EXPECT_FALSE(Trivial(70, 400));
  // CO2, the first present gas, with x = 0.5 in phase X; CH4 differs.
  struct Row {
    double yCO2;
    bool trivial;
  };
  const Row rows[] = {{0.50005, true},  {0.49991, true},  {0.50009, true},  {0.50011, false},
                      {0.49989, false}, {0.5005, false},  {0.4991, false},  {0.2, false}};
  for (const Row& row : rows) {
    y[kCO2] = row.yCO2;
    EXPECT_EQ(Trivial(70, 400), row.trivial) << "y(CO2) = " << row.yCO2;
  }
  y[kCO2] = 0.2;
  EXPECT_TRUE(Trivial(100, 100.9));
  EXPECT_TRUE(Trivial(100, 99.1));
  EXPECT_FALSE(Trivial(100, 101.1));

  Globals::fraction = {};
  Globals::fraction[kCH4] = 1.0;  // a pure fluid: only the volumes can tell
  x = y = Globals::fraction;
  EXPECT_FALSE(Trivial(50, 400));
  EXPECT_TRUE(Trivial(100, 100.5));
}

}  // namespace
