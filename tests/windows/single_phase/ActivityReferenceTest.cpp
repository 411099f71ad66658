// The reference of the activity window's first standard state, pure real
// gases at T and P: each gas alone takes the root that its vapour pressure
// (the built-in correlation) picks, the vapour-like root below it and the
// liquid-like root at or above it, whichever root the fluid was taken at.

#include <string>
#include <vector>

#include "tests/windows/WindowTestSupport.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/ActivityWindow.h"

namespace {

using namespace wintest;

class ActivityReferenceTest : public WindowTest {};

// Pure CO2 at 280 K, where its vapour pressure is 4.16 MPa and the van der
// Waals isotherm has three roots from 4.13 to 5.69 MPa. The activity of the
// root chosen is f(chosen root) / f(reference root): 1 where the two are the
// same root; below 1 for the vapour at 5 MPa, above its vapour pressure,
// where the liquid root is the reference and the van der Waals liquid has the
// higher fugacity; above 1 for the liquid at 4.15 MPa, where the vapour is.
TEST_F(ActivityReferenceTest, APureGasIsComparedWithTheRootItsVapourPressurePicks) {
  SetFluid({{CO2, 1.0}});
  const double T = 280;
  ASSERT_NEAR(Globals::SaturationPressure(CO2, T), 4.16, 0.005);
  struct Case {
    const char* P;
    const char* choice;  // Choice1 the smallest root, Choice2 the largest
    bool referenceIsLiquid;
    int side;  // of 1: -1 below, 0 at, +1 above
  };
  const Case cases[] = {{"5", "Choice2", true, -1}, {"5", "Choice1", true, 0},
                        {"4.15", "Choice1", false, +1}, {"4.15", "Choice2", false, 0}};
  auto& window = Open<ActivityWindow>();
  const vdw::Mixture co2 = vdw::Of(Globals::fraction);
  for (const Case& c : cases) {
    const std::string what = std::string(c.P) + " MPa, " + c.choice;
    const double P = rt::Val(c.P);
    const std::vector<double> roots = vdw::RealRoots(co2, T, P);
    ASSERT_EQ(roots.size(), 3u) << what;
    Enter(window, "dataEntry", c.P);
    Enter(window, "dataEntry1", "280");
    Press(window, "calculate");
    Choose(window, c.choice);
    Choose(window, "StandardChoice0");
    Press(window, "PushButton1");
    const double V = NumberOf(window, "Result");
    EXPECT_NEAR(V, c.choice == std::string("Choice1") ? roots.front() : roots.back(), 1e-9 * V) << what;
    const double reference = c.referenceIsLiquid ? roots.front() : roots.back();
    const double activity = vdw::Phi(co2, CO2, T, P, V) / vdw::Phi(co2, CO2, T, P, reference);
    const double shown = rt::Val(window.listBox("ListBox1").Cell(0, 1));
    EXPECT_NEAR(shown, activity, 1e-9 * activity) << what;
    if (c.side == 0) {
      EXPECT_NEAR(shown, 1.0, 1e-12) << what;
    } else if (c.side < 0) {
      EXPECT_LT(shown, 0.99) << what;
    } else {
      EXPECT_GT(shown, 1.01) << what;
    }
  }
}

}  // namespace
