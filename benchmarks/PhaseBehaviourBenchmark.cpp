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
};

BubbleDewCase BubbleDewCaseOf(int count, bool converging) {
  if (converging) {
    if (count == 11) return {"RadioButtonTh", "250", "Vapour1", ""};
    return {"RadioButtonTh", count == 5 ? "150" : "200", "Liquid1", ""};
  }
  if (count == 11) return {"RadioButtonTh", "5", "Vapour1", "0.01"};
  return {"RadioButtonPh", "1", "Liquid1", "20"};
}

// The first approach of the case on the current fluid, then "calculate"
// pressed again and again from the same start.
void PressBubbleDew(benchmark::State& state, const BubbleDewCase& c) {
  BubbleDewPoint& window = BubbleDewPoint::Get();
  window.radioButton(c.select).SetValue(true);
  window.editField(std::string(c.select) == "RadioButtonTh" ? "dataEntryTh" : "dataEntryPh").SetText(c.given);
  window.radioButton(c.mode).SetValue(true);
  window.FirstApproach_Action();
  if (*c.start) window.editField("dataEntry2").SetText(c.start);
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  for (auto _ : state) {
    Globals::xgas = x;
    Globals::ygas = y;
    window.calculate_Action();
  }
  state.SetLabel(window.staticText("Answer").Text() + ": " + window.staticText("ResultText").Text());
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
};

LiquidVapourCase LiquidVapourCaseOf(int count, bool converging) {
  if (converging) return count == 11 ? LiquidVapourCase{"150", "100", ""} : LiquidVapourCase{"200", "100", ""};
  if (count == 11) return {"200", "50", "10"};
  if (count == 5) return {"200", "30", "1"};
  return {"100", "80", "1"};
}

void BM_LiquidVapourEqCalculate(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const bool converging = state.range(1) == 1;
  SetFluidOf(count, converging);
  if (count == 2 && !converging) SetFluid({0, 9});
  const LiquidVapourCase c = LiquidVapourCaseOf(count, converging);
  LiquidVapourEq& window = LiquidVapourEq::Get();
  window.editField("dataEntry").SetText(c.Vb);
  window.editField("dataEntry1").SetText(c.T);
  window.CalFirstApproach_Action();
  if (*c.start) window.editField("dataEntry2").SetText(c.start);
  const Globals::GasTable K = Globals::K_liq_vap;
  for (auto _ : state) {
    Globals::K_liq_vap = K;
    window.calculate_Action();
  }
  state.SetLabel(window.staticText("Answer").Text() + ": " + window.staticText("ResultText").Text());
}

// Presses at the edges of the Doubles, where a start value, a given value or
// a temperature puts a coefficient of the cubic, or a root, beyond the range
// of Doubles. Each press of "calculate" starts from the same state.
struct EdgePress {
  const char* name;
  std::initializer_list<int> fluid;  // equal parts of these gases
  void (*prepare)();                 // entries and first approach, once
  void (*press)();                   // what is timed
};

void PressBubbleDewFrom(const char* start) {
  BubbleDewPoint& window = BubbleDewPoint::Get();
  window.editField("dataEntry2").SetText(start);
  window.calculate_Action();
}

void BubbleDewFirstApproach(const char* select, const char* given, const char* unitOrField = nullptr) {
  BubbleDewPoint& window = BubbleDewPoint::Get();
  window.radioButton(select).SetValue(true);
  window.radioButton("Liquid1").SetValue(true);
  const bool temperature = std::string(select) == "RadioButtonTh";
  if (temperature) window.radioButton("Kelvin").SetValue(true);
  window.editField(temperature ? "dataEntryTh" : "dataEntryPh").SetText(given);
  window.FirstApproach_Action();
  if (unitOrField) window.editField(temperature ? "dataEntryTh" : "dataEntryPh").SetText(unitOrField);
}

void LiquidVapourFirstApproach(const char* Vb, const char* T) {
  LiquidVapourEq& window = LiquidVapourEq::Get();
  window.radioButton("Kelvin").SetValue(true);
  window.editField("dataEntry").SetText(Vb);
  window.editField("dataEntry1").SetText(T);
  window.CalFirstApproach_Action();
}

void PressLiquidVapourFrom(const char* start) {
  LiquidVapourEq& window = LiquidVapourEq::Get();
  if (start) window.editField("dataEntry2").SetText(start);
  window.calculate_Action();
}

const EdgePress kEdgePresses[] = {
    {"bubble CO2/CH4 240 K from 1e-320 MPa", {1, 9}, [] { BubbleDewFirstApproach("RadioButtonTh", "240"); },
     [] { PressBubbleDewFrom("1e-320"); }},
    {"bubble N2 0.99025 K from the first approach", {2}, [] { BubbleDewFirstApproach("RadioButtonTh", "0.99025"); },
     [] { BubbleDewPoint::Get().calculate_Action(); }},
    {"bubble CO2 0.9 K from 4.9e-324 MPa", {1}, [] { BubbleDewFirstApproach("RadioButtonTh", "0.9"); },
     [] { PressBubbleDewFrom("4.9e-324"); }},
    {"bubble at 0.3 MPa from 1e308 K", {1, 9}, [] { BubbleDewFirstApproach("RadioButtonPh", "0.3"); },
     [] { PressBubbleDewFrom("1e308"); }},
    {"bubble at 1e308 K given after 150 K", {1, 9}, [] { BubbleDewFirstApproach("RadioButtonTh", "150", "1e308"); },
     [] { BubbleDewPoint::Get().calculate_Action(); }},
    {"bubble at 1e308 MPa given", {1, 9}, [] { BubbleDewFirstApproach("RadioButtonPh", "1e308"); },
     [] { BubbleDewPoint::Get().calculate_Action(); }},
    {"bubble at 1e-320 MPa given", {1, 9}, [] { BubbleDewFirstApproach("RadioButtonPh", "1e-320"); },
     [] { BubbleDewPoint::Get().calculate_Action(); }},
    {"split CO2/CH4 V 100 200 K from 1e-320 MPa", {1, 9}, [] { LiquidVapourFirstApproach("100", "200"); },
     [] { PressLiquidVapourFrom("1e-320"); }},
    {"split CH4 V 37 300 K from 1e-307 MPa", {9}, [] { LiquidVapourFirstApproach("37", "300"); },
     [] { PressLiquidVapourFrom("1e-307"); }},
    {"split CH4 V 37 300 K from 1e-303 MPa", {9}, [] { LiquidVapourFirstApproach("37", "300"); },
     [] { PressLiquidVapourFrom("1e-303"); }},
    {"split CO2/CH4 V 100 at 1.79e308 K", {1, 9},
     [] {
       LiquidVapourFirstApproach("100", "200");
       LiquidVapourEq::Get().editField("dataEntry1").SetText("1.79e308");
     },
     [] { PressLiquidVapourFrom(nullptr); }},
};

void BM_PressAtTheEdgesOfTheDoubles(benchmark::State& state) {
  const EdgePress& press = kEdgePresses[state.range(0)];
  SetFluid(press.fluid);
  press.prepare();
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  const Globals::GasTable K = Globals::K_liq_vap;
  for (auto _ : state) {
    Globals::xgas = x;
    Globals::ygas = y;
    Globals::K_liq_vap = K;
    press.press();
  }
  fw::Window& window = press.name[0] == 'b' ? static_cast<fw::Window&>(BubbleDewPoint::Get())
                                                  : static_cast<fw::Window&>(LiquidVapourEq::Get());
  state.SetLabel(std::string(press.name) + ": " + window.staticText("ResultText").Text());
}

// Arguments: gas count, 1 converging / 0 to the pass limit.
void Cases(benchmark::internal::Benchmark* b) {
  for (int converging : {1, 0})
    for (int count : {2, 5, 11}) b->Args({count, converging});
  b->ArgNames({"gases", "converging"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_BubbleDewPointCalculate)->Apply(Cases);
BENCHMARK(BM_LiquidVapourEqCalculate)->Apply(Cases);
BENCHMARK(BM_PressAtTheEdgesOfTheDoubles)->DenseRange(0, std::size(kEdgePresses) - 1)->Unit(benchmark::kMillisecond);
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
