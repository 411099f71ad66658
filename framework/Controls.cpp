#include "framework/Controls.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <algorithm>
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

TextFitter::TextFitter(QWidget& widget, Fits fits)
    : widget_(widget), fits_(std::move(fits)), designed_(widget.font()) {
  widget.installEventFilter(this);
}

void TextFitter::Refit() {
  QFont font = designed_;
  font.setStretch(100);
  for (int stretch = 95; stretch >= 75 && !fits_(font); stretch -= 5) font.setStretch(stretch);
  if (font == widget_.font()) return;
  fitting_ = true;
  widget_.setFont(font);
  fitting_ = false;
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
      fitter_(*this, [this](const QFont& font) { return Fits(font); }) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
  // Labels take no input and may overlap other controls (a raised "3" over
  // its unit): clicks go to whatever lies below.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StaticText::SetText(const std::string& text) {
  text_ = text;
  QString shown = ToQ(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  setText(shown);
  fitter_.Refit();
}

// A wrapped text fits when it needs no more lines than the box holds (at
// least one); an unwrapped one when each of its lines is no wider than the box.
bool StaticText::Fits(const QFont& font) const {
  const QFontMetrics metrics(font);
  if (wordWrap()) {
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const QRect needed = metrics.boundingRect(QRect(0, 0, width(), 1 << 20), Qt::TextWordWrap, text());
    return needed.height() / lineHeight <= std::max(1, height() / lineHeight);
  }
  for (const QString& line : text().split(QChar('\n'))) {
    if (metrics.horizontalAdvance(line) > width()) return false;
  }
  return true;
}

// --------------------------------------------------------------- EditField

EditField::EditField(QWidget* parent, const std::string& name)
    : QLineEdit(parent), Control(*this, Kind::EditField, name) {
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

// ------------------------------------------------------------- RadioButton

RadioButton::RadioButton(QWidget* parent, const std::string& name)
    : QRadioButton(parent),
      Control(*this, Kind::RadioButton, name),
      fitter_(*this, [this](const QFont& font) { return Fits(font); }) {
  setAutoExclusive(false);  // the window's explicit groups decide
  connect(this, &QRadioButton::clicked, this, [this] { Fire(action_); });
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

void RadioGroup::Add(RadioButton& button) {
  buttons_.push_back(&button);
  button.SetGroup(this);
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

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (!list_.GridVertical() || index.column() >= list_.columnCount() - 1) return;
    painter->save();
    painter->setPen(QColor(0xc0, 0xc0, 0xc0));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
  }

 private:
  ListBox& list_;
};

ListBox::ListBox(QWidget* parent, const std::string& name)
    : QTableWidget(parent), Control(*this, Kind::ListBox, name) {
  setColumnCount(1);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setHighlightSections(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);  // editors open from code only
  setShowGrid(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setItemDelegate(new CellEditorDelegate(*this));
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
    Fire(cellClick_, row, column);
  });
}

void ListBox::SetColumnCount(int count) {
  setColumnCount(std::max(1, count));
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
  for (int column = 0; column + 1 < count; ++column) {
    double width = inner / double(count);  // equal shares when not given
    if (column < int(widthSpecs_.size()))
      width = widthSpecs_[column] >= 0 ? inner * widthSpecs_[column] / 100.0 : -widthSpecs_[column];
    setColumnWidth(column, int(width + 0.5));
  }
  // The last column stretches over the rest.
}

void ListBox::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  FitColumns();
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

void ListBox::DeleteAllRows() {
  setRowCount(0);
  lastIndex_ = -1;
}

void ListBox::CheckCell(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
    throw std::out_of_range("list box " + Name() + ": no cell (" + std::to_string(row) + ", " +
                            std::to_string(column) + ")");
}

std::string ListBox::Cell(int row, int column) const {
  CheckCell(row, column);
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text().toStdString() : std::string();
}

void ListBox::SetCell(int row, int column, const std::string& text) {
  CheckCell(row, column);
  if (QTableWidgetItem* cell = item(row, column)) {
    cell->setText(ToQ(text));
    return;
  }
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
