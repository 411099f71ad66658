#include "EngineTestSupport.h"

#include <limits>

namespace {

using namespace enginetest;
using Globals::NumGases;

class SaturationPressure : public EngineTest {};

TEST_F(SaturationPressure, EqualsTheCriticalPressureAtTheCriticalTemperature) {
  Globals::CriticalValues();
  for (int gas : {0, 1, 2, 3, 4, 6, 9, 10}) {
    EXPECT_EQ(Globals::SaturationPressure(gas, Globals::Tcrit[gas]), Globals::Pcrit[gas])
        << Globals::GasNames[gas];
  }
  EXPECT_NEAR(Globals::SaturationPressure(7, 132.85), 3.4935015, 5e-7);  // CO, in bar / 10
  EXPECT_NEAR(Globals::SaturationPressure(8, 150.87), 4.898, 1e-14);    // Ar's line
  EXPECT_NEAR(Globals::SaturationPressure(8, 83.3), 0.1, 1e-14);
}

TEST_F(SaturationPressure, HydrogenHasNoUpperLimit) {
  double atTc = Globals::SaturationPressure(5, 32.98);
  EXPECT_NEAR(atTc, 1.25, 0.01);
  EXPECT_NE(atTc, 1.293);
  EXPECT_GT(Globals::SaturationPressure(5, 40), atTc);
  EXPECT_EQ(Globals::SaturationPressure(5, 13.7), 0.1);
  EXPECT_EQ(Globals::SaturationPressure(5, 13.8), std::exp(4.9017 - 167.65 / 13.8 + 441.17 / (13.8 * 13.8)));
}

TEST_F(SaturationPressure, FallbacksJumpAtTheEndsOfTheRange) {
  // Just above Tc water's fallback lies above its critical pressure.
  EXPECT_GT(Globals::SaturationPressure(0, 647.1), 22.064);
  EXPECT_EQ(Globals::SaturationPressure(0, 647.1), std::pow(10, -2125.7 / 647.1 + 4.6637));
  // Just below its triple point CO2's fallback lies below the correlation's value there.
  double atTriple = Globals::SaturationPressure(1, 216.592);
  double below = Globals::SaturationPressure(1, 216.5919);
  EXPECT_LT(below, atTriple);
  EXPECT_EQ(below, std::pow(10, -918.2444 / 216.5919 + 3.8871));
}

TEST_F(SaturationPressure, CorrelationsRiseWithTemperature) {
  Globals::CriticalValues();
  for (int gas = 0; gas < NumGases; ++gas) {
    double T1 = Globals::Ttrip[gas], T2 = Globals::Tcrit[gas];
    double previous = 0;
    for (int k = 0; k <= 20; ++k) {
      double P = Globals::SaturationPressure(gas, T1 + (T2 - T1) * k / 20);
      EXPECT_GT(P, previous) << Globals::GasNames[gas] << " step " << k;
      previous = P;
    }
  }
}

TEST_F(SaturationPressure, KnownVapourPressures) {
  // Water boils at 373.124 K under 0.101325 MPa; CO2 at 0 degC has 3.485 MPa.
  EXPECT_NEAR(Globals::SaturationPressure(0, 373.124), 0.101325, 2e-4);
  EXPECT_NEAR(Globals::SaturationPressure(1, 273.15), 3.4851, 2e-3);
  // Nitrogen at its normal boiling point 77.355 K.
  EXPECT_NEAR(Globals::SaturationPressure(2, 77.355), 0.101325, 2e-3);
}

TEST_F(SaturationPressure, ZeroNanAndOutOfRangeArguments) {
  for (int gas : {0, 1, 2, 3, 4, 6, 7, 9, 10}) EXPECT_EQ(Globals::SaturationPressure(gas, 0), 0.0);
  EXPECT_EQ(Globals::SaturationPressure(5, 0), 0.1);
  EXPECT_LT(Globals::SaturationPressure(8, 0), 0.0);  // argon's line has a negative intercept
  EXPECT_TRUE(std::isnan(Globals::SaturationPressure(1, std::numeric_limits<double>::quiet_NaN())));
  EXPECT_EQ(Globals::SaturationPressure(11, 300), 0.1);
  EXPECT_EQ(Globals::SaturationPressure(-1, 300), 0.1);
}

}  // namespace
