#include "windows/phase_behaviour/PhaseLists.h"

#include <optional>

#include "runtime/Runtime.h"
#include "windows/shared/FiniteNumber.h"

namespace phase {

void AddGasRow(fw::ListBox& list, int gas, double value) {
  list.AddRow({Globals::GasNames[gas], shared::FiniteText(value)});
}

PhaseLists::PhaseLists(fw::Window& window) : window_(window) {
  window_.onCellClick("ListBoxPhaseX", [this](int row, int column) { ListBoxPhaseX_CellClick(row, column); });
  window_.onCellTextChange("ListBoxPhaseX",
                           [this](int row, int column) { ListBoxPhaseX_CellTextChange(row, column); });
  window_.onCellClick("ListBoxPhaseY", [this](int row, int column) { ListBoxPhaseY_CellClick(row, column); });
  window_.onCellTextChange("ListBoxPhaseY",
                           [this](int row, int column) { ListBoxPhaseY_CellTextChange(row, column); });
}

void PhaseLists::Fill() {
  fw::ListBox& listX = window_.listBox("ListBoxPhaseX");
  fw::ListBox& listY = window_.listBox("ListBoxPhaseY");
  listX.DeleteAllRows();
  listY.DeleteAllRows();
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (Globals::fraction[i] != 0.0) {
      AddGasRow(listX, i, Globals::xgas[i]);
      AddGasRow(listY, i, Globals::ygas[i]);
    }
    rt::RuntimeBackgroundTask();
  }
}

bool PhaseLists::ShowFiniteNumbers() const {
  for (const char* name : {"ListBoxPhaseX", "ListBoxPhaseY"}) {
    fw::ListBox& list = window_.listBox(name);
    for (int row = 0; row < list.RowCount(); ++row)
      if (!shared::FiniteEntry(list.Cell(row, 1))) return false;
  }
  return true;
}

void PhaseLists::Clear() {
  window_.listBox("ListBoxPhaseX").DeleteAllRows();
  window_.listBox("ListBoxPhaseY").DeleteAllRows();
}

void PhaseLists::ListBoxPhaseX_CellClick(int row, int /*column*/) {
  OpenValueCell(window_.listBox("ListBoxPhaseX"), row);
}

void PhaseLists::ListBoxPhaseY_CellClick(int row, int /*column*/) {
  OpenValueCell(window_.listBox("ListBoxPhaseY"), row);
}

void PhaseLists::ListBoxPhaseX_CellTextChange(int row, int /*column*/) {
  StoreEdit(window_.listBox("ListBoxPhaseX"), row, Globals::xgas);
}

void PhaseLists::ListBoxPhaseY_CellTextChange(int row, int /*column*/) {
  StoreEdit(window_.listBox("ListBoxPhaseY"), row, Globals::ygas);
}

// Whatever column was clicked, the value cell of that row opens.
void PhaseLists::OpenValueCell(fw::ListBox& list, int row) {
  if (row < 0 || row >= list.RowCount()) return;
  list.SetCellEditable(row, 1);
  list.EditCell(row, 1);
}

// The gas of a row is found again by its name. An edit that arrives for a row
// the list no longer has (emptied or refilled meanwhile) stores nothing, nor
// does a text that reads as no finite number.
void PhaseLists::StoreEdit(fw::ListBox& list, int row, Globals::Composition& phase) {
  if (row < 0 || row >= list.RowCount()) return;
  const std::optional<double> value = shared::FiniteEntry(list.Cell(row, 1));
  if (!value) return;
  const std::string name = list.Cell(row, 0);
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (name == Globals::GasNames[i]) {
      phase[i] = *value;
      return;
    }
  }
}

}  // namespace phase
