// The spinodal window driven as a user would.

#include "windows/phase_behaviour/SpinodalWindow.h"

#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/phase_behaviour/VdwHelmholtz.h"

namespace {

using namespace wintest;

class SpinodalWindowTest : public WindowTest {
 protected:
  static SpinodalWindow& Calculate(const std::string& V) {
    auto& window = Open<SpinodalWindow>();
    Enter(window, "dataEntry", V);
    Press(window, "calculate");
    return window;
  }
  static void ExpectFailureTexts(SpinodalWindow& window) {
    EXPECT_EQ(TextOf(window, "ResultT"), "no soluton");
    EXPECT_EQ(TextOf(window, "ResultP"), "no solution");
  }
};

// At V = 3b the spinodal of a pure van der Waals gas passes through its
// critical point: Tc and Pc of the gas data.
TEST_F(SpinodalWindowTest, PureGasAtThreeCovolumesGivesItsCriticalTemperatureAndPressure) {
  Globals::CriticalValues();
  for (int gas = 0; gas < Globals::NumGases; ++gas) {
    SetFluid({{Gas(gas), 1.0}});
    const double b = Globals::R * Globals::Tcrit[gas] / (8 * Globals::Pcrit[gas]);
    auto& window = Calculate(rt::Str(3 * b));
    EXPECT_NEAR(NumberOf(window, "ResultT"), Globals::Tcrit[gas], 1e-9) << Globals::GasNames[gas];
    EXPECT_NEAR(NumberOf(window, "ResultP"), Globals::Pcrit[gas], 1e-10) << Globals::GasNames[gas];
    EXPECT_EQ(rt::Str(Globals::TempKelvin), TextOf(window, "ResultT"));
    EXPECT_EQ(rt::Str(Globals::PresMPa), TextOf(window, "ResultP"));
  }
}

TEST_F(SpinodalWindowTest, MixtureResultLiesOnTheSpinodal) {
  SetFluid({{CO2, 0.3}, {N2, 0.2}, {CH4, 0.5}});
  const vdwtest::Mixture m(Globals::fraction);
  for (double V : {60.0, 100.0, 250.0}) {
    auto& window = Calculate(rt::Str(V));
    const double T = NumberOf(window, "ResultT");
    EXPECT_TRUE(vdwtest::SpinodalBetween(m, T, V)) << V;
    const double P = static_cast<double>(m.Pressure(T, V));
    EXPECT_NEAR(NumberOf(window, "ResultP"), P, 1e-9 * std::fabs(P) + 1e-12);
  }
}

// Below the co-volume, or at a volume that is no finite number, there is no
// spinodal: the failure texts, the shared temperature 0 and the shared
// pressure kept.
TEST_F(SpinodalWindowTest, VolumeNotFiniteAboveTheCovolumeFails) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  const double b = static_cast<double>(vdwtest::Mixture(Globals::fraction).b());
  ASSERT_LT(40, b);
  for (const char* V : {"40", "inf", "nan", "-100", ""}) {
    Globals::TempKelvin = 123.0;
    Globals::PresMPa = 4.5;
    auto& window = Calculate(V);
    ExpectFailureTexts(window);
    EXPECT_EQ(Globals::TempKelvin, 0.0) << V;
    EXPECT_EQ(Globals::PresMPa, 4.5) << V;
  }
  // Just above b a spinodal temperature exists again.
  auto& window = Calculate(rt::Str(b * 1.01));
  EXPECT_GT(NumberOf(window, "ResultT"), 0.1);
}

// Far out the spinodal temperature of hydrogen, 2a(V - b)^2/(R V^3), falls
// below 0.1 K, which counts as none.
TEST_F(SpinodalWindowTest, SpinodalBelowATenthOfAKelvinCountsAsNone) {
  SetFluid({{H2, 1.0}});
  const vdwtest::Mixture m(Globals::fraction);
  auto spinodal = [&](double V) {
    return static_cast<double>(2 * m.a() * (V - m.b()) * (V - m.b()) / (Globals::R * V * V * V));
  };
  EXPECT_NEAR(NumberOf(Calculate("3e4"), "ResultT"), spinodal(3e4), 1e-6);
  ASSERT_LT(spinodal(1e5), 0.1);
  ExpectFailureTexts(Calculate("1e5"));
}

TEST_F(SpinodalWindowTest, FluidWithoutGasFails) {
  SetFluid({});
  ExpectFailureTexts(Calculate("100"));
  EXPECT_EQ(Globals::TempKelvin, 0.0);
}

TEST_F(SpinodalWindowTest, UnitSwitchAndClear) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<SpinodalWindow>();
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "StaticText8"), "\u02DACelsius");
  Enter(window, "dataEntry", "100");
  Press(window, "calculate");
  // A calculation always shows kelvin.
  EXPECT_TRUE(window.radioButton("Kelvin").Value());
  EXPECT_EQ(TextOf(window, "StaticText8"), "Kelvin");
  const double T = NumberOf(window, "ResultT");
  EXPECT_EQ(rt::Str(Globals::TempKelvin), TextOf(window, "ResultT"));

  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "ResultT"), rt::Str(Globals::TempKelvin - 273.15));
  EXPECT_NEAR(NumberOf(window, "ResultT"), T - 273.15, 1e-12);

  Press(window, "Clear");
  EXPECT_EQ(window.editField("dataEntry").Text(), "");
  EXPECT_EQ(TextOf(window, "ResultT"), "");
  EXPECT_EQ(TextOf(window, "ResultP"), "");
  EXPECT_TRUE(window.radioButton("Celsius").Value());
  EXPECT_EQ(TextOf(window, "StaticText8"), "\u02DACelsius");

  Globals::TempKelvin = 350.0;  // from another window
  Choose(window, "Kelvin");
  EXPECT_EQ(TextOf(window, "ResultT"), "350");
  EXPECT_EQ(TextOf(window, "ResultP"), "");

  // After a failure the radios show 0 K in either unit.
  Enter(window, "dataEntry", "10");
  Press(window, "calculate");
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "ResultT"), "-273.15");
  Choose(window, "Kelvin");
  EXPECT_EQ(TextOf(window, "ResultT"), "0");
  EXPECT_EQ(TextOf(window, "ResultP"), "no solution");
}

}  // namespace
