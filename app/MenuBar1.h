#pragma once

#include "framework/Application.h"

// The program's menu bar: File with Quit, Edit with the framework's editing
// commands. One instance, created on the first call of Get.
class MenuBar1 : public fw::MenuBar {
 public:
  static MenuBar1& Get();
  // Drops the instance at shut-down.
  static void Release();

 private:
  MenuBar1();
  void Untitled0();  // the File menu
  void Untitled1();  // the Edit menu
  void AppendToMenu(const char* menu, fw::MenuItem::Type type, const char* name, const char* text,
                    const char* shortcut);
};
