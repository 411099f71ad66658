#pragma once

#include "framework/Window.h"

class EnergyWindow : public fw::Window {
 public:
  EnergyWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static EnergyWindow& Get() { return fw::GetImplicitWindow<EnergyWindow>("EnergyWindow.EnergyWindow"); }
};
