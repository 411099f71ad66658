#pragma once
// What the control classes share in their making: the text conversion, the
// running of a control's callbacks through the error guard, and the copy key.

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>
#include <string>

#include "framework/Control.h"
#include "framework/ErrorReport.h"

namespace fw::detail {

inline QString ToQ(const std::string& text) { return QString::fromStdString(text); }

inline void Fire(const Handler& handler) {
  if (handler) RunGuarded(handler);
}

inline void Fire(const CellHandler& handler, int row, int column) {
  if (handler) RunGuarded([&] { handler(row, column); });
}

// Ctrl+C on a control that shows text to copy runs `copy`, as the Edit
// menu's Copy does; whether the key was Ctrl+C.
template <class Copy>
bool TakeCopyKey(QKeyEvent* event, const Copy& copy) {
  if (!event->matches(QKeySequence::Copy)) return false;
  copy();
  event->accept();
  return true;
}

}  // namespace fw::detail
