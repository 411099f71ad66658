#pragma once

#include "windows/energy/ScalarEnergyWindow.h"

// The relative molar internal energy of the fluid at a chosen root of the cubic.
class EnergyWindow : public energy::ScalarEnergyWindow {
 public:
  EnergyWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static EnergyWindow& Get() { return fw::GetImplicitWindow<EnergyWindow>("EnergyWindow.EnergyWindow"); }
};
