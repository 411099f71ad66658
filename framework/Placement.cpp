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
  const int roomInside = area.height() - frame.top() - frame.bottom();
  if (wanted.size.height() > roomInside)
    wanted.size.setHeight(std::max(std::min(minHeight, wanted.size.height()), roomInside));
  const QSize outer = WithFrame(wanted.size, frame);
  wanted.frameTopLeft = {Into(wanted.frameTopLeft.x(), outer.width(), area.left(), area.width()),
                         Into(wanted.frameTopLeft.y(), outer.height(), area.top(), area.height())};
  return wanted;
}

}  // namespace fw
