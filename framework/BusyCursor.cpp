#include "framework/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace fw {

BusyCursor::BusyCursor(std::chrono::milliseconds delay) : start_(Clock::now()), delay_(delay) {}

BusyCursor::~BusyCursor() {
  if (shown_) QGuiApplication::restoreOverrideCursor();
}

void BusyCursor::Poll() {
  if (shown_ || Clock::now() - start_ < delay_) return;
  // The platform sends the new cursor to the display at once; nothing waits
  // for the event loop.
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  shown_ = true;
}

}  // namespace fw
