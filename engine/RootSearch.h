#pragma once
// The pieces of a search for a zero of a function of one variable that the
// spinodal-temperature search (on the temperature) and the critical-point
// search (on the molar volume) both use: the secant step cut to a tenth of
// the variable, the order of the two start points, the tests of a sign
// change, and the halving of a sign change down to neighbouring Doubles.

#include <cmath>
#include <optional>

namespace Globals::roots {

// Strictly of opposite signs: neither is 0 or a NaN.
inline bool OppositeSigns(double p, double q) { return (p < 0.0 && q > 0.0) || (p > 0.0 && q < 0.0); }

// The same for values that may not exist: both exist and are of opposite
// signs.
inline bool OppositeSigns(const std::optional<double>& p, const std::optional<double>& q) {
  return p && q && OppositeSigns(*p, *q);
}

// Two points of a secant search: the current (x, f) and the previous
// (xp, fp).
struct SecantPoints {
  double x = 0.0, f = 0.0;
  double xp = 0.0, fp = 0.0;

  // The start from two points: the current one is that with the larger |f|,
  // the first on a tie.
  static SecantPoints Start(double x0, double f0, double x1, double f1) {
    if (std::fabs(f1) > std::fabs(f0)) return {x1, f1, x0, f0};
    return {x0, f0, x1, f1};
  }

  // The step from x to where the line through both points crosses zero, cut
  // to a tenth of x with its sign; 0 when the two values are equal.
  double Step() const {
    if (f - fp == 0.0) return 0.0;
    double dx = ((xp - x) * f) / (f - fp);
    if (x / 10 < std::fabs(dx)) dx = dx >= 0 ? x / 10 : -x / 10;
    return dx;
  }

  // The current point becomes the previous one, (xNew, fNew) the current.
  void MoveTo(double xNew, double fNew) {
    xp = x, fp = f;
    x = xNew, f = fNew;
  }
};

// Whether f changes sign across x: f(x (1 - d)) and f(x (1 + d)) both exist
// and are of opposite signs. `f` maps a Double to a std::optional<double>.
template <class F>
bool ChangesSignAcross(const F& f, double x, double d) {
  const std::optional<double> below = f(x * (1 - d));
  const std::optional<double> above = f(x * (1 + d));
  return OppositeSigns(below, above);
}

// Halves the sign change between the points lo and hi (lo.Arg() < hi.Arg(),
// values of opposite signs) down to neighbouring Doubles. `at(x)` gives the
// point at x, a std::optional of the point type, none where the function
// cannot be formed; `each()` runs after every halving. Returns the first
// point whose value is exactly 0, else the end with the smaller value in
// magnitude (lo on a tie); none when the function cannot be formed at a
// midpoint.
template <class Point, class At, class Each>
std::optional<Point> Bisect(Point lo, Point hi, const At& at, const Each& each) {
  for (;;) {
    const double mid = lo.Arg() + (hi.Arg() - lo.Arg()) / 2;
    if (!(lo.Arg() < mid && mid < hi.Arg())) break;
    const std::optional<Point> point = at(mid);
    if (!point) return std::nullopt;
    if (point->Value() == 0.0) return point;
    (OppositeSigns(point->Value(), lo.Value()) ? hi : lo) = *point;
    each();
  }
  return std::fabs(lo.Value()) <= std::fabs(hi.Value()) ? lo : hi;
}

}  // namespace Globals::roots
