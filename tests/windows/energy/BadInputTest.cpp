// Malformed and extreme entries in every field of every energy window, and
// fluids without gases: each listing and each root radio ends, reports no
// error and shows numbers, "0" or nothing, never an infinity or a NaN. An
// entry that is no finite number refuses the listing.

#include <functional>
#include <vector>

#include "tests/windows/FiniteChecks.h"
#include "tests/windows/energy/EnergyTestSupport.h"

namespace {

using namespace energytest;

const std::vector<std::string> kBadTexts = {
    "",      " ",      "abc",    "-",     ".",     "1e",      "1e400",  "-1e400", "inf",
    "-inf",  "nan",    "-nan",   "1e-320", "-0",   "1e308",   "-5",     "12abc",  "1,5",
    "0x10",  "\u00B5", "1e-110", "1.7e308", std::string(400, '9'),
};

using WindowOpener = fw::Window& (*)();
const WindowOpener kWindows[] = {Opener::Of<EnergyWindow>, Opener::Of<EnthalpyWindow>, Opener::Of<EntropyWindow>,
                                 Opener::Of<HelmholtzWindow>, Opener::Of<GibbsWindow>, Opener::Of<ChemPotWindow>};

class BadInputTest : public EnergyTest {
 protected:
  // A number shown reads back as itself; a value that could not be formed
  // is shown as nothing.
  static void ExpectNumberOrNothing(const std::string& text, const std::string& context) {
    if (!text.empty()) {
      EXPECT_EQ(rt::Str(rt::Val(text)), text) << context;
    }
  }
  // The results of the chosen root: the three values, or the list's cells.
  static std::vector<std::string> Results(fw::Window& window) {
    std::vector<std::string> texts;
    if (window.HasControl("Result1")) {
      for (const char* value : kValues) texts.push_back(TextOf(window, value));
    } else {
      fw::ListBox& list = window.listBox("ListBox1");
      for (int row = 0; row < list.RowCount(); ++row) texts.push_back(list.Cell(row, 1));
    }
    return texts;
  }
  static void Exercise(fw::Window& window, const std::string& P, const std::string& T) {
    const std::string context = "P \"" + P.substr(0, 12) + "\", T \"" + T.substr(0, 12) + "\"";
    List(window, P, T);
    ExpectNoNonFiniteShown(window, context, {"dataEntry", "dataEntry1"});
    for (int k = 0; k < 3; ++k) {
      const std::string root = TextOf(window, kRootTexts[k]);
      ExpectNumberOrNothing(root.substr(0, root.find(" and ")), context);
      Choose(window, kChoices[k]);
      ExpectNumberOrNothing(TextOf(window, "Result"), context);
      for (const std::string& text : Results(window)) ExpectNumberOrNothing(text, context);
      ExpectNoNonFiniteShown(window, context, {"dataEntry", "dataEntry1"});
    }
  }
};

TEST_F(BadInputTest, EveryFieldOfEveryWindowTakesAnyText) {
  test::ErrorCapture errors;
  SetFluid({{H2O, 0.2}, {CO2, 0.3}, {CH4, 0.5}});
  for (WindowOpener open : kWindows) {
    fw::Window& window = open();
    for (const char* unit : {"Kelvin", "Celsius"}) {
      Choose(window, unit);
      for (const std::string& bad : kBadTexts) {
        Exercise(window, bad, "300");
        Exercise(window, "5", bad);
        Exercise(window, bad, bad);
      }
    }
  }
  // A fluid without gases ("clear" in the fluid window), and extremes for one gas.
  Globals::fraction.fill(0.0);
  Globals::IntegerFraction.fill(0);
  Exercise(Open<GibbsWindow>(), "5", "300");
  Exercise(Open<ChemPotWindow>(), "5", "300");
  EXPECT_EQ(ChemPotWindow::Get().listBox("ListBox1").RowCount(), 0);
  SetFluid({{H2, 1.0}});
  Exercise(Open<EntropyWindow>(), "1e-300", "1e-300");
  Exercise(Open<EntropyWindow>(), "1e300", "1e300");
  EXPECT_TRUE(errors.Messages().empty()) << errors.Messages().front();
}

// After a listing and a chosen root, an entry that is no finite number
// refuses the next listing: no root texts, no results, the radios off and
// the shared state as it was.
TEST_F(BadInputTest, AnEntryThatIsNoFiniteNumberRefusesTheListing) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  for (WindowOpener open : kWindows) {
    for (const char* field : {"dataEntry", "dataEntry1"}) {
      for (const auto& [name, text] : NotFiniteTexts()) {
        fw::Window& window = open();
        const std::string where = window.Title() + ", " + field + " \"" + name + "\"";
        List(window, "5", "300");
        Choose(window, "Choice0");
        ASSERT_FALSE(Results(window).empty()) << where;
        Enter(window, field, text);
        const SharedConditions before;
        Press(window, "calculate");
        EXPECT_TRUE(SharedConditions() == before) << where;
        for (int k = 0; k < 3; ++k) {
          EXPECT_EQ(TextOf(window, kRootTexts[k]), "") << where;
          EXPECT_FALSE(window.radioButton(kChoices[k]).Value()) << where;
        }
        EXPECT_EQ(TextOf(window, "Result"), "") << where;
        for (const std::string& result : Results(window)) EXPECT_EQ(result, "") << where;
        test::CloseByCloseBox(window);
      }
    }
  }
}

// Finite extremes are numbers: a root that cannot be formed has no text and
// its radio shows nothing; a value beyond the range of numbers is shown as
// nothing.
TEST_F(BadInputTest, FiniteExtremesGiveNumbersZeroOrNothing) {
  struct Row {
    const char* name;
    std::function<void()> fluid;
    const char *P, *T;
    std::function<void(fw::Window&)> expect;
  };
  const auto mixture = [] { SetFluid({{H2O, 0.2}, {CO2, 0.3}, {CH4, 0.5}}); };
  const auto argon = [] { SetFluid({{Ar, 1.0}}); };
  // Each root without text is stored as 0 (for the other windows' radios);
  // its own radio shows nothing, also after a root with text showed its
  // results.
  const auto unformedRootsShowNothing = [](fw::Window& window) {
    int unformed = 0;
    for (int k = 0; k < 3; ++k) {
      if (!TextOf(window, kRootTexts[k]).empty()) continue;
      ++unformed;
      EXPECT_EQ(Globals::MolarVolumes[k], 0.0);
      for (int formed = 0; formed < 3; ++formed) {
        if (TextOf(window, kRootTexts[formed]).empty()) continue;
        Choose(window, kChoices[formed]);
        EXPECT_NE(TextOf(window, "Result"), "");
      }
      Choose(window, kChoices[k]);
      EXPECT_EQ(TextOf(window, "Result"), "");
      for (const std::string& result : Results(window)) EXPECT_EQ(result, "");
    }
    return unformed;
  };
  const Row rows[] = {
      // The vapour root R T/P lies far above the largest Double; the pair
      // stays.
      {"1e-320 MPa", mixture, "1e-320", "300",
       [&](fw::Window& window) { EXPECT_EQ(unformedRootsShowNothing(window), 1); }},
      {"1.7e308 K", mixture, "5", "1.7e308", [&](fw::Window& window) { unformedRootsShowNothing(window); }},
      // Near 0 K the real root is b; the heat-capacity fits of water and the
      // carbon gases diverge there with opposite signs.
      {"1e-320 K, a mixture", mixture, "5", "1e-320",
       [](fw::Window& window) {
         Choose(window, "Choice0");
         ExpectNumberOrNothing(TextOf(window, "Result"), "root 0");
         if (window.Title() == "Internal Energy") {
           for (const std::string& result : Results(window)) EXPECT_EQ(result, "");
         }
       }},
      // Argon's heat capacity is constant: U = 20.79 (T - 298.15) - R T - a/V.
      {"1e-320 K, argon", argon, "5", "1e-320",
       [](fw::Window& window) {
         if (window.Title() != "Internal Energy") return;
         Choose(window, "Choice0");
         const double V = NumberOf(window, "Result");
         const double U = 20.79 * (1e-320 - 298.15) - PureGas(Ar).a / V;
         EXPECT_NEAR(NumberOf(window, "Result1"), U, 1e-12 * std::fabs(U));
         EXPECT_EQ(TextOf(window, "Result2"), TextOf(window, "Result1"));
         EXPECT_EQ(TextOf(window, "Result3"), "0");
       }},
  };
  for (const Row& row : rows) {
    row.fluid();
    for (WindowOpener open : kWindows) {
      fw::Window& window = open();
      List(window, row.P, row.T);
      row.expect(window);
      ExpectNoNonFiniteShown(window, std::string(row.name) + ", " + window.Title(), {"dataEntry", "dataEntry1"});
      test::CloseByCloseBox(window);
    }
  }
}

}  // namespace
