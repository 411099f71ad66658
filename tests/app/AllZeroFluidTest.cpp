// The fluid emptied by "clear" in the fluid window, then every window of the
// program opened and used as a user would: no window shows an infinity or a
// NaN, on opening or after any of its presses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Start1Window.h"
#include "app/Start2Window.h"
#include "app/Start3Window.h"
#include "tests/TempFolder.h"
#include "tests/windows/FiniteChecks.h"
#include "windows/energy/ChemPotWindow.h"
#include "windows/energy/EnergyWindow.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/explanation/Explain.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/phase_behaviour/MathAnal.h"
#include "windows/phase_behaviour/SpinodalWindow.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

// A window opened by the procedure chooser (`procedure` names its radio) or,
// with no procedure, by the window before it; then used step by step.
struct Use {
  const char* procedure;
  fw::Window& (*window)();
  std::vector<std::string> steps;  // as Perform takes them
};

template <class W>
fw::Window& Got() {
  return W::Get();
}

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
      {"MolarVolumes", Got<VolumeWindow>, listing},
      {"Pressures", Got<PressureWindow>,
       {"dataEntry=150", "dataEntry1=300", "calculate", "Celsius", "calculate", "PushButton1"}},
      {nullptr, Got<Isochore>, {"minimum=0", "maximum=100", "interval=25", "calculate", "Export"}},
      {"Temperatures", Got<TemperatureWindow>, {"dataEntry=150", "dataEntry1=5", "calculate", "Celsius", "Kelvin"}},
      {"Fugacities", Got<FugacityWindow>, listing},
      {"Activities", Got<ActivityWindow>,
       {"dataEntry=5", "dataEntry1=300", "calculate", "Choice0", "StandardChoice0", "PushButton1",
        "StandardChoice1", "dataEntry2=1", "PushButton1", "StandardChoice2", "dataEntry2=1", "PushButton1"}},
      {"Homogenisation", Got<BubbleDewPoint>, bubble},
      {"LiquidVapour", Got<LiquidVapourEq>,
       {"dataEntry=100", "dataEntry1=250", "CalFirstApproach", "calculate", "Celsius", "Kelvin"}},
      {"Spinodal", Got<SpinodalWindow>, {"dataEntry=100", "calculate", "Celsius", "Kelvin", "Clear"}},
      {"CriticalPoint", Got<CriticalPointWindow>,
       {"calculate", "Celsius", "Kelvin", "dataEntry1=100", "dataEntry2=80", "calculate", "pseudo", "Analysis"}},
      {nullptr, Got<MathAnal>, {"calculate"}},
      {nullptr, Got<Explain>, {}},
      {"InternalEnergy", Got<EnergyWindow>, listing},
      {"Enthalpy", Got<EnthalpyWindow>, listing},
      {"Entropy", Got<EntropyWindow>, listing},
      {"HelmholtzEnergy", Got<HelmholtzWindow>, listing},
      {"GibbsEnergy", Got<GibbsWindow>, listing},
      {"ChemicalPotentials", Got<ChemPotWindow>, listing},
  };
  Start3Window& chooser = Start3Window::Get();
  int windows = 0;
  for (const Use& use : uses) {
    if (use.procedure) {
      test::Click(chooser.radioButton(use.procedure));
      test::Click(chooser.pushButton("PushButton1"));
    }
    fw::Window& window = use.window();
    test::Activate(window);
    ++windows;
    ExpectEveryWindowFinite(window.Title() + " opened");
    for (const std::string& step : use.steps) {
      test::Activate(window);
      Perform(window, {step});
      ExpectEveryWindowFinite(window.Title() + " " + step);
    }
    KeepScreenshot(window, "all_zero_fluid " + window.Title());
  }
  EXPECT_EQ(windows, 18);
  // The shell's own windows, with the fluid window's sum, and every window
  // brought to the front once more (activation refills some of them).
  for (fw::Window* window : fw::OpenWindows()) test::Activate(*window);
  EXPECT_EQ(fw::OpenWindows().size(), 21u);
  ExpectEveryWindowFinite("all activated again");
  EXPECT_EQ(Globals::fraction, Globals::Composition{}) << "no window changes the fluid";
  EXPECT_TRUE(errors.Messages().empty()) << errors.Messages().front();
}

}  // namespace
