#pragma once
// The first-approach lists of the two-phase windows: `ListBoxPhaseX` shows
// Globals::xgas and `ListBoxPhaseY` Globals::ygas, one row per gas of the
// fluid (gas name, value). The user may overwrite any value: a click opens
// the value cell of its row, and every keystroke stores the cell's number
// into the phase's element of that gas, when it is a finite number. The
// program's own writes into the cells store nothing.

#include "engine/Globals.h"
#include "framework/Window.h"

namespace phase {

// A per-gas row: the gas name and the value's text (empty for a value that
// is not finite).
void AddGasRow(fw::ListBox& list, int gas, double value);

class PhaseLists {
 public:
  // Binds the cell-click and cell-text-change events of both lists.
  explicit PhaseLists(fw::Window& window);

  // Both lists rebuilt from Globals::xgas and Globals::ygas, one row per gas
  // whose bulk fraction is not 0 (a negative one included).
  void Fill();
  // Both lists without rows; the phases keep their values.
  void Clear();
  // Whether every value cell of both lists reads as a finite number (as
  // typed, or as the fill wrote it).
  bool ShowFiniteNumbers() const;

  void ListBoxPhaseX_CellClick(int row, int column);
  void ListBoxPhaseX_CellTextChange(int row, int column);
  void ListBoxPhaseY_CellClick(int row, int column);
  void ListBoxPhaseY_CellTextChange(int row, int column);

 private:
  void OpenValueCell(fw::ListBox& list, int row);
  void StoreEdit(fw::ListBox& list, int row, Globals::Composition& phase);

  fw::Window& window_;
};

}  // namespace phase
