// Closed-form roots of a monic cubic, the van der Waals cubic in molar
// volume, and the choice of one root as a phase's molar volume.

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

constexpr double kThird = 0.3333333333333333;
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPi = 12.566370614359172;

// x <= y written as the negation of x > y, so that a NaN makes it hold.
bool notAbove(double x, double y) { return !(x > y); }

// p > 0: one real root and a complex pair, by the hyperbolic form.
void hyperbolicPositiveP(double p, double q, RootArray& r) {
  double m = 2 * std::sqrt(p / 3);
  double t = 3 * q / (p * m);
  double s = std::sqrt(t * t + 1);
  // t + s cancels for large negative t; 1/(s - t) is the same number there
  // without the loss of digits.
  double ts = t < 0 ? 1 / (s - t) : t + s;
  double u = std::pow(ts, kThird);
  double w = std::pow(ts, -kThird);
  double h = (u + w) * std::sqrt(3.0) / 4;
  double d = -(u - w) / 4;
  r[1][0] = 0;
  r[1][1] = -h * m;
  r[1][2] = h * m;
  r[0][0] = (2 * d) * m;
  r[0][1] = -d * m;
  r[0][2] = -d * m;
}

// p < 0 (or NaN): one real root if |t| > 1, else three by the trigonometric form.
void negativeP(double p, double q, RootArray& r) {
  double m = 2 * std::sqrt(-p / 3);
  double t = 3 * q / ((2 * p) * std::sqrt(-p / 3));
  if (t > 1 || t < -1) {
    double s = std::sqrt(t * t - 1);
    if (t < -1) {
      double u = std::pow(-t + s, kThird);
      double w = std::pow(-t + s, -kThird);
      r[0][2] = ((u + w) / 4) * m;
      r[1][2] = -((u - w) * std::sqrt(3.0) / 4) * m;
    } else {
      double u = std::pow(t + s, kThird);
      double w = std::pow(t + s, -kThird);
      r[0][2] = -((u + w) / 4) * m;
      r[1][2] = ((u - w) * std::sqrt(3.0) / 4) * m;
    }
    r[0][1] = r[0][2];
    r[1][1] = -r[1][2];
    r[0][0] = -2 * r[0][2];
    r[1][0] = 0;
    return;
  }
  double theta = 0;  // stays 0 for a NaN t
  if (t == 1) {
    theta = 0;
  } else if (t == -1) {
    theta = kPi;
  } else if (-1 < t && t < 1) {
    theta = kHalfPi - std::atan(t / std::sqrt(1 - t * t));
  }
  r[0][0] = m * std::cos((theta + kFourPi) / 3);
  r[0][1] = m * std::cos((theta + kTwoPi) / 3);
  r[0][2] = m * std::cos(theta / 3);
  r[1][0] = r[1][1] = r[1][2] = 0;
}

// The closed form: the roots by the hyperbolic or the trigonometric form,
// shifted by -A/3; false, with r untouched, when p q = 0.
bool closedForm(double A, double B, double C, RootArray& r) {
  double p = (3 * B - A * A) / 3;
  double q = ((2 * A) * A * A - (9 * A) * B + 27 * C) / 27;
  if (p * q == 0) return false;
  if (0 < p) {
    hyperbolicPositiveP(p, q, r);
  } else {
    negativeP(p, q, r);
  }
  for (int k = 0; k < 3; ++k) r[0][k] = r[0][k] - A / 3;
  return true;
}

// ------------------------------------------------------------------------
// The closed form shifts every root by -A/3. Where a root is small beside
// A/3 (the liquid-like roots of a gas at low pressure, where A is about
// -R T/P, and most complex pairs) or where the angle of the trigonometric
// form is near 0 or pi, the closed form loses digits, up to all of them and
// the count of real roots with them. Its roots are therefore checked
// against the cubic itself. A root that satisfies the cubic to rounding
// keeps its bits; the others are formed again: the real root of largest
// magnitude, which the shift cannot cancel, polished by Newton steps; the
// other two from the quadratic left by dividing it out, with coefficients
// from Vieta's relations in a form that does not cancel, whose discriminant
// decides whether they are real; every real root polished.

constexpr double kUnitRoundoff = 0x1p-53;
// A residual within kRealRounding Scale is a root to rounding (see Cubic).
constexpr double kRealRounding = 8 * kUnitRoundoff;
constexpr int kMaxNewtonSteps = 16;
constexpr double kLargest = std::numeric_limits<double>::max();

// y^3 + A y^2 + B y + C by Horner's rule. Scale(y), the same sum over the
// magnitudes of the terms at |y|, bounds the rounding: the computed value
// is within 6u Scale of the exact one (u the unit roundoff), and an exact
// root rounded to the nearest Double leaves a residual of at most 1.5u
// Scale. Rounding moves a simple root y by up to kRealRounding
// Scale(y)/|f'(y)|, its rounding radius.
struct Cubic {
  double A, B, C;

  double Value(double y) const { return ((y + A) * y + B) * y + C; }
  double Slope(double y) const { return (3 * y + 2 * A) * y + B; }
  double Scale(double y) const {
    const double m = std::fabs(y);
    return ((m + std::fabs(A)) * m + std::fabs(B)) * m + std::fabs(C);
  }
  // The cubic in z = y/2^k, whose roots are those of this one divided by
  // 2^k: a power of two keeps every bit where nothing overflows or
  // underflows.
  Cubic Scaled(int k) const { return {std::ldexp(A, -k), std::ldexp(B, -2 * k), std::ldexp(C, -3 * k)}; }
};

// The k that brings y to between 1 and 2 by 2^-k; 0 for 0.
int exponentOf(double y) { return y != 0 && std::isfinite(y) ? std::ilogb(y) : 0; }

// |value| <= bound for a finite bound.
bool within(double value, double bound) { return std::fabs(value) <= bound && bound <= kLargest; }

bool rootToRounding(const Cubic& f, double y) { return within(f.Value(y), kRealRounding * f.Scale(y)); }

// The cubic in which a root of about y is evaluated: f itself, or where
// its terms at y overflow, f scaled to the size of y, with y = unit z.
struct ScaledCubic {
  Cubic g;
  double unit;
};

ScaledCubic scaledTo(const Cubic& f, double y) {
  if (f.Scale(y) <= kLargest) return {f, 1.0};
  const int k = exponentOf(y);
  return {f.Scaled(k), std::ldexp(1.0, k)};
}

// Newton steps on the cubic from y while they lower the residual.
double polish(const Cubic& f, double y) {
  const auto [g, unit] = scaledTo(f, y);
  double z = y / unit;
  double gz = g.Value(z);
  for (int step = 0; step < kMaxNewtonSteps && gz != 0; ++step) {
    const double next = z - gz / g.Slope(z);
    const double gnext = g.Value(next);
    if (!(std::fabs(gnext) < std::fabs(gz))) break;
    z = next;
    gz = gnext;
  }
  return z * unit;
}

// Whether the closed form's real root `old` is the root `now` to rounding:
// a root to rounding itself, within twice the rounding radius of `now`.
bool sameRealRoot(const Cubic& f, double old, double now) {
  const auto [g, unit] = scaledTo(f, now);
  const double z = now / unit, zold = old / unit;
  return rootToRounding(g, zold) && within((zold - z) * g.Slope(z), 2 * kRealRounding * g.Scale(z));
}

// y^2 + c1 y + c0, what is left of the cubic when its real root y1 is
// divided out, in the unit 2^k. c0 = -C/y1 is the product of the other two
// roots; c1 = (c0 - B)/y1, minus their sum, errs by the rounding of the
// smaller roots where A + y1 errs by that of y1; A + y1 serves where the
// other two are the larger. Where the discriminant overflows, the quadratic
// is formed in the cubic scaled to the size of y1.
struct Quadratic {
  double c1, c0, discriminant;
  double unit;  // 2^k
};

Quadratic deflate(const Cubic& f, double y1, double unit) {
  const double inverse = 1 / y1;
  const double c0 = -f.C * inverse;
  const double c1 = y1 * y1 >= std::fabs(c0) ? (c0 - f.B) * inverse : f.A + y1;
  return {c1, c0, c1 * c1 - 4 * c0, unit};
}

Quadratic deflateScaled(const Cubic& f, double y1) {
  const Quadratic q = deflate(f, y1, 1.0);
  if (std::isfinite(q.discriminant)) return q;
  const int k = exponentOf(y1);
  return deflate(f.Scaled(k), std::ldexp(y1, -k), std::ldexp(1.0, k));
}

// The complex roots re +- i im of a quadratic with a negative discriminant
// into k = 1, 2 of r. Each part of the closed form's pair there stays where
// it lies within 4u |z| of the new one, |z|^2 = c0: the real part where
// (x - re)^2 <= 16u^2 c0, the imaginary part where |y^2 - im^2| <=
// 8u |y| |z|, so that the square root is taken only for a new imaginary
// part. The imaginary part at k = 1 keeps the closed form's sign, negative
// where the closed form had none.
void settlePair(const Quadratic& q, RootArray& r) {
  const double unit2 = q.unit * q.unit;
  const double bound2 = (16 * kUnitRoundoff * kUnitRoundoff) * (q.c0 * unit2);
  const double re = (-q.c1 / 2) * q.unit + 0.0;
  const double x = r[0][1], y = std::fabs(r[1][1]);
  const double dx = x - re, dy2 = y * y + (q.discriminant / 4) * unit2;
  const bool finite = bound2 <= kLargest;
  if (!(finite && dx * dx <= bound2)) r[0][1] = r[0][2] = re;
  if (finite && y != 0 && dy2 * dy2 <= 4 * (y * y) * bound2) return;
  const double im = (std::sqrt(-q.discriminant) / 2) * q.unit;
  const double sign = r[1][1] > 0 ? 1.0 : -1.0;
  r[1][1] = sign * im;
  r[1][2] = -sign * im;
}

// Forms the roots of f again from the closed form's finite roots r,
// keeping each closed-form root that is the new one to rounding. False when
// the new roots are not finite.
bool reform(const Cubic& f, RootArray& r) {
  // The real root of largest magnitude: there the shift -A/3 adds.
  int largest = 0;
  for (int k = 1; k < 3; ++k) {
    if (r[1][k] == 0 && !(std::fabs(r[0][k]) <= std::fabs(r[0][largest]))) largest = k;
  }
  const double y1 = polish(f, r[0][largest]);
  const Quadratic q = deflateScaled(f, y1);
  if (!std::isfinite(y1) || !std::isfinite(q.discriminant)) return false;
  const bool threeBefore = r[1][1] == 0;
  if (q.discriminant < 0) {
    if (threeBefore || !sameRealRoot(f, r[0][0], y1)) r[0][0] = y1 + 0.0;
    if (threeBefore) r[1][1] = 0;  // no sign to keep
    r[1][0] = 0;
    settlePair(q, r);
    return std::isfinite(r[0][1]) && std::isfinite(r[1][1]);
  }
  // The larger of the other two without cancellation, the smaller from
  // their product.
  const double z2 = -(q.c1 + std::copysign(std::sqrt(q.discriminant), q.c1)) / 2;
  const double z3 = z2 != 0 ? q.c0 / z2 : 0.0;
  std::array<double, 3> now = {y1, polish(f, z2 * q.unit), polish(f, z3 * q.unit)};
  std::sort(now.begin(), now.end());
  std::array<double, 3> roots = {now[1] + 0.0, now[0] + 0.0, now[2] + 0.0};
  for (int k = 0; k < 3; ++k) {
    if (threeBefore && sameRealRoot(f, r[0][k], roots[k])) roots[k] = r[0][k];
    if (!std::isfinite(roots[k])) return false;
  }
  // Kept and new roots in one order: middle, smallest, largest.
  std::sort(roots.begin(), roots.end());
  r[0] = {roots[1], roots[0], roots[2]};
  r[1] = {0.0, 0.0, 0.0};
  return true;
}

bool allFinite(const RootArray& r) {
  for (const auto& row : r) {
    for (double v : row) {
      if (!std::isfinite(v)) return false;
    }
  }
  return true;
}

// Replaces the roots of r that are not roots of f to rounding, and the
// count of real roots where it is wrong.
void mend(const Cubic& f, RootArray& r) {
  if (!std::isfinite(f.A) || !std::isfinite(f.B) || !std::isfinite(f.C)) return;
  RootArray start = r;
  if (!allFinite(start)) {
    // Coefficients beyond the square root of the largest Double overflow
    // the closed form; scaled to about 1, they give the roots divided by
    // 2^e, the largest of them to rounding.
    int e = std::numeric_limits<int>::min();
    if (f.A != 0) e = std::max(e, std::ilogb(f.A) + 1);
    if (f.B != 0) e = std::max(e, std::ilogb(f.B) / 2 + 1);
    if (f.C != 0) e = std::max(e, std::ilogb(f.C) / 3 + 1);
    const Cubic g = f.Scaled(e);
    start = CubicEquation(g.A, g.B, g.C);
    for (auto& row : start) {
      for (double& v : row) v = std::ldexp(v, e);
    }
    if (!allFinite(start)) return;
  }
  if (reform(f, start)) r = start;
}

// Whether the closed form's roots r stand: three real roots in order that
// are roots to rounding, or a real root to rounding and a pair that the
// quadratic it leaves confirms as complex, put in its place where the two
// differ by more than rounding.
bool closedFormHolds(const Cubic& f, RootArray& r) {
  if (r[1][0] != 0) return false;
  if (r[1][1] == 0 && r[1][2] == 0) {
    const bool ordered = r[0][1] <= r[0][0] && r[0][0] <= r[0][2];
    return ordered && rootToRounding(f, r[0][0]) && rootToRounding(f, r[0][1]) && rootToRounding(f, r[0][2]);
  }
  if (r[1][1] != -r[1][2] || !rootToRounding(f, r[0][0])) return false;
  const Quadratic q = deflate(f, r[0][0], 1.0);
  if (!(q.discriminant < 0) || !std::isfinite(q.discriminant)) return false;
  settlePair(q, r);
  return true;
}

}  // namespace

RootArray CubicEquation(double A, double B, double C) {
  RootArray r{};
  if (!closedForm(A, B, C, r)) return r;
  const Cubic f{A, B, C};
  if (!closedFormHolds(f, r)) mend(f, r);
  return r;
}

RootArray Volume(const Composition& x, double T, double P) {
  double amix = aMixture(x);
  double bmix = bMixture(x);
  if (P == 0) return RootArray{};
  double A = ((-R) * T - P * bmix) / P;
  double B = amix / P;
  double C = ((-amix) * bmix) / P;
  return CubicEquation(A, B, C);
}

double VolumeChoice(RootArray& roots, int mode) {
  double result = 0;
  int count = 0;
  for (int k = 0; k < 3; ++k) {
    if (roots[1][k] == 0) {
      result = roots[0][k];
      ++count;
    } else {
      roots[0][k] = 0;
    }
    rt::RuntimeBackgroundTask();
  }
  if (count <= 1) return result;

  const double R0 = roots[0][0], R1 = roots[0][1], R2 = roots[0][2];
  switch (mode) {
    case 0:  // largest
      if (notAbove(R1, R0) && notAbove(R2, R0)) result = R0;
      if (notAbove(R0, R1) && notAbove(R2, R1)) result = R1;
      if (notAbove(R0, R2) && notAbove(R1, R2)) result = R2;
      break;
    case 1:  // middle
      if (notAbove(R1, R0) && notAbove(R0, R2)) result = R0;
      if (notAbove(R0, R1) && notAbove(R1, R2)) result = R1;
      if (notAbove(R0, R2) && notAbove(R2, R1)) result = R2;
      break;
    case 2:  // smallest
      if (notAbove(R0, R1) && notAbove(R0, R2)) result = R0;
      if (notAbove(R1, R0) && notAbove(R1, R2)) result = R1;
      if (notAbove(R2, R0) && notAbove(R2, R1)) result = R2;
      break;
    default:
      break;
  }
  return result;
}

}  // namespace Globals
