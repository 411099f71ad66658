#pragma once
// A judge of the roots that the engine gives for a monic cubic
// y^3 + A y^2 + B y + C, for any finite Double coefficients. It works in
// quadruple precision (113 bits, exponents to +-16382): every product of up
// to four Doubles is in range there, so it needs no scaling. Shared by the
// engine tests' sweep and by the fuzz target.
//
// What it asks of a root array:
// - every element finite;
// - the layout: three real roots as middle, smallest, largest; or a real
//   root at k = 0 and a conjugate pair at k = 1, 2 with one real part and
//   opposite imaginary parts, the imaginary part at k = 1 negative but
//   where the closed form's t < -1 (p < 0 < q) makes it positive;
// - each root within a few rounding radii of an exact root, found by
//   Newton's steps in extended precision from the root given and proven a
//   root in quadruple precision, or proven by its own residual;
// - the roots so found the whole set: their sum, pairwise products and
//   product give the coefficients back (a root missed or listed twice
//   fails here);
// - the count of real roots that of the exact cubic wherever the sign of
//   its discriminant is beyond the rounding of Double arithmetic.

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "engine/DepressedCubic.h"
#include "engine/Globals.h"

namespace cubicjudge {

using Quad = __float128;
using Wide = long double;

constexpr double kUnitRoundoff = 0x1p-53;
// A root may lie this many rounding radii from the exact root.
constexpr double kRadiiAllowed = 4;
// The discriminant's sign counts where it exceeds this share of the sum of
// its terms' magnitudes: a rounding of A, B and C moves it by a few units.
constexpr double kDiscriminantClear = 64 * kUnitRoundoff;
// The rounding of Vieta's relations in quadruple precision.
constexpr double kVietaShare = 0x1p-100;
// The spacing of the subnormal Doubles: a root below the normal range is
// rounded to it, a root below it to 0.
constexpr Wide kGrain = 0x1p-1073L;

inline Quad magnitude(Quad v) { return v < 0 ? -v : v; }

template <class T>
struct ComplexOf {
  T re = 0, im = 0;
};
template <class T>
ComplexOf<T> operator+(ComplexOf<T> a, ComplexOf<T> b) { return {a.re + b.re, a.im + b.im}; }
template <class T>
ComplexOf<T> operator-(ComplexOf<T> a, ComplexOf<T> b) { return {a.re - b.re, a.im - b.im}; }
template <class T>
ComplexOf<T> operator*(ComplexOf<T> a, ComplexOf<T> b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
template <class T>
ComplexOf<T> operator/(ComplexOf<T> a, ComplexOf<T> b) {
  const T d = b.re * b.re + b.im * b.im;
  return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}
template <class T>
T norm2(ComplexOf<T> a) { return a.re * a.re + a.im * a.im; }
template <class T>
Wide modulus(ComplexOf<T> a) { return std::sqrt(static_cast<Wide>(norm2(a))); }

using Complex = ComplexOf<Wide>;
using QuadComplex = ComplexOf<Quad>;

// The cubic with its Double coefficients, exact in either precision.
template <class T>
struct CubicOf {
  T A, B, C;
  using Z = ComplexOf<T>;
  Z Value(Z z) const { return ((z + Z{A, 0}) * z + Z{B, 0}) * z + Z{C, 0}; }
  Z Slope(Z z) const { return (Z{3, 0} * z + Z{2 * A, 0}) * z + Z{B, 0}; }
  Z Bend(Z z) const { return Z{6, 0} * z + Z{2 * A, 0}; }
  // The sum of the magnitudes of the terms at |y| = m.
  Wide Scale(Wide m) const {
    return ((m + std::fabs(static_cast<Wide>(A))) * m + std::fabs(static_cast<Wide>(B))) * m +
           std::fabs(static_cast<Wide>(C));
  }
};
using Cubic = CubicOf<Wide>;

// The point of least residual on the path of Newton's steps from z, in
// extended precision (64 bits), while they stay near z (within 2^-10 |z|):
// next to a double root a step can leap to another root, and between two
// close roots the steps wander before they settle. Whether it is a root is
// checked in quadruple precision with isRoot.
inline Complex polish(const Cubic& f, Complex z) {
  const Complex start = z;
  const Wide reach = 0x1p-10L * modulus(z) + kGrain;
  Complex best = z;
  Wide bestResidual = norm2(f.Value(z));
  // Steps stop once they are below the rounding of extended precision, or
  // lower the residual no more for a while.
  for (int step = 0, idle = 0; step < 400 && idle < 100 && bestResidual != 0; ++step) {
    const Complex slope = f.Slope(z);
    if (norm2(slope) == 0) break;
    const Complex move = f.Value(z) / slope;
    z = z - move;
    if (!(modulus(z - start) <= reach)) break;
    const Wide residual = norm2(f.Value(z));
    if (residual < bestResidual) {
      best = z, bestResidual = residual, idle = 0;
    } else {
      ++idle;
    }
    if (modulus(move) <= 0x1p-63L * modulus(z)) break;
  }
  return best;
}

// A root to far finer than a Double's rounding (8u Scale = 2^-50 Scale),
// its residual evaluated in quadruple precision.
inline bool isRoot(const Cubic& f, Complex z) {
  const CubicOf<Quad> exact{f.A, f.B, f.C};
  return modulus(exact.Value(QuadComplex{z.re, z.im})) <= 0x1p-56L * f.Scale(modulus(z));
}

// How far rounding in Double arithmetic moves the root z: the distance d at
// which the first, second or third term of the cubic's expansion about z
// reaches the rounding 8u Scale(|z|), whichever is nearest.
inline Wide roundingRadius(const Cubic& f, Complex z) {
  const Wide rounding = 8 * kUnitRoundoff * f.Scale(modulus(z));
  if (rounding == 0) return 0;  // a root at 0 of y^3 + A y^2: exact
  const Wide first = rounding / modulus(f.Slope(z));
  const Wide second = std::sqrt(2 * rounding / modulus(f.Bend(z)));
  return std::min({first, second, std::cbrt(rounding)});
}

struct Verdict {
  std::string fault;        // empty when the roots pass
  double worstRadii = 0;    // the largest distance to an exact root, in rounding radii
  bool countDecided = false;
};

// The exact count of real roots where the discriminant's sign is clear,
// else 0.
inline int decidedRealCount(double A, double B, double C) {
  const Quad a = A, b = B, c = C;
  const Quad terms[] = {18 * a * b * c, -4 * a * a * a * c, a * a * b * b, -4 * b * b * b, -27 * c * c};
  Quad discriminant = 0, size = 0;
  for (Quad t : terms) discriminant += t, size += magnitude(t);
  if (!(magnitude(discriminant) > Quad(kDiscriminantClear) * size)) return 0;
  return discriminant > 0 ? 3 : 1;
}

inline std::string layoutFault(double A, double B, double C, const Globals::RootArray& r) {
  for (const auto& row : r)
    for (double v : row)
      if (!std::isfinite(v)) return "a root that is not finite";
  if (r[1][0] != 0) return "root 0 is not real";
  if (r[1][1] == 0 && r[1][2] == 0) {
    if (!(r[0][1] <= r[0][0] && r[0][0] <= r[0][2])) return "three real roots not as middle, smallest, largest";
    return "";
  }
  if (r[1][1] == 0 || r[1][2] != -r[1][1]) return "imaginary parts not opposite";
  if (r[0][1] != r[0][2]) return "a pair with two real parts";
  const auto [p, q] = Globals::detail::Depressed(A, B, C);
  if ((r[1][1] > 0) != (p < 0 && q > 0)) return "the pair's imaginary part at k = 1 has the wrong sign";
  return "";
}

inline Verdict Judge(double A, double B, double C, const Globals::RootArray& r) {
  Verdict verdict;
  auto fail = [&verdict](std::string what) {
    if (verdict.fault.empty()) verdict.fault = std::move(what);
    return verdict;
  };
  if (const std::string fault = layoutFault(A, B, C, r); !fault.empty()) return fail(fault);

  const Cubic f{A, B, C};
  const bool pair = r[1][1] != 0;
  const Complex given[3] = {{r[0][0], 0}, {r[0][1], r[1][1]}, {r[0][2], r[1][2]}};
  Wide allowed[3];
  for (int k = 0; k < 3; ++k) {
    // The root that Newton's steps reach from the root given; where that is
    // too far, the nearer of it and the one reached from just off the real
    // axis beside it: a root listed as real may be one of a pair close to
    // the axis.
    Complex exact = polish(f, given[k]);
    Wide radius = roundingRadius(f, exact), distance = modulus(given[k] - exact);
    if (!isRoot(f, exact) || distance > kRadiiAllowed * radius + kGrain) {
      const Complex offAxis = given[k] + Complex{0, 0x1p-26L * modulus(given[k]) + kGrain};
      const Complex other = polish(f, offAxis);
      if (isRoot(f, other) && (!isRoot(f, exact) || modulus(given[k] - other) < distance)) {
        exact = other;
        radius = roundingRadius(f, exact);
        distance = modulus(given[k] - exact);
      }
    }
    // In a cluster of close roots the steps can leap from the root given to
    // one beyond the cluster, whose residual is lower. The root given is
    // then proven by its own residual where that is a root's: a residual
    // within 2^-56 Scale, a 64th of the rounding, puts it within a quarter
    // of its rounding radius of an exact root (d |f'| <= 4 |f|, d^2 |f''|
    // <= 8 |f| and d^3 <= |f| at the exact root nearest).
    if (distance > kRadiiAllowed * radius + kGrain && isRoot(f, given[k])) {
      exact = given[k];
      radius = roundingRadius(f, exact);
      distance = 0;
    }
    if (!isRoot(f, exact)) return fail("root " + std::to_string(k) + " is no root");
    if (modulus(exact) > std::numeric_limits<double>::max()) {  // not representable
      allowed[k] = distance;
      continue;
    }
    // A root below the normal range is rounded to the grain of subnormals.
    allowed[k] = kRadiiAllowed * radius + kGrain;
    if (distance > 0) verdict.worstRadii = std::max(verdict.worstRadii, static_cast<double>(distance / std::max(radius, kGrain)));
    if (!(distance <= allowed[k])) return fail("root " + std::to_string(k) + " is not within rounding of a root");
  }

  // Vieta's relations on the roots given, with what moving each within its
  // allowed distance can change: a root missed or listed twice fails.
  const Wide m[3] = {modulus(given[0]) + allowed[0], modulus(given[1]) + allowed[1], modulus(given[2]) + allowed[2]};
  const Wide share = kVietaShare;
  const Wide sumSlack = share * (std::fabs(Wide(A)) + m[0] + m[1] + m[2]) + allowed[0] + allowed[1] + allowed[2];
  const Wide pairsSlack = share * (std::fabs(Wide(B)) + m[0] * m[1] + m[0] * m[2] + m[1] * m[2]) +
                          allowed[0] * (m[1] + m[2]) + allowed[1] * (m[0] + m[2]) + allowed[2] * (m[0] + m[1]);
  const Wide productSlack = share * (std::fabs(Wide(C)) + m[0] * m[1] * m[2]) + allowed[0] * m[1] * m[2] +
                            allowed[1] * m[0] * m[2] + allowed[2] * m[0] * m[1];
  const QuadComplex z[3] = {{r[0][0], 0}, {r[0][1], r[1][1]}, {r[0][2], r[1][2]}};
  const QuadComplex sum = z[0] + z[1] + z[2];
  const QuadComplex pairs = z[0] * z[1] + z[0] * z[2] + z[1] * z[2];
  const QuadComplex product = z[0] * z[1] * z[2];
  if (!(modulus(sum + QuadComplex{A, 0}) <= sumSlack) || !(modulus(pairs - QuadComplex{B, 0}) <= pairsSlack) ||
      !(modulus(product + QuadComplex{C, 0}) <= productSlack)) {
    return fail("the roots are not the whole set of roots");
  }

  const int count = decidedRealCount(A, B, C);
  verdict.countDecided = count != 0;
  if (count != 0 && count != (pair ? 1 : 3)) return fail("the wrong count of real roots");
  return verdict;
}

}  // namespace cubicjudge
