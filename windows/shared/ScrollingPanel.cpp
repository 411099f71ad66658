#include "windows/shared/ScrollingPanel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWheelEvent>
#include <algorithm>

namespace shared {

namespace {

// Room kept between a control brought into view and the window's edge.
constexpr int kViewMargin = 10;
// The angle of one notch of a mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;

// The width of the bar.
constexpr int kBarWidth = 15;

}  // namespace

std::vector<fw::ControlSpec> ScrollingPanel::Layout(const fw::WindowSpec& window, int panelHeight,
                                                    std::initializer_list<fw::LayoutPart> content) {
  const int panelWidth = window.width - kBarWidth;
  std::vector<fw::ControlSpec> table = fw::JoinLayout(content);
  table.insert(table.begin(), {.kind = fw::Kind::Rectangle, .name = "Rectangle1", .width = panelWidth,
                               .height = panelHeight, .flags = fw::NoBorder});
  table.push_back({.kind = fw::Kind::ScrollBar, .name = "ScrollBar1", .left = panelWidth,
                   .width = kBarWidth, .height = window.height - kBarWidth,
                   .maximum = panelHeight - window.height, .lineStep = 1, .pageStep = window.height});
  return table;
}

ScrollingPanel::ScrollingPanel(fw::Window& window)
    : window_(window),
      panel_(window.rectangle("Rectangle1").Widget()),
      bar_(window.scrollBar("ScrollBar1").Widget()) {
  window_.onValueChanged("ScrollBar1", [this] { ScrollBar1_ValueChanged(); });
  panel_.installEventFilter(this);
  bar_.installEventFilter(this);
  for (fw::Control* control : window_.Controls())
    if (panel_.isAncestorOf(&control->Widget())) control->Widget().installEventFilter(this);
  // The window may have opened shorter than designed, to fit the screen.
  Event_Resizing();
}

void ScrollingPanel::ScrollBar1_ValueChanged() {
  const int value = window_.scrollBar("ScrollBar1").Value();
  fw::Rectangle& panel = window_.rectangle("Rectangle1");
  panel.SetTop(-value);
  panel.Refresh(true);
}

void ScrollingPanel::Event_Resizing() {
  fw::ScrollBar& bar = window_.scrollBar("ScrollBar1");
  bar.SetHeight(window_.Height() - kBarWidth);
  // Lowering the maximum below the value clamps the value and fires the
  // value-changed event, which moves the panel along.
  bar.SetMaximum(std::max(0, panel_.height() - window_.Height()));
}

bool ScrollingPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && (watched == &panel_ || watched == &bar_)) {
    // Over the panel the wheel arrives here when the control beneath the
    // pointer did not use it (a list that can scroll uses it first).
    const int angle = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (angle == 0) return false;
    Wheel(angle);
    return true;
  }
  if (event->type() == QEvent::FocusIn && watched != &panel_ && watched != &bar_) {
    // Only a move of the keyboard's: a click lands on a control in view, and
    // a window coming back to the front keeps the panel where it was.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
      BringIntoView(*static_cast<QWidget*>(watched));
  }
  return QObject::eventFilter(watched, event);
}

void ScrollingPanel::Wheel(int angle) {
  // Turning the wheel away from the user scrolls towards the panel's top.
  wheelRest_ -= angle * QApplication::wheelScrollLines() * kWheelLinePixels;
  const int pixels = wheelRest_ / kNotch;
  wheelRest_ -= pixels * kNotch;
  fw::ScrollBar& bar = window_.scrollBar("ScrollBar1");
  bar.SetValue(bar.Value() + pixels);  // within the bar's range
}

void ScrollingPanel::BringIntoView(const QWidget& widget) {
  const int top = widget.mapTo(&window_.Client(), QPoint(0, 0)).y();
  const int bottom = top + widget.height();
  int shift = 0;
  if (bottom > window_.Height() - kViewMargin) shift = bottom - (window_.Height() - kViewMargin);
  // The top stays in view also when the control is taller than the window.
  if (top - shift < kViewMargin) shift = top - kViewMargin;
  if (shift == 0) return;
  fw::ScrollBar& bar = window_.scrollBar("ScrollBar1");
  bar.SetValue(bar.Value() + shift);
}

}  // namespace shared
