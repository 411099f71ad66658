// Ideal-gas heat capacity, entropy and enthalpy of a mixture of the eleven
// gases: the engine's only caloric data.

#include <array>
#include <cmath>

#include "engine/FixedPoint.h"
#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

constexpr int NumTerms = 10;
using Terms = std::array<double, NumTerms>;

// cp_i(T) = sum over j of CpCoefficients[i][j] b_j(T), J/(mol K), with the
// basis b_j = 1, T^-1/2, T^-1, T^-2, T^-3, T^1/2, T, T^2, T^3, T^4.
constexpr std::array<Terms, NumGases> CpCoefficients = {{
    {7.368, 361.74, 0, -223160, 0, 0, 0.027468, -4.8117e-6, 0, 0},       // H2O
    {87.82, -998.86, 0, 706410, 0, 0, -0.0026442, 0, 0, 0},              // CO2
    {23.941, 0, 0, 190640, 0, 0, 0.011068, -2.5518e-6, 0, 0},            // N2
    {26.356, -43.559, 0, 265990, 0, 0, 0.026497, -6.0244e-6, 0, 0},      // H2S
    {29.735, -143.78, 0, 292430, 0, 0, 0.039119, -8.2274e-6, 0, 0},      // NH3
    {7.4424, 410.17, 0, -510410, 0, 0, 0.011707, -1.3899e-6, 0, 0},      // H2
    {48.318, -420.66, 0, 499230, 0, 0, -0.00069132, 0, 0, 0},            // O2
    {45.73, -414.69, 0, 662700, 0, 0, -9.7115e-5, 0, 0, 0},              // CO
    {20.79, 0, 0, 0, 0, 0, 0, 0, 0, 0},                                  // Ar
    {78.976, -1320.2, 0, 1883600, 0, 0, 0.043186, -1.0598e-5, 0, 0},     // CH4
    {6.8598, 0, 0, 0, 0, 0, 0.172602, -6.41256e-5, 7.28e-9, 0},          // C2H6
}};

// Pure ideal gas at 298.15 K and 0.1 MPa, J/(mol K).
constexpr GasTable StandardEntropy = {188.72, 213.79, 191.61, 205.8,  192.78, 130.68,
                                      205.15, 197.67, 154.84, 186.26, 229.492};

// Standard enthalpy of formation from the elements at 298.15 K, J/mol.
constexpr GasTable FormationEnthalpy = {-241814, -393510, 0, -20627, -45940, 0,
                                        0,       -110530, 0, -74810, -84997};

constexpr double Tr = 298.15;  // reference temperature, K

// Antiderivatives of b_j(T)/T, the entropy terms.
Terms entropyTerms(double T) {
  double rootT = std::sqrt(T);
  return {std::log(T),
          -2 / rootT,
          -1 / T,
          -1 / (2 * std::pow(T, 2.0)),
          -1 / (3 * std::pow(T, 3.0)),
          2 * rootT,
          T,
          T * T / 2,
          T * T * T / 3,
          T * T * T * T / 4};
}

// Antiderivatives of b_j(T), the enthalpy terms.
Terms enthalpyTerms(double T) {
  double rootT = std::sqrt(T);
  return {T,
          2 * rootT,
          std::log(T),
          -1 / T,
          -1 / (2 * std::pow(T, 2.0)),
          (2.0 / 3.0) * (T * rootT),
          T * T / 2,
          T * T * T / 3,
          T * T * T * T / 4,
          T * T * T * T * T / 5};
}

// A term whose coefficient is 0 is 0, also where its power of T overflows to
// infinity or underflows to 0 (T near 0 or near the largest Doubles), which
// would make it 0 times infinity or 0/0, a NaN. Elsewhere the sums keep the
// bits they have with the term added: adding a zero changes no nonzero sum.
double term(double c, double value) { return c == 0.0 ? 0.0 : value; }

double heatCapacity(const Terms& c, double T) {
  double rootT = std::sqrt(T);
  return c[0] + term(c[1], c[1] / rootT) + term(c[2], c[2] / T) +
         term(c[3], c[3] / std::pow(T, 2.0)) + term(c[4], c[4] / std::pow(T, 3.0)) +
         term(c[5], c[5] * rootT) + term(c[6], c[6] * T) + term(c[7], c[7] * std::pow(T, 2.0)) +
         term(c[8], c[8] * std::pow(T, 3.0)) + term(c[9], c[9] * std::pow(T, 4.0));
}

// The integral from Tr to T, term by term, each as F_j(T) - F_j(Tr).
double integral(const Terms& c, const Terms& atT, const Terms& atTr) {
  double p = 0.0;
  for (int j = 0; j < NumTerms; ++j) p = p + term(c[j], c[j] * (atT[j] - atTr[j]));
  return p;
}

}  // namespace

double IdealGas(int selector, const Composition& x, double T) {
  double result = 0.0;
  if (selector < 0 || selector > 2) return result;
  static const Terms entropyAtTr = entropyTerms(Tr);
  static const Terms enthalpyAtTr = enthalpyTerms(Tr);
  const bool entropy = selector == 1;
  const Terms& atTr = entropy ? entropyAtTr : enthalpyAtTr;
  const Terms atT = entropy ? entropyTerms(T) : enthalpyTerms(T);
  const GasTable& atStandardState = entropy ? StandardEntropy : FormationEnthalpy;
  for (int i = 0; i < NumGases; ++i) {
    rt::RuntimeBackgroundTask();
    if (!presentInFixedPoint(x[i])) continue;
    const Terms& c = CpCoefficients[i];
    if (selector == 0) {
      result = result + x[i] * heatCapacity(c, T);
    } else {
      result = result + x[i] * (atStandardState[i] + integral(c, atT, atTr));
    }
  }
  return result;
}

}  // namespace Globals
