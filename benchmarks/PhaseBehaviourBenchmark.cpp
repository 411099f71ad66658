// Timings of one press of "calculate" in the bubble-dew point window and in
// the liquid-vapour equilibrium window, for fluids of 2, 5 and 11 gases: a
// run that converges and one that uses every pass of the iteration; and the
// presses at the edges of the Doubles. The
// windows are built headless; each press starts from the same first approach.

#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <initializer_list>
#include <iterator>
#include <string>

#include "app/App.h"
#include "app/Program.h"
#include "engine/Globals.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"

namespace {

// Gas indices: 0 H2O, 1 CO2, 2 N2, 3 H2S, 4 NH3, 9 CH4, ...
void SetFluid(std::initializer_list<int> gases) {
  Globals::fraction.fill(0.0);
  for (int gas : gases) Globals::fraction[gas] = 1.0 / static_cast<double>(gases.size());
}

void SetFluidOf(int count, bool converging) {
  if (count == 11) return SetFluid({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  if (count == 5) return converging ? SetFluid({1, 9, 2, 10, 3}) : SetFluid({0, 1, 2, 3, 4});
  if (converging) return SetFluid({1, 9});
  SetFluid({0, 6});
}

struct BubbleDewCase {
  const char* select;  // "RadioButtonTh" or "RadioButtonPh"
  const char* given;   // the temperature (K) or pressure (MPa)
  const char* mode;    // "Liquid1" or "Vapour1"
  const char* start;   // start value typed over the first approach's, or ""
  const char* retyped = "";  // the given value typed anew after the first approach, or ""
};

BubbleDewCase BubbleDewCaseOf(int count, bool converging) {
  if (converging) {
    if (count == 11) return {"RadioButtonTh", "250", "Vapour1", ""};
    return {"RadioButtonTh", count == 5 ? "150" : "200", "Liquid1", ""};
  }
  if (count == 11) return {"RadioButtonTh", "5", "Vapour1", "0.01"};
  return {"RadioButtonPh", "1", "Liquid1", "20"};
}

// What a press left: the case's name, the answer and the status line.
void Label(benchmark::State& state, const char* name, fw::Window& window) {
  state.SetLabel(std::string(name) + (*name ? ", " : "") + window.staticText("Answer").Text() + ": " +
                 window.staticText("ResultText").Text());
}

// The first approach of the case on the current fluid, then "calculate"
// pressed again and again from the same start.
void PressBubbleDew(benchmark::State& state, const BubbleDewCase& c, const char* name = "") {
  BubbleDewPoint& window = BubbleDewPoint::Get();
  window.radioButton(c.select).SetValue(true);
  const char* givenField = std::string(c.select) == "RadioButtonTh" ? "dataEntryTh" : "dataEntryPh";
  window.editField(givenField).SetText(c.given);
  window.radioButton(c.mode).SetValue(true);
  window.FirstApproach_Action();
  if (*c.start) window.editField("dataEntry2").SetText(c.start);
  if (*c.retyped) window.editField(givenField).SetText(c.retyped);
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  for (auto _ : state) {
    Globals::xgas = x;
    Globals::ygas = y;
    window.calculate_Action();
  }
  Label(state, name, window);
}

void BM_BubbleDewPointCalculate(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const bool converging = state.range(1) == 1;
  SetFluidOf(count, converging);
  PressBubbleDew(state, BubbleDewCaseOf(count, converging));
}

// Near a critical point the stop rules fire while the phases are not yet in
// equilibrium, and each such pass evaluates both phases once more: O2/H2 at
// 103.55 K (bubble, to the pass limit) and O2/H2S/H2O/H2 at 301.51 K (dew
// from 13.218 MPa, solved after some 1700 passes).
void BM_BubbleDewPointNearCritical(benchmark::State& state) {
  if (state.range(0) == 4) {
    SetFluid({6, 3, 0, 5});
    PressBubbleDew(state, {"RadioButtonTh", "301.51", "Vapour1", "13.218"});
  } else {
    SetFluid({6, 5});
    PressBubbleDew(state, {"RadioButtonTh", "103.55", "Liquid1", ""});
  }
}

struct LiquidVapourCase {
  const char* T;      // K
  const char* Vb;     // cm3/mol
  const char* start;  // start pressure typed over the first approach's, or ""
  const char* retyped = "";  // the temperature typed anew after the first approach, or ""
};

LiquidVapourCase LiquidVapourCaseOf(int count, bool converging) {
  if (converging) return count == 11 ? LiquidVapourCase{"150", "100", ""} : LiquidVapourCase{"200", "100", ""};
  if (count == 11) return {"200", "50", "10"};
  if (count == 5) return {"200", "30", "1"};
  return {"100", "80", "1"};
}

// The first approach of the case on the current fluid, then "calculate"
// pressed again and again from the same K-values.
void PressLiquidVapour(benchmark::State& state, const LiquidVapourCase& c, const char* name = "") {
  LiquidVapourEq& window = LiquidVapourEq::Get();
  window.editField("dataEntry").SetText(c.Vb);
  window.editField("dataEntry1").SetText(c.T);
  window.CalFirstApproach_Action();
  if (*c.start) window.editField("dataEntry2").SetText(c.start);
  if (*c.retyped) window.editField("dataEntry1").SetText(c.retyped);
  const Globals::GasTable K = Globals::K_liq_vap;
  for (auto _ : state) {
    Globals::K_liq_vap = K;
    window.calculate_Action();
  }
  Label(state, name, window);
}

void BM_LiquidVapourEqCalculate(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const bool converging = state.range(1) == 1;
  SetFluidOf(count, converging);
  if (count == 2 && !converging) SetFluid({0, 9});
  PressLiquidVapour(state, LiquidVapourCaseOf(count, converging));
}

// Presses at the edges of the Doubles, where a start value, a given value or
// a temperature puts a coefficient of the cubic, or a root, beyond the range
// of Doubles.
template <class Case>
struct EdgePress {
  const char* name;
  std::initializer_list<int> fluid;  // equal parts of these gases
  Case press;
};

const EdgePress<BubbleDewCase> kBubbleDewEdges[] = {
    {"CO2/CH4 240 K from 1e-320 MPa", {1, 9}, {"RadioButtonTh", "240", "Liquid1", "1e-320"}},
    {"N2 0.99025 K from the first approach", {2}, {"RadioButtonTh", "0.99025", "Liquid1", ""}},
    {"CO2 0.9 K from 4.9e-324 MPa", {1}, {"RadioButtonTh", "0.9", "Liquid1", "4.9e-324"}},
    {"0.3 MPa from 1e308 K", {1, 9}, {"RadioButtonPh", "0.3", "Liquid1", "1e308"}},
    {"1e308 K given after 150 K", {1, 9}, {"RadioButtonTh", "150", "Liquid1", "", "1e308"}},
    {"1e308 MPa given", {1, 9}, {"RadioButtonPh", "1e308", "Liquid1", ""}},
    {"1e-320 MPa given", {1, 9}, {"RadioButtonPh", "1e-320", "Liquid1", ""}},
};

const EdgePress<LiquidVapourCase> kLiquidVapourEdges[] = {
    {"CO2/CH4 V 100 200 K from 1e-320 MPa", {1, 9}, {"200", "100", "1e-320"}},
    {"CH4 V 37 300 K from 1e-307 MPa", {9}, {"300", "37", "1e-307"}},
    {"CH4 V 37 300 K from 1e-303 MPa", {9}, {"300", "37", "1e-303"}},
    {"CO2/CH4 V 100 at 1.79e308 K", {1, 9}, {"200", "100", "", "1.79e308"}},
};

void BM_BubbleDewPointAtTheEdges(benchmark::State& state) {
  const auto& edge = kBubbleDewEdges[state.range(0)];
  SetFluid(edge.fluid);
  PressBubbleDew(state, edge.press, edge.name);
}

void BM_LiquidVapourEqAtTheEdges(benchmark::State& state) {
  const auto& edge = kLiquidVapourEdges[state.range(0)];
  SetFluid(edge.fluid);
  PressLiquidVapour(state, edge.press, edge.name);
}

// Arguments: gas count, 1 converging / 0 to the pass limit.
void Cases(benchmark::internal::Benchmark* b) {
  for (int converging : {1, 0})
    for (int count : {2, 5, 11}) b->Args({count, converging});
  b->ArgNames({"gases", "converging"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_BubbleDewPointCalculate)->Apply(Cases);
BENCHMARK(BM_LiquidVapourEqCalculate)->Apply(Cases);
BENCHMARK(BM_BubbleDewPointAtTheEdges)->DenseRange(0, std::size(kBubbleDewEdges) - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiquidVapourEqAtTheEdges)->DenseRange(0, std::size(kLiquidVapourEdges) - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BubbleDewPointNearCritical)->Arg(2)->Arg(4)->ArgName("gases")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  App app(argc, argv);
  Program::StartUp(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Program::ShutDown();
  return 0;
}
