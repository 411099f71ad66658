#pragma once

#include "framework/Window.h"
#include "windows/shared/TemperatureSwitch.h"

// The temperature of the current fluid from a molar volume and a pressure.
// The result is kept in kelvin in Globals::TempKelvin, and the unit radios
// show whatever that holds in the chosen unit.
class TemperatureWindow : public fw::Window {
 public:
  TemperatureWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static TemperatureWindow& Get() { return fw::GetImplicitWindow<TemperatureWindow>("TemperatureWindow.TemperatureWindow"); }

  void calculate_Action();
  void Clear_Action();

 private:
  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Result, "StaticText4", "Result"};
};
