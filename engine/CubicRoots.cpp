// Closed-form roots of a monic cubic, the van der Waals cubic in molar
// volume, and the choice of one root as a phase's molar volume.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>

#include "engine/DepressedCubic.h"
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
  const auto [p, q] = detail::Depressed(A, B, C);
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
// -R T/P, and most complex pairs), where the angle of the trigonometric
// form is near 0 or pi, or where its terms overflow, the closed form loses
// digits, up to all of them and the count of real roots with them. Its
// roots are therefore kept only where the cubic itself proves them, in
// Double arithmetic, and formed anew in extended precision where it does
// not (further below).
//
// The proof rests on the residual. With rho the exact root nearest to y and
// the other two roots each at least as far from y, |f(y)| = |y - rho|
// |y - rho2| |y - rho3| gives for the distance d = |y - rho|: d |f'(rho)| <=
// 4 |f(y)|, d^2 |f''(rho)| <= 8 |f(y)| and d^3 <= |f(y)|, for real and
// complex roots alike. So a residual within rounding puts y within a few
// rounding radii of an exact root, whatever the roots' conditioning; and
// roots farther apart than the cube roots of their residuals have each an
// exact root of their own, real where the proofs below say so.

constexpr double kUnitRoundoff = 0x1p-53;
// A residual within kRealRounding Scale is a root to rounding (see Cubic).
constexpr double kRealRounding = 8 * kUnitRoundoff;
// The exact residual of a root to rounding: the bound plus the rounding of
// Horner's sum itself, at most 6u Scale.
constexpr double kRealResidual = 14 * kUnitRoundoff;
// The same for a complex root: Horner's sum in complex arithmetic rounds
// by up to about 12u Scale, and rounding an exact root to Doubles leaves up
// to about 5u Scale, with Scale taken at |x| + |y| >= |z|.
constexpr double kComplexRounding = 24 * kUnitRoundoff;
constexpr double kComplexResidual = 36 * kUnitRoundoff;
constexpr double kLargest = std::numeric_limits<double>::max();

// y^3 + A y^2 + B y + C by Horner's rule, in Doubles or (below) in
// extended precision. Scale(y), the same sum over the magnitudes of the
// terms at |y|, bounds the rounding: the computed value is within 6u Scale
// of the exact one (u the unit roundoff), and an exact root rounded to the
// nearest number leaves a residual of at most 1.5u Scale.
template <class T>
struct CubicOf {
  T A, B, C;

  T Value(T y) const { return ((y + A) * y + B) * y + C; }
  // f(y) and f'(y) in one pass.
  void Evaluate(T y, T& value, T& slope) const {
    const T b1 = y + A;
    const T c2 = b1 * y + B;
    slope = (y + b1) * y + c2;
    value = c2 * y + C;
  }
  T Scale(T y) const {
    const T m = std::fabs(y);
    return ((m + std::fabs(A)) * m + std::fabs(B)) * m + std::fabs(C);
  }
};
using Cubic = CubicOf<double>;

// |value| <= bound for a finite bound.
bool within(double value, double bound) { return std::fabs(value) <= bound && bound <= kLargest; }

bool rootToRounding(const Cubic& f, double y) { return within(f.Value(y), kRealRounding * f.Scale(y)); }

// Roots a and b whose exact residuals are at most ra and rb lie near two
// different exact roots: apart by more than twice the larger cube root of
// the residuals, compared as cubes.
bool apart(double a, double b, double ra, double rb) {
  const double gap = std::fabs(b - a);
  return (gap * gap) * gap > 8 * std::max(ra, rb);
}

// Three real roots in the layout middle, smallest, largest, each a root to
// rounding and each apart from its neighbours: then the cubic has three
// real roots, one near each. (Were the exact root nearest to one of them
// complex, its conjugate would lie as near, and the four roots near the
// three would be one too many.)
bool threeRealRootsProven(const Cubic& f, const RootArray& r) {
  const double lo = r[0][1], mid = r[0][0], hi = r[0][2];
  if (!(lo < mid && mid < hi)) return false;
  if (!rootToRounding(f, lo) || !rootToRounding(f, mid) || !rootToRounding(f, hi)) return false;
  const double rLo = kRealResidual * f.Scale(lo), rMid = kRealResidual * f.Scale(mid),
               rHi = kRealResidual * f.Scale(hi);
  return apart(lo, mid, rLo, rMid) && apart(mid, hi, rMid, rHi);
}

// Whether x + iy, with the real root y1 to rounding, is a complex root to
// rounding (squares compared; a square that overflows fails) that proves the
// count. With |y|^3 beyond 8 times its exact residual, the exact root
// nearest to x + iy is not real. With y1 apart from x + iy, farther than the
// cube roots of both residuals, the exact root nearest to y1 is not of that
// pair, the cubic's only complex ones, so it is real: one real root and a
// pair. (|y1 - z| is at least max(|y1 - x|, |y|).)
bool pairRootProven(const Cubic& f, double y1, double x, double y) {
  // f(z) = ((z + A) z + B) z + C in complex arithmetic.
  const double w1r = x + f.A;
  const double w2r = (w1r * x - y * y) + f.B, w2i = w1r * y + y * x;
  const double valueR = (w2r * x - w2i * y) + f.C, valueI = w2r * y + w2i * x;
  const double scale = f.Scale(std::fabs(x) + std::fabs(y));
  const double bound = kComplexRounding * scale;
  const double residual = kComplexResidual * scale;
  const double y3 = (y * y) * std::fabs(y);
  return within(valueR * valueR + valueI * valueI, bound * bound) && y3 > 8 * residual &&
         (y3 > 8 * kRealResidual * f.Scale(y1) || apart(y1, x, kRealResidual * f.Scale(y1), residual));
}

// y^2 + c1 y + c0, what is left of the cubic when its real root y1 is
// divided out. c0 = -C/y1 is the product of the other two roots; c1 =
// (c0 - B)/y1, minus their sum, errs by the rounding of the smaller roots
// where A + y1 errs by that of y1; A + y1 serves where the other two are
// the larger. (The roots formed anew divide out their real root the same
// way, in extended precision.)
struct Quadratic {
  double c1, c0, discriminant;
};

Quadratic deflate(const Cubic& f, double y1) {
  const double inverse = 1 / y1;
  const double c0 = -f.C * inverse;
  const double c1 = y1 * y1 >= std::fabs(c0) ? (c0 - f.B) * inverse : f.A + y1;
  return {c1, c0, c1 * c1 - 4 * c0};
}

// The complex roots re +- i im of a quadratic with a negative discriminant
// into k = 1, 2 of r. Each part of the closed form's pair there stays where
// it lies within 4u |z| of the new one, |z|^2 = c0: the real part where
// (x - re)^2 <= 16u^2 c0, the imaginary part where |y^2 - im^2| <=
// 8u |y| |z|, so that the square root is taken only for a new imaginary
// part. Both members of the pair take the same real part.
void settlePair(const Quadratic& q, RootArray& r) {
  const double bound2 = (16 * kUnitRoundoff * kUnitRoundoff) * q.c0;
  const double re = -q.c1 / 2 + 0.0;
  const double x = r[0][1], y = std::fabs(r[1][1]);
  const double dx = x - re, dy2 = y * y + q.discriminant / 4;
  if (!(dx * dx <= bound2)) r[0][1] = r[0][2] = re;
  if (y != 0 && dy2 * dy2 <= 4 * (y * y) * bound2) return;
  const double im = std::sqrt(-q.discriminant) / 2;
  const double sign = r[1][1] > 0 ? 1.0 : -1.0;
  r[1][1] = sign * im;
  r[1][2] = -sign * im;
}

// A real root and a pair from the closed form, proven: the real root, and
// the pair settled from the quadratic that the real root leaves.
bool pairProven(const Cubic& f, RootArray& r) {
  if (r[1][0] != 0 || r[1][1] == 0 || r[1][1] != -r[1][2] || r[0][1] != r[0][2]) return false;
  if (!rootToRounding(f, r[0][0])) return false;
  const Quadratic q = deflate(f, r[0][0]);
  if (!(q.discriminant < 0) || !std::isfinite(q.discriminant)) return false;
  RootArray settled = r;
  settlePair(q, settled);
  if (!pairRootProven(f, settled[0][0], settled[0][1], settled[1][1])) return false;
  r = settled;
  return true;
}

// Whether the closed form's roots stand as they are or with their pair
// settled (then in r).
bool closedFormProven(const Cubic& f, RootArray& r) {
  if (r[1][0] == 0 && r[1][1] == 0 && r[1][2] == 0) return threeRealRootsProven(f, r);
  return pairProven(f, r);
}

// ------------------------------------------------------------------------
// The roots anew, in extended precision: 64 bits against the Double's 53,
// and an exponent range in which no product of up to four Doubles
// overflows or underflows, so that no scaling is needed. The same holds
// for the van der Waals cubic that Volume forms in Wide where its Double
// coefficients overflow: its coefficients lie within about 2^+-3200 and its
// roots within 2^+-3200, whose cubes are far inside Wide's 2^+-16382. One
// real root is found by Newton's steps from a close start (the closed
// form's root, or -A for Volume's cubic in Wide) or, failing that,
// kept inside an interval where the cubic changes sign; it is taken only
// where the cubic proves it a root: by a residual within the rounding of
// extended precision, or by a change of sign between neighbouring numbers.
// The quadratic it leaves, from Vieta's relations in the form that does not
// cancel, gives the other two: real or a complex pair by the sign of its
// discriminant, a double root where that is within rounding of 0. Every
// real root is then polished on the cubic itself: the two of the quadratic,
// which the deflation leaves a few units of Wide times their condition
// Scale(y)/|y f'(y)| away, by Newton's steps; the first, found by Newton's
// steps already, where its condition calls for it. Where the condition
// exceeds 2^7 the steps take a residual formed as in twice the precision,
// so that a real root is the Double nearest to the exact root or its
// neighbour up to conditions of about 2^29, where the tie of the
// discriminant makes two close roots one. A complex pair stays as the
// quadratic gives it: neither its real nor its imaginary part is polished.

using Wide = long double;
static_assert(std::numeric_limits<Wide>::digits >= 64 && std::numeric_limits<Wide>::max_exponent >= 16384 &&
                  std::numeric_limits<Wide>::min_exponent <= -16381,
              "the roots are formed anew in a type with the range and digits of x87 extended precision");

constexpr Wide kWideUnitRoundoff = 0x1p-64L;
// A discriminant of the quadratic within this share of its terms is 0: the
// rounding of the deflation alone is about 6 units.
constexpr Wide kDoubleRootTie = 16 * kWideUnitRoundoff;
// Halving takes at most about 2,200 steps from the widest interval to the
// spacing of the Wide numbers at any root of Double coefficients, and about
// 5,500 for the van der Waals cubics that Volume forms in Wide; Newton's
// steps need far fewer. The bound only guards against the unforeseen: a
// search that reaches it has proven nothing, and no root is claimed.
constexpr int kMaxWideSteps = 20000;
// The bound of the roots is widened at most this many times by doubling.
constexpr int kMaxWidenings = 64;
constexpr int kMaxPolishSteps = 16;
// Newton's steps from the closed form's root: a start within 1e-3 of the
// root converges quadratically in a handful.
constexpr int kCloseStartSteps = 8;
// How far, relative to itself, polishing may move a root of the quadratic:
// far beyond the error of the deflation, even next to a double root.
constexpr Wide kPolishReach = 0x1p-16L;

using WideCubic = CubicOf<Wide>;

// Whether Newton's step f(y)/f'(y), from y to next, is below the rounding
// of y at a slope f'(y) that is not 0. That proves y a root by its
// residual: |f'(y)| <= 3 Scale(y)/|y|, so |f(y)| is within 6 units of
// Scale, the rounding of Horner's sum, and y within a few rounding radii
// of extended precision of an exact root (see the proof above), far below
// a Double's rounding. At a slope of 0 the step is 0 and proves nothing:
// f' vanishes between the roots as well as at a double root.
bool restsAtRoot(Wide y, Wide slope, Wide next) {
  return slope != 0 && std::fabs(next - y) <= 2 * kWideUnitRoundoff * std::fabs(y);
}

// A real root: Newton's steps inside an interval where the cubic changes
// sign, halving it instead where a step would leave it or is not at least
// half the step before the last one (the safeguard of Numerical Recipes'
// rtsafe). The interval runs from the inflection point X towards the side
// where f takes the other sign than f(X): a root lies there within
// 2 max(|f(X)|^(1/3), |f'(X)|^(1/2)) of X (Fujiwara's bound for the cubic
// in y - X, which has no square term), widened where rounding hides the
// sign change. The steps start at its far end, outside the roots.
// Every point returned is proven a root: by a residual of 0, by Newton's
// step (restsAtRoot), or as the better end of an interval that has shrunk
// to two neighbouring numbers, where either the change of sign is real or
// the end's residual is within the rounding of f. Where f' is small beside
// Scale the rounding of f keeps the steps from resting: they stall, and the
// halving goes on to neighbours. None where the step limit ends the search
// first. The coefficients are finite, and so is every value on the way:
// the widest interval's end cubed stays far within Wide's range.
std::optional<Wide> realRoot(const WideCubic& g) {
  if (g.C == 0) return Wide{0};
  const Wide X = -g.A / 3;
  Wide value, slope;
  g.Evaluate(X, value, slope);
  if (value == 0) return X;
  const Wide side = value < 0 ? 1 : -1;
  Wide reach = 2 * std::max(std::cbrt(std::fabs(value)), std::sqrt(std::fabs(slope)));
  for (int widen = 0; widen < kMaxWidenings && (g.Value(X + side * reach) < 0) == (value < 0); ++widen) reach *= 2;
  Wide negative = X, positive = X;  // f < 0 at one, f > 0 at the other
  Wide y = X + side * reach, step = reach, stepBefore = 2 * reach;
  for (int pass = 0; pass < kMaxWideSteps; ++pass) {
    g.Evaluate(y, value, slope);
    if (value == 0) return y;
    (value < 0 ? negative : positive) = y;
    Wide next = slope == 0 ? y : y - value / slope;
    if (restsAtRoot(y, slope, next)) return y;
    const bool inside = (negative < next && next < positive) || (positive < next && next < negative);
    const bool fast = 2 * std::fabs(value) < std::fabs(stepBefore * slope);
    stepBefore = step;
    if (inside && fast) {
      step = std::fabs(next - y);
    } else {
      next = negative + (positive - negative) / 2;
      step = std::fabs(positive - negative) / 2;
    }
    if (next == negative || next == positive) {  // neighbours: a halving that cannot halve
      return std::fabs(g.Value(negative)) < std::fabs(g.Value(positive)) ? negative : positive;
    }
    y = next;
  }
  return std::nullopt;
}

// Newton's steps from a close start: true, with the root in y, where they
// come to rest within a few steps at a point proven a root (the root of a
// simple start from the closed form); false for a start that is not finite
// or not close, and where the rounding of f keeps them from resting.
bool newtonConverges(const WideCubic& g, Wide start, Wide& y) {
  if (!std::isfinite(start)) return false;
  y = start;
  for (int step = 0; step < kCloseStartSteps; ++step) {
    Wide value, slope;
    g.Evaluate(y, value, slope);
    if (value == 0) return true;
    if (slope == 0) return false;
    const Wide next = y - value / slope;
    if (restsAtRoot(y, slope, next)) return true;
    y = next;
  }
  return false;
}

// a + b = s + e and a b = p + e exactly: Knuth's sum, and Dekker's
// product with Veltkamp's split at 2^32 + 1 for the 64-bit significand. No
// product of numbers in the range of a root of Double coefficients, or of
// Volume's cubic in Wide, overflows or underflows in Wide, so both are
// exact here.
void twoSum(Wide a, Wide b, Wide& s, Wide& e) {
  s = a + b;
  const Wide bPart = s - a;
  e = (a - (s - bPart)) + (b - bPart);
}
void split(Wide a, Wide& high, Wide& low) {
  const Wide c = 0x1.00000001p+32L * a;
  high = c - (c - a);
  low = a - high;
}
void twoProduct(Wide a, Wide b, Wide& p, Wide& e) {
  p = a * b;
  Wide aHigh, aLow, bHigh, bLow;
  split(a, aHigh, aLow);
  split(b, bHigh, bLow);
  e = aLow * bLow - (((p - aHigh * bHigh) - aLow * bHigh) - aHigh * bLow);
}

// f(y) by compensated Horner (Graillat, Langlois and Louvet): Horner's rule
// with the rounding error of every step carried along, as accurate as in
// twice the precision and then rounded, within u |f(y)| + 36 u^2 Scale(y)
// of the exact value.
Wide compensatedValue(const WideCubic& g, Wide y) {
  Wide s, error, product, productError, sumError;
  twoSum(y, g.A, s, error);
  twoProduct(s, y, product, productError);
  twoSum(product, g.B, s, sumError);
  error = error * y + (productError + sumError);
  twoProduct(s, y, product, productError);
  twoSum(product, g.C, s, sumError);
  error = error * y + (productError + sumError);
  return s + error;
}

// Newton steps on the cubic from y while they lower the residual, as
// residual(y) forms it, and stay near start: next to a double root a step
// can leap to another root, whose residual is lower too.
template <class Residual>
Wide newtonWhileLower(const WideCubic& g, Wide y, Wide start, Residual residual) {
  const Wide reach = kPolishReach * std::fabs(start);
  Wide value = residual(y), ignored, slope;
  g.Evaluate(y, ignored, slope);
  for (int step = 0; step < kMaxPolishSteps && value != 0 && slope != 0; ++step) {
    const Wide next = y - value / slope;
    if (!(std::fabs(next - start) <= reach)) break;
    const Wide nextValue = residual(next);
    if (!(std::fabs(nextValue) < std::fabs(value))) break;
    y = next;
    value = nextValue;
    g.Evaluate(y, ignored, slope);
  }
  return y;
}

// Where a root's condition Scale(y)/|y f'(y)| is at most 2^7, Horner's sum
// in Wide places it within a few units of Wide times the condition, below
// a tenth of a Double's ulp. Beyond, the steps go on with the compensated
// residual, which brings them within a unit of Wide of the root: the
// Double it is rounded to is then the nearest or its neighbour. (Horner's
// sum in Wide alone would leave it, as the deflation does, a few units of
// Wide times the condition away.)
constexpr Wide kPlainCondition = 0x1p7L;

// Newton's steps on the compensated residual from y, for a root whose
// condition exceeds kPlainCondition; y itself for any other.
Wide polishCompensated(const WideCubic& g, Wide y, Wide start) {
  Wide value, slope;
  g.Evaluate(y, value, slope);
  if (!(std::fabs(y) * std::fabs(slope) * kPlainCondition < g.Scale(y))) return y;
  return newtonWhileLower(g, y, start, [&g](Wide x) { return compensatedValue(g, x); });
}

// Newton's steps on Horner's residual in Wide from y, then on the
// compensated residual where the condition calls for it: for a root of the
// quadratic, which the deflation leaves a few units of Wide times its
// condition away.
Wide polish(const WideCubic& g, Wide y) {
  return polishCompensated(g, newtonWhileLower(g, y, y, [&g](Wide x) { return g.Value(x); }), y);
}

// The sign the closed form gives the imaginary part of root 1: positive
// for p < 0 with q > 0 (its case t < -1), negative otherwise. The roots
// formed anew keep it, with p and q formed in Doubles as the closed form
// forms them, or in Wide for a cubic that Doubles cannot hold.
template <class Number>
double pairSign(Number A, Number B, Number C) {
  const auto [p, q] = detail::Depressed(A, B, C);
  return p < 0 && q > 0 ? 1.0 : -1.0;
}

// The real root of largest magnitude of the closed form's roots, where the
// shift by -A/3 adds rather than cancels: a close start for Newton's steps.
double largestRealRoot(const RootArray& r) {
  double largest = r[0][0];
  for (int k = 1; k < 3; ++k) {
    if (r[1][k] == 0 && !(std::fabs(r[0][k]) <= std::fabs(largest))) largest = r[0][k];
  }
  return largest;
}

RootArray noRoots() {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  return RootArray{{{nan, nan, nan}, {nan, nan, nan}}};
}

// The roots of g formed anew, one real root found by Newton's steps from
// `start` where they come to rest there, else by realRoot; `sign` is that
// of the imaginary part of root 1 of a pair. Each root is rounded to the
// nearest Double, a root beyond the largest Double to an infinity. No
// roots (all NaN) where realRoot proves none, which no finite cubic has
// been seen to do. Kept out of line: inlined into CubicEquation, this rare
// path cost the closed form's path some of its registers.
[[gnu::noinline]] RootArray formedAnew(const WideCubic& g, Wide start, double sign) {
  Wide y1 = 0;
  if (!newtonConverges(g, start, y1)) {
    const std::optional<Wide> root = realRoot(g);
    if (!root) return noRoots();
    y1 = *root;
  }
  // y^2 + c1 y + c0, left by y1 (exactly y^2 + A y + B for y1 = 0).
  Wide c1 = g.A, c0 = g.B;
  if (y1 != 0) {
    c0 = -g.C / y1;
    c1 = y1 * y1 >= std::fabs(c0) ? (c0 - g.B) / y1 : g.A + y1;
  }
  const Wide half = -c1 / 2;
  Wide quarterDiscriminant = half * half - c0;
  if (std::fabs(quarterDiscriminant) <= kDoubleRootTie * (half * half + std::fabs(c0))) quarterDiscriminant = 0;

  RootArray r{};
  // Polished after the deflation, which takes y1 as Newton's steps left
  // it: at rest there on Horner's sum in Wide.
  const double first = static_cast<double>(polishCompensated(g, y1, y1)) + 0.0;
  // A pair closer to the real axis than the smallest Double is a double root.
  const double im = quarterDiscriminant < 0 ? static_cast<double>(std::sqrt(-quarterDiscriminant)) : 0.0;
  if (im != 0) {
    r[0] = {first, static_cast<double>(half) + 0.0, static_cast<double>(half) + 0.0};
    r[1] = {0.0, sign * im, -sign * im};
    return r;
  }
  if (quarterDiscriminant < 0) quarterDiscriminant = 0;
  // The larger of the other two without cancellation, the smaller from
  // their product.
  const Wide big = half + std::copysign(std::sqrt(quarterDiscriminant), half);
  const Wide small = big != 0 ? c0 / big : 0;
  std::array<double, 3> roots = {first, static_cast<double>(polish(g, big)), static_cast<double>(polish(g, small))};
  std::sort(roots.begin(), roots.end());
  r[0] = {roots[1] + 0.0, roots[0] + 0.0, roots[2] + 0.0};
  return r;
}

bool allFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A value that Doubles hold with their full precision: finite, and neither
// below the normal range nor 0 where its exact value is not.
bool held(double value, bool exactlyZero) {
  if (value == 0) return exactlyZero;
  return std::isfinite(value) && std::fabs(value) >= std::numeric_limits<double>::min();
}

// The van der Waals cubic in V at T (K) and P (MPa),
// V^3 - (b + R T/P) V^2 + (a/P) V - a b/P, its coefficients formed in Number.
template <class Number>
CubicOf<Number> vanDerWaalsCubic(double T, double P, double a, double b) {
  return {((-Number{R}) * T - Number{P} * b) / P, Number{a} / P, ((-Number{a}) * b) / P};
}

// Whether the van der Waals cubic f at T, P (not 0), a and b holds its full
// precision in Doubles: its coefficients and the products they are formed
// from (R T, P b and a b) neither overflow nor underflow.
bool heldInDoubles(double T, double P, double a, double b, const CubicOf<double>& f) {
  return held((-R) * T, T == 0) && held(P * b, b == 0) && held((-a) * b, a == 0 || b == 0) &&
         held(f.A, T == 0 && b == 0) && held(f.B, a == 0) && held(f.C, a == 0 || b == 0);
}

}  // namespace

RootArray CubicEquation(double A, double B, double C) {
  if (!allFinite({A, B, C})) return noRoots();
  RootArray r{};
  // Where p q is 0 the closed form cannot divide by them: a triple root,
  // roots evenly spaced, or p and q below the smallest Double.
  if (!closedForm(A, B, C, r)) return formedAnew(WideCubic{A, B, C}, 0, pairSign(A, B, C));
  if (closedFormProven(Cubic{A, B, C}, r)) return r;
  return formedAnew(WideCubic{A, B, C}, largestRealRoot(r), pairSign(A, B, C));
}

RootArray Volume(const Composition& x, double T, double P) {
  double amix = aMixture(x);
  double bmix = bMixture(x);
  if (P == 0) return RootArray{};
  const Cubic f = vanDerWaalsCubic<double>(T, P, amix, bmix);
  if (!allFinite({amix, bmix, T, P}) || heldInDoubles(T, P, amix, bmix, f)) return CubicEquation(f.A, f.B, f.C);
  // A product or a coefficient beyond the range of Doubles (R T/P or a/P at
  // a pressure near 0, P b near the largest Double, R T at a temperature
  // below the normal range): the same cubic
  // in Wide, where the coefficients of finite T, P, a and b never overflow
  // nor underflow, its roots formed anew there. Its largest root lies near
  // -A, where A is large, and near b where it is not.
  const WideCubic g = vanDerWaalsCubic<Wide>(T, P, amix, bmix);
  return formedAnew(g, -g.A, pairSign(g.A, g.B, g.C));
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
