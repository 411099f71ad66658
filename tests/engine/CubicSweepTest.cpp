// The roots of the cubic over the whole range of Doubles, judged against
// quadruple precision (CubicJudge.h), and the states where they once failed.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "EngineTestSupport.h"
#include "engine/DepressedCubic.h"
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

// A million coefficient triples in seven families: any magnitudes from
// 1e-300 to 1e300 with zeros, roots of one size, three real roots far
// apart, two or three roots that nearly meet, a real root with a pair at
// times close to the axis, van der Waals cubics of random fluids far
// beyond physical states, and exact double roots beside simple ones at
// every scale, at times scaled or nudged.
TEST_F(CubicSweep, EveryFiniteCubicHasItsRootsToRounding) {
  constexpr long kTriples = 7 * 150'000;
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
      {"(y + 1)^2 (y + 78993/65536)", 3.2053375244140625, 3.410675048828125, 1.2053375244140625},
      {"near a double root", 0x1.b7b78d378003cp-19, 0x1.ef6f1a6f00083p-39, 0x1.6f6f1a6f0008ep-60},
  };
  for (const Row& row : rows) expectJudged(row);
  // Each gas at its own critical point, where p q was 0 for five of them:
  // three roots within about 1e-5 of 3b, the critical volume.
  Globals::CriticalValues();
  for (int gas = 0; gas < Globals::NumGases; ++gas) {
    const std::string name = std::string(Globals::GasNames[gas]) + " at its own Tc and Pc";
    expectJudged(vdwRow(name.c_str(), pureGas(gas), Globals::Tcrit[gas], Globals::Pcrit[gas]));
  }
}

// A root beside a double root or a pair close to the real axis, the
// double root of the quadratic that the root leaves: from there, where f'
// is nearly 0, a Newton step can leap to the root beside, whose residual
// is lower. The polish stays near the root it starts from, and no root is
// listed twice.
TEST_F(CubicSweep, APolishStepDoesNotLeapToAnotherRoot) {
  const Row rows[] = {
      {"a tiny root beside a double root at -1e-18", 0x1.28877a69c5338p-59, 0x1.577992c6ee1e1p-120,
       0x1.b0c543e9a194cp-378},
      {"a tiny root beside a double root at -7e12", 0x1.7fe20a8a82e37p+43, 0x1.1fd3119088516p+85,
       0x1.be97903229304p-11},
      {"a small root beside a double root at 5e19", -0x1.5507cb4928724p+66, 0x1.c64dc3cda52dbp+130,
       -0x1.49d45aeaeacb1p+68},
  };
  for (const Row& row : rows) expectJudged(row);
}

// Roots that meet or nearly meet, at every scale 2^e with exact
// coefficients and at 1.5 2^e with rounded ones, either sign:
// - a double root beside a simple one at t = 78993/65536, where f' is small
//   beside the cubic's scale and Newton's steps stall in the rounding of f;
//   the double root the smaller or the larger, the simple root of the same
//   or the other sign;
// - the same with t = 1 (a triple root, or a double root beside its
//   mirror) and t = 1 + 2^-18 (within 4e-6 of a triple root);
// - three roots evenly spaced, s, 2s and 3s, whose q is 0.
// Where p or q is 0 (p q underflows below about 2^-206, and a triple root
// or evenly spaced roots have q = 0 at every scale) the closed form cannot
// divide by them, and the roots are formed anew.
TEST_F(CubicSweep, RootsThatMeetOrNearlyMeetAtEveryScaleAndSign) {
  long vanishing = 0;
  // Judged, for all coefficients that are finite; false after a fault.
  const auto judge = [&](const cubicsweep::Coefficients& c, const std::string& what) {
    const auto [A, B, C] = c;
    if (!std::isfinite(A) || !std::isfinite(B) || !std::isfinite(C)) return true;  // beyond the Doubles
    const auto [p, q] = Globals::detail::Depressed(A, B, C);
    vanishing += p * q == 0;
    expectJudged({what.c_str(), A, B, C});
    return !HasFailure();
  };
  for (int e = -340; e <= 330; ++e) {
    for (unsigned ratio : {53828u, 0u, 1u}) {  // t = 1 + ratio 2^-18
      for (int flags = 0; flags < 16; ++flags) {
        cubicsweep::MultipleRoots m;
        m.exponent = e;
        m.ratio = ratio;
        m.doubleRootLarger = flags & 1, m.negative = flags & 2, m.oppositeSigns = flags & 4;
        if (flags & 8) m.scale = 1.5;
        if (!judge(cubicsweep::multipleRoots(m), "t = 1 + " + std::to_string(ratio) + " 2^-18 at 2^" +
                                                     std::to_string(e) + ", flags " + std::to_string(flags)))
          return;
      }
    }
    for (unsigned odd : {1u, 3u}) {
      for (bool negative : {false, true}) {
        if (!judge(cubicsweep::evenlySpaced(e, odd, negative), "evenly spaced at " + std::to_string(odd) + " 2^" +
                                                                  std::to_string(e)))
          return;
      }
    }
  }
  // The class reaches p q = 0 at scales of every size, not only below 2^-206.
  EXPECT_GT(vanishing, 4 * 671);
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

// Where two roots meet (water's spinodal) they come as a pair whose
// imaginary part is set by rounding, or as two real roots; either way
// Vieta's sum fixes their mean: -A less the root apart, halved. A pair
// keeps one real part. The cubic at 605.65 K is (y + 1024)^2
// (y - 1694.1171875) exactly: its two near roots lie at -1024, to far
// within their rounding radius, about 4e-5.
TEST_F(CubicSweep, TwoRootsNextToADoubleRootKeepTheirMean) {
  struct DoubleRootRow {
    Row row;
    double doubleRoot;  // exact, or 0 where not known
  };
  const DoubleRootRow rows[] = {
      {{"the cubic at 605.65 K", 353.8828125, -2420976, -1776410624}, -1024},
      {vdwRow("the state", pureGas(0), 605.651970427847, 14.4677549587076), 0},
  };
  for (const auto& [row, doubleRoot] : rows) {
    const RootArray r = Globals::CubicEquation(row.A, row.B, row.C);
    SCOPED_TRACE(describe(row.A, row.B, row.C, r));
    double apart = r[0][0], near[2] = {r[0][1], r[0][2]};
    if (r[1][1] != 0) {
      EXPECT_EQ(r[0][1], r[0][2]);
      EXPECT_EQ(r[1][1], -r[1][2]);
    } else {  // smallest, middle, largest: the two nearer to each other
      const double lo = r[0][1], mid = r[0][0], hi = r[0][2];
      const bool lowPair = mid - lo <= hi - mid;
      apart = lowPair ? hi : lo;
      near[0] = lowPair ? lo : hi, near[1] = mid;
    }
    EXPECT_NEAR((near[0] + near[1]) / 2, (-row.A - apart) / 2, 1e-9 * std::fabs(row.A));
    if (doubleRoot != 0) {  // a pair's imaginary part as near to 0
      for (double y : near) EXPECT_LE(std::hypot(y - doubleRoot, r[1][1]), 1e-9 * std::fabs(doubleRoot));
    }
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
    const auto [p, q] = Globals::detail::Depressed(row.A, row.B, row.C);
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
