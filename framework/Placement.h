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

// The room the area leaves a window inside its frame.
QSize RoomInside(const QRect& area, const QMargins& frame);

// The size of a window whose content, `content` big below a menu bar
// `menuHeight` tall, scrolls because the window cannot be made small enough
// for the room: what content and menu bar take, cut to the room, with a
// scroll bar `bar` wide along each side that is cut (which may cut the other
// side in turn).
QSize ScrolledSize(QSize room, QSize content, int menuHeight, int bar);

}  // namespace fw
