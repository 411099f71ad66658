// What the single-phase windows make of entries outside the physical domain
// and of text that is no number, and of a fluid emptied by the fluid
// window's "clear": each shown value against the van der Waals formulas
// worked out afresh.

#include <functional>
#include <string>
#include <vector>

#include "app/Start1Window.h"
#include "app/Start2Window.h"
#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

class OutsideTheDomainTest : public WindowTest {};

// Values outside the physical domain are computed, not refused; text that is
// no number reads as 0; an entry that reads as no finite number is refused
// and leaves the result empty. For pure CO2 (b = 42.85 cm3/mol).
TEST_F(OutsideTheDomainTest, UnphysicalEntriesAreComputedAndTextThatIsNoNumberReadsAsZero) {
  SetFluid({{CO2, 1.0}});
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  ASSERT_NEAR(m.b, 42.85, 0.01);
  // T from the isotherm solved for T: (P + a / V^2) (V - b) / R.
  const auto temperature = [&](double P, double V) { return (P + m.a / (V * V)) * (V - m.b) / vdw::R; };
  struct Row {
    const char* what;
    std::function<fw::Window&()> open;
    std::vector<std::string> steps;
    const char* label;
    std::function<double()> expected;  // nothing: the result stays empty
  };
  const Row rows[] = {
      {"a molar volume below b gives a negative temperature", Opener::Of<TemperatureWindow>,
       {"dataEntry=20", "dataEntry1=5", "calculate"}, "Result", [&] { return temperature(5, 20); }},
      {"a pressure that is no number reads as 0", Opener::Of<TemperatureWindow>,
       {"dataEntry=150", "dataEntry1=abc", "calculate"}, "Result", [&] { return temperature(0, 150); }},
      {"a temperature below 0 K is used as typed", Opener::Of<PressureWindow>,
       {"dataEntry=150", "dataEntry1=-100", "calculate"}, "Result", [&] { return vdw::Pressure(m, -100, 150); }},
      {"a temperature that is no number reads as 0 K", Opener::Of<PressureWindow>,
       {"dataEntry=150", "dataEntry1=abc", "calculate"}, "Result", [&] { return -m.a / (150.0 * 150.0); }},
      {"a molar volume not above b has no pressure", Opener::Of<PressureWindow>,
       {"dataEntry=20", "dataEntry1=300", "calculate"}, "Result", [] { return 0.0; }},
      {"an infinite temperature is refused", Opener::Of<PressureWindow>,
       {"dataEntry=150", "dataEntry1=inf", "calculate"}, "Result", nullptr},
      {"a molar volume beyond the range of numbers is refused", Opener::Of<TemperatureWindow>,
       {"dataEntry=1e400", "dataEntry1=5", "calculate"}, "Result", nullptr},
  };
  for (const Row& row : rows) {
    fw::Window& window = row.open();
    Perform(window, row.steps);
    if (!row.expected) {
      EXPECT_EQ(TextOf(window, row.label), "") << row.what;
      continue;
    }
    const double expected = row.expected();
    EXPECT_NEAR(NumberOf(window, row.label), expected, 1e-12 * std::fabs(expected)) << row.what;
  }
  EXPECT_LT(temperature(5, 20), 0);

  // At -100 K the cubic's one real root lies below b, on the isotherm of -100 K.
  auto& volumes = Open<VolumeWindow>();
  Perform(volumes, {"dataEntry=5", "dataEntry1=-100", "calculate"});
  const double V = NumberOf(volumes, "TextChoice0");
  EXPECT_LT(V, m.b);
  EXPECT_NEAR(vdw::Pressure(m, -100, V), 5, 1e-9 * m.a / (V * V));
}

// "clear" in the fluid window empties the fluid at once: the Pressures window
// then gives R T / V, the ideal gas, until "continue" accepts a fluid again.
// A "continue" that refuses keeps the fluid that was there: the one accepted
// before, or none after a "clear".
TEST_F(OutsideTheDomainTest, TheFluidWindowsClearLeavesNoGasUntilContinueAcceptsAFluid) {
  test::Click(Start1Window::Get().pushButton("continue1"));
  auto& fluid = Start2Window::Get();
  auto& pressures = Open<PressureWindow>();
  const auto pressure = [&] {
    test::Activate(pressures);
    Perform(pressures, {"dataEntry=150", "dataEntry1=300", "calculate"});
    return NumberOf(pressures, "Result");
  };
  const auto type = [&](const char* field, const char* text) {
    test::Activate(fluid);
    Enter(fluid, field, text);
  };
  const double co2 = vdw::Pressure(vdw::Of(vdw::Pure(CO2)), 300, 150);
  const double ch4 = vdw::Pressure(vdw::Of(vdw::Pure(CH4)), 300, 150);
  const double ideal = vdw::R * 300 / 150;

  type("CO2number", "1");
  Press(fluid, "continue2");
  EXPECT_NEAR(pressure(), co2, 1e-12 * co2);

  type("CO2number", "0.5");
  Press(fluid, "continue2");
  EXPECT_EQ(TextOf(fluid, "Sum"), "adjust fractions!");
  EXPECT_NEAR(pressure(), co2, 1e-12 * co2) << "refused: the fluid accepted before stays";

  type("CO2number", "1");
  Press(fluid, "Clear");
  EXPECT_NEAR(pressure(), ideal, 1e-14 * ideal) << "cleared, before any continue";
  Press(fluid, "continue2");
  EXPECT_EQ(TextOf(fluid, "Sum"), "adjust fractions!");
  EXPECT_NEAR(pressure(), ideal, 1e-14 * ideal) << "refused after clear: still no gas";

  type("CH4number", "1");
  Press(fluid, "continue2");
  EXPECT_NEAR(pressure(), ch4, 1e-12 * ch4);
}

}  // namespace
