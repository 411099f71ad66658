// The activity window driven as a user would: its root listing, the three
// standard states, and its scrolling panel.

#include "windows/single_phase/ActivityWindow.h"

#include <vector>

#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/TemperatureWindow.h"

namespace {

using namespace wintest;

class ActivityWindowTest : public WindowTest {
 protected:
  // "calculate molar volume" at (P, T in kelvin), then the radio of root 0.
  ActivityWindow& ListAndChoose(const std::string& P, const std::string& T) {
    auto& window = Open<ActivityWindow>();
    Enter(window, "dataEntry", P);
    Enter(window, "dataEntry1", T);
    Press(window, "calculate");
    Choose(window, "Choice0");
    return window;
  }
  // A standard state, its reference pressure typed when given, then "continue".
  static void Continue(ActivityWindow& window, const char* state, const char* reference = nullptr) {
    Choose(window, state);
    if (reference) Enter(window, "dataEntry2", reference);
    Press(window, "PushButton1");
  }
  static double Cell(ActivityWindow& window, int row, int column) {
    return rt::Val(window.listBox("ListBox1").Cell(row, column));
  }
  // Gas i alone at (T, P) with a single real root: its fugacity coefficient.
  static double PhiAlone(Gas gas, double T, double P) {
    const vdw::Mixture alone = vdw::Of(vdw::Pure(gas));
    const std::vector<double> roots = vdw::RealRoots(alone, T, P);
    EXPECT_EQ(roots.size(), 1u);
    return vdw::Phi(alone, gas, T, P, roots.front());
  }
};

TEST_F(ActivityWindowTest, IdealGasStateAtTheSystemPressureGivesTheFugacityCoefficients) {
  SetFluid({{CO2, 0.3}, {N2, 0.0}, {CH4, 0.7}});
  auto& window = ListAndChoose("8", "320");
  Continue(window, "StandardChoice2", "8");
  fw::ListBox& list = window.listBox("ListBox1");
  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(0, 0), "CO2");
  EXPECT_EQ(list.Cell(1, 0), "CH4");
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  const double V = NumberOf(window, "Result");
  for (const auto& [row, gas, x] : {std::tuple{0, CO2, 0.3}, std::tuple{1, CH4, 0.7}}) {
    const double phi = vdw::Phi(m, gas, 320, 8, V);
    EXPECT_NEAR(Cell(window, row, 1), phi, 1e-9 * phi);
    EXPECT_NEAR(Cell(window, row, 2), phi / x, 1e-9 * phi / x);
    EXPECT_NEAR(Globals::Coefficient[gas], phi, 1e-9 * phi) << "the mixture's coefficients stay";
    EXPECT_NEAR(Globals::Fugacity[gas], x * 8, 1e-15) << "the ideal reference fugacity x P";
  }
  EXPECT_EQ(Globals::Activity[N2], 0.0);

  // Where nothing is defined every activity and coefficient shows 0, with no
  // division: an empty reference pressure reads as 0, and a complex root
  // counts as a molar volume of 0.
  ASSERT_NE(TextOf(window, "TextChoice1").find(" and "), std::string::npos);
  struct Zero {
    const char* root;
    const char* state;
    const char* reference;
  };
  for (const Zero& zero : {Zero{"Choice0", "StandardChoice1", ""}, Zero{"Choice0", "StandardChoice2", ""},
                           Zero{"Choice1", "StandardChoice0", nullptr}}) {
    Choose(window, "Choice0");
    Continue(window, "StandardChoice2", "8");
    ASSERT_NE(list.Cell(0, 1), "0");
    Choose(window, zero.root);
    Continue(window, zero.state, zero.reference);
    EXPECT_EQ(list.Cell(0, 1), "0") << zero.root << " " << zero.state;
    EXPECT_EQ(list.Cell(1, 2), "0") << zero.root << " " << zero.state;
  }
}

TEST_F(ActivityWindowTest, RealGasStatesDivideByEachGasAloneAtThePressureOrTheReference) {
  SetFluid({{CO2, 0.4}, {CH4, 0.6}});
  auto& window = ListAndChoose("10", "400");  // above both critical temperatures
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  const double V = NumberOf(window, "Result");

  Continue(window, "StandardChoice0");
  EXPECT_EQ(window.editField("dataEntry2").Text(), "  no entry  ");
  // a_i = x_i phi_i P / (phi_i° P).
  for (const auto& [row, gas, x] : {std::tuple{0, CO2, 0.4}, std::tuple{1, CH4, 0.6}}) {
    const double activity = x * vdw::Phi(m, gas, 400, 10, V) / PhiAlone(gas, 400, 10);
    EXPECT_NEAR(Cell(window, row, 1), activity, 1e-9 * activity);
    EXPECT_NEAR(Cell(window, row, 2), activity / x, 1e-9 * activity);
  }

  // State 1 at 2 MPa: a_i = x_i phi_i P / (phi_i°(2 MPa) 2 MPa).
  Continue(window, "StandardChoice1", "2");
  for (const auto& [row, gas, x] : {std::tuple{0, CO2, 0.4}, std::tuple{1, CH4, 0.6}}) {
    const double activity = x * vdw::Phi(m, gas, 400, 10, V) * 10 / (PhiAlone(gas, 400, 2) * 2);
    EXPECT_NEAR(Cell(window, row, 1), activity, 1e-9 * activity);
  }
  EXPECT_EQ(Globals::TempKelvin, 400.0);
  EXPECT_EQ(Globals::PresMPa, 10.0) << "the reference pressure is stored nowhere";
}

TEST_F(ActivityWindowTest, AGasAloneInItsOwnStandardStateHasActivityOne) {
  SetFluid({{N2, 1.0}});
  auto& window = ListAndChoose("20", "300");
  Choose(window, "StandardChoice0");
  Enter(window, "dataEntry2", "7");  // state 0 ignores the field
  Press(window, "PushButton1");
  EXPECT_NEAR(Cell(window, 0, 1), 1.0, 1e-12);
  EXPECT_NEAR(Cell(window, 0, 2), 1.0, 1e-12);
}

TEST_F(ActivityWindowTest, TheVolumeComesFromTheResultTextAndTheConditionsFromTheSharedState) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = ListAndChoose("5", "350");
  const double V = NumberOf(window, "Result");

  // Another window changes the shared temperature before "continue".
  auto& temperatures = Open<TemperatureWindow>();
  Enter(temperatures, "dataEntry", "400");
  Enter(temperatures, "dataEntry1", "6");
  Press(temperatures, "calculate");
  const double T = Globals::TempKelvin;
  ASSERT_NE(T, 350.0);
  test::Activate(window);
  Continue(window, "StandardChoice2", "5");
  const double phi = vdw::Phi(vdw::Of(Globals::fraction), CO2, T, 5, V);
  EXPECT_NEAR(Cell(window, 0, 1), phi, 1e-9 * phi);
}

TEST_F(ActivityWindowTest, CalculateClearsTheResultsAndBothRadioGroupsButNotTheUnit) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<ActivityWindow>();
  Choose(window, "Celsius");
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "50");
  Press(window, "calculate");
  EXPECT_EQ(Globals::TempKelvin, 323.15);
  Choose(window, "Choice0");
  Continue(window, "StandardChoice2", "5");
  fw::ListBox& list = window.listBox("ListBox1");
  const std::string activity = list.Cell(1, 1);
  EXPECT_TRUE(window.radioButton("Choice0").Value()) << "the three groups are independent";
  EXPECT_TRUE(window.radioButton("Celsius").Value());

  Press(window, "calculate");
  EXPECT_EQ(TextOf(window, "Result"), "");
  EXPECT_EQ(window.editField("dataEntry2").Text(), "");
  EXPECT_EQ(list.RowCount(), 0);
  for (const char* radio : {"Choice0", "StandardChoice2"}) EXPECT_FALSE(window.radioButton(radio).Value());
  EXPECT_TRUE(window.radioButton("Celsius").Value());

  // With no standard state chosen "continue" lists the last activities,
  // divided by the fractions as they are now.
  Choose(window, "Choice0");
  EXPECT_EQ(list.RowCount(), 0) << "a root radio only shows its volume";
  SetFluid({{CO2, 0.25}, {CH4, 0.75}});
  Press(window, "PushButton1");
  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(1, 1), activity);
  EXPECT_NEAR(Cell(window, 1, 2), rt::Val(activity) / 0.75, 1e-12);

  Choose(window, "StandardChoice0");
  Choose(window, "StandardChoice1");
  EXPECT_EQ(window.editField("dataEntry2").Text(), "");
  Enter(window, "dataEntry2", "2");  // every field holds a text that "clear" must empty
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2"}) ASSERT_NE(window.editField(field).Text(), "");
  Press(window, "Clear");
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2"}) EXPECT_EQ(window.editField(field).Text(), "");
  for (const char* label : {"TextChoice0", "Result"}) EXPECT_EQ(TextOf(window, label), "");
  EXPECT_FALSE(window.radioButton("StandardChoice1").Value());
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(TextOf(window, "StaticText3"), "\u02DACelsius");
  EXPECT_EQ(list.Heading(1), "activity");
}

// ------------------------------------------------------------ the panel

TEST_F(ActivityWindowTest, ThePanelScrollsWithTheBarAndTheBarFollowsTheWindowsHeight) {
  auto& window = Open<ActivityWindow>();
  fw::ScrollBar& bar = window.scrollBar("ScrollBar1");
  fw::Control& panel = window.control("Rectangle1");
  EXPECT_EQ(window.Height(), 700);
  EXPECT_EQ(bar.Height(), 685);
  EXPECT_EQ(bar.Maximum(), 100);
  EXPECT_EQ(bar.PageStep(), 700);

  test::ResizeClient(window, 480, 400);
  EXPECT_EQ(bar.Height(), 385);
  EXPECT_EQ(bar.Maximum(), 400);
  test::DragThumbTo(bar, 400);
  EXPECT_EQ(panel.Top(), -400);
  EXPECT_EQ(window.listBox("ListBox1").Top(), 645 - 400) << "the controls move with the panel";
  test::ClickArrowUp(bar);
  EXPECT_EQ(panel.Top(), -399);

  test::DragThumbTo(bar, 100);
  test::ResizeClient(window, 600, 500);  // the width is fixed
  EXPECT_EQ(window.Width(), 480);
  EXPECT_EQ(bar.Maximum(), 300);
  EXPECT_EQ(panel.Top(), -100) << "resizing leaves the panel where it is";

  test::ResizeClient(window, 480, 900);  // as tall as the panel, no taller
  EXPECT_EQ(window.Height(), 800);
  EXPECT_EQ(bar.Height(), 785);
  EXPECT_EQ(bar.Maximum(), 0);
  EXPECT_EQ(panel.Top(), 0) << "the clamped value takes the panel along";
  test::ClickArrowDown(bar);
  EXPECT_EQ(panel.Top(), 0);
}

}  // namespace
