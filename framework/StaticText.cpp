#include "framework/StaticText.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "framework/ControlSupport.h"

namespace fw {

using detail::ToQ;

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
  if (shown != text()) {
    setText(shown);
    if (hasSelectedText()) setSelection(0, 0);  // else it lasts until the label next paints
  }
  setToolTip(Shortened() ? numbers_.Full() : QString());
  // An emptied result stays as it was, ready for its next number.
  const bool selectable = numbers_.IsNumber() || Shortened() || (numbers_.Full().isEmpty() && Selectable());
  setAttribute(Qt::WA_TransparentForMouseEvents, !selectable);
  setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
  NoteSelection();
}

void StaticText::SelectAll() {
  if (Selectable()) setSelection(0, int(text().size()));
  NoteSelection();
}

// QLabel tells of no change of its selection: it is compared with the one
// last told after everything that may change it.
void StaticText::NoteSelection() {
  const std::pair<int, int> now{selectionStart(), int(selectedText().size())};
  if (now == selection_) return;
  selection_ = now;
  emit SelectionChanged();
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
  const bool handled = QLabel::event(event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::FocusOut:
      NoteSelection();
      break;
    default:
      break;
  }
  return handled;
}

void StaticText::keyPressEvent(QKeyEvent* event) {
  if (!detail::TakeCopyKey(event, [this] { Copy(); })) QLabel::keyPressEvent(event);
}

// Each press starts a selection afresh: one inside the selection would
// otherwise start dragging the text away, and a click, which selects the
// whole text, would leave no part to select by dragging.
void StaticText::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && hasSelectedText())
    setSelection(0, 0);
  QLabel::mousePressEvent(event);
}

// A click that selects nothing selects the whole text, as a click on a list
// cell chooses the cell; a shortened text is selected as a whole, as it is
// copied.
void StaticText::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && (!hasSelectedText() || Shortened())) SelectAll();
}

// The whole text, not the word under the mouse, which may be a number's sign
// or the digits after its point.
void StaticText::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) SelectAll();
}

}  // namespace fw
