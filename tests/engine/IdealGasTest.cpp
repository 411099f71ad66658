#include "EngineTestSupport.h"

#include <limits>

namespace {

using namespace enginetest;
using Globals::NumGases;

class IdealGas : public EngineTest {};

constexpr double Tr = 298.15;

double cp(int gas, double T) { return Globals::IdealGas(0, pureGas(gas), T); }
double S(int gas, double T) { return Globals::IdealGas(1, pureGas(gas), T); }
double H(int gas, double T) { return Globals::IdealGas(2, pureGas(gas), T); }

// Reference data at 298.15 K and 0.1 MPa (standard thermochemical tables):
// cp in J/(mol K), S in J/(mol K), formation enthalpy in kJ/mol.
struct Reference {
  double cp, S, Hf;
};
constexpr Reference kReference[NumGases] = {
    {33.58, 188.84, -241.83}, {37.12, 213.79, -393.51}, {29.12, 191.61, 0.0},
    {34.19, 205.81, -20.63},  {35.06, 192.77, -45.90},  {28.84, 130.68, 0.0},
    {29.38, 205.15, 0.0},     {29.14, 197.66, -110.53}, {20.79, 154.85, 0.0},
    {35.69, 186.25, -74.87},  {52.49, 229.6, -84.0},
};

TEST_F(IdealGas, StandardStateValuesMatchThermochemicalTables) {
  for (int gas = 0; gas < NumGases; ++gas) {
    const Reference& ref = kReference[gas];
    EXPECT_TRUE(relativelyNear(ref.cp, cp(gas, Tr), 0.025)) << Globals::GasNames[gas];
    EXPECT_NEAR(ref.S, S(gas, Tr), 0.15) << Globals::GasNames[gas];
    EXPECT_NEAR(ref.Hf * 1000, H(gas, Tr), 0.015 * 1000 * std::fabs(ref.Hf)) << Globals::GasNames[gas];
  }
  // The integrals vanish exactly at the reference temperature.
  EXPECT_EQ(S(2, Tr), 191.61);
  EXPECT_EQ(H(2, Tr), 0.0);
  EXPECT_EQ(Globals::IdealGas(2, mixture({{2, 0.79}, {6, 0.21}}), Tr), 0.0);
}

TEST_F(IdealGas, EnthalpyAndEntropyAreIntegralsOfTheHeatCapacity) {
  for (int gas = 0; gas < NumGases; ++gas) {
    for (double T : {250.0, 600.0, 1500.0}) {
      const double h = 1e-3 * T;
      double dH = (H(gas, T + h) - H(gas, T - h)) / (2 * h);
      double dS = (S(gas, T + h) - S(gas, T - h)) / (2 * h);
      EXPECT_TRUE(relativelyNear(cp(gas, T), dH, 1e-6)) << Globals::GasNames[gas] << " " << T;
      EXPECT_TRUE(relativelyNear(cp(gas, T) / T, dS, 1e-6)) << Globals::GasNames[gas] << " " << T;
    }
  }
}

TEST_F(IdealGas, HighTemperatureValuesMatchThermochemicalTables) {
  // H(1000 K) - H(298.15 K) in kJ/mol and S(1000 K) in J/(mol K).
  struct At1000K {
    int gas;
    double dH, S;
  };
  for (auto [gas, dH, S1000] : {At1000K{0, 26.00, 232.74}, {1, 33.40, 269.30}, {2, 21.46, 228.17},
                                {6, 22.70, 243.58}, {9, 38.18, 247.55}}) {
    EXPECT_TRUE(relativelyNear(dH * 1000, H(gas, 1000) - H(gas, Tr), 0.02)) << Globals::GasNames[gas];
    EXPECT_TRUE(relativelyNear(S1000, S(gas, 1000), 0.005)) << Globals::GasNames[gas];
  }
}

TEST_F(IdealGas, ArgonHasAConstantHeatCapacity) {
  for (double T : {100.0, 298.15, 2000.0}) {
    EXPECT_EQ(cp(8, T), 20.79);
    EXPECT_TRUE(relativelyNear(20.79 * (T - Tr), H(8, T), 1e-12));
    EXPECT_TRUE(relativelyNear(154.84 + 20.79 * std::log(T / Tr), S(8, T), 1e-14));
  }
}

TEST_F(IdealGas, FractionsAreWeightsWithoutAMixingTerm) {
  const double T = 450;
  for (int sel = 0; sel < 3; ++sel) {
    double water = Globals::IdealGas(sel, pureGas(0), T);
    double carbonDioxide = Globals::IdealGas(sel, pureGas(1), T);
    EXPECT_DOUBLE_EQ(Globals::IdealGas(sel, mixture({{0, 0.5}, {1, 0.5}}), T),
                     (water + carbonDioxide) / 2);
    EXPECT_DOUBLE_EQ(Globals::IdealGas(sel, mixture({{0, 1}, {1, 1}}), T), water + carbonDioxide);
    // Below the 10^-12 grain or negative: left out.
    EXPECT_EQ(Globals::IdealGas(sel, mixture({{0, 1}, {1, 1e-13}, {2, -0.5}}), T), water);
    EXPECT_EQ(Globals::IdealGas(sel, Globals::Composition{}, T), 0.0);
  }
  for (int sel : {3, -1, 99}) EXPECT_EQ(Globals::IdealGas(sel, pureGas(0), T), 0.0);
}

// Closed forms for the two gases whose heat capacity has zero coefficients
// in the terms that overflow or underflow first: argon (constant cp) and
// ethane (a cubic in T), in long double from the tabulated coefficients.
using Long = long double;
constexpr Long kTr = 298.15L;

Long ArgonCp(Long) { return 20.79L; }
Long ArgonS(Long T) { return 154.84L + 20.79L * (std::log(T) - std::log(kTr)); }
Long ArgonH(Long T) { return 20.79L * (T - kTr); }
Long EthaneCp(Long T) { return 6.8598L + 0.172602L * T - 6.41256e-5L * T * T + 7.28e-9L * T * T * T; }
Long EthaneS(Long T) {
  return 229.492L + 6.8598L * (std::log(T) - std::log(kTr)) + 0.172602L * (T - kTr) -
         6.41256e-5L * (T * T - kTr * kTr) / 2 + 7.28e-9L * (T * T * T - kTr * kTr * kTr) / 3;
}
Long EthaneH(Long T) {
  return -84997.0L + 6.8598L * (T - kTr) + 0.172602L * (T * T - kTr * kTr) / 2 -
         6.41256e-5L * (T * T * T - kTr * kTr * kTr) / 3 +
         7.28e-9L * (T * T * T * T - kTr * kTr * kTr * kTr) / 4;
}

// Near 0 K and near the largest Doubles the powers of T of the other terms
// overflow to infinity or underflow to 0; a term whose coefficient is 0
// still contributes nothing.
TEST_F(IdealGas, TermsWithAZeroCoefficientContributeNothingAtExtremeTemperatures) {
  struct Row {
    const char* name;
    int gas, selector;
    double T;
    Long (*expected)(Long);
  };
  const Row rows[] = {
      {"argon cp near 0 K", 8, 0, 1e-320, ArgonCp},
      {"argon cp at 1e100 K", 8, 0, 1e100, ArgonCp},
      {"argon S near 0 K", 8, 1, 1e-320, ArgonS},
      {"argon S at 1e-110 K", 8, 1, 1e-110, ArgonS},
      {"argon S at 1e100 K", 8, 1, 1e100, ArgonS},
      {"argon H near 0 K", 8, 2, 1e-320, ArgonH},
      {"argon H at 1e100 K", 8, 2, 1e100, ArgonH},
      {"ethane cp at 1e-200 K", 10, 0, 1e-200, EthaneCp},
      {"ethane S at 1e-110 K", 10, 1, 1e-110, EthaneS},
      {"ethane S near 0 K", 10, 1, 1e-320, EthaneS},
      {"ethane H at 1e-200 K", 10, 2, 1e-200, EthaneH},
      {"ethane H near 0 K", 10, 2, 1e-320, EthaneH},
  };
  for (const Row& row : rows) {
    const double expected = static_cast<double>(row.expected(row.T));
    EXPECT_TRUE(relativelyNear(expected, Globals::IdealGas(row.selector, pureGas(row.gas), row.T), 1e-13))
        << row.name;
  }
  // A mixture of the two is their weighted sum.
  const double T = 1e-320;
  EXPECT_TRUE(relativelyNear(static_cast<double>(0.25L * ArgonH(T) + 0.75L * EthaneH(T)),
                             Globals::IdealGas(2, mixture({{8, 0.25}, {10, 0.75}}), T), 1e-13));
  // A nonzero coefficient keeps the divergence of the fit: N2's T^-2 term.
  EXPECT_EQ(H(2, 1e-320), -std::numeric_limits<double>::infinity());
}

}  // namespace
