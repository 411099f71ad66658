#pragma once
// Helpers shared by the engine tests.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/Globals.h"

namespace enginetest {

// A composition that is 1.0 at one gas and 0.0 elsewhere.
inline Globals::Composition pureGas(int gas) {
  Globals::Composition x{};
  x[gas] = 1.0;
  return x;
}

inline Globals::Composition mixture(std::initializer_list<std::pair<int, double>> parts) {
  Globals::Composition x{};
  for (auto [gas, value] : parts) x[gas] = value;
  return x;
}

// Pure-gas van der Waals constants straight from the critical point.
inline double pureA(int gas) {
  Globals::CriticalValues();
  double Tc = Globals::Tcrit[gas], Pc = Globals::Pcrit[gas];
  return 27.0 * Globals::R * Globals::R * Tc * Tc / (64.0 * Pc);
}
inline double pureB(int gas) {
  Globals::CriticalValues();
  return Globals::R * Globals::Tcrit[gas] / (8.0 * Globals::Pcrit[gas]);
}

inline ::testing::AssertionResult relativelyNear(double expected, double actual, double tolerance) {
  double scale = std::fabs(expected);
  if (std::fabs(actual - expected) <= tolerance * scale) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected " << expected << ", got " << actual
                                       << " (relative difference "
                                       << std::fabs(actual - expected) / scale << ")";
}

// Every test starts from the start-up state of the program.
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override { Globals::ResetSharedState(); }
};

}  // namespace enginetest
