// The molar-volume window and its solution chooser driven as a user would.

#include "windows/single_phase/VolumeWindow.h"

#include <string>

#include "tests/engine/CubicJudge.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/PressureWindow.h"

namespace {

using namespace wintest;

struct Complex {
  double re, im;
};
// "re and im·i" as the chooser writes a complex root.
Complex ComplexOf(const std::string& text) {
  const auto cut = text.find(" and ");
  EXPECT_NE(cut, std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 3), "\u00B7i") << text;
  return {rt::Val(text.substr(0, cut)), rt::Val(text.substr(cut + 5))};
}

class VolumeWindowTest : public WindowTest {
 protected:
  // Below the critical temperature of the one-fluid mixture, at a pressure
  // between its spinodal pressures: three real roots.
  void ListThreeRoots(fw::Window& window) {
    const vdw::Mixture m = vdw::Of(Globals::fraction);
    T = 0.9 * vdw::CriticalT(m);
    P = 0.6 * vdw::CriticalP(m);
    ASSERT_EQ(vdw::RealRoots(m, T, P).size(), 3u);
    Enter(window, "dataEntry", rt::Str(P));
    Enter(window, "dataEntry1", rt::Str(T));
    Press(window, "calculate");
    T = rt::Val(rt::Str(T));  // the conditions as typed
    P = rt::Val(rt::Str(P));
  }
  double T = 0.0, P = 0.0;
};

TEST_F(VolumeWindowTest, ThreeRealRootsAreListedMiddleSmallestLargestAndObeyVieta) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<VolumeWindow>();
  ListThreeRoots(window);
  const double middle = NumberOf(window, "TextChoice0"), smallest = NumberOf(window, "TextChoice1"),
               largest = NumberOf(window, "TextChoice2");
  EXPECT_LT(smallest, middle);
  EXPECT_LT(middle, largest);

  // V^3 - (b + R T / P) V^2 + (a / P) V - a b / P: the sum, the sum of the
  // pairwise products and the product of the roots.
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  const double s1 = smallest + middle + largest;
  const double s2 = smallest * middle + middle * largest + largest * smallest;
  EXPECT_NEAR(s1, m.b + vdw::R * T / P, 1e-12 * s1);
  EXPECT_NEAR(s2, m.a / P, 1e-11 * s2);
  EXPECT_NEAR(smallest * middle * largest, m.a * m.b / P, 1e-11 * m.a * m.b / P);
  // Each root lies on the isotherm through P.
  for (double V : {smallest, middle, largest}) EXPECT_NEAR(vdw::Pressure(m, T, V), P, 1e-9 * P);

  EXPECT_EQ(rt::Str(Globals::MolarVolumes[0]), TextOf(window, "TextChoice0"));
  EXPECT_EQ(rt::Str(Globals::MolarVolumes[1]), TextOf(window, "TextChoice1"));
  EXPECT_EQ(rt::Str(Globals::MolarVolumes[2]), TextOf(window, "TextChoice2"));
  EXPECT_EQ(Globals::TempKelvin, T);
  EXPECT_EQ(Globals::PresMPa, P);
}

TEST_F(VolumeWindowTest, AChosenRootShowsItsVolumeDensityAndExcessVolume) {
  SetFluid({{CO2, 0.4}, {CH4, 0.6}});
  auto& window = Open<VolumeWindow>();
  Enter(window, "dataEntry", "10");
  Enter(window, "dataEntry1", "127");
  Choose(window, "Celsius");  // 400 K: above both critical temperatures
  Press(window, "calculate");
  EXPECT_EQ(Globals::TempKelvin, 400.15);
  Choose(window, "Choice0");

  const vdw::Mixture m = vdw::Of(Globals::fraction);
  const std::vector<double> roots = vdw::RealRoots(m, 400.15, 10.0);
  ASSERT_EQ(roots.size(), 1u);
  const double V = NumberOf(window, "Result");
  EXPECT_NEAR(V, roots[0], 1e-11 * V);
  Globals::MolecularMasses();
  const double mass = 0.4 * Globals::MM[CO2] + 0.6 * Globals::MM[CH4];
  EXPECT_NEAR(NumberOf(window, "DensityResult"), mass / V, 1e-12 * mass / V);
  // The excess volume: V minus the fraction-weighted volumes of the gases
  // alone at the same T and P, each with a single real root here.
  const auto alone = [](Gas gas) {
    const std::vector<double> r = vdw::RealRoots(vdw::Of(vdw::Pure(gas)), 400.15, 10.0);
    EXPECT_EQ(r.size(), 1u);
    return r.front();
  };
  const double excess = V - 0.4 * alone(CO2) - 0.6 * alone(CH4);
  EXPECT_NEAR(NumberOf(window, "ExcessVol"), excess, 1e-9 * V);
  EXPECT_EQ(TextOf(window, "ExcessVol"), rt::Str(Globals::Vexcess));

  // "calculate" switches the radio off and empties the three results.
  Press(window, "calculate");
  EXPECT_FALSE(window.radioButton("Choice0").Value());
  for (const char* label : {"Result", "ExcessVol", "DensityResult"}) EXPECT_EQ(TextOf(window, label), "");
}

TEST_F(VolumeWindowTest, OneRealRootAndAComplexPairWhoseRadioGivesZeros) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = Open<VolumeWindow>();
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "400");
  Press(window, "calculate");
  const double real = NumberOf(window, "TextChoice0");
  const Complex one = ComplexOf(TextOf(window, "TextChoice1"));
  const Complex two = ComplexOf(TextOf(window, "TextChoice2"));
  EXPECT_EQ(one.re, two.re);
  EXPECT_EQ(one.im, -two.im);
  EXPECT_NE(one.im, 0.0);
  // Vieta with u +- iv: r + 2u = b + R T / P and r (u^2 + v^2) = a b / P.
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  EXPECT_NEAR(real + 2 * one.re, m.b + vdw::R * 400 / 5, 1e-12 * real);
  EXPECT_NEAR(real * (one.re * one.re + one.im * one.im), m.a * m.b / 5, 1e-11 * m.a * m.b / 5);
  EXPECT_EQ(Globals::MolarVolumes[1], 0.0);
  EXPECT_EQ(Globals::MolarVolumes[2], 0.0);

  Globals::Vexcess = 3.0;
  Choose(window, "Choice2");
  EXPECT_EQ(TextOf(window, "Result"), "0");
  EXPECT_EQ(TextOf(window, "ExcessVol"), "0");
  EXPECT_EQ(TextOf(window, "DensityResult"), "0");
  EXPECT_EQ(Globals::Vexcess, 0.0);
  EXPECT_TRUE(window.radioButton("Kelvin").Value()) << "the root trio is a group of its own";
}

TEST_F(VolumeWindowTest, APureGasHasNoExcessVolumeAndANegativeRootNoDensity) {
  SetFluid({{CO2, 1.0}});
  auto& window = Open<VolumeWindow>();
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "350");
  Press(window, "calculate");
  Choose(window, "Choice0");
  EXPECT_EQ(TextOf(window, "ExcessVol"), "0");
  EXPECT_NE(TextOf(window, "DensityResult"), "0");

  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Enter(window, "dataEntry", "-5");  // a negative pressure has a negative real root
  Press(window, "calculate");
  Choose(window, "Choice0");
  const double V = NumberOf(window, "Result");
  ASSERT_LT(V, 0.0);
  EXPECT_EQ(TextOf(window, "DensityResult"), "0");
  EXPECT_NE(TextOf(window, "ExcessVol"), "");
}

TEST_F(VolumeWindowTest, AZeroPressureListsThreeZeros) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Globals::MolarVolumes = {7, 8, 9, 0};
  auto& window = Open<VolumeWindow>();
  Enter(window, "dataEntry", "0");
  Enter(window, "dataEntry1", "300");
  Press(window, "calculate");
  for (const char* text : {"TextChoice0", "TextChoice1", "TextChoice2"}) EXPECT_EQ(TextOf(window, text), "0");
  for (int k = 0; k < 3; ++k) EXPECT_EQ(Globals::MolarVolumes[k], 0.0);
}

TEST_F(VolumeWindowTest, TheRootRadiosEvaluateWhateverRootsAnyWindowListedLast) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& volumes = Open<VolumeWindow>();
  ListThreeRoots(volumes);
  const std::string ownLargest = TextOf(volumes, "TextChoice2");

  // A listing in the fugacity window at other conditions...
  auto& fugacities = Open<FugacityWindow>();
  Enter(fugacities, "dataEntry", "3");
  Enter(fugacities, "dataEntry1", "450");
  Press(fugacities, "calculate");
  const std::string otherRoot = TextOf(fugacities, "TextChoice0");

  // ...is what this window's radios now evaluate, at that window's T and P.
  test::Activate(volumes);
  Choose(volumes, "Choice0");
  EXPECT_EQ(TextOf(volumes, "Result"), otherRoot);
  EXPECT_EQ(TextOf(volumes, "TextChoice2"), ownLargest) << "the labels still show this window's roots";
  Choose(volumes, "Choice1");  // complex in the other listing
  EXPECT_EQ(TextOf(volumes, "Result"), "0");

  // The pressure window's molar volume is element 0 too.
  auto& pressures = Open<PressureWindow>();
  Enter(pressures, "dataEntry", "321.5");
  Enter(pressures, "dataEntry1", "300");
  Press(pressures, "calculate");
  test::Activate(volumes);
  Choose(volumes, "Choice0");
  EXPECT_EQ(TextOf(volumes, "Result"), "321.5");

  // "clear" empties the window but leaves the shared roots to the radios.
  Press(volumes, "Clear");
  for (const char* label : {"TextChoice0", "TextChoice1", "TextChoice2", "Result", "ExcessVol", "DensityResult"})
    EXPECT_EQ(TextOf(volumes, label), "") << label;
  EXPECT_FALSE(volumes.radioButton("Choice0").Value());
  EXPECT_EQ(volumes.editField("dataEntry1").Text(), "");
  Choose(volumes, "Choice0");
  EXPECT_EQ(TextOf(volumes, "Result"), "321.5");
}

// States where the listed roots were no roots, a pair had two real parts or
// the count was wrong, typed as a user would. A pair is listed with one real
// part and opposite imaginary parts, its real part fixed by Vieta's sum:
// 2 re = b + R T/P - V0.
TEST_F(VolumeWindowTest, RootsAtTheEdgesOfTheDoublesAreListedRight) {
  struct Row {
    const char* name;
    Globals::Composition fluid;
    const char *P, *T;
    double largest;   // the real root of largest magnitude, by hand (0: not checked)
    int realRoots;    // by the discriminant in quadruple precision (0: not decided)
    double cluster = 0;  // every root's real part within 1e-5 of it (0: not checked)
  };
  const double R = Globals::R;
  const Row rows[] = {
      // Where two roots meet: the imaginary part is set by rounding, the
      // real parts are not.
      {"H2O at its spinodal", enginetest::mixture({{H2O, 1}}), "14.4677549587076", "605.651970427847", 0, 0},
      // y ~ -A = R T/|P| + ...: the corrections (about 92 and b) are far
      // below the rounding of 2.5e120.
      {"CH4 at -1e-117 MPa", enginetest::mixture({{CH4, 1}}), "-1e-117", "300", R * 300 / -1e-117, 1},
      {"H2 at 1e-242 MPa and 3.7e-120 K", enginetest::mixture({{H2, 1}}), "1e-242", "3.7e-120", 0, 1},
      // y ~ R T/P: the others are of the size of b.
      {"CO2/CH4 at 1e300 K", enginetest::mixture({{CO2, 0.5}, {CH4, 0.5}}), "1", "1e300", R * 1e300, 1},
      // A gas at its own critical point: the roots meet near the critical
      // volume 3b (129.3856 cm3/mol), 129.3852 and 129.3859 +- 4e-4 i.
      {"CH4 at its critical point", enginetest::mixture({{CH4, 1}}), "4.5922", "190.564", 0, 0,
       3 * vdw::Of(enginetest::mixture({{CH4, 1}})).b},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetFluid(row.fluid);
    auto& window = Open<VolumeWindow>();
    Enter(window, "dataEntry", row.P);
    Enter(window, "dataEntry1", row.T);
    Press(window, "calculate");
    const double P = rt::Val(row.P), T = rt::Val(row.T);
    const double A = ((-R) * T - P * Globals::bMixture(Globals::fraction)) / P;
    const double B = Globals::aMixture(Globals::fraction) / P;
    const double C = ((-Globals::aMixture(Globals::fraction)) * Globals::bMixture(Globals::fraction)) / P;
    EXPECT_EQ(cubicjudge::decidedRealCount(A, B, C), row.realRoots);

    const bool pair = TextOf(window, "TextChoice1").find(" and ") != std::string::npos;
    if (row.realRoots != 0) {
      EXPECT_EQ(pair, row.realRoots == 1);
    }
    if (pair) {
      const double V0 = NumberOf(window, "TextChoice0");
      const Complex z1 = ComplexOf(TextOf(window, "TextChoice1")), z2 = ComplexOf(TextOf(window, "TextChoice2"));
      EXPECT_EQ(z1.re, z2.re);
      EXPECT_EQ(z1.im, -z2.im);
      EXPECT_NE(z1.im, 0.0);
      // Three roots that meet are each fixed only to the cube root of the
      // rounding, about 1e-6 of their size: the sum then holds to that.
      EXPECT_NEAR(z1.re, (-A - V0) / 2, (row.cluster == 0 ? 1e-12 : 1e-6) * std::fabs(A));
      if (row.largest != 0) {
        EXPECT_NEAR(V0, row.largest, 1e-14 * std::fabs(row.largest));
      }
    } else {
      EXPECT_LE(NumberOf(window, "TextChoice1"), NumberOf(window, "TextChoice0"));
      EXPECT_LE(NumberOf(window, "TextChoice0"), NumberOf(window, "TextChoice2"));
    }
    if (row.cluster != 0) {
      for (const char* root : {"TextChoice0", "TextChoice1", "TextChoice2"}) {
        const std::string text = TextOf(window, root);
        EXPECT_NEAR(rt::Val(text.substr(0, text.find(" and "))), row.cluster, 1e-5 * row.cluster) << text;
      }
    }
    if (std::string(row.name) == "H2O at its spinodal") KeepScreenshot(window, "molar_volumes_at_a_spinodal");
  }
}

}  // namespace
