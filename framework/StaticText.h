#pragma once
// The label: a static text that shows a number, or a caption, fitted to its
// box.

#include <QLabel>
#include <QString>
#include <functional>
#include <string>
#include <utility>

#include "framework/Control.h"
#include "framework/NumberText.h"
#include "framework/TextFitter.h"

namespace fw {

// A text too long for its box is shown shortened, its full text in its
// tooltip; Text() is always the full text. A number (or a complex pair "a and
// b·i") is rounded to as many significant digits as fit, in the designed face
// where the shortest rounding fits, else condensed; any other text is
// condensed first and its numbers rounded only when even that is too wide.
// A label that shows a number, or a shortened text, takes the mouse: its
// tooltip shows, and its text can be selected and copied (Ctrl+C, or the
// Edit menu's Copy); other labels let clicks through to what lies below. A
// click (or a double-click) selects the whole text, as a click on a list cell
// chooses the cell; a drag selects a part, unless the text is shortened.
class StaticText : public QLabel, public Control {
  Q_OBJECT

 public:
  StaticText(QWidget* parent, const std::string& name);
  std::string Text() const { return text_; }
  // Carriage returns and line feeds both break lines.
  void SetText(const std::string& text);

  bool Selectable() const { return textInteractionFlags() & Qt::TextSelectableByMouse; }
  void SelectAll();
  // Puts the selection on the clipboard: the full text when the text shown
  // is shortened, however much of it is selected.
  void Copy() const;

 signals:
  // The selection is no longer what it was: changed by the mouse or keys, by
  // SelectAll, or dropped with a new text.
  void SelectionChanged();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void NoteSelection();
  bool Fits(const QFont& font, const QString& text) const;
  std::function<bool(const QFont&, const QString&)> Measure() const {
    return [this](const QFont& font, const QString& text) { return Fits(font, text); };
  }
  bool CanShowIn(const QFont& font);
  void ShowFitted();
  // Not shown whole: a number rounded to fit, or a wrapped text that needs
  // more lines than its box holds even in the narrowest face.
  bool Shortened() const { return text() != numbers_.Full() || (wordWrap() && !formFits_); }
  std::string text_;
  NumberText numbers_{QString()};  // the text with its line breaks as shown
  QString form_;                   // the form for the face the fitter tried last
  bool formFits_ = false;
  std::pair<int, int> selection_{-1, 0};  // start and length, as last told
  TextFitter fitter_;
};

}  // namespace fw
