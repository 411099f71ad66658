// The end report of the two-phase windows on their status label, with
// fabricated outcomes, and the split helpers.

#include "windows/phase_behaviour/EndReport.h"

#include <limits>

#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/phase_behaviour/TwoPhases.h"

namespace {

using namespace phasetest;
using phase::kPassLimit;
using phase::SecantRun;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The end report on a status label, with fabricated outcomes.
class EndReportTest : public WindowTest {
 protected:
  fw::Window& window = Open<LiquidVapourEq>();
  fw::StaticText& status = window.staticText("ResultText");
  Globals::Composition x{}, y{};
  SecantRun run{.stop = phase::SecantStop::SmallStep, .reported = 7, .X = 3.0, .F = 1e-12};
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

// A run that is no solution says so and runs no final check.
TEST_F(EndReportTest, NoSolutionSaysSoWithoutTheFinalCheck) {
  run.F = 2e-9;
  EXPECT_EQ(Report(70, 400), kNoSolution);
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(checks, 0);
  run = SecantRun{.stop = phase::SecantStop::PassesUsedUp, .reported = kPassLimit, .X = 3.0, .F = 0.0};
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

// A trivial-looking solution warns and undoes the marks, then runs the
// final check.
TEST_F(EndReportTest, ATrivialSolutionWarns) {
  EXPECT_EQ(Report(100, 100.9), kTrivial);
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(checks, 1);
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
