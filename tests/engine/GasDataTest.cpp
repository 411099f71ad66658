#include "EngineTestSupport.h"

namespace {

using namespace enginetest;
using Globals::NumGases;

class GasData : public EngineTest {};

TEST_F(GasData, StartUpStateIsAllZeroWithThePrecisionFactorSet) {
  Globals::fraction[3] = 0.5;
  Globals::IntegerFraction[2] = 7;
  Globals::TempKelvin = 300;
  Globals::PrecisionFactor = 5;
  Globals::ResetSharedState();
  EXPECT_EQ(Globals::PrecisionFactor, 1'000'000'000'000);
  EXPECT_EQ(Globals::TempKelvin, 0.0);
  EXPECT_EQ(Globals::PresMPa, 0.0);
  EXPECT_EQ(Globals::Vexcess, 0.0);
  for (int i = 0; i < NumGases; ++i) {
    EXPECT_EQ(Globals::fraction[i], 0.0);
    EXPECT_EQ(Globals::Tcrit[i], 0.0);
    EXPECT_EQ(Globals::Pcrit[i], 0.0);
    EXPECT_EQ(Globals::Ttrip[i], 0.0);
    EXPECT_EQ(Globals::MM[i], 0.0);
    EXPECT_EQ(Globals::b[i], 0.0);
    EXPECT_EQ(Globals::IntegerFraction[i], 0);
    EXPECT_EQ(Globals::xgas[i], 0.0);
    EXPECT_EQ(Globals::K_liq_vap[i], 0.0);
    for (int j = 0; j < NumGases; ++j) EXPECT_EQ(Globals::a[i][j], 0.0);
  }
  for (double v : Globals::MolarVolumes) EXPECT_EQ(v, 0.0);
}

TEST_F(GasData, LoadersFillTheTablesWithTheBuiltInConstants) {
  Globals::CriticalValues();
  EXPECT_EQ(Globals::Tcrit[0], 647.096);
  EXPECT_EQ(Globals::Pcrit[1], 7.3773);
  EXPECT_EQ(Globals::Ttrip[9], 90.6941);
  EXPECT_EQ(Globals::Vcrit[8], 0.0);      // argon's critical volume is stored as zero
  EXPECT_EQ(Globals::Acentric[8], 0.0);
  EXPECT_EQ(Globals::Acentric[5], -0.22);  // hydrogen's is negative
  Globals::CriticalValues();
  EXPECT_EQ(Globals::Tcrit[10], 305.33);
  EXPECT_EQ(Globals::MM[5], 0.0);  // molar masses load only with a density
  Globals::Density(pureGas(5), 1000);
  EXPECT_EQ(Globals::MM[5], 2.01588);
  EXPECT_EQ(Globals::MM[10], 30.06964);
}

TEST_F(GasData, GasNamesFollowTheGasIndex) {
  const char* expected[] = {"H2O", "CO2", "N2", "H2S", "NH3", "H2",
                            "O2",  "CO",  "Ar", "CH4", "C2H6"};
  for (int i = 0; i < NumGases; ++i) EXPECT_STREQ(Globals::GasNames[i], expected[i]);
}

TEST_F(GasData, TriplePointsLieBelowCriticalPoints) {
  Globals::CriticalValues();
  for (int i = 0; i < NumGases; ++i) {
    EXPECT_LT(Globals::Ttrip[i], Globals::Tcrit[i]) << Globals::GasNames[i];
    EXPECT_GT(Globals::Pcrit[i], 0.0);
  }
}

}  // namespace
