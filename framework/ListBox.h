#pragma once
// The list box: rows of cells under optional headings, filled by the program
// and edited in place by the user, each cell drawn fitted to its column.

#include <QTableWidget>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/Control.h"

namespace fw {

class CellEditorDelegate;

class ListBox : public QTableWidget, public Control {
 public:
  ListBox(QWidget* parent, const std::string& name);

  int ColumnCount() const { return columnCount(); }
  // New columns start with empty headings.
  void SetColumnCount(int count);
  // Widths in percent of the list's inner width: "50%, 50%" or "40% 60%";
  // plain numbers are pixels. The last column takes what is left.
  void SetColumnWidths(const std::string& widths);
  void SetHeadingVisible(bool visible);
  std::string Heading(int column) const;
  void SetHeading(int column, const std::string& text);
  void SetGridVertical(bool on);
  bool GridVertical() const { return gridVertical_; }
  void SetScrollBarsAllowed(bool allowed);

  int RowCount() const { return rowCount(); }
  // Adds a row with the text in column 0; it becomes the last index.
  void AddRow(const std::string& text);
  // Adds a row with its cells' texts, from column 0 on; it becomes the last
  // index. Columns beyond the texts stay without a cell; more texts than
  // columns throw std::out_of_range and add nothing.
  void AddRow(std::initializer_list<std::string> cells);
  // Adds the rows, each as AddRow adds it, the table grown once for all of
  // them; the last becomes the last index.
  void AddRows(const std::vector<std::vector<std::string>>& rows);
  void DeleteAllRows();
  int LastIndex() const { return lastIndex_; }  // -1 when no row was added

  // Cells outside the rows and columns throw std::out_of_range.
  std::string Cell(int row, int column) const;
  // The cell as drawn, shortened as a label is to the room the style leaves
  // for text in the cell (its tooltip shows it whole); Cell() stays the full
  // text.
  std::string ShownCell(int row, int column) const;
  void SetCell(int row, int column, const std::string& text);  // no event
  bool CellEditable(int row, int column) const;
  void SetCellEditable(int row, int column, bool editable = true);
  // Opens the in-place editor on an editable cell.
  void EditCell(int row, int column);

  // The cell the user chose: the current cell, when its row is selected.
  bool HasSelectedCell() const;
  // Puts the full text of the chosen cell on the clipboard, if there is one;
  // Ctrl+C does the same as the Edit menu's Copy.
  void Copy() const;

  void SetCellClickHandler(CellHandler handler) { cellClick_ = std::move(handler); }
  // Runs after every change the user makes in the in-place editor, with the
  // cell already holding the new text; never for the program's own writes.
  void SetCellTextChangeHandler(CellHandler handler) { cellTextChange_ = std::move(handler); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  friend class CellEditorDelegate;
  void CheckCell(int row, int column) const;
  // A row of `count` cells fits the columns, or std::out_of_range.
  void CheckColumns(std::size_t count) const;
  // A new cell in a row that has none there yet.
  void NewCell(int row, int column, const std::string& text);
  void FitColumns();
  void UserEditedCell(int row, int column, const QString& text);

  CellEditorDelegate* delegate_ = nullptr;
  std::vector<double> widthSpecs_;  // > 0 percent, < 0 minus pixels
  int lastIndex_ = -1;
  bool gridVertical_ = false;
  CellHandler cellClick_;
  CellHandler cellTextChange_;
};

}  // namespace fw
