#include <cmath>
#include <limits>

#include "StabilityTestSupport.h"

namespace {

using namespace enginetest;
using Globals::NumGases;
using Globals::R;

class SpinodalSearch : public EngineTest {};

// The spinodal of a pure van der Waals gas: A_VV = RT/(V - b)^2 - 2a/V^3
// vanishes at Ts = 2a (V - b)^2/(R V^3). The search stops once |A_VV| is
// within the zero threshold 1e-12, which allows (V - b)^2/R times 1e-12 in T.
TEST_F(SpinodalSearch, PureGasesFollowTheAnalyticSpinodal) {
  for (int gas = 0; gas < NumGases; ++gas) {
    auto x = pureGas(gas);
    const double a = pureA(gas), b = pureB(gas);
    for (double V : {1.2 * b, 2 * b, 3 * b, 5 * b, 10 * b}) {
      double expected = 2 * a * (V - b) * (V - b) / (R * V * V * V);
      double tolerance = 1e-12 * (V - b) * (V - b) / R + 1e-14 * expected;
      EXPECT_NEAR(expected, Globals::SpinDetSolution(x, 1000, V), tolerance)
          << Globals::GasNames[gas] << " at V = " << V / b << " b";
    }
  }
}

// At V = 3b the spinodal temperature is 8a/(27 R b), the critical one; the
// search reaches CO2's 304.128 K from 1000 K through a run of limited steps.
TEST_F(SpinodalSearch, PureGasesAtThreeCovolumesGiveTheCriticalTemperature) {
  Globals::CriticalValues();
  for (int gas = 0; gas < NumGases; ++gas) {
    double V = 3 * pureB(gas);
    EXPECT_TRUE(relativelyNear(Globals::Tcrit[gas], Globals::SpinDetSolution(pureGas(gas), 1000, V), 1e-13))
        << Globals::GasNames[gas];
  }
}

// Ts is a zero of the spinodal determinant: it changes sign across Ts.
void expectSpinodalAt(const Globals::Composition& x, double Ts, double V) {
  EXPECT_TRUE(spinodalSignChange(x, Ts, V, 1e-10)) << "no sign change at " << Ts;
}

// Far out the determinant is within the zero threshold at every start
// temperature (at 1e8 cm3/mol R T/V^2 is below 1e-12 up to 1200 K), so the
// secant search stops at once on a zero that is none. The temperature
// returned is the pure gas's spinodal all the same, from every start, down
// to millikelvins and below.
TEST_F(SpinodalSearch, FarOutPureGasesGiveTheAnalyticSpinodalNotTheStart) {
  for (int gas : {1, 5, 10}) {  // CO2, H2, C2H6
    const double a = pureA(gas), b = pureB(gas);
    for (double V : {1e4, 1e6, 1e8, 1e12}) {
      const double expected = 2 * a * (V - b) * (V - b) / (R * V * V * V);
      for (double T0 : {1000.0, 500.0, 250.0}) {
        EXPECT_TRUE(relativelyNear(expected, Globals::SpinDetSolution(pureGas(gas), T0, V), 1e-12))
            << Globals::GasNames[gas] << " at V = " << V << " from " << T0;
      }
    }
  }
}

TEST_F(SpinodalSearch, CarbonDioxideMethaneFromThreeStartTemperatures) {
  auto x = mixture({{1, 0.5}, {9, 0.5}});
  const double V = 100;
  double T1000 = Globals::SpinDetSolution(x, 1000, V);
  ASSERT_GT(T1000, 0.1);
  EXPECT_TRUE(relativelyNear(T1000, Globals::SpinDetSolution(x, 500, V), 1e-12));
  EXPECT_TRUE(relativelyNear(T1000, Globals::SpinDetSolution(x, 250, V), 1e-12));
  expectSpinodalAt(x, T1000, V);
}

// The spinodal window's use: the next start temperature while the result is
// below 0.1 K.
double searchFromLadder(const Globals::Composition& x, double V) {
  double T = 0.0;
  for (double T0 : {1000.0, 500.0, 250.0}) {
    if (T >= 0.1) break;
    T = Globals::SpinDetSolution(x, T0, V);
  }
  return T;
}

TEST_F(SpinodalSearch, MixturesOfManyGasesEndOnTheSpinodal) {
  const Globals::Composition fluids[] = {
      mixture({{0, 0.2}, {1, 0.5}, {2, 0.3}}),
      mixture({{1, 0.3}, {2, 0.1}, {3, 0.2}, {9, 0.25}, {10, 0.15}}),
      mixture({{0, 0.05}, {1, 0.1}, {2, 0.1}, {3, 0.1}, {4, 0.05}, {5, 0.1}, {6, 0.1}, {7, 0.1},
               {8, 0.1}, {9, 0.1}, {10, 0.1}}),
  };
  for (const auto& x : fluids) {
    double V = 2.5 * Globals::bMixture(x);
    double T = searchFromLadder(x, V);
    ASSERT_GT(T, 0.1);
    expectSpinodalAt(x, T, V);
  }
}

TEST_F(SpinodalSearch, StartTemperatureEdgeCases) {
  auto co2 = pureGas(1);
  // From 0 K both start points coincide, the step is 0 and T = 0 fails.
  EXPECT_EQ(0.0, Globals::SpinDetSolution(co2, 0, 100));
  // Starting on the spinodal: only the determinant at T0 is 0.0 and the
  // search comes back to T0 from 0.99 T0.
  Globals::CriticalValues();
  const double Tc = Globals::Tcrit[1], V = 3 * pureB(1);
  Globals::Matrix Q = Globals::SpinodalMatrix(co2, Tc, V);
  ASSERT_EQ(0.0, Globals::Det_LU_Decomposition(Q));
  EXPECT_TRUE(relativelyNear(Tc, Globals::SpinDetSolution(co2, Tc, V), 1e-14));
}

// The threshold 1e-12 is absolute: for H2O, CO2 and N2 the determinant's
// rounding near its zero (about 1e-9) stays above it, and from 1000 K the
// secant steps settle into a loop among temperatures a few units of
// rounding apart, which is the zero: every start ends there.
TEST_F(SpinodalSearch, SearchThatLoopsWithinRoundingConverges) {
  auto x = mixture({{0, 0.2}, {1, 0.5}, {2, 0.3}});
  const double V = 2.5 * Globals::bMixture(x);
  const double T = Globals::SpinDetSolution(x, 1000, V);
  ASSERT_GT(T, 0.1);
  expectSpinodalAt(x, T, V);
  for (double T0 : {600.0, 500.0, 300.0, 250.0}) {
    EXPECT_TRUE(relativelyNear(T, Globals::SpinDetSolution(x, T0, V), 1e-12)) << T0;
  }
}

// A composition without a present gas has no spinodal matrix: the search
// fails before it forms one, so the mixing rules are not even called.
TEST_F(SpinodalSearch, NoPresentGasFailsWithoutFormingAMatrix) {
  const Globals::Composition fluids[] = {Globals::Composition{}, mixture({{1, -0.5}, {9, 0.0}})};
  for (const auto& x : fluids) {
    EXPECT_EQ(0.0, Globals::SpinDetSolution(x, 1000, 100));
    EXPECT_EQ(0.0, Globals::b[1]);
    EXPECT_EQ(0.0, Globals::a[1][1]);
  }
}

// At V = 0 and V = b of a mixture the spinodal matrix holds infinities and its
// LU product is not a number, which the determinant reports as 0.0. The
// search must not take that for the spinodal at its start temperature.
TEST_F(SpinodalSearch, DeterminantThatIsNotANumberFails) {
  auto x = mixture({{1, 0.5}, {9, 0.5}});
  const double b = Globals::bMixture(x);
  for (double V : {0.0, b}) {
    Globals::Matrix Q = Globals::SpinodalMatrix(x, 1000, V);
    EXPECT_EQ(0.0, Globals::Det_LU_Decomposition(Q)) << V;  // its contract stays
    EXPECT_EQ(0.0, Globals::SpinDetSolution(x, 1000, V)) << V;
    EXPECT_EQ(0.0, Globals::SpinDetSolution(x, 500, V)) << V;
  }
  // A pure gas at V = b has an infinite 1 x 1 determinant and fails too.
  EXPECT_EQ(0.0, Globals::SpinDetSolution(pureGas(1), 1000, pureB(1)));
  EXPECT_EQ(0.0, Globals::SpinDetSolution(x, std::numeric_limits<double>::quiet_NaN(), 100));
}

}  // namespace
