#include "EngineTestSupport.h"

#include <limits>
#include <optional>

namespace {

using namespace enginetest;
using Globals::NumGases;
using Globals::R;

class Fugacities : public EngineTest {};

// The fugacity coefficient of a pure van der Waals gas in closed form.
double pureLnPhi(int gas, double T, double P, double V) {
  double a = pureA(gas), b = pureB(gas);
  return b / (V - b) - std::log(P * (V - b) / (R * T)) - 2 * a / (R * T * V);
}

TEST_F(Fugacities, PureGasesFollowTheClosedForm) {
  for (int gas = 0; gas < NumGases; ++gas) {
    auto x = pureGas(gas);
    for (double T : {200.0, 500.0}) {
      for (double P : {0.1, 5.0, 50.0}) {
        auto roots = Globals::Volume(x, T, P);
        double V = Globals::VolumeChoice(roots, 0);
        Globals::Fugacities(x, T, P, V);
        double expected = std::exp(pureLnPhi(gas, T, P, V));
        EXPECT_TRUE(relativelyNear(expected, Globals::Coefficient[gas], 1e-12))
            << Globals::GasNames[gas] << " T " << T << " P " << P;
        EXPECT_TRUE(relativelyNear(expected * P, Globals::Fugacity[gas], 1e-12));
      }
    }
  }
}

// n A_res/RT of a van der Waals mixture in a total volume Vt, for mole numbers n.
double residualHelmholtz(const Globals::Composition& n, double T, double Vt) {
  double total = 0;
  for (double v : n) total += v;
  double nb = Globals::bMixture(n);
  double n2a = Globals::aMixture(n);
  return -total * std::log((Vt - nb) / Vt) - n2a / (R * T * Vt);
}

TEST_F(Fugacities, MixtureCoefficientsAreDerivativesOfTheResidualHelmholtzEnergy) {
  auto x = mixture({{0, 0.1}, {1, 0.4}, {2, 0.2}, {9, 0.3}});
  const double T = 320, V = 150;
  double P = Globals::Pressure(x, T, V);
  double Z = P * V / (R * T);
  Globals::Fugacities(x, T, P, V);
  auto phi = Globals::Coefficient;
  auto f = Globals::Fugacity;
  for (int i = 0; i < NumGases; ++i) {
    const double h = 1e-5;
    auto up = x, down = x;
    up[i] += h;
    down[i] -= h;
    // Total volume held fixed at one mole's V while n_i changes.
    double derivative = (residualHelmholtz(up, T, V) - residualHelmholtz(down, T, V)) / (2 * h);
    EXPECT_NEAR(std::log(phi[i]), derivative - std::log(Z), 1e-7) << Globals::GasNames[i];
    EXPECT_EQ(f[i], (x[i] * phi[i]) * P);
  }
  // An absent gas has its coefficient at infinite dilution but no fugacity.
  EXPECT_NE(phi[5], 1.0);
  EXPECT_EQ(f[5], 0.0);
}

TEST_F(Fugacities, TendToPartialPressuresInTheIdealGasLimit) {
  auto x = mixture({{1, 0.25}, {2, 0.75}});
  const double T = 400, V = 1e9;
  double P = R * T / V;
  Globals::Fugacities(x, T, P, V);
  EXPECT_NEAR(Globals::Coefficient[1], 1.0, 1e-6);
  EXPECT_NEAR(Globals::Fugacity[2] / P, 0.75, 1e-6);
}

// The logarithms behind the coefficients: inside the cap their exponential
// is the coefficient bit for bit; beyond it (a liquid far below its vapour
// pressure, |ln phi| up to thousands) they still follow the closed form,
// where the coefficient is taken as 1.
TEST_F(Fugacities, UncappedLogarithmsFollowTheClosedFormBeyondTheCap) {
  int beyond = 0;
  for (int gas = 0; gas < NumGases; ++gas) {
    auto x = pureGas(gas);
    for (double T : {0.9, 5.0, 50.0, 300.0}) {
      for (double P : {6.95e-17, 1e-5, 0.1, 5.0}) {
        for (int mode : {0, 2}) {
          auto roots = Globals::Volume(x, T, P);
          const double V = Globals::VolumeChoice(roots, mode);
          Globals::Fugacities(x, T, P, V);
          const std::optional<Globals::GasTable> lnPhi = Globals::LnFugacityCoefficients(x, T, P, V);
          ASSERT_TRUE(lnPhi.has_value());
          const double a = pureA(gas), b = pureB(gas);
          const double terms = std::fabs(b / (V - b)) + std::fabs(2 * a / (R * T * V)) +
                               std::fabs(std::log(P * (V - b) / (R * T)));
          EXPECT_NEAR((*lnPhi)[gas], pureLnPhi(gas, T, P, V), 1e-13 * (1 + terms))
              << Globals::GasNames[gas] << " T " << T << " P " << P << " mode " << mode;
          for (int i = 0; i < NumGases; ++i) {
            const bool capped = !(std::fabs((*lnPhi)[i]) < 227);
            EXPECT_EQ(Globals::Coefficient[i], capped ? 1.0 : std::exp((*lnPhi)[i])) << Globals::GasNames[i];
          }
          beyond += !(std::fabs((*lnPhi)[gas]) < 227);
        }
      }
    }
  }
  EXPECT_GT(beyond, 20);
}

TEST_F(Fugacities, NeutralResultOutsideTheValidRange) {
  auto x = pureGas(1);
  double b = Globals::bMixture(x);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case { double T, P, V; };
  for (Case c : {Case{300, 0, 100}, Case{0, 5, 100}, Case{-10, 5, 100}, Case{300, 5, b},
                 Case{300, 5, b / 2}, Case{nan, 5, 100}, Case{300, 5, nan}}) {
    Globals::Fugacity.fill(7.0);
    Globals::Fugacities(x, c.T, c.P, c.V);
    EXPECT_FALSE(Globals::LnFugacityCoefficients(x, c.T, c.P, c.V).has_value());
    for (int i = 0; i < NumGases; ++i) {
      EXPECT_EQ(Globals::Coefficient[i], 1.0);
      EXPECT_EQ(Globals::Fugacity[i], 0.0);
    }
  }
}

TEST_F(Fugacities, NegativeOrNanPressureGivesUnitCoefficients) {
  auto x = mixture({{1, 0.5}, {9, 0.5}});
  Globals::Fugacities(x, 300, -2.0, 100);
  EXPECT_EQ(Globals::Coefficient[1], 1.0);
  EXPECT_EQ(Globals::Fugacity[1], -1.0);  // x_i P
  Globals::Fugacities(x, 300, std::numeric_limits<double>::quiet_NaN(), 100);
  EXPECT_EQ(Globals::Coefficient[9], 1.0);  // NaN passes the guard; ln phi is NaN
  EXPECT_TRUE(std::isnan(Globals::Fugacity[9]));
}

TEST_F(Fugacities, EmptyFluidHasOnlyTheCoVolumeTerm) {
  Globals::Composition none{};
  const double T = 300, V = 200, P = 10;
  Globals::Fugacities(none, T, P, V);
  for (int i = 0; i < NumGases; ++i) {
    double expected = std::exp(pureB(i) / V - std::log(P * V / (R * T)));
    EXPECT_TRUE(relativelyNear(expected, Globals::Coefficient[i], 1e-13));
    EXPECT_EQ(Globals::Fugacity[i], 0.0);
  }
}

}  // namespace
