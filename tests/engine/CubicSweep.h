#pragma once
// Deterministic families of cubic coefficients over the whole range of
// Doubles, for the engine tests' sweep and the fuzz target's seeds.

#include <array>
#include <cmath>
#include <random>

#include "engine/Globals.h"

namespace cubicsweep {

struct Coefficients {
  double A, B, C;
};

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
      default: return vanDerWaals();
    }
  }
  static constexpr int kFamilies = 6;

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
