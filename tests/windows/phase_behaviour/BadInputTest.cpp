// Both two-phase windows under bad input. An entry that is no number the
// press can take (no finite number, a temperature not above 0 K, or a start
// value at or below 0, from which no run can succeed) is refused before
// anything is stored, with the window's own failure text; and whatever is
// typed or pressed in whatever order, with odd fluids, no press fails or
// hangs, no window shows an infinity or a NaN, every solution shown is an
// equilibrium, and a sound calculation still solves.

#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/windows/FiniteChecks.h"
#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"

namespace {

using namespace phasetest;

// What the two-phase windows share besides the conditions of every window.
struct PhaseState {
  SharedConditions conditions;
  Globals::Composition x = Globals::xgas, y = Globals::ygas;
  Globals::GasTable K = Globals::K_liq_vap;
  bool operator==(const PhaseState&) const = default;
};

// The lists that a refused press leaves empty, in both windows; the volume
// fractions in the liquid-vapour window only.
constexpr const char* kResultLists[] = {"ListBoxVmX",     "ListBoxDX",      "ListBoxVmY",     "ListBoxDY",
                                        "ListBoxPhaseX1", "ListBoxPhaseY1", "ListBoxPhaseX2", "ListBoxPhaseY2"};

class BadInputTest : public WindowTest {
 protected:
  // Types the text into a field, or into the first value cell of a list.
  static void EnterAnywhere(fw::Window& window, const std::string& name, const std::string& text) {
    if (window.control(name).GetKind() != fw::Kind::ListBox) {
      Enter(window, name.c_str(), text);
      return;
    }
    fw::ListBox& list = window.listBox(name);
    test::ClickCell(list, 0, 1);
    test::RetypeInCellEditor(list, text);
  }
};

// Each row: sound steps that leave a first approach and a calculation shown,
// then the bad text in one entry and one press. The press shows its failure
// text, empties the results (and, for a first approach, the first approach)
// and writes no shared state.
TEST_F(BadInputTest, AnEntryThatIsNoNumberThePressCanTakeIsRefused) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  const std::vector<std::string> byTemperature = {"RadioButtonTh", "Kelvin", "dataEntryTh=200", "Liquid1",
                                                  "FirstApproach", "calculate"};
  const std::vector<std::string> byCelsius = {"RadioButtonTh", "Celsius", "dataEntryTh=-73.15", "Vapour1",
                                              "FirstApproach", "calculate"};
  const std::vector<std::string> byPressure = {"RadioButtonPh", "Kelvin",         "dataEntryPh=3", "Liquid1",
                                               "FirstApproach", "dataEntry2=200", "calculate"};
  const std::vector<std::string> split = {"Kelvin", "dataEntry=100", "dataEntry1=250", "CalFirstApproach",
                                          "calculate"};
  const std::vector<std::string> notAboveZero = {"-5", "-0", "0", "-1e-300"};
  // Finite values at which a phase's molar volume lies beyond the largest
  // Double (the vapour root R T/P near 0 MPa or near the largest Double in
  // K): the run ends at its first pass, refused as an entry that is no
  // number is.
  const auto with = [](std::vector<std::string> texts, std::initializer_list<const char*> more) {
    texts.insert(texts.end(), more.begin(), more.end());
    return texts;
  };
  const std::vector<std::string> startPressures = with(notAboveZero, {"1e-320", "4.9e-324", "1e-307"});
  struct Row {
    const char* name;
    std::function<fw::Window&()> open;
    std::vector<std::string> sound;
    const char* entry;                     // a field, or a list whose first value cell is typed
    std::vector<std::string> alsoRefused;  // finite texts refused besides those that are no finite number
    const char* press;
    const std::string& status;
    bool firstApproachEmptied = false;
  };
  const auto bubble = Opener::Of<BubbleDewPoint>;
  const auto liquidVapour = Opener::Of<LiquidVapourEq>;
  const Row rows[] = {
      {"bubble-dew, temperature in K, first approach", bubble, byTemperature, "dataEntryTh", notAboveZero,
       "FirstApproach", kNoSolution, true},
      {"bubble-dew, temperature in C, first approach", bubble, byCelsius, "dataEntryTh", {"-273.15", "-300"},
       "FirstApproach", kNoSolution, true},
      {"bubble-dew, temperature, calculate", bubble, byTemperature, "dataEntryTh", with(notAboveZero, {"1e308"}),
       "calculate", kNoSolution},
      {"bubble-dew, temperature in C, calculate", bubble, byCelsius, "dataEntryTh", {"-273.15"}, "calculate",
       kNoSolution},
      {"bubble-dew, pressure, first approach", bubble, byPressure, "dataEntryPh", {}, "FirstApproach", kNoSolution,
       true},
      {"bubble-dew, pressure, calculate", bubble, byPressure, "dataEntryPh", {"1e-320"}, "calculate", kNoSolution},
      {"bubble-dew, start pressure", bubble, byTemperature, "dataEntry2", startPressures, "calculate", kNoSolution},
      {"bubble-dew, start temperature", bubble, byPressure, "dataEntry2", with(notAboveZero, {"1e308"}), "calculate",
       kNoSolution},
      {"bubble-dew, phase X value", bubble, byTemperature, "ListBoxPhaseX", {}, "calculate", kNoSolution},
      {"bubble-dew, phase Y value", bubble, byCelsius, "ListBoxPhaseY", {}, "calculate", kNoSolution},
      {"liquid-vapour, temperature, first approach", liquidVapour, split, "dataEntry1", notAboveZero, "CalFirstApproach",
       kNoSolution, true},
      {"liquid-vapour, temperature, calculate", liquidVapour, split, "dataEntry1", with(notAboveZero, {"1.79e308"}),
       "calculate", kNoSolution},
      {"liquid-vapour, bulk molar volume", liquidVapour, split, "dataEntry", {}, "calculate", kNoSolution},
      {"liquid-vapour, start pressure", liquidVapour, split, "dataEntry2", startPressures, "calculate", kNoSolution},
      {"liquid-vapour, start volume fraction", liquidVapour, split, "dataEntry3", {}, "calculate", kFractions},
  };
  for (const Row& row : rows) {
    std::vector<std::pair<std::string, std::string>> texts(NotFiniteTexts().begin(), NotFiniteTexts().end());
    for (const std::string& text : row.alsoRefused) texts.emplace_back(text, text);
    for (const auto& [textName, text] : texts) {
      const std::string where = std::string(row.name) + " \"" + textName + "\"";
      fw::Window& window = row.open();
      Perform(window, row.sound);
      ASSERT_EQ(window.listBox("ListBoxVmX").RowCount(), 1) << where << ": no results to empty";
      const std::string start = Shown(window, "dataEntry2");
      EnterAnywhere(window, row.entry, text);
      for (double value : Globals::xgas) EXPECT_TRUE(std::isfinite(value)) << where;  // no edit stores one
      for (double value : Globals::ygas) EXPECT_TRUE(std::isfinite(value)) << where;
      const PhaseState before;
      Click(window, row.press);
      EXPECT_TRUE(PhaseState() == before) << where;
      EXPECT_EQ(TextOf(window, "ResultText"), row.status) << where;
      EXPECT_EQ(TextOf(window, "Answer"), "") << where;
      for (const char* list : kResultLists) EXPECT_EQ(window.listBox(list).RowCount(), 0) << where << " " << list;
      if (row.firstApproachEmptied) {
        EXPECT_EQ(Shown(window, "dataEntry2"), "") << where;
        EXPECT_EQ(window.listBox("ListBoxPhaseX").RowCount(), 0) << where;
        EXPECT_EQ(window.listBox("ListBoxPhaseY").RowCount(), 0) << where;
      } else if (std::string(row.entry) != "dataEntry2") {
        EXPECT_EQ(Shown(window, "dataEntry2"), start) << where;
      }
      ExpectNoNonFiniteShown(window, where, {row.entry, std::string(row.entry) + ":0"});
      test::CloseByCloseBox(window);
    }
  }
}

// Ar, H2, H2S and C2H6 in equal parts as a vapour at 25.78 K: its dew
// pressure is about 1e-63 MPa, where every z_i / K_i of phase X lies far
// below the 10^-12 grain. Phase X keeps the proportions of z_i / K_i.
TEST_F(BadInputTest, APhaseBelowTheGrainKeepsItsProportions) {
  SetFluid({{Ar, 0.25}, {H2, 0.25}, {H2S, 0.25}, {C2H6, 0.25}});
  auto& window = Open<BubbleDewPoint>();
  Perform(window, {"dataEntryTh=25.78", "Vapour1", "FirstApproach"});
  const double P = rt::Val(window.editField("dataEntry2").Text());
  ASSERT_GT(P, 0);
  ASSERT_LT(P, 1e-50);
  Globals::Composition x{};
  double sum = 0;
  for (Gas gas : {Ar, H2, H2S, C2H6}) sum += x[gas] = 0.25 / Wilson(gas, 25.78, P);
  ASSERT_LT(sum, 1e-12);
  const Globals::Composition shown = ListValues(window, "ListBoxPhaseX");
  for (Gas gas : {Ar, H2, H2S, C2H6})
    EXPECT_NEAR(shown[gas], x[gas] / sum, 1e-13 * x[gas] / sum) << Globals::GasNames[gas];
  EXPECT_EQ(ListValues(window, "ListBoxPhaseY")[C2H6], 0.25);
  ExpectNoNonFiniteShown(window, "first approach");

  Press(window, "calculate");
  ExpectNoNonFiniteShown(window, "calculate");
  const std::string status = TextOf(window, "ResultText");
  EXPECT_TRUE(StartsWith(status, "Solution after") || status == kTrivial || status == kNoSolution) << status;
  if (StartsWith(status, "Solution after")) ExpectEquilibrium(window, 25.78, NumberOf(window, "Answer"), "25.78 K");
}

// Before any first approach the phases are all 0 and the start is empty:
// phases that cannot be brought to a unit sum refuse the press, with or
// without a temperature, and store nothing.
TEST_F(BadInputTest, CalculatingBeforeAnyFirstApproachIsRefused) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<BubbleDewPoint>();
  Press(window, "calculate");
  EXPECT_EQ(TextOf(window, "ResultText"), kNoSolution);
  EXPECT_EQ(TextOf(window, "Answer"), "");
  EXPECT_EQ(Globals::TempKelvin, 0.0);

  Perform(window, {"dataEntryTh=250", "Liquid1", "calculate"});
  EXPECT_EQ(TextOf(window, "ResultText"), kNoSolution);
  EXPECT_EQ(TextOf(window, "Answer"), "");
  EXPECT_EQ(Globals::TempKelvin, 0.0);
  ExpectNoNonFiniteShown(window, "before a first approach");
}

// A fluid without fractions (the fluid window's "clear" takes effect at
// once) has starting phases of 0 only, which cannot be brought to a unit
// sum: the first approach is refused before anything is stored.
TEST_F(BadInputTest, AFirstApproachOfAFluidWithoutFractionsIsRefused) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<BubbleDewPoint>();
  Perform(window, {"dataEntryTh=200", "Liquid1", "FirstApproach", "calculate"});
  ASSERT_EQ(window.listBox("ListBoxVmX").RowCount(), 1);
  SetFluid(Globals::Composition{});
  const PhaseState before;
  Press(window, "FirstApproach");
  EXPECT_TRUE(PhaseState() == before);
  EXPECT_EQ(TextOf(window, "ResultText"), kNoSolution);
  EXPECT_EQ(Shown(window, "dataEntry2"), "");
  EXPECT_EQ(window.listBox("ListBoxPhaseX").RowCount(), 0);
  for (const char* list : kResultLists) EXPECT_EQ(window.listBox(list).RowCount(), 0) << list;
}

// ---------------------------------------------------------------------------
// Random presses: every field and list cell given texts that are no number,
// finite extremes or ordinary numbers, radios and buttons pressed, the fluid
// changed in between.

const std::vector<std::string> kTexts = {
    "",     "abc",    "nan",     "-nan",     "inf",    "-inf",  "1e400", "-1e400", std::string(400, '9'),
    "-5",   "-0",     "0",       "1e-320",   "1e-300", "1e300", "1.7e308", "-1.7e308", "0.5", "3",
    "200",  "100",    "250",     "1e-10",    "25.78"};

std::vector<Globals::Composition> Fluids() {
  Globals::Composition empty{}, pure{}, pair{}, odd{}, all{}, cold{};
  pure[CO2] = 1.0;
  pair[CO2] = 0.5, pair[CH4] = 0.5;
  odd[H2O] = -0.5, odd[N2] = 1.5;  // a negative fraction and one above 1
  all.fill(1.0 / 11);
  cold[Ar] = cold[H2] = cold[H2S] = cold[C2H6] = 0.25;
  return {empty, pure, pair, odd, all, cold};
}

// A number typed for a temperature, in kelvin as the unit switch reads it.
double EnteredKelvin(fw::Window& window, const char* field) {
  const double number = rt::Val(window.editField(field).Text());
  return window.radioButton("Celsius").Value() ? number + 273.15 : number;
}

struct Drive {
  const char* name;
  std::vector<const char*> fields, radios, buttons, lists;
  std::set<std::string> rebuilding;  // buttons that write the start fields and refill the lists
  // The temperature (K) and pressure (MPa) of what the window shows as solved.
  std::function<std::pair<double, double>(fw::Window&)> solved;
  // Sound steps that solve from whatever state, with the fluid CO2/CH4 0.5/0.5.
  std::vector<std::string> sound;
};

class RandomBadInputTest : public WindowTest {
 protected:
  struct Counts {
    int presses = 0, nonFinite = 0, solutions = 0, refusedOrNone = 0, other = 0;
    int soundRuns = 0, soundSolved = 0;
  };

  // What the user typed and the window still shows as typed: those fields
  // and list rows may show what was typed, whatever it is.
  struct Typed {
    std::map<std::string, std::string> texts;  // by field, or by "<list>:<row>"
    std::set<std::string> Shown(fw::Window& window) const {
      std::set<std::string> names;
      for (const auto& [name, text] : texts) {
        const auto colon = name.find(':');
        const std::string shown =
            colon == std::string::npos ? window.editField(name).Text()
                                       : CellText(window.listBox(name.substr(0, colon)), std::stoi(name.substr(colon + 1)));
        if (shown == text) names.insert(name);
      }
      return names;
    }
    static std::string CellText(fw::ListBox& list, int row) { return row < list.RowCount() ? list.Cell(row, 1) : ""; }
  };

  // Whatever a window shows as solved is an equilibrium by the reference.
  static bool ExpectSolvedIsEquilibrium(fw::Window& window, const Drive& drive, const std::string& where) {
    const std::string status = TextOf(window, "ResultText");
    if (!StartsWith(status, "Solution after") && status != kTrivial) return false;
    EXPECT_GT(NumberOf(window, "Answer"), 0) << where;
    const auto [T, P] = drive.solved(window);
    ExpectEquilibrium(window, T, P, where);
    return true;
  }

  void Run(fw::Window& window, const Drive& drive, unsigned seed, Counts& counts) {
    test::ErrorCapture errors;
    std::mt19937 random(seed);
    const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    const auto fluids = Fluids();
    Typed typed;
    for (int step = 0; step < 400; ++step) {
      const std::string where = std::string(drive.name) + " seed " + std::to_string(seed) + " step " + std::to_string(step);
      // Now and then the sound steps, which must solve whatever came before.
      if (step % 100 == 99) {
        SetFluid({{CO2, 0.5}, {CH4, 0.5}});
        Perform(window, drive.sound);
        ++counts.soundRuns;
        counts.soundSolved += StartsWith(TextOf(window, "ResultText"), "Solution after") &&
                              ExpectSolvedIsEquilibrium(window, drive, where + " sound");
        continue;
      }
      switch (pick(5)) {
        case 0: {
          const char* field = drive.fields[pick(drive.fields.size())];
          const std::string& text = kTexts[pick(kTexts.size())];
          Enter(window, field, text);
          typed.texts[field] = text;
          break;
        }
        case 1:
          Choose(window, drive.radios[pick(drive.radios.size())]);
          break;
        case 2: {
          const char* name = drive.lists[pick(drive.lists.size())];
          fw::ListBox& list = window.listBox(name);
          if (list.RowCount() == 0) break;
          const int row = static_cast<int>(pick(list.RowCount()));
          const std::string& text = kTexts[pick(kTexts.size())];
          test::ClickCell(list, row, static_cast<int>(pick(2)));
          test::RetypeInCellEditor(list, text);
          typed.texts[std::string(name) + ":" + std::to_string(row)] = text;
          break;
        }
        case 3:
          Globals::fraction = fluids[pick(fluids.size())];
          break;
        default: {
          const char* button = drive.buttons[pick(drive.buttons.size())];
          // A button that writes the start fields and the lists leaves
          // nothing there as typed.
          if (drive.rebuilding.contains(button)) std::erase_if(typed.texts, [&](const auto& entry) {
              return entry.first.find(':') != std::string::npos || entry.first == "dataEntry2" ||
                     entry.first == "dataEntry3";
            });
          Press(window, button);
          ++counts.presses;
          counts.nonFinite += ExpectNoNonFiniteShown(window, where + " " + button, typed.Shown(window));
          const std::string status = TextOf(window, "ResultText");
          if (ExpectSolvedIsEquilibrium(window, drive, where + " " + button)) {
            ++counts.solutions;
          } else if (status == kNoSolution || status == kFractions) {
            ++counts.refusedOrNone;
          } else {
            ++counts.other;  // a first approach or "clear": no status
          }
        }
      }
    }
    EXPECT_TRUE(errors.Messages().empty()) << errors.Messages().front();
  }

  void Report(const char* name, const Counts& counts) {
    RecordProperty(std::string(name) + "_presses", counts.presses);
    RecordProperty(std::string(name) + "_non_finite_shown", counts.nonFinite);
    RecordProperty(std::string(name) + "_solutions", counts.solutions);
    RecordProperty(std::string(name) + "_refused_or_no_solution", counts.refusedOrNone);
    RecordProperty(std::string(name) + "_sound_runs_solved", counts.soundSolved);
    EXPECT_EQ(counts.nonFinite, 0);
    EXPECT_EQ(counts.soundSolved, counts.soundRuns);
  }
};

TEST_F(RandomBadInputTest, BubbleDewPointShowsNoInfinityOrNaNWhateverIsTyped) {
  auto& window = Open<BubbleDewPoint>();
  const Drive drive{"BubbleDewPoint",
                    {"dataEntryTh", "dataEntryPh", "dataEntry2"},
                    {"RadioButtonTh", "RadioButtonPh", "Kelvin", "Celsius", "Vapour1", "Liquid1"},
                    {"FirstApproach", "calculate", "calculate", "Clear"},
                    {"ListBoxPhaseX", "ListBoxPhaseY"},
                    {"FirstApproach", "Clear"},
                    [](fw::Window& w) {
                      const double X = NumberOf(w, "Answer");
                      if (w.radioButton("RadioButtonTh").Value()) return std::pair{EnteredKelvin(w, "dataEntryTh"), X};
                      return std::pair{X, rt::Val(w.editField("dataEntryPh").Text())};
                    },
                    {"RadioButtonTh", "Kelvin", "dataEntryTh=200", "Liquid1", "FirstApproach", "calculate"}};
  Counts total;
  for (unsigned seed : {1u, 2u, 3u}) Run(window, drive, seed, total);
  Report("bubble_dew", total);
}

TEST_F(RandomBadInputTest, LiquidVapourEqShowsNoInfinityOrNaNWhateverIsTyped) {
  auto& window = Open<LiquidVapourEq>();
  const Drive drive{"LiquidVapourEq",
                    {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"},
                    {"Kelvin", "Celsius"},
                    {"CalFirstApproach", "calculate", "calculate", "Clear"},
                    {"ListBoxPhaseX", "ListBoxPhaseY"},
                    {"CalFirstApproach", "Clear"},
                    [](fw::Window& w) { return std::pair{EnteredKelvin(w, "dataEntry1"), NumberOf(w, "Answer")}; },
                    {"Kelvin", "dataEntry=100", "dataEntry1=200", "CalFirstApproach", "calculate"}};
  Counts total;
  for (unsigned seed : {1u, 2u, 3u}) Run(window, drive, seed, total);
  Report("liquid_vapour", total);
}

}  // namespace
