#pragma once

#include "framework/Window.h"

class PressureWindow : public fw::Window {
 public:
  PressureWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static PressureWindow& Get() { return fw::GetImplicitWindow<PressureWindow>("PressureWindow.PressureWindow"); }
};
