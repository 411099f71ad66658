#pragma once

#include "framework/Window.h"

class TemperatureWindow : public fw::Window {
 public:
  TemperatureWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static TemperatureWindow& Get() { return fw::GetImplicitWindow<TemperatureWindow>("TemperatureWindow.TemperatureWindow"); }
};
