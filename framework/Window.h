#pragma once
// The base class of every window: built from a layout table, with its
// controls reached by name, its handlers bound by name after the layout is
// applied, and its activation and resizing events as virtual functions.

#include <QWidget>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Controls.h"
#include "framework/Layout.h"

class QDialog;
class QMenuBar;
class QScrollArea;

namespace fw {

using Layout = std::span<const ControlSpec>;

// One run of rows of a layout table: a window's own table, the rows that a
// shared piece yields, or a single row.
class LayoutPart {
 public:
  LayoutPart(Layout rows) : rows_(rows) {}
  LayoutPart(const ControlSpec& row) : rows_(&row, 1) {}
  template <std::size_t N>
  LayoutPart(const ControlSpec (&rows)[N]) : rows_(rows) {}
  template <std::size_t N>
  LayoutPart(const std::array<ControlSpec, N>& rows) : rows_(rows) {}
  Layout Rows() const { return rows_; }

 private:
  Layout rows_;
};

// The layout table of the runs, one after the other.
inline std::vector<ControlSpec> JoinLayout(std::initializer_list<LayoutPart> parts) {
  std::vector<ControlSpec> table;
  for (const LayoutPart& part : parts) table.insert(table.end(), part.Rows().begin(), part.Rows().end());
  return table;
}

class Window : public QWidget {
  // Gives the windows a class name of their own, under which they share one
  // palette (see Window.cpp).
  Q_OBJECT

 public:
  Window(const WindowSpec& spec, Layout layout);
  Window(const WindowSpec& spec, std::initializer_list<ControlSpec> layout)
      : Window(spec, Layout(layout.begin(), layout.size())) {}
  ~Window() override;

  // Makes the window visible (also when it was minimised), brings it to the
  // front and activates it.
  void Show();
  // The client area (below the menu bar): the sizes of the layout.
  int Width() const;
  int Height() const;
  std::string Title() const;
  const WindowSpec& Spec() const { return spec_; }
  QWidget& Client() { return *client_; }
  QMenuBar* MenuBar() const { return menuBar_; }

  // Controls by name; a missing name or another kind throws std::logic_error.
  bool HasControl(std::string_view name) const;
  Control& control(std::string_view name);
  StaticText& staticText(std::string_view name);
  EditField& editField(std::string_view name);
  PushButton& pushButton(std::string_view name);
  RadioButton& radioButton(std::string_view name);
  GroupBox& groupBox(std::string_view name);
  Rectangle& rectangle(std::string_view name);  // also rounded rectangles
  Line& line(std::string_view name);
  Canvas& canvas(std::string_view name);
  ImageWell& imageWell(std::string_view name);
  ListBox& listBox(std::string_view name);
  ScrollBar& scrollBar(std::string_view name);
  // Every control in layout order.
  const std::vector<Control*>& Controls() const { return order_; }

  // Handler binding. Each handler runs through the error guard.
  void onAction(std::string_view button, Handler handler);  // push or radio button
  void onTextChange(std::string_view field, Handler handler);
  void onCellClick(std::string_view list, CellHandler handler);
  void onCellTextChange(std::string_view list, CellHandler handler);
  void onValueChanged(std::string_view scrollBar, Handler handler);

  // Presses the default button, if the window has one.
  void PressDefaultButton();
  // Return presses the action button of the step that the focus is in: with
  // the focus in one of `controls`, or on a control that lies on one of them
  // (a container), Return presses `button` instead of the default button. The
  // nearest container named decides; a focused push button presses itself.
  void ReturnPresses(std::string_view button, std::initializer_list<std::string_view> controls);
  // The same for a step whose action is no button: Return with the focus in
  // one of `controls` runs `action` (through the error guard).
  void ReturnRuns(Handler action, std::initializer_list<std::string_view> controls);

  // Shows a window designed visible; the getter calls it once the window is
  // fully built.
  void ShowIfDesignedVisible();

  // Runs a modal dialog over the window until it is closed; returns its
  // result. Closing it brings the window back to the front, which is no
  // return to the window: it raises no Event_Activate.
  int RunDialog(QDialog& dialog);

  // Activation: on the first showing and each time the window becomes the
  // active window again, from another window or another program; not when one
  // of its own dialogs closes.
  virtual void Event_Activate() {}
  // Resizing: repeatedly while the client area changes size.
  virtual void Event_Resizing() {}

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyWindowSpec();
  int MenuHeight() const;
  // Opens the window inside the screen's available area, its title bar in
  // reach: moved there, and no taller than the area where it can be resized;
  // a window that cannot be made small enough scrolls its content.
  void PlaceOnScreen();
  void FitToOwnFrame();
  void FitInto(const QRect& area, const QMargins& frame, QPoint frameTopLeft);
  void ScrollContent(QSize room);
  void AddControl(const ControlSpec& spec);
  void ArrangeTabOrder();
  void PressButtonForReturn();
  void SetReturnStep(std::initializer_list<std::string_view> controls, const Handler& step);
  Control& Make(const ControlSpec& spec, QWidget* parent);
  QWidget* ContainerFor(const ControlSpec& spec, QPoint& origin);
  RadioGroup& GroupFor(const ControlSpec& spec);
  template <class C>
  C& Typed(std::string_view name, const char* kind);

  WindowSpec spec_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  QScrollArea* scroller_ = nullptr;  // round the client area on a screen too small for it
  bool frameUnknown_ = false;        // placed before any frame of the window system was seen
  std::map<std::string, Control*, std::less<>> byName_;
  std::vector<Control*> order_;
  std::map<std::string, std::unique_ptr<RadioGroup>> groups_;
  std::vector<const Control*> tabLast_;
  std::map<const Control*, Handler> returnSteps_;  // what Return does from a control
  bool shownOnce_ = false;
  int dialogsOpen_ = 0;          // own dialogs showing now
  bool backFromDialog_ = false;  // the next activation ends an own dialog
};

// ------------------------------------------------ single-instance windows
// The open window registered under the lookup text, or nullptr. A closed
// window is no longer found.
Window* FindImplicitWindow(std::string_view lookup);
void RegisterImplicitWindow(std::string_view lookup, Window& window);
// Every window that is built and not yet closed, oldest first.
std::vector<Window*> OpenWindows();
// Closes and destroys every open window (at shut-down).
void CloseAllWindows();

// The one window of class W: the open one, or a new one built from its
// layout (and shown at once when designed visible). The caller shows it.
template <class W>
W& GetImplicitWindow(std::string_view lookup) {
  if (Window* open = FindImplicitWindow(lookup)) {
    if (auto* typed = dynamic_cast<W*>(open)) return *typed;
    throw std::logic_error("window \"" + std::string(lookup) + "\" is of another class");
  }
  auto* created = new W();
  RegisterImplicitWindow(lookup, *created);
  created->ShowIfDesignedVisible();
  return *created;
}

}  // namespace fw
