// Each phase-behaviour window after a calculation: every caption and result
// fits its box (condensed or shortened, never cut off). With VDW_SCREENSHOTS
// naming a folder, a picture of each window is written there for a person to
// look at.

#include "tests/windows/LayoutChecks.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/phase_behaviour/MathAnal.h"
#include "windows/phase_behaviour/SpinodalWindow.h"

namespace {

using namespace wintest;

class PhaseScreenshotTest : public WindowTest {};

TEST_F(PhaseScreenshotTest, EveryWindowAfterACalculation) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});

  auto& bubble = Open<BubbleDewPoint>();
  Enter(bubble, "dataEntryTh", "200");
  Choose(bubble, "Liquid1");
  Press(bubble, "FirstApproach");
  Press(bubble, "calculate");
  ExpectNothingCutOff(bubble);
  KeepScreenshot(bubble, "bubble_dew");
  test::DragThumbTo(bubble.scrollBar("ScrollBar1"), 225);
  KeepScreenshot(bubble, "bubble_dew_scrolled");

  auto& split = Open<LiquidVapourEq>();
  Enter(split, "dataEntry", "100");
  Enter(split, "dataEntry1", "200");
  Press(split, "CalFirstApproach");
  Press(split, "calculate");
  ExpectNothingCutOff(split);
  KeepScreenshot(split, "liquid_vapour");

  auto& spinodal = Open<SpinodalWindow>();
  Enter(spinodal, "dataEntry", "100");
  Press(spinodal, "calculate");
  ExpectNothingCutOff(spinodal);
  KeepScreenshot(spinodal, "spinodal");

  auto& critical = Open<CriticalPointWindow>();
  Press(critical, "calculate");
  ExpectNothingCutOff(critical);
  KeepScreenshot(critical, "critical_point");

  Press(critical, "Analysis");
  auto& analysis = Open<MathAnal>();
  Press(analysis, "calculate");
  ExpectNothingCutOff(analysis);
  KeepScreenshot(analysis, "math_anal");
}

}  // namespace
