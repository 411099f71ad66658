#pragma once
// What the spinodal, critical-point and mathematical-analysis windows share:
// the spinodal temperature from a ladder of start temperatures, the zero
// function of the critical-point search, the pseudo-critical point, and the
// check that a point of the spinodal is a critical point. Qt-free.

#include <array>
#include <span>

#include "engine/Globals.h"

namespace stability {

using Globals::Composition;

// A result of the engine's spinodal search below this counts as failed.
inline constexpr double kLowestTemperature = 0.1;

// The start temperatures of the spinodal window and of the critical-point
// search (K).
inline constexpr std::array<double, 3> kSpinodalStarts = {1000.0, 500.0, 250.0};
inline constexpr std::array<double, 3> kSearchStarts = {1000.0, 600.0, 300.0};
// The analysis table builds its ladder per row: the row before's spinodal
// temperature, the pseudo-critical temperature, then this (K).
inline constexpr double kAnalysisLastStart = 1000.0;

// The spinodal temperature of x at V: the engine's search from each start in
// turn while its result is below 0.1 K (0.1 K itself is accepted); 0 when
// the last start fails too.
double SpinodalTemperature(const Composition& x, double V, std::span<const double> starts);

// The determinant of the critical matrix at (T, V), 0 within the
// determinant's zero threshold; 0 where no spinodal temperature was found
// (T not above 0).
double ZeroFunction(const Composition& x, double T, double V);

// The van der Waals critical point of the fluid taken as one fluid with the
// mixture's a and b.
struct PseudoCriticalPoint {
  double a = 0.0;  // MPa cm6/mol2
  double b = 0.0;  // cm3/mol
  double V = 0.0;  // 3b
  double T = 0.0;  // 8a/(27 b R)
  double P = 0.0;  // Globals::Pressure at (T, V)
};
PseudoCriticalPoint PseudoCritical(const Composition& x);

// The gas whose fraction is exactly 1 while every other fraction is 0, or -1.
int PureGas(const Composition& x);

// The third-order critical condition at a point (T, V) of the spinodal, in a
// form that does not depend on which row of the critical matrix carries the
// gradient: with u the null vector of the spinodal matrix Q, the cubic form
// sum over k, i, j of u_k u_i u_j dQ(i, j)/dz_k, divided by the sum of the
// magnitudes of its terms. u is turned to one side throughout (see the
// source), so the condition changes sign where the spinodal passes a
// critical point. Between -1 and 1, 0 at a critical point; NaN when nothing
// can be formed (no present gas, Q without a null direction).
double CriticalCondition(const Composition& x, double T, double V);

// The magnitude of the critical condition; 1 when it cannot be formed.
double CriticalConditionResidual(const Composition& x, double T, double V);

// The residual up to which a point counts as critical.
inline constexpr double kCriticalResidual = 1e-6;

}  // namespace stability
