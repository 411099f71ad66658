// The shared scrolling panel in a window that may grow taller than its panel.

#include "windows/shared/ScrollingPanel.h"

#include "tests/windows/WindowTestSupport.h"

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
  shared::ScrollingPanel panel_{*this, 300};
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

}  // namespace
