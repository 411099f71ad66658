#include "framework/Placement.h"

#include <algorithm>

namespace fw {

namespace {

QSize WithFrame(QSize size, const QMargins& frame) {
  return {size.width() + frame.left() + frame.right(), size.height() + frame.top() + frame.bottom()};
}

// The start of a span of `length` moved into [first, first + room): its end
// first, then its start, so that a span longer than the room starts at
// `first`.
int Into(int start, int length, int first, int room) {
  return std::max(first, std::min(start, first + room - length));
}

}  // namespace

bool FitsInside(const QRect& area, const QMargins& frame, QSize size) {
  const QSize outer = WithFrame(size, frame);
  return outer.width() <= area.width() && outer.height() <= area.height();
}

QPoint CentredIn(const QRect& area, const QMargins& frame, QSize size) {
  const QSize outer = WithFrame(size, frame);
  return {area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2};
}

WindowPlace PlaceInside(const QRect& area, const QMargins& frame, WindowPlace wanted, int minHeight) {
  const int roomInside = RoomInside(area, frame).height();
  if (wanted.size.height() > roomInside)
    wanted.size.setHeight(std::max(std::min(minHeight, wanted.size.height()), roomInside));
  const QSize outer = WithFrame(wanted.size, frame);
  wanted.frameTopLeft = {Into(wanted.frameTopLeft.x(), outer.width(), area.left(), area.width()),
                         Into(wanted.frameTopLeft.y(), outer.height(), area.top(), area.height())};
  return wanted;
}

QSize RoomInside(const QRect& area, const QMargins& frame) {
  return {area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom()};
}

QSize ScrolledSize(QSize room, QSize content, int menuHeight, int bar) {
  QSize needed(content.width(), content.height() + menuHeight);
  bool vertical = false;
  bool horizontal = false;
  // The second pass sees the room that the first bar took.
  for (int pass = 0; pass < 2; ++pass) {
    if (!vertical && needed.height() > room.height()) {
      vertical = true;
      needed.rwidth() += bar;
    }
    if (!horizontal && needed.width() > room.width()) {
      horizontal = true;
      needed.rheight() += bar;
    }
  }
  return needed.boundedTo(room);
}

}  // namespace fw
