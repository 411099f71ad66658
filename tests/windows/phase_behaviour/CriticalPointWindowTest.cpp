// The critical-point window driven as a user would: the pseudo-critical point
// on activation, the search, the points it must not show, the unit switch.

#include "windows/phase_behaviour/CriticalPointWindow.h"

#include <QGuiApplication>

#include "app/Start1Window.h"
#include "tests/windows/FiniteChecks.h"
#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/phase_behaviour/VdwHelmholtz.h"
#include "windows/explanation/Explain.h"
#include "windows/phase_behaviour/MathAnal.h"

namespace {

using namespace wintest;

class CriticalPointWindowTest : public WindowTest {
 protected:
  // The window activated afresh for the current fluid, the guesses typed
  // (the default ones where none is given) and "calculate" pressed.
  static CriticalPointWindow& Calculate(const char* V1 = nullptr, const char* V2 = nullptr) {
    test::Activate(Start1Window::Get());
    auto& window = Open<CriticalPointWindow>();
    if (V1) Enter(window, "dataEntry1", V1);
    if (V2) Enter(window, "dataEntry2", V2);
    Press(window, "calculate");
    return window;
  }

  static void ExpectNoSolution(CriticalPointWindow& window) {
    for (const char* label : {"ResultT", "ResultV", "ResultP"}) EXPECT_EQ(TextOf(window, label), "no solution") << label;
  }

  // The shown point is a critical point of the independent mixture: on the
  // spinodal, with the third-order condition met and changing its sign
  // there along the spinodal, and the van der Waals pressure there.
  static void ExpectCriticalPoint(CriticalPointWindow& window) {
    const vdwtest::Mixture m(Globals::fraction);
    const double T = NumberOf(window, "ResultT"), V = NumberOf(window, "ResultV");
    ASSERT_GT(V, m.b());
    EXPECT_TRUE(vdwtest::SpinodalBetween(m, T, V)) << T << " K at " << V;
    EXPECT_LT(vdwtest::CriticalResidual(m, T, V), 1e-5);
    EXPECT_TRUE(vdwtest::CriticalBetween(m, V, 1e-5)) << T << " K at " << V;
    const double P = static_cast<double>(m.Pressure(T, V));
    EXPECT_NEAR(NumberOf(window, "ResultP"), P, 1e-9 * P);
    EXPECT_EQ(rt::Str(Globals::TempKelvin), TextOf(window, "ResultT"));
    EXPECT_EQ(rt::Str(Globals::PresMPa), TextOf(window, "ResultP"));
  }
};

TEST_F(CriticalPointWindowTest, ActivationShowsTheOneFluidCriticalPointAndFirstGuesses) {
  SetFluid({{CO2, 0.3}, {C2H6, 0.7}});
  auto& window = Open<CriticalPointWindow>();
  const vdwtest::Mixture m(Globals::fraction);
  const long double a = m.a(), b = m.b(), R = Globals::R;
  EXPECT_NEAR(NumberOf(window, "ResultPseudoV"), 3 * b, 1e-13 * b);
  EXPECT_NEAR(NumberOf(window, "ResultPseudoT"), 8 * a / (27 * R * b), 1e-9);
  EXPECT_NEAR(NumberOf(window, "ResultPseudoP"), a / (27 * b * b), 1e-11);
  EXPECT_NEAR(rt::Val(window.editField("dataEntry1").Text()), 3 * b, 1e-13 * b);
  EXPECT_NEAR(rt::Val(window.editField("dataEntry2").Text()), 2 * b, 1e-13 * b);

  // Typed guesses last only while the window stays active.
  Enter(window, "dataEntry1", "160");
  Enter(window, "dataEntry2", "165");
  Press(window, "pseudo");
  Explain& explanation = Explain::Get();
  EXPECT_TRUE(explanation.isVisible());
  test::Activate(explanation);
  test::Activate(window);
  EXPECT_EQ(window.editField("dataEntry1").Text(), TextOf(window, "ResultPseudoV"));
  EXPECT_NEAR(rt::Val(window.editField("dataEntry2").Text()), 2 * b, 1e-13 * b);

  Press(window, "Analysis");
  EXPECT_TRUE(MathAnal::Get().isVisible());
}

// A pure gas is not searched: its critical point is Tc, 3b and Pc.
TEST_F(CriticalPointWindowTest, EveryPureGasGivesItsCriticalPoint) {
  Globals::CriticalValues();
  for (int gas = 0; gas < Globals::NumGases; ++gas) {
    SetFluid({{Gas(gas), 1.0}});
    auto& window = Calculate("1", "2");  // guesses that are ignored
    const double b = Globals::R * Globals::Tcrit[gas] / (8 * Globals::Pcrit[gas]);
    EXPECT_NEAR(NumberOf(window, "ResultT"), Globals::Tcrit[gas], 1e-9) << Globals::GasNames[gas];
    EXPECT_NEAR(NumberOf(window, "ResultV"), 3 * b, 1e-12);
    EXPECT_NEAR(NumberOf(window, "ResultP"), Globals::Pcrit[gas], 1e-10);
    EXPECT_EQ(rt::Str(Globals::TempKelvin), TextOf(window, "ResultT"));
  }
}

// One fraction of exactly 1 with the others summing to 0 is no pure gas: the
// fluid is searched, and a shortcut would show CO2's own critical point.
TEST_F(CriticalPointWindowTest, APureGasHasEveryOtherFractionZero) {
  SetFluid({{CO2, 1.0}, {CH4, 0.5}, {N2, -0.5}});
  auto& window = Calculate();
  EXPECT_NE(TextOf(window, "ResultT"), TextOf(window, "ResultPseudoT"));
  EXPECT_NE(TextOf(window, "ResultV"), TextOf(window, "ResultPseudoV"));
}

TEST_F(CriticalPointWindowTest, GenuineBinaryCriticalPoints) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Calculate();
  EXPECT_EQ(TextOf(window, "ResultT"), "251.072031160199");
  EXPECT_EQ(TextOf(window, "ResultV"), "121.313219479888");
  EXPECT_EQ(TextOf(window, "ResultP"), "6.6564489956438");
  ExpectCriticalPoint(window);

  SetFluid({{CO2, 0.5}, {C2H6, 0.5}});
  Calculate("160", "165");
  EXPECT_NEAR(NumberOf(window, "ResultT"), 302.4198, 1e-4);
  EXPECT_NEAR(NumberOf(window, "ResultV"), 162.829, 1e-3);
  EXPECT_NEAR(NumberOf(window, "ResultP"), 5.8735, 1e-4);
  ExpectCriticalPoint(window);
}

// Fluids whose search from the window's own first guesses stops on a zero
// of the row-replaced determinant that is no critical point (for CO2/C2H6
// at 105.83 cm3/mol, 249.12 K and -0.83 MPa): the search along the spinodal
// finds the critical point.
TEST_F(CriticalPointWindowTest, CriticalPointsThatTheFirstGuessesMiss) {
  struct Case {
    std::initializer_list<std::pair<Gas, double>> fluid;
    double T, V, P;    // the critical point
    double tolerance;  // relative
  };
  const Case cases[] = {
      {{{CO2, 0.5}, {C2H6, 0.5}}, 302.419800491416, 162.82936792729, 5.87353962545667, 1e-11},
      {{{CO2, 0.3}, {CH4, 0.4}, {C2H6, 0.3}}, 265.757467948473, 142.977887992596, 6.20427874110195, 1e-11},
      {{{H2, 0.5}, {H2O, 0.5}}, 541.79, 36.817, 391.69, 3e-5},
  };
  for (const Case& c : cases) {
    SetFluid(c.fluid);
    auto& window = Calculate();
    EXPECT_NEAR(NumberOf(window, "ResultT"), c.T, c.tolerance * c.T);
    EXPECT_NEAR(NumberOf(window, "ResultV"), c.V, c.tolerance * c.V);
    EXPECT_NEAR(NumberOf(window, "ResultP"), c.P, c.tolerance * c.P);
    ExpectCriticalPoint(window);
  }
}

// Where the search stops without a critical point (a zero step from equal
// guesses, a walk out to huge volumes, a stop below the co-volume), the
// search along the spinodal finds the critical point of CO2/CH4. Its other
// one, near 24 K and 44.7 cm3/mol, lies at a negative pressure.
TEST_F(CriticalPointWindowTest, StopsThatAreNoCriticalPointGiveWayToTheSearchAlongTheSpinodal) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  ASSERT_EQ(vdwtest::CriticalPointsAlongSpinodal(vdwtest::Mixture(Globals::fraction)).size(), 2u);
  for (auto [V1, V2] : {std::pair{"100", "100"}, {"1e6", "2e6"}, {"235.282", "31.8328"}}) {
    auto& window = Calculate(V1, V2);
    EXPECT_NEAR(NumberOf(window, "ResultT"), 251.072031160199, 1e-9) << V1 << ", " << V2;
    EXPECT_NEAR(NumberOf(window, "ResultV"), 121.313219479888, 1e-9) << V1 << ", " << V2;
    ExpectCriticalPoint(window);
  }
}

// H2O/N2 has no critical point along its spinodal: the run from the first
// guesses and the search along the spinodal find none.
TEST_F(CriticalPointWindowTest, FluidWithoutCriticalPointShowsNoSolution) {
  SetFluid({{H2O, 0.5}, {N2, 0.5}});
  ASSERT_EQ(vdwtest::CriticalPointsAlongSpinodal(vdwtest::Mixture(Globals::fraction)).size(), 0u);
  Globals::PresMPa = 9.0;
  ExpectNoSolution(Calculate());
  EXPECT_EQ(Globals::TempKelvin, 0.0);
  EXPECT_EQ(Globals::PresMPa, 0.0);
}

// A search that uses all its passes finds nothing, and with no critical
// point along the spinodal its last spinodal point stays in the shared
// state, where the unit radios show it.
TEST_F(CriticalPointWindowTest, SearchThatUsesEveryPassLeavesItsLastPoint) {
  SetFluid({{H2O, 0.5}, {N2, 0.5}});
  auto& window = Calculate("20", "25");
  ExpectNoSolution(window);
  const double T = Globals::TempKelvin;
  EXPECT_GT(T, 0.1);
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "ResultT"), rt::Str(T - 273.15));
  EXPECT_EQ(TextOf(window, "ResultP"), "no solution");
}

// The eleven gases in equal parts have two critical points. The window's
// own guesses miss both, and the one of higher temperature is shown; from
// guesses about the other the secant search, which runs first, finds it.
TEST_F(CriticalPointWindowTest, ElevenGasEquimolarFluidShowsTheHotterOfItsTwoCriticalPoints) {
  SetFluid({{H2O, 1.0 / 11}, {CO2, 1.0 / 11}, {N2, 1.0 / 11}, {H2S, 1.0 / 11}, {NH3, 1.0 / 11}, {H2, 1.0 / 11},
            {O2, 1.0 / 11}, {CO, 1.0 / 11}, {Ar, 1.0 / 11}, {CH4, 1.0 / 11}, {C2H6, 1.0 / 11}});
  ASSERT_EQ(vdwtest::CriticalPointsAlongSpinodal(vdwtest::Mixture(Globals::fraction)).size(), 2u);
  auto& window = Calculate();
  EXPECT_NEAR(NumberOf(window, "ResultT"), 263.0983020315, 1e-9);
  EXPECT_NEAR(NumberOf(window, "ResultV"), 74.92115, 1e-5);
  EXPECT_NEAR(NumberOf(window, "ResultP"), 15.79196, 1e-5);
  ExpectCriticalPoint(window);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // no busy cursor left behind

  Calculate("60", "62");
  EXPECT_NEAR(NumberOf(window, "ResultT"), 218.4807305042, 1e-8);
  EXPECT_NEAR(NumberOf(window, "ResultV"), 60.79544, 1e-5);
  EXPECT_NEAR(NumberOf(window, "ResultP"), 15.06160, 1e-5);
  ExpectCriticalPoint(window);
}

// Without a gas a = b = 0: the pseudo-critical volume 3b and the pressure
// at V <= b are 0, the temperature 8a/(27bR) = 0/0 is none and is left
// empty.
TEST_F(CriticalPointWindowTest, FluidWithoutGasShowsNoSolution) {
  SetFluid({});
  auto& window = Calculate();
  EXPECT_EQ(TextOf(window, "ResultPseudoV"), "0");
  EXPECT_EQ(TextOf(window, "ResultPseudoT"), "");
  EXPECT_EQ(TextOf(window, "ResultPseudoP"), "0");
  EXPECT_EQ(Shown(window, "dataEntry1"), "0");
  EXPECT_EQ(Shown(window, "dataEntry2"), "0");
  ExpectNoSolution(window);
}

// The search shows kelvin: it turns `Kelvin` on and relabels the unit. The
// radios show whatever temperature the shared state holds.
TEST_F(CriticalPointWindowTest, UnitSwitchShowsTheSharedTemperature) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<CriticalPointWindow>();
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "StaticText6"), "\u02DACelsius");
  EXPECT_EQ(TextOf(window, "ResultT"), "-273.15");
  Press(window, "calculate");
  EXPECT_TRUE(window.radioButton("Kelvin").Value());
  EXPECT_FALSE(window.radioButton("Celsius").Value());
  EXPECT_EQ(TextOf(window, "StaticText6"), "Kelvin");
  EXPECT_EQ(TextOf(window, "ResultT"), "251.072031160199");

  Globals::TempKelvin = 350.0;  // written by another window since
  Choose(window, "Celsius");
  EXPECT_NEAR(NumberOf(window, "ResultT"), 76.85, 1e-12);
  EXPECT_EQ(TextOf(window, "ResultV"), "121.313219479888");
  EXPECT_EQ(TextOf(window, "ResultPseudoT"), rt::Str(NumberOf(window, "ResultPseudoT")));

  SetFluid({{H2O, 0.5}, {N2, 0.5}});  // without a critical point
  Enter(window, "dataEntry1", "100");
  Enter(window, "dataEntry2", "100");
  Press(window, "calculate");
  ExpectNoSolution(window);
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "ResultT"), "-273.15");
  EXPECT_EQ(TextOf(window, "ResultV"), "no solution");
}

}  // namespace

// Guesses that are no finite number: the search from them stops at once,
// and the search along the spinodal still finds CO2/CH4's critical point;
// nothing shown is an infinity or a NaN.
TEST_F(CriticalPointWindowTest, GuessesThatAreNoFiniteNumberGiveWayToTheSearchAlongTheSpinodal) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  for (const auto& [name, text] : NotFiniteTexts()) {
    for (auto [V1, V2] : {std::pair{text.c_str(), "100"}, {"100", text.c_str()}}) {
      auto& window = Calculate(V1, V2);
      ExpectCriticalPoint(window);
      EXPECT_NEAR(NumberOf(window, "ResultT"), 251.072031160199, 1e-9) << name;
      ExpectNoNonFiniteShown(window, name, {"dataEntry1", "dataEntry2"});
    }
  }
}
