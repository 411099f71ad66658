#pragma once
// Qt-free runtime services shared by the engine and the windows: the one
// text-to-number and number-to-text conversion, the one Double-to-integer
// conversion, saturating 64-bit sums and the background-task hook.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rt {

// Reads the longest leading number of a text, after leading blanks (spaces,
// tabs, line feeds, carriage returns, vertical tabs and form feeds, the
// white space C's strtod skips; a blank after the sign ends the number): an
// optional sign, digits with at most one decimal point, an optional exponent,
// or "inf"/"nan" as Str writes them. Locale-independent. Text without a
// leading number (the empty text included) reads as 0. A decimal number
// reads as the nearest Double, exactly as C's strtod reads it: infinite
// beyond the largest Double, 0 below half the smallest, whatever the
// number of digits or the sign of the exponent.
double Val(std::string_view text);

// The text of a number: 15 significant digits, trailing zeros dropped,
// exponent form for very large or small magnitudes (C's "%.15g"). A number
// with a fractional part has a decimal point, never a decimal comma,
// whatever the locale; a whole number has none ("1", "-20", "1e+20").
std::string Str(double value);

// The text of an integer, in decimal.
std::string Str(std::int64_t value);
inline std::string Str(int value) { return Str(static_cast<std::int64_t>(value)); }

// Double to integer, to the nearest whole number with halves away from zero.
// Values beyond the integer's range saturate at its ends; NaN gives 0.
std::int64_t ToInt64(double value);
std::int32_t ToInt32(double value);

// a + b in 64 bits, saturating at the ends of the range instead of wrapping.
std::int64_t AddInt64(std::int64_t a, std::int64_t b);

// The sum of the values in index order, with AddInt64.
std::int64_t SumInt64(std::span<const std::int64_t> values);

// Called once per pass of every long loop. It deliberately does nothing: it
// must never process user events, because a handler run in the middle of an
// engine loop would overwrite the shared state that the loop is using.
inline void RuntimeBackgroundTask() {}

}  // namespace rt
