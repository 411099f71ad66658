// A random driver over the stability windows, as a user might try them:
// fluids of 1 to 11 gases in random parts, molar volumes from below the
// co-volume to far out, first guesses anywhere. Every spinodal temperature
// shown changes the sign of the reference's Hessian determinant across it,
// every critical point shown meets the reference's critical conditions, no
// label or cell shows a number that is not finite, and no spinodal
// temperature or critical point that the reference finds is missed.

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

#include "app/Start1Window.h"
#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/phase_behaviour/VdwHelmholtz.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/MathAnal.h"
#include "windows/phase_behaviour/SpinodalWindow.h"

namespace {

using namespace wintest;

class StabilityDriver : public WindowTest {
 protected:
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random_); }

  // 1 to 11 distinct gases in random parts summing to 1.
  Globals::Composition RandomFluid() {
    Globals::Composition x{};
    const int count = 1 + static_cast<int>(random_() % Globals::NumGases);
    double sum = 0.0;
    for (int k = 0; k < count;) {
      const int gas = static_cast<int>(random_() % Globals::NumGases);
      if (x[gas] > 0.0) continue;
      x[gas] = Uniform(0.02, 1.0);
      sum += x[gas];
      ++k;
    }
    for (double& xi : x) xi /= sum;
    return x;
  }

  // A result text: the given failure text, or a finite number.
  static bool FiniteOr(const std::string& text, const std::string& failure) {
    if (text == failure) return true;
    return std::isfinite(rt::Val(text)) && text.find("nan") == std::string::npos &&
           text.find("inf") == std::string::npos;
  }

  std::mt19937 random_{16};
};

// The fluid, for a failure message.
std::string Fluid() {
  std::string text;
  for (int gas = 0; gas < Globals::NumGases; ++gas)
    if (Globals::fraction[gas] > 0.0) text += std::string(" ") + Globals::GasNames[gas] + " " + rt::Str(Globals::fraction[gas]);
  return text;
}

// The counts of a run: results shown, failure texts, and failure texts where
// the reference finds a result.
void Report(const char* window, int shown, int none, int missed) {
  EXPECT_EQ(missed, 0);
  EXPECT_GT(shown, 60);
  std::printf("%s: %d shown, %d none, %d missed\n", window, shown, none, missed);
}

TEST_F(StabilityDriver, SpinodalWindow) {
  int shown = 0, none = 0, missed = 0;
  for (int trial = 0; trial < 160; ++trial) {
    SetFluid(RandomFluid());
    const vdwtest::Mixture m(Globals::fraction);
    // From below the co-volume to 1e8 times its distance from it.
    const double V = static_cast<double>(m.b()) * (1 + std::pow(10.0, Uniform(-3.5, 8)) * (trial % 16 ? 1 : -0.5));
    auto& window = Open<SpinodalWindow>();
    Enter(window, "dataEntry", rt::Str(V));
    Press(window, "calculate");
    const std::string T = TextOf(window, "ResultT"), P = TextOf(window, "ResultP");
    ASSERT_TRUE(FiniteOr(T, "no soluton") && FiniteOr(P, "no solution")) << T << ", " << P;
    if (T == "no soluton") {
      ASSERT_EQ(P, "no solution");
      ++none;
      // None where the reference has one at 0.1 K or above.
      if (V > m.b() && vdwtest::SpinodalTemperature(m, V) > 0.1 * (1 + 1e-6)) ++missed;
      continue;
    }
    ++shown;
    const double Ts = rt::Val(T);
    EXPECT_GE(Ts, 0.1);
    EXPECT_TRUE(vdwtest::SpinodalBetween(m, Ts, V)) << Fluid() << ": " << T << " K at " << V;
    const double Pref = static_cast<double>(m.Pressure(Ts, V));
    EXPECT_NEAR(rt::Val(P), Pref, 1e-8 * std::fabs(Pref) + 1e-9 * Globals::R * Ts / V) << trial;
  }
  Report("spinodal window", shown, none, missed);
}

TEST_F(StabilityDriver, CriticalPointWindow) {
  int shown = 0, none = 0, missed = 0;
  for (int trial = 0; trial < 60; ++trial) {
    SetFluid(RandomFluid());
    const vdwtest::Mixture m(Globals::fraction);
    std::optional<int> positivePressure;  // the reference's critical points at a positive pressure
    for (bool ownGuesses : {true, false}) {
      test::Activate(Start1Window::Get());
      auto& window = Open<CriticalPointWindow>();
      if (!ownGuesses) {
        Enter(window, "dataEntry1", rt::Str(static_cast<double>(m.b()) * std::pow(10.0, Uniform(-0.2, 3))));
        Enter(window, "dataEntry2", rt::Str(static_cast<double>(m.b()) * std::pow(10.0, Uniform(-0.2, 3))));
      }
      Press(window, "calculate");
      for (const char* label : {"ResultPseudoV", "ResultPseudoT", "ResultPseudoP"})
        ASSERT_TRUE(FiniteOr(TextOf(window, label), "")) << label;
      const std::string T = TextOf(window, "ResultT"), V = TextOf(window, "ResultV"), P = TextOf(window, "ResultP");
      if (T == "no solution") {
        ASSERT_EQ(V, "no solution");
        ASSERT_EQ(P, "no solution");
        ++none;
        // None where the reference finds one at a positive pressure.
        if (!positivePressure) {
          positivePressure = 0;
          for (const vdwtest::SpinodalPoint& point : vdwtest::CriticalPointsAlongSpinodal(m))
            *positivePressure += m.Pressure(point.T, point.V) > 0.1L;
        }
        missed += *positivePressure;
        continue;
      }
      ++shown;
      ASSERT_TRUE(FiniteOr(T, "") && FiniteOr(V, "") && FiniteOr(P, "")) << T << ", " << V << ", " << P;
      const double Tc = rt::Val(T), Vc = rt::Val(V);
      ASSERT_GT(Vc, m.b()) << trial;
      EXPECT_TRUE(vdwtest::SpinodalBetween(m, Tc, Vc)) << Fluid() << ": " << T << " K at " << V;
      EXPECT_LT(vdwtest::CriticalResidual(m, Tc, Vc), 1e-5) << trial;
      EXPECT_TRUE(vdwtest::CriticalBetween(m, Vc, 1e-5)) << Fluid() << ": " << T << " K at " << V;
      const double Pref = static_cast<double>(m.Pressure(Tc, Vc));
      EXPECT_GT(Pref, 0.0);
      EXPECT_NEAR(rt::Val(P), Pref, 1e-8 * Pref) << trial;
    }
  }
  Report("critical-point window", shown, none, missed);
}

TEST_F(StabilityDriver, AnalysisTable) {
  int rows = 0, dashes = 0, checked = 0;
  for (int trial = 0; trial < 8; ++trial) {
    SetFluid(RandomFluid());
    const vdwtest::Mixture m(Globals::fraction);
    test::Activate(Start1Window::Get());
    auto& window = Open<MathAnal>();
    Press(window, "calculate");
    fw::ListBox& table = window.listBox("ListBox1");
    ASSERT_EQ(table.RowCount(), 250);
    for (int row = 0; row < 250; ++row) {
      ++rows;
      const double V = rt::Val(table.Cell(row, 0));
      if (table.Cell(row, 1) == "-") {
        ++dashes;
        for (int column = 2; column < 4; ++column) ASSERT_EQ(table.Cell(row, column), "-");
        continue;
      }
      for (int column = 1; column < 4; ++column) ASSERT_TRUE(FiniteOr(table.Cell(row, column), "")) << row;
      if (row % 25 != 0) continue;
      ++checked;
      const double T = rt::Val(table.Cell(row, 1));
      EXPECT_GE(T, 0.1);
      EXPECT_TRUE(vdwtest::SpinodalBetween(m, T, V)) << Fluid() << ": " << T << " K at " << V;
    }
  }
  std::printf("analysis table: %d rows, %d without a spinodal temperature, %d checked\n", rows, dashes, checked);
}

}  // namespace
