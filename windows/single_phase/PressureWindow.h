#pragma once

#include "framework/Window.h"
#include "windows/shared/TemperatureSwitch.h"

// The pressure of the current fluid from a molar volume and a temperature;
// the way into the isochore window.
class PressureWindow : public fw::Window {
 public:
  PressureWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static PressureWindow& Get() { return fw::GetImplicitWindow<PressureWindow>("PressureWindow.PressureWindow"); }

  void calculate_Action();
  void Clear_Action();
  void PushButton1_Action();

 private:
  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Input};
};
