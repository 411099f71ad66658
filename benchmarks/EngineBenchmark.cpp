// Timings of the roots of the cubic in molar volume at ordinary and at low
// pressures and at the edges of the Doubles, of the cubic with coefficients
// that are no finite numbers, and of the stability numerics for mixtures of
// 2, 5 and 11 gases: the spinodal-temperature search and one determinant of
// the critical matrix.

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>

#include "engine/Globals.h"

namespace {

struct Fluid {
  Globals::Composition x{};
  double V = 0.0;  // cm3/mol
};

// Equal fractions of the first `count` gases of a fixed list that starts
// with the CO2/CH4 pair.
Fluid fluidOf(int count) {
  static constexpr int kOrder[] = {1, 9, 2, 10, 3, 0, 4, 5, 6, 7, 8};
  Fluid fluid;
  for (int i = 0; i < count; ++i) fluid.x[kOrder[i]] = 1.0 / count;
  fluid.V = 2.5 * Globals::bMixture(fluid.x);
  return fluid;
}

constexpr double kStartTemperature = 1000.0;

struct State {
  const char* name;
  Globals::Composition x;
  double T, P;  // K, MPa
};

Globals::Composition equalParts(std::initializer_list<int> gases) {
  Globals::Composition x{};
  for (int gas : gases) x[gas] = 1.0 / static_cast<double>(gases.size());
  return x;
}

// Three real roots, one real root with a complex pair, and the low pressures
// where the small roots sit far below R T / P.
const State kStates[] = {
    {"CO2 280 K 5 MPa, three real", equalParts({1}), 280, 5},
    {"CO2/CH4 300 K 10 MPa, one real", equalParts({1, 9}), 300, 10},
    {"H2O 300 K 1e-4 MPa", equalParts({0}), 300, 1e-4},
    {"CO2/CH4 300 K 1.2e-7 MPa", equalParts({1, 9}), 300, 1.23456789e-7},
    // The cubic's coefficients beyond the range of Doubles: a/P and R T/P
    // (the vapour root beyond the largest Double), a/P alone, P b.
    {"CO2/CH4 240 K 1e-320 MPa", equalParts({1, 9}), 240, 1e-320},
    {"N2 0.99025 K 9.14e-306 MPa", equalParts({2}), 0.99025, 9.14e-306},
    {"CO2/CH4 298.15 K 1e308 MPa", equalParts({1, 9}), 298.15, 1e308},
    {"CO2/CH4 1e308 K 1 MPa", equalParts({1, 9}), 1e308, 1},
};

void BM_Volume(benchmark::State& state) {
  const State& s = kStates[state.range(0)];
  for (auto _ : state) {
    Globals::RootArray roots = Globals::Volume(s.x, s.T, s.P);
    benchmark::DoNotOptimize(roots);
  }
  state.SetLabel(s.name);
}

// A coefficient that is no finite number: answered at once.
void BM_CubicEquationNotFinite(benchmark::State& state) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double A = state.range(0) == 0 ? -inf : std::numeric_limits<double>::quiet_NaN();
  for (auto _ : state) {
    Globals::RootArray roots = Globals::CubicEquation(A, 1e300, -1e300);
    benchmark::DoNotOptimize(roots);
  }
  state.SetLabel(state.range(0) == 0 ? "A = -inf" : "A = NaN");
}

void BM_SpinDetSolution(benchmark::State& state) {
  const Fluid fluid = fluidOf(static_cast<int>(state.range(0)));
  double T = 0.0;
  for (auto _ : state) {
    T = Globals::SpinDetSolution(fluid.x, kStartTemperature, fluid.V);
    benchmark::DoNotOptimize(T);
  }
  state.SetLabel("T = " + std::to_string(T) + " K at V = " + std::to_string(fluid.V));
}

void BM_CriticalMatrixDeterminant(benchmark::State& state) {
  const Fluid fluid = fluidOf(static_cast<int>(state.range(0)));
  const double T = Globals::SpinDetSolution(fluid.x, kStartTemperature, fluid.V);
  for (auto _ : state) {
    Globals::Matrix M = Globals::CriticalMatrix(fluid.x, T, fluid.V);
    benchmark::DoNotOptimize(Globals::Det_LU_Decomposition(M));
  }
  state.SetLabel("at T = " + std::to_string(T) + " K");
}

BENCHMARK(BM_Volume)->DenseRange(0, std::size(kStates) - 1);
BENCHMARK(BM_CubicEquationNotFinite)->Arg(0)->Arg(1);
BENCHMARK(BM_SpinDetSolution)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CriticalMatrixDeterminant)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
