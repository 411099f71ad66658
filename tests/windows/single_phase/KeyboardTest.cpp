// The single-phase windows from the keyboard: Tab walks the fields first and
// "clear" last; Return presses the button of the step the focus is in.

#include "tests/windows/KeysAndWheel.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

const TabCase kTabOrders[] = {
    {"Pressure", Opened<PressureWindow>, {"dataEntry", "dataEntry1", "Kelvin", "calculate", "PushButton1", "Clear"}},
    {"Temperature", Opened<TemperatureWindow>, {"dataEntry", "dataEntry1", "calculate", "Kelvin", "Clear"}},
    {"Volume", Opened<VolumeWindow>, {"dataEntry", "dataEntry1", "Kelvin", "calculate", "Choice0", "Clear"}},
    {"Fugacity", Opened<FugacityWindow>,
     {"dataEntry", "dataEntry1", "Kelvin", "calculate", "Choice0", "ListBox1", "Clear"}},
    {"Activity", Opened<ActivityWindow>,
     {"dataEntry", "dataEntry1", "dataEntry2", "Kelvin", "calculate", "Choice0", "StandardChoice0", "PushButton1",
      "ListBox1", "ScrollBar1", "Clear"}},
    {"Isochore", Opened<Isochore>, {"minimum", "maximum", "interval", "calculate", "ListBox1", "Export"}},
};

// The windows with more than one action button.
const ReturnCase kReturns[] = {
    {"Pressure", Opened<PressureWindow>,
     {{"dataEntry", "calculate"}, {"dataEntry1", "calculate"}, {"Celsius", "calculate"}}},
    {"Activity", Opened<ActivityWindow>,
     {{"dataEntry", "calculate"},
      {"dataEntry1", "calculate"},
      {"Celsius", "calculate"},
      {"Choice1", "PushButton1"},
      {"StandardChoice1", "PushButton1"},
      {"dataEntry2", "PushButton1"},
      {"ListBox1", "PushButton1"}}},
    {"Isochore", Opened<Isochore>, {{"minimum", "calculate"}, {"interval", "calculate"}}},
};

INSTANTIATE_TEST_SUITE_P(Windows, TabOrder, ::testing::ValuesIn(kTabOrders), ByName());

INSTANTIATE_TEST_SUITE_P(Windows, ReturnKey, ::testing::ValuesIn(kReturns), ByName());

// A whole activity calculation from the keyboard: the root and the standard
// state chosen stay when Return after the reference pressure lists the
// activities; against the ideal gas at Pref each is phi_i P / Pref.
class ActivityKeys : public WindowTest {};

TEST_F(ActivityKeys, ActivitiesFromTheKeyboardKeepTheChoicesMade) {
  SetFluid({{CO2, 0.3}, {CH4, 0.7}});
  auto& window = Open<ActivityWindow>();
  Enter(window, "dataEntry", "8");
  Enter(window, "dataEntry1", "320");
  test::PressReturn(window.editField("dataEntry1"));
  ASSERT_NE(TextOf(window, "TextChoice0"), "") << "the roots are listed";
  Choose(window, "Choice0");
  const std::string V = TextOf(window, "Result");
  Choose(window, "StandardChoice2");
  Enter(window, "dataEntry2", "4");
  test::PressReturn(window.editField("dataEntry2"));

  EXPECT_TRUE(window.radioButton("Choice0").Value());
  EXPECT_TRUE(window.radioButton("StandardChoice2").Value());
  EXPECT_EQ(TextOf(window, "Result"), V);
  fw::ListBox& list = window.listBox("ListBox1");
  ASSERT_EQ(list.RowCount(), 2);
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  for (const auto& [row, gas] : {std::pair{0, CO2}, std::pair{1, CH4}}) {
    const double activity = vdw::Phi(m, gas, 320, 8, rt::Val(V)) * 8 / 4;
    EXPECT_NEAR(rt::Val(list.Cell(row, 1)), activity, 1e-9 * activity) << row;
  }

  // Back in the pressure field, Return starts afresh from the roots.
  test::PressReturn(window.editField("dataEntry"));
  EXPECT_FALSE(window.radioButton("StandardChoice2").Value());
  EXPECT_EQ(list.RowCount(), 0);
}

}  // namespace
