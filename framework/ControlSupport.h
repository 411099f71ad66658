#pragma once
// What the control classes share in their making: the text conversion and
// the running of a control's callbacks through the error guard.

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

}  // namespace fw::detail
