#pragma once
// Where a window opens: inside the available area of its screen (the screen
// less its panels), with its title bar in reach.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace fw {

// A window on the screen: the outer top-left corner of the frame the window
// system draws round it, and its own size without that frame.
struct WindowPlace {
  QPoint frameTopLeft;
  QSize size;
  bool operator==(const WindowPlace&) const = default;
};

// Whether the window with its frame fits the area.
bool FitsInside(const QRect& area, const QMargins& frame, QSize size);

// The place that centres the window with its frame on the area.
QPoint CentredIn(const QRect& area, const QMargins& frame, QSize size);

// The wanted place moved as little as it takes into the area. A window
// taller than the area is made as short as the area, but no shorter than
// `minHeight` (its minimum; its own height when it cannot be resized); what
// still does not fit hangs below the area, never above it, so that the title
// bar stays in reach. The same holds for the width, to the left.
WindowPlace PlaceInside(const QRect& area, const QMargins& frame, WindowPlace wanted, int minHeight);

}  // namespace fw
