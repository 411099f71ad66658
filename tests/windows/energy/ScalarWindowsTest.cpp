// The five windows of one energy function driven as a user would: the root
// listing, the root radios, the unit switch, "clear" and Return.

#include "tests/windows/energy/EnergyTestSupport.h"

namespace {

using namespace energytest;

struct ScalarCase {
  const char* name;
  fw::Window& (*open)();
  bool aboveCoVolume;  // the function is defined only above the co-volume
};
void PrintTo(const ScalarCase& c, std::ostream* os) { *os << c.name; }

const ScalarCase kScalarWindows[] = {
    {"Energy", Opener::Of<EnergyWindow>, false},
    {"Enthalpy", Opener::Of<EnthalpyWindow>, true},
    {"Entropy", Opener::Of<EntropyWindow>, true},
    {"Helmholtz", Opener::Of<HelmholtzWindow>, true},
    {"Gibbs", Opener::Of<GibbsWindow>, true},
};

class ScalarWindowTest : public EnergyTest, public ::testing::WithParamInterface<ScalarCase> {
 protected:
  static void ExpectValues(fw::Window& window, const char* text, const std::string& context) {
    for (const char* value : kValues) EXPECT_EQ(TextOf(window, value), text) << value << " " << context;
  }
  // The ideal part is the total less the excess part, before the texts.
  static void ExpectPartsAddUp(fw::Window& window) {
    const double total = NumberOf(window, "Result1"), ideal = NumberOf(window, "Result2");
    EXPECT_NEAR(ideal + NumberOf(window, "Result3"), total, 1e-12 * (std::abs(total) + std::abs(ideal)));
  }
};

TEST_P(ScalarWindowTest, TheRootsAreListedAndEachRadioEvaluatesItsOwn) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = GetParam().open();
  Choose(window, "Choice2");  // nothing listed since start-up: every root is 0
  EXPECT_EQ(TextOf(window, "Result"), "0");
  ExpectValues(window, "0", "before any listing");

  // Three real roots: the middle one in row 0, the smallest in row 1; their
  // sums obey Vieta for V^3 - (b + RT/P) V^2 + (a/P) V - a b/P = 0.
  List(window, "3", "200");
  EXPECT_FALSE(window.radioButton("Choice2").Value());
  ExpectValues(window, "", "after a listing");
  const Vdw fluid = Mixture(Globals::fraction);
  double V[3];
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(RootOf(window, k).imag(), 0.0) << k;
    V[k] = RootOf(window, k).real();
    EXPECT_NEAR(Globals::MolarVolumes[k], V[k], 1e-13 * V[k]);
    Choose(window, kChoices[k]);
    EXPECT_EQ(TextOf(window, "Result"), TextOf(window, kRootTexts[k]));
    ExpectPartsAddUp(window);
  }
  EXPECT_LT(V[1], V[0]);
  EXPECT_LT(V[0], V[2]);
  EXPECT_NEAR(V[0] + V[1] + V[2], fluid.b + Globals::R * 200.0 / 3.0, 1e-9);
  EXPECT_NEAR(V[0] * V[1] + V[1] * V[2] + V[0] * V[2], fluid.a / 3.0, 1e-12 * fluid.a);
  EXPECT_NEAR(V[0] * V[1] * V[2], fluid.a * fluid.b / 3.0, 1e-12 * fluid.a * fluid.b);

  // One real root and a conjugate pair, shown but stored and evaluated as 0.
  List(window, "5", "400");
  const auto r0 = RootOf(window, 0), r1 = RootOf(window, 1), r2 = RootOf(window, 2);
  EXPECT_EQ(r0.imag(), 0.0);
  EXPECT_NE(r1.imag(), 0.0);
  EXPECT_EQ(r1, std::conj(r2));
  EXPECT_NEAR((r0 * r1 * r2).real(), fluid.a * fluid.b / 5.0, 1e-12 * fluid.a * fluid.b);
  for (int k : {1, 2}) {
    EXPECT_EQ(Globals::MolarVolumes[k], 0.0);
    Choose(window, kChoices[k]);
    EXPECT_EQ(TextOf(window, "Result"), "0");
    ExpectValues(window, "0", "complex root");
  }

  Globals::MolarVolumes[3] = 7.0;
  List(window, "0", "300");  // pressure 0: three zeros
  for (int k = 0; k < 3; ++k) EXPECT_EQ(TextOf(window, kRootTexts[k]), "0");
  EXPECT_EQ(Globals::MolarVolumes, (std::array<double, 4>{0.0, 0.0, 0.0, 7.0}));
}

TEST_P(ScalarWindowTest, UnitSwitchClearAndReturnAsAUserMeetsThem) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = GetParam().open();
  Enter(window, "dataEntry", "5");
  Enter(window, "dataEntry1", "400");
  test::PressReturn(window.editField("dataEntry1"));  // Return presses "calculate molar volume"
  Choose(window, "Choice0");
  const std::string kelvinRoot = TextOf(window, "TextChoice0"), value = TextOf(window, "Result1");
  ASSERT_NE(value, "");

  // The switch relabels only; the next listing adds 273.15.
  Enter(window, "dataEntry1", "126.85");
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "StaticText3"), "\u02DACelsius");
  EXPECT_EQ(window.editField("dataEntry1").Text(), "126.85");
  EXPECT_TRUE(window.radioButton("Choice0").Value());
  EXPECT_EQ(TextOf(window, "Result1"), value);
  EXPECT_EQ(Globals::TempKelvin, 400.0);
  Press(window, "calculate");
  EXPECT_DOUBLE_EQ(Globals::TempKelvin, 400.0);
  EXPECT_NEAR(RootOf(window, 0).real(), rt::Val(kelvinRoot), 1e-9);
  Choose(window, "Choice0");
  EXPECT_TRUE(window.radioButton("Celsius").Value());

  // "clear" empties the window, keeps the unit and the shared state; the
  // root radio then evaluates the stored root.
  const auto volumes = Globals::MolarVolumes;
  const std::string root = TextOf(window, "Result"), celsiusValue = TextOf(window, "Result1");
  Press(window, "Clear");
  for (const char* field : {"dataEntry", "dataEntry1"}) EXPECT_EQ(window.editField(field).Text(), "");
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(TextOf(window, kRootTexts[k]), "");
    EXPECT_FALSE(window.radioButton(kChoices[k]).Value());
  }
  EXPECT_EQ(TextOf(window, "Result"), "");
  ExpectValues(window, "", "after clear");
  EXPECT_EQ(TextOf(window, "StaticText3"), "\u02DACelsius");
  EXPECT_EQ(Globals::MolarVolumes, volumes);
  EXPECT_EQ(Globals::PresMPa, 5.0);
  Choose(window, "Choice0");
  EXPECT_EQ(TextOf(window, "Result"), root);
  EXPECT_EQ(TextOf(window, "Result1"), celsiusValue);
}

// A positive root where the function is not defined (not above the
// co-volume, from a negative pressure, or at a temperature not above 0 K)
// shows "0" in all three rows, not a total of 0 beside a nonzero ideal and
// excess part.
TEST_P(ScalarWindowTest, APositiveRootOutsideTheFunctionsDomainShowsZeroInAllRows) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& window = GetParam().open();
  const double b = Mixture(Globals::fraction).b;
  List(window, "-500", "200");
  int positive = -1;
  for (int k = 0; k < 3; ++k)
    if (RootOf(window, k).imag() == 0.0 && RootOf(window, k).real() > 0.0) positive = k;
  ASSERT_GE(positive, 0);
  EXPECT_LE(Globals::MolarVolumes[positive], b);
  Choose(window, kChoices[positive]);
  EXPECT_EQ(TextOf(window, "Result"), TextOf(window, kRootTexts[positive]));
  if (GetParam().aboveCoVolume) {
    ExpectValues(window, "0", "root at or below b");
  } else {  // the internal energy is defined for any positive volume
    EXPECT_NE(TextOf(window, "Result1"), "0");
    ExpectPartsAddUp(window);
  }

  // At 0 K the cubic factors as (V - b)(V^2 + a/P): the root b is positive.
  List(window, "10", "0");
  EXPECT_NEAR(Globals::MolarVolumes[0], b, 1e-9 * b);
  Choose(window, "Choice0");
  ExpectValues(window, "0", "0 K");
  Choose(window, "Celsius");
  List(window, "10", "-300");
  Choose(window, "Choice0");
  ExpectValues(window, "0", "below 0 K");
}

INSTANTIATE_TEST_SUITE_P(Windows, ScalarWindowTest, ::testing::ValuesIn(kScalarWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
