#pragma once
// Sums over the gases of a composition skip the gases whose fraction is
// exactly 0. Such a gas only adds terms of +0 or -0, and adding a signed zero
// leaves a sum that starts at +0 exactly as it is (it can never become -0),
// so the sums keep every bit. A NaN or infinite fraction elsewhere would turn
// those terms into NaN; then no gas is skipped.

#include <array>
#include <cmath>

#include "engine/Globals.h"

namespace Globals {

struct NonZeroGases {
  std::array<int, NumGases> index{};  // gas indices in ascending order
  int count = 0;
};

inline NonZeroGases nonZeroGases(const Composition& x) {
  NonZeroGases gases;
  bool finite = true;
  for (int i = 0; i < NumGases; ++i) {
    finite = finite && std::isfinite(x[i]);
    if (x[i] != 0.0) gases.index[gases.count++] = i;
  }
  if (!finite) {
    for (int i = 0; i < NumGases; ++i) gases.index[i] = i;
    gases.count = NumGases;
  }
  return gases;
}

}  // namespace Globals
