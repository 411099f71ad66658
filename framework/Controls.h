#pragma once
// The controls of a window. Each is a thin Qt widget with the operations the
// windows read and write, named as the windows use them. Events are plain
// callbacks; the window runs every one through its error guard.

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/Layout.h"
#include "framework/NumberText.h"

namespace fw {

class Window;
class RadioGroup;
class CellEditorDelegate;

// What every control has: a name, a place and size in window coordinates,
// visibility, enabled state and redraw.
class Control {
 public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  QWidget& Widget() { return widget_; }
  const QWidget& Widget() const { return widget_; }

  // Left and Top are in the window's client coordinates, wherever the
  // control's container is; setting them moves the control (and, for a
  // container, everything on it).
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  bool Visible() const;  // the control's own visibility flag
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Redraws the control now; with erase, its background is painted afresh.
  void Refresh(bool eraseBackground = true);

 protected:
  Control(QWidget& widget, Kind kind, std::string name);

 private:
  friend class Window;
  QPoint ParentOrigin() const;  // the parent's top-left in client coordinates

  QWidget& widget_;
  QWidget* client_ = nullptr;  // the window's client area, set by the window
  Kind kind_;
  std::string name_;
};

using Handler = std::function<void()>;
using CellHandler = std::function<void(int row, int column)>;

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

// A text too long for its box is shown shortened, its full text in its
// tooltip; Text() is always the full text. A number (or a complex pair "a and
// b·i") is rounded to as many significant digits as fit, in the designed face
// where the shortest rounding fits, else condensed; any other text is
// condensed first and its numbers rounded only when even that is too wide.
// A label that shows a number, or a shortened text, takes the mouse: its
// tooltip shows, and its text can be selected and copied (Ctrl+C, or the
// Edit menu's Copy); other labels let clicks through to what lies below.
class StaticText : public QLabel, public Control {
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

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
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
  TextFitter fitter_;
};

// A single-line field without a length limit.
class EditField : public QLineEdit, public Control {
 public:
  EditField(QWidget* parent, const std::string& name);
  std::string Text() const;
  // Fires the change event, also when the text does not change.
  void SetText(const std::string& text);
  // Change event: on every change by typing, editing commands or code; not
  // again from inside its own handler (a handler may rewrite its field).
  void SetTextChangeHandler(Handler handler) { textChange_ = std::move(handler); }

 protected:
  // A menu opened from the keyboard takes the focus; the selection stays for
  // its edit commands.
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void FireTextChange();
  Handler textChange_;
  bool inHandler_ = false;
};

class PushButton : public QPushButton, public Control {
 public:
  PushButton(QWidget* parent, const std::string& name);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool IsDefault() const { return isDefault(); }
  // Presses the button as a click would.
  void Press();
  void SetActionHandler(Handler handler) { action_ = std::move(handler); }

 protected:
  // Return and Space press the focused button itself, default or not.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Handler action_;
};

class RadioButton : public QRadioButton, public Control {
 public:
  RadioButton(QWidget* parent, const std::string& name);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Value() const { return isChecked(); }
  // Switching on switches the other buttons of the group off; no action runs.
  void SetValue(bool on);
  // Action: only when the user clicks the button (or moves the choice to it
  // with an arrow key).
  void SetActionHandler(Handler handler) { action_ = std::move(handler); }
  RadioGroup* Group() const { return group_; }
  void SetGroup(RadioGroup* group) { group_ = group; }

 protected:
  void nextCheckState() override;
  // The arrow keys move the focus to the next or previous button of the
  // group, and the choice with it when the focused button was on.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool Fits(const QFont& font) const;
  Handler action_;
  RadioGroup* group_ = nullptr;
  TextFitter fitter_;
};

// An explicit exclusive group: at most one of its buttons is on, and none
// may be on. The group is one stop of its window's tab order: the button that
// is on, or the first when none is.
class RadioGroup {
 public:
  void Add(RadioButton& button);
  void SwitchOthersOff(const RadioButton& on);
  // The buttons in the window's tab order (layout order until sorted).
  const std::vector<RadioButton*>& Buttons() const { return buttons_; }
  // Puts the buttons in the order in which they appear in `tabOrder`.
  void SortBy(const std::vector<Control*>& tabOrder);
  // Lets only the button that stands for the group take the focus by Tab.
  void UpdateTabStop();
  // The next (or previous) button after `from` that can take the focus,
  // wrapping round; nullptr when there is no other.
  RadioButton* Neighbour(const RadioButton& from, bool forward) const;

 private:
  std::vector<RadioButton*> buttons_;
};

class GroupBox : public QGroupBox, public Control {
 public:
  GroupBox(QWidget* parent, const std::string& name);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
};

// Rectangle and rounded rectangle: white fill, optional 1-pixel black border.
class Rectangle : public QWidget, public Control {
 public:
  Rectangle(QWidget* parent, Kind kind, const std::string& name);
  void SetBorder(bool border) { border_ = border; update(); }
  bool Border() const { return border_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool border_ = true;
};

// A 1-pixel black line from the control's top-left corner to its
// bottom-right corner; a height (or width) of 0 in the layout makes a
// horizontal (or vertical) line.
class Line : public QWidget, public Control {
 public:
  Line(QWidget* parent, const std::string& name);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Canvas (backdrop) and image well (image): a picture drawn at the control's
// size.
class PictureControl : public QWidget, public Control {
 public:
  PictureControl(QWidget* parent, Kind kind, const std::string& name);
  PicturePtr CurrentPicture() const { return picture_; }
  void SetCurrentPicture(PicturePtr picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PicturePtr picture_;
};

class Canvas : public PictureControl {
 public:
  Canvas(QWidget* parent, const std::string& name);
  PicturePtr Backdrop() const { return CurrentPicture(); }
  void SetBackdrop(PicturePtr picture) { SetCurrentPicture(std::move(picture)); }
};

class ImageWell : public PictureControl {
 public:
  ImageWell(QWidget* parent, const std::string& name);
  PicturePtr Image() const { return CurrentPicture(); }
  void SetImage(PicturePtr picture) { SetCurrentPicture(std::move(picture)); }
};

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

  void SetCellClickHandler(CellHandler handler) { cellClick_ = std::move(handler); }
  // Runs after every change the user makes in the in-place editor, with the
  // cell already holding the new text; never for the program's own writes.
  void SetCellTextChangeHandler(CellHandler handler) { cellTextChange_ = std::move(handler); }

 protected:
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

class ScrollBar : public QScrollBar, public Control {
 public:
  ScrollBar(QWidget* parent, const std::string& name);
  int Minimum() const { return minimum(); }
  int Maximum() const { return maximum(); }
  int Value() const { return value(); }
  int LineStep() const { return singleStep(); }
  int PageStep() const { return pageStep(); }
  void SetMinimum(int v) { setMinimum(v); }
  // Lowering the maximum below the value moves the value and fires the event.
  void SetMaximum(int v) { setMaximum(v); }
  void SetValue(int v) { setValue(v); }
  void SetLineStep(int v) { setSingleStep(v); }
  void SetPageStep(int v) { setPageStep(v); }
  void SetLiveScroll(bool live) { setTracking(live); }
  // Value changed: by the user, by code, or by a clamp to a new range.
  void SetValueChangedHandler(Handler handler) { valueChanged_ = std::move(handler); }

 private:
  Handler valueChanged_;
};

}  // namespace fw
