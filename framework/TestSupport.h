#pragma once
// Drives windows and controls headless as a user would: typing, clicking,
// editing list cells, moving scroll bars, activating and resizing windows.
// For tests only (links Qt Test).

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

#include "framework/ErrorReport.h"
#include "framework/Window.h"

namespace fw::test {

// Lets queued events (activation, deferred deletes, repaints) run.
void ProcessEvents();

// Clicks into the field and types the text at the cursor, key by key.
void Type(EditField& field, const std::string& text);
// Selects all text of the field and replaces it by typing.
void Retype(EditField& field, const std::string& text);
// Presses Return with the keyboard focus on the control: clicked into at
// the end of its text for a field, reached from the keyboard for others.
void PressReturn(Control& control);
void Click(PushButton& button);
void Click(RadioButton& button);
// Presses the key (Tab, an arrow ...) on whatever has the keyboard focus, the
// given number of times; returns the name of the focused widget after each.
std::vector<std::string> WalkFocus(int presses, Qt::Key key);

// Clicks the cell (row, column) of a list.
void ClickCell(ListBox& list, int row, int column);
// Types into the list's open in-place editor, key by key.
void TypeInCellEditor(ListBox& list, const std::string& text);
// Selects all text in the open in-place editor and replaces it by typing.
void RetypeInCellEditor(ListBox& list, const std::string& text);
// Presses Return in the open in-place editor, committing the edit.
void CommitCellEditor(ListBox& list);
// Double-clicks the cell (row, column) through its window, as the window
// system delivers the clicks: the second lands on whatever the first opened.
void DoubleClickCell(ListBox& list, int row, int column);
// Whether the list shows an in-place editor.
bool CellEditorOpen(ListBox& list);

// Scroll-bar moves as the user makes them.
void ClickArrowDown(ScrollBar& bar);  // one line step
void ClickArrowUp(ScrollBar& bar);
void ClickPageDown(ScrollBar& bar);   // one page step
void DragThumbTo(ScrollBar& bar, int value);  // drag and let go
// Turns the mouse wheel by whole notches, towards the user (scrolling down)
// when positive, with the pointer at this point of the window's client area;
// a fine wheel reports each notch in `parts` events.
void TurnWheel(Window& window, QPoint at, int notches, int parts = 1);

// Shows the window and makes it the active window.
void Activate(Window& window);
// Makes the window the active one at once, before anything queued runs: a
// switch that arrives together with the user's last keys while the program
// is busy.
void SwitchTo(Window& window);
// Resizes the window so that its client area has this size (within the
// window's limits).
void ResizeClient(Window& window, int width, int height);
// Closes the window by its close box.
void CloseByCloseBox(Window& window);

// Rests the mouse on the window's client area at `at` (client coordinates)
// as a user would, until a tooltip shows; its text, or "" when none shows
// within a few seconds.
std::string HoverTooltip(Window& window, QPoint at);
// Clicks, or double-clicks, the left button at `at` (widget coordinates) as
// the window system delivers it: to whatever takes the mouse there, so that a
// label that lets clicks through passes them on.
void ClickAt(QWidget& widget, QPoint at);
void DoubleClickAt(QWidget& widget, QPoint at);
// Presses the left button at `from`, drags to `to` and lets go (widget
// coordinates), as a user selecting text does.
void DragAcross(QWidget& widget, QPoint from, QPoint to);

// A run of text as painted: its characters and the box its advance covers,
// in the coordinates of the widget painted.
struct DrawnText {
  QString text;
  QRectF box;
};
// Paints the widget (and its children) and returns every run of text drawn,
// in drawing order: what the user sees, after any eliding by the style.
std::vector<DrawnText> TextsDrawn(QWidget& widget);
// The runs whose middle lies in `area`, joined in drawing order, with the box
// they cover together (empty when none).
DrawnText DrawnIn(const std::vector<DrawnText>& runs, const QRect& area);

// Captures the error reports while it lives, instead of message boxes.
class ErrorCapture {
 public:
  ErrorCapture();
  ~ErrorCapture();
  ErrorCapture(const ErrorCapture&) = delete;
  ErrorCapture& operator=(const ErrorCapture&) = delete;
  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  std::vector<std::string> messages_;
  ErrorReportHook previous_;
};

// Keeps the messages that Qt logs (warnings of its widgets and the like)
// while it lives, instead of printing them.
class QtMessageCapture {
 public:
  QtMessageCapture();
  ~QtMessageCapture();
  QtMessageCapture(const QtMessageCapture&) = delete;
  QtMessageCapture& operator=(const QtMessageCapture&) = delete;
  // The messages kept that contain `part`.
  std::vector<std::string> Containing(const std::string& part) const;

 private:
  static void Keep(QtMsgType type, const QMessageLogContext& context, const QString& message);
  std::vector<std::string> messages_;
  QtMessageCapture* previous_;
  QtMessageHandler previousHandler_;
};

// Answers every question the program asks while it lives (fw::Ask) by
// clicking the answer with this caption, and keeps what was asked. Of
// answerers alive together, the newest answers.
class QuestionAnswerer : public QObject {
 public:
  struct Asked {
    std::string title, question;
    std::vector<std::string> answers;  // the captions offered, left to right
    QImage picture;                    // the dialog as it was shown
  };
  explicit QuestionAnswerer(std::string answer);
  ~QuestionAnswerer() override;
  QuestionAnswerer(const QuestionAnswerer&) = delete;
  QuestionAnswerer& operator=(const QuestionAnswerer&) = delete;
  const std::vector<Asked>& Questions() const { return asked_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Answer(QWidget& box);
  std::string answer_;
  QuestionAnswerer* previous_;
  std::vector<Asked> asked_;
};

}  // namespace fw::test
