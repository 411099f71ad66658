#pragma once
// Helpers of the energy-window tests: a root listing typed in as a user
// would, the root texts read back, and the van der Waals fluid formed
// independently from the critical constants.

#include <cmath>
#include <complex>
#include <string>

#include "tests/windows/WindowTestSupport.h"
#include "windows/energy/ChemPotWindow.h"
#include "windows/energy/EnergyWindow.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"

namespace energytest {

using namespace wintest;

constexpr const char* kChoices[] = {"Choice0", "Choice1", "Choice2"};
constexpr const char* kRootTexts[] = {"TextChoice0", "TextChoice1", "TextChoice2"};
constexpr const char* kValues[] = {"Result1", "Result2", "Result3"};

// Van der Waals constants from the critical point: a_i = 27 R^2 Tc^2/(64 Pc),
// b_i = R Tc/(8 Pc); the mixture a = (sum x_i sqrt(a_i))^2, b = sum x_i b_i.
struct Vdw {
  double a = 0.0, b = 0.0;
  double Pressure(double T, double V) const { return Globals::R * T / (V - b) - a / (V * V); }
};
inline Vdw PureGas(int gas) {
  Globals::CriticalValues();
  const double Tc = Globals::Tcrit[gas], Pc = Globals::Pcrit[gas], R = Globals::R;
  return {27.0 * R * R * Tc * Tc / (64.0 * Pc), R * Tc / (8.0 * Pc)};
}
inline Vdw Mixture(const Globals::Composition& x) {
  double sqrtA = 0.0, b = 0.0;
  for (int i = 0; i < Globals::NumGases; ++i) {
    sqrtA += x[i] * std::sqrt(PureGas(i).a);
    b += x[i] * PureGas(i).b;
  }
  return {sqrtA * sqrtA, b};
}

// The one molar volume of a fluid above its critical temperature, where the
// pressure falls monotonically with the volume: bisection above b.
inline double SupercriticalVolume(const Vdw& fluid, double T, double P) {
  double lo = fluid.b * (1.0 + 1e-12), hi = fluid.b + 10.0 * Globals::R * T / P;
  for (int pass = 0; pass < 200; ++pass) {
    const double mid = 0.5 * (lo + hi);
    (fluid.Pressure(T, mid) > P ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

class EnergyTest : public WindowTest {
 protected:
  // Types the pressure (MPa) and temperature (in the switch's unit) and
  // presses "calculate molar volume".
  static void List(fw::Window& window, const std::string& P, const std::string& T) {
    Enter(window, "dataEntry", P);
    Enter(window, "dataEntry1", T);
    Press(window, "calculate");
  }
  // A root text: "re" or "re and im·i".
  static std::complex<double> RootOf(fw::Window& window, int k) {
    const std::string text = TextOf(window, kRootTexts[k]);
    const auto at = text.find(" and ");
    if (at == std::string::npos) return {rt::Val(text), 0.0};
    EXPECT_EQ(text.substr(text.size() - 3), "\u00B7i") << text;
    return {rt::Val(text.substr(0, at)), rt::Val(text.substr(at + 5))};
  }
  // Turns root radio k on and returns the total (row 0) or a part.
  static double ValueAt(fw::Window& window, int k, int row = 0) {
    Choose(window, kChoices[k]);
    return NumberOf(window, kValues[row]);
  }
};

}  // namespace energytest
