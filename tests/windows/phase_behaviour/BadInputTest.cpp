// Both two-phase windows under bad input: every field given empty text,
// letters, "nan", "inf", "1e400" and negative numbers, every button and
// radio pressed in a random order, with odd fluids. No press may fail, hang
// or take a second, and no NaN or infinity may be shown as a solution.

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"

namespace {

using namespace phasetest;

const std::vector<std::string> kTexts = {"",     "abc", "nan",  "inf", "-inf", "1e400", "-1e400", "-5",
                                         "0",    "1e-300", "0.5", "3",  "200",  "100",   "250",    "1e-10"};

const std::vector<Globals::Composition> Fluids() {
  Globals::Composition empty{}, pure{}, pair{}, odd{}, all{};
  pure[CO2] = 1.0;
  pair[CO2] = 0.5, pair[CH4] = 0.5;
  odd[H2O] = -0.5, odd[N2] = 1.5;  // a negative fraction and one above 1
  all.fill(1.0 / 11);
  return {empty, pure, pair, odd, all};
}

struct Drive {
  const char* name;
  std::vector<const char*> fields, radios, buttons, lists;
};

class BadInputTest : public WindowTest {
 protected:
  // A solution, or a trivial one, shows finite numbers only.
  static void ExpectNoNaNSolution(fw::Window& window) {
    const std::string status = TextOf(window, "ResultText");
    if (!StartsWith(status, "Solution after") && status != kTrivial) return;
    const double answer = NumberOf(window, "Answer");
    EXPECT_TRUE(std::isfinite(answer) && answer > 0) << TextOf(window, "Answer") << " " << status;
    for (const char* list : {"ListBoxVmX", "ListBoxVmY", "ListBoxDX", "ListBoxDY"})
      EXPECT_TRUE(std::isfinite(ValueOf(window, list))) << list << " " << status;
    for (const char* list : {"ListBoxPhaseX1", "ListBoxPhaseY1", "ListBoxPhaseX2", "ListBoxPhaseY2"})
      for (double v : ListValues(window, list)) EXPECT_TRUE(std::isfinite(v)) << list << " " << status;
  }

  void Run(fw::Window& window, const Drive& drive, unsigned seed) {
    test::ErrorCapture errors;
    std::mt19937 random(seed);
    const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    const auto fluids = Fluids();
    double slowest = 0;
    for (int step = 0; step < 400; ++step) {
      switch (pick(5)) {
        case 0:
          Enter(window, drive.fields[pick(drive.fields.size())], kTexts[pick(kTexts.size())]);
          break;
        case 1:
          Choose(window, drive.radios[pick(drive.radios.size())]);
          break;
        case 2: {
          fw::ListBox& list = window.listBox(drive.lists[pick(drive.lists.size())]);
          if (list.RowCount() == 0) break;
          test::ClickCell(list, static_cast<int>(pick(list.RowCount())), static_cast<int>(pick(2)));
          test::RetypeInCellEditor(list, kTexts[pick(kTexts.size())]);
          break;
        }
        case 3:
          Globals::fraction = fluids[pick(fluids.size())];
          break;
        default: {
          const auto start = std::chrono::steady_clock::now();
          Press(window, drive.buttons[pick(drive.buttons.size())]);
          slowest = std::max(slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
          ExpectNoNaNSolution(window);
        }
      }
    }
    EXPECT_LT(slowest, 1.0) << drive.name;
    EXPECT_TRUE(errors.Messages().empty()) << errors.Messages().front();
  }
};

TEST_F(BadInputTest, BubbleDewPointSurvivesAnyInputInAnyOrder) {
  auto& window = Open<BubbleDewPoint>();
  const Drive drive{"BubbleDewPoint",
                    {"dataEntryTh", "dataEntryPh", "dataEntry2"},
                    {"RadioButtonTh", "RadioButtonPh", "Kelvin", "Celsius", "Vapour1", "Liquid1"},
                    {"FirstApproach", "calculate", "calculate", "Clear"},
                    {"ListBoxPhaseX", "ListBoxPhaseY"}};
  for (unsigned seed : {1u, 2u, 3u}) Run(window, drive, seed);
}

TEST_F(BadInputTest, LiquidVapourEqSurvivesAnyInputInAnyOrder) {
  auto& window = Open<LiquidVapourEq>();
  const Drive drive{"LiquidVapourEq",
                    {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"},
                    {"Kelvin", "Celsius"},
                    {"CalFirstApproach", "calculate", "calculate", "Clear"},
                    {"ListBoxPhaseX", "ListBoxPhaseY"}};
  for (unsigned seed : {1u, 2u, 3u}) Run(window, drive, seed);
}

}  // namespace
