#pragma once
// The keyboard and the mouse wheel in a window as a user meets them: where
// Tab goes, which button Return presses from where, and what the wheel and
// Tab do to a scrolling panel.

#include <QApplication>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/windows/WindowTestSupport.h"

namespace wintest {

// The window of class W from its getter, shown and made the active window.
template <class W>
fw::Window& Opened() {
  W& window = W::Get();
  test::Activate(window);
  return window;
}

// A window and its Tab order, from the field that has the cursor when it opens.
struct TabCase {
  const char* name;
  fw::Window& (*open)();
  std::vector<std::string> order;
};
inline void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }
class TabOrder : public WindowTest, public ::testing::WithParamInterface<TabCase> {};

// A window and where Return goes: the focused control, the button pressed.
struct ReturnCase {
  const char* name;
  fw::Window& (*open)();
  std::vector<std::pair<const char*, const char*>> rows;
};
inline void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }
class ReturnKey : public WindowTest, public ::testing::WithParamInterface<ReturnCase> {};

// A table's rows named by their windows.
struct ByName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

// A window as it opens (with the cursor in `order`'s first field): Tab walks
// `order` and round to its start, Backtab the same way back.
inline void ExpectTabOrder(fw::Window& window, const std::vector<std::string>& order) {
  ASSERT_NE(QApplication::focusWidget(), nullptr) << window.Title();
  EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), order.front()) << window.Title();
  std::vector<std::string> forward(order.begin() + 1, order.end());
  forward.push_back(order.front());
  EXPECT_EQ(test::WalkFocus(static_cast<int>(order.size()), Qt::Key_Tab), forward) << window.Title();
  EXPECT_EQ(test::WalkFocus(static_cast<int>(order.size()), Qt::Key_Backtab),
            std::vector<std::string>(order.rbegin(), order.rend()))
      << window.Title();
}

// Return with the focus on each control presses exactly the button named
// beside it. Each push button's action is replaced by a note of its name, so
// nothing is calculated.
inline void ExpectReturnPresses(fw::Window& window,
                                const std::vector<std::pair<const char*, const char*>>& rows) {
  auto pressed = std::make_shared<std::vector<std::string>>();
  for (fw::Control* control : window.Controls())
    if (control->GetKind() == fw::Kind::PushButton)
      window.onAction(control->Name(), [pressed, name = control->Name()] { pressed->push_back(name); });
  for (const auto& [control, button] : rows) {
    pressed->clear();
    test::PressReturn(window.control(control));
    EXPECT_EQ(*pressed, std::vector<std::string>{button}) << window.Title() << ": Return on " << control;
  }
}

// The whole control that has the focus lies within the window's height.
inline void ExpectFocusInView(fw::Window& window, const std::string& context) {
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr) << context;
  const int top = focused->mapTo(&window.Client(), QPoint(0, 0)).y();
  EXPECT_GE(top, 0) << context << ": " << focused->objectName().toStdString();
  EXPECT_LE(top + focused->height(), window.Height()) << context << ": " << focused->objectName().toStdString();
}

// A scrolling panel window made `height` high: Tab and Backtab round every
// stop bring each focused control whole into view; the panel's top stays
// minus the bar's value.
inline void ExpectTabKeepsTheFocusInView(fw::Window& window, int height, int stops) {
  test::ResizeClient(window, window.Width(), height);
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    for (int stop = 0; stop < stops; ++stop) {
      const std::string name = test::WalkFocus(1, key).front();
      ExpectFocusInView(window, window.Title() + (key == Qt::Key_Tab ? ", Tab to " : ", Backtab to ") + name);
      EXPECT_EQ(window.control("Rectangle1").Top(), -window.scrollBar("ScrollBar1").Value());
    }
  }
}

// One notch of the wheel, with the pointer at `at`, scrolls the panel three
// lines further down (the desktop's default number of lines).
inline void ExpectANotchScrollsThePanel(fw::Window& window, QPoint at) {
  QApplication::setWheelScrollLines(3);
  fw::ScrollBar& bar = window.scrollBar("ScrollBar1");
  const int before = bar.Value();
  test::TurnWheel(window, at, 1);
  EXPECT_EQ(bar.Value(), before + 60) << window.Title();
  EXPECT_EQ(window.control("Rectangle1").Top(), -bar.Value()) << window.Title();
}

}  // namespace wintest
