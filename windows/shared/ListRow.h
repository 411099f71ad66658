#pragma once
// How the windows fill their lists: a row added with the text " " (one
// blank), then each cell of that last added row set, column 0 first.

#include <initializer_list>
#include <string>

#include "framework/Controls.h"

namespace shared {

inline void AddListRow(fw::ListBox& list, std::initializer_list<std::string> cells) {
  list.AddRow(" ");
  int column = 0;
  for (const std::string& cell : cells) list.SetCell(list.LastIndex(), column++, cell);
}

}  // namespace shared
