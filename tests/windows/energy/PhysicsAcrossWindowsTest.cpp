// Thermodynamic identities read off the windows as a user would: the same
// pressure, temperature and root typed and chosen in several windows, and
// the values compared with relations that the windows do not use.

#include <array>

#include "tests/windows/energy/EnergyTestSupport.h"
#include "windows/single_phase/PressureWindow.h"

namespace {

using namespace energytest;

using Rows = std::array<double, 3>;  // total, ideal part, excess part

class PhysicsAcrossWindowsTest : public EnergyTest {
 protected:
  struct Functions {
    Rows U, H, S, A, G;
    double V;  // the chosen root
  };
  // Each window lists at (P, T) and shows root k.
  static Functions AllAt(const std::string& P, const std::string& T, int k) {
    const auto rows = [&](fw::Window& window) {
      List(window, P, T);
      return Rows{ValueAt(window, k, 0), NumberOf(window, "Result2"), NumberOf(window, "Result3")};
    };
    return {rows(Open<EnergyWindow>()), rows(Open<EnthalpyWindow>()), rows(Open<EntropyWindow>()),
            rows(Open<HelmholtzWindow>()), rows(Open<GibbsWindow>()),
            NumberOf(GibbsWindow::Get(), "Result")};
  }
  static double Tol(double x, double y) { return 1e-12 * (std::abs(x) + std::abs(y)) + 1e-9; }
};

// A = U - TS and H - U = G - A hold row by row (for the fluid, for the ideal
// mixture of the pure gases and for the excess parts), and H - U = PV.
TEST_F(PhysicsAcrossWindowsTest, HelmholtzIsUMinusTSAndPVLinksEnthalpyAndGibbs) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  struct Point { const char *P, *T; int root; };
  for (const Point& p : {Point{"3", "200", 0}, Point{"3", "200", 1}, Point{"3", "200", 2},
                         Point{"5", "400", 0}}) {
    SCOPED_TRACE(std::string(p.P) + " MPa, " + p.T + " K, root " + std::to_string(p.root));
    const Functions f = AllAt(p.P, p.T, p.root);
    const double T = rt::Val(p.T), P = rt::Val(p.P);
    for (int row = 0; row < 3; ++row) {
      EXPECT_NEAR(f.A[row], f.U[row] - T * f.S[row], Tol(f.U[row], T * f.S[row])) << row;
      EXPECT_NEAR(f.H[row] - f.U[row], f.G[row] - f.A[row], Tol(f.H[row], f.G[row])) << row;
    }
    EXPECT_NEAR(f.H[0] - f.U[0], P * f.V, Tol(f.H[0], f.U[0]) + 1e-9 * P * f.V);
  }
}

// Above every gas's critical temperature a gas has one volume at (T, P),
// found here by bisection. The ideal part of the mixture's value is the
// fraction-weighted sum of what the same window shows for each pure gas, plus
// the ideal mixing term: -R sum x ln x for S, +RT sum x ln x for A and G,
// none for U and H. A pure gas has no excess part.
TEST_F(PhysicsAcrossWindowsTest, IdealPartsAreThePureGasesWithTheMixingTerm) {
  const double T = 400.0, P = 5.0, x[2] = {0.3, 0.7}, R = Globals::R;
  const Gas gases[2] = {CO2, CH4};
  const double xlnx = x[0] * std::log(x[0]) + x[1] * std::log(x[1]);
  Functions pure[2];
  double volume[2], idealVolume = 0.0;
  for (int g = 0; g < 2; ++g) {
    SetFluid({{gases[g], 1.0}});
    pure[g] = AllAt("5", "400", 0);
    volume[g] = SupercriticalVolume(PureGas(gases[g]), T, P);
    idealVolume += x[g] * volume[g];
    EXPECT_NEAR(pure[g].V, volume[g], 1e-9 * volume[g]);
    for (const Rows& rows : {pure[g].U, pure[g].H, pure[g].S, pure[g].A, pure[g].G}) {
      EXPECT_EQ(rows[2], 0.0);
      EXPECT_EQ(rows[1], rows[0]);
    }
  }
  SetFluid({{CO2, x[0]}, {CH4, x[1]}});
  const Functions mix = AllAt("5", "400", 0);
  EXPECT_NEAR(mix.V, SupercriticalVolume(Mixture(Globals::fraction), T, P), 1e-9 * mix.V);
  const auto weighted = [&](Rows Functions::*f) { return x[0] * (pure[0].*f)[0] + x[1] * (pure[1].*f)[0]; };
  EXPECT_NEAR(mix.U[1], weighted(&Functions::U), 1e-6);
  EXPECT_NEAR(mix.H[1], weighted(&Functions::H), 1e-6);
  EXPECT_NEAR(mix.S[1], weighted(&Functions::S) - R * xlnx, 1e-9);
  EXPECT_NEAR(mix.A[1], weighted(&Functions::A) + R * T * xlnx, 1e-6);
  EXPECT_NEAR(mix.G[1], weighted(&Functions::G) + R * T * xlnx, 1e-6);
  // H - U: P times the pure volumes for the ideal part, P times the excess
  // volume for the excess part.
  EXPECT_NEAR(mix.H[1] - mix.U[1], P * idealVolume, 1e-6);
  EXPECT_NEAR(mix.H[2] - mix.U[2], P * (mix.V - idealVolume), 1e-6);
}

// The root radios of every window evaluate the shared roots and conditions of
// the last listing or molar volume, in whichever window it was made; a window
// opened afresh does so at once.
TEST_F(PhysicsAcrossWindowsTest, AListingInOneWindowIsWhatEveryOtherWindowEvaluates) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& entropy = Open<EntropyWindow>();
  List(entropy, "5", "400");
  const std::string ownRoot = TextOf(entropy, "TextChoice0");
  auto& energy = Open<EnergyWindow>();
  List(energy, "3", "200");
  auto& helmholtz = Open<HelmholtzWindow>();
  auto& chem = Open<ChemPotWindow>();
  const double U = ValueAt(energy, 2), S = ValueAt(entropy, 2), A = ValueAt(helmholtz, 2);
  Choose(chem, "Choice2");
  for (fw::Window* window : std::initializer_list<fw::Window*>{&entropy, &helmholtz, &chem})
    EXPECT_EQ(TextOf(*window, "Result"), TextOf(energy, "TextChoice2"));
  EXPECT_EQ(TextOf(entropy, "TextChoice0"), ownRoot);  // its own listing still shows
  EXPECT_NEAR(A, U - 200.0 * S, Tol(U, 200.0 * S));    // all at 200 K
  EXPECT_EQ(chem.listBox("ListBox1").RowCount(), 2);

  // The pressure window's molar volume becomes root 0 (at the listing's 200 K).
  auto& pressure = Open<PressureWindow>();
  Enter(pressure, "dataEntry", "500");
  Enter(pressure, "dataEntry1", "300");
  Press(pressure, "calculate");
  const double U0 = ValueAt(energy, 0);
  EXPECT_EQ(TextOf(energy, "Result"), "500");
  EXPECT_NEAR(ValueAt(Open<EnthalpyWindow>(), 0) - U0,
              500.0 * Mixture(Globals::fraction).Pressure(200.0, 500.0), 1e-6);

  // Closed and opened again: empty, in kelvin, and root 2 evaluates at once.
  const std::string value = TextOf(helmholtz, "Result1");
  Choose(helmholtz, "Celsius");
  test::CloseByCloseBox(helmholtz);
  test::ProcessEvents();
  auto& fresh = Open<HelmholtzWindow>();
  EXPECT_TRUE(fresh.radioButton("Kelvin").Value());
  EXPECT_EQ(TextOf(fresh, "TextChoice2"), "");
  Choose(fresh, "Choice2");
  EXPECT_EQ(TextOf(fresh, "Result1"), value);
}

}  // namespace
