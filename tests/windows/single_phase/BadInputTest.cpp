// Every field of every single-phase window given text that is no usable
// number: no crash, no hang (the test's time limit catches one), no error report
// but the export's own refusals, and never an infinity or a NaN shown. An
// entry that is no finite number is refused; finite extremes give numbers,
// "0" where the window shows that for a failure, or an empty result where a
// value lies beyond the range of numbers.

#include <algorithm>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/TempFolder.h"
#include "tests/windows/FiniteChecks.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

const std::vector<std::string> kBadTexts = {
    "", "abc", "nan", "-nan", "inf", "-inf", "1e400", "-1e400", "-0", "1e-400", std::string(400, '9'),
    "0." + std::string(398, '0') + "1", "put number", "1,5", "--1", "1e", ".", "1e-320", "1e-110",
    "1.7e308", "-1.7e308",
};

constexpr const char* kRefused = "put number";

struct Scenario {
  const char* window;
  std::function<fw::Window&()> open;
  std::vector<std::pair<const char*, const char*>> fields;  // name and a sound entry
  std::vector<const char*> presses;                          // buttons and radios, in order
  bool reportsAllowed = false;                               // the isochore refuses with a report
};

std::vector<Scenario> Scenarios() {
  std::vector<const char*> roots = {"calculate", "Celsius", "calculate", "Choice0", "Choice1", "Choice2", "Kelvin"};
  std::vector<const char*> activities = {"calculate", "Choice0", "StandardChoice0", "PushButton1",
                                         "StandardChoice1", "PushButton1", "Choice1", "StandardChoice2",
                                         "PushButton1", "Choice2", "PushButton1"};
  return {
      {"pressure", Opener::Of<PressureWindow>, {{"dataEntry", "150"}, {"dataEntry1", "300"}},
       {"calculate", "Celsius", "calculate", "Kelvin", "PushButton1"}},
      {"temperature", Opener::Of<TemperatureWindow>, {{"dataEntry", "150"}, {"dataEntry1", "5"}},
       {"calculate", "Celsius", "calculate", "Kelvin"}},
      {"molar volume", Opener::Of<VolumeWindow>, {{"dataEntry", "5"}, {"dataEntry1", "300"}}, roots},
      {"fugacity", Opener::Of<FugacityWindow>, {{"dataEntry", "5"}, {"dataEntry1", "300"}}, roots},
      {"activity", Opener::Of<ActivityWindow>, {{"dataEntry", "5"}, {"dataEntry1", "300"}, {"dataEntry2", "1"}},
       activities},
      {"isochore", Opener::Of<Isochore>, {{"minimum", "0"}, {"maximum", "100"}, {"interval", "25"}},
       {"calculate", "Export"}, true},
  };
}

class BadInputTest : public WindowTest {};

TEST_F(BadInputTest, TheCheckFindsTheTextsOfInfinitiesAndNaNs) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  for (double value : {inf, -inf, nan, -nan}) {
    EXPECT_TRUE(ShowsNonFinite(rt::Str(value))) << rt::Str(value);
    EXPECT_TRUE(ShowsNonFinite("12.5 and " + rt::Str(value) + "\u00B7i")) << rt::Str(value);
  }
  EXPECT_TRUE(ShowsNonFinite("Infinity"));
  for (const char* text : {"", "0", "-1.7e+308", "9.99988671826831e-321", "42.98 and -242.6\u00B7i",
                           "Ideal Internal Energy", "Information", "put number", "  no entry  "})
    EXPECT_FALSE(ShowsNonFinite(text)) << text;
}

TEST_F(BadInputTest, EveryFieldOfEveryWindowTakesAnyTextAndEveryPressAnswersAtOnce) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  testing_support::TempFolder folder;  // where the exports go
  test::QuestionAnswerer replace("replace");
  for (const Scenario& scenario : Scenarios()) {
    fw::Window& window = scenario.open();
    std::set<std::string> typed;
    for (const auto& [name, sound] : scenario.fields) typed.insert(name);
    for (const auto& [field, ignored] : scenario.fields) {
      for (const std::string& bad : kBadTexts) {
        for (const auto& [name, sound] : scenario.fields) Enter(window, name, name == field ? bad : sound);
        test::ErrorCapture errors;
        const std::string where = std::string(scenario.window) + ": " + field + " = \"" + bad.substr(0, 12) + "\"";
        for (const char* press : scenario.presses) {
          Click(window, press);
          ExpectNoNonFiniteShown(window, where + ", " + press, typed);
        }
        if (!scenario.reportsAllowed) {
          EXPECT_TRUE(errors.Messages().empty()) << where << ": " << errors.Messages().front();
        }
        for (const std::string& message : errors.Messages())
          EXPECT_EQ(message.rfind("The isochore is not ", 0), 0u) << message;
      }
    }
  }
}

// After a sound calculation, an entry that is no finite number refuses the
// next one: the window's refusal, and the shared state as it was.
TEST_F(BadInputTest, AnEntryThatIsNoFiniteNumberIsRefused) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  struct Row {
    const char* name;
    std::function<fw::Window&()> open;
    std::vector<std::string> sound;  // the steps of a sound calculation
    const char* field;               // then given the text
    std::vector<std::string> presses;
    std::vector<std::pair<const char*, const char*>> shows;  // afterwards
    int rows = -1;                                           // of ListBox1; -1: not checked
    bool refused = true;  // the shared state stays as it was
  };
  const std::vector<std::string> listing = {"dataEntry=5", "dataEntry1=300", "calculate", "Choice0"};
  const std::vector<std::pair<const char*, const char*>> noRoots = {
      {"TextChoice0", ""}, {"TextChoice1", ""}, {"TextChoice2", ""}, {"Result", ""}};
  auto withRoots = [&](std::vector<std::pair<const char*, const char*>> more) {
    more.insert(more.begin(), noRoots.begin(), noRoots.end());
    return more;
  };
  auto activity = [&](const char* state) {
    std::vector<std::string> steps = listing;
    steps.insert(steps.end(), {state, "dataEntry2=1", "PushButton1"});
    return steps;
  };
  const std::vector<std::string> isochore = {"minimum=0", "maximum=100", "interval=25", "calculate"};
  const Row rows[] = {
      {"pressure, molar volume", Opener::Of<PressureWindow>, {"dataEntry=150", "dataEntry1=300", "calculate"},
       "dataEntry", {"calculate"}, {{"Result", ""}}},
      {"pressure, temperature in K", Opener::Of<PressureWindow>, {"dataEntry=150", "dataEntry1=300", "calculate"},
       "dataEntry1", {"calculate"}, {{"Result", ""}}},
      {"pressure, temperature in C", Opener::Of<PressureWindow>,
       {"dataEntry=150", "dataEntry1=30", "Celsius", "calculate"}, "dataEntry1", {"calculate"}, {{"Result", ""}}},
      {"temperature, molar volume", Opener::Of<TemperatureWindow>, {"dataEntry=150", "dataEntry1=5", "calculate"},
       "dataEntry", {"calculate"}, {{"Result", ""}}},
      {"temperature, pressure", Opener::Of<TemperatureWindow>, {"dataEntry=150", "dataEntry1=5", "calculate"},
       "dataEntry1", {"calculate"}, {{"Result", ""}}},
      {"molar volume, pressure", Opener::Of<VolumeWindow>, listing, "dataEntry", {"calculate"},
       withRoots({{"ExcessVol", ""}, {"DensityResult", ""}})},
      {"molar volume, temperature", Opener::Of<VolumeWindow>, listing, "dataEntry1", {"Celsius", "calculate"},
       withRoots({{"ExcessVol", ""}, {"DensityResult", ""}})},
      {"fugacity, pressure", Opener::Of<FugacityWindow>, listing, "dataEntry", {"calculate"}, noRoots, 0},
      {"fugacity, temperature", Opener::Of<FugacityWindow>, listing, "dataEntry1", {"calculate"}, noRoots, 0},
      {"activity, pressure", Opener::Of<ActivityWindow>, activity("StandardChoice2"), "dataEntry", {"calculate"},
       withRoots({{"dataEntry2", ""}}), 0},
      {"activity, temperature", Opener::Of<ActivityWindow>, activity("StandardChoice2"), "dataEntry1",
       {"calculate"}, withRoots({{"dataEntry2", ""}}), 0},
      {"activity, reference pressure of pure real gases", Opener::Of<ActivityWindow>, activity("StandardChoice1"),
       "dataEntry2", {"PushButton1"}, {}, 0},
      {"activity, reference pressure of ideal gases", Opener::Of<ActivityWindow>, activity("StandardChoice2"),
       "dataEntry2", {"PushButton1"}, {}, 0},
      // State 0 has no reference pressure: whatever the field holds is ignored.
      {"activity, reference pressure ignored by state 0", Opener::Of<ActivityWindow>, activity("StandardChoice0"),
       "dataEntry2", {"PushButton1"}, {}, 2, false},
      {"isochore, minimum", Opener::Of<Isochore>, isochore, "minimum", {"calculate"},
       {{"minimum", kRefused}, {"maximum", "100"}, {"interval", "25"}}, 5},
      {"isochore, maximum", Opener::Of<Isochore>, isochore, "maximum", {"calculate"},
       {{"minimum", "0"}, {"maximum", kRefused}, {"interval", "25"}}, 5},
      {"isochore, step", Opener::Of<Isochore>, isochore, "interval", {"calculate"},
       {{"minimum", "0"}, {"maximum", "100"}, {"interval", kRefused}}, 5},
  };
  for (const Row& row : rows) {
    for (const auto& [textName, text] : NotFiniteTexts()) {
      const std::string where = std::string(row.name) + " \"" + textName + "\"";
      fw::Window& window = row.open();
      Perform(window, row.sound);
      Enter(window, row.field, text);
      const SharedConditions before;
      for (const std::string& press : row.presses) Click(window, press.c_str());
      if (row.refused) {
        EXPECT_TRUE(SharedConditions() == before) << where;
      }
      for (const auto& [name, expected] : row.shows) EXPECT_EQ(Shown(window, name), expected) << where << ", " << name;
      if (row.rows >= 0) {
        EXPECT_EQ(window.listBox("ListBox1").RowCount(), row.rows) << where;
      }
      ExpectNoNonFiniteShown(window, where, {row.field});
      test::CloseByCloseBox(window);
    }
  }
}

// Finite extremes are numbers: the windows compute with them and show a
// number, "0" where they show that for a failure, or nothing for a value
// beyond the range of numbers.
TEST_F(BadInputTest, FiniteExtremesGiveNumbersOrNothing) {
  const Globals::Composition fluid = [] {
    Globals::Composition x{};
    x[CO2] = 0.5;
    x[CH4] = 0.5;
    return x;
  }();
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  const vdw::Mixture m = vdw::Of(fluid);
  auto near = [](double actual, double expected) { return vdw::Near(actual, expected, 1e-12); };
  auto cells = [](fw::Window& window, int column) {
    std::vector<std::string> texts;
    fw::ListBox& list = window.listBox("ListBox1");
    for (int row = 0; row < list.RowCount(); ++row) texts.push_back(list.Cell(row, column));
    return texts;
  };
  // A root that the listing could not form has no text and is stored as 0
  // (for the other windows' radios).
  auto unformedRoots = [](fw::Window& window) {
    std::vector<int> roots;
    for (int k = 0; k < 3; ++k) {
      const std::string text = TextOf(window, ("TextChoice" + std::to_string(k)).c_str());
      if (text.empty()) {
        EXPECT_EQ(Globals::MolarVolumes[k], 0.0) << k;
        roots.push_back(k);
      } else {
        EXPECT_EQ(rt::Str(rt::Val(text.substr(0, text.find(" and ")))), text.substr(0, text.find(" and ")));
      }
    }
    return roots;
  };
  // The vapour root R T / P at 1e-320 MPa is far above the largest Double:
  // the first root without text chosen shows nothing, after the first root
  // with text showed its molar volume.
  auto chooseUnformedRoot = [&](fw::Window& window) {
    const std::vector<int> unformed = unformedRoots(window);
    EXPECT_FALSE(unformed.empty());
    if (unformed.empty() || unformed.size() == 3) return false;
    int formed = 0;
    while (std::find(unformed.begin(), unformed.end(), formed) != unformed.end()) ++formed;
    Choose(window, ("Choice" + std::to_string(formed)).c_str());
    EXPECT_NE(TextOf(window, "Result"), "");
    Choose(window, ("Choice" + std::to_string(unformed.front())).c_str());
    EXPECT_EQ(TextOf(window, "Result"), "");
    return true;
  };
  struct Row {
    const char* name;
    std::function<fw::Window&()> open;
    std::vector<std::string> steps;
    std::function<void(fw::Window&)> expect;
  };
  const Row rows[] = {
      {"pressure, a molar volume of 1e-320 is not above b", Opener::Of<PressureWindow>,
       {"dataEntry=1e-320", "dataEntry1=300", "calculate"},
       [](fw::Window& w) {
         EXPECT_EQ(TextOf(w, "Result"), "0");
         EXPECT_EQ(Globals::MolarVolumes[0], 1e-320);
       }},
      {"pressure at 1e-320 K: the attraction alone", Opener::Of<PressureWindow>,
       {"dataEntry=150", "dataEntry1=1e-320", "calculate"},
       [&](fw::Window& w) { EXPECT_TRUE(near(NumberOf(w, "Result"), -m.a / (150.0 * 150.0))); }},
      {"pressure at a molar volume of 1e308: the ideal gas", Opener::Of<PressureWindow>,
       {"dataEntry=1e308", "dataEntry1=300", "calculate"},
       [&](fw::Window& w) { EXPECT_TRUE(near(NumberOf(w, "Result"), vdw::R * 300 / 1e308)); }},
      {"pressure at 1.7e308 K is beyond the range", Opener::Of<PressureWindow>,
       {"dataEntry=150", "dataEntry1=1.7e308", "calculate"},
       [](fw::Window& w) {
         EXPECT_EQ(TextOf(w, "Result"), "");
         EXPECT_EQ(Globals::MolarVolumes[0], 150.0);
       }},
      {"temperature at a molar volume of 1e-320 is beyond the range", Opener::Of<TemperatureWindow>,
       {"dataEntry=150", "dataEntry1=5", "calculate", "dataEntry=1e-320", "calculate"},
       [&](fw::Window& w) {
         EXPECT_EQ(TextOf(w, "Result"), "");
         EXPECT_TRUE(near(Globals::TempKelvin, (5 + m.a / (150.0 * 150.0)) * (150 - m.b) / vdw::R));
       }},
      {"temperature at 1e-320 MPa: the attraction alone", Opener::Of<TemperatureWindow>,
       {"dataEntry=150", "dataEntry1=1e-320", "calculate"},
       [&](fw::Window& w) {
         EXPECT_TRUE(near(NumberOf(w, "Result"), m.a * (150 - m.b) / (vdw::R * 150.0 * 150.0)));
       }},
      {"temperature at 1e300 MPa and 1e300 cm3/mol is beyond the range", Opener::Of<TemperatureWindow>,
       {"dataEntry=1e300", "dataEntry1=1e300", "calculate"},
       [](fw::Window& w) { EXPECT_EQ(TextOf(w, "Result"), ""); }},
      // The other two roots are those of R T V^2 - a V + a b = 0, the cubic
      // times P at P = 0: a/(2 R T) +- i sqrt(4 R T a b - a^2)/(2 R T).
      {"molar volume at 1e-320 MPa: the vapour root is beyond the range", Opener::Of<VolumeWindow>,
       {"dataEntry=1e-320", "dataEntry1=300", "calculate"},
       [&](fw::Window& w) {
         EXPECT_EQ(unformedRoots(w), std::vector<int>{0});
         const double RT = vdw::R * 300;
         const std::string pair = TextOf(w, "TextChoice1");
         ASSERT_NE(pair.find(" and "), std::string::npos) << pair;
         EXPECT_TRUE(near(rt::Val(pair.substr(0, pair.find(" and "))), m.a / (2 * RT))) << pair;
         EXPECT_TRUE(near(std::fabs(rt::Val(pair.substr(pair.find(" and ") + 5))),
                          std::sqrt(4 * RT * m.a * m.b - m.a * m.a) / (2 * RT)))
             << pair;
         if (!chooseUnformedRoot(w)) return;
         EXPECT_EQ(TextOf(w, "ExcessVol"), "");
         EXPECT_EQ(TextOf(w, "DensityResult"), "");
       }},
      {"molar volume at 1e-320 K: the root b and the pair +-i sqrt(a/P)", Opener::Of<VolumeWindow>,
       {"dataEntry=5", "dataEntry1=1e-320", "calculate", "Choice0"},
       [&](fw::Window& w) {
         EXPECT_TRUE(vdw::Near(NumberOf(w, "TextChoice0"), m.b, 1e-9)) << TextOf(w, "TextChoice0");
         const std::string pair = TextOf(w, "TextChoice1");
         ASSERT_NE(pair.find(" and "), std::string::npos) << pair;
         EXPECT_TRUE(vdw::Near(std::fabs(rt::Val(pair.substr(pair.find(" and ") + 5))), std::sqrt(m.a / 5), 1e-9));
         EXPECT_TRUE(vdw::Near(NumberOf(w, "Result"), m.b, 1e-9));
         EXPECT_GT(NumberOf(w, "DensityResult"), 0.0);
       }},
      {"fugacity at 1e-320 MPa: an unformed root shows nothing", Opener::Of<FugacityWindow>,
       {"dataEntry=1e-320", "dataEntry1=300", "calculate"},
       [&](fw::Window& w) {
         if (!chooseUnformedRoot(w)) return;
         EXPECT_EQ(w.listBox("ListBox1").RowCount(), 0);
       }},
      {"activity of ideal gases at a reference pressure of 1e-320 is beyond the range", Opener::Of<ActivityWindow>,
       {"dataEntry=5", "dataEntry1=300", "calculate", "Choice0", "StandardChoice2", "dataEntry2=1e-320",
        "PushButton1"},
       [&](fw::Window& w) {
         EXPECT_EQ(cells(w, 0), (std::vector<std::string>{"CO2", "CH4"}));
         EXPECT_EQ(cells(w, 1), (std::vector<std::string>{"", ""}));
         EXPECT_EQ(cells(w, 2), (std::vector<std::string>{"", ""}));
       }},
      {"isochore at a molar volume of 1e-320: density beyond the range, pressures 0",
       []() -> fw::Window& {
         PressureWindow& pressure = PressureWindow::Get();
         test::Activate(pressure);
         Perform(pressure, {"dataEntry=1e-320", "dataEntry1=300", "calculate"});
         return Opener::Of<Isochore>();
       },
       {"minimum=0", "maximum=100", "interval=25", "calculate"},
       [&](fw::Window& w) {
         EXPECT_EQ(NumberOf(w, "ResultV"), 1e-320);
         EXPECT_EQ(TextOf(w, "ResultV1"), "");
         EXPECT_EQ(cells(w, 1), std::vector<std::string>(5, "0"));
       }},
      {"isochore up to 1.7e308 K: the pressures beyond the range left empty",
       []() -> fw::Window& {
         Globals::MolarVolumes[0] = 150;
         return Opener::Of<Isochore>();
       },
       {"minimum=0", "maximum=1.7e308", "interval=1e307", "calculate"},
       [&](fw::Window& w) {
         fw::ListBox& list = w.listBox("ListBox1");
         ASSERT_GE(list.RowCount(), 17);  // 0 K, then steps of 1e307 K
         for (int row = 0; row < list.RowCount(); ++row) {
           const double T = rt::Val(list.Cell(row, 0)) + 273.15;
           const double P = vdw::R * T / (150 - m.b) - m.a / (150.0 * 150.0);
           if (std::isfinite(P))
             EXPECT_TRUE(vdw::Near(rt::Val(list.Cell(row, 1)), P, 1e-12)) << row;
           else
             EXPECT_EQ(list.Cell(row, 1), "") << row;
         }
         EXPECT_EQ(list.Cell(list.RowCount() - 1, 1), "");
       }},
  };
  for (const Row& row : rows) {
    fw::Window& window = row.open();
    Perform(window, row.steps);
    row.expect(window);
    ExpectNoNonFiniteShown(window, row.name, {"dataEntry", "dataEntry1", "dataEntry2", "minimum", "maximum", "interval"});
    test::CloseByCloseBox(window);
  }
}

}  // namespace
