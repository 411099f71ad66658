#pragma once
// The controls of a window: the simple ones here, the label and the list box
// in headers of their own, all reached through this one.

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <string>
#include <vector>

#include "framework/Control.h"
#include "framework/Layout.h"
#include "framework/ListBox.h"
#include "framework/StaticText.h"
#include "framework/TextFitter.h"

namespace fw {

class RadioGroup;

// A single-line field without a length limit.
class EditField : public QLineEdit, public Control {
 public:
  EditField(QWidget* parent, const std::string& name);
  std::string Text() const;
  // Fires the change event, also when the text does not change. The field
  // then shows the text from its first character, as it does whenever the
  // focus leaves it.
  void SetText(const std::string& text);
  // Change event: on every change by typing, editing commands or code; not
  // again from inside its own handler (a handler may rewrite its field).
  void SetTextChangeHandler(Handler handler) { textChange_ = std::move(handler); }

 protected:
  // A menu opened from the keyboard takes the focus; the selection stays for
  // its edit commands.
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Scrolls the text back to its first character (the cursor before it).
  void ShowStart();
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
