#pragma once
// Deterministic families of cubic coefficients over the whole range of
// Doubles, for the engine tests' sweep; the exact multiple roots also for
// the fuzz target's structured inputs.

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "engine/Globals.h"

namespace cubicsweep {

struct Coefficients {
  double A, B, C;
};

// x moved by `units` units in the last place.
inline double nudged(double x, int units) {
  for (; units > 0; --units) x = std::nextafter(x, std::numeric_limits<double>::infinity());
  for (; units < 0; ++units) x = std::nextafter(x, -std::numeric_limits<double>::infinity());
  return x;
}

// A double root and a simple root beside it with short mantissas: m 2^e
// and m 2^e t, t = 1 + j 2^-18 with 0 < j < 2^18 and m odd below 32; the
// double root the smaller or the larger in magnitude, the simple root of
// the same or the other sign. The products have at most 53 bits, so the
// coefficients are exact wherever they neither overflow nor underflow,
// and the cubic has exactly these roots. With a scale in (1, 2) the roots
// are multiplied by it and the coefficients rounded; a nudge then moves
// them by units in the last place: near-double roots.
struct MultipleRoots {
  int exponent = 0;     // e
  unsigned odd = 1;     // m
  unsigned ratio = 1;   // j
  bool doubleRootLarger = false, negative = false, oppositeSigns = false;
  double scale = 1;
  std::array<int, 3> nudge{};  // units in the last place of A, B, C
};

inline Coefficients multipleRoots(const MultipleRoots& m) {
  const double small = (m.negative ? -1.0 : 1.0) * std::ldexp(double(m.odd), m.exponent) * m.scale;
  const double large = small * (1 + std::ldexp(double(m.ratio), -18));
  const double twice = m.doubleRootLarger ? large : small;
  const double once = (m.doubleRootLarger ? small : large) * (m.oppositeSigns ? -1.0 : 1.0);
  // (y - twice)^2 (y - once)
  return {nudged(-(2 * twice + once), m.nudge[0]), nudged(twice * (twice + 2 * once), m.nudge[1]),
          nudged(-(twice * twice * once), m.nudge[2])};
}

// Three roots evenly spaced, s, 2s and 3s with s = m 2^e (m odd below 32),
// or their mirrors -s, -2s, -3s: q is 0, and the coefficients -6s, 11s^2
// and -6s^3 are exact wherever they neither overflow nor underflow.
inline Coefficients evenlySpaced(int exponent, unsigned odd, bool negative) {
  const double s = (negative ? -1.0 : 1.0) * std::ldexp(double(odd), exponent);
  return {-6 * s, 11 * s * s, -6 * s * s * s};
}

class Generator {
 public:
  explicit Generator(unsigned long long seed) : engine_(seed) {}

  // The coefficients of family `family` (0 to kFamilies - 1).
  Coefficients Next(int family) {
    switch (family) {
      case 0: return {anyDouble(), anyDouble(), anyDouble()};
      case 1: return ofScale();
      case 2: return threeRealRoots();
      case 3: return nearMultipleRoots();
      case 4: return realRootAndPair();
      case 5: return vanDerWaals();
      default: return multipleRoots(anyMultipleRoots());
    }
  }
  static constexpr int kFamilies = 7;

 private:
  double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine_); }
  bool chance(double p) { return uniform(0, 1) < p; }
  double sign() { return chance(0.5) ? -1.0 : 1.0; }
  double magnitude(double lo, double hi) { return std::pow(10.0, uniform(lo, hi)); }

  // A coefficient of any magnitude from 1e-300 to 1e300, either sign, or 0.
  double anyDouble() { return chance(0.1) ? 0.0 : sign() * magnitude(-300, 300); }

  // Roots of one size s: A ~ s, B ~ s^2, C ~ s^3, with some terms 0.
  Coefficients ofScale() {
    const double s = magnitude(-100, 100);
    auto part = [this](double size) { return chance(0.1) ? 0.0 : uniform(-10, 10) * size; };
    return {part(s), part(s * s), part(s * s * s)};
  }

  // (y - r1)(y - r2)(y - r3) rounded, the roots of sizes far apart.
  Coefficients fromRoots(double r1, double r2, double r3) {
    return {-(r1 + r2 + r3), r1 * r2 + r1 * r3 + r2 * r3, -(r1 * r2 * r3)};
  }
  double root(double decades) { return sign() * magnitude(-decades, decades); }
  Coefficients threeRealRoots() { return fromRoots(root(100), root(100), root(100)); }

  // Two or three roots that nearly meet: at a spinodal, or a critical point.
  Coefficients nearMultipleRoots() {
    const double r = root(50);
    const double apart = magnitude(-17, -2);
    const double other = chance(0.5) ? r * (1 + sign() * magnitude(-17, -2)) : root(50);
    return fromRoots(r, r * (1 + sign() * apart), other);
  }

  // (y - r)((y - re)^2 + im^2), the pair at times close to the real axis.
  Coefficients realRootAndPair() {
    const double r = root(100), re = root(100);
    const double im = std::fabs(re) * magnitude(-17, 3);
    const double norm = re * re + im * im;
    return {-(r + 2 * re), 2 * re * r + norm, -(r * norm)};
  }

  // Exact multiple roots over the whole range of Doubles (at the smallest
  // scales p q underflows, and the closed form has no roots to give), at
  // times at a scale that is no power of two or nudged.
  MultipleRoots anyMultipleRoots() {
    MultipleRoots m;
    m.exponent = static_cast<int>(std::floor(uniform(-340, 331)));
    m.odd = chance(0.5) ? 1 : 2 * static_cast<unsigned>(uniform(0, 16)) + 1;
    m.ratio = 1 + static_cast<unsigned>(uniform(0, (1 << 18) - 1));
    m.doubleRootLarger = chance(0.5);
    m.negative = chance(0.5);
    m.oppositeSigns = chance(0.25);
    if (chance(0.3)) m.scale = uniform(1, 2);
    if (chance(0.3)) {
      for (int& units : m.nudge) units = static_cast<int>(std::floor(uniform(-4, 5)));
    }
    return m;
  }

  // The van der Waals cubic of a random fluid far beyond physical states.
  Coefficients vanDerWaals() {
    Globals::Composition x{};
    for (double& xi : x) xi = chance(0.3) ? uniform(0, 1) : 0.0;
    const double a = Globals::aMixture(x), b = Globals::bMixture(x);
    const double T = magnitude(-150, 150), P = sign() * magnitude(-300, 300);
    return {((-Globals::R) * T - P * b) / P, a / P, ((-a) * b) / P};
  }

  std::mt19937_64 engine_;
};

}  // namespace cubicsweep
