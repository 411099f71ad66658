#include "runtime/Runtime.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cstdlib>
#include <random>
#include <string>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(Val, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(rt::Val("1"), 1.0);
  EXPECT_EQ(rt::Val("  -0.5"), -0.5);
  EXPECT_EQ(rt::Val("+2.5e3"), 2500.0);
  EXPECT_EQ(rt::Val("3.25 MPa"), 3.25);
  EXPECT_EQ(rt::Val("1.2.3"), 1.2);
  EXPECT_EQ(rt::Val(".5"), 0.5);
  EXPECT_EQ(rt::Val("5."), 5.0);
  EXPECT_EQ(rt::Val("1e"), 1.0);      // an exponent without digits is not taken
  EXPECT_EQ(rt::Val("1e+x"), 1.0);
  EXPECT_EQ(rt::Val("2E-2"), 0.02);
}

TEST(Val, SkipsEveryKindOfLeadingBlank) {
  struct Case {
    const char* name;
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"tab", "\t5", 5.0},
      {"tabs and spaces before a sign", " \t\t-2.5", -2.5},
      {"line feed", "\n7", 7.0},
      {"carriage return", "\r7", 7.0},
      {"vertical tab", "\v7", 7.0},
      {"form feed", "\f7", 7.0},
      {"a tab between sign and digits ends the number", "-\t5", 0.0},
      {"a control character is no blank", "\x01" "5", 0.0},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::Val(c.text), c.value) << c.name;
}

TEST(Val, TextWithoutANumberReadsAsZero) {
  EXPECT_EQ(rt::Val(""), 0.0);
  EXPECT_EQ(rt::Val("   "), 0.0);
  EXPECT_EQ(rt::Val("abc"), 0.0);
  EXPECT_EQ(rt::Val("-"), 0.0);
  EXPECT_EQ(rt::Val("."), 0.0);
  EXPECT_EQ(rt::Val("+-1"), 0.0);
  EXPECT_EQ(rt::Val("0x10"), 0.0);  // hexadecimal is not a number here
}

TEST(Val, ReadsInfinityNanAndOutOfRange) {
  EXPECT_EQ(rt::Val("inf"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(rt::Val("-inf"), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(rt::Val("nan")));
  EXPECT_TRUE(std::isnan(rt::Val("-nan")));
  EXPECT_EQ(rt::Val("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(rt::Val("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(rt::Val("1e-999"), 0.0);
}

// Under- and overflow are told by the size of the number, not by the sign of
// its exponent.
TEST(Val, ANumberBelowTheSmallestDoubleIsZeroAndAboveTheLargestInfinite) {
  const std::string tiny = std::string("0.").append(323, '0').append("1");  // 1e-324
  const std::string huge = std::string("1").append(310, '0').append("e-1");  // 1e309
  EXPECT_EQ(rt::Val(tiny), 0.0);
  EXPECT_EQ(rt::Val("-" + tiny), 0.0);
  EXPECT_TRUE(std::signbit(rt::Val("-" + tiny)));
  EXPECT_EQ(rt::Val(huge), std::numeric_limits<double>::infinity());
  EXPECT_EQ(rt::Val("-" + huge), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(rt::Val("0.000001e-319"), 0.0);
  EXPECT_EQ(rt::Val("100000e304"), std::numeric_limits<double>::infinity());
  // The smallest subnormal, and half of it rounding up to it.
  EXPECT_EQ(rt::Val("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(rt::Val("0.0000247032822920623273e-319"),
            std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(rt::Val("1e99999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(rt::Val("1e-99999999999999999999"), 0.0);
  EXPECT_EQ(rt::Val("0e99999999999999999999"), 0.0);
}

// Random decimal texts read exactly as the C library reads them: long
// mantissas, runs of leading and trailing zeros, extreme exponents.
TEST(Val, DecimalTextsReadExactlyAsStrtodReadsThem) {
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  std::mt19937_64 random(20260915);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const auto digits = [&](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('0' + pick(0, 9));
    return text;
  };
  // Lengths: mostly short, sometimes past the 17 digits of a Double, rarely
  // hundreds of digits.
  const auto length = [&] {
    const int kind = pick(0, 9);
    return kind < 6 ? pick(0, 6) : kind < 9 ? pick(7, 40) : pick(41, 800);
  };
  for (int n = 0; n < 200000; ++n) {
    std::string text;
    if (pick(0, 3) == 0) text += pick(0, 1) ? "-" : "+";
    if (pick(0, 4) == 0) text += std::string(pick(1, 400), '0');
    text += digits(length());
    if (pick(0, 1)) {
      text += ".";
      if (pick(0, 4) == 0) text += std::string(pick(1, 400), '0');
      text += digits(length());
    }
    if (pick(0, 2)) {
      text += pick(0, 1) ? "e" : "E";
      if (pick(0, 1)) text += pick(0, 1) ? "-" : "+";
      const int kind = pick(0, 9);
      text += std::to_string(kind < 5 ? pick(0, 30) : kind < 9 ? pick(280, 420) : pick(0, 100000));
    }
    const double expected = std::strtod(text.c_str(), nullptr);
    const double read = rt::Val(text);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(expected)) << text;
  }
}

TEST(Str, FifteenSignificantDigits) {
  EXPECT_EQ(rt::Str(300 - 273.15), "26.85");
  EXPECT_EQ(rt::Str(1.0), "1");
  EXPECT_EQ(rt::Str(0.9), "0.9");
  EXPECT_EQ(rt::Str(-0.5), "-0.5");
  EXPECT_EQ(rt::Str(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(rt::Str(1e20), "1e+20");
  EXPECT_EQ(rt::Str(1.5e-7), "1.5e-07");
  EXPECT_EQ(rt::Str(std::int64_t{999999999999}), "999999999999");
}

// Rounding to 15 significant digits costs at most half a unit in the 15th
// digit: 5 parts in 10^15 relative for a leading 1.
TEST(Str, RoundTripsThroughValWithinFifteenDigits) {
  const double values[] = {26.85, 1.0 / 3.0, 8.314472, 6.02214076e23, -1.602e-19, 304.128,
                           0.1 + 0.2, 123456789.123456789};
  for (double v : values) {
    double back = rt::Val(rt::Str(v));
    EXPECT_LE(std::fabs(back - v), 5e-15 * std::fabs(v)) << v;
  }
  EXPECT_EQ(rt::Val(rt::Str(std::numeric_limits<double>::infinity())),
            std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(rt::Val(rt::Str(std::nan("")))));
}

TEST(Str, IgnoresTheProcessLocale) {
  // A desktop session may run with a decimal comma; the program's texts never do.
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C");
  EXPECT_EQ(rt::Str(0.25), "0.25");
  EXPECT_EQ(rt::Val("0.25"), 0.25);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(ToInt64, RoundsToNearestWithHalvesAwayFromZero) {
  EXPECT_EQ(rt::ToInt64(2.4), 2);
  EXPECT_EQ(rt::ToInt64(2.5), 3);
  EXPECT_EQ(rt::ToInt64(-2.5), -3);
  EXPECT_EQ(rt::ToInt64(-2.4), -2);
  // 0.0021 x 10^12 is 2099999999.9999998 in Double arithmetic.
  EXPECT_EQ(rt::ToInt64(1e12 * 0.0021), 2'100'000'000);
  EXPECT_EQ(rt::ToInt64(1.0e12), 1'000'000'000'000);
}

TEST(ToInt64, SaturatesAndMapsNanToZero) {
  EXPECT_EQ(rt::ToInt64(std::nan("")), 0);
  EXPECT_EQ(rt::ToInt64(1e300), kMax);
  EXPECT_EQ(rt::ToInt64(-1e300), kMin);
  EXPECT_EQ(rt::ToInt64(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(rt::ToInt64(-std::numeric_limits<double>::infinity()), kMin);
  EXPECT_EQ(rt::ToInt64(9223372036854775808.0), kMax);      // 2^63
  EXPECT_EQ(rt::ToInt64(-9223372036854775808.0), kMin);     // -2^63 fits exactly
  EXPECT_EQ(rt::ToInt64(9223372036854774784.0), 9223372036854774784);  // largest below 2^63
}

TEST(ToInt32, SaturatesAndRounds) {
  EXPECT_EQ(rt::ToInt32(-1.0), -1);
  EXPECT_EQ(rt::ToInt32(0.5), 1);
  EXPECT_EQ(rt::ToInt32(3e9), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(rt::ToInt32(-3e9), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(rt::ToInt32(std::nan("")), 0);
}

TEST(AddInt64, SaturatesInsteadOfWrapping) {
  EXPECT_EQ(rt::AddInt64(2, 3), 5);
  EXPECT_EQ(rt::AddInt64(kMax, 1), kMax);
  EXPECT_EQ(rt::AddInt64(kMin, -1), kMin);
  EXPECT_EQ(rt::AddInt64(kMax, kMin), -1);
}

}  // namespace

namespace {

TEST(SumInt64, AddsInOrderAndSaturates) {
  const std::int64_t fluid[] = {250'000'000'000, 750'000'000'000, 0};
  EXPECT_EQ(rt::SumInt64(fluid), 1'000'000'000'000);
  const std::int64_t huge[] = {kMax, 5, -10};
  EXPECT_EQ(rt::SumInt64(huge), kMax - 10);  // saturates at the top, then comes down
  EXPECT_EQ(rt::SumInt64({}), 0);
}

}  // namespace
