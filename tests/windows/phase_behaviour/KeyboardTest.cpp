// The phase-behaviour windows from the keyboard and the wheel: Tab walks the
// fields first and "clear" last; Return presses the button of the step the
// focus is in (the first approach before "calculate"); the two-phase
// windows' panels follow the wheel and the focus.

#include "tests/windows/KeysAndWheel.h"
#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/phase_behaviour/SpinodalWindow.h"

namespace {

using namespace phasetest;

const TabCase kTabOrders[] = {
    {"BubbleDewPoint", Opened<BubbleDewPoint>,
     {"dataEntryTh", "dataEntryPh", "dataEntry2", "RadioButtonTh", "Kelvin", "Vapour1", "FirstApproach",
      "ListBoxPhaseX", "ListBoxPhaseY", "calculate", "ListBoxVmX", "ListBoxVmY", "ListBoxDX", "ListBoxDY",
      "ListBoxPhaseX1", "ListBoxPhaseY1", "ListBoxPhaseX2", "ListBoxPhaseY2", "ScrollBar1", "Clear"}},
    {"LiquidVapourEq", Opened<LiquidVapourEq>,
     {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3", "Kelvin", "CalFirstApproach", "ListBoxPhaseX",
      "ListBoxPhaseY", "calculate", "ListBoxFracX", "ListBoxFracY", "ListBoxVmX", "ListBoxVmY", "ListBoxDX",
      "ListBoxDY", "ListBoxPhaseX1", "ListBoxPhaseY1", "ListBoxPhaseX2", "ListBoxPhaseY2", "ScrollBar1", "Clear"}},
    {"CriticalPoint", Opened<CriticalPointWindow>,
     {"dataEntry1", "dataEntry2", "pseudo", "calculate", "Kelvin", "Analysis"}},
    {"Spinodal", Opened<SpinodalWindow>, {"dataEntry", "calculate", "Kelvin", "Clear"}},
};

// The windows with more than one action button.
const ReturnCase kReturns[] = {
    {"BubbleDewPoint", Opened<BubbleDewPoint>,
     {{"dataEntryTh", "FirstApproach"},
      {"dataEntryPh", "FirstApproach"},
      {"RadioButtonPh", "FirstApproach"},
      {"Celsius", "FirstApproach"},
      {"Liquid1", "FirstApproach"},
      {"dataEntry2", "calculate"},
      {"ListBoxPhaseX", "calculate"},
      {"ListBoxVmX", "calculate"}}},
    {"LiquidVapourEq", Opened<LiquidVapourEq>,
     {{"dataEntry", "CalFirstApproach"},
      {"dataEntry1", "CalFirstApproach"},
      {"Kelvin", "CalFirstApproach"},
      {"dataEntry2", "calculate"},
      {"dataEntry3", "calculate"},
      {"ListBoxPhaseY", "calculate"}}},
    {"CriticalPoint", Opened<CriticalPointWindow>,
     {{"dataEntry1", "calculate"}, {"dataEntry2", "calculate"}, {"Celsius", "calculate"}}},
};

INSTANTIATE_TEST_SUITE_P(Windows, TabOrder, ::testing::ValuesIn(kTabOrders), ByName());

INSTANTIATE_TEST_SUITE_P(Windows, ReturnKey, ::testing::ValuesIn(kReturns), ByName());

// A two-phase window worked from the keyboard: what the user types for the
// first step, Return, the start values, Return; the answer is the one the
// buttons give.
struct TwoSteps {
  const char* name;
  fw::Window& (*open)();
  std::vector<std::pair<const char*, const char*>> entries;  // the first step's fields, the last takes Return
  const char* mode;                                         // a mode radio to choose first, or none
  const char* firstApproach;
  double answer;      // the known answer (the CO2-methane bubble point at 200 K), or 0
  int stops;          // Tab stops round the window
  QPoint firstField;  // a point in the first field
};
void PrintTo(const TwoSteps& c, std::ostream* os) { *os << c.name; }

const TwoSteps kTwoPhaseWindows[] = {
    {"BubbleDewPoint", Opened<BubbleDewPoint>, {{"dataEntryTh", "200"}}, "Liquid1", "FirstApproach", 3.1166, 20,
     {350, 55}},
    {"LiquidVapourEq", Opened<LiquidVapourEq>, {{"dataEntry", "100"}, {"dataEntry1", "200"}}, nullptr,
     "CalFirstApproach", 0, 21, {200, 30}},
};

class TwoPhaseKeys : public WindowTest, public ::testing::WithParamInterface<TwoSteps> {};

TEST_P(TwoPhaseKeys, ReturnRunsTheFirstApproachThenTheCalculation) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  const TwoSteps& c = GetParam();
  fw::Window& window = c.open();
  if (c.mode) Choose(window, c.mode);
  for (const auto& [field, text] : c.entries) Enter(window, field, text);
  test::PressReturn(window.editField(c.entries.back().first));
  EXPECT_NE(window.editField("dataEntry2").Text(), "") << "the start pressure or temperature";
  EXPECT_EQ(window.listBox("ListBoxPhaseX").RowCount(), 2);
  EXPECT_EQ(TextOf(window, "ResultText"), "") << "nothing calculated yet";

  test::PressReturn(window.editField("dataEntry2"));
  ASSERT_TRUE(StartsWith(TextOf(window, "ResultText"), "Solution after")) << TextOf(window, "ResultText");
  const std::string answer = TextOf(window, "Answer");
  Press(window, c.firstApproach);
  Press(window, "calculate");
  EXPECT_EQ(TextOf(window, "Answer"), answer);
  if (c.answer != 0) {
    EXPECT_NEAR(rt::Val(answer), c.answer, 5e-5 * c.answer);
  }
}

// At a low window every stop that Tab reaches is scrolled into view, and a
// notch of the wheel over a field scrolls the panel.
TEST_P(TwoPhaseKeys, ThePanelFollowsTheFocusAndTheWheel) {
  fw::Window& window = GetParam().open();
  ExpectTabKeepsTheFocusInView(window, 400, GetParam().stops);
  window.scrollBar("ScrollBar1").SetValue(0);
  ExpectANotchScrollsThePanel(window, GetParam().firstField);
}

INSTANTIATE_TEST_SUITE_P(Windows, TwoPhaseKeys, ::testing::ValuesIn(kTwoPhaseWindows), ByName());

}  // namespace
