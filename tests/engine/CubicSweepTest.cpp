// The roots of the cubic over the whole range of Doubles, judged against
// quadruple precision (CubicJudge.h), and the states where they once failed.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "EngineTestSupport.h"
#include "tests/engine/CubicJudge.h"
#include "tests/engine/CubicSweep.h"

namespace {

using enginetest::EngineTest;
using enginetest::mixture;
using enginetest::pureGas;
using Globals::RootArray;

class CubicSweep : public EngineTest {};

std::string describe(double A, double B, double C, const RootArray& r) {
  char text[400];
  std::snprintf(text, sizeof text, "A %.17g B %.17g C %.17g: roots %.17g | %.17g %+.17gi | %.17g %+.17gi", A, B, C,
                r[0][0], r[0][1], r[1][1], r[0][2], r[1][2]);
  return text;
}

// A million coefficient triples in six families: any magnitudes from
// 1e-300 to 1e300 with zeros, roots of one size, three real roots far
// apart, two or three roots that nearly meet, a real root with a pair at
// times close to the axis, and van der Waals cubics of random fluids far
// beyond physical states.
TEST_F(CubicSweep, EveryFiniteCubicHasItsRootsToRounding) {
  constexpr long kTriples = 1'000'000;
  cubicsweep::Generator generator(20261209);
  long tried = 0, decided = 0, faults = 0;
  double worst = 0;
  for (long i = 0; i < kTriples; ++i) {
    const auto [A, B, C] = generator.Next(static_cast<int>(i % cubicsweep::Generator::kFamilies));
    if (!std::isfinite(A) || !std::isfinite(B) || !std::isfinite(C)) continue;
    ++tried;
    const RootArray r = Globals::CubicEquation(A, B, C);
    const cubicjudge::Verdict verdict = cubicjudge::Judge(A, B, C, r);
    decided += verdict.countDecided;
    worst = std::max(worst, verdict.worstRadii);
    if (!verdict.fault.empty() && ++faults <= 5) ADD_FAILURE() << verdict.fault << ": " << describe(A, B, C, r);
  }
  EXPECT_EQ(faults, 0);
  EXPECT_GT(tried, 950'000);
  EXPECT_GT(decided, tried / 2);  // the count is judged on most triples
  EXPECT_LE(worst, cubicjudge::kRadiiAllowed);
  RecordProperty("triples", std::to_string(tried));
  RecordProperty("worst_rounding_radii", std::to_string(worst));
  std::printf("%ld triples, count judged on %ld, worst distance %.3g rounding radii\n", tried, decided, worst);
}

struct Row {
  const char* name;
  double A, B, C;
};

void expectJudged(const Row& row) {
  const RootArray r = Globals::CubicEquation(row.A, row.B, row.C);
  const cubicjudge::Verdict verdict = cubicjudge::Judge(row.A, row.B, row.C, r);
  EXPECT_EQ(verdict.fault, "") << row.name << ": " << describe(row.A, row.B, row.C, r);
}

double vdwA(const Globals::Composition& x, double T, double P) {
  return ((-Globals::R) * T - P * Globals::bMixture(x)) / P;
}
double vdwB(const Globals::Composition& x, double P) { return Globals::aMixture(x) / P; }
double vdwC(const Globals::Composition& x, double P) {
  return ((-Globals::aMixture(x)) * Globals::bMixture(x)) / P;
}

Row vdwRow(const char* name, const Globals::Composition& x, double T, double P) {
  return {name, vdwA(x, T, P), vdwB(x, P), vdwC(x, P)};
}

// Coefficients that overflowed the closed form, made the old repair call
// itself without end, or gave roots that were no roots, a wrong count or
// numbers that are not finite.
TEST_F(CubicSweep, CubicsThatOnceFailedAreSolved) {
  const Row rows[] = {
      {"huge C", -6, 9, 1e300},
      {"tiny B", 0, 1e-200, -1},
      {"huge negative C", 1, 1, -1e289},
      {"tiny A and B", 1e-100, 1e-200, -0.1},
      {"A alone, 2^383", 0x1p383, 0, 0},
      {"tiny B, huge C", 0, -2.0902722826084166e-199, 1.3465947907963836e+213},
      {"a root at 0", 1, 1e6, 0},
      {"H2O at its spinodal", 353.8828125, -2420976, -1776410624},
      vdwRow("CO2/CH4 at 1e300 K", mixture({{1, 0.5}, {9, 0.5}}), 1e300, 1),
      vdwRow("CH4 at -1e-117 MPa", pureGas(9), 300, -1e-117),
      vdwRow("H2 at 3.7e-120 K and 1e-242 MPa", pureGas(5), 3.7e-120, 1e-242),
      vdwRow("H2O at its spinodal, 605.65 K", pureGas(0), 605.651970427847, 14.4677549587076),
  };
  for (const Row& row : rows) expectJudged(row);
}

// The values a user saw, worked out by hand.
TEST_F(CubicSweep, RootsWorkedOutByHand) {
  // y (y^2 + y + 1e6): 0 exactly and -1/2 +- i sqrt(1e6 - 1/4).
  RootArray r = Globals::CubicEquation(1, 1e6, 0);
  EXPECT_EQ(r[0][0], 0.0);
  EXPECT_EQ(r[0][1], -0.5);
  EXPECT_EQ(r[0][2], -0.5);
  EXPECT_DOUBLE_EQ(std::fabs(r[1][1]), std::sqrt(999999.75));

  // y^2 (y + 2^383): -2^383 and a double root at 0, as middle, smallest,
  // largest.
  r = Globals::CubicEquation(0x1p383, 0, 0);
  EXPECT_EQ(r[0][1], -0x1p383);
  EXPECT_EQ(r[0][0], 0.0);
  EXPECT_EQ(r[0][2], 0.0);
  EXPECT_EQ(r[1], (std::array<double, 3>{0, 0, 0}));

  // CH4 at -1e-117 MPa: the root of largest magnitude is -A + B/A + ...,
  // and B/A (about -92) is far below the rounding of A: -A itself.
  const auto ch4 = pureGas(9);
  const double A = vdwA(ch4, 300, -1e-117);
  r = Globals::Volume(ch4, 300, -1e-117);
  EXPECT_NEAR(-2.4943416e+120, -A, 1e113);
  const double roots[] = {r[0][0], r[0][1], r[0][2]};
  double largest = 0;
  for (int k = 0; k < 3; ++k) {
    if (r[1][k] == 0 && std::fabs(roots[k]) > std::fabs(largest)) largest = roots[k];
  }
  EXPECT_DOUBLE_EQ(largest, -A);

  // H2 at 3.7e-120 K and 1e-242 MPa: the discriminant, in quadruple
  // precision, says one real root and a pair.
  const auto h2 = pureGas(5);
  const double a = vdwA(h2, 3.7e-120, 1e-242), b = vdwB(h2, 1e-242), c = vdwC(h2, 1e-242);
  ASSERT_EQ(cubicjudge::decidedRealCount(a, b, c), 1);
  r = Globals::Volume(h2, 3.7e-120, 1e-242);
  EXPECT_NE(r[1][1], 0.0);
  EXPECT_EQ(r[0][1], r[0][2]);
}

// Where two roots meet (water's spinodal) the imaginary part is set by
// rounding, but the two members of the pair keep one real part, which
// Vieta's sum fixes: 2 re = -A - y1.
TEST_F(CubicSweep, APairNextToADoubleRootKeepsOneRealPart) {
  const Row rows[] = {
      {"the cubic at 605.65 K", 353.8828125, -2420976, -1776410624},
      vdwRow("the state", pureGas(0), 605.651970427847, 14.4677549587076),
  };
  for (const Row& row : rows) {
    const RootArray r = Globals::CubicEquation(row.A, row.B, row.C);
    SCOPED_TRACE(describe(row.A, row.B, row.C, r));
    if (r[1][1] == 0) continue;  // two real roots: as good, the count is not decided
    EXPECT_EQ(r[0][1], r[0][2]);
    EXPECT_EQ(r[1][1], -r[1][2]);
    EXPECT_NEAR(r[0][1], (-row.A - r[0][0]) / 2, 1e-9 * std::fabs(row.A));
  }
}

// The closed form gives the imaginary part of root 1 a negative sign, but
// in its case t < -1 (p < 0 < q), a positive one. A pair formed anew, where
// the closed form's own pair is not exact, keeps that convention: a cubic
// and its mirror y -> -y (A and C negated) have pairs of opposite signs.
TEST_F(CubicSweep, APairFormedAnewKeepsTheClosedFormsSign) {
  const auto fluid = mixture({{1, 0.5}, {9, 0.5}});
  const Row rows[] = {
      vdwRow("CO2/CH4 at 300 K, 1.23456789e-7 MPa", fluid, 300, 1.23456789e-7),
      vdwRow("H2 at 647 K, 1e-6 MPa", pureGas(5), 647, 1e-6),
      {"(y - 1e12)(y^2 + 2y + 5)", 2 - 1e12, 5 - 2e12, -5e12},
  };
  for (const Row& row : rows) {
    // p < 0 and q < 0 here (A < 0 dominates): negative; the mirror has q > 0.
    const double p = (3 * row.B - row.A * row.A) / 3;
    const double q = ((2 * row.A) * row.A * row.A - (9 * row.A) * row.B + 27 * row.C) / 27;
    ASSERT_LT(p, 0) << row.name;
    ASSERT_LT(q, 0) << row.name;
    const RootArray r = Globals::CubicEquation(row.A, row.B, row.C);
    const RootArray mirror = Globals::CubicEquation(-row.A, row.B, -row.C);
    EXPECT_LT(r[1][1], 0) << row.name;
    EXPECT_GT(mirror[1][1], 0) << row.name;
    for (int k = 0; k < 3; ++k) {
      EXPECT_TRUE(enginetest::relativelyNear(-r[0][k], mirror[0][k], 1e-14)) << row.name << " root " << k;
    }
    EXPECT_TRUE(enginetest::relativelyNear(std::fabs(r[1][1]), std::fabs(mirror[1][1]), 1e-14)) << row.name;
  }
}

}  // namespace
