#pragma once

#include "windows/energy/ScalarEnergyWindow.h"

// The relative molar enthalpy of the fluid at a chosen root of the cubic.
class EnthalpyWindow : public energy::ScalarEnergyWindow {
 public:
  EnthalpyWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static EnthalpyWindow& Get() { return fw::GetImplicitWindow<EnthalpyWindow>("EnthalpyWindow.EnthalpyWindow"); }
};
