#include "EngineTestSupport.h"

#include <limits>

namespace {

using namespace enginetest;
using Globals::NumGases;
using Globals::R;

class MixingRules : public EngineTest {};

TEST_F(MixingRules, PureGasParametersComeFromTheCriticalPoint) {
  for (int gas = 0; gas < NumGases; ++gas) {
    auto x = pureGas(gas);
    double a = Globals::aMixture(x);
    double b = Globals::bMixture(x);
    EXPECT_TRUE(relativelyNear(pureA(gas), a, 1e-14)) << Globals::GasNames[gas];
    EXPECT_TRUE(relativelyNear(pureB(gas), b, 1e-15)) << Globals::GasNames[gas];
    // 8a/(27 R b) is the critical temperature of a van der Waals gas.
    EXPECT_TRUE(relativelyNear(Globals::Tcrit[gas], 8 * a / (27 * R * b), 1e-14));
    // At V = 3b the critical isotherm passes through the critical pressure.
    double Tc = Globals::Tcrit[gas];
    EXPECT_TRUE(relativelyNear(Globals::Pcrit[gas], Globals::Pressure(x, Tc, 3 * b), 1e-13))
        << Globals::GasNames[gas];
  }
}

TEST_F(MixingRules, MixtureParametersAreQuadraticAndLinearInTheFractions) {
  auto x = mixture({{1, 0.3}, {9, 0.5}, {2, 0.2}});
  double expectedA = 0, expectedB = 0;
  for (int i : {1, 9, 2}) {
    expectedB += x[i] * pureB(i);
    for (int j : {1, 9, 2}) expectedA += x[i] * x[j] * std::sqrt(pureA(i) * pureA(j));
  }
  EXPECT_TRUE(relativelyNear(expectedA, Globals::aMixture(x), 1e-14));
  EXPECT_TRUE(relativelyNear(expectedB, Globals::bMixture(x), 1e-14));
  // Nothing normalises: doubling every fraction gives 4 a and 2 b.
  Globals::Composition doubled{};
  for (int i = 0; i < NumGases; ++i) doubled[i] = 2 * x[i];
  EXPECT_TRUE(relativelyNear(4 * expectedA, Globals::aMixture(doubled), 1e-14));
  EXPECT_TRUE(relativelyNear(2 * expectedB, Globals::bMixture(doubled), 1e-14));
}

TEST_F(MixingRules, SharedMatrixHoldsGeometricMeans) {
  Globals::aMixture(Globals::Composition{});
  for (int i = 0; i < NumGases; ++i) {
    EXPECT_TRUE(relativelyNear(pureA(i), Globals::a[i][i], 1e-14));
    for (int j = 0; j < NumGases; ++j) {
      EXPECT_EQ(Globals::a[i][j], Globals::a[j][i]);
      EXPECT_TRUE(relativelyNear(std::sqrt(pureA(i) * pureA(j)), Globals::a[i][j], 1e-14));
    }
  }
}

TEST_F(MixingRules, PressureAndTemperatureAreInverses) {
  const Globals::Composition fluids[] = {pureGas(0), pureGas(5), mixture({{1, 0.5}, {9, 0.5}}),
                                         mixture({{0, 0.2}, {2, 0.3}, {4, 0.1}, {10, 0.4}})};
  for (const auto& x : fluids) {
    double b = Globals::bMixture(x);
    for (double T : {150.0, 300.0, 1200.0}) {
      for (double V : {1.05 * b, 2 * b, 100.0, 5000.0}) {
        double P = Globals::Pressure(x, T, V);
        EXPECT_TRUE(relativelyNear(T, Globals::Temperature(x, P, V), 1e-14)) << T << " " << V;
      }
    }
  }
}

TEST_F(MixingRules, PressureIsTheIdealGasLawForTheEmptyFluid) {
  Globals::Composition none{};
  EXPECT_EQ(Globals::aMixture(none), 0.0);
  EXPECT_EQ(Globals::bMixture(none), 0.0);
  EXPECT_EQ(Globals::Pressure(none, 300, 1000), R * 300 / 1000);
  EXPECT_EQ(Globals::Pressure(none, 300, 0), 0.0);
  EXPECT_EQ(Globals::Pressure(none, 300, -5), 0.0);
  EXPECT_EQ(Globals::Density(none, 100), 0.0);
}

TEST_F(MixingRules, NeutralResultsOutsideTheValidRange) {
  auto x = pureGas(1);
  double b = Globals::bMixture(x);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(Globals::Pressure(x, 300, b), 0.0);
  EXPECT_EQ(Globals::Pressure(x, 300, 0.5 * b), 0.0);
  EXPECT_EQ(Globals::Pressure(x, 300, nan), 0.0);
  EXPECT_EQ(Globals::Temperature(x, 5, b), 0.0);  // V = b gives 0 through V - b
  EXPECT_EQ(Globals::Temperature(x, 5, 0), 0.0);
  EXPECT_EQ(Globals::Temperature(x, 5, nan), 0.0);
  EXPECT_LT(Globals::Temperature(x, 5, 0.5 * b), 0.0);  // V < b is not refused
  EXPECT_EQ(Globals::Density(x, 0), 0.0);
  EXPECT_EQ(Globals::Density(x, -1), 0.0);
  // A pressure at T = 0 is the attraction alone.
  EXPECT_TRUE(relativelyNear(-pureA(1) / 1e4, Globals::Pressure(x, 0, 100), 1e-14));
}

TEST_F(MixingRules, PressureBelowTheCoVolumeLeavesTheAttractionMatrixAlone) {
  auto x = pureGas(1);
  Globals::Pressure(x, 300, 1.0);  // V < b: only b is formed
  EXPECT_EQ(Globals::a[1][1], 0.0);
  EXPECT_GT(Globals::b[1], 0.0);
}

TEST_F(MixingRules, DensityIsMolarMassOverMolarVolume) {
  EXPECT_TRUE(relativelyNear(44.0098 / 1000, Globals::Density(pureGas(1), 1000), 1e-15));
  auto air = mixture({{2, 0.79}, {6, 0.21}});
  EXPECT_TRUE(relativelyNear((0.79 * 28.01348 + 0.21 * 31.9988) / 24.0,
                             Globals::Density(air, 24.0), 1e-15));
}

}  // namespace
