// Timings of the stability numerics for mixtures of 2, 5 and 11 gases: the
// spinodal-temperature search and one determinant of the critical matrix.

#include <benchmark/benchmark.h>

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

BENCHMARK(BM_SpinDetSolution)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CriticalMatrixDeterminant)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
