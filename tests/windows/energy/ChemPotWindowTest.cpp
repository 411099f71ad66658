// The chemical-potential window driven as a user would.

#include "tests/windows/energy/EnergyTestSupport.h"

namespace {

using namespace energytest;

using Cells = std::vector<std::string>;

class ChemPotWindowTest : public EnergyTest {
 protected:
  static Cells Column(fw::Window& window, int column) {
    fw::ListBox& list = window.listBox("ListBox1");
    Cells cells;
    for (int row = 0; row < list.RowCount(); ++row) cells.push_back(list.Cell(row, column));
    return cells;
  }
};

// For two gases, mu_1 = G + x_2 dG/dx_1 and mu_2 = G - x_1 dG/dx_1 at fixed T
// and P: the potentials are the tangent of the Gibbs energy over the
// composition, here a central difference of the Gibbs window's values; so
// also x_1 mu_1 + x_2 mu_2 = G.
TEST_F(ChemPotWindowTest, ThePotentialsAreTheTangentOfTheGibbsEnergy) {
  const auto gibbsAt = [](double x1) {
    SetFluid({{CO2, x1}, {CH4, 1.0 - x1}});
    auto& gibbs = Open<GibbsWindow>();
    List(gibbs, "5", "400");
    return ValueAt(gibbs, 0);
  };
  const double x1 = 0.3, h = 1e-4;
  const double slope = (gibbsAt(x1 + h) - gibbsAt(x1 - h)) / (2.0 * h);
  const double G = gibbsAt(x1);

  auto& window = Open<ChemPotWindow>();
  List(window, "5", "400");
  Choose(window, "Choice0");
  ASSERT_EQ(Column(window, 0), (Cells{"CO2", "CH4"}));
  const double mu1 = rt::Val(Column(window, 1)[0]), mu2 = rt::Val(Column(window, 1)[1]);
  EXPECT_NEAR(mu1, G + (1.0 - x1) * slope, 1e-3);
  EXPECT_NEAR(mu2, G - x1 * slope, 1e-3);
  EXPECT_NEAR(x1 * mu1 + (1.0 - x1) * mu2, G, 1e-9 * std::abs(G));
  EXPECT_EQ(TextOf(window, "Result"), TextOf(window, "TextChoice0"));
}

TEST_F(ChemPotWindowTest, HeadingsOnEveryActivationRowsKeptUntilListingOrClear) {
  SetFluid({{CH4, 0.5}, {CO2, 0.3}, {H2O, 0.2}});
  auto& window = Open<ChemPotWindow>();
  fw::ListBox& list = window.listBox("ListBox1");
  List(window, "5", "400");
  Choose(window, "Choice0");
  EXPECT_EQ(Column(window, 0), (Cells{"H2O", "CO2", "CH4"}));  // gas order
  const Cells potentials = Column(window, 1);
  Choose(window, "Choice0");  // a second run rebuilds, never appends
  EXPECT_EQ(Column(window, 1), potentials);

  list.SetHeading(0, "x");
  List(Open<GibbsWindow>(), "3", "200");  // another window in front, new roots
  test::Activate(window);
  EXPECT_EQ(list.Heading(0), "gas");
  EXPECT_EQ(list.Heading(1), "J/mol");
  EXPECT_EQ(Column(window, 1), potentials);  // not recomputed

  Choose(window, "Choice1");  // the Gibbs window's smallest root
  EXPECT_NE(Column(window, 1), potentials);
  Press(window, "calculate");
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(TextOf(window, "Result"), "");
  Choose(window, "Choice1");  // complex at 5 MPa and 400 K: stored as 0
  EXPECT_EQ(Column(window, 1), (Cells{"0", "0", "0"}));
  Press(window, "Clear");
  EXPECT_NE(TextOf(GibbsWindow::Get(), "TextChoice1"), "");  // other windows keep theirs
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(TextOf(window, "Result"), "");
  EXPECT_EQ(list.Heading(1), "J/mol");
}

// A gas whose fraction is above 0 but below the 10^-12 grain still has its
// row; doubling it leaves every sum over the composition alone and raises its
// potential by RT ln 2. A fluid without gases lists nothing.
TEST_F(ChemPotWindowTest, ATraceGasIsListedAndAnEmptyFluidListsNothing) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Globals::fraction[N2] = 1e-13;
  auto& window = Open<ChemPotWindow>();
  List(window, "5", "400");
  Choose(window, "Choice0");
  ASSERT_EQ(Column(window, 0), (Cells{"CO2", "N2", "CH4"}));
  const double trace = rt::Val(Column(window, 1)[1]);
  Globals::fraction[N2] = 2e-13;
  Choose(window, "Choice0");
  EXPECT_NEAR(rt::Val(Column(window, 1)[1]) - trace, Globals::R * 400.0 * std::log(2.0), 1e-6);

  Globals::fraction.fill(0.0);
  Choose(window, "Choice0");
  EXPECT_TRUE(Column(window, 0).empty());
  EXPECT_EQ(TextOf(window, "Result"), TextOf(window, "TextChoice0"));
}

}  // namespace
