// Windows built from layout tables: places and sizes, containers, lookup by
// name, window events and the single-instance getter.

// The cache's use in total, which Qt exports for its own tests.
#define Q_TEST_QPIXMAPCACHE
#include <QPixmapCache>
#undef Q_TEST_QPIXMAPCACHE

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Question.h"
#include "framework/TestSupport.h"
#include "tests/framework/TestWindows.h"

namespace {

using fwtest::ControlsWindow;
namespace ui = fw::test;

class Windows : public ::testing::Test {
 protected:
  void TearDown() override {
    fw::CloseAllWindows();
    ui::ProcessEvents();
  }
};

// ------------------------------------------------------------- the layout

TEST_F(Windows, EveryControlStandsAtItsPlaceAndSizeFromTheTable) {
  ControlsWindow window;
  ASSERT_EQ(window.Controls().size(), std::size(fwtest::kControlsLayout));
  for (const fw::ControlSpec& spec : fwtest::kControlsLayout) {
    SCOPED_TRACE(spec.name);
    fw::Control& control = window.control(spec.name);
    EXPECT_EQ(control.Left(), spec.left);
    EXPECT_EQ(control.Top(), spec.top);
    EXPECT_EQ(control.Width(), spec.kind == fw::Kind::Line ? std::max(1, spec.width) : spec.width);
    EXPECT_EQ(control.Height(), spec.kind == fw::Kind::Line ? std::max(1, spec.height) : spec.height);
    EXPECT_EQ(control.GetKind(), spec.kind);
  }
}

TEST_F(Windows, ControlsAreMadeInLayoutOrder) {
  ControlsWindow window;
  for (std::size_t i = 0; i < std::size(fwtest::kControlsLayout); ++i)
    EXPECT_EQ(window.Controls()[i]->Name(), fwtest::kControlsLayout[i].name);
}

TEST_F(Windows, ControlsOnAContainerAreItsChildrenAtRelativePlaces) {
  ControlsWindow window;
  // Result (30, 172) on RoundRectangle1 (20, 165): 10 and 7 inside it.
  QWidget& result = window.staticText("Result").Widget();
  EXPECT_EQ(result.parentWidget(), &window.rectangle("RoundRectangle1").Widget());
  EXPECT_EQ(result.pos(), QPoint(10, 7));
  // Choice1 (60, 90) in GroupBox2 (20, 70).
  EXPECT_EQ(window.radioButton("Choice1").Widget().pos(), QPoint(40, 20));
  EXPECT_EQ(window.scrollBar("ScrollBar1").Widget().parentWidget(), &window.Client());
}

TEST_F(Windows, MovingAContainerCarriesEveryControlOnIt) {
  ControlsWindow window;
  window.rectangle("Rectangle1").SetTop(-50);
  EXPECT_EQ(window.editField("Field").Top(), 40 - 50);
  EXPECT_EQ(window.staticText("Result").Top(), 172 - 50) << "through a second container";
  EXPECT_EQ(window.radioButton("Choice0").Top(), 90 - 50);
  EXPECT_EQ(window.radioButton("Choice0").Left(), 30);
  EXPECT_EQ(window.scrollBar("ScrollBar1").Top(), 0);
  window.rectangle("RoundRectangle1").SetLeft(40);
  EXPECT_EQ(window.staticText("Result").Left(), 50);
  EXPECT_EQ(window.rectangle("RoundRectangle1").Left(), 40);
}

TEST_F(Windows, AControlMovedOnAContainerAwayFromTheCornerKeepsWindowCoordinates) {
  ControlsWindow window;
  // Result sits on RoundRectangle1 at (20, 165), itself on Rectangle1.
  fw::StaticText& result = window.staticText("Result");
  result.SetTop(180);
  result.SetLeft(60);
  EXPECT_EQ(result.Top(), 180);
  EXPECT_EQ(result.Left(), 60);
  EXPECT_EQ(result.Widget().pos(), QPoint(60 - 20, 180 - 165)) << "inside the container";
  // Choice1 in GroupBox2 (20, 70), after its containers have moved.
  window.rectangle("Rectangle1").SetTop(-30);
  fw::RadioButton& choice = window.radioButton("Choice1");
  choice.SetTop(50);
  choice.SetLeft(100);
  EXPECT_EQ(choice.Top(), 50);
  EXPECT_EQ(choice.Left(), 100);
  EXPECT_EQ(choice.Widget().pos(), QPoint(100 - 20, 50 - (70 - 30)));
}

TEST_F(Windows, AFrameMadeAfterItsButtonsLiesBeneathThem) {
  ControlsWindow window;
  ui::Activate(window);
  // GroupBox1 comes after Kelvin and Celsius in the table and covers them.
  QWidget& frame = window.groupBox("GroupBox1").Widget();
  QWidget& celsius = window.radioButton("Celsius").Widget();
  const QPoint inside = celsius.geometry().center();
  EXPECT_EQ(window.rectangle("Rectangle1").Widget().childAt(inside), &celsius);
  EXPECT_TRUE(frame.geometry().contains(inside));
  ui::Click(window.radioButton("Celsius"));
  EXPECT_TRUE(window.radioButton("Celsius").Value());
}

TEST_F(Windows, AMissingNameOrAnotherKindIsAProgrammingError) {
  ControlsWindow window;
  EXPECT_THROW(window.control("Nothing"), std::logic_error);
  EXPECT_THROW(window.staticText("Field"), std::logic_error);
  EXPECT_THROW(window.editField("Title"), std::logic_error);
  EXPECT_THROW(window.onAction("Title", [] {}), std::logic_error);
  EXPECT_THROW(window.onValueChanged("Field", [] {}), std::logic_error);
  EXPECT_TRUE(window.HasControl("Field"));
  EXPECT_FALSE(window.HasControl("field"));
  EXPECT_NO_THROW(window.rectangle("RoundRectangle1"));
}

TEST_F(Windows, ALayoutWithADuplicateNameOrAMissingContainerIsRefused) {
  const fw::ControlSpec twice[] = {
      {fw::Kind::StaticText, "A", "a", 0, 0, 10, 10},
      {fw::Kind::StaticText, "A", "b", 0, 0, 10, 10},
  };
  EXPECT_THROW(fw::Window({.title = "Bad"}, twice), std::logic_error);
  const fw::ControlSpec orphan[] = {{fw::Kind::StaticText, "A", "a", 0, 0, 10, 10, 0, 0, "Nowhere"}};
  EXPECT_THROW(fw::Window({.title = "Bad"}, orphan), std::logic_error);
  const fw::ControlSpec notContainer[] = {
      {fw::Kind::StaticText, "A", "a", 0, 0, 10, 10},
      {fw::Kind::StaticText, "B", "b", 0, 0, 10, 10, 0, 0, "A"},
  };
  EXPECT_THROW(fw::Window({.title = "Bad"}, notContainer), std::logic_error);
  EXPECT_TRUE(fw::OpenWindows().empty()) << "no half-built window stays behind";
}

TEST_F(Windows, BuildingAWindowRunsNoHandler) {
  ControlsWindow window;
  ui::ProcessEvents();
  EXPECT_EQ(window.fieldChanges, 0);
  EXPECT_EQ(window.kelvinActions, 0);
  EXPECT_EQ(window.scrolls, 0);
  EXPECT_EQ(window.resizings, 0);
  EXPECT_TRUE(window.radioButton("Kelvin").Value());
}

// ---------------------------------------------------------- the keyboard


TEST_F(Windows, TabWalksTheFieldsFirstThenTheScreenAndARadioGroupIsOneStop) {
  ControlsWindow window;
  window.listBox("ListBox1").AddRow("H2O");
  window.listBox("ListBox1").AddRow("CO2");
  ui::Activate(window);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Field") << "the first field has the cursor";
  // The disabled field is left out.
  const std::vector<std::string> skipping = {"Kelvin", "Choice0", "calculate", "ListBox1",
                                             "OneValue", "ScrollBar1", "Clear", "Field"};
  EXPECT_EQ(ui::WalkFocus(8, Qt::Key_Tab), skipping);
  // Both fields before the radios above the lower one; then the screen's
  // order; the scroll bar (top 0) after the lists; "clear", made before the
  // lists and standing at the top, last.
  window.editField("Disabled").SetEnabled(true);
  const std::vector<std::string> forward = {"Disabled", "Kelvin",     "Choice0", "calculate", "ListBox1",
                                            "OneValue", "ScrollBar1", "Clear",   "Field"};
  EXPECT_EQ(ui::WalkFocus(9, Qt::Key_Tab), forward);
  const std::vector<std::string> backward = {"Clear",   "ScrollBar1", "OneValue", "ListBox1", "calculate",
                                             "Choice0", "Kelvin",     "Disabled", "Field"};
  EXPECT_EQ(ui::WalkFocus(9, Qt::Key_Backtab), backward);

  // The group's stop is the button that is on.
  window.radioButton("Celsius").SetValue(true);
  window.radioButton("Choice1").SetValue(true);
  EXPECT_EQ(ui::WalkFocus(3, Qt::Key_Tab), (std::vector<std::string>{"Disabled", "Celsius", "Choice1"}));
}

TEST_F(Windows, ReturnPressesTheButtonOfTheStepTheFocusIsIn) {
  ControlsWindow window;
  ui::Activate(window);
  // The roots' group box and one unit radio lead to "clear" here, the rest of
  // the panel to "calculate": the nearest container named decides.
  window.ReturnPresses("calculate", {"Rectangle1"});
  window.ReturnPresses("Clear", {"GroupBox2", "Kelvin"});
  const struct {
    const char* control;
    int calculate, clear;
  } rows[] = {{"Field", 1, 0},   {"Choice0", 0, 1},  {"Choice1", 0, 1},
              {"Kelvin", 0, 1},  {"Celsius", 1, 0},  {"ListBox1", 1, 0}};
  for (const auto& row : rows) {
    window.calculatePresses = window.clearPresses = 0;
    ui::PressReturn(window.control(row.control));
    EXPECT_EQ(window.calculatePresses, row.calculate) << row.control;
    EXPECT_EQ(window.clearPresses, row.clear) << row.control;
  }
  // A step whose button cannot be pressed now does not fall back on the
  // default button.
  window.pushButton("Clear").SetEnabled(false);
  window.calculatePresses = window.clearPresses = 0;
  ui::PressReturn(window.radioButton("Choice0"));
  EXPECT_EQ(window.calculatePresses + window.clearPresses, 0);
  EXPECT_THROW(window.ReturnPresses("Clear", {"NoSuchControl"}), std::logic_error);
  EXPECT_THROW(window.ReturnPresses("Field", {"Kelvin"}), std::logic_error) << "not a push button";
}

// A step whose action is no button: the nearest container or control named
// decides between it and a button's step; an action that throws is reported
// like any handler's error.
TEST_F(Windows, ReturnRunsTheActionOfAStepWithoutAButton) {
  ControlsWindow window;
  ui::Activate(window);
  int runs = 0;
  window.ReturnRuns([&runs] { ++runs; }, {"GroupBox2", "Kelvin"});
  window.ReturnPresses("Clear", {"Choice1"});
  const struct {
    const char* control;
    int runs, calculate, clear;
  } rows[] = {{"Choice0", 1, 0, 0}, {"Kelvin", 1, 0, 0}, {"Choice1", 0, 0, 1}, {"Field", 0, 1, 0}};
  for (const auto& row : rows) {
    runs = window.calculatePresses = window.clearPresses = 0;
    ui::PressReturn(window.control(row.control));
    EXPECT_EQ(runs, row.runs) << row.control;
    EXPECT_EQ(window.calculatePresses, row.calculate) << row.control;
    EXPECT_EQ(window.clearPresses, row.clear) << row.control;
  }
  ui::ErrorCapture errors;
  window.ReturnRuns([] { throw std::runtime_error("step failed"); }, {"Kelvin"});
  ui::PressReturn(window.radioButton("Kelvin"));
  EXPECT_EQ(errors.Messages(), std::vector<std::string>{"step failed"});
  EXPECT_THROW(window.ReturnRuns([] {}, {"NoSuchControl"}), std::logic_error);
}

TEST_F(Windows, ArrowKeysMoveWithinARadioGroupAndTheChoiceWithTheFocus) {
  ControlsWindow window;
  ui::Activate(window);
  fw::RadioButton& kelvin = window.radioButton("Kelvin");
  kelvin.setFocus(Qt::TabFocusReason);
  EXPECT_EQ(ui::WalkFocus(1, Qt::Key_Down), std::vector<std::string>{"Celsius"});
  EXPECT_TRUE(window.radioButton("Celsius").Value());
  EXPECT_FALSE(kelvin.Value());
  EXPECT_EQ(window.celsiusActions, 1) << "as a click would";
  EXPECT_EQ(ui::WalkFocus(1, Qt::Key_Right), std::vector<std::string>{"Kelvin"}) << "round to the first";
  EXPECT_TRUE(kelvin.Value());
  EXPECT_EQ(window.kelvinActions, 1);
  EXPECT_EQ(ui::WalkFocus(1, Qt::Key_Up), std::vector<std::string>{"Celsius"});
  EXPECT_EQ(window.celsiusActions, 2);

  // With none on, the arrows move only the focus; Space then chooses.
  window.radioButton("Choice0").setFocus(Qt::TabFocusReason);
  EXPECT_EQ(ui::WalkFocus(1, Qt::Key_Right), std::vector<std::string>{"Choice1"});
  EXPECT_EQ(ui::WalkFocus(1, Qt::Key_Left), std::vector<std::string>{"Choice0"});
  EXPECT_EQ(window.choiceActions, 0);
  EXPECT_FALSE(window.radioButton("Choice0").Value());
  QTest::keyClick(&window.radioButton("Choice0"), Qt::Key_Space);
  EXPECT_TRUE(window.radioButton("Choice0").Value());
  EXPECT_EQ(window.choiceActions, 1);
}

// ------------------------------------------------------- window properties

TEST_F(Windows, TheClientAreaHasTheLayoutSizeAndTheTitle) {
  const fw::ControlSpec none[] = {{fw::Kind::StaticText, "A", "a", 0, 0, 10, 10}};
  fw::Window fixed({.title = "Fluid", .width = 310, .height = 595}, none);
  ui::Activate(fixed);
  EXPECT_EQ(fixed.Title(), "Fluid");
  EXPECT_EQ(fixed.Width(), 310);
  EXPECT_EQ(fixed.Height(), 595);
  ui::ResizeClient(fixed, 400, 700);
  EXPECT_EQ(fixed.Height(), 595) << "not resizable";
  EXPECT_EQ(fixed.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_FALSE(fixed.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(fixed.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(fixed.windowFlags() & Qt::WindowCloseButtonHint);
}

// The style caches what it draws (list headings, buttons, scroll bars) under
// the cache key of the palette it draws with. Windows opened and closed one
// after another draw with the same palettes, so neither the palettes nor the
// cache grow with the number of windows opened.
TEST_F(Windows, WindowsOpenedOneAfterAnotherShareTheirPalettes) {
  std::set<qint64> keys;
  const auto openAndClose = [&keys] {
    auto* window = new ControlsWindow;
    ui::Activate(*window);
    (void)window->grab();  // draws every control
    keys.insert(window->palette().cacheKey());
    for (const QWidget* control : window->findChildren<QWidget*>()) keys.insert(control->palette().cacheKey());
    window->close();
    ui::ProcessEvents();
  };
  openAndClose();
  const std::size_t firstWindow = keys.size();
  const int cacheUsed = QPixmapCache::totalUsed();
  for (int i = 0; i < 100; ++i) openAndClose();
  EXPECT_EQ(keys.size(), firstWindow);
  EXPECT_LE(QPixmapCache::totalUsed(), cacheUsed);
}

TEST_F(Windows, PlacementTwoCentresTheWindowOnTheScreen) {
  fw::Window centred({.title = "Centred", .width = 460, .height = 590, .placement = fw::Placement::Centred}, {});
  const QPoint middle = QApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((centred.geometry().center() - middle).manhattanLength(), 2);
}

// A window larger than the screen's area (1920 x 1200 less a 2-pixel frame
// all round) keeps its layout, coordinates and all, in a scroll area that
// fills the room; scrolled to its far corner it shows the control there.
TEST_F(Windows, AWindowLargerThanTheScreenScrollsItsLayout) {
  const fw::ControlSpec corner[] = {{fw::Kind::PushButton, "far", "far", 1900, 1450, 80, 25}};
  fw::Window large({.title = "Large", .width = 2000, .height = 1500}, corner);
  ui::Activate(large);
  const QRect area = QApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(area.contains(large.frameGeometry()));
  EXPECT_EQ(large.size(), QSize(1916, 1196));
  EXPECT_EQ(large.Client().size(), QSize(2000, 1500));
  fw::Control& far = large.control("far");
  EXPECT_EQ(QRect(far.Left(), far.Top(), far.Width(), far.Height()), QRect(1900, 1450, 80, 25));

  auto* scroller = large.findChild<QScrollArea*>();
  ASSERT_NE(scroller, nullptr);
  EXPECT_EQ(scroller->focusPolicy(), Qt::NoFocus) << "no stop of its own for the keyboard";
  scroller->horizontalScrollBar()->setValue(scroller->horizontalScrollBar()->maximum());
  scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
  const QRect shown(large.Client().mapFrom(scroller->viewport(), QPoint(0, 0)), scroller->viewport()->size());
  EXPECT_EQ(shown.bottomRight(), QPoint(1999, 1499)) << "the far corner of the layout";
}

// A resizable window whose minimum is taller than the area follows the
// window's width and scrolls the rest of its height.
TEST_F(Windows, AResizableWindowTallerThanTheScreenScrollsBelowItsMinimum) {
  fw::Window tall({.title = "Tall", .width = 600, .height = 1600, .resizable = true, .minWidth = 400,
                   .minHeight = 1500, .maxWidth = 800, .maxHeight = 2000},
                  {});
  ui::Activate(tall);
  EXPECT_TRUE(QApplication::primaryScreen()->availableGeometry().contains(tall.frameGeometry()));
  auto* scroller = tall.findChild<QScrollArea*>();
  ASSERT_NE(scroller, nullptr);
  EXPECT_EQ(tall.Height(), 1500) << "its minimum, in a view 1196 high";
  const int width = tall.Width();
  EXPECT_EQ(width, scroller->viewport()->width());
  tall.resize(tall.width() + 100, tall.height());
  ui::ProcessEvents();
  EXPECT_EQ(tall.Width(), width + 100) << "wider with the window";
  EXPECT_EQ(tall.Height(), 1500);
}

TEST_F(Windows, AResizableWindowKeepsWithinItsLimits) {
  ControlsWindow window;
  ui::Activate(window);
  ui::ResizeClient(window, 420, 300);
  EXPECT_EQ(window.Height(), 300);
  ui::ResizeClient(window, 500, 900);
  EXPECT_EQ(window.Height(), 600);
  EXPECT_EQ(window.Width(), 420);
  ui::ResizeClient(window, 420, 100);
  EXPECT_EQ(window.Height(), 200);
}

TEST_F(Windows, ResizingFiresTheResizingEventWithTheNewHeight) {
  ControlsWindow window;
  ui::Activate(window);
  EXPECT_EQ(window.resizings, 0);
  ui::ResizeClient(window, 420, 250);
  EXPECT_GE(window.resizings, 1);
  EXPECT_EQ(window.scrollBar("ScrollBar1").Height(), 235);
  EXPECT_EQ(window.scrollBar("ScrollBar1").Maximum(), 350);
}

TEST_F(Windows, ATallerWindowClampsTheScrolledPanelThroughTheValueEvent) {
  ControlsWindow window;
  ui::Activate(window);
  window.scrollBar("ScrollBar1").SetValue(200);
  ASSERT_EQ(window.rectangle("Rectangle1").Top(), -200);
  ui::ResizeClient(window, 420, 550);  // maximum becomes 50
  EXPECT_EQ(window.scrollBar("ScrollBar1").Value(), 50);
  EXPECT_EQ(window.rectangle("Rectangle1").Top(), -50);
}

TEST_F(Windows, ActivationFiresOnShowingAndOnEachReturnToTheFront) {
  ControlsWindow& first = *new ControlsWindow();
  ui::Activate(first);
  EXPECT_EQ(first.activations, 1);
  ControlsWindow& second = *new ControlsWindow();
  ui::Activate(second);
  EXPECT_EQ(second.activations, 1);
  ui::Activate(first);
  EXPECT_EQ(first.activations, 2);
  EXPECT_EQ(second.activations, 1);
}

// ----------------------------------------------- single-instance windows

class Start2Like : public fw::Window {
 public:
  static inline int built = 0;
  Start2Like() : fw::Window({.title = "Fluid", .width = 200, .height = 100}, Layout()) { ++built; }
  static fw::Layout Layout() {
    static const fw::ControlSpec layout[] = {
        {fw::Kind::EditField, "H2Onumber", "", 10, 10, 150, 25, 16},
    };
    return layout;
  }
};

class HiddenLike : public fw::Window {
 public:
  HiddenLike() : fw::Window({.title = "Hidden", .width = 100, .height = 50, .visible = false}, {}) {}
};

class Broken : public fw::Window {
 public:
  Broken() : fw::Window({.title = "Broken"}, {}) { throw std::runtime_error("cannot build"); }
};

TEST_F(Windows, TheGetterReturnsTheOpenWindowUntilItIsClosed) {
  Start2Like::built = 0;
  auto& first = fw::GetImplicitWindow<Start2Like>("Start2Like.Start2Like");
  EXPECT_TRUE(first.isVisible()) << "designed visible: shown when built";
  first.editField("H2Onumber").SetText("0.5");
  auto& again = fw::GetImplicitWindow<Start2Like>("Start2Like.Start2Like");
  EXPECT_EQ(&again, &first);
  EXPECT_EQ(again.editField("H2Onumber").Text(), "0.5");
  EXPECT_EQ(Start2Like::built, 1);

  ui::CloseByCloseBox(first);
  EXPECT_EQ(fw::FindImplicitWindow("Start2Like.Start2Like"), nullptr);
  auto& fresh = fw::GetImplicitWindow<Start2Like>("Start2Like.Start2Like");
  EXPECT_EQ(Start2Like::built, 2);
  EXPECT_EQ(fresh.editField("H2Onumber").Text(), "") << "built afresh from its layout";
  EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

TEST_F(Windows, AWindowDesignedHiddenWaitsForShow) {
  auto& hidden = fw::GetImplicitWindow<HiddenLike>("HiddenLike.HiddenLike");
  EXPECT_FALSE(hidden.isVisible());
  hidden.Show();
  EXPECT_TRUE(hidden.isVisible());
}

TEST_F(Windows, ShowBringsBackAMinimisedWindowAndActivatesIt) {
  ControlsWindow& window = *new ControlsWindow();
  ui::Activate(window);
  ControlsWindow& other = *new ControlsWindow();
  ui::Activate(other);
  window.showMinimized();
  ui::ProcessEvents();
  ASSERT_TRUE(window.isMinimized());
  window.Show();
  ui::ProcessEvents();
  EXPECT_FALSE(window.isMinimized());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(QApplication::activeWindow(), &window);
}

TEST_F(Windows, AClosedWindowIsNotFoundEvenBeforeItIsDeleted) {
  auto& window = fw::GetImplicitWindow<Start2Like>("Start2Like.Start2Like");
  window.Show();
  window.close();  // deletion is still queued
  EXPECT_EQ(fw::FindImplicitWindow("Start2Like.Start2Like"), nullptr);
  EXPECT_TRUE(fw::OpenWindows().empty());
  ui::ProcessEvents();
}

TEST_F(Windows, AWindowThatFailsToBuildLeavesNothingBehind) {
  EXPECT_THROW(fw::GetImplicitWindow<Broken>("Broken.Broken"), std::runtime_error);
  EXPECT_EQ(fw::FindImplicitWindow("Broken.Broken"), nullptr);
  EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST_F(Windows, ALookupTextOfAnotherClassIsAProgrammingError) {
  fw::GetImplicitWindow<Start2Like>("Shared.Shared");
  EXPECT_THROW(fw::GetImplicitWindow<HiddenLike>("Shared.Shared"), std::logic_error);
}

TEST_F(Windows, CloseAllWindowsEndsEveryOpenWindow) {
  fw::GetImplicitWindow<Start2Like>("Start2Like.Start2Like");
  fw::GetImplicitWindow<HiddenLike>("HiddenLike.HiddenLike");
  EXPECT_EQ(fw::OpenWindows().size(), 2u);
  fw::CloseAllWindows();
  EXPECT_TRUE(fw::OpenWindows().empty());
  EXPECT_EQ(fw::FindImplicitWindow("Start2Like.Start2Like"), nullptr);
}

// ---------------------------------------------------------- a question

// The answer that a key gives, pressed in the dialog once it shows. A
// dialog that the key leaves open is answered "replace".
bool AnswerByKey(fw::Window& over, Qt::Key key) {
  QTimer::singleShot(0, [key] {
    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    QTest::keyClick(box, key);
    QTimer::singleShot(0, [box] {
      if (box && box->isVisible()) box->buttons().front()->click();
    });
  });
  return fw::Ask(over, "Replace it?", "replace", "cancel");
}

TEST_F(Windows, AQuestionIsAnsweredByItsButtonsAndTheKeysGiveTheSafeAnswer) {
  auto& window = fw::GetImplicitWindow<Start2Like>("Start2Like.Start2Like");
  ui::Activate(window);
  {
    ui::QuestionAnswerer answerer("replace");
    EXPECT_TRUE(fw::Ask(window, "Replace it?", "replace", "cancel"));
    ASSERT_EQ(answerer.Questions().size(), 1u);
    EXPECT_EQ(answerer.Questions()[0].title, window.Title());
  }
  EXPECT_FALSE(AnswerByKey(window, Qt::Key_Return));
  EXPECT_FALSE(AnswerByKey(window, Qt::Key_Escape));
}

}  // namespace
