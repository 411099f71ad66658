#pragma once

#include "framework/Window.h"

class CriticalPointWindow : public fw::Window {
 public:
  CriticalPointWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static CriticalPointWindow& Get() { return fw::GetImplicitWindow<CriticalPointWindow>("CriticalPointWindow.CriticalPointWindow"); }
};
