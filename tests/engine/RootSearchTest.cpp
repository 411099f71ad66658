// The pieces of the one-variable zero searches on functions whose zeros are
// known.

#include "engine/RootSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

using namespace Globals::roots;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Point {
  double x = 0.0, f = 0.0;
  double Arg() const { return x; }
  double Value() const { return f; }
};

TEST(RootSearch, OppositeSignsNeedTwoValuesNeitherZeroNorNaN) {
  EXPECT_TRUE(OppositeSigns(-1.0, 2.0));
  EXPECT_TRUE(OppositeSigns(3.0, -1e-300));
  for (auto [p, q] : {std::pair{1.0, 2.0}, {-1.0, -2.0}, {0.0, -1.0}, {-0.0, 1.0}, {kNaN, -1.0}, {1.0, kNaN}})
    EXPECT_FALSE(OppositeSigns(p, q)) << p << " " << q;
  const std::optional<double> none, minusOne = -1.0, one = 1.0;
  EXPECT_TRUE(OppositeSigns(one, minusOne));
  EXPECT_FALSE(OppositeSigns(none, minusOne));
  EXPECT_FALSE(OppositeSigns(one, none));
}

// The start takes the point with the larger |f| as the current one (the
// first on a tie); the step goes to where the line through both points
// crosses zero, at most a tenth of x either way.
TEST(RootSearch, SecantStepsGoToTheLinesZeroCutToATenth) {
  SecantPoints start = SecantPoints::Start(10, 1, 12, -3);
  EXPECT_EQ(start.x, 12);
  EXPECT_EQ(start.xp, 10);
  start = SecantPoints::Start(10, -2, 12, 2);
  EXPECT_EQ(start.x, 10);

  // The line through (100, 2) and (104, 4) crosses zero at 96.
  EXPECT_EQ((SecantPoints{100, 2, 104, 4}.Step()), -4.0);
  // A step of -30 or +30 from 100 is cut to -10 or +10.
  EXPECT_EQ((SecantPoints{100, 3, 101, 3.1}.Step()), -10.0);
  EXPECT_EQ((SecantPoints{100, -3, 101, -3.1}.Step()), -10.0);
  EXPECT_EQ((SecantPoints{100, 3, 99, 3.1}.Step()), 10.0);
  // Equal values: no step, whatever x.
  EXPECT_EQ((SecantPoints{100, 5, 90, 5}.Step()), 0.0);
  EXPECT_EQ((SecantPoints{-100, 5, -90, 5}.Step()), 0.0);
}

TEST(RootSearch, ASignChangeAcrossNeedsBothSidesFormed) {
  const auto line = [](double x) -> std::optional<double> { return x - 1; };
  EXPECT_TRUE(ChangesSignAcross(line, 1.0, 1e-6));
  EXPECT_FALSE(ChangesSignAcross(line, 1.1, 1e-6));
  EXPECT_TRUE(ChangesSignAcross(line, 1.1, 0.1));  // 0.99 to 1.21
  const auto upToOne = [](double x) -> std::optional<double> {
    if (x > 1.0) return std::nullopt;
    return x - 1;
  };
  EXPECT_FALSE(ChangesSignAcross(upToOne, 1.0, 1e-6));
}

// x^2 - 2 on [1, 2] (x^2 is rounded correctly, so the values rise with x):
// the bracket is halved until its ends are the two Doubles that enclose the
// square root of 2, and the end nearer to the zero is kept. Here both ends
// are 4.4e-16 from 2 when squared, and the lower end is kept on the tie.
TEST(RootSearch, BisectionEndsOnNeighbouringDoublesAroundTheZero) {
  const auto square = [](double x) -> std::optional<Point> { return Point{x, x * x - 2}; };
  int halvings = 0;
  const std::optional<Point> root = Bisect(Point{1, -1}, Point{2, 2}, square, [&] { ++halvings; });
  ASSERT_TRUE(root);
  const double above = std::sqrt(2.0), below = std::nextafter(above, 1.0);
  ASSERT_LT(below * below, 2.0);
  ASSERT_GT(above * above, 2.0);
  EXPECT_EQ(root->x, below);
  EXPECT_EQ(root->f, below * below - 2);
  EXPECT_EQ(std::fabs(below * below - 2), std::fabs(above * above - 2));
  // [1, 2] holds 2^52 Doubles: 52 halvings, less one when a midpoint is an
  // end already.
  EXPECT_GE(halvings, 51);
  EXPECT_LE(halvings, 52);
}

TEST(RootSearch, BisectionStopsOnAnExactZeroOrWhereNothingCanBeFormed) {
  int halvings = 0;
  const auto line = [](double x) -> std::optional<Point> { return Point{x, x - 1.5}; };
  const std::optional<Point> exact = Bisect(Point{1, -0.5}, Point{2, 0.5}, line, [&] { ++halvings; });
  ASSERT_TRUE(exact);
  EXPECT_EQ(exact->x, 1.5);
  EXPECT_EQ(halvings, 0);

  const auto broken = [](double x) -> std::optional<Point> {
    if (x > 1.2 && x < 1.3) return std::nullopt;
    return Point{x, x - 1.25};
  };
  EXPECT_FALSE(Bisect(Point{1, -0.25}, Point{2, 0.75}, broken, [] {}));
}

}  // namespace
