#include "EngineTestSupport.h"

#include <limits>
#include <vector>

namespace {

using namespace enginetest;
using Globals::Composition;
using Globals::NumGases;
using Globals::R;

class EnergyFunctions : public EngineTest {};

struct State {
  Composition x;
  double T, V;
};

// A dense mixture, a dilute vapour, a compressed pure gas.
std::vector<State> states() {
  return {{mixture({{0, 0.1}, {1, 0.4}, {2, 0.2}, {9, 0.3}}), 320, 150},
          {mixture({{3, 0.25}, {5, 0.35}, {10, 0.4}}), 500, 3000},
          {pureGas(1), 280, 60}};
}

double sum(const Composition& n) {
  double total = 0;
  for (double v : n) total += v;
  return total;
}

// n A for mole numbers n in a total volume Vt.
double totalHelmholtz(const Composition& n, double T, double Vt) {
  double N = sum(n);
  Composition x = n;
  for (double& v : x) v /= N;
  return N * Globals::Helmholtz(x, T, Vt / N);
}

TEST_F(EnergyFunctions, FunctionsAreMutuallyConsistent) {
  for (auto [x, T, V] : states()) {
    double U = Globals::Energy(x, T, V), H = Globals::Enthalpy(x, T, V);
    double S = Globals::Entropy(x, T, V), A = Globals::Helmholtz(x, T, V);
    double G = Globals::Gibbs(x, T, V);
    double PV = Globals::Pressure(x, T, V) * V;
    double tolerance = 1e-10 * std::fabs(U);
    EXPECT_NEAR(A, U - T * S, tolerance);
    EXPECT_NEAR(H - U, PV, tolerance);
    EXPECT_NEAR(G - A, PV, tolerance);
    double sumMu = 0;
    for (int i = 0; i < NumGases; ++i) {
      if (x[i] > 0) sumMu += x[i] * Globals::ChemicalPotential(i, x, T, V);
    }
    EXPECT_NEAR(sumMu, G, tolerance);
  }
}

TEST_F(EnergyFunctions, EntropyAndPressureAreDerivativesOfTheHelmholtzEnergy) {
  for (auto [x, T, V] : states()) {
    const double hT = 0.01, hV = 1e-5 * V;
    double dAdT = (Globals::Helmholtz(x, T + hT, V) - Globals::Helmholtz(x, T - hT, V)) / (2 * hT);
    double dAdV = (Globals::Helmholtz(x, T, V + hV) - Globals::Helmholtz(x, T, V - hV)) / (2 * hV);
    EXPECT_TRUE(relativelyNear(Globals::Entropy(x, T, V), -dAdT, 1e-8));
    EXPECT_TRUE(relativelyNear(Globals::Pressure(x, T, V), -dAdV, 1e-7));
  }
}

TEST_F(EnergyFunctions, ChemicalPotentialIsTheMolarDerivativeOfTheHelmholtzEnergy) {
  for (auto [x, T, V] : states()) {
    for (int i = 0; i < NumGases; ++i) {
      if (x[i] == 0) continue;
      const double h = 1e-5;
      auto up = x, down = x;
      up[i] += h;
      down[i] -= h;
      double derivative = (totalHelmholtz(up, T, V) - totalHelmholtz(down, T, V)) / (2 * h);
      EXPECT_NEAR(Globals::ChemicalPotential(i, x, T, V), derivative, 1e-3) << Globals::GasNames[i];
    }
  }
}

TEST_F(EnergyFunctions, TendToTheIdealGasMixtureAtLowDensity) {
  auto x = mixture({{2, 0.5}, {6, 0.5}});
  const double T = 298.15, V = 1e12, P = R * T / V;
  double Hig = Globals::IdealGas(2, x, T), Sig = Globals::IdealGas(1, x, T);
  EXPECT_NEAR(Globals::Energy(x, T, V), Hig - R * T, 1e-6);
  EXPECT_NEAR(Globals::Enthalpy(x, T, V), Hig, 1e-6);
  // Ideal entropy of mixing R ln 2 and the pressure term -R ln(P/0.1 MPa).
  EXPECT_NEAR(Globals::Entropy(x, T, V), Sig + R * std::log(2.0) - R * std::log(P / 0.1), 1e-9);
  // A dilute gas in a mixture: mu_i - RT ln x_i tends to a constant (Henry).
  auto dilute = [&](double xi) {
    auto y = mixture({{2, 1 - xi}, {9, xi}});
    return Globals::ChemicalPotential(9, y, 300, 200) - R * 300 * std::log(xi);
  };
  EXPECT_NEAR(dilute(1e-13), dilute(1e-9), 1e-3);  // the first is below the 10^-12 grain
}

TEST_F(EnergyFunctions, PureGasEntropyInClosedForm) {
  for (int gas = 0; gas < NumGases; ++gas) {
    const double T = 400, V = 500;
    double expected = Globals::IdealGas(1, pureGas(gas), T) +
                      R * std::log(0.1 * (V - pureB(gas)) / (R * T));
    EXPECT_TRUE(relativelyNear(expected, Globals::Entropy(pureGas(gas), T, V), 1e-13))
        << Globals::GasNames[gas];
  }
}

double allSix(int which, const Composition& x, double T, double V) {
  switch (which) {
    case 0: return Globals::Energy(x, T, V);
    case 1: return Globals::Enthalpy(x, T, V);
    case 2: return Globals::Entropy(x, T, V);
    case 3: return Globals::Helmholtz(x, T, V);
    case 4: return Globals::Gibbs(x, T, V);
    default: return Globals::ChemicalPotential(1, x, T, V);
  }
}

TEST_F(EnergyFunctions, ZeroOutsideTheValidRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto x = mixture({{1, 0.6}, {9, 0.4}});
  for (int which = 0; which < 6; ++which) {
    for (auto [T, V] : {std::pair{0.0, 500.0}, {-10.0, 500.0}, {300.0, 0.0}, {300.0, -5.0},
                        {nan, 500.0}, {300.0, nan}}) {
      EXPECT_EQ(allSix(which, x, T, V), 0.0) << which << " T " << T << " V " << V;
    }
  }
  // At V = b only the internal energy, which is not tested against b, remains.
  const double T = 300, b = Globals::bMixture(x);
  for (int which = 1; which < 6; ++which) EXPECT_EQ(allSix(which, x, T, b), 0.0) << which;
  EXPECT_NEAR(Globals::Energy(x, T, b),
              Globals::IdealGas(2, x, T) - R * T - Globals::aMixture(x) / b, 1e-9);
}

TEST_F(EnergyFunctions, ChemicalPotentialOfAGasIndexOutsideTheTableIsZero) {
  auto x = mixture({{1, 0.6}, {9, 0.4}});
  for (int i : {-1, NumGases, 1000}) EXPECT_EQ(Globals::ChemicalPotential(i, x, 300, 500), 0.0);
}

TEST_F(EnergyFunctions, AllZeroCompositionIsAnIdealGasWithoutSubstance) {
  Composition x{};
  const double T = 300, V = 800;
  EXPECT_EQ(Globals::Entropy(x, T, V), 0.0);
  EXPECT_NEAR(Globals::Enthalpy(x, T, V), 0.0, 1e-9);
  EXPECT_EQ(Globals::Energy(x, T, V), -R * T);
}

// Near 0 K the per-gas term ln(0.1 V/(x_i R T)) is about 740 and x_i R T may
// underflow: the entropy stays finite, and the free energies and the chemical
// potential tend to their limits at T = 0, the ideal-gas enthalpy less the
// attraction terms (a/V for A, 2a/V for G and for mu of a pure gas).
TEST_F(EnergyFunctions, PerGasTermsStayFiniteNearZeroKelvin) {
  const double T = 1e-320, V = 100;
  const double bAr = pureB(8), aAr = pureA(8);
  const long double S = static_cast<long double>(Globals::IdealGas(1, pureGas(8), T)) +
                        R * std::log((V - bAr) / V) +
                        R * (std::log(0.1L * V) - std::log(static_cast<long double>(R)) -
                             std::log(static_cast<long double>(T)));
  EXPECT_TRUE(relativelyNear(static_cast<double>(S), Globals::Entropy(pureGas(8), T, V), 1e-12));

  const double Har = Globals::IdealGas(2, pureGas(8), T);
  EXPECT_TRUE(relativelyNear(Har - 2 * aAr / V, Globals::ChemicalPotential(8, pureGas(8), T, V), 1e-12));

  // Ethane at the 10^-12 grain: its x_i R T underflows to 0.
  const Composition x = mixture({{8, 1 - 1e-12}, {10, 1e-12}});
  const double a = std::pow((1 - 1e-12) * std::sqrt(aAr) + 1e-12 * std::sqrt(pureA(10)), 2);
  const double Hig = Globals::IdealGas(2, x, T);
  EXPECT_TRUE(relativelyNear(Hig - a / V, Globals::Helmholtz(x, T, V), 1e-12));
  EXPECT_TRUE(relativelyNear(Hig - 2 * a / V, Globals::Gibbs(x, T, V), 1e-12));
}

}  // namespace
