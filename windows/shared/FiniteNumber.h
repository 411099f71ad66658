#pragma once
// Numbers into and out of a window, finite only. The text-to-number
// conversion reads "inf", "nan", "1e400" or a number of 400 digits as an
// infinity or a NaN; no window computes with such an entry, and no window
// shows an infinite or NaN result as a number.
//
// Taking a number in: a handler reads each entry that must be a number with
// FiniteEntry and refuses the whole calculation when one gives none (the
// window's refusal: "put number" in the field where the window has that,
// otherwise its failure text or its results left empty), before it writes any
// shared state. Showing a number: every computed value goes through
// FiniteText, with the window's failure text ("no solution") or, where the
// window has none, the empty text.

#include <optional>
#include <string>
#include <string_view>

namespace shared {

// The value when it is finite; nothing when it is infinite or NaN. For a
// computed value that goes on into the shared state.
std::optional<double> Finite(double value);

// The number of an entry's text as the text-to-number conversion reads it,
// when that number is finite; nothing when it is infinite or NaN. Finite
// extremes (1e-320, 1.7e308, -0) are numbers like any other.
std::optional<double> FiniteEntry(std::string_view text);

// The number-to-text conversion of a finite value; `failure` for an infinite
// or NaN one.
std::string FiniteText(double value, std::string_view failure = {});

}  // namespace shared
