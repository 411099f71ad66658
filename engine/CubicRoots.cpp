// Closed-form roots of a monic cubic, the van der Waals cubic in molar
// volume, and the choice of one root as a phase's molar volume.

#include <cmath>

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

}  // namespace

RootArray CubicEquation(double A, double B, double C) {
  RootArray r{};
  double p = (3 * B - A * A) / 3;
  double q = ((2 * A) * A * A - (9 * A) * B + 27 * C) / 27;
  if (p * q == 0) return r;
  if (0 < p) {
    hyperbolicPositiveP(p, q, r);
  } else {
    negativeP(p, q, r);
  }
  for (int k = 0; k < 3; ++k) r[0][k] = r[0][k] - A / 3;
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
