// The mixing rule for a and the fugacity coefficients skip the gases with a
// fraction of exactly 0 and form the composition-independent logarithms once.
// Their results must not change by a single bit: they are compared with the
// straightforward forms, kept here, over many compositions, including zero,
// negative, tiny, huge, infinite and NaN fractions.

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "EngineTestSupport.h"
#include "runtime/Runtime.h"

namespace {

using namespace enginetest;
using Globals::Composition;
using Globals::NumGases;
using Globals::R;

// ------------------------------------------------ the straightforward forms

double plainAMixture(const Composition& x) {
  Globals::CriticalValues();
  Globals::aMixture(Composition{});  // the refill of Globals::a
  double sum = 0.0;
  for (int i = 0; i < NumGases; ++i) {
    for (int j = 0; j < NumGases; ++j) sum = sum + (x[i] * x[j]) * Globals::a[i][j];
  }
  return sum;
}

void plainFugacities(const Composition& x, double T, double P, double V) {
  plainAMixture(x);
  double bmix = Globals::bMixture(x);
  if (P == 0 || !(0 < T) || !(bmix < V)) {
    Globals::Coefficient.fill(1.0);
    Globals::Fugacity.fill(0.0);
    return;
  }
  double Z = (P * V) / (R * T);
  for (int i = 0; i < NumGases; ++i) {
    double bi = Globals::b[i];
    double S = 0.0;
    for (int j = 0; j < NumGases; ++j) S = S + (2 * x[j]) * Globals::a[j][i];
    double lnPhi = std::log(V / (V - bmix)) + bi / (V - bmix) - S / ((R * T) * V) - std::log(Z);
    double phi = std::fabs(lnPhi) < 227 ? std::exp(lnPhi) : 1.0;
    Globals::Coefficient[i] = phi;
    Globals::Fugacity[i] = (x[i] * phi) * P;
  }
}

// ------------------------------------------------------------------ inputs

bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// The same bits, or both NaN: which NaN comes out of a sum with NaN or
// infinite terms (its sign, "nan" or "-nan") depends on the order in which
// the compiler's code combines them, and differs between optimisation levels.
bool sameValue(double a, double b) { return sameBits(a, b) || (std::isnan(a) && std::isnan(b)); }

// A random composition: most gases absent (exactly 0, sometimes -0), the
// others ordinary fractions, now and then negative, tiny, huge or not finite.
Composition randomComposition(std::mt19937_64& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Composition x{};
  const double presence = unit(random);
  for (double& xi : x) {
    const double u = unit(random);
    if (u > presence) {
      xi = unit(random) < 0.1 ? -0.0 : 0.0;
      continue;
    }
    xi = unit(random);
    const double odd = unit(random);
    if (odd < 0.03) xi = -xi;
    else if (odd < 0.05) xi = 1e-300 * xi;
    else if (odd < 0.06) xi = 1e300;
    else if (odd < 0.065) xi = std::numeric_limits<double>::infinity();
    else if (odd < 0.07) xi = std::numeric_limits<double>::quiet_NaN();
  }
  return x;
}

class SparseSums : public EngineTest {};

TEST_F(SparseSums, TheMixingRuleForAIsBitForBitTheFullDoubleSum) {
  std::mt19937_64 random(12);
  for (int n = 0; n < 200000; ++n) {
    const Composition x = randomComposition(random);
    const double expected = plainAMixture(x);
    const double actual = Globals::aMixture(x);
    ASSERT_TRUE(sameValue(expected, actual)) << n << ": " << expected << " vs " << actual;
  }
}

// The pure-gas table is still filled afresh on every use: whatever was
// written into it is overwritten, also an entry of the opposite sign or NaN.
TEST_F(SparseSums, TheMixingRuleStillRestoresThePureGasTable) {
  const Composition x = mixture({{1, 0.5}, {9, 0.5}});
  const double expected = Globals::aMixture(x);
  const Globals::GasMatrix table = Globals::a;
  Globals::a[1][9] = 123.0;
  Globals::a[4][4] = -Globals::a[4][4];
  EXPECT_TRUE(sameBits(Globals::aMixture(x), expected));
  EXPECT_EQ(Globals::a, table);
  EXPECT_FALSE(std::signbit(Globals::a[4][4]));
  Globals::a[0][0] = std::numeric_limits<double>::quiet_NaN();
  Globals::Fugacities(x, 300, 1, 3000);
  EXPECT_EQ(Globals::a, table);
}

TEST_F(SparseSums, FugacityCoefficientsAreBitForBitTheFullForm) {
  std::mt19937_64 random(34);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int n = 0; n < 100000; ++n) {
    const Composition x = randomComposition(random);
    const double T = unit(random) < 0.02 ? -1.0 : 50 + 600 * unit(random);
    const double P = unit(random) < 0.02 ? 0.0 : std::pow(10.0, -3 + 5 * unit(random));
    Globals::RootArray roots = Globals::Volume(x, T, P);
    const double V = unit(random) < 0.1 ? 1000 * unit(random) : Globals::VolumeChoice(roots, n % 2 ? 0 : 2);

    plainFugacities(x, T, P, V);
    const Globals::GasTable coefficient = Globals::Coefficient, fugacity = Globals::Fugacity;
    Globals::Coefficient.fill(-7.0);
    Globals::Fugacity.fill(-7.0);
    Globals::Fugacities(x, T, P, V);
    for (int i = 0; i < NumGases; ++i) {
      ASSERT_TRUE(sameBits(coefficient[i], Globals::Coefficient[i]))
          << n << " gas " << i << ": " << coefficient[i] << " vs " << Globals::Coefficient[i];
      ASSERT_TRUE(sameBits(fugacity[i], Globals::Fugacity[i])) << n << " gas " << i;
    }
  }
}

}  // namespace
