// The windows on a small screen (800 x 600 logical pixels, as 1600 x 1200 at
// a scale of two): each opens inside the available area with its title bar in
// reach; the windows on the scrolling panel open shorter and scroll to their
// last line, and the others scroll their content to bring every control into
// reach of the mouse and the keyboard.

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QWindow>
#include <algorithm>

#include "app/Start1Window.h"
#include "app/Start2Window.h"
#include "app/Start3Window.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/energy/ChemPotWindow.h"
#include "windows/energy/EnergyWindow.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/explanation/Explain.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/phase_behaviour/MathAnal.h"
#include "windows/phase_behaviour/SpinodalWindow.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

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

  static QRect Box(const fw::Control& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
  }
  // The part of the client area that the window shows on the screen now, in
  // client coordinates: all of it within the area unless the content scrolls.
  static QRect InView(fw::Window& window) {
    QWidget& client = window.Client();
    QRect shown = client.rect();
    if (const auto* scroller = window.findChild<QScrollArea*>())
      shown = {client.mapFrom(scroller->viewport(), QPoint(0, 0)), scroller->viewport()->size()};
    return shown.intersected({client.mapFromGlobal(Area().topLeft()), Area().size()});
  }
  // Turns the mouse wheel over the middle of what the window shows, a notch
  // at a time, until the box (client coordinates) is in view.
  static bool WheelIntoView(fw::Window& window, const QRect& box) {
    for (int notch = 0; notch < 20 && !InView(window).contains(box); ++notch)
      test::TurnWheel(window, InView(window).center(), 1);
    return InView(window).contains(box);
  }
  // A click of the mouse at the middle of the box (client coordinates),
  // through the window: it lands on whatever the window shows there.
  static void ClickThroughWindow(fw::Window& window, const QRect& box) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.Client().mapTo(&window, box.center()));
    test::ProcessEvents();
  }
};

// Every window too tall for the screen, with the control nearest its bottom
// edge that the user works with, whether the window opens with it below the
// screen's edge, what to do before using it, where to click it (nullptr: its
// middle) and whether the click did what it does. The frame of the test
// screen is 2 pixels against a desktop's title bar, so that here Fluid and
// Fugacities lose only the margin below their lowest control.
struct TallWindow {
  const char* title;
  fw::Window& (*open)();
  const char* lowest;
  bool belowTheEdge;
  void (*prepare)(fw::Window&);
  QRect (*target)(fw::Window&);
  bool (*done)(fw::Window&);
};

fw::Window& OpenStart() {
  Start1Window& start = Start1Window::Get();
  test::Activate(start);
  return start;
}

void NoPreparation(fw::Window&) {}

void PureWater(fw::Window& fluid) { test::Retype(fluid.editField("H2Onumber"), "1"); }

void FugacitiesOfTwoGases(fw::Window& window) {
  Globals::fraction = {};
  Globals::fraction[CH4] = 0.7;
  Globals::fraction[CO2] = 0.3;
  test::Retype(window.editField("dataEntry"), "6");
  test::Retype(window.editField("dataEntry1"), "300");
  test::Click(window.pushButton("calculate"));
  test::Click(window.radioButton("Choice0"));
}

// The fugacity of the second gas listed.
QRect SecondFugacity(fw::Window& window) {
  fw::ListBox& list = window.listBox("ListBox1");
  const QRect cell = list.visualRect(list.model()->index(1, 1));
  return {list.viewport()->mapTo(&window.Client(), cell.topLeft()), cell.size()};
}

bool SecondFugacityChosen(fw::Window& window) {
  fw::ListBox& list = window.listBox("ListBox1");
  return list.RowCount() == 2 && list.HasSelectedCell() && list.currentRow() == 1 && list.currentColumn() == 1;
}

const TallWindow kTall[] = {
    {"Start", &OpenStart, "continue1", true, &NoPreparation, nullptr,
     [](fw::Window&) { return ShownWindow("Fluid") != nullptr; }},
    {"Fluid", &Opener::Of<Start2Window>, "continue2", false, &PureWater, nullptr,
     [](fw::Window&) { return ShownWindow("Procedures") != nullptr && Globals::fraction[H2O] == 1.0; }},
    {"Fugacities", &Opener::Of<FugacityWindow>, "ListBox1", false, &FugacitiesOfTwoGases, &SecondFugacity,
     &SecondFugacityChosen},
    {"Critical Point", &Opener::Of<CriticalPointWindow>, "Analysis", true, &NoPreparation, nullptr,
     [](fw::Window&) { return ShownWindow("Mathematical Analysis") != nullptr; }},
};

TEST_F(SmallScreen, AWindowTallerThanTheScreenFitsItAndScrollsItsLowestControlIntoReach) {
  for (const TallWindow& row : kTall) {
    SCOPED_TRACE(row.title);
    fw::Window& window = row.open();
    ASSERT_EQ(window.Title(), row.title);
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(Area().contains(frame)) << "frame at y " << frame.top() << ", " << frame.height() << " tall";
    EXPECT_EQ(frame.height(), Area().height());
    EXPECT_EQ(window.Height(), window.Spec().height) << "the layout keeps its size and its coordinates";
    EXPECT_LT(InView(window).height(), window.Height()) << "it shows a part of its layout";

    fw::Control& lowest = window.control(row.lowest);
    for (const fw::Control* control : window.Controls()) {
      if (control->Widget().focusPolicy() == Qt::NoFocus) continue;
      EXPECT_LE(control->Top() + control->Height(), lowest.Top() + lowest.Height()) << control->Name();
    }
    row.prepare(window);
    const QRect target = row.target ? row.target(window) : Box(lowest);
    EXPECT_NE(InView(window).contains(target), row.belowTheEdge) << "as the window opens";
    EXPECT_TRUE(WheelIntoView(window, target));
    ClickThroughWindow(window, target);
    EXPECT_TRUE(row.done(window));
  }
}

// Tab runs through the fields in gas order and on to "continue" and "clear"
// as on a large screen, each brought into view; also in the window that opens
// first, before the window system has shown what frame it draws.
TEST_F(SmallScreen, TabBringsEachStopOfAScrollingWindowIntoView) {
  for (const bool first : {false, true}) {
    SCOPED_TRACE(first ? "the first window" : "beside the start window");
    if (first) {
      Start1Window::Get().close();
      test::ProcessEvents();
    }
    fw::Window& fluid = Opener::Of<Start2Window>();
    EXPECT_TRUE(Area().contains(fluid.frameGeometry()));
    ASSERT_NE(fluid.findChild<QScrollArea*>(), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), &fluid.control("H2Onumber").Widget());
    const std::vector<std::string> walk = test::WalkFocus(12, Qt::Key_Tab);
    const std::vector<std::string> expected = {"CO2number", "N2number",  "H2Snumber", "NH3number",
                                               "H2number",  "O2number",  "COnumber",  "Arnumber",
                                               "CH4number", "C2H6number", "continue2", "Clear"};
    EXPECT_EQ(walk, expected);
    const std::vector<std::string> back = test::WalkFocus(1, Qt::Key_Backtab);
    EXPECT_EQ(back, std::vector<std::string>{"continue2"});
    EXPECT_TRUE(InView(fluid).contains(Box(fluid.control("continue2"))));
    EXPECT_EQ(test::WalkFocus(1, Qt::Key_Tab), std::vector<std::string>{"Clear"});
    EXPECT_TRUE(InView(fluid).contains(Box(fluid.control("Clear"))));
    fluid.close();
    test::ProcessEvents();
  }
}

TEST_F(SmallScreen, AWindowThatFitsIsLeftAsDesigned) {
  fw::Window& pressures = Opener::Of<PressureWindow>();
  EXPECT_EQ(pressures.findChild<QScrollArea*>(), nullptr);
  EXPECT_EQ(pressures.Client().parentWidget(), &pressures);
  EXPECT_EQ(pressures.Client().size(), QSize(pressures.Spec().width, pressures.Spec().height));
  EXPECT_EQ(pressures.geometry().height(), pressures.Spec().height + pressures.MenuBar()->height());
}

// Every window but those on the scrolling panel (below), and whether it
// scrolls its content on a desktop of 800 x 600 whose window system draws a
// frame 21 pixels high round it (openbox: a title bar of 20 and a border of
// 1), as the README lists them. The test screen's frame is 4 pixels high,
// so that here Procedures still fits, with 7 pixels to spare.
struct FixedWindow {
  fw::Window& (*open)();
  bool scrollsOnTheDesktop;
};

const FixedWindow kFixed[] = {
    {&OpenStart, true},
    {&Opener::Of<Start2Window>, true},
    {&Opener::Of<Start3Window>, true},
    {&Opener::Of<PressureWindow>, false},
    {&Opener::Of<TemperatureWindow>, false},
    {&Opener::Of<VolumeWindow>, false},
    {&Opener::Of<FugacityWindow>, true},
    {&Opener::Of<Isochore>, false},
    {&Opener::Of<SpinodalWindow>, false},
    {&Opener::Of<CriticalPointWindow>, true},
    {&Opener::Of<MathAnal>, false},
    {&Opener::Of<Explain>, false},
    {&Opener::Of<EnergyWindow>, true},
    {&Opener::Of<EnthalpyWindow>, true},
    {&Opener::Of<EntropyWindow>, true},
    {&Opener::Of<HelmholtzWindow>, true},
    {&Opener::Of<GibbsWindow>, true},
    {&Opener::Of<ChemPotWindow>, true},
};

// A window scrolls its content exactly where its layout and menu bar, with
// the frame round them, are taller than the area: on this screen, and on the
// desktop as the README says.
TEST_F(SmallScreen, TheWindowsThatScrollTheirContentAreThoseTallerThanTheArea) {
  constexpr int kDesktopFrame = 21;
  for (const FixedWindow& row : kFixed) {
    fw::Window& window = row.open();
    SCOPED_TRACE(window.Title());
    const int tall = window.Spec().height + window.MenuBar()->height();
    const int frame = window.frameGeometry().height() - window.geometry().height();
    EXPECT_EQ(window.findChild<QScrollArea*>() != nullptr, tall + frame > Area().height()) << tall << " + " << frame;
    EXPECT_EQ(tall + kDesktopFrame > Area().height(), row.scrollsOnTheDesktop) << tall;
    if (&window != &Start1Window::Get()) window.close();
  }
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
    EXPECT_EQ(window.findChild<QScrollArea*>(), nullptr) << "its own panel scrolls, in no scroll area";

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
