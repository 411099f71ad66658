#pragma once

#include "framework/Window.h"
#include "windows/shared/TemperatureSwitch.h"

// The spinodal temperature and pressure of the current fluid at an entered
// molar volume.
class SpinodalWindow : public fw::Window {
 public:
  SpinodalWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static SpinodalWindow& Get() { return fw::GetImplicitWindow<SpinodalWindow>("SpinodalWindow.SpinodalWindow"); }

  void calculate_Action();
  void Clear_Action();

 private:
  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Result, "StaticText8", "ResultT"};
};
