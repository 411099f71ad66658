#pragma once
// Mole fractions in fixed point: 10^12 times the fraction as a 64-bit
// integer. The normaliser stores this form, and the energy functions use it
// to decide which gases are present.

#include <cstdint>

#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {

inline std::int64_t scaledFraction(double xi) {
  return rt::ToInt64(static_cast<double>(PrecisionFactor) * xi);
}

// A gas counts in the energy functions only when its scaled fraction is above
// 0: a fraction below the 10^-12 grain, zero or negative is left out.
inline bool presentInFixedPoint(double xi) { return scaledFraction(xi) > 0; }

// The composition of one pure gas: 1.0 at its index, 0.0 elsewhere.
inline Composition oneGasComposition(int gas) {
  Composition e{};
  e[gas] = 1.0;
  return e;
}

}  // namespace Globals
