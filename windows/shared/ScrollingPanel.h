#pragma once
// The scrolling content panel: every control of the window sits on the
// rectangle `Rectangle1`, taller than the window, and the vertical scroll bar
// `ScrollBar1` at the window's right edge moves it. The window can be made
// taller, up to the panel's height.

#include <QObject>
#include <initializer_list>
#include <vector>

#include "framework/Window.h"

namespace shared {

class ScrollingPanel : public QObject {
 public:
  // Binds `ScrollBar1`'s value-changed event and watches the mouse wheel and
  // the keyboard focus on the panel; the panel's height is that of
  // `Rectangle1` as the layout made it. The bar is fitted to the window's
  // height as it opens, which may be less than designed on a small screen.
  explicit ScrollingPanel(fw::Window& window);

  // The layout table of a window on the panel: the panel, as wide as the
  // window less the bar and `panelHeight` tall, first, so that the content
  // can sit on it; then the content; then the bar along the window's right
  // edge as designed, its maximum the part of the panel below the window's
  // bottom edge and a page the window's height.
  static std::vector<fw::ControlSpec> Layout(const fw::WindowSpec& window, int panelHeight,
                                             std::initializer_list<fw::LayoutPart> content);

  // The panel's top follows the bar: minus its value, redrawn at once.
  void ScrollBar1_ValueChanged();
  // The window's resizing event: the bar spans the window's height less 15,
  // and its maximum is the part of the panel below the window's bottom edge
  // (never below 0: a window taller than the panel does not scroll).
  void Event_Resizing();

  // What one notch of the mouse wheel scrolls, as the desktop sets it in
  // lines (three by default), each of this many pixels.
  static constexpr int kWheelLinePixels = 20;

 protected:
  // The wheel over the panel or the bar scrolls by lines of text, not by the
  // bar's one-pixel arrow step; a control that takes the focus from the
  // keyboard is brought into view.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Wheel(int angle);
  void BringIntoView(const QWidget& widget);

  fw::Window& window_;
  QWidget& panel_;  // Rectangle1
  QWidget& bar_;    // ScrollBar1
  int wheelRest_ = 0;  // a part of a notch not yet scrolled (a fine wheel)
};

}  // namespace shared
