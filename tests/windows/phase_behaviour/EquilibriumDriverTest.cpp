// Both two-phase windows driven over random fluids of 1 to 11 gases, over
// temperatures from a third of the fluid's pseudo-critical temperature to
// above it, given pressures, typed starts and bulk molar volumes, and every
// sixth run over decades around those (temperatures from a thousandth to a
// hundred times the pseudo-critical one, pressures from 1e-8 to 1e4 MPa,
// starts a million times off, bulk volumes up to 1e8 times b): whatever a
// run shows as a solution is one by the reference, and after every press no
// infinity or NaN is shown.

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>

#include "tests/windows/FiniteChecks.h"
#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"

namespace {

using namespace phasetest;

class EquilibriumDriverTest : public WindowTest {
 protected:
  std::mt19937 random{20240516};
  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }

  // 1 to 11 gases in random parts spanning four decades; returns the
  // fraction-weighted critical temperature.
  double RandomFluid() {
    std::array<int, Globals::NumGases> gases;
    for (int i = 0; i < Globals::NumGases; ++i) gases[i] = i;
    std::shuffle(gases.begin(), gases.end(), random);
    const int count = 1 + static_cast<int>(random() % Globals::NumGases);
    Globals::Composition z{};
    double sum = 0;
    for (int k = 0; k < count; ++k) sum += z[gases[k]] = std::pow(10.0, Uniform(-4, 0));
    for (double& part : z) part /= sum;
    Globals::fraction = z;
    Globals::CriticalValues();
    double Tpc = 0;
    for (int i = 0; i < Globals::NumGases; ++i) Tpc += z[i] * Globals::Tcrit[i];
    return Tpc;
  }

  struct Counts {
    int solutions = 0, trivial = 0, none = 0, other = 0;
    int presses = 0, nonFinite = 0;
  };

  // A press, then what the window shows checked for infinities and NaNs.
  static void PressAndCheck(fw::Window& window, const char* button, const std::string& where, Counts& counts) {
    Press(window, button);
    ++counts.presses;
    counts.nonFinite += ExpectNoNonFiniteShown(window, where + " " + button);
  }

  void Report(const Counts& counts) {
    RecordProperty("solutions", counts.solutions);
    RecordProperty("trivial", counts.trivial);
    RecordProperty("no_solution", counts.none);
    RecordProperty("presses_checked_finite", counts.presses);
    RecordProperty("non_finite_shown", counts.nonFinite);
    EXPECT_EQ(counts.nonFinite, 0);
  }

  static void Count(const std::string& status, Counts& counts) {
    if (StartsWith(status, "Solution after")) ++counts.solutions;
    else if (status == kTrivial) ++counts.trivial;
    else if (status == kNoSolution) ++counts.none;
    else ++counts.other;
  }
};

TEST_F(EquilibriumDriverTest, BubbleDewPointShowsOnlyTrueEquilibria) {
  BubbleDewPoint& window = Open<BubbleDewPoint>();
  Counts counts;
  for (int run = 0; run < 240; ++run) {
    const double Tpc = RandomFluid();
    const bool pressureGiven = run % 4 == 3;
    const bool wide = run % 6 == 5;
    const char* mode = random() % 2 ? "Liquid1" : "Vapour1";
    double T = 0, P = 0;
    if (pressureGiven) {
      P = wide ? std::pow(10.0, Uniform(-8, 4)) : std::pow(10.0, Uniform(-1.5, 1.3));
      Choose(window, "RadioButtonPh");
      Enter(window, "dataEntryPh", rt::Str(P));
    } else {
      T = Tpc * (wide ? std::pow(10.0, Uniform(-3, 2)) : Uniform(0.3, 1.1));
      Choose(window, "RadioButtonTh");
      Enter(window, "dataEntryTh", rt::Str(T));
    }
    Choose(window, mode);
    const std::string where = "run " + std::to_string(run) + " " + mode + (pressureGiven ? " P " + rt::Str(P) : " T " + rt::Str(T));
    PressAndCheck(window, "FirstApproach", where, counts);
    const double start = rt::Val(window.editField("dataEntry2").Text());
    if (wide) Enter(window, "dataEntry2", rt::Str((pressureGiven ? Tpc : start) * std::pow(10.0, Uniform(-6, 6))));
    else if (pressureGiven) Enter(window, "dataEntry2", rt::Str(Tpc * Uniform(0.4, 1.0)));
    else if (run % 3 == 0) Enter(window, "dataEntry2", rt::Str(start * Uniform(0.5, 2)));
    PressAndCheck(window, "calculate", where, counts);
    const std::string status = TextOf(window, "ResultText");
    Count(status, counts);
    if (!StartsWith(status, "Solution after")) continue;
    (pressureGiven ? T : P) = NumberOf(window, "Answer");
    ExpectEquilibrium(window, T, P, where);
  }
  EXPECT_EQ(counts.other, 0);
  EXPECT_GT(counts.solutions, 60);
  Report(counts);
}

TEST_F(EquilibriumDriverTest, LiquidVapourEqShowsOnlyTrueEquilibria) {
  LiquidVapourEq& window = Open<LiquidVapourEq>();
  Counts counts;
  for (int run = 0; run < 160; ++run) {
    const double Tpc = RandomFluid();
    const bool wide = run % 6 == 5;
    const double T = Tpc * (wide ? std::pow(10.0, Uniform(-3, 2)) : Uniform(0.3, 1.0));
    const double Vb = Globals::bMixture(Globals::fraction) * std::pow(10.0, wide ? Uniform(-0.5, 8) : Uniform(0.1, 2.5));
    Enter(window, "dataEntry", rt::Str(Vb));
    Enter(window, "dataEntry1", rt::Str(T));
    const std::string where = "run " + std::to_string(run) + " T " + rt::Str(T) + " Vb " + rt::Str(Vb);
    PressAndCheck(window, "CalFirstApproach", where, counts);
    if (wide) Enter(window, "dataEntry2", rt::Str(rt::Val(window.editField("dataEntry2").Text()) * std::pow(10.0, Uniform(-6, 6))));
    PressAndCheck(window, "calculate", where, counts);
    const std::string status = TextOf(window, "ResultText");
    Count(status, counts);
    if (!StartsWith(status, "Solution after")) continue;
    ExpectEquilibrium(window, T, NumberOf(window, "Answer"), where);
  }
  EXPECT_GT(counts.solutions, 30);
  Report(counts);
  RecordProperty("fractions_failure", counts.other);
}

}  // namespace
