// A picture of the test window with every control kind, taken headless, for
// a person to look at (framework_controls.png in the tests' build folder);
// the test checks a few pixels that the table fixes.
#include <gtest/gtest.h>

#include <QImage>

#include "framework/TestSupport.h"
#include "tests/framework/TestWindows.h"

namespace {

namespace ui = fw::test;

TEST(Screenshot, TheControlsWindowMatchesItsTable) {
  fwtest::ControlsWindow window;
  ui::Activate(window);
  window.editField("Field").SetText("300");
  window.radioButton("Choice1").SetValue(true);
  fw::ListBox& list = window.listBox("ListBox1");
  for (const char* gas : {"H2O", "CO2", "N2", "H2S", "NH3", "H2"}) {
    list.AddRow(" ");
    list.SetCell(list.LastIndex(), 0, gas);
    list.SetCell(list.LastIndex(), 1, "0.1666");
  }
  window.listBox("OneValue").AddRow("22.414");
  ui::ProcessEvents();

  const QImage shot = window.Client().grab().toImage();
  ASSERT_TRUE(shot.save(QStringLiteral(VDW_TEST_OUTPUT_DIR "/framework_controls.png")));
  const double ratio = shot.devicePixelRatio();
  const auto at = [&](int x, int y) { return shot.pixelColor(int(x * ratio), int(y * ratio)); };
  EXPECT_EQ(at(5, 5), QColor(Qt::white)) << "white panel";
  EXPECT_EQ(at(200, 210), QColor(Qt::black)) << "Line1 along y = 210";
  EXPECT_EQ(at(200, 165), QColor(Qt::black)) << "top border of RoundRectangle1";
  EXPECT_EQ(at(30, 230), QColor(Qt::red)) << "Canvas1 backdrop";
  EXPECT_EQ(at(180, 230), QColor(Qt::white)) << "HiddenWell is hidden";
}

}  // namespace
