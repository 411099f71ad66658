#pragma once

#include "windows/energy/ScalarEnergyWindow.h"

// The relative molar Helmholtz energy of the fluid at a chosen root of the cubic.
class HelmholtzWindow : public energy::ScalarEnergyWindow {
 public:
  HelmholtzWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static HelmholtzWindow& Get() { return fw::GetImplicitWindow<HelmholtzWindow>("HelmholtzWindow.HelmholtzWindow"); }
};
