#pragma once
// The equation-of-state engine: van der Waals mixtures of eleven gases with
// one-fluid mixing rules, and the calculation state that the whole program
// shares. Units: K, MPa, cm3/mol, g/cm3, J/mol, J/(mol K).

#include <array>
#include <cstdint>

#include "engine/Matrix.h"

namespace Globals {

// ---------------------------------------------------------------- gas data
// Gas index: 0 H2O, 1 CO2, 2 N2, 3 H2S, 4 NH3, 5 H2, 6 O2, 7 CO, 8 Ar,
// 9 CH4, 10 C2H6. Every per-gas array, loop and list uses this order.
constexpr int NumGases = 11;
extern const std::array<const char*, NumGases> GasNames;

using Composition = std::array<double, NumGases>;  // mole fractions by gas index
using GasTable = std::array<double, NumGases>;     // one value per gas
using GasMatrix = std::array<std::array<double, NumGases>, NumGases>;
// Roots of a cubic: [0][k] real part, [1][k] imaginary part of root k.
using RootArray = std::array<std::array<double, 3>, 2>;

constexpr double R = 8.314472;  // J/(mol K) = MPa cm3/(mol K)

// ------------------------------------------------------------ shared state
extern Composition fraction;  // the current fluid
extern GasTable Ttrip, Tcrit, Pcrit, Vcrit, Acentric;  // K, K, MPa, cm3/mol, -
extern GasTable MM;           // molar masses, g/mol
extern GasMatrix a;           // a_ij = sqrt(a_i a_j), MPa cm6/mol2
extern GasTable b;            // b_i, cm3/mol
extern std::array<double, 4> MolarVolumes;  // roots of the last root listing
extern GasTable Fugacity;     // MPa
extern GasTable Coefficient;  // fugacity coefficients
extern GasTable Activity;
extern GasTable K_liq_vap;    // y_i / x_i
extern Composition xgas;      // phase X, liquid-like
extern Composition ygas;      // phase Y, vapour-like
extern std::array<std::int64_t, NumGases> IntegerFraction;  // fractions x 10^12
extern std::int64_t PrecisionFactor;                        // 10^12
extern double TempKelvin;     // K
extern double PresMPa;        // MPa
extern double Vexcess;        // cm3/mol

// Puts the whole shared state back to its start-up values: every array
// element 0, PrecisionFactor 10^12, the scalars 0.
void ResetSharedState();

// Load the five critical-constant tables and the molar masses.
void CriticalValues();
void MolecularMasses();

// ------------------------------------- mixing rules, pressure, temperature
double aMixture(const Composition& x);
double bMixture(const Composition& x);
double Pressure(const Composition& x, double T, double V);
double Temperature(const Composition& x, double P, double V);
double Density(const Composition& x, double V);

// ------------------------------------------------- cubic roots, root choice
RootArray CubicEquation(double A, double B, double C);
RootArray Volume(const Composition& x, double T, double P);
// Mode 0 largest real root, 1 middle, 2 smallest. Zeroes the real part of
// every complex root in `roots`.
double VolumeChoice(RootArray& roots, int mode);

// ------------------------------------------------ fugacities, vapour pressure
void Fugacities(const Composition& x, double T, double P, double V);
double SaturationPressure(int gas, double T);

// ---------------------------------- Raoult, Wilson, normalisation
double RaoultPressure(const Composition& x, double T, int mode);
GasTable WilsonDistribution(double T, double P);
double Normaliser(Composition& x);

// ------------------------------------------------------- energy functions
// Property selector: 0 heat capacity, 1 entropy, 2 enthalpy.
double IdealGas(int selector, const Composition& x, double T);
double Energy(const Composition& x, double T, double V);
double Enthalpy(const Composition& x, double T, double V);
double Entropy(const Composition& x, double T, double V);
double Helmholtz(const Composition& x, double T, double V);
double Gibbs(const Composition& x, double T, double V);
double ChemicalPotential(int i, const Composition& x, double T, double V);
// Excess selector: 0 volume, 1 U, 2 H, 3 S, 4 A, 5 G.
double Excess(int sel, const Composition& x, double T, double P, double M);

// ---------------------------------------------------- stability numerics
Matrix SpinodalMatrix(const Composition& x, double T, double V);
// k = -1: derivative with respect to V; otherwise with respect to n_k.
Matrix DerivativeMatrix(int k, const Composition& x, double T, double V);
double Det_LU_Decomposition(Matrix& M);
Matrix CofactorMatrix(const Matrix& Q);
Matrix CriticalMatrix(const Composition& x, double T, double V);
double SpinDetSolution(const Composition& x, double T0, double V);

}  // namespace Globals
