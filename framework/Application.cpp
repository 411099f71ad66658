#include "framework/Application.h"

#include <QAction>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <array>
#include <cstdlib>

#include "framework/Controls.h"
#include "framework/Window.h"

namespace fw {

namespace {

Application* theApplication = nullptr;
QPointer<QWidget> watched;
std::array<QMetaObject::Connection, 2> watchedConnections;

// "Cmd+Q" style: Cmd is the command key, Ctrl on this desktop.
QKeySequence KeySequenceOf(const std::string& shortcut) {
  QString text = QString::fromStdString(shortcut);
  text.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"), Qt::CaseInsensitive);
  return QKeySequence::fromString(text, QKeySequence::PortableText);
}

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

EditCommand EditCommandOf(std::string_view itemName) {
  if (itemName == "EditUndo") return EditCommand::Undo;
  if (itemName == "EditCut") return EditCommand::Cut;
  if (itemName == "EditCopy") return EditCommand::Copy;
  if (itemName == "EditPaste") return EditCommand::Paste;
  if (itemName == "EditClear") return EditCommand::Clear;
  if (itemName == "EditSelectAll") return EditCommand::SelectAll;
  return EditCommand::None;
}

// Opening a menu from the keyboard (Alt+E) moves the focus to the menu bar,
// and a window that is not active has no focus at all: neither is a new
// target for the edit commands.
bool KeepsTheEditTarget(QWidget* now) {
  return !now || qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now);
}

// The field, selectable label or list the edit commands act on: the one that
// has the focus, or had it before a menu took it, in the active window.
QWidget* EditTarget() {
  QWidget* target = watched.data();
  return target && target->isVisible() && target->isActiveWindow() ? target : nullptr;
}

bool Applies(EditCommand command, const QLineEdit& field) {
  const bool writable = !field.isReadOnly();
  switch (command) {
    case EditCommand::Undo: return writable && field.isUndoAvailable();
    case EditCommand::Cut: return writable && field.hasSelectedText();
    case EditCommand::Copy: return field.hasSelectedText();
    case EditCommand::Paste: return writable && !QApplication::clipboard()->text().isEmpty();
    case EditCommand::Clear: return writable && field.hasSelectedText();
    case EditCommand::SelectAll: return !field.text().isEmpty();
    case EditCommand::None: return false;
  }
  return false;
}

// A label's text is only read: copied, or selected whole.
bool Applies(EditCommand command, const StaticText& label) {
  if (command == EditCommand::Copy) return label.hasSelectedText();
  return command == EditCommand::SelectAll && label.Selectable() && !label.text().isEmpty();
}

bool Applies(EditCommand command, const QWidget* target) {
  if (const auto* field = qobject_cast<const QLineEdit*>(target)) return Applies(command, *field);
  if (const auto* label = dynamic_cast<const StaticText*>(target)) return Applies(command, *label);
  // A list's cells are only read, one chosen cell at a time.
  if (const auto* list = dynamic_cast<const ListBox*>(target))
    return command == EditCommand::Copy && list->HasSelectedCell();
  return false;
}

void Perform(EditCommand command, QWidget& target) {
  if (auto* label = dynamic_cast<StaticText*>(&target)) {
    if (command == EditCommand::Copy) label->Copy();
    if (command == EditCommand::SelectAll) label->SelectAll();
    return;
  }
  if (auto* list = dynamic_cast<ListBox*>(&target)) {
    if (command == EditCommand::Copy) list->Copy();
    return;
  }
  auto* field = qobject_cast<QLineEdit*>(&target);
  if (!field) return;
  switch (command) {
    case EditCommand::Undo: field->undo(); break;
    case EditCommand::Cut: field->cut(); break;
    case EditCommand::Copy: field->copy(); break;
    case EditCommand::Paste: field->paste(); break;
    case EditCommand::Clear: field->del(); break;
    case EditCommand::SelectAll: field->selectAll(); break;
    case EditCommand::None: break;
  }
}

template <class F>
void ForEachItem(const MenuItem& parent, const F& visit) {
  for (const auto& child : parent.Children()) {
    visit(*child);
    ForEachItem(*child, visit);
  }
}

}  // namespace

// ---------------------------------------------------------------- MenuItem

MenuItem::MenuItem(Type type) : type_(type) {}
MenuItem::~MenuItem() = default;

void MenuItem::SetText(std::string text) {
  text_ = std::move(text);
  if (action_) action_->setText(QString::fromStdString(text_));
}

void MenuItem::SetKeyboardShortcut(std::string shortcut) {
  shortcut_ = std::move(shortcut);
  if (action_) action_->setShortcut(KeySequenceOf(shortcut_));
}

void MenuItem::Append(std::unique_ptr<MenuItem> item) { children_.push_back(std::move(item)); }

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_)
    if (child->Name() == name) return child.get();
  return nullptr;
}

QAction& MenuItem::Action() {
  if (!action_) {
    action_ = std::make_unique<QAction>(QString::fromStdString(text_));
    action_->setShortcut(KeySequenceOf(shortcut_));
    QObject::connect(action_.get(), &QAction::triggered, [this] {
      Application* app = Application::Instance();
      if (!app) return;
      if (type_ == Type::Quit)
        app->Quit();
      else
        app->RunEditCommand(name_);
    });
  }
  return *action_;
}

void MenuBar::BuildInto(QMenuBar& bar) {
  for (const auto& menuItem : Children()) {
    QMenu* menu = bar.addMenu(QString::fromStdString(menuItem->Text()));
    for (const auto& item : menuItem->Children()) {
      if (item->IsSeparator())
        menu->addSeparator();
      else
        menu->addAction(&item->Action());
    }
    QObject::connect(menu, &QMenu::aboutToShow, [] {
      if (Application* app = Application::Instance()) app->UpdateEditCommands();
    });
  }
}

// ------------------------------------------------------------- Application

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  theApplication = this;
  connect(this, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (!KeepsTheEditTarget(now)) Watch(now);
    UpdateEditCommands();
  });
  connect(clipboard(), &QClipboard::dataChanged, this, [this] { UpdateEditCommands(); });
}

Application::~Application() {
  CloseAllWindows();
  theApplication = nullptr;
}

Application* Application::Instance() { return theApplication; }

void Application::SetMenuBar(fw::MenuBar* menuBar) {
  menuBar_ = menuBar;
  UpdateEditCommands();
}

int Application::Run() {
  try {
    return exec();
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError("unknown error");
  }
  return EXIT_FAILURE;
}

void Application::Quit() { exit(0); }

void Application::Watch(QWidget* target) {
  for (auto& connection : watchedConnections) disconnect(connection);
  watched = nullptr;
  const auto update = [this] { UpdateEditCommands(); };
  if (auto* field = qobject_cast<QLineEdit*>(target)) {
    watched = field;
    watchedConnections[0] = connect(field, &QLineEdit::textChanged, this, update);
    watchedConnections[1] = connect(field, &QLineEdit::selectionChanged, this, update);
  } else if (auto* label = dynamic_cast<StaticText*>(target)) {
    watched = label;
    watchedConnections[0] = connect(label, &StaticText::SelectionChanged, this, update);
  } else if (auto* list = dynamic_cast<ListBox*>(target)) {
    watched = list;
    QItemSelectionModel* selection = list->selectionModel();
    watchedConnections[0] = connect(selection, &QItemSelectionModel::selectionChanged, this, update);
    watchedConnections[1] = connect(selection, &QItemSelectionModel::currentChanged, this, update);
  }
}

void Application::UpdateEditCommands() {
  if (!menuBar_) return;
  QWidget* target = EditTarget();
  ForEachItem(*menuBar_, [target](MenuItem& item) {
    if (item.IsSeparator() || !item.Children().empty() || !item.AutoEnable()) return;
    if (item.GetType() == MenuItem::Type::Quit) return;
    item.Action().setEnabled(Applies(EditCommandOf(item.Name()), target));
  });
}

void Application::RunEditCommand(std::string_view itemName) {
  QWidget* target = EditTarget();
  const EditCommand command = EditCommandOf(itemName);
  if (target && Applies(command, target)) Perform(command, *target);
  UpdateEditCommands();
}

}  // namespace fw
