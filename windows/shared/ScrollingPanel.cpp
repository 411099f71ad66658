#include "windows/shared/ScrollingPanel.h"

#include <algorithm>

namespace shared {

ScrollingPanel::ScrollingPanel(fw::Window& window, int panelHeight)
    : window_(window), panelHeight_(panelHeight) {
  window_.onValueChanged("ScrollBar1", [this] { ScrollBar1_ValueChanged(); });
}

void ScrollingPanel::ScrollBar1_ValueChanged() {
  const int value = window_.scrollBar("ScrollBar1").Value();
  fw::Rectangle& panel = window_.rectangle("Rectangle1");
  panel.SetTop(-value);
  panel.Refresh(true);
}

void ScrollingPanel::Event_Resizing() {
  fw::ScrollBar& bar = window_.scrollBar("ScrollBar1");
  bar.SetHeight(window_.Height() - 15);
  // Lowering the maximum below the value clamps the value and fires the
  // value-changed event, which moves the panel along.
  bar.SetMaximum(std::max(0, panelHeight_ - window_.Height()));
}

}  // namespace shared
