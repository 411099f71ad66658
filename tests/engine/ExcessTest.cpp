#include "EngineTestSupport.h"

namespace {

using namespace enginetest;
using Globals::Composition;
using Globals::NumGases;
using Globals::R;

class Excess : public EngineTest {};

// The mixture's value of the property that an excess selector names.
double property(int sel, const Composition& x, double T, double V) {
  switch (sel) {
    case 1: return Globals::Energy(x, T, V);
    case 2: return Globals::Enthalpy(x, T, V);
    case 3: return Globals::Entropy(x, T, V);
    case 4: return Globals::Helmholtz(x, T, V);
    case 5: return Globals::Gibbs(x, T, V);
    default: return V;
  }
}

// The root of P(V) = P between lo and hi, where P(V) - P changes sign.
double bisect(const Composition& x, double T, double P, double lo, double hi) {
  for (int pass = 0; pass < 200; ++pass) {
    double mid = (lo + hi) / 2;
    bool sameSideAsLo = (Globals::Pressure(x, T, mid) > P) == (Globals::Pressure(x, T, lo) > P);
    if (sameSideAsLo) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return (lo + hi) / 2;
}

// Smallest and largest molar volume at which a pure gas has pressure P,
// found by walking out from the co-volume.
std::pair<double, double> pureRoots(int gas, double T, double P) {
  auto x = pureGas(gas);
  double b = pureB(gas);
  double V = b * (1 + 1e-9), previous = V, smallest = 0, largest = 0;
  bool above = true;
  while (V < 1e3 * R * T / P) {
    previous = V;
    V *= 1.001;
    bool nowAbove = Globals::Pressure(x, T, V) > P;
    if (nowAbove != above) {
      largest = bisect(x, T, P, previous, V);
      if (smallest == 0) smallest = largest;
    }
    above = nowAbove;
  }
  return {smallest, largest};
}

TEST_F(Excess, PureGasHasExactlyZeroExcess) {
  for (int gas = 0; gas < NumGases; ++gas) {
    for (int sel = -1; sel <= 6; ++sel) {
      EXPECT_EQ(Globals::Excess(sel, pureGas(gas), 300, 2, 1234.5), 0.0) << gas << " " << sel;
    }
  }
}

TEST_F(Excess, VanishesInTheIdealGasLimit) {
  auto x = mixture({{1, 0.3}, {2, 0.2}, {9, 0.5}});
  const double T = 300;
  auto excessAt = [&](int sel, double P) {
    auto roots = Globals::Volume(x, T, P);
    double V = Globals::VolumeChoice(roots, 0);
    return Globals::Excess(sel, x, T, P, property(sel, x, T, V));
  };
  for (int sel = 1; sel <= 5; ++sel) {
    double scale = sel == 3 ? 1.0 : R * T;
    EXPECT_LT(std::fabs(excessAt(sel, 1e-5)), 1e-5 * scale) << sel;
    EXPECT_LT(std::fabs(excessAt(sel, 1e-5)), std::fabs(excessAt(sel, 1e-3)) / 50) << sel;
  }
  // The excess volume tends to the excess second virial coefficient
  // B = b - a/RT; b mixes linearly, a quadratically.
  double linearA = 0;
  for (int k = 0; k < NumGases; ++k) linearA += x[k] * (x[k] > 0 ? pureA(k) : 0.0);
  double virialExcess = -(Globals::aMixture(x) - linearA) / (R * T);
  EXPECT_TRUE(relativelyNear(virialExcess, excessAt(0, 1e-5), 1e-3));
}

TEST_F(Excess, IdealMixingTermsAtZeroTemperature) {
  // At T = 0 every pure-gas value is 0, leaving M and the mixing terms:
  // S^E = S - sum x S_k + R sum x ln x, A^E and G^E subtract RT sum x ln x.
  auto x = mixture({{2, 0.5}, {6, 0.5}});
  const double M = 100;
  EXPECT_DOUBLE_EQ(Globals::Excess(3, x, 0, 1, M), M - R * std::log(2.0));
  for (int sel : {1, 2, 4, 5}) EXPECT_EQ(Globals::Excess(sel, x, 0, 1, M), M) << sel;
}

TEST_F(Excess, SubtractsPureGasesAtTheirOwnPhase) {
  // At 300 K and 1 MPa water is liquid (its vapour pressure is 3.5 kPa) and
  // nitrogen supercritical.
  auto x = mixture({{0, 0.5}, {2, 0.5}});
  const double T = 300, P = 1, V = 1000;
  double Vwater = pureRoots(0, T, P).first, Vnitrogen = pureRoots(2, T, P).first;
  ASSERT_LT(Vwater, 50.0);
  ASSERT_GT(Vnitrogen, 2000.0);
  double sumXlnX = 2 * (0.5 * std::log(0.5));
  for (int sel = 0; sel <= 5; ++sel) {
    double M = property(sel, x, T, V);
    double expected = M - 0.5 * property(sel, pureGas(0), T, Vwater) -
                      0.5 * property(sel, pureGas(2), T, Vnitrogen);
    if (sel == 3) expected += R * sumXlnX;
    if (sel >= 4) expected -= R * T * sumXlnX;
    EXPECT_NEAR(Globals::Excess(sel, x, T, P, M), expected, 1e-7 * std::fabs(M)) << sel;
  }
}

TEST_F(Excess, PureGasAtItsSaturationPressureIsLiquid) {
  const double T = 250;
  auto x = mixture({{1, 0.5}, {2, 0.5}});
  double Psat = Globals::SaturationPressure(1, T);
  auto [liquid, vapour] = pureRoots(1, T, Psat);
  ASSERT_LT(2 * liquid, vapour);  // three roots: a liquid and a vapour
  double below = std::nextafter(Psat, 0.0);
  double atPsat = Globals::Excess(0, x, T, Psat, 0) + 0.5 * pureRoots(2, T, Psat).first;
  double justBelow = Globals::Excess(0, x, T, below, 0) + 0.5 * pureRoots(2, T, below).first;
  EXPECT_TRUE(relativelyNear(-0.5 * liquid, atPsat, 1e-8));
  EXPECT_TRUE(relativelyNear(-0.5 * vapour, justBelow, 1e-8));
}

TEST_F(Excess, GasesBelowTheGrainAndUnknownSelectorsAddNothing) {
  auto x = mixture({{1, 0.4}, {9, 0.6}});
  auto withTrace = x;
  withTrace[5] = 1e-13;
  for (int sel = 0; sel <= 5; ++sel) {
    EXPECT_EQ(Globals::Excess(sel, withTrace, 300, 3, 50), Globals::Excess(sel, x, 300, 3, 50));
    EXPECT_EQ(Globals::Excess(sel, Composition{}, 300, 3, 50), 50.0);
  }
  for (int sel : {-1, 6, 42}) EXPECT_EQ(Globals::Excess(sel, x, 300, 3, 50), 50.0);
}

}  // namespace
