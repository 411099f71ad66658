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

// The closed form of steps 1 to 5; false, with r untouched, when p q = 0.
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
};

// |value| <= bound for a finite bound.
bool within(double value, double bound) { return std::fabs(value) <= bound && bound <= kLargest; }

bool rootToRounding(const Cubic& f, double y) { return within(f.Value(y), kRealRounding * f.Scale(y)); }

// Newton steps on the cubic from y while they lower the residual.
double polish(const Cubic& f, double y) {
  double fy = f.Value(y);
  for (int step = 0; step < kMaxNewtonSteps && fy != 0; ++step) {
    const double next = y - fy / f.Slope(y);
    const double fnext = f.Value(next);
    if (!(std::fabs(fnext) < std::fabs(fy))) break;
    y = next;
    fy = fnext;
  }
  return y;
}

// y^2 + c1 y + c0, what is left of the cubic when its real root y1 is
// divided out. c0 = -C/y1 is the product of the other two roots;
// c1 = (c0 - B)/y1, minus their sum, errs by the rounding of the smaller
// roots where A + y1 errs by that of y1. A + y1 serves where the other two
// are the larger.
struct Quadratic {
  double c1, c0, discriminant;
};

Quadratic deflate(const Cubic& f, double y1) {
  const double inverse = 1 / y1;
  const double c0 = -f.C * inverse;
  const double c1 = y1 * y1 >= std::fabs(c0) ? (c0 - f.B) * inverse : f.A + y1;
  return {c1, c0, c1 * c1 - 4 * c0};
}

// The pair at k = 1, 2 of r as the quadratic left by the real root r(0, 0)
// gives it, re +- i im. The closed form's pair stays where it lies within
// 4u |z| of that (|z|^2 = c0), less than the rounding radius of either of
// its parts, 8u Scale(|z|)/|f'(z)|, as |z f'(z)| <= 3 Scale. The imaginary
// part at k = 1 keeps the closed form's sign, negative where the closed
// form had three real roots. False when the quadratic's roots are real.
bool settlePair(const Cubic& f, RootArray& r) {
  const Quadratic q = deflate(f, r[0][0]);
  if (!(q.discriminant < 0) || !std::isfinite(q.discriminant)) return false;
  const double re = -q.c1 / 2 + 0.0, im = std::sqrt(-q.discriminant) / 2;
  const double dx = r[0][1] - re, dy = std::fabs(r[1][1]) - im;
  if (r[1][1] != 0 && dx * dx + dy * dy <= (16 * kUnitRoundoff * kUnitRoundoff) * q.c0) return true;
  const double sign = r[1][1] > 0 ? 1.0 : -1.0;
  r[0][1] = r[0][2] = re;
  r[1][1] = sign * im;
  r[1][2] = -sign * im;
  return true;
}

// Whether the closed form's real root `old` is the root `now` to rounding:
// a root to rounding itself, within twice the rounding radius of `now`.
bool sameRealRoot(const Cubic& f, double old, double now) {
  return rootToRounding(f, old) && within((old - now) * f.Slope(now), 2 * kRealRounding * f.Scale(now));
}

// The three real roots ordered middle, smallest, largest.
void putRealRoots(std::array<double, 3> y, RootArray& r) {
  std::sort(y.begin(), y.end());
  r[0] = {y[1], y[0], y[2]};
  r[1] = {0.0, 0.0, 0.0};
}

// Forms the roots of f again from the closed form's roots r (both scaled
// into the range of a Double), keeping each closed-form root that is the
// new one to rounding. False when the new roots are not finite.
bool reform(const Cubic& f, RootArray& r) {
  // The real root of largest magnitude: there the shift -A/3 adds.
  int largest = 0;
  for (int k = 1; k < 3; ++k) {
    if (r[1][k] == 0 && !(std::fabs(r[0][k]) <= std::fabs(r[0][largest]))) largest = k;
  }
  const double y1 = polish(f, r[0][largest]);
  const Quadratic q = deflate(f, y1);
  if (!std::isfinite(y1) || !std::isfinite(q.discriminant)) return false;
  const bool threeBefore = r[1][1] == 0;
  if (q.discriminant < 0) {
    const double real = threeBefore || !sameRealRoot(f, r[0][0], y1) ? y1 + 0.0 : r[0][0];
    if (threeBefore) r[1][1] = 0;  // no sign to keep
    r[0][0] = real;
    r[1][0] = 0;
    return settlePair(f, r);
  }
  // The larger of the other two without cancellation, the smaller from
  // their product.
  const double y2 = -(q.c1 + std::copysign(std::sqrt(q.discriminant), q.c1)) / 2;
  const double y3 = y2 != 0 ? q.c0 / y2 : 0.0;
  std::array<double, 3> now = {y1, polish(f, y2), polish(f, y3)};
  std::sort(now.begin(), now.end());
  std::array<double, 3> roots = {now[1] + 0.0, now[0] + 0.0, now[2] + 0.0};
  if (threeBefore) {
    for (int k = 0; k < 3; ++k) {
      if (sameRealRoot(f, r[0][k], roots[k])) roots[k] = r[0][k];
    }
  }
  for (double y : roots) {
    if (!std::isfinite(y)) return false;
  }
  putRealRoots(roots, r);  // kept and new roots in one order
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

// r scaled by 2^e, which keeps every bit of a normal number.
RootArray scaled(const RootArray& r, int e) {
  RootArray s;
  for (int row = 0; row < 2; ++row) {
    for (int k = 0; k < 3; ++k) s[row][k] = std::ldexp(r[row][k], e);
  }
  return s;
}

// Replaces the roots of r that are not roots of y^3 + A y^2 + B y + C to
// rounding, and the count of real roots where it is wrong. The cubic is
// scaled, y = 2^e z, to coefficients of about 1 so that nothing overflows.
void mend(double A, double B, double C, RootArray& r) {
  if (!std::isfinite(A) || !std::isfinite(B) || !std::isfinite(C)) return;
  int e = std::numeric_limits<int>::min();
  if (A != 0) e = std::max(e, std::ilogb(A) + 1);
  if (B != 0) e = std::max(e, std::ilogb(B) / 2 + 1);
  if (C != 0) e = std::max(e, std::ilogb(C) / 3 + 1);
  const Cubic f{std::ldexp(A, -e), std::ldexp(B, -2 * e), std::ldexp(C, -3 * e)};
  RootArray z = scaled(r, -e);
  // Coefficients beyond the square root of the largest Double overflow the
  // closed form; for the scaled cubic it gives the same roots, scaled.
  if (!allFinite(z) && (!closedForm(f.A, f.B, f.C, z) || !allFinite(z))) return;
  if (reform(f, z)) r = scaled(z, e);
}

// Whether the closed form's roots r stand as they are: three real roots in
// order that are roots to rounding, or a real root to rounding and a pair
// that the quadratic it leaves confirms, put in its place where it differs
// by more than rounding.
bool closedFormHolds(const Cubic& f, RootArray& r) {
  if (r[1][0] != 0) return false;
  if (r[1][1] == 0 && r[1][2] == 0) {
    const bool ordered = r[0][1] <= r[0][0] && r[0][0] <= r[0][2];
    return ordered && rootToRounding(f, r[0][0]) && rootToRounding(f, r[0][1]) && rootToRounding(f, r[0][2]);
  }
  return r[1][1] == -r[1][2] && rootToRounding(f, r[0][0]) && settlePair(f, r);
}

}  // namespace

RootArray CubicEquation(double A, double B, double C) {
  RootArray r{};
  if (!closedForm(A, B, C, r)) return r;
  if (!closedFormHolds(Cubic{A, B, C}, r)) mend(A, B, C, r);
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
