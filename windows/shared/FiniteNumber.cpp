#include "windows/shared/FiniteNumber.h"

#include <cmath>

#include "runtime/Runtime.h"

namespace shared {

std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> FiniteEntry(std::string_view text) { return Finite(rt::Val(text)); }

std::string FiniteText(double value, std::string_view failure) {
  return Finite(value) ? rt::Str(value) : std::string(failure);
}

}  // namespace shared
