#include "framework/ListBox.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <stdexcept>

#include "framework/ControlSupport.h"
#include "framework/NumberText.h"
#include "framework/TextFitter.h"

namespace fw {

using detail::Fire;
using detail::ToQ;

// Opens a line editor on a cell; every keystroke in it reaches the list as a
// user edit. Also draws the vertical grid lines.
class CellEditorDelegate : public QStyledItemDelegate {
 public:
  explicit CellEditorDelegate(ListBox& list) : QStyledItemDelegate(&list), list_(list) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* field = qobject_cast<QLineEdit*>(editor)) {
      const QPersistentModelIndex cell(index);
      connect(field, &QLineEdit::textEdited, &list_, [this, cell](const QString& text) {
        if (cell.isValid()) list_.UserEditedCell(cell.row(), cell.column(), text);
      });
    }
    return editor;
  }

  // Return ends the edit at once. Qt's own handling only queues the commit
  // for the next turn of the event loop; a click or a switch of windows that
  // arrives with the Return (the program busy meanwhile) closes the editor
  // first, and the queued commit then reaches an editor the list no longer
  // has. The key goes no further: it presses no button of the window.
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    // The list writes each keystroke into its cell; handing that text back
    // to the editor would move its cursor to the end.
    auto* field = qobject_cast<QLineEdit*>(editor);
    if (field && field->text() == index.data(Qt::EditRole).toString()) return;
    QStyledItemDelegate::setEditorData(editor, index);
  }

  // The option of a cell with its text fitted into the cell as a label's
  // text is into its box.
  QStyleOptionViewItem Fitted(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const qreal room = TextRoom(cell);
    const auto fits = [room](const QFont& font, const QString& text) { return Advance(font, text) <= room; };
    const NumberText text(cell.text);
    QString form;
    bool fitted = false;
    cell.font = TextFitter::Widest(cell.font, [&](const QFont& font) {
      form = FormIn(text, font, fits, fitted);
      return fitted;
    });
    cell.fontMetrics = QFontMetrics(cell.font);
    cell.text = FormShown(text, cell.font, fits, form, fitted);
    return cell;
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QStyleOptionViewItem cell = Fitted(option, index);
    const QWidget* widget = cell.widget;
    (widget ? widget->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (!list_.GridVertical() || index.column() >= list_.columnCount() - 1) return;
    painter->save();
    painter->setPen(QColor(0xc0, 0xc0, 0xc0));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
  }

 private:
  // The width the style draws a cell's text in, beyond which it elides it:
  // the text rectangle less the style's margins on either side, the part
  // under the scroll bar and the grid line on the cell's right.
  qreal TextRoom(const QStyleOptionViewItem& cell) const {
    const QWidget* widget = cell.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    const int right = std::min(text.right(), list_.viewport()->rect().right());
    const int grid = list_.GridVertical() && cell.index.column() + 1 < list_.columnCount() ? 1 : 0;
    return right - text.left() + 1 - 2 * margin - grid;
  }

  // A shortened cell shows its full text as its tooltip.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event && event->type() == QEvent::ToolTip && index.isValid()) {
      const QString full = index.data(Qt::DisplayRole).toString();
      if (Fitted(option, index).text != full) {
        QToolTip::showText(event->globalPos(), full, view, view->visualRect(index));
        return true;
      }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  }

 private:
  ListBox& list_;
};

ListBox::ListBox(QWidget* parent, const std::string& name)
    : QTableWidget(parent), Control(*this, Kind::ListBox, name) {
  SetColumnCount(1);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);  // editors open from code only
  setTabKeyNavigation(false);  // Tab leaves the list: one stop of the window's tab order
  setShowGrid(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  delegate_ = new CellEditorDelegate(*this);
  setItemDelegate(delegate_);
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
    Fire(cellClick_, row, column);
  });
}

void ListBox::SetColumnCount(int count) {
  setColumnCount(std::max(1, count));
  // Without a heading item Qt would number the columns.
  for (int column = 0; column < columnCount(); ++column)
    if (!horizontalHeaderItem(column)) setHorizontalHeaderItem(column, new QTableWidgetItem());
  FitColumns();
}

void ListBox::SetColumnWidths(const std::string& widths) {
  widthSpecs_.clear();
  const QStringList parts = ToQ(widths).split(QRegularExpression(QStringLiteral("[,\\s]+")),
                                              Qt::SkipEmptyParts);
  for (const QString& part : parts) {
    const bool percent = part.endsWith(QChar('%'));
    const double number = (percent ? part.chopped(1) : part).toDouble();
    widthSpecs_.push_back(percent ? number : -number);
  }
  FitColumns();
}

void ListBox::FitColumns() {
  const int inner = viewport()->width();
  const int count = columnCount();
  int used = 0;
  for (int column = 0; column + 1 < count; ++column) {
    double width = inner / double(count);  // equal shares when not given
    if (column < int(widthSpecs_.size()))
      width = widthSpecs_[column] >= 0 ? inner * widthSpecs_[column] / 100.0 : -widthSpecs_[column];
    setColumnWidth(column, int(width + 0.5));
    used += columnWidth(column);
  }
  // The last column takes the rest, also when a scroll bar narrows the view.
  setColumnWidth(count - 1, std::max(0, inner - used));
}

void ListBox::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  FitColumns();
}

bool ListBox::viewportEvent(QEvent* event) {
  const bool handled = QTableWidget::viewportEvent(event);
  if (event->type() == QEvent::Resize) FitColumns();  // a scroll bar came or went
  return handled;
}

void ListBox::changeEvent(QEvent* event) {
  QTableWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setFont(font());
  }
}

void ListBox::SetHeadingVisible(bool visible) {
  horizontalHeader()->setVisible(visible);
  FitColumns();
}

std::string ListBox::Heading(int column) const {
  const QTableWidgetItem* item = horizontalHeaderItem(column);
  return item ? item->text().toStdString() : std::string();
}

void ListBox::SetHeading(int column, const std::string& text) {
  if (column < 0 || column >= columnCount())
    throw std::out_of_range("list box " + Name() + ": no column " + std::to_string(column));
  setHorizontalHeaderItem(column, new QTableWidgetItem(ToQ(text)));
}

void ListBox::SetGridVertical(bool on) {
  gridVertical_ = on;
  viewport()->update();
}

void ListBox::SetScrollBarsAllowed(bool allowed) {
  setVerticalScrollBarPolicy(allowed ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void ListBox::AddRow(const std::string& text) {
  const int row = rowCount();
  insertRow(row);
  lastIndex_ = row;
  SetCell(row, 0, text);
}

void ListBox::AddRow(std::initializer_list<std::string> cells) {
  CheckColumns(cells.size());
  const int row = rowCount();
  insertRow(row);
  lastIndex_ = row;
  int column = 0;
  for (const std::string& text : cells) NewCell(row, column++, text);
}

void ListBox::AddRows(const std::vector<std::vector<std::string>>& rows) {
  if (rows.empty()) return;
  for (const std::vector<std::string>& cells : rows) CheckColumns(cells.size());
  const int first = rowCount();
  setRowCount(first + static_cast<int>(rows.size()));
  lastIndex_ = rowCount() - 1;
  for (int row = first; const std::vector<std::string>& cells : rows) {
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) NewCell(row, column, cells[column]);
    ++row;
  }
}

void ListBox::DeleteAllRows() {
  setRowCount(0);
  lastIndex_ = -1;
}

void ListBox::CheckCell(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
    throw std::out_of_range("list box " + Name() + ": no cell (" + std::to_string(row) + ", " +
                            std::to_string(column) + ")");
}

void ListBox::CheckColumns(std::size_t count) const {
  if (count > static_cast<std::size_t>(columnCount()))
    throw std::out_of_range("list box " + Name() + ": a row of " + std::to_string(count) + " cells in " +
                            std::to_string(columnCount()) + " columns");
}

std::string ListBox::Cell(int row, int column) const {
  CheckCell(row, column);
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text().toStdString() : std::string();
}

std::string ListBox::ShownCell(int row, int column) const {
  CheckCell(row, column);
  const QModelIndex index = model()->index(row, column);
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  return delegate_->Fitted(option, index).text.toStdString();
}

void ListBox::SetCell(int row, int column, const std::string& text) {
  CheckCell(row, column);
  if (QTableWidgetItem* cell = item(row, column)) {
    cell->setText(ToQ(text));
    return;
  }
  NewCell(row, column, text);
}

void ListBox::NewCell(int row, int column, const std::string& text) {
  auto* cell = new QTableWidgetItem(ToQ(text));
  cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  setItem(row, column, cell);
}

bool ListBox::CellEditable(int row, int column) const {
  CheckCell(row, column);
  const QTableWidgetItem* cell = item(row, column);
  return cell && (cell->flags() & Qt::ItemIsEditable);
}

void ListBox::SetCellEditable(int row, int column, bool editable) {
  CheckCell(row, column);
  if (!item(row, column)) SetCell(row, column, "");
  QTableWidgetItem* cell = item(row, column);
  cell->setFlags(editable ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable);
}

void ListBox::EditCell(int row, int column) {
  if (!CellEditable(row, column)) return;
  setCurrentCell(row, column);
  edit(model()->index(row, column));
}

bool ListBox::HasSelectedCell() const {
  const QModelIndex current = currentIndex();
  return current.isValid() && selectionModel()->isSelected(current);
}

void ListBox::Copy() const {
  if (HasSelectedCell()) QApplication::clipboard()->setText(currentItem() ? currentItem()->text() : QString());
}

void ListBox::keyPressEvent(QKeyEvent* event) {
  // The view's own copy takes the current cell also when nothing is selected.
  if (!detail::TakeCopyKey(event, [this] { Copy(); })) QTableWidget::keyPressEvent(event);
}

void ListBox::UserEditedCell(int row, int column, const QString& text) {
  if (row >= rowCount() || column >= columnCount()) return;
  item(row, column)->setText(text);  // the handler reads the cell
  Fire(cellTextChange_, row, column);
}

}  // namespace fw
