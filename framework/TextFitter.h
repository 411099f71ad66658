#pragma once
// Captions drawn condensed, and numbers rounded, to fit the box they are
// drawn in: shared by the labels and the cells of the lists.

#include <QFont>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

#include "framework/NumberText.h"

namespace fw {

// Layouts are drawn in pixels for a narrower face than many desktops use by
// default: a caption that does not fit its box is drawn condensed, down to
// three quarters of its width, instead of being cut off.
class TextFitter : public QObject {
 public:
  using Fits = std::function<bool(const QFont&)>;
  // Watches the widget's font changes (a font set from outside is the designed
  // one) and resizes, refitting after each; `refitted` runs after every refit.
  TextFitter(QWidget& widget, Fits fits, std::function<void()> refitted = {});
  // Sets the widest stretch of the designed font for which the text fits.
  void Refit();
  // The designed font at the widest stretch, down to three quarters, for
  // which `fits` holds; the narrowest when it holds for none. `fits` is
  // tried widest first and last on the font returned.
  static QFont Widest(QFont designed, const Fits& fits);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& widget_;
  Fits fits_;
  std::function<void()> refitted_;
  QFont designed_;
  bool fitting_ = false;
};

// Whether a text fits its box in a face.
using TextFits = std::function<bool(const QFont&, const QString&)>;

// The form of the text a face shows: a number rounded to the most digits
// that fit, any other text whole; `fitted` tells whether that fits. Tried
// face by face, widest first, a number is rounded before it is condensed and
// a caption condensed before its numbers are rounded.
QString FormIn(const NumberText& text, const QFont& font, const TextFits& fits, bool& fitted);

// The form shown in the face a fitter chose, given the form FormIn found
// there: a caption too wide even in the narrowest face has its numbers
// rounded; a number whose shortest rounding is too wide is shown as written,
// cut with an ellipsis, since no part of a rounding cut off reads as its value.
QString FormShown(const NumberText& text, const QFont& font, const TextFits& fits, const QString& form, bool fitted);

// The longest start of the text that fits with an ellipsis after it; the
// ellipsis alone when none does.
QString Elided(const QString& text, const QFont& font, const TextFits& fits);

// Widths to the fraction of a pixel, as text is laid out when drawn.
qreal Advance(const QFont& font, const QString& text);

}  // namespace fw
