// The windows on a small screen (800 x 600 logical pixels, as 1600 x 1200 at
// a scale of two): each opens inside the available area with its title bar in
// reach, and the windows on the scrolling panel open shorter and scroll to
// their last line.

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/Start1Window.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/single_phase/ActivityWindow.h"

namespace {

using namespace wintest;

class SmallScreen : public WindowTest {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "needs the small offscreen screen";
    WindowTest::SetUp();
    ASSERT_EQ(Area(), QRect(0, 0, 800, 600)) << "the screen of tests/screens/small.json";
  }
  static QRect Area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

  // The lowest bottom edge of the controls on the panel, in the window's
  // client coordinates.
  static int LowestBottom(fw::Window& window) {
    const QWidget& panel = window.rectangle("Rectangle1").Widget();
    int lowest = 0;
    for (fw::Control* control : window.Controls())
      if (panel.isAncestorOf(&control->Widget())) lowest = std::max(lowest, control->Top() + control->Height());
    return lowest;
  }
};

TEST_F(SmallScreen, TheStartWindowTallerThanTheScreenHangsFromTheTopWithItsTitleBarInReach) {
  Start1Window& start = Start1Window::Get();
  test::Activate(start);
  const QRect frame = start.frameGeometry();
  EXPECT_EQ(frame.top(), Area().top());
  EXPECT_GE(frame.left(), Area().left());
  EXPECT_LE(frame.right(), Area().right());
  EXPECT_EQ(start.Height(), 605) << "it does not scroll, so it keeps its height";
}

struct ScrollingWindow {
  const char* name;
  fw::Window& (*open)();
  int designedHeight;
};

const ScrollingWindow kScrolling[] = {
    {"Bubble-Dew point", &Opener::Of<BubbleDewPoint>, 700},
    {"Liquid-Vapour Equilibrium", &Opener::Of<LiquidVapourEq>, 700},
    {"Activities", &Opener::Of<ActivityWindow>, 700},
};

TEST_F(SmallScreen, AWindowOnTheScrollingPanelFillsTheAreaAndScrollsToItsLastLine) {
  for (const ScrollingWindow& row : kScrolling) {
    SCOPED_TRACE(row.name);
    fw::Window& window = row.open();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(Area().contains(frame)) << "frame at y " << frame.top() << ", " << frame.height() << " tall";
    EXPECT_EQ(frame.height(), Area().height()) << "as tall as the area";
    EXPECT_LT(window.Height(), row.designedHeight);

    fw::ScrollBar& bar = window.scrollBar("ScrollBar1");
    EXPECT_EQ(bar.Height(), window.Height() - 15);
    EXPECT_EQ(bar.Maximum(), window.rectangle("Rectangle1").Height() - window.Height());
    test::DragThumbTo(bar, bar.Maximum());
    EXPECT_EQ(window.rectangle("Rectangle1").Top(), -bar.Maximum());
    EXPECT_LE(LowestBottom(window), window.Height()) << "the last line comes into view";
    window.close();
  }
}

}  // namespace
