// The mathematical-analysis window driven as a user would.

#include "windows/phase_behaviour/MathAnal.h"

#include <cmath>

#include "app/Start1Window.h"
#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/phase_behaviour/VdwHelmholtz.h"

namespace {

using namespace wintest;

class MathAnalTest : public WindowTest {
 protected:
  static fw::ListBox& Table(MathAnal& window) { return window.listBox("ListBox1"); }
  static double Cell(MathAnal& window, int row, int column) {
    return rt::Val(Table(window).Cell(row, column));
  }
  static void ExpectHeadings(MathAnal& window) {
    const char* headings[] = {"Molar Volume", "Temp. Spinodal", "Pressure", "Zero Funktion"};
    for (int column = 0; column < 4; ++column) EXPECT_EQ(Table(window).Heading(column), headings[column]);
  }
};

TEST_F(MathAnalTest, TableFollowsTheSpinodalAndTheZeroFunctionChangesSignAtTheCriticalVolume) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Globals::TempKelvin = 111.0;
  Globals::PresMPa = 2.0;
  auto& window = Open<MathAnal>();
  ExpectHeadings(window);
  EXPECT_EQ(Table(window).RowCount(), 0);
  Press(window, "calculate");
  ASSERT_EQ(Table(window).RowCount(), 250);

  const vdwtest::Mixture m(Globals::fraction);
  const long long first = std::llround(static_cast<double>(m.b()) + 4) + 2;
  for (int row = 0; row < 250; ++row) {
    ASSERT_EQ(Table(window).Cell(row, 0), std::to_string(first + 2 * row)) << row;
  }
  for (int row : {0, 40, 249}) {
    const double V = Cell(window, row, 0), T = Cell(window, row, 1);
    EXPECT_TRUE(vdwtest::SpinodalBetween(m, T, V)) << V;
    const double P = static_cast<double>(m.Pressure(T, V));
    EXPECT_NEAR(Cell(window, row, 2), P, 1e-9 * std::fabs(P) + 1e-12) << V;
  }
  // CO2/CH4 0.5/0.5 is critical at 121.31 cm3/mol: between the rows of 121 and 123.
  const int below = static_cast<int>((121 - first) / 2);
  ASSERT_EQ(Cell(window, below, 0), 121.0);
  EXPECT_LT(Cell(window, below, 3) * Cell(window, below + 1, 3), 0.0);
  EXPECT_EQ(Globals::TempKelvin, 111.0);
  EXPECT_EQ(Globals::PresMPa, 2.0);

  // A second table follows the first, equal to it.
  Press(window, "calculate");
  ASSERT_EQ(Table(window).RowCount(), 500);
  for (int row = 0; row < 250; ++row) {
    for (int column = 0; column < 4; ++column)
      ASSERT_EQ(Table(window).Cell(row + 250, column), Table(window).Cell(row, column)) << row;
  }

  // Activation empties the table.
  test::Activate(Start1Window::Get());
  test::Activate(window);
  EXPECT_EQ(Table(window).RowCount(), 0);
  ExpectHeadings(window);
}

// Ten gases at 0.09 and C2H6 at 0.1: the rows of 95, 279 and 459 cm3/mol,
// at which the secant search settles into a loop among temperatures a few
// units of rounding apart, showed "-". Every row has its spinodal
// temperature.
TEST_F(MathAnalTest, RowsWhereTheSearchLoopsWithinRoundingHaveTheirSpinodal) {
  SetFluid({{H2O, 0.09}, {CO2, 0.09}, {N2, 0.09}, {H2S, 0.09}, {NH3, 0.09}, {H2, 0.09}, {O2, 0.09}, {CO, 0.09},
            {Ar, 0.09}, {CH4, 0.09}, {C2H6, 0.1}});
  auto& window = Open<MathAnal>();
  Press(window, "calculate");
  ASSERT_EQ(Table(window).RowCount(), 250);
  const vdwtest::Mixture m(Globals::fraction);
  for (int row = 0; row < 250; ++row) {
    const double V = Cell(window, row, 0), T = Cell(window, row, 1);
    ASSERT_NE(Table(window).Cell(row, 1), "-") << V;
    if (V == 95 || V == 279 || V == 459 || row % 50 == 0) {
      EXPECT_NEAR(T, static_cast<double>(vdwtest::SpinodalTemperature(m, V)), 1e-7 * T) << V;
      EXPECT_TRUE(vdwtest::SpinodalBetween(m, T, V)) << V;
    }
  }
}

TEST_F(MathAnalTest, FluidWithoutGasGivesRowsOfDashes) {
  SetFluid({});
  auto& window = Open<MathAnal>();
  Press(window, "calculate");
  ASSERT_EQ(Table(window).RowCount(), 250);
  EXPECT_EQ(Table(window).Cell(0, 0), "6");
  EXPECT_EQ(Table(window).Cell(249, 0), "504");
  for (int column = 1; column < 4; ++column) EXPECT_EQ(Table(window).Cell(17, column), "-");
}

// A co-volume beyond the 32-bit range saturates the first volume; the
// volumes go on past it and, lying below the co-volume, have no spinodal.
TEST_F(MathAnalTest, SaturatedStartVolumeDoesNotOverflow) {
  SetFluid({{CO2, 1e8}});
  auto& window = Open<MathAnal>();
  Press(window, "calculate");
  ASSERT_EQ(Table(window).RowCount(), 250);
  EXPECT_EQ(Table(window).Cell(0, 0), "2147483649");
  EXPECT_EQ(Table(window).Cell(249, 0), "2147484147");
  EXPECT_EQ(Table(window).Cell(249, 3), "-");
}

}  // namespace
