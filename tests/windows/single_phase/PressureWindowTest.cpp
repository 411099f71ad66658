// The pressure window driven as a user would.

#include "windows/single_phase/PressureWindow.h"

#include <cmath>

#include "tests/windows/WindowTestSupport.h"

namespace {

using namespace wintest;

// Van der Waals constants of a pure gas from its critical point:
// a = 27 R^2 Tc^2 / (64 Pc), b = R Tc / (8 Pc).
struct Vdw {
  double a, b;
};
Vdw PureGas(Gas gas) {
  Globals::CriticalValues();
  const double Tc = Globals::Tcrit[gas], Pc = Globals::Pcrit[gas], R = Globals::R;
  return {27.0 * R * R * Tc * Tc / (64.0 * Pc), R * Tc / (8.0 * Pc)};
}

class PressureWindowTest : public WindowTest {};

TEST_F(PressureWindowTest, CelsiusEntryIsRaisedBy273_15AndOnlyTheMolarVolumeIsShared) {
  SetFluid({{CO2, 1.0}});
  Globals::TempKelvin = 111.0;
  Globals::PresMPa = 2.0;
  auto& window = Open<PressureWindow>();
  Enter(window, "dataEntry", "250");
  Enter(window, "dataEntry1", "25");
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "StaticText3"), "\u02DACelsius");
  Press(window, "calculate");

  const Vdw co2 = PureGas(CO2);
  const double T = 298.15, V = 250.0;
  const double expected = Globals::R * T / (V - co2.b) - co2.a / (V * V);
  EXPECT_NEAR(NumberOf(window, "Result"), expected, 1e-12 * expected);
  EXPECT_EQ(Globals::MolarVolumes[0], 250.0);
  EXPECT_EQ(Globals::TempKelvin, 111.0);
  EXPECT_EQ(Globals::PresMPa, 2.0);
  EXPECT_EQ(window.editField("dataEntry1").Text(), "25");  // the switch converts nothing
}

TEST_F(PressureWindowTest, AVolumeNotAboveTheCoVolumeShowsZeroButIsStillStored) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<PressureWindow>();
  Enter(window, "dataEntry", "20");
  Enter(window, "dataEntry1", "300");
  Press(window, "calculate");
  EXPECT_EQ(TextOf(window, "Result"), "0");
  EXPECT_EQ(Globals::MolarVolumes[0], 20.0);

  Press(window, "Clear");
  EXPECT_EQ(window.editField("dataEntry").Text(), "");
  EXPECT_EQ(TextOf(window, "Result"), "");
  EXPECT_EQ(Globals::MolarVolumes[0], 20.0);
  EXPECT_TRUE(window.radioButton("Kelvin").Value());
}

}  // namespace
