// The temperature window driven as a user would.

#include "windows/single_phase/TemperatureWindow.h"

#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

class TemperatureWindowTest : public WindowTest {};

TEST_F(TemperatureWindowTest, TheTemperatureLiesOnTheIsothermThroughTheEnteredPoint) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Globals::MolarVolumes = {1, 2, 3, 4};
  Globals::PresMPa = 7.0;
  auto& window = Open<TemperatureWindow>();
  Enter(window, "dataEntry", "250");
  Enter(window, "dataEntry1", "8.5");
  Press(window, "calculate");

  // The isotherm at the shown temperature passes through (250, 8.5).
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  const double T = NumberOf(window, "Result");
  EXPECT_NEAR(vdw::Pressure(m, T, 250.0), 8.5, 1e-12 * 8.5);
  EXPECT_EQ(rt::Str(Globals::TempKelvin), TextOf(window, "Result"));
  EXPECT_EQ(Globals::PresMPa, 7.0) << "the window writes the temperature only";
  EXPECT_EQ(Globals::MolarVolumes[0], 1.0);

  // The unit radios show the stored kelvin temperature again; "clear" keeps it.
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "StaticText4"), "\u02DACelsius");
  EXPECT_NEAR(NumberOf(window, "Result"), T - 273.15, 1e-12 * T);
  Press(window, "Clear");
  EXPECT_EQ(TextOf(window, "Result"), "");
  EXPECT_EQ(window.editField("dataEntry").Text(), "");
  Choose(window, "Kelvin");
  EXPECT_EQ(TextOf(window, "Result"), rt::Str(Globals::TempKelvin));
  EXPECT_EQ(TextOf(window, "StaticText4"), "Kelvin");
}

TEST_F(TemperatureWindowTest, WithCelsiusOnTheResultIsShownInCelsiusButStoredInKelvin) {
  SetFluid({{N2, 1.0}});
  auto& window = Open<TemperatureWindow>();
  Choose(window, "Celsius");
  Enter(window, "dataEntry", "1000");
  Enter(window, "dataEntry1", "2.5");
  Press(window, "calculate");
  // (P V^2 + a)(V - b) / (R V^2) by hand.
  const double a = vdw::PureA(N2), b = vdw::PureB(N2), V = 1000.0, P = 2.5;
  const double T = (P * V * V + a) * (V - b) / (vdw::R * V * V);
  EXPECT_NEAR(Globals::TempKelvin, T, 1e-12 * T);
  EXPECT_NEAR(NumberOf(window, "Result"), T - 273.15, 1e-12 * T);
}

TEST_F(TemperatureWindowTest, EmptyFieldsGiveZeroKelvinAndAVolumeBelowBGivesANegativeTemperature) {
  SetFluid({{CO2, 1.0}});
  Globals::TempKelvin = 300.0;
  auto& window = Open<TemperatureWindow>();
  Press(window, "calculate");
  EXPECT_EQ(Globals::TempKelvin, 0.0);
  EXPECT_EQ(TextOf(window, "Result"), "0");
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "Result"), "-273.15");

  Enter(window, "dataEntry", "20");  // below b (about 42.8 cm3/mol): stored as it is
  Enter(window, "dataEntry1", "1");
  Press(window, "calculate");
  EXPECT_LT(Globals::TempKelvin, 0.0);
  EXPECT_NEAR(NumberOf(window, "Result"), Globals::TempKelvin - 273.15, 1e-9);
}

TEST_F(TemperatureWindowTest, TheUnitRadiosShowTheTemperatureThatAnotherWindowLeft) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& temperatures = Open<TemperatureWindow>();
  Choose(temperatures, "Celsius");  // before any calculation since start-up
  EXPECT_EQ(TextOf(temperatures, "Result"), "-273.15");
  Enter(temperatures, "dataEntry", "300");
  Enter(temperatures, "dataEntry1", "5");
  Press(temperatures, "calculate");

  auto& volumes = Open<VolumeWindow>();
  Enter(volumes, "dataEntry", "5");
  Enter(volumes, "dataEntry1", "350");
  Press(volumes, "calculate");

  test::Activate(temperatures);
  Choose(temperatures, "Kelvin");
  EXPECT_EQ(TextOf(temperatures, "Result"), "350");
  Choose(temperatures, "Celsius");
  EXPECT_EQ(TextOf(temperatures, "Result"), rt::Str(350.0 - 273.15));
}

}  // namespace
