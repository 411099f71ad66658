#include "framework/Controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>
#include <limits>

#include "framework/ControlSupport.h"
#include "framework/Picture.h"

namespace fw {

using detail::Fire;
using detail::ToQ;

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
  // A number too long for the field shows its leading digits, unless its
  // own change handler rewrote it while the user was typing there.
  if (!inHandler_) ShowStart();
}

void EditField::ShowStart() { setCursorPosition(0); }

void EditField::focusOutEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::MenuBarFocusReason || !hasSelectedText()) {
    QLineEdit::focusOutEvent(event);
    // Left for good, the field shows its leading digits again. A menu or a
    // window in front takes the focus only for a while: the cursor stays
    // where the user left it.
    if (reason != Qt::MenuBarFocusReason && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
      ShowStart();
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


// --------------------------------------------------------------- ScrollBar

ScrollBar::ScrollBar(QWidget* parent, const std::string& name)
    : QScrollBar(Qt::Vertical, parent), Control(*this, Kind::ScrollBar, name) {
  setTracking(false);
  setFocusPolicy(Qt::StrongFocus);  // the arrow keys scroll it
  connect(this, &QScrollBar::valueChanged, this, [this] { Fire(valueChanged_); });
}

}  // namespace fw
