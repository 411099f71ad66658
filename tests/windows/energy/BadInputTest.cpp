// Malformed and extreme entries in every field of every energy window, and
// fluids without gases: each listing and each root radio ends, reports no
// error and leaves texts that read back as numbers.

#include "tests/windows/energy/EnergyTestSupport.h"

namespace {

using namespace energytest;

const char* const kBadTexts[] = {"",     " ",   "abc",  "-",    ".",      "1e",  "1e400",
                                 "-1e400", "inf", "-inf", "nan", "1e-320", "-0",  "1e308",
                                 "-5",   "12abc", "1,5", "0x10", "\u00B5"};

class BadInputTest : public EnergyTest {
 protected:
  static void ExpectNumberText(const std::string& text, const std::string& context) {
    EXPECT_EQ(rt::Str(rt::Val(text)), text) << context;
  }
  static void Exercise(fw::Window& window, const std::string& P, const std::string& T) {
    const std::string context = "P \"" + P + "\", T \"" + T + "\" in " + window.Title();
    List(window, P, T);
    for (int k = 0; k < 3; ++k) {
      const std::string root = TextOf(window, kRootTexts[k]);
      ExpectNumberText(root.substr(0, root.find(" and ")), context);
      Choose(window, kChoices[k]);
      ExpectNumberText(TextOf(window, "Result"), context);
      if (window.HasControl("Result1")) {
        for (const char* value : kValues) ExpectNumberText(TextOf(window, value), context);
      } else {
        fw::ListBox& list = window.listBox("ListBox1");
        for (int row = 0; row < list.RowCount(); ++row) ExpectNumberText(list.Cell(row, 1), context);
      }
    }
  }
};

TEST_F(BadInputTest, EveryFieldOfEveryWindowTakesAnyText) {
  test::ErrorCapture errors;
  SetFluid({{H2O, 0.2}, {CO2, 0.3}, {CH4, 0.5}});
  for (auto open : {Opener::Of<EnergyWindow>, Opener::Of<EnthalpyWindow>, Opener::Of<EntropyWindow>,
                    Opener::Of<HelmholtzWindow>, Opener::Of<GibbsWindow>, Opener::Of<ChemPotWindow>}) {
    fw::Window& window = open();
    for (const char* unit : {"Kelvin", "Celsius"}) {
      Choose(window, unit);
      for (const char* bad : kBadTexts) {
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

}  // namespace
