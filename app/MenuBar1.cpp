#include "app/MenuBar1.h"

#include <memory>

namespace {

std::unique_ptr<MenuBar1>& instance() {
  static std::unique_ptr<MenuBar1> menuBar;
  return menuBar;
}

// Shortcut of a separator: left at the framework's default.
constexpr const char* kNotSet = nullptr;

}  // namespace

MenuBar1& MenuBar1::Get() {
  if (!instance()) instance().reset(new MenuBar1());
  return *instance();
}

void MenuBar1::Release() { instance().reset(); }

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  using Type = fw::MenuItem::Type;
  AppendToMenu(nullptr, Type::Plain, "FileMenu", "&File", "");
  AppendToMenu("FileMenu", Type::Quit, "FileQuit", "&Quit", "Cmd+Q");
}

void MenuBar1::Untitled1() {
  using Type = fw::MenuItem::Type;
  AppendToMenu(nullptr, Type::Plain, "EditMenu", "&Edit", "");
  AppendToMenu("EditMenu", Type::Plain, "EditUndo", "&Undo", "Cmd+Z");
  AppendToMenu("EditMenu", Type::Plain, "UntitledMenu1", "-", kNotSet);
  AppendToMenu("EditMenu", Type::Plain, "EditCut", "Cu&t", "Cmd+X");
  AppendToMenu("EditMenu", Type::Plain, "EditCopy", "&Copy", "Cmd+C");
  AppendToMenu("EditMenu", Type::Plain, "EditPaste", "&Paste", "Cmd+V");
  AppendToMenu("EditMenu", Type::Plain, "EditClear", "&Delete", "");
  AppendToMenu("EditMenu", Type::Plain, "UntitledMenu0", "-", kNotSet);
  AppendToMenu("EditMenu", Type::Plain, "EditSelectAll", "Select &All", "Cmd+A");
}

// Appends an item to the named menu, or a menu to the bar when `menu` is null.
void MenuBar1::AppendToMenu(const char* menu, fw::MenuItem::Type type, const char* name,
                            const char* text, const char* shortcut) {
  auto item = std::make_unique<fw::MenuItem>(type);
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  if (shortcut != kNotSet) item->SetKeyboardShortcut(shortcut);
  fw::MenuItem* parent = menu ? Child(menu) : this;
  parent->Append(std::move(item));
}
