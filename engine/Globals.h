#pragma once
// The equation-of-state engine: van der Waals mixtures of eleven gases with
// one-fluid mixing rules, and the calculation state that the whole program
// shares. Units: K, MPa, cm3/mol, g/cm3, J/mol, J/(mol K).

#include <array>
#include <cstdint>
#include <optional>

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
extern std::array<double, 4> MolarVolumes;  // cm3/mol, roots of the last root listing
extern GasTable Fugacity;     // MPa
extern GasTable Coefficient;  // fugacity coefficients, dimensionless
extern GasTable Activity;     // activities, dimensionless
extern GasTable K_liq_vap;    // y_i / x_i
extern Composition xgas;      // phase X, liquid-like
extern Composition ygas;      // phase Y, vapour-like
extern std::array<std::int64_t, NumGases> IntegerFraction;  // the fluid window's fractions x 10^12
extern std::int64_t PrecisionFactor;                        // 10^12
extern double TempKelvin;     // K
extern double PresMPa;        // MPa
extern double Vexcess;        // cm3/mol

// What each function writes of the shared state above is said with it; the
// engine never writes fraction, MolarVolumes, TempKelvin or PresMPa, which
// belong to the windows. Compositions x are 11 mole fractions by gas index
// (dimensionless, read only unless said otherwise, used as given: no
// normalisation, negative or over-unity values enter the sums unchanged).
// Temperatures are in K, pressures in MPa, molar volumes in cm3/mol.

// Puts the whole shared state back to its start-up values: every array
// element 0, PrecisionFactor 10^12, the scalars 0. Writes all of it.
void ResetSharedState();

// Writes Ttrip (K), Tcrit (K), Pcrit (MPa), Vcrit (cm3/mol) and Acentric
// (dimensionless) from the built-in constants.
void CriticalValues();
// Writes MM (g/mol) from the built-in constants.
void MolecularMasses();

// ------------------------------------- mixing rules, pressure, temperature
// a_mix = sum of x_i x_j a_ij, MPa cm6/mol2. Writes a (all 121 elements) and,
// through CriticalValues, the five critical tables.
double aMixture(const Composition& x);
// b_mix = sum of x_i b_i, cm3/mol. Writes b and the five critical tables.
double bMixture(const Composition& x);
// P = R T/(V - b) - a/V^2 in MPa from T (K) and V (cm3/mol); 0 unless b < V.
// Writes b and the critical tables, and a only when b < V.
double Pressure(const Composition& x, double T, double V);
// T in K from P (MPa) and V (cm3/mol); 0 unless 0 < V. Writes b and the
// critical tables, and a only when 0 < V.
double Temperature(const Composition& x, double P, double V);
// Density in g/cm3 at V (cm3/mol): sum of x_i M_i / V; 0 unless 0 < V.
// Writes MM.
double Density(const Composition& x, double V);

// ------------------------------------------------- cubic roots, root choice
// Roots of y^3 + A y^2 + B y + C = 0, in the unit of y (A in that unit, B its
// square, C its cube), each a root to rounding, with the true count of real
// roots wherever rounding does not hide it, for any finite coefficients
// (also where the closed form's p q is 0: a triple root, roots evenly
// spaced). All six parts NaN, at once, when a coefficient is no finite
// number. Writes nothing.
RootArray CubicEquation(double A, double B, double C);
// Roots in cm3/mol of the van der Waals cubic in V at T (K) and P (MPa); all
// zero for P = 0. For every finite T and P (and a composition whose a and b
// are finite) each root is a root to rounding, as CubicEquation gives it,
// also where the cubic's coefficients, or the products they are formed
// from, leave the range of Doubles (R T/P or a/P at a pressure near 0, P b
// near the largest Double, R T below the normal range): a real root
// beyond the largest Double is an infinity of its sign (the vapour root
// R T/P at 1e-320 MPa: +inf), and the other roots keep their values. NaN
// only where T, P, a or b is no finite number. Writes a, b and the critical
// tables (also for P = 0).
RootArray Volume(const Composition& x, double T, double P);
// One molar volume (cm3/mol) from the roots: mode 0 largest real root, 1
// middle, 2 smallest; with fewer than two real roots the real one, or 0.
// Zeroes the real part of every complex root in `roots`; writes no shared
// state.
double VolumeChoice(RootArray& roots, int mode);

// ------------------------------------------------ fugacities, vapour pressure
// Fugacity coefficients (dimensionless) and fugacities x_i phi_i P (MPa) of
// every gas at T (K), P (MPa) and V (cm3/mol), a root of the cubic at (T, P).
// Writes Coefficient and Fugacity (all eleven elements; 1 and 0 unless P is
// not 0, 0 < T and b < V), and a, b and the critical tables. No result.
void Fugacities(const Composition& x, double T, double P, double V);
// ln phi_i of every gas as Fugacities forms it, without taking phi as 1
// where |ln phi| reaches 227: what judges an equilibrium of fugacities
// beyond the range of the Doubles. None where Fugacities gives its neutral
// result (P = 0, T not above 0 or V not above b). Writes a, b and the
// critical tables.
std::optional<GasTable> LnFugacityCoefficients(const Composition& x, double T, double P, double V);
// Saturation pressure in MPa of one gas (gas index) at T (K); 0.1 for an
// index outside 0..10. Writes the critical tables.
double SaturationPressure(int gas, double T);

// ---------------------------------- Raoult, Wilson, normalisation
// Raoult's-law pressure in MPa of x at T (K): mode 0 the bubble pressure of
// a liquid, sum of x_i Psat_i; mode 1 the dew pressure of a vapour,
// 1 / sum of x_i/Psat_i over the gases with Psat_i > 0 (0.1 when that sum is
// not positive). Writes the critical tables.
double RaoultPressure(const Composition& x, double T, int mode);
// Wilson K-values y_i/x_i (dimensionless) by gas index at T (K) and P (MPa);
// all 1 unless 0 < T and 0 < P. Writes the critical tables (when both are
// positive); the caller stores the result (K_liq_vap).
GasTable WilsonDistribution(double T, double P);
// Quantises x to the 10^-12 grain and, unless the integers sum to exactly
// PrecisionFactor, rescales x in place to a unit sum. Returns the total before
// rescaling (dimensionless, 10^12 units count as 1). Writes only the caller's
// x: the integers are its own, not IntegerFraction. Where the integers sum to
// 0 (fractions below the grain) or leave the 64-bit range (fractions above
// about 9.2e6), x is rescaled by its own total, which is returned. A NaN
// counts as 0 and is set to 0 on every path. A finite x stays finite: when
// it cannot be brought to a unit sum (its total is 0 or not finite, or a
// fraction over it is not finite) it is left as it was (but for its NaNs)
// and the result is NaN, which the caller takes as a composition it cannot
// use.
double Normaliser(Composition& x);

// ------------------------------------------------------- energy functions
// The energies are relative to the elements in the ideal-gas mixture at
// 298.15 K and 0.1 MPa, the entropy absolute. T in K, V in cm3/mol.
// Writes nothing but through the mixing rules (a, b, critical tables), as
// each says.

// Ideal-gas mixture at T (K), gases present at the 10^-12 grain only.
// Selector: 0 heat capacity cp, J/(mol K); 1 entropy, J/(mol K); 2 enthalpy,
// J/mol; any other 0. Writes nothing.
double IdealGas(int selector, const Composition& x, double T);
// Internal energy U, J/mol; 0 unless 0 < V and 0 < T. Writes a and the
// critical tables.
double Energy(const Composition& x, double T, double V);
// Enthalpy H, J/mol; 0 unless b < V and 0 < T. Writes a, b and the critical
// tables.
double Enthalpy(const Composition& x, double T, double V);
// Entropy S, J/(mol K); 0 unless b < V and 0 < T. Writes b and the critical
// tables.
double Entropy(const Composition& x, double T, double V);
// Helmholtz energy A, J/mol; 0 unless b < V and 0 < T. Writes a, b and the
// critical tables.
double Helmholtz(const Composition& x, double T, double V);
// Gibbs energy G = A + P V, J/mol; 0 unless b < V and 0 < T. Writes a, b and
// the critical tables.
double Gibbs(const Composition& x, double T, double V);
// Chemical potential of gas i (gas index) in the mixture, J/mol; 0 for an
// index outside 0..10 or unless b < V and 0 < T. Writes a, b and the
// critical tables.
double ChemicalPotential(int i, const Composition& x, double T, double V);
// The excess part of a property: M, the mixture's value at the caller's
// molar volume, less the fraction-weighted values of the pure gases at T (K)
// and P (MPa), and for S, A and G less the ideal mixing term. Selector:
// 0 volume (cm3/mol), 1 U (J/mol), 2 H (J/mol), 3 S (J/(mol K)), 4 A (J/mol),
// 5 G (J/mol); M and the result are in that unit; 0 for a pure gas. Writes
// a, b and the critical tables.
double Excess(int sel, const Composition& x, double T, double P, double M);

// ---------------------------------------------------- stability numerics
// Matrices of N x N for the N present gases (x_i > 0): row and column 0 for
// the molar volume, row and column p for the present gas of present index p
// (the first present gas has none). Each builds its terms with aMixture and
// bMixture, so each writes a, b and the critical tables; none writes other
// shared state.

// Second derivatives of the Helmholtz energy at T (K), V (cm3/mol): A_VV in
// MPa mol/cm3, A_Vi in MPa, A_ij in J/mol.
Matrix SpinodalMatrix(const Composition& x, double T, double V);
// The spinodal matrix differentiated entry by entry: k = -1 with respect to
// V (each entry's unit per cm3/mol), otherwise with respect to the mole
// number of gas k (per mol); all zero when gas k is not present.
Matrix DerivativeMatrix(int k, const Composition& x, double T, double V);
// Determinant by LU decomposition, in the unit of the product of the
// entries; 0 when its magnitude is at most 10^-12. Overwrites M with its LU
// factors; writes no shared state.
double Det_LU_Decomposition(Matrix& M);
// Signed minors of Q, in the unit of a determinant one order lower. Writes
// nothing.
Matrix CofactorMatrix(const Matrix& Q);
// The spinodal matrix at T (K), V (cm3/mol) with its last row replaced by
// the gradient of its determinant (Jacobi's formula).
Matrix CriticalMatrix(const Composition& x, double T, double V);
// The spinodal temperature in K at V (cm3/mol): a secant search from T0 (K)
// for a zero of the spinodal matrix's determinant, and where it ends without
// one a search that brackets the zero by the determinant's sign. A
// temperature is returned only where the determinant changes sign across
// it; 0 when none is found or no gas is present. Writes a, b and the
// critical tables.
double SpinDetSolution(const Composition& x, double T0, double V);

}  // namespace Globals
