// The fluid emptied by "clear" in the fluid window, then every window of the
// program opened and used as a user would: no window shows an infinity or a
// NaN, on opening or after any of its presses.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/Start1Window.h"
#include "app/Start2Window.h"
#include "app/Start3Window.h"
#include "tests/TempFolder.h"
#include "tests/windows/FiniteChecks.h"

namespace {

using namespace wintest;

// A window opened by the procedure chooser (`procedure` names its radio) or,
// with no procedure, by a step of a window before it; then used step by step.
struct Use {
  const char* procedure;
  const char* title;
  std::vector<std::string> steps;  // as Perform takes them
};

class AllZeroFluid : public WindowTest {
 protected:
  // What every open window shows holds no infinity or NaN; the test types
  // only numbers, so the entry fields are checked too.
  static void ExpectEveryWindowFinite(const std::string& where) {
    for (fw::Window* window : fw::OpenWindows()) ExpectNoNonFiniteShown(*window, where);
  }

  // A fluid accepted, then emptied by "clear", as the user does it.
  static void ClearTheFluid() {
    test::Click(Start1Window::Get().pushButton("continue1"));
    Start2Window& fluid = Start2Window::Get();
    test::Retype(fluid.editField("CO2number"), "0.5");
    test::Retype(fluid.editField("CH4number"), "0.5");
    test::Click(fluid.pushButton("continue2"));
    ASSERT_EQ(Globals::fraction[CO2], 0.5);
    test::Click(fluid.pushButton("Clear"));
    ASSERT_EQ(Globals::fraction, Globals::Composition{});
  }
};

TEST_F(AllZeroFluid, NoWindowShowsAnInfinityOrANaN) {
  testing_support::TempFolder folder;  // the isochore's export lands here
  test::ErrorCapture errors;
  ClearTheFluid();
  const std::vector<std::string> listing = {"dataEntry=5", "dataEntry1=300", "calculate", "Choice0", "Choice1",
                                            "Choice2",     "Celsius",        "Kelvin"};
  const std::vector<std::string> bubble = {"RadioButtonTh", "dataEntryTh=200", "Liquid1",       "FirstApproach",
                                           "calculate",     "Vapour1",         "FirstApproach", "calculate",
                                           "RadioButtonPh", "dataEntryPh=3",   "FirstApproach", "calculate"};
  const Use uses[] = {
      {"MolarVolumes", "Molar Volumes", listing},
      {"Pressures", "Pressures",
       {"dataEntry=150", "dataEntry1=300", "calculate", "Celsius", "calculate", "PushButton1"}},
      {nullptr, "Isochore", {"minimum=0", "maximum=100", "interval=25", "calculate", "Export"}},
      {"Temperatures", "Temperatures", {"dataEntry=150", "dataEntry1=5", "calculate", "Celsius", "Kelvin"}},
      {"Fugacities", "Fugacities", listing},
      {"Activities", "Activities",
       {"dataEntry=5", "dataEntry1=300", "calculate", "Choice0", "StandardChoice0", "PushButton1",
        "StandardChoice1", "dataEntry2=1", "PushButton1", "StandardChoice2", "dataEntry2=1", "PushButton1"}},
      {"Homogenisation", "Bubble-Dew point", bubble},
      {"LiquidVapour", "Liquid-Vapour Equilibrium",
       {"dataEntry=100", "dataEntry1=250", "CalFirstApproach", "calculate", "Celsius", "Kelvin"}},
      {"Spinodal", "Spinodal", {"dataEntry=100", "calculate", "Celsius", "Kelvin", "Clear"}},
      {"CriticalPoint", "Critical Point",
       {"calculate", "Celsius", "Kelvin", "dataEntry1=100", "dataEntry2=80", "calculate", "pseudo", "Analysis"}},
      {nullptr, "Mathematical Analysis", {"calculate"}},
      {nullptr, "Explanation", {}},
      {"InternalEnergy", "Internal Energy", listing},
      {"Enthalpy", "Enthalpy", listing},
      {"Entropy", "Entropy", listing},
      {"HelmholtzEnergy", "Helmholtz Energy", listing},
      {"GibbsEnergy", "Gibbs Energy", listing},
      {"ChemicalPotentials", "Chemical Potentials", listing},
  };
  // Every procedure the chooser offers is used.
  Start3Window& chooser = Start3Window::Get();
  std::set<std::string> offered, used, expectedTitles = {"Start", "Fluid", "Procedures"};
  for (const fw::Control* control : chooser.Controls())
    if (control->GetKind() == fw::Kind::RadioButton) offered.insert(control->Name());
  for (const Use& use : uses) {
    if (use.procedure) used.insert(use.procedure);
    ASSERT_EQ(ShownWindow(use.title), nullptr) << use.title << " is open before it is opened";
    ASSERT_TRUE(expectedTitles.insert(use.title).second) << use.title << " twice";
  }
  EXPECT_EQ(used, offered);

  for (const Use& use : uses) {
    if (use.procedure) {
      test::Click(chooser.radioButton(use.procedure));
      test::Click(chooser.pushButton("PushButton1"));
    }
    fw::Window* const window = ShownWindow(use.title);
    ASSERT_NE(window, nullptr) << use.title << (use.procedure ? " is not opened by the chooser" : " is not open");
    test::Activate(*window);
    ExpectEveryWindowFinite(window->Title() + " opened");
    for (const std::string& step : use.steps) {
      test::Activate(*window);
      Perform(*window, {step});
      ExpectEveryWindowFinite(window->Title() + " " + step);
    }
    KeepScreenshot(*window, "all_zero_fluid " + window->Title());
  }
  // The shell's own windows, with the fluid window's sum, and every window
  // brought to the front once more (activation refills some of them).
  std::set<std::string> openTitles;
  for (fw::Window* window : fw::OpenWindows()) {
    test::Activate(*window);
    openTitles.insert(window->Title());
  }
  EXPECT_EQ(openTitles, expectedTitles);
  EXPECT_EQ(fw::OpenWindows().size(), expectedTitles.size()) << "each window once";
  ExpectEveryWindowFinite("all activated again");
  EXPECT_EQ(Globals::fraction, Globals::Composition{}) << "no window changes the fluid";
  EXPECT_TRUE(errors.Messages().empty()) << errors.Messages().front();
}

}  // namespace
