// The fugacity window driven as a user would.

#include "windows/single_phase/FugacityWindow.h"

#include <cmath>

#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/TemperatureWindow.h"

namespace {

using namespace wintest;

class FugacityWindowTest : public WindowTest {
 protected:
  static void ExpectRow(fw::ListBox& list, int row, const char* gas, const std::string& fugacity,
                        const std::string& coefficient) {
    EXPECT_EQ(list.Cell(row, 0), gas);
    EXPECT_EQ(list.Cell(row, 1), fugacity);
    EXPECT_EQ(list.Cell(row, 2), coefficient);
  }
};

TEST_F(FugacityWindowTest, EachPresentGasInOrderWithItsFugacityAndCoefficient) {
  SetFluid({{CH4, 0.7}, {CO2, 0.3}});
  auto& window = Open<FugacityWindow>();
  fw::ListBox& list = window.listBox("ListBox1");
  EXPECT_EQ(list.Heading(0), "gas");
  EXPECT_EQ(list.Heading(1), "fugacity (in MPa)");
  EXPECT_EQ(list.Heading(2), "coefficient");
  Enter(window, "dataEntry", "6");
  Enter(window, "dataEntry1", "25");
  Choose(window, "Celsius");
  Press(window, "calculate");
  EXPECT_EQ(Globals::TempKelvin, 298.15);
  Choose(window, "Choice0");

  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(0, 0), "CO2");
  EXPECT_EQ(list.Cell(1, 0), "CH4");
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  const double V = NumberOf(window, "Result");
  ASSERT_GT(V, m.b);
  double lnPhiMix = 0.0;
  for (const auto& [row, gas, x] : {std::tuple{0, CO2, 0.3}, std::tuple{1, CH4, 0.7}}) {
    const double phi = vdw::Phi(m, gas, 298.15, 6.0, V);
    EXPECT_NEAR(rt::Val(list.Cell(row, 2)), phi, 1e-9 * phi);
    EXPECT_NEAR(rt::Val(list.Cell(row, 1)), x * phi * 6.0, 1e-9 * x * phi * 6.0);
    lnPhiMix += x * std::log(rt::Val(list.Cell(row, 2)));
  }
  // The mixture's own coefficient: ln phi = Z - 1 - ln(Z (1 - b/V)) - a / (R T V).
  const double Z = 6.0 * V / (vdw::R * 298.15);
  EXPECT_NEAR(lnPhiMix, Z - 1 - std::log(Z * (1 - m.b / V)) - m.a / (vdw::R * 298.15 * V), 1e-9);

  // Choosing again lists afresh; leaving and coming back keeps the rows.
  Choose(window, "Choice0");
  EXPECT_EQ(list.RowCount(), 2);
  test::Activate(TemperatureWindow::Get());
  test::Activate(window);
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Heading(1), "fugacity (in MPa)");
}

TEST_F(FugacityWindowTest, AComplexRootOrAZeroTemperatureGivesTheNeutralValues) {
  SetFluid({{H2O, 0.0}, {CO2, 0.5}, {N2, -0.1}, {CH4, 0.6}});
  auto& window = Open<FugacityWindow>();
  fw::ListBox& list = window.listBox("ListBox1");
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "400");
  Press(window, "calculate");
  ASSERT_NE(TextOf(window, "TextChoice1").find(" and "), std::string::npos);
  Choose(window, "Choice1");
  EXPECT_EQ(TextOf(window, "Result"), "0");
  ASSERT_EQ(list.RowCount(), 2) << "only fractions above 0 are listed";
  ExpectRow(list, 0, "CO2", "0", "1");
  ExpectRow(list, 1, "CH4", "0", "1");

  Enter(window, "dataEntry1", "0");
  Press(window, "calculate");
  EXPECT_EQ(list.RowCount(), 0) << "calculate empties the list";
  EXPECT_EQ(TextOf(window, "Result"), "");
  Choose(window, "Choice0");
  ExpectRow(list, 0, "CO2", "0", "1");
}

TEST_F(FugacityWindowTest, ClearEmptiesTheWindowButTheRadiosStillEvaluateTheSharedRoots) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<FugacityWindow>();
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "300");
  Choose(window, "Celsius");
  Press(window, "calculate");
  const std::string root = TextOf(window, "TextChoice0");
  Choose(window, "Choice0");
  const std::string fugacity = window.listBox("ListBox1").Cell(0, 1);

  Press(window, "Clear");
  for (const char* label : {"TextChoice0", "TextChoice1", "TextChoice2", "Result"})
    EXPECT_EQ(TextOf(window, label), "") << label;
  EXPECT_EQ(window.listBox("ListBox1").RowCount(), 0);
  EXPECT_FALSE(window.radioButton("Choice0").Value());
  EXPECT_TRUE(window.radioButton("Celsius").Value());
  EXPECT_EQ(TextOf(window, "StaticText3"), "\u02DACelsius");

  Choose(window, "Choice0");
  EXPECT_EQ(TextOf(window, "Result"), root);
  EXPECT_EQ(window.listBox("ListBox1").Cell(0, 1), fugacity);

  // Another window's temperature is the one the radios use next.
  auto& temperatures = Open<TemperatureWindow>();
  Enter(temperatures, "dataEntry", "200");
  Enter(temperatures, "dataEntry1", "9");
  Press(temperatures, "calculate");
  test::Activate(window);
  Choose(window, "Choice0");
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  const double phi = vdw::Phi(m, CO2, Globals::TempKelvin, 5.0, rt::Val(root));
  EXPECT_NEAR(rt::Val(window.listBox("ListBox1").Cell(0, 2)), phi, 1e-9 * phi);
}

}  // namespace
