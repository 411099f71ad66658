#include "framework/TextFitter.h"

#include <QEvent>
#include <QFontMetricsF>

namespace fw {

namespace {

// The narrowest stretch a text is condensed to.
constexpr int kNarrowestStretch = 75;

}  // namespace

QString FormIn(const NumberText& text, const QFont& font, const TextFits& fits, bool& fitted) {
  if (text.IsNumber()) return text.Fitting([&](const QString& form) { return fits(font, form); }, &fitted);
  fitted = fits(font, text.Full());
  return text.Full();
}

QString FormShown(const NumberText& text, const QFont& font, const TextFits& fits, const QString& form, bool fitted) {
  if (fitted) return form;
  if (text.IsNumber()) return Elided(text.Full(), font, fits);
  return text.Fitting([&](const QString& candidate) { return fits(font, candidate); });
}

QString Elided(const QString& text, const QFont& font, const TextFits& fits) {
  const QChar ellipsis(0x2026);
  // The longest start that fits with the ellipsis: the width grows with the
  // characters kept.
  qsizetype fitting = 0, tooLong = text.size();
  while (tooLong - fitting > 1) {
    const qsizetype middle = fitting + (tooLong - fitting) / 2;
    if (fits(font, text.left(middle) + ellipsis))
      fitting = middle;
    else
      tooLong = middle;
  }
  return text.left(fitting) + ellipsis;
}

qreal Advance(const QFont& font, const QString& text) { return QFontMetricsF(font).horizontalAdvance(text); }

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

}  // namespace fw
