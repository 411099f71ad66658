// Timings of the single-phase windows, headless: a typical press of each
// window (one frame is 16 ms), the isochore's "calculate" filling its list
// with 100, 1,000 and 10,000 rows (over a full list, and into an empty one),
// and its "export" writing 10,000 rows, each row flushed to the file before
// the next is computed.

#include <benchmark/benchmark.h>

#include <cstdio>

#include <QApplication>
#include <string>

#include "engine/Globals.h"
#include "runtime/Runtime.h"
#include "tests/TempFolder.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

void SetFluid() {
  Globals::ResetSharedState();
  Globals::fraction[1] = 0.5;  // CO2
  Globals::fraction[9] = 0.5;  // CH4
}

void Enter(fw::Window& window, const char* field, const char* text) { window.editField(field).SetText(text); }
void Press(fw::Window& window, const char* button) { window.pushButton(button).Press(); }
void Choose(fw::Window& window, const char* radio) { window.radioButton(radio).click(); }

void BM_PressureCalculate(benchmark::State& state) {
  SetFluid();
  PressureWindow& window = PressureWindow::Get();
  Enter(window, "dataEntry", "150");
  Enter(window, "dataEntry1", "300");
  for (auto _ : state) Press(window, "calculate");
}

void BM_TemperatureCalculate(benchmark::State& state) {
  SetFluid();
  TemperatureWindow& window = TemperatureWindow::Get();
  Enter(window, "dataEntry", "150");
  Enter(window, "dataEntry1", "10");
  for (auto _ : state) Press(window, "calculate");
}

// "calculate" and the choice of a root, in the windows with a solution chooser.
template <class W>
void BM_RootListingAndChoice(benchmark::State& state) {
  SetFluid();
  W& window = W::Get();
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "300");
  for (auto _ : state) {
    Press(window, "calculate");
    Choose(window, "Choice0");
  }
}

// "continue" in the activity window for each standard state.
void BM_ActivityContinue(benchmark::State& state) {
  static const char* const kStates[] = {"StandardChoice0", "StandardChoice1", "StandardChoice2"};
  SetFluid();
  ActivityWindow& window = ActivityWindow::Get();
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "300");
  Press(window, "calculate");
  Choose(window, "Choice0");
  Choose(window, kStates[state.range(0)]);
  Enter(window, "dataEntry2", "1");
  for (auto _ : state) Press(window, "PushButton1");
  if (window.listBox("ListBox1").RowCount() != 2 || Globals::Activity[1] == 0.0)
    state.SkipWithError("no activities listed");
}

BENCHMARK(BM_PressureCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TemperatureCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RootListingAndChoice<VolumeWindow>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RootListingAndChoice<FugacityWindow>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RootListingAndChoice<ActivityWindow>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ActivityContinue)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A CO2/CH4 isochore at 150 cm3/mol from 0 ˚C in steps of 1 degree.
Isochore& IsochoreOf(int rows) {
  SetFluid();
  Globals::MolarVolumes[0] = 150.0;
  Isochore& window = Isochore::Get();
  window.editField("minimum").SetText("0");
  window.editField("maximum").SetText(rt::Str(rows - 1));
  window.editField("interval").SetText("1");
  return window;
}

// Each press after the first replaces a full list.
void BM_IsochoreList(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Isochore& window = IsochoreOf(rows);
  for (auto _ : state) window.calculate_Action();
  if (window.listBox("ListBox1").RowCount() != rows) state.SkipWithError("wrong number of rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

// Each press fills an empty list, as after the window comes to the front.
void BM_IsochoreListIntoEmptyList(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Isochore& window = IsochoreOf(rows);
  fw::ListBox& list = window.listBox("ListBox1");
  for (auto _ : state) {
    state.PauseTiming();
    list.DeleteAllRows();
    state.ResumeTiming();
    window.calculate_Action();
  }
  if (list.RowCount() != rows) state.SkipWithError("wrong number of rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

void BM_IsochoreExport(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  testing_support::TempFolder folder;
  Isochore& window = IsochoreOf(rows);
  for (auto _ : state) {
    // A file of the name would be replaced only after a question.
    state.PauseTiming();
    std::remove("150.txt");
    state.ResumeTiming();
    window.Export_Action();
  }
  const std::string bytes = folder.Read("150.txt");
  long lines = 0;
  for (char c : bytes) lines += c == '\n';
  if (lines != rows + 4) state.SkipWithError("wrong number of lines");
  state.SetItemsProcessed(state.iterations() * rows);
  state.SetBytesProcessed(state.iterations() * static_cast<long>(bytes.size()));
}

BENCHMARK(BM_IsochoreList)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsochoreListIntoEmptyList)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsochoreExport)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
