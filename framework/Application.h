#pragma once
// The application object: Qt's application with the program's menu bar, the
// framework's Quit and Edit commands, and the event loop.

#include <QApplication>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ErrorReport.h"

class QAction;
class QMenuBar;

namespace fw {

// An entry of the menu bar model: a menu (an item with children), a plain
// item, the quit item, or a separator (text "-"). The items named EditUndo,
// EditCut, EditCopy, EditPaste, EditClear and EditSelectAll carry the
// framework's edit commands on the focused text field, label or list (the
// one that had the focus when a menu opened from the keyboard took it); the
// quit item ends the event loop.
class MenuItem {
 public:
  enum class Type { Plain, Quit };
  explicit MenuItem(Type type = Type::Plain);
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // "Cmd+Q" style; Cmd is the Ctrl key here. Empty: no shortcut.
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(std::string shortcut);
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool on) { autoEnable_ = on; }
  Type GetType() const { return type_; }
  bool IsSeparator() const { return text_ == "-"; }

  void Append(std::unique_ptr<MenuItem> item);
  // The child of that name, or nullptr.
  MenuItem* Child(std::string_view name) const;
  const std::vector<std::unique_ptr<MenuItem>>& Children() const { return children_; }

  // The Qt action shared by every window's menu bar.
  QAction& Action();

 private:
  Type type_;
  std::string name_;
  std::string text_;
  std::string shortcut_;
  bool autoEnable_ = false;
  std::vector<std::unique_ptr<MenuItem>> children_;
  std::unique_ptr<QAction> action_;
};

// The menu bar model: its children are the menus.
class MenuBar : public MenuItem {
 public:
  // Fills a window's Qt menu bar with the menus of this model.
  void BuildInto(QMenuBar& bar);
};

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  ~Application() override;

  static Application* Instance();  // nullptr before one exists

  // The menu bar that every window with a menu bar shows (not owned).
  fw::MenuBar* GetMenuBar() const { return menuBar_; }
  void SetMenuBar(fw::MenuBar* menuBar);

  // Runs the event loop until the quit command; returns its exit status.
  // An exception escaping the loop goes to the error report and ends the
  // loop with a failure status.
  int Run();
  // The framework's quit command.
  void Quit();

  // Enables each edit command whose effect applies to the focused field (or
  // selectable label, or list) of the active window.
  void UpdateEditCommands();
  // Runs the edit command of an item name (EditCut ...) on that field.
  void RunEditCommand(std::string_view itemName);

 private:
  // Makes a field, selectable label or list that took the focus the target
  // of the edit commands; anything else leaves none.
  void Watch(QWidget* target);

  fw::MenuBar* menuBar_ = nullptr;
};

}  // namespace fw
