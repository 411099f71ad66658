// The half-secant iteration, its end report and the split helpers of the
// two-phase windows, on balances whose zeros are known.

#include "windows/phase_behaviour/HalfSecant.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/phase_behaviour/TwoPhases.h"

namespace {

using namespace phasetest;
using phase::HalfSecant;
using phase::kPassLimit;
using phase::SecantRun;

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
  EXPECT_TRUE(run.Stopped());
  EXPECT_EQ(run.counter, kPassLimit + 11);
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
  EXPECT_EQ(run.counter, kPassLimit + 1);
  EXPECT_EQ(run.reported, kPassLimit);
  EXPECT_FALSE(run.Stopped());
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
  EXPECT_EQ(never.counter, kPassLimit + 1);
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
  EXPECT_EQ(over.counter, kPassLimit + 2);
  EXPECT_EQ(over.reported, 0);
}

// The end report on a status label, with fabricated outcomes.
class EndReportTest : public WindowTest {
 protected:
  fw::Window& window = Open<LiquidVapourEq>();
  fw::StaticText& status = window.staticText("ResultText");
  Globals::Composition x{}, y{};
  SecantRun run{.counter = kPassLimit + 11, .reported = 7, .X = 3.0, .F = 1e-12};
  int resets = 0, checks = 0;

  void SetUp() override {
    WindowTest::SetUp();
    SetFluid({{CO2, 0.5}, {CH4, 0.5}});
    x[CO2] = 0.5, x[CH4] = 0.5;
    y[CO2] = 0.2, y[CH4] = 0.8;
  }
  std::string Report(double Vx, double Vy) {
    phase::EndReport(status, {run, x, y, Vx, Vy},
                     {.captionReset = [this] { ++resets; }, .finalCheck = [this] { ++checks; }});
    return status.Text();
  }
};

TEST_F(EndReportTest, ASolutionReportsItsPassCountAndRunsTheFinalCheck) {
  EXPECT_EQ(Report(70, 400), "Solution after 7 iterations");
  EXPECT_EQ(resets, 0);
  EXPECT_EQ(checks, 1);
  run.reported = 1;
  EXPECT_EQ(Report(70, 400), "Solution after 1 iterations");
}

// Each of the conditions of a solution on its own: X above 0, |F| at most
// 1e-9, each molar volume finite and above its own phase's co-volume.
TEST_F(EndReportTest, AStopThatSolvedNothingIsNoSolution) {
  const double bx = Globals::bMixture(x), by = Globals::bMixture(y);
  EXPECT_EQ(Report(bx * 1.0001, by * 2), "Solution after 7 iterations");
  struct Case {
    double X, F, Vx, Vy;
  };
  for (const Case c : {Case{0.0, 0.0, 70, 400}, Case{kNaN, 0.0, 70, 400}, Case{3.0, 2e-9, 70, 400},
                       Case{3.0, kNaN, 70, 400}, Case{3.0, 0.0, bx, 400}, Case{3.0, 0.0, -70, 400},
                       Case{3.0, 0.0, 70, by}, Case{3.0, 0.0, 70, INFINITY}, Case{3.0, 0.0, 70, kNaN}}) {
    run.X = c.X;
    run.F = c.F;
    checks = 0;
    EXPECT_EQ(Report(c.Vx, c.Vy), kNoSolution) << c.X << " " << c.F << " " << c.Vx << " " << c.Vy;
    EXPECT_EQ(checks, 0);
  }
  run = SecantRun{.counter = kPassLimit + 1, .reported = kPassLimit, .X = 3.0, .F = 0.0};
  EXPECT_EQ(Report(70, 400), kNoSolution);
}

// A stop in the first pass counts as no solution unless the phases look the same.
TEST_F(EndReportTest, AStopInTheFirstPassSaysNoSolutionUnlessTrivial) {
  run.reported = 0;
  EXPECT_EQ(Report(70, 400), kNoSolution);
  EXPECT_EQ(checks, 1);
  y = x;
  EXPECT_EQ(Report(70, 400), kTrivial);
}

// The trivial check looks only at the first gas present: equal fractions
// (for a fraction below 1), or molar volumes within 1 % of Vx.
TEST_F(EndReportTest, TheTrivialCheckDecidesOnTheFirstPresentGas) {
  y[CO2] = 0.50005;  // CH4 differs, CO2 is the first present gas
  EXPECT_EQ(Report(70, 400), kTrivial);
  EXPECT_EQ(resets, 1);
  y[CO2] = 0.2;
  EXPECT_EQ(Report(100, 100.9), kTrivial);
  EXPECT_EQ(Report(100, 101.1), "Solution after 7 iterations");

  SetFluid({{CH4, 1.0}});  // a pure fluid: only the volumes can warn
  x = y = Globals::fraction;
  EXPECT_EQ(Report(50, 400), "Solution after 7 iterations");
  EXPECT_EQ(Report(100, 100.5), kTrivial);
}

TEST(DivideBySums, TotalsNotAbove0CountAsOne) {
  Globals::Composition x{}, y{};
  x[CO2] = 1.0, x[CH4] = 3.0;
  phase::DivideBySums(x, y, {.Sx = 4.0, .Sy = 0.0});
  EXPECT_EQ(x[CH4], 0.75);
  EXPECT_EQ(y, Globals::Composition{});
  y[CO2] = -2;
  phase::DivideBySums(x, y, {.Sx = kNaN, .Sy = -2.0});
  EXPECT_EQ(x[CH4], 0.75);
  EXPECT_EQ(y[CO2], -2.0);
}

}  // namespace
