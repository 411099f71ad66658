// The critical-point search and the analysis table against the search
// written out literally on the literal engine: whatever the engine does
// faster, every number the windows show keeps its bits. The spinodal
// temperatures come from the engine's search, which its own tests hold to
// the literal search and to the sign of the determinant.

#include "numerics/CriticalSearch.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <set>

#include "numerics/Stability.h"
#include "tests/engine/LiteralStability.h"

namespace {

using Globals::Composition;

double literalLadder(const Composition& x, double V, std::initializer_list<double> starts) {
  double T = 0.0;
  for (double start : starts) {
    T = Globals::SpinDetSolution(x, start, V);
    if (!(T < 0.1)) return T;
  }
  return 0.0;
}

double literalZero(const Composition& x, double T, double V) {
  if (!(T > 0.0)) return 0.0;
  Globals::Matrix M = literal::CriticalMatrix(x, T, V);
  return literal::Det(M);
}

// The secant search on the molar volume, step by step as designed.
stability::SearchRun literalSearch(const Composition& x, double V1, double V2) {
  auto Ts = [&](double V) { return literalLadder(x, V, {1000.0, 600.0, 300.0}); };
  double T1 = Ts(V1), D1 = literalZero(x, T1, V1), T2 = Ts(V2), D2 = literalZero(x, T2, V2);
  double V = V1, D = D1, Vp = V2, Dp = D2, T = 0.0;
  if (std::fabs(D2) > std::fabs(D1)) V = V2, D = D2, Vp = V1, Dp = D1;
  int counter = 0;
  double dV = 0.0;
  while (counter <= 1000) {
    dV = D - Dp == 0.0 ? 0.0 : (Vp - V) * D / (D - Dp);
    if (D - Dp != 0.0 && std::fabs(dV) > V / 10) dV = dV < 0 ? -V / 10 : V / 10;
    Vp = V, Dp = D, V = V + dV;
    T = Ts(V);
    D = literalZero(x, T, V);
    if (std::fabs(dV) < 1e9 && V != 0.0) {
      if (std::fabs(dV / V) < 1e-10 || D == 0.0) counter = 1010;
    } else {
      T = 0.0, V = 0.0, counter = 1001;
    }
    ++counter;
  }
  stability::SearchRun run;
  run.T = T, run.V = V, run.D = D, run.dV = dV;
  // The counter as the literal loop leaves it tells how it stopped.
  run.stop = counter == 1011   ? stability::SearchStop::SmallStep
             : counter == 1002 ? stability::SearchStop::StepOutOfBounds
                               : stability::SearchStop::PassesUsedUp;
  EXPECT_TRUE(counter == 1011 || counter == 1002 || counter == 1001) << counter;
  return run;
}

bool same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Equal fractions of the first `count` gases of CO2, CH4, N2, C2H6, H2S,
// H2O, NH3, H2, O2, CO, Ar.
Composition equalParts(int count) {
  static constexpr int kOrder[] = {1, 9, 2, 10, 3, 0, 4, 5, 6, 7, 8};
  Composition x{};
  for (int i = 0; i < count; ++i) x[kOrder[i]] = 1.0 / count;
  return x;
}

TEST(CriticalSearch, RunsEndExactlyAsTheLiteralSearch) {
  struct Case {
    int gases;
    double V1, V2;  // the default guesses 3b and 2b where not given
  };
  constexpr double kDefault = -1.0;
  // Default guesses, guesses from which the search uses every pass, and a
  // first guess of 0, which ends it with the failure stop.
  const Case cases[] = {{2, kDefault, kDefault}, {2, 120, 25},  {2, 100, 100},
                        {5, kDefault, kDefault}, {5, 38, 232},  {11, kDefault, kDefault},
                        {11, 224, 47},           {3, 60, 1e6},  {3, 0, 1e6}};
  std::set<stability::SearchStop> stops;
  for (const Case& c : cases) {
    const Composition x = equalParts(c.gases);
    const stability::PseudoCriticalPoint pc = stability::PseudoCritical(x);
    const bool given = c.V1 != kDefault;
    const double V1 = given ? c.V1 : pc.V, V2 = given ? c.V2 : pc.b + (pc.V - pc.b) / 2.0;
    const stability::SearchRun expected = literalSearch(x, V1, V2);
    const stability::SearchRun actual = stability::RunCriticalSearch(x, V1, V2);
    stops.insert(expected.stop);
    EXPECT_EQ(expected.stop, actual.stop) << c.gases << " gases from " << V1 << ", " << V2;
    EXPECT_TRUE(same(expected.T, actual.T) && same(expected.V, actual.V) && same(expected.dV, actual.dV))
        << c.gases << " gases from " << V1 << ", " << V2 << ": " << expected.T << " K, " << actual.T << " K";
  }
  EXPECT_EQ(stops.size(), 3u) << "every way a search stops";
}

TEST(CriticalSearch, AnalysisTableRowsAsTheLiteralEngineGivesThem) {
  const Composition x = equalParts(11);
  const stability::PseudoCriticalPoint pc = stability::PseudoCritical(x);
  double T = pc.T, expectedT = pc.T;
  for (double V = std::round(pc.b + 4) + 2; V < pc.b + 504; V += 2) {
    const double starts[] = {T, pc.T, 1000.0};
    T = stability::SpinodalTemperature(x, V, starts);
    expectedT = literalLadder(x, V, {expectedT, pc.T, 1000.0});
    ASSERT_TRUE(same(expectedT, T)) << V;
    ASSERT_TRUE(same(literalZero(x, T, V), stability::ZeroFunction(x, T, V))) << V;
  }
}

// Toward the co-volume the normalised critical condition shrinks like
// (V - b)^3 without changing sign: for H2O/N2, which has no critical point,
// it is below 1e-6 at 1.01 b. A point counts only where the condition
// changes sign, so none is accepted there; the critical point of CO2/CH4
// is.
TEST(CriticalSearch, APointCountsOnlyWhereTheConditionChangesSign) {
  Composition x{};
  x[0] = x[2] = 0.5;
  const double V = 1.01 * Globals::bMixture(x);
  const double T = stability::SpinodalTemperature(x, V, stability::kSearchStarts);
  ASSERT_GT(T, 0.1);
  ASSERT_LT(stability::CriticalConditionResidual(x, T, V), stability::kCriticalResidual);
  EXPECT_FALSE(stability::AcceptPoint(x, T, V));
  EXPECT_FALSE(stability::SearchAlongSpinodal(x));

  Composition y{};
  y[1] = y[9] = 0.5;
  const auto point = stability::SearchAlongSpinodal(y);
  ASSERT_TRUE(point);
  EXPECT_TRUE(stability::AcceptPoint(y, point->T, point->V));
}

}  // namespace
