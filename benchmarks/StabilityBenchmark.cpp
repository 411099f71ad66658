// Timings of one press of "calculate" in the critical-point window (from the
// default first guesses, and from a guess pair whose search uses all 1001
// passes), of the search along the spinodal that follows a search without a
// critical point, and of one press in the mathematical-analysis window (its
// 250-row table), for mixtures of 2, 5 and 11 gases. The windows run on Qt's
// offscreen platform unless another is chosen.

#include <benchmark/benchmark.h>

#include <QtGlobal>

#include <optional>

#include "engine/Globals.h"
#include "framework/Application.h"
#include "numerics/CriticalSearch.h"
#include "runtime/Runtime.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/MathAnal.h"

namespace {

// Equal fractions of the first `count` gases of a fixed list that starts
// with the CO2/CH4 pair.
void SetFluid(int count) {
  static constexpr int kOrder[] = {1, 9, 2, 10, 3, 0, 4, 5, 6, 7, 8};
  Globals::fraction.fill(0.0);
  for (int i = 0; i < count; ++i) Globals::fraction[kOrder[i]] = 1.0 / count;
}

// First guesses from which the search of these fluids runs to its pass limit
// and then searches along the spinodal: the slowest presses among a few
// thousand guess pairs from below the co-volume to a thousand times it.
struct Guesses {
  const char* V1;
  const char* V2;
};
Guesses AllPasses(int count) {
  switch (count) {
    case 2: return {"120", "25"};
    case 5: return {"38", "232"};
    default: return {"224", "47"};
  }
}

std::string Results(CriticalPointWindow& window) {
  return "T = " + window.staticText("ResultT").Text() + ", V = " + window.staticText("ResultV").Text();
}

CriticalPointWindow& PreparedWindow(int count) {
  SetFluid(count);
  CriticalPointWindow& window = CriticalPointWindow::Get();
  window.Show();
  window.Event_Activate();
  return window;
}

void BM_CriticalPointDefaultGuesses(benchmark::State& state) {
  CriticalPointWindow& window = PreparedWindow(static_cast<int>(state.range(0)));
  for (auto _ : state) window.pushButton("calculate").Press();
  state.SetLabel(Results(window));
}

void BM_CriticalPointAllPasses(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  CriticalPointWindow& window = PreparedWindow(count);
  window.editField("dataEntry1").SetText(AllPasses(count).V1);
  window.editField("dataEntry2").SetText(AllPasses(count).V2);
  for (auto _ : state) window.pushButton("calculate").Press();
  state.SetLabel(Results(window));
}

void BM_SearchAlongSpinodal(benchmark::State& state) {
  SetFluid(static_cast<int>(state.range(0)));
  std::optional<stability::CriticalPoint> point;
  for (auto _ : state) point = stability::SearchAlongSpinodal(Globals::fraction);
  state.SetLabel(point ? "T = " + rt::Str(point->T) + ", V = " + rt::Str(point->V) : "none");
}

void BM_AnalysisTable(benchmark::State& state) {
  SetFluid(static_cast<int>(state.range(0)));
  MathAnal& window = MathAnal::Get();
  window.Show();
  for (auto _ : state) {
    state.PauseTiming();
    window.Event_Activate();  // an empty table
    state.ResumeTiming();
    window.pushButton("calculate").Press();
  }
}

BENCHMARK(BM_CriticalPointDefaultGuesses)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CriticalPointAllPasses)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAlongSpinodal)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisTable)->Arg(2)->Arg(5)->Arg(11)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  fw::Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
