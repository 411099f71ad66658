#include "framework/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "framework/ErrorReport.h"
#include "framework/Picture.h"

namespace fw {

namespace {

// ---------------------------------------------------------------- registry

std::vector<Window*>& OpenList() {
  static std::vector<Window*> list;
  return list;
}

std::map<std::string, QPointer<Window>, std::less<>>& Registry() {
  static std::map<std::string, QPointer<Window>, std::less<>> registry;
  return registry;
}

void Forget(Window& window) {
  auto& list = OpenList();
  list.erase(std::remove(list.begin(), list.end(), &window), list.end());
  auto& registry = Registry();
  for (auto it = registry.begin(); it != registry.end();) {
    if (it->second == &window)
      it = registry.erase(it);
    else
      ++it;
  }
}

// ------------------------------------------------------------------- fonts

QFont FontOf(const ControlSpec& spec) {
  const std::string family = spec.font ? spec.font : "";
  QFont font = QApplication::font();
  if (!family.empty() && family != "System") {
    const QString name = QString::fromStdString(family);
    // A face that is not installed falls back to a serif face.
    font = QFont(QFontDatabase::hasFamily(name) ? name : QStringLiteral("serif"));
    font.setStyleHint(QFont::Serif);
  }
  if (spec.textSize > 0) font.setPixelSize(spec.textSize);
  font.setBold(spec.flags & Bold);
  font.setItalic(spec.flags & Italic);
  // Every property is the control's own: nothing is inherited from the
  // container's font (an italic 16-pixel group box caption).
  font.setResolveMask(QFont::AllPropertiesResolved);
  return font;
}

Qt::Alignment AlignmentOf(unsigned flags) {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (flags & AlignCenter) horizontal = Qt::AlignHCenter;
  if (flags & AlignRight) horizontal = Qt::AlignRight;
  return horizontal | Qt::AlignTop;
}

// Group boxes and rectangles: they frame controls and can carry them.
bool IsContainer(Kind kind) {
  return kind == Kind::GroupBox || kind == Kind::Rectangle || kind == Kind::RoundRectangle;
}

// A container lies beneath the other controls beside it even when the layout
// creates it after them (a group box drawn round its radio buttons), so
// that it never hides them or takes their clicks.
void StackBelowContent(QWidget& frame) {
  for (QObject* sibling : frame.parentWidget()->children()) {
    auto* control = dynamic_cast<Control*>(sibling);
    if (control && &control->Widget() != &frame && !IsContainer(control->GetKind())) {
      frame.stackUnder(&control->Widget());
      return;
    }
  }
}

// Screen order: rows from top to bottom, each from left to right. A control
// belongs to the row of the topmost one when their tops differ by less than
// half the shorter height (a radio button a few pixels below the field beside
// it; a scroll bar along the whole window is a row of its own).
void SortInScreenOrder(std::vector<Control*>& controls) {
  std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
    return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
  });
  for (auto row = controls.begin(); row != controls.end();) {
    const Control* first = *row;
    const auto end = std::find_if(row + 1, controls.end(), [first](const Control* c) {
      return 2 * (c->Top() - first->Top()) >= std::min(first->Height(), c->Height());
    });
    std::stable_sort(row, end, [](const Control* a, const Control* b) { return a->Left() < b->Left(); });
    row = end;
  }
}

std::vector<std::string> SplitTabs(const std::string& text) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    const auto end = std::min(text.find('\t', start), text.size());
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// Every window and its controls draw with one palette: the application's
// with a white background, registered for the class fw::Window. The style
// caches what it draws (list headings, buttons, scroll bars) under the
// palette's cache key, and a palette set on each window gives that window
// and each of its controls a key of their own, so the cache would grow with
// every window opened and never find those entries again. Registered with no
// resolve mask, the palette reaches the controls as it is, under one key.
void ShareWhitePalette() {
  QPalette white = QApplication::palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setResolveMask(0);
  const char* windowClass = Window::staticMetaObject.className();
  if (QApplication::palette(windowClass) != white) QApplication::setPalette(white, windowClass);
}

}  // namespace

// ------------------------------------------------------------ construction

Window::Window(const WindowSpec& spec, Layout layout) : QWidget(nullptr), spec_(spec) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  ShareWhitePalette();
  setAutoFillBackground(true);

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->installEventFilter(this);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  box->setSizeConstraint(QLayout::SetMinAndMaxSize);
  Application* app = Application::Instance();
  if (spec_.menuBar && app && app->GetMenuBar()) {
    menuBar_ = new QMenuBar(this);
    app->GetMenuBar()->BuildInto(*menuBar_);
    box->setMenuBar(menuBar_);
  }
  box->addWidget(client_);

  ApplyWindowSpec();
  for (const ControlSpec& control : layout) AddControl(control);
  ArrangeTabOrder();
  OpenList().push_back(this);
}

Window::~Window() { Forget(*this); }

void Window::ApplyWindowSpec() {
  setWindowTitle(QString::fromUtf8(spec_.title));
  if (spec_.resizable) {
    client_->setMinimumSize(spec_.minWidth, spec_.minHeight);
    client_->setMaximumSize(spec_.maxWidth, spec_.maxHeight);
  } else {
    client_->setFixedSize(spec_.width, spec_.height);
  }
  layout()->activate();
  resize(spec_.width, spec_.height + MenuHeight());
  client_->resize(spec_.width, spec_.height);
  PlaceOnScreen();
}

QWidget* Window::ContainerFor(const ControlSpec& spec, QPoint& origin) {
  origin = {0, 0};
  if (!spec.parent) return client_;
  Control& container = control(spec.parent);
  if (!IsContainer(container.GetKind()))
    throw std::logic_error(std::string("control \"") + spec.name + "\": \"" + spec.parent +
                           "\" is not a container");
  origin = {container.Left(), container.Top()};
  return &container.Widget();
}

RadioGroup& Window::GroupFor(const ControlSpec& spec) {
  // Buttons without a group name share the group of their container.
  const std::string key = spec.group ? std::string("group:") + spec.group
                                     : std::string("parent:") + (spec.parent ? spec.parent : "");
  auto& group = groups_[key];
  if (!group) group = std::make_unique<RadioGroup>();
  return *group;
}

Control& Window::Make(const ControlSpec& spec, QWidget* parent) {
  const std::string name = spec.name;
  switch (spec.kind) {
    case Kind::StaticText: {
      auto* text = new StaticText(parent, name);
      text->setWordWrap(spec.flags & MultiLine);
      text->setAlignment(AlignmentOf(spec.flags));
      text->SetText(spec.text);
      return *text;
    }
    case Kind::EditField: {
      auto* field = new EditField(parent, name);
      field->setText(QString::fromUtf8(spec.text));
      return *field;
    }
    case Kind::PushButton: {
      auto* button = new PushButton(parent, name);
      button->SetCaption(spec.text);
      button->setDefault(spec.flags & DefaultButton);
      return *button;
    }
    case Kind::RadioButton: {
      auto* button = new RadioButton(parent, name);
      button->SetCaption(spec.text);
      GroupFor(spec).Add(*button);
      button->SetValue(spec.flags & On);
      return *button;
    }
    case Kind::GroupBox: {
      auto* box = new GroupBox(parent, name);
      box->SetCaption(spec.text);
      return *box;
    }
    case Kind::Rectangle:
    case Kind::RoundRectangle: {
      auto* rectangle = new Rectangle(parent, spec.kind, name);
      rectangle->SetBorder(!(spec.flags & NoBorder));
      return *rectangle;
    }
    case Kind::Line:
      return *new Line(parent, name);
    case Kind::Canvas: {
      auto* canvas = new Canvas(parent, name);
      if (spec.picture) canvas->SetBackdrop(spec.picture());
      return *canvas;
    }
    case Kind::ImageWell: {
      auto* well = new ImageWell(parent, name);
      if (spec.picture) well->SetImage(spec.picture());
      return *well;
    }
    case Kind::ListBox: {
      auto* list = new ListBox(parent, name);
      list->SetColumnCount(spec.columns);
      list->SetColumnWidths(spec.columnWidths ? spec.columnWidths : "");
      list->SetHeadingVisible(spec.flags & Heading);
      list->SetGridVertical(spec.flags & GridVertical);
      list->SetScrollBarsAllowed(!(spec.flags & NoScrollBars));
      if (spec.text && *spec.text) {
        const auto headings = SplitTabs(spec.text);
        for (int column = 0; column < int(headings.size()) && column < list->ColumnCount(); ++column)
          list->SetHeading(column, headings[column]);
      }
      return *list;
    }
    case Kind::ScrollBar: {
      auto* bar = new ScrollBar(parent, name);
      bar->setRange(spec.minimum, spec.maximum);
      bar->SetLineStep(spec.lineStep);
      bar->SetPageStep(spec.pageStep);
      bar->SetValue(spec.value);
      bar->SetLiveScroll(spec.flags & LiveScroll);
      return *bar;
    }
  }
  throw std::logic_error("unknown control kind");
}

void Window::AddControl(const ControlSpec& spec) {
  if (!spec.name || HasControl(spec.name))
    throw std::logic_error(std::string("window \"") + spec_.title + "\": control name \"" +
                           (spec.name ? spec.name : "") + "\" missing or used twice");
  QPoint origin;
  QWidget* parent = ContainerFor(spec, origin);
  Control& made = Make(spec, parent);
  made.client_ = client_;
  QWidget& widget = made.Widget();
  widget.setFont(FontOf(spec));
  // A line of length 0 in one direction is still one pixel thick.
  const bool isLine = spec.kind == Kind::Line;
  widget.setGeometry(spec.left - origin.x(), spec.top - origin.y(),
                     isLine ? std::max(1, spec.width) : spec.width,
                     isLine ? std::max(1, spec.height) : spec.height);
  widget.setVisible(!(spec.flags & Hidden));
  widget.setEnabled(!(spec.flags & Disabled));
  if (IsContainer(spec.kind)) StackBelowContent(widget);
  byName_.emplace(spec.name, &made);
  order_.push_back(&made);
  if (spec.flags & TabLast) tabLast_.push_back(&made);
}

// The keyboard walks the entry fields first, in screen order rather than in
// the order the layout creates them, so that values typed one after another
// each land in a field; then the radios, buttons and lists in screen order,
// the scroll bars, and last the controls flagged so (the button that empties
// the window). Each radio group is one stop. The window opens with the cursor
// in its first field, or else on its first stop.
void Window::ArrangeTabOrder() {
  std::vector<Control*> stops;
  for (Control* control : order_)
    if (control->Widget().focusPolicy() != Qt::NoFocus) stops.push_back(control);
  SortInScreenOrder(stops);
  const auto rank = [this](const Control* control) {
    if (std::find(tabLast_.begin(), tabLast_.end(), control) != tabLast_.end()) return 3;
    if (control->GetKind() == Kind::EditField) return 0;
    return control->GetKind() == Kind::ScrollBar ? 2 : 1;
  };
  std::stable_sort(stops.begin(), stops.end(),
                   [&](const Control* a, const Control* b) { return rank(a) < rank(b); });
  for (std::size_t i = 1; i < stops.size(); ++i) setTabOrder(&stops[i - 1]->Widget(), &stops[i]->Widget());
  for (auto& entry : groups_) entry.second->SortBy(stops);

  const auto ready = [](Control* control) {
    return (control->Widget().focusPolicy() & Qt::TabFocus) && control->Enabled() && control->Visible();
  };
  auto first = std::find_if(stops.begin(), stops.end(), [&](Control* control) {
    return control->GetKind() == Kind::EditField && ready(control);
  });
  if (first == stops.end()) first = std::find_if(stops.begin(), stops.end(), ready);
  if (first != stops.end()) (*first)->Widget().setFocus(Qt::OtherFocusReason);
}

// -------------------------------------------------------------- the window

void Window::Show() {
  // A minimised window comes back as it was before.
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void Window::ShowIfDesignedVisible() {
  if (spec_.visible) Show();
}

int Window::Width() const { return client_->width(); }
int Window::Height() const { return client_->height(); }
std::string Window::Title() const { return windowTitle().toStdString(); }

int Window::RunDialog(QDialog& dialog) {
  ++dialogsOpen_;
  const int result = dialog.exec();
  --dialogsOpen_;
  // The platform hands the activation back after the dialog has gone, unless
  // the window has it already.
  backFromDialog_ = !isActiveWindow();
  return result;
}

// A window left for one of its own dialogs and activated again when it
// closes has not been left: its contents stay. Once another window of the
// program has come to the front, coming back is a return.
bool Window::event(QEvent* event) {
  if (event->type() == QEvent::Show || event->type() == QEvent::Move) FitToOwnFrame();
  if (event->type() == QEvent::WindowActivate) {
    for (Window* other : OpenList())
      if (other != this) other->backFromDialog_ = false;
    if (dialogsOpen_ == 0 && !std::exchange(backFromDialog_, false)) RunGuarded([this] { Event_Activate(); });
  }
  return QWidget::event(event);
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize && isVisible()) {
    const auto* resize = static_cast<QResizeEvent*>(event);
    if (resize->oldSize().isValid() && resize->oldSize() != resize->size())
      RunGuarded([this] { Event_Resizing(); });
  }
  return QWidget::eventFilter(watched, event);
}

void Window::closeEvent(QCloseEvent* event) {
  // Deleted later by Qt; from now on the window is no longer found.
  Forget(*this);
  QWidget::closeEvent(event);
}

void Window::keyPressEvent(QKeyEvent* event) {
  // Return that no control took (a focused push button presses itself).
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    PressButtonForReturn();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Window::PressDefaultButton() {
  for (Control* control : order_) {
    auto* button = dynamic_cast<PushButton*>(control);
    if (button && button->IsDefault() && button->isVisible() && button->isEnabled()) {
      button->Press();
      return;
    }
  }
}

// The action of the focused control's step; the default button when the
// focus is in no step.
void Window::PressButtonForReturn() {
  for (QWidget* widget = focusWidget(); widget && widget != client_; widget = widget->parentWidget()) {
    const auto* control = dynamic_cast<const Control*>(widget);
    const auto step = control ? returnSteps_.find(control) : returnSteps_.end();
    if (step == returnSteps_.end()) continue;
    const Handler action = step->second;  // the step may rebind Return
    action();
    return;
  }
  PressDefaultButton();
}

void Window::SetReturnStep(std::initializer_list<std::string_view> controls, const Handler& step) {
  for (std::string_view name : controls) returnSteps_[&control(name)] = step;
}

// A step's button that cannot be pressed now is not replaced by the default
// one.
void Window::ReturnPresses(std::string_view button, std::initializer_list<std::string_view> controls) {
  PushButton* target = &pushButton(button);
  SetReturnStep(controls, [target] {
    if (target->isVisible() && target->isEnabled()) target->Press();
  });
}

void Window::ReturnRuns(Handler action, std::initializer_list<std::string_view> controls) {
  SetReturnStep(controls, [action = std::move(action)] { RunGuarded(action); });
}

// ------------------------------------------------------ controls by name

bool Window::HasControl(std::string_view name) const { return byName_.find(name) != byName_.end(); }

Control& Window::control(std::string_view name) {
  const auto it = byName_.find(name);
  if (it == byName_.end())
    throw std::logic_error("window \"" + Title() + "\" has no control \"" + std::string(name) + "\"");
  return *it->second;
}

template <class C>
C& Window::Typed(std::string_view name, const char* kind) {
  if (auto* typed = dynamic_cast<C*>(&control(name))) return *typed;
  throw std::logic_error("control \"" + std::string(name) + "\" of window \"" + Title() +
                         "\" is not a " + kind);
}

StaticText& Window::staticText(std::string_view name) { return Typed<StaticText>(name, "static text"); }
EditField& Window::editField(std::string_view name) { return Typed<EditField>(name, "edit field"); }
PushButton& Window::pushButton(std::string_view name) { return Typed<PushButton>(name, "push button"); }
RadioButton& Window::radioButton(std::string_view name) { return Typed<RadioButton>(name, "radio button"); }
GroupBox& Window::groupBox(std::string_view name) { return Typed<GroupBox>(name, "group box"); }
Rectangle& Window::rectangle(std::string_view name) { return Typed<Rectangle>(name, "rectangle"); }
Line& Window::line(std::string_view name) { return Typed<Line>(name, "line"); }
Canvas& Window::canvas(std::string_view name) { return Typed<Canvas>(name, "canvas"); }
ImageWell& Window::imageWell(std::string_view name) { return Typed<ImageWell>(name, "image well"); }
ListBox& Window::listBox(std::string_view name) { return Typed<ListBox>(name, "list box"); }
ScrollBar& Window::scrollBar(std::string_view name) { return Typed<ScrollBar>(name, "scroll bar"); }

// ---------------------------------------------------------------- binding

void Window::onAction(std::string_view button, Handler handler) {
  Control& target = control(button);
  if (auto* push = dynamic_cast<PushButton*>(&target))
    push->SetActionHandler(std::move(handler));
  else if (auto* radio = dynamic_cast<RadioButton*>(&target))
    radio->SetActionHandler(std::move(handler));
  else
    throw std::logic_error("control \"" + std::string(button) + "\" of window \"" + Title() +
                           "\" has no action");
}

void Window::onTextChange(std::string_view field, Handler handler) {
  editField(field).SetTextChangeHandler(std::move(handler));
}

void Window::onCellClick(std::string_view list, CellHandler handler) {
  listBox(list).SetCellClickHandler(std::move(handler));
}

void Window::onCellTextChange(std::string_view list, CellHandler handler) {
  listBox(list).SetCellTextChangeHandler(std::move(handler));
}

void Window::onValueChanged(std::string_view bar, Handler handler) {
  scrollBar(bar).SetValueChangedHandler(std::move(handler));
}

// ------------------------------------------------ single-instance windows

Window* FindImplicitWindow(std::string_view lookup) {
  const auto& registry = Registry();
  const auto it = registry.find(lookup);
  return it == registry.end() ? nullptr : it->second.data();
}

void RegisterImplicitWindow(std::string_view lookup, Window& window) {
  Registry()[std::string(lookup)] = &window;
}

std::vector<Window*> OpenWindows() { return OpenList(); }

void CloseAllWindows() {
  const std::vector<Window*> open = OpenList();
  for (Window* window : open) delete window;
}

}  // namespace fw
