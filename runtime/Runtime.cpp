#include "runtime/Runtime.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace rt {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool startsWithNoCase(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

// The decimal number at the start of a text (no sign): digits with at most
// one decimal point and at least one digit, then an optional exponent that is
// taken only when it has digits.
struct Decimal {
  std::size_t length = 0;  // 0 when there is no number
  // Whether the number is at least 1 in magnitude (when it is not zero): a
  // number too large or too small for a Double is infinite or 0 by this, not
  // by the sign of its exponent ("1" with 310 zeros and "e-1" is 1e309).
  bool atLeastOne = false;
};

Decimal scanDecimal(std::string_view text) {
  // Far beyond the range of a Double: exponents saturate here.
  constexpr long long kFar = 1'000'000'000;
  std::size_t i = 0;
  std::size_t digits = 0;
  long long firstSignificant = -1;  // index among the digits, -1 while all are 0
  const auto digit = [&] {
    if (firstSignificant < 0 && text[i] != '0') firstSignificant = static_cast<long long>(digits);
    ++digits;
    ++i;
  };
  while (i < text.size() && isDigit(text[i])) digit();
  const auto integerDigits = static_cast<long long>(digits);  // before the point
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) digit();
  }
  if (digits == 0) return {};
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      negative = text[j] == '-';
      ++j;
    }
    if (j < text.size() && isDigit(text[j])) {
      for (; j < text.size() && isDigit(text[j]); ++j)
        exponent = std::min(kFar, exponent * 10 + (text[j] - '0'));
      if (negative) exponent = -exponent;
      i = j;
    }
  }
  Decimal number;
  number.length = i;
  // The power of ten of the first significant digit.
  const long long order = integerDigits - 1 - std::max(firstSignificant, 0LL) + exponent;
  number.atLeastOne = order >= 0;
  return number;
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string_view rest = text.substr(i);
  double magnitude = 0.0;
  if (startsWithNoCase(rest, "inf")) {
    magnitude = std::numeric_limits<double>::infinity();
  } else if (startsWithNoCase(rest, "nan")) {
    magnitude = std::numeric_limits<double>::quiet_NaN();
  } else {
    const Decimal number = scanDecimal(rest);
    if (number.length == 0) return 0.0;
    // from_chars rounds correctly, subnormal results included; it reports
    // only the numbers that overflow to infinity or underflow to 0.
    auto [end, error] = std::from_chars(rest.data(), rest.data() + number.length, magnitude,
                                        std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
      magnitude = number.atLeastOne ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
      return 0.0;
    }
  }
  return negative ? -magnitude : magnitude;
}

std::string Str(double value) {
  char buffer[32];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string Str(std::int64_t value) {
  char buffer[24];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error != std::errc()) return "0";
  return std::string(buffer, end);
}

namespace {

template <typename Int>
Int toInteger(double value) {
  if (std::isnan(value)) return 0;
  // The ends of the range as Doubles: the maximum is 2^(bits-1), one past the
  // largest integer, so `>=` catches every value that would not fit.
  constexpr double upper = -static_cast<double>(std::numeric_limits<Int>::min());
  constexpr double lower = static_cast<double>(std::numeric_limits<Int>::min());
  double rounded = std::round(value);  // halves away from zero
  if (rounded >= upper) return std::numeric_limits<Int>::max();
  if (rounded <= lower) return std::numeric_limits<Int>::min();
  return static_cast<Int>(rounded);
}

}  // namespace

std::int64_t ToInt64(double value) { return toInteger<std::int64_t>(value); }
std::int32_t ToInt32(double value) { return toInteger<std::int32_t>(value); }

std::int64_t AddInt64(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) {
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  }
  return sum;
}

std::int64_t SumInt64(std::span<const std::int64_t> values) {
  std::int64_t sum = 0;
  for (std::int64_t v : values) {
    sum = AddInt64(sum, v);
    RuntimeBackgroundTask();
  }
  return sum;
}

}  // namespace rt
