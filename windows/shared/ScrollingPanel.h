#pragma once
// The scrolling content panel: every control of the window sits on the
// rectangle `Rectangle1`, taller than the window, and the vertical scroll bar
// `ScrollBar1` at the window's right edge moves it. The window can be made
// taller, up to the panel's height.

#include "framework/Window.h"

namespace shared {

class ScrollingPanel {
 public:
  // Binds `ScrollBar1`'s value-changed event. `panelHeight` is the height of
  // `Rectangle1` in the layout (pixels).
  ScrollingPanel(fw::Window& window, int panelHeight);

  // The panel's top follows the bar: minus its value, redrawn at once.
  void ScrollBar1_ValueChanged();
  // The window's resizing event: the bar spans the window's height less 15,
  // and its maximum is the part of the panel below the window's bottom edge
  // (never below 0: a window taller than the panel does not scroll).
  void Event_Resizing();

 private:
  fw::Window& window_;
  int panelHeight_;
};

}  // namespace shared
