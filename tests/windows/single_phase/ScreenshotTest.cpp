// Each single-phase window after a calculation, also with numbers that need
// exponents: every caption and result fits its box (condensed or rounded,
// never cut off). With VDW_SCREENSHOTS naming
// a folder, a picture of each window is written there for a person to look at.

#include "tests/TempFolder.h"
#include "tests/windows/LayoutChecks.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

class ScreenshotTest : public WindowTest {};

TEST_F(ScreenshotTest, EveryWindowAfterACalculation) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& pressures = Open<PressureWindow>();
  Enter(pressures, "dataEntry", "150");
  Enter(pressures, "dataEntry1", "25");
  Choose(pressures, "Celsius");
  Press(pressures, "calculate");
  ExpectNothingCutOff(pressures);
  KeepScreenshot(pressures, "pressure");

  Press(pressures, "PushButton1");
  Isochore& isochore = Isochore::Get();
  test::Activate(isochore);
  Enter(isochore, "minimum", "0");
  Enter(isochore, "maximum", "100");
  Enter(isochore, "interval", "7.5");
  Press(isochore, "calculate");
  ExpectNothingCutOff(isochore);

  KeepScreenshot(isochore, "isochore");

  // Exported twice: the second time the window asks before it replaces the
  // file, then says where the file is.
  {
    testing_support::TempFolder folder;
    Press(isochore, "Export");
    test::QuestionAnswerer replace("replace");
    Press(isochore, "Export");
    ASSERT_EQ(replace.Questions().size(), 1u);
    KeepScreenshot(replace.Questions()[0].picture, "isochore_replace_question");
    EXPECT_EQ(isochore.staticText("ExportStatus").Text(), "exported to " + (folder.Path() / "150.txt").string());
    ExpectNothingCutOff(isochore);
    KeepScreenshot(isochore, "isochore_exported");
  }
  // A very large molar volume: pressures of some 1e-05 MPa, with exponents.
  test::Activate(pressures);
  Enter(pressures, "dataEntry", "36000000");
  Press(pressures, "calculate");
  Press(pressures, "PushButton1");
  test::Activate(isochore);
  Press(isochore, "calculate");
  ASSERT_NE(isochore.listBox("ListBox1").Cell(0, 1).find("e-05"), std::string::npos);
  ExpectNothingCutOff(isochore);
  KeepScreenshot(isochore, "isochore_small_pressures");

  auto& temperatures = Open<TemperatureWindow>();
  Enter(temperatures, "dataEntry", "150");
  Enter(temperatures, "dataEntry1", "10");
  Press(temperatures, "calculate");
  Choose(temperatures, "Celsius");
  ExpectNothingCutOff(temperatures);
  KeepScreenshot(temperatures, "temperature");

  // Three real roots at 220 K, 4 MPa; the largest chosen.
  auto& volumes = Open<VolumeWindow>();
  Enter(volumes, "dataEntry", "4");
  Enter(volumes, "dataEntry1", "220");
  Press(volumes, "calculate");
  Choose(volumes, "Choice2");
  ExpectNothingCutOff(volumes);
  KeepScreenshot(volumes, "volume");

  // One real root and a complex pair.
  auto& fugacities = Open<FugacityWindow>();
  Enter(fugacities, "dataEntry", "5");
  Enter(fugacities, "dataEntry1", "25");
  Choose(fugacities, "Celsius");
  Press(fugacities, "calculate");
  Choose(fugacities, "Choice0");
  ExpectNothingCutOff(fugacities);
  KeepScreenshot(fugacities, "fugacity");

  // A low pressure: fugacities with exponents, a large molar volume.
  Enter(fugacities, "dataEntry", "0.00005");
  Press(fugacities, "calculate");
  Choose(fugacities, "Choice0");
  ASSERT_NE(fugacities.listBox("ListBox1").Cell(0, 1).find("e-05"), std::string::npos);
  ExpectNothingCutOff(fugacities);
  KeepScreenshot(fugacities, "fugacity_low_pressure");

  SetFluid({{H2O, 0.1}, {CO2, 0.3}, {N2, 0.2}, {CH4, 0.4}});
  auto& activities = Open<ActivityWindow>();
  Enter(activities, "dataEntry", "0.000123");
  Enter(activities, "dataEntry1", "400");
  Press(activities, "calculate");
  Choose(activities, "Choice0");
  Choose(activities, "StandardChoice1");
  Enter(activities, "dataEntry2", "0.1");
  Press(activities, "PushButton1");
  ExpectNothingCutOff(activities);
  KeepScreenshot(activities, "activity");
  test::DragThumbTo(activities.scrollBar("ScrollBar1"), 100);
  KeepScreenshot(activities, "activity_scrolled");
}

}  // namespace
