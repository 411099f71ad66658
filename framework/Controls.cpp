#include "framework/Controls.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QHeaderView>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "framework/ErrorReport.h"
#include "framework/Picture.h"

namespace fw {

namespace {

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

void Fire(const Handler& handler) {
  if (handler) RunGuarded(handler);
}

void Fire(const CellHandler& handler, int row, int column) {
  if (handler) RunGuarded([&] { handler(row, column); });
}

// The narrowest stretch a text is condensed to.
constexpr int kNarrowestStretch = 75;

using TextFits = std::function<bool(const QFont&, const QString&)>;

// The form of the text a face shows: a number rounded to the most digits
// that fit, any other text whole; `fitted` tells whether that fits. Tried
// face by face, widest first, a number is rounded before it is condensed and
// a caption condensed before its numbers are rounded.
QString FormIn(const NumberText& text, const QFont& font, const TextFits& fits, bool& fitted) {
  if (text.IsNumber()) return text.Fitting([&](const QString& form) { return fits(font, form); }, &fitted);
  fitted = fits(font, text.Full());
  return text.Full();
}

// The form shown in the face a fitter chose, given the form FormIn found
// there: a caption too wide even in the narrowest face has its numbers
// rounded.
QString FormShown(const NumberText& text, const QFont& font, const TextFits& fits, const QString& form, bool fitted) {
  if (fitted || text.IsNumber()) return form;
  return text.Fitting([&](const QString& candidate) { return fits(font, candidate); });
}

// Widths to the fraction of a pixel, as text is laid out when drawn.
qreal Advance(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }

}  // namespace

// ----------------------------------------------------------------- Control

Control::Control(QWidget& widget, Kind kind, std::string name)
    : widget_(widget), kind_(kind), name_(std::move(name)) {
  widget_.setObjectName(ToQ(name_));
}

QPoint Control::ParentOrigin() const {
  QWidget* parent = widget_.parentWidget();
  if (!parent || !client_ || parent == client_) return {0, 0};
  return parent->mapTo(client_, QPoint(0, 0));
}

int Control::Left() const { return ParentOrigin().x() + widget_.x(); }
int Control::Top() const { return ParentOrigin().y() + widget_.y(); }
int Control::Width() const { return widget_.width(); }
int Control::Height() const { return widget_.height(); }

void Control::SetLeft(int left) { widget_.move(left - ParentOrigin().x(), widget_.y()); }
void Control::SetTop(int top) { widget_.move(widget_.x(), top - ParentOrigin().y()); }
void Control::SetWidth(int width) { widget_.resize(width, widget_.height()); }
void Control::SetHeight(int height) { widget_.resize(widget_.width(), height); }

bool Control::Visible() const { return !widget_.isHidden(); }
void Control::SetVisible(bool visible) { widget_.setVisible(visible); }
bool Control::Enabled() const { return widget_.isEnabled(); }
void Control::SetEnabled(bool enabled) { widget_.setEnabled(enabled); }

void Control::Refresh(bool eraseBackground) {
  // repaint() redraws at once, background first; update() lets Qt redraw at
  // its next paint, together with other changes.
  if (eraseBackground)
    widget_.repaint();
  else
    widget_.update();
}

// ------------------------------------------------------------- TextFitter

TextFitter::TextFitter(QWidget& widget, Fits fits, std::function<void()> refitted)
    : widget_(widget), fits_(std::move(fits)), refitted_(std::move(refitted)), designed_(widget.font()) {
  widget.installEventFilter(this);
}

QFont TextFitter::Widest(QFont font, const Fits& fits) {
  for (int stretch = 100;; stretch -= 5) {
    font.setStretch(stretch);
    if (fits(font) || stretch <= kNarrowestStretch) return font;
  }
}

void TextFitter::Refit() {
  const QFont font = Widest(designed_, fits_);
  if (font != widget_.font()) {
    fitting_ = true;
    widget_.setFont(font);
    fitting_ = false;
  }
  if (refitted_) refitted_();
}

bool TextFitter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &widget_ && !fitting_) {
    if (event->type() == QEvent::FontChange) {
      designed_ = widget_.font();
      Refit();
    } else if (event->type() == QEvent::Resize) {
      Refit();
    }
  }
  return false;
}

// -------------------------------------------------------------- StaticText

StaticText::StaticText(QWidget* parent, const std::string& name)
    : QLabel(parent),
      Control(*this, Kind::StaticText, name),
      fitter_(*this, [this](const QFont& font) { return CanShowIn(font); }, [this] { ShowFitted(); }) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
  // The label's own menu would copy the shortened text.
  setContextMenuPolicy(Qt::NoContextMenu);
  // Until it shows a number, clicks go to whatever lies below (labels may
  // overlap other controls, as a raised "3" overlaps its unit).
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StaticText::SetText(const std::string& text) {
  text_ = text;
  QString lines = ToQ(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QChar('\r'), QChar('\n'));
  numbers_ = NumberText(lines);
  fitter_.Refit();
}

// A wrapped text fits when it needs no more lines than the box holds (at
// least one); an unwrapped one when each of its lines is no wider than the box.
bool StaticText::Fits(const QFont& font, const QString& text) const {
  const QFontMetrics metrics(font);
  if (wordWrap()) {
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const QRect needed = metrics.boundingRect(QRect(0, 0, width(), 1 << 20), Qt::TextWordWrap, text);
    return needed.height() / lineHeight <= std::max(1, height() / lineHeight);
  }
  for (const QString& line : text.split(QChar('\n'))) {
    if (Advance(font, line) > width()) return false;
  }
  return true;
}

// Whether the face can show the text, noting the form it shows there (a
// wrapped text always whole).
bool StaticText::CanShowIn(const QFont& font) {
  if (wordWrap()) {
    form_ = numbers_.Full();
    formFits_ = Fits(font, form_);
  } else {
    form_ = FormIn(numbers_, font, Measure(), formFits_);
  }
  return formFits_;
}

// After each refit, whose last face tried is the one chosen.
void StaticText::ShowFitted() {
  const QString shown = wordWrap() ? form_ : FormShown(numbers_, font(), Measure(), form_, formFits_);
  if (shown != text()) setText(shown);
  setToolTip(Shortened() ? numbers_.Full() : QString());
  // An emptied result stays as it was, ready for its next number.
  const bool selectable = numbers_.IsNumber() || Shortened() || (numbers_.Full().isEmpty() && Selectable());
  setAttribute(Qt::WA_TransparentForMouseEvents, !selectable);
  setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void StaticText::SelectAll() {
  if (Selectable()) setSelection(0, int(text().size()));
}

void StaticText::Copy() const {
  if (!hasSelectedText()) return;
  QApplication::clipboard()->setText(Shortened() ? numbers_.Full() : selectedText());
}

bool StaticText::event(QEvent* event) {
  // Ctrl+C reaches the label before any shortcut of that key.
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
      hasSelectedText()) {
    event->accept();
    return true;
  }
  return QLabel::event(event);
}

void StaticText::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    Copy();
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

// A shortened text is selected as a whole, as it is copied.
void StaticText::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (Shortened() && hasSelectedText()) SelectAll();
}

void StaticText::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  if (Shortened() && hasSelectedText()) SelectAll();
}

// --------------------------------------------------------------- EditField

EditField::EditField(QWidget* parent, const std::string& name)
    : QLineEdit(parent), Control(*this, Kind::EditField, name) {
  setMaxLength(std::numeric_limits<int>::max());  // Qt cuts at 32767 by default
  connect(this, &QLineEdit::textChanged, this, [this] { FireTextChange(); });
}

std::string EditField::Text() const { return text().toStdString(); }

void EditField::SetText(const std::string& text) {
  const QString next = ToQ(text);
  if (next == this->text())
    FireTextChange();  // Qt reports only real changes; the program relies on every set
  else
    setText(next);
  // A number too long for the field shows its leading digits, unless the
  // user is typing there.
  if (!hasFocus()) setCursorPosition(0);
}

void EditField::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::MenuBarFocusReason || !hasSelectedText()) {
    QLineEdit::focusOutEvent(event);
    return;
  }
  const int start = selectionStart();
  const int length = selectionLength();
  const bool cursorAtStart = cursorPosition() == start;
  QLineEdit::focusOutEvent(event);  // drops the selection
  if (cursorAtStart)
    setSelection(start + length, -length);
  else
    setSelection(start, length);
}

void EditField::FireTextChange() {
  if (inHandler_) return;
  inHandler_ = true;
  Fire(textChange_);
  inHandler_ = false;
}

// -------------------------------------------------------------- PushButton

PushButton::PushButton(QWidget* parent, const std::string& name)
    : QPushButton(parent), Control(*this, Kind::PushButton, name) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { Fire(action_); });
}

std::string PushButton::Caption() const { return text().toStdString(); }
void PushButton::SetCaption(const std::string& caption) { setText(ToQ(caption)); }
void PushButton::Press() { click(); }

void PushButton::keyPressEvent(QKeyEvent* event) {
  // Qt leaves Return to a button that is not the default; the window would
  // then press its default button instead of this one.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Press();
    return;
  }
  QPushButton::keyPressEvent(event);
}

// ------------------------------------------------------------- RadioButton

RadioButton::RadioButton(QWidget* parent, const std::string& name)
    : QRadioButton(parent),
      Control(*this, Kind::RadioButton, name),
      fitter_(*this, [this](const QFont& font) { return Fits(font); }) {
  setAutoExclusive(false);  // the window's explicit groups decide
  connect(this, &QRadioButton::clicked, this, [this] { Fire(action_); });
  connect(this, &QRadioButton::toggled, this, [this] {
    if (group_) group_->UpdateTabStop();
  });
}

std::string RadioButton::Caption() const { return text().toStdString(); }
void RadioButton::SetCaption(const std::string& caption) {
  setText(ToQ(caption));
  fitter_.Refit();
}

void RadioButton::SetValue(bool on) {
  setChecked(on);
  if (on && group_) group_->SwitchOthersOff(*this);
}

// The caption fits when it is no wider than the room beside the indicator.
bool RadioButton::Fits(const QFont& font) const {
  QStyleOptionButton option;
  initStyleOption(&option);
  option.fontMetrics = QFontMetrics(font);
  const int room = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).width();
  return QFontMetrics(font).horizontalAdvance(text()) <= room;
}

void RadioButton::nextCheckState() {
  // A click always leaves the button on, and its group's others off.
  SetValue(true);
}

void RadioButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
  const bool backward = key == Qt::Key_Up || key == Qt::Key_Left;
  RadioButton* next = group_ && (forward || backward) ? group_->Neighbour(*this, forward) : nullptr;
  if (!next) {
    QRadioButton::keyPressEvent(event);
    return;
  }
  const bool wasOn = Value();
  next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  if (wasOn) next->click();
}

void RadioGroup::Add(RadioButton& button) {
  buttons_.push_back(&button);
  button.SetGroup(this);
  UpdateTabStop();
}

void RadioGroup::SortBy(const std::vector<Control*>& tabOrder) {
  const auto place = [&](const RadioButton* button) {
    return std::find(tabOrder.begin(), tabOrder.end(), button) - tabOrder.begin();
  };
  std::stable_sort(buttons_.begin(), buttons_.end(),
                   [&](const RadioButton* a, const RadioButton* b) { return place(a) < place(b); });
  UpdateTabStop();
}

void RadioGroup::UpdateTabStop() {
  if (buttons_.empty()) return;
  const auto on = std::find_if(buttons_.begin(), buttons_.end(),
                               [](const RadioButton* button) { return button->Value(); });
  const RadioButton* stop = on != buttons_.end() ? *on : buttons_.front();
  for (RadioButton* button : buttons_)
    button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

RadioButton* RadioGroup::Neighbour(const RadioButton& from, bool forward) const {
  const auto at = std::find(buttons_.begin(), buttons_.end(), &from);
  if (at == buttons_.end()) return nullptr;
  const std::size_t count = buttons_.size();
  std::size_t index = at - buttons_.begin();
  for (std::size_t step = 1; step < count; ++step) {
    index = (index + (forward ? 1 : count - 1)) % count;
    RadioButton* candidate = buttons_[index];
    if (candidate->isVisible() && candidate->isEnabled()) return candidate;
  }
  return nullptr;
}

void RadioGroup::SwitchOthersOff(const RadioButton& on) {
  for (RadioButton* button : buttons_)
    if (button != &on) button->setChecked(false);
}

// ---------------------------------------------------------------- GroupBox

GroupBox::GroupBox(QWidget* parent, const std::string& name)
    : QGroupBox(parent), Control(*this, Kind::GroupBox, name) {}

std::string GroupBox::Caption() const { return title().toStdString(); }
void GroupBox::SetCaption(const std::string& caption) { setTitle(ToQ(caption)); }

// --------------------------------------------------------------- Rectangle

Rectangle::Rectangle(QWidget* parent, Kind kind, const std::string& name)
    : QWidget(parent), Control(*this, kind, name) {}

void Rectangle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(border_ ? QPen(Qt::black, 1) : QPen(Qt::NoPen));
  painter.setBrush(Qt::white);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (GetKind() == Kind::RoundRectangle) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawRoundedRect(box, 8, 8);  // a 16 x 16 corner oval
  } else {
    painter.drawRect(box);
  }
}

// -------------------------------------------------------------------- Line

Line::Line(QWidget* parent, const std::string& name) : QWidget(parent), Control(*this, Kind::Line, name) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(0, 0, width() - 1, height() - 1);
}

// ---------------------------------------------------------------- pictures

PictureControl::PictureControl(QWidget* parent, Kind kind, const std::string& name)
    : QWidget(parent), Control(*this, kind, name) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureControl::SetCurrentPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  update();
}

void PictureControl::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter painter(this);
  picture_->Draw(painter, QRectF(rect()));
}

Canvas::Canvas(QWidget* parent, const std::string& name) : PictureControl(parent, Kind::Canvas, name) {}

ImageWell::ImageWell(QWidget* parent, const std::string& name)
    : PictureControl(parent, Kind::ImageWell, name) {}

// ----------------------------------------------------------------- ListBox

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

void ListBox::UserEditedCell(int row, int column, const QString& text) {
  if (row >= rowCount() || column >= columnCount()) return;
  item(row, column)->setText(text);  // the handler reads the cell
  Fire(cellTextChange_, row, column);
}

// --------------------------------------------------------------- ScrollBar

ScrollBar::ScrollBar(QWidget* parent, const std::string& name)
    : QScrollBar(Qt::Vertical, parent), Control(*this, Kind::ScrollBar, name) {
  setTracking(false);
  setFocusPolicy(Qt::StrongFocus);  // the arrow keys scroll it
  connect(this, &QScrollBar::valueChanged, this, [this] { Fire(valueChanged_); });
}

}  // namespace fw
