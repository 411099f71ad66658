#pragma once
// How the windows fill their lists: a row added with the texts of its
// cells, column 0 first.

#include <initializer_list>
#include <string>

#include "framework/Controls.h"

namespace shared {

inline void AddListRow(fw::ListBox& list, std::initializer_list<std::string> cells) { list.AddRow(cells); }

}  // namespace shared
