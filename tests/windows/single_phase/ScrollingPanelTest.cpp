// The shared scrolling panel in a window that may grow taller than its panel.

#include "windows/shared/ScrollingPanel.h"

#include "tests/windows/KeysAndWheel.h"
#include "windows/single_phase/ActivityWindow.h"

namespace {

using namespace wintest;

const fw::ControlSpec kLayout[] = {
    {fw::Kind::Rectangle, "Rectangle1", "", 0, 0, 285, 300, 0, fw::NoBorder},
    {fw::Kind::StaticText, "Bottom", "last line", 20, 280, 100, 20, 12, 0, "Rectangle1"},
    {.kind = fw::Kind::ScrollBar, .name = "ScrollBar1", .left = 285, .top = 0, .width = 15, .height = 185,
     .maximum = 100, .pageStep = 200},
};

class TallWindow : public fw::Window {
 public:
  TallWindow()
      : fw::Window({.title = "Tall", .width = 300, .height = 200, .resizable = true, .minWidth = 300,
                    .minHeight = 100, .maxWidth = 300, .maxHeight = 600},
                   kLayout) {}
  void Event_Resizing() override { panel_.Event_Resizing(); }

 private:
  shared::ScrollingPanel panel_{*this};
};

TEST(ScrollingPanel, AWindowTallerThanItsPanelCannotScrollItBelowItsTop) {
  TallWindow window;
  test::Activate(window);
  fw::ScrollBar& bar = window.scrollBar("ScrollBar1");
  test::DragThumbTo(bar, 60);
  EXPECT_EQ(window.control("Rectangle1").Top(), -60);

  test::ResizeClient(window, 300, 500);
  EXPECT_EQ(bar.Height(), 485);
  EXPECT_EQ(bar.Maximum(), 0) << "never negative";
  EXPECT_EQ(window.control("Rectangle1").Top(), 0);
  test::ClickArrowDown(bar);
  test::ClickPageDown(bar);
  EXPECT_EQ(window.control("Rectangle1").Top(), 0);
  EXPECT_EQ(window.staticText("Bottom").Top(), 280);
}

// The activity window at its minimum height 400, scrolled up to 400 pixels.
class ActivityPanel : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QApplication::setWheelScrollLines(3);
    test::Activate(window);  // the program's start window came up in front of it
    test::ResizeClient(window, 480, 400);
  }
  ActivityWindow& window = ActivityWindow::Get();
  fw::ScrollBar& bar = window.scrollBar("ScrollBar1");
  int PanelTop() { return window.rectangle("Rectangle1").Top(); }
};

TEST_F(ActivityPanel, TheWheelScrollsThreeLinesANotchOverTheContentAndTheBar) {
  test::TurnWheel(window, {60, 30}, 1);  // over the caption "Pressure"
  EXPECT_EQ(bar.Value(), 60);
  EXPECT_EQ(PanelTop(), -60);
  test::TurnWheel(window, {472, 200}, 2);  // over the bar
  EXPECT_EQ(bar.Value(), 180);
  test::TurnWheel(window, {30, 100}, -1);  // over the bare panel, upwards
  EXPECT_EQ(bar.Value(), 120);
  test::TurnWheel(window, {250, 395}, 1, 8);  // over the reference pressure, a fine wheel
  EXPECT_EQ(bar.Value(), 180);
  test::TurnWheel(window, {250, 200}, 10);
  EXPECT_EQ(bar.Value(), 400) << "no further than the bar's maximum";
  EXPECT_EQ(PanelTop(), -400);
  test::TurnWheel(window, {200, 300}, -1);  // over the empty list of activities
  EXPECT_EQ(bar.Value(), 340);
  // The bar's own arrow keeps its step of one pixel.
  test::ClickArrowDown(bar);
  EXPECT_EQ(bar.Value(), 341);
  EXPECT_EQ(PanelTop(), -341);
}

TEST_F(ActivityPanel, TabIntoAFieldBelowTheWindowScrollsItIntoView) {
  // From the temperature to the reference pressure (508 to 533), and on
  // round every stop of the window, both ways.
  Enter(window, "dataEntry1", "300");
  ExpectTabKeepsTheFocusInView(window, 400, 11);
  // A click into a field half in view leaves the panel where it is.
  bar.SetValue(120);  // the reference pressure at 388 to 413
  test::Type(window.editField("dataEntry2"), "1");
  EXPECT_EQ(bar.Value(), 120);
}

}  // namespace
